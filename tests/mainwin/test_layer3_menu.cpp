// The first half of the "Layer 3" menu against the simulator serving every table: its generated and
// tabbed pages, the dialogs it opens, the items the profiles hide and the empty handler.
#include "CtrlBtnPanel.h"
#include "DialogOpeners.h"
#include "EditsPanel.h"
#include "GUIConfigForm.h"
#include "ListViewPanel.h"
#include "MainMenuTable.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MenuWindow.h"
#include "PageTestSupport.h"
#include "SNMPEditorPanel.h"
#include "SNMPListViewPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string E = "1.3.6.1.4.1.32473";

// The entries of the menu's first half in menu order: everything below "Layer 3" before the separator N11.
std::vector<TMainMenuEntry> firstHalf() {
    std::set<std::string> inside{"Layer3Management1"};
    std::vector<TMainMenuEntry> entries;
    for (const auto& e : mainMenuTable()) {
        if (!e.Parent || !inside.contains(e.Parent)) continue;
        if (std::string(e.Name) == "N11") break;
        if (e.Kind == TMenuKind::Submenu) inside.insert(e.Name);
        entries.push_back(e);
    }
    return entries;
}

// Runs `act` and reports whether a modal window other than `besides` came up meanwhile; any that
// does is closed at once.
bool opensAWindow(const std::function<void()>& act, QWidget* besides = nullptr) {
    bool opened = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || modal == besides) return;
        opened = true;
        modal->reject();
    });
    closer.start(5);
    act();
    QCoreApplication::processEvents();
    closer.stop();
    return opened;
}

const TMenuPage& pageOf(std::string_view handler) {
    for (const TMenuPage& p : Layer3MenuPages())
        if (p.Handler == handler) return p;
    throw std::out_of_range(std::string(handler));
}

const TMenuTabbedPage& tabbedPageOf(std::string_view handler) {
    for (const TMenuTabbedPage& p : Layer3MenuTabbedPages())
        if (p.Handler == handler) return p;
    throw std::out_of_range(std::string(handler));
}

int indexColumns(const KySNMPVarDesc* table) {
    int count = 0;
    for (const KySNMPVarDesc* v = table; v->Oid; ++v)
        if ((v->Access & afReadWrite) == 0 && (v->Access & afNotAccess)) ++count;
    return count;
}

}  // namespace

TEST(MainMenuTable, EveryItemOfTheFirstLayer3HalfHasItsHandler) {
    const auto entries = firstHalf();
    EXPECT_EQ(entries.size(), 59u) << "from \"Layer 3 Device Global Settings\" to \"DHCPv6 Relay\"";
    int items = 0;
    for (const auto& e : entries) {
        if (!e.Handler) continue;
        SCOPED_TRACE(e.Handler);
        ++items;
        EXPECT_TRUE(FindMenuHandler(e.Handler));
    }
    EXPECT_EQ(items, 48);
    EXPECT_EQ(Layer3MenuPages().size(), 38u);
    EXPECT_EQ(Layer3MenuTabbedPages().size(), 3u);

    // A published handler no item is bound to.
    EXPECT_TRUE(FindMenuHandler("IPStaticRoute1Click"));
    for (const auto& e : mainMenuTable())
        EXPECT_FALSE(e.Handler && std::string(e.Handler) == "IPStaticRoute1Click") << e.Name;
}

TEST(MainMenuTable, Layer3PagesKeyEveryIndexColumnOfTheirTables) {
    std::vector<std::pair<std::string, const TTablePage*>> pages;
    for (const TMenuPage& p : Layer3MenuPages()) pages.emplace_back(p.Handler, &p.Page);
    for (const TMenuTabbedPage& p : Layer3MenuTabbedPages())
        for (const TPageTab& tab : p.Tabs) pages.emplace_back(std::string(p.Handler) + " > " + tab.Caption, &tab.Page);
    for (const auto& [name, page] : pages) {
        SCOPED_TRACE(name);
        EXPECT_EQ(page->KeyCount, page->ItemType == SVT_SV ? 0 : indexColumns(page->Table));
    }
}

