#pragma once
// A small synchronous Net-SNMP client for checks straight against the simulator (its own tests, the
// benchmark); the program itself talks through snmplib.
#include "SimAgent.h"

#include <string>
#include <vector>

struct snmp_session;
struct snmp_pdu;

namespace trvtest {

// One returned binding. `type` is the ASN tag (0x80..0x82 for the exceptions); `value` is decimal for
// numbers, dotted for OIDs and addresses, the raw octets of an OCTET STRING, empty otherwise.
struct Vb {
    std::string oid;
    int type = 0;
    std::string value;
};

struct Reply {
    int status = 0; // STAT_SUCCESS, STAT_TIMEOUT or STAT_ERROR
    long errstat = 0;
    long errindex = 0;
    std::vector<Vb> vbs;
};

struct SetVb {
    std::string oid;
    char type; // as snmpset: i s x o a u t c C
    std::string value;
};

class SnmpClient {
public:
    // v1 or v2c (SNMP_VERSION_1 / SNMP_VERSION_2c)
    SnmpClient(int port, long version, const std::string& community, int timeoutMs = 1000, int retries = 0);
    // v3 with one of the simulator's users
    SnmpClient(int port, const SimUser& user, int timeoutMs = 1000, int retries = 0);
    ~SnmpClient();
    SnmpClient(const SnmpClient&) = delete;
    SnmpClient& operator=(const SnmpClient&) = delete;

    Reply get(const std::vector<std::string>& oids);
    Reply next(const std::vector<std::string>& oids);
    Reply bulk(int nonRepeaters, int maxRepetitions, const std::vector<std::string>& oids);
    Reply set(const std::vector<SetVb>& bindings);

    // GETNEXT (or GETBULK) from root until the answer leaves root, an exception or an error.
    std::vector<Vb> walk(const std::string& root);
    std::vector<Vb> bulkWalk(const std::string& root, int maxRepetitions = 10);

    long version() const { return version_; }

private:
    void open(::snmp_session& session, int port, int timeoutMs, int retries);
    Reply request(int command, const std::vector<std::string>& oids, int nonRepeaters = 0, int maxRepetitions = 0);
    Reply send(::snmp_pdu* pdu);

    void* handle_ = nullptr;
    long version_ = 0;
};

} // namespace trvtest
