// The EtherLike, CoS bandwidth, storm control, traffic segmentation and 802.1p pages through their menu
// items against the simulator.
#include "COSBrandctrltable.h"
#include "Dot3CounterPage.h"
#include "KyRadioGroup.h"
#include "Layer2PageWindow.h"
#include "PBridgeConfigFormUnit.h"
#include "PacketStormControlFormUnit.h"
#include "StackingPortUitForm.h"
#include "TrafficForwardUnit1.h"
#include "UserPrioritiesFormUnit.h"
#include "dot3ControlFormUnit.h"
#include "dot3PauseFormUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string Pause = "1.3.6.1.2.1.10.7.10.1.";
const std::string Control = "1.3.6.1.2.1.10.7.9.1.";
const std::string CoS = "1.3.6.1.4.1.32473.11.70.1.2.6.7.1.";
const std::string Storm = "1.3.6.1.4.1.32473.12.25.1.";
const std::string Segmentation = "1.3.6.1.4.1.32473.11.70.1.2.14.1.1.";
const std::string TrafficClass = "1.3.6.1.2.1.17.6.1.2.3.1.";

// The table's OID without the trailing dot of a prefix.
std::string table(const std::string& prefix) { return prefix.substr(0, prefix.size() - 1); }

std::optional<std::string> integer(int value) { return "INTEGER " + std::to_string(value); }

void pick(QComboBox* combo, const char* text) {
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
    Q_EMIT combo->activated(combo->currentIndex());
}

// The row whose first two cells hold the keys.
QTreeWidgetItem* rowWithKeys(QTreeWidget* list, const QString& first, const QString& second) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        if (row->text(0) == first && row->text(1) == second) return row;
    }
    return nullptr;
}

class PortControlPagesTest : public Layer2PageWindow {
protected:
    void SetUp() override {
        Layer2PageWindow::SetUp();
        CounterIntervalSecondMs = 10;
    }
    void TearDown() override {
        CounterIntervalSecondMs = 1000;
        Layer2PageWindow::TearDown();
    }
};

TEST_F(PortControlPagesTest, PauseCountersFollowTheClickedInterfaceAndItsTimerUntilThePageCloses) {
    ASSERT_TRUE(open());
    withReadPage<Tdot3PauseForm>("dot3PauseTable1Click", [&](Tdot3PauseForm* page) {
        EXPECT_EQ(page->windowTitle(), "Dot3 Pause Table: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 26);
        EXPECT_EQ(page->RowCounter->text(), "26");
        EXPECT_FALSE(page->cbxInterval->isEnabled()) << "no interval without an interface";
        EXPECT_FALSE(page->SetButton->isEnabled());

        select(page->ListView1, "2");
        EXPECT_EQ(page->cbxAdminMode->currentText(), "enabledXmitAndRcv");
        EXPECT_TRUE(page->cbxInterval->isEnabled());
        EXPECT_TRUE(page->SetButton->isEnabled());
        const QString firstIn = page->ListView2->topLevelItem(0)->text(1);
        EXPECT_FALSE(firstIn.isEmpty());
        EXPECT_FALSE(page->ListView2->topLevelItem(1)->text(1).isEmpty());

        sim->clearLog();
        pick(page->cbxInterval, "2s");
        EXPECT_TRUE(page->Timer1->isActive());
        EXPECT_EQ(page->Timer1->interval(), 20);
        EXPECT_TRUE(waitUntil([&] { return page->ListView2->topLevelItem(0)->text(1) != firstIn; }))
            << "the counters grow between reads";
        for (const auto& get : ofKind(sim->log(), "GET")) {
            ASSERT_EQ(get.bindings.size(), 2u);
            EXPECT_EQ(get.bindings[0].oid, Pause + "3.2");
            EXPECT_EQ(get.bindings[1].oid, Pause + "4.2");
        }

        // A tick whose read fails stops polling with the failure on the status line, never in a box.
        const int fault = sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Pause + "3"});
        {
            MessageBoxes boxes;
            EXPECT_TRUE(waitUntil([&] { return !page->Timer1->isActive(); }));
            EXPECT_TRUE(boxes.Texts.isEmpty());
        }
        EXPECT_EQ(page->StatusPanel()->text(), "Get data not completed!");
        EXPECT_EQ(page->cbxInterval->currentText(), "none");
        EXPECT_TRUE(page->ListView2->topLevelItem(0)->text(1).isEmpty());

        // A click on an interface whose counters cannot be read says so.
        {
            MessageBoxes boxes;
            select(page->ListView1, "3");
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not completed!"});
        }
        EXPECT_FALSE(page->cbxInterval->isEnabled());
        EXPECT_TRUE(page->SetButton->isEnabled()) << "the admin mode can still be written";
        sim->removeFault(fault);

        // Clicking beside the rows stops polling and empties the counters.
        select(page->ListView1, "4");
        pick(page->cbxInterval, "5s");
        EXPECT_TRUE(page->Timer1->isActive());
        page->ListView1->setCurrentItem(nullptr);
        EXPECT_FALSE(page->Timer1->isActive());
        EXPECT_TRUE(page->ListView2->topLevelItem(0)->text(1).isEmpty());
        EXPECT_FALSE(page->SetButton->isEnabled());

        select(page->ListView1, "4");
        pick(page->cbxInterval, "2s");
        page->reject();
        EXPECT_FALSE(page->Timer1->isActive()) << "polling ends with the page";
    });
}

