// The main window against the simulator: stack discovery, one panel per present unit, the layout for
// many panels, Refresh Panel, the port buttons and the waiting dialog.
#include "FrontPanelForm.h"
#include "KySNMPRequest2Leds.h"
#include "MainUnit.h"
#include "PanelModel.h"
#include "MessageBoxes.h"
#include "Oid_device.h"
#include "Oid_stacking.h"
#include "SimAgent.h"
#include "SuiteFolderTest.h"
#include "WaitingFormUnit.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <fstream>
#include <map>
#include <set>
#include <memory>

// Sizes in failure messages as width x height.
static void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }

namespace {

using trvtest::Fault;

const std::string E = "1.3.6.1.4.1.32473";
const std::string UnitTable = E + ".12.11.1.9.4.1.";

// Answers every message box shown while it lives with the given button and keeps their texts.
class BoxAnswers {
public:
    explicit BoxAnswers(QMessageBox::StandardButton answer) {
        QObject::connect(&Timer, &QTimer::timeout, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Texts << box->text();
                box->button(answer)->click();
            }
        });
        Timer.start(5);
    }
    QStringList Texts;

private:
    QTimer Timer;
};

// A main window started as the suite starts it, against a simulator with the given data.
// The sizes the main window was painted at, apart from the size it was shown at.
class PaintedSizes : public QObject {
public:
    PaintedSizes() { qApp->installEventFilter(this); }
    ~PaintedSizes() override { qApp->removeEventFilter(this); }
    std::vector<QSize> Sizes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->objectName() != QLatin1String("MainForm")) return false;
        const QSize size = static_cast<QWidget*>(watched)->size();
        if (event->type() == QEvent::Show) ShownAt = size;
        if (event->type() == QEvent::Paint && size != ShownAt && (Sizes.empty() || Sizes.back() != size))
            Sizes.push_back(size);
        return false;
    }

private:
    QSize ShownAt;
};

