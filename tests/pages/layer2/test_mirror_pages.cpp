// The mirror group and RSPAN VLAN pages through their menu items against the simulator.
#include "Layer2PageWindow.h"
#include "MirrorgroupFormunit.h"
#include "RSPANFFormUnit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string Mirror = "1.3.6.1.4.1.32473.11.70.1.2.10.5.1.";
const std::string Rspan = "1.3.6.1.4.1.32473.12.68.3.1.1.";


class MirrorPagesTest : public Layer2PageWindow {
protected:
    // Clicks the button and waits for the page's read to end.
    void write(TDedicatedPage* page, QPushButton* button) {
        sim->clearLog();
        button->click();
        ASSERT_TRUE(waitIdle(page));
    }
};

TEST_F(MirrorPagesTest, MirrorGroupsAreAddedAndDeletedByTheirStatusAloneAndSetWithEveryColumn) {
    ASSERT_TRUE(open());
    withReadPage<TMirrorGroupForm>("MirrorGroupTable1Click", [&](TMirrorGroupForm* page) {
        EXPECT_EQ(page->windowTitle(), "Mirror Group Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        EXPECT_EQ(list->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        EXPECT_EQ(list->headerItem()->text(5), "Engress Ports");
        EXPECT_FALSE(page->TargetEdit->isEnabled()) << "inputs wait for a row";
        EXPECT_FALSE(page->PortSelectors[0]->PortCheckBoxes[0]->isEnabled());
        EXPECT_FALSE(page->SetButton->isEnabled());

        select(list, "2");
        EXPECT_EQ(page->TargetEdit->text(), "23");
        EXPECT_EQ(page->groupStateComboBox->currentText(), "enabled");
        EXPECT_TRUE(page->TargetEdit->isEnabled());
        EXPECT_FALSE(page->ED_GroupID->isEnabled());
        EXPECT_TRUE(page->PortSelectors[0]->PortCheckBoxes[4]->isChecked());
        EXPECT_TRUE(page->PortSelectors[1]->PortCheckBoxes[0]->isEnabled());
        page->TargetEdit->setText("20");
        page->PortSelectors[0]->PortCheckBoxes[6]->setChecked(true);
        write(page, page->SetButton);
        EXPECT_EQ(objectsSet(sim->log(), Mirror), (Sets{{"2.2", "3.2", "4.2", "5.2", "6.2"}}));
        EXPECT_EQ(sim->value(Mirror + "4.2"), std::optional<std::string>("INTEGER 20"));
        EXPECT_FALSE(page->TargetEdit->isEnabled());

        select(list, "4");
        write(page, page->DeleteButton);
        EXPECT_EQ(setsUnder(sim->log(), Mirror), (Sets{{"2.4=6"}}));
        EXPECT_EQ(list->topLevelItemCount(), 3);

        {
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Group ID need to input."});
        }
        page->ED_GroupID->setText("4");
        write(page, page->AddButton);
        EXPECT_EQ(setsUnder(sim->log(), Mirror), (Sets{{"2.4=4"}}));
        EXPECT_EQ(list->topLevelItemCount(), 4);
    });
}

TEST_F(MirrorPagesTest, RspanSetFollowsTheMirrorGroupRule) {
    ASSERT_TRUE(open());
    withReadPage<TRSPANForm>("RSPANTable1Click", [&](TRSPANForm* page) {
        EXPECT_EQ(page->windowTitle(), "RSPAN Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        EXPECT_EQ(list->topLevelItemCount(), 3);
        const QStringList tabs = {"Ingress Ports", "Egress Ports", "Redirect Port"};
        for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(page->PageControl1->tabText(i), tabs[i]);

        // VLAN 100 is tied to mirror group 2: VLAN 220, tied to none, keeps only its redirect ports.
        select(list, "220");
        EXPECT_FALSE(page->PortSelectors[0]->PortCheckBoxes[0]->isEnabled());
        EXPECT_FALSE(page->MirrorIDEdit->isEnabled());
        EXPECT_TRUE(page->PortSelectors[2]->PortCheckBoxes[0]->isEnabled());
        page->PortSelectors[2]->PortCheckBoxes[23]->setChecked(true);
        write(page, page->SetButton);
        EXPECT_EQ(objectsSet(sim->log(), Rspan), (Sets{{"4.220"}}));

        select(list, "100");
        EXPECT_TRUE(page->MirrorIDEdit->isEnabled());
        EXPECT_EQ(page->MirrorIDEdit->text(), "2");
        for (const char* group : {"5", "00", "-1"}) {
            SCOPED_TRACE(group);
            page->MirrorIDEdit->setText(group);
            sim->clearLog();
            MessageBoxes boxes;
            page->SetButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Please input a number between 1-4."});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        page->MirrorIDEdit->setText("3");
        write(page, page->SetButton);
        EXPECT_EQ(objectsSet(sim->log(), Rspan), (Sets{{"2.100", "3.100", "4.100", "6.100"}}));
        EXPECT_EQ(sim->value(Rspan + "6.100"), std::optional<std::string>("INTEGER 3"));

        // No VLAN tied to a mirror group: every VLAN writes its source ports; a group of 0 is not sent.
        sim->setValue(Rspan + "6.100", "INTEGER 0");
        page->RefreshButton->click();
        ASSERT_TRUE(waitIdle(page));
        select(list, "330");
        EXPECT_TRUE(page->PortSelectors[0]->PortCheckBoxes[0]->isEnabled());
        write(page, page->SetButton);
        EXPECT_EQ(objectsSet(sim->log(), Rspan), (Sets{{"2.330", "3.330", "4.330"}}));
        EXPECT_EQ(list->topLevelItemCount(), 3) << "every column read again";

        {
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{"VLAN ID need to input."});
        }
        page->ED_VLANID->setText("400");
        write(page, page->AddButton);
        EXPECT_EQ(setsUnder(sim->log(), Rspan), (Sets{{"5.400=4"}}));
        select(list, "400");
        write(page, page->DeleteButton);
        EXPECT_EQ(setsUnder(sim->log(), Rspan), (Sets{{"5.400=6"}}));
    });
}

TEST_F(MirrorPagesTest, MirrorGroupsRefuseWritesAndTheCloseWhileReading) {
    ASSERT_TRUE(open());
    withReadPage<TMirrorGroupForm>("MirrorGroupTable1Click", [&](TMirrorGroupForm* page) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Mirror.substr(0, Mirror.size() - 1), .delayMs = 150});
        page->RefreshButton->click();
        page->ED_GroupID->setText("4");
        sim->clearLog();
        {
            MessageBoxes boxes;
            page->AddButton->click();
            page->reject();
            EXPECT_EQ(boxes.Texts, (QStringList{"Get data not complete", "Get data not complete"}));
            EXPECT_TRUE(page->isVisible());
        }
        sim->removeFault(fault);
        ASSERT_TRUE(waitIdle(page));
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

}  // namespace
