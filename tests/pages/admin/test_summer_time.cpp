// The summer time page through its menu item against the simulator: the rule rows bound to the octets
// of their strings, the status read and written before the rest, and every refusal before any SET.
#include "AdminPageWindow.h"
#include "EditsPanel.h"
#include "SNMPEditorPanel.h"
#include "SummerTime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Summer = "1.3.6.1.4.1.32473.12.10.12.";

class SummerTimeTest : public AdminPageWindow {
protected:
    void withSummerTime(const std::function<void(TSummerTimeForm*)>& check) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<TSummerTimeForm*>(modal);
            if (!page) return false;
            seen = true;
            check(page);
            page->reject();
            return true;
        });
        form->RunMenuHandler("SummerTime1Click");
        EXPECT_TRUE(seen);
    }
};

TEditsPanel* rowsOf(TSummerTimeForm* page) { return page->SummerTimePanel->EditsPanel; }
QComboBox* statusOf(TSummerTimeForm* page) { return static_cast<QComboBox*>(rowsOf(page)->Rows[0].Control); }
QLineEdit* offsetOf(TSummerTimeForm* page) { return static_cast<QLineEdit*>(rowsOf(page)->Rows[1].Control); }
QCheckBox* checkOf(TSummerTimeForm* page, int row) { return rowsOf(page)->Rows[std::size_t(row)].CheckBox; }
QPushButton* setButtonOf(TSummerTimeForm* page) { return page->SummerTimePanel->ButtonPanel->SetButton; }

// Types a composite row: combo boxes take their item's text, edits the text itself.
void fillRow(TSummerTimeForm* page, int row, const QStringList& texts) {
    const TCtrlsList& parts = page->SummerTimeRowControls[std::size_t(row - 2)];
    for (int i = 0; i < texts.size(); ++i) {
        QWidget* part = parts[i + 1];
        if (auto* combo = qobject_cast<QComboBox*>(part)) combo->setCurrentIndex(combo->findText(texts[i]));
        else static_cast<QLineEdit*>(part)->setText(texts[i]);
    }
}

QStringList rowTexts(TSummerTimeForm* page, int row) {
    QStringList texts;
    for (QWidget* part : page->SummerTimeRowControls[std::size_t(row - 2)].mid(1)) {
        if (auto* combo = qobject_cast<QComboBox*>(part)) texts << combo->currentText();
        else texts << static_cast<QLineEdit*>(part)->text();
    }
    return texts;
}

void chooseStatus(TSummerTimeForm* page, const QString& status) {
    statusOf(page)->setCurrentText(status);
    page->ShowRowsForStatus();
}

TEST_F(SummerTimeTest, ReadsTheStatusFirstAndThenOnlyTheRuleInForce) {
    ASSERT_TRUE(open());
    sim->clearLog();
    withSummerTime([&](TSummerTimeForm* page) {
        EXPECT_EQ(page->windowTitle(), "Summer Time: 127.0.0.1");
        EXPECT_EQ(statusOf(page)->currentText(), "repeating");
        EXPECT_EQ(offsetOf(page)->text(), "60");
        // Months first on the screen, though the week is the first octet.
        EXPECT_EQ(rowTexts(page, 2), (QStringList{"Mar", "last", "Sun", "2", "0"}));
        EXPECT_EQ(rowTexts(page, 3), (QStringList{"Oct", "last", "Sun", "3", "0"}));
        EXPECT_FALSE(rowsOf(page)->Rows[2].Control->isHidden());
        EXPECT_TRUE(rowsOf(page)->Rows[4].Control->isHidden());
        EXPECT_TRUE(rowsOf(page)->Rows[5].Control->isHidden());
        const auto gets = ofKind(sim->log(), "GET");
        std::vector<std::vector<std::string>> read;
        for (const auto& get : gets) {
            std::vector<std::string> oids;
            for (const auto& b : get.bindings) oids.push_back(b.oid.substr(Summer.size()));
            read.push_back(oids);
        }
        EXPECT_EQ(read, (std::vector<std::vector<std::string>>{{"1.0"}, {"1.0", "2.0", "3.0", "4.0"}}));

        // Another status shows its own rows, unread, and leaves the others out.
        sim->clearLog();
        statusOf(page)->setCurrentText("annual");
        emit statusOf(page)->activated(2);
        EXPECT_TRUE(rowsOf(page)->Rows[2].Control->isHidden());
        EXPECT_FALSE(rowsOf(page)->Rows[4].Control->isHidden());
        EXPECT_TRUE(sim->log().empty());
    });
}

