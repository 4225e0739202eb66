// "IP Control Table" and its edit dialog through the menu item against the simulator.
#include "IPCtrlEditUnit.h"
#include "IPCtrlUnit.h"
#include "Layer3PageWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.";

class IpCtrlPageTest : public Layer3PageWindow {
protected:
    void withIpPage(const std::function<void(TIpCtrlForm*)>& check) {
        withPage<TIpCtrlForm>("IPControlTable1Click", check);
    }
};

void select(TIpCtrlForm* page, const char* name) {
    page->ListView1->setCurrentItem(rowWithKey(page->ListView1, name));
}

TEST(IpInterfaceRules, AddressesMasksAndNetworks) {
    struct Case {
        const char* text;
        bool address;
        bool mask;
    };
    const Case cases[] = {
        {"223.1.1.1", true, false},      {"224.0.0.1", false, false},     {"127.0.0.1", false, false},
        {"245.1.1.1", false, false},     {"255.255.255.255", false, true}, {"0.0.0.0", true, true},
        {"250.1.1.1", true, false},      {"1.2.3", false, false},          {"1.2.3.4.5", false, false},
        {"010.1.1.1", true, false},      {"1.2.3.256", false, false},      {"192.168.100.1009", false, false},
        {" 1.2.3.4", false, false},      {"255.255.255.128", true, true},  {"255.255.252.0", true, true},
        {"255.0.255.0", true, false},    {"", false, false},               {"255.255.255.0", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TIPCtrlEdtForm::IsValidIPv4(c.text), c.address);
        EXPECT_EQ(TIPCtrlEdtForm::IsValidMask(c.text), c.mask);
    }
    EXPECT_EQ(TIPCtrlEdtForm::NetworkOf("10.1.2.3", "255.255.0.0"), "10.1.0.0");
    EXPECT_EQ(TIPCtrlEdtForm::NetworkOf("10.1.2.3", "255.255.255.252"), "10.1.2.0");
    EXPECT_EQ(TIPCtrlEdtForm::NetworkOf("010.1.2.3", "255.0.0.0"), "10.0.0.0");
}

TEST_F(IpCtrlPageTest, ListsTheInterfacesAndOffersDeleteForAllButSystem) {
    ASSERT_TRUE(open());
    withIpPage([&](TIpCtrlForm* page) {
        EXPECT_EQ(page->windowTitle(), "IP Control Table: 127.0.0.1");
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowCounter->text(), "5");
        EXPECT_EQ(page->ListView1->headerItem()->text(0), "InterfaceName");
        QTreeWidgetItem* secondary = rowWithKey(page->ListView1, "ipif10v");
        ASSERT_TRUE(secondary);
        EXPECT_EQ(secondary->text(TIpCtrlForm::Secondary), "true");
        EXPECT_EQ(secondary->text(TIpCtrlForm::VlanName), "office");
        EXPECT_TRUE(page->AddButton->isEnabled());
        EXPECT_FALSE(page->SetButton->isEnabled());

        select(page, "System");
        EXPECT_TRUE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        select(page, "ipif20");
        EXPECT_TRUE(page->DeleteButton->isEnabled());
        EXPECT_EQ(page->IPCtrlEdtForm->edtIPAddr->text(), "192.168.20.1");
    });
}

