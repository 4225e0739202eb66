// The simulator answers GET, GETNEXT, GETBULK and SET like a real agent, for every protocol version.
#include "SimTestSupport.h"

#include <chrono>
#include <filesystem>
#include <thread>

using namespace simtest;
using trvtest::SimAgentTest;

namespace {

struct Security {
    const char* name;
    long version;
    const trvtest::SimUser* user; // v3 only
};

const Security kSecurities[] = {
    {"v1", SNMP_VERSION_1, nullptr},
    {"v2c", SNMP_VERSION_2c, nullptr},
    {"v3_md5_des", SNMP_VERSION_3, &trvtest::kMd5DesUser},
    {"v3_sha_aes", SNMP_VERSION_3, &trvtest::kShaAesUser},
};

void PrintTo(const Security& s, std::ostream* os) { *os << s.name; }

// v1 reports most errors as noSuchName (2) and wrong values as badValue (3).
long expectedStatus(long version, long v2status)
{
    if (version != SNMP_VERSION_1) return v2status;
    return v2status == SNMP_ERR_WRONGTYPE || v2status == SNMP_ERR_WRONGVALUE ? SNMP_ERR_BADVALUE : SNMP_ERR_NOSUCHNAME;
}

class SimVersions : public SimAgentTest, public testing::WithParamInterface<Security> {
protected:
    std::string dataFile() const override { return "syntaxes.txt"; }
    std::unique_ptr<SnmpClient> client()
    {
        const Security& s = GetParam();
        if (s.user) return std::make_unique<SnmpClient>(sim->port(), *s.user);
        return std::make_unique<SnmpClient>(sim->port(), s.version, "quiltry");
    }
};

TEST_P(SimVersions, GetAnswersEveryBindingInOrder)
{
    auto c = client();
    Reply r = c->get({sysDescr, T + ".1.1.0", T + ".1.2.0"});
    ASSERT_EQ(r.status, STAT_SUCCESS);
    ASSERT_EQ(r.errstat, 0);
    ASSERT_EQ(r.vbs.size(), 3u);
    EXPECT_EQ(r.vbs[0].value, "TRV-5124 Managed Ethernet Switch, firmware 2.10.014");
    EXPECT_EQ(r.vbs[1].oid, T + ".1.1.0");
    EXPECT_EQ(r.vbs[1].value, "3");
    EXPECT_EQ(r.vbs[2].value, "Lab switch \"B\"");
}

TEST_P(SimVersions, WalkVisitsColumnsThenRows)
{
    auto c = client();
    std::vector<std::string> oids;
    for (const Vb& vb : c->walk(T + ".2.1")) oids.push_back(vb.oid.substr(T.size() + 5));
    EXPECT_EQ(oids, (std::vector<std::string>{"1.1", "1.2", "1.3", "2.1", "2.2", "2.3", "3.1", "10.1", "10.2", "10.3"}));
}

TEST_P(SimVersions, BulkWalkSeesWhatWalkSees)
{
    if (GetParam().version == SNMP_VERSION_1) GTEST_SKIP() << "v1 has no GETBULK";
    auto c = client();
    auto walked = c->walk(T);
    auto bulked = c->bulkWalk(T, 7);
    ASSERT_EQ(walked.size(), bulked.size());
    for (std::size_t i = 0; i < walked.size(); ++i) EXPECT_EQ(walked[i].oid, bulked[i].oid);
    EXPECT_GT(walked.size(), 50u);
}

TEST_P(SimVersions, SetWithOneBadBindingChangesNothing)
{
    auto c = client();
    Reply bad = c->set({{T + ".1.19.0", 'i', "42"}, {T + ".1.2.0", 's', "renamed"}, {T + ".1.10.0", 'o', "1.3.6.1"}});
    ASSERT_EQ(bad.status, STAT_SUCCESS);
    EXPECT_EQ(bad.errstat, expectedStatus(GetParam().version, SNMP_ERR_NOTWRITABLE));
    EXPECT_EQ(bad.errindex, 3);
    EXPECT_EQ(sim->value(T + ".1.19.0"), "INTEGER 10");
    EXPECT_EQ(sim->value(T + ".1.2.0"), storedString("Lab switch \"B\""));

    Reply good = c->set({{T + ".1.19.0", 'i', "42"}, {T + ".1.2.0", 's', "renamed"}});
    ASSERT_EQ(good.status, STAT_SUCCESS);
    EXPECT_EQ(good.errstat, 0);
    EXPECT_EQ(sim->value(T + ".1.19.0"), "INTEGER 42");
    EXPECT_EQ(sim->value(T + ".1.2.0"), storedString("renamed"));
}

TEST_P(SimVersions, RowStatusCreatesAndDestroysARow)
{
    auto c = client();
    const std::string row = T + ".12.1";
    Reply created = c->set({{row + ".4.5", 'i', "4"}, {row + ".3.5", 'i', "7"}});
    ASSERT_EQ(created.status, STAT_SUCCESS);
    EXPECT_EQ(created.errstat, 0);
    EXPECT_EQ(sim->value(row + ".4.5"), "INTEGER 1");
    EXPECT_EQ(sim->value(row + ".3.5"), "INTEGER 7");
    EXPECT_EQ(sim->value(row + ".2.5"), storedString("unnamed"));

    Reply destroyed = c->set({{row + ".4.5", 'i', "6"}});
    EXPECT_EQ(destroyed.errstat, 0);
    EXPECT_EQ(sim->value(row + ".4.5"), std::nullopt);
    EXPECT_EQ(sim->value(row + ".2.5"), std::nullopt);
    EXPECT_EQ(sim->value(row + ".4.1"), "INTEGER 1");
}

TEST_P(SimVersions, EntryStatusValidCreatesAndInvalidDeletes)
{
    auto c = client();
    const std::string row = T + ".13.1";
    Reply created = c->set({{row + ".4.7", 'i', "1"}, {row + ".2.7", 's', "seven"}});
    EXPECT_EQ(created.errstat, 0);
    EXPECT_EQ(sim->value(row + ".2.7"), storedString("seven"));
    EXPECT_EQ(sim->value(row + ".3.7"), "INTEGER 0");

    Reply deleted = c->set({{row + ".4.7", 'i', "2"}});
    EXPECT_EQ(deleted.errstat, 0);
    EXPECT_EQ(sim->value(row + ".2.7"), std::nullopt);
    EXPECT_EQ(sim->value(row + ".4.7"), std::nullopt);
}

TEST_P(SimVersions, LogRecordsEveryPduWithItsSecurity)
{
    auto c = client();
    sim->clearLog();
    c->get({sysDescr, T + ".1.1.0"});
    c->set({{T + ".1.19.0", 'i', "-5"}});
    auto log = sim->log();
    const Security& s = GetParam();
    std::vector<trvtest::LogEntry> mine;
    for (auto& e : log)
        if (!e.bindings.empty()) mine.push_back(e); // v3 discovery probes carry no bindings
    ASSERT_EQ(mine.size(), 2u);
    for (auto& e : mine) {
        EXPECT_EQ(e.version, s.version == SNMP_VERSION_1 ? "1" : s.version == SNMP_VERSION_2c ? "2c" : "3");
        EXPECT_EQ(e.security, s.user ? s.user->name : "quiltry");
        EXPECT_NE(e.requestId, 0);
    }
    EXPECT_EQ(mine[0].pdu, "GET");
    ASSERT_EQ(mine[0].bindings.size(), 2u);
    EXPECT_EQ(mine[0].bindings[0].oid, sysDescr);
    EXPECT_EQ(mine[0].bindings[0].type, "NULL");
    EXPECT_EQ(mine[0].bindings[1].oid, T + ".1.1.0");
    EXPECT_EQ(mine[1].pdu, "SET");
    ASSERT_EQ(mine[1].bindings.size(), 1u);
    EXPECT_EQ(mine[1].bindings[0].type, "INTEGER");
    EXPECT_EQ(mine[1].bindings[0].value, "-5");
}

INSTANTIATE_TEST_SUITE_P(Versions, SimVersions, testing::ValuesIn(kSecurities),
                         [](const auto& info) { return std::string(info.param.name); });

class SimSemantics : public SimAgentTest {
protected:
    std::string dataFile() const override { return "syntaxes.txt"; }
};

TEST_F(SimSemantics, RowStatusErrorsFollowRfc2579AndLeaveNoRow)
{
    const std::string row = T + ".12.1";
    struct Case {
        const char* name;
        std::vector<SetVb> bindings;
        long errstat;
        long errindex;
    };
    const Case cases[] = {
        {"createAndGo on an existing row", {{row + ".4.1", 'i', "4"}}, SNMP_ERR_INCONSISTENTVALUE, 1},
        {"notReady cannot be written", {{row + ".4.9", 'i', "3"}}, SNMP_ERR_WRONGVALUE, 1},
        {"value outside 1..6", {{row + ".4.9", 'i', "7"}}, SNMP_ERR_WRONGVALUE, 1},
        {"createAndGo without a column that has no default", {{row + ".4.9", 'i', "4"}}, SNMP_ERR_INCONSISTENTVALUE, 1},
        {"active on an absent row", {{row + ".4.9", 'i', "1"}}, SNMP_ERR_INCONSISTENTVALUE, 1},
        {"a column of an absent row", {{row + ".3.9", 'i', "1"}}, SNMP_ERR_NOCREATION, 1},
        {"createAndGo with a column of the wrong type", {{row + ".4.9", 'i', "4"}, {row + ".3.9", 's', "x"}}, SNMP_ERR_WRONGTYPE, 2},
        {"an index that is not an integer", {{row + ".4.9.9", 'i', "4"}, {row + ".3.9.9", 'i', "1"}}, SNMP_ERR_NOCREATION, 1},
    };
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "quiltry");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Reply r = c.set(k.bindings);
        ASSERT_EQ(r.status, STAT_SUCCESS);
        EXPECT_EQ(r.errstat, k.errstat);
        EXPECT_EQ(r.errindex, k.errindex);
        EXPECT_EQ(sim->value(row + ".4.9"), std::nullopt);
        EXPECT_EQ(sim->value(row + ".2.9"), std::nullopt);
    }
    EXPECT_EQ(sim->value(row + ".4.1"), "INTEGER 1");
}