TEST_F(MenuWindow, EveryGeneratedLayer3PageOfTheFirstHalfOpensAndReadsItsTables) {
    ASSERT_TRUE(open());
    expectPagesOpen(Layer3MenuPages());
    expectTabbedPagesOpen(Layer3MenuTabbedPages());
}

TEST_F(MenuWindow, Layer3RowCreationPagesAndTabsDeleteARowAndAddItBack) {
    ASSERT_TRUE(open());
    expectRowsDeleteAndAddBack(Layer3MenuPages());
    expectTabRowsDeleteAndAddBack(Layer3MenuTabbedPages());
}

TEST_F(MenuWindow, TheRoutingProfileHidesMd5AndLoopbackAndTheFilterTablesNeverShow) {
    ASSERT_TRUE(open());
    const std::set<std::string> hidden{"MD5Table1", "LoopBackIPControl1", "FilterNetBios1", "FilterExternNetBIOSTable1",
                                       "FilterLayer3ControlPacketTable1"};
    for (const auto& e : firstHalf()) {
        SCOPED_TRACE(e.Name);
        ASSERT_TRUE(item(e.Name));
        EXPECT_EQ(item(e.Name)->isVisible(), !hidden.contains(e.Name));
    }
}

TEST_F(MenuWindow, Md5InformationDoesNothing) {
    ASSERT_TRUE(open());
    sim->clearLog();
    EXPECT_FALSE(opensAWindow([&] { form->RunMenuHandler("MD5Table1Click"); }));
    EXPECT_TRUE(sim->log().empty());
}

TEST_F(MenuWindow, Layer3DialogsOpenWithTheirCaptionOwnerAndExportedPointer) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        const char* className;
        QString caption;
        bool mainWindowOwns;
        bool exported;
    };
    const Case cases[] = {
        {"IPControlTable1Click", "TIpCtrlForm", "IP Control Table: 127.0.0.1", false, true},
        {"IPStaticRoutingtable1Click", "TIpStaticRouteForm", "IP Static Route Table: 127.0.0.1", false, true},
        {"IPStaticRoute1Click", "TIpStaticRouteForm", "IP Static Route: 127.0.0.1", false, true},
        {"DHCPServerPoolTable1Click", "TDHCPPoolForm", "DHCP Management Pool Table: 127.0.0.1", false, true},
        {"BOOTPCtrlTable1Click", "TBOOTCtrlTableForm", "DHCP/BOOTP Relay Control Table: 127.0.0.1", true, true},
        {"FilterDHCPPermitTable1Click", "TFilterDHCPPermitForm", "DHCP Server Filter Permit Table: 127.0.0.1", false,
         false},
        {"DNSCtrlTable1Click", "TDNSCtrlForm", "DNS Relay Control Table: 127.0.0.1", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        QString caption;
        QWidget* owner = nullptr;
        QDialog* reachable = nullptr;
        bool seen = false;
        whenModal([&](QWidget* modal) {
            seen = true;
            caption = modal->windowTitle();
            owner = modal->parentWidget();
            reachable = ExportedDialog(c.className);
            EXPECT_EQ(reachable != nullptr, c.exported);
            if (reachable) {
                EXPECT_EQ(reachable, modal);
            }
            qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        form->RunMenuHandler(c.handler);
        EXPECT_TRUE(seen);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(owner, c.mainWindowOwns ? static_cast<QWidget*>(form.get()) : nullptr);
        EXPECT_EQ(ExportedDialog(c.className), nullptr) << "no pointer outlives its dialog";
    }
}

TEST_F(MenuWindow, Layer3TablesWithEditHiddenOnlyCreateAndDestroyRows) {
    ASSERT_TRUE(open());
    const std::set<std::string> editHidden{
        "IPMulticaststaticroute1Click",        "InterfaceConfigureTable1Click", "DHCPServerExcludedAddressTable1Click",
        "DHCPServerBindingTable1Click",        "ManualBindingTable1Click",      "ExcludedAddressTable1Click",
        "StaticNameServerTable1Click",         "StaticHostTable1Click"};
    int hidden = 0;
    for (const TMenuPage& p : Layer3MenuPages()) {
        if (p.Page.AddText.empty()) continue;
        SCOPED_TRACE(p.Handler);
        const std::unique_ptr<TConfigForm> page = BuildMenuPage(*form, p.Page, p.Tweaks);
        page->show();
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page.get()) && statusLine(page.get()).contains("Ok!"); }));
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        const bool noEdit = editHidden.contains(p.Handler);
        hidden += noEdit;
        EXPECT_EQ(panel->ButtonPanel->EditButton->isHidden(), noEdit);
        EXPECT_FALSE(panel->ButtonPanel->AddButton->isHidden());
        EXPECT_FALSE(panel->ButtonPanel->DeleteButton->isHidden());
        QTreeWidget* lines = panel->ListViewPanel->ListView;
        ASSERT_GT(lines->topLevelItemCount(), 0);
        lines->setCurrentItem(lines->topLevelItem(0));
        panel->ListClick(true);
        const bool edits = opensAWindow([&] { emit lines->itemDoubleClicked(lines->topLevelItem(0), 0); }, page.get());
        EXPECT_EQ(edits, !noEdit) << "a double click opens the Edit dialog only where Edit shows";
        page->reject();
    }
    EXPECT_EQ(hidden, int(editHidden.size()));
}

