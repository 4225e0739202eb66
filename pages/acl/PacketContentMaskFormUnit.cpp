#include "PacketContentMaskFormUnit.h"

#include "AclControls.h"
#include "AclRuleEditor.h"
#include "KyControlEvents.h"
#include "Oid_acl.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

// Chunk n (from 0) has its state, value and offset at 1 + 3n, 2 + 3n and 3 + 3n.
constexpr int ProfileId = 0, RowStatus = 13;
constexpr int StateColumn(int chunk) { return 1 + 3 * chunk; }
constexpr int EnabledItem = 0;
constexpr int DisabledItem = 1;
constexpr int CreateAndGoItem = 3;

}  // namespace

TPktContentMaskForm::TPktContentMaskForm(QWidget* owner)
    : TAclTablePage(owner, {.Width = 645, .Height = 459, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Packet Content Mask"));
    BuildLayout();
    FormCreate();
}

void TPktContentMaskForm::BuildLayout() {
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    TFieldGrid fields(frame.Left, 5);
    QWidget* p = Client;
    fields.Add(QStringLiteral("Profile ID"), edtProfileID = NewPageEdit(p, "edtProfileID"));
    for (int chunk = 0; chunk < 4; ++chunk) {
        const QString n = QString::number(chunk + 1);
        fields.Add("Chunk" + n + " State", cbxChunkState[chunk] = NewPageCombo(p, qPrintable("cbxChunk" + n + "State")));
        fields.Add("Chunk" + n + " Value", edtChunkValue[chunk] = NewPageEdit(p, qPrintable("edtChunk" + n + "Value")));
        fields.Add("Chunk" + n + " Offset", edtChunkOffset[chunk] = NewPageEdit(p, qPrintable("edtChunk" + n + "Offset")));
    }
    fields.Add(QStringLiteral("Owner"), cbxOwner = NewPageCombo(p, "cbxOwner"));
    fields.Add(QStringLiteral("Unused Rule Entries"), EntiesEdit = NewPageEdit(p, "EntiesEdit"));
    cbxStatus = NewPageCombo(p, "cbxStatus");
    cbxStatus->hide();

    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "AddButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteButton", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, AddButton, DeleteButton, CloseButton});
    RowCounter->setObjectName(QStringLiteral("Static"));
    connect(RefreshButton, &QPushButton::clicked, this, &TPktContentMaskForm::GetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TPktContentMaskForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TPktContentMaskForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TPktContentMaskForm::CloseClick);
}

void TPktContentMaskForm::FormCreate() {
    Binder = CreateTableBinder(ListView1, PktContentMaskVars, {edtProfileID}, [&](KySNMPRequest2Edits& b) {
        b.BindEdits(ProfileId, "%i{n1x14l2}", {edtProfileID});
        for (int chunk = 0; chunk < 4; ++chunk) {
            b.BindComboBox(StateColumn(chunk), cbxChunkState[chunk]);
            b.BindEdits(StateColumn(chunk) + 1, "%i{n0x31l2}", {edtChunkValue[chunk]});
            b.BindEdits(StateColumn(chunk) + 2, "%s{l8}", {edtChunkOffset[chunk]});
        }
        b.BindComboBox(RowStatus, cbxStatus);
        b.BindComboBox(RowStatus + 1, cbxOwner);
        b.BindEdits(RowStatus + 2, "%i", {EntiesEdit});
    });
    // After the binder has shown a row and enabled every bound control: owner and entries only show.
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) {
        DisableControl(cbxOwner);
        DisableControl(EntiesEdit);
    });
    for (QComboBox* state : cbxChunkState) state->setCurrentIndex(DisabledItem);
    cbxOwner->setCurrentText(QStringLiteral("acl"));
    cbxStatus->setCurrentIndex(CreateAndGoItem);
    DisableControl(cbxOwner);
    DisableControl(EntiesEdit);
    ShowRowSelected(false);
}

void TPktContentMaskForm::ResetInputs() {
    edtProfileID->clear();
    for (int chunk = 0; chunk < 4; ++chunk) {
        edtChunkValue[chunk]->clear();
        edtChunkOffset[chunk]->clear();
    }
    EntiesEdit->clear();
}

void TPktContentMaskForm::GetButtonClick() { RefreshClick(); }

bool TPktContentMaskForm::IsHexText(const QString& text) {
    return IsHexUpTo(text, 8);
}

bool TPktContentMaskForm::CheckInputs() {
    if (edtProfileID->text().isEmpty()) return Refuse(QStringLiteral("Profile ID must be set."), edtProfileID);
    for (int chunk = 0; chunk < 4; ++chunk) {
        if (cbxChunkState[chunk]->currentIndex() != EnabledItem) continue;
        const QString n = QString::number(chunk + 1);
        if (edtChunkValue[chunk]->text().isEmpty())
            return Refuse("Please specify Chunk" + n + " Value!", edtChunkValue[chunk]);
        if (edtChunkOffset[chunk]->text().isEmpty())
            return Refuse("Please specify Chunk" + n + " Offset!", edtChunkOffset[chunk]);
        if (!IsHexText(edtChunkOffset[chunk]->text())) return Refuse("Chunk" + n + " Offset error!", edtChunkOffset[chunk]);
    }
    if (std::all_of(cbxChunkState.begin(), cbxChunkState.end(),
                    [](const QComboBox* state) { return state->currentIndex() == DisabledItem; }))
        return Refuse(QStringLiteral("Please specify at least one Chunk!"), nullptr);
    return true;
}

std::vector<int> TPktContentMaskForm::DisabledChunkColumns() const {
    std::vector<int> excluded;
    for (int chunk = 0; chunk < 4; ++chunk)
        if (cbxChunkState[chunk]->currentIndex() == DisabledItem)
            excluded.insert(excluded.end(), {StateColumn(chunk) + 1, StateColumn(chunk) + 2});
    return excluded;
}

void TPktContentMaskForm::AddButtonClick() {
    if (!MayWrite() || !CheckInputs()) return;
    AddRow(DisabledChunkColumns(), RowStatus);
}

void TPktContentMaskForm::DeleteButtonClick() { DeleteRow(RowStatus); }