// 1.0.8802 and 1.3 are separate registrations in the agent; one SET over both must still be atomic.
TEST_F(SimSemantics, SetAcrossSubtreesIsAtomic)
{
    const std::string dot1x = "1.0.8802.1.1.1.1.1.1.0";
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "quiltry");
    Reply bad = c.set({{dot1x, 'i', "1"}, {T + ".1.19.0", 'i', "11"}, {T + ".1.10.0", 'o', "1.3"}});
    EXPECT_EQ(bad.errstat, SNMP_ERR_NOTWRITABLE);
    EXPECT_EQ(bad.errindex, 3);
    EXPECT_EQ(sim->value(dot1x), "INTEGER 2");
    EXPECT_EQ(sim->value(T + ".1.19.0"), "INTEGER 10");

    Reply wrongLater = c.set({{T + ".1.19.0", 'i', "11"}, {dot1x, 's', "enabled"}});
    EXPECT_EQ(wrongLater.errstat, SNMP_ERR_WRONGTYPE);
    EXPECT_EQ(wrongLater.errindex, 2);
    EXPECT_EQ(sim->value(T + ".1.19.0"), "INTEGER 10");

    EXPECT_EQ(c.set({{dot1x, 'i', "1"}, {T + ".1.19.0", 'i', "11"}}).errstat, 0);
    EXPECT_EQ(sim->value(dot1x), "INTEGER 1");
    EXPECT_EQ(sim->value(T + ".1.19.0"), "INTEGER 11");
}