TEST_F(MenuWindow, Layer3SettingsLimitTheirNumbersAndASetReachesTheSwitch) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        int row;
        int maxLength;
    };
    const Case cases[] = {
        {"ARPAgingTime2Click", 0, 5},
        {"DHCPServerControl1Click", 1, 2},
        {"DHCPServerControl1Click", 2, 4},
        {"BOOTPBasicConfiguration1Click", 1, 2},
        {"BOOTPBasicConfiguration1Click", 2, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + " row " + std::to_string(c.row));
        withPage(c.handler, [&](TConfigForm* page) {
            auto* edit = qobject_cast<QLineEdit*>(page->findChild<TSNMPEditorPanel*>()->EditsPanel->Rows[std::size_t(c.row)].Control);
            ASSERT_TRUE(edit);
            EXPECT_EQ(edit->maxLength(), c.maxLength);
        });
    }

    // Each bound refuses the value just past it when the field is left, and the value read comes back.
    struct Refusal {
        const char* handler;
        int row;
        const char* bad;
        const char* message;
    };
    const Refusal refusals[] = {
        {"ARPAgingTime2Click", 0, "65536", " Please enter a number between 0 and 65535!"},
        {"DHCPServerControl1Click", 1, "1", " Please enter a number between 2 and 10!"},
        {"DHCPServerControl1Click", 1, "11", " Please enter a number between 2 and 10!"},
        {"DHCPServerControl1Click", 2, "499", " Please enter a number between 500 and 2000!"},
        {"DHCPServerControl1Click", 2, "2001", " Please enter a number between 500 and 2000!"},
        {"BOOTPBasicConfiguration1Click", 1, "0", " Please enter a number between 1 and 16!"},
        {"BOOTPBasicConfiguration1Click", 1, "17", " Please enter a number between 1 and 16!"},
        {"BOOTPBasicConfiguration1Click", 2, "65536", " Please enter a number between 0 and 65535!"},
    };
    for (const Refusal& c : refusals) {
        SCOPED_TRACE(std::string(c.handler) + " row " + std::to_string(c.row) + " " + c.bad);
        withPage(c.handler, [&](TConfigForm* page) {
            auto* edit = page->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(c.row));
            ASSERT_TRUE(edit);
            const QString read = edit->text();
            EXPECT_EQ(leaveFieldWith(edit, c.bad).toStdString(), c.message);
            EXPECT_EQ(edit->text(), read);
        });
    }

    const std::string aging = E + ".11.70.1.3.2.4.0";
    withPage("ARPAgingTime2Click", [&](TConfigForm* page) {
        auto* panel = page->findChild<TSNMPEditorPanel*>();
        qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[0].Control)->setText("600");
        sim->clearLog();
        panel->ButtonPanel->SetButton->click();
        EXPECT_TRUE(waitUntil([&] { return pageIdle(page) && statusLine(page).startsWith("Set: Ok!"); }))
            << statusLine(page).toStdString();
    });
    EXPECT_EQ(sim->value(aging), "INTEGER 600");
}

