// Generated pages against the switch simulator: the editor page and its Set Checked, the table page with
// its Add, Edit and Delete dialogs, tabbed pages, the one close path, and the pixel rules of the frame.
#include "CtrlBtnPanel.h"
#include "EditsPanel.h"
#include "KyException.h"
#include "KySNMPRequest2Edits.h"
#include "ListViewPanel.h"
#include "MibTables.h"
#include "MsgPanel.h"
#include "PageTestSupport.h"
#include "SNMPEditorPanel.h"
#include "SNMPListViewPanel.h"
#include "RowEditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using trvtest::Fault;
using trvtest::LogEntry;

constexpr const char* Alarm = "1.3.6.1.4.1.32473.11.70.1.2.1.3";
constexpr const char* NameServer = "1.3.6.1.4.1.32473.12.85.1.3.1.1";
constexpr const char* Hosts = "1.3.6.1.4.1.32473.12.85.1.4.1.1";

TTablePage editorPage(const char* title, const KySNMPVarDesc* table) {
    TTablePage page;
    page.Title = title;
    page.Table = table;
    return page;
}
TTablePage listPage(const char* title, const KySNMPVarDesc* table) {
    TTablePage page = editorPage(title, table);
    page.ItemType = MVT_FMV;
    page.KeyCount = 1;
    return page;
}
TTablePage alarmPage() { return editorPage("Alarm Control: ", AlarmControlVars); }
TTablePage nameServerPage() {
    TTablePage page = listPage("Static Name Server Table: ", StaticNameServerTableVars);
    page.StatusRow = 1;
    page.AddText = "createAndGo";
    page.DeleteText = "destroy";
    return page;
}
TTablePage hostPage() {
    TTablePage page = nameServerPage();
    page.Title = "Static Host Table: ";
    page.Table = StaticHostTableVars;
    return page;
}

// Reads whose first binding asks for the column itself: the starts of walks of that table.
int walksOf(const std::vector<LogEntry>& log, const std::string& firstColumn) {
    int n = 0;
    for (const LogEntry& e : ofKind(log, "GETNEXT"))
        n += !e.bindings.empty() && e.bindings.front().oid == firstColumn;
    return n;
}

// A dialog that should have closed after its Set: the failure is noted and the dialog goes.
void closeIfOpen(QWidget* dialog) {
    if (!dialog->isVisible()) return;
    ADD_FAILURE() << "the dialog stayed open";
    qobject_cast<QDialog*>(dialog)->reject();
}

QString statusLine(QWidget* page) { return page->findChild<QLabel*>("StatusBar")->text(); }

class EditorPageTest : public PageTest {
protected:
    void open(const TTablePage& table) {
        page = BuildTablePage(table, "127.0.0.1");
        panel = page->findChild<TSNMPEditorPanel*>();
        page->show();
        ASSERT_TRUE(waitUntil([&] { return statusLine(page.get()).contains("Ok!"); }));
    }
    QComboBox* combo(int row) { return find<QComboBox>(page.get(), ("RowEdit" + std::to_string(row)).c_str()); }
    QLineEdit* edit(int row) { return find<QLineEdit>(page.get(), ("RowEdit" + std::to_string(row)).c_str()); }
    QCheckBox* check(int row) { return find<QCheckBox>(page.get(), ("RowCheck" + std::to_string(row)).c_str()); }
    QPushButton* button(const char* name) { return find<QPushButton>(page.get(), name); }

    std::unique_ptr<TConfigForm> page;
    TSNMPEditorPanel* panel = nullptr;
};

TEST_F(EditorPageTest, ReadsOnlyOnceItsLoopRunsThenFillsItsRows) {
    page = BuildTablePage(alarmPage(), "127.0.0.1");
    EXPECT_TRUE(sim->log().empty()) << "nothing is read while the page is built";
    EXPECT_EQ(page->windowTitle(), "Alarm Control: 127.0.0.1");
    page->show();
    ASSERT_TRUE(waitUntil([&] { return statusLine(page.get()).contains("Ok!"); }));
    EXPECT_EQ(find<QComboBox>(page.get(), "RowEdit0")->currentText(), "enabled");
    EXPECT_EQ(find<QComboBox>(page.get(), "RowEdit1")->currentText(), "disabled");
    EXPECT_EQ(ofKind(sim->log(), "GET").size(), 1u);
}

TEST_F(PageTest, AModalPageReadsItselfInsideItsLoopAndClosesByItsButton) {
    QString shown;
    whenModal([&](QWidget* modal) {
        auto* page = qobject_cast<TConfigForm*>(modal);
        if (!page || !statusLine(page).contains("Ok!")) return false;
        shown = page->findChild<QComboBox*>("RowEdit2")->currentText();
        page->findChild<QPushButton*>("CloseButton")->click();
        return true;
    });
    BuildTablePage(alarmPage(), "127.0.0.1")->exec();
    EXPECT_EQ(shown, "enabled");
    EXPECT_EQ(ofKind(sim->log(), "GET").size(), 1u);
}

TEST_F(PageTest, AFailedReadLeavesItsErrorOnTheStatusLine) {
    sim->addFault({Fault::Drop, Alarm});
    const auto page = BuildTablePage(alarmPage(), "127.0.0.1");
    page->show();
    ASSERT_TRUE(waitUntil([&] { return !page->Requests.front()->Busy && !statusLine(page.get()).isEmpty(); }));
    EXPECT_TRUE(statusLine(page.get()).startsWith("Get: "));
    EXPECT_FALSE(statusLine(page.get()).contains("Ok!"));
    EXPECT_TRUE(page->isVisible());
}

