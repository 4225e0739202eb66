// The ARP spoofing prevention page and the IPv4 and IPv6 IP-MAC-port binding pages through their menu
// items against the simulator: rows keyed by address (and MAC address), port lists that travel only
// when ports are chosen, and malformed keys refused before anything is sent.
#include "ARPSpoofingPreventMgmtFormUnit.h"
#include "AdminPageWindow.h"
#include "IPMACBindingIPv6FormUnit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Arp = "1.3.6.1.4.1.32473.12.62.3.1.1.";
const std::string Impb = "1.3.6.1.4.1.32473.12.23.4.1.1.";
const std::string Impb6 = "1.3.6.1.4.1.32473.12.23.4.4.1.";

class AddressBindingTest : public AdminPageWindow {
protected:
    void press(QPushButton* button) {
        sim->clearLog();
        button->click();
    }
};

QTreeWidgetItem* rowOf(TAddressBindingPage* page, const QString& address) { return rowWithKey(page->ListView1, address); }

void checkPort(TAddressBindingPage* page, int position) { page->PortSelector->PortCheckBoxes[std::size_t(position)]->setChecked(true); }

// The SETs of the log with the port lists cut to their first octets, which are what a test chooses.
std::vector<std::vector<std::string>> setsCut(const std::vector<trvtest::LogEntry>& log, const std::string& prefix) {
    auto sets = setsUnder(log, prefix);
    for (auto& set : sets)
        for (auto& binding : set)
            if (binding.size() > 40) binding = binding.substr(0, binding.find('=') + 1 + 2 + 8 * 2) + "...";
    return sets;
}

