// Requests against the switch simulator: what goes on the wire, how answers fill the variable list, and
// how walks end whatever the agent does.
#include "KyException.h"
#include "KyOptionList.h"
#include "KySNMPRequest.h"
#include "KySNMPStatus.h"
#include "KySNMPTarget.h"
#include "KySNMPTransport.h"
#include "SimAgent.h"
#include "SimTarget.h"
#include "KySNMPSequence.h"
#include "SnmpEventProcessor.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using trvtest::Fault;
using trvtest::FaultSpec;

constexpr const char* Area = "1.3.6.1.4.1.32473.99";

constexpr KyOptionItem StateItems[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
constinit const KyOptionList StateList{StateItems};
constexpr KyOptionItem RowStatusItems[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
                                           {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
constinit const KyOptionList RowStatusList{RowStatusItems};

constexpr KySNMPVarDesc ScalarVars[] = {
    {"1.3.6.1.4.1.32473.99.1.1", "State", sxInteger, afReadWrite, &StateList},
    {"1.3.6.1.4.1.32473.99.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.99.1.12", "Counter", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.1.19", "Number", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// Column 3 is shorter than the others; column 10 shares column 1's prefix.
constexpr KySNMPVarDesc IntegerTableVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.2.1.1", "Id", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Short", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.2.1.10", "Ten", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// Row 2 has no column 3.
constexpr KySNMPVarDesc SparseTableVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.10.1.2", "A", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.10.1.3", "B", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.10.1.4", "C", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

constexpr KySNMPVarDesc MultiKeyVars[] = {
    {" ", "Number", sxInteger, afNotAccess, nullptr},
    {" ", "Text", sxDisplayStr, afNotAccess, nullptr},
    {" ", "Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.9.1.4", "Value", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

constexpr KySNMPVarDesc LastTableVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.99.1.2", "Value", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

constexpr KySNMPVarDesc EmptyTableVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.11.1.2", "Value", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

constexpr KySNMPVarDesc RowStatusTableVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.12.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.99.12.1.3", "Number", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.99.12.1.4", "Row Status", sxInteger, afReadWrite, &RowStatusList},
    {nullptr, nullptr, 0, 0, nullptr}};

// Served by variant-sparse-walks.txt: columns 2 and 3 hold row 1 only, column 4 rows 2 and 3.
constexpr KySNMPVarDesc EndingEarlyVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.40.1.2", "A", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.40.1.3", "B", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.40.1.4", "C", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// Served by variant-sparse-walks.txt: column 3 lacks row 1, column 4 has no instance at all.
constexpr KySNMPVarDesc LateAndAbsentVars[] = {
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.99.41.1.2", "A", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.41.1.3", "B", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.99.41.1.4", "C", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

using Row = std::vector<std::string>;

// One security setting of the target record, as the simulator's users are set up.
struct Credentials {
    const char* name;
    std::uint8_t version;
    trvtest::SimUser user;
    int level;
};

int authNumber(const char* protocol) {
    const std::string p = protocol;
    return p == "MD5" ? 2 : p == "SHA" ? 3 : 1;
}

int privNumber(const char* protocol) {
    const std::string p = protocol;
    return p == "DES" ? 2 : p == "AES" ? 19 : 1;
}

bool waitUntil(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

class RequestTest : public trvtest::SimAgentTest {
protected:
    std::string dataFile() const override { return "syntaxes.txt"; }

    void SetUp() override {
        SimAgentTest::SetUp();
        targetSimulator(*sim, 1, 50);
    }

    // v1 and v2c with the simulator's communities, or v3 with one of its users at a level.
    void useCredentials(const Credentials& c) {
        const int timeout = DefaultSNMPTimeout;
        targetSimulator(*sim, c.version, timeout);
        if (c.version != 3) return;
        DefaultSNMPSecurity.SecurityModel = 3;
        DefaultSNMPSecurity.SecurityLevel = c.level;
        DefaultSNMPSecurity.SecurityName = c.user.name;
        DefaultSNMPSecurity.AuthProtocol = authNumber(c.user.authProtocol);
        DefaultSNMPSecurity.AuthPassword = c.user.authPassword;
        DefaultSNMPSecurity.PrivProtocol = privNumber(c.user.privProtocol);
        DefaultSNMPSecurity.PrivPassword = c.user.privPassword;
    }

    static std::unique_ptr<KySNMPRequest> request(const KySNMPVarDesc* table, std::uint8_t itemType, int keyCount = 0) {
        auto r = std::make_unique<KySNMPRequest>();
        r->VarList = KySNMPVarList(table, itemType, keyCount);
        return r;
    }

    static Row values(const KySNMPVarList& list) {
        Row row;
        for (int i = 0; i < list.GetCount(); ++i) row.push_back(list.GetVar(i).Value);
        return row;
    }

    // Walks synchronously, one row per exchange.
    static std::vector<Row> walkSync(KySNMPRequest& r, bool* okAtEnd = nullptr) {
        std::vector<Row> rows;
        bool ok = true;
        for (bool first = true; r.GetSync(first, ok); first = false) rows.push_back(values(r.VarList));
        if (okAtEnd) *okAtEnd = ok;
        return rows;
    }

    // Walks asynchronously the way the binding object does: the next step from each completion.
    static std::vector<Row> walkAsync(KySNMPRequest& r, KySNMPError* last = nullptr) {
        std::vector<Row> rows;
        bool finished = false;
        KySNMPError outcome;
        std::function<void(const KySNMPError&, KySNMPVarList&)> step = [&](const KySNMPError& e, KySNMPVarList& list) {
            if (e.Code == 0 && !e.EndOfWalk) {
                rows.push_back(values(list));
                bool ok = true;
                r.GetAsync(false, ok, step);
                if (ok) return;
            }
            outcome = e;
            finished = true;
        };
        bool ok = true;
        r.GetAsync(true, ok, step);
        EXPECT_TRUE(ok);
        EXPECT_TRUE(waitUntil([&] { return finished; }));
        if (last) *last = outcome;
        return rows;
    }
};

const Credentials AllCredentials[] = {
    {"v1", 0, {}, 0},
    {"v2c", 1, {}, 0},
    {"v3 noAuthNoPriv", 3, trvtest::kNoAuthUser, 1},
    {"v3 authNoPriv MD5", 3, trvtest::kMd5User, 2},
    {"v3 authNoPriv SHA", 3, trvtest::kShaUser, 2},
    {"v3 authPriv MD5+DES", 3, trvtest::kMd5DesUser, 3},
    {"v3 authPriv SHA+AES", 3, trvtest::kShaAesUser, 3},
};

TEST_F(RequestTest, EveryVersionGetsWalksAndSets) {
    std::string lastWritten = "10";
    for (const auto& c : AllCredentials) {
        SCOPED_TRACE(c.name);
        useCredentials(c);
        sim->clearLog();

        auto scalars = request(ScalarVars, SVT_SV);
        bool ok = false;
        EXPECT_FALSE(scalars->GetSync(true, ok));
        EXPECT_TRUE(ok);
        EXPECT_EQ(values(scalars->VarList), (Row{"enabled", "Lab switch \"B\"", "4294967295", lastWritten}));

        auto table = request(IntegerTableVars, MVT_FMV, 1);
        EXPECT_EQ(walkSync(*table).size(), 3u);

        auto writer = request(ScalarVars, SVT_SV);
        writer->VarList.GetVar(3).Value = std::to_string(20 + c.version);
        KySNMPError result;
        writer->SetSync(ok, result, false, "3");
        EXPECT_TRUE(ok) << result.Message;
        lastWritten = std::to_string(20 + c.version);
        EXPECT_EQ(sim->value(std::string(Area) + ".1.19.0"), "INTEGER " + lastWritten);

        const auto log = sim->log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front().version, c.version == 0 ? "1" : c.version == 1 ? "2c" : "3");
        if (c.version != 3) {
            EXPECT_EQ(log.front().security, "tamber");
            EXPECT_EQ(log.back().pdu, "SET");
            EXPECT_EQ(log.back().security, "quiltry");  // writes use the write community
        }
    }
}

TEST_F(RequestTest, ScalarGetSendsOneGetOfTheReadableVariables) {
    auto r = request(ScalarVars, SVT_SV);
    r->VarList.GetVar(2).Access |= afInvalid;
    bool ok = false;
    r->GetSync(true, ok);
    ASSERT_TRUE(ok);
    const auto log = sim->log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].pdu, "GET");
    ASSERT_EQ(log[0].bindings.size(), 3u);
    EXPECT_EQ(log[0].bindings[0].oid, std::string(Area) + ".1.1.0");
    EXPECT_EQ(log[0].bindings[1].oid, std::string(Area) + ".1.2.0");
    EXPECT_EQ(log[0].bindings[2].oid, std::string(Area) + ".1.19.0");
    EXPECT_EQ(r->VarList.GetVar(2).Value, "");  // left out, untouched
}

TEST_F(RequestTest, OneRowListUsesTheInstanceSuffixWithGetOrGetNext) {
    auto r = request(IntegerTableVars, MVT_SV);
    r->VarList.GetVar(0).Access = afInvalid;  // no key column in a one-row read
    r->VarList.InstanceSuffix = "1";
    bool ok = false;
    r->GetSync(true, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(r->VarList.GetVar(2).Value, "one");
    EXPECT_EQ(r->VarList.GetVar(4).Value, "1001");

    r->VarList.InstanceSuffix = "2";
    r->UseGetNext = 1;
    r->GetSync(true, ok);
    EXPECT_EQ(r->VarList.GetVar(2).Value, "three");
    const auto log = sim->log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].pdu, "GET");
    EXPECT_EQ(log[1].pdu, "GETNEXT");
    EXPECT_EQ(log[1].bindings[0].oid, std::string(Area) + ".2.1.1.2");
}

TEST_F(RequestTest, TableShapesComeOutRowByRowBothWays) {
    struct Case {
        const char* name;
        const KySNMPVarDesc* table;
        int keyCount;
        std::vector<Row> rows;
    } cases[] = {
        {"unequal columns, a sibling column sharing a prefix", IntegerTableVars, 1,
         {{"1", "1", "one", "100", "1001"}, {"2", "2", "two", "(NOTDONE)", "1002"}, {"3", "3", "three", "(NOTDONE)", "1003"}}},
        {"a hole in a middle column", SparseTableVars, 1, {{"1", "21", "31", "41"}, {"2", "22", "", "42"}, {"3", "23", "33", "43"}}},
        {"several keys", MultiKeyVars, 3, {{"1", "x", "10.0.0.1", "11"}, {"2", "xy", "10.0.0.2", "22"}}},
        {"an empty table", EmptyTableVars, 1, {}},
        {"the end of the view", LastTableVars, 1, {{"1", "1"}, {"2", "2"}}},
    };
    for (const Credentials& credentials : {Credentials{"v1", 0, {}, 0}, Credentials{"v2c", 1, {}, 0}}) {
        useCredentials(credentials);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(credentials.name) + ": " + c.name);
            auto r = request(c.table, MVT_FMV, c.keyCount);
            bool ok = false;
            EXPECT_EQ(walkSync(*r, &ok), c.rows);
            EXPECT_TRUE(ok) << "the end of a walk is a success";
            EXPECT_EQ(r->ErrorCount, 0u);

            auto a = request(c.table, MVT_UMV, c.keyCount);
            KySNMPError last;
            EXPECT_EQ(walkAsync(*a, &last), c.rows);
            EXPECT_EQ(last.Code, 0) << last.Message;
            EXPECT_EQ(last.EndOfWalk, 1);
        }
    }
}

class SparseWalkTest : public RequestTest {
protected:
    void SetUp() override {
        trvtest::isolateNetSnmp();
        sim = std::make_unique<trvtest::SimAgent>("syntaxes.txt", trvtest::variantData("variant-sparse-walks.txt"));
        targetSimulator(*sim, 1, 50);
    }
};

// Every later exchange asks from where each column stood, never from an empty OID, and the walk goes on
// until every column has finished; a second walk starts afresh.
TEST_F(SparseWalkTest, EveryRowComesOnceAndEveryExchangeAsksWithinTheTable) {
    struct Case {
        const char* name;
        const KySNMPVarDesc* table;
        std::string prefix;
        std::vector<Row> rows;
    } cases[] = {
        {"columns ending after row 1 while one holds rows 2 and 3", EndingEarlyVars, std::string(Area) + ".40.1.",
         {{"1", "21", "31", ""}, {"2", "(NOTDONE)", "(NOTDONE)", "42"}, {"3", "(NOTDONE)", "(NOTDONE)", "43"}}},
        {"a column lacking row 1 and one without any instance", LateAndAbsentVars, std::string(Area) + ".41.1.",
         {{"1", "21", "", "(NOTDONE)"}, {"2", "22", "32", "(NOTDONE)"}, {"3", "23", "33", "(NOTDONE)"}}},
    };
    for (const Credentials& credentials : {Credentials{"v1", 0, {}, 0}, Credentials{"v2c", 1, {}, 0}}) {
        useCredentials(credentials);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(credentials.name) + ": " + c.name);
            sim->clearLog();
            auto r = request(c.table, MVT_FMV, 1);
            for (int walk = 1; walk <= 2; ++walk) {
                SCOPED_TRACE("walk " + std::to_string(walk));
                bool ok = true;
                std::vector<std::string> instances;
                for (bool first = true; r->GetSync(first, ok); first = false) instances.push_back(r->RowInstance);
                EXPECT_EQ(instances, (std::vector<std::string>{"1", "2", "3"})) << "each row with its own instance";
                EXPECT_EQ(walkSync(*r, &ok), c.rows);
                EXPECT_TRUE(ok);
                KySNMPError last;
                EXPECT_EQ(walkAsync(*r, &last), c.rows);
                EXPECT_EQ(last.Code, 0) << last.Message;
            }
            for (const auto& entry : sim->log())
                for (const auto& binding : entry.bindings)
                    EXPECT_EQ((binding.oid + ".").rfind(c.prefix, 0), 0u) << entry.pdu << " " << binding.oid;
        }
    }
}

