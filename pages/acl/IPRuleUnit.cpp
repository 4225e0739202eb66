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
    TFieldGrid fields = BuildListAndEditor(ListView1, 160, 10);
    QWidget* p = fields.Parent();
    fields.Add(QStringLiteral("IP Rule ID"), IPRuleEdit = NewPageEdit(p, "IPRuleEdit"));
    fields.Add(QStringLiteral("IP Rule Access ID"), AccessIDEdit = NewPageEdit(p, "AccessIDEdit"));
    fields.Add(cbxVlan = NewPageCheckBox(p, "cbxVlan", "VLAN Name"), VLANEdit = NewPageEdit(p, "VLANEdit"));
    fields.Add(cbxSourceIP = NewPageCheckBox(p, "cbxSourceIP", "Source IP Address"), SourceIPEdit = NewPageEdit(p, "SourceIPEdit"));
    fields.Add(cbxDestIP = NewPageCheckBox(p, "cbxDestIP", "Destination IP address"), DestIPEdit = NewPageEdit(p, "DestIPEdit"));
    fields.Add(cbxDscp = NewPageCheckBox(p, "cbxDscp", "DSCP"), DSCPEdit = NewPageEdit(p, "DSCPEdit"));
    fields.Add(cbxProtocol = NewPageCheckBox(p, "cbxProtocol", "Rule Protocol"), ProtocolComboBox = NewPageCombo(p, "ProtocolComboBox"));
    fields.Add(cbxRuleIcmp = NewPageCheckBox(p, "cbxRuleIcmp", "Rule ICMP"), RuleIcmpComboBox = NewPageCombo(p, "RuleIcmpComboBox"));
    fields.Add(cbxRuleIgmp = NewPageCheckBox(p, "cbxRuleIgmp", "Rule IGMP"), RuleIgmpComboBox = NewPageCombo(p, "RuleIgmpComboBox"));
    fields.Add(cbxType = NewPageCheckBox(p, "cbxType", "Type"), TypeEdit = NewPageEdit(p, "TypeEdit"));
    fields.Add(cbxCode = NewPageCheckBox(p, "cbxCode", "Code"), CodeEdit = NewPageEdit(p, "CodeEdit"));
    fields.Add(cbxSourcePort = NewPageCheckBox(p, "cbxSourcePort", "Source Port"), SourcePortEdit = NewPageEdit(p, "SourcePortEdit"));
    fields.Add(cbxDestPort = NewPageCheckBox(p, "cbxDestPort", "Destination Port"), DestPortEdit = NewPageEdit(p, "DestPortEdit"));
    fields.Add(cbxFBs = NewPageCheckBox(p, "cbxFBs", "Flag Bits"), FlagEdit = NewPageEdit(p, "FlagEdit"));
    fields.Add(cbxProtocolID = NewPageCheckBox(p, "cbxProtocolID", "Protocol ID"), ProtocolIDEdit = NewPageEdit(p, "ProtocolIDEdit"));
    fields.Add(cbxUserMask = NewPageCheckBox(p, "cbxUserMask", "User Mask"), UserMaskEdit = NewPageEdit(p, "UserMaskEdit"));
    fields.Add(cbxTimeRange = NewPageCheckBox(p, "cbxTimeRange", "Time Range"), edtTimeRange = NewPageEdit(p, "edtTimeRange"));
    fields.Add(QStringLiteral("Source MAC Address"), SrcMacAddressEdit = NewPageEdit(p, "SrcMacAddressEdit"));
    fields.Add(QStringLiteral("Owner"), OwnerComboBox = NewPageCombo(p, "OwnerComboBox"));
    fields.Add(cbxPermit = NewPageCheckBox(p, "cbxPermit", "Permit"), PermitComboBox = NewPageCombo(p, "PermitComboBox"));
    fields.Add(cbxEnablePriority = NewPageCheckBox(p, "cbxEnablePriority", "Enable Priority"), PriorityComboBox = NewPageCombo(p, "PriorityComboBox"));
    fields.Add(cbxPriority = NewPageCheckBox(p, "cbxPriority", "Priority"), PriorityEdit = NewPageEdit(p, "PriorityEdit"));
    fields.Add(cbxReplacePriority = NewPageCheckBox(p, "cbxReplacePriority", "Replace Priority"), ReplaceComboBox = NewPageCombo(p, "ReplaceComboBox"));
    fields.Add(cbxEnableReplaceDscp = NewPageCheckBox(p, "cbxEnableReplaceDscp", "Replace DSCP State"), EnableReplComboBox = NewPageCombo(p, "EnableReplComboBox"));
    fields.Add(cbxValue = NewPageCheckBox(p, "cbxValue", "Replace DSCP Value"), DSCPValueEdit = NewPageEdit(p, "DSCPValueEdit"));
    fields.Add(cbxRxRate = NewPageCheckBox(p, "cbxRxRate", "RX Rate"), RxRateEdit = NewPageEdit(p, "RxRateEdit"));
    fields.Add(MirrorIDCheckBox = NewPageCheckBox(p, "MirrorIDCheckBox", "Mirror Group ID"), MirrorIDEdit = NewPageEdit(p, "MirrorIDEdit"));
    RowComboBox = NewPageCombo(p, "RowComboBox");
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