TEST_F(MenuWindow, TheTunnelInterfaceTableShowsTheIndexOfEachRowFirst) {
    ASSERT_TRUE(open());
    withPage("IPTu1Click", [&](TConfigForm* page) {
        QTreeWidget* lines = page->findChild<TSNMPListViewPanel*>()->ListViewPanel->ListView;
        EXPECT_EQ(lines->headerItem()->text(0), "IF Index");
        ASSERT_GT(lines->topLevelItemCount(), 0);
        ASSERT_EQ(lines->topLevelItemCount(), 2);
        EXPECT_EQ(lines->topLevelItem(0)->text(0).toStdString(), "1001");
        EXPECT_EQ(lines->topLevelItem(0)->text(2).toStdString(), "172.16.0.1");
        EXPECT_EQ(lines->topLevelItem(1)->text(0).toStdString(), "1002");
    });
}

TEST_F(MenuWindow, TheDhcpv6RelayInformationTabKeysEachServerByInterfaceTypeAndImpliedAddress) {
    ASSERT_TRUE(open());
    const std::unique_ptr<TConfigForm> page = BuildTabbedPage(*form, tabbedPageOf("HopCount1Click"));
    page->show();
    page->PageControl->setCurrentIndex(2);
    QWidget* sheet = page->PageControl->widget(2);
    ASSERT_TRUE(waitUntil([&] { return pageIdle(page.get()) && statusLine(sheet).contains("Ok!"); }));
    QTreeWidget* lines = sheet->findChild<QTreeWidget*>();
    std::vector<std::string> rows;
    for (int r = 0; r < lines->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < lines->columnCount(); ++c) cells << lines->topLevelItem(r)->text(c);
        rows.push_back(cells.join("|").toStdString());
    }
    EXPECT_EQ(rows, (std::vector<std::string>{"ipif10|ipv6|20010DB8010000000000000000000005|active",
                                              "ipif10|ipv6|20010DB8010000000000000000000006|active",
                                              "ipif20|ipv6|20010DB8010000000000000000000005|active"}));
    page->reject();
    EXPECT_TRUE(page->Requests.empty()) << "closing the page frees the request of every tab";
}

