// Each injected fault as a client sees it.
#include "SimTestSupport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace simtest;
using trvtest::Fault;
using trvtest::SimAgentTest;

namespace {

// The request ids of every answer to one hand-made v2c GET of sysDescr.0 ("tamber").
std::vector<long> rawGetAnswers(int port, long requestId)
{
    std::vector<unsigned char> packet = {0x30, 41, 0x02, 1, 1, 0x04, 6, 't', 'a', 'm', 'b', 'e', 'r', 0xa0, 28, 0x02, 4,
                                         static_cast<unsigned char>(requestId >> 24), static_cast<unsigned char>(requestId >> 16),
                                         static_cast<unsigned char>(requestId >> 8), static_cast<unsigned char>(requestId),
                                         0x02, 1, 0, 0x02, 1, 0, 0x30, 14, 0x30, 12, 0x06, 8, 0x2b, 6, 1, 2, 1, 1, 1, 0, 0x05, 0};
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sendto(fd, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    std::vector<long> ids;
    timeval wait{0, 300000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    unsigned char buf[1500];
    ssize_t n;
    while ((n = recv(fd, buf, sizeof buf, 0)) > 0) {
        // SEQUENCE { version, community, Response-PDU { request-id ... } }, short or 0x81 lengths
        std::size_t at = 0;
        auto enter = [&] { ++at; at += buf[at] == 0x81 ? 2 : 1; };
        auto skip = [&] { ++at; std::size_t len = buf[at] == 0x81 ? buf[at + 1] : buf[at]; at += (buf[at] == 0x81 ? 2 : 1) + len; };
        enter();
        skip();
        skip();
        enter();
        long id = 0;
        std::size_t len = buf[at + 1];
        for (std::size_t i = 0; i < len; ++i) id = id * 256 + buf[at + 2 + i];
        ids.push_back(id);
    }
    close(fd);
    return ids;
}

class SimFaults : public SimAgentTest {
protected:
    std::string dataFile() const override { return "syntaxes.txt"; }
};

TEST_F(SimFaults, AnswersShowTheInjectedFault)
{
    struct Case {
        const char* name;
        trvtest::FaultSpec fault;
        int command; // SNMP_MSG_GET or SNMP_MSG_GETNEXT
        std::string oid;
        long errstat;
        std::string answerOid;
        int answerType;
        std::string answerValue;
    };
    const Case cases[] = {
        {"genErr", {Fault::ErrorStatus, T + ".1.2", -1, SNMP_ERR_GENERR}, SNMP_MSG_GET, T + ".1.2.0", SNMP_ERR_GENERR, T + ".1.2.0", ASN_NULL, ""},
        {"tooBig", {Fault::ErrorStatus, "", -1, SNMP_ERR_TOOBIG}, SNMP_MSG_GET, T + ".1.1.0", SNMP_ERR_TOOBIG, "", 0, ""},
        {"next does not advance", {Fault::NoAdvance, ""}, SNMP_MSG_GETNEXT, T + ".2.1.1.1", 0, T + ".2.1.1.1", ASN_INTEGER, "2"},
        {"next goes backwards", {Fault::Backwards, ""}, SNMP_MSG_GETNEXT, T + ".2.1.1.2", 0, T + ".2.1.1.1", ASN_INTEGER, "1"},
        {"end of a column answered with the OID asked and NULL", {Fault::NullAtEnd, T + ".2.1.1"}, SNMP_MSG_GETNEXT, T + ".2.1.1.3", 0, T + ".2.1.1.3", ASN_NULL, ""},
        {"... and inside the column as usual", {Fault::NullAtEnd, T + ".2.1.1"}, SNMP_MSG_GETNEXT, T + ".2.1.1.1", 0, T + ".2.1.1.2", ASN_INTEGER, "2"},
        {"next jumps to the sibling column", {Fault::SiblingColumn, T + ".2.1.1"}, SNMP_MSG_GETNEXT, T + ".2.1.1.1", 0, T + ".2.1.10.2", ASN_INTEGER, "2"},
        {"integer comes back as a string", {Fault::WrongType, T + ".1.1"}, SNMP_MSG_GET, T + ".1.1.0", 0, T + ".1.1.0", ASN_OCTET_STR, "3"},
        {"string comes back as an integer", {Fault::WrongType, T + ".1.2"}, SNMP_MSG_GET, T + ".1.2.0", 0, T + ".1.2.0", ASN_INTEGER, "1"},
        {"short DateAndTime", {Fault::Truncate, T + ".1.9", -1, 0, 0, 3}, SNMP_MSG_GET, T + ".1.9.0", 0, T + ".1.9.0", ASN_OCTET_STR, std::string("\x07\xea\x0c", 3)},
    };
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        int id = sim->addFault(k.fault);
        Reply r = k.command == SNMP_MSG_GET ? c.get({k.oid}) : c.next({k.oid});
        sim->removeFault(id);
        ASSERT_EQ(r.status, STAT_SUCCESS);
        EXPECT_EQ(r.errstat, k.errstat);
        if (k.errstat) {
            EXPECT_EQ(r.errindex, 1);
            continue;
        }
        ASSERT_EQ(r.vbs.size(), 1u);
        EXPECT_EQ(r.vbs[0].oid, k.answerOid);
        EXPECT_EQ(r.vbs[0].type, k.answerType);
        EXPECT_EQ(r.vbs[0].value, k.answerValue);
    }
    // Removed faults leave normal answers.
    Reply normal = c.next({T + ".2.1.1.1"});
    EXPECT_EQ(normal.vbs.at(0).oid, T + ".2.1.1.2");
}

TEST_F(SimFaults, ErrorStatusPointsAtTheMatchingBinding)
{
    sim->addFault({Fault::ErrorStatus, T + ".1.2", -1, SNMP_ERR_GENERR});
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    Reply r = c.get({sysDescr, T + ".1.1.0", T + ".1.2.0"});
    EXPECT_EQ(r.errstat, SNMP_ERR_GENERR);
    EXPECT_EQ(r.errindex, 3);
    EXPECT_EQ(c.get({sysDescr}).errstat, 0);
}

TEST_F(SimFaults, ErrorStatusOnSetChangesNothing)
{
    sim->addFault({Fault::ErrorStatus, T + ".1.2", 1, SNMP_ERR_RESOURCEUNAVAILABLE});
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "quiltry");
    Reply r = c.set({{T + ".1.19.0", 'i', "1"}, {T + ".1.2.0", 's', "x"}});
    EXPECT_EQ(r.errstat, SNMP_ERR_RESOURCEUNAVAILABLE);
    EXPECT_EQ(r.errindex, 2);
    EXPECT_EQ(sim->value(T + ".1.19.0"), "INTEGER 10");
    EXPECT_EQ(c.set({{T + ".1.19.0", 'i', "1"}, {T + ".1.2.0", 's', "x"}}).errstat, 0);
}

TEST_F(SimFaults, DroppedRequestIsRetriedWithTheSameRequestId)
{
    sim->addFault({Fault::Drop, "", 1});
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber", 300, 1);
    Reply r = c.get({sysDescr});
    EXPECT_EQ(r.status, STAT_SUCCESS);
    auto log = sim->log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].requestId, log[1].requestId);
}

