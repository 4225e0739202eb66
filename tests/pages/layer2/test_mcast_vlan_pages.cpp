// The IGMP snooping static group and multicast VLAN, the IGMP and MLD data-driven group and group table, IP multicast VLAN replication destination and snooping router port pages through their menu items
// against the simulator.
#include "DataDrivenGroupPage.h"
#include "IGMPForwordingUnit.h"
#include "IGMPRouterPortsUnit.h"
#include "IGMPSnoopingGroupUnit.h"
#include "IGMPSnoopingStaticGroupUnit.h"
#include "IPMcastVLANRepDstFormUnit.h"
#include "ISMVLANFormUnit.h"
#include "Layer2PageWindow.h"
#include "MLD_SnoopingGroupUnit.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <optional>

namespace {

const std::string RepDst = "1.3.6.1.4.1.32473.12.71.3.5.1.";
// The instance of a replication name and VLAN: the name length-prefixed, then the VLAN.
std::string instance(const std::string& name, int vlan) {
    std::string text = std::to_string(name.size());
    for (char c : name) text += "." + std::to_string(int(static_cast<unsigned char>(c)));
    return text + "." + std::to_string(vlan);
}

QTreeWidgetItem* entry(QTreeWidget* list, const QString& name, const QString& vlan) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == name && list->topLevelItem(i)->text(1) == vlan) return list->topLevelItem(i);
    return nullptr;
}

using McastVlanPagesTest = Layer2PageWindow;

TEST_F(McastVlanPagesTest, ReplicationDestinationsAreAddedWithTheirPortsAndDeletedWithThem) {
    ASSERT_TRUE(open());
    withReadPage<TIPMcastVLANRepDstForm>("DestinationTable1Click", [&](TIPMcastVLANRepDstForm* page) {
        EXPECT_EQ(page->windowTitle(), "IP Multicast VLAN Replication Destination Table: 127.0.0.1");
        QTreeWidget* list = page->LV_IPMcastVLANRepDstEntry;
        ASSERT_EQ(list->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        const auto& boxes = page->PortSelector->PortCheckBoxes;
        EXPECT_FALSE(page->DeleteButton->isEnabled());

        list->setCurrentItem(entry(list, "iptv-west", "100"));
        EXPECT_EQ(page->ED_Name->text(), "iptv-west");
        EXPECT_FALSE(page->ED_Name->isEnabled()) << "the keys of a listed entry stay";
        EXPECT_FALSE(page->Status->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        EXPECT_TRUE(boxes[12]->isChecked());
        EXPECT_TRUE(boxes[23]->isChecked());
        list->setCurrentItem(nullptr);
        EXPECT_TRUE(page->ED_Name->isEnabled());
        EXPECT_TRUE(page->ED_Name->text().isEmpty());
        EXPECT_FALSE(boxes[12]->isChecked());

        struct Case {
            const char* name;
            const char* vlan;
            const char* status;
            const char* refusal;
        };
        const Case refused[] = {
            {"", "300", "createAndGo", "IP Multicast VLAN Replication Name must be set."},
            {"cctv-yard", "", "createAndGo", "VLAN ID must be set."},
            {"cctv-yard", "4095", "createAndGo", "Please enter a number between 1 and 4094!"},
            {"cctv-yard", "300", "", "Status should be set to createAndGo"},
            {"cctv-yard", "300", "active", "Status should be set to createAndGo"},
        };
        for (const Case& c : refused) {
            SCOPED_TRACE(c.refusal);
            page->ED_Name->setText(c.name);
            page->ED_MulticastVID->setText(c.vlan);
            page->Status->setCurrentIndex(page->Status->findText(c.status));
            sim->clearLog();
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.refusal});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }

        page->ED_Name->setText("cctv-yard");
        page->ED_MulticastVID->setText("300");
        page->Status->setCurrentIndex(page->Status->findText("createAndGo"));
        boxes[6]->setChecked(true);
        sim->clearLog();
        page->AddButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 5 && !page->MainBinder()->Busy; }));
        const std::string added = instance("cctv-yard", 300);
        auto sets = setsUnder(sim->log(), RepDst);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 2u);
        EXPECT_TRUE(sets[0][0].starts_with("2." + added + "=0x0200"));
        EXPECT_EQ(sets[0][1], "3." + added + "=4");
        EXPECT_EQ(sim->value(RepDst + "3." + added), std::optional<std::string>("INTEGER 1"));
        EXPECT_TRUE(page->ED_Name->text().isEmpty());
        EXPECT_TRUE(page->ED_Name->isEnabled());

        list->setCurrentItem(entry(list, "iptv-east", "200"));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 4 && !page->MainBinder()->Busy; }));
        const std::string deleted = instance("iptv-east", 200);
        sets = setsUnder(sim->log(), RepDst);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 2u);
        EXPECT_TRUE(sets[0][0].starts_with("2." + deleted + "=0x0c00")) << "the row's ports go with the destroy";
        EXPECT_EQ(sets[0][1], "3." + deleted + "=6");
        EXPECT_FALSE(sim->value(RepDst + "3." + deleted));
        EXPECT_FALSE(entry(list, "iptv-east", "200"));
        EXPECT_TRUE(page->ED_Name->isEnabled()) << "a new entry can be typed at once";

        // A refused destroy is shown; the list is not read again.
        list->setCurrentItem(entry(list, "cctv-lobby", "300"));
        sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = RepDst + "3", .count = 1});
        sim->clearLog();
        {
            MessageBoxes boxes;
            page->DeleteButton->click();
            EXPECT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
        }
        ASSERT_TRUE(waitIdle(page));
        EXPECT_TRUE(sim->value(RepDst + "3." + instance("cctv-lobby", 300)));
        EXPECT_TRUE(ofKind(sim->log(), "GETNEXT").empty() && ofKind(sim->log(), "GETBULK").empty());
    });
}

