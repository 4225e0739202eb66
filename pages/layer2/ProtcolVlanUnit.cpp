#include "ProtcolVlanUnit.h"

#include "KyControlEvents.h"
#include "Oid_protocolvlan.h"
#include "PageKit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { VlanId, VlanName, Protocol, Advert, UserDefined, EncapType, Status };
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;
const QString UserDefinedType = QStringLiteral("protocol-userDefined");

}  // namespace

TProtocolVlanForm::TProtocolVlanForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 661, .Height = 359, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Protocol VLAN"));
    BuildLayout();
    FormCreate();
}

void TProtocolVlanForm::BuildLayout() {
    const TListOverPanel body = BuildListOverPanel(Client, "ListView1", false);
    auto* columns = body.Columns;
    ListView1 = body.List;
    QWidget* panel4 = body.Lower;
    auto* inputs = new QGridLayout();
    body.LowerLayout->addLayout(inputs);
    Index = NewPageEdit(panel4, "Index");
    Name = NewPageEdit(panel4, "Name");
    ProtocolType = NewPageCombo(panel4, "ProtocolType");
    Advertisement = NewPageCombo(panel4, "Advertisement");
    UserProtocol = NewPageEdit(panel4, "UserProtocol");
    Encap = NewPageCombo(panel4, "Encap");
    RowStatus = NewPageCombo(panel4, "RowStatus");
    AddCaptionedRow(inputs, 0, {{QStringLiteral("VLAN ID"), Index},
                                {QStringLiteral("Name"), Name},
                                {QStringLiteral("Protocol Type"), ProtocolType},
                                {QStringLiteral("Advertisement"), Advertisement}});
    AddCaptionedRow(inputs, 2, {{QStringLiteral("User Defined Protocol"), UserProtocol},
                                {QStringLiteral("Encap Type"), Encap},
                                {QStringLiteral("Row Status"), RowStatus}});

    RefreshButton = NewPageButton(Client, "Get", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "Add", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "Delete", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    AddButtonColumn(columns, {RefreshButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TProtocolVlanForm::GetClick);
    connect(AddButton, &QPushButton::clicked, this, &TProtocolVlanForm::AddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TProtocolVlanForm::DeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TProtocolVlanForm::CloseClick);
    connect(ProtocolType, &QComboBox::currentTextChanged, this, &TProtocolVlanForm::ProtocolTypeChange);
}

void TProtocolVlanForm::FormCreate() {
    KeyEdits = {Index};
    WatchList(ListView1);
    ProtocolVlanRequest = CreateBinder({.Table = ProtocolVlanVars,
                                        .ItemType = MVT_UMV,
                                        .KeyCount = 1,
                                        .Async = false,
                                        .Main = true,
                                        .List = ListView1,
                                        .Bind = [&](KySNMPRequest2Edits& binder) {
                                            binder.BindEdits(VlanId, "%i{n1x4094l4}", {Index});
                                            binder.BindEdits(VlanName, "%s{l32}", {Name});
                                            binder.BindComboBox(Protocol, ProtocolType);
                                            binder.BindComboBox(Advert, Advertisement);
                                            binder.BindEdits(UserDefined, "%u{n0x65535l5}", {UserProtocol});
                                            binder.BindComboBox(EncapType, Encap);
                                            binder.BindComboBox(Status, RowStatus);
                                        }});
    // After the binder has copied the row in and enabled its controls.
    KyControlEvents::onSelectItem(ListView1, this, [this](QTreeWidgetItem*, bool) { ProtocolTypeChange(); });
    IdleState();
}

void TProtocolVlanForm::ResetInputs() {
    Index->clear();
    Name->clear();
    UserProtocol->clear();
}

void TProtocolVlanForm::ProtocolTypeChange() {
    const bool userDefined = ProtocolType->currentText() == UserDefinedType;
    UserProtocol->setEnabled(userDefined);
    Encap->setEnabled(userDefined);
}

void TProtocolVlanForm::IdleState() {
    ShowRowSelected(false);
    ProtocolTypeChange();
}

void TProtocolVlanForm::GetClick() {
    try {
        ProtocolVlanRequest->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
    IdleState();
}

bool TProtocolVlanForm::AddChecksPass() {
    const auto refuse = [this](const char* text, QWidget* focus) {
        ShowMessage(QString::fromLatin1(text));
        if (focus->isEnabled()) focus->setFocus();
        return false;
    };
    if (Index->text().isEmpty()) return refuse("Index must be set.", Index);
    if (Name->text().isEmpty()) return refuse("VLAN name must be set", Name);
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        if (ListView1->topLevelItem(i)->text(0) == Index->text())
            return refuse("There is already a record with the same Index. Please modified it.", Index);
    if (RowStatus->currentIndex() != CreateAndGoItem) return refuse("Row State must be createAndGo.", RowStatus);
    return true;
}

void TProtocolVlanForm::AddClick() {
    if (!ProtocolVlanRequest || !AddChecksPass()) return;
    std::vector<int> excluded;
    const QString type = ProtocolType->currentText();
    const bool userDefined = type == UserDefinedType;
    if (type.isEmpty() || type == "0") excluded.push_back(Protocol);
    if (Advertisement->currentText().isEmpty()) excluded.push_back(Advert);
    if (!userDefined || UserProtocol->text().isEmpty()) excluded.push_back(UserDefined);
    if (!userDefined || Encap->currentText().isEmpty() || Encap->currentText() == "0") excluded.push_back(EncapType);
    GuardedWrite([&] { return MaskedSet(excluded); });
    ProtocolTypeChange();
}

void TProtocolVlanForm::DeleteClick() {
    if (!ProtocolVlanRequest || !ListView1->currentItem()) return;
    GuardedWrite([&] { return MaskedSet(AllButKeysAnd(Status), Status, DestroyItem); });
    ProtocolTypeChange();
}
