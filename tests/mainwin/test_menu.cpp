// The main menu: its table, the profiles and the gating by device state, and the handlers of the
// Configuration, Single IP, sFlow and Help menus against the simulator serving every table.
#include "CtrlBtnPanel.h"
#include "DialogOpeners.h"
#include "EditsPanel.h"
#include "GUIConfigForm.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPTarget.h"
#include "ListViewPanel.h"
#include "MainMenuTable.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MenuPages.h"
#include "MenuWindow.h"
#include "MibTables.h"
#include "MessageBoxes.h"
#include "MsgPanel.h"
#include "PageTestSupport.h"
#include "SNMPListViewPanel.h"
#include "SimAgent.h"
#include "StackingPortUitForm.h"
#include "SuiteFolderTest.h"
#include "ViewerLaunch.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <map>
#include <set>

namespace {

const std::string E = "1.3.6.1.4.1.32473";

std::string pathOf(const TMainMenuEntry& entry) {
    std::map<std::string, const TMainMenuEntry*> byName;
    for (const auto& e : mainMenuTable()) byName[e.Name] = &e;
    std::string path = entry.Caption;
    for (const char* p = entry.Parent; p; p = byName.at(p)->Parent) path = std::string(byName.at(p)->Caption) + " > " + path;
    return path;
}

const TMainMenuEntry* entryNamed(const std::string& name) {
    for (const auto& e : mainMenuTable())
        if (name == e.Name) return &e;
    return nullptr;
}

// The top menu an entry lies in.
std::string topOf(const TMainMenuEntry& entry) {
    const TMainMenuEntry* e = &entry;
    while (e->Parent) e = entryNamed(e->Parent);
    return e->Name;
}

}  // namespace