TEST_F(McastVlanPagesTest, RouterPortsWriteTheStaticAndForbiddenListsOfTheSelectedVlanAndShowTheLearntOnes) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* table;
        int rows;
        const char* forbidden;  // the forbidden list sent for VLAN 20
        bool closesWhileReading;
    };
    const Case cases[] = {
        {"IGMPRouterPorts1Click", "1.3.6.1.4.1.32473.11.70.1.2.11.6.1.", 3, "4.20=0x40", true},
        {"RouterPorts1Click", "1.3.6.1.4.1.32473.12.34.3.4.1.", 2, "4.20=0x48", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withReadPage<TPortListViewer>(c.handler, [&](TPortListViewer* page) {
            QTreeWidget* list = page->PortLists;
            ASSERT_EQ(list->topLevelItemCount(), c.rows);
            EXPECT_EQ(page->PageControl1->tabText(0), "Static Ports");
            EXPECT_EQ(page->PageControl1->tabText(1), "Forbidden Ports");
            EXPECT_EQ(page->PageControl1->tabText(2), "Dynamic Ports");
            const auto& learnt = page->PortSelectors[2]->PortCheckBoxes;
            select(list, "20");
            EXPECT_EQ(page->KeyText->text(), "20");
            EXPECT_TRUE(learnt[24]->isChecked());
            EXPECT_FALSE(learnt[24]->isEnabled()) << "the learnt ports are the switch's to say";
            EXPECT_TRUE(page->PortSelectors[0]->PortCheckBoxes[0]->isEnabled());
            page->PortSelectors[0]->PortCheckBoxes[0]->setChecked(true);
            page->PortSelectors[1]->PortCheckBoxes[1]->setChecked(true);
            sim->clearLog();
            page->SetButton->click();
            ASSERT_TRUE(waitIdle(page));
            const auto sets = setsUnder(sim->log(), c.table);
            ASSERT_EQ(sets.size(), 1u);
            ASSERT_EQ(sets[0].size(), 2u) << "the learnt ports are never sent";
            EXPECT_TRUE(sets[0][0].starts_with("2.20=0x80"));
            EXPECT_TRUE(sets[0][1].starts_with(c.forbidden));
            EXPECT_EQ(list->topLevelItemCount(), c.rows) << "read again";

            // Set and close while a walk runs.
            const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = std::string(c.table) + "2", .delayMs = 100});
            page->RefreshButton->click();
            ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() > 0; }));
            list->setCurrentItem(list->topLevelItem(0));
            sim->clearLog();
            {
                MessageBoxes boxes;
                page->SetButton->setEnabled(true);
                page->SetButton->click();
                EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
            }
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            if (!c.closesWhileReading) {
                MessageBoxes boxes;
                page->CloseButton->click();
                EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
                EXPECT_TRUE(page->isVisible());
            }
            sim->removeFault(slow);
            page->StopButton->click();
            ASSERT_TRUE(waitIdle(page));
        });
    }
}