class Discovery : public SuiteFolderTest {
protected:
    void SetUp() override {
        SuiteFolderTest::SetUp();
        writeFile(dir.filePath("registry.ini"), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Ostrel\\Varden5.1\\MibFile]\nPath=" +
                                                    dir.filePath("conf").toStdString() + "\n");
    }
    void TearDown() override {
        form.reset();
        SuiteFolderTest::TearDown();
    }

    void startSimulator(const std::string& dataFile) {
        form.reset();
        sim = std::make_unique<trvtest::SimAgent>(dataFile);
        writeFile(dir.filePath("conf/127.0.0.1.cfg"),
                  "[Program Information]\nAgentPort=" + std::to_string(sim->port()) +
                      "\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    }
    // Builds and shows the window; true once its first discovery has built the panels.
    bool open(int milliseconds = 15000) {
        form = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1", "/Rtamber", "/Wquiltry"});
        form->show();
        return waitForDiscovery(milliseconds);
    }
    bool waitForDiscovery(int milliseconds = 15000) {
        return waitUntil([&] { return form->Activated && !QApplication::activeModalWidget(); }, milliseconds);
    }
    // Confirms (or not) Refresh Panel and waits for the rebuilt panels.
    void refreshPanel(QMessageBox::StandardButton answer) {
        BoxAnswers boxes(answer);
        form->RefreshPanel1Click();
        EXPECT_EQ(boxes.Texts, QStringList{"Refresh panel may take a long time. Are you sure?"});
    }
    std::vector<std::string> panelClasses() const {
        std::vector<std::string> names;
        for (const auto& p : form->PanelForms) names.push_back(p->metaObject()->className());
        return names;
    }
    std::vector<int> panelUnits() const {
        std::vector<int> units;
        for (const auto& p : form->PanelForms) units.push_back(p->UnitId);
        return units;
    }
    bool firstPollsApplied() const {
        return std::all_of(form->PanelForms.begin(), form->PanelForms.end(), [](const auto& p) {
            return p->LedRequest && p->LedRequest->RowsDelivered > 0 && !p->LedRequest->Busy;
        });
    }
    void setExist(int unit, bool exists) {
        sim->setValue(UnitTable + "15." + std::to_string(unit), exists ? "INTEGER 1" : "INTEGER 2");
    }

    std::unique_ptr<trvtest::SimAgent> sim;
    std::unique_ptr<TMainForm> form;
};

TEST_F(Discovery, AStandaloneSwitchOfEachModelGetsItsOwnPanel) {
    for (const TPanelModel& m : PanelModels()) {
        SCOPED_TRACE(m.ModelText);
        startSimulator("standalone-" + m.ModelText + ".txt");
        ASSERT_TRUE(open());
        EXPECT_EQ(form->windowTitle(), "127.0.0.1");
        EXPECT_EQ(StackModeText, "disabled");
        EXPECT_EQ(StackUnitCount, 1);
        EXPECT_EQ(StackUnitListView, form->UnitListView);
        EXPECT_EQ(panelClasses(), std::vector<std::string>{m.ClassName});
        EXPECT_EQ(form->PanelCount, 0);
        ASSERT_EQ(int(form->PortButtons.size()), m.RegistersButtons ? m.ButtonCount() : 0);
        if (!form->PortButtons.empty()) {
            EXPECT_EQ(form->PortButtons.front()->toolTip(), QStringLiteral("1.%1").arg(m.MainMedium));
        }
        EXPECT_EQ(form->ST_RmonState->text(), "enabled");
        EXPECT_EQ(form->ST_8021xStatus->text(), "disabled");
        EXPECT_TRUE(waitUntil([&] { return firstPollsApplied(); }, 4000));
    }
}

TEST_F(Discovery, AStandaloneSwitchWithoutAKnownModelShowsTheBaseModel) {
    struct Case {
        const char* moduleName;
        const char* panelClass;
    };
    const Case cases[] = {
        {"TRV-9999", "TPanelTRV5124Form"},
        {"", "TPanelTRV5124Form"},
        {" trv-5148 ", "TPanelTRV5148Form"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moduleName);
        startSimulator("standalone-TRV-5148.txt");
        sim->setValue(UnitTable + "9.1", std::string("STRING \"") + c.moduleName + "\"");
        ASSERT_TRUE(open());
        EXPECT_EQ(panelClasses(), std::vector<std::string>{c.panelClass});
    }
}

TEST_F(Discovery, AStackGetsOnePanelPerPresentUnitOneUnderTheOther) {
    startSimulator("stack.txt");
    ASSERT_TRUE(open());
    EXPECT_EQ(StackModeText, "enabled");
    EXPECT_EQ(StackUnitCount, 4);
    EXPECT_EQ(form->PanelCount, 3);
    EXPECT_EQ(panelClasses(), (std::vector<std::string>{"TPanelTRV5124Form", "TPanelTRV5248Form", "TPanelTRV5212Form"}));
    EXPECT_EQ(panelUnits(), (std::vector<int>{1, 3, 4}));
    int top = 0;
    for (const auto& p : form->PanelForms) {
        EXPECT_EQ(p->y(), top);
        EXPECT_EQ(p->x(), 0);
        top += p->height() + 1;
    }
    EXPECT_EQ(form->PortButtons.size(), 28u + 52u + 16u);
    EXPECT_EQ(form->PortButtons[28]->toolTip(), "129.1");
    // Four units: the window shows every panel without scrolling.
    EXPECT_GE(form->ScrollBox1->height(), form->PanelForms.back()->geometry().bottom() + 1);
    EXPECT_FALSE(form->ScrollBox1->verticalScrollBar()->isVisible());
    // The units' own LED entries are polled; their answers write the status line.
    EXPECT_TRUE(waitUntil([&] { return firstPollsApplied(); }, 4000));
    EXPECT_TRUE(waitUntil([&] { return form->StatusPanel->text().startsWith("Get: Ok! Request: Led Status."); }, 4000))
        << form->StatusPanel->text().toStdString();
}

TEST_F(Discovery, EveryUnitsLedsAreReadInOneRequestAndShowAsIfReadAlone) {
    startSimulator("stack12.txt");
    // Each LED string held at one of its blinking states, so every read sees the same; a model that
    // always reads the standalone string reads it in a stack too.
    std::vector<std::string> strings{std::string(PanelLedStatusVars[0].Oid) + ".0"};
    for (int unit = 1; unit <= 12; ++unit) strings.push_back(UnitTable + "5." + std::to_string(unit));
    for (const std::string& oid : strings) sim->setValue(oid, sim->value(oid).value());
    ASSERT_TRUE(open());
    ASSERT_TRUE(waitUntil([&] { return firstPollsApplied(); }, 4000));
    std::vector<std::size_t> ledGets;
    for (const auto& entry : sim->log())
        if (!entry.bindings.empty() && entry.bindings[0].oid.rfind(UnitTable + "5.", 0) == 0 && entry.pdu == "GET")
            ledGets.push_back(entry.bindings.size());
    // The TRV-5124F reads its port speeds from its string first; then one GET for twelve units, the PoE
    // LEDs of the TRV-5124E reading the same string as its others.
    EXPECT_EQ(ledGets, (std::vector<std::size_t>{1, 13}));

    // Colour and blinking as decoded: a blinking LED's shape flashes meanwhile.
    const auto colours = [](const TFrontPanelForm& panel) {
        std::vector<std::pair<std::int32_t, bool>> c;
        for (const KyLedBinding& led : panel.LedRequest->Leds) c.emplace_back(led.Colour, led.Blinking);
        return c;
    };
    for (const auto& panel : form->PanelForms) {
        SCOPED_TRACE(panel->UnitId);
        const auto joint = colours(*panel);
        panel->LedRequest->GetNow();
        ASSERT_TRUE(waitUntil([&] { return panel->LedRequest->RowsDelivered > 0 && !panel->LedRequest->Busy; }));
        EXPECT_EQ(colours(*panel), joint);
    }
    EXPECT_TRUE(form->StatusPanel->text().startsWith("Get: Ok! Request: Led Status.")) << form->StatusPanel->text().toStdString();
}

TEST_F(Discovery, EveryUnitsComboPortsAreProbedInOneRequestUnlessItIsRefused) {
    struct Case {
        const char* name;
        bool refused;
        std::vector<std::size_t> probes;  // the bindings of each GET of the link column
    };
    const std::vector<std::size_t> eachAlone(12, 4);
    std::vector<std::size_t> jointThenAlone{48};
    jointThenAlone.insert(jointThenAlone.end(), eachAlone.begin(), eachAlone.end());
    const Case cases[] = {{"answered", false, {48}}, {"refused once", true, jointThenAlone}};
    const std::string link = PanelLinkStatusVars[0].Oid;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startSimulator("stack12.txt");
        if (c.refused) sim->addFault({Fault::ErrorStatus, link + "." + std::to_string(4 * 64 + 22), 1, 5});
        ASSERT_TRUE(open());
        std::vector<std::size_t> probes;
        for (const auto& entry : sim->log())
            if (!entry.bindings.empty() && entry.bindings[0].oid.rfind(link + ".", 0) == 0) probes.push_back(entry.bindings.size());
        EXPECT_EQ(probes, c.probes);
        ASSERT_EQ(form->PanelForms.size(), 12u);
        // Each panel's connectors as the agent holds them, some linked.
        int linkedPorts = 0;
        for (const auto& panel : form->PanelForms) {
            SCOPED_TRACE(panel->UnitId);
            std::array<std::uint8_t, 4> linked{};
            const auto oids = TFrontPanelForm::ComboProbeOids(panel->Model, panel->UnitId);
            for (std::size_t k = 0; k < 4; ++k) linked[k] = sim->value(oids[k]) == "INTEGER 2";
            EXPECT_EQ(panel->ComboLinked, linked);
            linkedPorts += std::count(linked.begin(), linked.end(), 1);
        }
        EXPECT_GT(linkedPorts, 0);
    }
}

