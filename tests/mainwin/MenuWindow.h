#pragma once
// A main window as the suite starts it, against the simulator that serves every table, with the checks
// every menu's generated pages go through.
#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "GUIConfigForm.h"
#include "KySNMPRequest2Edits.h"
#include "ListViewPanel.h"
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MessageBoxes.h"
#include "MsgPanel.h"
#include "PageTestSupport.h"
#include "SNMPListViewPanel.h"
#include "SimAgent.h"
#include "SuiteFolderTest.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <span>
#include <string>

inline QString statusLine(QWidget* page) { return page->findChild<TMsgPanel*>()->StatusBar->text(); }

inline bool pageIdle(TConfigForm* page) {
    for (const auto& r : page->Requests)
        if (r->Busy) return false;
    return true;
}

// The cell under the column captioned `label` of the first line holding `text` in any cell.
inline QString listCell(QTreeWidget* list, const QString& text, const QString& label) {
    int column = -1;
    for (int k = 0; k < list->columnCount(); ++k)
        if (list->headerItem()->text(k) == label) column = k;
    for (int i = 0; i < list->topLevelItemCount() && column >= 0; ++i)
        for (int k = 0; k < list->columnCount(); ++k)
            if (list->topLevelItem(i)->text(k) == text) return list->topLevelItem(i)->text(column);
    return QStringLiteral("(no such cell)");
}

