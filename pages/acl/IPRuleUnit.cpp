#include "IPRuleUnit.h"

#include "AclControls.h"
#include "KyControlEvents.h"
#include "Oid_acl.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column {
    ProfileId, AccessId, Vlan, SourceIp, DestIp, Dscp, Protocol, Icmp, Igmp, SourcePort, DestPort, FlagBits,
    ProtocolIdCol, UserMask, EnablePriority, Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp, Permit, Ports,
    RxRate, RowStatus, TimeRange, SourceMac, Owner, Type, Code, MirrorGroup
};

QString CheckIPv4(const QString& text) { return IsIPv4(text) ? QString() : QStringLiteral("Please input a valid ip"); }

}  // namespace

TIPRuleForm::TIPRuleForm(QWidget* owner)
    : TAclRulePage(owner, {.Width = 826, .Height = 717, .Report = TPageReport::BarePanel}, RowStatus) {
    setWindowTitle(QStringLiteral("IP Rule"));
    BuildLayout();
    FormCreate();
}

void TIPRuleForm::BuildLayout() {
    TAclFieldGrid fields = BuildListAndEditor(ListView1, 160, false, 10);
    QWidget* p = fields.Parent();
    fields.Add(QStringLiteral("IP Rule ID"), IPRuleEdit = NewAclEdit(p, "IPRuleEdit"));
    fields.Add(QStringLiteral("IP Rule Access ID"), AccessIDEdit = NewAclEdit(p, "AccessIDEdit"));
    fields.Add(cbxVlan = NewAclBox(p, "cbxVlan", "VLAN Name"), VLANEdit = NewAclEdit(p, "VLANEdit"));
    fields.Add(cbxSourceIP = NewAclBox(p, "cbxSourceIP", "Source IP Address"), SourceIPEdit = NewAclEdit(p, "SourceIPEdit"));
    fields.Add(cbxDestIP = NewAclBox(p, "cbxDestIP", "Destination IP address"), DestIPEdit = NewAclEdit(p, "DestIPEdit"));
    fields.Add(cbxDscp = NewAclBox(p, "cbxDscp", "DSCP"), DSCPEdit = NewAclEdit(p, "DSCPEdit"));
    fields.Add(cbxProtocol = NewAclBox(p, "cbxProtocol", "Rule Protocol"), ProtocolComboBox = NewAclCombo(p, "ProtocolComboBox"));
    fields.Add(cbxRuleIcmp = NewAclBox(p, "cbxRuleIcmp", "Rule ICMP"), RuleIcmpComboBox = NewAclCombo(p, "RuleIcmpComboBox"));
    fields.Add(cbxRuleIgmp = NewAclBox(p, "cbxRuleIgmp", "Rule IGMP"), RuleIgmpComboBox = NewAclCombo(p, "RuleIgmpComboBox"));
    fields.Add(cbxType = NewAclBox(p, "cbxType", "Type"), TypeEdit = NewAclEdit(p, "TypeEdit"));
    fields.Add(cbxCode = NewAclBox(p, "cbxCode", "Code"), CodeEdit = NewAclEdit(p, "CodeEdit"));
    fields.Add(cbxSourcePort = NewAclBox(p, "cbxSourcePort", "Source Port"), SourcePortEdit = NewAclEdit(p, "SourcePortEdit"));
    fields.Add(cbxDestPort = NewAclBox(p, "cbxDestPort", "Destination Port"), DestPortEdit = NewAclEdit(p, "DestPortEdit"));
    fields.Add(cbxFBs = NewAclBox(p, "cbxFBs", "Flag Bits"), FlagEdit = NewAclEdit(p, "FlagEdit"));
    fields.Add(cbxProtocolID = NewAclBox(p, "cbxProtocolID", "Protocol ID"), ProtocolIDEdit = NewAclEdit(p, "ProtocolIDEdit"));
    fields.Add(cbxUserMask = NewAclBox(p, "cbxUserMask", "User Mask"), UserMaskEdit = NewAclEdit(p, "UserMaskEdit"));
    fields.Add(cbxTimeRange = NewAclBox(p, "cbxTimeRange", "Time Range"), edtTimeRange = NewAclEdit(p, "edtTimeRange"));
    fields.Add(QStringLiteral("Source MAC Address"), SrcMacAddressEdit = NewAclEdit(p, "SrcMacAddressEdit"));
    fields.Add(QStringLiteral("Owner"), OwnerComboBox = NewAclCombo(p, "OwnerComboBox"));
    fields.Add(cbxPermit = NewAclBox(p, "cbxPermit", "Permit"), PermitComboBox = NewAclCombo(p, "PermitComboBox"));
    fields.Add(cbxEnablePriority = NewAclBox(p, "cbxEnablePriority", "Enable Priority"), PriorityComboBox = NewAclCombo(p, "PriorityComboBox"));
    fields.Add(cbxPriority = NewAclBox(p, "cbxPriority", "Priority"), PriorityEdit = NewAclEdit(p, "PriorityEdit"));
    fields.Add(cbxReplacePriority = NewAclBox(p, "cbxReplacePriority", "Replace Priority"), ReplaceComboBox = NewAclCombo(p, "ReplaceComboBox"));
    fields.Add(cbxEnableReplaceDscp = NewAclBox(p, "cbxEnableReplaceDscp", "Replace DSCP State"), EnableReplComboBox = NewAclCombo(p, "EnableReplComboBox"));
    fields.Add(cbxValue = NewAclBox(p, "cbxValue", "Replace DSCP Value"), DSCPValueEdit = NewAclEdit(p, "DSCPValueEdit"));
    fields.Add(cbxRxRate = NewAclBox(p, "cbxRxRate", "RX Rate"), RxRateEdit = NewAclEdit(p, "RxRateEdit"));
    fields.Add(MirrorIDCheckBox = NewAclBox(p, "MirrorIDCheckBox", "Mirror Group ID"), MirrorIDEdit = NewAclEdit(p, "MirrorIDEdit"));
    RowComboBox = NewAclCombo(p, "RowComboBox");
    RowComboBox->hide();

    PageControl1 = AddPageControl("PageControl1");
    AddButtonColumn(CheckButton, "CheckButton", UncheckButton, "UncheckButton");
    connect(CheckButton, &QPushButton::clicked, this, &TIPRuleForm::CheckButtonClick);
    connect(UncheckButton, &QPushButton::clicked, this, &TIPRuleForm::UncheckButtonClick);

    const auto userMask = [](const QString& text) { return IsHexOfLength(text, 8) ? QString() : QStringLiteral("Invalid User Mask"); };
    using F = TAclRuleEditor::Field;
    CreateEditor(
        TAclRuleEditor::Controls{PermitComboBox, cbxPermit, PriorityComboBox, cbxEnablePriority, PriorityEdit, cbxPriority,
                                 ReplaceComboBox, cbxReplacePriority, EnableReplComboBox, cbxEnableReplaceDscp,
                                 DSCPValueEdit, cbxValue, RxRateEdit, cbxRxRate, MirrorIDEdit, MirrorIDCheckBox},
        std::vector<F>{
            F{cbxVlan, VLANEdit, Vlan},
            F{cbxSourceIP, SourceIPEdit, SourceIp, false, true, CheckIPv4},
            F{cbxDestIP, DestIPEdit, DestIp, false, true, CheckIPv4},
            F{cbxDscp, DSCPEdit, Dscp},
            F{cbxProtocol, ProtocolComboBox, Protocol},
            F{cbxRuleIcmp, RuleIcmpComboBox, Icmp},
            F{cbxRuleIgmp, RuleIgmpComboBox, Igmp},
            F{cbxSourcePort, SourcePortEdit, SourcePort},
            F{cbxDestPort, DestPortEdit, DestPort},
            F{cbxFBs, FlagEdit, FlagBits},
            F{cbxProtocolID, ProtocolIDEdit, ProtocolIdCol},
            F{cbxUserMask, UserMaskEdit, UserMask, false, true, userMask},
            F{cbxEnablePriority, PriorityComboBox, EnablePriority, true},
            F{cbxPriority, PriorityEdit, Priority, true},
            F{cbxReplacePriority, ReplaceComboBox, ReplacePriority, true},
            F{cbxEnableReplaceDscp, EnableReplComboBox, EnableReplaceDscp, true},
            F{cbxValue, DSCPValueEdit, ReplaceDscp, true},
            F{cbxPermit, PermitComboBox, Permit},
            F{cbxRxRate, RxRateEdit, RxRate, true, true, CheckRxRate},
            F{cbxTimeRange, edtTimeRange, TimeRange},
            F{cbxType, TypeEdit, Type},
            F{cbxCode, CodeEdit, Code},
            F{MirrorIDCheckBox, MirrorIDEdit, MirrorGroup, true, false},
        },
        QStringLiteral("Some checked field is empty"), false);
}

void TIPRuleForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    Binder = CreateTableBinder(ListView1, IPRuleVars, {IPRuleEdit, AccessIDEdit}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(ProfileId, "%i{n1x14}", {IPRuleEdit});
        b.BindEdits(AccessId, "%i{n1x128}", {AccessIDEdit});
        b.BindEdits(Vlan, "%s{l32}", {VLANEdit});
        b.BindEdits(SourceIp, "%s{l16}", {SourceIPEdit});
        b.BindEdits(DestIp, "%s{l16}", {DestIPEdit});
        b.BindEdits(Dscp, "%i{n0x63l2}", {DSCPEdit});
        b.BindComboBox(Protocol, ProtocolComboBox);
        b.BindComboBox(Icmp, RuleIcmpComboBox);
        b.BindComboBox(Igmp, RuleIgmpComboBox);
        b.BindEdits(SourcePort, "%i{n0x65535l5}", {SourcePortEdit});
        b.BindEdits(DestPort, "%i{n0x65535l5}", {DestPortEdit});
        b.BindEdits(FlagBits, "%i{n0x63l2}", {FlagEdit});
        b.BindEdits(ProtocolIdCol, "%i{n0x255l3}", {ProtocolIDEdit});
        b.BindEdits(UserMask, "%s", {UserMaskEdit});
        b.BindComboBox(EnablePriority, PriorityComboBox);
        b.BindEdits(Priority, "%i{n0x7l1}", {PriorityEdit});
        b.BindComboBox(ReplacePriority, ReplaceComboBox);
        b.BindComboBox(EnableReplaceDscp, EnableReplComboBox);
        b.BindEdits(ReplaceDscp, "%i{n0x63l2}", {DSCPValueEdit});
        b.BindComboBox(Permit, PermitComboBox);
        BindPortList(b, Ports, ports, PortSelector);
        b.BindEdits(RxRate, "%i{n0x156249}", {RxRateEdit});
        b.BindComboBox(RowStatus, RowComboBox);
        b.BindEdits(TimeRange, "%s", {edtTimeRange});
        b.BindEdits(SourceMac, "%s", {SrcMacAddressEdit});
        b.BindComboBox(Owner, OwnerComboBox);
        b.BindEdits(Type, "%i{n0x255}", {TypeEdit});
        b.BindEdits(Code, "%i{n0x255}", {CodeEdit});
        b.BindEdits(MirrorGroup, "%i{n1x4l1}", {MirrorIDEdit});
    });
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool selected) { RowClicked(selected); });
    ProtocolComboBox->setCurrentText("none");
    RuleIcmpComboBox->setCurrentText("disabled");
    RuleIgmpComboBox->setCurrentText("disabled");
    PriorityComboBox->setCurrentText("disabled");
    ReplaceComboBox->setCurrentText("disabled");
    EnableReplComboBox->setCurrentText("disabled");
    PermitComboBox->setCurrentText("permit");
    RowComboBox->setCurrentText("createAndGo");
    OwnerComboBox->setCurrentText("acl");
    PermitComboBoxChange();
    ShowRowSelected(false);
}