TEST(MainMenuTable, HoldsEveryItemOnceUnderMenusDefinedBeforeIt) {
    const auto table = mainMenuTable();
    EXPECT_EQ(table.size(), 655u) << "the 654 listed items and the \"Layer 2 \" top menu";
    std::set<std::string> names, submenus;
    std::vector<std::string> tops;
    for (const auto& e : table) {
        SCOPED_TRACE(e.Name);
        EXPECT_TRUE(names.insert(e.Name).second) << "component names are unique";
        if (e.Parent) EXPECT_TRUE(submenus.contains(e.Parent)) << "the parent is a submenu listed before";
        else tops.push_back(e.Caption);
        if (e.Kind == TMenuKind::Submenu) submenus.insert(e.Name);
        if (e.Kind == TMenuKind::Separator) {
            EXPECT_STREQ(e.Caption, "-");
        }
    }
    EXPECT_EQ(tops, (std::vector<std::string>{"Configuration", "RMON", "Bridge", "VLAN", "SNMP v3", "Security",
                                              "Layer 2 ", "Layer 3", "Single IP", "sFlow", "Help"}));
    struct Case {
        const char* name;
        const char* path;
        const char* handler;
        bool visible;
    };
    const Case cases[] = {
        {"Information3", "Configuration > Device Management > System Information", "Information3Click", true},
        {"MoudleBasicConfiguration1", "Configuration > Moudle Basic Configuration", nullptr, false},
        {"ARPManagementInfomation1",
         "Configuration > Agent Management > Gratuitous ARP Management > Gratuitous ARP Management  Information",
         "ARPManagementInfomation1Click", true},
        {"RefreshPanel1", "Configuration > Refresh Panel", "RefreshPanel1Click", true},
        {"RefreshPanel2", "Configuration > Device Management > Refresh Panel", "RefreshPanel1Click", false},
        {"NetworkSettings1", "Security > Compound Authentication > Network\n Settings", "NetworkSettings1Click", true},
        {"JumboFrameCtrl1", "Layer 2  > Port Management > Jumbo Frame Control", "JumboFrameCtrl1Click", true},
        {"AllInterfaceState1", "Layer 3 > IP Management > All Interface State", "AllInterfaceState1Click", true},
        {"MemberSwitch1", "Single IP > Member Switch", "MemberSwitch1Click", true},
        {"MSTrapMessage1", "Single IP > MS Trap Message", "MSTrapMessage1Click", false},
        {"CounterPoller1", "sFlow > Counter Poller", "CounterPoller1Click", true},
        {"Test", "Help > Test", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TMainMenuEntry* e = entryNamed(c.name);
        ASSERT_TRUE(e);
        EXPECT_EQ(pathOf(*e), c.path);
        EXPECT_EQ(e->Handler ? std::string(e->Handler) : "", c.handler ? std::string(c.handler) : "");
        EXPECT_EQ(e->Visible, c.visible);
    }
}

TEST(MainMenuTable, EveryItemWithAHandlerNameFindsItsHandler) {
    int items = 0;
    for (const auto& e : mainMenuTable()) {
        if (!e.Handler) continue;
        SCOPED_TRACE(e.Handler);
        ++items;
        EXPECT_TRUE(FindMenuHandler(e.Handler));
    }
    EXPECT_GT(items, 480);
    EXPECT_FALSE(FindMenuHandler("NoSuchItem1Click"));
}

TEST(MainMenuTable, EveryItemOfTheConfigurationSingleIpSFlowAndHelpMenusHasItsHandler) {
    int items = 0;
    for (const auto& e : mainMenuTable()) {
        const std::string top = topOf(e);
        if (!e.Handler || (top != "Configuration1" && top != "SingleIP1" && top != "SFLOW1" && top != "Help1")) continue;
        SCOPED_TRACE(e.Handler);
        ++items;
        EXPECT_TRUE(FindMenuHandler(e.Handler));
    }
    EXPECT_EQ(items, 81 + 11 + 2);
    EXPECT_EQ(ConfigurationMenuPages().size(), 56u);
    EXPECT_EQ(SingleIpMenuPages().size() + SFlowMenuPages().size(), 11u);
}

TEST_F(MenuWindow, BothProfilesHideTheItemsThisFamilyLacksWithoutARegistryKey) {
    ASSERT_TRUE(open());
    struct Case {
        const char* name;
        bool visible;
    };
    const Case cases[] = {
        {"MD5Table1", false},          {"OSPFRFC18501", false},       {"miVRRP", false},
        {"CIDR1", false},              {"SuperVLAN1", false},         {"FileSystemTable1", false},
        {"IGMPForwardingTable1", false}, {"MulticastRangeTable1", false}, {"POE1", false},
        {"FileSystem1", false},        {"AgentFileSystemManagement1", false},
        {"FileTable1", true},          {"AllInterfaceState1", true},  {"IPMulticastVLANReplication1", true},
        {"Multipleimagemanagement1", true}, {"MultipleConfigManagement1", true},
        {"AgentSuportedUpdateFiles1", true},
        // Items no profile touches keep the form's state.
        {"MSTrapMessage1", false},     {"PingTest1", false},          {"DeviceInformation1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(item(c.name));
        EXPECT_EQ(item(c.name)->isVisible(), c.visible);
    }
    EXPECT_EQ(item("NetworkSettings1")->text(), "Network\n Settings");
    EXPECT_EQ(form->menuBar()->actions().size(), 11);
}

TEST_F(MenuWindow, ItemsFollowTheStackModeThe8021xStateAndTheRmonState) {
    struct Case {
        const char* name;
        std::string oid;
        const char* value;
        std::vector<const char*> items;
        bool visibility;  // else enabling
        bool on;
    };
    const std::string rmon = E + ".11.70.1.2.1.2.4.0", dot1x = "1.0.8802.1.1.1.1.1.1.0", stack = E + ".12.11.1.2.0";
    const std::vector<const char*> rmonItems{"Statistics1", "History1", "AlarmEvent1"};
    const std::vector<const char*> unitItems{"Unitinformation1", "UnitTable1"};
    const Case cases[] = {
        {"RMON enabled", rmon, "INTEGER 3", rmonItems, false, true},
        {"RMON disabled", rmon, "INTEGER 2", rmonItems, false, false},
        {"802.1X enabled", dot1x, "INTEGER 1", {"Auth1"}, false, true},
        {"802.1X disabled", dot1x, "INTEGER 2", {"Auth1"}, false, false},
        {"stacking enabled", stack, "INTEGER 1", unitItems, true, true},
        {"stacking disabled", stack, "INTEGER 2", unitItems, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim->setValue(c.oid, c.value);
        ASSERT_TRUE(open());
        for (const char* name : c.items) {
            SCOPED_TRACE(name);
            EXPECT_EQ(c.visibility ? item(name)->isVisible() : item(name)->isEnabled(), c.on);
        }
        form.reset();
    }
}

TEST_F(MenuWindow, StackModeOtherLeavesTheUnitItemsAsTheFormHasThem) {
    sim->setValue(E + ".12.11.1.2.0", "INTEGER 3");
    ASSERT_TRUE(open());
    EXPECT_FALSE(item("Unitinformation1")->isVisible());
    EXPECT_TRUE(item("UnitTable1")->isVisible());
}

TEST_F(MenuWindow, TheSnmpV3MenuIsEnabledOnlyForVersion3) {
    for (int version : {0, 1, 3}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(open(version));
        EXPECT_EQ(item("VACM1")->isEnabled(), version == 3);
        form.reset();
    }
}

TEST_F(MenuWindow, ClosingRmonGlobalSettingsGatesTheRmonViewersAtOnce) {
    ASSERT_TRUE(open());
    ASSERT_TRUE(item("Statistics1")->isEnabled());
    withPage("RMONSetting1Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->windowTitle(), "RMON Global Settings: 127.0.0.1");
        sim->setValue(E + ".11.70.1.2.1.2.4.0", "INTEGER 2");
    });
    EXPECT_FALSE(item("Statistics1")->isEnabled());
    EXPECT_FALSE(item("History1")->isEnabled());
    EXPECT_FALSE(item("AlarmEvent1")->isEnabled());
}

TEST_F(MenuWindow, EveryGeneratedPageOpensWithItsCaptionAndReadsItsTable) {
    ASSERT_TRUE(open());
    for (auto list : {ConfigurationMenuPages(), SingleIpMenuPages(), SFlowMenuPages()}) expectPagesOpen(list);
}

TEST_F(MenuWindow, MemberSwitchOffersNoEditAndLimitsThePassword) {
    ASSERT_TRUE(open());
    withPage("MemberSwitch1Click", [&](TConfigForm* page) {
        auto* panel = page->findChild<TSNMPListViewPanel*>();
        EXPECT_FALSE(panel->ButtonPanel->EditButton->isVisibleTo(page));
        EXPECT_TRUE(panel->ButtonPanel->AddButton->isVisibleTo(page));
        EXPECT_EQ(qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[8].Control)->maxLength(), 16);
    });
}

TEST_F(MenuWindow, IfXTableReadsWithVersion2cAndTheSessionGoesBackToVersion1) {
    ASSERT_TRUE(open());
    sim->clearLog();
    withPage("IFXTable1Click", [&](TConfigForm*) {});
    const auto log = sim->log();
    ASSERT_FALSE(log.empty());
    for (const auto& entry : log) EXPECT_EQ(entry.version, "2c");
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
    sim->clearLog();
    withPage("DeviceInformation1Click", [&](TConfigForm*) {});
    for (const auto& entry : sim->log()) EXPECT_EQ(entry.version, "1");
}

// A real agent sends the 64-bit counters of the standard MIB's first columns as Counter32; only a value
// that is no unsigned number keeps the wrong-type marker.
TEST_F(MenuWindow, IfXTableShowsCountersOfAnotherUnsignedWidthAsNumbers) {
    const std::string Column = "1.3.6.1.2.1.31.1.1.1.";
    sim->setValue(Column + "2.1", "COUNTER32 4000000000");
    sim->setValue(Column + "3.2", "GAUGE32 17");
    sim->setValue(Column + "4.3", "INTEGER 5");
    ASSERT_TRUE(open());
    withPage("IFXTable1Click", [&](TConfigForm* page) {
        auto* list = page->findChild<TListViewPanel*>()->findChild<QTreeWidget*>();
        const auto cell = [&](const QString& name, const QString& label) { return listCell(list, name, label); };
        EXPECT_EQ(cell("name-1", "Multicast Packets Received"), "4000000000");
        EXPECT_EQ(cell("name-2", "Broadcast Packets Received"), "17");
        EXPECT_EQ(cell("name-3", "Multicast Packets Send"), "(WRONGTYPE)5");
        EXPECT_EQ(cell("name-1", "Broadcast Packets Send"), "11467301");
    });
}

TEST(Version2cGuard, PutsTheVersionBackWhenBuildingThePageFails) {
    struct Case {
        std::uint8_t version;
        std::uint8_t whileOpen;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{3, 3}}) {
        SCOPED_TRACE(int(c.version));
        DefaultSNMPSecurity.Version = c.version;
        try {
            const TVersion2cGuard guard(true);
            EXPECT_EQ(DefaultSNMPSecurity.Version, c.whileOpen);
            throw std::runtime_error("Can not set Var format to a ComboBox!");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(DefaultSNMPSecurity.Version, c.version);
    }
    DefaultSNMPSecurity.Version = 0;
}

TEST_F(MenuWindow, RowCreationPagesDeleteARowAndAddItBack) {
    ASSERT_TRUE(open());
    for (auto list : {ConfigurationMenuPages(), SingleIpMenuPages(), SFlowMenuPages()}) expectRowsDeleteAndAddBack(list);
}

TEST_F(MenuWindow, ADialogNotInThisBuildOpensAStandInWithTheCaption) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        QString caption;
    };
    const Case cases[] = {
        {"Test1Click", "Equipment Management Basic Information: 127.0.0.1"},
        {"SummerTime1Click", "Summer Time: 127.0.0.1"},
        {"About1Click", "About"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        QString caption, text;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<TUnavailablePage*>(modal);
            if (!page) return false;
            caption = page->windowTitle();
            text = page->findChild<QLabel*>("UnavailableText")->text();
            page->findChild<QPushButton*>("CloseButton")->click();
            return true;
        });
        form->RunMenuHandler(c.handler);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(text, "This page is not available in this build.");
    }
}