TEST_F(PortControlPagesTest, PauseAdminModeIsWrittenAloneAndRefusedWhileReading) {
    ASSERT_TRUE(open());
    withReadPage<Tdot3PauseForm>("dot3PauseTable1Click", [&](Tdot3PauseForm* page) {
        select(page->ListView1, "5");
        EXPECT_EQ(page->cbxAdminMode->currentText(), "disabled");
        page->cbxAdminMode->setCurrentIndex(page->cbxAdminMode->findText("enabledXmitAndRcv"));
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(setsUnder(sim->log(), Pause), (Sets{{"1.5=4"}}));
        EXPECT_EQ(sim->value(Pause + "1.5"), integer(4));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 26) << "read again once";
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_TRUE(page->cbxAdminMode->isEnabled());
        EXPECT_FALSE(page->edtIndex->isEnabled());

        // Set while a walk runs.
        const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = table(Pause), .delayMs = 200});
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return page->ListView1->topLevelItemCount() > 0; }));
        select(page->ListView1, "1");
        page->SetButton->setEnabled(true);
        sim->clearLog();
        {
            MessageBoxes boxes;
            page->SetButton->click();
            EXPECT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        }
        sim->removeFault(slow);
        ASSERT_TRUE(waitIdle(page));
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(PortControlPagesTest, ControlPageShowsThePauseFunctionAndTheUnknownOpcodes) {
    ASSERT_TRUE(open());
    withReadPage<Tdot3ControlForm>("dot3ControlTable1Click", [&](Tdot3ControlForm* page) {
        EXPECT_EQ(page->windowTitle(), "Dot3 Control Table: 127.0.0.1");
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 26);
        EXPECT_TRUE(page->CheckBoxes[0]->isEnabled());
        EXPECT_TRUE(page->CheckBoxes[1]->isHidden());
        EXPECT_EQ(page->ListView2->topLevelItem(0)->text(0), "Recived Unknown Opcodes");
        select(page->ListView1, "1");
        EXPECT_TRUE(page->CheckBoxes[0]->isChecked());
        EXPECT_GE(page->ListView2->topLevelItem(0)->text(1).toInt(), 12);
        select(page->ListView1, "26");
        EXPECT_FALSE(page->CheckBoxes[0]->isChecked());
        EXPECT_EQ(page->ListView2->topLevelItem(0)->text(1), "0");
    });
}