void TIPRuleForm::RowClicked(bool selected) {
    // The rule's keys, protocol, ICMP type and code are fixed once it exists.
    for (QWidget* fixed : std::initializer_list<QWidget*>{ProtocolComboBox, cbxProtocol, TypeEdit, CodeEdit, cbxType, cbxCode}) {
        if (selected) DisableControl(fixed);
        else EnableControl(fixed);
    }
    DisableControl(SrcMacAddressEdit);
    DisableControl(OwnerComboBox);
    // The binder has enabled every bound control: the row's action decides again. Without a row the
    // editor is reset after it, so the priority boxes it checked start unchecked.
    PermitComboBoxChange();
    if (!selected) UncheckButtonClick();
}

void TIPRuleForm::ResetInputs() {
    for (QLineEdit* edit : {IPRuleEdit, AccessIDEdit, VLANEdit, SourceIPEdit, DestIPEdit, DSCPEdit, SourcePortEdit,
                            DestPortEdit, FlagEdit, ProtocolIDEdit, UserMaskEdit, PriorityEdit, DSCPValueEdit, RxRateEdit,
                            edtTimeRange, SrcMacAddressEdit, TypeEdit, CodeEdit})
        edit->clear();
    UncheckButtonClick();
    for (QWidget* open : std::initializer_list<QWidget*>{ProtocolComboBox, cbxProtocol, cbxType, TypeEdit, CodeEdit, cbxCode})
        EnableControl(open);
    DisableControl(SrcMacAddressEdit);
    DisableControl(OwnerComboBox);
    if (PortSelector) PortSelector->UncheckAll();
}