TEST_F(McastVlanPagesTest, MulticastVlansAreAddedWithoutSourceAndMemberPortsChangedAndDeleted) {
    ASSERT_TRUE(open());
    const std::string Ism = "1.3.6.1.4.1.32473.11.70.1.2.11.7.1.";
    withReadPage<TISMVLANForm>("IGMPMulticastVLAN1Click", [&](TISMVLANForm* page) {
        EXPECT_EQ(page->windowTitle(), "IGMP Snooping Multicast VLAN Table: 127.0.0.1");
        QTreeWidget* list = page->lvISMVLAN;
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->cbxVLANState->isEnabled()) << "a new VLAN's state is the agent's";
        EXPECT_EQ(page->CBoxRaplacePriority->currentText(), "false");
        EXPECT_EQ(page->PageControl1->tabText(3), "Untagged Source Ports");

        select(list, "100");
        EXPECT_EQ(page->ED_VLANName->text(), "iptv");
        EXPECT_FALSE(page->ED_VLANID->isEnabled());
        EXPECT_TRUE(page->cbxVLANState->isEnabled());
        EXPECT_EQ(page->edtSourceIP->text(), "10.90.90.21");
        EXPECT_TRUE(page->MemberPortSelector->PortCheckBoxes[2]->isChecked());
        EXPECT_TRUE(page->TaggedMemberSelector->PortCheckBoxes[9]->isChecked());

        // A member list without ticked boxes stays as the agent has it.
        page->MemberPortSelector->UncheckAll();
        page->ED_VLANName->setText("iptv-hd");
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        auto sets = setsUnder(sim->log(), Ism);
        ASSERT_EQ(sets.size(), 1u);
        QStringList columns;
        for (const std::string& binding : sets[0]) columns << QString::fromStdString(binding.substr(0, binding.find('.')));
        EXPECT_EQ(columns, QStringList({"2", "3", "5", "6", "7", "9", "8", "10", "11", "12"}));
        EXPECT_EQ(sim->value(Ism + "2.100"), std::optional<std::string>("STRING 0x697074762d6864")  /* "iptv-hd" */);
        EXPECT_TRUE(sim->value(Ism + "4.100")->starts_with("STRING 0x3f00"));
        EXPECT_TRUE(page->ED_VLANID->isEnabled());

        struct Case {
            const char* vlan;
            const char* name;
            const char* refusal;
        };
        const Case refused[] = {
            {"", "news", "Please specify VLAN ID"},
            {"400", "", "Please specify VLAN Name"},
            {"1", "news", "Please enter a number between 2 and 4094!"},
            {"4095", "news", "Please enter a number between 2 and 4094!"},
        };
        for (const Case& c : refused) {
            SCOPED_TRACE(c.refusal);
            page->ED_VLANID->setText(c.vlan);
            page->ED_VLANName->setText(c.name);
            sim->clearLog();
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.refusal});
            ASSERT_TRUE(waitIdle(page));
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }

        // Source and member ports ticked for a new VLAN are not sent: the agent takes them only by Set.
        page->ED_VLANID->setText("400");
        page->ED_VLANName->setText("news");
        page->SourcePortSelector->PortCheckBoxes[0]->setChecked(true);
        page->MemberPortSelector->PortCheckBoxes[1]->setChecked(true);
        page->TaggedMemberSelector->PortCheckBoxes[4]->setChecked(true);
        page->RemapPriorityEdit->setText("4");
        sim->clearLog();
        page->AddButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 4 && !page->MainBinder()->Busy; }));
        sets = setsUnder(sim->log(), Ism);
        ASSERT_EQ(sets.size(), 1u);
        columns.clear();
        for (const std::string& binding : sets[0]) columns << QString::fromStdString(binding.substr(0, binding.find('.')));
        EXPECT_EQ(columns, QStringList({"2", "5", "8", "10", "11", "12"}));
        EXPECT_TRUE(std::find(sets[0].begin(), sets[0].end(), "8.400=4") != sets[0].end());
        EXPECT_EQ(sim->value(Ism + "8.400"), std::optional<std::string>("INTEGER 1"));
        EXPECT_EQ(sim->value(Ism + "11.400"), std::optional<std::string>("INTEGER 4"));
        EXPECT_TRUE(sim->value(Ism + "5.400")->starts_with("STRING 0x08"));
        EXPECT_TRUE(page->ED_VLANID->text().isEmpty());

        select(list, "250");
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 3 && !page->MainBinder()->Busy; }));
        sets = setsUnder(sim->log(), Ism);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], std::vector<std::string>{"8.250=6"});
        EXPECT_FALSE(sim->value(Ism + "8.250"));

        // Writes and the close wait for a running read; Stop ends it.
        const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Ism + "2", .delayMs = 100});
        page->RefreshButton->click();
        sim->clearLog();
        for (QPushButton* button : {page->AddButton, page->CloseButton}) {
            MessageBoxes boxes;
            button->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
        }
        EXPECT_TRUE(page->isVisible());
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        sim->removeFault(slow);
        page->StopButton->click();
        ASSERT_TRUE(waitIdle(page));
    });
}

