// The LLDP, loop and ring stretch of the "Layer 2 " menu and the routing half of the "Layer 3" menu:
// every handler, the generated and tabbed pages against the simulator, their captions, formats and sizes.
#include "DialogOpeners.h"
#include "EditsPanel.h"
#include "KySNMPRequest2Edits.h"
#include "MainMenuTable.h"
#include "MenuWindow.h"

#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QTimer>

#include <map>
#include <set>

namespace {

const std::map<std::string, const TMainMenuEntry*>& entriesByName() {
    static const auto byName = [] {
        std::map<std::string, const TMainMenuEntry*> m;
        for (const auto& e : mainMenuTable()) m[e.Name] = &e;
        return m;
    }();
    return byName;
}

std::string topOf(const TMainMenuEntry& entry) {
    const TMainMenuEntry* e = &entry;
    while (e->Parent) e = entriesByName().at(e->Parent);
    return e->Name;
}

// The entries of one top menu from the one after `first` to the end of that menu.
std::vector<const TMainMenuEntry*> stretchAfter(const char* first, const char* top) {
    std::vector<const TMainMenuEntry*> out;
    bool inside = false;
    for (const auto& e : mainMenuTable()) {
        if (inside && topOf(e) == top) out.push_back(&e);
        if (std::string(e.Name) == first) inside = true;
    }
    return out;
}

std::vector<const TMainMenuEntry*> ringStretch() { return stretchAfter("N27", "Layer2Management2"); }
std::vector<const TMainMenuEntry*> routingStretch() { return stretchAfter("N11", "Layer3Management1"); }

const TMenuPage& pageOf(std::span<const TMenuPage> pages, const std::string& handler) {
    for (const TMenuPage& p : pages)
        if (handler == p.Handler) return p;
    throw std::runtime_error("no page for " + handler);
}

QTreeWidget* linesOf(QWidget* panel) { return panel->findChild<TListViewPanel*>()->findChild<QTreeWidget*>(); }

const std::string E = "1.3.6.1.4.1.32473";

}  // namespace

TEST(MainMenuTable, EveryItemOfTheLldpRingAndRoutingStretchesHasItsHandler) {
    struct Case {
        const char* name;
        std::vector<const TMainMenuEntry*> entries;
        size_t handlers;
    };
    const Case cases[] = {
        {"Layer 2 from LLDP on", ringStretch(), 43},
        {"Layer 3 after the first half", routingStretch(), 57},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        size_t handlers = 0;
        for (const TMainMenuEntry* e : c.entries) {
            if (!e->Handler) continue;
            SCOPED_TRACE(e->Handler);
            ++handlers;
            EXPECT_TRUE(FindMenuHandler(e->Handler));
        }
        EXPECT_EQ(handlers, c.handlers);
    }
    // 35 generated pages on Layer 2; on Layer 3 30, two of them tabbed.
    EXPECT_EQ(Layer2RingMenuPages().size(), 35u);
    EXPECT_EQ(Layer3RoutingMenuPages().size(), 28u);
    EXPECT_EQ(Layer3RoutingMenuTabbedPages().size(), 2u);
}

TEST_F(MenuWindow, EveryGeneratedLldpRingAndRoutingPageOpensWithItsCaptionAndReadsItsTables) {
    ASSERT_TRUE(open());
    expectPagesOpen(Layer2RingMenuPages());
    expectPagesOpen(Layer3RoutingMenuPages());
    expectTabbedPagesOpen(Layer3RoutingMenuTabbedPages());
}

TEST_F(MenuWindow, RowCreationPagesOfTheRingAndRoutingMenusDeleteARowAndAddItBack) {
    ASSERT_TRUE(open());
    expectRowsDeleteAndAddBack(Layer2RingMenuPages());
    expectRowsDeleteAndAddBack(Layer3RoutingMenuPages());
}

TEST_F(MenuWindow, RipPagesKeepTheHeightTheirHandlersGiveAndFreeEveryTabsRequestOnClosing) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        int height;    // RIPng's set after its tabs, RIP2's before them
        int minWidth;  // RIP2's width set before its tabs, which may widen it
    };
    for (const Case c : {Case{"RIPng1Click", 250, 0}, Case{"RIP2RFC17241Click", 500, 500}}) {
        SCOPED_TRACE(c.handler);
        bool freed = false;
        withPage(c.handler, [&](TConfigForm* page) {
            EXPECT_EQ(page->height(), c.height);
            EXPECT_GE(page->width(), c.minWidth);
            page->reject();
            freed = page->Requests.empty();
        });
        EXPECT_TRUE(freed) << "closing stops and frees every tab's request";
    }
}

