#include "IPMaskInformationFormUnit.h"

#include "AclControls.h"
#include "AclRuleEditor.h"
#include "KyControlEvents.h"
#include "Oid_acl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <set>

namespace {

enum Column {
    ProfileId, UseVlan, MaskState, SrcMask, DstMask, UseDscp, ProtocolType, IcmpOption, IgmpOption, TcpOption,
    UdpOption, SrcPortMask, DstPortMask, FlagBit, FlagBitMask, ProtocolIdOption, ProtocolId, ProtocolIdMask,
    RowStatus, Owner, SrcMacMask, UnusedEntries
};

}  // namespace

std::vector<int> IPMaskExclusions(const TIPMaskChoice& c) {
    std::set<int> out;
    const auto exclude = [&](std::initializer_list<int> positions) { out.insert(positions); };
    const auto range = [&](int from, int to) {
        for (int i = from; i <= to; ++i) out.insert(i);
    };
    if (c.MaskState == "other") exclude({MaskState, SrcMask, DstMask});
    else if (c.MaskState == "dst-ip-addr") exclude({SrcMask});
    else if (c.MaskState == "src-ip-addr") exclude({DstMask});
    if (c.Icmp == "none") exclude({IcmpOption});
    if (c.Tcp == "other") exclude({TcpOption, SrcPortMask, DstPortMask});
    if (c.Udp == "other") exclude({UdpOption, SrcPortMask, DstPortMask});
    // Either option using a port brings its mask back.
    const auto either = [&](const char* option) { return c.Tcp == option || c.Udp == option; };
    if (either("dst-addr")) out.erase(DstPortMask);
    if (either("src-addr")) out.erase(SrcPortMask);
    if (either("dst-src-addr")) {
        out.erase(SrcPortMask);
        out.erase(DstPortMask);
    }
    if (c.FlagBit == "disable") exclude({FlagBitMask});
    if (c.ProtocolIdOption == "disable") exclude({ProtocolId, ProtocolIdMask});
    if (c.ProtocolType == "none") range(ProtocolType, ProtocolIdMask);
    else if (c.ProtocolType == "icmp") range(IgmpOption, ProtocolIdMask);
    else if (c.ProtocolType == "igmp") {
        exclude({IcmpOption});
        range(TcpOption, ProtocolIdMask);
    } else if (c.ProtocolType == "tcp") exclude({IcmpOption, IgmpOption, UdpOption, ProtocolIdOption, ProtocolId, ProtocolIdMask});
    else if (c.ProtocolType == "udp") {
        exclude({IcmpOption, IgmpOption, TcpOption});
        range(FlagBit, ProtocolIdMask);
    } else if (c.ProtocolType == "protocolId") range(IcmpOption, FlagBitMask);
    if (c.ProtocolType == "tcp" && c.Tcp == "other") exclude({TcpOption});
    if (c.ProtocolType == "udp" && c.Udp == "other") exclude({UdpOption});
    if (c.ProtocolType == "protocolId" && c.ProtocolIdOption == "disable") exclude({ProtocolIdMask});
    out.insert(c.EmptyEdits.begin(), c.EmptyEdits.end());
    return {out.begin(), out.end()};
}

TIPMaskInformationForm::TIPMaskInformationForm(QWidget* owner)
    : TAclTablePage(owner, {.Width = 792, .Height = 491, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("IP Mask Information"));
    BuildLayout();
    FormCreate();
}

