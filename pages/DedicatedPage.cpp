#include "DedicatedPage.h"

#include "KyControlEvents.h"
#include "MainUnit.h"
#include "MaskedWrite.h"
#include "PageEditDialog.h"
#include "StackingPortUitForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

TDedicatedPage::TDedicatedPage(QWidget* owner, const TPageOptions& options) : TBasicForm(owner), Options(options) {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    Client = new QWidget(this);
    root->addWidget(Client, 1);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    Panel0 = new QLabel(StatusBar1);
    Panel0->setObjectName(QStringLiteral("StatusPanel"));
    StatusBar1->addWidget(Panel0, 1);
    root->addWidget(StatusBar1);
    if (Options.Width > 0 && Options.Height > 0) SetScaledSize(Options.Width, Options.Height);
    DataComplete = 0;
}

TDedicatedPage::~TDedicatedPage() {
    // The page's own handlers must not run on a half-destroyed page: a list being destroyed still
    // resets its model.
    for (const QPointer<QTreeWidget>& list : WatchedLists) {
        if (!list) continue;
        QObject::disconnect(list, nullptr, this, nullptr);
        QObject::disconnect(list->model(), nullptr, this, nullptr);
    }
    FormClose();
}

bool TDedicatedPage::Reading() {
    if (!Options.Guarded) return Main && Main->Busy;
    if (DataComplete == 0 && !(Main && Main->Busy)) DataComplete = 1;
    return DataComplete == 0;
}

bool TDedicatedPage::BindersIdle() const {
    for (const auto& binder : Binders)
        if (binder->Busy) return false;
    return true;
}

std::string TDedicatedPage::PortNumberList() { return makePortNumberList(StackModeText == "enabled"); }

void TDedicatedPage::BindPortList(KySNMPRequest2Edits& binder, int position, const std::string& ports,
                                  const TStackingPortUitForm* selector) {
    binder.BindControlList(position, ports, {selector->PortCheckBoxes.begin(), selector->PortCheckBoxes.end()});
}

TListOverPanel TDedicatedPage::BuildEditorFrame(const char* counterName, const char* closeName) {
    const TListOverPanel frame = BuildListOverPanel(Client, "ListView1", false);
    RowCounter = NewRowCounter(Client, counterName);
    RefreshButton = NewPageButton(Client, "GetButton", QStringLiteral("Refresh"));
    SetButton = NewPageButton(Client, "EditButton", QStringLiteral("Edit"));
    AddButton = NewPageButton(Client, "AddButton", QStringLiteral("Add"));
    DeleteButton = NewPageButton(Client, "DeleteButton", QStringLiteral("Delete"));
    CloseButton = NewPageButton(Client, closeName, QStringLiteral("Close"));
    AddButtonColumn(frame.Columns, {RowCounter, RefreshButton, SetButton, AddButton, DeleteButton, CloseButton});
    return frame;
}

TStackingPortUitForm* TDedicatedPage::AddPortSelector(QTabWidget* pages, const QString& caption) {
    auto* sheet = new QWidget(pages);
    pages->addTab(sheet, caption);
    auto* selector = new TStackingPortUitForm(this);
    setupPortSelector(selector, sheet, CurrentPortSelectorDevice());
    Selectors.emplace_back(selector);
    return selector;
}

void TDedicatedPage::WatchList(QTreeWidget* list, SelectHandler onSelectItem, bool inPageEditor) {
    ListView = list;
    WatchedLists.emplace_back(list);
    InPageEditor = inPageEditor;
    // Counted after the rows changed, so the counter never lags behind the list.
    QAbstractItemModel* rows = list->model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &TDedicatedPage::UpdateRowCounter);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &TDedicatedPage::UpdateRowCounter);
    connect(rows, &QAbstractItemModel::modelReset, this, &TDedicatedPage::UpdateRowCounter);
    // A click beside the rows clears the selection: the same as no current row.
    connect(list, &QTreeWidget::itemSelectionChanged, this, [list] {
        if (list->selectedItems().isEmpty() && list->currentItem()) list->setCurrentItem(nullptr);
    });
    if (onSelectItem) KyControlEvents::onSelectItem(list, this, std::move(onSelectItem));
    list->installEventFilter(this);
}

bool TDedicatedPage::eventFilter(QObject* watched, QEvent* event) {
    // A list taking the focus would make its first row current, and so selected for the page: a row is
    // selected only by the user.
    if (watched == ListView && event->type() == QEvent::FocusIn && !ListView->currentItem())
        ListView->setCurrentIndex(QModelIndex());
    return TBasicForm::eventFilter(watched, event);
}