TEST_F(SimSemantics, CreateAndWaitLeavesAnIncompleteRowNotReady)
{
    const std::string row = T + ".12.1";
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "quiltry");
    EXPECT_EQ(c.set({{row + ".4.8", 'i', "5"}}).errstat, 0);
    EXPECT_EQ(sim->value(row + ".4.8"), "INTEGER 3");
    EXPECT_EQ(c.set({{row + ".4.8", 'i', "1"}}).errstat, SNMP_ERR_INCONSISTENTVALUE);
    EXPECT_EQ(c.set({{row + ".3.8", 'i', "5"}, {row + ".4.8", 'i', "1"}}).errstat, 0);
    EXPECT_EQ(sim->value(row + ".4.8"), "INTEGER 1");
}

TEST_F(SimSemantics, ExceptionsTellMissingObjectsFromMissingInstances)
{
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    Reply r = c.get({sysDescr, T + ".1.77.0", T + ".1.1.5", T + ".2.1.2.9"});
    ASSERT_EQ(r.vbs.size(), 4u);
    EXPECT_EQ(r.errstat, 0);
    EXPECT_EQ(r.vbs[0].type, ASN_OCTET_STR);
    EXPECT_EQ(r.vbs[1].type, SNMP_NOSUCHOBJECT);
    EXPECT_EQ(r.vbs[2].type, SNMP_NOSUCHINSTANCE);
    EXPECT_EQ(r.vbs[3].type, SNMP_NOSUCHINSTANCE);

    Reply end = c.next({T + ".99.1.2.2"});
    ASSERT_EQ(end.vbs.size(), 1u);
    EXPECT_EQ(end.vbs[0].type, SNMP_ENDOFMIBVIEW);
    EXPECT_EQ(end.vbs[0].oid, T + ".99.1.2.2");
}

