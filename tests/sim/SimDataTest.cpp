// Data files: every syntax and index form is served as written, the shipped switch data holds what
// the main window reads, and a malformed file stops the simulator before it serves anything.
#include "SimTestSupport.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace simtest;
using trvtest::SimAgentTest;

namespace {

class SimSyntaxData : public SimAgentTest {
protected:
    std::string dataFile() const override { return "syntaxes.txt"; }
};

TEST_F(SimSyntaxData, EverySyntaxIsServedAsWritten)
{
    struct Case {
        const char* oid;
        int type;
        std::string value;
    };
    const Case cases[] = {
        {".1.1.0", ASN_INTEGER, "3"},
        {".1.2.0", ASN_OCTET_STR, "Lab switch \"B\""},
        {".1.3.0", ASN_OCTET_STR, std::string("before\0after", 12)},
        {".1.4.0", ASN_OCTET_STR, std::string("\xff\x00\xff\x00", 4)},
        {".1.5.0", ASN_OCTET_STR, std::string("\xc0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x01", 16)},
        {".1.6.0", ASN_OCTET_STR, std::string("\x00\x1b\x2c\x51\x00\xaa", 6)},
        {".1.7.0", ASN_OCTET_STR, std::string("\x20\x01\x0d\xb8\0\0\0\0\0\0\0\0\0\0\0\x01", 16)},
        {".1.8.0", ASN_OCTET_STR, std::string("\x07\xea\x0c\x0a\x0d\x2f\x05\x00", 8)},
        {".1.9.0", ASN_OCTET_STR, std::string("\x07\xea\x0c\x0a\x0d\x2f\x05\x00\x2b\x01\x00", 11)},
        {".1.10.0", ASN_OBJECT_ID, "1.3.6.1.4.1.32473.10.5124"},
        {".1.11.0", ASN_IPADDRESS, "192.0.2.10"},
        {".1.12.0", ASN_COUNTER, "4294967295"},
        {".1.13.0", ASN_GAUGE, "1000000000"},
        {".1.14.0", ASN_TIMETICKS, "9000123"},
        {".1.15.0", ASN_COUNTER64, "18446744073709551615"},
        {".1.16.0", ASN_NULL, ""},
        {".1.17.0", ASN_OCTET_STR, ""},
        {".1.18.0", ASN_INTEGER, "-2147483648"},
    };
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.oid);
        Reply r = c.get({T + k.oid});
        ASSERT_EQ(r.vbs.size(), 1u);
        EXPECT_EQ(r.vbs[0].type, k.type);
        EXPECT_EQ(r.vbs[0].value, k.value);
    }
}

TEST_F(SimSyntaxData, TablesWalkInIndexOrder)
{
    struct Case {
        const char* name;
        std::string column;
        std::vector<std::string> instances;
    };
    const Case cases[] = {
        {"IpAddress index", T + ".3.1.2", {"10.0.0.1", "192.0.2.254"}},
        {"length-prefixed strings", T + ".4.1.2", {"2.97.98", "3.97.98.99"}},
        {"implied strings", T + ".5.1.2", {"97.98", "97.98.99"}},
        {"MAC index", T + ".6.1.2", {"0.27.44.81.0.170"}},
        {"IPv6 index", T + ".7.1.2", {"32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1"}},
        {"InetAddress index", T + ".8.1.2", {"1.4.192.0.2.1", "2.16.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1"}},
        {"several keys", T + ".9.1.4", {"1.1.120.10.0.0.1", "2.2.120.121.10.0.0.2"}},
        {"sparse middle column", T + ".10.1.3", {"1", "3"}},
        {"shorter column", T + ".2.1.3", {"1"}},
        {"empty table", T + ".11.1.2", {}},
        {"table at the end of the view", T + ".99.1.2", {"1", "2"}},
    };
    SnmpClient c(sim->port(), SNMP_VERSION_2c, "tamber");
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::vector<std::string> seen;
        for (const Vb& vb : c.walk(k.column)) seen.push_back(vb.oid.substr(k.column.size() + 1));
        EXPECT_EQ(seen, k.instances);
    }
}

struct SwitchData {
    const char* file;
    const char* stackMode;
    std::vector<std::string> existStates; // unit table column 15, in unit order
    std::vector<std::string> models;      // column 9 of the present units
};

void PrintTo(const SwitchData& d, std::ostream* os) { *os << d.file; }

class SimSwitchData : public testing::TestWithParam<SwitchData> {};