TEST_F(EditorPageTest, SetCheckedSendsOneSetOfExactlyTheCheckedRows) {
    open(alarmPage());
    EXPECT_FALSE(button("SetButton")->isEnabled()) << "nothing checked yet";
    check(0)->setChecked(true);
    check(2)->setChecked(true);
    EXPECT_TRUE(button("SetButton")->isEnabled());
    combo(0)->setCurrentIndex(combo(0)->findText("disabled"));
    combo(1)->setCurrentIndex(combo(1)->findText("enabled"));  // changed, but not checked
    combo(2)->setCurrentIndex(combo(2)->findText("disabled"));
    sim->clearLog();
    button("SetButton")->click();

    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 2u);
    EXPECT_EQ(sets[0].bindings[0].oid, std::string(Alarm) + ".1.0");
    EXPECT_EQ(sets[0].bindings[0].value, "2");
    EXPECT_EQ(sets[0].bindings[1].oid, std::string(Alarm) + ".3.0");
    EXPECT_EQ(sets[0].bindings[1].value, "2");
    EXPECT_EQ(sim->value(std::string(Alarm) + ".2.0"), "INTEGER 2");
    EXPECT_TRUE(statusLine(page.get()).startsWith("Set: Ok!")) << statusLine(page.get()).toStdString();

    // The request is as it was: every row sendable again, asynchronous again.
    KySNMPRequest2Edits& binder = *page->Requests.front();
    for (int i = 0; i < binder.Request.VarList.GetCount(); ++i)
        EXPECT_EQ(binder.Request.VarList.GetVar(i).Access, afReadWrite) << i;
    EXPECT_EQ(binder.Async, 1);
}

TEST_F(EditorPageTest, AnAgentErrorIsShownAndTheRequestRestored) {
    open(alarmPage());
    sim->addFault({Fault::ErrorStatus, std::string(Alarm) + ".1", -1, 10});
    check(0)->setChecked(true);
    QString text;
    answerBox(QMessageBox::Ok, &text);
    button("SetButton")->click();
    EXPECT_FALSE(text.isEmpty());
    EXPECT_FALSE(text.contains("Ok!"));
    EXPECT_EQ(ofKind(sim->log(), "SET").size(), 1u);
    EXPECT_EQ(page->Requests.front()->Async, 1);
}

TEST_F(EditorPageTest, ACheckedEmptyRowIsRefusedAndNothingSent) {
    open(editorPage("DNS Resolver Global Settings: ", DNSResolverGlobalSettingsVars));
    EXPECT_EQ(edit(1)->text(), "5");
    edit(1)->clear();
    check(1)->setChecked(true);
    sim->clearLog();
    QString text;
    answerBox(QMessageBox::Ok, &text);
    button("SetButton")->click();
    EXPECT_EQ(text, "Some items are empty!");
    EXPECT_TRUE(ofKind(sim->log(), "SET").empty());

    // Unchecked, the empty row is neither tested nor sent.
    check(1)->setChecked(false);
    check(0)->setChecked(true);
    button("SetButton")->click();
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 1u);
    EXPECT_EQ(sets[0].bindings[0].oid, "1.3.6.1.4.1.32473.12.85.1.1.0");
}

TEST_F(EditorPageTest, ARowAllowedEmptyPassesTheEmptyCheck) {
    open(editorPage("DNS Resolver Global Settings: ", DNSResolverGlobalSettingsVars));
    TEditsPanel& rows = *panel->EditsPanel;
    edit(1)->clear();
    check(1)->setChecked(true);
    EXPECT_TRUE(rows.IsRowEmpty(1));
    rows.SetRowMayBeEmpty(1);
    EXPECT_FALSE(rows.IsRowEmpty(1));
    check(1)->setChecked(false);
    rows.UncheckRow(1);
    EXPECT_FALSE(check(1)->isChecked());
}

TEST_F(EditorPageTest, CheckAllAndClearChecksTouchEnabledBoxesOnly) {
    open(alarmPage());
    check(1)->setEnabled(false);
    button("CheckAllButton")->click();
    EXPECT_TRUE(check(0)->isChecked());
    EXPECT_FALSE(check(1)->isChecked());
    EXPECT_TRUE(check(2)->isChecked());
    EXPECT_TRUE(button("SetButton")->isEnabled());
    check(1)->setChecked(true);
    button("ClearChecksButton")->click();
    EXPECT_TRUE(check(1)->isChecked()) << "a disabled box keeps its state";
    EXPECT_TRUE(button("SetButton")->isEnabled());
    check(1)->setEnabled(true);
    button("ClearChecksButton")->click();
    EXPECT_FALSE(button("SetButton")->isEnabled());
}

// ---- layout

struct ColumnCase {
    const char* Name;
    TTablePage Page;
    std::vector<const char*> Shown;  // top to bottom
};

class LayoutTest : public PageTest {};

TEST_F(LayoutTest, ButtonColumnShowsTheContentsButtonsTopDownFiveApart) {
    const ColumnCase cases[] = {
        {"editor page, several writable rows", alarmPage(),
         {"RefreshButton", "SetButton", "CheckAllButton", "ClearChecksButton", "CloseButton"}},
        {"editor page, read-only rows", editorPage("Unit Information: ", UnitInformationVars),
         {"RefreshButton", "CloseButton"}},
        {"table page without row creation",
         listPage("Static Name Server Table: ", StaticNameServerTableVars),
         {"SampleCountText", "SamplesLabel", "RefreshButton", "EditButton", "CloseButton"}},
        {"table page with row creation", nameServerPage(),
         {"SampleCountText", "SamplesLabel", "RefreshButton", "EditButton", "AddButton", "DeleteButton",
          "CloseButton"}},
        {"table page, read-only columns", listPage("Dynamic Name Server Table: ", DynamicNameServerTableVars),
         {"SampleCountText", "SamplesLabel", "RefreshButton", "CloseButton"}},
    };
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto page = BuildTablePage(c.Page, "127.0.0.1");
        auto* column = page->findChild<TCtrlBtnPanel*>();
        EXPECT_EQ(column->width(), 116);
        std::vector<std::string> shown;
        for (QWidget* control : column->Controls)
            if (!control->isHidden()) shown.push_back(control->objectName().toStdString());
        EXPECT_EQ(shown, std::vector<std::string>(c.Shown.begin(), c.Shown.end()));
        int top = 10;
        for (const char* name : c.Shown) {
            QWidget* control = column->findChild<QWidget*>(name);
            EXPECT_EQ(control->geometry(), QRect(10, top, 96, control->height())) << name;
            top += control->height() + 5;
        }
        EXPECT_EQ(column->ArrangedHeight(), column->CloseButton->geometry().bottom() + 1 + 10);
        if (!column->EditButton->isHidden()) {
            EXPECT_FALSE(column->EditButton->isEnabled());
        }
        if (!column->DeleteButton->isHidden()) {
            EXPECT_FALSE(column->DeleteButton->isEnabled());
        }
    }
}