TEST_F(RequestTest, PumpTicksOnlyWhileARequestIsOutstanding) {
    ASSERT_TRUE(waitUntil([] { return !EventProcessor.TimerRunning(); })) << "an idle program wakes for nothing";
    auto r = request(IntegerTableVars, MVT_FMV, 1);
    bool running = false;
    bool finished = false;
    bool ok = true;
    r->GetAsync(true, ok, [&](const KySNMPError&, KySNMPVarList&) { finished = true; });
    running = EventProcessor.TimerRunning();
    ASSERT_TRUE(ok);
    EXPECT_TRUE(running) << "time-outs and retries need the ticks";
    ASSERT_TRUE(waitUntil([&] { return finished; }));
    QCoreApplication::processEvents();
    EXPECT_FALSE(EventProcessor.TimerRunning());
}

// A completion that opens a message box runs the box's loop inside the pump's tick: an answer arriving
// meanwhile is held until the box closes, and its socket must not wake the pump again and again.
TEST_F(RequestTest, AnswerArrivingWhileACompletionShowsABoxIsHeldWithoutSpinning) {
    auto first = request(ScalarVars, SVT_SV);
    auto second = request(IntegerTableVars, MVT_FMV, 1);
    bool secondDone = false;
    bool secondDoneWhileOpen = true;
    bool arrived = false;
    int wakeupsWhileOpen = 0;
    bool watchedWhileOpen = true;
    bool boxShown = false;
    bool ok = true;
    first->GetAsync(true, ok, [&](const KySNMPError&, KySNMPVarList&) {
        boxShown = true;
        bool sent = true;
        second->GetAsync(true, sent, [&](const KySNMPError&, KySNMPVarList&) { secondDone = true; });
        ASSERT_TRUE(sent);
        // The box's own loop: the second answer comes in and finds the pump busy.
        const int before = EventProcessor.SocketWakeups();
        arrived = waitUntil([&] { return EventProcessor.SocketWakeups() > before; });
        for (int i = 0; i < 200; ++i) QCoreApplication::processEvents();
        wakeupsWhileOpen = EventProcessor.SocketWakeups() - before;
        watchedWhileOpen = KySNMPTransport::watchingSockets();
        secondDoneWhileOpen = secondDone;
    });
    ASSERT_TRUE(ok);
    ASSERT_TRUE(waitUntil([&] { return boxShown && secondDone; }));
    EXPECT_TRUE(arrived);
    EXPECT_FALSE(secondDoneWhileOpen) << "deliveries wait for the tick that shows the box";
    EXPECT_EQ(wakeupsWhileOpen, 1) << "the socket woke the pump again while its deliveries were held";
    EXPECT_FALSE(watchedWhileOpen);
    EXPECT_TRUE(KySNMPTransport::watchingSockets()) << "watched again once the box is closed";
    EXPECT_EQ(second->VarList.GetVar(1).Value, "1");
}

