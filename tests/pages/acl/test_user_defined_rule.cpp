// "Payload Rule" (a hidden menu item) through its handler against the simulator.
#include "AclPageWindow.h"
#include "UserDefinedRuleUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.5.2.3.1.";
const QString Zeros(32, u'0');

class PayloadRulePageTest : public AclPageWindow {
protected:
    void withRulePage(const std::function<void(TUserDefinedInformationRuleForm*)>& check) {
        withPage<TUserDefinedInformationRuleForm>("PayloadRule1Click", check);
    }
};

void newRule(TUserDefinedInformationRuleForm* page) {
    selectRow(page->ListView1, {});
    page->ProfileIDEdit->setText("2");
    page->AccessIDEdit->setText("8");
}

void group(TUserDefinedInformationRuleForm* page, int n, const QString& text) {
    page->GroupBoxes[n - 1]->setChecked(true);
    page->Groups[n - 1]->setText(text);
}

TEST_F(PayloadRulePageTest, OpensWithTheRulesAndLocksPriorityAndDscpOfADenyRule) {
    ASSERT_TRUE(open());
    withRulePage([&](TUserDefinedInformationRuleForm* page) {
        EXPECT_EQ(page->windowTitle(), "User Defined Information Rule: 127.0.0.1");
        EXPECT_EQ(page->parentWidget(), nullptr) << "owned by the application";
        EXPECT_EQ(ExportedDialog("TUserDefinedInformationRuleForm"), nullptr) << "its unit's pointer is never set";
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_EQ(page->RowComboBox->currentText(), "createAndGo");
        EXPECT_EQ(page->PermitComboBox->currentIndex(), -1) << "no action until a row or the user chooses one";
        EXPECT_TRUE(page->RowComboBox->isVisible());

        selectRow(page->ListView1, {"1", "1"});
        EXPECT_EQ(page->Groups[0]->text(), "0000080045000000000000000000FFFF");
        EXPECT_EQ(page->PriorityEdit->text(), "3");
        EXPECT_TRUE(page->PriorityEdit->isEnabled());
        EXPECT_FALSE(page->ProfileIDEdit->isEnabled());

        selectRow(page->ListView1, {"1", "2"});
        EXPECT_EQ(page->PermitComboBox->currentText(), "deny");
        for (QWidget* locked : std::initializer_list<QWidget*>{page->EnablePriComboBox, page->PriorityEdit, page->cbxReplace,
                                                               page->ReplDSCPEdit, page->cbxEnableReplace})
            EXPECT_FALSE(locked->isEnabled()) << locked->objectName().toStdString();

        selectRow(page->ListView1, {});
        EXPECT_TRUE(page->PriorityEdit->isEnabled());
        EXPECT_TRUE(page->cbxReplace->isEnabled());
        EXPECT_TRUE(page->ProfileIDEdit->isEnabled());
    });
}

TEST_F(PayloadRulePageTest, AddSendsTheTickedFieldsAndAlwaysCreates) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        std::function<void(TUserDefinedInformationRuleForm*)> fill;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"two groups and a priority; an unticked group is neither checked nor sent",
         [](TUserDefinedInformationRuleForm* p) {
             group(p, 1, "0000FFFF");
             group(p, 4, "00000000000000500000000000000000");
             p->Groups[2]->setText("not hex");
             p->cbxEnablePriority->setChecked(true);
             p->EnablePriComboBox->setCurrentText("enabled");
             p->cbxPriority->setChecked(true);
             p->PriorityEdit->setText("5");
             p->cbxPermit->setChecked(true);
             p->PermitComboBox->setCurrentText("permit");
             p->cbxRow->setChecked(true);
         },
         {"4.2.8=0x0000ffff", "7.2.8=0x00000000000000500000000000000000", "9.2.8=1", "10.2.8=5", "14.2.8=2", "15.2.8=4"}},
        {"three ticked groups of which one is all zeros; deny leaves priority and DSCP out",
         [](TUserDefinedInformationRuleForm* p) {
             group(p, 1, "11");
             group(p, 2, Zeros);
             group(p, 5, "22");
             p->cbxEnableReplace->setChecked(true);
             p->EnableReplComboBox->setCurrentText("enabled");
             p->cbxReplaceDscp->setChecked(true);
             p->ReplDSCPEdit->setText("10");
             p->cbxPermit->setChecked(true);
             choose(p->PermitComboBox, "deny");
         },
         {"4.2.8=0x11", "5.2.8=0x00000000000000000000000000000000", "8.2.8=0x22", "14.2.8=1", "15.2.8=4"}},
        {"an unticked status combo left on destroy still creates",
         [](TUserDefinedInformationRuleForm* p) {
             p->RowComboBox->setCurrentText("destroy");
             group(p, 3, "ABCDEF");
         },
         {"6.2.8=0xabcdef", "15.2.8=4"}},
    };
    withRulePage([&](TUserDefinedInformationRuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page);
            c.fill(page);
            QStringList texts;
            EXPECT_EQ(click(page->AddButton, Entry, &texts), Sets{c.sent});
            EXPECT_TRUE(texts.isEmpty()) << texts.join('|').toStdString();
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
            EXPECT_EQ(sim->value(Entry + "15.2.8"), std::optional<std::string>("INTEGER 1"));
            EXPECT_FALSE(page->GroupBoxes[0]->isChecked()) << "the editor is reset";

            deleteRow(page, {"2", "8"}, Entry, "15.2.8", 3);
        }
    });
}