TEST_F(LayoutTest, OneWritableRowGetsASetButtonAndNoCheckBoxes) {
    const auto page = BuildTablePage(editorPage("RMON: ", RmonStateVars), "127.0.0.1");
    auto* column = page->findChild<TCtrlBtnPanel*>();
    EXPECT_EQ(column->SetButton->text(), "Set");
    EXPECT_TRUE(column->SetButton->isEnabled());
    EXPECT_TRUE(column->CheckAllButton->isHidden());
    EXPECT_TRUE(find<QCheckBox>(page.get(), "RowCheck0")->isHidden());
    EXPECT_TRUE(find<QCheckBox>(page.get(), "RowCheck0")->isChecked()) << "a hidden box still sends its row";
}

TEST_F(LayoutTest, ReadOnlyRowsAreLockedInTheButtonFaceColour) {
    const auto page = BuildTablePage(editorPage("Unit Information: ", UnitInformationVars), "127.0.0.1");
    TEditsPanel& rows = *page->findChild<TSNMPEditorPanel*>()->EditsPanel;
    for (const UISnmpVar& row : rows.Rows) {
        auto* edit = qobject_cast<QLineEdit*>(row.Control);
        ASSERT_TRUE(edit);
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
        EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(Qt::black));
        EXPECT_TRUE(row.CheckBox->isHidden());
        EXPECT_FALSE(row.CheckBox->isChecked());
    }
}

TEST_F(LayoutTest, RowsStandFiveApartWithEditorsAlignedBehindTheWidestLabel) {
    const auto page = BuildTablePage(alarmPage(), "127.0.0.1");
    TEditsPanel& rows = *page->findChild<TSNMPEditorPanel*>()->EditsPanel;
    int widest = 0;
    for (const UISnmpVar& row : rows.Rows) widest = std::max(widest, row.Label->width());
    int top = 20;
    for (std::size_t i = 0; i < rows.Rows.size(); ++i) {
        SCOPED_TRACE(i);
        const UISnmpVar& row = rows.Rows[i];
        if (i > 0) top += row.Control->height() + 5;
        EXPECT_EQ(row.Control->y(), top);
        EXPECT_EQ(row.Control->x(), 20 + 20 + 5 + widest + 5);
        EXPECT_EQ(row.Control->width(), 121);
        EXPECT_EQ(row.CheckBox->x(), 20);
        EXPECT_EQ(row.Label->x(), 45);
    }
    // The rows' extent and a margin of 40, then the button column, splitter and strip around them.
    const QRect last = rows.Rows.back().Control->geometry();
    EXPECT_EQ(page->findChild<TSNMPEditorPanel*>()->NaturalSize(),
              QSize(last.right() + 1 + 40 + 116 + 3 + 3, last.bottom() + 1 + 40 + 20));
}

TEST_F(LayoutTest, APageNeverOpensLargerThan800By550) {
    const auto tall = BuildTablePage(editorPage("SNMP Counters: ", SNMPCountersVars), "127.0.0.1");
    EXPECT_GT(tall->findChild<TSNMPEditorPanel*>()->NaturalSize().height(), 550);
    EXPECT_EQ(tall->height(), 550);
    EXPECT_LE(tall->width(), 800);
    auto* panel = tall->findChild<TSNMPEditorPanel*>();
    panel->SetEditWidth(900);
    EXPECT_EQ(tall->size(), QSize(800, 550));
    EXPECT_EQ(panel->size(), tall->size()) << "the frame fills the page";
}

TEST_F(LayoutTest, ListPanelWidthFollowsTheCaptionsUpTo450) {
    const auto page = BuildTablePage(nameServerPage(), "127.0.0.1");
    auto* list = page->findChild<TListViewPanel*>();
    // "Index", "RowStatus", "IP Address", "Priority": 32 characters.
    const auto natural = page->findChild<TSNMPListViewPanel*>()->NaturalSize();
    EXPECT_EQ(natural.width(), 2 * list->ListView->frameWidth() + 8 * 32 + 116 + 3 + 3);
    EXPECT_EQ(natural.height(), 350 + 20);
    EXPECT_EQ(TListViewPanel(nullptr, MakePageRequest(nullptr, SNMPCountersVars, MVT_FMV, 0).get()).width(), 450);
}

TEST(ButtonGlyphs, EachBitmapInTheCurrentDirectoryReplacesItsCaptionOnItsOwn) {
    QTemporaryDir dir;
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath("Get.bmp"), "BMP"));
    ASSERT_TRUE(image.save(dir.filePath("SetCheck.bmp"), "BMP"));
    QFile broken(dir.filePath("Set.bmp"));  // unreadable: comes before SetCheck.bmp
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    TCtrlBtnPanel column(nullptr);
    QDir::setCurrent(before);
    EXPECT_TRUE(column.RefreshButton->text().isEmpty());
    EXPECT_FALSE(column.RefreshButton->icon().isNull());
    EXPECT_EQ(column.EditButton->text(), "Edit");
    EXPECT_TRUE(column.SetButton->text().isEmpty()) << "a bad file stops no later glyph";
    EXPECT_EQ(column.CloseButton->text(), "Close");

    TCtrlBtnPanel plain(nullptr);
    EXPECT_EQ(plain.RefreshButton->text(), "Refresh");
    EXPECT_TRUE(plain.RefreshButton->icon().isNull());
}