void TIPMaskInformationForm::BuildLayout() {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    ListView1->setMinimumHeight(120);
    TFieldGrid fields(frame.Left, 8);
    QWidget* p = Client;
    fields.Add(QStringLiteral("IP Mask ID"), IPIDEdit = NewPageEdit(p, "IPIDEdit"));
    fields.Add(QStringLiteral("Use VLAN"), VlanComboBox = NewPageCombo(p, "VlanComboBox"));
    fields.Add(QStringLiteral("IP Address Mask State"), IpAddMaskStateComboBox = NewPageCombo(p, "IpAddMaskStateComboBox"));
    fields.Add(QStringLiteral("IP Address Mask Source"), IpAddMaskSrcEdit = NewPageEdit(p, "IpAddMaskSrcEdit"));
    fields.Add(QStringLiteral("IP Address Mask Destination"), IpAddMaskDstEdit = NewPageEdit(p, "IpAddMaskDstEdit"));
    fields.Add(QStringLiteral("Use DSCP"), UseDSCPComBo = NewPageCombo(p, "UseDSCPComBo"));
    fields.Add(QStringLiteral("Use Protocol Type"), UseProTypeComBo = NewPageCombo(p, "UseProTypeComBo"));
    fields.Add(QStringLiteral("ICMP Option"), IcmpComboBox = NewPageCombo(p, "IcmpComboBox"));
    fields.Add(QStringLiteral("IGMP Option"), IgmpComboBox = NewPageCombo(p, "IgmpComboBox"));
    fields.Add(QStringLiteral("TCP Option"), TCPOptionComBo = NewPageCombo(p, "TCPOptionComBo"));
    fields.Add(QStringLiteral("UDP Option"), UDPOptionComBo = NewPageCombo(p, "UDPOptionComBo"));
    fields.Add(QStringLiteral("TCP or UDP Srouce Port Mask"), TCPUDPSrcMaskEdit = NewPageEdit(p, "TCPUDPSrcMaskEdit"));
    fields.Add(QStringLiteral("TCP or UDP Destination Port Mask"), TCPUDPDstPortMaskEdit = NewPageEdit(p, "TCPUDPDstPortMaskEdit"));
    fields.Add(QStringLiteral("TCP Flag Bit Option"), TCPFlagBitOptionComBo = NewPageCombo(p, "TCPFlagBitOptionComBo"));
    fields.Add(QStringLiteral("TCP Flag Bit Mask (0-63)"), TCPFlagBitMaskEdit = NewPageEdit(p, "TCPFlagBitMaskEdit"));
    fields.Add(QStringLiteral("Protocol ID Option"), ProOptionComBo = NewPageCombo(p, "ProOptionComBo"));
    fields.Add(QStringLiteral("Proto ID Mask(0-255)"), ProtoIDEdit = NewPageEdit(p, "ProtoIDEdit"));
    fields.Add(QStringLiteral("User Mask"), ProIDMaskEdit = NewPageEdit(p, "ProIDMaskEdit"));
    fields.Add(QStringLiteral("Owner"), OwnerComboBox = NewPageCombo(p, "OwnerComboBox"));
    fields.Add(QStringLiteral("Source MAC Address Mask"), SrcMacAddrMaskEdit = NewPageEdit(p, "SrcMacAddrMaskEdit"));
    fields.Add(QStringLiteral("Unused Rule Entries"), EntriesEdit = NewPageEdit(p, "EntriesEdit"));
    RowStatusComBo = NewPageCombo(p, "RowStatusComBo");
    RowStatusComBo->hide();

    RefreshButton = NewPageButton(Client, "BT_Get", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "BT_Add", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "BT_Delete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TIPMaskInformationForm::BT_GetClick);
    connect(AddButton, &QPushButton::clicked, this, &TIPMaskInformationForm::BT_AddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TIPMaskInformationForm::BT_DeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIPMaskInformationForm::CloseClick);
}

void TIPMaskInformationForm::FormCreate() {
    Binder = CreateTableBinder(ListView1, IPMaskInformationVars, {IPIDEdit}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(ProfileId, "%i{n1x14l2}", {IPIDEdit});
        b.BindComboBox(UseVlan, VlanComboBox);
        b.BindComboBox(MaskState, IpAddMaskStateComboBox);
        b.BindEdits(SrcMask, "%s", {IpAddMaskSrcEdit});
        b.BindEdits(DstMask, "%s", {IpAddMaskDstEdit});
        b.BindComboBox(UseDscp, UseDSCPComBo);
        b.BindComboBox(ProtocolType, UseProTypeComBo);
        b.BindComboBox(IcmpOption, IcmpComboBox);
        b.BindComboBox(IgmpOption, IgmpComboBox);
        b.BindComboBox(TcpOption, TCPOptionComBo);
        b.BindComboBox(UdpOption, UDPOptionComBo);
        b.BindEdits(SrcPortMask, "%s", {TCPUDPSrcMaskEdit});
        b.BindEdits(DstPortMask, "%s", {TCPUDPDstPortMaskEdit});
        b.BindComboBox(FlagBit, TCPFlagBitOptionComBo);
        b.BindEdits(FlagBitMask, "%i", {TCPFlagBitMaskEdit});
        b.BindComboBox(ProtocolIdOption, ProOptionComBo);
        b.BindEdits(ProtocolId, "%i", {ProtoIDEdit});
        b.BindEdits(ProtocolIdMask, "%s", {ProIDMaskEdit});
        b.BindComboBox(RowStatus, RowStatusComBo);
        b.BindComboBox(Owner, OwnerComboBox);
        b.BindEdits(SrcMacMask, "%s", {SrcMacAddrMaskEdit});
        b.BindEdits(UnusedEntries, "%i", {EntriesEdit});
    });
    // Shown only: the binder enables every bound control with a row.
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) {
        for (QWidget* shown : std::initializer_list<QWidget*>{OwnerComboBox, SrcMacAddrMaskEdit, EntriesEdit})
            DisableControl(shown);
    });
    VlanComboBox->setCurrentText("enabled");
    IpAddMaskStateComboBox->setCurrentText("other");
    UseDSCPComBo->setCurrentText("disabled");
    UseProTypeComBo->setCurrentText("none");
    IcmpComboBox->setCurrentText("none");
    IgmpComboBox->setCurrentText("disable");
    TCPOptionComBo->setCurrentText("other");
    UDPOptionComBo->setCurrentText("other");
    TCPFlagBitOptionComBo->setCurrentText("disable");
    ProOptionComBo->setCurrentText("disable");
    RowStatusComBo->setCurrentText("createAndGo");
    ShowRowSelected(false);
}

