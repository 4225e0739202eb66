#include "BOOTCtrlTableFormUnit.h"

#include "MainUnit.h"
#include "NewBootpCtrlFormUnit.h"
#include "Oid_routing.h"
#include "PageKit.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 560, .Height = 320, .Guarded = true, .RefuseCloseWhileReading = true,
                             .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("BOOTCtrlTableForm"));
    BuildLayout();
    FormCreate();
}

void TBOOTCtrlTableForm::BuildLayout() {
    const TListFrame layout = BuildListFrame(Client, "ListView1");
    ListView1 = layout.List;
    RowCounter = layout.Counter;
    RefreshButton = AddColumnButton(layout.Buttons, Client, "RefreshBtn", QStringLiteral("Refresh"));
    AddButton = AddColumnButton(layout.Buttons, Client, "AddBtn", QStringLiteral("Add"));
    DeleteButton = AddColumnButton(layout.Buttons, Client, "DeleteBtn", QStringLiteral("Delete"));
    StopButton = AddColumnButton(layout.Buttons, Client, "btnStop", QStringLiteral("Stop"));
    CloseButton = AddColumnButton(layout.Buttons, Client, "CloseBtn", QStringLiteral("Close"));
    ComboBox1 = NewHiddenCombo(Client, "ComboBox1");
    connect(RefreshButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::RefreshBtnClick);
    connect(AddButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::AddBtnClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::DeleteBtnClick);
    connect(StopButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TBOOTCtrlTableForm::CloseClick);
}

void TBOOTCtrlTableForm::FormCreate() {
    NewBootpCtrlForm = CreateEditDialog<TNewBootpCtrlForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool) { ListView1SelectItem(); }, false);
    Binder = CreateBinder({.Table = BOOTCtrlTableVars,
                           .ItemType = MVT_FMV,
                           .KeyCount = 2,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this](KySNMPRequest2Edits& binder) {
                               NewBootpCtrlForm->Bind(binder);
                               binder.BindComboBox(State, ComboBox1);
                           }});
    ListView1SelectItem();
}

void TBOOTCtrlTableForm::ListView1SelectItem() { DeleteButton->setEnabled(ListView1->currentItem()); }

void TBOOTCtrlTableForm::RefreshBtnClick() {
    RefreshClick();
    ListView1SelectItem();
}

void TBOOTCtrlTableForm::AddBtnClick() {
    ShowEditDialog(*NewBootpCtrlForm, true,
                   QStringLiteral("DHCP/BOOTP Relay Control: ") + QString::fromStdString(DeviceIPText));
}

void TBOOTCtrlTableForm::DeleteBtnClick() {
    if (!ListView1->currentItem() || !MayWrite()) return;
    GuardedWrite([this] { return MaskedSet({}, State, InvalidItem); });
    ListView1SelectItem();
}
