#include "KySNMPTransport.h"

#include "KyException.h"
#include "NetSnmpIsolation.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtGlobal>

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <memory>
#include <unordered_map>

namespace KySNMPTransport {
namespace {

// Statuses in the numbering mapSNMPStatus reads.
constexpr int StatusTimeout = -5;
constexpr int StatusInvalidPdu = -11;
constexpr int StatusInvalidTarget = -12;
constexpr int StatusTransport = -22;
constexpr int StatusFailed = -1;
constexpr int StatusUsmGeneric = 1401;
constexpr int StatusUsmUnsupportedLevel = 1403;
constexpr int StatusUsmUnknownUser = 1404;
constexpr int StatusUsmEncryption = 1405;
constexpr int StatusUsmDecryption = 1406;
constexpr int StatusUsmAuthentication = 1407;
constexpr int StatusUsmWrongDigest = 1408;
constexpr int StatusUsmParse = 1409;
constexpr int StatusUsmUnknownEngine = 1410;
constexpr int StatusUsmTimeWindow = 1411;
constexpr int StatusUsmUnsupportedAuth = 1412;
constexpr int StatusUsmUnsupportedPriv = 1413;
constexpr int StatusV3UnknownModel = -1402;
constexpr int StatusV3InvalidMessage = -1405;
constexpr int StatusV3Parse = -1408;
constexpr int StatusV3UnknownPduHandler = -1415;
constexpr int StatusV3UnavailableContext = -1416;

constexpr int InvalidAddressCode = -509;
constexpr int MaxReadsPerTick = 64;

struct PooledSession {
    void* Handle = nullptr;
    int Refusal = 0;  // non-zero: the credentials or address cannot be used
    std::unique_ptr<QSocketNotifier> Notifier;
};

struct CallRecord {
    Completion Done;
    std::string Agent;  // silenceKey of the request
    std::vector<KyVarBind> Sent;
    std::string AgentAddress;
    std::uint16_t AgentPort = 0;
    bool InSend = true;
    bool Finished = false;
    KySNMPExchange Result;
};

std::map<std::string, PooledSession>& pool() {
    static std::map<std::string, PooledSession> sessions;
    return sessions;
}

// Call records live here, keyed by a number handed to Net-SNMP: a callback for an unknown number
// (one that fires twice) is harmless.
std::unordered_map<std::uintptr_t, CallRecord>& records() {
    static std::unordered_map<std::uintptr_t, CallRecord> calls;
    return calls;
}
std::uintptr_t nextRecordId = 1;
std::deque<std::uintptr_t> finishedRecords;
std::function<void()> readyHandler;
std::function<void()> sentHandler;
bool socketsWatched = true;
int openSequences = 0;
std::set<std::string> silentAgents;  // timed out within the open sequence
bool runningCompletions = false;

std::vector<oid> toNetSnmpOid(const KyOid& name) {
    return std::vector<oid>(name.subIds().begin(), name.subIds().end());
}

KyOid fromNetSnmpOid(const oid* name, size_t length) {
    std::vector<std::uint32_t> subIds(length);
    for (size_t i = 0; i < length; ++i) subIds[i] = static_cast<std::uint32_t>(name[i]);
    return KyOid(std::move(subIds));
}

void addBinding(netsnmp_pdu* pdu, const KyVarBind& binding) {
    const std::vector<oid> name = toNetSnmpOid(binding.Oid);
    const KyValue& v = binding.Value;
    switch (v.type()) {
    case KyValue::Integer: {
        long number = v.toInt32();
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_INTEGER, &number, sizeof number);
        break;
    }
    case KyValue::Counter32:
    case KyValue::Gauge32:
    case KyValue::TimeTicks:
    case KyValue::UInteger32: {
        u_long number = v.toUInt32();
        snmp_pdu_add_variable(pdu, name.data(), name.size(), v.type(), &number, sizeof number);
        break;
    }
    case KyValue::Counter64: {
        counter64 number{static_cast<u_long>(v.toUInt64() >> 32), static_cast<u_long>(v.toUInt64() & 0xFFFFFFFFu)};
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_COUNTER64, &number, sizeof number);
        break;
    }
    case KyValue::ObjectId: {
        const std::vector<oid> value = toNetSnmpOid(v.oid());
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_OBJECT_ID, value.data(), value.size() * sizeof(oid));
        break;
    }
    case KyValue::OctetString:
    case KyValue::IpAddress:
    case KyValue::Opaque:
    case KyValue::NsapAddress:
        snmp_pdu_add_variable(pdu, name.data(), name.size(), v.type(), v.bytes().data(), v.bytes().size());
        break;
    default:
        snmp_pdu_add_variable(pdu, name.data(), name.size(), ASN_NULL, nullptr, 0);
        break;
    }
}