TEST_F(McastVlanPagesTest, StaticGroupsAreWrittenUnderTheKeysOfTheSelectedRowAndCheckTheWholeAddress) {
    ASSERT_TRUE(open());
    const std::string Group = "1.3.6.1.4.1.32473.11.70.1.2.11.16.1.";
    withReadPage<TIGMPSnoopingStaticGroupForm>("StaticGroupGroup1Click", [&](TIGMPSnoopingStaticGroupForm* page) {
        EXPECT_EQ(page->windowTitle(), "IGMP Snooping Static Group Table: 127.0.0.1");
        QTreeWidget* list = page->LV_IGMPStaticGroupEntry;
        ASSERT_EQ(list->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        EXPECT_FALSE(page->SetButton->isEnabled());
        const auto& boxes = page->PortSelector->PortCheckBoxes;

        list->setCurrentItem(entry(list, "10", "239.1.1.2"));
        EXPECT_EQ(page->RepalceIPEdit->text(), "239.1.1.2");
        EXPECT_FALSE(page->VlanIDEdit->isEnabled()) << "Set must act on the selected row";
        EXPECT_FALSE(page->RepalceIPEdit->isEnabled());
        EXPECT_TRUE(boxes[2]->isChecked());
        boxes[3]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        auto sets = setsUnder(sim->log(), Group);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 2u);
        EXPECT_TRUE(sets[0][0].starts_with("3.10.239.1.1.2=0x30"));
        EXPECT_EQ(sets[0][1], "4.10.239.1.1.2=1");
        EXPECT_TRUE(sim->value(Group + "3.10.239.1.1.2")->starts_with("STRING 0x3000"));
        EXPECT_TRUE(page->VlanIDEdit->isEnabled());

        // Every part of the address, the last one too, follows the same rules, however long the text.
        const std::pair<const char*, bool> addresses[] = {
            {"224.1.1.1", true},     {"224.1.1.01", true},   {"224.0.0.0", true},    {"10.1.1.1", true},
            {"224.001.1.1", true},   {"224.00.0.1", false},  {"224.1.1.000", false}, {"224.1.1", false},
            {".224.1.1", false},     {"224.1.1.1.", false},  {"224.1..1", false},    {"224.1.1.256", false},
            {"1.2.3.0004", false},   {"22412345678", false}, {"224.1.1.1a", false},  {"224.1.1.1.1", false},
            {"239.255.255.2550", false},
        };
        for (const auto& [address, valid] : addresses) {
            SCOPED_TRACE(address);
            page->RepalceIPEdit->setText(address);
            MessageBoxes shown;
            EXPECT_EQ(page->CheckGroupAddress(), valid);
            EXPECT_EQ(shown.Texts, valid ? QStringList{} : QStringList{"Please input a valid IP"});
        }

        struct Case {
            const char* vlan;
            const char* address;
            QStringList refusals;
        };
        const Case refused[] = {
            {"", "", {"Multicast VLAN ID need to input."}},
            {"30", "", {"Multicast Group IP Address need to input."}},
            {"30", "239.30.0.256", {"Please input a valid IP", "IP Address in not valid."}},
            {"4095", "239.30.0.1", {"Please enter a number between 1 and 4094!"}},
        };
        for (const Case& c : refused) {
            SCOPED_TRACE(c.refusals.join(" / ").toStdString());
            page->VlanIDEdit->setText(c.vlan);
            page->RepalceIPEdit->setText(c.address);
            sim->clearLog();
            MessageBoxes shown;
            page->AddButton->click();
            EXPECT_EQ(shown.Texts, c.refusals);
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }

        page->VlanIDEdit->setText("30");
        page->RepalceIPEdit->setText("239.30.0.1");
        boxes[0]->setChecked(true);
        sim->clearLog();
        page->AddButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 5 && !page->MainBinder()->Busy; }));
        sets = setsUnder(sim->log(), Group);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 2u);
        EXPECT_TRUE(sets[0][0].starts_with("3.30.239.30.0.1=0x80"));
        EXPECT_EQ(sets[0][1], "4.30.239.30.0.1=4");
        EXPECT_EQ(sim->value(Group + "4.30.239.30.0.1"), std::optional<std::string>("INTEGER 1"));
        EXPECT_TRUE(page->VlanIDEdit->text().isEmpty());

        list->setCurrentItem(entry(list, "20", "239.20.0.10"));
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 4 && !page->MainBinder()->Busy; }));
        sets = setsUnder(sim->log(), Group);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], std::vector<std::string>{"4.20.239.20.0.10=6"});
        EXPECT_FALSE(sim->value(Group + "4.20.239.20.0.10"));

        // Writes and the close wait for a running read.
        const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Group + "3", .delayMs = 100});
        page->RefreshButton->click();
        sim->clearLog();
        for (QPushButton* button : {page->AddButton, page->CloseButton}) {
            MessageBoxes shown;
            button->click();
            EXPECT_EQ(shown.Texts, QStringList{"Get data not complete"});
        }
        EXPECT_TRUE(page->isVisible());
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        sim->removeFault(slow);
        ASSERT_TRUE(waitIdle(page));
    });
}

