// The AAA enable and login method list pages through their menu items against the simulator.
#include "AdminPageWindow.h"
#include "EnableMethodListUnit.h"
#include "LoginMethodListUnit.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Enable = "1.3.6.1.4.1.32473.12.5.4.1.";
const std::string Login = "1.3.6.1.4.1.32473.12.5.3.1.";

std::string index(const std::string& name) {
    std::string text = std::to_string(name.size());
    for (char c : name) text += "." + std::to_string(int(c));
    return text;
}

class MethodListTest : public AdminPageWindow {
protected:
    void withEnable(const std::function<void(TMethodListPage*)>& check) {
        withAdminPage<TEnableMethodForm>("EnableMethodControl1Click", [&](TEnableMethodForm* page) { check(page); });
    }
    // Writes through a button and waits for the re-read.
    void press(TMethodListPage* page, QPushButton* button) {
        sim->clearLog();
        button->click();
        ASSERT_TRUE(waitUntil([&] { return !page->Binder->Busy; }));
    }
};

void select(TMethodListPage* page, const char* name) {
    page->ListView1->setCurrentItem(rowWithKey(page->ListView1, name));
}

TEST_F(MethodListTest, BothPagesOpenWithTheirListsAndShowARowsGroupsAndTheDefaultListsProtection) {
    ASSERT_TRUE(open());
    withAdminPage<TLoginMethodListForm>("LoginMethodControl1Click", [&](TLoginMethodListForm* page) {
        EXPECT_EQ(page->windowTitle(), "AAC Login Method List Settings: 127.0.0.1");
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->ListView1->headerItem()->text(1), "Method1 Type");
        EXPECT_EQ(page->NameEdit->objectName(), "ListnameEdit");
        select(page, "console");
        EXPECT_EQ(page->TypeComboBox[0]->currentText(), "server-group");
        EXPECT_EQ(page->ServerGroupEdit[0]->text(), "noc-radius") << "the row's group, not an empty entry";
        EXPECT_TRUE(page->ServerGroupEdit[0]->isEnabled());
        EXPECT_FALSE(page->ServerGroupEdit[1]->isEnabled());
        EXPECT_EQ(page->TypeComboBox[2]->currentText(), "local");
    });
    withEnable([&](TMethodListPage* page) {
        EXPECT_EQ(page->windowTitle(), "AAC Enable Method Settings: 127.0.0.1");
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_EQ(page->ListView1->headerItem()->text(5), "Enable Method3Type");
        EXPECT_EQ(page->RowComboBox->currentText(), "createAndGo");
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        select(page, "admins");
        EXPECT_EQ(page->ServerGroupEdit[1]->text(), "noc-tacacs");
        EXPECT_TRUE(page->DeleteButton->isEnabled());
        EXPECT_FALSE(page->NameEdit->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        page->TypeComboBox[1]->setCurrentIndex(1);
        emit page->TypeComboBox[1]->activated(1);
        EXPECT_TRUE(page->ServerGroupEdit[1]->text().isEmpty()) << "the user's change of type clears the group";
        EXPECT_FALSE(page->ServerGroupEdit[1]->isEnabled());
        select(page, "default");
        EXPECT_TRUE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->DeleteButton->isEnabled()) << "the default list cannot be deleted";
    });
}

