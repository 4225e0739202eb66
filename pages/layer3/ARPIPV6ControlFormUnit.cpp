#include "ARPIPV6ControlFormUnit.h"

#include "ARPIPV6ControlFormEditUnit.h"
#include "MainUnit.h"
#include "Oid_routing.h"
#include "PageKit.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DestroyItem = 5;

}  // namespace

TARPIPV6ControlForm::TARPIPV6ControlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 640, .Height = 320, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("IPV6 ARP Control"));
    BuildLayout();
    FormCreate();
}

void TARPIPV6ControlForm::BuildLayout() {
    const TListFrame layout = BuildListFrame(Client, "ListView1");
    ListView1 = layout.List;
    RowCounter = layout.Counter;
    RefreshButton = AddColumnButton(layout.Buttons, Client, "btnGet", QStringLiteral("Refresh"));
    AddButton = AddColumnButton(layout.Buttons, Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = AddColumnButton(layout.Buttons, Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = AddColumnButton(layout.Buttons, Client, "btnClose", QStringLiteral("Close"));
    connect(RefreshButton, &QPushButton::clicked, this, &TARPIPV6ControlForm::btnGetClick);
    connect(AddButton, &QPushButton::clicked, this, &TARPIPV6ControlForm::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TARPIPV6ControlForm::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TARPIPV6ControlForm::CloseClick);
}

void TARPIPV6ControlForm::FormCreate() {
    ARPIPv6ControlEditForm = CreateEditDialog<TARPIPv6ControlEditForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool) { ListView1Click(); }, false);
    Binder = CreateBinder({.Table = ARPIPV6ControlVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 3,
                           .Async = false,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) { ARPIPv6ControlEditForm->Bind(binder); }});
    ListView1Click();
}

void TARPIPV6ControlForm::ListView1Click() { DeleteButton->setEnabled(ListView1->currentItem()); }

void TARPIPV6ControlForm::btnGetClick() {
    RefreshClick();
    ListView1Click();
}

void TARPIPV6ControlForm::btnAddClick() {
    ShowEditDialog(*ARPIPv6ControlEditForm, true,
                   QStringLiteral("IPv6 Neighbor Cache Table: ") + QString::fromStdString(DeviceIPText));
}

void TARPIPV6ControlForm::btnDeleteClick() {
    if (!ListView1->currentItem()) {
        ShowMessage(QStringLiteral("Choose the item first."));
        return;
    }
    if (!MayWrite()) return;
    GuardedWrite([this] { return MaskedSet({ReachState}, RouteStatus, DestroyItem); });
    ListView1Click();
}
