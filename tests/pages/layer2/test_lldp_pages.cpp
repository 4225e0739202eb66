// The LLDP port configuration, 802.1 TX, local system and remote table pages through their menu items
// against the simulator, and the decoding of the TLVs they show.
#include "LLDPDot3PortConfigFormUnit.h"
#include "LLDPLocSysDataFormUnit.h"
#include "LLDPPortConfigFormUnit.h"
#include "LLDPRemoteFormUnit.h"
#include "Layer2PageWindow.h"
#include "LldpDot1TxPage.h"
#include "LldpText.h"
#include "LldpTlvDialog.h"
#include "LldpTlvRequest2Edits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string PortConfig = "1.0.8802.1.1.2.1.1.6.1.";
const std::string Dot3Config = "1.0.8802.1.1.2.1.5.4623.1.1.1.1.";
const std::string Local = "1.0.8802.1.1.2.1.3.";

TEST(LldpText, CapabilitiesAreTheBitsOfEveryOctetHighestBitFirst) {
    const std::pair<const char*, const char*> cases[] = {
        {"28", " bridge,router"},
        {"2000", " bridge"},
        {"2880", " bridge,router,cVLANComponent"},
        {"0080", " cVLANComponent"},
        {"0014", " "},  // bits without a name
        {"FF", " other,repeater,bridge,wlanAccessPoint,router,telephone,docsisCableDevice,stationOnly"},
        {"01", " stationOnly"},
        {"00", " "},
        {"", " "},
        {"(NULL)", " "},
    };
    for (const auto& [hex, names] : cases) EXPECT_EQ(BitNames(hex, CapabilityNames()), names) << hex;
}

TEST(LldpText, IdsAreShownByTheirSubtype) {
    struct Case {
        const char* subtype;
        const char* hex;
        const char* shown;
    };
    const Case cases[] = {
        {"macAddress", "001B2C9A2B3C", "00-1B-2C-9A-2B-3C"},
        {"local", "41502D30303432", "AP-0042"},
        {"interfaceName", "657468312F302F3437", "eth1/0/47"},
        {"interfaceAlias", "75706C696E6B", "uplink"},
        {"chassisComponent", "43", "C"},
        {"networkAddress", "010A5A5A01", "010A5A5A01"},
        {"agentCircuitId", "0102", "0102"},
        {"local", "410042", "410042"},  // a zero octet: shown whole, as hex
        {"local", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(LldpIdText(c.subtype, c.hex), c.shown) << c.subtype << " " << c.hex;
}

TEST(LldpText, TlvNamesGoBackToTheOctetByCaseSensitiveMatch) {
    const QStringList& names = NewRequest2Edits::TlvNames();
    EXPECT_EQ(BitNames("50", names), " System Name,System Capabilities");
    EXPECT_EQ(BitNames("F0", names), " Port Description,System Name,System Description,System Capabilities");
    EXPECT_EQ(NamesToBits(" Port Description,System Name,System Description,System Capabilities", names), "F0");
    EXPECT_EQ(NamesToBits("xx System Description yy", names), "20");
    EXPECT_EQ(NamesToBits("system description", names), "00");
    EXPECT_EQ(NamesToBits(" ", names), "00");
}

class LldpPagesTest : public Layer2PageWindow {
protected:
    // Opens the page's dialog through a click into its TLV edit, lets `use` work on it while it shows.
    void onTlvDialog(TLldpTlvPage* page, const std::function<void(TLldpTlvDialog*)>& use) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<TLldpTlvDialog*>(modal);
            if (!dialog) return false;
            seen = true;
            use(dialog);
            return true;
        });
        page->TLVsEditClick();
        EXPECT_TRUE(seen);
    }
    static std::vector<bool> checked(const TLldpTlvDialog* dialog) {
        std::vector<bool> states;
        for (const QCheckBox* box : dialog->Boxes) states.push_back(box->isChecked());
        return states;
    }
};

