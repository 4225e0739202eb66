#include "IpStaticRouteUnit.h"

#include "IpStaticRouteEditUnit.h"
#include "Oid_routing.h"
#include "PageKit.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int InvalidItem = 0;

}  // namespace

TIpStaticRouteForm::TIpStaticRouteForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 640, .Height = 320, .Guarded = true, .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}) {
    BuildLayout();
    FormCreate();
}

void TIpStaticRouteForm::BuildLayout() {
    const TListFrame layout = BuildListFrame(Client, "ListView1");
    ListView1 = layout.List;
    RowCounter = layout.Counter;
    RefreshButton = AddColumnButton(layout.Buttons, Client, "GetButton", QStringLiteral("Refresh"));
    AddButton = AddColumnButton(layout.Buttons, Client, "AddButton", QStringLiteral("Add"));
    btnDefaultRoute = AddColumnButton(layout.Buttons, Client, "btnDefaultRoute", QStringLiteral("Add Default Route"));
    DeleteButton = AddColumnButton(layout.Buttons, Client, "DeleteButton", QStringLiteral("Delete"));
    CloseButton = AddColumnButton(layout.Buttons, Client, "CloseButton", QStringLiteral("Close"));
    btnDefaultRoute->setDefault(true);
    connect(RefreshButton, &QPushButton::clicked, this, &TIpStaticRouteForm::GetButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TIpStaticRouteForm::AddButtonClick);
    connect(btnDefaultRoute, &QPushButton::clicked, this, &TIpStaticRouteForm::btnDefaultRouteClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TIpStaticRouteForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIpStaticRouteForm::CloseClick);
}

void TIpStaticRouteForm::FormCreate() {
    IpStaticRouteEditForm = CreateEditDialog<TIpStaticRouteEditForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool) { ListView1SelectItem(); }, false);
    Binder = CreateBinder({.Table = IpStaticRouteVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 3,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) { IpStaticRouteEditForm->Bind(binder); }});
    ListView1SelectItem();
}

void TIpStaticRouteForm::ListView1SelectItem() { DeleteButton->setEnabled(ListView1->currentItem()); }

void TIpStaticRouteForm::ReadEnded(const KySNMPError&) { btnDefaultRoute->setEnabled(true); }

void TIpStaticRouteForm::GetButtonClick() {
    RefreshClick();
    ListView1SelectItem();
}

void TIpStaticRouteForm::ShowDialog(int mode, const QString& suffix) {
    if (!MayWrite()) return;
    IpStaticRouteEditForm->Mode = mode;
    IpStaticRouteEditForm->setWindowTitle(windowTitle() + suffix);
    IpStaticRouteEditForm->FormActivate();
    IpStaticRouteEditForm->exec();
    ListView1->setCurrentItem(nullptr);
    ListView1SelectItem();
}

void TIpStaticRouteForm::AddButtonClick() { ShowDialog(TIpStaticRouteEditForm::AddMode, QStringLiteral(" (Add)")); }

void TIpStaticRouteForm::btnDefaultRouteClick() {
    ShowDialog(TIpStaticRouteEditForm::DefaultRouteMode, QStringLiteral(" (Add Default Route)"));
}

void TIpStaticRouteForm::DeleteButtonClick() {
    if (!ListView1->currentItem()) {
        ShowMessage(QStringLiteral("Choose the item first."));
        return;
    }
    if (!MayWrite()) return;
    GuardedWrite([this] { return MaskedSet({BackupState, Metric}, Status, InvalidItem); });
    ListView1->setCurrentItem(nullptr);
    ListView1SelectItem();
}
