// The port trunk and 802.3ad aggregator port pages through their menu items against the simulator.
#include "AggregatorPortTableFormUnit.h"
#include "Layer2PageWindow.h"
#include "PortTrunk.h"
#include "StackingPortUitForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <optional>

namespace {

const std::string Trunk = "1.3.6.1.4.1.32473.11.70.1.2.9.3.1.";
const std::string UnitModel = "1.3.6.1.4.1.32473.12.11.1.9.4.1.9.";

// Box of port p of unit u.
int box(int unit, int port) { return (unit - 1) * UnitPortPositions + port - 1; }

// The hex of a stack's port list with the given boxes ticked.
std::string portList(std::initializer_list<int> boxes) {
    std::string octets(96, '\0');
    for (int k : boxes) octets[std::size_t(k / 8)] = char(octets[std::size_t(k / 8)] | (0x80 >> (k % 8)));
    static const char* hex = "0123456789abcdef";
    std::string text = "0x";
    for (unsigned char c : octets) {
        text += hex[c >> 4];
        text += hex[c & 15];
    }
    return text;
}

std::vector<int> ticked(const TStackingPortUitForm* selector) {
    std::vector<int> boxes;
    for (std::size_t k = 0; k < selector->PortCheckBoxes.size(); ++k)
        if (selector->PortCheckBoxes[k]->isChecked()) boxes.push_back(int(k));
    return boxes;
}

void tick(TStackingPortUitForm* selector, std::initializer_list<int> boxes) {
    selector->UncheckAll();
    for (int k : boxes) selector->PortCheckBoxes[std::size_t(k)]->setChecked(true);
}

class TrunkPagesTest : public Layer2PageWindow {
protected:
    void withTrunkPage(const std::function<void(TPortTrunkForm*)>& check) {
        withReadPage<TPortTrunkForm>("PortTrunk2Click", check);
    }
};

TEST_F(TrunkPagesTest, StackTrunksAreAddedAndEnabledChangedAndDestroyedWithMembersOnTwoUnits) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withTrunkPage([&](TPortTrunkForm* page) {
        EXPECT_EQ(page->windowTitle(), "Port Trunk: 127.0.0.1");
        QTreeWidget* list = page->LV_PortTrunk;
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
        EXPECT_EQ(page->PageControl1->tabText(0), "Member Ports");
        EXPECT_EQ(page->PageControl1->tabText(1), "Active Ports");
        QTabWidget* units = page->MemberSelector->UnitPageControl;
        EXPECT_EQ(units->tabText(2), "Unit3 TRV-5248");
        EXPECT_FALSE(units->isTabVisible(1)) << "unit 2 is absent";
        ASSERT_EQ(page->UnitList.size(), 3u);
        EXPECT_EQ(page->UnitList[1].UnitId, 3);
        EXPECT_EQ(page->UnitList[1].PortCount, 48);
        EXPECT_EQ(page->UnitList[2].PortCount, 12);

        // The master port number is shown as unit and port.
        select(list, "2");
        EXPECT_EQ(page->UnitEdit->text(), "1");
        EXPECT_EQ(page->PortEdit->text(), "21");
        EXPECT_EQ(page->ComboBox1->currentText(), "enable");
        EXPECT_EQ(ticked(page->MemberSelector), (std::vector<int>{box(1, 21), box(1, 22), box(3, 47), box(3, 48)}));
        EXPECT_EQ(ticked(page->ActiveSelector), (std::vector<int>{box(1, 21), box(1, 22), box(3, 47)}));
        EXPECT_FALSE(page->ActiveSelector->PortCheckBoxes[box(1, 21)]->isEnabled()) << "active ports are the switch's";
        EXPECT_FALSE(page->ED_Index->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        select(list, "3");
        EXPECT_EQ(page->UnitEdit->text(), "3");
        EXPECT_EQ(page->PortEdit->text(), "1");
        EXPECT_EQ(page->ComboBox1->currentText(), "disable");
        list->setCurrentItem(nullptr);
        EXPECT_TRUE(page->ED_Index->isEnabled());
        EXPECT_TRUE(page->PortEdit->text().isEmpty());
        EXPECT_TRUE(ticked(page->MemberSelector).empty());

        // Add: created by createAndGo, then enabled by a second write.
        page->ED_Index->setText("4");
        page->Combo_Type->setCurrentIndex(page->Combo_Type->findText("lacp"));
        page->ComboBox1->setCurrentIndex(0);
        page->UnitEdit->setText("1");
        page->PortEdit->setText("5");
        tick(page->MemberSelector, {box(1, 5), box(1, 6), box(3, 10)});
        sim->clearLog();
        page->AddButton->click();
        ASSERT_EQ(list->topLevelItemCount(), 4);
        const std::string members = portList({box(1, 5), box(1, 6), box(3, 10)});
        auto sets = setsUnder(sim->log(), Trunk);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(sets[0], (std::vector<std::string>{"3.4=5", "4.4=" + members, "6.4=3", "7.4=4"}));
        EXPECT_EQ(sets[1], (std::vector<std::string>{"3.4=5", "4.4=" + members, "6.4=3", "7.4=1"}));
        EXPECT_EQ(sim->value(Trunk + "7.4"), std::optional<std::string>("INTEGER 1"));
        EXPECT_EQ(sim->value(Trunk + "1.4"), std::optional<std::string>("INTEGER 4")) << "the index is listed";
        EXPECT_TRUE(page->ED_Index->text().isEmpty());

        // Set: the selected trunk with a member moved to unit 4 and disabled.
        select(list, "4");
        EXPECT_EQ(page->PortEdit->text(), "5");
        page->ComboBox1->setCurrentIndex(1);
        page->MemberSelector->PortCheckBoxes[box(3, 10)]->setChecked(false);
        page->MemberSelector->PortCheckBoxes[box(4, 3)]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        const std::string moved = portList({box(1, 5), box(1, 6), box(4, 3)});
        sets = setsUnder(sim->log(), Trunk);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], (std::vector<std::string>{"3.4=5", "4.4=" + moved, "6.4=3", "7.4=2"}));
        EXPECT_EQ(sim->value(Trunk + "4.4"), std::optional<std::string>("STRING " + moved));
        EXPECT_FALSE(page->SetButton->isEnabled()) << "back to adding after the write";

        // Delete sends the destroy alone, without a question.
        select(list, "4");
        sim->clearLog();
        page->DeleteButton->click();
        sets = setsUnder(sim->log(), Trunk);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], std::vector<std::string>{"7.4=6"});
        EXPECT_FALSE(sim->value(Trunk + "7.4"));
        EXPECT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(page->RowCounter->text(), "3");
    });
}

