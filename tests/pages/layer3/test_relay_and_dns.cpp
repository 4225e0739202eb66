// "DHCP/BOOTP Relay Control Table" and "DNS Relay Control Table" with their add dialogs through the menu
// items against the simulator.
#include "BOOTCtrlTableFormUnit.h"
#include "DNSCtrlAddFormUnit.h"
#include "DNSCtrlFormUnit.h"
#include "Layer3PageWindow.h"
#include "NewBootpCtrlFormUnit.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string RelayEntry = "1.3.6.1.4.1.32473.11.70.1.3.3.1.4.1.";
const std::string DnsEntry = "1.3.6.1.4.1.32473.11.70.1.3.3.2.6.1.";

class RelayPagesTest : public Layer3PageWindow {};

TEST_F(RelayPagesTest, RelayServersAreAddedUpToFourPerInterfaceAndRemovedAsInvalid) {
    ASSERT_TRUE(open());
    struct Case {
        const char* interfaceName;
        const char* server;
        const char* text;  // null: added
    };
    const Case cases[] = {
        {"ipif10", "192.168.100.9", "One interface can support four bootp servers at most."},
        {"", "192.168.100.9", "Please input Interface Name."},
        {"ipif20", "192.168.100", "Please input a valid ip"},
        {"ipif20", "192.168.100.9.1", "Please input a valid ip"},
        {"IPIF10", "192.168.100.9", nullptr},  // the count is by exact name
        {"ipif20", "192.168.100.6", nullptr},
    };
    withPage<TBOOTCtrlTableForm>("BOOTPCtrlTable1Click", [&](TBOOTCtrlTableForm* page) {
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);
        TNewBootpCtrlForm* dialog = page->NewBootpCtrlForm;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.server);
            const int rows = page->ListView1->topLevelItemCount();
            sim->clearLog();
            MessageBoxes boxes;
            inDialog(dialog, page->AddButton, [&] {
                EXPECT_EQ(dialog->windowTitle(), "DHCP/BOOTP Relay Control: 127.0.0.1 (Add)");
                EXPECT_TRUE(dialog->Edit1->isEnabled());
                dialog->Edit1->setText(c.interfaceName);
                dialog->Edit2->setText(c.server);
                dialog->DeleteBtn->click();
            });
            if (c.text) {
                EXPECT_EQ(boxes.Texts, QStringList{c.text});
                EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
                continue;
            }
            ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == rows + 1; }))
                << boxes.Texts.join("|").toStdString();
            EXPECT_EQ(setsUnder(sim->log(), RelayEntry),
                      (std::vector<std::vector<std::string>>{
                          {"3." + textIndex(c.interfaceName) + "." + c.server + "=3"}}));
        }

        page->ListView1->setCurrentItem(page->ListView1->topLevelItem(0));
        const std::string first = page->ListView1->topLevelItem(0)->text(0).toStdString();
        const std::string server = page->ListView1->topLevelItem(0)->text(1).toStdString();
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 6; }));
        const std::string instance = textIndex(first) + "." + server;
        EXPECT_EQ(setsUnder(sim->log(), RelayEntry), (std::vector<std::vector<std::string>>{{"3." + instance + "=2"}}));
        EXPECT_FALSE(sim->value(RelayEntry + "3." + instance).has_value());
    });
}

TEST_F(RelayPagesTest, RelayPageRefusesWritesAndItsCloseWhileReading) {
    ASSERT_TRUE(open());
    withPage<TBOOTCtrlTableForm>("BOOTPCtrlTable1Click", [&](TBOOTCtrlTableForm* page) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = RelayEntry.substr(0, RelayEntry.size() - 1), .delayMs = 300});
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return page->ListView1->topLevelItemCount() > 0; }));
        page->ListView1->setCurrentItem(page->ListView1->topLevelItem(0));
        sim->clearLog();
        for (QPushButton* button : {page->AddButton, page->DeleteButton}) {
            MessageBoxes boxes;
            button->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        }
        MessageBoxes boxes;
        page->reject();
        EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        page->StopButton->click();
        sim->removeFault(fault);
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page); }));
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(RelayPagesTest, DnsEntriesAreAddedValidWithCheckedKeysAndRemovedAsInvalid) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* address;
        const char* text;
    };
    const Case cases[] = {
        {"", "192.168.100.81", "Please input Domain Name."},
        {"wiki.example.net", "192.168.100", "Please input a valid ip"},
        {"wiki.example.net", "192.168.100.081", nullptr},
    };
    withPage<TDNSCtrlForm>("DNSCtrlTable1Click", [&](TDNSCtrlForm* page) {
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
        TDNSCtrlAddForm* dialog = page->DNSCtrlAddForm;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.address);
            sim->clearLog();
            MessageBoxes boxes;
            inDialog(dialog, page->AddButton, [&] {
                EXPECT_EQ(dialog->windowTitle(), "DNS Relay Control Table : 127.0.0.1 (Add)");
                EXPECT_FALSE(dialog->cbxState->isEnabled());
                dialog->edtName->setText(c.name);
                dialog->edtIP->setText(c.address);
                dialog->btnAdd->click();
            });
            if (c.text) {
                EXPECT_EQ(boxes.Texts, QStringList{c.text});
                EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            }
        }
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 4; }));
        const std::string added = textIndex("wiki.example.net") + ".192.168.100.81";
        EXPECT_EQ(setsUnder(sim->log(), DnsEntry), (std::vector<std::vector<std::string>>{{"3." + added + "=3"}}))
            << "the address is read as decimal";

        page->ListView1->setCurrentItem(rowWithKey(page->ListView1, "wiki.example.net"));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && page->ListView1->topLevelItemCount() == 3; }));
        EXPECT_EQ(setsUnder(sim->log(), DnsEntry), (std::vector<std::vector<std::string>>{{"3." + added + "=2"}}));
        EXPECT_FALSE(sim->value(DnsEntry + "3." + added).has_value());
    });
}

}  // namespace
