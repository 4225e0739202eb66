// "Ethernet Rule" through its menu item against the simulator.
#include "AclPageWindow.h"
#include "EthernetInformationRuleUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.1.1.";

class EthernetRulePageTest : public AclPageWindow {
protected:
    void withRulePage(const std::function<void(TEthernetInformationRuleForm*)>& check) {
        withPage<TEthernetInformationRuleForm>("RuleOfEthernetInformation1Click", check);
    }
};

std::vector<std::string> withoutPorts(const std::vector<std::string>& set) { return withoutColumn(set, 14); }

void newRule(TEthernetInformationRuleForm* page, const char* mask, const char* access) {
    page->MaskIDEdit->setText(mask);
    page->AccessEdit->setText(access);
    page->PortSelector->PortCheckBoxes[3]->setChecked(true);
    page->cbxPermit->setChecked(true);
}

TEST_F(EthernetRulePageTest, OpensWithTheRulesAndShowsASelectedOne) {
    ASSERT_TRUE(open());
    withRulePage([&](TEthernetInformationRuleForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL Ethernet Rule: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(page->PageControl1->tabText(0), "Static Ports");
        selectRow(page->ListView1, {"1", "1"});
        EXPECT_EQ(page->SourceMACEdit->text(), "001B2C530101");
        EXPECT_EQ(page->EnablePriorityComboBox->currentText(), "enabled");
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[3]->isChecked());
        EXPECT_FALSE(page->MaskIDEdit->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        selectRow(page->ListView1, {"1", "2"});
        EXPECT_EQ(page->PermitComboBox->currentText(), "deny");
        EXPECT_FALSE(page->RxRateEdit->isEnabled());
        EXPECT_FALSE(page->MirrorIDEdit->isEnabled());
    });
}

TEST_F(EthernetRulePageTest, WritesSendTheCheckedFields) {
    ASSERT_TRUE(open());
    withRulePage([&](TEthernetInformationRuleForm* page) {
        // A new deny rule still carries a checked field whose control the action greyed.
        newRule(page, "2", "9");
        page->cbxRxRate->setChecked(true);
        page->RxRateEdit->setText("640");
        page->cbxEtherType->setChecked(true);
        page->EthTypeEdit->setText("86dd");
        choose(page->PermitComboBox, "deny");
        EXPECT_EQ(withoutPorts(clickForOneSet(page->AddButton, Entry)),
                  (std::vector<std::string>{"7.2.9=0x86dd", "13.2.9=1", "15.2.9=640", "16.2.9=4"}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);

        // Edit of the deny rule: the RX rate stays home, the action travels with the row's own status.
        selectRow(page->ListView1, {"2", "9"});
        page->cbxPermit->setChecked(true);
        page->cbxRxRate->setChecked(true);
        page->cbxVlan->setChecked(true);
        page->VlanRuleEdit->setText("lab");
        page->RowComboBox->setCurrentText("destroy");
        EXPECT_EQ(withoutPorts(clickForOneSet(page->SetButton, Entry)),
                  (std::vector<std::string>{"3.2.9=0x6c6162", "13.2.9=1", "16.2.9=1"}));
        EXPECT_TRUE(sim->value(Entry + "16.2.9").has_value());

        // A permit rule whose priority is disabled never sends priority fields while its box is unchecked.
        selectRow(page->ListView1, {"2", "9"});
        choose(page->PermitComboBox, "permit");
        page->cbxPermit->setChecked(true);
        page->cbxPriority->setEnabled(true);
        page->cbxPriority->setChecked(true);
        page->PriorityEdit->setText("6");
        const Sets sets = click(page->SetButton, Entry);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(withoutPorts(sets[0]), (std::vector<std::string>{"13.2.9=2", "16.2.9=1"}));

        deleteRow(page, {"2", "9"}, Entry, "16.2.9", 4);
    });
}

TEST_F(EthernetRulePageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    using Case = RefusalCase<TEthernetInformationRuleForm>;
    const Case cases[] = {
        {"no mask ID", [](auto* p) { p->MaskIDEdit->clear(); }, "Mask ID must be set."},
        {"no access ID", [](auto* p) { p->AccessEdit->clear(); }, "Access ID must be set."},
        {"checked and empty before any form", [](auto* p) {
             p->cbxSource->setChecked(true);
             p->SourceMACEdit->setText("12");
             p->cbxTimeRange->setChecked(true);
         }, "Some check field is empty"},
        {"MAC address with colons", [](auto* p) {
             p->cbxDestination->setChecked(true);
             p->DestMACEdit->setText("00:1b:2c:53");
         }, "Invalid MAC Address"},
        {"Ethernet type of three digits", [](auto* p) {
             p->cbxEtherType->setChecked(true);
             p->EthTypeEdit->setText("800");
         }, "Invalid Ethernet Type"},
        {"priority of 8", [](auto* p) {
             choose(p->EnablePriorityComboBox, "enabled");
             p->PriorityEdit->setText("8");
         }, "Priority value should between 0-7"},
        {"RX rate above the limit", [](auto* p) {
             p->cbxRxRate->setChecked(true);
             p->RxRateEdit->setText("156250");
         }, "RX Rate should between 0-156249"},
        {"no port", [](auto* p) { p->PortSelector->UncheckAll(); }, "You must choose at least 1 port!"},
        {"listed pair", [](auto* p) {
             p->MaskIDEdit->setText("1");
             p->AccessEdit->setText("2");
         }, "Has already a record with the same Mask ID and Access ID. Please change eithor of them."},
        {"action not checked", [](auto* p) { p->cbxPermit->setChecked(false); }, "Permit option must be checked."},
    };
    withRulePage([&](TEthernetInformationRuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->CleanCheButton->click();
            choose(page->EnablePriorityComboBox, "disabled");
            newRule(page, "2", "9");
            c.fill(page);
            expectRefused(page->AddButton, Entry, c.text);
        }
    });
}

}  // namespace
