// "Packet Content Rule" through its menu item against the simulator.
#include "AclPageWindow.h"
#include "PacketContentRuleFormUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.9.3.7.1.";

class PacketContentRulePageTest : public AclPageWindow {
protected:
    void withRulePage(const std::function<void(TPktContentRuleForm*)>& check) {
        withPage<TPktContentRuleForm>("PacketContentRule1Click", check);
    }
};

// The bindings of one SET but the port list, which is given apart.
std::vector<std::string> withoutPorts(const std::vector<std::string>& set, std::string* ports = nullptr) {
    return withoutColumn(set, 17, ports);
}

void newRule(TPktContentRuleForm* page) {
    selectRow(page->ListView1, {});
    page->edtProfile->setText("6");
    page->edtAccess->setText("9");
    page->PortSelector->PortCheckBoxes[0]->setChecked(true);
    page->cbxPermit->setChecked(true);
    // The combos keep what the last rule showed.
    choose(page->PriorityComboBox, "disabled");
    choose(page->PermitComboBox, "permit");
}

void chunk(TPktContentRuleForm* page, int n, const char* text) {
    page->ChunkBoxes[n - 1]->setChecked(true);
    page->ChunkOffsets[n - 1]->setText(text);
}

TEST_F(PacketContentRulePageTest, OpensWithTheRulesAndShowsTheChunksOfASelectedOne) {
    ASSERT_TRUE(open());
    withRulePage([&](TPktContentRuleForm* page) {
        EXPECT_EQ(page->windowTitle(), "ACL Packet Content Rule: 127.0.0.1");
        EXPECT_EQ(page->parentWidget(), nullptr) << "owned by the application";
        EXPECT_EQ(ExportedDialog("TPktContentRuleForm"), page);
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        EXPECT_EQ(page->PageControl1->tabText(0), "Ports");
        EXPECT_EQ(page->ChunkBoxes[1]->text(), " Chunk2 Offset");
        EXPECT_FALSE(page->MirrorIDEdit->isEnabled()) << "a permit rule has no mirror group";

        selectRow(page->ListView1, {"6", "1"});
        EXPECT_EQ(page->ChunkValues[0]->text(), "12");
        EXPECT_EQ(page->ChunkOffsets[0]->text(), "0A000001");
        EXPECT_EQ(page->ChunkOffsets[2]->text(), "00000050");
        EXPECT_FALSE(page->ChunkValues[0]->isEnabled()) << "the chunk number comes from the profile";
        EXPECT_FALSE(page->OwnerComboBox->isEnabled());
        EXPECT_TRUE(page->cbxValue->isChecked()) << "a replaced DSCP ticks its value";
        EXPECT_EQ(page->ReplaceDSCPEdit->text(), "46");
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[7]->isChecked());
        EXPECT_FALSE(page->edtProfile->isEnabled());

        selectRow(page->ListView1, {"9", "4"});
        EXPECT_EQ(page->PermitComboBox->currentText(), "mirror");
        EXPECT_TRUE(page->MirrorIDEdit->isEnabled());
        EXPECT_FALSE(page->RxRateEdit->isEnabled());
        EXPECT_FALSE(page->cbxEnablePriority->isEnabled());

        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->edtProfile->isEnabled());
        EXPECT_TRUE(page->ChunkOffsets[0]->text().isEmpty());
    });
}

TEST_F(PacketContentRulePageTest, AddSendsTheTickedFieldsWithATickedTimeRange) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        std::function<void(TPktContentRuleForm*)> fill;
        std::vector<std::string> sent;  // without the port list
    };
    const Case cases[] = {
        {"two chunks, a priority and a time range",
         [](TPktContentRuleForm* p) {
             chunk(p, 1, "0A0B0C0D");
             chunk(p, 3, "0a0b0c0d");
             p->cbxEnablePriority->setChecked(true);
             choose(p->PriorityComboBox, "enabled");
             p->PriorityEdit->setText("4");
             p->ReplaceComboBox->setCurrentText("enabled");
             p->cbxTimeRange->setChecked(true);
             p->edtTimeRange->setText("office-hours");
         },
         {"4.6.9=0x0a0b0c0d", "8.6.9=0x0a0b0c0d", "11.6.9=1", "12.6.9=4", "13.6.9=1", "16.6.9=2", "18.6.9=4",
          "21.6.9=0x6f66666963652d686f757273"}},
        {"a deny rule still sends the RX rate its box keeps ticked",
         [](TPktContentRuleForm* p) {
             p->cbxRxRate->setChecked(true);
             p->RxRateEdit->setText("156249");
             choose(p->PermitComboBox, "deny");
             chunk(p, 4, "FFFF0000");
         },
         {"10.6.9=0xffff0000", "16.6.9=1", "18.6.9=4", "20.6.9=156249"}},
        {"a mirror rule with its group; the replaced DSCP without its box stays out",
         [](TPktContentRuleForm* p) {
             choose(p->PermitComboBox, "mirror");
             p->MirrorIDCheckBox->setChecked(true);
             p->MirrorIDEdit->setText("2");
             p->ReplaceDSCPEdit->setText("10");
         },
         {"16.6.9=3", "18.6.9=4", "22.6.9=2"}},
    };
    withRulePage([&](TPktContentRuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page);
            page->PortSelector->PortCheckBoxes[9]->setChecked(true);
            c.fill(page);
            std::string ports;
            EXPECT_EQ(withoutPorts(clickForOneSet(page->AddButton, Entry), &ports), c.sent);
            EXPECT_TRUE(ports.starts_with("17.6.9=0x8040")) << ports;
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 5);
            EXPECT_EQ(sim->value(Entry + "18.6.9"), std::optional<std::string>("INTEGER 1"));
            deleteRow(page, {"6", "9"}, Entry, "18.6.9", 4);
            page->MirrorIDCheckBox->setChecked(false);
        }
    });
}

