// The double VLAN control table and the two guest VLAN pages, each through its menu item against the
// simulator.
#include "DoubleVLANUnit.h"
#include "GuestVlanFormUnit.h"
#include "Layer2PageWindow.h"
#include "MultipAuthGuestVlanFormUnit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string DoubleVlans = "1.3.6.1.4.1.32473.12.28.3.1.1.";
const std::string DoubleVlanState = "1.3.6.1.4.1.32473.12.28.1.1.0";
const std::string GuestVlan = "1.3.6.1.4.1.32473.12.30.1.";
const std::string AuthGuestVlans = "1.3.6.1.4.1.32473.12.3.11.2.1.";

void choose(QComboBox* combo, const char* text) { combo->setCurrentIndex(combo->findText(QString::fromLatin1(text))); }


// The ports a stored or sent port list holds, counted from 1 across the units.
std::vector<int> portsIn(const std::string& value) {
    const QByteArray octets = QByteArray::fromHex(QByteArray::fromStdString(value.substr(value.find("0x") + 2)));
    std::vector<int> ports;
    for (int i = 0; i < octets.size() * 8; ++i)
        if (octets[i / 8] & (0x80 >> (i % 8))) ports.push_back(i + 1);
    return ports;
}

std::vector<int> portsIn(const std::optional<std::string>& value) { return value ? portsIn(*value) : std::vector<int>{}; }

std::string text(const char* value) { return "STRING 0x" + QByteArray(value).toHex().toStdString(); }

using DoubleGuestVlanTest = Layer2PageWindow;

TEST_F(DoubleGuestVlanTest, DoubleVlansWhileEnabledAreSetWithoutTheirNameAndDeletedByTheirStatusAlone) {
    ASSERT_TRUE(open());
    withReadPage<TDoubleVLANForm>("DoubleVlanControlTable1Click", [&](TDoubleVLANForm* page) {
        EXPECT_EQ(page->windowTitle(), "Double VLAN Control Table: 127.0.0.1");
        EXPECT_EQ(page->lbState->text(), "enabled");
        EXPECT_EQ(page->lbmsg->text(), ", you can configure.");
        const QStringList tabs = {"Uplink Ports", "Access Ports", "Delete Ports", "Unknown Ports"};
        for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(page->PageControl1->tabText(i), tabs[i]);
        QTreeWidget* list = page->lvDoubleVLAN;
        EXPECT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(page->RowCounter->text(), "2");
        EXPECT_TRUE(page->AddBtn->isEnabled());
        EXPECT_FALSE(page->SetBtn->isEnabled());
        EXPECT_FALSE(page->DeleteBtn->isEnabled());

        select(list, "100");
        EXPECT_EQ(page->edtName->text(), "isp-customer-north");
        EXPECT_EQ(page->edtTPID->text(), "88A8");
        EXPECT_TRUE(page->UplinkSelector->PortCheckBoxes[24]->isChecked());
        EXPECT_TRUE(page->AccessSelector->PortCheckBoxes[0]->isChecked());
        EXPECT_FALSE(page->UnknownSelector->PortCheckBoxes[19]->isChecked()) << "unknown ports only while disabled";
        EXPECT_FALSE(page->edtID->isEnabled());
        EXPECT_FALSE(page->edtName->isEnabled());
        EXPECT_FALSE(page->AddBtn->isEnabled());
        EXPECT_TRUE(page->SetBtn->isEnabled());

        page->DeleteSelector->PortCheckBoxes[2]->setChecked(true);
        sim->clearLog();
        page->SetBtn->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(objectsSet(sim->log(), DoubleVlans), (Sets{{"3.100", "4.100", "5.100", "7.100", "9.100"}}));
        EXPECT_EQ(portsIn(sim->value(DoubleVlans + "7.100")), std::vector<int>{3});
        EXPECT_EQ(list->topLevelItemCount(), 2);

        select(list, "150");
        sim->clearLog();
        page->DeleteBtn->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 1; }));
        EXPECT_EQ(setsUnder(sim->log(), DoubleVlans), (Sets{{"9.150=6"}}));
        EXPECT_FALSE(sim->value(DoubleVlans + "2.150"));

        // Each column has its own access back: a Set after the Delete still sends the delete ports.
        select(list, "100");
        sim->clearLog();
        page->SetBtn->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(objectsSet(sim->log(), DoubleVlans), (Sets{{"3.100", "4.100", "5.100", "7.100", "9.100"}}));
    });
}

