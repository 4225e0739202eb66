// "IPv6 Rule" through its menu item against the simulator.
#include "AclPageWindow.h"
#include "IPv6RuleInfoFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.4.1.";
const char* Address = "20010DB8000000000000000000000001";

class IPv6RulePageTest : public AclPageWindow {
protected:
    void withRulePage(const std::function<void(TIpv6RuleForm*)>& check) { withPage<TIpv6RuleForm>("IPv6Rule1Click", check); }
};

// The bindings of one SET but the port list, which is given apart.
std::vector<std::string> withoutPorts(const std::vector<std::string>& set, std::string* ports = nullptr) {
    return withoutColumn(set, 11, ports);
}

void newRule(TIpv6RuleForm* page) {
    selectRow(page->ListView1, {});
    page->edtRuleID->setText("4");
    page->edtRuleAccessID->setText("7");
    page->PortSelector->PortCheckBoxes[0]->setChecked(true);
    page->cbxPermit->setChecked(true);
    choose(page->PermitComboBox, "permit");
}

TEST_F(IPv6RulePageTest, OpensWithTheRulesAndEnablesFieldsByActionPriorityAndProtocol) {
    ASSERT_TRUE(open());
    withRulePage([&](TIpv6RuleForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL IPv6 Rule: 127.0.0.1");
        EXPECT_EQ(page->parentWidget(), nullptr) << "owned by the application";
        EXPECT_EQ(ExportedDialog("TIpv6RuleForm"), page);
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        EXPECT_EQ(page->pgc1->tabText(0), "Ports");
        EXPECT_EQ(page->PermitComboBox->currentText(), "permit");
        EXPECT_FALSE(page->edtMirrorGroupID->isEnabled()) << "a permit rule has no mirror group";
        EXPECT_FALSE(page->edtSourcePort->isEnabled()) << "protocol none has no ports";
        EXPECT_FALSE(page->OwnerComboBox->isEnabled());

        selectRow(page->ListView1, {"1", "1"});
        EXPECT_EQ(page->edtRuleClass->text(), "46");
        EXPECT_EQ(page->PriorityEdit->text(), "5");
        EXPECT_EQ(page->edtTimeRange->text(), "office-hours");
        EXPECT_TRUE(page->cbxPriority->isChecked()) << "an enabled priority ticks its fields";
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[1]->isChecked());
        EXPECT_FALSE(page->edtRuleID->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());

        selectRow(page->ListView1, {"2", "1"});
        EXPECT_EQ(page->edtRuleDstIpv6addr->text(), "20010DB8000000010000000000000010");
        EXPECT_EQ(page->PermitComboBox->currentText(), "deny");
        EXPECT_FALSE(page->RxRateEdit->isEnabled());
        EXPECT_FALSE(page->cbxEnablePriority->isEnabled());
        EXPECT_FALSE(page->edtMirrorGroupID->isEnabled());
        EXPECT_TRUE(page->edtDestinationPort->isEnabled()) << "tcp";
        EXPECT_EQ(page->edtDestinationPort->text(), "443");

        selectRow(page->ListView1, {"2", "3"});
        EXPECT_EQ(page->PermitComboBox->currentText(), "mirror");
        EXPECT_TRUE(page->edtMirrorGroupID->isEnabled());
        EXPECT_FALSE(page->RxRateEdit->isEnabled());

        choose(page->cbxProtocol, "none");
        EXPECT_FALSE(page->SourcePortCheckBox->isEnabled());
        choose(page->PermitComboBox, "permit");
        EXPECT_TRUE(page->RxRateEdit->isEnabled());
        EXPECT_FALSE(page->edtMirrorGroupID->isEnabled());

        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->edtRuleID->isEnabled());
        EXPECT_TRUE(page->edtRuleID->text().isEmpty());
        EXPECT_EQ(page->RowComboBox->currentText(), "createAndGo");
    });
}

