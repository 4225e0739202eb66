#include "HostTableFormUnit.h"

#include "HostTableFormEditUnit.h"
#include "Oid_device.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { Index, Address, RowStatus, SubnetMask };
constexpr int DestroyItem = 2;

}  // namespace

THostTableForm::THostTableForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 500, .Height = 400, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Host Table"));
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    AddButton = NewPageButton(Client, "AddButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteButton", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, "CloseButton", QStringLiteral("Close"));
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, AddButton, DeleteButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &THostTableForm::GetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &THostTableForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &THostTableForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &THostTableForm::CloseClick);
    FormCreate();
}

void THostTableForm::FormCreate() {
    HostTableEditForm = CreateEditDialog<THostTableEditForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool selected) { DeleteButton->setEnabled(selected); }, false);
    THostTableEditForm* dialog = HostTableEditForm;
    Binder = CreateBinder({.Table = HostTableVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 1,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this, dialog](KySNMPRequest2Edits& binder) {
                               binder.OnGetDone = [this] {
                                   for (int c = 0; c < ListView1->columnCount(); ++c) ListView1->resizeColumnToContents(c);
                               };
                               binder.BindEdits(Index, "%i{n1x30l2}", {dialog->IndexEdit});
                               binder.BindEdits(Address, "%s{l16}", {dialog->IpEdit});
                               binder.BindComboBox(RowStatus, dialog->StatusComboBox);
                               binder.BindEdits(SubnetMask, "%s{l16}", {dialog->IPSubnetEdit});
                           }});
    DeleteButton->setEnabled(false);
}

void THostTableForm::GetButtonClick() { RefreshClick(); }

void THostTableForm::AddButtonClick() {
    // The dialog's Set waits for a running read, not the button.
    HostTableEditForm->setWindowTitle(windowTitle() + " (Add)");
    HostTableEditForm->Adding = true;
    HostTableEditForm->PrepareAdd();
    HostTableEditForm->exec();
    ListView1->setCurrentItem(nullptr);
    DeleteButton->setEnabled(false);
}

void THostTableForm::DeleteButtonClick() {
    if (!ListView1->currentItem()) {
        ShowMessage(QStringLiteral("Choose the item first."));
    } else if (MayWrite()) {
        GuardedWrite([&] { return MaskedSet({Address, SubnetMask}, RowStatus, DestroyItem); });
    }
    ListView1->setCurrentItem(nullptr);
    DeleteButton->setEnabled(false);
}
