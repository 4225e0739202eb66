#pragma once

#include <QStringList>
#include <QTreeWidget>

// The first row whose leading cells hold exactly these texts, or null: the pages' duplicate-key test.
inline QTreeWidgetItem* findRow(const QTreeWidget* list, const QStringList& cells) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        bool same = true;
        for (int c = 0; c < cells.size() && same; ++c) same = row->text(c) == cells[c];
        if (same) return row;
    }
    return nullptr;
}