void TDedicatedPage::UpdateRowCounter() {
    if (RowCounter && ListView) RowCounter->setText(QString::number(ListView->topLevelItemCount()));
}

void TDedicatedPage::SelectionCopied(QTreeWidgetItem*, bool selected) {
    // Moving from row to row leaves the old row first: only the final state counts.
    if (!selected && ListView && ListView->currentItem()) return;
    if (InPageEditor) ShowRowSelected(selected);
    else if (!selected) ResetInputs();
}

KySNMPRequest2Edits* TDedicatedPage::Adopt(const TBinderSpec& spec,
                                           const std::function<std::unique_ptr<KySNMPRequest2Edits>()>& make) {
    KySNMPRequest2Edits* binder = nullptr;
    try {
        Binders.push_back(make());
        binder = Binders.back().get();
        // The status target first, so a failure while binding has somewhere to show.
        binder->SetStatusTarget(Panel0);
        if (spec.Main) Main = binder;
        binder->Request.VarList = KySNMPVarList(spec.Table, spec.ItemType, spec.KeyCount);
        if (spec.Timeout > 0) binder->Request.Timeout = spec.Timeout;
        if (!spec.Async) binder->Async = 0;
        if (spec.List) {
            binder->BindListView(spec.List, 1);
            if (spec.List == ListView)
                KyControlEvents::onSelectItem(spec.List, this, [this](QTreeWidgetItem* item, bool selected) {
                    SelectionCopied(item, selected);
                });
        }
        if (spec.Bind) spec.Bind(*binder);
        if (spec.Main && Options.Guarded)
            binder->OnGetError = [this](KySNMPRequest2Controls&, const KySNMPError& error) { MarkDataComplete(error); };
        if (spec.ReadNow) {
            if (spec.Main) DataComplete = 0;
            binder->Get();
        }
        if (spec.Main) UpdateRowCounter();
    } catch (const std::exception& error) {
        if (spec.Main) DataComplete = 1;
        Report(error, binder);
    }
    return binder;
}

void TDedicatedPage::MarkDataComplete(const KySNMPError& error) {
    DataComplete = 1;
    ReadEnded(error);
}

void TDedicatedPage::RefreshClick() {
    if (Options.Guarded && Reading()) return;
    for (const auto& binder : Binders) {
        if (binder.get() == Main) continue;
        try {
            binder->Request.Active = 1;
            if (!binder->Busy) binder->Get();
        } catch (const std::exception& error) {
            Report(error, binder.get());
        }
    }
    if (Main) {
        if (Main->Busy) {
            if (!Options.Guarded && !Options.RefreshBusyText.empty())
                ShowMessage(QString::fromStdString(Options.RefreshBusyText));
            return;
        }
        try {
            if (Options.Guarded) DataComplete = 0;
            Main->Request.Active = 1;
            Main->Get();
        } catch (const std::exception& error) {
            DataComplete = 1;
            Report(error, Main);
        }
    }
    UpdateRowCounter();
    ShowRowSelected(false);
}

void TDedicatedPage::RefreshOrRefuse(const QString& text) {
    if (Reading() || (Main && Main->Busy)) {
        ShowMessage(text);
        return;
    }
    RefreshClick();
}

void TDedicatedPage::StopClick() {
    if (Main) Main->Request.Active = 0;
}

void TDedicatedPage::CloseClick() { close(); }

bool TDedicatedPage::MayWrite(const std::string& readingText) {
    if (!Main) return false;
    if (Options.Guarded && Reading()) {
        ShowMessage(QString::fromStdString(readingText.empty() ? Options.BusyText : readingText));
        return false;
    }
    if (Main->Busy) {
        ShowMessage(QString::fromStdString(Options.BusyText));
        return false;
    }
    return true;
}

bool TDedicatedPage::MaskedSet(const std::vector<int>& excluded, int rowStatusPos, int rowStatusItem,
                               std::uint8_t reload) {
    if (!Main) return false;
    if (rowStatusPos >= 0) {
        for (const KyControlBinding& binding : Main->Bindings) {
            if (binding.VarIndex != rowStatusPos) continue;
            for (const auto& control : binding.Controls)
                if (auto* combo = qobject_cast<QComboBox*>(control.data())) combo->setCurrentIndex(rowStatusItem);
        }
    }
    const TMaskedWrite mask(Main->Request.VarList, excluded);
    return Main->Set(reload, 1, {}, nullptr);
}