// ---- building errors

TEST(PageBuilding, WrongCallsRaiseTheirTexts) {
    struct Case {
        const char* Name;
        std::function<void()> Call;
        const char* Text;
    };
    const std::vector<Case> cases = {
        {"second Make",
         [] {
             TConfigForm form;
             form.MakeEditor(MakePageRequest(&form, AlarmControlVars, SVT_SV, 0));
             form.MakePaged();
         },
         "Can not change Type of a Config Form!"},
        {"editor tab on a fresh form",
         [] {
             TConfigForm form;
             form.AddEditorPage("x", MakePageRequest(&form, AlarmControlVars, SVT_SV, 0));
         },
         "Can not add editor page to a none-page pannel!"},
        {"list tab on an editor page",
         [] {
             TConfigForm form;
             form.MakeEditor(MakePageRequest(&form, AlarmControlVars, SVT_SV, 0));
             form.AddListViewPage("x", MakePageRequest(&form, StaticNameServerTableVars, MVT_FMV, 1), -1, "", -1, "");
         },
         "Can not add listview page to a none-page pannel!"},
        {"add text no item of the combo",
         [] {
             TConfigForm form;
             form.MakeListView(MakePageRequest(&form, StaticNameServerTableVars, MVT_FMV, 1), 1, "createAndGone", -1, "");
         },
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGone"},
        {"add status on a row without combo",
         [] {
             TConfigForm form;
             form.MakeListView(MakePageRequest(&form, StaticNameServerTableVars, MVT_FMV, 1), 2, "createAndGo", -1, "");
         },
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo"},
        {"delete status on a row outside the list",
         [] {
             TConfigForm form;
             form.MakeListView(MakePageRequest(&form, StaticNameServerTableVars, MVT_FMV, 1), -1, "", 9, "destroy");
         },
         "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy"},
        {"format on a combo row",
         [] {
             TConfigForm form;
             form.MakeEditor(MakePageRequest(&form, AlarmControlVars, SVT_SV, 0))->SetVarFormat(0, "%i{n1x4l1}");
         },
         "Can not set Var format to a ComboBox!"},
        {"format on a read-only option row",
         [] {
             TConfigForm form;
             form.MakeListView(MakePageRequest(&form, DynamicNameServerTableVars, MVT_FMV, 1), -1, "", -1, "")
                 ->SetVarFormat(2, "%s");
         },
         "Unknow UI Control type!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            c.Call();
            ADD_FAILURE() << "no exception";
        } catch (const KyException& error) {
            EXPECT_STREQ(error.what(), c.Text);
        }
    }
}

TEST(PageBuilding, LockingARowPastTheLastOneOnlyTellsTheRowCount) {
    TConfigForm form;
    TEditsPanel& rows = *form.MakeEditor(MakePageRequest(&form, AlarmControlVars, SVT_SV, 0))->EditsPanel;
    QString text;
    answerBox(QMessageBox::Ok, &text);
    rows.LockRow(3);
    EXPECT_EQ(text, "aIdx is overtop!\n you may define < 3");
    EXPECT_FALSE(rows.Rows[2].CheckBox->isHidden()) << "nothing changed";
}

TEST(PageBuilding, AFormatOnAnEditRowGivesItThatInputRule) {
    TConfigForm form;
    TSNMPEditorPanel* panel = form.MakeEditor(MakePageRequest(&form, DNSResolverGlobalSettingsVars, SVT_SV, 0));
    panel->SetVarFormat(1, "%i{n1x60l2}");
    auto* edit = form.findChild<QLineEdit*>("RowEdit1");
    EXPECT_EQ(edit->maxLength(), 2);
}

TEST_F(PageTest, AFormNeverBuiltOrWithoutTabsReadsNothing) {
    {
        TConfigForm unbuilt;
        unbuilt.show();
        TConfigForm tabless;
        tabless.MakePaged();
        tabless.show();
        QTest::qWait(100);
    }
    EXPECT_TRUE(sim->log().empty());
}

// ---- table page

class TablePageTest : public PageTest {
protected:
    void open(const TTablePage& table) {
        page = BuildTablePage(table, "127.0.0.1");
        panel = page->findChild<TSNMPListViewPanel*>();
        list = panel->ListViewPanel->ListView;
        page->show();
        ASSERT_TRUE(waitUntil([&] { return idle() && statusLine(page.get()).contains("Ok!"); }));
    }
    bool idle() { return !page->Requests.front()->Busy; }
    void clickLine(int line) {
        QTreeWidgetItem* item = list->topLevelItem(line);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    QPushButton* button(const char* name) { return find<QPushButton>(page.get(), name); }
    QString count() { return find<QLabel>(page.get(), "SampleCountText")->text(); }

    std::unique_ptr<TConfigForm> page;
    TSNMPListViewPanel* panel = nullptr;
    QTreeWidget* list = nullptr;
};

TEST_F(TablePageTest, TheWalkFillsTheListAndTheCountAndKeepsEachLinesInstance) {
    sim->setValue(std::string(NameServer) + ".2.7", "INTEGER 1");
    sim->setValue(std::string(NameServer) + ".3.7", "IPADDRESS 192.0.2.77");
    open(nameServerPage());
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(count(), "2");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "192.0.2.77");
    EXPECT_EQ(TListViewPanel::InstanceOf(list->topLevelItem(0)), "1");
    EXPECT_EQ(TListViewPanel::InstanceOf(list->topLevelItem(1)), "7");
    EXPECT_FALSE(button("EditButton")->isEnabled());
}

TEST_F(TablePageTest, EveryCellIsRuledOnItsRightAndBottomEdgeOnly) {
    open(nameServerPage());
    const QImage shot = list->viewport()->grab().toImage();
    const QColor grid(0xd0, 0xd0, 0xd0);
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(column);
        const QRect cell = list->visualRect(list->model()->index(0, column));
        EXPECT_EQ(shot.pixelColor(cell.right(), cell.center().y()), grid);
        EXPECT_EQ(shot.pixelColor(cell.left() + 1, cell.bottom()), grid);
        EXPECT_NE(shot.pixelColor(cell.left() + 1, cell.top()), grid);
    }
}

// Texts laid out once are kept for the next paint: a narrower column must still elide, a wider one show all.
TEST_F(TablePageTest, ACellElidesWhenItsColumnNarrowsAndShowsItsWholeTextWhenWideAgain) {
    open(nameServerPage());
    QHeaderView* header = list->header();
    const int wide = header->sectionSize(2);
    constexpr int Narrow = 40;
    const auto cellShot = [&](int width) {
        const QRect cell = list->visualRect(list->model()->index(0, 2));
        return list->viewport()->grab(QRect(cell.topLeft(), QSize(width, cell.height()))).toImage();
    };
    const QImage whole = cellShot(wide);
    header->resizeSection(2, Narrow);
    EXPECT_NE(cellShot(Narrow - 1), whole.copy(0, 0, Narrow - 1, whole.height())) << "the text is elided, not cut";
    header->resizeSection(2, wide);
    EXPECT_EQ(cellShot(wide), whole);
}

TEST_F(TablePageTest, TheListsScrollBarsLookAsTheApplicationsStyleDrawsThem) {
    open(nameServerPage());
    QStyle* listsStyle = list->verticalScrollBar()->style();
    EXPECT_EQ(list->horizontalScrollBar()->style(), listsStyle);
    EXPECT_NE(listsStyle, QApplication::style());
    for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
        SCOPED_TRACE(orientation == Qt::Horizontal ? "horizontal" : "vertical");
        const auto shot = [&](QStyle* style) {
            QScrollBar bar(orientation);
            if (style) bar.setStyle(style);
            bar.setRange(0, 200);
            bar.setPageStep(100);
            bar.setValue(37);
            bar.resize(orientation == Qt::Horizontal ? QSize(300, 16) : QSize(16, 300));
            return bar.grab().toImage();
        };
        EXPECT_EQ(shot(listsStyle), shot(nullptr));
    }
}

