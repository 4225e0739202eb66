// Binding objects against the switch simulator: a small form read and written back, table walks into a
// list view, Stop, one operation at a time, reporting on the status line and in message boxes, and a page
// closed while a slow walk runs.
#include "KyException.h"
#include "KyOptionList.h"
#include "KyRadioGroup.h"
#include "KySNMPRequest2Edits.h"
#include "KySNMPStatus.h"
#include "KySNMPTarget.h"
#include "MessageBoxes.h"
#include "SimTarget.h"
#include "SimAgent.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTreeWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using trvtest::Fault;
using trvtest::LogBinding;
using trvtest::LogEntry;

constexpr KyOptionItem StateItems[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
constinit const KyOptionList StateList{StateItems};
constexpr KyOptionItem DuplexItems[] = {{1, "auto"}, {2, "half"}, {3, "full"}, {0, nullptr}};
constinit const KyOptionList DuplexList{DuplexItems};
constexpr KyOptionItem SwitchItems[] = {{2, "disabled"}, {1, "enabled"}, {0, nullptr}};
constinit const KyOptionList SwitchList{SwitchItems};

enum { Name, State, Duplex, Switch, Ports, VlanList, Spare, Count };
constexpr KySNMPVarDesc FormVars[] = {
    {"1.3.6.1.4.1.32473.98.1.1", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.2", "State", sxInteger, afReadWrite, &StateList},
    {"1.3.6.1.4.1.32473.98.1.3", "Duplex", sxInteger, afReadWrite, &DuplexList},
    {"1.3.6.1.4.1.32473.98.1.4", "Switch", sxInteger, afReadWrite, &SwitchList},
    {"1.3.6.1.4.1.32473.98.1.5", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.6", "VLAN List", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.7", "Spare", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.1.8", "Count", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

enum { Index, RowName, Number, Members };
constexpr KySNMPVarDesc TableVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.98.2.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.2.1.3", "Number", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.98.2.1.4", "Members", sxBitList, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};
constexpr const char* TableColumn = "1.3.6.1.4.1.32473.98.2.1";

std::string dataFile() { return TRV_SNMPLIB_TEST_DATA "/binding.txt"; }

// A binder that counts its slots, as pages and subclasses see them.
class CountingBinder : public KySNMPRequest2Edits {
public:
    using KySNMPRequest2Edits::KySNMPRequest2Edits;
    int Rows = 0;
    int Done = 0;
    std::function<void()> AfterRow;

protected:
    void RowReceived() override {
        ++Rows;
        KySNMPRequest2Edits::RowReceived();
        if (AfterRow) AfterRow();
    }
    void GetDone() override {
        ++Done;
        KySNMPRequest2Edits::GetDone();
    }
};

std::vector<LogEntry> ofKind(const std::vector<LogEntry>& log, const std::string& pdu) {
    std::vector<LogEntry> out;
    for (const LogEntry& e : log)
        if (e.pdu == pdu) out.push_back(e);
    return out;
}

class BinderTest : public trvtest::SimAgentTest {
protected:
    std::string dataFile() const override { return ::dataFile(); }

    void SetUp() override {
        SimAgentTest::SetUp();
        targetSimulator(*sim);
    }

    // The fixture's binders exist before the simulator does: give them the target a new request copies.
    static void retarget(KySNMPRequest& request) {
        request.Device = DefaultSNMPDevice;
        request.Security = DefaultSNMPSecurity;
        request.Timeout = DefaultSNMPTimeout;
    }

    static bool idle(KySNMPRequest2Controls& binder) {
        return waitUntil([&] { return binder.Busy == 0; });
    }

    std::string stored(const std::string& oid) { return sim->value(oid).value_or("(none)"); }

    QWidget form;
};

// ---- a form

class FormTest : public BinderTest, public ::testing::WithParamInterface<std::uint8_t> {
protected:
    void SetUp() override {
        BinderTest::SetUp();
        retarget(binder.Request);
        binder.Async = GetParam();
        binder.Request.VarList = KySNMPVarList(FormVars, SVT_SV, 0);
        binder.SetStatusTarget(status);
        binder.BindControl(Name, name);
        binder.BindComboBox(State, state);
        binder.BindRadioGroup(Duplex, duplex);
        binder.BindControl(Switch, enabled);
        for (int k = 0; k < 32; ++k) ports.push_back(new QCheckBox(&form));
        std::string bits;
        for (int k = 0; k < 32; ++k) bits += (k ? "," : "") + std::to_string(k);
        binder.BindCheckBoxBits(Ports, bits, ports);
        binder.BindControl(VlanList, vlans);
        binder.BindStaticText(Count, count);
    }

    QLabel* status = new QLabel(&form);
    QLineEdit* name = new QLineEdit(&form);
    QComboBox* state = new QComboBox(&form);
    KyRadioGroup* duplex = new KyRadioGroup(&form);
    QCheckBox* enabled = new QCheckBox(&form);
    std::vector<QCheckBox*> ports;
    QLineEdit* vlans = new QLineEdit(&form);
    QLabel* count = new QLabel(&form);
    KySNMPRequest2Edits binder{&form};
};

TEST_P(FormTest, GetFillsEachControlAndSetWritesEachBackInOneSet) {
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    EXPECT_EQ(name->text(), "core-sw");
    EXPECT_EQ(state->currentText(), "enabled");
    EXPECT_EQ(duplex->itemIndex(), 1);
    EXPECT_TRUE(enabled->isChecked());
    for (int k = 0; k < 32; ++k) EXPECT_EQ(ports[std::size_t(k)]->isChecked(), k == 0 || k == 2 || k == 31) << "port " << k + 1;
    EXPECT_EQ(vlans->text(), "1-4,7");
    EXPECT_EQ(count->text(), "5");
    EXPECT_TRUE(status->text().startsWith("Get: Ok! Receive at ")) << status->text().toStdString();

    name->setText("edge-sw");
    state->setCurrentIndex(1);
    duplex->setItemIndex(2);
    enabled->setChecked(false);
    ports[2]->setChecked(false);
    ports[9]->setChecked(true);
    vlans->setText("1-3,32");
    sim->clearLog();
    ASSERT_TRUE(binder.Set());
    ASSERT_TRUE(idle(binder));

    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].security, "quiltry");
    const std::vector<LogBinding> expected = {
        {"1.3.6.1.4.1.32473.98.1.1.0", "STRING", "0x656467652d7377"},
        {"1.3.6.1.4.1.32473.98.1.2.0", "INTEGER", "2"},
        {"1.3.6.1.4.1.32473.98.1.3.0", "INTEGER", "3"},
        {"1.3.6.1.4.1.32473.98.1.4.0", "INTEGER", "2"},
        {"1.3.6.1.4.1.32473.98.1.5.0", "STRING", "0x80400001"},
        {"1.3.6.1.4.1.32473.98.1.6.0", "STRING", "0xe0000001"},
    };
    ASSERT_EQ(sets[0].bindings.size(), expected.size()) << "the unbound variable and the read-only one stay out";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].oid);
        EXPECT_EQ(sets[0].bindings[i].oid, expected[i].oid);
        EXPECT_EQ(sets[0].bindings[i].type, expected[i].type);
        EXPECT_EQ(sets[0].bindings[i].value, expected[i].value);
    }
    EXPECT_EQ(stored("1.3.6.1.4.1.32473.98.1.7.0"), "INTEGER 77");
    EXPECT_EQ(binder.Request.VarList.GetVar(Spare).Access, afReadWrite) << "leaving it out lasts one Set";
    EXPECT_TRUE(status->text().startsWith("Set: Ok! Receive at ")) << status->text().toStdString();
}

