// "DHCP Management Pool Table" with its dialog and "OSPF ECMP Management" through the menu items against
// the simulator.
#include "DHCPPoolEditUnit.h"
#include "DHCPPoolUnit.h"
#include "ECMPManagementFormUnit.h"
#include "Layer3PageWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string PoolEntry = "1.3.6.1.4.1.32473.12.38.3.2.1.1.";
const std::string Ecmp = "1.3.6.1.4.1.32473.11.70.1.3.15.";

class PoolAndEcmpTest : public Layer3PageWindow {};

TEST_F(PoolAndEcmpTest, PoolsAreCreatedFromTheirNameEditedByTickedFieldsAndDestroyed) {
    ASSERT_TRUE(open());
    withPage<TDHCPPoolForm>("DHCPServerPoolTable1Click", [&](TDHCPPoolForm* page) {
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 2);
        EXPECT_EQ(rowWithKey(page->ListView1, "lab")->text(TDHCPPoolForm::NetBIOSNodeType), "hybid");
        TDHCPPoolEdtForm* dialog = page->DHCPPoolEdtForm;
        MessageBoxes boxes;
        sim->clearLog();
        inDialog(dialog, page->AddButton, [&] {
            EXPECT_EQ(dialog->btnSet->text(), "Add");
            EXPECT_FALSE(dialog->edtAddress->isVisible());
            dialog->btnSet->click();
        });
        EXPECT_EQ(boxes.Texts, QStringList{"Please input Pool Name."});
        inDialog(dialog, page->AddButton, [&] {
            dialog->edtName->setText("voice");
            dialog->btnSet->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 3; }));
        EXPECT_EQ(setsUnder(sim->log(), PoolEntry),
                  (std::vector<std::vector<std::string>>{{"12." + textIndex("voice") + "=4"}}));

        struct Case {
            QCheckBox* TDHCPPoolEdtForm::*box;
            QLineEdit* TDHCPPoolEdtForm::*edit;
            const char* text;
            const char* refusal;
            const char* sent;  // column=value
        };
        const Case cases[] = {
            {nullptr, nullptr, "", "Please check the items to edit.", nullptr},
            {&TDHCPPoolEdtForm::cbxMask, &TDHCPPoolEdtForm::edMask, "255.0.255.0", "Please input a valid mask", nullptr},
            {&TDHCPPoolEdtForm::cbxAddress, &TDHCPPoolEdtForm::edtAddress, "192.168.30", "Please input a valid ip", nullptr},
            {&TDHCPPoolEdtForm::cbxMask, &TDHCPPoolEdtForm::edMask, "255.255.255.192", nullptr, "3=255.255.255.192"},
            {&TDHCPPoolEdtForm::cbxBoot, &TDHCPPoolEdtForm::edtBoot, "voice.cfg", nullptr, "10=0x766f6963652e636667"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            page->ListView1->setCurrentItem(rowWithKey(page->ListView1, "office"));
            sim->clearLog();
            boxes.Texts.clear();
            inDialog(dialog, page->SetButton, [&] {
                EXPECT_EQ(dialog->btnSet->text(), "Edit");
                EXPECT_FALSE(dialog->edtName->isEnabled());
                if (c.box) {
                    (dialog->*c.box)->setChecked(true);
                    (dialog->*c.edit)->setText(c.text);
                }
                dialog->btnSet->click();
            });
            if (c.refusal) {
                EXPECT_EQ(boxes.Texts, QStringList{c.refusal});
                EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
                continue;
            }
            ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && !ofKind(sim->log(), "SET").empty(); }));
            const std::string sent = c.sent;
            const std::string column = sent.substr(0, sent.find('='));
            EXPECT_EQ(setsUnder(sim->log(), PoolEntry),
                      (std::vector<std::vector<std::string>>{{column + "." + textIndex("office") + sent.substr(column.size())}}));
        }
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page); }));

        page->ListView1->setCurrentItem(rowWithKey(page->ListView1, "voice"));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 2; }));
        EXPECT_EQ(setsUnder(sim->log(), PoolEntry),
                  (std::vector<std::vector<std::string>>{{"12." + textIndex("voice") + "=6"}}));
    });
}