TEST_F(PayloadRulePageTest, EditSendsTheTickedFieldsAndATickedDestroyDeletes) {
    ASSERT_TRUE(open());
    withRulePage([&](TUserDefinedInformationRuleForm* page) {
        selectRow(page->ListView1, {"20", "5"});
        page->RowComboBox->setCurrentText("destroy");
        group(page, 2, "0F0F");
        EXPECT_EQ(click(page->SetButton, Entry), (Sets{{"5.20.5=0x0f0f"}})) << "the status stays out while its box is unticked";
        EXPECT_EQ(sim->value(Entry + "5.20.5"), std::optional<std::string>("STRING 0x0f0f"));

        selectRow(page->ListView1, {"20", "5"});
        page->cbxRow->setChecked(true);
        page->RowComboBox->setCurrentText("destroy");
        EXPECT_EQ(click(page->SetButton, Entry), (Sets{{"15.20.5=6"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 2);
        EXPECT_FALSE(sim->value(Entry + "15.20.5").has_value());
    });
}

TEST_F(PayloadRulePageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    using Case = RefusalCase<TUserDefinedInformationRuleForm>;
    const Case cases[] = {
        {"no profile ID", [](auto* p) { p->ProfileIDEdit->clear(); }, "Profile ID must be set."},
        {"no access ID", [](auto* p) { p->AccessIDEdit->clear(); }, "Access ID must be set."},
        {"listed pair", [](auto* p) {
             p->ProfileIDEdit->setText("1");
             p->AccessIDEdit->setText("2");
         }, "There is already a record with the same Profile ID and Access ID. Please modified eithor of them."},
        {"ticked status other than createAndGo", [](auto* p) {
             p->cbxRow->setChecked(true);
             p->RowComboBox->setCurrentText("active");
         }, "Row State must be createAndGo."},
        {"three used groups", [](auto* p) {
             group(p, 1, "01");
             group(p, 3, "02");
             group(p, 5, "03");
         }, "Packet(s) Offset can not over two groups."},
        {"a group that is no hexadecimal text", [](auto* p) { group(p, 2, "0F0G"); },
         "Packet(s) Offset [16 to 31] can not contain invalid character(s)."},
        {"a fifth group that is no hexadecimal text", [](auto* p) { group(p, 5, "0x12"); },
         "Packet(s) Offset [64 to 79] can not contain invalid character(s)."},
    };
    withRulePage([&](TUserDefinedInformationRuleForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            newRule(page);
            c.fill(page);
            expectRefused(page->AddButton, Entry, c.text);
            page->UncheckButton->click();
            page->RowComboBox->setCurrentText("createAndGo");
        }
        // Nothing refused left a column out of the next read.
        page->RefreshButton->click();
        selectRow(page->ListView1, {"1", "1"});
        EXPECT_EQ(page->PriorityEdit->text(), "3");
    });
}

}  // namespace
