// The VLAN pages beside the static VLAN table, each through its menu item against the simulator.
#include "Layer2PageWindow.h"
#include "ProtcolVlanUnit.h"
#include "ProtocolVLANUnit.h"
#include "StackingPortUitForm.h"
#include "VLANFormUnit.h"
#include "VLanCurrentTableFormUnit.h"
#include "VLanGeneralInfoUnit.h"
#include "VLanPortInfomationUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <optional>

namespace {

using Sets = std::vector<std::vector<std::string>>;

const std::string Management = "1.3.6.1.4.1.32473.11.70.1.2.17.1.1.";
const std::string Base = "1.3.6.1.2.1.17.7.1.1.";
const std::string PortVlan = "1.3.6.1.2.1.17.7.1.4.5.1.";
const std::string ProtocolVlan = "1.3.6.1.4.1.32473.12.16.1.1.1.";
const std::string Groups = "1.3.6.1.2.1.17.7.1.5.1.1.";

void choose(QComboBox* combo, const char* text) { combo->setCurrentIndex(combo->findText(QString::fromLatin1(text))); }

class VlanPagesTest : public Layer2PageWindow {
protected:
    // Delays the walks under the prefix while the click starts a read, so the page is caught reading.
    void clickWhileReading(TDedicatedPage* page, QPushButton* refresh, const std::string& prefix, QTreeWidget* list) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = prefix, .delayMs = 150});
        refresh->click();
        waitUntil([&] { return list->topLevelItemCount() > 0; });
        sim->removeFault(fault);
        (void)page;
    }
};

TEST_F(VlanPagesTest, ManagementTableShowsSevenPortListsAndSetsOnlyTheSelectedVlansAdvertisement) {
    ASSERT_TRUE(open());
    withDialog<TVlanForm>("VLANTable1Click", [&](TVlanForm* page) {
        EXPECT_EQ(page->windowTitle(), "VLAN Management VLAN Table: 127.0.0.1");
        EXPECT_EQ(page->LV_dot1qVlanStaticEntry->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowCounter->text(), "5");
        const QStringList tabs = {"Member Ports", "Static Ports", "Static Tagged Member Ports", "Static Untagged Ports",
                                  "Forbidden Ports", "Current Tagged Ports", "Current Untagged Ports"};
        for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(page->PageControl1->tabText(i), tabs[i]);
        EXPECT_EQ(page->LV_dot1qVlanStaticEntry->headerItem()->text(5), "Static Tagged Ports");
        EXPECT_FALSE(page->SetButton->isEnabled()) << "nothing to write before a VLAN is selected";

        select(page->LV_dot1qVlanStaticEntry, "20");
        EXPECT_EQ(page->ED_VLANName->text(), "engineering");
        EXPECT_EQ(page->cbxType->currentText(), "static-1q-vlan");
        EXPECT_TRUE(page->PortSelectors[0]->PortCheckBoxes[8]->isChecked());
        EXPECT_TRUE(page->PortSelectors[2]->PortCheckBoxes[24]->isChecked()) << "port 25 tagged";
        EXPECT_FALSE(page->PortSelectors[3]->PortCheckBoxes[24]->isChecked());
        for (QWidget* locked : std::initializer_list<QWidget*>{page->ED_VLANID, page->ED_VLANName, page->cbxType})
            EXPECT_FALSE(locked->isEnabled());
        EXPECT_TRUE(page->SetButton->isEnabled());

        choose(page->cbxStatus, "enabled");
        sim->clearLog();
        page->SetButton->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(setsUnder(sim->log(), Management), (Sets{{"11.20=3"}}));
        EXPECT_EQ(sim->value(Management + "11.20"), std::optional<std::string>("INTEGER 3"));
        EXPECT_TRUE(ofKind(sim->log(), "GETNEXT").empty() && ofKind(sim->log(), "GETBULK").empty())
            << "the table is not read again";

        page->LV_dot1qVlanStaticEntry->setCurrentItem(nullptr);
        EXPECT_FALSE(page->SetButton->isEnabled());
        EXPECT_TRUE(page->ED_VLANID->text().isEmpty());
    });
}

TEST_F(VlanPagesTest, ManagementTableCloseButtonEndsAReadTheWindowCloseWaitsFor) {
    ASSERT_TRUE(open());
    withDialog<TVlanForm>("VLANTable1Click", [&](TVlanForm* page) {
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = Management.substr(0, Management.size() - 1), .delayMs = 150});
        page->RefreshButton->click();
        ASSERT_EQ(page->DataComplete, 0);
        {
            MessageBoxes boxes;
            page->reject();
            EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
            EXPECT_TRUE(page->isVisible());
        }
        page->CloseButton->click();
        EXPECT_FALSE(page->isVisible());
        sim->removeFault(fault);
    });
}