TEST_F(SimFaults, DropWithoutLimitTimesOutAndSparesOtherObjects)
{
    sim->addFault({Fault::Drop, T + ".1.1"});
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber", 200, 1);
    EXPECT_EQ(c.get({T + ".1.1.0"}).status, STAT_TIMEOUT);
    EXPECT_EQ(c.get({sysDescr}).status, STAT_SUCCESS);
    sim->clearFaults();
    EXPECT_EQ(c.get({T + ".1.1.0"}).status, STAT_SUCCESS);
}

TEST_F(SimFaults, DelayPastOneTryIsCaughtByTheRetry)
{
    struct Case {
        const char* name;
        std::unique_ptr<SnmpClient> once;
        std::unique_ptr<SnmpClient> twice;
    };
    Case cases[] = {
        {"v2c", std::make_unique<SnmpClient>(sim->port(), SNMP_VERSION_2c, "tamber", 300, 0),
         std::make_unique<SnmpClient>(sim->port(), SNMP_VERSION_2c, "tamber", 300, 1)},
        {"v3", std::make_unique<SnmpClient>(sim->port(), trvtest::kShaAesUser, 300, 0),
         std::make_unique<SnmpClient>(sim->port(), trvtest::kShaAesUser, 300, 1)},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.name);
        k.twice->get({sysDescr}); // v3 engine discovery before the fault
        sim->addFault({Fault::Delay, sysDescr, 1, 0, 450});
        EXPECT_EQ(k.once->get({sysDescr}).status, STAT_TIMEOUT);
        sim->addFault({Fault::Delay, sysDescr, 1, 0, 450});
        Reply r = k.twice->get({sysDescr});
        EXPECT_EQ(r.status, STAT_SUCCESS);
        EXPECT_EQ(r.vbs.size(), 1u);
        sim->clearFaults();
    }
}

TEST_F(SimFaults, DuplicateAndStaleAnswersReachTheWire)
{
    struct Case {
        const char* name;
        Fault kind;
        std::vector<long> ids;
    };
    const Case cases[] = {
        {"no fault", Fault::Drop, {4660}},
        {"duplicate", Fault::Duplicate, {4660, 4660}},
        {"stale answer first", Fault::StaleAnswer, {4659, 4660}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        if (k.kind != Fault::Drop) sim->addFault({k.kind, sysDescr, 1});
        EXPECT_EQ(rawGetAnswers(sim->port(), 4660), k.ids);
    }
    // A client that matches request ids takes the right answer.
    sim->addFault({Fault::StaleAnswer, sysDescr, 1});
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    EXPECT_EQ(c.get({sysDescr}).vbs.at(0).type, ASN_OCTET_STR);
}

} // namespace
