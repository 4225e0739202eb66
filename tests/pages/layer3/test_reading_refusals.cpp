// The guarded layer-3 pages while their read runs: every write and the close are refused and nothing is
// sent; Stop ends the read. The DNS relay page instead stops its read and then deletes.
#include "DNSCtrlFormUnit.h"
#include "IpStaticRouteUnit.h"
#include "Layer3PageWindow.h"

namespace {

class ReadingRefusalsTest : public Layer3PageWindow {};

TEST_F(ReadingRefusalsTest, GuardedPagesRefuseWritesAndTheirCloseWhileReading) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        std::string table;
    };
    const Case cases[] = {
        {"IPStaticRoutingtable1Click", "1.3.6.1.4.1.32473.11.70.1.3.2.5.1"},
        {"DHCPServerPoolTable1Click", "1.3.6.1.4.1.32473.12.38.3.2.1.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withPage<TDedicatedPage>(c.handler, [&](TDedicatedPage* page) {
            auto* list = page->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
            const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = c.table, .delayMs = 300});
            page->RefreshButton->click();
            ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() > 0; }));
            ASSERT_TRUE(page->Reading());
            sim->clearLog();
            std::vector<QPushButton*> buttons{page->AddButton, page->DeleteButton};
            if (page->SetButton) buttons.push_back(page->SetButton);
            if (auto* defaultRoute = page->findChild<QPushButton*>(QStringLiteral("btnDefaultRoute")))
                buttons.push_back(defaultRoute);
            for (QPushButton* button : buttons) {
                SCOPED_TRACE(button->text().toStdString());
                list->setCurrentItem(list->topLevelItem(0));
                MessageBoxes boxes;
                button->setEnabled(true);
                button->click();
                EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
            }
            MessageBoxes boxes;
            page->reject();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
            page->StopButton ? page->StopButton->click() : page->StopClick();
            sim->removeFault(fault);
            ASSERT_TRUE(waitUntil([&] { return pageIdle(page); }));
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        });
    }
}

TEST_F(ReadingRefusalsTest, DnsDeleteStopsTheRunningReadAndThenDeletes) {
    ASSERT_TRUE(open());
    const std::string entry = "1.3.6.1.4.1.32473.11.70.1.3.3.2.6.1";
    withPage<TDNSCtrlForm>("DNSCtrlTable1Click", [&](TDNSCtrlForm* page) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = entry, .delayMs = 200});
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return page->ListView1->topLevelItemCount() > 0; }));
        ASSERT_TRUE(page->Binder->Busy);
        page->ListView1->setCurrentItem(page->ListView1->topLevelItem(0));
        const std::string name = page->ListView1->topLevelItem(0)->text(0).toStdString();
        const std::string address = page->ListView1->topLevelItem(0)->text(1).toStdString();
        sim->clearLog();
        page->DeleteButton->click();
        sim->removeFault(fault);
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && !ofKind(sim->log(), "SET").empty(); }));
        EXPECT_EQ(setsUnder(sim->log(), entry + "."),
                  (std::vector<std::vector<std::string>>{{"3." + textIndex(name) + "." + address + "=2"}}));
    });
}

}  // namespace