TEST_F(VlanPagesTest, CurrentTableShowsTheVlansInEffectWithTheirPortsAndTheDeletions) {
    ASSERT_TRUE(open());
    withReadPage<TVLanCurrentTableForm>("CurrentForm1Click", [&](TVLanCurrentTableForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1Q Current VLAN Table: 127.0.0.1");
        QTreeWidget* list = page->LV_dot1qVlanCurrentEntry;
        ASSERT_EQ(list->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowCounter->text(), "5");
        EXPECT_TRUE(waitUntil([&] { return page->VlanNumDeletes->text() == "7"; }));
        EXPECT_EQ(list->topLevelItem(1)->text(0), "0:00:00.00") << "time mark from the instance";
        EXPECT_EQ(list->topLevelItem(1)->text(1), "10");
        list->setCurrentItem(list->topLevelItem(1));
        EXPECT_EQ(page->StaticText1->text(), "10");
        EXPECT_TRUE(page->EgressSelector->PortCheckBoxes[24]->isChecked()) << "port 25";
        EXPECT_FALSE(page->UntaggedSelector->PortCheckBoxes[24]->isChecked());
        EXPECT_TRUE(page->UntaggedSelector->PortCheckBoxes[0]->isChecked());
        list->setCurrentItem(nullptr);
        EXPECT_TRUE(page->StaticText1->text().isEmpty());
        EXPECT_FALSE(page->EgressSelector->PortCheckBoxes[24]->isChecked());
    });
}

TEST_F(VlanPagesTest, BasicConfigurationShowsTheBaseAndSendsTheGvrpStatusAlone) {
    ASSERT_TRUE(open());
    withReadPage<TVLanGeneralInfoForm>("BasicConfigureClick", [&](TVLanGeneralInfoForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1Q Basic Configuration: 127.0.0.1");
        EXPECT_EQ(page->VlanVersionNumber->text(), "1");
        EXPECT_EQ(page->MaxVlanId->text(), "4094");
        EXPECT_EQ(page->MaxSupportedVlans->text(), "256");
        EXPECT_EQ(page->CurrentNumOfVlans->text(), "5");
        EXPECT_EQ(page->GvrpStatus->currentText(), "disabled");
        choose(page->GvrpStatus, "enabled");
        sim->clearLog();
        page->findChild<QPushButton*>("SetBtn")->click();
        ASSERT_TRUE(waitIdle(page));
        EXPECT_EQ(setsUnder(sim->log(), Base), (Sets{{"5.0=1"}}));
        EXPECT_EQ(sim->value(Base + "5.0"), std::optional<std::string>("INTEGER 1"));
    });
}

TEST_F(VlanPagesTest, PortSettingsWriteTheSelectedPortAndReadTheTableAgain) {
    ASSERT_TRUE(open());
    withReadPage<TVLanPortInfomationForm>("PortsInfo1Click", [&](TVLanPortInfomationForm* page) {
        EXPECT_EQ(page->windowTitle(), "802.1Q Port Information Table: 127.0.0.1");
        QTreeWidget* list = page->LV_dot1qPortVlanEntry;
        EXPECT_EQ(list->topLevelItemCount(), 26);
        EXPECT_EQ(page->RowCounter->text(), "26");
        EXPECT_FALSE(page->PortVLanID->isEnabled()) << "inputs wait for a row";
        EXPECT_FALSE(page->SetButton->isEnabled());

        select(list, "3");
        EXPECT_TRUE(page->PortVLanID->isEnabled());
        EXPECT_EQ(page->PortVLanID->text(), "10");
        EXPECT_EQ(page->AcceptableFrameTypes->currentText(), "admitAll");
        page->PortVLanID->setText("20");
        choose(page->IngressFiltering, "true");
        sim->clearLog();
        page->SetButton->click();
        EXPECT_TRUE(page->PortVLanID->text().isEmpty()) << "port 3 is not the first row";
        ASSERT_TRUE(waitUntil([&] { return idle(page) && list->topLevelItemCount() == 26; }));
        EXPECT_EQ(setsUnder(sim->log(), PortVlan), (Sets{{"1.3=20", "2.3=1", "3.3=1", "4.3=2"}}));
        EXPECT_EQ(sim->value(PortVlan + "1.3"), std::optional<std::string>("GAUGE32 20"));
        EXPECT_FALSE(ofKind(sim->log(), "GETNEXT").empty() && ofKind(sim->log(), "GETBULK").empty()) << "read again";
        EXPECT_FALSE(page->PortVLanID->isEnabled());
    });
}

