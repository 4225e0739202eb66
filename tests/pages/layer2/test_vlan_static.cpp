// "802.1Q Static VLAN Table" through its menu item against the simulator.
#include "DedicatedPageWindow.h"
#include "StackingPortUitForm.h"
#include "VlanStaticFormUnit.h"

#include <QCheckBox>
#include <QLineEdit>

#include <optional>

namespace {

const std::string Entry = "1.3.6.1.2.1.17.7.1.4.3.1.";
const std::string NextFree = "1.3.6.1.2.1.17.7.1.4.4.0";

class VlanStaticPageTest : public DedicatedPageWindow {
protected:
    void withPage(const std::function<void(TVlanStaticForm*)>& check) {
        withDialog<TVlanStaticForm>("StaticForm1Click", check);
    }
};

void select(TVlanStaticForm* page, const char* vlan) {
    page->LV_dot1qVlanStaticEntry->setCurrentItem(rowWithKey(page->LV_dot1qVlanStaticEntry, vlan));
}

bool idle(TVlanStaticForm* page) { return page->DataComplete == 1 && !page->StaticRequest->Busy; }

TEST_F(VlanStaticPageTest, OpensFromItsMenuItemWithTheVlansAndTheNextFreeIndexAsANumber) {
    sim->setValue(NextFree, "INTEGER 1");
    ASSERT_TRUE(open());
    withPage([&](TVlanStaticForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1Q Static VLAN Table: 127.0.0.1");
        EXPECT_EQ(page->LV_dot1qVlanStaticEntry->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowCounter->text(), "5");
        EXPECT_EQ(page->NextFreeLocalVlanIndex->text(), "1") << "a number, not the word of another object";
        EXPECT_EQ(page->PageControl1->tabText(0), "Egress Ports");
        EXPECT_EQ(page->PageControl1->tabText(1), "Forbidden Egress Ports");
        EXPECT_EQ(page->PageControl1->tabText(2), "Untagged Ports");
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        EXPECT_TRUE(page->AddButton->isEnabled());

        select(page, "10");
        EXPECT_EQ(page->ED_VLANName->text(), "sales");
        EXPECT_TRUE(page->EgressSelector->PortCheckBoxes[0]->isChecked());
        EXPECT_TRUE(page->ForbiddenSelector->PortCheckBoxes[19]->isChecked());
        EXPECT_FALSE(page->UntaggedSelector->PortCheckBoxes[8]->isChecked());
        EXPECT_FALSE(page->ED_VLANID->isEnabled()) << "the VLAN ID of a selected row is locked";
    });
}

TEST_F(VlanStaticPageTest, SetSendsTheForbiddenPortsApartAndKeepsTheRowsStatus) {
    ASSERT_TRUE(open());
    withPage([&](TVlanStaticForm* page) {
        select(page, "20");
        page->ED_VLANName->setText("eng");
        page->EgressSelector->PortCheckBoxes[0]->setChecked(true);
        page->ForbiddenSelector->PortCheckBoxes[1]->setChecked(true);
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && page->LV_dot1qVlanStaticEntry->topLevelItemCount() == 5; }));
        const auto sets = setsUnder(sim->log(), Entry);
        ASSERT_EQ(sets.size(), 2u);
        ASSERT_EQ(sets[0].size(), 4u);
        EXPECT_TRUE(sets[0][0].starts_with("1.20=0x656e67")) << sets[0][0];
        EXPECT_TRUE(sets[0][1].starts_with("2.20=0x80ff")) << "port 1 and ports 9-16: " << sets[0][1];
        EXPECT_TRUE(sets[0][2].starts_with("4.20=0x00ff")) << sets[0][2];
        EXPECT_EQ(sets[0][3], "5.20=1");
        ASSERT_EQ(sets[1].size(), 3u);
        EXPECT_TRUE(sets[1][0].starts_with("1.20="));
        EXPECT_TRUE(sets[1][1].starts_with("3.20=0x4000")) << sets[1][1];
        EXPECT_EQ(sets[1][2], "5.20=1");
        EXPECT_EQ(sim->value(Entry + "1.20"), std::optional<std::string>("STRING 0x656e67"));
        EXPECT_TRUE(sim->value(Entry + "3.20")->starts_with("STRING 0x4000"));
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_TRUE(page->AddButton->isEnabled());
    });
}

