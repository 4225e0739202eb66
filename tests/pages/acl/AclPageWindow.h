#pragma once
// The access control pages through their menu items against the simulator. They read synchronously:
// a page is ready once its binder is idle.
#include "DedicatedPageWindow.h"
#include "MessageBoxes.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

class AclPageWindow : public DedicatedPageWindow {
protected:
    template <class Page>
    void withPage(const char* handler, const std::function<void(Page*)>& check) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<Page*>(modal);
            if (!page) return false;
            if (!waitUntil([&] { return page->MainBinder() && !page->MainBinder()->Busy; }))
                ADD_FAILURE() << "the first read did not end";
            seen = true;
            check(page);
            page->reject();
            return true;
        });
        form->RunMenuHandler(handler);
        EXPECT_TRUE(seen) << handler;
    }

    // The SETs under the table's entry since the log was cleared, and the message boxes the click showed.
    std::vector<std::vector<std::string>> click(QPushButton* button, const std::string& entry, QStringList* texts = nullptr) {
        sim->clearLog();
        MessageBoxes boxes;
        button->click();
        if (texts) *texts = boxes.Texts;
        return setsUnder(sim->log(), entry);
    }
};

// Selects the row whose first cells are the keys (none: clears the selection).
inline void selectRow(QTreeWidget* list, const std::vector<QString>& keys) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        bool same = !keys.empty();
        for (std::size_t k = 0; k < keys.size() && same; ++k) same = row->text(int(k)) == keys[k];
        if (same) {
            list->setCurrentItem(row);
            return;
        }
    }
    list->setCurrentItem(nullptr);
}

// Chooses a combo's option as a user does, so its change handler runs.
inline void choose(QComboBox* combo, const QString& text) {
    combo->setCurrentText(text);
    emit combo->activated(combo->currentIndex());
}
