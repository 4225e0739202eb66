// The authentication server host and server group pages through their menu items against the simulator.
#include "AdminPageWindow.h"
#include "ServerInfoUnit.h"
#include "TACACSServerControlUnit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include <optional>

namespace {

const std::string Hosts = "1.3.6.1.4.1.32473.12.5.10.1.";
const std::string Members = "1.3.6.1.4.1.32473.12.5.12.1.";

class ServerPagesTest : public AdminPageWindow {
protected:
    void withHosts(const std::function<void(TServerInformationForm*)>& check) {
        withAdminPage<TServerInformationForm>("ServerInformation1Click", check);
    }
    void press(KySNMPRequest2Controls* binder, QPushButton* button) {
        sim->clearLog();
        button->click();
        ASSERT_TRUE(waitUntil([&] { return !binder->Busy; }));
    }
};

QTreeWidgetItem* host(TServerInformationForm* page, const QString& ip, const QString& protocol) {
    for (int i = 0; i < page->ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = page->ListView1->topLevelItem(i);
        if (row->text(0) == ip && row->text(1) == protocol) return row;
    }
    return nullptr;
}

TEST_F(ServerPagesTest, HostsAreListedWithTheirKeysHidden) {
    ASSERT_TRUE(open());
    withHosts([&](TServerInformationForm* page) {
        EXPECT_EQ(page->windowTitle(), "Server Information: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        QTreeWidgetItem* row = host(page, "10.20.1.10", "tacacs-plus");
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->text(2), "49");
        EXPECT_EQ(row->text(3), "********");
        EXPECT_EQ(host(page, "192.168.50.5", "xtacacs")->text(3), "") << "no key set shows none";
        EXPECT_EQ(page->KeyEdit->echoMode(), QLineEdit::Password);
        page->ListView1->setCurrentItem(row);
        EXPECT_EQ(page->PortEdit->text(), "49");
        EXPECT_TRUE(page->KeyEdit->text().isEmpty()) << "the key is never read into the page";
        EXPECT_FALSE(page->IPEdit->isEnabled());
        EXPECT_FALSE(page->ProtocolComboBox->isEnabled());
        for (int i = 0; i < page->ListView1->topLevelItemCount(); ++i)
            for (int c = 0; c < page->ListView1->columnCount(); ++c)
                EXPECT_FALSE(page->ListView1->topLevelItem(i)->text(c).contains("Tq8#kLz2"));
        EXPECT_FALSE(page->StatusPanel()->text().contains("Tq8#kLz2"));
    });
}

TEST_F(ServerPagesTest, AddEditAndDeleteSendOnlyTheEntriesGiven) {
    ASSERT_TRUE(open());
    withHosts([&](TServerInformationForm* page) {
        // A new host with only its address and protocol: the switch's defaults for the rest.
        page->IPEdit->setText("10.20.1.11");
        page->ProtocolComboBox->setCurrentIndex(2);
        press(page->Binder, page->AddButton);
        EXPECT_EQ(setsUnder(sim->log(), Hosts), (std::vector<std::vector<std::string>>{{"7.10.20.1.11.3=4"}}));
        EXPECT_EQ(sim->value(Hosts + "3.10.20.1.11.3"), std::optional<std::string>("INTEGER 49"));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);

        page->IPEdit->setText("10.20.1.12");
        page->ProtocolComboBox->setCurrentIndex(3);
        page->PortEdit->setText("1645");
        page->KeyEdit->setText("n3w");
        page->RetryCEdit->setText("4");
        press(page->Binder, page->AddButton);
        EXPECT_EQ(setsUnder(sim->log(), Hosts),
                  (std::vector<std::vector<std::string>>{{"3.10.20.1.12.4=1645", "4.10.20.1.12.4=0x6e3377", "6.10.20.1.12.4=4", "7.10.20.1.12.4=4"}}));

        // Edit without typing a key keeps the switch's key and sends no status.
        page->ListView1->setCurrentItem(host(page, "10.20.1.10", "tacacs-plus"));
        page->TimeoutEdit->setText("9");
        press(page->Binder, page->SetButton);
        EXPECT_EQ(setsUnder(sim->log(), Hosts),
                  (std::vector<std::vector<std::string>>{{"3.10.20.1.10.3=49", "5.10.20.1.10.3=9", "6.10.20.1.10.3=2"}}));
        EXPECT_EQ(sim->value(Hosts + "4.10.20.1.10.3"), std::optional<std::string>("STRING 0x547138236b4c7a32"));

        page->ListView1->setCurrentItem(host(page, "10.20.1.10", "tacacs-plus"));
        page->KeyEdit->setText("fresh");
        press(page->Binder, page->SetButton);
        EXPECT_EQ(sim->value(Hosts + "4.10.20.1.10.3"), std::optional<std::string>("STRING 0x6672657368"));

        page->ListView1->setCurrentItem(host(page, "10.20.1.10", "tacacs"));
        press(page->Binder, page->DeleteButton);
        EXPECT_EQ(setsUnder(sim->log(), Hosts), (std::vector<std::vector<std::string>>{{"7.10.20.1.10.1=6"}}));
        EXPECT_EQ(host(page, "10.20.1.10", "tacacs"), nullptr);
        EXPECT_EQ(page->RowCounter->text(), "5");
    });
}

