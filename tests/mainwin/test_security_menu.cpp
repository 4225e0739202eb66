// The "Security" menu: every handler, the pages' tweaks, the 802.1X gating of "Authentication Mode
// Settings", the session pages read with version 2c and the Shift-JIS texts of the YPAX login pages,
// against the simulator serving every table.
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
#include "MenuWindow.h"
#include "MessageBoxes.h"
#include "PageTestSupport.h"
#include "SNMPListViewPanel.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <map>
#include <set>

namespace {

const std::string E = "1.3.6.1.4.1.32473";

std::map<std::string, const TMainMenuEntry*> entriesByName() {
    std::map<std::string, const TMainMenuEntry*> byName;
    for (const auto& e : mainMenuTable()) byName[e.Name] = &e;
    return byName;
}

bool underSecurityMenu(const TMainMenuEntry& entry) {
    const auto byName = entriesByName();
    const TMainMenuEntry* e = &entry;
    while (e->Parent) e = byName.at(e->Parent);
    return std::string(e->Name) == "SecurityManagement1";
}

const TMenuPage& pageOf(const std::string& handler) {
    for (auto pages : {SecurityAuthMenuPages(), SecurityProtectionMenuPages()})
        for (const TMenuPage& p : pages)
            if (handler == p.Handler) return p;
    throw std::runtime_error("no generated page for " + handler);
}

QTreeWidget* linesOf(TConfigForm* page) { return page->findChild<TListViewPanel*>()->findChild<QTreeWidget*>(); }

int columnNamed(QTreeWidget* lines, const QString& caption) {
    for (int c = 0; c < lines->columnCount(); ++c)
        if (lines->headerItem()->text(c) == caption) return c;
    return -1;
}

// Selects the page's first line, opens its Edit dialog and lets `change` fill it; then Set.
void editFirstLine(TConfigForm* page, const std::function<void(QWidget* dialog)>& change) {
    auto* panel = page->findChild<TSNMPListViewPanel*>();
    QTreeWidget* lines = linesOf(page);
    lines->setCurrentItem(lines->topLevelItem(0));
    panel->ListClick(true);
    bool shown = false;
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "EditDialog") return false;
        shown = true;
        modal->findChild<QPushButton*>("ClearChecksButton")->click();
        change(modal);
        modal->findChild<QPushButton*>("SetButton")->click();
        if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
        return true;
    });
    panel->EditClick();
    EXPECT_TRUE(shown);
}

void setRow(QWidget* dialog, int row, const QString& text) {
    dialog->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(row))->setText(text);
    // A click, as the user's, also enables the Set button.
    auto* check = dialog->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(row));
    if (!check->isChecked()) check->click();
}

}  // namespace

TEST(SecurityMenuTable, EveryItemHasItsHandlerAndEveryTablePageKeysItsWholeIndex) {
    int items = 0;
    for (const auto& e : mainMenuTable()) {
        if (!e.Handler || !underSecurityMenu(e)) continue;
        SCOPED_TRACE(e.Handler);
        ++items;
        EXPECT_TRUE(FindMenuHandler(e.Handler));
    }
    EXPECT_EQ(items, 31 + 44);
    EXPECT_EQ(SecurityAuthMenuPages().size(), 25u);
    EXPECT_EQ(SecurityProtectionMenuPages().size(), 35u);

    for (auto pages : {SecurityAuthMenuPages(), SecurityProtectionMenuPages()})
        for (const TMenuPage& p : pages) {
            if (p.Page.ItemType == SVT_SV) continue;
            SCOPED_TRACE(p.Handler);
            // Fewer keys than index columns would leave the last index of every row unread.
            int indexColumns = 0;
            while (p.Page.Table[indexColumns].Oid && p.Page.Table[indexColumns].Access == afNotAccess) ++indexColumns;
            EXPECT_GE(p.Page.KeyCount, indexColumns);
        }
}