TEST_F(PortControlPagesTest, CoSRatesShowNoLimitAndAreWrittenOnlyInRange) {
    ASSERT_TRUE(open());
    withReadPage<TCoSBrandwidthctrlForm>("CoSBandwidthControlSettings1Click", [&](TCoSBrandwidthctrlForm* page) {
        EXPECT_EQ(page->windowTitle(), "CoS Bandwidth Control Settings: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        EXPECT_EQ(list->topLevelItemCount(), 26 * 8);
        QTreeWidgetItem* row = rowWithKeys(list, "3", "5");
        ASSERT_TRUE(row);
        EXPECT_EQ(row->text(2), "512");
        EXPECT_EQ(row->text(3), "No Limit");
        EXPECT_FALSE(page->SetButton->isEnabled());

        struct Case {
            const char* name;
            const char* type;  // nullptr: none chosen
            const char* rate;
            bool noLimit;
            const char* box;     // the refusal, or nullptr
            const char* status;  // the conversion error, or nullptr
            int min, max;        // what the SET carries
        };
        const Case cases[] = {
            {"lowest max", "Max Rate", "64", false, nullptr, nullptr, 512, 64},
            {"highest min", "Min Rate", "1024000", false, nullptr, nullptr, 1024000, 64},
            {"below the range", "Min Rate", "63", false, "Please input a number between 64 and 1024000!", nullptr, 0, 0},
            {"above the range", "Max Rate", "1024001", false, "Please input a number between 64 and 1024000!", nullptr, 0, 0},
            {"empty", "Max Rate", "", false, "Please input a rate number!", nullptr, 0, 0},
            {"not a number", "Max Rate", "12a", false, nullptr, "'12a' is not a valid integer value", 0, 0},
            {"no limit", "Max Rate", "", true, nullptr, nullptr, 1024000, 0},
            {"no type writes both back", nullptr, "100", false, nullptr, nullptr, 1024000, 0},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->ListView1->setCurrentItem(rowWithKeys(list, "3", "5"));
            ASSERT_TRUE(page->SetButton->isEnabled());
            page->Typecbx->setCurrentIndex(c.type ? page->Typecbx->findText(c.type) : -1);
            page->NOLIMITRBT->setChecked(c.noLimit);
            if (!c.noLimit) page->rateEdit->setText(c.rate);
            page->StatusPanel()->clear();
            sim->clearLog();
            MessageBoxes boxes;
            page->SetButton->click();
            ASSERT_TRUE(waitIdle(page));
            const Sets sets = setsUnder(sim->log(), CoS);
            if (c.box || c.status) {
                EXPECT_TRUE(sets.empty());
                EXPECT_EQ(boxes.Texts, c.box ? QStringList{c.box} : QStringList{});
                if (c.status) {
                    EXPECT_EQ(page->StatusPanel()->text(), c.status);
                }
            } else {
                EXPECT_EQ(sets, (Sets{{"3.3.5=" + std::to_string(c.min), "4.3.5=" + std::to_string(c.max)}}));
                EXPECT_EQ(sim->value(CoS + "4.3.5"), integer(c.max));
            }
            page->NOLIMITRBT->setChecked(false);
        }
        QTreeWidgetItem* written = rowWithKeys(list, "3", "5");
        ASSERT_TRUE(written);
        EXPECT_EQ(written->text(3), "No Limit") << "read again after the write";

        // A row whose minimum shows no limit writes it as 0.
        page->ListView1->setCurrentItem(rowWithKeys(list, "1", "1"));
        page->Typecbx->setCurrentIndex(1);
        page->rateEdit->setText("4096");
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(setsUnder(sim->log(), CoS), (Sets{{"3.1.1=0", "4.1.1=4096"}}));
    });
}

TEST_F(PortControlPagesTest, StormSettingsAreReadAndWrittenWhole) {
    ASSERT_TRUE(open());
    withReadPage<TPacketStormControlForm>("PacketStormControl1Click", [&](TPacketStormControlForm* page) {
        EXPECT_EQ(page->windowTitle(), "Traffic Storm Management Global Settings: 127.0.0.1");
        const auto& boxes = page->PortSelector->PortCheckBoxes;
        EXPECT_TRUE(boxes[2]->isChecked());
        EXPECT_TRUE(boxes[17]->isChecked());
        EXPECT_FALSE(boxes[0]->isChecked());
        EXPECT_EQ(page->rgPktStromTrapCtrl->itemIndex(), 3);
        EXPECT_EQ(page->TimeEdit->text(), "300");

        for (QCheckBox* box : boxes) box->setChecked(false);
        boxes[0]->setChecked(true);
        page->rgPktStromTrapCtrl->setItemIndex(1);
        page->TimeEdit->setText("65535");
        sim->clearLog();
        page->findChild<QPushButton*>("btnSet")->click();
        const Sets sets = setsUnder(sim->log(), Storm);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 3u);
        EXPECT_TRUE(sets[0][0].starts_with("1.0=0x80000000"));
        EXPECT_EQ(sets[0][1], "2.0=2");
        EXPECT_EQ(sets[0][2], "4.0=65535");
        EXPECT_EQ(sim->value(Storm + "4.0"), integer(65535));

        page->TimeEdit->setText("65536");
        sim->clearLog();
        MessageBoxes refusal;
        page->findChild<QPushButton*>("btnSet")->click();
        EXPECT_EQ(refusal.Texts, QStringList{"Please enter a number between 0 and 65535!"});
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST(PortWithinUnit, FollowsTheSixtyFourRule) {
    const std::pair<int, const char*> cases[] = {{5, "5"}, {64, "64"}, {65, "1"}, {128, "64"}, {0, "0"}, {770, "2"}};
    for (const auto& [stackPort, shown] : cases) EXPECT_EQ(PortWithinUnit(stackPort), shown) << stackPort;
}

TEST_F(PortControlPagesTest, SegmentationWritesTheForwardPortsOfTheSelectedPortOnly) {
    ASSERT_TRUE(open());
    withReadPage<TTrafficSegmentationForm>("TrafficSegmentationTable1Click", [&](TTrafficSegmentationForm* page) {
        EXPECT_EQ(page->windowTitle(), "Traffic Segmentation Table: 127.0.0.1");
        EXPECT_EQ(page->LV_TrafficForward->topLevelItemCount(), 26);
        EXPECT_FALSE(page->SetButton->isEnabled());
        const auto& boxes = page->PortSelector->PortCheckBoxes;
        select(page->LV_TrafficForward, "5");
        EXPECT_EQ(page->Combo_Port->text(), "5");
        EXPECT_TRUE(boxes[11]->isChecked());
        EXPECT_FALSE(boxes[12]->isChecked());
        EXPECT_TRUE(boxes[24]->isChecked());
        boxes[12]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        const Sets sets = setsUnder(sim->log(), Segmentation);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 1u) << "the port is the key";
        EXPECT_TRUE(sets[0][0].starts_with("2.5=0xfff800c000"));
        EXPECT_EQ(page->LV_TrafficForward->topLevelItemCount(), 26) << "read again";
        EXPECT_TRUE(page->Combo_Port->text().isEmpty());
        EXPECT_FALSE(boxes[12]->isChecked());

        // Refresh and Set while a walk runs.
        const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = table(Segmentation), .delayMs = 200});
        page->RefreshButton->click();
        {
            MessageBoxes refusals;
            page->RefreshButton->click();
            ASSERT_TRUE(waitUntil([&] { return page->LV_TrafficForward->topLevelItemCount() > 0; }));
            page->SetButton->setEnabled(true);
            page->LV_TrafficForward->setCurrentItem(page->LV_TrafficForward->topLevelItem(0));
            page->SetButton->click();
            EXPECT_EQ(refusals.Texts, (QStringList{"Refresh not complete", "Refresh not complete"}));
        }
        sim->removeFault(slow);
        ASSERT_TRUE(waitIdle(page));
    });
}

