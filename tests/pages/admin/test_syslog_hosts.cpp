// "System Log Server Table" and its edit dialog through the menu item against the simulator.
#include "AdminPageWindow.h"
#include "LogHostEditUnit.h"
#include "SystemLogHostUnit.h"

#include <QComboBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Hosts = "1.3.6.1.4.1.32473.12.12.2.1.";

class SyslogHostsTest : public AdminPageWindow {
protected:
    void withHosts(const std::function<void(TSystemLogHostForm*)>& check) {
        withAdminPage<TSystemLogHostForm>("SystemLogServerTable1Click", check);
    }
    // Opens the dialog through `button`, lets `fill` set it, presses Set and notes the messages; the
    // dialog is closed when it stays open.
    QStringList throughDialog(TSystemLogHostForm* page, QPushButton* button,
                              const std::function<void(TLogHostEditForm*)>& fill, QString* caption = nullptr) {
        QStringList texts;
        sim->clearLog();
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<TLogHostEditForm*>(modal);
            if (!dialog) return false;
            if (caption) *caption = dialog->windowTitle();
            fill(dialog);
            MessageBoxes boxes;
            dialog->SetButton->click();
            waitUntil([&] { return !boxes.Texts.isEmpty() || !dialog->isVisible(); }, 1000);
            texts = boxes.Texts;
            if (dialog->isVisible()) dialog->reject();
            return true;
        });
        button->click();
        waitUntil([&] { return !page->Binder->Busy; });
        return texts;
    }
};

void select(TSystemLogHostForm* page, const char* index) {
    page->ListView1->setCurrentItem(rowWithKey(page->ListView1, index));
}

TEST_F(SyslogHostsTest, ListsTheServersAndAddsEditsAndDeletesThemThroughTheDialog) {
    ASSERT_TRUE(open());
    withHosts([&](TSystemLogHostForm* page) {
        EXPECT_EQ(page->windowTitle(), "System Log Server Table: 127.0.0.1");
        ASSERT_EQ(page->ListView1->topLevelItemCount(), 2);
        EXPECT_EQ(page->RowCounter->text(), "2");
        EXPECT_EQ(page->ListView1->topLevelItem(0)->text(0), "swSysLogServerIndex-1");
        EXPECT_EQ(page->ListView1->topLevelItem(0)->text(1), "10.20.1.50");
        EXPECT_FALSE(page->SetButton->isEnabled());

        QString caption;
        auto texts = throughDialog(page, page->AddButton, [](TLogHostEditForm* d) {
            d->cbxIndex->setCurrentIndex(1);
            d->IPAddrEdit->setText("223.1.1.1");
            d->PortEdit->setText("6514");
            d->RowComboBox->setCurrentIndex(3);
        }, &caption);
        EXPECT_EQ(caption, "System Log Server Table: 127.0.0.1 (Add)");
        EXPECT_TRUE(texts.isEmpty());
        EXPECT_EQ(setsUnder(sim->log(), Hosts),
                  (std::vector<std::vector<std::string>>{{"2.2=223.1.1.1", "3.2=0", "4.2=1", "5.2=6514", "6.2=2", "7.2=4"}}));
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);

        select(page, "swSysLogServerIndex-3");
        texts = throughDialog(page, page->SetButton, [](TLogHostEditForm* d) {
            EXPECT_EQ(d->IPAddrEdit->text(), "10.20.1.51");
            EXPECT_FALSE(d->cbxIndex->isEnabled());
            d->SevComboBox->setCurrentText("warning");
        }, &caption);
        EXPECT_EQ(caption, "System Log Server Table: 127.0.0.1 (Edit)");
        EXPECT_TRUE(texts.isEmpty());
        EXPECT_EQ(setsUnder(sim->log(), Hosts),
                  (std::vector<std::vector<std::string>>{{"2.3=10.20.1.51", "3.3=7", "4.3=2", "5.3=6000", "6.3=2"}}));
        EXPECT_EQ(sim->value(Hosts + "4.3"), std::optional<std::string>("INTEGER 2"));

        select(page, "swSysLogServerIndex-3");
        sim->clearLog();
        MessageBoxes boxes;
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return !page->Binder->Busy && page->ListView1->topLevelItemCount() == 2; }));
        EXPECT_EQ(setsUnder(sim->log(), Hosts), (std::vector<std::vector<std::string>>{{"7.3=6"}}));
        EXPECT_TRUE(boxes.Texts.isEmpty()) << "no confirmation";
    });
}

TEST_F(SyslogHostsTest, DialogRefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        int index;
        const char* port;
        const char* address;
        int rowStatus;
        const char* text;
    };
    const Case cases[] = {
        {"no index", -1, "", "10.1.1.1", 3, "Index is needed."},
        {"port 513", 1, "513", "10.1.1.1", 3, "The range of UDP Port for syslog is 514 or 6000-65535."},
        {"port 5999", 1, "5999", "10.1.1.1", 3, "The range of UDP Port for syslog is 514 or 6000-65535."},
        {"port 65536", 1, "65536", "10.1.1.1", 3, "The range of UDP Port for syslog is 514 or 6000-65535."},
        {"no address", 1, "", "", 3, "IP Address should be set."},
        {"broadcast", 1, "", "255.255.255.255", 3, "IP Address in not valid."},
        {"loopback", 1, "", "127.0.0.1", 3, "IP Address in not valid."},
        {"multicast", 1, "", "224.1.1.1", 3, "IP Address in not valid."},
        {"reserved", 1, "", "245.1.1.1", 3, "IP Address in not valid."},
        {"three parts", 1, "", "10.1.1", 3, "IP Address in not valid."},
        {"five parts", 1, "", "10.1.1.1.1", 3, "IP Address in not valid."},
        {"an empty part", 1, "", "10..1.1", 3, "IP Address in not valid."},
        {"a listed address", 1, "", "10.20.1.50", 3, "IP Address must be different."},
        {"not createAndGo", 1, "", "10.1.1.1", 0, "State should be createAndGo."},
    };
    withHosts([&](TSystemLogHostForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const QStringList texts = throughDialog(page, page->AddButton, [&](TLogHostEditForm* d) {
                d->cbxIndex->setCurrentIndex(c.index);
                d->PortEdit->setText(c.port);
                d->IPAddrEdit->setText(c.address);
                d->RowComboBox->setCurrentIndex(c.rowStatus);
            });
            EXPECT_EQ(texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        MessageBoxes boxes;
        page->DeleteButton->setEnabled(true);
        page->DeleteButton->click();
        EXPECT_EQ(boxes.Texts, QStringList{"Choose the item first."});
    });
}

}  // namespace
