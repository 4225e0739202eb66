#include "UserDefinedRuleUnit.h"

#include "AclControls.h"
#include "KyControlEvents.h"
#include "Oid_acl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column {
    ProfileId, AccessId, FirstGroup, EnablePriority = 7, Priority, ReplacePriority, EnableReplaceDscp, ReplaceDscp,
    Permit, RowStatus
};
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;
const char* const GroupCaptions[] = {"Packet(s) Offset [0 to 15]", "Packet(s) Offset [16 to 31]",
                                     "Packet(s) Offset [32 to 47]", "Packet(s) Offset [48 to 63]",
                                     "Packet(s) Offset [64 to 79]"};

}  // namespace

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget* owner)
    : TAclRulePage(owner, {.Width = 720, .Height = 560, .Report = TPageReport::BarePanel}, RowStatus) {
    setWindowTitle(QStringLiteral("User Defined Information Rule"));
    BuildLayout();
    FormCreate();
}

void TUserDefinedInformationRuleForm::BuildLayout() {
    TFieldGrid fields = BuildListAndEditor(ListView1, 140, 7);
    QWidget* p = fields.Parent();
    fields.Add(QStringLiteral("Profile ID"), ProfileIDEdit = NewPageEdit(p, "ProfileIDEdit"));
    fields.Add(QStringLiteral("Access ID"), AccessIDEdit = NewPageEdit(p, "AccessIDEdit"));
    const char* const boxNames[] = {"cbxGroupFirst", "cbxGroupSecond", "cbxGroupThird", "cbxGroupForth", "cbxGroupFifth"};
    const char* const editNames[] = {"OffsetGroupFirstEdit", "OffsetGroupSecondEdit", "OffsetGroupThirdEdit",
                                     "OffsetGroupForthEdit", "OffsetGroupFifthEdit"};
    for (std::size_t i = 0; i < Groups.size(); ++i) {
        fields.Add(GroupBoxes[i] = NewPageCheckBox(p, boxNames[i], QString::fromUtf8(GroupCaptions[i])),
                   Groups[i] = NewPageEdit(p, editNames[i]));
        Groups[i]->setMinimumWidth(250);
    }
    fields.Add(cbxEnablePriority = NewPageCheckBox(p, "cbxEnablePriority", "Enable Priority"),
               EnablePriComboBox = NewPageCombo(p, "EnablePriComboBox"));
    fields.Add(cbxPriority = NewPageCheckBox(p, "cbxPriority", "Priority"), PriorityEdit = NewPageEdit(p, "PriorityEdit"));
    fields.Add(cbxReplace = NewPageCheckBox(p, "cbxReplace", "Replace Priority"), ReplPriyComboBox = NewPageCombo(p, "ReplPriyComboBox"));
    fields.Add(cbxEnableReplace = NewPageCheckBox(p, "cbxEnableReplace", "Enable Replace DSCP"),
               EnableReplComboBox = NewPageCombo(p, "EnableReplComboBox"));
    fields.Add(cbxReplaceDscp = NewPageCheckBox(p, "cbxReplaceDscp", "Replace DSCP"), ReplDSCPEdit = NewPageEdit(p, "ReplDSCPEdit"));
    fields.Add(cbxPermit = NewPageCheckBox(p, "cbxPermit", "Permit"), PermitComboBox = NewPageCombo(p, "PermitComboBox"));
    fields.Add(cbxRow = NewPageCheckBox(p, "cbxRow", "Row Status"), RowComboBox = NewPageCombo(p, "RowComboBox"));
    AddButtonColumn(CheckButton, "CheckButton", UncheckButton, "UncheckButton");
    connect(CheckButton, &QPushButton::clicked, this, &TUserDefinedInformationRuleForm::CheckButtonClick);
    connect(UncheckButton, &QPushButton::clicked, this, &TUserDefinedInformationRuleForm::UncheckButtonClick);

    using F = TAclRuleEditor::Field;
    std::vector<F> optional;
    for (std::size_t i = 0; i < Groups.size(); ++i) {
        const QString invalid = QString::fromUtf8(GroupCaptions[i]) + " can not contain invalid character(s).";
        optional.push_back(F{.Box = GroupBoxes[i], .Control = Groups[i], .Position = FirstGroup + int(i),
                             .MustNotBeEmpty = false,
                             .Check = [invalid](const QString& text) { return IsHexUpTo(text, 32) ? QString() : invalid; }});
    }
    // Only the groups are checked; a deny rule leaves the priority and DSCP fields out.
    optional.insert(optional.end(), {
        F{cbxEnablePriority, EnablePriComboBox, EnablePriority, true, false},
        F{cbxPriority, PriorityEdit, Priority, true, false},
        F{cbxReplace, ReplPriyComboBox, ReplacePriority, true, false},
        F{cbxEnableReplace, EnableReplComboBox, EnableReplaceDscp, true, false},
        F{cbxReplaceDscp, ReplDSCPEdit, ReplaceDscp, true, false},
        F{cbxPermit, PermitComboBox, Permit, false, false},
    });
    CreateEditor(
        TAclRuleEditor::Controls{.Permit = PermitComboBox,
                                 .PermitBox = cbxPermit,
                                 .EnablePriority = EnablePriComboBox,
                                 .EnablePriorityBox = cbxEnablePriority,
                                 .Priority = PriorityEdit,
                                 .PriorityBox = cbxPriority,
                                 .ReplacePriority = ReplPriyComboBox,
                                 .ReplacePriorityBox = cbxReplace,
                                 .EnableReplaceDscp = EnableReplComboBox,
                                 .EnableReplaceDscpBox = cbxEnableReplace,
                                 .DscpValue = ReplDSCPEdit,
                                 .DscpValueBox = cbxReplaceDscp,
                                 .CombosEnable = false},
        std::move(optional), QString(), false);
}

