// The SSL, CPU protection and layer 2 device-wide settings pages through their menu items against the
// simulator.
#include "AdminPageWindow.h"
#include "Layer2ControlUnit.h"
#include "RampartCtrlFormUnit.h"
#include "SSLManagementTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Ssl = "1.3.6.1.4.1.32473.12.7.1.";
const std::string Rampart = "1.3.6.1.4.1.32473.12.19.2.";
const std::string Settings = "1.3.6.1.4.1.32473.11.70.1.2.1.2.";

class DeviceSettingsTest : public AdminPageWindow {
protected:
    void press(KySNMPRequest2Controls* binder, QPushButton* button) {
        sim->clearLog();
        button->click();
        ASSERT_TRUE(waitUntil([&] { return !binder->Busy; }));
    }
};

QStringList suites(TSSLManagementForm* page) {
    QStringList texts;
    for (QComboBox* suite : page->cbxciphersuites) texts << suite->currentText();
    return texts;
}

TEST_F(DeviceSettingsTest, SslSuitesFollowTheOctetsHighDigitAndTheSetKeepsItsLowDigit) {
    ASSERT_TRUE(open());
    withAdminPage<TSSLManagementForm>("SSLManagement1Click", [&](TSSLManagementForm* page) {
        EXPECT_EQ(page->windowTitle(), "SSL Global Settings: 127.0.0.1");
        ASSERT_TRUE(waitUntil([&] { return !page->cbxciphersuites[0]->currentText().isEmpty(); }));
        EXPECT_EQ(page->cbxSSLVersion->currentText(), "enabled");
        EXPECT_EQ(page->edtCacheTimeOut->text(), "600");
        EXPECT_EQ(suites(page), (QStringList{"enabled", "enabled", "disabled", "disabled"}));

        struct Case {
            const char* read;
            QStringList shown;
            std::vector<int> change;  // suites switched to enabled (1) or disabled (0), -1 kept
            const char* sent;
        };
        const Case cases[] = {
            {"0xf0", {"enabled", "enabled", "enabled", "enabled"}, {0, 0, 0, 0}, "0x00"},
            {"0x5a", {"disabled", "enabled", "disabled", "enabled"}, {1, -1, 1, -1}, "0xfa"},
            {"0xc3", {"enabled", "enabled", "disabled", "disabled"}, {-1, -1, -1, -1}, "0xc3"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.read);
            sim->setValue(Ssl + "2.0", std::string("STRING ") + c.read);
            page->RefreshButton->click();
            ASSERT_TRUE(waitUntil([&] { return !page->Binder->Busy && suites(page) == c.shown; }));
            for (int s = 0; s < 4; ++s)
                if (c.change[s] >= 0) page->cbxciphersuites[s]->setCurrentIndex(c.change[s]);
            press(page->Binder, page->SetButton);
            const auto sets = setsUnder(sim->log(), Ssl);
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(sets[0], (std::vector<std::string>{"1.0=3", std::string("2.0=") + c.sent, "3.0=600"}));
        }

        page->cbxciphersuites[2]->setCurrentIndex(-1);
        MessageBoxes boxes;
        press(page->Binder, page->SetButton);
        EXPECT_EQ(boxes.Texts, QStringList{"Some items are empty."});
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(DeviceSettingsTest, CpuProtectionWritesEachCheckedSettingOnItsOwnAndLowersTheFallingThresholdFirst) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        std::vector<QCheckBox* TRampartCtrlForm::*> boxes;
        const char* rising;
        const char* falling;
        std::vector<std::vector<std::string>> sent;
    };
    const Case cases[] = {
        {"mode alone", {&TRampartCtrlForm::ckMode}, "80", "60", {{"3.0=2"}}},
        {"both lowered", {&TRampartCtrlForm::ckRising, &TRampartCtrlForm::ckFalling}, "50", "30", {{"2.0=30"}, {"1.0=50"}}},
        {"falling raised", {&TRampartCtrlForm::ckRising, &TRampartCtrlForm::ckFalling}, "70", "40", {{"1.0=70"}, {"2.0=40"}}},
        {"falling lowered alone", {&TRampartCtrlForm::ckFalling}, "70", "20", {{"2.0=20"}}},
        {"every setting", {&TRampartCtrlForm::ckRising, &TRampartCtrlForm::ckFalling, &TRampartCtrlForm::ckMode, &TRampartCtrlForm::ckAlarm},
         "100", "20", {{"1.0=100"}, {"2.0=20"}, {"3.0=2"}, {"4.0=3"}}},
    };
    withAdminPage<TRampartCtrlForm>("ProtectControl1Click", [&](TRampartCtrlForm* page) {
        EXPECT_EQ(page->windowTitle(), "Rampart Control Settings: 127.0.0.1");
        EXPECT_EQ(page->edtRising->text(), "80");
        EXPECT_EQ(page->cbxMode->currentText(), "fuzzy");
        EXPECT_EQ(page->cbxCurrentState->currentText(), "normal");
        EXPECT_FALSE(page->SetButton->isEnabled());
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->btnClearCheck->click();
            EXPECT_FALSE(page->SetButton->isEnabled());
            for (auto box : c.boxes) (page->*box)->setChecked(true);
            EXPECT_TRUE(page->SetButton->isEnabled());
            page->edtRising->setText(c.rising);
            page->edtFalling->setText(c.falling);
            press(page->Binder, page->SetButton);
            EXPECT_EQ(setsUnder(sim->log(), Rampart), c.sent);
            EXPECT_EQ(page->lbFalling->text(), page->edtFalling->text()) << "read again";
        }
        EXPECT_EQ(sim->value(Rampart + "1.0"), std::optional<std::string>("INTEGER 100"));

        const std::tuple<const char*, const char*, const char*> refusals[] = {
            {"19", "50", "Rising Threshold should between 20-100"},
            {"50", "101", "Falling Threshold should between 20-100"},
            {"", "50", "Rising Threshold should between 20-100"},
        };
        page->btnCheckAll->click();
        for (const auto& [rising, falling, text] : refusals) {
            page->edtRising->setText(rising);
            page->edtFalling->setText(falling);
            MessageBoxes boxes;
            press(page->Binder, page->SetButton);
            EXPECT_EQ(boxes.Texts, QStringList{text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

QCheckBox* box(TLayer2ControlForm* page, const char* name) { return page->findChild<QCheckBox*>(name); }

TEST_F(DeviceSettingsTest, Layer2SettingsWriteTheCheckedOnesAndThePortsOnlyWhileTheirServiceIsEnabled) {
    ASSERT_TRUE(open());
    withAdminPage<TLayer2ControlForm>("DeviceControl1Click", [&](TLayer2ControlForm* page) {
        page->SettleWait = std::chrono::milliseconds(20);
        EXPECT_EQ(page->windowTitle(), "Layer 2 Device Global Settings: 127.0.0.1");
        EXPECT_EQ(page->WebStateComBo->currentText(), "enabled");
        EXPECT_EQ(page->WebPortEdit->text(), "8080");
        EXPECT_EQ(page->TelPortEdit->text(), "23");
        EXPECT_EQ(page->findChild<QLineEdit*>("edtMVlanID")->text(), "10");
        EXPECT_EQ(page->findChild<QComboBox*>("IPConfigComBo")->currentText(), "disabled");

        // The web port alone: no settings SET; the port is written and read back.
        box(page, "CheckBox7")->setChecked(true);
        page->WebPortEdit->setText("8443");
        press(page->SettingsRequest, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Settings), (std::vector<std::vector<std::string>>{{"13.2.0=8443"}}));
        EXPECT_EQ(page->WebPortEdit->text(), "8443");

        // Two settings and the telnet state; the unchecked web port is read twice around the wait.
        page->ClearButton->click();
        box(page, "CheckBox11")->setChecked(true);
        page->findChild<QLineEdit*>("edtMVlanID")->setText("200");
        box(page, "CheckBox8")->setChecked(true);
        page->TelStateComBo->setCurrentText("disabled");
        press(page->SettingsRequest, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Settings), (std::vector<std::vector<std::string>>{{"7.0=200", "14.1.0=2"}}));
        int webPortReads = 0;
        for (const auto& entry : sim->log())
            for (const auto& b : entry.bindings)
                if (entry.pdu != "SET" && b.oid == Settings + "13.2.0") ++webPortReads;
        EXPECT_EQ(webPortReads, 2);
        EXPECT_EQ(page->WebPortEdit->text(), "8443");
        EXPECT_TRUE(page->TelPortEdit->text().isEmpty());
        EXPECT_FALSE(page->TelPortEdit->isEnabled());
        EXPECT_FALSE(box(page, "CheckBox9")->isEnabled());
        page->CheckButton->click();
        EXPECT_FALSE(box(page, "CheckBox9")->isChecked()) << "Check All leaves a disabled port's box";

        page->ClearButton->click();
        box(page, "CheckBox13")->setChecked(true);
        page->findChild<QLineEdit*>("edtNotifySize")->clear();
        MessageBoxes boxes;
        press(page->SettingsRequest, page->SetButton);
        EXPECT_EQ(boxes.Texts, QStringList{"Some Checked fields are empty."});
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

}  // namespace
