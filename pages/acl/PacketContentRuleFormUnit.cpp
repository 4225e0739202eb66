#include "PacketContentRuleFormUnit.h"

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
    ProfileId, AccessId, Chunk1Value, Chunk1, Chunk2Value, Chunk2, Chunk3Value, Chunk3, Chunk4Value, Chunk4,
    EnablePriority, Priority, ReplacePriority, Permit, Ports, RowStatus, Owner, RxRate, TimeRange, MirrorGroup,
    EnableReplaceDscp, ReplaceDscp
};
constexpr int CreateAndGoItem = 3;

QString CheckChunkData(const QString& text) { return IsHexOfLength(text, 8) ? QString() : QStringLiteral("Invalid Offset"); }

}  // namespace

TPktContentRuleForm::TPktContentRuleForm(QWidget* owner)
    : TAclRulePage(owner, {.Width = 760, .Height = 680, .Report = TPageReport::BarePanel}, RowStatus) {
    setWindowTitle(QStringLiteral("Packet Content Rule"));
    BuildLayout();
    FormCreate();
}

void TPktContentRuleForm::BuildLayout() {
    TFieldGrid fields = BuildListAndEditor(ListView1, 160, 10);
    QWidget* p = fields.Parent();
    fields.Add(QStringLiteral("Profile ID"), edtProfile = NewPageEdit(p, "edtProfile"));
    fields.Add(QStringLiteral("Access ID"), edtAccess = NewPageEdit(p, "edtAccess"));
    const char* const offsetCaptions[] = {"Chunk1 Offset", " Chunk2 Offset", "Chunk3 Offset", "Chunk4 Offset"};
    for (std::size_t i = 0; i < ChunkOffsets.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        fields.Add(QStringLiteral("Chunk%1 Value").arg(i + 1),
                   ChunkValues[i] = NewPageEdit(p, ("edtChunk" + n + "Value").c_str()));
        fields.Add(ChunkBoxes[i] = NewPageCheckBox(p, ("cbxChunk" + n + "Offset").c_str(), QString::fromUtf8(offsetCaptions[i])),
                   ChunkOffsets[i] = NewPageEdit(p, ("edtChunk" + n + "Offset").c_str()));
    }
    fields.Add(cbxPermit = NewPageCheckBox(p, "cbxPermit", "Permit"), PermitComboBox = NewPageCombo(p, "PermitComboBox"));
    fields.Add(cbxEnablePriority = NewPageCheckBox(p, "cbxEnablePriority", "Enable Priority"),
               PriorityComboBox = NewPageCombo(p, "PriorityComboBox"));
    fields.Add(cbxPriority = NewPageCheckBox(p, "cbxPriority", "Priority"), PriorityEdit = NewPageEdit(p, "PriorityEdit"));
    fields.Add(cbxReplacePriority = NewPageCheckBox(p, "cbxReplacePriority", "Replace Priority"),
               ReplaceComboBox = NewPageCombo(p, "ReplaceComboBox"));
    fields.Add(cbxEnableReplaceDscp = NewPageCheckBox(p, "cbxEnableReplaceDscp", "Replace DSCP State"),
               EnableReplComboBox = NewPageCombo(p, "EnableReplComboBox"));
    fields.Add(cbxValue = NewPageCheckBox(p, "cbxValue", "Replace DSCP Value"), ReplaceDSCPEdit = NewPageEdit(p, "ReplaceDSCPEdit"));
    fields.Add(cbxRxRate = NewPageCheckBox(p, "cbxRxRate", "RX Rate"), RxRateEdit = NewPageEdit(p, "RxRateEdit"));
    fields.Add(MirrorIDCheckBox = NewPageCheckBox(p, "MirrorIDCheckBox", "Mirror Group ID"), MirrorIDEdit = NewPageEdit(p, "MirrorIDEdit"));
    fields.Add(cbxTimeRange = NewPageCheckBox(p, "cbxTimeRange", "Time Range"), edtTimeRange = NewPageEdit(p, "edtTimeRange"));
    fields.Add(QStringLiteral("Owner"), OwnerComboBox = NewPageCombo(p, "OwnerComboBox"));
    RowComboBox = NewPageCombo(p, "RowComboBox");
    RowComboBox->hide();

    PageControl1 = AddPageControl("PageControl1");
    AddButtonColumn(CheckButton, "CheckButton", UncheckButton, "UncheckButton");
    connect(CheckButton, &QPushButton::clicked, this, &TPktContentRuleForm::CheckButtonClick);
    connect(UncheckButton, &QPushButton::clicked, this, &TPktContentRuleForm::UncheckButtonClick);

    using F = TAclRuleEditor::Field;
    std::vector<F> optional;
    const int chunkColumns[] = {Chunk1, Chunk2, Chunk3, Chunk4};
    for (std::size_t i = 0; i < ChunkOffsets.size(); ++i)
        optional.push_back(F{.Box = ChunkBoxes[i], .Control = ChunkOffsets[i], .Position = chunkColumns[i], .Check = CheckChunkData});
    // The mirror group and the replaced DSCP are held to their ranges by their edits alone.
    optional.insert(optional.end(), {
        F{cbxEnablePriority, PriorityComboBox, EnablePriority, true},
        F{cbxPriority, PriorityEdit, Priority, true},
        F{cbxReplacePriority, ReplaceComboBox, ReplacePriority, true},
        F{cbxPermit, PermitComboBox, Permit},
        F{cbxRxRate, RxRateEdit, RxRate, true, true, CheckRxRate},
        F{cbxTimeRange, edtTimeRange, TimeRange},
        F{MirrorIDCheckBox, MirrorIDEdit, MirrorGroup, true, false},
        F{cbxEnableReplaceDscp, EnableReplComboBox, EnableReplaceDscp, true, false},
        F{cbxValue, ReplaceDSCPEdit, ReplaceDscp, true, false},
    });
    CreateEditor(
        TAclRuleEditor::Controls{PermitComboBox, cbxPermit, PriorityComboBox, cbxEnablePriority, PriorityEdit, cbxPriority,
                                 ReplaceComboBox, cbxReplacePriority, EnableReplComboBox, cbxEnableReplaceDscp,
                                 ReplaceDSCPEdit, cbxValue, RxRateEdit, cbxRxRate, MirrorIDEdit, MirrorIDCheckBox},
        std::move(optional), QStringLiteral("Some checked field is empty"), false);
}