void TIPRuleForm::GetButtonClick() {
    PermitComboBoxChange();
    RefreshClick();
}

void TIPRuleForm::CheckButtonClick() { Editor->CheckAll(); }

void TIPRuleForm::UncheckButtonClick() {
    for (const TAclRuleEditor::Field& field : Editor->Fields()) {
        if (field.Box == MirrorIDCheckBox) continue;
        if ((field.Box == cbxPriority || field.Box == cbxReplacePriority) && !field.Box->isEnabled()) continue;
        field.Box->setChecked(false);
    }
}

bool TIPRuleForm::Validate() {
    if (!CheckKeys(QStringLiteral("IP Rule ID must be set."), QStringLiteral("IP Rule Access ID must be set."))) return false;
    if (const auto failure = Editor->Validate(); !failure.Text.isEmpty()) return Refuse(failure.Text, failure.Control);
    if (MirrorIDCheckBox->isChecked() && MirrorIDEdit->text().isEmpty())
        return Refuse(QStringLiteral("Mirror Group ID checked but it is empty"), MirrorIDEdit);
    if (!TAclRuleEditor::HasCheckedPort(*PortSelector)) return Refuse(QStringLiteral("You must choose at least 1 port!"), nullptr);
    return true;
}

std::vector<int> TIPRuleForm::FieldSelection() const {
    std::vector<int> out = Editor->Selection(true, ListView1->currentItem(), EnablePriority);
    if (cbxProtocol->isChecked()) {
        const auto range = [&](int from, int to) {
            for (int i = from; i <= to; ++i) out.push_back(i);
        };
        const QString protocol = ProtocolComboBox->currentText();
        if (protocol == "none") range(Protocol, UserMask);
        else if (protocol == "icmp") range(Igmp, UserMask);
        else if (protocol == "igmp") {
            out.push_back(Icmp);
            range(SourcePort, UserMask);
        } else if (protocol == "tcp") out.insert(out.end(), {Icmp, Igmp, ProtocolIdCol, UserMask});
        else if (protocol == "udp") out.insert(out.end(), {Icmp, Igmp, FlagBits, ProtocolIdCol, UserMask});
        else if (protocol == "protocolId") range(Icmp, FlagBits);
    }
    return out;
}

void TIPRuleForm::AfterWrite() {
    PermitComboBoxChange();
    UncheckButtonClick();
}

void TIPRuleForm::AddButtonClick() {
    if (Validate())
        AddRule(QStringLiteral("Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."),
                FieldSelection());
}

void TIPRuleForm::EditButtonClick() {
    if (ListView1->currentItem() && Validate()) EditRule(FieldSelection(), RowComboBox);
}
