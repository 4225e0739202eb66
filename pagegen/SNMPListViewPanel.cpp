#include "SNMPListViewPanel.h"

#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "GUIConfigForm.h"
#include "KyException.h"
#include "KySNMPRequest2Edits.h"
#include "ListViewPanel.h"
#include "PageRequest.h"
#include "RowEditDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>

#include <utility>
#include <vector>

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* parent, KySNMPRequest2Edits* request)
    : TSNMPEditorPanel(parent, request) {
    ListViewPanel = new TListViewPanel(ClientPanel, request);
    QTreeWidget* list = ListViewPanel->ListView;
    DoubleClick = QObject::connect(list, &QTreeWidget::itemDoubleClicked, this, [this] {
        try {
            ListDblClick();
        } catch (const std::exception&) {
            // Editing by double click is a convenience: a failure leaves the page as it was.
        }
    });
    list->viewport()->installEventFilter(this);
    // The count box is the context: the list empties itself when it goes, after the column has gone.
    QAbstractItemModel* model = list->model();
    QLabel* count = ButtonPanel->SampleCountText;
    QObject::connect(model, &QAbstractItemModel::rowsInserted, count, [this] { UpdateCount(); });
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, count, [this] { UpdateCount(); });
    QObject::connect(model, &QAbstractItemModel::modelReset, count, [this] { UpdateCount(); });
    // Refresh and the row buttons are this page's own; the frame's Refresh handler goes.
    ButtonPanel->RefreshButton->disconnect();
    OnClick(ButtonPanel->RefreshButton, [this] { RefreshClick(); });
    OnClick(ButtonPanel->EditButton, [this] { EditClick(); });
    OnClick(ButtonPanel->AddButton, [this] { AddClick(); });
    OnClick(ButtonPanel->DeleteButton, [this] { DeleteClick(); });
    ListViewPanel->ArrangeCtrlBtn(ButtonPanel);
    if (EditsPanel->HasNoWritableRow()) {
        ButtonPanel->EditButton->hide();
        ButtonPanel->ArrangeButtons();
    }
    SetContent(ListViewPanel);
    BeforeAdd = [this] { EditsPanel->ClearAllRows(); };
}

int TSNMPListViewPanel::StatusComboIndex(int row, const std::string& text) const {
    if (row < 0 || row >= int(EditsPanel->Rows.size())) return -1;
    auto* combo = qobject_cast<QComboBox*>(EditsPanel->Rows[std::size_t(row)].Control);
    return combo ? combo->findText(QString::fromLatin1(text)) : -1;
}