TEST_F(TablePageTest, ClickingALineEnablesEditAndDeleteAndClickingBesideDisablesThem) {
    open(nameServerPage());
    clickLine(0);
    EXPECT_TRUE(button("EditButton")->isEnabled());
    EXPECT_TRUE(button("DeleteButton")->isEnabled());
    EXPECT_EQ(panel->EditsPanel->GetRowText(2), "192.0.2.53");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 5));
    EXPECT_FALSE(button("EditButton")->isEnabled());
    EXPECT_FALSE(button("DeleteButton")->isEnabled());
    EXPECT_EQ(panel->EditsPanel->GetRowText(2), "");
}

TEST_F(TablePageTest, ADoubleClickOpensTheEditDialogAlsoWithNothingToSet) {
    open(listPage("Dynamic Name Server Table: ", DynamicNameServerTableVars));
    EXPECT_TRUE(button("EditButton")->isHidden());
    sim->setValue("1.3.6.1.4.1.32473.12.85.1.3.2.1.2.3", "IPADDRESS 192.0.2.3");
    panel->RefreshClick();
    ASSERT_TRUE(waitUntil([&] { return idle() && list->topLevelItemCount() == 1; }));
    bool opened = false;
    bool setShown = true;
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "EditDialog") return false;
        opened = true;
        setShown = !modal->findChild<QPushButton*>("SetButton")->isHidden();
        qobject_cast<QDialog*>(modal)->reject();
        return true;
    });
    const QPoint line = list->visualItemRect(list->topLevelItem(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(setShown);
}

TEST_F(TablePageTest, AddCreatesTheRowAndTheTableIsReadAgain) {
    open(nameServerPage());
    clickLine(0);
    sim->clearLog();
    QString caption;
    bool indexLocked = true;
    QString status;
    QString addressAtStart = "unset";
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "AddDialog") return false;
        caption = modal->windowTitle();
        addressAtStart = modal->findChild<QLineEdit*>("RowEdit2")->text();
        auto* index = modal->findChild<QLineEdit*>("RowEdit0");
        indexLocked = index->isReadOnly() || !modal->findChild<QCheckBox*>("RowCheck0")->isChecked();
        status = modal->findChild<QComboBox*>("RowEdit1")->currentText();
        index->setText("5");
        modal->findChild<QLineEdit*>("RowEdit2")->setText("192.0.2.99");
        auto* priority = modal->findChild<QComboBox*>("RowEdit3");
        priority->setCurrentIndex(priority->findText("secondary"));
        modal->findChild<QPushButton*>("CheckAllButton")->click();
        modal->findChild<QPushButton*>("SetButton")->click();
        closeIfOpen(modal);
        return true;
    });
    button("AddButton")->click();
    EXPECT_EQ(caption, "Static Name Server Table: 127.0.0.1 (Add)");
    EXPECT_FALSE(indexLocked) << "the index is typed in the Add dialog";
    EXPECT_EQ(status, "createAndGo");
    EXPECT_EQ(addressAtStart, "") << "the selected line's values are not offered for a new row";

    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 3u);
    EXPECT_EQ(sets[0].bindings[0].oid, std::string(NameServer) + ".2.5");
    EXPECT_EQ(sets[0].bindings[0].value, "4");
    EXPECT_EQ(sets[0].bindings[1].oid, std::string(NameServer) + ".3.5");
    EXPECT_EQ(sets[0].bindings[1].value, "192.0.2.99");
    EXPECT_EQ(sets[0].bindings[2].value, "2");
    EXPECT_EQ(sim->value(std::string(NameServer) + ".3.5"), "IPADDRESS 192.0.2.99");
    ASSERT_TRUE(waitUntil([&] { return idle() && list->topLevelItemCount() == 2; }));
    EXPECT_EQ(count(), "2");
    EXPECT_TRUE(panel->EditsPanel->isHidden()) << "the rows went back to the page";
    EXPECT_EQ(panel->EditsPanel->parentWidget(), panel->ClientPanel);
}

