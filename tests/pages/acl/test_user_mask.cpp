// "User Mask Information" (a hidden menu item) through its handler against the simulator.
#include "AclPageWindow.h"
#include "UserMaskInforUnit.h"

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.5.2.2.1.";
const QString Unused(32, u'0');
const char* Group = "0000FFFF0000FFFF0000000000000000";
const std::string GroupSent = "0x0000ffff0000ffff0000000000000000";

class UserMaskPageTest : public AclPageWindow {
protected:
    void withMaskPage(const std::function<void(TUserMaskInfoForm*)>& check) {
        withPage<TUserMaskInfoForm>("PayloadMaskInformation1Click", check);
    }
};

void typeGroups(TUserMaskInfoForm* page, const std::array<QString, 5>& groups) {
    for (std::size_t i = 0; i < groups.size(); ++i) page->Groups[i]->setText(groups[i]);
}

TEST_F(UserMaskPageTest, OpensWithTheMasksAndShowsASelectedOne) {
    ASSERT_TRUE(open());
    withMaskPage([&](TUserMaskInfoForm* page) {
        EXPECT_EQ(page->windowTitle(), "User Mask Information: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->ListView1->headerItem()->text(2), "Filtered Port(s) [0 to 15]");
        selectRow(page->ListView1, {"2"});
        EXPECT_EQ(page->Groups[1]->text(), "FFFFFFFF000000000000000000000000");
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[9]->isChecked());
        EXPECT_EQ(page->ComboBox1->currentText(), "active");
        EXPECT_FALSE(page->Edit1->isEnabled());
        EXPECT_TRUE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
    });
}

TEST_F(UserMaskPageTest, WritesSendTheUsedGroupsAndThePortsTheirActionNeeds) {
    ASSERT_TRUE(open());
    withMaskPage([&](TUserMaskInfoForm* page) {
        struct Case {
            const char* name;
            std::array<QString, 5> groups;
            bool port;
            std::vector<std::string> sent;
        };
        const Case cases[] = {
            {"one group, no port: no port list", {Group, "", "", "", ""}, false, {"3.9=" + GroupSent, "8.9=4"}},
            {"two groups and a third of zeros, with a port", {"", Group, Unused, "", Group}, true,
             {"2.9=0x4000000000000000", "4.9=" + GroupSent, "5.9=0x00000000000000000000000000000000", "7.9=" + GroupSent,
              "8.9=4"}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->Edit1->setText("9");
            typeGroups(page, c.groups);
            page->PortSelector->PortCheckBoxes[1]->setChecked(c.port);
            EXPECT_EQ(click(page->AddButton, Entry), (std::vector<std::vector<std::string>>{c.sent}));
            ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
            EXPECT_EQ(sim->value(Entry + "8.9"), "INTEGER 1");

            selectRow(page->ListView1, {"9"});
            EXPECT_EQ(click(page->DeleteButton, Entry), (std::vector<std::vector<std::string>>{{"8.9=6"}}));
            EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
            EXPECT_EQ(page->ComboBox1->currentText(), "destroy");
            page->ComboBox1->setCurrentText("createAndGo");
        }

        // Edit sends the port list even with no port ticked, and the status the combo shows.
        selectRow(page->ListView1, {"20"});
        page->PortSelector->UncheckAll();
        page->Groups[4]->clear();
        page->Groups[0]->setText(Group);
        const auto sets = click(page->SetButton, Entry);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].front(), "2.20=0x" + std::string(192, '0'));
        EXPECT_EQ(sets[0][1], "3.20=" + GroupSent);
        EXPECT_EQ(sets[0].back(), "8.20=1");
        EXPECT_EQ(sets[0].size(), 6u) << "the emptied group stays home";
        const KySNMPVarList& vars = page->Binder->Request.VarList;
        for (int i = 1; i < vars.GetCount(); ++i) EXPECT_EQ(vars.GetVar(i).Access & afInvalid, 0) << i;
    });
}

TEST_F(UserMaskPageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* id;
        std::array<QString, 5> groups;
        const char* status;
        const char* text;
    };
    const Case cases[] = {
        {"", {Group, "", "", "", ""}, "createAndGo", "Payload Entry ID must be set."},
        {"2", {Group, "", "", "", ""}, "createAndGo", "Payload Entry ID must be different."},
        {"9", {Group, "", "", "", ""}, "destroy", "Row State must be createAndGo."},
        {"9", {Group, Group, Group, "", ""}, "createAndGo", "Filtered Ports can not over two groups."},
        {"9", {"", "", "0000FFFG", "", ""}, "createAndGo", "Filtered Port(s) [32 to 47] can not contain invalid character(s)."},
        {"9", {"", "", "", "", "00-FF"}, "createAndGo", "Filtered Port(s) [64 to 79] can not contain invalid character(s)."},
    };
    withMaskPage([&](TUserMaskInfoForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            page->Edit1->setText(c.id);
            typeGroups(page, c.groups);
            page->ComboBox1->setCurrentText(c.status);
            expectRefused(page->AddButton, Entry, c.text);
            const KySNMPVarList& vars = page->Binder->Request.VarList;
            for (int i = 1; i < vars.GetCount(); ++i) EXPECT_EQ(vars.GetVar(i).Access & afInvalid, 0) << i;
        }
    });
}

}  // namespace
