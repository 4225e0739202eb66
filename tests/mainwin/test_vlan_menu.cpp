// The handlers of the VLAN, RMON, Bridge and SNMP v3 menus against the simulator serving every table.
#include "CtrlBtnPanel.h"
#include "DialogOpeners.h"
#include "EditsPanel.h"
#include "FrontPanelForm.h"
#include "KySNMPRequest2Leds.h"
#include "GUIConfigForm.h"
#include "KySNMPRequest2Edits.h"
#include "ListViewPanel.h"
#include "MainMenuTable.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MenuWindow.h"
#include "MessageBoxes.h"
#include "MsgPanel.h"
#include "PageTestSupport.h"
#include "SNMPListViewPanel.h"
#include "SimAgent.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <map>
#include <memory>
#include <string>

namespace {

const std::string E = "1.3.6.1.4.1.32473";
const std::string QinQState = E + ".12.57.1.1.0";
const std::string QinQTpid = E + ".12.57.3.1.1.4";
const std::string StpVersion = E + ".12.15.1.2.0";

const TMainMenuEntry& entryNamed(const std::string& name) {
    static const std::map<std::string, const TMainMenuEntry*> byName = [] {
        std::map<std::string, const TMainMenuEntry*> all;
        for (const auto& e : mainMenuTable()) all[e.Name] = &e;
        return all;
    }();
    return *byName.at(name);
}

// The top menu an entry lies in.
std::string topOf(const TMainMenuEntry& entry) {
    const TMainMenuEntry* e = &entry;
    while (e->Parent) e = &entryNamed(e->Parent);
    return e->Name;
}

const TMenuPage& pageOf(std::span<const TMenuPage> pages, const std::string& handler) {
    for (const TMenuPage& p : pages)
        if (handler == p.Handler) return p;
    throw std::runtime_error("no page " + handler);
}

// Leaves the edit the way a Tab does, so its input rule judges the text.
void leave(QLineEdit* edit) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
}

bool gotRequestFor(const std::vector<trvtest::LogEntry>& log, const std::string& oid) {
    for (const auto& entry : log)
        for (const auto& b : entry.bindings)
            if (b.oid == oid) return true;
    return false;
}

}  // namespace

TEST(MainMenuTable, EveryItemOfTheVlanRmonBridgeAndSnmpV3MenusHasItsHandler) {
    std::map<std::string, int> items;
    for (const auto& e : mainMenuTable()) {
        const std::string top = topOf(e);
        if (!e.Handler || (top != "VLAN1" && top != "Menu_RMON" && top != "Bridge1" && top != "VACM1")) continue;
        SCOPED_TRACE(e.Handler);
        ++items[top];
        EXPECT_TRUE(FindMenuHandler(e.Handler));
    }
    EXPECT_EQ(items, (std::map<std::string, int>{{"VLAN1", 42}, {"Menu_RMON", 7}, {"Bridge1", 13}, {"VACM1", 15}}));
    // The tabbed VLAN Trunk page is not among them.
    EXPECT_EQ(VlanMenuPages().size(), 25u);
    EXPECT_EQ(RmonMenuPages().size(), 2u);
    EXPECT_EQ(BridgeMenuPages().size(), 5u);
    EXPECT_EQ(SnmpV3MenuPages().size(), 15u);
}

TEST_F(MenuWindow, EveryGeneratedPageOfTheVlanRmonAndBridgeMenusOpensAndReadsItsTable) {
    ASSERT_TRUE(open());
    for (auto list : {VlanMenuPages(), RmonMenuPages(), BridgeMenuPages()}) expectPagesOpen(list);
    expectTabbedPagesOpen(VlanMenuTabbedPages());
}

TEST_F(MenuWindow, RowCreationPagesOfTheVlanAndBridgeMenusDeleteARowAndAddItBack) {
    ASSERT_TRUE(open());
    for (auto list : {VlanMenuPages(), BridgeMenuPages()}) expectRowsDeleteAndAddBack(list);
}

TEST_F(MenuWindow, SnmpV3PagesOpenOverVersion3AndTheirRowsDeleteAndComeBack) {
    ASSERT_TRUE(open(3));
    expectPagesOpen(SnmpV3MenuPages());
    expectRowsDeleteAndAddBack(SnmpV3MenuPages());
    for (const auto& entry : sim->log()) EXPECT_EQ(entry.version, "3");
}