TEST_F(MenuWindow, ARegisteredDialogOpensReachableWhileOpenAndAFailureIsShownInABox) {
    ASSERT_TRUE(open());
    RegisterDialogOpener("TSystemLogHostForm", [](QWidget* owner) { return std::make_unique<QDialog>(owner); });
    QDialog* whileOpen = nullptr;
    QWidget* owner = nullptr;
    QString caption;
    whenModal([&](QWidget* modal) {
        whileOpen = ExportedDialog("TSystemLogHostForm");
        owner = modal->parentWidget();
        caption = modal->windowTitle();
        qobject_cast<QDialog*>(modal)->reject();
        return true;
    });
    form->RunMenuHandler("SystemLogServerTable1Click");
    EXPECT_TRUE(whileOpen);
    EXPECT_EQ(owner, form.get());
    EXPECT_EQ(caption, "System Log Server Table: 127.0.0.1");
    EXPECT_EQ(ExportedDialog("TSystemLogHostForm"), nullptr) << "the pointer is cleared with the dialog";

    RegisterDialogOpener("TTimeRangeForm", [](QWidget*) -> std::unique_ptr<QDialog> {
        throw std::runtime_error("Can not set Var format to a ComboBox!");
    });
    QString box;
    whenModal([&](QWidget* modal) {
        auto* b = qobject_cast<QMessageBox*>(modal);
        if (!b) return false;
        box = b->text();
        b->button(QMessageBox::Ok)->click();
        return true;
    });
    form->RunMenuHandler("TimeRange1Click");
    EXPECT_EQ(box, "Can not set Var format to a ComboBox!");
}