TEST_F(RequestTest, WithinASequenceATimedOutAgentFailsLaterRequestsAtOnceAndUnsent) {
    sim->addFault({Fault::Drop, ""});
    const auto timedOut = [&](bool async) {
        auto r = request(IntegerTableVars, MVT_FMV, 1);
        r->Timeout = 10;
        KySNMPError last;
        if (async) {
            walkAsync(*r, &last);
        } else {
            r->OnError = [&](const KySNMPError& e) { last = e; };
            bool ok = true;
            r->GetSync(true, ok);
        }
        return last.Code;
    };
    const auto requestsSent = [&] {
        std::set<long> ids;
        for (const auto& entry : sim->log()) ids.insert(entry.requestId);
        return ids.size();
    };
    const int timeoutCode = timedOut(false);
    ASSERT_NE(timeoutCode, 0);
    {
        KySNMPSequence sequence;
        sim->clearLog();
        EXPECT_EQ(timedOut(false), timeoutCode);
        EXPECT_EQ(requestsSent(), 1u) << "the first of the sequence is sent and waits out its tries";
        for (const bool async : {false, true}) {
            SCOPED_TRACE(async ? "asynchronous" : "synchronous");
            EXPECT_EQ(timedOut(async), timeoutCode) << "the same failure, reported as before";
        }
        EXPECT_EQ(requestsSent(), 1u);
    }
    sim->clearLog();
    EXPECT_EQ(timedOut(true), timeoutCode);
    EXPECT_EQ(requestsSent(), 1u) << "after the sequence the agent is asked again";
}