TEST_F(Discovery, AUnitOfAnUnknownModelCountsButGetsNoPanel) {
    struct Case {
        const char* moduleName;
        std::vector<int> units;
    };
    const Case cases[] = {
        {"TRV-9999", {1, 3}},
        {"trv-5212 ", {1, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moduleName);
        startSimulator("stack.txt");
        sim->setValue(UnitTable + "9.4", std::string("STRING \"") + c.moduleName + "\"");
        ASSERT_TRUE(open());
        EXPECT_EQ(form->PanelCount, 3);
        EXPECT_EQ(panelUnits(), c.units);
    }
}

TEST_F(Discovery, AUnitWhoseExistStateWalkEndedGetsNoPanelAndDoesNotCount) {
    // stack.txt without the last unit's "Exist State": that column ends one row early.
    std::ifstream in(std::string(TRVSIM_DATA_DIR_FALLBACK) + "/stack.txt");
    std::string data, line;
    while (std::getline(in, line))
        if (line.rfind(UnitTable + "15.4 ", 0) != 0) data += line + "\n";
    writeFile(dir.filePath("short-stack.txt"), data);
    startSimulator(dir.filePath("short-stack.txt").toStdString());
    ASSERT_TRUE(open());
    EXPECT_EQ(form->UnitListView->topLevelItem(3)->text(8), "(NOTDONE)");
    EXPECT_EQ(form->PanelCount, 2);
    EXPECT_EQ(panelUnits(), (std::vector<int>{1, 3}));
}

TEST_F(Discovery, FivePresentUnitsSwitchToTheScrollingLayout) {
    struct Case {
        int present;
        bool scrolling;
    };
    for (const Case c : {Case{4, false}, Case{5, true}, Case{12, true}}) {
        SCOPED_TRACE(c.present);
        startSimulator("stack12.txt");
        for (int unit = c.present + 1; unit <= 12; ++unit) setExist(unit, false);
        const PaintedSizes painted;
        ASSERT_TRUE(open());
        EXPECT_EQ(form->PanelCount, c.present);
        EXPECT_EQ(int(form->PanelForms.size()), c.present);
        EXPECT_TRUE(waitUntil([&] { return (form->ScrollBox1->height() == TMainForm::ScrollingHeight) == c.scrolling; }, 1000));
        QScrollBar* bar = form->ScrollBox1->verticalScrollBar();
        EXPECT_TRUE(waitUntil([&] { return bar->isVisible() == c.scrolling; }, 1000));
        // As wide as the widest panel, with room for the scroll bar when it scrolls.
        int widest = 0;
        for (const auto& p : form->PanelForms) widest = std::max(widest, p->width());
        EXPECT_EQ(form->width(), widest + (c.scrolling ? 23 : 3));
        // Once its panels stand the window has its final size: it is never painted at a size between.
        EXPECT_EQ(painted.Sizes, std::vector<QSize>{form->size()});
    }
}

TEST_F(Discovery, RefreshPanelShowsUnitsThatJoinedOrLeft) {
    startSimulator("stack.txt");
    ASSERT_TRUE(open());
    ASSERT_EQ(panelUnits(), (std::vector<int>{1, 3, 4}));
    const TFrontPanelForm* first = form->PanelForms.front().get();

    // Cancel leaves the panels as they are.
    setExist(2, true);
    refreshPanel(QMessageBox::Cancel);
    EXPECT_EQ(form->PanelForms.front().get(), first);
    EXPECT_EQ(panelUnits(), (std::vector<int>{1, 3, 4}));

    sim->setValue(UnitTable + "9.2", "STRING \"TRV-5124E\"");
    setExist(4, false);
    refreshPanel(QMessageBox::Ok);
    EXPECT_EQ(form->FirstLoad, 0);
    EXPECT_EQ(panelUnits(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(panelClasses()[1], "TPanelTRV5124EForm");
    EXPECT_EQ(form->PortButtons.size(), 28u + 28u + 52u);
    EXPECT_EQ(form->PortButtons[28]->toolTip(), "65.1");
}

TEST_F(Discovery, PortButtonsAreExclusiveAcrossPanelsAndCarryThePopupMenu) {
    startSimulator("stack.txt");
    ASSERT_TRUE(open());
    QToolButton* onFirst = form->PanelForms[0]->PortButton(5);
    QToolButton* onSecond = form->PanelForms[1]->PortButton(50);
    QToolButton* onThird = form->PanelForms[2]->PortButton(13);
    onFirst->click();
    EXPECT_TRUE(onFirst->isChecked());
    onSecond->click();
    EXPECT_FALSE(onFirst->isChecked());
    EXPECT_TRUE(onSecond->isChecked());
    onThird->click();
    EXPECT_FALSE(onSecond->isChecked());
    form->ReleasePortButtons();
    EXPECT_TRUE(std::none_of(form->PortButtons.begin(), form->PortButtons.end(), [](QToolButton* b) { return b->isChecked(); }));

    // The popup menu opens on any registered button and remembers it.
    for (QToolButton* button : {onFirst, onThird}) {
        ASSERT_EQ(button->contextMenuPolicy(), Qt::CustomContextMenu);
        emit button->customContextMenuRequested(QPoint(2, 2));
        EXPECT_EQ(form->PopupComponent, button);
        EXPECT_TRUE(form->PortInfoPopupMenu->isVisible());
        form->PortInfoPopupMenu->hide();
    }
    QStringList items;
    for (QAction* a : form->PortInfoPopupMenu->actions()) items << a->text();
    EXPECT_EQ(items, (QStringList{"Port Information", "Port Configuration"}));
}

TEST_F(Discovery, TheWaitingDialogRepaintsAndItsBarMovesWhileTheUnitsAreRead) {
    startSimulator("standalone-TRV-5124.txt");
    // Every answer comes late, so the discovery takes a few seconds.
    sim->addFault({Fault::Delay, "", -1, 5, 700});
    QString caption;
    int barValue = 0;
    int ticks = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* waiting = qobject_cast<TWaitingForm*>(QApplication::activeModalWidget())) {
            ++ticks;
            caption = waiting->windowTitle();
            barValue = std::max(barValue, waiting->ProgressBar1->value());
        }
    });
    watch.start(50);
    ASSERT_TRUE(open(20000));
    EXPECT_EQ(caption, "Initializing Panel");
    // Events ran between the synchronous reads: our timer, and the dialog's own bar.
    EXPECT_GE(ticks, 3);
    EXPECT_GE(barValue, 20);
}