TEST_F(TrunkPagesTest, MasterPortNumberIsShownAsUnitAndPort) {
    useData("menus-stack.txt");
    struct Case {
        int master;
        const char* unit;
        const char* port;
    };
    const Case cases[] = {{128, "2", "64"}, {70, "2", "6"}, {129, "3", "1"}, {64, "1", "64"}, {0, "0", "0"}};
    ASSERT_TRUE(open());
    withTrunkPage([&](TPortTrunkForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.master);
            sim->setValue(Trunk + "3.3", "INTEGER " + std::to_string(c.master));
            page->RefreshButton->click();
            select(page->LV_PortTrunk, "3");
            EXPECT_EQ(page->UnitEdit->text(), c.unit);
            EXPECT_EQ(page->PortEdit->text(), c.port);
        }
    });
}

TEST_F(TrunkPagesTest, AddWithoutStatusSendsTheCreateAlone) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withTrunkPage([&](TPortTrunkForm* page) {
        page->ED_Index->setText("9");
        page->Combo_Type->setCurrentIndex(0);
        page->UnitEdit->setText("4");
        page->PortEdit->setText("12");
        tick(page->MemberSelector, {box(4, 12), box(1, 3)});
        sim->clearLog();
        page->AddButton->click();
        const auto sets = objectsSet(sim->log(), Trunk);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], (std::vector<std::string>{"3.9", "4.9", "6.9", "7.9"}));
        EXPECT_EQ(sim->value(Trunk + "3.9"), std::optional<std::string>("INTEGER 204"));
        EXPECT_EQ(sim->value(Trunk + "6.9"), std::optional<std::string>("INTEGER 2"));
    });
}