TEST_F(TablePageTest, AFailedAddKeepsTheDialogAndItsInput) {
    open(nameServerPage());
    sim->addFault({Fault::ErrorStatus, std::string(NameServer) + ".2", -1, 10});
    QString error;
    bool stillOpen = false;
    QString keptAddress;
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "AddDialog") return false;
        modal->findChild<QLineEdit*>("RowEdit0")->setText("6");
        modal->findChild<QLineEdit*>("RowEdit2")->setText("192.0.2.66");
        modal->findChild<QCheckBox*>("RowCheck2")->setChecked(true);
        answerBox(QMessageBox::Ok, &error);
        modal->findChild<QPushButton*>("SetButton")->click();
        stillOpen = modal->isVisible();
        keptAddress = modal->findChild<QLineEdit*>("RowEdit2")->text();
        qobject_cast<QDialog*>(modal)->reject();
        return true;
    });
    button("AddButton")->click();
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(keptAddress, "192.0.2.66");
    EXPECT_FALSE(sim->value(std::string(NameServer) + ".3.6"));
}

TEST_F(TablePageTest, EditWritesTheSelectedRowWithoutCreateOrDestroyOnOffer) {
    sim->setValue(std::string(NameServer) + ".2.7", "INTEGER 1");
    sim->setValue(std::string(NameServer) + ".3.7", "IPADDRESS 192.0.2.77");
    sim->setValue(std::string(NameServer) + ".4.7", "INTEGER 2");
    open(nameServerPage());
    auto* statusCombo = qobject_cast<QComboBox*>(panel->EditsPanel->Rows[1].Control);
    QStringList before;
    for (int i = 0; i < statusCombo->count(); ++i) before << statusCombo->itemText(i);
    clickLine(1);
    sim->clearLog();
    QString caption;
    QStringList offered;
    bool indexLocked = false;
    bool setEnabledAtStart = true;
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "EditDialog") return false;
        caption = modal->windowTitle();
        indexLocked = modal->findChild<QLineEdit*>("RowEdit0")->isReadOnly();
        auto* combo = modal->findChild<QComboBox*>("RowEdit1");
        for (int i = 0; i < combo->count(); ++i) offered << combo->itemText(i);
        setEnabledAtStart = modal->findChild<QPushButton*>("SetButton")->isEnabled();
        modal->findChild<QLineEdit*>("RowEdit2")->setText("192.0.2.78");
        modal->findChild<QCheckBox*>("RowCheck2")->setChecked(true);
        modal->findChild<QPushButton*>("SetButton")->click();
        closeIfOpen(modal);
        return true;
    });
    button("EditButton")->click();
    EXPECT_EQ(caption, "Static Name Server Table: 127.0.0.1 (Edit)");
    EXPECT_TRUE(indexLocked);
    EXPECT_FALSE(setEnabledAtStart);
    EXPECT_FALSE(offered.contains("createAndGo"));
    EXPECT_FALSE(offered.contains("destroy"));
    EXPECT_TRUE(offered.contains("active"));

    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 1u);
    EXPECT_EQ(sets[0].bindings[0].oid, std::string(NameServer) + ".3.7");
    EXPECT_EQ(sim->value(std::string(NameServer) + ".3.7"), "IPADDRESS 192.0.2.78");
    EXPECT_EQ(sim->value(std::string(NameServer) + ".3.1"), "IPADDRESS 192.0.2.53");

    QStringList after;
    for (int i = 0; i < statusCombo->count(); ++i) after << statusCombo->itemText(i);
    EXPECT_EQ(after, before) << "the RowStatus items are back in their order";
    ASSERT_TRUE(waitUntil([&] { return idle() && list->topLevelItemCount() == 2; }));
    EXPECT_EQ(list->topLevelItem(1)->text(2), "192.0.2.78");
}

TEST_F(TablePageTest, EditWritesTheRowTheWalkReturnedNotWhatItsCellSays) {
    sim->setValue(std::string(NameServer) + ".2.7", "INTEGER 1");
    sim->setValue(std::string(NameServer) + ".3.7", "IPADDRESS 192.0.2.77");
    open(nameServerPage());
    list->topLevelItem(1)->setText(0, "1");  // a cell that no longer names its row
    clickLine(1);
    sim->clearLog();
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "EditDialog") return false;
        modal->findChild<QComboBox*>("RowEdit3")->setCurrentIndex(0);
        modal->findChild<QCheckBox*>("RowCheck3")->setChecked(true);
        modal->findChild<QPushButton*>("SetButton")->click();
        closeIfOpen(modal);
        return true;
    });
    button("EditButton")->click();
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].bindings.at(0).oid, std::string(NameServer) + ".4.7");
}

TEST_F(TablePageTest, DeleteAfterConfirmationDestroysExactlyTheSelectedRow) {
    sim->setValue(std::string(NameServer) + ".2.7", "INTEGER 1");
    sim->setValue(std::string(NameServer) + ".3.7", "IPADDRESS 192.0.2.77");
    open(nameServerPage());
    clickLine(1);
    sim->clearLog();

    QString question;
    answerBox(QMessageBox::Cancel, &question);
    button("DeleteButton")->click();
    EXPECT_EQ(question, "Are you sure to delete it?");
    EXPECT_TRUE(sim->log().empty()) << "not confirmed: nothing sent";

    answerBox(QMessageBox::Ok);
    button("DeleteButton")->click();
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 1u);
    EXPECT_EQ(sets[0].bindings[0].oid, std::string(NameServer) + ".2.7");
    EXPECT_EQ(sets[0].bindings[0].value, "6");
    EXPECT_FALSE(sim->value(std::string(NameServer) + ".3.7"));
    // The read after Delete is complete before the click returns.
    EXPECT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(count(), "1");
    EXPECT_EQ(page->Requests.front()->Async, 1);
}

