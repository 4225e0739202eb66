#include "EthernetInformationRuleUnit.h"

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
    MaskId, AccessId, Vlan, SourceMac, DestMac, Ieee8021p, EthType, EnablePriority, Priority, ReplacePriority, Permit,
    Ports, RxRate, RowStatus, TimeRange, Owner, MirrorGroup, EnableReplaceDscp, ReplaceDscp
};
constexpr int CreateAndGoItem = 3;

}  // namespace

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget* owner)
    : TAclRulePage(owner, {.Width = 826, .Height = 680, .Report = TPageReport::BarePanel}, RowStatus) {
    setWindowTitle(QStringLiteral("Ethernet Information Rule"));
    BuildLayout();
    FormCreate();
}

void TEthernetInformationRuleForm::BuildLayout() {
    TAclFieldGrid fields = BuildListAndEditor(ListView1, 160, false, 6);
    QWidget* p = fields.Parent();
    fields.Add(QStringLiteral("Mask ID"), MaskIDEdit = NewAclEdit(p, "MaskIDEdit"));
    fields.Add(QStringLiteral("Access ID"), AccessEdit = NewAclEdit(p, "AccessEdit"));
    fields.Add(cbxVlan = NewAclBox(p, "cbxVlan", "VLAN Name"), VlanRuleEdit = NewAclEdit(p, "VlanRuleEdit"));
    fields.Add(cbxSource = NewAclBox(p, "cbxSource", "Source MAC Address "), SourceMACEdit = NewAclEdit(p, "SourceMACEdit"));
    fields.Add(cbxDestination = NewAclBox(p, "cbxDestination", "Destination MAC Address "), DestMACEdit = NewAclEdit(p, "DestMACEdit"));
    fields.Add(cbxIEEE802dot1P = NewAclBox(p, "cbxIEEE802dot1P", "802.1p"), IEEE8021pEdit = NewAclEdit(p, "IEEE8021pEdit"));
    fields.Add(cbxEtherType = NewAclBox(p, "cbxEtherType", "Ethernet Type "), EthTypeEdit = NewAclEdit(p, "EthTypeEdit"));
    fields.Add(cbxTimeRange = NewAclBox(p, "cbxTimeRange", "Time Range"), edtTimeRange = NewAclEdit(p, "edtTimeRange"));
    fields.Add(QStringLiteral("Owner"), RuleOwnerComboBox = NewAclCombo(p, "RuleOwnerComboBox"));
    fields.Add(cbxPermit = NewAclBox(p, "cbxPermit", "Permit"), PermitComboBox = NewAclCombo(p, "PermitComboBox"));
    fields.Add(cbxEnablePriority = NewAclBox(p, "cbxEnablePriority", "Enable Priority"), EnablePriorityComboBox = NewAclCombo(p, "EnablePriorityComboBox"));
    fields.Add(cbxPriority = NewAclBox(p, "cbxPriority", "Priority"), PriorityEdit = NewAclEdit(p, "PriorityEdit"));
    fields.Add(cbxReplacePriority = NewAclBox(p, "cbxReplacePriority", "Replace Priority"), ReplacePriorityComboBox = NewAclCombo(p, "ReplacePriorityComboBox"));
    fields.Add(cbxEnableReplaceDscp = NewAclBox(p, "cbxEnableReplaceDscp", "Replace DSCP State"), EnableReplComboBox = NewAclCombo(p, "EnableReplComboBox"));
    fields.Add(cbxValue = NewAclBox(p, "cbxValue", "Replace DSCP Value"), ReplaceDSCPEdit = NewAclEdit(p, "ReplaceDSCPEdit"));
    fields.Add(cbxRxRate = NewAclBox(p, "cbxRxRate", "RX Rate"), RxRateEdit = NewAclEdit(p, "RxRateEdit"));
    fields.Add(MirrorIDCheckBox = NewAclBox(p, "MirrorIDCheckBox", "Mirror Group ID"), MirrorIDEdit = NewAclEdit(p, "MirrorIDEdit"));
    RowComboBox = NewAclCombo(p, "RowComboBox");
    RowComboBox->hide();

    PageControl1 = AddPageControl("PageControl1");
    AddButtonColumn(AddCheckButton, "AddCheckButton", CleanCheButton, "CleanCheButton");
    connect(AddCheckButton, &QPushButton::clicked, this, &TEthernetInformationRuleForm::AddCheckButtonClick);
    connect(CleanCheButton, &QPushButton::clicked, this, &TEthernetInformationRuleForm::CleanCheButtonClick);

    const auto mac = [](const QString& text) { return IsHexOfLength(text, 12) ? QString() : QStringLiteral("Invalid MAC Address"); };
    const auto etherType = [](const QString& text) { return IsHexOfLength(text, 4) ? QString() : QStringLiteral("Invalid Ethernet Type"); };
    const auto priority = [](const QString& text) {
        const int value = IntegerOr(text);
        return value >= 0 && value <= 7 ? QString() : QStringLiteral("Priority value should between 0-7");
    };
    using F = TAclRuleEditor::Field;
    CreateEditor(
        TAclRuleEditor::Controls{PermitComboBox, cbxPermit, EnablePriorityComboBox, cbxEnablePriority, PriorityEdit,
                                 cbxPriority, ReplacePriorityComboBox, cbxReplacePriority, EnableReplComboBox,
                                 cbxEnableReplaceDscp, ReplaceDSCPEdit, cbxValue, RxRateEdit, cbxRxRate, MirrorIDEdit,
                                 MirrorIDCheckBox},
        std::vector<F>{
            F{cbxVlan, VlanRuleEdit, Vlan},
            F{cbxSource, SourceMACEdit, SourceMac, false, true, mac},
            F{cbxDestination, DestMACEdit, DestMac, false, true, mac},
            F{cbxIEEE802dot1P, IEEE8021pEdit, Ieee8021p},
            F{cbxEtherType, EthTypeEdit, EthType, false, true, etherType},
            F{cbxEnablePriority, EnablePriorityComboBox, EnablePriority, true},
            F{cbxPriority, PriorityEdit, Priority, true, true, priority},
            F{cbxReplacePriority, ReplacePriorityComboBox, ReplacePriority, true},
            F{cbxPermit, PermitComboBox, Permit},
            F{cbxRxRate, RxRateEdit, RxRate, true, true, CheckRxRate},
            F{cbxTimeRange, edtTimeRange, TimeRange},
            F{MirrorIDCheckBox, MirrorIDEdit, MirrorGroup, true, false},
            F{cbxEnableReplaceDscp, EnableReplComboBox, EnableReplaceDscp, true, false},
            F{cbxValue, ReplaceDSCPEdit, ReplaceDscp, true, false},
        },
        QStringLiteral("Some check field is empty"), true);
}

void TEthernetInformationRuleForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Static Ports"));
    Binder = CreateTableBinder(ListView1, EthernetInformationRuleVars, {MaskIDEdit, AccessEdit}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(MaskId, "%i{n1x14}", {MaskIDEdit});
        b.BindEdits(AccessId, "%i{n1x128}", {AccessEdit});
        b.BindEdits(Vlan, "%s{l32}", {VlanRuleEdit});
        b.BindEdits(SourceMac, "%s{l12}", {SourceMACEdit});
        b.BindEdits(DestMac, "%s{l12}", {DestMACEdit});
        b.BindEdits(Ieee8021p, "%i{n0x7}", {IEEE8021pEdit});
        b.BindEdits(EthType, "%s{l4}", {EthTypeEdit});
        b.BindComboBox(EnablePriority, EnablePriorityComboBox);
        b.BindEdits(Priority, "%i{n0x7}", {PriorityEdit});
        b.BindComboBox(ReplacePriority, ReplacePriorityComboBox);
        b.BindComboBox(Permit, PermitComboBox);
        BindPortList(b, Ports, ports, PortSelector);
        b.BindEdits(RxRate, "%i{n0x156249}", {RxRateEdit});
        b.BindComboBox(RowStatus, RowComboBox);
        b.BindEdits(TimeRange, "%s", {edtTimeRange});
        b.BindComboBox(Owner, RuleOwnerComboBox);
        b.BindEdits(MirrorGroup, "%i{n1x4l1}", {MirrorIDEdit});
        b.BindComboBox(EnableReplaceDscp, EnableReplComboBox);
        b.BindEdits(ReplaceDscp, "%i{n0x63l2}", {ReplaceDSCPEdit});
    });
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) {
        DisableControl(RuleOwnerComboBox);
        PermitComboBoxChange();
    });
    for (QComboBox* combo : {EnablePriorityComboBox, ReplacePriorityComboBox, PermitComboBox, EnableReplComboBox})
        combo->setCurrentIndex(1);
    Editor->PriorityChange();
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    RuleOwnerComboBox->setCurrentIndex(1);
    DisableControl(RuleOwnerComboBox);
    ShowRowSelected(false);
    PermitComboBoxChange();
}

void TEthernetInformationRuleForm::ResetInputs() {
    for (QLineEdit* edit : {MaskIDEdit, AccessEdit, VlanRuleEdit, SourceMACEdit, DestMACEdit, IEEE8021pEdit, EthTypeEdit,
                            PriorityEdit, RxRateEdit, edtTimeRange})
        edit->clear();
    for (QCheckBox* box : {cbxVlan, cbxSource, cbxDestination, cbxIEEE802dot1P, cbxEtherType, cbxEnablePriority,
                           cbxPriority, cbxReplacePriority, cbxPermit, cbxRxRate, cbxTimeRange})
        box->setChecked(false);
    if (PortSelector) PortSelector->UncheckAll();
}

void TEthernetInformationRuleForm::AddCheckButtonClick() { Editor->CheckAll(); }

void TEthernetInformationRuleForm::CleanCheButtonClick() {
    for (const TAclRuleEditor::Field& field : Editor->Fields()) field.Box->setChecked(false);
}

bool TEthernetInformationRuleForm::ValidateInputs() {
    return CheckKeys(QStringLiteral("Mask ID must be set."), QStringLiteral("Access ID must be set.")) &&
           CheckFieldsAndPorts(*PortSelector);
}

void TEthernetInformationRuleForm::AddButtonClick() {
    // A new deny rule still carries what its checked boxes select.
    if (ValidateInputs())
        AddRule(QStringLiteral("Has already a record with the same Mask ID and Access ID. Please change eithor of them."),
                Editor->Selection(false, nullptr, EnablePriority));
}

void TEthernetInformationRuleForm::EditButtonClick() {
    QTreeWidgetItem* row = ListView1->currentItem();
    if (row && ValidateInputs()) EditRule(Editor->Selection(true, row, EnablePriority), RowComboBox);
}
