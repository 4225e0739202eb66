#pragma once
// The layer-3 pages through their menu items: a page is handed over once its first read is in, its
// dialogs are worked while they are shown, and the SETs are read back from the simulator's log.
#include "DedicatedPageWindow.h"

#include <QAbstractButton>
#include <QTimer>

#include <string>

// A text index as the instance carries it: the length, then one sub-identifier per character.
inline std::string textIndex(const std::string& text) {
    std::string index = std::to_string(text.size());
    for (unsigned char c : text) index += "." + std::to_string(c);
    return index;
}

// Whether the page's reads and writes are all over.
inline bool pageIdle(TDedicatedPage* page) {
    return !page->Reading() && page->MainBinder() && !page->MainBinder()->Busy;
}

class Layer3PageWindow : public DedicatedPageWindow {
protected:
    // Opens the item's page, waits for its first read and gives it to `check`, then closes it.
    template <class Page>
    void withPage(const char* handler, const std::function<void(Page*)>& check) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<Page*>(modal);
            if (!page) return false;
            if (!waitUntil([&] { return pageIdle(page); })) ADD_FAILURE() << "the first read did not end";
            seen = true;
            check(page);
            waitUntil([&] { return pageIdle(page); });
            page->reject();
            return true;
        });
        form->RunMenuHandler(handler);
        EXPECT_TRUE(seen) << handler;
    }

    // Clicks the opener and, once the dialog shows, runs `act` in it; a dialog still open afterwards is
    // closed without sending.
    static void inDialog(QDialog* dialog, QAbstractButton* opener, const std::function<void()>& act) {
        bool ran = false;
        QTimer::singleShot(0, dialog, [&] {
            if (!waitUntil([&] { return dialog->isVisible(); })) return;
            act();
            ran = true;
            if (dialog->isVisible()) dialog->reject();
        });
        opener->click();
        EXPECT_TRUE(ran) << "the dialog did not show";
    }
};