TEST_P(FormTest, BadPortTextRefusesTheSetAndSendsNothing) {
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    vlans->setText("1-40");
    sim->clearLog();
    try {
        EXPECT_FALSE(binder.Set());
        ADD_FAILURE() << "the Set must be refused";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find("between 1 and 32"), std::string::npos) << error.what();
    }
    EXPECT_EQ(binder.Busy, 0);
    waitUntil([] { return false; }, 100);  // room for a SET that should not come
    EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
}

TEST_P(FormTest, FailedReadNeverLeavesAnOldOk) {
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    ASSERT_TRUE(status->text().contains("Ok!"));
    sim->addFault({Fault::Drop, "", -1});
    binder.Get();
    ASSERT_TRUE(idle(binder));
    EXPECT_TRUE(status->text().startsWith("Get: (SNMPClass) SNMP request timed out!")) << status->text().toStdString();
}

TEST_P(FormTest, FailedReadWithoutStatusLineIsABox) {
    MessageBoxes boxes;
    binder.SetStatusTarget(nullptr);
    sim->addFault({Fault::Drop, "", -1});
    EXPECT_EQ(binder.Get(), GetParam() == 1) << "an asynchronous read was sent; a synchronous one failed";
    ASSERT_TRUE(idle(binder));
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0].toStdString(), messageOf(-405));
}