TEST_F(DoubleGuestVlanTest, DoubleVlanAddNeedsIdNameAndCreateAndGoAndLeavesAnEmptyTpidOut) {
    ASSERT_TRUE(open());
    withReadPage<TDoubleVLANForm>("DoubleVlanControlTable1Click", [&](TDoubleVLANForm* page) {
        struct Case {
            const char* id;
            const char* name;
            const char* status;
            const char* message;
        };
        const Case refusals[] = {
            {"", "isp-customer-east", "createAndGo", "Please specify VLAN ID of this Double VLAN"},
            {"300", "", "createAndGo", "Please specify the name of  this Double VLAN"},
            {"300", "isp-customer-east", "active", "Status should be createAndGo"},
        };
        for (const Case& c : refusals) {
            SCOPED_TRACE(c.message);
            page->edtID->setText(c.id);
            page->edtName->setText(c.name);
            choose(page->cbxStatus, c.status);
            sim->clearLog();
            MessageBoxes boxes;
            page->AddBtn->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.message});
            EXPECT_TRUE(sim->log().empty());
        }
        page->edtID->setText("300");
        page->edtName->setText("isp-customer-east");
        page->edtTPID->clear();
        choose(page->cbxStatus, "createAndGo");
        page->UplinkSelector->PortCheckBoxes[25]->setChecked(true);
        sim->clearLog();
        page->AddBtn->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && page->lvDoubleVLAN->topLevelItemCount() == 3; }));
        EXPECT_EQ(objectsSet(sim->log(), DoubleVlans), (Sets{{"2.300", "4.300", "5.300", "7.300", "9.300"}}));
        EXPECT_EQ(sim->value(DoubleVlans + "2.300"), std::optional<std::string>(text("isp-customer-east")));
        EXPECT_EQ(portsIn(sim->value(DoubleVlans + "4.300")), std::vector<int>{26});
        EXPECT_EQ(sim->value(DoubleVlans + "9.300"), std::optional<std::string>("INTEGER 1"));
    });
}

TEST_F(DoubleGuestVlanTest, DoubleVlansWhileDisabledShowOnlyTheUnknownPortsAndCannotBeChanged) {
    ASSERT_TRUE(open());
    sim->setValue(DoubleVlanState, "INTEGER 2");
    withReadPage<TDoubleVLANForm>("DoubleVlanControlTable1Click", [&](TDoubleVLANForm* page) {
        EXPECT_EQ(page->lbState->text(), "disabled");
        EXPECT_EQ(page->lbmsg->text(), ", you can't configure.");
        select(page->lvDoubleVLAN, "100");
        EXPECT_TRUE(page->UnknownSelector->PortCheckBoxes[19]->isChecked());
        EXPECT_FALSE(page->UnknownSelector->PortCheckBoxes[19]->isEnabled());
        EXPECT_FALSE(page->UplinkSelector->PortCheckBoxes[24]->isChecked());
        for (QPushButton* button : {page->AddBtn, page->SetBtn, page->DeleteBtn}) EXPECT_FALSE(button->isEnabled());
        page->lvDoubleVLAN->setCurrentItem(nullptr);
        for (QPushButton* button : {page->AddBtn, page->SetBtn, page->DeleteBtn}) EXPECT_FALSE(button->isEnabled());
    });
}

