#pragma once
// The layer-2 pages through their menu items: pages without an end-of-read flag are ready once their
// main binder is idle.
#include "DedicatedPageWindow.h"

#include <QTreeWidget>

// The objects each SET in the log wrote under the prefix, without their values.
inline std::vector<std::vector<std::string>> objectsSet(const std::vector<trvtest::LogEntry>& log,
                                                        const std::string& prefix) {
    std::vector<std::vector<std::string>> sets;
    for (const auto& set : setsUnder(log, prefix)) {
        std::vector<std::string> names;
        for (const std::string& binding : set) names.push_back(binding.substr(0, binding.find('=')));
        sets.push_back(names);
    }
    return sets;
}

class Layer2PageWindow : public DedicatedPageWindow {
protected:
    template <class Page>
    void withReadPage(const char* handler, const std::function<void(Page*)>& check) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<Page*>(modal);
            if (!page) return false;
            if (!waitUntil([&] { return idle(page); })) ADD_FAILURE() << "the first read did not end";
            seen = true;
            check(page);
            page->reject();
            return true;
        });
        form->RunMenuHandler(handler);
        EXPECT_TRUE(seen) << handler;
    }

    static bool idle(TDedicatedPage* page) { return page->MainBinder() && !page->MainBinder()->Busy && !page->Reading(); }

    bool waitIdle(TDedicatedPage* page) { return waitUntil([&] { return idle(page); }); }

    static void select(QTreeWidget* list, const char* key) { list->setCurrentItem(rowWithKey(list, key)); }
};
