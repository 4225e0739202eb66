// The clock, log save, stacking, RMON probe and About pages through their menu items against the
// simulator.
#include "AdminPageWindow.h"
#include "CurrentTime.h"
#include "EquipmentBasicInfoFormUnit.h"
#include "LogSaveControlSetting.h"
#include "ProbeBasicInformationFormUnit.h"
#include "about.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <optional>

namespace {

const std::string Time = "1.3.6.1.4.1.32473.12.10.";
const std::string LogSave = "1.3.6.1.4.1.32473.12.12.3.";
const std::string Stacking = "1.3.6.1.4.1.32473.12.11.1.";
const std::string Probe = "1.3.6.1.2.1.16.19.";

class SystemPagesTest : public AdminPageWindow {
protected:
    void press(KySNMPRequest2Controls* binder, QPushButton* button) {
        sim->clearLog();
        button->click();
        ASSERT_TRUE(waitUntil([&] { return !binder->Busy; }));
    }
};

TEST_F(SystemPagesTest, CurrentTimeShowsTheCapacityNamesAndWritesOnlyAWellFormedClock) {
    ASSERT_TRUE(open());
    withAdminPage<TCurrentTimeForm>("Time1Click", [&](TCurrentTimeForm* page) {
        EXPECT_EQ(page->windowTitle(), "Current Time: 127.0.0.1");
        ASSERT_TRUE(waitUntil([&] { return page->timecapacityEdit->text() == " systemTime,SNTP,realTimeClock"; }));
        EXPECT_EQ(page->currentclockEdit->text(), "2026-12-10,14:5:30.0");
        EXPECT_EQ(page->cbxReset->currentText(), "false");

        const std::pair<const char*, const char*> capacities[] = {
            {"0x80", " systemTime"}, {"0x00", " "}, {"0x60", " ,SNTP,SummerTime"}, {"0xf0", " systemTime,SNTP,SummerTime,realTimeClock"}};
        for (const auto& [bits, names] : capacities) {
            SCOPED_TRACE(bits);
            sim->setValue(Time + "1.0", std::string("STRING ") + bits);
            press(page->Binder, page->RefreshButton);
            EXPECT_EQ(page->timecapacityEdit->text(), names);
        }

        page->currentclockEdit->setText("2027-1-2,3:04:05.6");
        press(page->Binder, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Time), (std::vector<std::vector<std::string>>{{"2.0=0x07eb0102030405062b0000"}}));

        const std::pair<const char*, const char*> refusals[] = {
            {"", "The Current Edit should not be empty!"},
            {"2027-13-2,3:04:05.6", "The Current Clock should be like 2007-5-26,15:30:15.0"},
            {"2027-1-2,24:00:00.0", "The Current Clock should be like 2007-5-26,15:30:15.0"},
            {"tomorrow", "The Current Clock should be like 2007-5-26,15:30:15.0"},
        };
        for (const auto& [clock, text] : refusals) {
            SCOPED_TRACE(clock);
            page->currentclockEdit->setText(clock);
            MessageBoxes boxes;
            press(page->Binder, page->SetButton);
            EXPECT_EQ(boxes.Texts, QStringList{text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

TEST_F(SystemPagesTest, LogSaveSendsTheIntervalOnlyForTheTimeIntervalMethodAndNeverZero) {
    ASSERT_TRUE(open());
    withAdminPage<TLogSaveControlForm>("SystemLogSaveControl1Click", [&](TLogSaveControlForm* page) {
        EXPECT_EQ(page->windowTitle(), "System Log Save Settings: 127.0.0.1");
        EXPECT_EQ(page->cbxLogSaveMethod->currentText(), "time-interval");
        EXPECT_EQ(page->EdLogSavetimeInterval->text(), "60");
        EXPECT_TRUE(page->EdLogSavetimeInterval->isEnabled());

        page->EdLogSavetimeInterval->setText("65535");
        press(page->Binder, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), LogSave), (std::vector<std::vector<std::string>>{{"1.0=1", "2.0=65535"}}));

        page->cbxLogSaveMethod->setCurrentIndex(1);
        page->EdLogSavetimeInterval->setText("0");
        press(page->Binder, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), LogSave), (std::vector<std::vector<std::string>>{{"1.0=2"}}));
        EXPECT_EQ(sim->value(LogSave + "1.0"), std::optional<std::string>("INTEGER 2"));
        EXPECT_FALSE(page->EdLogSavetimeInterval->isEnabled()) << "read again: on-demand";

        const std::pair<const char*, const char*> refusals[] = {{"0", "Time Interval Can't be 0!"}, {"00", "Time Interval Can't be 0!"}};
        for (const auto& [interval, text] : refusals) {
            page->cbxLogSaveMethod->setCurrentIndex(0);
            page->EdLogSavetimeInterval->setText(interval);
            MessageBoxes boxes;
            press(page->Binder, page->SetButton);
            EXPECT_EQ(boxes.Texts, QStringList{text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        page->cbxLogSaveMethod->setCurrentIndex(-1);
        MessageBoxes boxes;
        press(page->Binder, page->SetButton);
        EXPECT_EQ(boxes.Texts, QStringList{"You should choose Log Save Method."});
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(SystemPagesTest, StackingSendsModeAndMasterRoleWithTheLongerTimeOut) {
    ASSERT_TRUE(open());
    withAdminPage<TEquipmentBasicInfoForm>("Test1Click", [&](TEquipmentBasicInfoForm* page) {
        EXPECT_EQ(page->windowTitle(), "Equipment Management Basic Information: 127.0.0.1");
        EXPECT_EQ(page->Edit1->text(), "Fan, Redundant Power and Stacking");
        EXPECT_EQ(page->StackModeComboBox->currentText(), "disabled");
        EXPECT_EQ(page->cbxTopology->currentText(), "stand-alone");
        EXPECT_FALSE(page->cbxTopology->isEnabled());
        page->StackModeComboBox->setCurrentText("enabled");
        press(page->Binder, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Stacking), (std::vector<std::vector<std::string>>{{"2.0=1", "3.0=2"}}));
        EXPECT_EQ(page->Binder->Request.Timeout, 500);
        EXPECT_EQ(page->StackModeComboBox->currentText(), "enabled") << "read again";
    });
}

TEST_F(SystemPagesTest, ProbeShowsTheFixedCapabilitiesAndSendsTheResetControlAlone) {
    ASSERT_TRUE(open());
    withAdminPage<TProbeBasicInformationForm>("ProbeBasicInformation1Click", [&](TProbeBasicInformationForm* page) {
        EXPECT_EQ(page->windowTitle(), "Probe Basic Information: 127.0.0.1");
        EXPECT_EQ(page->stCap->text(), "etherStats,historyControl,etherHistory,alarm,event,probeConfig");
        EXPECT_EQ(page->stSoftware->text(), "2.70.016");
        EXPECT_EQ(page->stHardware->text(), "A2");
        page->cbxReset->setCurrentText("warmBoot");
        press(page->Binder, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Probe), (std::vector<std::vector<std::string>>{{"5.0=2"}}));
    });
}

TEST_F(SystemPagesTest, AboutShowsTheShortReleaseUntilShiftAltF3OnOk) {
    ASSERT_TRUE(open());
    struct Case {
        Qt::KeyboardModifiers held;
        const char* version;
    };
    const Case cases[] = {
        {Qt::ShiftModifier, "Release Version 2.70 "},
        {Qt::AltModifier, "Release Version 2.70 "},
        {Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, "Release Version 2.70R16(Build 2010/4/19) "},
    };
    for (const Case& c : cases) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* about = qobject_cast<TAboutForm*>(modal);
            if (!about) return false;
            seen = true;
            EXPECT_EQ(about->windowTitle(), "About TRV-5124 Module");
            EXPECT_EQ(about->AboutLabel->text(), "Ostrel TRV-5124 Management Module");
            EXPECT_EQ(about->VersionLabel->text(), "Release Version 2.70 ") << "every opening starts short";
            QTest::keyClick(about->BT_Ok, Qt::Key_F3, c.held);
            EXPECT_EQ(about->VersionLabel->text(), c.version);
            about->BT_Ok->click();
            return true;
        });
        form->RunMenuHandler("About1Click");
        EXPECT_TRUE(seen);
    }
}

}  // namespace
