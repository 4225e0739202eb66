// The lifecycle every dedicated page shares, on a small page over the static VLAN table.
#include "DedicatedPage.h"
#include "KySNMPVarList.h"
#include "MessageBoxes.h"
#include "Oid_qbridge.h"
#include "PageEditDialog.h"
#include "PageTestSupport.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

const std::string Column = "1.3.6.1.2.1.17.7.1.4.3.1.";
enum { Id, Name, Egress, Forbidden, Untagged, RowStatus };

// The fixture's page: the VLAN list, its ID, name and hidden status, and the base's buttons.
class TTestPage : public TDedicatedPage {
public:
    explicit TTestPage(const TPageOptions& options, bool badBinding = false)
        : TDedicatedPage(nullptr, options) {
        auto* layout = new QVBoxLayout(Client);
        List = new QTreeWidget(Client);
        IdEdit = new QLineEdit(Client);
        NameEdit = new QLineEdit(Client);
        Status = new QComboBox(Client);
        RowCounter = new QLabel(Client);
        AddButton = NewPageButton(Client, "AddBtn", "Add");
        SetButton = NewPageButton(Client, "SetBtn", "Set");
        DeleteButton = NewPageButton(Client, "DeleteBtn", "Delete");
        for (QWidget* w : std::initializer_list<QWidget*>{List, IdEdit, NameEdit, RowCounter, AddButton, SetButton, DeleteButton})
            layout->addWidget(w);
        KeyEdits = {IdEdit};
        WatchList(List);
        CreateBinder({.Table = Dot1qVlanStaticVars,
                      .ItemType = MVT_UMV,
                      .KeyCount = 1,
                      .Main = true,
                      .List = List,
                      .Bind = [&](KySNMPRequest2Edits& binder) {
                          binder.BindEdits(Id, "%i{n1x4094l4}", {IdEdit});
                          // A name has no option list for a combo box: the binding fails.
                          if (badBinding) binder.BindComboBox(Name, Status);
                          binder.BindEdits(Name, "%s", {NameEdit});
                          binder.BindComboBox(RowStatus, Status);
                      }});
        ShowRowSelected(false);
    }

    void ResetInputs() override {
        IdEdit->clear();
        NameEdit->clear();
        ++Resets;
    }

    using TDedicatedPage::AllButKeysAnd;
    using TDedicatedPage::GuardedWrite;
    using TDedicatedPage::MaskedSet;
    using TDedicatedPage::MayWrite;
    using TDedicatedPage::RefreshClick;

    QTreeWidget* List;
    QLineEdit* IdEdit;
    QLineEdit* NameEdit;
    QComboBox* Status;
    int Resets = 0;
};

// A page whose rows are added and changed in its dialog: the dialog's edits are bound to the page's binder.
class TTestDialog : public TPageEditDialog {
public:
    explicit TTestDialog(TDedicatedPage& page) : TPageEditDialog(page) {
        auto* layout = new QVBoxLayout(this);
        IdEdit = new QLineEdit(this);
        NameEdit = new QLineEdit(this);
        Status = new QComboBox(this);
        SetButton = NewPageButton(this, "SetBtn", "Set");
        for (QWidget* w : std::initializer_list<QWidget*>{IdEdit, NameEdit, SetButton}) layout->addWidget(w);
        KeyEdits = {IdEdit};
        connect(SetButton, &QPushButton::clicked, this, [this] {
            Page.GuardedWrite([&] {
                return Page.MaskedSet({Egress, Forbidden, Untagged}, RowStatus, Adding ? 3 : Status->currentIndex());
            });
            accept();
        });
    }
    QLineEdit* IdEdit;
    QLineEdit* NameEdit;
    QComboBox* Status;
    QPushButton* SetButton;
};

class TTestDialogPage : public TDedicatedPage {
public:
    TTestDialogPage() : TDedicatedPage(nullptr, {.Guarded = true}) {
        auto* layout = new QVBoxLayout(Client);
        List = new QTreeWidget(Client);
        layout->addWidget(List);
        SetButton = NewPageButton(Client, "EditBtn", "Edit");
        DeleteButton = NewPageButton(Client, "DeleteBtn", "Delete");
        Dialog = CreateEditDialog<TTestDialog>();
        WatchList(List);
        CreateBinder({.Table = Dot1qVlanStaticVars,
                      .ItemType = MVT_UMV,
                      .KeyCount = 1,
                      .Main = true,
                      .List = List,
                      .Bind = [&](KySNMPRequest2Edits& binder) {
                          binder.BindEdits(Id, "%i{n1x4094l4}", {Dialog->IdEdit});
                          binder.BindEdits(Name, "%s", {Dialog->NameEdit});
                          binder.BindComboBox(RowStatus, Dialog->Status);
                      }});
        setWindowTitle("Test Table: 127.0.0.1");
    }
    QTreeWidget* List;
    TTestDialog* Dialog;
};