TEST_F(AddressBindingTest, ArpRowsAreAddedWithPortsOfPresentUnitsOnlySetAndDeleted) {
    ASSERT_TRUE(open());
    withAdminPage<TARPSpoofingPreventMgmtForm>("ARPSpoofingPrevention1Click", [&](TARPSpoofingPreventMgmtForm* page) {
        EXPECT_EQ(page->windowTitle(), "ARP Spoofing Prevention Management Table: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");

        EXPECT_EQ(rowOf(page, "10.20.1.1")->text(2), "1-24");
        page->ListView1->setCurrentItem(rowOf(page, "10.20.1.1"));
        EXPECT_EQ(page->edtMacAddr->text(), "001B2C0A0101");
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[23]->isChecked());
        EXPECT_FALSE(page->PortSelector->PortCheckBoxes[24]->isChecked());
        EXPECT_FALSE(page->edtIpAddr->isEnabled());
        EXPECT_FALSE(page->edtMacAddr->isEnabled()) << "the MAC address is part of the row's name";
        EXPECT_FALSE(page->AddButton->isEnabled());
        page->PortSelector->PortCheckBoxes[0]->setChecked(false);
        press(page->SetButton);
        EXPECT_EQ(setsCut(sim->log(), Arp),
                  (std::vector<std::vector<std::string>>{{"3.10.20.1.1.0.27.44.10.1.1=0x7fffff0000000000...", "4.10.20.1.1.0.27.44.10.1.1=1"}}));
        EXPECT_TRUE(page->edtIpAddr->isEnabled() && page->edtIpAddr->text().isEmpty()) << "the idle reset after a write";

        // A new gateway with no port: its status alone. Then one with a port of unit 1.
        page->edtIpAddr->setText("10.20.3.1");
        page->edtMacAddr->setText("001b2c0a0301");
        press(page->AddButton);
        EXPECT_EQ(setsUnder(sim->log(), Arp), (std::vector<std::vector<std::string>>{{"4.10.20.3.1.0.27.44.10.3.1=4"}}));
        page->edtIpAddr->setText("10.20.4.1");
        page->edtMacAddr->setText("001B2C0A0401");
        checkPort(page, 2);
        press(page->AddButton);
        EXPECT_EQ(setsCut(sim->log(), Arp),
                  (std::vector<std::vector<std::string>>{{"3.10.20.4.1.0.27.44.10.4.1=0x2000000000000000...", "4.10.20.4.1.0.27.44.10.4.1=4"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);

        page->ListView1->setCurrentItem(rowOf(page, "172.16.0.1"));
        press(page->DeleteButton);
        EXPECT_EQ(setsCut(sim->log(), Arp).at(0).back(), "4.172.16.0.1.0.38.90.16.0.1=6");
        EXPECT_FALSE(sim->value(Arp + "4.172.16.0.1.0.38.90.16.0.1").has_value());
        EXPECT_EQ(page->RowCounter->text(), "4");
    });
}

TEST_F(AddressBindingTest, ArpRefusesMalformedGatewaysAndMacAddresses) {
    ASSERT_TRUE(open());
    const std::pair<const char*, const char*> addresses[] = {
        {"", "Please input a valid IP"},         {"1.2.3", "Please input a valid IP"},
        {"1.2.3.4.5", "Please input a valid IP"}, {"192.168.100.1009", "Please input a valid IP"},
        {"10.20.1.", "Please input a valid   IP"}, {"10..1.1", "Please input a valid   IP"},
        {"10.20.1.x", "Please input a valid IP"},
    };
    const char* macs[] = {"", "001b2c0a03", "001b2c0a030g", "00-1b-2c-0a-"};
    withAdminPage<TARPSpoofingPreventMgmtForm>("ARPSpoofingPrevention1Click", [&](TARPSpoofingPreventMgmtForm* page) {
        for (const auto& [address, text] : addresses) {
            SCOPED_TRACE(address);
            page->edtIpAddr->setText(address);
            page->edtMacAddr->setText("001b2c0a0301");
            MessageBoxes boxes;
            press(page->AddButton);
            EXPECT_EQ(boxes.Texts, QStringList{text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        for (const char* mac : macs) {
            SCOPED_TRACE(mac);
            page->edtIpAddr->setText("10.20.3.1");
            page->edtMacAddr->setText(mac);
            MessageBoxes boxes;
            press(page->AddButton);
            EXPECT_EQ(boxes.Texts, QStringList{"Invalid MAC address"});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

TEST_F(AddressBindingTest, ArpAddInAStackSendsPortsOnlyForAPresentUnit) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withAdminPage<TARPSpoofingPreventMgmtForm>("ARPSpoofingPrevention1Click", [&](TARPSpoofingPreventMgmtForm* page) {
        ASSERT_EQ(page->PortSelector->PortCheckBoxes.size(), 768u);
        // Unit 2 is absent: a box of it alone does not make the port list travel.
        page->edtIpAddr->setText("10.20.5.1");
        page->edtMacAddr->setText("001b2c0a0501");
        checkPort(page, 64);
        press(page->AddButton);
        EXPECT_EQ(setsUnder(sim->log(), Arp), (std::vector<std::vector<std::string>>{{"4.10.20.5.1.0.27.44.10.5.1=4"}}));
        page->edtIpAddr->setText("10.20.6.1");
        page->edtMacAddr->setText("001b2c0a0601");
        checkPort(page, 128);
        press(page->AddButton);
        const auto sets = setsUnder(sim->log(), Arp);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0][0], "3.10.20.6.1.0.27.44.10.6.1=0x" + std::string(32, '0') + "80" + std::string(158, '0'));
    });
}

TEST_F(AddressBindingTest, BindingEntriesAreEditedAddedAndDeletedWithTheirPortsOnlyWhenChosen) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withAdminPage<TIPMACBindingForm>("BindingTable1Click", [&](TIPMACBindingForm* page) {
        EXPECT_EQ(page->windowTitle(), "IP-MAC-Port Binding Binding Table: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        QTreeWidgetItem* learned = rowOf(page, "10.20.1.22");
        EXPECT_EQ(learned->text(4), "dhcp-snooping");
        EXPECT_EQ(learned->text(5), "active");
        EXPECT_EQ(rowOf(page, "10.20.2.40")->text(5), "inactive");
        EXPECT_EQ(rowOf(page, "10.20.2.40")->text(2), "140") << "port 12 of unit 3";

        page->ListView1->setCurrentItem(rowOf(page, "10.20.2.40"));
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[128 + 11]->isChecked()) << "port 12 of unit 3";
        EXPECT_FALSE(page->edtIpAddr->isEnabled());
        EXPECT_TRUE(page->edtMacAddr->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        page->edtMacAddr->setText("00265A0B2041");
        page->PortSelector->UncheckAll();
        press(page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Impb),
                  (std::vector<std::vector<std::string>>{{"2.10.20.2.40=0x00265a0b2041", "3.10.20.2.40=1"}}));
        EXPECT_EQ(sim->value(Impb + "2.10.20.2.40"), std::optional<std::string>("STRING 0x00265a0b2041"));

        page->edtIpAddr->setText("10.20.3.5");
        page->edtMacAddr->setText("001b2c0a3505");
        checkPort(page, 128 + 2);
        press(page->AddButton);
        const auto sets = setsUnder(sim->log(), Impb);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], (std::vector<std::string>{"2.10.20.3.5=0x001b2c0a3505",
                                                     "4.10.20.3.5=0x" + std::string(32, '0') + "20" + std::string(158, '0'),
                                                     "3.10.20.3.5=4"}));
        EXPECT_EQ(sim->value(Impb + "6.10.20.3.5"), std::optional<std::string>("INTEGER 4"));

        page->ListView1->setCurrentItem(rowOf(page, "10.20.1.21"));
        press(page->DeleteButton);
        EXPECT_EQ(setsUnder(sim->log(), Impb).at(0).back(), "3.10.20.1.21=6");
        EXPECT_EQ(rowOf(page, "10.20.1.21"), nullptr);

        const std::pair<const char*, const char*> refusals[] = {
            {"", "Please input a valid ip"},           {"10.20.1", "Please input a valid ip"},
            {"10.20.1.256", "Please input a valid ip"}, {"10.20.1.5.7", "Please input a valid ip"},
        };
        for (const auto& [address, text] : refusals) {
            SCOPED_TRACE(address);
            page->edtIpAddr->setText(address);
            page->edtMacAddr->setText("001b2c0a3505");
            MessageBoxes boxes;
            press(page->AddButton);
            EXPECT_EQ(boxes.Texts, QStringList{text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

TEST_F(AddressBindingTest, Ipv6BindingKeysAreExactlyThirtyTwoHexDigits) {
    ASSERT_TRUE(open());
    withAdminPage<TIPMACBindingIPv6Form>("IPv6Table2Click", [&](TIPMACBindingIPv6Form* page) {
        EXPECT_EQ(page->windowTitle(), "IP-MAC-Port Binding IPv6 Table: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(rowOf(page, "FE80000000000000021B2CFFFE0A1530")->text(3), "nd-snooping");
        const char* refusals[] = {"", "2001:db8::1", "20010DB800100000000000000000002", "20010DB80010000000000000000000G1"};
        for (const char* address : refusals) {
            SCOPED_TRACE(address);
            page->edtIpAddr->setText(address);
            page->edtMacAddr->setText("001b2c0a3505");
            MessageBoxes boxes;
            press(page->AddButton);
            EXPECT_EQ(boxes.Texts, QStringList{"Please input a valid ip"});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        page->edtIpAddr->setText("20010db80030000000000000000000a1");
        page->edtMacAddr->setText("001b2c0a30a1");
        press(page->AddButton);
        const std::string instance = "32.1.13.184.0.48.0.0.0.0.0.0.0.0.0.161";
        EXPECT_EQ(setsUnder(sim->log(), Impb6),
                  (std::vector<std::vector<std::string>>{{"2." + instance + "=0x001b2c0a30a1", "6." + instance + "=4"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 4);
    });
}

}  // namespace