TEST_F(DoubleGuestVlanTest, GuestVlanIsCreatedByItsNameFirstAndAnExistingOneHasOnlyItsPortsWritten) {
    ASSERT_TRUE(open());
    withReadPage<TGuestVlanForm>("GuestVLAN1Click", [&](TGuestVlanForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1X Guest VLAN: 127.0.0.1");
        EXPECT_EQ(page->edtName->text(), "visitors");
        EXPECT_EQ(page->Edit1->text(), "visitors");
        EXPECT_TRUE(page->PortSelector->PortCheckBoxes[16]->isChecked());
        EXPECT_EQ(page->PageControl1->tabText(0), "Guest VLAN Ports");

        page->edtName->setText("lobby");
        for (int port : {16, 17, 18, 19}) page->PortSelector->PortCheckBoxes[std::size_t(port)]->setChecked(false);
        page->PortSelector->PortCheckBoxes[21]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        EXPECT_EQ(objectsSet(sim->log(), GuestVlan), (Sets{{"2.0"}})) << "an existing guest VLAN keeps its name";
        EXPECT_EQ(sim->value(GuestVlan + "1.0"), std::optional<std::string>(text("visitors")));
        EXPECT_EQ(portsIn(sim->value(GuestVlan + "2.0")), std::vector<int>{22});

        sim->clearLog();
        page->DeleteButton->click();
        EXPECT_EQ(setsUnder(sim->log(), GuestVlan), (Sets{{"3.0=2"}}));
        EXPECT_EQ(ofKind(sim->log(), "GET").size(), 2u) << "name and ports read again";

        // No guest VLAN yet: its name creates it, then its ports follow.
        sim->setValue(GuestVlan + "1.0", "STRING \"\"");
        page->RefreshButton->click();
        EXPECT_TRUE(page->Edit1->text().isEmpty());
        page->edtName->setText("lobby");
        sim->clearLog();
        page->SetButton->click();
        EXPECT_EQ(objectsSet(sim->log(), GuestVlan), (Sets{{"1.0"}, {"2.0"}}));
        EXPECT_EQ(sim->value(GuestVlan + "1.0"), std::optional<std::string>(text("lobby")));
    });
}

TEST_F(DoubleGuestVlanTest, GuestVlanWhoseNameReadFailedCanStillBeCreated) {
    ASSERT_TRUE(open());
    sim->setValue(GuestVlan + "1.0", "STRING \"\"");
    withReadPage<TGuestVlanForm>("GuestVLAN1Click", [&](TGuestVlanForm* page) {
        {
            MessageBoxes boxes;
            const int fault = sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = GuestVlan + "1"});
            page->RefreshButton->click();
            sim->removeFault(fault);
        }
        EXPECT_TRUE(page->Edit1->text().isEmpty()) << "no stale name stands in for the switch's";
        page->edtName->setText("lobby");
        sim->clearLog();
        page->SetButton->click();
        EXPECT_EQ(objectsSet(sim->log(), GuestVlan), (Sets{{"1.0"}, {"2.0"}}));
    });
}

TEST_F(DoubleGuestVlanTest, CompoundGuestVlansAreAddedByStatusThenPortsAndEditedOrDeletedOnlyWhenSelected) {
    ASSERT_TRUE(open());
    withReadPage<TMultpAuthGuestVlanForm>("GuestVLANTable1Click", [&](TMultpAuthGuestVlanForm* page) {
        EXPECT_EQ(page->windowTitle(), "Compound Authentication Guest VLAN Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        EXPECT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_FALSE(page->SetButton->isEnabled()) << "nothing to edit before a row is selected";
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        EXPECT_TRUE(page->AddButton->isEnabled());

        sim->clearLog();
        for (const char* blank : {"", " "}) {
            page->VIDEdit->setText(blank);
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Please input VLAN ID."});
        }
        EXPECT_TRUE(sim->log().empty());

        page->VIDEdit->setText("60");
        page->PortSelector->PortCheckBoxes[4]->setChecked(true);
        page->AddButton->click();
        const Sets added = setsUnder(sim->log(), AuthGuestVlans);
        ASSERT_EQ(added.size(), 2u);
        EXPECT_EQ(added[0], std::vector<std::string>{"3.60=4"});
        ASSERT_EQ(added[1].size(), 1u);
        EXPECT_TRUE(added[1][0].starts_with("2.60="));
        EXPECT_EQ(portsIn(added[1][0]), std::vector<int>{5});
        EXPECT_EQ(list->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");

        select(list, "30");
        EXPECT_TRUE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        EXPECT_FALSE(page->VIDEdit->isEnabled());
        page->PortSelector->PortCheckBoxes[5]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        EXPECT_EQ(objectsSet(sim->log(), AuthGuestVlans), (Sets{{"2.30"}}));
        EXPECT_EQ(portsIn(sim->value(AuthGuestVlans + "2.30")), (std::vector<int>{6, 17, 18}));

        select(list, "40");
        sim->clearLog();
        page->DeleteButton->click();
        EXPECT_EQ(setsUnder(sim->log(), AuthGuestVlans), (Sets{{"3.40=6"}}));
        EXPECT_EQ(list->topLevelItemCount(), 3);
        EXPECT_FALSE(page->DeleteButton->isEnabled());
    });
}

}  // namespace