TEST_F(MethodListTest, AddSendsTheMethodsThatCountAndAsksAboutMethodsAfterLocalOrNone) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        std::vector<int> items;  // type items of methods 1-4, -1 for none chosen
        const char* group;       // of method 1
        std::optional<QMessageBox::StandardButton> answer;
        std::vector<std::string> sent;  // column=value after the list's index; empty: nothing sent
    };
    const Case cases[] = {
        {"ops1", {-1, -1, -1, -1}, "", {}, {"10=4"}},
        {"ops2", {4, 3, 7, 7}, "noc-tacacs", {}, {"2=5", "3=0x6e6f632d746163616373", "4=4", "10=4"}},
        {"ops3", {0, 5, 3, 6}, "", QMessageBox::No, {"2=1", "4=7", "10=4"}},
        {"ops4", {6, 0, 7, 7}, "", QMessageBox::Yes, {}},
    };
    withEnable([&](TMethodListPage* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const std::string x = index(c.name);
            page->NameEdit->setText(c.name);
            int m = 0;
            for (int item : c.items) page->TypeComboBox[m++]->setCurrentIndex(item);
            page->ServerGroupEdit[0]->setText(c.group);
            QString question;
            if (c.answer) answerBox(*c.answer, &question);
            press(page, page->AddButton);
            if (c.answer) {
                EXPECT_EQ(question, "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?");
            }
            std::vector<std::string> sent;
            for (const auto& binding : c.sent) {
                const auto at = binding.find('=');
                sent.push_back(binding.substr(0, at) + "." + x + binding.substr(at));
            }
            const auto sets = setsUnder(sim->log(), Enable);
            if (sent.empty()) {
                EXPECT_TRUE(sets.empty());
                continue;
            }
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(sets[0], sent);
            EXPECT_EQ(sim->value(Enable + "10." + x), std::optional<std::string>("INTEGER 1"));
            EXPECT_NE(rowWithKey(page->ListView1, c.name), nullptr) << "read again";
            EXPECT_TRUE(page->NameEdit->text().isEmpty());
        }
    });
}

TEST_F(MethodListTest, EditWritesTheMethodsWithoutTheStatusAndDestroysOnlyWhenAsked) {
    ASSERT_TRUE(open());
    const std::string admins = index("admins");
    const std::string radius = index("radius-first");
    withEnable([&](TMethodListPage* page) {
        select(page, "admins");
        page->ServerGroupEdit[1]->setText("noc-tac2");
        press(page, page->SetButton);
        auto sets = setsUnder(sim->log(), Enable);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], (std::vector<std::string>{"2." + admins + "=3", "4." + admins + "=5",
                                                     "5." + admins + "=0x6e6f632d74616332", "6." + admins + "=7"}));
        EXPECT_EQ(sim->value(Enable + "5." + admins), std::optional<std::string>("STRING 0x6e6f632d74616332"));
        EXPECT_FALSE(page->SetButton->isEnabled());

        select(page, "radius-first");
        page->RowComboBox->setCurrentIndex(5);
        press(page, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Enable), (std::vector<std::vector<std::string>>{{"2." + radius + "=4", "10." + radius + "=6"}}));
        EXPECT_FALSE(sim->value(Enable + "10." + radius).has_value());

        MessageBoxes boxes;
        select(page, "default");
        page->RowComboBox->setCurrentIndex(5);
        press(page, page->SetButton);
        EXPECT_EQ(boxes.Texts, QStringList{"The default method list cannot be deleted."});
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(MethodListTest, DeleteDestroysTheSelectedListAndNeverTheDefaultOne) {
    ASSERT_TRUE(open());
    const std::string admins = index("admins");
    withEnable([&](TMethodListPage* page) {
        MessageBoxes boxes;
        select(page, "admins");
        press(page, page->DeleteButton);
        EXPECT_EQ(setsUnder(sim->log(), Enable), (std::vector<std::vector<std::string>>{{"2." + admins + "=3", "10." + admins + "=6"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 2);
        EXPECT_EQ(page->RowCounter->text(), "2");
        EXPECT_TRUE(boxes.Texts.isEmpty()) << "no confirmation";

        select(page, "default");
        page->DeleteButton->setEnabled(true);
        press(page, page->DeleteButton);
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(MethodListTest, AddRefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* listName;
        int rowStatus;
        const char* text;
    };
    const Case cases[] = {
        {"no name", "", 3, "Enable MethodList Name must be set."},
        {"a listed name", "admins", 3, "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name."},
        {"not createAndGo", "ops", 0, "Row State must be createAndGo."},
    };
    withEnable([&](TMethodListPage* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->NameEdit->setText(c.listName);
            page->RowComboBox->setCurrentIndex(c.rowStatus);
            MessageBoxes boxes;
            press(page, page->AddButton);
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

}  // namespace
