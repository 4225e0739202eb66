// The forward-all and Tp group viewers through their (hidden) menu items against the simulator.
#include "Layer2PageWindow.h"
#include "MulticastForwardingInformationFormUnit.h"
#include "StackingPortUitForm.h"
#include "TpGroupDestinationForwardedFormUnit.h"

#include <QCheckBox>
#include <QTabWidget>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string ForwardAll = "1.3.6.1.2.1.17.7.1.2.4.1.";
const std::string TpGroups = "1.3.6.1.2.1.17.7.1.2.3.1.";

using ForwardingViewerTest = Layer2PageWindow;

TEST_F(ForwardingViewerTest, ForwardAllWritesTheStaticAndForbiddenPortsOfTheSelectedVlanOnly) {
    ASSERT_TRUE(open());
    withReadPage<TMulticastForwardingInformationForm>("MulticastForwardingInformation1Click", [&](TMulticastForwardingInformationForm* page) {
        EXPECT_EQ(page->windowTitle(), "Multicast Forwarding Information: 127.0.0.1");
        QTreeWidget* list = page->LV_dot1qForwardUnregisteredEntry;
        EXPECT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        const QStringList tabs = {"Forward Ports", "Static Ports", "Forbidden Ports"};
        for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(page->PageControl1->tabText(i), tabs[i]);
        EXPECT_FALSE(page->SetButton->isEnabled()) << "nothing to write before a VLAN is selected";
        EXPECT_FALSE(page->PortSelectors[1]->PortCheckBoxes[0]->isEnabled());

        page->SetButton->setEnabled(true);
        sim->clearLog();
        page->SetButton->click();
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty()) << "no SET for an empty VLAN";

        select(list, "10");
        EXPECT_TRUE(page->PortSelectors[1]->PortCheckBoxes[24]->isChecked());
        EXPECT_TRUE(page->PortSelectors[2]->PortCheckBoxes[19]->isChecked());
        EXPECT_TRUE(page->PortSelectors[1]->PortCheckBoxes[25]->isEnabled());
        EXPECT_FALSE(page->PortSelectors[0]->PortCheckBoxes[25]->isEnabled()) << "all ports are the switch's to say";
        page->PortSelectors[1]->PortCheckBoxes[25]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        const Sets sets = setsUnder(sim->log(), ForwardAll);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 2u) << "all ports are read-only";
        EXPECT_TRUE(sets[0][0].starts_with("2.10=0x000000c0"));
        EXPECT_TRUE(sets[0][1].starts_with("3.10=0x00001000"));
        EXPECT_EQ(list->topLevelItemCount(), 3);
    });
}

TEST_F(ForwardingViewerTest, TpGroupsShowTheirPortsLockedAndCloseWhileReading) {
    ASSERT_TRUE(open());
    withReadPage<TTpGroupDestinationForwardedForm>("TpGroupDestinationForwarded1Click", [&](TTpGroupDestinationForwardedForm* page) {
        EXPECT_EQ(page->windowTitle(), "Tp Group Destination Forwarded: 127.0.0.1");
        QTreeWidget* list = page->LV_dot1qTpGroupEntry;
        EXPECT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_EQ(page->PageControl1->tabText(1), "GMRP Learning Ports");
        EXPECT_EQ(page->findChild<QPushButton*>("SetBtn"), nullptr);

        select(list, "10");
        EXPECT_TRUE(page->PortSelectors[0]->PortCheckBoxes[8]->isChecked());
        EXPECT_TRUE(page->PortSelectors[1]->PortCheckBoxes[8]->isChecked());
        EXPECT_FALSE(page->PortSelectors[1]->PortCheckBoxes[10]->isChecked());
        EXPECT_FALSE(page->PortSelectors[0]->PortCheckBoxes[8]->isEnabled()) << "never sent, never tickable";

        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = TpGroups.substr(0, TpGroups.size() - 1), .delayMs = 150});
        page->RefreshButton->click();
        page->reject();
        sim->removeFault(fault);
        EXPECT_FALSE(page->isVisible());
        EXPECT_EQ(page->MainBinder(), nullptr) << "stopped, waited for and freed";
    });
}

}  // namespace