TEST_P(FormTest, FailureWhileFillingTheControlsIsReportedAndLeavesTheBinderIdle) {
    binder.BindControl(Spare, new QPlainTextEdit(&form));
    if (GetParam() == 0) {
        EXPECT_THROW(binder.Get(), KyException);
    } else {
        ASSERT_TRUE(binder.Get());
        ASSERT_TRUE(idle(binder));
        EXPECT_TRUE(status->text().contains("Bad type of the associated visual control!")) << status->text().toStdString();
    }
    EXPECT_EQ(binder.Busy, 0);
    EXPECT_EQ(name->text(), "core-sw") << "controls before the failing one got their values";
}

INSTANTIATE_TEST_SUITE_P(BothModes, FormTest, ::testing::Values(std::uint8_t(0), std::uint8_t(1)),
                         [](const auto& info) { return info.param ? "Asynchronous" : "Synchronous"; });

// ---- a table in a list view

class ListTest : public BinderTest {
protected:
    void SetUp() override {
        BinderTest::SetUp();
        retarget(binder.Request);
        binder.Request.VarList = KySNMPVarList(TableVars, MVT_FMV, 1);
        binder.BindListView(list, 1);
        binder.BindControl(RowName, rowName);
        binder.SetStatusTarget(status);
        binder.OnGetError = [this](KySNMPRequest2Controls&, const KySNMPError& e) { reports.push_back(e.Code); };
    }

    std::vector<std::string> row(int i) {
        std::vector<std::string> cells;
        for (int k = 0; k < list->columnCount(); ++k) cells.push_back(list->topLevelItem(i)->text(k).toStdString());
        return cells;
    }

    QTreeWidget* list = new QTreeWidget(&form);
    QLineEdit* rowName = new QLineEdit(&form);
    QLabel* status = new QLabel(&form);
    CountingBinder binder{&form};
    std::vector<int> reports;
};

TEST_F(ListTest, WalkFillsTheListRowByRowAlsoWithAShortColumn) {
    for (std::uint8_t mode : {0, 1}) {
        SCOPED_TRACE(mode ? "asynchronous" : "synchronous");
        binder.Async = mode;
        binder.Rows = binder.Done = 0;
        reports.clear();
        std::vector<int> rowsSeen;
        binder.AfterRow = [&] { rowsSeen.push_back(list->topLevelItemCount()); };
        // Asynchronous rows wait for the list's next paint, here no sooner than the walk's end.
        binder.RowPace = 60000;
        ASSERT_TRUE(binder.Get());
        ASSERT_TRUE(idle(binder));
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(rowsSeen, mode ? (std::vector<int>{0, 0, 0}) : (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(row(0), (std::vector<std::string>{"1", "one", "10", "1[80]"}));
        EXPECT_EQ(row(1), (std::vector<std::string>{"2", "two", "20", "1-2[C0]"}));
        EXPECT_EQ(row(2), (std::vector<std::string>{"3", "three", "(NOTDONE)", "1-3,8[E1]"}));
        EXPECT_EQ(binder.Done, 1);
        EXPECT_FALSE(rowName->isEnabled()) << "a completed walk disables the controls until a row is chosen";
        EXPECT_TRUE(status->text().startsWith("Get: Ok! Receive at ")) << status->text().toStdString();
        EXPECT_EQ(reports, mode ? std::vector<int>{0} : std::vector<int>{});
    }
}

TEST_F(ListTest, StopEndsTheWalkWithItsStatusLine) {
    sim->addFault({Fault::Delay, "", -1, 5, 150});
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 1; }));
    binder.Request.Active = 0;  // the page's Stop button
    ASSERT_TRUE(idle(binder));
    EXPECT_EQ(list->topLevelItemCount(), 2) << "the answer on its way still gives its row";
    EXPECT_EQ(binder.Done, 1);
    EXPECT_TRUE(status->text().startsWith("Get: Stop, SNMP Request is not active. Receive at "))
        << status->text().toStdString();
    EXPECT_EQ(reports, std::vector<int>{0});
    EXPECT_EQ(ofKind(sim->log(), "GETNEXT").size(), 2u);
}