TEST_F(PacketContentRulePageTest, EditSendsTheTickedFieldsWithTheRowsOwnStatus) {
    ASSERT_TRUE(open());
    withRulePage([&](TPktContentRuleForm* page) {
        // The row's priority is disabled and Enable Priority unticked: Priority never travels.
        selectRow(page->ListView1, {"5", "2"});
        page->cbxPriority->setEnabled(true);
        page->cbxPriority->setChecked(true);
        page->PriorityEdit->setText("4");
        chunk(page, 2, "12345678");
        page->cbxTimeRange->setChecked(true);
        page->edtTimeRange->setText("weekend");
        // A hidden combo left on "destroy" never turns an Edit into a delete.
        page->RowComboBox->setCurrentText("destroy");
        std::string ports;
        EXPECT_EQ(withoutPorts(clickForOneSet(page->SetButton, Entry), &ports), (std::vector<std::string>{"6.5.2=0x12345678", "18.5.2=1", "21.5.2=0x7765656b656e64"}));
        EXPECT_TRUE(ports.starts_with("17.5.2=0x02")) << "the row's ports as read: " << ports;
        EXPECT_EQ(sim->value(Entry + "6.5.2"), std::optional<std::string>("STRING 0x12345678"));
        EXPECT_EQ(sim->value(Entry + "21.5.2"), std::optional<std::string>("STRING 0x7765656b656e64"));
        EXPECT_TRUE(sim->value(Entry + "18.5.2").has_value());
    });
}

TEST_F(PacketContentRulePageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    using Case = RefusalCase<TPktContentRuleForm>;
    const Case cases[] = {
        {"no profile ID", [](auto* p) { p->edtProfile->clear(); }, "IP Rule ID must be set."},
        {"no access ID", [](auto* p) { p->edtAccess->clear(); }, "IP Rule Access ID must be set."},
        {"chunk ticked and empty", [](auto* p) { chunk(p, 2, ""); }, "Some checked field is empty"},
        {"chunk of seven digits", [](auto* p) { chunk(p, 1, "0A0B0C0"); }, "Invalid Offset"},
        {"chunk not hexadecimal", [](auto* p) { chunk(p, 4, "0A0B0C0G"); }, "Invalid Offset"},
        {"priority ticked and empty", [](auto* p) {
             choose(p->PriorityComboBox, "enabled");
         }, "Some checked field is empty"},
        {"RX rate above the limit", [](auto* p) {
             p->cbxRxRate->setChecked(true);
             p->RxRateEdit->setText("156250");
         }, "RX Rate should between 0-156249"},
        {"time range ticked and empty", [](auto* p) { p->cbxTimeRange->setChecked(true); }, "Some checked field is empty"},
        {"no port, before the pair and action checks", [](auto* p) {
             p->PortSelector->UncheckAll();
             p->edtProfile->setText("5");
             p->edtAccess->setText("1");
             p->cbxPermit->setChecked(false);
         }, "You must choose at least 1 port!"},
        {"listed pair", [](auto* p) {
             p->edtProfile->setText("9");
             p->edtAccess->setText("4");
         }, "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."},
        {"action not ticked", [](auto* p) { p->cbxPermit->setChecked(false); }, "Permit option must be checked."},
    };
    withRulePage([&](TPktContentRuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page);
            c.fill(page);
            expectRefused(page->AddButton, Entry, c.text);
            page->UncheckButton->click();
        }
    });
}

}  // namespace