TEST_F(TablePageTest, StopEndsALongWalkKeepingTheLinesRead) {
    open(hostPage());
    ASSERT_EQ(list->topLevelItemCount(), 40);
    sim->addFault({Fault::Delay, Hosts, -1, 5, 30});
    button("RefreshButton")->click();
    ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() >= 3; }));
    button("StopButton")->click();  // hidden on this page, but its handler is the frame's
    ASSERT_TRUE(waitUntil([&] { return idle(); }));
    const int lines = list->topLevelItemCount();
    EXPECT_LT(lines, 40);
    EXPECT_EQ(count(), QString::number(lines));
    EXPECT_TRUE(statusLine(page.get()).contains("Stop, SNMP Request is not active.")) << statusLine(page.get()).toStdString();
}

TEST_F(TablePageTest, RefreshDuringAWalkStartsNoSecondOne) {
    open(hostPage());
    sim->addFault({Fault::Delay, Hosts, -1, 5, 20});
    sim->clearLog();
    button("RefreshButton")->click();
    ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() >= 2; }));
    button("RefreshButton")->click();
    page->Refresh();
    ASSERT_TRUE(waitUntil([&] { return idle(); }, 10000));
    EXPECT_EQ(walksOf(sim->log(), std::string(Hosts) + ".2"), 1);
    EXPECT_EQ(list->topLevelItemCount(), 40);
}

TEST_F(TablePageTest, RefreshRightAfterStopStartsANewWalkFromTheTableStart) {
    struct Case {
        const char* name;
        std::function<void()> refresh;
    } cases[] = {
        {"the Refresh button", [this] { button("RefreshButton")->click(); }},
        {"the page's own refresh", [this] { page->Refresh(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open(hostPage());
        const int delay = sim->addFault({Fault::Delay, Hosts, -1, 5, 20});
        sim->clearLog();
        button("RefreshButton")->click();
        ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() >= 3; }));
        button("StopButton")->click();
        c.refresh();
        ASSERT_TRUE(waitUntil([&] { return idle() && statusLine(page.get()).contains("Ok!"); }, 10000));
        EXPECT_EQ(walksOf(sim->log(), std::string(Hosts) + ".2"), 2) << "the stopped walk is not resumed";
        ASSERT_EQ(list->topLevelItemCount(), 40);
        for (int line = 0; line < 40; ++line) EXPECT_EQ(list->topLevelItem(line)->text(0), QString::number(line + 1));
        sim->removeFault(delay);
    }
}

TEST_F(TablePageTest, AnAgentEndingAColumnWithTheOidAskedAndNullFailsTheRead) {
    sim->addFault({Fault::NullAtEnd, std::string(NameServer) + ".4"});
    page = BuildTablePage(nameServerPage(), "127.0.0.1");
    list = page->findChild<TSNMPListViewPanel*>()->ListViewPanel->ListView;
    page->show();
    ASSERT_TRUE(waitUntil([&] { return idle() && !statusLine(page.get()).isEmpty(); }));
    const QString line = statusLine(page.get());
    EXPECT_FALSE(line.contains("Ok!")) << line.toStdString();
    EXPECT_TRUE(line.contains(QString::fromStdString(" does not follow " + std::string(NameServer) + ".4.1.")))
        << line.toStdString();
    EXPECT_EQ(list->topLevelItemCount(), 1) << "the row read stays";
}

// Served without the priority column: a column the agent has no instance of must not lend any line an
// instance, whatever the page did before.
class ColumnlessTablePageTest : public TablePageTest {
protected:
    void SetUp() override {
        trvtest::isolateNetSnmp();
        restart();
    }
    void restart() {
        page.reset();
        sim = std::make_unique<trvtest::SimAgent>("pages.txt",
                                                  trvtest::variantData("variant-name-servers-without-priority.txt"));
        targetSimulator(*sim);
        open(nameServerPage());
    }
    void editAddress(int line, const char* address) {
        clickLine(line);
        whenModal([address](QWidget* modal) {
            if (modal->objectName() != "EditDialog") return false;
            modal->findChild<QLineEdit*>("RowEdit2")->setText(address);
            modal->findChild<QCheckBox*>("RowCheck2")->setChecked(true);
            modal->findChild<QPushButton*>("SetButton")->click();
            closeIfOpen(modal);
            return true;
        });
        button("EditButton")->click();
        ASSERT_TRUE(waitUntil([&] { return idle(); }));
    }
    void deleteLine(int line) {
        clickLine(line);
        answerBox(QMessageBox::Ok);
        button("DeleteButton")->click();
    }
};

TEST_F(ColumnlessTablePageTest, EditAndDeleteOfTheFirstLineReachItsOwnRowWhateverCameBefore) {
    struct Case {
        const char* name;
        std::function<void()> before;
        int lines;
    } cases[] = {
        {"a second walk",
         [this] {
             button("RefreshButton")->click();
             ASSERT_TRUE(waitUntil([&] { return idle(); }));
         },
         3},
        {"an Edit of the last line", [this] { editAddress(2, "192.0.2.65"); }, 3},
        {"a Delete of the last line", [this] { deleteLine(2); }, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        c.before();
        ASSERT_TRUE(waitUntil([&] { return idle() && list->topLevelItemCount() == c.lines; }));
        for (int line = 0; line < c.lines; ++line)
            EXPECT_EQ(TListViewPanel::InstanceOf(list->topLevelItem(line)), list->topLevelItem(line)->text(0).toStdString());

        sim->clearLog();
        editAddress(0, "192.0.2.11");
        auto sets = ofKind(sim->log(), "SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].bindings.at(0).oid, std::string(NameServer) + ".3.1");
        EXPECT_EQ(sim->value(std::string(NameServer) + ".3.1"), "IPADDRESS 192.0.2.11");
        EXPECT_EQ(sim->value(std::string(NameServer) + ".3.2"), "IPADDRESS 192.0.2.54");

        sim->clearLog();
        deleteLine(0);
        sets = ofKind(sim->log(), "SET");
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].bindings.size(), 1u);
        EXPECT_EQ(sets[0].bindings[0].oid, std::string(NameServer) + ".2.1");
        EXPECT_EQ(sets[0].bindings[0].value, "6");
        EXPECT_FALSE(sim->value(std::string(NameServer) + ".3.1"));
        EXPECT_EQ(sim->value(std::string(NameServer) + ".3.2"), "IPADDRESS 192.0.2.54");
        EXPECT_EQ(list->topLevelItemCount(), c.lines - 1);
    }
}