TEST_F(ListTest, StopGoesToTheRequestsOwnHookWhenItHasOne) {
    std::vector<KySNMPError> seen;
    binder.Request.OnError = [&](const KySNMPError& e) { seen.push_back(e); };
    sim->addFault({Fault::Delay, "", -1, 5, 150});
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(waitUntil([&] { return list->topLevelItemCount() == 1; }));
    binder.Request.Active = 0;
    ASSERT_TRUE(idle(binder));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].Code, 0);
    EXPECT_EQ(seen[0].Message, "Stop, SNMP Request is not active.");
    EXPECT_EQ(seen[0].ErrorCount, ~std::uint64_t(0));
    EXPECT_EQ(status->text(), "");
    EXPECT_EQ(reports, std::vector<int>{0});
}

TEST_F(ListTest, ReadWhileAWalkRunsIsIgnoredAndAWriteRefused) {
    sim->addFault({Fault::Delay, "", -1, 5, 100});
    ASSERT_TRUE(binder.Get());
    EXPECT_FALSE(binder.Get());
    EXPECT_FALSE(binder.Set());
    EXPECT_TRUE(status->text().startsWith("Set: Get data not complete ")) << "the user learns why nothing was sent";
    ASSERT_TRUE(idle(binder));
    EXPECT_EQ(list->topLevelItemCount(), 3);
    EXPECT_TRUE(ofKind(sim->log(), "SET").empty());
    EXPECT_EQ(reports, std::vector<int>{0});
}

TEST_F(ListTest, ReadAskedRightAfterAWriteWaitsForItsAnswer) {
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    list->setCurrentItem(list->topLevelItem(1));
    ASSERT_EQ(rowName->text(), "two");
    rowName->setText("TWO");
    sim->clearLog();
    sim->addFault({Fault::Delay, "", 1, 5, 100});
    ASSERT_TRUE(binder.Set(0));
    ASSERT_TRUE(binder.Get()) << "the re-read is queued behind the write";
    ASSERT_TRUE(idle(binder));
    const auto log = sim->log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0].pdu, "SET");
    ASSERT_EQ(log[0].bindings.size(), 3u) << "no key column, every column of the chosen row";
    EXPECT_EQ(log[0].bindings[0].oid, std::string(TableColumn) + ".2.2");
    EXPECT_EQ(log[0].bindings[2].value, "0xc0");
    for (std::size_t i = 1; i < log.size(); ++i) EXPECT_EQ(log[i].pdu, "GETNEXT");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(row(1)[1], "TWO");
}

TEST_F(ListTest, ColumnMissingFromTheChosenRowIsNotWritten) {
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    list->setCurrentItem(list->topLevelItem(2));
    sim->clearLog();
    ASSERT_TRUE(binder.Set(0));
    ASSERT_TRUE(idle(binder));
    const auto sets = ofKind(sim->log(), "SET");
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].bindings.size(), 2u);
    EXPECT_EQ(sets[0].bindings[0].oid, std::string(TableColumn) + ".2.3");
    EXPECT_EQ(sets[0].bindings[1].oid, std::string(TableColumn) + ".4.3");
    EXPECT_EQ(sets[0].bindings[1].value, "0xe1");
}

TEST_F(ListTest, SynchronousWriteFailureIsABoxAndTheListIsReadAgain) {
    MessageBoxes boxes;
    QApplication::setApplicationDisplayName("TRV5124");
    binder.Async = 0;
    ASSERT_TRUE(binder.Get());
    list->setCurrentItem(list->topLevelItem(0));
    sim->clearLog();
    sim->addFault({Fault::ErrorStatus, "", 1, 5});
    EXPECT_FALSE(binder.Set());
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0].toStdString(), messageOf(-105) + " Name (" + TableColumn + ".2.1)");
    EXPECT_EQ(boxes.Titles[0], "TRV5124");
    EXPECT_FALSE(ofKind(sim->log(), "GETNEXT").empty()) << "the list is read again after a failed write too";
    EXPECT_EQ(list->topLevelItemCount(), 3);
}

TEST_F(ListTest, SynchronousWriteWithoutStatusTargetShowsNothingAndDoesNotReload) {
    MessageBoxes boxes;
    binder.Async = 0;
    binder.SetStatusTarget(nullptr);
    ASSERT_TRUE(binder.Get());
    list->setCurrentItem(list->topLevelItem(0));
    sim->clearLog();
    EXPECT_TRUE(binder.Set());
    EXPECT_TRUE(boxes.Texts.isEmpty());
    const auto log = sim->log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].pdu, "SET");
}