TEST_F(VlanStaticPageTest, AddCreatesTheVlanWithoutForbiddenPortsAndDeleteDestroysIt) {
    ASSERT_TRUE(open());
    withPage([&](TVlanStaticForm* page) {
        page->ED_VLANID->setText("77");
        page->ED_VLANName->setText("lab");
        page->EgressSelector->PortCheckBoxes[0]->setChecked(true);
        page->EgressSelector->PortCheckBoxes[1]->setChecked(true);
        page->ForbiddenSelector->PortCheckBoxes[5]->setChecked(true);
        sim->clearLog();
        page->AddButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && page->LV_dot1qVlanStaticEntry->topLevelItemCount() == 6; }));
        auto sets = setsUnder(sim->log(), Entry);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].size(), 4u) << "name, egress, untagged and status; no forbidden ports";
        EXPECT_EQ(sets[0][0], "1.77=0x6c6162");
        EXPECT_TRUE(sets[0][1].starts_with("2.77=0xc0")) << sets[0][1];
        EXPECT_TRUE(sets[0][2].starts_with("4.77=0x00")) << sets[0][2];
        EXPECT_EQ(sets[0][3], "5.77=4");
        EXPECT_EQ(sim->value(Entry + "1.77"), std::optional<std::string>("STRING 0x6c6162"));
        EXPECT_EQ(page->RowCounter->text(), "6");

        MessageBoxes boxes;
        select(page, "77");
        sim->clearLog();
        page->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return idle(page) && page->LV_dot1qVlanStaticEntry->topLevelItemCount() == 5; }));
        EXPECT_EQ(setsUnder(sim->log(), Entry), (std::vector<std::vector<std::string>>{{"5.77=6"}}));
        EXPECT_FALSE(sim->value(Entry + "1.77").has_value());
        EXPECT_TRUE(boxes.Texts.isEmpty()) << "no confirmation";
        EXPECT_EQ(page->RowCounter->text(), "5");
    });
}

TEST_F(VlanStaticPageTest, RefusalsShowTheirTextAndSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* id;
        const char* vlanName;
        QPushButton* TVlanStaticForm::*button;
        bool selectRow;
        bool reading;
        const char* text;
    };
    const Case cases[] = {
        {"Add without an ID", "", "lab", &TVlanStaticForm::AddButton, false, false, "Please input VLAN ID."},
        {"Add without a name", "77", "", &TVlanStaticForm::AddButton, false, false, "Please input VLAN Name."},
        {"Add while reading", "77", "lab", &TVlanStaticForm::AddButton, false, true, "Get data not complete"},
        {"Set while reading", nullptr, nullptr, &TVlanStaticForm::SetButton, true, true, "Get data not complete."},
        {"Delete while reading", nullptr, nullptr, &TVlanStaticForm::DeleteButton, true, true, "Get data not complete"},
    };
    withPage([&](TVlanStaticForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.reading) {
                const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Entry.substr(0, Entry.size() - 1), .delayMs = 150});
                page->RefreshButton->click();
                ASSERT_TRUE(waitUntil([&] { return page->LV_dot1qVlanStaticEntry->topLevelItemCount() > 0; }));
                sim->removeFault(fault);
            }
            if (c.selectRow) page->LV_dot1qVlanStaticEntry->setCurrentItem(page->LV_dot1qVlanStaticEntry->topLevelItem(0));
            if (c.id) page->ED_VLANID->setText(c.id);
            if (c.vlanName) page->ED_VLANName->setText(c.vlanName);
            sim->clearLog();
            MessageBoxes boxes;
            (page->*c.button)->click();
            EXPECT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            ASSERT_TRUE(waitUntil([&] { return idle(page); }));
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
            page->LV_dot1qVlanStaticEntry->setCurrentItem(nullptr);
        }
        MessageBoxes boxes;
        page->SetButton->setEnabled(true);
        page->SetButton->click();
        EXPECT_TRUE(boxes.Texts.isEmpty()) << "Set with no row selected does nothing";
    });
}

class VlanStaticStackTest : public VlanStaticPageTest {};

TEST_F(VlanStaticStackTest, PortsOfEveryUnitShowOnTheirUnitsTab) {
    useData("menus-stack.txt");
    ASSERT_TRUE(open());
    withPage([&](TVlanStaticForm* page) {
        select(page, "20");
        const auto& egress = page->EgressSelector->PortCheckBoxes;
        ASSERT_EQ(egress.size(), 768u);
        EXPECT_TRUE(egress[8]->isChecked()) << "unit 1 port 9";
        EXPECT_TRUE(egress[2 * 64 + 4]->isChecked()) << "unit 3 port 5";
        EXPECT_TRUE(egress[2 * 64 + 48]->isChecked()) << "unit 3 port 49";
        EXPECT_FALSE(egress[3 * 64]->isChecked()) << "unit 4 port 1";
        EXPECT_TRUE(page->ForbiddenSelector->PortCheckBoxes[2 * 64 + 47]->isChecked()) << "unit 3 port 48";
        EXPECT_TRUE(page->UntaggedSelector->PortCheckBoxes[2 * 64 + 11]->isChecked()) << "unit 3 port 12";
    });
}

}  // namespace