TEST_F(TrunkPagesTest, EveryRefusalShowsItsMessageAndSendsNothing) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withTrunkPage([&](TPortTrunkForm* page) {
        struct Case {
            const char* name;
            const char* index;
            const char* unit;
            const char* port;
            bool typed;
            std::vector<int> members;
            const char* refusal;
            QWidget* focus;
        };
        const std::vector<int> two = {box(1, 5), box(3, 1)};
        std::vector<int> nine;
        for (int p = 1; p <= 9; ++p) nine.push_back(box(1, p + 4));
        const Case cases[] = {
            {"no index", "", "1", "5", true, two, "The index should not be empty.", page->ED_Index},
            {"listed index", "2", "1", "5", true, two, "The Index must be different!", page->ED_Index},
            {"listed index with a leading zero", "02", "1", "5", true, two, "The Index must be different!", page->ED_Index},
            {"index out of range", "33", "1", "5", true, two, "Please enter a number between 1 and 32!", page->ED_Index},
            {"no unit", "5", "", "5", true, two, "The Unit should not be empty.", page->UnitEdit},
            {"no port", "5", "1", "", true, two, "The Port should not be empty.", page->PortEdit},
            {"port 0", "5", "1", "0", true, two, "set valid master port", page->PortEdit},
            {"absent unit", "5", "2", "5", true, two, "set valid master port", page->UnitEdit},
            {"unit 13", "5", "13", "5", true, two, "set valid master port", page->UnitEdit},
            {"past the unit's ports", "5", "4", "13", true, two, "set valid master port", page->PortEdit},
            {"no type", "5", "1", "5", false, two, "Please choose trunk type.", page->Combo_Type},
            {"another trunk's master", "5", "1", "21", true, {box(1, 21), box(1, 5)}, "The master port must be different!", page->UnitEdit},
            {"master not ticked", "5", "1", "5", true, {box(1, 6), box(1, 7)}, "Master port must be checked.", page->PortEdit},
            {"master alone", "5", "1", "5", true, {box(1, 5)}, "You must choose at least two members!", nullptr},
            {"nine members", "5", "1", "5", true, nine, "The trunk member can't over eight!", nullptr},
        };
        page->show();
        page->activateWindow();
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            page->LV_PortTrunk->setCurrentItem(nullptr);
            page->ED_Index->setText(c.index);
            page->UnitEdit->setText(c.unit);
            page->PortEdit->setText(c.port);
            page->Combo_Type->setCurrentIndex(c.typed ? 0 : -1);
            page->MemberSelector->UncheckAll();
            for (int k : c.members) page->MemberSelector->PortCheckBoxes[std::size_t(k)]->setChecked(true);
            page->RefreshButton->setFocus();
            sim->clearLog();
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.refusal});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            if (c.focus) {
                EXPECT_EQ(page->focusWidget(), c.focus);
            }
        }
        // The ninth box in port order is unticked; a later Add counts afresh and goes through.
        EXPECT_FALSE(page->MemberSelector->PortCheckBoxes[std::size_t(nine.back())]->isChecked());
        page->MemberSelector->PortCheckBoxes[std::size_t(nine[7])]->setChecked(false);
        sim->clearLog();
        {
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join('|').toStdString();
        }
        EXPECT_EQ(setsUnder(sim->log(), Trunk).size(), 1u);
        EXPECT_EQ(page->MemberCount, 7);

        // Set and Delete of a trunk: each refusal alone.
        struct Edit {
            const char* name;
            const char* unit;
            const char* port;
            std::vector<int> members;
            const char* refusal;
        };
        const Edit edits[] = {
            {"no unit", "", "21", {box(1, 21), box(1, 22)}, "The Unit Edit should not be empty"},
            {"no port", "1", "", {box(1, 21), box(1, 22)}, "The Port Edit should not be empty"},
            {"absent unit", "2", "21", {box(1, 21), box(1, 22)}, "set valid master port"},
            {"master not ticked", "1", "21", {box(1, 22), box(1, 23)}, "Master port must be checked."},
            {"master alone", "1", "21", {box(1, 21)}, "You must choose at least two members!"},
        };
        for (const Edit& e : edits) {
            SCOPED_TRACE(e.name);
            select(page->LV_PortTrunk, "2");
            page->UnitEdit->setText(e.unit);
            page->PortEdit->setText(e.port);
            page->MemberSelector->UncheckAll();
            for (int k : e.members) page->MemberSelector->PortCheckBoxes[std::size_t(k)]->setChecked(true);
            sim->clearLog();
            MessageBoxes boxes;
            page->SetButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{e.refusal});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        // A pasted non-number reaches the conversion and is told on the status line.
        select(page->LV_PortTrunk, "2");
        page->PortEdit->setText("2x");
        sim->clearLog();
        page->SetButton->click();
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        EXPECT_TRUE(page->StatusPanel()->text().contains("2x")) << page->StatusPanel()->text().toStdString();
        EXPECT_TRUE(page->AddButton->isEnabled());

        page->LV_PortTrunk->setCurrentItem(nullptr);
        for (auto* button : {page->SetButton, page->DeleteButton}) {
            button->setEnabled(true);
            sim->clearLog();
            MessageBoxes boxes;
            button->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Please select trunk group."});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }

        // Unit and port take digits only.
        page->UnitEdit->clear();
        QTest::keyClicks(page->UnitEdit, "a1-2");
        EXPECT_EQ(page->UnitEdit->text(), "12");
    });
}

