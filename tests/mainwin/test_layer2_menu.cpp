// The "Layer 2 " menu from "Layer 2 Device Global Settings" to the PoE submenu: ports, QoS, multicast,
// access lists, CPU interface filtering and link aggregation, against the simulator serving every table.
#include "CtrlBtnPanel.h"
#include "DialogOpeners.h"
#include "EditsPanel.h"
#include "GUIConfigForm.h"
#include "KyOptionList.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPTarget.h"
#include "KySNMPVarDesc.h"
#include "ListViewPanel.h"
#include "MainMenuTable.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MenuWindow.h"
#include "MessageBoxes.h"
#include "PageTestSupport.h"
#include "SNMPListViewPanel.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace {

const std::string E = "1.3.6.1.4.1.32473";

// The items of the menu table from `first` to `last`, both included.
std::vector<TMainMenuEntry> stretch(std::string_view first, std::string_view last) {
    std::vector<TMainMenuEntry> items;
    bool inside = false;
    for (const TMainMenuEntry& e : mainMenuTable()) {
        inside = inside || e.Name == first;
        if (inside) items.push_back(e);
        if (e.Name == last) break;
    }
    return items;
}

const TMenuPage& pageOf(std::string_view handler) {
    for (auto pages : {Layer2PortsMenuPages(), Layer2AclMenuPages()})
        for (const TMenuPage& p : pages)
            if (p.Handler == handler) return p;
    throw std::invalid_argument("no generated page " + std::string(handler));
}

// The captions of the modal windows `action` brings up; each is closed as soon as it shows.
QStringList modalsDuring(const std::function<void()>& action) {
    QStringList captions;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            captions << dialog->windowTitle();
            dialog->reject();
        }
    });
    closer.start(5);
    action();
    return captions;
}

void settle() {
    for (int i = 0; i < 5; ++i) QTest::qWait(5);
}

QTreeWidget* linesOf(QWidget* page) { return page->findChild<TListViewPanel*>()->findChild<QTreeWidget*>(); }

class Layer2Menu : public MenuWindow {
protected:
    // The item's page built as its handler builds it, shown beside the main window after its first read.
    std::unique_ptr<TConfigForm> shownPage(std::string_view handler) {
        const TMenuPage& p = pageOf(handler);
        auto page = BuildMenuPage(*form, p.Page, p.Tweaks);
        page->show();
        EXPECT_TRUE(waitUntil([&] { return pageIdle(page.get()) && statusLine(page.get()).contains("Ok!"); }))
            << statusLine(page.get()).toStdString();
        return page;
    }

    // Runs `fill` on the page's Add dialog, then closes the dialog if it is still open.
    static void inAddDialog(TConfigForm* page, const std::function<void(QDialog*)>& fill) {
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        bool filled = false;
        whenModal([&](QWidget* modal) {
            if (modal->objectName() != "AddDialog") return false;
            auto* dialog = qobject_cast<QDialog*>(modal);
            fill(dialog);
            filled = true;
            if (dialog->isVisible()) dialog->reject();
            return true;
        });
        panel->AddClick();
        EXPECT_TRUE(filled);
    }
};

}  // namespace

