#pragma once
// The main window against the simulator with every dedicated page registered: a page opens through its
// menu item as a user reaches it, and the test works on it while its modal loop runs.
#include "DedicatedPage.h"
#include "DedicatedPages.h"
#include "MenuWindow.h"

#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

// The bindings of the SETs in the log, as "OID-suffix=value" after the prefix, one list per SET.
inline std::vector<std::vector<std::string>> setsUnder(const std::vector<trvtest::LogEntry>& log,
                                                       const std::string& prefix) {
    std::vector<std::vector<std::string>> sets;
    for (const auto& entry : ofKind(log, "SET")) {
        std::vector<std::string> bindings;
        for (const auto& b : entry.bindings)
            bindings.push_back((b.oid.starts_with(prefix) ? b.oid.substr(prefix.size()) : b.oid) + "=" + b.value);
        sets.push_back(bindings);
    }
    return sets;
}

// The row of the list whose first cell holds the text.
inline QTreeWidgetItem* rowWithKey(QTreeWidget* list, const QString& key) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == key) return list->topLevelItem(i);
    return nullptr;
}

class DedicatedPageWindow : public MenuWindow {
protected:
    void SetUp() override {
        MenuWindow::SetUp();
        static const bool registered = (RegisterDedicatedPages(), true);
        (void)registered;
    }

    // Serves another data file (before open()).
    void useData(const std::string& file) { sim = std::make_unique<trvtest::SimAgent>(file); }

    // Opens the item's page, waits until its reads are in and gives it to `check`, then closes it.
    template <class Page>
    void withDialog(const char* handler, const std::function<void(Page*)>& check) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<Page*>(modal);
            if (!page) return false;
            if (!waitUntil([&] { return page->DataComplete == 1 && page->MainBinder() && !page->MainBinder()->Busy; }))
                ADD_FAILURE() << "the first read did not end";
            seen = true;
            check(page);
            page->reject();
            return true;
        });
        form->RunMenuHandler(handler);
        EXPECT_TRUE(seen) << handler;
    }
};
