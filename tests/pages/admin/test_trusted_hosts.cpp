// The trusted host page and its add dialog through the menu item against the simulator.
#include "AdminPageWindow.h"
#include "HostTableFormEditUnit.h"
#include "HostTableFormUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Hosts = "1.3.6.1.4.1.32473.12.1.2.10.1.1.";

class TrustedHostTest : public AdminPageWindow {
protected:
    void withHosts(const std::function<void(THostTableForm*)>& check) {
        withAdminPage<THostTableForm>("TrustHostTable1Click", check);
    }
};

struct Entry {
    const char* index;
    const char* address;
    bool maskChecked;
    const char* mask;
};

// Fills the add dialog, presses Set Checked and closes the dialog when it stays open; what the
// message boxes said meanwhile.
QStringList addThroughDialog(THostTableForm* page, const Entry& entry, QString* caption = nullptr) {
    MessageBoxes boxes;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<THostTableEditForm*>(modal);
        if (!dialog) return false;
        if (caption) *caption = dialog->windowTitle();
        EXPECT_EQ(dialog->StatusComboBox->currentText(), "createAndGo");
        EXPECT_FALSE(dialog->StatusComboBox->isEnabled());
        dialog->IndexEdit->setText(entry.index);
        dialog->IpEdit->setText(entry.address);
        dialog->IPnetCBox->setChecked(entry.maskChecked);
        dialog->IPSubnetEdit->setText(entry.mask);
        dialog->SetButton->click();
        if (dialog->isVisible()) dialog->reject();
        return true;
    });
    page->AddButton->click();
    waitUntil([&] { return !page->Binder->Busy; });
    return boxes.Texts;
}

TEST_F(TrustedHostTest, HostsAreListedAddedWithOrWithoutTheirMaskAndDeleted) {
    ASSERT_TRUE(open());
    withHosts([&](THostTableForm* page) {
        EXPECT_EQ(page->windowTitle(), "Trusted Host Table: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_EQ(rowWithKey(page->ListView1, "5")->text(3), "255.255.248.0");
        EXPECT_FALSE(page->DeleteButton->isEnabled());

        sim->clearLog();
        QString caption;
        EXPECT_TRUE(addThroughDialog(page, {"7", "10.30.0.0", false, "255.255.0.0"}, &caption).isEmpty());
        EXPECT_EQ(caption, "Trusted Host Table: 127.0.0.1 (Add)");
        EXPECT_EQ(setsUnder(sim->log(), Hosts), (std::vector<std::vector<std::string>>{{"2.7=10.30.0.0", "3.7=4"}}));
        EXPECT_EQ(sim->value(Hosts + "4.7"), std::optional<std::string>("IPADDRESS 0.0.0.0"));
        sim->clearLog();
        EXPECT_TRUE(addThroughDialog(page, {"8", "223.1.1.1", true, "255.255.255.0"}).isEmpty());
        EXPECT_EQ(setsUnder(sim->log(), Hosts),
                  (std::vector<std::vector<std::string>>{{"2.8=223.1.1.1", "3.8=4", "4.8=255.255.255.0"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);

        // The mask column comes back with the next read.
        page->ListView1->setCurrentItem(rowWithKey(page->ListView1, "5"));
        EXPECT_TRUE(page->DeleteButton->isEnabled());
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return !page->Binder->Busy && page->ListView1->topLevelItemCount() == 4; }));
        EXPECT_EQ(setsUnder(sim->log(), Hosts), (std::vector<std::vector<std::string>>{{"3.5=6"}}));
        EXPECT_EQ(rowWithKey(page->ListView1, "8")->text(3), "255.255.255.0");
        EXPECT_FALSE(page->DeleteButton->isEnabled());

        MessageBoxes boxes;
        page->DeleteButton->setEnabled(true);
        page->DeleteButton->click();
        EXPECT_EQ(boxes.Texts, QStringList{"Choose the item first."});
    });
}

TEST_F(TrustedHostTest, ForbiddenOrMalformedHostsAreRefusedAndNothingIsSent) {
    ASSERT_TRUE(open());
    struct Case {
        Entry entry;
        const char* text;
    };
    const Case cases[] = {
        {{"9", "255.255.255.255", false, ""}, "you can't input this ip address"},
        {{"9", "0.0.0.0", false, ""}, "you can't input this ip address"},
        {{"9", "127.0.0.1", false, ""}, "you can't input ip address like 127.*.*.*"},
        {{"9", "224.1.1.1", false, ""}, "Please input a valid ip"},
        {{"9", "247.0.0.1", false, ""}, "Please input a valid ip"},
        {{"9", "10", false, ""}, "Please input a valid ip"},
        {{"9", "10.1.1", false, ""}, "Please input a valid ip"},
        {{"9", "10.1.1.1.5", false, ""}, "Please input a valid ip"},
        {{"9", "192.168.100.1009", false, ""}, "Please input a valid ip"},
        {{"9", "10.1.1.", false, ""}, "Please input a valid IP"},
        {{"9", "10..1.1", false, ""}, "Please input a valid IP"},
        {{"9", "", false, ""}, "IP Address can't be empty"},
        {{"", "10.1.1.1", false, ""}, "Index can't be empty"},
        {{"9", "10.1.1.1", true, ""}, "you have choosed the Trust Host IP Subnet Mask,it can't be empty"},
    };
    withHosts([&](THostTableForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.entry.address);
            sim->clearLog();
            EXPECT_EQ(addThroughDialog(page, c.entry), QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        // 248 and above are unicast again.
        sim->clearLog();
        EXPECT_TRUE(addThroughDialog(page, {"9", "248.1.1.1", false, ""}).isEmpty());
        EXPECT_EQ(ofKind(sim->log(), "SET").size(), 1u);
    });
}

TEST_F(TrustedHostTest, WhileTheWalkRunsDeleteIsRefusedTheDialogWaitsAndClosingStopsIt) {
    ASSERT_TRUE(open());
    withHosts([&](THostTableForm* page) {
        sim->addFault({.kind = trvtest::Fault::Delay, .oid = Hosts.substr(0, Hosts.size() - 1), .delayMs = 300});
        page->RefreshButton->click();
        // Each answer of the walk comes late: a row is in while the rest is still awaited.
        ASSERT_TRUE(waitUntil([&] { return page->ListView1->topLevelItemCount() >= 1; }));
        ASSERT_TRUE(page->Binder->Busy);
        sim->clearLog();
        page->ListView1->setCurrentItem(page->ListView1->topLevelItem(0));
        MessageBoxes boxes;
        page->DeleteButton->click();
        EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        // The dialog's Set does nothing until the walk has ended.
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<THostTableEditForm*>(modal);
            if (!dialog) return false;
            dialog->IndexEdit->setText("9");
            dialog->IpEdit->setText("10.40.0.1");
            dialog->SetButton->click();
            EXPECT_TRUE(dialog->isVisible());
            dialog->reject();
            return true;
        });
        page->AddButton->click();
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        // Closed during the walk: stopped and waited for, nothing left running.
        page->reject();
        EXPECT_FALSE(page->MainBinder() && page->MainBinder()->Busy);
        sim->clearFaults();
    });
}

}  // namespace