void TIPMaskInformationForm::ResetInputs() {
    for (QLineEdit* edit : {IPIDEdit, IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit,
                            TCPFlagBitMaskEdit, ProIDMaskEdit, ProtoIDEdit, SrcMacAddrMaskEdit, EntriesEdit})
        edit->clear();
    OwnerComboBox->setCurrentText("acl");
}

void TIPMaskInformationForm::BT_GetClick() { RefreshClick(); }

bool TIPMaskInformationForm::Validate() {
    const QString state = IpAddMaskStateComboBox->currentText();
    const QString type = UseProTypeComBo->currentText();
    if (IPIDEdit->text().isEmpty()) return Refuse("IP Mask ID must be set.", IPIDEdit);
    if ((state == "src-ip-addr" || state == "dst-src-ip-addr") && !IpAddMaskSrcEdit->text().isEmpty() &&
        !IsIPv4(IpAddMaskSrcEdit->text()))
        return Refuse("Please input a valid ip", IpAddMaskSrcEdit);
    if ((state == "dst-ip-addr" || state == "dst-src-ip-addr") && !IpAddMaskDstEdit->text().isEmpty() &&
        !IsIPv4(IpAddMaskDstEdit->text()))
        return Refuse("Please input a valid ip", IpAddMaskDstEdit);
    if (type == "protocolId" && ProOptionComBo->currentText() == "enable" && !ProIDMaskEdit->text().isEmpty() &&
        !IsHexOfLength(ProIDMaskEdit->text(), 8))
        return Refuse("Invalid Mask!", ProIDMaskEdit);
    if (type == "protocolId" && !ProtoIDEdit->text().isEmpty()) {
        const int value = IntegerOr(ProtoIDEdit->text());
        if (value < 0 || value > 255) return Refuse("Please input a valid value", ProtoIDEdit);
    }
    if (type == "tcp" || type == "udp") {
        const auto uses = [&](const char* a, const char* b) {
            for (const QComboBox* option : {TCPOptionComBo, UDPOptionComBo})
                if (option->currentText() == a || option->currentText() == b) return true;
            return false;
        };
        if (uses("dst-addr", "dst-src-addr") && !TCPUDPDstPortMaskEdit->text().isEmpty() &&
            !IsHexOfLength(TCPUDPDstPortMaskEdit->text(), 4))
            return Refuse("Invalid Mask!", TCPUDPDstPortMaskEdit);
        if (uses("src-addr", "dst-src-addr") && !TCPUDPSrcMaskEdit->text().isEmpty() && !IsHexOfLength(TCPUDPSrcMaskEdit->text(), 4))
            return Refuse("Invalid Mask!", TCPUDPSrcMaskEdit);
    }
    if (type == "tcp" && TCPFlagBitOptionComBo->currentText() == "enable" && !TCPFlagBitMaskEdit->text().isEmpty()) {
        const int value = IntegerOr(TCPFlagBitMaskEdit->text());
        if (value < 0 || value > 63) return Refuse("Please input a valid value", TCPFlagBitMaskEdit);
    }
    return true;
}

TIPMaskChoice TIPMaskInformationForm::Choice() const {
    TIPMaskChoice choice{IpAddMaskStateComboBox->currentText(), IcmpComboBox->currentText(),
                         TCPOptionComBo->currentText(), UDPOptionComBo->currentText(),
                         TCPFlagBitOptionComBo->currentText(), ProOptionComBo->currentText(),
                         UseProTypeComBo->currentText(), {}};
    const std::pair<QLineEdit*, int> edits[] = {
        {TCPFlagBitMaskEdit, FlagBitMask}, {IpAddMaskSrcEdit, SrcMask},         {IpAddMaskDstEdit, DstMask},
        {TCPUDPSrcMaskEdit, SrcPortMask},  {TCPUDPDstPortMaskEdit, DstPortMask}, {ProtoIDEdit, ProtocolId},
        {ProIDMaskEdit, ProtocolIdMask},   {SrcMacAddrMaskEdit, SrcMacMask},     {EntriesEdit, UnusedEntries}};
    for (const auto& [edit, position] : edits)
        if (edit->text().isEmpty()) choice.EmptyEdits.push_back(position);
    return choice;
}

void TIPMaskInformationForm::BT_AddClick() {
    if (!MayWrite() || !Validate()) return;
    if (FindAclRow(ListView1, {IPIDEdit->text()})) {
        Refuse(QStringLiteral("There is already a record with the same IP Mask ID. Please modified it."), IPIDEdit);
        return;
    }
    AddRow(IPMaskExclusions(Choice()), RowStatus);
}

void TIPMaskInformationForm::BT_DeleteClick() { DeleteRow(RowStatus); }