TEST_F(MenuWindow, UserTableNamesEveryPrivacyProtocolOfItsUsers) {
    ASSERT_TRUE(open(3));
    withPage("UserTable1Click", [&](TConfigForm* page) {
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        auto* list = panel->findChild<QTreeWidget*>();
        EXPECT_EQ(listCell(list, "admin", "Privacy Protocol"), "AES");
        EXPECT_EQ(listCell(list, "admin", "Authentication Protocol"), "SHA");
        EXPECT_EQ(listCell(list, "operator", "Privacy Protocol"), "DES");
        EXPECT_EQ(listCell(list, "guest", "Privacy Protocol"), "None");
        auto* privacy = qobject_cast<QComboBox*>(panel->EditsPanel->Rows[7].Control);
        ASSERT_NE(privacy, nullptr);
        QStringList items;
        for (int i = 0; i < privacy->count(); ++i) items << privacy->itemText(i);
        EXPECT_EQ(items, (QStringList{"None", "DES", "AES"}));
    });
}

TEST_F(MenuWindow, WithoutVersion3NoItemOfTheSnmpV3MenuCanBeReached) {
    ASSERT_TRUE(open());
    int items = 0;
    for (const auto& e : mainMenuTable()) {
        if (!e.Handler || topOf(e) != "VACM1") continue;
        SCOPED_TRACE(e.Name);
        ++items;
        bool reachable = item(e.Name)->isEnabled();
        for (const char* p = e.Parent; p; p = entryNamed(p).Parent) reachable = reachable && item(p)->isEnabled();
        EXPECT_FALSE(reachable);
    }
    EXPECT_EQ(items, 15);
}

TEST_F(MenuWindow, VlanTrunkShowsItsTwoTabsAndReadsEachWhenSelected) {
    ASSERT_TRUE(open());
    sim->clearLog();
    const std::string globalState = E + ".11.70.1.2.1.2.22.0", portState = E + ".11.70.1.2.9.6.1.2";
    bool seen = false;
    whenModal([&](QWidget* modal) {
        auto* page = qobject_cast<TConfigForm*>(modal);
        if (!page || !pageIdle(page) || !gotRequestFor(sim->log(), globalState)) return false;
        seen = true;
        EXPECT_EQ(page->windowTitle(), "VLAN Trunk Settings: 127.0.0.1");
        EXPECT_EQ(page->FormType, cftPaged);
        EXPECT_EQ(page->PageControl->count(), 2);
        EXPECT_EQ(page->PageControl->tabText(0), "Global Settings");
        EXPECT_EQ(page->PageControl->tabText(1), "VLAN Trunk Table");
        EXPECT_FALSE(gotRequestFor(sim->log(), portState + ".1")) << "the second tab waits until it is selected";
        auto* trunks = page->PageControl->widget(1)->findChild<TSNMPListViewPanel*>();
        EXPECT_FALSE(trunks->ButtonPanel->AddButton->isVisibleTo(page));
        EXPECT_FALSE(trunks->ButtonPanel->DeleteButton->isVisibleTo(page));
        page->PageControl->setCurrentIndex(1);
        EXPECT_TRUE(waitUntil([&] {
            return pageIdle(page) && trunks->ListViewPanel->findChild<QTreeWidget*>()->topLevelItemCount() > 0;
        }));
        page->reject();
        return true;
    });
    form->RunMenuHandler("VLANTrunk1Click");
    EXPECT_TRUE(seen);
}

