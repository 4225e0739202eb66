// "IP Rule" through its menu item against the simulator.
#include "AclPageWindow.h"
#include "IPRuleUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.2.1.";

class IPRulePageTest : public AclPageWindow {
protected:
    void withRulePage(const std::function<void(TIPRuleForm*)>& check) { withPage<TIPRuleForm>("IPRule1Click", check); }
};

// The bindings of one SET but the port list, which is given apart.
std::vector<std::string> withoutPorts(const std::vector<std::string>& set, std::string* ports = nullptr) {
    return withoutColumn(set, 21, ports);
}

void newRule(TIPRuleForm* page, const char* profile, const char* access) {
    page->IPRuleEdit->setText(profile);
    page->AccessIDEdit->setText(access);
    page->PortSelector->PortCheckBoxes[0]->setChecked(true);
    page->cbxPermit->setChecked(true);
}

TEST_F(IPRulePageTest, OpensWithTheRulesAndFixesTheKeysAndProtocolOfASelectedRule) {
    ASSERT_TRUE(open());
    withRulePage([&](TIPRuleForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL IP Rule: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        EXPECT_EQ(page->PageControl1->tabText(0), "Ports");
        EXPECT_EQ(page->PermitComboBox->currentText(), "permit");
        EXPECT_FALSE(page->MirrorIDEdit->isEnabled()) << "a permit rule has no mirror group";

        selectRow(page->ListView1, {"1", "1"});
        EXPECT_EQ(page->IPRuleEdit->text(), "1");
        EXPECT_EQ(page->SourceIPEdit->text(), "10.1.1.0");
        EXPECT_EQ(page->PriorityEdit->text(), "5");
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[1]->isChecked());
        EXPECT_FALSE(page->PortSelector->PortCheckBoxes[2]->isChecked());
        for (QWidget* fixed : std::initializer_list<QWidget*>{page->IPRuleEdit, page->AccessIDEdit, page->AddButton,
                                                              page->ProtocolComboBox, page->cbxProtocol, page->TypeEdit})
            EXPECT_FALSE(fixed->isEnabled()) << fixed->objectName().toStdString();
        EXPECT_TRUE(page->SetButton->isEnabled());

        selectRow(page->ListView1, {"2", "3"});
        EXPECT_EQ(page->PermitComboBox->currentText(), "mirror");
        EXPECT_TRUE(page->MirrorIDEdit->isEnabled());
        EXPECT_FALSE(page->RxRateEdit->isEnabled()) << "a mirror rule has no RX rate";

        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->IPRuleEdit->isEnabled());
        EXPECT_TRUE(page->ProtocolComboBox->isEnabled());
        EXPECT_TRUE(page->IPRuleEdit->text().isEmpty());
    });
}

