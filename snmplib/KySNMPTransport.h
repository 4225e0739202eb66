#pragma once

#include "KyOid.h"
#include "KySNMPTarget.h"
#include "KyValue.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The one place where the library meets Net-SNMP: a pool of sessions keyed by agent and credentials,
// PDUs built from our own bindings, answers turned back into them, and the pump that delivers
// asynchronous completions on the UI thread. Statuses are numbered as mapSNMPStatus reads them.

struct KyVarBind {
    KyOid Oid;
    KyValue Value;
};

enum class KyPduKind { Get, GetNext, Set };

// What a request copies of the target record, with its own time-out (10 ms units) and retries.
struct KySNMPTargetCopy {
    KySNMPDevice Device;
    KySNMPScope Scope;
    KySNMPSecurity Security;
    int Timeout = 100;
    int Retries = 1;
};

struct KySNMPExchange {
    int Status = 0;        // 0, the agent's error status 1..18, or the library's status of the failure
    int ErrorIndex = 0;
    bool Answered = false;  // Bindings came from a response; otherwise they are the request's own
    std::vector<KyVarBind> Bindings;
    std::string AgentAddress;
    std::uint16_t AgentPort = 0;
};

namespace KySNMPTransport {

// Net-SNMP set up once for this process: no MIBs, no configuration files, no persistent state.
void initialise();

// The manager's own SNMPv3 engine ID.
void setLocalEngine(const std::string& engineId);

// One blocking exchange. An address Net-SNMP does not accept raises -509.
KySNMPExchange exchange(const KySNMPTargetCopy& target, KyPduKind kind, const std::vector<KyVarBind>& bindings);

using Completion = std::function<void(KySNMPExchange&)>;

// Hands one exchange to Net-SNMP. Returns 0 when it was accepted (the completion then runs exactly once,
// from processPendingEvents), or the status of the refusal (the completion never runs).
int send(const KySNMPTargetCopy& target, KyPduKind kind, std::vector<KyVarBind> bindings, Completion completion);

// One pump step: reads what has arrived, resends or times out what is due, then runs the completions.
// Completions never run inside Net-SNMP's own frames.
void processPendingEvents();

// True while completions are being run.
bool dispatching();

// Calls the function whenever a pooled session's socket has data (the pump then runs at once).
void setReadyHandler(std::function<void()> handler);
// Whether a socket with data calls the ready handler. Unwatched, what arrives waits in the socket; a new
// session's socket starts in the current state.
void watchSockets(bool watch);
bool watchingSockets();
// Called after every asynchronous request that was sent.
void setSentHandler(std::function<void()> handler);
// Whether an asynchronous request still waits for its answer, time-out or completion.
bool outstanding();

// Between begin and end of a sequence (they nest), an agent that let one request time out is not asked
// again: every later request to it with the same credentials takes the same time-out at once (an
// asynchronous one through its completion on the next pump step).
void beginSequence();
void endSequence();

// Outcome of a Net-SNMP error number, as the status mapSNMPStatus reads.
int statusOfNetSnmpError(int snmpError);

}  // namespace KySNMPTransport