TEST(Layer2MenuTable, EveryItemFromTheDeviceSettingsToPoEHasItsHandler) {
    struct Case {
        const char* first;
        const char* last;
        int handlers;
        std::span<const TMenuPage> pages;
        std::size_t generated;
    };
    const Case cases[] = {
        {"DeviceControl1", "DestinationTable1", 56, Layer2PortsMenuPages(), 32},
        {"N18", "Portinformation4", 36, Layer2AclMenuPages(), 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        int handlers = 0;
        for (const TMainMenuEntry& e : stretch(c.first, c.last)) {
            if (!e.Handler) continue;
            SCOPED_TRACE(e.Handler);
            ++handlers;
            EXPECT_TRUE(FindMenuHandler(e.Handler));
        }
        EXPECT_EQ(handlers, c.handlers);
        EXPECT_EQ(c.pages.size(), c.generated);
    }
}

TEST(Layer2MenuTable, TablePagesKeyEveryIndexColumnAndCreateRowsThroughARowStatus) {
    for (auto pages : {Layer2PortsMenuPages(), Layer2AclMenuPages()})
        for (const TMenuPage& p : pages) {
            if (p.Page.ItemType == SVT_SV) continue;
            SCOPED_TRACE(p.Handler);
            int indexColumns = 0;
            for (const KySNMPVarDesc* v = p.Page.Table; v->Oid; ++v)
                if ((v->Access & ~afImplied) == afNotAccess) ++indexColumns;
            EXPECT_EQ(p.Page.KeyCount, indexColumns) << "a key left out is never filled in";
            if (p.Page.StatusRow < 0) continue;
            const KySNMPVarDesc& status = p.Page.Table[p.Page.StatusRow];
            ASSERT_TRUE(status.Options);
            EXPECT_GE(status.Options->IndexOfLabel("createAndGo"), 0);
            EXPECT_GE(status.Options->IndexOfLabel("destroy"), 0);
            EXPECT_EQ(status.Access & afReadWrite, afReadWrite);
        }
}

TEST_F(Layer2Menu, EveryGeneratedPageOpensWithItsCaptionAndReadsItsTable) {
    ASSERT_TRUE(open());
    expectPagesOpen(Layer2PortsMenuPages());
    expectPagesOpen(Layer2AclMenuPages());
}

TEST_F(Layer2Menu, RowCreationPagesDeleteARowAndAddItBack) {
    ASSERT_TRUE(open());
    expectRowsDeleteAndAddBack(Layer2PortsMenuPages());
    expectRowsDeleteAndAddBack(Layer2AclMenuPages());
}

TEST_F(Layer2Menu, DeleteWritesDestroyAndAddCreateAndGoIntoTheStatusColumn) {
    ASSERT_TRUE(open());
    for (const char* handler : {"IGMPMulticastVLANGroup1Click", "MulticastRangeTable1Click", "ACLFolwMeterTable1Click"}) {
        SCOPED_TRACE(handler);
        const TMenuPage& p = pageOf(handler);
        sim->clearLog();
        expectRowsDeleteAndAddBack({&p, 1});
        const auto sets = ofKind(sim->log(), "SET");
        ASSERT_EQ(sets.size(), 2u);
        const std::string column = std::string(p.Page.Table[p.Page.StatusRow].Oid) + ".";
        std::vector<std::string> written;
        for (const auto& set : sets)
            for (const auto& b : set.bindings)
                if (b.oid.starts_with(column)) written.push_back(b.oid + " " + b.value);
        ASSERT_EQ(written.size(), 2u);
        const std::string row = written[0].substr(0, written[0].find(' '));
        EXPECT_EQ(written, (std::vector<std::string>{row + " 6", row + " 4"}));
    }
}

TEST_F(Layer2Menu, PageSizesAndEditorWidthsFollowTheScaleAndTheListsStayShown) {
    ASSERT_TRUE(open());
    form->ScaleFactor = 1.25f;
    struct Case {
        const char* handler;
        int height;
        int width;   // of the Add and Edit dialogs' editors
        bool added;  // to the width the page has without the handler's change
    };
    const Case cases[] = {
        {"PortInformation1Click", 562, 62, true},
        {"PortControl1Click", 562, 102, true},
        {"MulticastFilter1Click", 562, 180, false},
        {"LimitedMulticastAddressTable1Click", 450, 0, true},
        {"AggregatorPortList1Click", 562, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        const TMenuPage& p = pageOf(c.handler);
        const auto plain = BuildMenuPage(*form, p.Page);
        const auto page = BuildMenuPage(*form, p.Page, p.Tweaks);
        EXPECT_EQ(page->height(), c.height);
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        const int plainWidth = plain->findChild<TSNMPListViewPanel*>()->EditsPanel->Rows.at(0).Control->width();
        EXPECT_EQ(panel->EditsPanel->Rows.at(0).Control->width(), c.added ? plainWidth + c.width : c.width);
        EXPECT_TRUE(panel->ListViewPanel->isVisibleTo(page.get())) << "the page still shows its list";
        EXPECT_FALSE(panel->EditsPanel->isVisibleTo(page.get()));
    }
    const TMenuPage& hol = pageOf("QOSControl1Click");
    EXPECT_EQ(BuildMenuPage(*form, hol.Page, hol.Tweaks)->height(), BuildMenuPage(*form, hol.Page)->height() + 25);
}

TEST_F(Layer2Menu, OnlyTheCableTestGivesTheSwitchEightSecondsATry) {
    ASSERT_TRUE(open());
    for (const auto& [handler, timeout] : {std::pair{"PortCableDiagnostics1Click", 800},
                                          std::pair{"PortDropCounterTable1Click", DefaultSNMPTimeout}}) {
        SCOPED_TRACE(handler);
        const TMenuPage& p = pageOf(handler);
        const auto page = BuildMenuPage(*form, p.Page, p.Tweaks);
        EXPECT_EQ(page->findChild<TSNMPListViewPanel*>()->EditsPanel->EditCtrl->Request.Timeout, timeout);
    }
}

TEST_F(Layer2Menu, PagesWithoutEditOpenNothingOnADoubleClick) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        bool edit;
    };
    const Case cases[] = {
        {"IGMPMulticastVLANGroup1Click", false}, {"MulticastRangeTable1Click", false},
        {"SourceTable1Click", false},            {"EthernetMaskCPUFilter1Click", false},
        {"EthernetRuleCPUFilter1Click", true},   {"IPv6Rule2Click", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        const auto page = shownPage(c.handler);
        const TCtrlBtnPanel* buttons = page->findChild<TSNMPListViewPanel*>()->ButtonPanel;
        EXPECT_EQ(buttons->EditButton->isVisible(), c.edit);
        for (QPushButton* b : {buttons->RefreshButton, buttons->AddButton, buttons->DeleteButton})
            EXPECT_TRUE(b->isVisible()) << b->objectName().toStdString();
        QTreeWidget* lines = linesOf(page.get());
        ASSERT_GT(lines->topLevelItemCount(), 0);
        QTreeWidgetItem* line = lines->topLevelItem(0);
        lines->setCurrentItem(line);
        page->findChild<TSNMPListViewPanel*>()->ListClick(true);
        const QStringList opened = modalsDuring([&] { emit lines->itemDoubleClicked(line, 0); });
        if (c.edit) {
            EXPECT_EQ(opened, QStringList{QString::fromStdString(pageOf(c.handler).Page.Title + "127.0.0.1 (Edit)")});
        } else {
            EXPECT_TRUE(opened.isEmpty()) << opened.join(", ").toStdString();
        }
    }
}

TEST_F(Layer2Menu, AddDialogsAcceptAndRefuseTheLimitsOfTheirRows) {
    struct Entry {
        int row;
        const char* typed;
        const char* shown;  // what the edit keeps of the typing
        bool refused;       // when the focus leaves the edit
    };
    struct Case {
        const char* handler;
        std::vector<Entry> entries;
    };
    const std::string over32(33, 'A');
    const Case cases[] = {
        {"EthernetMaskCPUFilter1Click",
         {{0, "5", "5", false}, {0, "6", "6", true}, {0, "0", "0", true}, {0, "12", "1", false},
          {3, "001B2C53000100", "001B2C530001", false}}},
        {"EthernetRuleCPUFilter1Click",
         {{0, "1", "1", false}, {1, "100", "100", false}, {1, "101", "101", true}, {1, "1000", "100", false},
          {5, "88CC0", "88CC", false}, {9, over32.c_str(), over32.c_str() + 1, false}}},
        {"IPMaskCPUFilter1Click",
         {{3, "255.255.255.0", "255.255.255.0", false}, {3, "255.255.255", "255.255.255", true},
          {4, "255.0.0.256", "255.0.0.256", true}, {11, "FFFF0", "FFFF", false}, {14, "63", "63", false},
          {14, "64", "64", true}, {15, "255", "255", false}, {15, "256", "256", true},
          {16, "FFFFFFFF0", "FFFFFFFF", false}}},
        {"IPRuleCPUFilter1Click",
         {{9, "65535", "65535", false}, {9, "65536", "65536", true}, {10, "0", "0", false},
          {3, "10.1.1.1", "10.1.1.1", false}, {3, "10.1.1.300", "10.1.1.300", true}, {4, "any text", "any text", true},
          {5, "64", "64", true}, {7, "256", "256", true}, {8, "255", "255", false}, {11, "63", "63", false},
          {12, "256", "256", true}, {13, "0000FFFF0", "0000FFFF", false}}},
        {"PacketContentMaskCPUFilter1Click", {{1, over32.c_str(), over32.c_str() + 1, false}, {0, "6", "6", true}}},
        {"PacketContentRuleCPUFilter1Click", {{6, over32.c_str(), over32.c_str() + 1, false}, {1, "0", "0", true}}},
        {"IPv6Mask1Click", {{5, over32.c_str(), over32.c_str() + 1, false}, {0, "3", "3", false}}},
        {"IPv6Rule2Click",
         {{2, "255", "255", false}, {2, "256", "256", true}, {3, "000FFFFF0", "000FFFFF", false},
          {4, over32.c_str(), over32.c_str() + 1, false}}},
        {"SourceTable1Click",
         {{2, "239.1.1.1", "239.1.1.1", false}, {2, "10.1.1.1", "10.1.1.1", true}, {3, "224.0.0.1", "224.0.0.1", false},
          {3, "240.0.0.1", "240.0.0.1", true}, {5, "10.1.1.300", "10.1.1.300", true}}},
        {"EntryTable1Click",
         {{1, "4094", "4094", false}, {1, "4095", "4095", true}, {1, "40941", "4094", false},
          {0, "abcdefghijklmnopq", "abcdefghijklmnop", false}}},
    };
    ASSERT_TRUE(open());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        const auto page = shownPage(c.handler);
        inAddDialog(page.get(), [&](QDialog* dialog) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            MessageBoxes boxes;
            for (const Entry& e : c.entries) {
                SCOPED_TRACE(std::to_string(e.row) + " typed " + e.typed);
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(e.row));
                ASSERT_TRUE(edit);
                edit->setFocus(Qt::OtherFocusReason);
                settle();
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(e.typed));
                EXPECT_EQ(edit->text(), QString::fromLatin1(e.shown));
                QTest::keyClick(edit, Qt::Key_Tab);
                settle();
                EXPECT_EQ(edit->text() != QString::fromLatin1(e.shown), e.refused) << edit->text().toStdString();
            }
        });
    }
}

