// The two 802.1X statistics viewers, reached through their (hidden) menu items' handlers.
#include "AdminPageWindow.h"
#include "DiagnosticsInformationFormUnit.h"
#include "MacStatisticTableFormUnit.h"

namespace {

class Dot1xStatisticsTest : public AdminPageWindow {};

TEST_F(Dot1xStatisticsTest, BothViewersListEverySupplicantsCountersAndRefresh) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* caption;
        int columns;
        const char* lastHeader;
    };
    const Case cases[] = {
        {"DiagnosticsInformation1Click", "Diagnostics Information: 127.0.0.1", 20, "Backend Authentication Fails"},
        {"StatisticTable1Click", "MAC Statistic: 127.0.0.1", 14, "LastEapol Frame Source"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withAdminPage<TDot1xStatisticsPage>(c.handler, [&](TDot1xStatisticsPage* page) {
            EXPECT_EQ(page->windowTitle(), c.caption);
            EXPECT_EQ(page->ListView1->columnCount(), c.columns);
            EXPECT_EQ(page->ListView1->headerItem()->text(c.columns - 1), c.lastHeader);
            const int rows = page->ListView1->topLevelItemCount();
            EXPECT_GT(rows, 0);
            EXPECT_EQ(page->RowCounter->text(), QString::number(rows));
            EXPECT_FALSE(page->ListView1->topLevelItem(0)->text(0).isEmpty());
            sim->clearLog();
            page->RefreshButton->click();
            EXPECT_FALSE(ofKind(sim->log(), "GETNEXT").empty() && ofKind(sim->log(), "GETBULK").empty());
            EXPECT_EQ(page->ListView1->topLevelItemCount(), rows);
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        });
    }
}

}  // namespace