TEST(SecurityMenuTable, HiddenItemsAndTheItemsOfTheHiddenSubmenuNeverShow) {
    const auto byName = entriesByName();
    auto reachable = [&](const std::string& name) {
        for (const TMainMenuEntry* e = byName.at(name); e; e = e->Parent ? byName.at(e->Parent) : nullptr)
            if (!e->Visible) return false;
        return true;
    };
    for (const char* name : {"DiffieHellmanAlgorithm1", "HMACAlgorithm1", "PublicKeyAlgorithm1", "ArpStormControl1",
                             "AuthenticationInformation1", "StateTable1", "DiagnosticsInformation1", "StatisticTable1",
                             "SessionInformation1", "AccountingServerInformation1", "AccountingServerTable1"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(reachable(name));
    }
    EXPECT_TRUE(reachable("PortSessionStatistics1"));
    EXPECT_TRUE(reachable("Auth1"));
}

TEST_F(MenuWindow, EverySecurityPageOpensWithItsCaptionAndReadsItsTable) {
    ASSERT_TRUE(open());
    for (auto list : {SecurityAuthMenuPages(), SecurityProtectionMenuPages()}) expectPagesOpen(list);
}

TEST_F(MenuWindow, SecurityRowCreationPagesDeleteARowAndAddItBack) {
    ASSERT_TRUE(open());
    for (auto list : {SecurityAuthMenuPages(), SecurityProtectionMenuPages()}) expectRowsDeleteAndAddBack(list);
}

TEST_F(MenuWindow, ClosingThe8021xGlobalSettingsGatesAuthenticationModeSettingsAtOnce) {
    const std::string state = "1.0.8802.1.1.1.1.1.1.0";
    ASSERT_TRUE(open());
    ASSERT_FALSE(item("Auth1")->isEnabled()) << "the simulator starts with 802.1X disabled";
    struct Case {
        const char* name;
        QString chosen;  // set on the page; empty: the device changes meanwhile
        std::string stored;
        bool unreadable;  // the state read after the page fails
        bool enabled;
    };
    const Case cases[] = {
        {"enabled on the page", "enabled", "INTEGER 1", false, true},
        {"disabled on the page", "disabled", "INTEGER 2", false, false},
        {"enabled on the device", "", "INTEGER 1", false, true},
        {"disabled on the device but not read", "", "INTEGER 2", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int fault = -1;
        withPage("Configuration2Click", [&](TConfigForm* page) {
            if (c.unreadable) fault = sim->addFault({trvtest::Fault::ErrorStatus, state});
            if (c.chosen.isEmpty()) {
                sim->setValue(state, c.stored);
                return;
            }
            page->findChild<QComboBox*>("RowEdit0")->setCurrentText(c.chosen);
            page->findChild<QPushButton*>("SetButton")->click();
            EXPECT_EQ(sim->value(state), c.stored);
        });
        EXPECT_EQ(item("Auth1")->isEnabled(), c.enabled);
        if (fault >= 0) sim->removeFault(fault);
    }
}

TEST_F(MenuWindow, SessionPagesReadTheirOctetCountersWithVersion2cAndTheSessionGoesBackToVersion1) {
    ASSERT_TRUE(open());
    for (const char* handler : {"PortSessionStatistics1Click", "SessionInformation1Click"}) {
        SCOPED_TRACE(handler);
        sim->clearLog();
        withPage(handler, [&](TConfigForm* page) {
            QTreeWidget* lines = linesOf(page);
            const int octets = columnNamed(lines, "Octets RX");
            ASSERT_GE(octets, 0);
            ASSERT_GT(lines->topLevelItemCount(), 0);
            const QString cell = lines->topLevelItem(0)->text(octets);
            EXPECT_FALSE(cell.isEmpty() || cell == "(NOTDONE)") << cell.toStdString();
        });
        const auto log = sim->log();
        ASSERT_FALSE(log.empty());
        for (const auto& entry : log) EXPECT_EQ(entry.version, "2c");
        EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
    }
    sim->clearLog();
    withPage("PortAuthStatistics1Click", [&](TConfigForm*) {});
    for (const auto& entry : sim->log()) EXPECT_EQ(entry.version, "1");
}

TEST_F(MenuWindow, RowPagesOfferTheirButtonsAndADoubleClickEditsOnlyWhereEditIsOffered) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        bool add, edit, remove;
    };
    const Case cases[] = {
        {"ServerGroup1Click", true, false, true},
        {"UpdateServerTable1Click", true, false, true},
        {"BindingBlockedTable1Click", false, false, true},
        {"AuthUserTable1Click", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        withPage(c.handler, [&](TConfigForm* page) {
            auto* buttons = page->findChild<TCtrlBtnPanel*>();
            EXPECT_EQ(buttons->AddButton->isVisibleTo(page), c.add);
            EXPECT_EQ(buttons->EditButton->isVisibleTo(page), c.edit);
            EXPECT_EQ(buttons->DeleteButton->isVisibleTo(page), c.remove);
            EXPECT_TRUE(buttons->RefreshButton->isVisibleTo(page));
            EXPECT_TRUE(buttons->CloseButton->isVisibleTo(page));

            QTreeWidget* lines = linesOf(page);
            ASSERT_GT(lines->topLevelItemCount(), 0);
            lines->setCurrentItem(lines->topLevelItem(0));
            // An Edit dialog would run its own modal loop inside the signal: close it from there.
            bool edited = false;
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && dialog != page) {
                    edited = true;
                    dialog->reject();
                }
            });
            watch.start(5);
            emit lines->itemDoubleClicked(lines->topLevelItem(0), 0);
            watch.stop();
            EXPECT_EQ(edited, c.edit);
            waitUntil([&] { return pageIdle(page); });
        });
    }
}

