#pragma once
// The access control pages through their menu items against the simulator. They read synchronously:
// a page is ready once its binder is idle.
#include "DedicatedPageWindow.h"
#include "MessageBoxes.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using Sets = std::vector<std::vector<std::string>>;

// An input the page refuses: what the case fills in, and the message it shows.
template <class Page>
struct RefusalCase {
    const char* name;
    std::function<void(Page*)> fill;
    const char* text;
};

// Selects the row whose first cells are the keys (none: clears the selection).
inline void selectRow(QTreeWidget* list, const std::vector<QString>& keys);

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

    // A refused click: it shows the text alone and sends nothing.
    void expectRefused(QPushButton* button, const std::string& entry, const QString& text) {
        QStringList texts;
        EXPECT_TRUE(click(button, entry, &texts).empty());
        EXPECT_EQ(texts, QStringList{text});
    }

    // The one SET a click sends, showing no message box; nothing when it sends another number of SETs.
    std::vector<std::string> clickForOneSet(QPushButton* button, const std::string& entry) {
        QStringList texts;
        const Sets sets = click(button, entry, &texts);
        EXPECT_TRUE(texts.isEmpty()) << texts.join('|').toStdString();
        EXPECT_EQ(sets.size(), 1u);
        return sets.size() == 1 ? sets[0] : std::vector<std::string>{};
    }

    // Delete of the listed row sends its status alone ("destroy"), and the row leaves the list and the agent.
    template <class Page>
    void deleteRow(Page* page, const std::vector<QString>& keys, const std::string& entry, const std::string& status,
                   int rowsLeft) {
        selectRow(page->ListView1, keys);
        EXPECT_EQ(click(page->DeleteButton, entry), (Sets{{status + "=6"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), rowsLeft);
        EXPECT_FALSE(sim->value(entry + status).has_value());
    }
};

// The bindings of one SET but the column's (a port list, checked apart), which goes to `taken`.
inline std::vector<std::string> withoutColumn(std::vector<std::string> set, int column, std::string* taken = nullptr) {
    const std::string prefix = std::to_string(column) + ".";
    std::erase_if(set, [&](const std::string& binding) {
        if (!binding.starts_with(prefix)) return false;
        if (taken) *taken = binding;
        return true;
    });
    return set;
}

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