TEST_F(McastVlanPagesTest, DataDrivenGroupsAreClearedOneAtATimeAndShowTheirRouterPortsLocked) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* title;
        const char* table;
        int rows;
        const char* vlan;
        const char* address;   // as the list shows it
        std::string instance;  // vlan . group
        int routerPort;        // a box of the group's router ports
        bool addressEnabledAtStart;
    };
    const Case cases[] = {
        {"DataDrivenLearningGroupTable1Click", "IGMP Snooping Data Driven Learning Group Table: 127.0.0.1",
         "1.3.6.1.4.1.32473.11.70.1.2.11.20.1.", 4, "10", "239.10.1.2", "10.239.10.1.2", 23, true},
        {"DataDrivenLearningGroupTable2Click", "MLD Snooping Data Driven Learning Group Table: 127.0.0.1",
         "1.3.6.1.4.1.32473.12.34.3.8.1.", 3, "20", "FF05000000000000000000000DB80020", "20.255.5.0.0.0.0.0.0.0.0.0.0.13.184.0.32", 8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withReadPage<TDataDrivenGroupPage>(c.handler, [&](TDataDrivenGroupPage* page) {
            EXPECT_EQ(page->windowTitle(), c.title);
            QTreeWidget* list = page->ListView1;
            ASSERT_EQ(list->topLevelItemCount(), c.rows);
            EXPECT_EQ(page->RowCounter->text(), QString::number(c.rows));
            EXPECT_FALSE(page->SetButton->isEnabled());
            EXPECT_EQ(page->edtIPAddress->isEnabled(), c.addressEnabledAtStart);
            const auto& boxes = page->PortSelector->PortCheckBoxes;

            list->setCurrentItem(entry(list, c.vlan, c.address));
            ASSERT_TRUE(list->currentItem());
            EXPECT_EQ(page->stVID->text(), c.vlan);
            EXPECT_EQ(page->edtIPAddress->text(), c.address);
            EXPECT_TRUE(page->edtIPAddress->isEnabled());
            EXPECT_TRUE(boxes[c.routerPort]->isChecked());
            EXPECT_FALSE(boxes[c.routerPort]->isEnabled()) << "the router ports are only shown";
            EXPECT_TRUE(page->SetButton->isEnabled());

            // Only the clear column is written, and the table is read after the answer.
            for (const auto& [item, value] : {std::pair{"other", "1"}, std::pair{"clear", "2"}}) {
                SCOPED_TRACE(item);
                list->setCurrentItem(entry(list, c.vlan, c.address));
                page->CBoxClear->setCurrentIndex(page->CBoxClear->findText(item));
                sim->clearLog();
                page->SetButton->click();
                ASSERT_TRUE(waitIdle(page));
                const auto sets = setsUnder(sim->log(), c.table);
                ASSERT_EQ(sets.size(), 1u);
                EXPECT_EQ(sets[0], std::vector<std::string>{"100." + c.instance + "=" + value});
                EXPECT_EQ(sim->value(c.table + std::string("100.") + c.instance), std::optional<std::string>(std::string("INTEGER ") + value));
                EXPECT_FALSE(ofKind(sim->log(), "GETNEXT").empty() && ofKind(sim->log(), "GETBULK").empty()) << "read again";
                EXPECT_FALSE(page->SetButton->isEnabled());
            }

            // A refused clear is told, not swallowed.
            list->setCurrentItem(entry(list, c.vlan, c.address));
            sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = c.table + std::string("100"), .count = 1});
            {
                MessageBoxes shown;
                page->SetButton->click();
                EXPECT_TRUE(waitUntil([&] { return !shown.Texts.isEmpty(); }));
            }
            ASSERT_TRUE(waitIdle(page));
            EXPECT_EQ(list->topLevelItemCount(), c.rows);

            const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = c.table + std::string("3"), .delayMs = 100});
            page->RefreshButton->click();
            ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() > 0; }));
            list->setCurrentItem(list->topLevelItem(0));
            sim->clearLog();
            for (const auto& [button, refusal] : {std::pair{page->RefreshButton, "Get data not complete!"},
                                                  std::pair{page->SetButton, "Get data not complete"}}) {
                MessageBoxes shown;
                button->setEnabled(true);
                button->click();
                EXPECT_EQ(shown.Texts, QStringList{refusal});
            }
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            sim->removeFault(slow);
            page->StopButton->click();
            ASSERT_TRUE(waitIdle(page));
        });
    }
}