TEST_F(RequestTest, MisbehavingAgentsEndTheWalk) {
    struct Case {
        const char* name;
        FaultSpec fault;
        std::vector<Row> rows;
        std::string asked;
    } cases[] = {
        {"GETNEXT that does not advance", {Fault::NoAdvance, std::string(Area) + ".10.1.2.2"},
         {{"1", "21", "31", "41"}, {"2", "(NOTDONE)", "", "42"}, {"3", "(NOTDONE)", "33", "43"}},
         std::string(Area) + ".10.1.2.1"},
        {"GETNEXT that goes backwards", {Fault::Backwards, std::string(Area) + ".10.1.4.2"},
         {{"1", "21", "31", "41"}, {"2", "22", "", "(NOTDONE)"}, {"3", "23", "33", "(NOTDONE)"}},
         std::string(Area) + ".10.1.4.1"},
        {"the end of a column answered with the OID asked and NULL", {Fault::NullAtEnd, std::string(Area) + ".10.1.4"},
         {{"1", "21", "31", "41"}, {"2", "22", "", "42"}, {"3", "23", "33", "43"}},
         std::string(Area) + ".10.1.4.3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int id = sim->addFault(c.fault);
        // The rows received stay, and the walk says which answer did not follow which request.
        auto r = request(SparseTableVars, MVT_FMV, 1);
        std::vector<KySNMPError> reported;
        r->OnError = [&](const KySNMPError& e) { reported.push_back(e); };
        bool ok = true;
        EXPECT_EQ(walkSync(*r, &ok), c.rows);
        EXPECT_FALSE(ok);
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_EQ(reported[0].Code, -401);
        EXPECT_NE(reported[0].Message.find(" does not follow " + c.asked + "."), std::string::npos) << reported[0].Message;

        auto a = request(SparseTableVars, MVT_FMV, 1);
        KySNMPError last;
        EXPECT_EQ(walkAsync(*a, &last), c.rows);
        EXPECT_EQ(last.Code, -401);
        EXPECT_EQ(last.Message, reported[0].Message);
        sim->removeFault(id);
    }
}

TEST_F(RequestTest, FailingAgentStopsTheWalkWithItsCode) {
    struct Case {
        const char* name;
        FaultSpec fault;
        int code;
    } cases[] = {
        {"genErr on the second row", {Fault::ErrorStatus, std::string(Area) + ".10.1.4.2", -1, 5}, -105},
        {"no answer to the second row", {Fault::Drop, std::string(Area) + ".10.1.4.1", -1}, -405},
    };
    DefaultSNMPTimeout = 20;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int id = sim->addFault(c.fault);
        auto r = request(SparseTableVars, MVT_FMV, 1);
        std::vector<int> reported;
        r->OnError = [&](const KySNMPError& e) { reported.push_back(e.Code); };
        bool ok = true;
        const auto rows = walkSync(*r, &ok);
        EXPECT_FALSE(ok);
        EXPECT_EQ(rows, (std::vector<Row>{{"1", "21", "31", "41"}}));
        EXPECT_EQ(reported, std::vector<int>{c.code});

        auto a = request(SparseTableVars, MVT_FMV, 1);
        KySNMPError last;
        EXPECT_EQ(walkAsync(*a, &last).size(), 1u);
        EXPECT_EQ(last.Code, c.code);
        sim->removeFault(id);
    }
}