TEST_F(MenuWindow, RowsThatMayStayEmptyAreSentEmptyWithoutAWarning) {
    ASSERT_TRUE(open());
    MessageBoxes boxes;
    withPage("GlobalSettings2Click", [&](TConfigForm* page) {
        for (int row : {9, 16}) setRow(page, row, "");
        page->findChild<QPushButton*>("SetButton")->click();
    });
    EXPECT_EQ(sim->value(E + ".12.39.1.10.0"), "STRING 0x");
    EXPECT_EQ(sim->value(E + ".12.39.1.20.0"), "STRING 0x");

    withPage("PortTable7Click", [&](TConfigForm* page) {
        editFirstLine(page, [](QWidget* dialog) { setRow(dialog, 3, ""); });
    });
    EXPECT_EQ(sim->value(E + ".12.3.11.1.1.4.1"), "STRING 0x");
    EXPECT_TRUE(boxes.Texts.isEmpty()) << boxes.Texts.join('|').toStdString();
}

TEST_F(MenuWindow, NumberAndAddressRowsRefuseValuesOutsideTheirRange) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        int row;
        const char* bad;
        const char* message;
    };
    const Case cases[] = {
        {"PortTable8Click", 1, "0", " Please enter a number between 1 and 4000!"},
        {"PortTable8Click", 1, "4001", " Please enter a number between 1 and 4000!"},
        {"Information4Click", 0, "0", " Please enter a number between 1 and 4000!"},
        {"GlobalSettings2Click", 5, "4", " Please enter a number between 5 and 300!"},
        {"GlobalSettings2Click", 5, "301", " Please enter a number between 5 and 300!"},
        {"GlobalSettings2Click", 7, "11", " Please enter a number between 0 and 10!"},
        {"GlobalSettings2Click", 10, "0", " Please enter a number between 1 and 65535!"},
        {"GlobalSettings2Click", 8, "10.90.90", " Please enter a valid IP address!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.handler) + " row " + std::to_string(c.row) + " " + c.bad);
        withPage(c.handler, [&](TConfigForm* page) {
            auto* edit = page->findChild<QLineEdit*>(QStringLiteral("RowEdit%1").arg(c.row));
            const QString read = edit->text();
            EXPECT_EQ(leaveFieldWith(edit, c.bad).toStdString(), c.message);
            EXPECT_EQ(edit->text(), read) << "the value read comes back";
        });
    }
    // A fifth digit cannot even be typed.
    withPage("PortTable8Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->findChild<QLineEdit*>("RowEdit1")->maxLength(), 4);
    });
}