TEST_F(MenuWindow, PagesOfTablesWithMoreIndexColumnsThanTheirListsKeyShowTheLastIndex) {
    ASSERT_TRUE(open());
    // The last index of each row as the simulator's instances hold it: the organizational TLVs' own
    // index, the LS IDs of link-scope LSAs.
    struct Case {
        std::span<const TMenuPage> pages;
        const char* handler;
        int keys;
        std::string lastIndex;  // of each line, in order
    };
    const Case cases[] = {
        {Layer2RingMenuPages(), "OrgDefineInfoTable1Click", 6, "1 1 1 2"},
        {Layer3RoutingMenuPages(), "LinkLSDBTable1Click", 5, "1001 1 2 5002"},
        {Layer3RoutingMenuPages(), "VirtualLinkLSDBTable1Click", 5, "3 5003"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        EXPECT_EQ(pageOf(c.pages, c.handler).Page.KeyCount, c.keys);
        QStringList shown;
        withPage(c.handler, [&](TConfigForm* page) {
            QTreeWidget* lines = linesOf(page);
            for (int row = 0; row < lines->topLevelItemCount(); ++row) shown << lines->topLevelItem(row)->text(c.keys - 1);
        });
        EXPECT_EQ(shown.join(' ').toStdString(), c.lastIndex);
    }
}

TEST_F(MenuWindow, LldpStatisticsShowTheFiveScalarsAsOneLine) {
    ASSERT_TRUE(open());
    sim->setValue("1.0.8802.1.1.2.1.2.2.0", "GAUGE32 17");
    withPage("Statistics3Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "LLDP Static Information : 127.0.0.1");
        QTreeWidget* lines = linesOf(page);
        ASSERT_EQ(lines->topLevelItemCount(), 1);
        EXPECT_EQ(lines->columnCount(), 5);
        EXPECT_EQ(lines->headerItem()->text(1), "Inserts");
        EXPECT_EQ(lines->topLevelItem(0)->text(1), "17");
        // Refresh reads them again.
        sim->setValue("1.0.8802.1.1.2.1.2.2.0", "GAUGE32 18");
        page->findChild<QPushButton*>("RefreshButton")->click();
        EXPECT_TRUE(waitUntil([&] { return pageIdle(page) && lines->topLevelItemCount() == 1 && lines->topLevelItem(0)->text(1) == "18"; }));
    });
}

TEST_F(MenuWindow, LldpAgentSettingsRefuseOutOfRangeValuesWhenTheFieldIsLeftAndSetTheOthers) {
    ASSERT_TRUE(open());
    struct Case {
        int row;
        const char* refused;
        const char* accepted;
        const char* oid;
    };
    const Case cases[] = {
        {0, "4", "32768", "1.0.8802.1.1.2.1.1.1.0"},
        {1, "11", "2", "1.0.8802.1.1.2.1.1.2.0"},
        {2, "0", "10", "1.0.8802.1.1.2.1.1.3.0"},
        {3, "8193", "1", "1.0.8802.1.1.2.1.1.4.0"},
        {4, "3601", "5", "1.0.8802.1.1.2.1.1.5.0"},
    };
    withPage("Configuration3Click", [&](TConfigForm* page) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.row);
            auto* edit = page->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(c.row));
            const QString before = edit->text();
            MessageBoxes boxes;
            edit->setText(c.refused);
            QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(edit, &leave);
            EXPECT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
            EXPECT_EQ(edit->text(), before);

            edit->setText(c.accepted);
            page->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(c.row))->setChecked(true);
            sim->clearLog();
            page->findChild<QPushButton*>("SetButton")->click();
            const auto sets = ofKind(sim->log(), "SET");
            ASSERT_EQ(sets.size(), 1u);
            ASSERT_EQ(sets[0].bindings.size(), 1u);
            EXPECT_EQ(sets[0].bindings[0].oid, c.oid);
            EXPECT_EQ(sim->value(c.oid), std::string("INTEGER ") + c.accepted);
            page->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(c.row))->setChecked(false);
        }
    });
}