TEST_F(MenuWindow, AMenuMakesItsItemsWhenItFirstOpens) {
    ASSERT_TRUE(open());
    auto* help = form->findChild<QMenu*>("Help1");
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->actions().isEmpty());
    for (int opening = 0; opening < 2; ++opening) {
        help->popup(QPoint());
        QStringList names;
        for (const QAction* action : help->actions()) names << action->objectName();
        EXPECT_EQ(names, (QStringList{"Help2", "About1", "Test"}));
        EXPECT_FALSE(help->actions().last()->isVisible());
        help->close();
    }
}

TEST_F(MenuWindow, PortPopupPagesReadTheRowOfTheClickedPort) {
    ASSERT_TRUE(open());
    QToolButton* button = nullptr;
    for (QToolButton* b : form->PortButtons)
        if (b->toolTip() == "21.1") button = b;
    ASSERT_TRUE(button);
    struct Case {
        const char* action;
        QString caption;
        std::string column;
        const KySNMPVarDesc* table;
        int widthPlus;  // to the editors, then to the page widened by them
    };
    const Case cases[] = {
        {"PortInformation2", "Port Information Table: 127.0.0.1 / Port 21", E + ".11.70.1.2.3.1.1.3.21.1",
         PortInformationVars, 50},
        {"PortConfiguration1", "Port Configuration: 127.0.0.1 / Port 21", E + ".11.70.1.2.3.2.1.3.21.1",
         PortConfigurationVars, 82},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        form->PopupComponent = button;
        sim->clearLog();
        QString caption, status;
        int width = 0;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<TConfigForm*>(modal);
            if (!page || !pageIdle(page) || statusLine(page).isEmpty()) return false;
            caption = page->windowTitle();
            status = statusLine(page);
            width = page->width();
            page->reject();
            return true;
        });
        form->findChild<QAction*>(c.action)->trigger();
        EXPECT_EQ(caption, c.caption);
        const int widened = BuildMenuPage(*form, {"", c.table, MVT_SV, 0}, {.EditWidthPlus = c.widthPlus})->width();
        EXPECT_EQ(width, widened + c.widthPlus);
        EXPECT_TRUE(status.contains("Ok!")) << status.toStdString();
        bool asked = false;
        for (const auto& entry : sim->log())
            for (const auto& b : entry.bindings) asked |= b.oid == c.column;
        EXPECT_TRUE(asked);
        EXPECT_TRUE(button->isChecked()) << "the port stays pressed";
    }
    // A medium other than copper or fibre leaves the form's own caption.
    button->setToolTip("21.3");
    form->PopupComponent = button;
    QString caption;
    whenModal([&](QWidget* modal) {
        auto* page = qobject_cast<TConfigForm*>(modal);
        if (!page || !pageIdle(page) || statusLine(page).isEmpty()) return false;
        caption = page->windowTitle();
        page->reject();
        return true;
    });
    form->findChild<QAction*>("PortInformation2")->trigger();
    EXPECT_EQ(caption, "ConfigForm");
}