TEST_F(PortControlPagesTest, TrafficClassIsWrittenForTheRowThenReadAgainAndARefusalIsShown) {
    ASSERT_TRUE(open());
    withReadPage<TUserPrioritiesForm>("UserPrioritiesToTrafficClassClick", [&](TUserPrioritiesForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1p User Priorities To Traffic Class: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        EXPECT_EQ(list->topLevelItemCount(), 26 * 8);
        EXPECT_FALSE(page->ClassEdit->isEnabled()) << "until a row is selected";
        list->setCurrentItem(rowWithKeys(list, "1", "5"));
        EXPECT_EQ(page->ClassEdit->text(), "2");
        EXPECT_TRUE(page->ClassEdit->isEnabled());

        struct Case {
            const char* name;
            const char* typed;
            const char* box;  // nullptr: sent
        };
        const Case cases[] = {
            {"class 3", "3", nullptr},
            {"class 8", "8", "Please enter a number between 0 and 7!"},
            {"not a number", "x", "Please enter a number between 0 and 7!"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            list->setCurrentItem(rowWithKeys(list, "1", "5"));
            page->ClassEdit->setText(c.typed);
            sim->clearLog();
            MessageBoxes boxes;
            page->SetButton->click();
            ASSERT_TRUE(waitIdle(page));
            if (c.box) {
                EXPECT_EQ(boxes.Texts, QStringList{c.box});
                EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
                continue;
            }
            EXPECT_EQ(setsUnder(sim->log(), TrafficClass), (Sets{{"2.1.5=3"}}));
            EXPECT_EQ(sim->value(TrafficClass + "2.1.5"), integer(3));
            EXPECT_EQ(rowWithKeys(list, "1", "5")->text(2), "3") << "read again";
        }

        // The switch refuses: the page says so and reads the class the switch kept.
        // Once: the SET alone, not the read that follows.
        sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = table(TrafficClass), .count = 1});
        list->setCurrentItem(rowWithKeys(list, "2", "0"));
        page->ClassEdit->setText("7");
        sim->clearLog();
        MessageBoxes boxes;
        page->SetButton->click();
        EXPECT_EQ(boxes.Texts.size(), 1);
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(rowWithKeys(list, "2", "0")->text(2), "1");
    });
}

TEST_F(PortControlPagesTest, BridgeCapabilitiesAndTrafficClassesAreShownReadOnly) {
    ASSERT_TRUE(open());
    withReadPage<TPBridgeConfigForm>("BasicConfigure2Click", [&](TPBridgeConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1p Basic Configuration: 127.0.0.1");
        ASSERT_TRUE(waitUntil([&] { return !page->TrafficClassesRequest->Busy; }));
        EXPECT_EQ(page->Edit_DeviceCapabilities->text(), "F8");
        EXPECT_EQ(page->TrafficClassesState->currentText(), "true");
        EXPECT_FALSE(page->TrafficClassesState->isEnabled());
        sim->setValue("1.3.6.1.2.1.17.6.1.1.2.0", "INTEGER 2");
        sim->setValue("1.3.6.1.2.1.17.6.1.1.1.0", "STRING 0xc0");
        page->RefreshButton->click();
        EXPECT_TRUE(waitUntil([&] { return page->TrafficClassesState->currentText() == "false"; }));
        EXPECT_TRUE(waitUntil([&] { return page->Edit_DeviceCapabilities->text() == "C0"; }));
        EXPECT_FALSE(page->TrafficClassesState->isEnabled());
    });
}

}  // namespace