TEST_F(TrunkPagesTest, StandaloneMasterPortsFollowUnitOnesModel) {
    struct Case {
        const char* model;
        int ports;
    };
    for (const Case c : {Case{"TRV-5124", 26}, Case{"TRV-5148", 50}}) {
        SCOPED_TRACE(c.model);
        sim = std::make_unique<trvtest::SimAgent>("menus.txt");
        sim->setValue(UnitModel + "1", std::string("STRING \"") + c.model + "\"");
        ASSERT_TRUE(open());
        withTrunkPage([&](TPortTrunkForm* page) {
            ASSERT_EQ(page->UnitList.size(), 1u);
            EXPECT_EQ(page->UnitList[0].PortCount, c.ports);
            EXPECT_EQ(page->MemberSelector->PortCheckBoxes.size(), std::size_t(UnitPortPositions));
            EXPECT_FALSE(page->MemberSelector->PortCheckBoxes[std::size_t(c.ports - 1)]->isHidden());
            EXPECT_TRUE(page->MemberSelector->PortCheckBoxes[std::size_t(c.ports)]->isHidden());
            EXPECT_TRUE(page->CheckUnitPort(1, c.ports));
            for (const auto& [unit, port] : {std::pair{1, c.ports + 1}, std::pair{2, 1}}) {
                MessageBoxes boxes;
                EXPECT_FALSE(page->CheckUnitPort(unit, port));
                EXPECT_EQ(boxes.Texts, QStringList{"set valid master port"});
            }
            // The standalone list reads and writes the unit's 64 positions.
            ASSERT_EQ(page->LV_PortTrunk->topLevelItemCount(), 3);
            page->ED_Index->setText("5");
            page->Combo_Type->setCurrentIndex(0);
            page->UnitEdit->setText("1");
            page->PortEdit->setText(QString::number(c.ports));
            tick(page->MemberSelector, {c.ports - 2, c.ports - 1});
            sim->clearLog();
            page->AddButton->click();
            EXPECT_EQ(sim->value(Trunk + "3.5"), std::optional<std::string>("INTEGER " + std::to_string(c.ports)));
        });
        form.reset();
    }
}

TEST_F(TrunkPagesTest, StackWithoutUnitTableReadsItOnceWhenThePageOpens) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    StackUnitCount = 0;
    form->UnitListView->clear();
    sim->clearLog();
    withTrunkPage([&](TPortTrunkForm* page) {
        ASSERT_EQ(page->UnitList.size(), 3u);
        EXPECT_TRUE(page->MemberSelector->UnitPageControl->isTabVisible(3));
        const auto walks = ofKind(sim->log(), "GETNEXT");
        const auto unitReads = std::count_if(walks.begin(), walks.end(), [](const trvtest::LogEntry& e) {
            return e.bindings.front().oid.starts_with("1.3.6.1.4.1.32473.12.11.1.9.4.1.");
        });
        EXPECT_GE(unitReads, 1);
        EXPECT_GT(StackUnitCount, 0);
    });
}

}  // namespace