TEST_F(Layer2Menu, AnIpRuleAddedForTheCpuReachesTheSwitchWithItsAddress) {
    ASSERT_TRUE(open());
    const auto page = shownPage("IPRuleCPUFilter1Click");
    sim->clearLog();
    inAddDialog(page.get(), [&](QDialog* dialog) {
        dialog->findChild<QPushButton*>("ClearChecksButton")->click();
        const std::pair<int, const char*> rows[] = {{0, "5"}, {1, "100"}, {3, "10.1.1.1"}, {9, "8080"}};
        for (const auto& [row, text] : rows) {
            dialog->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(row))->setText(text);
            if (auto* check = dialog->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(row)))
                check->setChecked(true);
        }
        dialog->findChild<QAbstractButton*>("RowCheck16")->setChecked(true);
        // A rule without a time range: "Time Range Name" checked and left empty.
        dialog->findChild<QLineEdit*>("RowEdit17")->clear();
        dialog->findChild<QAbstractButton*>("RowCheck17")->setChecked(true);
        MessageBoxes boxes;
        dialog->findChild<QPushButton*>("SetButton")->click();
        EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join('|').toStdString();
    });
    const std::string column = E + ".12.9.5.2.1.";
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    std::map<std::string, std::string> sent;
    for (const auto& b : sets[0].bindings) sent[b.oid] = b.type + " " + b.value;
    EXPECT_EQ(sent[column + "17.5.100"], "INTEGER 4");
    EXPECT_EQ(sent[column + "4.5.100"], "IPADDRESS 10.1.1.1");
    EXPECT_EQ(sent[column + "18.5.100"], "STRING 0x");
    EXPECT_EQ(sim->value(column + "4.5.100"), "IPADDRESS 10.1.1.1");
    EXPECT_EQ(sim->value(column + "10.5.100"), "INTEGER 8080");
}