TEST_F(SimSemantics, Version1EndOfWalkIsNoSuchNameWithTheRequestsBindings)
{
    SnmpClient c(sim->port(), SNMP_VERSION_1, "tamber");
    Reply r = c.next({T + ".99.1.2.1", T + ".99.1.2.2"});
    ASSERT_EQ(r.status, STAT_SUCCESS);
    EXPECT_EQ(r.errstat, SNMP_ERR_NOSUCHNAME);
    EXPECT_EQ(r.errindex, 2);
    ASSERT_EQ(r.vbs.size(), 2u);
    EXPECT_EQ(r.vbs[0].oid, T + ".99.1.2.1");
    EXPECT_EQ(r.vbs[1].oid, T + ".99.1.2.2");
    EXPECT_EQ(r.vbs[1].type, ASN_NULL);

    Reply missing = c.get({sysDescr, T + ".1.77.0"});
    EXPECT_EQ(missing.errstat, SNMP_ERR_NOSUCHNAME);
    EXPECT_EQ(missing.errindex, 2);
}

TEST_F(SimSemantics, Counter64IsHiddenFromVersion1)
{
    SnmpClient v1(sim->port(), SNMP_VERSION_1, "tamber");
    EXPECT_EQ(v1.get({T + ".1.15.0"}).errstat, SNMP_ERR_NOSUCHNAME);
    Reply next = v1.next({T + ".1.14.0"});
    ASSERT_EQ(next.vbs.size(), 1u);
    EXPECT_EQ(next.vbs[0].oid, T + ".1.17.0"); // past the Counter64 (and the NULL, which walks never show)
}

TEST_F(SimSemantics, GetBulkPutsNonRepeatersFirstThenRowsOfRepetitions)
{
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    Reply r = c.bulk(1, 2, {"1.3.6.1.2.1.1.1", T + ".2.1.1", T + ".2.1.2"});
    ASSERT_EQ(r.vbs.size(), 5u);
    EXPECT_EQ(r.vbs[0].oid, sysDescr);
    EXPECT_EQ(r.vbs[1].oid, T + ".2.1.1.1");
    EXPECT_EQ(r.vbs[2].oid, T + ".2.1.2.1");
    EXPECT_EQ(r.vbs[3].oid, T + ".2.1.1.2");
    EXPECT_EQ(r.vbs[4].oid, T + ".2.1.2.2");
    auto log = sim->log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().pdu, "GETBULK");
    EXPECT_EQ(log.back().nonRepeaters, 1);
    EXPECT_EQ(log.back().maxRepetitions, 2);
}

TEST_F(SimSemantics, WrongCommunityGetsNoAnswerButIsLogged)
{
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "wrong", 300, 0);
    EXPECT_EQ(c.get({sysDescr}).status, STAT_TIMEOUT);
    auto log = sim->log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].security, "wrong");
}