// Types the text into the field and leaves it; what the message box that comes up says (empty when
// none does).
inline QString leaveFieldWith(QLineEdit* edit, const QString& text) {
    MessageBoxes boxes;
    edit->setText(text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
    waitUntil([&] { return !boxes.Texts.isEmpty(); });
    return boxes.Texts.isEmpty() ? QString() : boxes.Texts[0];
}

class MenuWindow : public SuiteFolderTest {
protected:
    void SetUp() override {
        SuiteFolderTest::SetUp();
        writeFile(dir.filePath("registry.ini"), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=" +
                                                    dir.filePath("conf").toStdString() + "\n");
        sim = std::make_unique<trvtest::SimAgent>("menus.txt");
    }
    void TearDown() override {
        form.reset();
        sim.reset();
        SuiteFolderTest::TearDown();
    }
    // version: the INI's "Version" (0 v1, 1 v2c, 3 v3 with the simulator's user without authentication).
    bool open(int version = 0) {
        std::string ini = "[Program Information]\nAgentPort=" + std::to_string(sim->port()) +
                          "\nVersion=" + std::to_string(version) +
                          "\nSecurityModel=" + std::to_string(version == 3 ? 3 : version + 1) +
                          "\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";
        if (version == 3) ini += "SecurityName=" + std::string(trvtest::kNoAuthUser.name) + "\n";
        writeFile(dir.filePath("conf/127.0.0.1.cfg"), ini);
        form = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1", "/Rtamber", "/Wquiltry"});
        form->show();
        return waitUntil([&] { return form->Activated && !QApplication::activeModalWidget(); }, 20000);
    }
    QAction* item(const char* name) const { return form->MenuItem(name); }

    // Opens the item's page, waits for its first read and gives the page to `check` before closing it.
    void withPage(const char* handler, const std::function<void(TConfigForm*)>& check) {
        bool seen = false;
        whenModal([&](QWidget* modal) {
            auto* page = qobject_cast<TConfigForm*>(modal);
            if (!page || !pageIdle(page)) return false;
            // A tabbed page reads the tab it shows.
            if (statusLine(page->PageControl ? page->PageControl->currentWidget() : page).isEmpty()) return false;
            seen = true;
            check(page);
            page->reject();
            return true;
        });
        form->RunMenuHandler(handler);
        EXPECT_TRUE(seen) << handler;
    }

    // Each page opens through its menu handler with its caption, reads its table with success and has
    // the height and time-out its handler gives it.
    void expectPagesOpen(std::span<const TMenuPage> pages) {
        for (const TMenuPage& p : pages) {
            SCOPED_TRACE(p.Handler);
            withPage(p.Handler, [&](TConfigForm* page) {
                EXPECT_EQ(page->windowTitle().toStdString(), p.Page.Title + "127.0.0.1");
                EXPECT_TRUE(statusLine(page).contains("Ok!")) << statusLine(page).toStdString();
                const bool table = p.Page.ItemType != SVT_SV || p.Tweaks.ListOfScalars;
                EXPECT_EQ(page->FormType, table ? cftListView : cftEditor);
                if (table) {
                    auto* list = page->findChild<TListViewPanel*>()->findChild<QTreeWidget*>();
                    EXPECT_GT(list->topLevelItemCount(), 0);
                }
                if (p.Tweaks.Timeout) {
                    EXPECT_EQ(page->Requests.front()->Request.Timeout, p.Tweaks.Timeout);
                }
                if (p.Tweaks.Height450) {
                    EXPECT_EQ(page->height(), 450);
                }
            });
        }
    }

    // Each tabbed page opens through its handler with its caption, its tabs in order with the buttons
    // their handler leaves and the sizes it sets after the tabs; every tab reads its table with success
    // when it becomes the current one.
    void expectTabbedPagesOpen(std::span<const TMenuTabbedPage> pages) {
        for (const TMenuTabbedPage& p : pages) {
            SCOPED_TRACE(p.Handler);
            withPage(p.Handler, [&](TConfigForm* page) {
                EXPECT_EQ(page->windowTitle().toStdString(), p.Title + "127.0.0.1");
                ASSERT_EQ(page->FormType, cftPaged);
                ASSERT_EQ(page->PageControl->count(), int(p.Tabs.size()));
                EXPECT_EQ(page->Requests.size(), p.Tabs.size()) << "one request per tab";
                for (int i = 0; i < page->PageControl->count(); ++i) {
                    const TPageTab& tab = p.Tabs[std::size_t(i)];
                    SCOPED_TRACE(tab.Caption);
                    EXPECT_EQ(page->PageControl->tabText(i).toStdString(), tab.Caption);
                    if (tab.Page.ItemType == SVT_SV) continue;
                    const TSNMPListViewPanel* panel = tabPanel(page, i);
                    const TCtrlBtnPanel* buttons = panel->ButtonPanel;
                    // A table with nothing to write offers no Edit of its own accord.
                    EXPECT_EQ(buttons->EditButton->isHidden(), tab.Tweaks.EditHidden || panel->EditsPanel->HasNoWritableRow());
                    EXPECT_EQ(buttons->StopButton->isHidden(), !tab.Tweaks.StopShown);
                }
                if (p.After.Height) {
                    EXPECT_EQ(page->height(), p.After.Height);
                }
                if (p.After.Width) {
                    EXPECT_EQ(page->width(), p.After.Width);
                }
            });
            const std::unique_ptr<TConfigForm> page = BuildTabbedPage(*form, p);
            page->show();
            for (int i = 0; i < int(p.Tabs.size()); ++i) {
                SCOPED_TRACE(p.Tabs[std::size_t(i)].Caption);
                page->PageControl->setCurrentIndex(i);
                QWidget* sheet = page->PageControl->widget(i);
                EXPECT_TRUE(waitUntil([&] { return pageIdle(page.get()) && statusLine(sheet).contains("Ok!"); }))
                    << statusLine(sheet).toStdString();
                if (p.Tabs[std::size_t(i)].Page.ItemType != SVT_SV) {
                    EXPECT_GT(sheet->findChild<QTreeWidget*>()->topLevelItemCount(), 0);
                }
            }
            page->reject();
        }
    }

    // Every page of the list that creates rows deletes its first row (after the question) and adds it
    // back with the same keys and the status alone.
    void expectRowsDeleteAndAddBack(std::span<const TMenuPage> pages) {
        for (const TMenuPage& p : pages) {
            if (p.Page.AddText.empty()) continue;
            SCOPED_TRACE(p.Handler);
            const std::unique_ptr<TConfigForm> page = BuildMenuPage(*form, p.Page, p.Tweaks);
            page->show();
            ASSERT_TRUE(waitUntil([&] { return pageIdle(page.get()) && statusLine(page.get()).contains("Ok!"); }));
            deleteAndAddBackFirstRow(page.get(), page->findChild<TSNMPListViewPanel*>(), p.Page,
                                     p.Page.Title + "127.0.0.1 (Add)");
            page->reject();
        }
    }

    // The same for every tab that creates rows; the Add dialog is captioned after the tab.
    void expectTabRowsDeleteAndAddBack(std::span<const TMenuTabbedPage> pages) {
        for (const TMenuTabbedPage& p : pages) {
            SCOPED_TRACE(p.Handler);
            const std::unique_ptr<TConfigForm> page = BuildTabbedPage(*form, p);
            page->show();
            for (int i = 0; i < int(p.Tabs.size()); ++i) {
                const TPageTab& tab = p.Tabs[std::size_t(i)];
                if (tab.Page.AddText.empty()) continue;
                SCOPED_TRACE(tab.Caption);
                page->PageControl->setCurrentIndex(i);
                QWidget* sheet = page->PageControl->widget(i);
                ASSERT_TRUE(waitUntil([&] { return pageIdle(page.get()) && statusLine(sheet).contains("Ok!"); }));
                deleteAndAddBackFirstRow(page.get(), tabPanel(page.get(), i), tab.Page,
                                         tab.Caption + ": 127.0.0.1 (Add)");
            }
            page->reject();
        }
    }

    static TSNMPListViewPanel* tabPanel(TConfigForm* page, int tab) {
        return page->PageControl->widget(tab)->findChild<TSNMPListViewPanel*>();
    }

    void deleteAndAddBackFirstRow(TConfigForm* page, TSNMPListViewPanel* panel, const TTablePage& table,
                                  const std::string& addCaption) {
        auto* lines = panel->ListViewPanel->findChild<QTreeWidget*>();
        const int before = lines->topLevelItemCount();
        ASSERT_GT(before, 0);
        QStringList keys;
        for (int k = 0; k < table.KeyCount; ++k) keys << lines->topLevelItem(0)->text(k);
        lines->setCurrentItem(lines->topLevelItem(0));
        panel->ListClick(true);

        QString question;
        whenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box) return false;
            question = box->text();
            box->button(QMessageBox::Ok)->click();
            return true;
        });
        panel->DeleteClick();
        EXPECT_EQ(question, "Are you sure to delete it?");
        ASSERT_TRUE(waitUntil([&] { return pageIdle(page) && lines->topLevelItemCount() == before - 1; }));

        // The same keys come back with the status alone.
        QString caption;
        whenModal([&](QWidget* modal) {
            if (modal->objectName() != "AddDialog") return false;
            caption = modal->windowTitle();
            modal->findChild<QPushButton*>("ClearChecksButton")->click();
            for (int k = 0; k < table.KeyCount; ++k) {
                QWidget* editor = modal->findChild<QWidget*>(QStringLiteral("RowEdit%1").arg(k));
                if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->setText(keys[k]);
                else if (auto* combo = qobject_cast<QComboBox*>(editor)) combo->setCurrentText(keys[k]);
                else ADD_FAILURE() << "no editor for key " << k;
                if (auto* check = modal->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(k)))
                    check->setChecked(true);
            }
            if (auto* check = modal->findChild<QAbstractButton*>(QStringLiteral("RowCheck%1").arg(table.StatusRow)))
                check->setChecked(true);
            modal->findChild<QPushButton*>("SetButton")->click();
            if (modal->isVisible()) qobject_cast<QDialog*>(modal)->reject();
            return true;
        });
        panel->AddClick();
        EXPECT_EQ(caption.toStdString(), addCaption);
        EXPECT_TRUE(waitUntil([&] { return pageIdle(page) && lines->topLevelItemCount() == before; }));
    }

    std::unique_ptr<trvtest::SimAgent> sim;
    std::unique_ptr<TMainForm> form;
};