TEST_F(MenuWindow, LldpListsWriteTheirOneWritableColumnAtTheSelectedRowsInstance) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        int line;
        int row;  // the writable row of the Edit dialog
        const char* text;
        std::string oid;
        const char* stored;
    };
    const Case cases[] = {
        // Keyed by the management address: its subtype, then the address with its length.
        {"ConfigAddress2Click", 0, 2, "ff000000", "1.0.8802.1.1.2.1.1.7.1.1.1.4.10.90.90.90", "STRING 0xff000000"},
        {"PortVlan1Click", 2, 1, "false", "1.0.8802.1.1.2.1.5.32962.1.1.1.1.1.3", "INTEGER 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        sim->clearLog();
        withPage(c.handler, [&](TConfigForm* page) {
            QTreeWidget* lines = linesOf(page);
            ASSERT_GT(lines->topLevelItemCount(), c.line);
            auto* panel = page->findChild<TSNMPListViewPanel*>();
            lines->setCurrentItem(lines->topLevelItem(c.line));
            panel->ListClick(true);
            whenModal([&](QWidget* modal) {
                if (modal->objectName() != "EditDialog") return false;
                QWidget* editor = modal->findChild<QWidget*>(QStringLiteral("RowEdit%1").arg(c.row));
                if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->setText(c.text);
                else qobject_cast<QComboBox*>(editor)->setCurrentText(c.text);
                modal->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(c.row))->setChecked(true);
                modal->findChild<QPushButton*>("SetButton")->click();
                if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
                return true;
            });
            panel->EditClick();
        });
        const auto sets = ofKind(sim->log(), "SET");
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].bindings.size(), 1u);
        EXPECT_EQ(sets[0].bindings[0].oid, c.oid);
        EXPECT_EQ(sim->value(c.oid), c.stored);
    }
}

TEST_F(MenuWindow, ErpsLogStateIsWrittenToItsOwnObjectAndLeavesTheTrapState) {
    ASSERT_TRUE(open());
    const std::string trap = E + ".12.78.1.2.0", log = E + ".12.78.1.3.0";
    sim->setValue(trap, "INTEGER 1");
    sim->setValue(log, "INTEGER 1");
    withPage("GlobalSettings4Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "EPRS Global Settings: 127.0.0.1");
        auto* combo = page->findChild<QComboBox*>("RowEdit2");
        combo->setCurrentIndex(combo->findText("disabled"));
        page->findChild<QAbstractButton*>("RowCheck2")->setChecked(true);
        sim->clearLog();
        page->findChild<QPushButton*>("SetButton")->click();
    });
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 1u);
    EXPECT_EQ(sets[0].bindings[0].oid, log);
    EXPECT_EQ(sim->value(log), "INTEGER 2");
    EXPECT_EQ(sim->value(trap), "INTEGER 1");
}

TEST_F(MenuWindow, ErpsRingsAreDestroyedAndCreatedThroughTheirRowStatusColumn) {
    ASSERT_TRUE(open());
    const std::string status = E + ".12.78.3.1.1.100.4000";
    sim->clearLog();
    expectRowsDeleteAndAddBack(std::span(&pageOf(Layer2RingMenuPages(), "VLANTable3Click"), 1));
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 2u);
    struct Case {
        const char* step;
        std::string value;
    };
    const Case cases[] = {{"Delete", "6"}, {"Add", "4"}};
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(cases[i].step);
        ASSERT_EQ(sets[i].bindings.size(), 1u);
        EXPECT_EQ(sets[i].bindings[0].oid, status);
        EXPECT_EQ(sets[i].bindings[0].value, cases[i].value);
    }
    EXPECT_EQ(sim->value(status), "INTEGER 1");
}