TEST_F(ServerPagesTest, HostRefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* ip;
        int protocol;
        int rowStatus;
        const char* text;
    };
    const Case cases[] = {
        {"no address", "", 0, 3, "Server IP must be set."},
        {"five parts", "10.20.1.10.5", 0, 3, "Server IP is not a valid IP address."},
        {"a part too big", "10.20.1.256", 0, 3, "Server IP is not a valid IP address."},
        {"no protocol", "10.20.1.10", -1, 3, "Protocol must be set."},
        {"a listed host", "10.20.1.10", 2, 3, "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."},
        {"not createAndGo", "10.20.1.99", 0, 0, "Row State must be createAndGo."},
    };
    withHosts([&](TServerInformationForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->IPEdit->setText(c.ip);
            page->ProtocolComboBox->setCurrentIndex(c.protocol);
            page->RowComboBox->setCurrentIndex(c.rowStatus);
            MessageBoxes boxes;
            press(page->Binder, page->AddButton);
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

TEST_F(ServerPagesTest, GroupMembersAreAddedAndRemovedWithOneSetAndBadEntriesAreRefused) {
    ASSERT_TRUE(open());
    withAdminPage<TAAASrvCtrlForm>("ServerControl1Click", [&](TAAASrvCtrlForm* page) {
        EXPECT_EQ(page->windowTitle(), "AAC Server Settings: 127.0.0.1");
        EXPECT_FALSE(page->lvOper->isVisible());
        struct Case {
            const char* name;
            const char* group;
            const char* ip;
            int protocol;
            int operation;
            const char* text;  // null: sent
        };
        const Case cases[] = {
            {"no group", "", "10.20.1.12", 3, 0, "Please input Server Group Name."},
            {"no address", "noc", "", 3, 0, "Please input Server IP Address."},
            {"a bad address", "noc", "10.20.1", 3, 0, "Server IP Address is not a valid IP address."},
            {"no protocol", "noc", "10.20.1.12", -1, 0, "Please choose Server Authentication Protocol."},
            {"no operation", "noc", "10.20.1.12", 3, -1, "Please choose Operate."},
            {"add", "noc", "10.20.1.12", 3, 0, nullptr},
            {"delete", "noc-tacacs", "10.20.1.10", 2, 1, nullptr},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->edtSrvGrpName->setText(c.group);
            page->edtSrvIP->setText(c.ip);
            page->cbxAuthPtcl->setCurrentIndex(c.protocol);
            page->cbxOper->setCurrentIndex(c.operation);
            MessageBoxes boxes;
            press(page->Binder, page->SetButton);
            if (c.text) {
                EXPECT_EQ(boxes.Texts, QStringList{c.text});
                EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            }
        }
        // The last two cases' SETs, checked in the store.
        EXPECT_EQ(sim->value(Members + "4.3.110.111.99.10.20.1.12.4"), std::optional<std::string>("INTEGER 1"));
        EXPECT_FALSE(sim->value(Members + "4.10.110.111.99.45.116.97.99.97.99.115.10.20.1.10.3").has_value());
        EXPECT_EQ(setsUnder(sim->log(), Members),
                  (std::vector<std::vector<std::string>>{{"4.10.110.111.99.45.116.97.99.97.99.115.10.20.1.10.3=2"}}));
    });
}

}  // namespace
