// The static unicast and multicast filtering pages and the NLB multicast FDB page, each through its menu
// item against the simulator.
#include "Layer2PageWindow.h"
#include "MulticastFilterInformationFormUnit.h"
#include "NLBMulticastFDBFormUnit.h"
#include "StackingPortUitForm.h"
#include "UnicastFilterInformationFormUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string Unicast = "1.3.6.1.2.1.17.7.1.3.1.1.";
const std::string Multicast = "1.3.6.1.2.1.17.7.1.3.2.1.";
const std::string Nlb = "1.3.6.1.4.1.32473.12.77.3.2.1.";

void choose(QComboBox* combo, const char* text) { combo->setCurrentIndex(combo->findText(QString::fromLatin1(text))); }

// The row of the list whose address cell holds the text.
QTreeWidgetItem* rowWithAddress(QTreeWidget* list, const char* mac) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(1) == mac) return list->topLevelItem(i);
    return nullptr;
}


using StaticFilterTest = Layer2PageWindow;

// Every Add is refused, with the page's text and nothing sent, until VLAN, address and status are right.
void expectAddRefusals(StaticFilterTest& test, trvtest::SimAgent& sim, TStaticFilterPage* page, const QString& keysText,
                       const QString& statusText) {
    struct Case {
        const char* name;
        const char* vlan;
        const char* mac;
        const char* status;
        bool keys;  // refused for the keys, else for the status
    };
    const Case cases[] = {
        {"no VLAN", "", "001B2CA01003", "permanent", true},
        {"VLAN 0", "0", "001B2CA01003", "permanent", true},
        {"VLAN 4095", "4095", "001B2CA01003", "permanent", true},
        {"no address", "10", "", "permanent", true},
        {"ten digits", "10", "001B2CA010", "permanent", true},
        {"thirteen digits", "10", "001B2CA010033", "permanent", true},
        {"no status", "10", "001B2CA01003", "", false},
        {"deleteOnReset", "10", "001B2CA01003", "deleteOnReset", false},
    };
    for (const Case& c : cases) {
        if (!c.keys && statusText.isEmpty()) continue;
        SCOPED_TRACE(c.name);
        page->VlanEdit->setText(c.vlan);
        page->MacEdit->setText(c.mac);
        choose(page->StatusCombo, c.status);
        sim.clearLog();
        MessageBoxes boxes;
        page->AddButton->click();
        EXPECT_EQ(boxes.Texts, QStringList{c.keys ? keysText : statusText});
        EXPECT_TRUE(ofKind(sim.log(), "SET").empty());
    }
    (void)test;
}

TEST_F(StaticFilterTest, UnicastEntriesAreAddedPermanentWithTheirPortsAndDeletedByTheirStatusAlone) {
    ASSERT_TRUE(open());
    withReadPage<TUnicastFilterInformationForm>("UnicastInformation1Click", [&](TUnicastFilterInformationForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1Q Unicast Filter Information Table: 127.0.0.1");
        QTreeWidget* list = page->LV_dot1qStaticUnicastEntry;
        EXPECT_EQ(list->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        EXPECT_EQ(page->SelectorTabs->tabText(0), "Allow To Go To Ports");
        EXPECT_EQ(page->findChild<QPushButton*>("SetBtn")->text(), "Add");
        EXPECT_FALSE(page->DeleteButton->isEnabled());

        expectAddRefusals(*this, *sim, page, "Please input VLAN ID and MAC Address!", "Status Should be permanent");

        page->ED_UnicastVID->setText("10");
        page->UnicastAddress->setText("001B2CA01003");
        choose(page->UStatus, "permanent");
        page->PortSelector->PortCheckBoxes[6]->setChecked(true);
        sim->clearLog();
        page->AddButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 5; }));
        const std::string added = "10.0.27.44.160.16.3.0";
        EXPECT_EQ(objectsSet(sim->log(), Unicast), (Sets{{"3." + added, "4." + added}}));
        EXPECT_EQ(sim->value(Unicast + "4." + added), std::optional<std::string>("INTEGER 3"));

        list->setCurrentItem(rowWithAddress(list, "000C294F8E35"));
        EXPECT_EQ(page->ED_UnicastVID->text(), "20");
        EXPECT_FALSE(page->ED_UnicastVID->isEnabled());
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[24]->isChecked());
        EXPECT_TRUE(page->DeleteButton->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 4; }));
        const std::string deleted = "20.0.12.41.79.142.53.0";
        EXPECT_EQ(setsUnder(sim->log(), Unicast), (Sets{{"4." + deleted + "=2"}}));
        EXPECT_FALSE(sim->value(Unicast + "4." + deleted));
        EXPECT_TRUE(page->AddButton->isEnabled());
        EXPECT_EQ(page->ReceivePortEdit->text(), "0") << "the next Add holds for any port";
    });
}