TEST_F(ListTest, ReadFailureGoesToTheHookOrTheStatusLineOrABox) {
    MessageBoxes boxes;
    sim->addFault({Fault::ErrorStatus, "", -1, 5});
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    EXPECT_EQ(reports, std::vector<int>{-105});
    EXPECT_EQ(binder.Done, 0);
    EXPECT_EQ(status->text(), "") << "the hook replaces the status line";

    binder.OnGetError = nullptr;
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    EXPECT_EQ(status->text().toStdString().rfind("Get: " + messageOf(-105) + " Receive at ", 0), 0u) << status->text().toStdString();

    binder.SetStatusTarget(nullptr);
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    ASSERT_EQ(boxes.Texts.size(), 1);
    EXPECT_EQ(boxes.Texts[0].toStdString(), messageOf(-105));
    EXPECT_EQ(binder.Done, 0);
}

TEST_F(ListTest, RefusedContinuationIsReportedLikeAFailedAnswer) {
    // Broken at the first row, when the second is already asked for: the third request cannot be sent,
    // and the page must not wait for an end.
    binder.AfterRow = [&] { binder.Request.Security.Version = 2; };
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    EXPECT_EQ(list->topLevelItemCount(), 2) << "the row already asked for is still shown";
    EXPECT_EQ(ofKind(sim->log(), "GETNEXT").size(), 2u);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0], 0);
}

TEST_F(ListTest, RowThatCannotBeShownEndsTheWalkAndTheNextAnswerAsksForNoMore) {
    sim->addFault({Fault::Delay, "", -1, 5, 150});
    binder.AfterRow = [&] { throw KyException(-12); };
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(waitUntil([&] { return binder.Rows == 1; }));
    EXPECT_EQ(binder.Busy, 1) << "the next row was asked for before this one failed: its answer is waited for";
    ASSERT_TRUE(idle(binder));
    waitUntil([] { return false; }, 200);  // room for a request that should not come
    EXPECT_EQ(binder.Rows, 1);
    EXPECT_EQ(ofKind(sim->log(), "GETNEXT").size(), 2u);
    EXPECT_EQ(status->text().toStdString().rfind("Get: " + messageOf(-12), 0), 0u) << status->text().toStdString();
    EXPECT_EQ(binder.Done, 0);

    // The answer that ended the read is not the first row of the next one.
    binder.AfterRow = nullptr;
    binder.Rows = 0;
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    EXPECT_EQ(binder.Rows, 3);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(row(0)[1], "one");
}

TEST_F(ListTest, RowsHeldForTheNextPaintAreShownAtOnceWhenTheReadEndsAnyWay) {
    binder.RowPace = 60000;
    int inserts = 0;
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list, [&] { ++inserts; });
    struct Case {
        const char* name;
        std::function<void()> afterFirstRow;
        int rows;
        std::vector<int> reported;
    } cases[] = {
        // The second row is asked for before the first is shown: it still comes after a stop or a break.
        {"the walk's end", [] {}, 3, {0}},
        {"a stop", [&] { binder.Request.Active = 0; }, 2, {0}},
        {"a refused continuation", [&] { binder.Request.Security.Version = 2; }, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        inserts = 0;
        reports.clear();
        binder.AfterRow = [&] {
            if (binder.Rows == 1) c.afterFirstRow();
        };
        binder.Rows = 0;
        ASSERT_TRUE(binder.Get());
        ASSERT_TRUE(idle(binder));
        EXPECT_EQ(list->topLevelItemCount(), c.rows);
        EXPECT_EQ(inserts, 1) << "the list takes the rows in one step";
        EXPECT_EQ(row(0), (std::vector<std::string>{"1", "one", "10", "1[80]"}));
        if (!c.reported.empty()) EXPECT_EQ(reports, c.reported);
        else EXPECT_EQ(reports.size(), 1u);
        binder.Request.Active = 1;
        binder.Request.Security = DefaultSNMPSecurity;
    }
}

TEST_F(ListTest, FinishedListIsPaintedOnceWithTheScrollBarItsRowsNeed) {
    // Paints of the list's parts once it holds the rows.
    struct PaintCounter : QObject {
        QTreeWidget* List = nullptr;
        std::map<QObject*, int> Paints;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint && List->topLevelItemCount() > 0) ++Paints[watched];
            return false;
        }
    } counter;
    counter.List = list;
    binder.RowPace = 60000;
    // Too low for three rows, so they bring the vertical scroll bar; below the other controls, whose paints
    // would paint it too.
    list->setGeometry(0, 200, 300, list->header()->sizeHint().height() + 2 * list->frameWidth() + 20);
    form.show();
    ASSERT_TRUE(waitUntil([&] { return list->viewport()->isVisible(); }));
    waitUntil([] { return false; }, 50);
    for (QWidget* part : {list->viewport(), static_cast<QWidget*>(list->verticalScrollBar())})
        part->installEventFilter(&counter);
    ASSERT_TRUE(binder.Get());
    ASSERT_TRUE(idle(binder));
    waitUntil([] { return false; }, 50);
    EXPECT_EQ(list->topLevelItemCount(), 3);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(counter.Paints[list->viewport()], 1);
    EXPECT_EQ(counter.Paints[list->verticalScrollBar()], 1);
}