const TPageOptions Guarded{.Guarded = true, .RefuseCloseWhileReading = true};

bool idle(TTestPage& page) { return page.MainBinder() && !page.MainBinder()->Busy; }

QTreeWidgetItem* rowOf(QTreeWidget* list, const QString& vlan) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == vlan) return list->topLevelItem(i);
    return nullptr;
}

// The columns (without instance) of the SETs in the log, one list per SET.
std::vector<std::vector<std::string>> setColumns(const std::vector<trvtest::LogEntry>& log) {
    std::vector<std::vector<std::string>> sets;
    for (const auto& entry : ofKind(log, "SET")) {
        std::vector<std::string> columns;
        for (const auto& b : entry.bindings) columns.push_back(b.oid.substr(Column.size()));
        sets.push_back(columns);
    }
    return sets;
}

// Walk starts: GETNEXTs that ask for the table's first column without an instance.
int walksStarted(const std::vector<trvtest::LogEntry>& log) {
    int walks = 0;
    for (const auto& entry : ofKind(log, "GETNEXT"))
        if (!entry.bindings.empty() && entry.bindings[0].oid == Column + "1") ++walks;
    return walks;
}

class PageBaseTest : public PageTest {
protected:
    std::string dataFile() const override { return "menus.txt"; }
    void slowWalk() { sim->addFault({.kind = trvtest::Fault::Delay, .oid = "1.3.6.1.2.1.17.7.1.4.3", .delayMs = 120}); }
};

TEST_F(PageBaseTest, FirstReadFillsTheListAndItsCounter) {
    TTestPage page(Guarded);
    EXPECT_EQ(page.DataComplete, 0);
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    EXPECT_EQ(page.List->topLevelItemCount(), 5);
    EXPECT_EQ(page.RowCounter->text(), "5");
    EXPECT_TRUE(page.StatusPanel()->text().startsWith("Get: Ok!")) << page.StatusPanel()->text().toStdString();
}

TEST_F(PageBaseTest, RefreshIsIgnoredWhileReadingAndStopEndsTheWalk) {
    slowWalk();
    TTestPage page(Guarded);
    page.RefreshClick();
    page.RefreshClick();
    page.StopClick();
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    EXPECT_EQ(walksStarted(sim->log()), 1) << "the clicks during the read start nothing";
    EXPECT_LT(page.List->topLevelItemCount(), 5);
    EXPECT_TRUE(page.StatusPanel()->text().contains("Stop, SNMP Request is not active.")) << page.StatusPanel()->text().toStdString();

    sim->clearFaults();
    sim->clearLog();
    page.RefreshClick();
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1 && page.List->topLevelItemCount() == 5; }));
    EXPECT_EQ(walksStarted(sim->log()), 1);
}

TEST_F(PageBaseTest, CloseIsRefusedWhileReadingWithItsText) {
    slowWalk();
    TTestPage page(Guarded);
    page.show();
    MessageBoxes boxes;
    page.close();
    ASSERT_TRUE(waitUntil([&] { return !boxes.Texts.isEmpty(); }));
    EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete"});
    EXPECT_TRUE(page.isVisible());
    ASSERT_NE(page.MainBinder(), nullptr);

    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    page.close();
    EXPECT_FALSE(page.isVisible());
    EXPECT_EQ(page.MainBinder(), nullptr) << "closing freed the binder";
}

TEST_F(PageBaseTest, ClosingDuringAWalkWaitsForItAndLeavesNoRequest) {
    slowWalk();
    TTestPage page({.Guarded = true});
    page.show();
    page.close();
    EXPECT_FALSE(page.isVisible());
    EXPECT_EQ(page.MainBinder(), nullptr);
    sim->clearLog();
    waitUntil([] { return false; }, 400);
    EXPECT_TRUE(sim->log().empty()) << "nothing is sent after the page closed";
}