void TUserDefinedInformationRuleForm::FormCreate() {
    Binder = CreateTableBinder(ListView1, UserDefinedInformationRuleVars, {ProfileIDEdit, AccessIDEdit}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(ProfileId, "%i{n1x255}", {ProfileIDEdit});
        b.BindEdits(AccessId, "%i{n1x255}", {AccessIDEdit});
        for (std::size_t i = 0; i < Groups.size(); ++i)
            b.BindEdits(FirstGroup + int(i), "%s{l32}", {Groups[i]});
        b.BindComboBox(EnablePriority, EnablePriComboBox);
        b.BindEdits(Priority, "%i{n0x7l1}", {PriorityEdit});
        b.BindComboBox(ReplacePriority, ReplPriyComboBox);
        b.BindComboBox(EnableReplaceDscp, EnableReplComboBox);
        b.BindEdits(ReplaceDscp, "%i{n0x63l2}", {ReplDSCPEdit});
        b.BindComboBox(Permit, PermitComboBox);
        b.BindComboBox(RowStatus, RowComboBox);
    });
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool selected) {
        if (selected) {
            PermitComboBoxChange();
            return;
        }
        // Without a row every field is open again, whatever the action last shown.
        for (const TAclRuleEditor::Field& field : Editor->Fields()) {
            field.Box->setEnabled(true);
            EnableControl(field.Control);
        }
    });
    for (QComboBox* combo : {EnablePriComboBox, ReplPriyComboBox, EnableReplComboBox, PermitComboBox})
        combo->setCurrentIndex(-1);
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    ShowRowSelected(false);
}

void TUserDefinedInformationRuleForm::ResetInputs() {
    for (QLineEdit* edit : {ProfileIDEdit, AccessIDEdit, PriorityEdit, ReplDSCPEdit}) edit->clear();
    for (QLineEdit* group : Groups) group->clear();
    UncheckButtonClick();
}

void TUserDefinedInformationRuleForm::CheckButtonClick() {
    for (const TAclRuleEditor::Field& field : Editor->Fields()) field.Box->setChecked(true);
    cbxRow->setChecked(true);
}

void TUserDefinedInformationRuleForm::UncheckButtonClick() {
    for (const TAclRuleEditor::Field& field : Editor->Fields()) field.Box->setChecked(false);
    cbxRow->setChecked(false);
}

bool TUserDefinedInformationRuleForm::CheckIDs() {
    if (ProfileIDEdit->text().isEmpty()) ShowMessage(QStringLiteral("Profile ID must be set."));
    else if (AccessIDEdit->text().isEmpty()) ShowMessage(QStringLiteral("Access ID must be set."));
    else return true;
    return false;
}

bool TUserDefinedInformationRuleForm::CheckGroups() {
    int used = 0;
    for (std::size_t i = 0; i < Groups.size(); ++i)
        if (GroupBoxes[i]->isChecked() && IsUsedOffsetGroup(Groups[i]->text())) ++used;
    QString text;
    QWidget* control = Groups[0];
    if (used > 2) {
        text = QStringLiteral("Packet(s) Offset can not over two groups.");
    } else {
        const auto failure = Editor->Validate();
        text = failure.Text;
        control = failure.Control;
    }
    return text.isEmpty() || Refuse(text, control);
}

void TUserDefinedInformationRuleForm::AddButtonClick() {
    if (!CheckIDs()) return;
    if (FindAclRow(ListView1, {ProfileIDEdit->text(), AccessIDEdit->text()})) {
        Refuse(QStringLiteral("There is already a record with the same Profile ID and Access ID. Please modified eithor of them."),
               ProfileIDEdit);
        return;
    }
    if (cbxRow->isChecked() && RowComboBox->currentIndex() != CreateAndGoItem) {
        Refuse(QStringLiteral("Row State must be createAndGo."), RowComboBox);
        return;
    }
    if (!CheckGroups()) return;
    // A new rule is always created, whatever an unticked status combo was left showing.
    WriteRule(Editor->Exclusions(true), CreateAndGoItem);
}

void TUserDefinedInformationRuleForm::EditButtonClick() {
    if (!ListView1->currentItem() || !CheckIDs()) return;
    // The status combo is in view: its "destroy" under a ticked box is the user's delete.
    if (cbxRow->isChecked() && RowComboBox->currentIndex() == DestroyItem) return DeleteButtonClick();
    if (!CheckGroups()) return;
    std::vector<int> excluded = Editor->Exclusions(true);
    if (!cbxRow->isChecked()) excluded.push_back(RowStatus);
    // The status travels as the combo shows it.
    WriteRule(excluded, -1);
}