TEST_F(VlanPagesTest, PortSettingsRefuseAVlanOutsideTheRangeAndAnyRequestWhileBusy) {
    ASSERT_TRUE(open());
    withReadPage<TVLanPortInfomationForm>("PortsInfo1Click", [&](TVLanPortInfomationForm* page) {
        QTreeWidget* list = page->LV_dot1qPortVlanEntry;
        for (const char* pvid : {"0", "4095", "ten"}) {
            SCOPED_TRACE(pvid);
            select(list, "2");
            page->PortVLanID->setText(pvid);
            sim->clearLog();
            MessageBoxes boxes;
            page->SetButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{"Please enter a number between 1 and 4094!"});
            ASSERT_TRUE(waitIdle(page));
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        const int fault = sim->addFault({.kind = trvtest::Fault::Delay, .oid = PortVlan.substr(0, PortVlan.size() - 1), .delayMs = 150});
        page->RefreshButton->click();
        MessageBoxes boxes;
        sim->clearLog();
        page->RefreshButton->click();
        EXPECT_EQ(boxes.Texts, QStringList{"Refresh Not Complete"});
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() > 0; }));
        list->setCurrentItem(list->topLevelItem(0));
        page->SetButton->setEnabled(true);
        page->SetButton->click();
        EXPECT_EQ(boxes.Texts, (QStringList{"Refresh Not Complete", "Refresh Not Complete"}));
        sim->removeFault(fault);
        ASSERT_TRUE(waitIdle(page));
        EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    });
}

TEST_F(VlanPagesTest, ProtocolVlanAddsWhatTheProtocolTypeNeedsAndDeletesWithTheStatusAlone) {
    ASSERT_TRUE(open());
    withReadPage<TProtocolVlanForm>("ProtocolVLAN1Click", [&](TProtocolVlanForm* page) {
        EXPECT_EQ(page->windowTitle(), "Protocol VLAN: 127.0.0.1");
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 3);
        EXPECT_FALSE(page->DeleteButton->isEnabled());

        struct Case {
            const char* name;
            const char* id;
            const char* vlanName;
            const char* type;
            const char* advertisement;
            const char* userProtocol;
            const char* encap;
            Sets sent;
        };
        const Case cases[] = {
            {"IP, no advertisement", "60", "ip", "protocol-ip", "", "", "", {{"2.60=0x6970", "3.60=1", "7.60=4"}}},
            {"user defined, all six", "61", "ud", "protocol-userDefined", "enabled", "2048", "snap",
             {{"2.61=0x7564", "3.61=16", "4.61=1", "5.61=2048", "6.61=3", "7.61=4"}}},
            {"user defined, no encapsulation", "62", "ud", "protocol-userDefined", "disabled", "2048", "",
             {{"2.62=0x7564", "3.62=16", "4.62=2", "5.62=2048", "7.62=4"}}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            choose(page->RowStatus, "createAndGo");
            page->Index->setText(c.id);
            page->Name->setText(c.vlanName);
            choose(page->ProtocolType, c.type);
            choose(page->Advertisement, c.advertisement);
            EXPECT_EQ(page->UserProtocol->isEnabled(), std::string(c.type) == "protocol-userDefined");
            page->UserProtocol->setText(c.userProtocol);
            choose(page->Encap, c.encap);
            if (!*c.encap) page->Encap->setCurrentIndex(-1);
            if (!*c.advertisement) page->Advertisement->setCurrentIndex(-1);
            sim->clearLog();
            page->AddButton->click();
            EXPECT_EQ(setsUnder(sim->log(), ProtocolVlan), c.sent);
            EXPECT_EQ(sim->value(ProtocolVlan + "7." + c.id), std::optional<std::string>("INTEGER 1"));
        }
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 6);

        select(page->ListView1, "61");
        EXPECT_FALSE(page->Index->isEnabled());
        EXPECT_FALSE(page->AddButton->isEnabled());
        EXPECT_TRUE(page->UserProtocol->isEnabled()) << "a user-defined row";
        sim->clearLog();
        page->DeleteButton->click();
        EXPECT_EQ(setsUnder(sim->log(), ProtocolVlan), (Sets{{"7.61=6"}}));
        EXPECT_FALSE(sim->value(ProtocolVlan + "2.61").has_value());
        EXPECT_EQ(page->ListView1->topLevelItemCount(), 5);
        EXPECT_EQ(page->RowStatus->currentText(), "destroy") << "left for the user to change";
        EXPECT_FALSE(page->DeleteButton->isEnabled());
        EXPECT_TRUE(page->AddButton->isEnabled());
    });
}