void TDedicatedPage::WaitForBinder(KySNMPRequest2Controls& binder) {
    if (!binder.Busy) return;
    // Answers and time-outs arrive from the pump; the user's clicks wait until the binder is idle.
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!binder.Busy) loop.quit();
    });
    poll.start(5);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TDedicatedPage::ReadAgain() {
    if (!Main) return;
    if (Options.Guarded) DataComplete = 0;
    Main->Get();
    UpdateRowCounter();
}

void TDedicatedPage::ReadAgainAfter(bool sent) {
    if (!Main) return;
    if (sent || Main->Async == 0) {
        ReadAgain();
        return;
    }
    if (Options.Guarded && !Main->Busy) DataComplete = 1;
    ShowRefusal(false);
}

void TDedicatedPage::ShowRefusal(bool sent) {
    if (!sent && Main && Main->Busy) ShowMessage(QString::fromStdString(Options.BusyText));
}

void TDedicatedPage::GuardedWrite(const std::function<bool()>& write) {
    try {
        if (Options.Guarded) DataComplete = 0;
        Main->Request.Active = 1;
        ReadAgainAfter(write());
    } catch (const std::exception& error) {
        DataComplete = 1;
        Report(error, Main);
    }
    ShowRowSelected(false);
}

void TDedicatedPage::CoverWrite(KySNMPRequest2Controls& binder, QDialog& progress) {
    const KySNMPRequest2Controls::ErrorEvent reported = binder.OnSetError;
    QPointer<QDialog> cover(&progress);
    binder.OnSetError = [reported, cover](KySNMPRequest2Controls& self, const KySNMPError& error) {
        if (error.Code != 0 && cover) cover->done(QDialog::Rejected);
        if (reported) reported(self, error);
        else self.SetResult(error);
    };
    progress.exec();
    binder.OnSetError = reported;
}

std::vector<int> TDedicatedPage::AllButKeysAnd(int position) const {
    std::vector<int> excluded;
    if (!Main) return excluded;
    const KySNMPVarList& list = Main->Request.VarList;
    for (int i = list.KeyCount; i < list.GetCount(); ++i)
        if (i != position) excluded.push_back(i);
    return excluded;
}

void TDedicatedPage::ShowRowSelected(bool selected) {
    if (SetButton) SetButton->setEnabled(selected);
    if (DeleteButton) DeleteButton->setEnabled(selected);
    if (AddButton) AddButton->setEnabled(!selected);
    for (QWidget* key : KeyEdits) {
        if (selected) DisableControl(key);
        else EnableControl(key);
    }
    if (!selected) ResetInputs();
}

void TDedicatedPage::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}

void TDedicatedPage::Report(const std::exception& error, KySNMPRequest2Controls* binder) {
    if (Options.Report == TPageReport::ThroughBinder && binder) binder->ShowStatus(error.what());
    else Panel0->setText(QString::fromLocal8Bit(error.what()));
}

void TDedicatedPage::ShowEditDialog(TPageEditDialog& dialog, bool add, const QString& ownCaption) {
    if (!add && !(ListView && ListView->currentItem())) return;
    if (Options.Guarded && Reading()) {
        ShowMessage(QString::fromStdString(Options.BusyText));
        return;
    }
    if (Main && Main->Busy) {
        ShowMessage(QString::fromStdString(Options.BusyText));
        return;
    }
    dialog.setWindowTitle((ownCaption.isEmpty() ? windowTitle() : ownCaption) + (add ? " (Add)" : " (Edit)"));
    dialog.Adding = add;
    if (add) dialog.PrepareAdd();
    else dialog.PrepareEdit();
    dialog.exec();
    if (!add && ListView) ListView->setCurrentItem(nullptr);
}

bool TDedicatedPage::FormCloseQuery() {
    if (!Options.RefuseCloseWhileReading || !Reading()) return true;
    ShowMessage(QString::fromStdString(Options.CloseText));
    return false;
}

void TDedicatedPage::FormClose() {
    if (Closed) return;
    Closed = true;
    if (ListView) {
        ListView->clearSelection();
        ListView->setCurrentItem(nullptr);
    }
    for (const QPointer<TStackingPortUitForm>& selector : Selectors) delete selector.data();
    Selectors.clear();
    for (auto& binder : Binders) {
        binder->Request.Active = 0;
        WaitForBinder(*binder);
        binder.reset();
    }
    Binders.clear();
    Main = nullptr;
    OwnedDialogs.clear();
}

void TDedicatedPage::done(int result) {
    if (!Closed) {
        if (!FormCloseQuery()) return;
        FormClose();
    }
    QDialog::done(result);
}

void Reported(TDedicatedPage& page, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        page.Report(error);
    }
}