TEST_F(ListTest, RefusedFirstSendIsReportedAndLeavesTheBinderIdle) {
    binder.Request.Security.Version = 2;  // no such version: nothing can be sent
    for (std::uint8_t mode : {0, 1}) {
        SCOPED_TRACE(mode ? "asynchronous" : "synchronous");
        binder.Async = mode;
        binder.OnGetError = [this](KySNMPRequest2Controls&, const KySNMPError& e) { reports.push_back(e.Code); };
        reports.clear();
        EXPECT_FALSE(binder.Get());
        EXPECT_EQ(binder.Busy, 0);
        ASSERT_EQ(reports.size(), 1u) << "the hook hears of the refusal";
        EXPECT_NE(reports[0], 0);

        binder.OnGetError = nullptr;
        status->setText("Get: Ok!");
        EXPECT_FALSE(binder.Get());
        EXPECT_TRUE(status->text().startsWith("Get: ")) << status->text().toStdString();
        EXPECT_FALSE(status->text().startsWith("Get: Ok!")) << "an old success must not stand";
    }
    EXPECT_TRUE(sim->log().empty());
}

TEST_F(ListTest, AgentAnsweringOutOfOrderKeepsTheRowsAndTheStatusLineNamesBothOids) {
    binder.OnGetError = nullptr;
    sim->addFault({Fault::NoAdvance, std::string(TableColumn) + ".2.2"});
    for (std::uint8_t mode : {0, 1}) {
        SCOPED_TRACE(mode ? "asynchronous" : "synchronous");
        binder.Async = mode;
        status->clear();
        binder.Get();
        ASSERT_TRUE(idle(binder));
        EXPECT_EQ(list->topLevelItemCount(), 3);
        const std::string line = status->text().toStdString();
        const std::string oid = std::string(TableColumn) + ".2.1";
        EXPECT_EQ(line.rfind("Get: (SNMPClass) Operation failed! " + oid + " does not follow " + oid + ".", 0), 0u) << line;
    }
}

TEST_F(ListTest, PageClosedDuringASlowWalkGetsNoLateAnswer) {
    sim->addFault({Fault::Delay, "", -1, 5, 200});
    auto page = std::make_unique<QWidget>();
    auto* pageList = new QTreeWidget(page.get());
    auto* pageStatus = new QLabel(page.get());
    auto pageBinder = std::make_unique<CountingBinder>(page.get());
    pageBinder->Request.VarList = KySNMPVarList(TableVars, MVT_FMV, 1);
    pageBinder->BindListView(pageList, 1);
    pageBinder->SetStatusTarget(pageStatus);
    int calls = 0;
    pageBinder->OnGetError = [&](KySNMPRequest2Controls&, const KySNMPError&) { ++calls; };
    ASSERT_TRUE(pageBinder->Get());
    ASSERT_TRUE(waitUntil([&] { return pageBinder->Rows == 1; }));
    // The page closes: its widgets go first, then the binder, while an answer is still on its way.
    pageBinder->Request.Active = 0;
    page.reset();
    pageBinder.reset();
    waitUntil([] { return false; }, 500);
    EXPECT_EQ(calls, 0);
}

TEST_F(ListTest, PageClosedFromItsOwnCompletionHook) {
    auto pageBinder = std::make_unique<CountingBinder>(&form);
    pageBinder->Request.VarList = KySNMPVarList(TableVars, MVT_FMV, 1);
    pageBinder->SetStatusTarget(status);
    int calls = 0;
    pageBinder->OnGetError = [&, marker = std::string(64, 'x')](KySNMPRequest2Controls&, const KySNMPError&) {
        ++calls;
        pageBinder.reset();
        EXPECT_EQ(marker.size(), 64u);
    };
    ASSERT_TRUE(pageBinder->Get());
    ASSERT_TRUE(waitUntil([&] { return !pageBinder; }));
    waitUntil([] { return false; }, 200);
    EXPECT_EQ(calls, 1);
}

}  // namespace