TEST_F(IpCtrlPageTest, AddRefusesWhatBreaksTheInterfaceRulesAndSendsNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* address;
        const char* mask;
        const char* vlan;
        bool secondary;
        const char* text;
    };
    const Case cases[] = {
        {"", "", "", "voice", false, "Please input Interface Name."},
        {"ipif10", "", "", "voice", false, "Please input different Interface Name."},
        {"ipif30", "", "", "", false, "Please input a VLAN name."},
        {"ipif30", "", "", "office", false,
         "This VLAN has been used to create primary interface.\nPlease choose true in Secondary"},
        {"ipif30", "", "", "voice", true, "You should create primary interface at first."},
        {"ipif30", "127.0.0.1", "255.0.0.0", "voice", false, "Please input valid IP Address."},
        {"ipif30", "192.168.30.1", "255.0.255.0", "voice", false, "Please input valid Subnet Mask."},
        {"ipif30", "192.168.30.1", "", "voice", false, "Please input valid Subnet Mask."},
        {"ipif30", "192.168.10.9", "255.255.255.0", "voice", false,
         "There is an same interface, please modify IP or Subnet Mask!"},
    };
    withIpPage([&](TIpCtrlForm* page) {
        TIPCtrlEdtForm* dialog = page->IPCtrlEdtForm;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            sim->clearLog();
            MessageBoxes boxes;
            inDialog(dialog, page->AddButton, [&] {
                EXPECT_EQ(dialog->windowTitle(), "IP Control Table: 127.0.0.1 (Add)");
                dialog->edtInterface->setText(c.name);
                dialog->edtIPAddr->setText(c.address);
                dialog->edtMask->setText(c.mask);
                dialog->edtVlan->setText(c.vlan);
                dialog->cbxSecondary->setCurrentIndex(c.secondary ? 0 : 1);
                dialog->btnSet->click();
                EXPECT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
                EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
            });
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

TEST_F(IpCtrlPageTest, AddSendsTheTickedFieldsWithCreateAndGoAndAnEmptyAddressIsLeftOut) {
    ASSERT_TRUE(open());
    withIpPage([&](TIpCtrlForm* page) {
        TIPCtrlEdtForm* dialog = page->IPCtrlEdtForm;
        MessageBoxes boxes;
        sim->clearLog();
        inDialog(dialog, page->AddButton, [&] {
            dialog->edtInterface->setText("ipif30");
            dialog->edtVlan->setText("voice");
            dialog->btnSet->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 6; })) << boxes.Texts.join("|").toStdString();
        EXPECT_EQ(setsUnder(sim->log(), Entry),
                  (std::vector<std::vector<std::string>>{{"16." + textIndex("ipif30") + "=4"}}));

        sim->clearLog();
        inDialog(dialog, page->AddButton, [&] {
            dialog->edtInterface->setText("ipif30v");
            dialog->edtIPAddr->setText("192.168.31.1");
            dialog->edtMask->setText("255.255.255.128");
            dialog->edtVlan->setText("default");
            dialog->cbxSecondary->setCurrentIndex(0);
            dialog->CheckButton->click();
            EXPECT_FALSE(dialog->DHCPv6CheckBox->isChecked()) << "a secondary interface takes no DHCPv6 setting";
            dialog->btnSet->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 7; })) << boxes.Texts.join("|").toStdString();
        const auto sets = setsUnder(sim->log(), Entry);
        ASSERT_EQ(sets.size(), 1u);
        const std::string at = "." + textIndex("ipif30v") + "=";
        for (const char* column : {"3", "4", "5", "7", "16"})
            EXPECT_NE(std::find_if(sets[0].begin(), sets[0].end(),
                                   [&](const std::string& b) { return b.starts_with(column + at); }),
                      sets[0].end())
                << column;
        for (const std::string& binding : sets[0]) {
            EXPECT_FALSE(binding.starts_with("17.")) << "link-local auto state left out";
            EXPECT_FALSE(binding.starts_with("20.")) << "DHCPv6 client state left out";
        }
        EXPECT_EQ(sim->value(Entry + "3." + textIndex("ipif30v")), std::optional<std::string>("IPADDRESS 192.168.31.1"));
        EXPECT_EQ(sim->value(Entry + "7." + textIndex("ipif30v")), std::optional<std::string>("INTEGER 1"));
        EXPECT_EQ(sim->value(Entry + "16." + textIndex("ipif30v")), std::optional<std::string>("INTEGER 1"));
    });
}

TEST_F(IpCtrlPageTest, EditChecksEverySentFieldAndSendsOnlyTheTickedOnes) {
    ASSERT_TRUE(open());
    withIpPage([&](TIpCtrlForm* page) {
        TIPCtrlEdtForm* dialog = page->IPCtrlEdtForm;
        MessageBoxes boxes;
        select(page, "ipif20");
        sim->clearLog();
        inDialog(dialog, page->SetButton, [&] {
            EXPECT_FALSE(dialog->edtInterface->isEnabled());
            dialog->IPAddressCheckBox->setChecked(true);
            dialog->edtIPAddr->setText("224.1.1.1");
            dialog->btnSet->click();
            EXPECT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
        });
        EXPECT_EQ(boxes.Texts, QStringList{"Please input valid IP Address."});
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());

        select(page, "ipif20");
        inDialog(dialog, page->SetButton, [&] {
            dialog->IPAddressCheckBox->setChecked(true);
            dialog->edtIPAddr->setText("192.168.21.1");
            dialog->btnSet->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && !ofKind(sim->log(), "SET").empty(); }));
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page); }));
        EXPECT_EQ(setsUnder(sim->log(), Entry),
                  (std::vector<std::vector<std::string>>{{"3." + textIndex("ipif20") + "=192.168.21.1"}}));
        EXPECT_EQ(page->ListView1->currentItem(), nullptr) << "the selection is cleared after Edit";
        EXPECT_TRUE(page->AddButton->isEnabled());
    });
}