TEST_F(IPRulePageTest, AddSendsTheCheckedFieldsThatTheActionAndProtocolAllow) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        std::function<void(TIPRuleForm*)> fill;
        std::vector<std::string> sent;  // without the port list
    };
    const Case cases[] = {
        {"permit tcp rule with priority: the protocol leaves ICMP out",
         [](TIPRuleForm* p) {
             p->cbxSourceIP->setChecked(true);
             p->SourceIPEdit->setText("10.2.2.0");
             p->cbxProtocol->setChecked(true);
             p->ProtocolComboBox->setCurrentText("tcp");
             p->cbxRuleIcmp->setChecked(true);
             p->RuleIcmpComboBox->setCurrentText("enabled");
             p->cbxDestPort->setChecked(true);
             p->DestPortEdit->setText("443");
             p->cbxEnablePriority->setChecked(true);
             choose(p->PriorityComboBox, "enabled");
             p->PriorityEdit->setText("3");
             p->ReplaceComboBox->setCurrentText("enabled");
         },
         {"4.2.6=10.2.2.0", "11.2.6=443", "15.2.6=1", "16.2.6=3", "17.2.6=1", "20.2.6=2", "23.2.6=4"}},
        {"deny rule: no RX rate, priority or mirror group whatever the boxes say",
         [](TIPRuleForm* p) {
             p->cbxRxRate->setChecked(true);
             p->RxRateEdit->setText("100");
             p->cbxVlan->setChecked(true);
             p->VLANEdit->setText("guest");
             choose(p->PermitComboBox, "deny");
         },
         {"3.2.6=0x6775657374", "20.2.6=1", "23.2.6=4"}},
        {"mirror rule with its group and an ICMP type and code",
         [](TIPRuleForm* p) {
             choose(p->PermitComboBox, "mirror");
             p->MirrorIDCheckBox->setChecked(true);
             p->MirrorIDEdit->setText("2");
             p->cbxType->setChecked(true);
             p->TypeEdit->setText("8");
             p->cbxCode->setChecked(true);
             p->CodeEdit->setText("0");
         },
         {"20.2.6=3", "23.2.6=4", "27.2.6=8", "28.2.6=0", "35.2.6=2"}},
    };
    withRulePage([&](TIPRuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page, "2", "6");
            page->PortSelector->PortCheckBoxes[9]->setChecked(true);
            page->PriorityComboBox->setCurrentText("disabled");
            choose(page->PermitComboBox, "permit");
            c.fill(page);
            std::string ports;
            EXPECT_EQ(withoutPorts(clickForOneSet(page->AddButton, Entry), &ports), c.sent);
            EXPECT_TRUE(ports.starts_with("21.2.6=0x8040")) << ports;
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 5);
            EXPECT_TRUE(page->IPRuleEdit->text().isEmpty()) << "the editor is reset";
            deleteRow(page, {"2", "6"}, Entry, "23.2.6", 4);
        }
    });
}

TEST_F(IPRulePageTest, EditSendsTheCheckedFieldsWithTheRowsOwnStatus) {
    ASSERT_TRUE(open());
    withRulePage([&](TIPRuleForm* page) {
        selectRow(page->ListView1, {"1", "2"});
        page->cbxVlan->setChecked(true);
        page->VLANEdit->setText("eng");
        // The row's priority is disabled and its box unchecked: priority fields never travel.
        page->cbxPriority->setEnabled(true);
        page->cbxPriority->setChecked(true);
        page->PriorityEdit->setText("4");
        Sets sets = click(page->SetButton, Entry);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(withoutPorts(sets[0]), (std::vector<std::string>{"3.1.2=0x656e67", "23.1.2=1"}));
        EXPECT_EQ(sim->value(Entry + "3.1.2"), std::optional<std::string>("STRING 0x656e67"));

        // A hidden combo left on "destroy" (as by a failed Delete) never turns an Edit into a delete.
        selectRow(page->ListView1, {"1", "2"});
        page->RowComboBox->setCurrentText("destroy");
        page->cbxDscp->setChecked(true);
        page->DSCPEdit->setText("10");
        sets = click(page->SetButton, Entry);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(withoutPorts(sets[0]), (std::vector<std::string>{"6.1.2=10", "23.1.2=1"}));
        EXPECT_TRUE(sim->value(Entry + "23.1.2").has_value());
    });
}

// The protocol fields the rule's protocol lets through, each checked and filled: ICMP, IGMP, source and
// destination port, flag bits, protocol ID and user mask (columns 8 to 14).
struct ProtocolCase {
    const char* protocol;
    std::vector<int> sent;  // the columns of those fields that a write carries
};

const ProtocolCase ProtocolCases[] = {
    {"none", {}},
    {"icmp", {8}},
    {"igmp", {9}},
    {"tcp", {10, 11, 12}},
    {"udp", {10, 11}},
    {"protocolId", {13, 14}},
};