TEST_F(MenuWindow, ThePortSelectorOfAStandalone48PortSwitchShowsAll50Ports) {
    sim->setValue(E + ".12.11.1.9.4.1.9.1", "STRING \"TRV-5248\"");
    ASSERT_TRUE(open());
    const TPortSelectorDevice device = CurrentPortSelectorDevice();
    EXPECT_FALSE(device.Stacked);
    QWidget sheet;
    auto* selector = new TStackingPortUitForm;
    setupPortSelector(selector, &sheet, device);
    const auto& boxes = selector->PortCheckBoxes;
    EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(), [](QCheckBox* b) { return !b->isHidden(); }), 50);
    EXPECT_EQ(selector->UnitPageControl->tabText(0), "Unit1 TRV-5248");
}

TEST_F(MenuWindow, ScaledSizesAreTruncated) {
    ASSERT_TRUE(open());
    form->ScaleFactor = 1.25f;
    struct Case {
        const char* handler;
        int height;
    };
    for (const Case c : {Case{"UnitTable1Click", 562}, Case{"PortUlitization1Click", 450}, Case{"DRAMUili1Click", 300}}) {
        SCOPED_TRACE(c.handler);
        for (const TMenuPage& p : ConfigurationMenuPages())
            if (std::string(p.Handler) == c.handler) {
                EXPECT_EQ(BuildMenuPage(*form, p.Page, p.Tweaks)->height(), c.height);
            }
    }
    EXPECT_EQ(Scaled(*form, 50), 62);
}