TEST_F(IPv6RulePageTest, AddSendsTheTickedFieldsAndDeleteOnlyTheStatus) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        std::function<void(TIpv6RuleForm*)> fill;
        std::vector<std::string> sent;  // without the port list
    };
    const Case cases[] = {
        {"class and flow label with a priority",
         [](TIpv6RuleForm* p) {
             p->cbxRuleClass->setChecked(true);
             p->edtRuleClass->setText("10");
             p->cbxRuleFlowlabel->setChecked(true);
             p->edtRuleFlowlabel->setText("000abcde");
             p->cbxEnablePriority->setChecked(true);
             choose(p->PriorityComboBox, "enabled");
             p->PriorityEdit->setText("3");
             p->ReplaceComboBox->setCurrentText("enabled");
         },
         {"3.4.7=10", "4.4.7=0x000abcde", "7.4.7=1", "8.4.7=3", "9.4.7=1", "10.4.7=2", "13.4.7=4"}},
        {"addresses, protocol and port, time range; priority boxes without an enabled priority stay out",
         [](TIpv6RuleForm* p) {
             p->cbxRuleSrcIpv6addr->setChecked(true);
             p->edtRuleSrcIpv6addr->setText(Address);
             p->cbxRuleDstIpv6addr->setChecked(true);
             p->edtRuleDstIpv6addr->setText("fe800000000000000000000000000002");
             p->ProtocolCheckBox->setChecked(true);
             choose(p->cbxProtocol, "udp");
             p->DestinationPortCheckBox->setChecked(true);
             p->edtDestinationPort->setText("53");
             p->cbxTimeRange->setChecked(true);
             p->edtTimeRange->setText("weekend");
             p->cbxPriority->setEnabled(true);
             p->cbxPriority->setChecked(true);
             p->PriorityEdit->setText("6");
         },
         {"5.4.7=0x20010db8000000000000000000000001", "6.4.7=0xfe800000000000000000000000000002", "10.4.7=2",
          "13.4.7=4", "14.4.7=0x7765656b656e64", "20.4.7=3", "22.4.7=53"}},
        {"a mirror rule with its group",
         [](TIpv6RuleForm* p) {
             choose(p->PermitComboBox, "mirror");
             p->MirrorGroupIDCheckBox->setChecked(true);
             p->edtMirrorGroupID->setText("3");
         },
         {"10.4.7=3", "13.4.7=4", "29.4.7=3"}},
    };
    withRulePage([&](TIpv6RuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page);
            page->PortSelector->PortCheckBoxes[9]->setChecked(true);
            c.fill(page);
            std::string ports;
            EXPECT_EQ(withoutPorts(clickForOneSet(page->AddButton, Entry), &ports), c.sent);
            EXPECT_TRUE(ports.starts_with("11.4.7=0x8040")) << ports;
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 5);
            EXPECT_EQ(sim->value(Entry + "13.4.7"), std::optional<std::string>("INTEGER 1"));
            deleteRow(page, {"4", "7"}, Entry, "13.4.7", 4);
        }
    });
}

TEST_F(IPv6RulePageTest, EditSendsTheTickedFieldsWithTheRowsOwnStatus) {
    ASSERT_TRUE(open());
    withRulePage([&](TIpv6RuleForm* page) {
        // Only RX Rate ticked: the ports, the status and the rate travel.
        selectRow(page->ListView1, {"1", "1"});
        page->UncheckButton->click();
        page->cbxPriority->setChecked(false);
        page->cbxReplacePriority->setChecked(false);
        page->cbxRxRate->setChecked(true);
        page->RxRateEdit->setText("500");
        Sets sets = click(page->SetButton, Entry);
        ASSERT_EQ(sets.size(), 1u);
        std::string ports;
        EXPECT_EQ(withoutPorts(sets[0], &ports), (std::vector<std::string>{"12.1.1=500", "13.1.1=1"}));
        EXPECT_TRUE(ports.starts_with("11.1.1=0xc000000000000000080")) << "the row's ports as read: " << ports;
        EXPECT_EQ(sim->value(Entry + "12.1.1"), std::optional<std::string>("INTEGER 500"));

        // The row's priority is disabled and Enable Priority unticked: Priority never travels.
        selectRow(page->ListView1, {"1", "2"});
        page->cbxPriority->setEnabled(true);
        page->cbxPriority->setChecked(true);
        page->PriorityEdit->setText("4");
        page->cbxRuleFlowlabel->setChecked(true);
        page->edtRuleFlowlabel->setText("0001FFFF");
        // A hidden combo left on "destroy" never turns an Edit into a delete.
        page->RowComboBox->setCurrentText("destroy");
        sets = click(page->SetButton, Entry);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(withoutPorts(sets[0]), (std::vector<std::string>{"4.1.2=0x0001ffff", "13.1.2=1"}));
        EXPECT_EQ(sim->value(Entry + "4.1.2"), std::optional<std::string>("STRING 0x0001ffff"));
        EXPECT_TRUE(sim->value(Entry + "13.1.2").has_value());
    });
}