void TSNMPListViewPanel::SetStatus(int row, const std::string& text, const std::string& refusal, int& statusRow,
                                   std::string& statusText, QPushButton* button) {
    if (StatusComboIndex(row, text) < 0) throw KyException(0, refusal + text);
    statusRow = row;
    statusText = text;
    button->show();
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetAddStatus(int row, const std::string& text) {
    SetStatus(row, text, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:", ListViewPanel->AddStatusRow,
              ListViewPanel->AddStatusText, ButtonPanel->AddButton);
}

void TSNMPListViewPanel::SetDeleteStatus(int row, const std::string& text) {
    SetStatus(row, text, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:",
              ListViewPanel->DeleteStatusRow, ListViewPanel->DeleteStatusText, ButtonPanel->DeleteButton);
}

void TSNMPListViewPanel::HideEditButton() {
    ButtonPanel->EditButton->hide();
    QObject::disconnect(DoubleClick);
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::UpdateCount() {
    ButtonPanel->SampleCountText->setText(QString::number(ListViewPanel->ListView->topLevelItemCount()));
}

void TSNMPListViewPanel::RefreshClick() {
    if (!Request) return;
    if (Request->Async && PageRequest::Reading(*Request)) return;
    ButtonPanel->EditButton->setEnabled(false);
    ButtonPanel->DeleteButton->setEnabled(false);
    TSNMPPanel::RefreshClick();
    UpdateCount();
}

void TSNMPListViewPanel::ListClick(bool onLine) {
    if (!Request) return;
    // A click into the list ends a walk after the answer in flight.
    Request->Request.Active = 0;
    QTreeWidget* list = ListViewPanel->ListView;
    if (!onLine) list->clearSelection();
    const bool selected = !list->selectedItems().isEmpty();
    ButtonPanel->EditButton->setEnabled(selected);
    ButtonPanel->DeleteButton->setEnabled(selected);
    if (!selected) {
        EditsPanel->ClearAllRows();
        return;
    }
    // A mouse press makes the line current before it selects it, so the binder's own handler found no
    // selection yet: the rows take the line now.
    Request->ReadSelectedRow();
    Request->ValuesToControls(-1);
}

void TSNMPListViewPanel::ListDblClick() {
    if (!ListViewPanel->ListView->selectedItems().isEmpty()) EditClick();
}

QString TSNMPListViewPanel::LineHint(const QTreeWidgetItem* item) const {
    const QTreeWidgetItem* header = ListViewPanel->ListView->headerItem();
    const int columns = ListViewPanel->ListView->columnCount();
    qsizetype longest = 0;
    for (int c = 0; c < columns; ++c) longest = std::max(longest, header->text(c).size());
    QString hint;
    for (int c = 0; c < columns; ++c) {
        const QString caption = header->text(c);
        hint += caption + QString(longest - caption.size(), '\t') + "  " + item->text(c) + "\n";
    }
    return hint;
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event) {
    // Only the list's viewport is watched; its clicks and hint requests never come while it is destroyed.
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease || type == QEvent::ToolTip) {
        QTreeWidget* list = ListViewPanel->ListView;
        if (type == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            try {
                ListClick(list->itemAt(mouse->position().toPoint()) != nullptr);
            } catch (const std::exception&) {
                QMessageBox::information(this, QApplication::applicationDisplayName(), "Please select a entry ");
            }
        } else if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            if (const QTreeWidgetItem* item = list->itemAt(help->pos()))
                QToolTip::showText(help->globalPos(), LineHint(item), list->viewport());
            else
                QToolTip::hideText();
            return true;
        }
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

QString TSNMPListViewPanel::PageCaption() const {
    QWidget* holder = parentWidget();
    if (auto* form = qobject_cast<TConfigForm*>(holder)) return form->windowTitle();
    if (holder && holder->property("Tag").isValid()) {
        // A tab sheet: its caption and the device address.
        if (auto* form = qobject_cast<TConfigForm*>(window())) {
            const int tab = form->PageControl->indexOf(holder);
            return form->PageControl->tabText(tab) + ": " + QString::fromStdString(form->DeviceIP);
        }
    }
    return HostForm ? HostForm->windowTitle() : QString();
}

void TSNMPListViewPanel::PrepareAddRows() {
    const int statusRow = ListViewPanel->AddStatusRow;
    for (int i = 0; i < int(EditsPanel->Rows.size()); ++i) {
        UISnmpVar& row = EditsPanel->Rows[std::size_t(i)];
        if (EditsPanel->IsIndexRow(i)) {
            EditsPanel->UnlockRow(i);
            row.CheckBox->setChecked(true);
            row.CheckBox->show();
            row.CheckBox->setEnabled(false);
            row.Control->setEnabled(true);
        } else if (i == statusRow) {
            auto* combo = static_cast<QComboBox*>(row.Control);
            combo->setCurrentIndex(combo->findText(QString::fromLatin1(ListViewPanel->AddStatusText)));
            combo->setEnabled(false);
            row.CheckBox->setEnabled(false);
            row.CheckBox->setChecked(true);
        }
    }
}

void TSNMPListViewPanel::ShowRowDialog(bool add) {
    // One removed RowStatus item: its row and where it stood.
    struct Removed {
        int Row;
        int Position;
        QString Text;
        bool HidRow;
    };
    std::vector<Removed> removed;
    if (add) {
        PrepareAddRows();
    } else {
        WaitUntilIdle();
        if (!Request) return;
        const QList<QTreeWidgetItem*> selected = ListViewPanel->ListView->selectedItems();
        EditingInstance = selected.isEmpty() ? std::string() : TListViewPanel::InstanceOf(selected.front());
        EditsPanel->ApplyRowAccess(false);
        const std::pair<int, std::string> statuses[] = {
            {ListViewPanel->AddStatusRow, ListViewPanel->AddStatusText},
            {ListViewPanel->DeleteStatusRow, ListViewPanel->DeleteStatusText}};
        // The create and destroy values are no choice for an existing row.
        for (const auto& [row, text] : statuses) {
            if (row < 0) continue;
            auto* combo = static_cast<QComboBox*>(EditsPanel->Rows[std::size_t(row)].Control);
            const int position = combo->findText(QString::fromLatin1(text));
            if (position < 0) continue;
            combo->removeItem(position);
            const bool hide = combo->count() == 0;
            if (hide) EditsPanel->HideRow(row);
            removed.push_back({row, position, QString::fromLatin1(text), hide});
        }
    }
    {
        TRowEditDialog dialog(this, PageCaption() + (add ? " (Add)" : " (Edit)"), !add);
        if (add) {
            ListViewPanel->ListView->clearSelection();
            ButtonPanel->EditButton->setEnabled(false);
            ButtonPanel->DeleteButton->setEnabled(false);
        }
        dialog.exec();
    }
    // Back in reverse order, so that every item returns to the place it had.
    for (auto it = removed.rbegin(); it != removed.rend(); ++it) {
        auto* combo = static_cast<QComboBox*>(EditsPanel->Rows[std::size_t(it->Row)].Control);
        if (it->HidRow) EditsPanel->ShowRow(it->Row);
        combo->insertItem(it->Position, it->Text);
    }
    EditingInstance.clear();
    RefreshClick();
}

void TSNMPListViewPanel::AddClick() {
    if (!Request) return;
    Request->Request.Active = 1;
    if (BeforeAdd) BeforeAdd();
    ShowRowDialog(true);
}

void TSNMPListViewPanel::EditClick() {
    if (!Request) return;
    ShowRowDialog(false);
}

void TSNMPListViewPanel::CollectForSet() {
    TSNMPEditorPanel::CollectForSet();
    // The edited row is the one the walk returned, whatever its cells show.
    if (!EditingInstance.empty()) Request->Request.SplitIndex(EditingInstance);
}

void TSNMPListViewPanel::DeleteClick() {
    if (!Request) return;
    const QList<QTreeWidgetItem*> selected = ListViewPanel->ListView->selectedItems();
    if (selected.isEmpty()) return;
    const std::string instance = TListViewPanel::InstanceOf(selected.front());
    if (QMessageBox::question(this, QApplication::applicationDisplayName(), "Are you sure to delete it?",
                              QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    WaitUntilIdle();
    if (!Request) return;
    KySNMPRequest2Edits& binder = *Request;
    KySNMPVarList& list = binder.Request.VarList;
    const std::uint8_t async = binder.Async;
    binder.Async = 0;
    binder.Request.Active = 1;
    const int statusRow = ListViewPanel->DeleteStatusRow;
    std::vector<std::pair<int, int>> leftOut;
    for (int i = list.KeyCount; i < list.GetCount(); ++i) {
        if (i == statusRow) continue;
        leftOut.emplace_back(i, list.GetVar(i).Access);
        list.GetVar(i).Access |= afInvalid;
    }
    try {
        binder.Request.SplitIndex(instance);
        list.GetVar(statusRow).Value = ListViewPanel->DeleteStatusText;
        // Synchronous: a failure is in the binder's box, and the list below is read again either way.
        [[maybe_unused]] const bool deleted = binder.Set(0, 0);
    } catch (const std::exception& error) {
        binder.LastOp = 1;
        binder.ShowStatus(error.what());
    }
    for (const auto& [i, access] : leftOut) list.GetVar(i).Access = access;
    // Still synchronous: the whole table is read again before the page reacts.
    RefreshClick();
    binder.Async = async;
}