TEST_F(Discovery, ADeadAgentStillOpensAndTheStatusLineSaysWhatFailed) {
    startSimulator("standalone-TRV-5124.txt");
    sim->addFault({Fault::Drop, ""});
    ASSERT_TRUE(open(60000));
    const auto log = sim->log();
    EXPECT_TRUE(form->isVisible());
    // No answer: the base model's panel, all its LEDs off.
    EXPECT_EQ(panelClasses(), std::vector<std::string>{"TPanelTRV5124Form"});
    EXPECT_EQ(form->ST_StackMode->text(), "ST_StackMode");
    EXPECT_FALSE(form->StatusPanel->text().isEmpty());
    EXPECT_EQ(form->PanelForms.front()->ComboLinked, (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    // The first read waited out its tries; every later start-up read took its failure at once, unsent.
    // (The LED polls that follow the start go on as usual.)
    std::set<long> asked;
    for (const auto& entry : log)
        if (entry.bindings.empty() || entry.bindings[0].oid.rfind(PanelLedStatusVars[0].Oid, 0) != 0)
            asked.insert(entry.requestId);
    EXPECT_EQ(asked.size(), 1u);
}

TEST_F(Discovery, MenuItemsFollowTheDeviceStates) {
    startSimulator("standalone-TRV-5124.txt");
    form = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1"});
    form->show();
    ASSERT_TRUE(waitForDiscovery());
    // Made only now, after the states were read: they take what was decided before them.
    std::map<std::string, QAction*> items;
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1", "Auth1", "Unitinformation1", "UnitTable1"})
        items[name] = form->MenuItem(name);
    // RMON enabled, 802.1X disabled, stacking disabled.
    EXPECT_TRUE(items["Statistics1"]->isEnabled() && items["History1"]->isEnabled() && items["AlarmEvent1"]->isEnabled());
    EXPECT_FALSE(items["Auth1"]->isEnabled());
    EXPECT_FALSE(items["Unitinformation1"]->isVisible());
    EXPECT_FALSE(items["UnitTable1"]->isVisible());

    sim->setValue(E + ".11.70.1.2.1.2.4.0", "INTEGER 2");
    sim->setValue("1.0.8802.1.1.1.1.1.1.0", "INTEGER 1");
    sim->setValue(E + ".12.11.1.2.0", "INTEGER 1");
    form->UpdateRmonMenu();
    form->UpdateAuthMenu();
    form->UpdateUnitMenu();
    EXPECT_FALSE(items["Statistics1"]->isEnabled() || items["History1"]->isEnabled() || items["AlarmEvent1"]->isEnabled());
    EXPECT_TRUE(items["Auth1"]->isEnabled());
    EXPECT_TRUE(items["Unitinformation1"]->isVisible() && items["UnitTable1"]->isVisible());

    // "other" leaves the unit items as they are.
    sim->setValue(E + ".12.11.1.2.0", "INTEGER 3");
    form->UpdateUnitMenu();
    EXPECT_TRUE(items["Unitinformation1"]->isVisible());
}

TEST(WaitingForm, RunsItsWorkOnceThenClosesAndCannotBeClosedByHandBefore) {
    int runs = 0;
    bool visibleAfterCloseAttempts = false;
    TWaitingForm* self = nullptr;
    TWaitingForm waiting(nullptr, [&] {
        ++runs;
        self->reject();
        self->close();
        visibleAfterCloseAttempts = self->isVisible();
    });
    self = &waiting;
    EXPECT_EQ(waiting.windowTitle(), "Refreshing panel");
    EXPECT_EQ(waiting.ProgressBar1->maximum(), 600);
    waiting.exec();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(visibleAfterCloseAttempts);
    EXPECT_FALSE(waiting.isVisible());
    EXPECT_FALSE(waiting.Timer1->isActive());
    // The bar wraps to 0 at its end.
    waiting.ProgressBar1->setValue(580);
    waiting.Timer1Timer();
    EXPECT_EQ(waiting.ProgressBar1->value(), 0);
}

}  // namespace
