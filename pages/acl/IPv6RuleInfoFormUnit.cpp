#include "IPv6RuleInfoFormUnit.h"

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
    ProfileId, AccessId, Class, Flowlabel, SourceIpv6, DestIpv6, EnablePriority, Priority, ReplacePriority, Permit, Ports,
    RxRate, RowStatus, TimeRange, Owner, Protocol, SourcePort, DestPort, MirrorGroup
};
constexpr int CreateAndGoItem = 3;

QString CheckFlowLabel(const QString& text) {
    if (text.size() > 8) return QStringLiteral("The length of this value should be eight.");
    return IsHexOfLength(text, 8) ? QString() : QStringLiteral("Invalid data!");
}

QString CheckIPv6Address(const QString& text) {
    return IsHexOfLength(text, 32) ? QString() : QStringLiteral("Invalid Ipv6 Address value");
}

}  // namespace

TIpv6RuleForm::TIpv6RuleForm(QWidget* owner)
    : TAclRulePage(owner, {.Width = 826, .Height = 700, .Report = TPageReport::BarePanel}, RowStatus) {
    setWindowTitle(QStringLiteral("IPv6 Rule"));
    BuildLayout();
    FormCreate();
}

void TIpv6RuleForm::BuildLayout() {
    TFieldGrid fields = BuildListAndEditor(ListView1, 160, 7);
    QWidget* p = fields.Parent();
    fields.Add(QStringLiteral("Profile ID"), edtRuleID = NewPageEdit(p, "edtRuleID"));
    fields.Add(QStringLiteral("Access ID"), edtRuleAccessID = NewPageEdit(p, "edtRuleAccessID"));
    fields.Add(cbxRuleClass = NewPageCheckBox(p, "cbxRuleClass", "Class (0-255)"), edtRuleClass = NewPageEdit(p, "edtRuleClass"));
    fields.Add(cbxRuleFlowlabel = NewPageCheckBox(p, "cbxRuleFlowlabel", "Flowlabel (0-FFFFF)"),
               edtRuleFlowlabel = NewPageEdit(p, "edtRuleFlowlabel"));
    fields.Add(cbxRuleSrcIpv6addr = NewPageCheckBox(p, "cbxRuleSrcIpv6addr", "Source IPv6 Address"),
               edtRuleSrcIpv6addr = NewPageEdit(p, "edtRuleSrcIpv6addr"));
    fields.Add(cbxRuleDstIpv6addr = NewPageCheckBox(p, "cbxRuleDstIpv6addr", "Destination IPv6 Address"),
               edtRuleDstIpv6addr = NewPageEdit(p, "edtRuleDstIpv6addr"));
    fields.Add(cbxTimeRange = NewPageCheckBox(p, "cbxTimeRange", "Time Range"), edtTimeRange = NewPageEdit(p, "edtTimeRange"));
    fields.Add(ProtocolCheckBox = NewPageCheckBox(p, "ProtocolCheckBox", "Protocol"), cbxProtocol = NewPageCombo(p, "cbxProtocol"));
    fields.Add(SourcePortCheckBox = NewPageCheckBox(p, "SourcePortCheckBox", "Source Port"), edtSourcePort = NewPageEdit(p, "edtSourcePort"));
    fields.Add(DestinationPortCheckBox = NewPageCheckBox(p, "DestinationPortCheckBox", "Destination Port"),
               edtDestinationPort = NewPageEdit(p, "edtDestinationPort"));
    fields.Add(QStringLiteral("Owner"), OwnerComboBox = NewPageCombo(p, "OwnerComboBox"));
    fields.Add(cbxPermit = NewPageCheckBox(p, "cbxPermit", "Permit"), PermitComboBox = NewPageCombo(p, "PermitComboBox"));
    fields.Add(cbxEnablePriority = NewPageCheckBox(p, "cbxEnablePriority", "Enable Priority"),
               PriorityComboBox = NewPageCombo(p, "PriorityComboBox"));
    fields.Add(cbxPriority = NewPageCheckBox(p, "cbxPriority", "Priority"), PriorityEdit = NewPageEdit(p, "PriorityEdit"));
    fields.Add(cbxReplacePriority = NewPageCheckBox(p, "cbxReplacePriority", "Replace Priority"),
               ReplaceComboBox = NewPageCombo(p, "ReplaceComboBox"));
    fields.Add(cbxRxRate = NewPageCheckBox(p, "cbxRxRate", "RX Rate"), RxRateEdit = NewPageEdit(p, "RxRateEdit"));
    fields.Add(MirrorGroupIDCheckBox = NewPageCheckBox(p, "MirrorGroupIDCheckBox", "Mirror Group ID"),
               edtMirrorGroupID = NewPageEdit(p, "edtMirrorGroupID"));
    edtRuleSrcIpv6addr->setMinimumWidth(250);
    edtRuleDstIpv6addr->setMinimumWidth(250);
    // Always sent: the hidden combo only carries the status a write names.
    RowComboBox = NewPageCombo(p, "RowComboBox");
    RowComboBox->hide();

    pgc1 = AddPageControl("pgc1");
    AddButtonColumn(CheckButton, "CheckButton", UncheckButton, "UncheckButton");
    connect(CheckButton, &QPushButton::clicked, this, &TIpv6RuleForm::CheckButtonClick);
    connect(UncheckButton, &QPushButton::clicked, this, &TIpv6RuleForm::UncheckButtonClick);

    using F = TAclRuleEditor::Field;
    CreateEditor(
        TAclRuleEditor::Controls{.Permit = PermitComboBox,
                                 .PermitBox = cbxPermit,
                                 .EnablePriority = PriorityComboBox,
                                 .EnablePriorityBox = cbxEnablePriority,
                                 .Priority = PriorityEdit,
                                 .PriorityBox = cbxPriority,
                                 .ReplacePriority = ReplaceComboBox,
                                 .ReplacePriorityBox = cbxReplacePriority,
                                 .RxRate = RxRateEdit,
                                 .RxRateBox = cbxRxRate,
                                 .MirrorID = edtMirrorGroupID,
                                 .MirrorIDBox = MirrorGroupIDCheckBox},
        std::vector<F>{
            F{cbxRuleClass, edtRuleClass, Class},
            F{.Box = cbxRuleFlowlabel, .Control = edtRuleFlowlabel, .Position = Flowlabel, .MustNotBeEmpty = false,
              .Check = CheckFlowLabel},
            F{.Box = cbxRuleSrcIpv6addr, .Control = edtRuleSrcIpv6addr, .Position = SourceIpv6, .Check = CheckIPv6Address},
            F{.Box = cbxRuleDstIpv6addr, .Control = edtRuleDstIpv6addr, .Position = DestIpv6, .Check = CheckIPv6Address},
            F{cbxEnablePriority, PriorityComboBox, EnablePriority},
            F{cbxPriority, PriorityEdit, Priority},
            F{cbxReplacePriority, ReplaceComboBox, ReplacePriority},
            F{cbxPermit, PermitComboBox, Permit},
            F{.Box = cbxRxRate, .Control = RxRateEdit, .Position = RxRate, .Check = CheckRxRate},
            F{cbxTimeRange, edtTimeRange, TimeRange},
            F{ProtocolCheckBox, cbxProtocol, Protocol},
            F{MirrorGroupIDCheckBox, edtMirrorGroupID, MirrorGroup},
            F{SourcePortCheckBox, edtSourcePort, SourcePort},
            F{DestinationPortCheckBox, edtDestinationPort, DestPort},
        },
        QStringLiteral("Some checked field is empty"), false);
    connect(cbxProtocol, &QComboBox::activated, this, &TIpv6RuleForm::cbxProtocolChange);
}