TEST_F(SummerTimeTest, RulesAreWrittenAsTheirOctetsAfterTheStatus) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* status;
        int startRow;
        QStringList start, end;
        const char* offset;
        std::vector<std::vector<std::string>> sets;
    };
    const Case cases[] = {
        {"last Saturday of April to the first Sunday of November",
         "repeating", 2, {"Apr", "last", "Sat", "1", "30"}, {"Nov", "1st", "Sun", "23", "59"}, "120",
         {{"1.0=1"}, {"2.0=120", "3.0=0xff000704011e", "4.0=0x0100010b173b"}}},
        {"second Wednesday of January to the fourth Friday of December",
         "repeating", 2, {"Jan", "2nd", "Wed", "0", "0"}, {"Dec", "4th", "Fri", "12", "5"}, "30",
         {{"1.0=1"}, {"2.0=30", "3.0=0x020004010000", "4.0=0x0400060c0c05"}}},
        {"28 February to 31 December", "annual", 4, {"28", "Feb", "2", "0"}, {"31", "Dec", "23", "45"}, "90",
         {{"1.0=2"}, {"2.0=90", "5.0=0x1c020200", "6.0=0x1f0c172d"}}},
        {"1 June to 30 September", "annual", 4, {"1", "Jun", "0", "15"}, {"30", "Sep", "6", "0"}, "60",
         {{"1.0=2"}, {"2.0=60", "5.0=0x0106000f", "6.0=0x1e090600"}}},
    };
    withSummerTime([&](TSummerTimeForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            chooseStatus(page, c.status);
            page->SummerTimePanel->CheckAllClick();
            offsetOf(page)->setText(c.offset);
            fillRow(page, c.startRow, c.start);
            fillRow(page, c.startRow + 1, c.end);
            sim->clearLog();
            setButtonOf(page)->click();
            EXPECT_EQ(setsUnder(sim->log(), Summer), c.sets);
            const std::string endOctets = c.sets[1][2].substr(4);
            EXPECT_EQ(sim->value(Summer + std::to_string(c.startRow + 2) + ".0"), std::optional<std::string>("STRING " + endOctets));
            EXPECT_TRUE(ofKind(sim->log(), "GET").empty()) << "nothing is read back";
        }
        // Only the rows checked travel; "disable" sends its status and the offset alone.
        chooseStatus(page, "disable");
        page->SummerTimePanel->ClearChecksClick();
        checkOf(page, 0)->setChecked(true);
        checkOf(page, 1)->setChecked(true);
        sim->clearLog();
        setButtonOf(page)->click();
        EXPECT_EQ(setsUnder(sim->log(), Summer), (std::vector<std::vector<std::string>>{{"1.0=0"}, {"2.0=60"}}));
        checkOf(page, 0)->setChecked(false);
        sim->clearLog();
        setButtonOf(page)->click();
        EXPECT_EQ(setsUnder(sim->log(), Summer), (std::vector<std::vector<std::string>>{{"2.0=60"}}));
    });
}

TEST_F(SummerTimeTest, EveryRefusalComesBeforeTheFirstSet) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* status;
        const char* offset;
        QStringList start, end;
        const char* text;
    };
    const Case cases[] = {
        {"offset 45", "repeating", "45", {"Mar", "last", "Sun", "2", "0"}, {"Oct", "last", "Sun", "3", "0"},
         "Summer Time Offset must chosed from {30, 60, 90, 120}."},
        {"an empty offset", "repeating", "", {"Mar", "last", "Sun", "2", "0"}, {"Oct", "last", "Sun", "3", "0"},
         "Some items are empty!"},
        {"the same month", "repeating", "60", {"Mar", "last", "Sun", "2", "0"}, {"Mar", "1st", "Sun", "3", "0"},
         "From month and To month should not be the same."},
        {"hour 24", "repeating", "60", {"Mar", "last", "Sun", "24", "0"}, {"Oct", "last", "Sun", "3", "0"}, "Time error."},
        {"minute 60", "repeating", "60", {"Mar", "last", "Sun", "2", "0"}, {"Oct", "last", "Sun", "3", "60"}, "Time error."},
        {"no weekday", "repeating", "60", {"Mar", "last", "", "2", "0"}, {"Oct", "last", "Sun", "3", "0"}, "Time error."},
        {"30 February", "annual", "60", {"30", "Feb", "2", "0"}, {"25", "Oct", "3", "0"}, "Time error."},
        {"29 February", "annual", "60", {"29", "Feb", "2", "0"}, {"25", "Oct", "3", "0"}, "Time error."},
        {"31 April", "annual", "60", {"29", "Mar", "2", "0"}, {"31", "Apr", "3", "0"}, "Time error."},
        {"day 0", "annual", "60", {"0", "Mar", "2", "0"}, {"25", "Oct", "3", "0"}, "Time error."},
        {"no day", "annual", "60", {"", "Mar", "2", "0"}, {"25", "Oct", "3", "0"}, "Time error."},
        {"the same month, annual", "annual", "60", {"1", "Oct", "2", "0"}, {"25", "Oct", "3", "0"},
         "From month and To month should not be the same."},
    };
    withSummerTime([&](TSummerTimeForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            chooseStatus(page, c.status);
            page->SummerTimePanel->CheckAllClick();
            offsetOf(page)->setText(c.offset);
            const int startRow = QString(c.status) == "annual" ? 4 : 2;
            fillRow(page, startRow, c.start);
            fillRow(page, startRow + 1, c.end);
            sim->clearLog();
            MessageBoxes boxes;
            setButtonOf(page)->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        // One row of a rule alone may share the other's month.
        chooseStatus(page, "repeating");
        page->SummerTimePanel->ClearChecksClick();
        checkOf(page, 2)->setChecked(true);
        fillRow(page, 2, {"Oct", "last", "Sun", "2", "0"});
        fillRow(page, 3, {"Oct", "last", "Sun", "3", "0"});
        sim->clearLog();
        MessageBoxes boxes;
        setButtonOf(page)->click();
        EXPECT_TRUE(boxes.Texts.isEmpty());
        EXPECT_EQ(setsUnder(sim->log(), Summer), (std::vector<std::vector<std::string>>{{"3.0=0xff00010a0200"}}));
    });
}

TEST(SummerTimeDays, DayFitsMonthFromOneToTheMonthsLength) {
    const std::tuple<int, int, bool> cases[] = {{1, 0, true},   {31, 0, true},  {32, 0, false}, {0, 0, false},
                                                {28, 1, true},  {29, 1, false}, {30, 3, true},  {31, 3, false},
                                                {31, 11, true}, {1, -1, false}, {1, 12, false}};
    for (const auto& [day, month, fits] : cases)
        EXPECT_EQ(TSummerTimeForm::DayFitsMonth(day, month), fits) << day << " of month " << month;
}

}  // namespace
