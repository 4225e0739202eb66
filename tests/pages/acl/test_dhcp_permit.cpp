// "Permit  Table" of the DHCP server screening through its menu item against the simulator.
#include "AclPageWindow.h"
#include "FilterDHCPPermitFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.37.1.1.1.";
// 10.90.90.5 and 00-1B-2C-53-01-A4
const std::string Listed = "10.90.90.5.0.27.44.83.1.164";
const std::string Unit1Port3 = "0x2000000000000000";
// The same in the width of the list as read: twelve units.
const std::string Unit1Port3Read = "0x20" + std::string(190, '0');

class DhcpPermitPageTest : public AclPageWindow {
protected:
    void withPermitPage(const std::function<void(TFilterDHCPPermitForm*)>& check) {
        withPage<TFilterDHCPPermitForm>("FilterDHCPPermitTable1Click", check);
    }
};

TEST_F(DhcpPermitPageTest, OpensWithTheEntriesAndShowsASelectedOnesPorts) {
    ASSERT_TRUE(open());
    withPermitPage([&](TFilterDHCPPermitForm* page) {
        EXPECT_EQ(page->windowTitle(), "DHCP Server Filter Permit Table: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_TRUE(page->AddButton->isEnabled());
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        selectRow(page->ListView1, {"10.90.90.5", "001B2C5301A4"});
        EXPECT_EQ(page->edtIpAddr->text(), "10.90.90.5");
        EXPECT_FALSE(page->edtIpAddr->isEnabled());
        EXPECT_FALSE(page->edtMacAddr->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[0]->isChecked());
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[1]->isChecked());
        EXPECT_FALSE(page->PortSelector->PortCheckBoxes[2]->isChecked());

        page->RefreshButton->click();
        EXPECT_FALSE(page->AddButton->isEnabled()) << "nothing to act on until the next click";
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        EXPECT_TRUE(page->edtIpAddr->text().isEmpty());
        selectRow(page->ListView1, {"10.90.90.5", "001B2C5301A4"});
        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->AddButton->isEnabled());
        EXPECT_TRUE(page->edtIpAddr->isEnabled());
        EXPECT_FALSE(page->PortSelector->PortCheckBoxes[0]->isChecked());
    });
}

TEST_F(DhcpPermitPageTest, AddEditAndDeleteSendThePortsAndTheStatusTheirActionNeeds) {
    ASSERT_TRUE(open());
    withPermitPage([&](TFilterDHCPPermitForm* page) {
        page->edtIpAddr->setText("10.90.90.6");
        page->edtMacAddr->setText("00e04c68c2d1");
        page->PortSelector->PortCheckBoxes[2]->setChecked(true);
        const std::string added = "10.90.90.6.0.224.76.104.194.209";
        EXPECT_EQ(click(page->AddButton, Entry),
                  (std::vector<std::vector<std::string>>{{"3." + added + "=" + Unit1Port3, "4." + added + "=4"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(sim->value(Entry + "4." + added), "INTEGER 1");

        selectRow(page->ListView1, {"10.90.90.5", "001B2C5301A4"});
        page->PortSelector->PortCheckBoxes[0]->setChecked(false);
        page->PortSelector->PortCheckBoxes[1]->setChecked(false);
        page->PortSelector->PortCheckBoxes[2]->setChecked(true);
        EXPECT_EQ(click(page->SetButton, Entry),
                  (std::vector<std::vector<std::string>>{{"3." + Listed + "=" + Unit1Port3Read, "4." + Listed + "=1"}}));
        EXPECT_EQ(sim->value(Entry + "3." + Listed), "STRING " + Unit1Port3Read);

        selectRow(page->ListView1, {"10.90.90.6", "00E04C68C2D1"});
        EXPECT_EQ(click(page->DeleteButton, Entry), (std::vector<std::vector<std::string>>{{"4." + added + "=6"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->Binder->Request.VarList.GetVar(2).Access, afReadWrite) << "the ports are sent again";
    });
}

TEST_F(DhcpPermitPageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* ip;
        const char* mac;
        bool port;
        const char* text;
    };
    const Case cases[] = {
        {"", "001122334455", true, "Please input a valid IP"},
        {"10.1.1", "001122334455", true, "Please input a valid IP"},
        {"10..1.1", "001122334455", true, "Please input a valid IP"},
        {".10.1.1.1", "001122334455", true, "Please input a valid IP"},
        {"10.1.1.1.", "001122334455", true, "Please input a valid IP"},
        {"10.1.1.256", "001122334455", true, "Please input a valid IP"},
        {"192.168.100.1009", "001122334455", true, "Please input a valid IP"},
        {"10.1.1.1", "00:11:22:33:44", true, "Invalid MAC address"},
        {"10.1.1.1", "0011223344", true, "Invalid MAC address"},
        {"10.1.1.1", "00112233445G", true, "Invalid MAC address"},
        {"10.1.1.1", "001122334455", false, "Please select at least one port to add."},
    };
    withPermitPage([&](TFilterDHCPPermitForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.ip) + " " + c.mac);
            page->edtIpAddr->setText(c.ip);
            page->edtMacAddr->setText(c.mac);
            page->PortSelector->UncheckAll();
            page->PortSelector->PortCheckBoxes[4]->setChecked(c.port);
            expectRefused(page->AddButton, Entry, c.text);
        }
        selectRow(page->ListView1, {"10.90.90.5", "001B2C5301A4"});
        page->PortSelector->UncheckAll();
        expectRefused(page->SetButton, Entry, "Please select at least one port to edit.");
    });
}

}  // namespace