void TPktContentRuleForm::FormCreate() {
    const std::string ports = PortNumberList();
    PortSelector = AddPortSelector(PageControl1, QStringLiteral("Ports"));
    Binder = CreateTableBinder(ListView1, PktContentRuleVars, {edtProfile, edtAccess}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(ProfileId, "%i{n1x14}", {edtProfile});
        b.BindEdits(AccessId, "%i{n1x128}", {edtAccess});
        for (std::size_t i = 0; i < ChunkOffsets.size(); ++i) {
            b.BindEdits(Chunk1Value + 2 * int(i), "%i", {ChunkValues[i]});
            b.BindEdits(Chunk1 + 2 * int(i), "%s{l8}", {ChunkOffsets[i]});
        }
        b.BindComboBox(EnablePriority, PriorityComboBox);
        b.BindEdits(Priority, "%i{n0x7l1}", {PriorityEdit});
        b.BindComboBox(ReplacePriority, ReplaceComboBox);
        b.BindComboBox(Permit, PermitComboBox);
        BindPortList(b, Ports, ports, PortSelector);
        b.BindComboBox(RowStatus, RowComboBox);
        b.BindComboBox(Owner, OwnerComboBox);
        b.BindEdits(RxRate, "%i{n0x156249}", {RxRateEdit});
        b.BindEdits(TimeRange, "%s", {edtTimeRange});
        b.BindEdits(MirrorGroup, "%i{n1x4l1}", {MirrorIDEdit});
        b.BindComboBox(EnableReplaceDscp, EnableReplComboBox);
        b.BindEdits(ReplaceDscp, "%i{n0x63l2}", {ReplaceDSCPEdit});
    });
    // The binder enables every bound control of a selected row: the chunk numbers and the owner stay
    // read-only and the row's action decides the rest.
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) {
        for (QLineEdit* value : ChunkValues) DisableControl(value);
        DisableControl(OwnerComboBox);
        PermitComboBoxChange();
    });
    for (QComboBox* combo : {PriorityComboBox, ReplaceComboBox, EnableReplComboBox}) combo->setCurrentText("disabled");
    PermitComboBox->setCurrentText("permit");
    OwnerComboBox->setCurrentText("acl");
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    for (QLineEdit* value : ChunkValues) DisableControl(value);
    DisableControl(OwnerComboBox);
    PermitComboBoxChange();
    ShowRowSelected(false);
}

void TPktContentRuleForm::ResetInputs() {
    for (QLineEdit* edit : {edtProfile, edtAccess, PriorityEdit, RxRateEdit, edtTimeRange}) edit->clear();
    for (std::size_t i = 0; i < ChunkOffsets.size(); ++i) {
        ChunkValues[i]->clear();
        ChunkOffsets[i]->clear();
        ChunkBoxes[i]->setChecked(false);
    }
    for (QCheckBox* box : {cbxEnablePriority, cbxPermit, cbxRxRate, cbxTimeRange}) box->setChecked(false);
    for (QCheckBox* box : {cbxPriority, cbxReplacePriority})
        if (box->isEnabled()) box->setChecked(false);
    if (PortSelector) PortSelector->UncheckAll();
}

void TPktContentRuleForm::CheckButtonClick() { Editor->CheckAll(); }

void TPktContentRuleForm::UncheckButtonClick() {
    for (const TAclRuleEditor::Field& field : Editor->Fields()) {
        if ((field.Box == cbxPriority || field.Box == cbxReplacePriority) && !field.Box->isEnabled()) continue;
        field.Box->setChecked(false);
    }
}

bool TPktContentRuleForm::CheckInputs() {
    return CheckKeys(QStringLiteral("IP Rule ID must be set."), QStringLiteral("IP Rule Access ID must be set.")) &&
           CheckFieldsAndPorts(*PortSelector);
}

std::vector<int> TPktContentRuleForm::FieldSelection() const {
    // Exclusion follows the ticks alone: a field the action greyed out still travels when ticked.
    return Editor->Selection(false, ListView1->currentItem(), EnablePriority);
}

void TPktContentRuleForm::AddButtonClick() {
    // A ticked time range travels with the new rule as with an Edit.
    if (CheckInputs())
        AddRule(QStringLiteral("Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."),
                FieldSelection());
}

void TPktContentRuleForm::EditButtonClick() {
    if (ListView1->currentItem() && CheckInputs()) EditRule(FieldSelection(), RowComboBox);
}
