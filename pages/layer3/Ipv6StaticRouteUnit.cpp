#include "Ipv6StaticRouteUnit.h"

#include "Ipv6StaticRouteEditUnit.h"
#include "Oid_routing.h"
#include "PageKit.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DestroyItem = 5;

}  // namespace

TIpv6StaticRouteForm::TIpv6StaticRouteForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 640, .Height = 320, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("IPV6 Static Route"));
    BuildLayout();
    FormCreate();
}

void TIpv6StaticRouteForm::BuildLayout() {
    const TListFrame layout = BuildListFrame(Client, "ListView1");
    ListView1 = layout.List;
    RowCounter = layout.Counter;
    RefreshButton = AddColumnButton(layout.Buttons, Client, "btnGet", QStringLiteral("Refresh"));
    AddButton = AddColumnButton(layout.Buttons, Client, "btnAdd", QStringLiteral("Add"));
    btnAddDefault = AddColumnButton(layout.Buttons, Client, "btnAddDefault", QStringLiteral("Add Default"));
    DeleteButton = AddColumnButton(layout.Buttons, Client, "btnDelete", QStringLiteral("Delete"));
    CloseButton = AddColumnButton(layout.Buttons, Client, "btnClose", QStringLiteral("Close"));
    connect(RefreshButton, &QPushButton::clicked, this, &TIpv6StaticRouteForm::btnGetClick);
    connect(AddButton, &QPushButton::clicked, this, &TIpv6StaticRouteForm::btnAddClick);
    connect(btnAddDefault, &QPushButton::clicked, this, &TIpv6StaticRouteForm::btnAddDefaultClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TIpv6StaticRouteForm::btnDeleteClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIpv6StaticRouteForm::CloseClick);
}

void TIpv6StaticRouteForm::FormCreate() {
    Ipv6StaticRouteEditForm = CreateEditDialog<TIpv6StaticRouteEditForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool) { ListView1SelectItem(); }, false);
    Binder = CreateBinder({.Table = Ipv6StaticRouteVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 4,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) { Ipv6StaticRouteEditForm->Bind(binder); }});
    ListView1SelectItem();
}

void TIpv6StaticRouteForm::ListView1SelectItem() { DeleteButton->setEnabled(ListView1->currentItem()); }

void TIpv6StaticRouteForm::btnGetClick() {
    RefreshClick();
    ListView1SelectItem();
}

void TIpv6StaticRouteForm::btnAddClick() {
    Ipv6StaticRouteEditForm->Mode = TIpv6StaticRouteEditForm::AddMode;
    Ipv6StaticRouteEditForm->setWindowTitle(windowTitle() + QStringLiteral(" (Add)"));
    Ipv6StaticRouteEditForm->FormActivate();
    Ipv6StaticRouteEditForm->exec();
}

void TIpv6StaticRouteForm::btnAddDefaultClick() {
    Ipv6StaticRouteEditForm->Mode = TIpv6StaticRouteEditForm::AddDefaultMode;
    Ipv6StaticRouteEditForm->setWindowTitle(windowTitle() + QStringLiteral("(Add default)"));
    Ipv6StaticRouteEditForm->FormActivate();
    Ipv6StaticRouteEditForm->exec();
}

void TIpv6StaticRouteForm::btnDeleteClick() {
    if (!ListView1->currentItem()) {
        ShowMessage(QStringLiteral("Choose the item first."));
        return;
    }
    if (!MayWrite()) return;
    // The row's backup state travels with the destroy; the next hop is part of the instance.
    GuardedWrite([this] { return MaskedSet({Metric}, RowStatus, DestroyItem); });
    ListView1SelectItem();
}