TEST_F(IpCtrlPageTest, SecondaryExclusionsLastOnlyForTheSet) {
    ASSERT_TRUE(open());
    withIpPage([&](TIpCtrlForm* page) {
        TIPCtrlEdtForm* dialog = page->IPCtrlEdtForm;
        select(page, "ipif10v");
        inDialog(dialog, page->SetButton, [&] {
            EXPECT_FALSE(dialog->ClientStatecbx->isEnabled());
            // Closed without Set.
        });
        sim->setValue(Entry + "20." + textIndex("ipif20"), "INTEGER 1");
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page); }));
        EXPECT_EQ(rowWithKey(page->ListView1, "ipif20")->text(TIpCtrlForm::Dhcpv6ClientState), "enabled")
            << "later reads still carry the DHCPv6 column";

        select(page, "ipif10v");
        sim->clearLog();
        inDialog(dialog, page->SetButton, [&] {
            dialog->CheckButton->click();
            dialog->btnSet->click();
        });
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && !ofKind(sim->log(), "SET").empty(); }));
        const auto sets = setsUnder(sim->log(), Entry);
        ASSERT_EQ(sets.size(), 1u);
        for (const std::string& binding : sets[0]) {
            EXPECT_FALSE(binding.starts_with("17.") || binding.starts_with("20.")) << binding;
            EXPECT_FALSE(binding.starts_with("16.") && !binding.ends_with("=1")) << "the row keeps its status";
        }
    });
}

TEST_F(IpCtrlPageTest, DeleteKeepsSystemAndPrimariesWithSecondariesAndDestroysTheRest) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* text;  // null: deleted
    };
    const Case cases[] = {
        {"System", "The system IP interface can't be deleted."},
        {"ipif10", "The secondary interface must be deleted first!"},
        {"ipif10v", nullptr},
        {"ipif10", nullptr},
    };
    withIpPage([&](TIpCtrlForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const int rows = page->ListView1->topLevelItemCount();
            select(page, c.name);
            sim->clearLog();
            MessageBoxes boxes;
            page->btnDelClick();
            if (c.text) {
                EXPECT_EQ(boxes.Texts, QStringList{c.text});
                EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
                continue;
            }
            ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == rows - 1; }));
            EXPECT_EQ(setsUnder(sim->log(), Entry),
                      (std::vector<std::vector<std::string>>{{"16." + textIndex(c.name) + "=6"}}));
            EXPECT_TRUE(boxes.Texts.isEmpty()) << "no confirmation";
            EXPECT_FALSE(sim->value(Entry + "3." + textIndex(c.name)).has_value());
        }
    });
}

TEST_F(IpCtrlPageTest, WhileReadingWritesAndTheCloseAreRefusedUntilStop) {
    ASSERT_TRUE(open());
    withIpPage([&](TIpCtrlForm* page) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Entry.substr(0, Entry.size() - 1), .delayMs = 300});
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return rowWithKey(page->ListView1, "ipif20") != nullptr; }));
        ASSERT_TRUE(page->Reading());
        select(page, "ipif20");
        sim->clearLog();
        for (QPushButton* button : {page->SetButton, page->DeleteButton, page->AddButton}) {
            MessageBoxes boxes;
            button->setEnabled(true);
            button->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        }
        {
            MessageBoxes boxes;
            page->reject();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
            EXPECT_TRUE(page->isVisible()) << "the close is refused";
        }
        page->StopButton->click();
        sim->removeFault(fault);
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page); }));
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

}  // namespace
