#include "DNSCtrlFormUnit.h"

#include "DNSCtrlAddFormUnit.h"
#include "MainUnit.h"
#include "Oid_routing.h"
#include "PageKit.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TDNSCtrlForm::TDNSCtrlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 560, .Height = 320, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("DNS Relay Control"));
    BuildLayout();
    FormCreate();
}

void TDNSCtrlForm::BuildLayout() {
    const TListFrame layout = BuildListFrame(Client, "ListView1");
    ListView1 = layout.List;
    RowCounter = layout.Counter;
    RefreshButton = AddColumnButton(layout.Buttons, Client, "btnGet", QStringLiteral("Refresh"));
    AddButton = AddColumnButton(layout.Buttons, Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = AddColumnButton(layout.Buttons, Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = AddColumnButton(layout.Buttons, Client, "btnClose", QStringLiteral("Close"));
    connect(RefreshButton, &QPushButton::clicked, this, &TDNSCtrlForm::btnGetClick);
    connect(AddButton, &QPushButton::clicked, this, &TDNSCtrlForm::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TDNSCtrlForm::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TDNSCtrlForm::CloseClick);
}

void TDNSCtrlForm::FormCreate() {
    DNSCtrlAddForm = CreateEditDialog<TDNSCtrlAddForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool) { ListView1SelectItem(); }, false);
    Binder = CreateBinder({.Table = DNSCtrlVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 2,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) { DNSCtrlAddForm->Bind(binder); }});
    ListView1SelectItem();
}

void TDNSCtrlForm::ListView1SelectItem() { DeleteButton->setEnabled(ListView1->currentItem()); }

void TDNSCtrlForm::btnGetClick() { RefreshClick(); }

void TDNSCtrlForm::StopReading() {
    if (!Binder) return;
    Binder->Request.Active = 0;
    WaitForBinder(*Binder);
    Binder->Request.Active = 1;
}

void TDNSCtrlForm::btnAddClick() {
    StopReading();
    ShowEditDialog(*DNSCtrlAddForm, true,
                   QStringLiteral("DNS Relay Control Table : ") + QString::fromStdString(DeviceIPText));
}

void TDNSCtrlForm::btnDeleteClick() {
    if (!ListView1->currentItem() || !Binder) return;
    StopReading();
    GuardedWrite([this] { return MaskedSet({}, State, InvalidItem); });
    ListView1SelectItem();
}