void checkProtocolFields(TIPRuleForm* p) {
    for (QCheckBox* box : {p->cbxRuleIcmp, p->cbxRuleIgmp, p->cbxSourcePort, p->cbxDestPort, p->cbxFBs, p->cbxProtocolID,
                           p->cbxUserMask})
        box->setChecked(true);
    p->RuleIcmpComboBox->setCurrentText("enabled");
    p->RuleIgmpComboBox->setCurrentText("enabled");
    p->SourcePortEdit->setText("80");
    p->DestPortEdit->setText("443");
    p->FlagEdit->setText("3");
    p->ProtocolIDEdit->setText("17");
    p->UserMaskEdit->setText("0000ffff");
}

// The protocol fields of a SET (columns 8 to 14) as their column numbers.
std::vector<int> protocolColumns(const std::vector<std::string>& set) {
    std::vector<int> columns;
    for (const std::string& binding : set) {
        const int column = std::stoi(binding.substr(0, binding.find('.')));
        if (column >= 8 && column <= 14) columns.push_back(column);
    }
    return columns;
}

TEST_F(IPRulePageTest, AddAndEditSendOnlyTheProtocolFieldsOfTheChosenProtocol) {
    ASSERT_TRUE(open());
    const int protocolValue[] = {1, 2, 3, 4, 5, 6};  // none .. protocolId
    withRulePage([&](TIPRuleForm* page) {
        for (std::size_t i = 0; i < std::size(ProtocolCases); ++i) {
            const ProtocolCase& c = ProtocolCases[i];
            SCOPED_TRACE(c.protocol);
            newRule(page, "2", "6");
            choose(page->PermitComboBox, "permit");
            page->cbxProtocol->setChecked(true);
            page->ProtocolComboBox->setCurrentText(c.protocol);
            checkProtocolFields(page);
            const std::vector<std::string> added = clickForOneSet(page->AddButton, Entry);
            EXPECT_EQ(protocolColumns(added), c.sent) << "Add";
            EXPECT_EQ(std::find(added.begin(), added.end(), "7.2.6=" + std::to_string(protocolValue[i])), added.end())
                << "the protocol itself is read-only";
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 5);
            deleteRow(page, {"2", "6"}, Entry, "23.2.6", 4);

            // A listed rule of this protocol: the row fixes the protocol, and Check All (which reaches the
            // disabled protocol box) applies it to the Edit.
            sim->setValue(Entry + "7.1.2", "INTEGER " + std::to_string(protocolValue[i]));
            page->RefreshButton->click();
            selectRow(page->ListView1, {"1", "2"});
            ASSERT_EQ(page->ProtocolComboBox->currentText(), c.protocol);
            page->cbxProtocol->setChecked(true);
            checkProtocolFields(page);
            EXPECT_EQ(protocolColumns(clickForOneSet(page->SetButton, Entry)), c.sent) << "Edit";
        }
        // Without the protocol box the protocol decides nothing.
        newRule(page, "2", "6");
        page->ProtocolComboBox->setCurrentText("protocolId");
        checkProtocolFields(page);
        EXPECT_EQ(protocolColumns(clickForOneSet(page->AddButton, Entry)), (std::vector<int>{8, 9, 10, 11, 12, 13, 14}));
        deleteRow(page, {"2", "6"}, Entry, "23.2.6", 4);
    });
}

TEST_F(IPRulePageTest, AProtocolRuleTheAgentRefusesShowsTheErrorAndCreatesNothing) {
    ASSERT_TRUE(open());
    withRulePage([&](TIPRuleForm* page) {
        newRule(page, "2", "6");
        page->cbxProtocol->setChecked(true);
        page->ProtocolComboBox->setCurrentText("protocolId");
        checkProtocolFields(page);
        sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Entry + "23", .count = 1});
        QStringList texts;
        const Sets sets = click(page->AddButton, Entry, &texts);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(protocolColumns(sets[0]), (std::vector<int>{13, 14}));
        EXPECT_EQ(texts.size(), 1) << "the agent's refusal";
        EXPECT_FALSE(page->StatusPanel()->text().startsWith("Set: Ok!")) << page->StatusPanel()->text().toStdString();
        EXPECT_FALSE(sim->value(Entry + "23.2.6").has_value());
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 4);

        sim->setValue(Entry + "7.1.2", "INTEGER 6");
        page->RefreshButton->click();
        selectRow(page->ListView1, {"1", "2"});
        page->cbxProtocol->setChecked(true);
        page->cbxProtocolID->setChecked(true);
        page->ProtocolIDEdit->setText("99");
        sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Entry + "23", .count = 1});
        texts.clear();
        const Sets edited = click(page->SetButton, Entry, &texts);
        ASSERT_EQ(edited.size(), 1u);
        EXPECT_EQ(protocolColumns(edited[0]), (std::vector<int>{13}));
        EXPECT_EQ(texts.size(), 1) << "the agent's refusal";
        EXPECT_FALSE(page->StatusPanel()->text().startsWith("Set: Ok!"));
        EXPECT_NE(sim->value(Entry + "13.1.2"), std::optional<std::string>("INTEGER 99"));
    });
}

