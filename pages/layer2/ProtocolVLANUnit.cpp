#include "ProtocolVLANUnit.h"

#include "Oid_device.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {

enum Column { FrameType, ProtocolValue, GroupId, Status };
constexpr int CreateAndGoItem = 1;
constexpr int DestroyItem = 2;

// An Ethernet II type is two octets, a SNAP value five.
bool IsProtocolValue(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^([0-9A-Fa-f]{4}|[0-9A-Fa-f]{10})$"));
    return hex.match(text).hasMatch();
}

}  // namespace

TProtocolVLANGroupForm::TProtocolVLANGroupForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 635, .Height = 365, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Protocol VLAN Group"));
    BuildLayout();
    FormCreate();
}

void TProtocolVLANGroupForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "ListView1", false);
    auto* columns = body.Columns;
    ListView1 = body.List;
    QWidget* panel3 = body.Lower;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    TypeComboBox = NewPageCombo(panel3, "TypeComboBox");
    ValueEdit = NewPageEdit(panel3, "ValueEdit");
    IDEdit = NewPageEdit(panel3, "IDEdit");
    RowComboBox = NewPageCombo(panel3, "RowComboBox");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("Template Frame Type"), TypeComboBox},
                                {QStringLiteral("Template Protocol Value"), ValueEdit},
                                {QStringLiteral("Group ID"), IDEdit},
                                {QStringLiteral("Group Row Status"), RowComboBox}});

    RowCounter = NewRowCounter(Client, "Static");
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "AddButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteButton", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RowCounter, RefreshButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TProtocolVLANGroupForm::GetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TProtocolVLANGroupForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TProtocolVLANGroupForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TProtocolVLANGroupForm::CloseClick);
}

void TProtocolVLANGroupForm::FormCreate() {
    // The group ID of a shown group cannot change either: groups are only added and deleted.
    KeyEdits = {TypeComboBox, ValueEdit, IDEdit};
    WatchList(ListView1);
    GroupRequest = CreateBinder({.Table = Dot1vProtocolGroupVars,
                                 .ItemType = MVT_UMV,
                                 .KeyCount = 2,
                                 .Async = false,
                                 .Main = true,
                                 .List = ListView1,
                                 .Bind = [&](KySNMPRequest2Edits& binder) {
                                     binder.BindComboBox(FrameType, TypeComboBox);
                                     binder.BindEdits(ProtocolValue, "%s{l10}", {ValueEdit});
                                     binder.BindEdits(GroupId, "%i{n1x16l2}", {IDEdit});
                                     binder.BindComboBox(Status, RowComboBox);
                                 }});
    ShowRowSelected(false);
}

void TProtocolVLANGroupForm::ResetInputs() {
    TypeComboBox->setCurrentIndex(-1);
    ValueEdit->clear();
    IDEdit->clear();
    RowComboBox->setCurrentIndex(CreateAndGoItem);
    RowComboBox->setEnabled(true);
}

void TProtocolVLANGroupForm::GetButtonClick() {
    try {
        GroupRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
    ShowRowSelected(false);
}

bool TProtocolVLANGroupForm::AddChecksPass() {
    const auto refuse = [this](const char* text, QWidget* focus) {
        ShowMessage(QString::fromLatin1(text));
        if (focus->isEnabled()) focus->setFocus();
        return false;
    };
    if (TypeComboBox->currentText().isEmpty()) return refuse("Template Frame Type must be set.", TypeComboBox);
    if (ValueEdit->text().isEmpty()) return refuse("Template Protocol Value must be set.", ValueEdit);
    if (!IsProtocolValue(ValueEdit->text()))
        return refuse("Template Protocol Value must be 4 or 10 hex digits.", ValueEdit);
    if (IDEdit->text().isEmpty()) return refuse("Group ID must be set.", IDEdit);
    if (RowComboBox->currentIndex() != CreateAndGoItem) return refuse("Group Row Status must be createAndGo.", RowComboBox);
    return true;
}

void TProtocolVLANGroupForm::AddButtonClick() {
    if (!GroupRequest || !AddChecksPass()) return;
    GuardedWrite([&] { return MaskedSet({}); });
}

void TProtocolVLANGroupForm::DeleteButtonClick() {
    if (!GroupRequest || !ListView1->currentItem()) return;
    GuardedWrite([&] { return MaskedSet({GroupId}, Status, DestroyItem); });
}