TEST_P(SimSwitchData, ServesWhatTheMainWindowReadsAtStart)
{
    trvtest::isolateNetSnmp();
    trvtest::SimAgent sim(GetParam().file);
    SnmpClient c(sim.port(), SNMP_VERSION_2c, "tamber");
    Reply states = c.get({E + ".12.11.1.2.0", E + ".11.70.1.2.1.2.4.0", "1.0.8802.1.1.1.1.1.1.0", E + ".12.15.1.2.0"});
    ASSERT_EQ(states.vbs.size(), 4u);
    EXPECT_EQ(states.vbs[0].value, GetParam().stackMode);
    for (const Vb& vb : states.vbs) EXPECT_EQ(vb.type, ASN_INTEGER) << vb.oid;

    std::vector<std::string> exist, models;
    for (const Vb& vb : c.walk(E + ".12.11.1.9.4.1.15")) exist.push_back(vb.value);
    for (const Vb& vb : c.walk(E + ".12.11.1.9.4.1.9"))
        if (!vb.value.empty()) models.push_back(vb.value);
    EXPECT_EQ(exist, GetParam().existStates);
    EXPECT_EQ(models, GetParam().models);

    // LED strings change between polls; the unit table's copy is read as text, so it holds no zero octet.
    std::string led = E + ".12.11.1.9.4.1.5.1";
    std::string first = c.get({led}).vbs.at(0).value, second = c.get({led}).vbs.at(0).value;
    EXPECT_NE(first, second);
    EXPECT_EQ(first.size(), 55u);
    EXPECT_EQ(first.find('\0'), std::string::npos);
    std::string panel = c.get({E + ".11.70.1.2.1.1.6.0"}).vbs.at(0).value;
    EXPECT_EQ(panel.size(), 55u);
    EXPECT_NE(panel, c.get({E + ".11.70.1.2.1.1.6.0"}).vbs.at(0).value);

    // Combo port 22 of unit 1, fibre medium: link-pass.
    EXPECT_EQ(c.get({E + ".11.70.1.2.3.1.1.5.22.2"}).vbs.at(0).value, "2");
    EXPECT_FALSE(c.walk("1.3.6.1.2.1.2.2.1.2").empty());
}

INSTANTIATE_TEST_SUITE_P(Files, SimSwitchData,
                         testing::Values(SwitchData{"standalone.txt", "2", {"1"}, {"TRV-5124"}},
                                         SwitchData{"stack.txt", "1", {"1", "2", "1", "1"}, {"TRV-5124", "TRV-5248", "TRV-5212"}}),
                         [](const auto& info) { return std::string(info.param.stackMode) == "1" ? "stack" : "standalone"; });

struct TrvsimRun {
    int status;
    std::string output;
};