TEST_F(TablePageTest, EditStopsARunningWalkBeforeTheDialogOpens) {
    open(hostPage());
    clickLine(0);
    sim->addFault({Fault::Delay, Hosts, -1, 5, 30});
    panel->RefreshClick();
    ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() >= 2; }));
    list->setCurrentItem(list->topLevelItem(0));
    int busyInDialog = -1;
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "EditDialog") return false;
        busyInDialog = page->Requests.front()->Busy;
        qobject_cast<QDialog*>(modal)->reject();
        return true;
    });
    panel->EditClick();
    EXPECT_EQ(busyInDialog, 0);
}

TEST_F(TablePageTest, TheHoverHintListsEveryColumnPaddedWithTabs) {
    open(nameServerPage());
    // Longest caption "IP Address", 10 characters.
    EXPECT_EQ(panel->LineHint(list->topLevelItem(0)),
              "Index\t\t\t\t\t  1\nRowStatus\t  active\nIP Address  192.0.2.53\nPriority\t\t  primary\n");
}

// ---- tabbed page

TEST_F(PageTest, EachTabIsReadWhenSelectedAndNeverByTwoWalksAtOnce) {
    TConfigForm page;
    page.DeviceIP = "127.0.0.1";
    page.setWindowTitle("DNS: 127.0.0.1");
    page.MakePaged();
    page.AddListViewPage("Static Name Server", MakePageRequest(&page, StaticNameServerTableVars, MVT_FMV, 1), 1,
                         "createAndGo", 1, "destroy");
    auto* hosts = page.AddListViewPage("Static Host", MakePageRequest(&page, StaticHostTableVars, MVT_FMV, 1), 1,
                                       "createAndGo", 1, "destroy");
    EXPECT_LE(page.width(), 800);
    EXPECT_LE(page.height(), 550);
    EXPECT_TRUE(sim->log().empty());
    page.show();
    const std::string serverColumn = std::string(NameServer) + ".2";
    const std::string hostColumn = std::string(Hosts) + ".2";
    ASSERT_TRUE(waitUntil([&] { return !page.Requests[0]->Busy && walksOf(sim->log(), serverColumn) == 1; }));
    EXPECT_EQ(walksOf(sim->log(), hostColumn), 0) << "other tabs wait until selected";

    sim->addFault({Fault::Delay, Hosts, -1, 5, 20});
    page.PageControl->setCurrentIndex(1);
    ASSERT_TRUE(waitUntil([&] { return hosts->ListViewPanel->ListView->topLevelItemCount() >= 2; }));
    page.PageControl->setCurrentIndex(0);
    page.PageControl->setCurrentIndex(1);  // its walk still runs
    ASSERT_TRUE(waitUntil([&] { return !page.Requests[0]->Busy && !page.Requests[1]->Busy; }, 10000));
    const auto log = sim->log();
    EXPECT_EQ(walksOf(log, hostColumn), 1);
    EXPECT_EQ(walksOf(log, serverColumn), 2) << "the first tab is read again on each selection";
    EXPECT_EQ(hosts->ListViewPanel->ListView->topLevelItemCount(), 40);

    QString caption;
    whenModal([&](QWidget* modal) {
        if (modal->objectName() != "AddDialog") return false;
        caption = modal->windowTitle();
        qobject_cast<QDialog*>(modal)->reject();
        return true;
    });
    hosts->ButtonPanel->AddButton->click();
    EXPECT_EQ(caption, "Static Host: 127.0.0.1 (Add)");
}

// ---- closing

TEST_F(PageTest, ClosingDuringASlowWalkReturnsWithinTheTimeOutByEveryWay) {
    struct Case {
        const char* Name;
        std::function<void(TConfigForm&)> Close;
    };
    const std::vector<Case> cases = {
        {"Close button", [](TConfigForm& page) { page.findChild<QPushButton*>("CloseButton")->click(); }},
        {"Escape", [](TConfigForm& page) { QTest::keyClick(&page, Qt::Key_Escape); }},
        {"done", [](TConfigForm& page) { page.done(QDialog::Accepted); }},
        {"window close", [](TConfigForm& page) { page.close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        sim->clearFaults();
        auto page = BuildTablePage(hostPage(), "127.0.0.1");
        KySNMPRequest2Edits* binder = page->Requests.front().get();
        const int timeout = binder->Request.Timeout * 10 * (binder->Request.Retries + 1);
        page->show();
        sim->addFault({Fault::Delay, Hosts, -1, 5, 1500});
        ASSERT_TRUE(waitUntil([&] { return binder->Busy; }));
        QElapsedTimer clock;
        clock.start();
        c.Close(*page);
        EXPECT_LT(clock.elapsed(), timeout + 500);
        EXPECT_TRUE(page->Requests.empty());
        EXPECT_FALSE(page->isVisible());
        page->findChild<QPushButton*>("RefreshButton")->click();  // a freed request is not reached
        page.reset();
        // Late answers arrive after the page is gone.
        QTest::qWait(1800);
    }
}

}  // namespace