TEST(ViewerCommand, CarriesTheSessionAsThisProgramReceivedIt) {
    TLaunchParameters p;
    p.DeviceIP = "10.90.90.90";
    p.ReadCommunity = "pub lic";
    p.WriteCommunity = "private";
    p.AgentPort = "161";
    p.Version = "3";
    p.ContextEngineID = "800007e5";
    p.SecurityModel = "3";
    p.SecurityName = "admin";
    p.SecurityLevel = "3";
    p.AuthProtocol = "2";
    p.PrivProtocol = "2";
    p.AuthPassword = "authpass";
    p.PrivPassword = "privpass";
    struct Case {
        const char* argument;
        bool v3;
        QStringList command;
    };
    const Case cases[] = {
        {"/TMIB_ARP", false, {"MIB", "/I10.90.90.90", "/Rpub lic", "/Wprivate", "/TMIB_ARP"}},
        {"/TRmon_History", true,
         {"Rmon", "/I10.90.90.90", "/t161", "/v3", "/d800007e5", "/m3", "/nadmin", "/l3", "/a2", "/p2", "/Aauthpass",
          "/Pprivpass", "/c", "/TRmon_History"}},
        {"/TNoUnderscore", false, {"", "/I10.90.90.90", "/Rpub lic", "/Wprivate", "/TNoUnderscore"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(ComposeViewerCommand(p, c.v3, c.argument), c.command);
    }
}

TEST_F(MenuWindow, EveryViewerItemStartsItsViewerBesideTheProgramAndHelpWithoutAFileStaysSilent) {
    ASSERT_TRUE(open());
    // Each viewer beside the program writes its name and its arguments, one a line.
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QString record = dir.filePath("viewer-args.txt");
    const QStringList viewers{"MIB", "IFMib", "Rmon", "Bridge"};
    for (const QString& viewer : viewers) {
        const QString script = appDir.filePath(viewer);
        writeFile(script, "#!/bin/sh\n{ basename \"$0\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" +
                              record.toStdString() + ".part' && mv '" + record.toStdString() + ".part' '" +
                              record.toStdString() + "'\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    struct Case {
        const char* handler;
        const char* viewer;
        const char* page;
    };
    const Case cases[] = {
        {"Information3Click", "MIB", "/TMIB_Info"},
        {"GeneralTable1Click", "IFMib", "/TIFMib_LastChangeTable"},
        {"IfTable1Click", "MIB", "/TMIB_IFTable"},
        {"IFCounter1Click", "MIB", "/TMIB_IFCounters"},
        {"IPTable1Click", "MIB", "/TMIB_IPTable"},
        {"IPCounters1Click", "MIB", "/TMIB_IPCounters"},
        {"IPRouting1Click", "MIB", "/TMIB_IPRouting"},
        {"IPAddressTable1Click", "MIB", "/TMIB_IPAddress"},
        {"ICMPCounters1Click", "MIB", "/TMIB_ICMPCounters"},
        {"UDPCounters1Click", "MIB", "/TMIB_UDPCounters"},
        {"ARPTable1Click", "MIB", "/TMIB_ARP"},
        {"Statistics1Click", "Rmon", "/TRmon_Statistics"},
        {"History1Click", "Rmon", "/TRmon_History"},
        {"AlarmEvent1Click", "Rmon", "/TRmon_AlarmEvent"},
        {"PortTable1Click", "Bridge", "/TBridge_Port"},
        {"ForwardingTable1Click", "Bridge", "/TBridge_Forwarding"},
        {"StaticTable1Click", "Bridge", "/TBridge_StaticFilter"},
        {"PortCounters1Click", "Bridge", "/TBridge_TpPortInfo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        QFile::remove(record);
        form->RunMenuHandler(c.handler);
        ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(record); }, 5000));
        QFile f(record);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts),
                  (QStringList{c.viewer, "/I127.0.0.1", "/Rtamber", "/Wquiltry", c.page}));
    }
    for (const QString& viewer : viewers) QFile::remove(appDir.filePath(viewer));

    QStringList opened;
    HelpLauncher = [&](const QUrl& url) { opened << url.toLocalFile(); return true; };
    form->RunMenuHandler("Help2Click");
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    writeFile(HelpFilePath(), "help");
    form->RunMenuHandler("Help2Click");
    QFile::remove(HelpFilePath());
    EXPECT_EQ(opened, QStringList{HelpFilePath()});
}