void TIpv6RuleForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(pgc1, QStringLiteral("Ports"));
    Binder = CreateTableBinder(ListView1, Ipv6RuleVars, {edtRuleID, edtRuleAccessID}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(ProfileId, "%i{n1x14l2}", {edtRuleID});
        b.BindEdits(AccessId, "%i{n1x128}", {edtRuleAccessID});
        b.BindEdits(Class, "%i{n0x255}", {edtRuleClass});
        b.BindEdits(Flowlabel, "%h", {edtRuleFlowlabel});
        b.BindEdits(SourceIpv6, "%s{l32}", {edtRuleSrcIpv6addr});
        b.BindEdits(DestIpv6, "%s{l32}", {edtRuleDstIpv6addr});
        b.BindComboBox(EnablePriority, PriorityComboBox);
        b.BindEdits(Priority, "%i{n0x7}", {PriorityEdit});
        b.BindComboBox(ReplacePriority, ReplaceComboBox);
        b.BindComboBox(Permit, PermitComboBox);
        BindPortList(b, Ports, ports, PortSelector);
        b.BindEdits(RxRate, "%i{n0x156249}", {RxRateEdit});
        b.BindComboBox(RowStatus, RowComboBox);
        b.BindEdits(TimeRange, "%s", {edtTimeRange});
        b.BindComboBox(Owner, OwnerComboBox);
        b.BindComboBox(Protocol, cbxProtocol);
        b.BindEdits(SourcePort, "%i{n0x65535}", {edtSourcePort});
        b.BindEdits(DestPort, "%i{n0x65535}", {edtDestinationPort});
        b.BindEdits(MirrorGroup, "%i{n1x4}", {edtMirrorGroupID});
    });
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) {
        DisableControl(OwnerComboBox);
        PermitComboBoxChange();
    });
    PriorityComboBox->setCurrentText("disabled");
    ReplaceComboBox->setCurrentText("disabled");
    PermitComboBox->setCurrentText("permit");
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    cbxProtocol->setCurrentText("none");
    OwnerComboBox->setCurrentText("acl");
    DisableControl(OwnerComboBox);
    PermitComboBoxChange();
    ShowRowSelected(false);
}