TEST_F(PageBaseTest, APageWhoseReadNeverReportedItsEndStillCloses) {
    TTestPage page(Guarded);
    ASSERT_TRUE(waitUntil([&] { return idle(page) && page.DataComplete == 1; }));
    page.DataComplete = 0;  // a read that ended without saying so
    page.show();
    page.close();
    EXPECT_FALSE(page.isVisible());
}

TEST_F(PageBaseTest, AFailureWhileCreatingIsReportedAndThePageOpens) {
    TTestPage page(Guarded, true);
    EXPECT_EQ(page.DataComplete, 1);
    EXPECT_FALSE(page.StatusPanel()->text().isEmpty());
    page.show();
    page.close();
    EXPECT_FALSE(page.isVisible());
}

TEST_F(PageBaseTest, SelectingARowLocksItsKeyAndClearingItResetsTheInputs) {
    TTestPage page(Guarded);
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(page.List, &focus);
    EXPECT_EQ(page.List->currentItem(), nullptr) << "the list taking the focus selects no row";
    EXPECT_TRUE(page.AddButton->isEnabled());

    page.List->setCurrentItem(rowOf(page.List, "20"));
    EXPECT_EQ(page.IdEdit->text(), "20");
    EXPECT_EQ(page.NameEdit->text(), "engineering");
    EXPECT_FALSE(page.IdEdit->isEnabled());
    EXPECT_FALSE(page.AddButton->isEnabled());
    EXPECT_TRUE(page.SetButton->isEnabled());
    EXPECT_TRUE(page.DeleteButton->isEnabled());

    page.List->setCurrentItem(rowOf(page.List, "30"));
    EXPECT_EQ(page.NameEdit->text(), "voice") << "moving to another row shows that row";

    page.List->setCurrentItem(nullptr);
    EXPECT_TRUE(page.IdEdit->text().isEmpty());
    EXPECT_TRUE(page.IdEdit->isEnabled());
    EXPECT_TRUE(page.AddButton->isEnabled());
    EXPECT_FALSE(page.SetButton->isEnabled());
}

TEST_F(PageBaseTest, AMaskedWriteSendsOnlyTheColumnsNotLeftOut) {
    struct Case {
        const char* name;
        std::vector<int> excluded;
        std::vector<std::string> sent;  // column.instance
    };
    const Case cases[] = {
        {"name and status", {Egress, Forbidden, Untagged}, {"1.10", "5.10"}},
        {"status alone", {Name, Egress, Forbidden, Untagged}, {"5.10"}},
        {"every column but the forbidden ports", {Forbidden}, {"1.10", "2.10", "4.10", "5.10"}},
    };
    TTestPage page(Guarded);
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page.List->setCurrentItem(rowOf(page.List, "10"));
        page.NameEdit->setText("sales-2");
        sim->clearLog();
        ASSERT_TRUE(page.MayWrite());
        page.GuardedWrite([&] { return page.MaskedSet(c.excluded); });
        ASSERT_TRUE(waitUntil([&] { return idle(page) && page.DataComplete == 1; }));
        EXPECT_EQ(setColumns(sim->log()), std::vector<std::vector<std::string>>{c.sent});
        for (int i = 0; i < page.MainBinder()->Request.VarList.GetCount(); ++i)
            EXPECT_EQ(page.MainBinder()->Request.VarList.GetVar(i).Access, Dot1qVlanStaticVars[i].Access) << i;
    }
    EXPECT_EQ(sim->value(Column + "1.10"), std::optional<std::string>("STRING 0x73616c65732d32"));
}

TEST_F(PageBaseTest, ARefusedWriteRestoresTheAccessWordsAndReadsTheTableAgain) {
    TTestPage page(Guarded);
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    page.List->setCurrentItem(rowOf(page.List, "10"));
    page.NameEdit->setText("refused");
    // Once: the SET's binding is refused, the re-read that follows is answered.
    sim->addFault({.kind = trvtest::Fault::ErrorStatus, .oid = Column + "1", .count = 1, .status = 5});
    MessageBoxes boxes;
    sim->clearLog();
    page.GuardedWrite([&] { return page.MaskedSet({Forbidden}); });
    ASSERT_TRUE(waitUntil([&] { return idle(page) && page.DataComplete == 1 && !boxes.Texts.isEmpty(); }));
    EXPECT_EQ(walksStarted(sim->log()), 1) << "the list is read again after the answer";
    EXPECT_EQ(page.List->topLevelItemCount(), 5);
    for (int i = 0; i < page.MainBinder()->Request.VarList.GetCount(); ++i)
        EXPECT_EQ(page.MainBinder()->Request.VarList.GetVar(i).Access, Dot1qVlanStaticVars[i].Access) << i;
    EXPECT_EQ(sim->value(Column + "1.10"), std::optional<std::string>("STRING 0x73616c6573"));
}