TEST_F(PoolAndEcmpTest, EcmpWritesTheTickedFieldsAndKeepsTheHashFieldsExclusive) {
    ASSERT_TRUE(open());
    sim->setValue(Ecmp + "3.0", "INTEGER 2");
    withPage<TECMPManagementForm>("OSPFECMPManagement1Click", [&](TECMPManagementForm* page) {
        EXPECT_EQ(page->windowTitle(), "OSPF ECMP Management: 127.0.0.1");
        EXPECT_EQ(page->CRCLowcbx->currentText(), "disabled");
        EXPECT_EQ(page->DestIPcbx->currentText(), "enabled");
        auto& boxes = page->CheckBoxes;
        boxes[1]->setChecked(true);
        boxes[2]->setChecked(true);
        EXPECT_FALSE(boxes[1]->isChecked()) << "CRC Low unticks IP Source";
        boxes[0]->setChecked(true);
        EXPECT_TRUE(boxes[2]->isChecked()) << "Destination IP is independent";
        page->ClearButton->click();
        for (QCheckBox* box : boxes) EXPECT_FALSE(box->isChecked());

        sim->clearLog();
        boxes[5]->setChecked(true);
        page->Statecbx->setCurrentIndex(1);
        page->SetButton->click();
        EXPECT_EQ(setsUnder(sim->log(), Ecmp), (std::vector<std::vector<std::string>>{{"6.0=2"}}));
        EXPECT_EQ(sim->value(Ecmp + "6.0"), std::optional<std::string>("INTEGER 2"));
        EXPECT_TRUE(boxes[5]->isChecked()) << "Set leaves the ticks as they are";
    });
}

TEST_F(PoolAndEcmpTest, EcmpStaysUsableAfterEverySetAndRefreshWhateverTheAgentAnswers) {
    ASSERT_TRUE(open());
    withPage<TECMPManagementForm>("OSPFECMPManagement1Click", [&](TECMPManagementForm* page) {
        const auto usable = [&] {
            for (QWidget* control : std::initializer_list<QWidget*>{
                     page->SetButton, page->RefreshButton, page->ClearButton, page->DestIPcbx, page->IPSourcecbx,
                     page->CRCLowcbx, page->CRCHighcbx, page->TCP_UDPPortcbx, page->Statecbx})
                EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
            for (QCheckBox* box : page->CheckBoxes) EXPECT_TRUE(box->isEnabled()) << box->objectName().toStdString();
        };
        struct Case {
            const char* name;
            std::function<void()> before;  // what the user did first
            const char* value;             // TCP/UDP Port chosen and set
            bool agentRefuses;
        };
        const Case cases[] = {
            {"after a Set Checked", [&] { page->SetButton->click(); }, "disabled", false},
            {"after a Refresh", [&] { page->RefreshButton->click(); }, "enabled", false},
            {"after a Set the agent refused", [] {}, "disabled", true},
            {"after that refusal", [] {}, "disabled", false},
        };
        page->CheckBoxes[4]->setChecked(true);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            MessageBoxes boxes;
            c.before();
            usable();
            const std::optional<std::string> before = sim->value(Ecmp + "5.0");
            // Once: the re-read after it is answered.
            if (c.agentRefuses) sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Ecmp + "5", .count = 1});
            page->TCP_UDPPortcbx->setCurrentText(c.value);
            sim->clearLog();
            page->SetButton->click();
            EXPECT_EQ(setsUnder(sim->log(), Ecmp), (std::vector<std::vector<std::string>>{
                                                       {std::string("5.0=") + (c.value == std::string("enabled") ? "1" : "2")}}));
            if (c.agentRefuses) {
                EXPECT_EQ(boxes.Texts.size(), 1) << "the agent's refusal";
                EXPECT_EQ(sim->value(Ecmp + "5.0"), before);
                EXPECT_FALSE(page->StatusPanel()->text().startsWith("Set: Ok!"));
            } else {
                EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join("|").toStdString();
                EXPECT_EQ(sim->value(Ecmp + "5.0"),
                          std::optional<std::string>(c.value == std::string("enabled") ? "INTEGER 1" : "INTEGER 2"));
            }
            EXPECT_EQ(page->TCP_UDPPortcbx->currentText(), QString::fromLatin1(sim->value(Ecmp + "5.0") == "INTEGER 1" ? "enabled" : "disabled"))
                << "read again";
            EXPECT_TRUE(page->CheckBoxes[4]->isChecked()) << "the ticks stay";
            usable();
        }
    });
}

}  // namespace