TEST_F(RequestTest, AnswerOfAnotherTypeIsShownInItsOwnForm) {
    sim->addFault({Fault::WrongType, std::string(Area) + ".1.19.0"});
    auto r = request(ScalarVars, SVT_SV);
    bool ok = false;
    r->GetSync(true, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(r->VarList.GetVar(3).Value, "(WRONGTYPE)3130");  // the octets "10", never read as a number
    KySNMPError result;
    EXPECT_THROW(r->SetSync(ok, result, false, "3"), KyException) << "never written back with the agent's type";
}

TEST_F(RequestTest, SiblingColumnAnswerEndsTheColumn) {
    sim->addFault({Fault::SiblingColumn, std::string(Area) + ".2.1.1"});
    auto r = request(IntegerTableVars, MVT_FMV, 1);
    r->VarList.GetVar(2).Access = afInvalid;
    r->VarList.GetVar(3).Access = afInvalid;
    r->VarList.GetVar(4).Access = afInvalid;
    EXPECT_EQ(walkSync(*r), std::vector<Row>{});
}

TEST_F(RequestTest, WrongCommunityTimesOutAfterTwoTries) {
    DefaultSNMPSecurity.ReadCommunity = "wrong";
    DefaultSNMPTimeout = 20;
    auto r = request(ScalarVars, SVT_SV);
    std::vector<int> reported;
    r->OnError = [&](const KySNMPError& e) { reported.push_back(e.Code); };
    bool ok = true;
    r->GetSync(true, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(reported, std::vector<int>{-405});
    EXPECT_EQ(r->ErrorCount, 1u);
    const auto log = sim->log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].requestId, log[1].requestId);

    sim->clearLog();
    KySNMPError last;
    bool finished = false;
    r->GetAsync(true, ok, [&](const KySNMPError& e, KySNMPVarList&) {
        last = e;
        finished = true;
    });
    ASSERT_TRUE(waitUntil([&] { return finished; }));
    EXPECT_EQ(last.Code, -405);
    EXPECT_EQ(last.Message, messageOf(-405));
    EXPECT_EQ(sim->log().size(), 2u);
}

