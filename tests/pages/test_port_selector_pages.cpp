// Every dedicated page with a port selector, opened at its own size: each unit's ports in sight
// without a scroll bar.
#include "DedicatedPageWindow.h"
#include "PortSelectorView.h"

#include <QStackedWidget>

namespace {

class PortSelectorPages : public DedicatedPageWindow {};

TEST_F(PortSelectorPages, EveryShownPortIsInSightWithoutAScrollBar) {
    struct Case {
        const char* name;
        const char* data;
        const char* model;  // unit 1's, or null for the file's own
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"stack of three units", "menus-stack.txt", nullptr, {2, 4, 1}},
        {"standalone 48-port switch", "menus.txt", "TRV-5248", {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useData(c.data);
        if (c.model) sim->setValue("1.3.6.1.4.1.32473.12.11.1.9.4.1.9.1", std::string("STRING \"") + c.model + "\"");
        ASSERT_TRUE(open());
        int pagesWithSelector = 0;
        for (const std::string& className : RegisteredDialogClasses()) {
            SCOPED_TRACE(className);
            whenModal([&](QWidget* modal) {
                if (qobject_cast<QMessageBox*>(modal)) return false;
                // A page closes only once its first read is in.
                if (auto* page = qobject_cast<TDedicatedPage*>(modal))
                    if (!waitUntil([&] { return !page->Reading() && !(page->MainBinder() && page->MainBinder()->Busy); }))
                        ADD_FAILURE() << "the first read did not end";
                const auto selectors = modal->findChildren<TStackingPortUitForm*>();
                pagesWithSelector += !selectors.isEmpty();
                for (TStackingPortUitForm* selector : selectors) {
                    // The selector shows when its own tab of the page is the current one.
                    for (QWidget* w = selector; w && w != modal; w = w->parentWidget())
                        if (auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget())) stack->setCurrentWidget(w);
                    if (!selector->isVisible()) continue;  // a page that shows it only for some rows
                    std::vector<int> rows;
                    for (const TUnitView& view : unitViews(*selector)) {
                        rows.push_back(view.Rows);
                        EXPECT_EQ(view.CutPorts, std::vector<int>{}) << "ports out of sight";
                        EXPECT_FALSE(view.ScrollBar);
                    }
                    EXPECT_EQ(rows, c.rows);
                }
                qobject_cast<QDialog*>(modal)->reject();
                return true;
            });
            OpenMenuDialog(*form, {"", className.c_str(), TDialogOwner::MainWindow, nullptr});
        }
        EXPECT_GT(pagesWithSelector, 25);
        form.reset();
    }
}

}  // namespace
