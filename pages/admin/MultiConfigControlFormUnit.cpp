#include "MultiConfigControlFormUnit.h"

#include "MultiConfigControlEditFormUnit.h"
#include "Oid_device.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { ControlId, Action };
// Activating a configuration keeps the switch busy a while.
constexpr int ConfigTimeout = 300;

}  // namespace

TMultipleConfigControlForm::TMultipleConfigControlForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 438, .Height = 253, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("Multiple Config Control"));
    BuildLayout();
    FormCreate();
}

void TMultipleConfigControlForm::BuildLayout() {
    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnEdit", QStringLiteral("Edit"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    const TListFrame frame = BuildListFrame(Client);
    ListView1 = frame.List;
    RowCounter = frame.Counter;
    AddToButtonColumn(frame.Buttons, {RefreshButton, SetButton, CloseButton});
    connect(RefreshButton, &QPushButton::clicked, this, &TMultipleConfigControlForm::btnGetClick);
    connect(SetButton, &QPushButton::clicked, this, &TMultipleConfigControlForm::btnEditClick);
    connect(CloseButton, &QPushButton::clicked, this, &TMultipleConfigControlForm::CloseClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TMultipleConfigControlForm::btnEditClick);
}

void TMultipleConfigControlForm::FormCreate() {
    MultiConfigControlEditForm = CreateEditDialog<TMultiConfigControlEditForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool selected) { SetButton->setEnabled(selected); }, false);
    TMultiConfigControlEditForm* dialog = MultiConfigControlEditForm;
    SetButton->setEnabled(false);
    Binder = CreateBinder({.Table = MultipleConfigControlVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 1,
                           .Main = true,
                           .Timeout = ConfigTimeout,
                           .List = ListView1,
                           .Bind = [dialog](KySNMPRequest2Edits& binder) {
                               binder.BindComboBox(ControlId, dialog->cbxCtrlID);
                               binder.BindComboBox(Action, dialog->cbxCfgAction);
                           }});
}

void TMultipleConfigControlForm::btnGetClick() {
    if (!Binder || Binder->Busy) return;
    Reported(*this, [&] { Binder->Get(); });
    SetButton->setEnabled(false);
}

void TMultipleConfigControlForm::btnEditClick() {
    if (!ListView1->currentItem()) return;
    // The dialog keeps its own caption; the selected row is already in its lists, its key fixed.
    MultiConfigControlEditForm->cbxCtrlID->setEnabled(false);
    MultiConfigControlEditForm->exec();
}
