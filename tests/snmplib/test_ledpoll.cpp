// The joint LED poll of several units: one GET for all, each unit's LEDs as if it had asked alone, and
// the refusals, time-outs and departures that must not mix the units up.
#include "KySNMPLedColorMapList.h"
#include "KySNMPLedPoll.h"
#include "KySNMPRequest2Leds.h"
#include "KySNMPStatus.h"
#include "MessageBoxes.h"
#include "SimTarget.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using trvtest::Fault;
using namespace KyLedColours;

const std::string LedColumn = "1.3.6.1.4.1.32473.99.60";
constexpr KySNMPVarDesc UnitLedVars[] = {{"1.3.6.1.4.1.32473.99.60", "Led Status", sxOctetStr, afReadOnly, nullptr},
                                         {nullptr, nullptr, 0, 0, nullptr}};

// One unit: its LED string is the column's entry under its unit number; three system LEDs.
struct Unit {
    Unit(QWidget* form, int id) : Status(new QLabel(form)), Panel(new QFrame(form)), Leds(form) {
        Leds.Request.VarList = KySNMPVarList(UnitLedVars, MVT_SV, 0);
        Leds.Request.VarList.InstanceSuffix = std::to_string(id);
        Leds.Request.VarList.Name = " Led Status";
        Leds.SetStatusTarget(Status);
        Leds.CreateLeds(0, "0,1,2", SystemLedColorMap, Panel, 0, 10, KyLedShape::Rectangle, 6, 6);
    }
    std::vector<std::int32_t> Colours() const {
        std::vector<std::int32_t> c;
        for (const KyLedBinding& led : Leds.Leds) c.push_back(led.Shape->Colour());
        return c;
    }
    bool Answered() const { return Leds.RowsDelivered > 0 && !Leds.Busy; }

    QLabel* Status;
    QFrame* Panel;
    KySNMPRequest2Leds Leds;
};

class LedPollTest : public trvtest::SimAgentTest {
protected:
    void SetUp() override {
        SimAgentTest::SetUp();
        targetSimulator(*sim, 1, 20);
        sim->setValue(LedColumn + ".1", "STRING 0x050402");
        sim->setValue(LedColumn + ".2", "STRING 0x020205");
        sim->setValue(LedColumn + ".3", "STRING 0x04");
        form = std::make_unique<QWidget>();
        poll = std::make_unique<KySNMPLedPoll>(form.get());
        for (int id = 1; id <= 3; ++id) units.push_back(std::make_unique<Unit>(form.get(), id));
        for (const auto& unit : units) poll->Add(unit->Leds);
        sim->clearLog();
    }
    void TearDown() override {
        units.clear();
        poll.reset();
        form.reset();
        SimAgentTest::TearDown();
    }

    bool allAnswered() const {
        return std::all_of(units.begin(), units.end(), [](const auto& u) { return u->Answered(); });
    }
    // The requests sent, retries counted once.
    std::set<long> requests() {
        std::set<long> ids;
        for (const auto& entry : sim->log()) ids.insert(entry.requestId);
        return ids;
    }

    std::unique_ptr<QWidget> form;
    std::unique_ptr<KySNMPLedPoll> poll;
    std::vector<std::unique_ptr<Unit>> units;
};

const std::vector<std::int32_t> Off{Black, Black, Black};

TEST_F(LedPollTest, OneGetCarriesEveryUnitAndEachShowsItsOwnString) {
    for (std::uint8_t version : {0, 1}) {
        SCOPED_TRACE(version == 0 ? "v1" : "v2c");
        targetSimulator(*sim, version, 20);
        for (const auto& unit : units) unit->Leds.Request.Security = DefaultSNMPSecurity;
        sim->clearLog();
        poll->PollNow();
        ASSERT_TRUE(waitUntil([&] { return allAnswered(); }));
        const auto log = sim->log();
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].pdu, "GET");
        ASSERT_EQ(log[0].bindings.size(), 3u);
        EXPECT_EQ(log[0].bindings[2].oid, LedColumn + ".3");
        EXPECT_EQ(units[0]->Colours(), (std::vector<std::int32_t>{Red, Blue, Lime}));
        EXPECT_EQ(units[1]->Colours(), (std::vector<std::int32_t>{Lime, Lime, Red}));
        EXPECT_EQ(units[2]->Colours(), (std::vector<std::int32_t>{Blue, White, White}));
        for (const auto& unit : units) EXPECT_EQ(unit->Status->text().left(9), "Get: Ok! ");

        // The same strings asked by each unit alone.
        for (const auto& unit : units) {
            const std::vector<std::int32_t> joint = unit->Colours();
            unit->Leds.GetNow();
            ASSERT_TRUE(waitUntil([&] { return unit->Answered(); }));
            EXPECT_EQ(unit->Colours(), joint);
        }
    }
}