TEST_F(MenuWindow, QinQPortTableOffersEditUnlessQinQIsDisabled) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        const char* state;  // nullptr: the state read fails
        trvtest::Fault failure;
        bool warned;
    };
    const Case cases[] = {
        {"enabled", "INTEGER 1", {}, false},
        {"disabled", "INTEGER 2", {}, true},
        {"refused", nullptr, trvtest::Fault::ErrorStatus, false},
        {"unanswered", nullptr, trvtest::Fault::Drop, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim->clearFaults();
        sim->setValue(QinQState, "INTEGER 2");
        if (c.state) sim->setValue(QinQState, c.state);
        else sim->addFault({c.failure, QinQState});
        const int labelsBefore = int(form->findChildren<QLabel*>().size());
        MessageBoxes boxes;
        bool editShown = true, editByDoubleClick = false;
        QStringList boxesBeforeThePage;
        withPage("QinQPortTable1Click", [&](TConfigForm* page) {
            boxesBeforeThePage = boxes.Texts;
            EXPECT_EQ(page->windowTitle(), "Q-in-Q Port Table: 127.0.0.1");
            auto* panel = page->findChild<TSNMPListViewPanel*>();
            editShown = panel->ButtonPanel->EditButton->isVisibleTo(page);
            EXPECT_TRUE(panel->ButtonPanel->RefreshButton->isVisibleTo(page));
            auto* lines = panel->ListViewPanel->findChild<QTreeWidget*>();
            ASSERT_GT(lines->topLevelItemCount(), 0);
            lines->setCurrentItem(lines->topLevelItem(0));
            lines->topLevelItem(0)->setSelected(true);
            // Runs inside the Edit dialog's loop when the double click opens one, else right after it.
            QTimer::singleShot(0, page, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || modal->objectName() != "EditDialog") return;
                editByDoubleClick = true;
                qobject_cast<QDialog*>(modal)->reject();
            });
            emit lines->itemDoubleClicked(lines->topLevelItem(0), 0);
            QCoreApplication::processEvents();
        });
        EXPECT_EQ(boxesBeforeThePage, c.warned ? QStringList{"You should enable Q-in-Q before an edit action!"} : QStringList{});
        EXPECT_EQ(boxes.Texts, boxesBeforeThePage);
        EXPECT_EQ(editShown, !c.warned);
        EXPECT_EQ(editByDoubleClick, !c.warned);
        EXPECT_EQ(int(form->findChildren<QLabel*>().size()), labelsBefore) << "the state text goes with the page";
    }
}

