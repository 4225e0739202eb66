#include "MultiConfigControlFormUnit.h"

#include "MultiConfigControlEditFormUnit.h"
#include "Oid_device.h"
#include "SettingsFrame.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

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
    auto* columns = new QHBoxLayout(Client);
    ListView1 = new QTreeWidget(Client);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    columns->addWidget(ListView1, 1);
    auto* buttons = new QVBoxLayout();
    columns->addLayout(buttons);
    RowCounter = new QLabel(QStringLiteral("0"), Client);
    RowCounter->setObjectName(QStringLiteral("StaticText1"));
    RowCounter->setAlignment(Qt::AlignCenter);
    RowCounter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    buttons->addWidget(RowCounter);
    RefreshButton = NewPageButton(Client, "btnGet", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "btnEdit", QStringLiteral("Edit"));
    CloseButton = NewPageButton(Client, "btnClose", QStringLiteral("Close"));
    for (QPushButton* button : {RefreshButton, SetButton, CloseButton}) buttons->addWidget(button);
    buttons->addStretch(1);
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