TEST_F(LedPollTest, AnObjectTheAgentDoesNotKnowCostsTheOtherUnitsNothing) {
    // v1 refuses the whole GET with noSuchName, v2c answers noSuchInstance for the one binding.
    for (std::uint8_t version : {0, 1}) {
        SCOPED_TRACE(version == 0 ? "v1" : "v2c");
        targetSimulator(*sim, version, 20);
        units[1] = std::make_unique<Unit>(form.get(), 9);
        poll->Add(units[1]->Leds);
        for (const auto& unit : units) unit->Leds.Request.Security = DefaultSNMPSecurity;
        sim->clearLog();
        poll->PollNow();
        ASSERT_TRUE(waitUntil([&] { return units[0]->Answered() && units[2]->Answered() && !units[1]->Leds.Busy; }));
        EXPECT_EQ(units[0]->Colours(), (std::vector<std::int32_t>{Red, Blue, Lime}));
        EXPECT_EQ(units[2]->Colours(), (std::vector<std::int32_t>{Blue, White, White}));
        EXPECT_EQ(units[1]->Colours(), Off);
        EXPECT_TRUE(units[1]->Status->text().contains(QString::fromLatin1(messageOf(-102))))
            << units[1]->Status->text().toStdString();
        // The joint GET, then each unit's own.
        EXPECT_EQ(sim->log().size(), 4u);
    }
}

TEST_F(LedPollTest, ADeadAgentTurnsEveryUnitOffAfterOneRequestsTries) {
    MessageBoxes boxes;
    poll->PollNow();
    ASSERT_TRUE(waitUntil([&] { return allAnswered(); }));
    sim->addFault({Fault::Drop, ""});
    sim->clearLog();
    for (const auto& unit : units) unit->Status->clear();
    poll->PollNow();
    ASSERT_TRUE(waitUntil([&] {
        return std::all_of(units.begin(), units.end(), [](const auto& u) { return !u->Status->text().isEmpty(); });
    }));
    EXPECT_EQ(requests().size(), 1u);
    for (const auto& unit : units) {
        EXPECT_EQ(unit->Colours(), Off);
        EXPECT_EQ(unit->Leds.Busy, 0);
        EXPECT_TRUE(unit->Status->text().contains(QString::fromLatin1(messageOf(-405)))) << unit->Status->text().toStdString();
    }
    EXPECT_TRUE(boxes.Texts.isEmpty());
}

TEST_F(LedPollTest, AUnitThatLeavesWhileTheAnswerIsOutstandingIsLeftAlone) {
    DefaultSNMPTimeout = 100;
    sim->addFault({Fault::Delay, "", 1, 5, 200});
    poll->PollNow();
    ASSERT_EQ(units[1]->Leds.Busy, 1);
    units[1]->Leds.StopPolling();
    EXPECT_EQ(units[1]->Leds.Busy, 0) << "a stopped unit waits for nothing";
    units[2].reset();
    ASSERT_TRUE(waitUntil([&] { return units[0]->Answered(); }));
    EXPECT_EQ(units[0]->Colours(), (std::vector<std::int32_t>{Red, Blue, Lime}));
    EXPECT_EQ(units[1]->Leds.RowsDelivered, 0);
    EXPECT_EQ(units[1]->Colours(), Off);

    // What stays polls alone; the poll stops with its last member.
    sim->clearLog();
    poll->Start(5);
    ASSERT_TRUE(waitUntil([&] { return sim->log().size() >= 3; }));
    for (const auto& entry : sim->log()) EXPECT_EQ(entry.bindings.size(), 1u);
    units[0]->Leds.StopPolling();
    EXPECT_FALSE(poll->TimerRunning());
}

}  // namespace