TEST_F(McastVlanPagesTest, GroupTablesShowGroupThenSourceAndKeepTheirPortMapsLocked) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* title;
        int rows;
        QStringList headers;  // VLAN, group, source
        const char* vlan;
        const char* group;
        const char* source;
        int included;
        int excluded;
    };
    const Case cases[] = {
        {"IGMPSnoopingGroupTable1Click", "IGMP Snooping Group Table: 127.0.0.1", 4,
         {"VLAN ID", "Group Addres", "Source Address"}, "10", "239.10.1.1", "192.168.10.5", 2, 3},
        {"SnoopingGroupInformation1Click", "MLD Snooping Group Table: 127.0.0.1", 2,
         {"Group VLAN ID", "Group Address", "Source Address"}, "20", "FF3E0000000000000000000080000001",
         "20010DB8000000000000000000000007", 4, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withReadPage<TPortListViewer>(c.handler, [&](TPortListViewer* page) {
            EXPECT_EQ(page->windowTitle(), c.title);
            QTreeWidget* list = page->PortLists;
            ASSERT_EQ(list->topLevelItemCount(), c.rows);
            for (int column = 0; column < 3; ++column) EXPECT_EQ(list->headerItem()->text(column), c.headers[column]);
            ASSERT_EQ(page->DetailTexts.size(), 2u);
            const auto& included = page->PortSelectors[0]->PortCheckBoxes;
            const auto& excluded = page->PortSelectors[1]->PortCheckBoxes;
            sim->clearLog();
            for (int read = 0; read < 2; ++read) {
                SCOPED_TRACE(read ? "after a Refresh" : "first read");
                QTreeWidgetItem* row = nullptr;
                for (int i = 0; i < list->topLevelItemCount(); ++i) {
                    QTreeWidgetItem* item = list->topLevelItem(i);
                    if (item->text(0) == c.vlan && item->text(1) == c.group && item->text(2) == c.source) row = item;
                }
                ASSERT_TRUE(row);
                list->setCurrentItem(row);
                EXPECT_EQ(page->DetailTexts[0]->text(), c.group) << "the group caption comes first";
                EXPECT_EQ(page->DetailTexts[1]->text(), c.source);
                EXPECT_TRUE(included[c.included]->isChecked());
                EXPECT_TRUE(excluded[c.excluded]->isChecked());
                EXPECT_FALSE(included[c.included]->isEnabled()) << "the maps are the switch's, never written";
                EXPECT_FALSE(excluded[0]->isEnabled());
                page->RefreshButton->click();
                ASSERT_TRUE(waitIdle(page));
                EXPECT_TRUE(page->DetailTexts[0]->text().isEmpty());
                EXPECT_FALSE(included[0]->isEnabled()) << "a read leaves the maps locked";
            }
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        });
    }
}

