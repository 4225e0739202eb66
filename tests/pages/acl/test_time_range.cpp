// "Time Range" through its menu item against the simulator: an asynchronous, guarded page.
#include "AclPageWindow.h"
#include "TimeRangeFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.50.3.1.1.";
const std::string NewName = "5.108.97.98.45.97";               // "lab-a"
const std::string NightBackup = "12.110.105.103.104.116.45.98.97.99.107.117.112";  // "night-backup"

// A text as the request log shows an octet string.
std::string logged(const std::string& text) {
    static const char* digits = "0123456789abcdef";
    std::string hex = "0x";
    for (unsigned char c : text) hex += {digits[c >> 4], digits[c & 15]};
    return hex;
}

class TimeRangePageTest : public AclPageWindow {
protected:
    void withTimeRangePage(const std::function<void(TTimeRangeForm*)>& check) {
        withDialog<TTimeRangeForm>("TimeRange1Click", check);
    }
    // A click's SETs once the read it started has ended, and the messages it showed.
    std::vector<std::vector<std::string>> clickAndWait(TTimeRangeForm* page, QPushButton* button, QStringList* texts = nullptr) {
        sim->clearLog();
        MessageBoxes boxes;
        button->click();
        EXPECT_TRUE(waitUntil([&] { return page->DataComplete == 1 && !page->Binder->Busy; }));
        if (texts) *texts = boxes.Texts;
        return setsUnder(sim->log(), Entry);
    }
};

void checkDays(TTimeRangeForm* page, const std::vector<QCheckBox*>& days) {
    for (QCheckBox* box : {page->CheckBox1, page->CheckBox2, page->CheckBox3, page->CheckBox4, page->CheckBox5,
                           page->CheckBox6, page->CheckBox7})
        box->setChecked(std::find(days.begin(), days.end(), box) != days.end());
}

TEST_F(TimeRangePageTest, AddSendsTheDaysOctetWithSundayHighestAndDeleteSendsDestroy) {
    ASSERT_TRUE(open());
    withTimeRangePage([&](TTimeRangeForm* page) {
        EXPECT_EQ(page->windowTitle(), "Time Range: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        struct Case {
            const char* name;
            std::vector<QCheckBox*> days;
            const char* octet;
        };
        const Case cases[] = {
            {"Saturday and Sunday", {page->CheckBox6, page->CheckBox7}, "0x82"},
            {"Monday to Friday", {page->CheckBox1, page->CheckBox2, page->CheckBox3, page->CheckBox4, page->CheckBox5}, "0x7c"},
            {"Sunday alone", {page->CheckBox7}, "0x80"},
            {"the whole week", {page->CheckBox1, page->CheckBox2, page->CheckBox3, page->CheckBox4, page->CheckBox5,
                                page->CheckBox6, page->CheckBox7}, "0xfe"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->edtName->setText("lab-a");
            checkDays(page, c.days);
            page->edtStart->setText("09:30:00");
            page->edtEnd->setText("17:00:00");
            const std::vector<std::string> sent{"2." + NewName + "=" + c.octet, "3." + NewName + "=" + logged("09:30:00"),
                                                "4." + NewName + "=" + logged("17:00:00"), "5." + NewName + "=4"};
            EXPECT_EQ(clickAndWait(page, page->AddButton), (std::vector<std::vector<std::string>>{sent}));
            EXPECT_EQ(sim->value(Entry + "2." + NewName), std::string("STRING ") + c.octet);
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);

            selectRow(page->ListView1, {"lab-a"});
            EXPECT_FALSE(page->edtName->isEnabled());
            const auto deleted = clickAndWait(page, page->DeleteButton);
            ASSERT_EQ(deleted.size(), 1u);
            EXPECT_EQ(deleted[0].back(), "5." + NewName + "=6");
            EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
            EXPECT_TRUE(page->edtName->isEnabled());
        }
    });
}