TrvsimRun runTrvsim(const std::string& args)
{
    std::string command = "timeout 10 " TRVSIM_PATH " " + args + " 2>&1";
    FILE* p = popen(command.c_str(), "r");
    TrvsimRun run{-1, {}};
    if (!p) return run;
    std::array<char, 512> buf;
    while (fgets(buf.data(), buf.size(), p)) run.output += buf.data();
    int status = pclose(p);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(SimBadInput, MalformedLineStopsTheStartWithFileLineAndReason)
{
    struct Case {
        const char* name;
        std::string text;
        int line;
        const char* reason;
    };
    const std::string ok = "1.3.6.1.2.1.1.1.0 STRING \"fine\"\n";
    const Case cases[] = {
        {"unknown type", ok + "1.3.6.1.2.1.1.2.0 FLOAT 1.5\n", 2, "unknown type 'FLOAT'"},
        {"integer with junk", ok + "1.3.6.1.2.1.1.7.0 INTEGER 12x\n", 2, "bad INTEGER '12x'"},
        {"integer out of range", ok + "1.3.6.1.2.1.1.7.0 INTEGER 2147483648\n", 2, "bad INTEGER"},
        {"string without quotes", ok + "1.3.6.1.2.1.1.5.0 STRING lab\n", 2, "needs \"quotes\" or 0x hex"},
        {"odd hex", ok + "1.3.6.1.2.1.1.5.0 STRING 0xabc\n", 2, "odd number of hex digits"},
        {"unterminated string", ok + "1.3.6.1.2.1.1.5.0 STRING \"lab\n", 2, "unterminated string"},
        {"bad OID", "1.3.6.x.1 INTEGER 1\n", 1, "bad object identifier"},
        {"outside the served tree", "2.5.1 INTEGER 1\n", 1, "served under 1 only"},
        {"value missing", ok + "1.3.6.1.2.1.1.7.0 INTEGER\n", 2, "expected OID [ro|rw] TYPE VALUE"},
        {"dangling separator", ok + "1.3.6.1.2.1.1.7.0 INTEGER 1 |\n", 2, "value missing after |"},
        {"duplicate object", ok + ok, 2, "object defined twice"},
        {"unknown directive", "@tabel 1.3.6.1.4.1.9.1 index=integer\n", 1, "unknown directive @tabel"},
        {"mirror without its index part", "@table 1.3.6.1.4.1.9.1 index=integer mirror=2\n", 1, "mirror needs COL:PART"},
        {"column before table", "@column 2 ro INTEGER\n", 1, "@column before any @table"},
        {"unknown index kind", "@table 1.3.6.1.4.1.9.1 index=float\n", 1, "unknown index kind 'float'"},
        {"undeclared column", "@table 1.3.6.1.4.1.9.1 index=integer\n@column 2 ro INTEGER\n1.3.6.1.4.1.9.1.3.1 INTEGER 1\n", 3,
         "column 3 is not declared"},
        {"index of the wrong form", "@table 1.3.6.1.4.1.9.1 index=ipaddress\n@column 2 ro INTEGER\n1.3.6.1.4.1.9.1.2.10.0.1 INTEGER 1\n", 3,
         "index does not match"},
        {"type differs from the column", "@table 1.3.6.1.4.1.9.1 index=integer\n@column 2 ro INTEGER\n1.3.6.1.4.1.9.1.2.1 STRING \"x\"\n", 3,
         "type differs from the column's"},
        {"status column not declared", "@table 1.3.6.1.4.1.9.1 index=integer rowstatus=4\n@column 2 rw INTEGER\n", 1,
         "status column 4 must be a declared rw INTEGER column"},
        {"missing include", "@include nowhere.txt\n", 0, "cannot open the file"},
    };
    std::string dir = std::filesystem::temp_directory_path() / ("trvsim-bad-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::string file = dir + "/bad.txt";
        std::ofstream(file) << k.text;
        TrvsimRun run = runTrvsim("--data " + file);
        EXPECT_EQ(run.status, 1);
        std::string where = k.line ? file + ":" + std::to_string(k.line) + ": " : "nowhere.txt:0: ";
        EXPECT_NE(run.output.find(where), std::string::npos) << run.output;
        EXPECT_NE(run.output.find(k.reason), std::string::npos) << run.output;
        // The error is all that came out: no port line, so nothing was served.
        EXPECT_EQ(run.output.rfind("trvsim: ", 0), 0u) << run.output;
        EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
    }
    std::filesystem::remove_all(dir);
}

TEST(SimBadInput, BadCommandLineIsRefused)
{
    const std::string data = std::string(TRVSIM_DATA_DIR_FALLBACK) + "/standalone.txt";
    const char* cases[] = {"", "--port 70000", "--port x", "--engine-id 12", "--engine-id zz00000000",
                           "--read-community \"two words\"", "--bogus 1"};
    for (const char* args : cases) {
        SCOPED_TRACE(args);
        TrvsimRun run = runTrvsim((*args ? "--data " + data + " " : std::string()) + args);
        EXPECT_EQ(run.status, 2) << run.output;
    }
}

TEST(SimEngineId, FixedEngineIdServesVersion3)
{
    trvtest::isolateNetSnmp();
    trvtest::SimAgent sim("standalone.txt", {"--engine-id", "80001f8804747276736d"});
    SnmpClient c(sim.port(), trvtest::kShaAesUser);
    EXPECT_EQ(c.get({sysDescr}).status, STAT_SUCCESS);
}

TEST(SimVariantData, VariantTableReplacesTheTableAtItsEntryWithAllItsRows)
{
    trvtest::isolateNetSnmp();
    const std::string dir = std::filesystem::temp_directory_path() / ("trvsim-variant-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string entry = E + ".9.1";
    std::ofstream(dir + "/base.txt") << "@table " << entry << " index=integer,ipaddress rowstatus=3\n"
                                     << "@column 3 rw INTEGER\n"
                                     << entry << ".3.10.239.1.1.1 INTEGER 1\n"
                                     << "@table " << E << ".9.2 index=integer\n@column 2 ro INTEGER\n"
                                     << E << ".9.2.2.1 INTEGER 7\n";
    std::ofstream(dir + "/variant.txt") << "@table " << entry << " index=integer,ipaddress,ipaddress\n"
                                        << "@column 4 ro STRING\n"
                                        << entry << ".4.10.239.1.1.1.0.0.0.0 STRING 0x80\n"
                                        << entry << ".4.20.239.1.1.2.10.0.0.5 STRING 0x40\n";
    {
        trvtest::SimAgent sim(dir + "/base.txt", trvtest::variantData(dir + "/variant.txt"));
        SnmpClient c(sim.port(), SNMP_VERSION_2c, "quiltry");
        const auto rows = c.walk(entry);
        ASSERT_EQ(rows.size(), 2u) << "the data file's row is gone";
        EXPECT_EQ(rows[0].oid, entry + ".4.10.239.1.1.1.0.0.0.0");
        EXPECT_EQ(rows[1].value, "\x40");
        EXPECT_EQ(c.walk(E + ".9.2").size(), 1u) << "other tables stay";
        // The variant's declaration rules the table: the data file's status column is no more.
        EXPECT_NE(c.set({{entry + ".3.10.239.1.1.9", 'i', "4"}}).errstat, 0);
    }
    std::filesystem::remove_all(dir);
}

} // namespace