TEST_F(PageBaseTest, AddCreatesTheRowAndDeleteDestroysIt) {
    TTestPage page(Guarded);
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    page.IdEdit->setText("42");
    page.NameEdit->setText("lab");
    sim->clearLog();
    page.GuardedWrite([&] { return page.MaskedSet({Egress, Forbidden, Untagged}, RowStatus, 3); });
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1 && page.List->topLevelItemCount() == 6; }));
    EXPECT_EQ(setColumns(sim->log()), (std::vector<std::vector<std::string>>{{"1.42", "5.42"}}));
    EXPECT_EQ(ofKind(sim->log(), "SET")[0].bindings[1].value, "4") << "createAndGo";
    EXPECT_EQ(sim->value(Column + "1.42"), std::optional<std::string>("STRING 0x6c6162"));
    EXPECT_EQ(page.RowCounter->text(), "6");

    page.List->setCurrentItem(rowOf(page.List, "42"));
    sim->clearLog();
    page.GuardedWrite([&] { return page.MaskedSet(page.AllButKeysAnd(RowStatus), RowStatus, 5); });
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1 && page.List->topLevelItemCount() == 5; }));
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 1u);
    EXPECT_EQ(sets[0].bindings[0].oid, Column + "5.42");
    EXPECT_EQ(sets[0].bindings[0].value, "6") << "destroy";
    EXPECT_FALSE(sim->value(Column + "1.42").has_value());
    EXPECT_EQ(page.RowCounter->text(), "5");
}

TEST_F(PageBaseTest, TheDialogEditorAddsAndChangesRowsThroughThePagesBinder) {
    TTestDialogPage page;
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }));
    QString caption;
    whenModal([&](QWidget* modal) {
        if (modal != page.Dialog) return false;
        caption = modal->windowTitle();
        EXPECT_TRUE(page.Dialog->IdEdit->isEnabled());
        page.Dialog->IdEdit->setText("43");
        page.Dialog->NameEdit->setText("guest");
        page.Dialog->SetButton->click();
        return true;
    });
    sim->clearLog();
    page.ShowEditDialog(*page.Dialog, true);
    EXPECT_EQ(caption, "Test Table: 127.0.0.1 (Add)");
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1 && page.List->topLevelItemCount() == 6; }));
    EXPECT_EQ(setColumns(sim->log()), (std::vector<std::vector<std::string>>{{"1.43", "5.43"}}));

    page.List->setCurrentItem(rowOf(page.List, "43"));
    whenModal([&](QWidget* modal) {
        if (modal != page.Dialog) return false;
        caption = modal->windowTitle();
        EXPECT_EQ(page.Dialog->IdEdit->text(), "43") << "the selected row fills the dialog";
        EXPECT_FALSE(page.Dialog->IdEdit->isEnabled());
        page.Dialog->NameEdit->setText("guests");
        page.Dialog->SetButton->click();
        return true;
    });
    sim->clearLog();
    page.ShowEditDialog(*page.Dialog, false);
    EXPECT_EQ(caption, "Test Table: 127.0.0.1 (Edit)");
    EXPECT_EQ(page.List->currentItem(), nullptr) << "Edit ends with no row selected";
    EXPECT_FALSE(page.SetButton->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1 && page.List->topLevelItemCount() == 6; }));
    EXPECT_EQ(setColumns(sim->log()), (std::vector<std::vector<std::string>>{{"1.43", "5.43"}}));
    EXPECT_EQ(ofKind(sim->log(), "SET")[0].bindings[1].value, "1") << "the row's own status";
    EXPECT_EQ(sim->value(Column + "1.43"), std::optional<std::string>("STRING 0x677565737473"));
}

TEST_F(PageBaseTest, WritesAreRefusedWhileReadingAndSendNothing) {
    slowWalk();
    TTestPage page(Guarded);
    MessageBoxes boxes;
    sim->clearLog();
    EXPECT_FALSE(page.MayWrite("Get data not complete."));
    EXPECT_EQ(boxes.Texts, QStringList{"Get data not complete."});
    ASSERT_TRUE(waitUntil([&] { return page.DataComplete == 1; }, 10000));
    EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
}

}  // namespace