TEST_F(VlanPagesTest, ProtocolVlanAddRefusalsSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* id;
        const char* name;
        const char* status;
        const char* text;
    };
    const Case cases[] = {
        {"", "x", "createAndGo", "Index must be set."},
        {"70", "", "createAndGo", "VLAN name must be set"},
        {"40", "x", "createAndGo", "There is already a record with the same Index. Please modified it."},
        {"70", "x", "active", "Row State must be createAndGo."},
    };
    withReadPage<TProtocolVlanForm>("ProtocolVLAN1Click", [&](TProtocolVlanForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            page->Index->setText(c.id);
            page->Name->setText(c.name);
            choose(page->RowStatus, c.status);
            sim->clearLog();
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
        choose(page->ProtocolType, "protocol-ip");
        EXPECT_FALSE(page->UserProtocol->isEnabled());
        EXPECT_FALSE(page->Encap->isEnabled());
    });
}

TEST_F(VlanPagesTest, ProtocolGroupAddsUnderTheTemplateAndDeletesWithTheStatusAlone) {
    ASSERT_TRUE(open());
    withReadPage<TProtocolVLANGroupForm>("ProtocolVLANGroup1Click", [&](TProtocolVLANGroupForm* page) {
        EXPECT_EQ(page->windowTitle(), "Protocol VLAN Group Table: 127.0.0.1");
        QTreeWidget* list = page->ListView1;
        EXPECT_EQ(list->topLevelItemCount(), 6);
        EXPECT_EQ(page->RowCounter->text(), "6");
        EXPECT_EQ(page->RowComboBox->currentText(), "createAndGo");

        const struct {
            const char* type;
            const char* value;
            const char* id;
            const char* instance;
        } adds[] = {{"ethernet", "88cc", "3", "1.2.136.204"}, {"snapOther", "0000f80a01", "6", "4.5.0.0.248.10.1"}};
        for (const auto& add : adds) {
            SCOPED_TRACE(add.value);
            choose(page->TypeComboBox, add.type);
            page->ValueEdit->setText(add.value);
            page->IDEdit->setText(add.id);
            sim->clearLog();
            page->AddButton->click();
            const std::string instance = add.instance;
            EXPECT_EQ(setsUnder(sim->log(), Groups), (Sets{{"3." + instance + "=" + add.id, "4." + instance + "=4"}}));
            EXPECT_EQ(sim->value(Groups + "3." + instance), std::optional<std::string>(std::string("INTEGER ") + add.id));
        }
        EXPECT_EQ(list->topLevelItemCount(), 8);
        EXPECT_EQ(page->RowCounter->text(), "8");

        list->setCurrentItem(list->topLevelItem(0));
        for (QWidget* locked : std::initializer_list<QWidget*>{page->TypeComboBox, page->ValueEdit, page->IDEdit, page->AddButton})
            EXPECT_FALSE(locked->isEnabled());
        const std::string instance = "1.2.8.0";
        sim->clearLog();
        page->DeleteButton->click();
        EXPECT_EQ(setsUnder(sim->log(), Groups), (Sets{{"4." + instance + "=6"}}));
        EXPECT_FALSE(sim->value(Groups + "3." + instance).has_value());
        EXPECT_EQ(list->topLevelItemCount(), 7);
        EXPECT_EQ(page->RowCounter->text(), "7");
        EXPECT_TRUE(page->TypeComboBox->isEnabled());
        EXPECT_EQ(page->RowComboBox->currentText(), "createAndGo");
    });
}

TEST_F(VlanPagesTest, ProtocolGroupAddRefusalsSendNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* type;
        const char* value;
        const char* id;
        const char* status;
        const char* text;
    };
    const Case cases[] = {
        {"", "0800", "1", "createAndGo", "Template Frame Type must be set."},
        {"ethernet", "", "1", "createAndGo", "Template Protocol Value must be set."},
        {"ethernet", "08zz", "1", "createAndGo", "Template Protocol Value must be 4 or 10 hex digits."},
        {"ethernet", "080", "1", "createAndGo", "Template Protocol Value must be 4 or 10 hex digits."},
        {"snapOther", "0000f80a0", "1", "createAndGo", "Template Protocol Value must be 4 or 10 hex digits."},
        {"ethernet", "88cc", "", "createAndGo", "Group ID must be set."},
        {"ethernet", "88cc", "1", "active", "Group Row Status must be createAndGo."},
    };
    withReadPage<TProtocolVLANGroupForm>("ProtocolVLANGroup1Click", [&](TProtocolVLANGroupForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            choose(page->TypeComboBox, c.type);
            page->ValueEdit->setText(c.value);
            page->IDEdit->setText(c.id);
            choose(page->RowComboBox, c.status);
            sim->clearLog();
            MessageBoxes boxes;
            page->AddButton->click();
            EXPECT_EQ(boxes.Texts, QStringList{c.text});
            EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
        }
    });
}

}  // namespace
