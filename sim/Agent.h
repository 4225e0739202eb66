#pragma once
// The SNMP agent process around a Store: Net-SNMP's agent library on udp:127.0.0.1, a request log,
// fault injection and a line-based control socket for tests.
//
// Control socket: one command line per connection; the answer is the rest of the stream.
//   log                     every received PDU, one a line: version TAB community-or-user TAB pdu TAB
//                           request-id TAB non-repeaters TAB max-repetitions {TAB "OID TYPE VALUE"}
//   clear-log               -> ok
//   fault KIND [oid=OID] [count=N] [status=N] [ms=N] [length=N]    -> ok ID   (kinds: see Faults.h)
//   unfault ID | clear-faults                                      -> ok
//   get OID                 -> TYPE VALUE (octets as 0x hex), or none
//   set OID TYPE VALUE      -> ok; value in data-file syntax, creates the object if needed
// Failures answer "error REASON".
#include "Faults.h"
#include "Store.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <string>
#include <vector>

namespace trvsim {

struct Options {
    // The data file, then variants whose tables replace the earlier files' tables at the same entry.
    std::vector<std::string> dataFiles;
    int port = 0;
    std::string readCommunity = "tamber";
    std::string writeCommunity = "quiltry";
    std::string engineId;    // hex, empty for a random one
    std::string controlPath; // Unix socket, empty for none
};

class Agent {
public:
    Agent(Store store, Options options);

    // Serves until SIGTERM or SIGINT. Returns the process exit status.
    int run();

    // Net-SNMP entry points; public only for the C callbacks.
    int handle(const Oid& root, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    int received(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);
    void controlReady(int fd);

private:
    void record(const netsnmp_pdu* pdu);
    std::string command(const std::string& line);
    void getRequests(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void nextRequests(const Oid& root, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    // The object a GETNEXT of `name` answers with, or the end of the store.
    std::map<Oid, Object>::iterator nextObject(const Oid& name, bool inclusive, bool version1);
    // Answers a v2c GETNEXT itself when a "nullend" fault fires for one of its bindings; false otherwise.
    bool answerNullAtEnd(netsnmp_session* session, netsnmp_pdu* pdu);
    void reserve(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests);
    void serve(netsnmp_request_info* request, const Oid& requested, const Oid& answer, Value value);
    Value current(Object& object);

    Store store_;
    Options options_;
    Faults faults_;
    std::vector<std::string> log_;
    std::vector<Change> pendingSet_;
    std::vector<Change> undoSet_;
};

} // namespace trvsim
