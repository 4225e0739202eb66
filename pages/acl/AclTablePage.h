#pragma once

#include "DedicatedPage.h"

// The base of the access control table pages: the list their main binder fills, and the writes that
// create or destroy a row by its status.
class TAclTablePage : public TDedicatedPage {
    Q_OBJECT

public:
    using TDedicatedPage::TDedicatedPage;

protected:
    // The main binder of the table, read at once into the list, keyed by the key edits.
    KySNMPRequest2Edits* CreateTableBinder(QTreeWidget* list, const KySNMPVarDesc* table, std::vector<QWidget*> keys,
                                           const std::function<void(KySNMPRequest2Edits&)>& bind);
    // Shows an input error and moves the focus to the control while it is enabled; false.
    bool Refuse(const QString& text, QWidget* control);
    // A new row of every column but the excluded ones, its status "createAndGo".
    void AddRow(const std::vector<int>& excluded, int rowStatusColumn);
    // The selected row's "destroy" alone, unless the write is refused.
    void DeleteRow(int rowStatusColumn);
};