TEST_F(StaticFilterTest, MulticastEntriesAreSetWithoutTheirStatusAndDeletedWithTheirPorts) {
    ASSERT_TRUE(open());
    withReadPage<TMulticastFilterInformationForm>("MulticastInformation1Click", [&](TMulticastFilterInformationForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1Q Multicast Filter Information Table: 127.0.0.1");
        QTreeWidget* list = page->LV_dot1qStaticMulticastEntry;
        EXPECT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(page->SelectorTabs->tabText(0), "Egress Ports");
        EXPECT_FALSE(page->SetButton->isEnabled());

        expectAddRefusals(*this, *sim, page, "Please input VLAN ID and MAC Address!", "Status should be set to permanent");

        list->setCurrentItem(rowWithAddress(list, "01005E7F000A"));
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[8]->isChecked());
        page->PortSelector->PortCheckBoxes[11]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        const std::string group = "10.1.0.94.127.0.10.0";
        EXPECT_EQ(objectsSet(sim->log(), Multicast), (Sets{{"3." + group}}));
        EXPECT_EQ(list->topLevelItemCount(), 3);

        list->setCurrentItem(rowWithAddress(list, "01005E7F000A"));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 2; }));
        EXPECT_EQ(objectsSet(sim->log(), Multicast), (Sets{{"3." + group, "5." + group}}));
        EXPECT_EQ(setsUnder(sim->log(), Multicast)[0][1], "5." + group + "=2");
    });
}

TEST_F(StaticFilterTest, NlbEntriesAreCreatedByTheirRowStatusAloneAndTheirPortsSetAfterwards) {
    ASSERT_TRUE(open());
    withReadPage<TNLBUnicastFDBForm>("MulticastFdbTable1Click", [&](TNLBUnicastFDBForm* page) {
        EXPECT_EQ(page->windowTitle(), "NLB Multicast FDB Settings: 127.0.0.1");
        QTreeWidget* list = page->LV_dot1qStaticUnicastEntry;
        EXPECT_EQ(list->topLevelItemCount(), 2);
        EXPECT_TRUE(page->UStatus->isHidden());

        expectAddRefusals(*this, *sim, page, "Please Input VLAN ID and MAC Address!", {});

        page->ED_UnicastVID->setText("30");
        page->UnicastAddress->setText("03BF0A5A1E01");
        page->PortSelector->PortCheckBoxes[2]->setChecked(true);
        sim->clearLog();
        page->AddButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 3; }));
        const std::string added = "30.3.191.10.90.30.1";
        EXPECT_EQ(setsUnder(sim->log(), Nlb), (Sets{{"4." + added + "=4"}}));

        list->setCurrentItem(rowWithAddress(list, "03BF0A5A1E01"));
        page->PortSelector->PortCheckBoxes[2]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(objectsSet(sim->log(), Nlb), (Sets{{"3." + added, "4." + added}}));
        const std::optional<std::string> ports = sim->value(Nlb + "3." + added);
        ASSERT_TRUE(ports);
        EXPECT_TRUE(ports->starts_with("STRING 0x20")) << *ports;

        list->setCurrentItem(rowWithAddress(list, "03BF0A5A1E01"));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 2; }));
        EXPECT_EQ(setsUnder(sim->log(), Nlb), (Sets{{"4." + added + "=6"}}));
    });
}

TEST_F(StaticFilterTest, WritesWaitForTheReadAndTheCloseWaitsForTheBinder) {
    ASSERT_TRUE(open());
    withReadPage<TNLBUnicastFDBForm>("MulticastFdbTable1Click", [&](TNLBUnicastFDBForm* page) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Nlb.substr(0, Nlb.size() - 1), .delayMs = 150});
        page->RefreshButton->click();
        page->ED_UnicastVID->setText("30");
        page->UnicastAddress->setText("03BF0A5A1E01");
        sim->clearLog();
        {
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        }
        sim->removeFault(fault);
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        page->RefreshButton->click();
        page->reject();
        EXPECT_FALSE(page->isVisible());
        EXPECT_EQ(page->MainBinder(), nullptr) << "stopped and freed on closing";
    });
}

}  // namespace