TEST_F(MenuWindow, ErpsVlanRangeListOfANewRingIsWrittenAtItsOwnLengthAndARefusedOneSaysSet) {
    ASSERT_TRUE(open());
    const TMenuPage& erps = pageOf(Layer2RingMenuPages(), "VLANTable3Click");
    const std::unique_ptr<TConfigForm> page = BuildMenuPage(*form, erps.Page, erps.Tweaks);
    page->show();
    ASSERT_TRUE(waitUntil([&] { return pageIdle(page.get()) && statusLine(page.get()).contains("Ok!"); }));
    auto* panel = page->findChild<TSNMPListViewPanel*>();
    constexpr int RangeList65 = 16;  // "Protection VLAN Range List 65-128"
    struct Case {
        const char* ranges;
        const char* statusStart;
    };
    // Nothing was read for a ring being added: the list still has its 64 VLANs.
    for (const Case c : {Case{"1-70", "Set:  Please enter"}, Case{"1-3", "Set: Ok!"}}) {
        SCOPED_TRACE(c.ranges);
        whenModal([&](QWidget* modal) {
            if (modal->objectName() != "AddDialog") return false;
            modal->findChild<QPushButton*>("ClearChecksButton")->click();
            modal->findChild<QLineEdit*>("RowEdit0")->setText("4005");
            modal->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(RangeList65))->setText(c.ranges);
            modal->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(RangeList65))->setChecked(true);
            modal->findChild<QAbstractButton*>("RowCheck23")->setChecked(true);
            modal->findChild<QPushButton*>("SetButton")->click();
            EXPECT_EQ(statusLine(page.get()).left(int(strlen(c.statusStart))).toStdString(), c.statusStart)
                << statusLine(page.get()).toStdString();
            if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        panel->AddClick();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page.get()); }));
    }
    EXPECT_EQ(sim->value(E + ".12.78.3.1.1.17.4005"), "STRING 0xe000000000000000");
    page->reject();
}

TEST_F(MenuWindow, ErpsGlobalSettingsAreTwentyScaledPixelsTallerThanTheirRows) {
    ASSERT_TRUE(open());
    const TMenuPage& erps = pageOf(Layer2RingMenuPages(), "GlobalSettings4Click");
    TPageTweaks plain = erps.Tweaks;
    plain.HeightPlus = 0;
    const int fitted = BuildMenuPage(*form, erps.Page, plain)->height();
    for (float scale : {1.0f, 1.25f}) {
        SCOPED_TRACE(scale);
        form->ScaleFactor = scale;
        EXPECT_EQ(BuildMenuPage(*form, erps.Page, erps.Tweaks)->height(), fitted + int(20 * scale));
    }
}

TEST_F(MenuWindow, RouteRedistributionMetricTakesTwoDigitsAndCreateOnlyTablesOfferNoEdit) {
    ASSERT_TRUE(open());
    withPage("RouteRedistributionTable1Click", [&](TConfigForm* page) {
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        auto* metric = qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[2].Control);
        EXPECT_EQ(metric->maxLength(), 2);
        EXPECT_TRUE(panel->ButtonPanel->EditButton->isVisibleTo(page));
        // The Add and Edit dialogs borrow this row: a metric beyond 16 is refused when the field is left.
        struct Case {
            const char* typed;
            bool kept;
        };
        for (const Case c : {Case{"17", false}, Case{"16", true}, Case{"0", true}}) {
            SCOPED_TRACE(c.typed);
            MessageBoxes boxes;
            metric->setText(c.typed);
            QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(metric, &leave);
            EXPECT_EQ(boxes.Texts.isEmpty(), c.kept);
            EXPECT_EQ(metric->text() == c.typed, c.kept);
        }
    });
    for (const char* handler : {"PIMCandidateRPTable1Click", "PIMRegisterChecksumIncludingDataTable1Click",
                                "PIMStaticRPTable1Click", "TunnelTable1Click"}) {
        SCOPED_TRACE(handler);
        withPage(handler, [&](TConfigForm* page) {
            auto* panel = page->findChild<TSNMPListViewPanel*>();
            EXPECT_FALSE(panel->ButtonPanel->EditButton->isVisibleTo(page));
            EXPECT_TRUE(panel->ButtonPanel->AddButton->isVisibleTo(page));
            EXPECT_TRUE(panel->ButtonPanel->DeleteButton->isVisibleTo(page));
        });
    }
}