TEST_F(LldpPagesTest, PortConfigurationShowsTlvNamesAndWritesTheRowWithTheCheckedOnes) {
    ASSERT_TRUE(open());
    withReadPage<TLLDPPortConfigForm>("PortConfig2Click", [&](TLLDPPortConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "LLDP Port Configuration Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        ASSERT_EQ(list->topLevelItemCount(), 26);
        EXPECT_EQ(rowWithKey(list, "1")->text(3), " Port Description,System Name,System Description,System Capabilities");
        EXPECT_EQ(rowWithKey(list, "19")->text(3), " ");
        EXPECT_FALSE(page->SetButton->isEnabled());

        // Edit with no row does nothing, also once a click into the TLVs enabled it.
        onTlvDialog(page, [](TLldpTlvDialog* dialog) { dialog->CloseButtonClick(); });
        EXPECT_TRUE(page->SetButton->isEnabled());
        sim->clearLog();
        page->SetButton->click();
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());

        select(list, "3");
        EXPECT_EQ(page->PortText->text(), "3");
        EXPECT_EQ(page->AdminStateComboBox->currentText(), "txAndrx");
        EXPECT_EQ(page->NotificationComboBox->currentText(), "false");
        EXPECT_EQ(page->TLVsEdit->text(), " System Name,System Capabilities");
        onTlvDialog(page, [&](TLldpTlvDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Port Configuration Table Setting: 127.0.0.1");
            EXPECT_EQ(checked(dialog), (std::vector<bool>{false, true, false, true}));
            dialog->Boxes[0]->setChecked(true);
            dialog->SetButtonClick();
        });
        EXPECT_EQ(page->TLVsEdit->text(), " Port Description,System Name,System Capabilities");
        page->AdminStateComboBox->setCurrentIndex(page->AdminStateComboBox->findText("txOnly"));
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(setsUnder(sim->log(), PortConfig), (Sets{{"2.3=1", "3.3=2", "4.3=0xd0"}}));
        EXPECT_EQ(sim->value(PortConfig + "4.3"), std::optional<std::string>("STRING 0xd0"));
        EXPECT_EQ(rowWithKey(list, "3")->text(3), " Port Description,System Name,System Capabilities") << "read again";

        // No box checked: the octet 00.
        select(list, "3");
        onTlvDialog(page, [](TLldpTlvDialog* dialog) {
            for (QCheckBox* box : dialog->Boxes) box->setChecked(false);
            dialog->SetButtonClick();
        });
        EXPECT_EQ(page->TLVsEdit->text(), " ");
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(sim->value(PortConfig + "4.3"), std::optional<std::string>("STRING 0x00"));

        // A refused write is shown and the row read again keeps the switch's value.
        select(list, "5");
        page->TLVsEdit->setText(" System Description");
        sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = PortConfig + "4", .count = 1});
        MessageBoxes boxes;
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
        EXPECT_EQ(rowWithKey(list, "5")->text(3), " Port Description,System Name");
    });
}

TEST_F(LldpPagesTest, Dot3ConfigurationKeepsTheHiddenPowerViaMdiBitThroughAnEdit) {
    ASSERT_TRUE(open());
    withReadPage<TLLDPDot3PortConfigForm>("PortConfigTable1Click", [&](TLLDPDot3PortConfigForm* page) {
        QTreeWidget* list = page->ListView1;
        ASSERT_EQ(list->topLevelItemCount(), 26);
        EXPECT_EQ(rowWithKey(list, "21")->text(1), " macPhyConfigStatus,linkAggregation,maxFrameSize");
        EXPECT_FALSE(page->AdminStateComboBox);
        select(list, "1");
        onTlvDialog(page, [&](TLldpTlvDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "LLDP Dot3 Port Configuration Table Setting: 127.0.0.1");
            EXPECT_TRUE(dialog->Boxes[1]->isHidden());
            EXPECT_EQ(checked(dialog), (std::vector<bool>{true, true, true, true}));
            dialog->Boxes[2]->setChecked(false);
            dialog->SetButtonClick();
        });
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(setsUnder(sim->log(), Dot3Config), (Sets{{"1.1=0xd0"}}));
        EXPECT_EQ(rowWithKey(list, "1")->text(1), " macPhyConfigStatus,powerViaMDI,maxFrameSize");
    });
}