TEST_F(Layer2Menu, AclCountersGoOutWithVersion2cOnlyWhileTheirPageIsOpen) {
    struct Case {
        int version;
        const char* whileOpen;
        const char* afterwards;
    };
    const std::string state = E + ".12.9.3.8.1.3.1.1";
    for (const Case c : {Case{0, "2c", "1"}, Case{1, "2c", "2c"}, Case{3, "3", "3"}}) {
        SCOPED_TRACE(c.version);
        sim->setValue(state, "INTEGER 1");
        ASSERT_TRUE(open(c.version));
        sim->clearLog();
        QString total;
        withPage("ACLCourter1Click", [&](TConfigForm* page) {
            QTreeWidget* lines = linesOf(page);
            ASSERT_GT(lines->topLevelItemCount(), 0);
            total = lines->topLevelItem(0)->text(3);
            auto* panel = page->findChild<TSNMPListViewPanel*>();
            lines->setCurrentItem(lines->topLevelItem(0));
            panel->ListClick(true);
            whenModal([&](QWidget* modal) {
                if (modal->objectName() != "EditDialog") return false;
                modal->findChild<QComboBox*>("RowEdit2")->setCurrentText("disabled");
                modal->findChild<QCheckBox*>("RowCheck2")->setChecked(true);
                modal->findChild<QPushButton*>("SetButton")->click();
                if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
                return true;
            });
            panel->EditClick();
        });
        EXPECT_EQ(total, "6442450944") << "the 64-bit counters are read";
        EXPECT_EQ(sim->value(state), "INTEGER 2");
        auto log = sim->log();
        EXPECT_EQ(ofKind(log, "SET").size(), 1u);
        for (const auto& entry : log) EXPECT_EQ(entry.version, c.whileOpen) << entry.pdu;
        EXPECT_EQ(DefaultSNMPSecurity.Version, c.version);

        sim->clearLog();
        withPage("ACLControl1Click", [](TConfigForm*) {});
        log = sim->log();
        ASSERT_FALSE(log.empty());
        for (const auto& entry : log) EXPECT_EQ(entry.version, c.afterwards);
        form.reset();
    }
}