TEST_F(MenuWindow, TabbedLayer3PagesShowTheirTabsButtonsAndFixedSizes) {
    ASSERT_TRUE(open());
    // Fixed sizes of tabbed pages are not scaled.
    form->ScaleFactor = 1.25f;
    struct Tab {
        QString caption;
        bool list;
        bool editHidden;
        bool stopShown;
    };
    struct Case {
        const char* handler;
        QString caption;
        std::vector<Tab> tabs;
        int height;  // 0: as built
        int width;
    };
    const Case cases[] = {
        {"Option601Click",
         "DHCP Relay Option60 Settings: 127.0.0.1",
         {{"Global Settings", false, false, false},
          {"Default Table", true, true, false},
          {"Option60 Table", true, true, false}},
         350,
         0},
        {"Option611Click",
         "DHCP Relay Option61 Settings: 127.0.0.1",
         {{"Global Settings", false, false, false}, {"Option61 Table", true, true, true}},
         350,
         0},
        {"HopCount1Click",
         "DHCPv6 Relay Settings: 127.0.0.1",
         {{"Hop Count", false, false, false},
          {"Control Table", true, false, false},
          {"Information Table", true, true, true}},
         0,
         650},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withPage(c.handler, [&](TConfigForm* page) {
            EXPECT_EQ(page->windowTitle(), c.caption);
            ASSERT_EQ(page->PageControl->count(), int(c.tabs.size()));
            for (int i = 0; i < int(c.tabs.size()); ++i) {
                const Tab& tab = c.tabs[std::size_t(i)];
                SCOPED_TRACE(tab.caption.toStdString());
                EXPECT_EQ(page->PageControl->tabText(i), tab.caption);
                QWidget* sheet = page->PageControl->widget(i);
                auto* list = sheet->findChild<TSNMPListViewPanel*>();
                ASSERT_EQ(list != nullptr, tab.list);
                if (!list) continue;
                EXPECT_EQ(list->ButtonPanel->EditButton->isHidden(), tab.editHidden);
                EXPECT_EQ(list->ButtonPanel->StopButton->isHidden(), !tab.stopShown);
                EXPECT_FALSE(list->ButtonPanel->RefreshButton->isHidden());
                EXPECT_FALSE(list->ButtonPanel->CloseButton->isHidden());
            }
            if (c.height) {
                EXPECT_EQ(page->height(), c.height);
            }
            if (c.width) {
                EXPECT_EQ(page->width(), c.width);
            }
        });
    }
}

TEST_F(MenuWindow, Layer3PagesTakeTheirCaptionsAndScaledSizes) {
    ASSERT_TRUE(open());
    form->ScaleFactor = 1.25f;
    struct Case {
        const char* handler;
        QString caption;
        int height;     // 0: as built
        int widthPlus;  // over the page built without it
    };
    const Case cases[] = {
        // The blank before the colon belongs to the caption.
        {"FilterDHCPServerLogManagement1Click", "DHCP Server Filter Log Management : 127.0.0.1", 0, 0},
        {"FilterNetBios1Click", "Filter NetBIOS Table : 127.0.0.1", 0, 0},
        {"FilterExternNetBIOSTable1Click", "Filter Extensive NetBIOS Table : 127.0.0.1", 0, 0},
        {"FilterLayer3ControlPacketTable1Click", "Filter Layer3 Control Packet Table : 127.0.0.1", 0, 0},
        {"DHCPServerExcludedAddressTable1Click", "DHCP Management Excluded Address Table: 127.0.0.1", 0, 0},
        {"FilterDHCPPortTable1Click", "DHCP Server Filter Port Table: 127.0.0.1", 0, 0},
        {"IPTu1Click", "IP Tunnel Interface Table: 127.0.0.1", 0, 0},
        {"InterfaceConfigureTable1Click", "IP Tunnel Interface Configure: 127.0.0.1", 0, 0},
        {"IPv6AddressControl1Click", "IPv6 Address Control Table: 127.0.0.1", 562, 0},
        {"IPv6ControlTable1Click", "IPv6 Control Table: 127.0.0.1", 562, 0},
        {"ControlTable2Click", "DHCPv6 Server Control Table: 127.0.0.1", 562, 0},
        {"BindingTable2Click", "DHCPv6 Server Binding Table: 127.0.0.1", 562, 0},
        {"VLANTable2Click", "DHCP Local Relay VLAN Table: 127.0.0.1", 562, 0},
        {"DynamicBindingTable1Click", "DHCP Management Dynamic Binding Table: 127.0.0.1", 562, 125},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        const TMenuPage& p = pageOf(c.handler);
        const std::unique_ptr<TConfigForm> page = BuildMenuPage(*form, p.Page, p.Tweaks);
        EXPECT_EQ(page->windowTitle(), c.caption);
        if (c.height) {
            EXPECT_EQ(page->height(), c.height);
        }
        const std::unique_ptr<TConfigForm> plain = BuildMenuPage(*form, p.Page);
        EXPECT_EQ(page->width() - plain->width(), c.widthPlus);
    }
}
