#pragma once
// The main window against the simulator for the administration pages, most of which read synchronously
// and keep no data-complete flag: a page is handed over once every binder it made is idle.
#include "DedicatedPageWindow.h"
#include "PageTestSupport.h"

class AdminPageWindow : public DedicatedPageWindow {
protected:
    template <class Page>
    void withAdminPage(const char* handler, const std::function<void(Page*)>& check) {
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
};