TEST_F(SimSemantics, ReadOnlyAccessCannotSet)
{
    struct Case {
        const char* name;
        std::unique_ptr<SnmpClient> client;
    };
    Case cases[] = {
        {"v1 read community", std::make_unique<SnmpClient>(sim->port(), SNMP_VERSION_1, "tamber")},
        {"v2c read community", std::make_unique<SnmpClient>(sim->port(), SNMP_VERSION_2c, "tamber")},
        {"v3 read-only user", std::make_unique<SnmpClient>(sim->port(), trvtest::kReaderUser)},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.name);
        Reply r = k.client->set({{T + ".1.19.0", 'i', "99"}});
        ASSERT_EQ(r.status, STAT_SUCCESS);
        EXPECT_NE(r.errstat, 0);
        EXPECT_EQ(sim->value(T + ".1.19.0"), "INTEGER 10");
        EXPECT_EQ(k.client->get({T + ".1.19.0"}).vbs.at(0).value, "10");
    }
}

TEST_F(SimSemantics, EveryVersion3SecurityLevelReads)
{
    const trvtest::SimUser* users[] = {&trvtest::kNoAuthUser, &trvtest::kMd5User, &trvtest::kShaUser,
                                       &trvtest::kMd5DesUser, &trvtest::kShaAesUser, &trvtest::kReaderUser};
    for (const auto* user : users) {
        SCOPED_TRACE(user->name);
        SnmpClient c(sim->port(), *user);
        Reply r = c.get({sysDescr});
        ASSERT_EQ(r.status, STAT_SUCCESS);
        ASSERT_EQ(r.vbs.size(), 1u);
        EXPECT_EQ(r.vbs[0].type, ASN_OCTET_STR);
    }
}

// Net-SNMP clients keep localized keys per user and engine, so this runs against a fresh engine.
TEST_F(SimSemantics, WrongVersion3PasswordsGetNoAnswer)
{
    trvtest::SimUser wrongAuth = trvtest::kShaAesUser;
    wrongAuth.authPassword = "not-the-password";
    trvtest::SimUser wrongPriv = trvtest::kMd5DesUser;
    wrongPriv.privPassword = "not-the-password";
    for (const auto& user : {wrongAuth, wrongPriv}) {
        SCOPED_TRACE(user.name);
        SnmpClient bad(sim->port(), user, 300, 0);
        EXPECT_NE(bad.get({sysDescr}).status, STAT_SUCCESS);
    }
}

TEST_F(SimSemantics, SetErrorsUseVersion1Codes)
{
    SnmpClient c(sim->port(), SNMP_VERSION_1, "quiltry");
    EXPECT_EQ(c.set({{T + ".1.10.0", 'o', "1.3.6.1"}}).errstat, SNMP_ERR_NOSUCHNAME);
    EXPECT_EQ(c.set({{T + ".1.19.0", 's', "text"}}).errstat, SNMP_ERR_BADVALUE);
    EXPECT_EQ(c.set({{T + ".1.77.0", 'i', "1"}}).errstat, SNMP_ERR_NOSUCHNAME);
}

TEST_F(SimSemantics, SysUpTimeRuns)
{
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    auto first = std::stoul(c.get({"1.3.6.1.2.1.1.3.0"}).vbs.at(0).value);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    auto second = std::stoul(c.get({"1.3.6.1.2.1.1.3.0"}).vbs.at(0).value);
    EXPECT_GT(second, first);
}

TEST_F(SimSemantics, RotatingValueChangesOnEveryRead)
{
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) seen.push_back(c.get({T + ".1.20.0"}).vbs.at(0).value);
    EXPECT_EQ(seen, (std::vector<std::string>{"red", "green", "blue", "red"}));
}

TEST_F(SimSemantics, StopsOnSigtermAndLeavesNothingBehind)
{
    bool hadTempFolder = false;
    for (auto& entry : std::filesystem::directory_iterator(sim->workDir()))
        hadTempFolder |= entry.path().filename().string().rfind("trvsim-", 0) == 0;
    EXPECT_TRUE(hadTempFolder);
    EXPECT_EQ(sim->stop(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(sim->workDir()));
}

} // namespace