TEST_F(LldpPagesTest, Dot1TxPagesWriteTheRowsSwitchAndShowARefusal) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* table;
        int rows;
        const char* port;
        const char* index;
        const char* before;
    };
    const Case cases[] = {
        {"VLanName1Click", "1.0.8802.1.1.2.1.5.32962.1.1.2.1.", 54, "13", "20", "true"},
        {"PotocolVlan1Click", "1.0.8802.1.1.2.1.5.32962.1.1.3.1.", 54, "13", "20", "true"},
        {"Protocol1Click", "1.0.8802.1.1.2.1.5.32962.1.1.4.1.", 78, "13", "2", "false"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withReadPage<TLldpDot1TxPage>(c.handler, [&](TLldpDot1TxPage* page) {
            QTreeWidget* list = page->ListView1;
            ASSERT_EQ(list->topLevelItemCount(), c.rows);
            EXPECT_EQ(page->RowCounter->text(), QString::number(c.rows));
            const auto row = [&] {
                for (int i = 0; i < list->topLevelItemCount(); ++i)
                    if (list->topLevelItem(i)->text(0) == c.port && list->topLevelItem(i)->text(1) == c.index)
                        return list->topLevelItem(i);
                return static_cast<QTreeWidgetItem*>(nullptr);
            };
            list->setCurrentItem(row());
            EXPECT_EQ(page->PortNumberText->text(), c.port);
            EXPECT_EQ(page->TXComboBox->currentText(), c.before);
            const std::string after = std::string(c.before) == "true" ? "false" : "true";
            page->TXComboBox->setCurrentIndex(page->TXComboBox->findText(QString::fromStdString(after)));
            const std::string instance = std::string(c.port) + "." + c.index;
            sim->clearLog();
            page->SetButton->click();
            ASSERT_TRUE(waitIdle(page));
            EXPECT_EQ(setsUnder(sim->log(), c.table), (Sets{{"1." + instance + (after == "true" ? "=1" : "=2")}}));
            EXPECT_EQ(row()->text(2), QString::fromStdString(after)) << "read again";

            // The switch refuses: shown, and the row keeps the switch's value.
            list->setCurrentItem(row());
            page->TXComboBox->setCurrentIndex(page->TXComboBox->findText(c.before));
            sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = std::string(c.table) + "1", .count = 1});
            {
                MessageBoxes boxes;
                page->SetButton->click();
                EXPECT_EQ(boxes.Texts.size(), 1);
            }
            ASSERT_TRUE(waitIdle(page));
            EXPECT_EQ(row()->text(2), QString::fromStdString(after));

            // Refresh while the walk runs.
            const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = std::string(c.table) + "1", .delayMs = 100});
            page->RefreshButton->click();
            {
                MessageBoxes boxes;
                page->RefreshButton->click();
                EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete!"});
            }
            sim->removeFault(slow);
            page->StopButton->click();
            ASSERT_TRUE(waitIdle(page));
        });
    }
}

TEST_F(LldpPagesTest, LocalSystemShowsItsChassisIdByItsSubtypeAndItsCapabilitiesByName) {
    ASSERT_TRUE(open());
    withReadPage<TLLDPLocSysDataForm>("SystemData1Click", [&](TLLDPLocSysDataForm* page) {
        EXPECT_EQ(page->windowTitle(), "LLDP Local System Data: 127.0.0.1");
        EXPECT_EQ(page->subtypeText->text(), "macAddress");
        EXPECT_EQ(page->IDText->text(), "00-1B-2C-53-00-01");
        EXPECT_EQ(page->sysNameText->text(), "trv-lab-1");
        EXPECT_EQ(page->CapSupportEdit->text(), " bridge,router,cVLANComponent");
        EXPECT_EQ(page->capEnableEdit->text(), " bridge");
        EXPECT_FALSE(page->CapSupportEdit->isEnabled());

        sim->setValue(Local + "1.0", "INTEGER 7");
        sim->setValue(Local + "2.0", "STRING \"SN-5124-0017\"");
        sim->setValue(Local + "6.0", "STRING 0x28");
        page->RefreshButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(page->subtypeText->text(), "local");
        EXPECT_EQ(page->IDText->text(), "SN-5124-0017");
        EXPECT_EQ(page->capEnableEdit->text(), " bridge,router");
    });
}

TEST_F(LldpPagesTest, RemoteTableShowsEachNeighboursIdsAndCapabilities) {
    ASSERT_TRUE(open());
    withReadPage<TLLDPRemoteForm>("RemoteTAble1Click", [&](TLLDPRemoteForm* page) {
        EXPECT_EQ(page->windowTitle(), "LLDP Remote System Data Remote Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        ASSERT_EQ(list->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowCounter->text(), "5");
        const auto onPort = [&](const char* port) {
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                if (list->topLevelItem(i)->text(1) == port) return list->topLevelItem(i);
            return static_cast<QTreeWidgetItem*>(nullptr);
        };
        struct Case {
            const char* port;
            const char* chassis;
            const char* portId;
            const char* supported;
            const char* enabled;
        };
        const Case cases[] = {
            {"5", "00-1B-2C-9A-2B-3C", "1", " bridge,telephone", " telephone"},
            {"7", "AP-0042-HALL", "wlan-uplink0", " bridge,wlanAccessPoint", " wlanAccessPoint"},
            {"23", "00-1B-2C-60-00-01", "ethernet1/0/47", " bridge,router", " bridge,router"},
            {"25", "00-1B-2C-71-A0-00", "00-1B-2C-71-A0-19", " bridge,router,cVLANComponent",
             " bridge,router,cVLANComponent"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.port);
            QTreeWidgetItem* row = onPort(c.port);
            ASSERT_TRUE(row);
            EXPECT_EQ(row->text(4), c.chassis);
            EXPECT_EQ(row->text(6), c.portId);
            EXPECT_EQ(row->text(10), c.supported);
            EXPECT_EQ(row->text(11), c.enabled);
        }
    });
}

}  // namespace