TEST_F(MenuWindow, DialogItemsOfTheRingAndRoutingMenusOpenTheirDialogWithItsCaption) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* className;
        QString caption;
    };
    const Case cases[] = {
        {"PortConfig2Click", "TLLDPPortConfigForm", "LLDP Port Configuration Table: 127.0.0.1"},
        {"SystemData1Click", "TLLDPLocSysDataForm", "LLDP Local System Data: 127.0.0.1"},
        {"RemoteTAble1Click", "TLLDPRemoteForm", "LLDP Remote System Data Remote Table: 127.0.0.1"},
        {"VLanName1Click", "TLLDPConfigVLANNameForm", "LLDP Dot1 Configuration VLAN Name Table: 127.0.0.1"},
        {"PotocolVlan1Click", "TLLDPConfigProtocolVLANForm", "LLDP Dot1 Configuration Protocol VLAN  Table: 127.0.0.1"},
        {"Protocol1Click", "TLLDPConfigProtocolForm", "LLDP Dot1 Configuration Protocol Table: 127.0.0.1"},
        {"PortConfigTable1Click", "TLLDPDot3PortConfigForm", "LLDP Dot3 Port Configuration Table: 127.0.0.1"},
        {"MulticastFdbTable1Click", "TNLBUnicastFDBForm", "NLB Multicast FDB Settings: 127.0.0.1"},
        {"OSPFECMPManagement1Click", "TECMPManagementForm", "OSPF ECMP Management: 127.0.0.1"},
        {"IPv6StaticRoute1Click", "TIpv6StaticRouteForm", "IPv6 Static Route Table: 127.0.0.1"},
        {"ARPControlIPv61Click", "TARPIPV6ControlForm", "IPv6 Static Route Neighbor Cache Table: 127.0.0.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        QString caption;
        QWidget* owner = form.get();
        bool reachable = false;
        whenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!dialog) return false;
            caption = dialog->windowTitle();
            owner = dialog->parentWidget();
            reachable = ExportedDialog(c.className) == dialog;
            dialog->reject();
            return true;
        });
        form->RunMenuHandler(c.handler);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(owner, nullptr) << "owned by the application";
        EXPECT_TRUE(reachable);
        EXPECT_EQ(ExportedDialog(c.className), nullptr);
    }
}

TEST_F(MenuWindow, TheRoutingProfileLeavesOnlyTheRoutesRipAndIpv6ItemsOfTheSecondHalfAndEmptyItemsDoNothing) {
    ASSERT_TRUE(open());
    auto shown = [&](const TMainMenuEntry& e) {
        for (const TMainMenuEntry* at = &e; at; at = at->Parent ? entriesByName().at(at->Parent) : nullptr)
            if (!item(at->Name)->isVisible()) return false;
        return true;
    };
    const std::set<std::string> visible{"RouteRedistributionTable1", "RoutePreferenceTable1", "N34", "RIPng1",
                                        "RIP2RFC17241", "N10", "IPManagement2", "IPv6StaticRoute1", "TunnelTable1",
                                        "ARPControlIPv61", "IPv6NeighborCacheDeleteAction1"};
    std::set<std::string> seen;
    for (const TMainMenuEntry* e : routingStretch()) {
        SCOPED_TRACE(e->Name);
        ASSERT_TRUE(item(e->Name));
        if (shown(*e)) seen.insert(e->Name);
    }
    EXPECT_EQ(seen, visible);
    EXPECT_FALSE(item("OSPFTrap1")->isVisible());

    // The items left without a page: each is hidden, and running its handler neither opens a window nor
    // asks the device anything.
    int empty = 0;
    for (const TMainMenuEntry* e : routingStretch()) {
        if (!e->Handler || e->Kind != TMenuKind::Item) continue;
        const std::string handler = e->Handler;
        bool page = false;
        for (const TMenuPage& p : Layer3RoutingMenuPages()) page |= handler == p.Handler;
        if (page || visible.contains(e->Name) || handler == "OSPFECMPManagement1Click") continue;
        SCOPED_TRACE(handler);
        ++empty;
        EXPECT_FALSE(shown(*e));
        sim->clearLog();
        bool opened = false;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (auto* modal = QApplication::activeModalWidget()) {
                opened = true;
                qobject_cast<QDialog*>(modal)->reject();
            }
        });
        probe.start(5);
        form->RunMenuHandler(handler);
        EXPECT_FALSE(opened);
        EXPECT_TRUE(sim->log().empty());
    }
    EXPECT_EQ(empty, 24);
}

TEST_F(MenuWindow, HiddenLldpItemsStillOpenTheirPagesWhenCalled) {
    ASSERT_TRUE(open());
    struct Case {
        const char* item;
        const char* handler;
        QString caption;
    };
    const Case cases[] = {
        {"OrgDefineInfoTable1", "OrgDefineInfoTable1Click", "Remote Organization Information Table: 127.0.0.1"},
        {"PowerTable2", "PowerTable2Click", "Local Power Table: 127.0.0.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        EXPECT_FALSE(item(c.item)->isVisible());
        QString caption;
        withPage(c.handler, [&](TConfigForm* page) { caption = page->windowTitle(); });
        EXPECT_EQ(caption, c.caption);
    }
}
