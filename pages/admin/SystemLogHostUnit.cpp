#include "SystemLogHostUnit.h"

#include "LogHostEditUnit.h"
#include "Oid_device.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { Index, Address, Facility, Severity, Port, State, RowStatus };
constexpr int DestroyItem = 5;

}  // namespace

TSystemLogHostForm::TSystemLogHostForm(QWidget* owner)
    : TDedicatedPage(owner, {.Width = 544, .Height = 375, .Report = TPageReport::BarePanel}) {
    setWindowTitle(QStringLiteral("System Log Host"));
    BuildLayout();
    FormCreate();
}

void TSystemLogHostForm::BuildLayout() {
    const TListOverPanel frame = BuildEditorFrame("StaticText1", "btnClose");
    ListView1 = frame.List;
    frame.Lower->hide();
    connect(RefreshButton, &QPushButton::clicked, this, &TSystemLogHostForm::GetButtonClick);
    connect(SetButton, &QPushButton::clicked, this, &TSystemLogHostForm::EditButtonClick);
    connect(AddButton, &QPushButton::clicked, this, &TSystemLogHostForm::AddButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TSystemLogHostForm::DeleteButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TSystemLogHostForm::CloseClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TSystemLogHostForm::EditButtonClick);
}

void TSystemLogHostForm::FormCreate() {
    LogHostEditForm = CreateEditDialog<TLogHostEditForm>();
    WatchList(ListView1, [this](QTreeWidgetItem*, bool selected) { ShowRowButtons(selected); }, false);
    TLogHostEditForm* dialog = LogHostEditForm;
    Binder = CreateBinder({.Table = SystemLogHostVars,
                           .ItemType = MVT_UMV,
                           .KeyCount = 1,
                           .Main = true,
                           .List = ListView1,
                           .Bind = [this, dialog](KySNMPRequest2Edits& binder) {
                               binder.OnGetDone = [this] { ListView1->resizeColumnToContents(Index); };
                               binder.BindComboBox(Index, dialog->cbxIndex);
                               binder.BindEdits(Address, "%s{l16}", {dialog->IPAddrEdit});
                               binder.BindComboBox(Facility, dialog->FacComboBox);
                               binder.BindComboBox(Severity, dialog->SevComboBox);
                               binder.BindEdits(Port, "%i{l5}", {dialog->PortEdit});
                               binder.BindComboBox(State, dialog->StateComboBox);
                               binder.BindComboBox(RowStatus, dialog->RowComboBox);
                           }});
    ShowRowButtons(false);
}

void TSystemLogHostForm::ShowRowButtons(bool selected) {
    SetButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
}

void TSystemLogHostForm::GetButtonClick() {
    if (!Binder || Binder->Busy) return;
    try {
        Binder->Get();
    } catch (const std::exception& error) {
        Report(error);
    }
    ShowRowButtons(false);
}

void TSystemLogHostForm::AddButtonClick() {
    ShowEditDialog(*LogHostEditForm, true);
    ShowRowButtons(false);
}

void TSystemLogHostForm::EditButtonClick() {
    if (!ListView1->currentItem()) return;
    ShowEditDialog(*LogHostEditForm, false);
}

void TSystemLogHostForm::DeleteButtonClick() {
    if (!ListView1->currentItem()) {
        ShowMessage(QStringLiteral("Choose the item first."));
        return;
    }
    if (!MayWrite()) return;
    GuardedWrite([&] { return MaskedSet({Address, Facility, Severity, Port, State}, RowStatus, DestroyItem); });
    ShowRowButtons(false);
}
