#pragma once

#include "SNMPEditorPanel.h"

#include <functional>
#include <string>

class QPushButton;
class QTreeWidgetItem;
class TListViewPanel;

// The table page: an editor page whose visible content is the list; its editor rows stay hidden and are
// lent to the Add and Edit dialogs. Rows are created and destroyed through the RowStatus column.
class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT

public:
    TSNMPListViewPanel(QWidget* parent, KySNMPRequest2Edits* request);

    TListViewPanel* ListViewPanel;
    std::function<void()> BeforeAdd;  // empties the editor rows

    // Raise "Wrong AddStatusValue:"/"Wrong DeleteStatusValue:" when the text is no item of that row's
    // combo box (also when the row has none).
    void SetAddStatus(int row, const std::string& text);
    void SetDeleteStatus(int row, const std::string& text);
    // Hides Edit and ends editing by double click.
    void HideEditButton();

    void RefreshClick();
    void AddClick();
    void EditClick();
    void DeleteClick();
    void ListClick(bool onLine);
    void ListDblClick();
    // The hover hint of a line: each column's caption padded with tabs, two blanks and the cell.
    QString LineHint(const QTreeWidgetItem* item) const;

    // The page's caption as the dialogs take it: the host form's, or the tab's with the device address.
    QString PageCaption() const;

protected:
    void CollectForSet() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowRowDialog(bool add);
    void PrepareAddRows();
    void UpdateCount();
    int StatusComboIndex(int row, const std::string& text) const;
    void SetStatus(int row, const std::string& text, const std::string& refusal, int& statusRow,
                   std::string& statusText, QPushButton* button);

    QMetaObject::Connection DoubleClick;
    std::string EditingInstance;  // the row an open Edit dialog writes to
};