void TIpv6RuleForm::ResetInputs() {
    for (QLineEdit* edit : {edtRuleID, edtRuleAccessID, edtRuleClass, edtRuleFlowlabel, edtRuleSrcIpv6addr,
                            edtRuleDstIpv6addr, PriorityEdit, RxRateEdit, edtTimeRange, edtSourcePort, edtDestinationPort,
                            edtMirrorGroupID})
        edit->clear();
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    if (PortSelector) PortSelector->UncheckAll();
    for (const TAclRuleEditor::Field& field : Editor->Fields()) {
        if ((field.Box == cbxPriority || field.Box == cbxReplacePriority) && !field.Box->isEnabled()) continue;
        field.Box->setChecked(false);
    }
}

void TIpv6RuleForm::PermitComboBoxChange() {
    Editor->PermitChange();
    cbxProtocolChange();
}

void TIpv6RuleForm::cbxProtocolChange() {
    const QString protocol = cbxProtocol->currentText();
    const bool ports = protocol == "tcp" || protocol == "udp";
    for (QCheckBox* box : {SourcePortCheckBox, DestinationPortCheckBox}) {
        box->setEnabled(ports);
        if (!ports) box->setChecked(false);
    }
    for (QLineEdit* edit : {edtSourcePort, edtDestinationPort}) {
        if (ports) EnableControl(edit);
        else DisableControl(edit);
    }
}

void TIpv6RuleForm::CheckButtonClick() {
    for (QCheckBox* box : {cbxRuleClass, cbxRuleFlowlabel, cbxRuleSrcIpv6addr, cbxRuleDstIpv6addr, cbxPermit, cbxTimeRange,
                           ProtocolCheckBox})
        box->setChecked(true);
    for (QCheckBox* box : {cbxPriority, cbxReplacePriority, SourcePortCheckBox, DestinationPortCheckBox,
                           MirrorGroupIDCheckBox, cbxEnablePriority})
        if (box->isEnabled()) box->setChecked(true);
}

void TIpv6RuleForm::UncheckButtonClick() {
    for (QCheckBox* box : {cbxRuleClass, cbxRuleFlowlabel, cbxRuleSrcIpv6addr, cbxRuleDstIpv6addr, cbxPermit, cbxTimeRange,
                           ProtocolCheckBox, SourcePortCheckBox, DestinationPortCheckBox, MirrorGroupIDCheckBox,
                           cbxEnablePriority})
        box->setChecked(false);
    for (QCheckBox* box : {cbxPriority, cbxReplacePriority})
        if (box->isEnabled()) box->setChecked(false);
}

bool TIpv6RuleForm::ValidateInputs() {
    if (!CheckKeys(QStringLiteral("Rule ID must be set."), QStringLiteral("Rule Access ID must be set."))) return false;
    if ((cbxRuleClass->isChecked() || cbxRuleFlowlabel->isChecked()) &&
        (cbxRuleSrcIpv6addr->isChecked() || cbxRuleDstIpv6addr->isChecked()))
        return Refuse(QStringLiteral("Can not set mutex data together"), nullptr);
    return CheckFieldsAndPorts(*PortSelector);
}

std::vector<int> TIpv6RuleForm::FieldSelection() const {
    // A disabled box still decides by its tick, as the user left it.
    return Editor->Selection(false, ListView1->currentItem(), EnablePriority);
}

void TIpv6RuleForm::AddButtonClick() {
    if (ValidateInputs())
        AddRule(QStringLiteral("Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them."),
                FieldSelection());
}

void TIpv6RuleForm::EditButtonClick() {
    if (ListView1->currentItem() && ValidateInputs()) EditRule(FieldSelection(), RowComboBox);
}