TEST_F(MenuWindow, QinQPortTableRefusesALongTpidAndWritesAShortOnePadded) {
    ASSERT_TRUE(open());
    withPage("QinQPortTable1Click", [&](TConfigForm* page) {
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        auto* lines = panel->ListViewPanel->findChild<QTreeWidget*>();
        ASSERT_GT(lines->topLevelItemCount(), 1);
        lines->setCurrentItem(lines->topLevelItem(1));
        panel->ListClick(true);
        const std::string instance = lines->topLevelItem(1)->text(0).toStdString();
        sim->clearLog();
        QString afterLong, afterShort;
        whenModal([&](QWidget* modal) {
            if (modal->objectName() != "EditDialog") return false;
            auto* tpid = modal->findChild<QLineEdit*>("RowEdit3");
            const QString read = tpid->text();
            tpid->setText("12345");
            leave(tpid);
            afterLong = tpid->text() == read ? "kept" : tpid->text();
            tpid->setText("abc");
            leave(tpid);
            afterShort = tpid->text();
            modal->findChild<QCheckBox*>("RowCheck3")->setChecked(true);
            modal->findChild<QPushButton*>("SetButton")->click();
            if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        panel->EditClick();
        EXPECT_EQ(afterLong, "kept");
        EXPECT_EQ(afterShort, "0ABC");
        EXPECT_TRUE(waitUntil([&] { return sim->value(QinQTpid + "." + instance) == "STRING 0x0abc"; }))
            << sim->value(QinQTpid + "." + instance).value_or("none");
    });
}

TEST_F(MenuWindow, SpanningTreePagesReadTheStpVersionFirstAndOpenWhenTheReadFails) {
    ASSERT_TRUE(open());
    // The LED poll writes the same status panel every 3 s.
    for (auto* panel : form->findChildren<TFrontPanelForm*>()) panel->LedRequest->StopPolling();
    waitUntil([] { return false; }, 300);  // a poll already out answers meanwhile
    struct Case {
        const char* handler;
        QString caption;
        bool answers;
    };
    const Case cases[] = {
        {"Information2Click", "Spanning Tree Global Settings: 127.0.0.1", true},
        {"Information2Click", "Spanning Tree Global Settings: 127.0.0.1", false},
        {"PortTableClick", "Spanning Tree Port Table: 127.0.0.1", true},
        {"PortTableClick", "Spanning Tree Port Table: 127.0.0.1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + (c.answers ? " answered" : " unanswered"));
        sim->clearFaults();
        sim->setValue(StpVersion, "INTEGER 2");
        form->ST_STPVersion->setText("rstp");
        form->ShowStatus("");
        if (!c.answers) sim->addFault({trvtest::Fault::ErrorStatus, StpVersion});
        sim->clearLog();
        QString caption, version;
        bool versionAskedFirst = false;
        whenModal([&](QWidget* modal) {
            if (auto* page = qobject_cast<TConfigForm*>(modal); page && !pageIdle(page)) return false;
            caption = modal->windowTitle();
            version = form->ST_STPVersion->text();
            const auto log = sim->log();
            versionAskedFirst = !log.empty() && log.front().bindings.at(0).oid == StpVersion;
            qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        form->RunMenuHandler(c.handler);
        EXPECT_EQ(caption, c.caption);
        EXPECT_TRUE(versionAskedFirst);
        EXPECT_EQ(version, c.answers ? "mstp" : "rstp");
        const QString status = form->StatusPanel->text();
        EXPECT_EQ(status.contains("Cannot perform operation"), !c.answers) << status.toStdString();
    }
}

TEST_F(MenuWindow, SubnetVlanAndTargetAddressPagesRefuseBadInputInTheAddDialog) {
    ASSERT_TRUE(open(3));
    struct Case {
        const char* handler;
        int row;
        const char* input;
        bool accepted;
    };
    const Case cases[] = {
        {"PrecedenceTable2Click", 1, "255.255.255.0", true},
        {"PrecedenceTable2Click", 1, "255.0.255.0", false},
        {"PrecedenceTable2Click", 2, "4094", true},
        {"PrecedenceTable2Click", 2, "4095", false},
        {"PrecedenceTable2Click", 3, "8", false},
        {"IPv6Table1Click", 0, "fe800000000000000000000000000001", true},
        {"IPv6Table1Click", 0, "fe80::1", false},
        {"CommunityTargetAddressTableClick", 4, "255", true},
        {"CommunityTargetAddressTableClick", 4, "256", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + " row " + std::to_string(c.row) + " " + c.input);
        MessageBoxes boxes;
        withPage(c.handler, [&](TConfigForm* page) {
            auto* panel = page->findChild<TSNMPListViewPanel*>();
            const bool noEdit = std::string(c.handler) != "CommunityTargetAddressTableClick";
            EXPECT_EQ(panel->ButtonPanel->EditButton->isVisibleTo(page), !noEdit);
            EXPECT_TRUE(panel->ButtonPanel->AddButton->isVisibleTo(page));
            QString after;
            whenModal([&](QWidget* modal) {
                if (modal->objectName() != "AddDialog") return false;
                auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(c.row));
                edit->setText(c.input);
                leave(edit);
                after = edit->text();
                qobject_cast<QDialog*>(modal)->reject();
                return true;
            });
            panel->AddClick();
            EXPECT_EQ(after == c.input, c.accepted) << after.toStdString();
        });
    }
}

TEST_F(MenuWindow, SizeTweaksOfTheseMenusAreScaled) {
    ASSERT_TRUE(open());
    form->ScaleFactor = 1.25f;
    struct Case {
        std::span<const TMenuPage> pages;
        const char* handler;
        int widthPlus;  // beyond the untweaked page's; -1: the page fits its widened editors
        int height;     // 0: as untweaked
        int editWidthPlus;
    };
    const Case cases[] = {
        {VlanMenuPages(), "QinQPortTable1Click", 125, 562, 0},
        {BridgeMenuPages(), "ConfigurationIdentification1Click", 0, 25, 0},
        {SnmpV3MenuPages(), "snmpEngine1Click", -1, 0, 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        const TMenuPage& p = pageOf(c.pages, c.handler);
        const auto plain = BuildMenuPage(*form, p.Page);
        const auto tweaked = BuildMenuPage(*form, p.Page, p.Tweaks);
        if (c.widthPlus >= 0) {
            EXPECT_EQ(tweaked->width(), plain->width() + c.widthPlus);
        }
        const int height = p.Tweaks.Height450 ? c.height : plain->height() + c.height;
        EXPECT_EQ(tweaked->height(), height);
        EXPECT_EQ(tweaked->findChild<TSNMPEditorPanel*>()->EditsPanel->EditWidth,
                  plain->findChild<TSNMPEditorPanel*>()->EditsPanel->EditWidth + c.editWidthPlus);
    }
}


TEST(MenuPages, KeyCountsOfTheseMenusCoverEveryIndexColumn) {
    for (auto list : {VlanMenuPages(), RmonMenuPages(), BridgeMenuPages(), SnmpV3MenuPages()})
        for (const TMenuPage& p : list) {
            if (p.Page.ItemType == SVT_SV) continue;
            SCOPED_TRACE(p.Handler);
            int indexColumns = 0;
            // The list ends at the null OID only: an empty OID text is a column too.
            for (const KySNMPVarDesc* d = p.Page.Table; d->Oid; ++d) indexColumns += (d->Access & afNotAccess) != 0;
            EXPECT_GE(p.Page.KeyCount, indexColumns);
        }
}

TEST_F(MenuWindow, HiddenItemsOfTheseMenusStayHidden) {
    ASSERT_TRUE(open());
    for (const char* name : {"RegeneratedUserPriorities1", "PortOutboundAccessPriorities1", "GMRP1", "TpHCPPortTable1",
                             "TpGroupDestinationForwarded1", "MulticastForwardingInformation1",
                             "ForwardUnregisteredInformation1", "FilteringInformation1", "ProtocolVLAN1",
                             "QinQPortRuleTable1", "QinQProfileTable1", "QinQRuleTable1", "PortTable1", "PortTable",
                             "StaticTable1", "SnmpFrameworkMIB1"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(item(name)->isVisible());
    }
    EXPECT_TRUE(item("ProtocolVLANManagement1")->isVisible()) << "the second \"Protocol VLAN\" shows";
}

TEST_F(MenuWindow, ProtocolVlanPortTableTakesBothKeysFromTheRowInstance) {
    ASSERT_TRUE(open());
    sim->clearLog();
    withPage("ProtocolVLANPort1Click", [&](TConfigForm* page) {
        auto* lines = page->findChild<TListViewPanel*>()->findChild<QTreeWidget*>();
        ASSERT_EQ(lines->columnCount(), 4);
        EXPECT_EQ(lines->headerItem()->text(0), "Port");
        ASSERT_GT(lines->topLevelItemCount(), 1);
        EXPECT_EQ(lines->topLevelItem(1)->text(0), "1");
        EXPECT_EQ(lines->topLevelItem(1)->text(1), "2");
    });
    for (const auto& entry : sim->log())
        for (const auto& b : entry.bindings) EXPECT_FALSE(b.oid.starts_with("1.3.6.1.2.1.17.7.1.5.2.1.1")) << b.oid;
}

TEST_F(MenuWindow, RmonStateSetOnItsPageGatesTheRmonViewersWhenThePageCloses) {
    ASSERT_TRUE(open());
    const std::string rmonState = E + ".11.70.1.2.1.2.4.0";
    struct Case {
        const char* state;
        const char* stored;
    };
    for (const Case c : {Case{"disabled", "INTEGER 2"}, Case{"enabled", "INTEGER 3"}}) {
        SCOPED_TRACE(c.state);
        withPage("RMONSetting1Click", [&](TConfigForm* page) {
            page->findChild<QComboBox*>("RowEdit0")->setCurrentText(c.state);
            page->findChild<QCheckBox*>("RowCheck0")->setChecked(true);
            page->findChild<QPushButton*>("SetButton")->click();
            EXPECT_TRUE(waitUntil([&] { return pageIdle(page) && sim->value(rmonState) == c.stored; }));
            EXPECT_EQ(item("Statistics1")->isEnabled(), std::string(c.state) == "disabled") << "not before the page closes";
        });
        for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) {
            EXPECT_EQ(item(name)->isEnabled(), std::string(c.state) == "enabled") << name;
        }
    }
}