namespace {

const std::string AggPort = "1.3.6.1.4.1.32473.12.4.1.2.1.1.";

using AggregatorPortPageTest = Layer2PageWindow;

TEST_F(AggregatorPortPageTest, EditWritesTheFiveAdministrativeColumnsOfTheSelectedPort) {
    ASSERT_TRUE(open());
    withDialog<TAggregatorPortTableForm>("AggreatorPortTable1Click", [&](TAggregatorPortTableForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.3ad Aggregator Port Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        ASSERT_EQ(list->topLevelItemCount(), 26);
        EXPECT_EQ(list->columnCount(), 24);
        EXPECT_EQ(page->RowCounter->text(), "26");
        EXPECT_EQ(page->PageControl1->tabText(0), "Actor Admin State");
        EXPECT_EQ(page->PageControl1->tabText(2), "Partner Admin State");
        EXPECT_FALSE(page->PageControl1->isTabVisible(1));
        EXPECT_FALSE(page->PageControl1->isTabVisible(3));
        EXPECT_EQ(page->CheckBoxes[1]->text(), "lacpTimeout");
        EXPECT_TRUE(page->edtActorKey->isEnabled()) << "the inputs are open again after the read";
        EXPECT_TRUE(page->CheckBoxes[0]->isEnabled());
        EXPECT_FALSE(page->SetButton->isEnabled());

        select(list, "25");
        EXPECT_TRUE(page->SetButton->isEnabled());
        EXPECT_EQ(page->edtActorKey->text(), "25");
        EXPECT_EQ(page->edtPartnerID->text(), "000000000000");
        EXPECT_TRUE(page->CheckBoxes[0]->isChecked()) << "lacpActivity";
        EXPECT_FALSE(page->CheckBoxes[1]->isChecked());
        EXPECT_TRUE(page->CheckBoxes[2]->isChecked()) << "aggregation";

        page->edtActorKey->setText("30");
        page->edtPartnerID->setText("00E0fc12Ab34");
        page->edtPartnerKey->setText("7");
        page->CheckBoxes[1]->setChecked(true);   // actor lacpTimeout
        page->CheckBoxes[19]->setChecked(true);  // partner synchronisation
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        const auto sets = setsUnder(sim->log(), AggPort);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0], (std::vector<std::string>{"4.25=30", "8.25=0x00e0fc12ab34", "10.25=7", "20.25=0xe0",
                                                     "22.25=0x10"}));
        EXPECT_EQ(sim->value(AggPort + "20.25"), std::optional<std::string>("STRING 0xe0"));
        EXPECT_EQ(sim->value(AggPort + "8.25"), std::optional<std::string>("STRING 0x00e0fc12ab34"));
        EXPECT_FALSE(ofKind(sim->log(), "GETNEXT").empty()) << "read again";
        EXPECT_FALSE(page->SetButton->isEnabled());

        // Bad input is refused before anything is sent; what was typed stays.
        struct Case {
            const char* partnerId;
            const char* actorKey;
            const char* refusal;
        };
        const Case refused[] = {
            {"00-E0-FC-12-AB-34", "1", "Invalid MAC address"},
            {"00e0.fc12.ab34", "1", "Invalid MAC address"},
            {"", "1", "Invalid MAC address"},
            {"00e0fc12ab3", "1", "Invalid MAC address"},
            {"00e0fc12ab3g", "1", "Invalid MAC address"},
            {"00e0fc12ab34", "65536", "Please enter a number between 0 and 65535!"},
        };
        for (const Case& c : refused) {
            SCOPED_TRACE(c.partnerId);
            select(list, "3");
            page->edtPartnerID->setText(c.partnerId);
            page->edtActorKey->setText(c.actorKey);
            sim->clearLog();
            MessageBoxes boxes;
            page->SetButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.refusal});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            EXPECT_EQ(page->edtPartnerID->text(), QString(c.partnerId).left(12)) << "the edit holds twelve characters";
        }
    });
}

TEST_F(AggregatorPortPageTest, WritesAndTheCloseWaitForTheReadWhichStopEnds) {
    ASSERT_TRUE(open());
    withDialog<TAggregatorPortTableForm>("AggreatorPortTable1Click", [&](TAggregatorPortTableForm* page) {
        QTreeWidget* list = page->ListView1;
        const int slow = sim->addFault({.kind = trvtest::Fault::Delay, .oid = AggPort + "2", .delayMs = 100});
        page->RefreshButton->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() > 0; }));
        EXPECT_EQ(page->DataComplete, 0);
        list->setCurrentItem(list->topLevelItem(0));
        sim->clearLog();
        {
            MessageBoxes boxes;
            page->SetButton->setEnabled(true);
            page->SetButton->click();
            page->CloseButton->click();
            EXPECT_EQ(boxes.Texts, (QStringList{"Get data not complete", "Get data not complete"}));
        }
        EXPECT_TRUE(page->isVisible());
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        sim->removeFault(slow);
        page->StopButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_LT(list->topLevelItemCount(), 26) << "the rows read before the stop stay";
        EXPECT_TRUE(page->edtActorKey->isEnabled());
    });
}

}  // namespace