TEST_F(TimeRangePageTest, AddKeepsTheInputsWhetherItWasSentRefusedOrFailed) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        bool busy;           // a read still runs: "Get data not complete"
        bool agentRefuses;   // the SET is answered with an error status
        const char* message; // the one message box, or none
        bool created;
    };
    const Case cases[] = {
        {"sent", false, false, nullptr, true},
        {"refused while a read runs", true, false, "Get data not complete", false},
        {"failed at the agent", false, true, "", false},
    };
    withTimeRangePage([&](TTimeRangeForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->edtName->setText("lab-a");
            checkDays(page, {page->CheckBox2, page->CheckBox4});
            page->edtStart->setText("06:00:00");
            page->edtEnd->setText("07:30:00");
            int delay = -1;
            if (c.busy) {
                delay = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Entry.substr(0, Entry.size() - 1), .delayMs = 300});
                page->RefreshButton->click();
                // Refresh empties the editor; the user fills it in again while the rows come in.
                page->edtName->setText("lab-a");
                checkDays(page, {page->CheckBox2, page->CheckBox4});
                page->edtStart->setText("06:00:00");
                page->edtEnd->setText("07:30:00");
            }
            // Once: the re-read after it is answered.
            if (c.agentRefuses) sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Entry + "2", .count = 1});
            sim->clearLog();
            MessageBoxes boxes;
            page->AddButton->click();
            if (delay >= 0) sim->removeFault(delay);
            EXPECT_TRUE(waitUntil([&] { return page->DataComplete == 1 && !page->Binder->Busy; }));
            if (c.message) {
                ASSERT_EQ(boxes.Texts.size(), 1) << boxes.Texts.join("|").toStdString();
                if (*c.message) {
                    EXPECT_EQ(boxes.Texts[0], c.message);
                }
            } else {
                EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join("|").toStdString();
            }
            if (c.busy) {
                EXPECT_TRUE(setsUnder(sim->log(), Entry).empty()) << "nothing sent";
            }
            EXPECT_EQ(sim->value(Entry + "5." + NewName).has_value(), c.created);
            if (!c.created) {
                EXPECT_FALSE(page->StatusPanel()->text().startsWith("Set: Ok!"));
            }
            EXPECT_EQ(page->edtName->text(), "lab-a") << "Add keeps the inputs";
            EXPECT_EQ(page->edtStart->text(), "06:00:00");
            EXPECT_EQ(page->edtEnd->text(), "07:30:00");
            EXPECT_TRUE(page->CheckBox2->isChecked());
            EXPECT_TRUE(page->CheckBox4->isChecked());
            EXPECT_FALSE(page->CheckBox1->isChecked());
            if (c.created) {
                selectRow(page->ListView1, {"lab-a"});
                clickAndWait(page, page->DeleteButton);
            }
        }
    });
}

TEST_F(TimeRangePageTest, EditKeepsTheHiddenLowestBitAndSendsActive) {
    ASSERT_TRUE(open());
    withTimeRangePage([&](TTimeRangeForm* page) {
        selectRow(page->ListView1, {"night-backup"});
        EXPECT_TRUE(page->CheckBox8->isChecked()) << "the lowest bit as read";
        EXPECT_TRUE(page->CheckBox1->isChecked());
        EXPECT_FALSE(page->CheckBox7->isChecked());
        page->CheckBox1->setChecked(false);
        page->edtEnd->setText("23:00:00");
        const std::vector<std::string> sent{"2." + NightBackup + "=0x3d", "3." + NightBackup + "=" + logged("22:00:00"),
                                            "4." + NightBackup + "=" + logged("23:00:00"), "5." + NightBackup + "=1"};
        EXPECT_EQ(clickAndWait(page, page->SetButton), (std::vector<std::vector<std::string>>{sent}));
        EXPECT_TRUE(page->edtStart->text().isEmpty()) << "the editor is reset";
        EXPECT_FALSE(page->CheckBox8->isChecked()) << "nor does a new profile inherit the bit";
        EXPECT_FALSE(page->SetButton->isEnabled());
    });
}

TEST_F(TimeRangePageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        bool day;
        const char* start;
        const char* end;
        const char* text;
    };
    const Case cases[] = {
        {"", true, "08:00:00", "12:00:00", "Please input the time range name"},
        {"lab-b", false, "08:00:00", "12:00:00", "Please select the weekdays"},
        {"lab-b", true, "", "12:00:00", "Please select the daily start time"},
        {"lab-b", true, "08:00:00", "", "Please select the daily end time"},
    };
    withTimeRangePage([&](TTimeRangeForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            page->edtName->setText(c.name);
            checkDays(page, c.day ? std::vector<QCheckBox*>{page->CheckBox3} : std::vector<QCheckBox*>{});
            page->edtStart->setText(c.start);
            page->edtEnd->setText(c.end);
            QStringList texts;
            EXPECT_TRUE(clickAndWait(page, page->AddButton, &texts).empty());
            EXPECT_EQ(texts, QStringList{c.text});
        }
    });
}

TEST_F(TimeRangePageTest, WhileReadingActionsAndTheCloseAreRefusedUntilStopEndsTheRead) {
    ASSERT_TRUE(open());
    withTimeRangePage([&](TTimeRangeForm* page) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Entry.substr(0, Entry.size() - 1), .delayMs = 300});
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return page->ListView1->topLevelItemCount() > 0; }));
        page->ListView1->setCurrentItem(page->ListView1->topLevelItem(0));
        sim->clearLog();
        for (QPushButton* button : {page->AddButton, page->SetButton, page->DeleteButton}) {
            MessageBoxes boxes;
            button->setEnabled(true);
            button->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        }
        {
            MessageBoxes boxes;
            page->reject();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
            EXPECT_TRUE(page->isVisible());
        }
        page->StopButton->click();
        sim->removeFault(fault);
        ASSERT_TRUE(waitUntil([&] { return page->DataComplete == 1 && !page->Binder->Busy; }));
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

}  // namespace