TEST_F(IPRulePageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    using Case = RefusalCase<TIPRuleForm>;
    const Case cases[] = {
        {"no rule ID", [](auto* p) { p->IPRuleEdit->clear(); }, "IP Rule ID must be set."},
        {"no access ID", [](auto* p) { p->AccessIDEdit->clear(); }, "IP Rule Access ID must be set."},
        {"checked and empty", [](auto* p) { p->cbxVlan->setChecked(true); }, "Some checked field is empty"},
        {"source IP past fifteen characters", [](auto* p) {
             p->cbxSourceIP->setChecked(true);
             p->SourceIPEdit->setText("192.168.100.1009");
         }, "Please input a valid ip"},
        {"user mask of seven digits", [](auto* p) {
             p->cbxUserMask->setChecked(true);
             p->UserMaskEdit->setText("FFFFFFF");
         }, "Invalid User Mask"},
        {"RX rate above the limit", [](auto* p) {
             p->cbxRxRate->setChecked(true);
             p->RxRateEdit->setText("156250");
         }, "RX Rate should between 0-156249"},
        {"mirror group checked and empty", [](auto* p) {
             choose(p->PermitComboBox, "mirror");
             p->MirrorIDCheckBox->setChecked(true);
         }, "Mirror Group ID checked but it is empty"},
        {"no port", [](auto* p) { p->PortSelector->UncheckAll(); }, "You must choose at least 1 port!"},
        {"listed pair", [](auto* p) {
             p->IPRuleEdit->setText("2");
             p->AccessIDEdit->setText("3");
         }, "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."},
        {"action not checked", [](auto* p) { p->cbxPermit->setChecked(false); }, "Permit option must be checked."},
    };
    withRulePage([&](TIPRuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page, "2", "6");
            choose(page->PermitComboBox, "permit");
            c.fill(page);
            expectRefused(page->AddButton, Entry, c.text);
            page->UncheckButton->click();
            page->MirrorIDCheckBox->setChecked(false);
        }
    });
}

class IPRuleStackTest : public IPRulePageTest {};

TEST_F(IPRuleStackTest, APortOfTheTwelfthUnitCountsAndPortsShowOnTheirUnits) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withRulePage([&](TIPRuleForm* page) {
        ASSERT_EQ(page->PortSelector->PortCheckBoxes.size(), 768u);
        selectRow(page->ListView1, {"1", "1"});
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[64 + 4]->isChecked()) << "unit 2 port 5";
        selectRow(page->ListView1, {});
        page->IPRuleEdit->setText("2");
        page->AccessIDEdit->setText("6");
        page->cbxPermit->setChecked(true);
        page->PortSelector->PortCheckBoxes[11 * 64 + 2]->setChecked(true);
        std::string ports;
        withoutPorts(clickForOneSet(page->AddButton, Entry), &ports);
        EXPECT_EQ(ports.size(), std::string("21.2.6=0x").size() + 192) << "twelve units of 64 positions";
        EXPECT_EQ(ports.substr(ports.size() - 16), "2000000000000000") << "unit 12 port 3";
    });
}

}  // namespace
