#include "IPCtrlUnit.h"

#include "IPCtrlEditUnit.h"
#include "Oid_routing.h"
#include "PageKit.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int DestroyItem = 5;
const QString SystemInterface = QStringLiteral("System");

}  // namespace

TIpCtrlForm::TIpCtrlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 673, .Height = 320, .Guarded = true, .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("IP Control Form"));
    BuildLayout();
    FormCreate();
}

void TIpCtrlForm::BuildLayout() {
    const TListFrame layout = BuildListFrame(Client, "ListView1");
    ListView1 = layout.List;
    RowCounter = layout.Counter;
    RefreshButton = AddColumnButton(layout.Buttons, Client, "btnRefresh", QStringLiteral("Refresh"));
    SetButton = AddColumnButton(layout.Buttons, Client, "btnEdit", QStringLiteral("Edit"));
    AddButton = AddColumnButton(layout.Buttons, Client, "btnAdd", QStringLiteral("Add"));
    DeleteButton = AddColumnButton(layout.Buttons, Client, "btnDel", QStringLiteral("Delete"));
    StopButton = AddColumnButton(layout.Buttons, Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = AddColumnButton(layout.Buttons, Client, "btnClose", QStringLiteral("Close"));
    connect(RefreshButton, &QPushButton::clicked, this, &TIpCtrlForm::btnRefreshClick);
    connect(SetButton, &QPushButton::clicked, this, &TIpCtrlForm::btnEditClick);
    connect(AddButton, &QPushButton::clicked, this, &TIpCtrlForm::btnAddClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TIpCtrlForm::btnDelClick);
    connect(StopButton, &QPushButton::clicked, this, &TIpCtrlForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TIpCtrlForm::CloseClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TIpCtrlForm::btnEditClick);
}

void TIpCtrlForm::FormCreate() {
    IPCtrlEdtForm = CreateEditDialog<TIPCtrlEdtForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool) { ListView1SelectItem(); }, false);
    Binder = CreateBinder({.Table = IpCtrlVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 1,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) { IPCtrlEdtForm->Bind(binder); }});
    ListView1SelectItem();
}

void TIpCtrlForm::ListView1SelectItem() {
    QTreeWidgetItem* row = ListView1->currentItem();
    DeleteButton->setEnabled(row && row->text(0) != SystemInterface);
    AddButton->setEnabled(!row);
    SetButton->setEnabled(row);
}

void TIpCtrlForm::ReadEnded(const KySNMPError&) {
    AddButton->setEnabled(true);
    DeleteButton->setEnabled(false);
}

void TIpCtrlForm::btnRefreshClick() { RefreshClick(); }

void TIpCtrlForm::btnAddClick() { ShowEditDialog(*IPCtrlEdtForm, true); }

void TIpCtrlForm::btnEditClick() {
    if (!ListView1->currentItem()) return;
    ShowEditDialog(*IPCtrlEdtForm, false);
}

bool TIpCtrlForm::CanDelete() {
    QTreeWidgetItem* row = ListView1->currentItem();
    if (!row) return false;
    if (row->text(0) == SystemInterface) {
        ShowMessage(QStringLiteral("The system IP interface can't be deleted."));
        return false;
    }
    // A primary interface goes only after the secondary ones of its VLAN.
    if (row->text(Secondary) != QStringLiteral("false")) return true;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* other = ListView1->topLevelItem(i);
        if (other != row && other->text(VlanName) == row->text(VlanName)) {
            ShowMessage(QStringLiteral("The secondary interface must be deleted first!"));
            return false;
        }
    }
    return true;
}

void TIpCtrlForm::btnDelClick() {
    if (!ListView1->currentItem()) return;
    if (!MayWrite() || !CanDelete()) return;
    GuardedWrite([this] { return MaskedSet(AllButKeysAnd(State), State, DestroyItem); });
    DeleteButton->setEnabled(false);
}