TEST_F(IPv6RulePageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    using Case = RefusalCase<TIpv6RuleForm>;
    const auto flowLabel = [](const char* text) {
        return [text](TIpv6RuleForm* p) {
            p->cbxRuleFlowlabel->setChecked(true);
            p->edtRuleFlowlabel->setText(text);
        };
    };
    const auto source = [](const char* text) {
        return [text](TIpv6RuleForm* p) {
            p->cbxRuleSrcIpv6addr->setChecked(true);
            p->edtRuleSrcIpv6addr->setText(text);
        };
    };
    const Case cases[] = {
        {"no profile ID", [](auto* p) { p->edtRuleID->clear(); }, "Rule ID must be set."},
        {"no access ID", [](auto* p) { p->edtRuleAccessID->clear(); }, "Rule Access ID must be set."},
        {"class with an address, before any content check", [](auto* p) {
             p->cbxRuleClass->setChecked(true);
             p->cbxRuleDstIpv6addr->setChecked(true);
         }, "Can not set mutex data together"},
        {"Check All ticks both kinds", [](auto* p) { p->CheckButton->click(); }, "Can not set mutex data together"},
        {"class ticked and empty", [](auto* p) { p->cbxRuleClass->setChecked(true); }, "Some checked field is empty"},
        {"flow label empty", flowLabel(""), "Invalid data!"},
        {"flow label of five digits", flowLabel("ABCDE"), "Invalid data!"},
        {"flow label not hexadecimal", flowLabel("0000ABCG"), "Invalid data!"},
        {"flow label of nine digits", flowLabel("000ABCDEF"), "The length of this value should be eight."},
        {"address ticked and empty", source(""), "Some checked field is empty"},
        {"address with colons", source("2001:db8::1"), "Invalid Ipv6 Address value"},
        {"address of 31 digits", source("20010DB800000000000000000000001"), "Invalid Ipv6 Address value"},
        {"RX rate above the limit", [](auto* p) {
             p->cbxRxRate->setChecked(true);
             p->RxRateEdit->setText("156250");
         }, "RX Rate should between 0-156249"},
        {"time range ticked and empty", [](auto* p) { p->cbxTimeRange->setChecked(true); }, "Some checked field is empty"},
        {"no port", [](auto* p) { p->PortSelector->UncheckAll(); }, "You must choose at least 1 port!"},
        {"listed pair", [](auto* p) {
             p->edtRuleID->setText("2");
             p->edtRuleAccessID->setText("3");
         }, "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them."},
        {"action not ticked", [](auto* p) { p->cbxPermit->setChecked(false); }, "Permit option must be checked."},
    };
    withRulePage([&](TIpv6RuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page);
            c.fill(page);
            expectRefused(page->AddButton, Entry, c.text);
            page->UncheckButton->click();
            page->cbxRxRate->setChecked(false);
        }
        // A valid flow label of eight digits passes.
        newRule(page);
        flowLabel("0A0b0C0d")(page);
        QStringList texts;
        EXPECT_EQ(click(page->AddButton, Entry, &texts).size(), 1u);
        EXPECT_TRUE(texts.isEmpty()) << texts.join('|').toStdString();
    });
}

class IPv6RuleStackTest : public IPv6RulePageTest {};

TEST_F(IPv6RuleStackTest, APortOfTheTwelfthUnitCounts) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withRulePage([&](TIpv6RuleForm* page) {
        ASSERT_EQ(page->PortSelector->PortCheckBoxes.size(), 768u);
        newRule(page);
        page->PortSelector->UncheckAll();
        page->PortSelector->PortCheckBoxes[11 * 64 + 2]->setChecked(true);
        std::string ports;
        withoutPorts(clickForOneSet(page->AddButton, Entry), &ports);
        EXPECT_EQ(ports.substr(ports.size() - 16), "2000000000000000") << "unit 12 port 3";
    });
}

}  // namespace