TEST_F(McastVlanPagesTest, MldGroupTableShowsAFailedReadOnItsStatusLine) {
    ASSERT_TRUE(open());
    const std::string table = "1.3.6.1.4.1.32473.12.34.3.5";
    struct Case {
        const char* name;
        trvtest::FaultSpec fault;
    };
    const Case cases[] = {
        {"error status", {.kind = trvtest::Fault::ErrorStatus, .oid = table}},
        {"no answer", {.kind = trvtest::Fault::Drop, .oid = table}},
    };
    withReadPage<TPortListViewer>("SnoopingGroupInformation1Click", [&](TPortListViewer* page) {
        ASSERT_TRUE(page->StatusPanel()->text().startsWith("Get: Ok!"));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            const int fault = sim->addFault(c.fault);
            page->RefreshButton->click();
            EXPECT_TRUE(waitUntil([&] { return idle(page); }, 8000));
            sim->removeFault(fault);
            const QString status = page->StatusPanel()->text();
            EXPECT_TRUE(status.startsWith("Get: ")) << status.toStdString();
            EXPECT_FALSE(status.contains("Ok!")) << status.toStdString();
            EXPECT_GT(status.size(), QString("Get: ").size() + 20) << "the binder's error, in its template";
            page->RefreshButton->click();
            EXPECT_TRUE(waitUntil([&] { return idle(page) && page->StatusPanel()->text().startsWith("Get: Ok!"); }));
            EXPECT_EQ(page->PortLists->topLevelItemCount(), 2) << "read again";
        }
    });
}

TEST_F(McastVlanPagesTest, ForwardingTableShowsEachGroupsPortsLockedAndNeverWrites) {
    // The forwarding table shares its address with the multicast VLAN group table the data file serves.
    sim = std::make_unique<trvtest::SimAgent>("menus-stack.txt", trvtest::variantData("variant-igmp-forwarding.txt"));
    ASSERT_TRUE(open());
    withReadPage<TIGMPForwordingForm>("IGMPForwardingTable1Click", [&](TIGMPForwordingForm* page) {
        EXPECT_EQ(page->windowTitle(), "IGMP Snooping Forwording Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        ASSERT_EQ(list->topLevelItemCount(), 4);
        EXPECT_EQ(page->RowCounter->text(), "4");
        const QStringList headers = {"VLAN ID", "Group Address", "Source IP", "Port Member"};
        for (int column = 0; column < 4; ++column) EXPECT_EQ(list->headerItem()->text(column), headers[column]);
        EXPECT_EQ(page->PageControl1->tabText(0), "Static Ports");
        ASSERT_TRUE(page->StopButton);
        const auto& ports = page->PortSelectors[0]->PortCheckBoxes;
        sim->clearLog();
        for (int read = 0; read < 2; ++read) {
            SCOPED_TRACE(read ? "after a Refresh" : "first read");
            QTreeWidgetItem* row = nullptr;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                if (list->topLevelItem(i)->text(0) == "100") row = list->topLevelItem(i);
            ASSERT_TRUE(row);
            EXPECT_EQ(row->text(1), "232.1.1.1");
            EXPECT_EQ(row->text(2), "192.168.10.20");
            list->setCurrentItem(row);
            EXPECT_EQ(page->KeyText->text(), "100");
            EXPECT_EQ(page->DetailTexts[0]->text(), "232.1.1.1") << "the group under its own caption";
            EXPECT_EQ(page->DetailTexts[1]->text(), "192.168.10.20");
            EXPECT_TRUE(ports[23]->isChecked());
            EXPECT_TRUE(ports[2 * 64 + 46]->isChecked()) << "a member on unit 3";
            EXPECT_FALSE(ports[23]->isEnabled()) << "the ports are the switch's, never written";
            page->RefreshButton->click();
            ASSERT_TRUE(waitIdle(page));
            EXPECT_TRUE(page->KeyText->text().isEmpty());
            EXPECT_FALSE(ports[0]->isEnabled()) << "a read leaves the map locked";
        }
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

}  // namespace