TEST_F(RequestTest, SecurityFailuresAreReportedOnceWithTheirCodes) {
    struct Case {
        const char* name;
        trvtest::SimUser user;
        int level;
        int code;
    } cases[] = {
        {"unknown user", {"nobody", "SHA", "shaauthpass", "", ""}, 2, -304},
        {"wrong password", {"simsha", "SHA", "wrongpassword", "", ""}, 2, -308},
        {"level the user does not have", {"simnoauth", "MD5", "md5authpass", "", ""}, 2, -303},
        {"authentication protocol not supported", {"simsha", "IDEA", "shaauthpass", "", ""}, 2, -312},
        {"privacy protocol not supported", {"simmd5des", "MD5", "md5authpass", "3DES", "md5desprivpass"}, 3, -313},
        {"passphrase too short", {"simsha", "SHA", "short", "", ""}, 2, -307},
    };
    DefaultSNMPTimeout = 20;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useCredentials({c.name, 3, c.user, c.level});
        auto r = request(ScalarVars, SVT_SV);
        std::vector<int> reported;
        r->OnError = [&](const KySNMPError& e) { reported.push_back(e.Code); };
        bool ok = true;
        r->GetSync(true, ok);
        EXPECT_FALSE(ok);
        EXPECT_EQ(reported, std::vector<int>{c.code});

        reported.clear();
        KySNMPError last;
        bool finished = false;
        r->GetAsync(true, ok, [&](const KySNMPError& e, KySNMPVarList&) {
            last = e;
            finished = true;
        });
        if (ok) {
            ASSERT_TRUE(waitUntil([&] { return finished; }));
            EXPECT_EQ(last.Code, c.code);
        } else {
            EXPECT_EQ(reported, std::vector<int>{c.code});
        }
        EXPECT_EQ(r->PendingAsync, 0);
    }
}

