#pragma once
// Runs the switch simulator `trvsim` for a test: on a free port of 127.0.0.1, with a data file from
// sim/data, its request log and fault injection reachable through its control socket.
//
//   trvtest::isolateNetSnmp();                 // once, before the test's own init_snmp
//   trvtest::SimAgent sim("stack.txt");
//   ... talk SNMP to 127.0.0.1:sim.port() ...
//   EXPECT_EQ(sim.log().size(), 1u);
//
// Communities: "tamber" reads, "quiltry" reads and writes. v3 users are listed below; every one reads
// and writes except simreader. The engine ID is random per start unless "--engine-id HEX" is passed.
// A GETBULK answer holds at most 100 bindings (the agent library's default). Data files are described
// in sim/DataFile.h; sim/data holds standalone.txt, stack.txt, standalone-<model>.txt, stack12.txt, syntaxes.txt,
// and menus.txt / menus-stack.txt, which add the objects of every variable table (tables.txt).
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trvtest {

// Gives this process a private Net-SNMP environment: no MIBs loaded, no configuration read from the
// host, persistent files in a temporary folder removed at exit. Call before the first init_snmp; later
// calls do nothing.
void isolateNetSnmp();

struct SimUser {
    const char* name;
    const char* authProtocol; // "", "MD5" or "SHA"
    const char* authPassword;
    const char* privProtocol; // "", "DES" or "AES"
    const char* privPassword;
};
inline constexpr SimUser kNoAuthUser{"simnoauth", "", "", "", ""};
inline constexpr SimUser kMd5User{"simmd5", "MD5", "md5authpass", "", ""};
inline constexpr SimUser kShaUser{"simsha", "SHA", "shaauthpass", "", ""};
inline constexpr SimUser kMd5DesUser{"simmd5des", "MD5", "md5authpass", "DES", "md5desprivpass"};
inline constexpr SimUser kShaAesUser{"simshaaes", "SHA", "shaauthpass", "AES", "shaaesprivpass"};
inline constexpr SimUser kReaderUser{"simreader", "SHA", "readerauthpass", "AES", "readerprivpass"}; // read-only

// A binding as the simulator received it. `type` is INTEGER, STRING, OID, IPADDRESS, COUNTER32, GAUGE32,
// TIMETICKS, COUNTER64 or NULL; `value` is decimal, dotted, "-" for NULL, or 0x hex for a STRING.
struct LogBinding {
    std::string oid;
    std::string type;
    std::string value;
    std::string octets() const; // a STRING's value decoded from hex
};

// One received PDU, in arrival order. Retries of a request repeat its requestId.
struct LogEntry {
    std::string version;  // "1", "2c" or "3"
    std::string security; // community, or the v3 user name
    std::string pdu;      // GET, GETNEXT, GETBULK or SET
    long requestId = 0;
    int nonRepeaters = 0;  // GETBULK only
    int maxRepetitions = 0;
    std::vector<LogBinding> bindings;
};

enum class Fault {
    Drop,          // no answer
    Delay,         // answer after delayMs
    ErrorStatus,   // answer with error status `status` (index: the matching binding); tooBig 1, genErr 5
    NoAdvance,     // GETNEXT answers with the requested OID
    Backwards,     // GETNEXT answers with an OID before the requested one
    SiblingColumn, // GETNEXT answers from column N*10 instead of column N (oid must name column N)
    WrongType,     // integers come back as OCTET STRING, anything else as INTEGER
    Truncate,      // OCTET STRINGs come back cut to `length` octets
    Duplicate,     // a GET, GETNEXT or GETBULK is answered twice
    StaleAnswer,   // ... is first answered with the previous request id, then properly
    NullAtEnd,     // a v2c GETNEXT leaving `oid` (required) answers with the requested OID and NULL
};

// Applies to bindings whose requested or answered OID lies under `oid` (every binding when empty),
// `count` times (per PDU for Drop, Delay, Duplicate and StaleAnswer, per binding otherwise; -1 until
// removed).
struct FaultSpec {
    Fault kind;
    std::string oid;
    int count = -1;
    int status = 5;
    int delayMs = 0;
    int length = 0;
};

// The extra arguments that serve a variant data file (a name in sim/data or a path) over the data file:
// each table it declares replaces the data file's table at the same entry.
std::vector<std::string> variantData(const std::string& file);

class SimAgent {
public:
    // `dataFile` is a file name in sim/data or a path; `extraArgs` go to trvsim's command line.
    // Throws std::runtime_error when the simulator does not start.
    explicit SimAgent(const std::string& dataFile = "standalone.txt", const std::vector<std::string>& extraArgs = {});
    ~SimAgent();
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    int port() const { return port_; }
    std::string peer() const { return "udp:127.0.0.1:" + std::to_string(port_); }

    std::vector<LogEntry> log();
    void clearLog();

    int addFault(const FaultSpec& fault); // returns an id for removeFault
    void removeFault(int id);
    void clearFaults();

    // The stored value as "TYPE VALUE" (octets as 0x hex), or nothing when the object does not exist.
    std::optional<std::string> value(const std::string& oid);
    // Stores a value, e.g. setValue("1.3.6.1.2.1.1.5.0", "STRING \"lab\""), creating the object if needed.
    void setValue(const std::string& oid, const std::string& typeAndValue);

    // SIGTERM and wait. Returns the exit status, or -1 when the simulator had to be killed.
    int stop();
    // The folder holding the control socket; the simulator's own temporary folder lives inside it.
    // Removed by the destructor.
    const std::string& workDir() const { return workDir_; }

private:
    std::string control(const std::string& command);

    int pid_ = -1;
    int port_ = 0;
    std::string workDir_;
};

// A test fixture owning one simulator per test; override dataFile() for other data.
class SimAgentTest : public ::testing::Test {
protected:
    virtual std::string dataFile() const { return "standalone.txt"; }
    void SetUp() override;
    void TearDown() override { sim.reset(); }
    std::unique_ptr<SimAgent> sim;
};

} // namespace trvtest