// Decoded by the type the agent sent, whatever the variable's syntax.
KyValue valueOf(const netsnmp_variable_list* vb) {
    switch (vb->type) {
    case ASN_INTEGER:
        return KyValue::integer(static_cast<std::int64_t>(*vb->val.integer));
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        return KyValue::unsigned32(static_cast<KyValue::Type>(vb->type), static_cast<std::uint32_t>(*vb->val.integer));
    case ASN_COUNTER64:
        return KyValue::counter64((static_cast<std::uint64_t>(vb->val.counter64->high & 0xFFFFFFFFu) << 32)
                                  | (vb->val.counter64->low & 0xFFFFFFFFu));
    case ASN_OBJECT_ID:
        return KyValue::objectId(fromNetSnmpOid(vb->val.objid, vb->val_len / sizeof(oid)));
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_OPAQUE:
    case ASN_NSAP:
        return KyValue::octets(static_cast<KyValue::Type>(vb->type),
                               std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len));
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        return KyValue::null(static_cast<KyValue::Type>(vb->type));
    default:
        return KyValue::null();
    }
}

std::vector<KyVarBind> bindingsOf(const netsnmp_pdu* pdu) {
    std::vector<KyVarBind> result;
    for (const netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        result.push_back({fromNetSnmpOid(vb->name, vb->name_length), valueOf(vb)});
    return result;
}

std::string poolKey(const KySNMPTargetCopy& t) {
    const auto& s = t.Security;
    std::string key = t.Device.Host + '\x1f' + std::to_string(t.Device.Port) + '\x1f' + std::to_string(s.Version);
    if (s.Version == SNMP_VERSION_3)
        for (const std::string& part :
             {std::to_string(s.SecurityModel), std::to_string(s.SecurityLevel), s.SecurityName,
              std::to_string(s.AuthProtocol), s.AuthPassword, std::to_string(s.PrivProtocol), s.PrivPassword,
              t.Scope.ContextName, t.Scope.ContextEngineID})
            key += '\x1f' + part;
    return key;
}

// The agent with the credentials of one kind of request: a wrong community is not answered either.
std::string silenceKey(const KySNMPTargetCopy& t, KyPduKind kind) {
    return poolKey(t) + '\x1f' + (kind == KyPduKind::Set ? t.Security.WriteCommunity : t.Security.ReadCommunity);
}

bool silent(const std::string& agent) { return openSequences > 0 && silentAgents.count(agent) > 0; }

void noteTimeout(const std::string& agent) {
    if (openSequences > 0) silentAgents.insert(agent);
}

// An even-length hex text ("0x" allowed) is the engine ID's octets; any other text is taken as it is.
std::string engineIdBytes(const std::string& text) {
    std::string hex = text;
    if (hex.size() > 2 && hex[0] == '0' && (hex[1] == 'x' || hex[1] == 'X')) hex = hex.substr(2);
    const bool isHex = !hex.empty() && hex.size() % 2 == 0
                       && hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    if (!isHex) return text;
    std::string bytes;
    for (size_t i = 0; i < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// Fills the USM fields of a v3 session; returns 0 or the status that refuses these credentials.
// The protocol identifiers stay in `protocols` until the session is opened, which copies them.
struct UserProtocols {
    std::vector<oid> Auth, Priv;
};

int setUser(netsnmp_session& session, const KySNMPTargetCopy& t, UserProtocols& protocols) {
    const auto& s = t.Security;
    if (s.SecurityModel != SNMP_SEC_MODEL_USM) return StatusV3UnknownModel;
    if (s.SecurityLevel < SNMP_SEC_LEVEL_NOAUTH || s.SecurityLevel > SNMP_SEC_LEVEL_AUTHPRIV)
        return StatusUsmUnsupportedLevel;
    session.securityModel = SNMP_SEC_MODEL_USM;
    session.securityLevel = s.SecurityLevel;
    session.securityName = const_cast<char*>(s.SecurityName.c_str());
    session.securityNameLen = s.SecurityName.size();
    if (s.SecurityLevel == SNMP_SEC_LEVEL_NOAUTH) return 0;

    const oid* authProtocol = nullptr;
    size_t authLength = 0;
    switch (s.AuthProtocol) {
    case 2: authProtocol = usmHMACMD5AuthProtocol; authLength = OID_LENGTH(usmHMACMD5AuthProtocol); break;
    case 3: authProtocol = usmHMACSHA1AuthProtocol; authLength = OID_LENGTH(usmHMACSHA1AuthProtocol); break;
    default: return StatusUsmUnsupportedAuth;
    }
    if (s.AuthPassword.size() < USM_LENGTH_P_MIN) return StatusUsmAuthentication;
    protocols.Auth.assign(authProtocol, authProtocol + authLength);
    session.securityAuthProto = protocols.Auth.data();
    session.securityAuthProtoLen = authLength;
    session.securityAuthKeyLen = USM_AUTH_KU_LEN;
    if (generate_Ku(authProtocol, authLength, reinterpret_cast<const u_char*>(s.AuthPassword.data()),
                    s.AuthPassword.size(), session.securityAuthKey, &session.securityAuthKeyLen) != SNMPERR_SUCCESS)
        return StatusUsmAuthentication;
    if (s.SecurityLevel == SNMP_SEC_LEVEL_AUTHNOPRIV) return 0;

    const oid* privProtocol = nullptr;
    size_t privLength = 0;
    switch (s.PrivProtocol) {
    case 2: privProtocol = usmDESPrivProtocol; privLength = OID_LENGTH(usmDESPrivProtocol); break;
    case 19: privProtocol = usmAESPrivProtocol; privLength = OID_LENGTH(usmAESPrivProtocol); break;
    case 20: privProtocol = usmAES192PrivProtocol; privLength = OID_LENGTH(usmAES192PrivProtocol); break;
    case 21: privProtocol = usmAES256PrivProtocol; privLength = OID_LENGTH(usmAES256PrivProtocol); break;
    default: return StatusUsmUnsupportedPriv;
    }
    if (s.PrivPassword.size() < USM_LENGTH_P_MIN) return StatusUsmEncryption;
    protocols.Priv.assign(privProtocol, privProtocol + privLength);
    session.securityPrivProto = protocols.Priv.data();
    session.securityPrivProtoLen = privLength;
    session.securityPrivKeyLen = USM_PRIV_KU_LEN;
    // The privacy key is localised with the authentication protocol's hash.
    if (generate_Ku(authProtocol, authLength, reinterpret_cast<const u_char*>(s.PrivPassword.data()),
                    s.PrivPassword.size(), session.securityPrivKey, &session.securityPrivKeyLen) != SNMPERR_SUCCESS)
        return StatusUsmEncryption;
    return 0;
}

void watchSocket(PooledSession& pooled) {
    if (!QCoreApplication::instance()) return;
    const netsnmp_transport* transport = snmp_sess_transport(pooled.Handle);
    if (!transport || transport->sock < 0) return;
    pooled.Notifier = std::make_unique<QSocketNotifier>(transport->sock, QSocketNotifier::Read);
    pooled.Notifier->setEnabled(socketsWatched);
    QObject::connect(pooled.Notifier.get(), &QSocketNotifier::activated, [] {
        if (readyHandler) readyHandler();
    });
}

// The pooled session for the target's agent and credentials; never closed while the program runs.
PooledSession& sessionFor(const KySNMPTargetCopy& t) {
    initialise();
    const std::string key = poolKey(t);
    if (auto found = pool().find(key); found != pool().end()) return found->second;

    PooledSession pooled;
    const auto& s = t.Security;
    netsnmp_session session;
    UserProtocols protocols;
    snmp_sess_init(&session);
    const bool v6 = t.Device.Host.find(':') != std::string::npos;
    std::string peer = (v6 ? "udp6:[" + t.Device.Host + "]:" : "udp:" + t.Device.Host + ":") + std::to_string(t.Device.Port);
    session.peername = peer.data();
    std::string contextEngineId = engineIdBytes(t.Scope.ContextEngineID);
    if (s.Version != SNMP_VERSION_1 && s.Version != SNMP_VERSION_2c && s.Version != SNMP_VERSION_3) {
        pooled.Refusal = StatusInvalidTarget;
    } else {
        session.version = s.Version;
        if (s.Version == SNMP_VERSION_3) {
            pooled.Refusal = setUser(session, t, protocols);
            session.contextName = const_cast<char*>(t.Scope.ContextName.c_str());
            session.contextNameLen = t.Scope.ContextName.size();
            if (!contextEngineId.empty()) {
                session.contextEngineID = reinterpret_cast<u_char*>(contextEngineId.data());
                session.contextEngineIDLen = contextEngineId.size();
            }
        }
    }
    if (pooled.Refusal == 0) {
        pooled.Handle = snmp_sess_open(&session);
        if (!pooled.Handle) {
            if (session.s_snmp_errno == SNMPERR_BAD_ADDRESS) throw KyException(InvalidAddressCode);
            pooled.Refusal = statusOfNetSnmpError(session.s_snmp_errno);
        }
    }
    if (pooled.Handle) watchSocket(pooled);
    return pool().emplace(key, std::move(pooled)).first->second;
}

netsnmp_pdu* buildPdu(const KySNMPTargetCopy& t, KyPduKind kind, const std::vector<KyVarBind>& bindings) {
    const int command = kind == KyPduKind::Get ? SNMP_MSG_GET : kind == KyPduKind::GetNext ? SNMP_MSG_GETNEXT : SNMP_MSG_SET;
    netsnmp_pdu* pdu = snmp_pdu_create(command);
    if (t.Security.Version != SNMP_VERSION_3) {
        const std::string& community = kind == KyPduKind::Set ? t.Security.WriteCommunity : t.Security.ReadCommunity;
        pdu->community = static_cast<u_char*>(malloc(community.size() + 1));
        memcpy(pdu->community, community.c_str(), community.size() + 1);
        pdu->community_len = community.size();
    }
    for (const auto& binding : bindings) addBinding(pdu, binding);
    return pdu;
}

void prepareSend(void* handle, const KySNMPTargetCopy& t) {
    netsnmp_session* session = snmp_sess_session(handle);
    session->timeout = static_cast<long>(t.Timeout) * 10000L;
    session->retries = t.Retries;
}

int lastError(void* handle) {
    return snmp_sess_session(handle)->s_snmp_errno;
}

// Runs inside Net-SNMP: only records the outcome, never calls page code.
int onNetSnmpEvent(int operation, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
    const auto id = reinterpret_cast<std::uintptr_t>(magic);
    auto found = records().find(id);
    if (found == records().end() || found->second.Finished) return 1;
    CallRecord& record = found->second;
    try {
        switch (operation) {
        case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
            if (pdu->command == SNMP_MSG_REPORT) return 1;  // the security error arrives as its own event
            record.Result.Status = static_cast<int>(pdu->errstat);
            record.Result.ErrorIndex = static_cast<int>(pdu->errindex);
            record.Result.Bindings = bindingsOf(pdu);
            record.Result.Answered = true;
            break;
        case NETSNMP_CALLBACK_OP_TIMED_OUT:
            record.Result.Status = StatusTimeout;
            noteTimeout(record.Agent);
            break;
        case NETSNMP_CALLBACK_OP_SEND_FAILED:
            record.Result.Status = statusOfNetSnmpError(session ? session->s_snmp_errno : 0);
            break;
        case NETSNMP_CALLBACK_OP_SEC_ERROR:
            record.Result.Status = statusOfNetSnmpError(pdu ? snmpv3_get_report_type(pdu) : 0);
            break;
        default:  // resends and other notices are not completions
            return 1;
        }
    } catch (...) {
        record.Result.Status = StatusFailed;
    }
    if (!record.Result.Answered) record.Result.Bindings = record.Sent;
    record.Finished = true;
    if (!record.InSend) finishedRecords.push_back(id);
    return 1;
}

void readAndTimeOut(void* handle) {
    const netsnmp_transport* transport = snmp_sess_transport(handle);
    for (int reads = 0; transport && transport->sock >= 0 && reads < MaxReadsPerTick; ++reads) {
        pollfd ready{transport->sock, POLLIN, 0};
        if (poll(&ready, 1, 0) <= 0 || !(ready.revents & POLLIN)) break;
        netsnmp_large_fd_set fds;
        netsnmp_large_fd_set_init(&fds, transport->sock + 1);
        NETSNMP_LARGE_FD_SET(transport->sock, &fds);
        snmp_sess_read2(handle, &fds);
        netsnmp_large_fd_set_cleanup(&fds);
    }
    snmp_sess_timeout(handle);
}

}  // namespace

int statusOfNetSnmpError(int snmpError) {
    switch (snmpError) {
    case SNMPERR_TIMEOUT: return StatusTimeout;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return StatusUsmUnknownUser;
    case SNMPERR_AUTHENTICATION_FAILURE: return StatusUsmWrongDigest;
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return StatusUsmAuthentication;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return StatusUsmTimeWindow;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID: return StatusUsmUnknownEngine;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return StatusUsmDecryption;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return StatusUsmUnsupportedLevel;
    case SNMPERR_USM_ENCRYPTIONERROR: return StatusUsmEncryption;
    case SNMPERR_USM_PARSEERROR: return StatusUsmParse;
    case SNMPERR_USM_GENERICERROR: return StatusUsmGeneric;
    case SNMPERR_UNKNOWN_SEC_MODEL: return StatusV3UnknownModel;
    case SNMPERR_INVALID_MSG: return StatusV3InvalidMessage;
    case SNMPERR_BAD_VERSION: return StatusV3UnknownPduHandler;
    case SNMPERR_BAD_CONTEXT: return StatusV3UnavailableContext;
    case SNMPERR_BAD_PARSE:
    case SNMPERR_ASN_PARSE_ERR: return StatusV3Parse;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_LOCPORT: return StatusTransport;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD: return StatusInvalidPdu;
    default: return StatusFailed;
    }
}

void initialise() {
    static bool done = false;
    if (done) return;
    done = true;
    // Nothing from the machine's Net-SNMP set-up: no MIBs, no snmp.conf, no state under /var/lib/snmp.
    static QTemporaryDir privateDirectory(QDir::tempPath() + "/trvmgr-snmp-XXXXXX");
    isolateNetSnmp(privateDirectory.path().toStdString());
    init_snmp("trvmgr");
}

void setLocalEngine(const std::string& engineId) {
    // A manager's requests carry the agent's engine ID and boots, never its own; ours is set for parity.
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
}

KySNMPExchange exchange(const KySNMPTargetCopy& target, KyPduKind kind, const std::vector<KyVarBind>& bindings) {
    PooledSession& pooled = sessionFor(target);
    KySNMPExchange result;
    result.AgentAddress = target.Device.Host;
    result.AgentPort = target.Device.Port;
    result.Bindings = bindings;
    if (pooled.Refusal != 0) {
        result.Status = pooled.Refusal;
        return result;
    }
    const std::string agent = silenceKey(target, kind);
    if (silent(agent)) {
        result.Status = StatusTimeout;
        return result;
    }
    prepareSend(pooled.Handle, target);
    netsnmp_pdu* response = nullptr;
    const int outcome = snmp_sess_synch_response(pooled.Handle, buildPdu(target, kind, bindings), &response);
    if (outcome == STAT_SUCCESS && response) {
        result.Status = static_cast<int>(response->errstat);
        result.ErrorIndex = static_cast<int>(response->errindex);
        result.Bindings = bindingsOf(response);
        result.Answered = true;
    } else if (outcome == STAT_TIMEOUT) {
        result.Status = StatusTimeout;
    } else {
        result.Status = statusOfNetSnmpError(lastError(pooled.Handle));
    }
    // Also a v3 engine discovery that timed out inside the exchange.
    if (result.Status == StatusTimeout) noteTimeout(agent);
    if (response) snmp_free_pdu(response);
    return result;
}

int send(const KySNMPTargetCopy& target, KyPduKind kind, std::vector<KyVarBind> bindings, Completion completion) {
    PooledSession& pooled = sessionFor(target);
    if (pooled.Refusal != 0) return pooled.Refusal;
    prepareSend(pooled.Handle, target);

    const std::uintptr_t id = nextRecordId++;
    CallRecord& record = records()[id];
    record.Done = std::move(completion);
    record.Sent = std::move(bindings);
    record.Result.AgentAddress = target.Device.Host;
    record.Result.AgentPort = target.Device.Port;
    record.Agent = silenceKey(target, kind);
    if (silent(record.Agent)) {
        record.InSend = false;
        record.Finished = true;
        record.Result.Status = StatusTimeout;
        record.Result.Bindings = record.Sent;
        finishedRecords.push_back(id);
        if (sentHandler) sentHandler();
        return 0;
    }

    netsnmp_pdu* pdu = buildPdu(target, kind, record.Sent);
    const int requestId = snmp_sess_async_send(pooled.Handle, pdu, onNetSnmpEvent, reinterpret_cast<void*>(id));
    if (requestId == 0) {
        // A refused send may already have reported (a v3 discovery that timed out inside the send):
        // that outcome is the send's own failure, never a completion.
        CallRecord& failed = records()[id];
        const int status = failed.Finished && failed.Result.Status != 0 ? failed.Result.Status
                                                                       : statusOfNetSnmpError(lastError(pooled.Handle));
        snmp_free_pdu(pdu);
        records().erase(id);
        if (status == StatusTimeout) noteTimeout(silenceKey(target, kind));
        return status == 0 ? StatusFailed : status;
    }
    CallRecord& accepted = records()[id];
    accepted.InSend = false;
    if (accepted.Finished) finishedRecords.push_back(id);
    if (sentHandler) sentHandler();
    return 0;
}

void processPendingEvents() {
    if (runningCompletions) return;
    for (auto& [key, pooled] : pool())
        if (pooled.Handle) readAndTimeOut(pooled.Handle);

    runningCompletions = true;
    std::deque<std::uintptr_t> ready;
    ready.swap(finishedRecords);
    for (const std::uintptr_t id : ready) {
        auto found = records().find(id);
        if (found == records().end()) continue;
        CallRecord record = std::move(found->second);
        records().erase(found);
        try {
            if (record.Done) record.Done(record.Result);
        } catch (const std::exception& error) {
            qCritical("SNMP completion failed: %s", error.what());
        } catch (...) {
            qCritical("SNMP completion failed");
        }
    }
    runningCompletions = false;
}

bool dispatching() {
    return runningCompletions;
}

void setReadyHandler(std::function<void()> handler) {
    readyHandler = std::move(handler);
}

void watchSockets(bool watch) {
    socketsWatched = watch;
    for (auto& [key, pooled] : pool())
        if (pooled.Notifier) pooled.Notifier->setEnabled(watch);
}

bool watchingSockets() { return socketsWatched; }

void setSentHandler(std::function<void()> handler) {
    sentHandler = std::move(handler);
}

void beginSequence() { ++openSequences; }

void endSequence() {
    if (openSequences > 0 && --openSequences == 0) silentAgents.clear();
}

bool outstanding() {
    return !records().empty() || !finishedRecords.empty();
}

}  // namespace KySNMPTransport