TEST_F(MenuWindow, PageElementTextsAreShiftJisInTheListAndTheirEditorsWhileTheLinesMustNotBeEmpty) {
    ASSERT_TRUE(open());
    const std::string column = E + ".12.39.4.2.1.";
    const auto japanese = [](const char* text) { return QString::fromUtf8(text); };
    withPage("PageElementTable1Click", [&](TConfigForm* page) {
        EXPECT_EQ(page->height(), 300);
        QTreeWidget* lines = linesOf(page);
        const QTreeWidgetItem* first = lines->topLevelItem(0);
        EXPECT_EQ(first->text(columnNamed(lines, "Page")), "japanese");
        EXPECT_EQ(first->text(columnNamed(lines, "Page Title")), japanese("認証ページ"));
        EXPECT_EQ(first->text(columnNamed(lines, "Logout Window Title")), japanese("ログアウト"));

        MessageBoxes boxes;
        editFirstLine(page, [&](QWidget* dialog) {
            EXPECT_EQ(dialog->findChild<QLineEdit*>("RowEdit1")->text(), japanese("認証ページ"));
            EXPECT_EQ(dialog->findChild<QLineEdit*>("RowEdit4")->text(), japanese("パスワード"));
            EXPECT_EQ(dialog->findChild<QLineEdit*>("RowEdit6")->text(), "line-one-1");
            setRow(dialog, 1, japanese("日本語"));
            setRow(dialog, 2, "");
        });
        EXPECT_TRUE(boxes.Texts.isEmpty());
        EXPECT_EQ(sim->value(column + "2.1"), "STRING 0x93fa967b8cea");
        EXPECT_EQ(sim->value(column + "3.1"), "STRING 0x");
        EXPECT_EQ(sim->value(column + "4.1"), "STRING 0x8386815b8355815b96bc") << "an unchecked row is not sent";

        // "Line One" keeps the empty check.
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && lines->topLevelItemCount() > 0; }));
        editFirstLine(page, [&](QWidget* dialog) {
            EXPECT_EQ(dialog->findChild<QLineEdit*>("RowEdit1")->text(), japanese("日本語"));
            setRow(dialog, 6, "");
        });
        ASSERT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
        EXPECT_EQ(boxes.Texts[0], "Some items are empty!");
        EXPECT_EQ(sim->value(column + "7.1"), "STRING 0x6c696e652d6f6e652d31");
    });
}

TEST_F(MenuWindow, SecurityPageSizesFollowTheScaleExceptThePageElementTable) {
    ASSERT_TRUE(open());
    form->ScaleFactor = 1.25f;
    struct Case {
        const char* handler;
        int height;      // 0: the built height plus heightPlus
        int heightPlus;
        int widthPlus;
    };
    const Case cases[] = {
        {"PageElementTable1Click", 300, 0, 0},   {"RadiusServerTabl1Click", 562, 0, 0},
        {"D1Click", 562, 0, 125},                {"SSLCertificateLevel1Click", 0, 25, 0},
        {"HMACAlgorithm1Click", 0, 18, 0},       {"AccountingSettings1Click", 0, 25, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        const TMenuPage& p = pageOf(c.handler);
        const auto tweaked = BuildMenuPage(*form, p.Page, p.Tweaks);
        const auto plain = BuildMenuPage(*form, p.Page);
        EXPECT_EQ(tweaked->height(), c.height ? c.height : plain->height() + c.heightPlus);
        EXPECT_EQ(tweaked->width(), plain->width() + c.widthPlus);
    }
    // Authentication Mode Settings: wider editors, then taller.
    const TMenuPage& auth = pageOf("Auth1Click");
    const auto tweaked = BuildMenuPage(*form, auth.Page, auth.Tweaks);
    const auto plain = BuildMenuPage(*form, auth.Page);
    EXPECT_EQ(tweaked->findChild<TEditsPanel*>()->EditWidth, 177);
    EXPECT_EQ(tweaked->height(), plain->height() + 12);
}

TEST_F(MenuWindow, SecurityDialogsOpenWithTheirCaptionAndOwner) {
    ASSERT_TRUE(open());
    struct Case {
        const char* handler;
        QString caption;
        bool ownedByTheMainWindow;
    };
    const Case cases[] = {
        {"GuestVLAN1Click", "802.1X Guest VLAN: 127.0.0.1", true},
        {"GuestVLANTable1Click", "Compound Authentication Guest VLAN Table: 127.0.0.1", false},
        {"ARPSpoofingPrevention1Click", "ARP Spoofing Prevention Management Table: 127.0.0.1", false},
        {"StatisticTable1Click", "MAC Statistic: 127.0.0.1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.handler);
        QString caption;
        QWidget* owner = nullptr;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<TUnavailablePage*>(modal);
            if (!page) return false;
            caption = page->windowTitle();
            owner = page->parentWidget();
            page->reject();
            return true;
        });
        form->RunMenuHandler(c.handler);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(owner == form.get(), c.ownedByTheMainWindow);
    }
    // The web authentication "Information" item does nothing.
    form->RunMenuHandler("AuthenticationInformation1Click");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