TEST_F(RequestTest, SetByPositionsSendsOnlyThoseAndRestoresTheList) {
    auto r = request(ScalarVars, SVT_SV);
    r->VarList.GetVar(1).Value = "old name";
    const std::vector<std::string> newValues{"disabled", "77"};
    bool ok = false;
    KySNMPError result;
    r->SetSync(ok, result, false, "0,3", &newValues);
    ASSERT_TRUE(ok) << result.Message;
    const auto log = sim->log();
    ASSERT_EQ(log.size(), 1u);
    ASSERT_EQ(log[0].bindings.size(), 2u);
    EXPECT_EQ(log[0].bindings[0].oid, std::string(Area) + ".1.1.0");
    EXPECT_EQ(log[0].bindings[0].value, "2");
    EXPECT_EQ(log[0].bindings[1].value, "77");
    EXPECT_EQ(values(r->VarList), (Row{"", "old name", "", ""}));
    for (int i = 0; i < r->VarList.GetCount(); ++i) EXPECT_EQ(r->VarList.GetVar(i).Access & afInvalid, 0);
}

TEST_F(RequestTest, FormulasApplyAfterAReadAndBeforeAWrite) {
    auto r = request(ScalarVars, SVT_SV);
    r->VarList.GetVar(3).GetFormula = "$3+5";
    r->VarList.GetVar(3).SetFormula = "$3-5";
    bool ok = false;
    r->GetSync(true, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(r->VarList.GetVar(3).Value, "15");  // the device holds 10

    r->VarList.GetVar(3).Value = "30";
    KySNMPError result;
    r->SetSync(ok, result, false, "3");
    ASSERT_TRUE(ok) << result.Message;
    EXPECT_EQ(sim->value(std::string(Area) + ".1.19.0"), "INTEGER 25");
    EXPECT_EQ(r->VarList.GetVar(3).Value, "30");
}

TEST_F(RequestTest, RowCreationAndDestructionNameTheRowWithoutKeyColumns) {
    auto r = request(RowStatusTableVars, MVT_FMV, 1);
    r->VarList.GetVar(0).Value = "5";
    r->VarList.GetVar(1).Value = "fifth";
    r->VarList.GetVar(2).Value = "55";
    r->VarList.GetVar(3).Value = "createAndGo";
    bool ok = false;
    KySNMPError result;
    r->SetSync(ok, result, false);
    ASSERT_TRUE(ok) << result.Message;
    auto log = sim->log();
    ASSERT_EQ(log.size(), 1u);
    ASSERT_EQ(log[0].bindings.size(), 3u);
    EXPECT_EQ(log[0].bindings[0].oid, std::string(Area) + ".12.1.2.5");
    EXPECT_EQ(log[0].bindings[2].oid, std::string(Area) + ".12.1.4.5");
    EXPECT_EQ(log[0].bindings[2].value, "4");
    EXPECT_EQ(sim->value(std::string(Area) + ".12.1.3.5"), "INTEGER 55");

    const std::vector<std::string> destroy{"destroy"};
    r->SetSync(ok, result, false, "3", &destroy);
    ASSERT_TRUE(ok) << result.Message;
    EXPECT_EQ(sim->value(std::string(Area) + ".12.1.2.5"), std::nullopt);

    // Creating a row that exists is refused: the result carries the agent's code.
    r->VarList.GetVar(0).Value = "1";
    r->SetSync(ok, result, false);
    EXPECT_FALSE(ok);
    EXPECT_EQ(result.Code, -112);
    EXPECT_EQ(result.Message, messageOf(-112) + " Row Status (" + std::string(Area) + ".12.1.4.1)")
        << "the error names the object its index points to";
    EXPECT_EQ(result.ErrorCount, 1u);
    EXPECT_EQ(sim->value(std::string(Area) + ".12.1.2.1"), "STRING 0x6669727374");
}

TEST_F(RequestTest, BadInputIsRaisedBeforeAnythingIsSent) {
    auto r = request(ScalarVars, SVT_SV);
    r->VarList.GetVar(3).Value = "ten";
    bool ok = false;
    KySNMPError result;
    EXPECT_THROW(r->SetSync(ok, result, false, "3"), KyException);
    EXPECT_EQ(r->VarList.GetVar(3).Value, "ten");
    EXPECT_TRUE(sim->log().empty());

    auto scalars = request(ScalarVars, SVT_SV);
    try {
        scalars->GetSync(false, ok);
        ADD_FAILURE() << "a continuation of scalars was sent";
    } catch (const KyException& e) {
        EXPECT_EQ(e.code(), -510);
    }
}

TEST_F(RequestTest, MissingObjectFailsItsBindingInEveryVersionAndTheOthersKeepTheirValues) {
    // Row 2 of the table has no column 3: v1 refuses the whole GET, v2c answers noSuchInstance for it.
    for (const char* version : {"v1", "v2c"}) {
        SCOPED_TRACE(version);
        useCredentials({version, uint8_t(version[1] == '1' ? 0 : 1), {}, 0});
        for (const bool async : {false, true}) {
            SCOPED_TRACE(async ? "asynchronous" : "synchronous");
            auto r = request(IntegerTableVars, MVT_SV);
            r->VarList.GetVar(0).Access = afInvalid;
            r->VarList.InstanceSuffix = "2";
            std::vector<int> reported;
            r->OnError = [&](const KySNMPError& e) { reported.push_back(e.Code); };
            KySNMPError last;
            if (async) {
                EXPECT_EQ(walkAsync(*r, &last).size(), 0u);
                EXPECT_EQ(last.Code, -102);
                EXPECT_EQ(last.Message, "(SNMP) Variable does not exist!");
            } else {
                bool ok = true;
                r->GetSync(true, ok);
                EXPECT_FALSE(ok);
                EXPECT_EQ(reported, std::vector<int>{-102});
            }
            if (version[1] == '2') {
                EXPECT_EQ(r->VarList.GetVar(2).Value, "two");
                EXPECT_EQ(r->VarList.GetVar(4).Value, "1002");
            }
        }
    }
}

TEST_F(RequestTest, InactiveRequestSendsNothing) {
    auto r = request(ScalarVars, SVT_SV);
    r->Active = 0;
    bool ok = true;
    EXPECT_FALSE(r->GetSync(true, ok));
    EXPECT_FALSE(ok);
    ok = true;
    r->GetAsync(true, ok, nullptr);
    EXPECT_FALSE(ok);
    KySNMPError result;
    ok = true;
    r->SetSync(ok, result, false);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(sim->log().empty());
}

TEST_F(RequestTest, DecodingFailureReachesTheCompletionAndThePumpGoesOn) {
    auto r = request(IntegerTableVars, MVT_FMV, 1);
    r->VarList.GetVar(0).Syntax = sxMacAddress;  // an integer instance cannot be a MAC key
    r->VarList.KeyCount = 2;
    KySNMPError last;
    bool finished = false;
    bool ok = false;
    r->GetAsync(true, ok, [&](const KySNMPError& e, KySNMPVarList&) {
        last = e;
        finished = true;
    });
    ASSERT_TRUE(waitUntil([&] { return finished; }));
    EXPECT_EQ(last.Code, -514);
    EXPECT_EQ(last.EndOfWalk, 1);
    EXPECT_EQ(r->PendingAsync, 0);

    auto next = request(ScalarVars, SVT_SV);
    EXPECT_EQ(walkAsync(*next).size(), 0u);  // scalars: one exchange, then the walk is over
    EXPECT_EQ(next->VarList.GetVar(0).Value, "enabled");
}

TEST_F(RequestTest, DestroyedRequestIsNeverCalledBack) {
    sim->addFault({Fault::Delay, "", -1, 5, 300});
    int calls = 0;
    {
        auto r = request(ScalarVars, SVT_SV);
        bool ok = false;
        r->GetAsync(true, ok, [&](const KySNMPError&, KySNMPVarList&) { ++calls; });
        ASSERT_TRUE(ok);
        EXPECT_EQ(r->PendingAsync, 1);
    }
    waitUntil([] { return false; }, 600);
    EXPECT_EQ(calls, 0);
}

}  // namespace