TEST_F(Layer2Menu, DialogItemsOpenWithTheirCaptionOwnerAndExportedPointer) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* className;
        QString caption;
        bool ownedByTheMainWindow;
        bool exported;
    };
    const Case cases[] = {
        {"DeviceControl1Click", "TLayer2ControlForm", "Layer 2 Device Global Settings: 127.0.0.1", false, true},
        {"PortTrunk2Click", "TPortTrunkForm", "Port Trunk: 127.0.0.1", false, false},
        {"IGMPForwardingTable1Click", "TIGMPForwordingForm", "IGMP Snooping Forwording Table: 127.0.0.1", false, true},
        {"TrafficSegmentationTable1Click", "TTrafficSegmentationForm", "Traffic Segmentation Table: 127.0.0.1", false, false},
        {"DestinationTable1Click", "TIPMcastVLANRepDstForm", "IP Multicast VLAN Replication Destination Table: 127.0.0.1",
         true, true},
        {"ControlTable6Click", "showDDMSettingsPage", "DDM Settings: 127.0.0.1", false, false},
        {"ThresholdManagementTable2Click", "showDDMThresholdTablePage", "DDM Threshold Management Table: 127.0.0.1", false,
         false},
        {"EthernetMask1Click", "TEthernetMaskInformationForm", "ACL Ethernet Mask: 127.0.0.1", false, false},
        {"PayloadMaskInformation1Click", "TUserMaskInfoForm", "User Mask Information: 127.0.0.1", false, true},
        {"PayloadRule1Click", "TUserDefinedInformationRuleForm", "User Defined Information Rule: 127.0.0.1", false, false},
        {"IPv6MaskInformation1Click", "TIPv6ProfileForm", "ACL IPv6 Mask: 127.0.0.1", true, true},
        {"AggreatorPortTable1Click", "TAggregatorPortTableForm", "802.3ad Aggregator Port Table: 127.0.0.1", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        QString caption;
        QWidget* owner = nullptr;
        QDialog* whileOpen = nullptr;
        whenModal([&](QWidget* modal) {
            caption = modal->windowTitle();
            owner = modal->parentWidget();
            whileOpen = ExportedDialog(c.className);
            qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        form->RunMenuHandler(c.handler);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(owner, c.ownedByTheMainWindow ? form.get() : nullptr);
        EXPECT_EQ(whileOpen != nullptr, c.exported);
        EXPECT_EQ(ExportedDialog(c.className), nullptr);
    }
}

TEST_F(Layer2Menu, SeparatorsSplitTheGroupsOfTheSubmenuTheyStandIn) {
    ASSERT_TRUE(open());
    // A submenu's entry carries the submenu's name.
    const auto nameOf = [](const QAction* action) {
        return (action->menu() ? action->menu()->objectName() : action->objectName()).toStdString();
    };
    struct Case {
        const char* separator;
        const char* menu;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"N21", "PortManagement1", "DDMMangement2", "TrunkBasicInformation1"},
        {"N22", "PortManagement1", "LACPPortTable1", "PortMirrorTable1"},
        {"N23", "PortManagement1", "MirrorGroupTable1", "PortSecurity1"},
        {"N1", "Layer2Management2", "RSPAN1", "MulticastFilter1"},
        {"N4", "Layer2Management2", "MLDSnooping1", "StormTrafficControlTable1"},
        {"N18", "Layer2Management2", "IPMulticastVLANReplication1", "Acess1"},
        {"N28", "Acess1", "ACLFolwMeterTable1", "EthernetMask1"},
        {"N29", "Acess1", "PacketContentRule1", "IPMACBindingEthernetMask1"},
        {"N20", "CPUFilter1", "CPUACLMaskDeleteAll1", "EthernetMaskCPUFilter1"},
        {"N19", "Layer2Management2", "CPUFilter1", "N8023ad1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.separator);
        QAction* separator = item(c.separator);
        ASSERT_TRUE(separator && separator->isSeparator());
        auto* menu = qobject_cast<QMenu*>(separator->parent());
        ASSERT_TRUE(menu);
        EXPECT_EQ(menu->objectName().toStdString(), c.menu);
        const QList<QAction*> actions = menu->actions();
        const qsizetype at = actions.indexOf(separator);
        ASSERT_GT(at, 0);
        ASSERT_LT(at + 1, actions.size());
        EXPECT_EQ(nameOf(actions[at - 1]), c.before);
        EXPECT_EQ(nameOf(actions[at + 1]), c.after);
    }
}

TEST_F(Layer2Menu, HiddenItemsStayOutOfTheMenuAndEmptyHandlersOpenNothing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        bool visible;
    };
    const Case cases[] = {
        // by the form
        {"ActionManagementTable2", false}, {"PortMirrorTable1", false}, {"N8021pUserPriorityTable1", false},
        {"IGMPInformation1", false}, {"IpLimitedMulticast11", false}, {"PayloadMaskInformation1", false},
        {"PayloadRule1", false}, {"N19", false},
        // by the routing and the storage profiles
        {"IGMPForwardingTable1", false}, {"MLDSnoopingForwardingTable1", false},
        {"LimitedMulticastAddressTable1", false}, {"MulticastRangeTable1", false}, {"POE1", false},
        {"IPMulticastVLANReplication1", true}, {"DataDrivenLearningGroupTable1", true},
        {"DataDrivenLearningGroupTable2", true},
        // untouched
        {"DeviceControl1", true}, {"PortCableDiagnostics1", true}, {"CPUFilter1", true}, {"AggreatorPortTable1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(item(c.name));
        EXPECT_EQ(item(c.name)->isVisible(), c.visible);
    }
    for (const char* handler : {"PortMirrorTable1Click", "IpLimitedMulticast11Click", "SystemControl1Click",
                                "Systeminformation1Click", "PortControl2Click", "Portinformation4Click"}) {
        SCOPED_TRACE(handler);
        EXPECT_TRUE(modalsDuring([&] { form->RunMenuHandler(handler); }).isEmpty());
    }
}

