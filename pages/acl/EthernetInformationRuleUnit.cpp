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
    TFieldGrid fields = BuildListAndEditor(ListView1, 160, 6);
    QWidget* p = fields.Parent();
    fields.Add(QStringLiteral("Mask ID"), MaskIDEdit = NewPageEdit(p, "MaskIDEdit"));
    fields.Add(QStringLiteral("Access ID"), AccessEdit = NewPageEdit(p, "AccessEdit"));
    fields.Add(cbxVlan = NewPageCheckBox(p, "cbxVlan", "VLAN Name"), VlanRuleEdit = NewPageEdit(p, "VlanRuleEdit"));
    fields.Add(cbxSource = NewPageCheckBox(p, "cbxSource", "Source MAC Address "), SourceMACEdit = NewPageEdit(p, "SourceMACEdit"));
    fields.Add(cbxDestination = NewPageCheckBox(p, "cbxDestination", "Destination MAC Address "), DestMACEdit = NewPageEdit(p, "DestMACEdit"));
    fields.Add(cbxIEEE802dot1P = NewPageCheckBox(p, "cbxIEEE802dot1P", "802.1p"), IEEE8021pEdit = NewPageEdit(p, "IEEE8021pEdit"));
    fields.Add(cbxEtherType = NewPageCheckBox(p, "cbxEtherType", "Ethernet Type "), EthTypeEdit = NewPageEdit(p, "EthTypeEdit"));
    fields.Add(cbxTimeRange = NewPageCheckBox(p, "cbxTimeRange", "Time Range"), edtTimeRange = NewPageEdit(p, "edtTimeRange"));
    fields.Add(QStringLiteral("Owner"), RuleOwnerComboBox = NewPageCombo(p, "RuleOwnerComboBox"));
    fields.Add(cbxPermit = NewPageCheckBox(p, "cbxPermit", "Permit"), PermitComboBox = NewPageCombo(p, "PermitComboBox"));
    fields.Add(cbxEnablePriority = NewPageCheckBox(p, "cbxEnablePriority", "Enable Priority"), EnablePriorityComboBox = NewPageCombo(p, "EnablePriorityComboBox"));
    fields.Add(cbxPriority = NewPageCheckBox(p, "cbxPriority", "Priority"), PriorityEdit = NewPageEdit(p, "PriorityEdit"));
    fields.Add(cbxReplacePriority = NewPageCheckBox(p, "cbxReplacePriority", "Replace Priority"), ReplacePriorityComboBox = NewPageCombo(p, "ReplacePriorityComboBox"));
    fields.Add(cbxEnableReplaceDscp = NewPageCheckBox(p, "cbxEnableReplaceDscp", "Replace DSCP State"), EnableReplComboBox = NewPageCombo(p, "EnableReplComboBox"));
    fields.Add(cbxValue = NewPageCheckBox(p, "cbxValue", "Replace DSCP Value"), ReplaceDSCPEdit = NewPageEdit(p, "ReplaceDSCPEdit"));
    fields.Add(cbxRxRate = NewPageCheckBox(p, "cbxRxRate", "RX Rate"), RxRateEdit = NewPageEdit(p, "RxRateEdit"));
    fields.Add(MirrorIDCheckBox = NewPageCheckBox(p, "MirrorIDCheckBox", "Mirror Group ID"), MirrorIDEdit = NewPageEdit(p, "MirrorIDEdit"));
    RowComboBox = NewPageCombo(p, "RowComboBox");
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
