#include "DHCPPoolUnit.h"

#include "DHCPPoolEditUnit.h"
#include "MainUnit.h"
#include "Oid_dhcpserver.h"
#include "PageKit.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DestroyItem = 5;

}  // namespace

TDHCPPoolForm::TDHCPPoolForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 720, .Height = 320, .Guarded = true, .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("DHCP Pool Form"));
    BuildLayout();
    FormCreate();
}

void TDHCPPoolForm::BuildLayout() {
    const TListFrame layout = BuildListFrame(Client, "ListView1");
    ListView1 = layout.List;
    RowCounter = layout.Counter;
    RefreshButton = AddColumnButton(layout.Buttons, Client, "btnRefresh", QStringLiteral("Refresh"));
    AddButton = AddColumnButton(layout.Buttons, Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = AddColumnButton(layout.Buttons, Client, "btnDel", QStringLiteral("Delete"));
    SetButton = AddColumnButton(layout.Buttons, Client, "btnEdit", QStringLiteral("Edit"));
    StopButton = AddColumnButton(layout.Buttons, Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = AddColumnButton(layout.Buttons, Client, "btnClose", QStringLiteral("Close"));
    connect(RefreshButton, &QPushButton::clicked, this, &TDHCPPoolForm::btnRefreshClick);
    connect(AddButton, &QPushButton::clicked, this, &TDHCPPoolForm::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TDHCPPoolForm::btnDelClick);
    connect(SetButton, &QPushButton::clicked, this, &TDHCPPoolForm::btnEditClick);
    connect(StopButton, &QPushButton::clicked, this, &TDHCPPoolForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TDHCPPoolForm::CloseClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TDHCPPoolForm::btnEditClick);
}

void TDHCPPoolForm::FormCreate() {
    DHCPPoolEdtForm = CreateEditDialog<TDHCPPoolEdtForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool) { ListView1SelectItem(); }, false);
    Binder = CreateBinder({.Table = DHCPPoolVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 1,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) { DHCPPoolEdtForm->Bind(binder); }});
    ListView1SelectItem();
}

void TDHCPPoolForm::ListView1SelectItem() {
    const bool selected = ListView1->currentItem();
    DeleteButton->setEnabled(selected);
    SetButton->setEnabled(selected);
    AddButton->setEnabled(!selected);
}

void TDHCPPoolForm::ReadEnded(const KySNMPError&) {
    AddButton->setEnabled(true);
    DeleteButton->setEnabled(false);
}

void TDHCPPoolForm::btnRefreshClick() { RefreshClick(); }

void TDHCPPoolForm::btnAddClick() {
    ShowEditDialog(*DHCPPoolEdtForm, true, QStringLiteral("DHCP Pool Table: ") + QString::fromStdString(DeviceIPText));
}

void TDHCPPoolForm::btnEditClick() {
    if (!ListView1->currentItem()) return;
    ShowEditDialog(*DHCPPoolEdtForm, false,
                   QStringLiteral("DHCP Pool Table: ") + QString::fromStdString(DeviceIPText));
}

void TDHCPPoolForm::btnDelClick() {
    if (!ListView1->currentItem()) {
        DeleteButton->setEnabled(false);
        return;
    }
    if (!MayWrite()) return;
    GuardedWrite([this] { return MaskedSet(AllButKeysAnd(Status), Status, DestroyItem); });
    DeleteButton->setEnabled(false);
}
