#include "Agent.h"

#include "DataFile.h"
#include "NetSnmpIsolation.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <netinet/in.h>
#include <optional>
#include <set>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Exported by libnetsnmpagent but declared in no header: the listening session.
extern "C" netsnmp_session* main_session;

namespace trvsim {
namespace {

Agent* theAgent = nullptr;
int signalPipe[2] = {-1, -1};
volatile bool running = true;

void onSignal(int)
{
    char c = 1;
    [[maybe_unused]] auto n = write(signalPipe[1], &c, 1);
}

void onSignalPipe(int fd, void*)
{
    char buf[16];
    [[maybe_unused]] auto n = read(fd, buf, sizeof buf);
    running = false;
}

// Nothing may unwind through the C library: every entry point catches here.
void report(const char* where)
{
    try {
        throw;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trvsim: %s failed: %s\n", where, e.what());
    } catch (...) {
        std::fprintf(stderr, "trvsim: %s failed\n", where);
    }
}

int handlerEntry(netsnmp_mib_handler*, netsnmp_handler_registration* registration,
                 netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    try {
        return theAgent->handle(Oid(registration->rootoid, registration->rootoid + registration->rootoid_len),
                                reqinfo, requests);
    } catch (...) {
        report("request");
        netsnmp_set_request_error(reqinfo, requests, SNMP_ERR_GENERR);
        return SNMP_ERR_NOERROR;
    }
}

int receivedEntry(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    try {
        return theAgent->received(op, session, reqid, pdu, magic);
    } catch (...) {
        report("receive");
        return 1;
    }
}

void controlEntry(int fd, void*)
{
    try {
        theAgent->controlReady(fd);
    } catch (...) {
        report("control");
    }
}

struct Delayed {
    netsnmp_session* session;
    int reqid;
    netsnmp_pdu* pdu;
    void* magic;
};

// The agent library takes a NULL answer for "not answered" and turns it into noSuchInstance. A GET of
// a NULL object is therefore delegated and completed from an alarm, after that replacement.
void onNullDelegated(unsigned int, void* arg)
{
    auto* request = static_cast<netsnmp_request_info*>(arg);
    snmp_set_var_typed_value(request->requestvb, ASN_NULL, nullptr, 0);
    request->delegated = REQUEST_IS_NOT_DELEGATED;
}

void onDelayed(unsigned int, void* arg)
{
    auto* d = static_cast<Delayed*>(arg);
    handle_snmp_packet(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, d->session, d->reqid, d->pdu, d->magic);
    snmp_free_pdu(d->pdu);
    delete d;
}

Oid nameOf(const netsnmp_variable_list* vb) { return Oid(vb->name, vb->name + vb->name_length); }

Value fromVarbind(const netsnmp_variable_list* vb)
{
    Value v;
    v.type = static_cast<Type>(vb->type);
    switch (vb->type) {
    case ASN_INTEGER: v.number = static_cast<std::uint64_t>(static_cast<std::int64_t>(*vb->val.integer)); break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: v.number = static_cast<unsigned long>(*vb->val.integer) & 0xFFFFFFFFu; break;
    case ASN_COUNTER64: v.number = (std::uint64_t(vb->val.counter64->high) << 32) | (vb->val.counter64->low & 0xFFFFFFFFu); break;
    case ASN_OBJECT_ID: v.oid.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid)); break;
    case ASN_NULL: break;
    default:
        if (vb->val.string) v.octets.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
    }
    return v;
}

void toVarbind(netsnmp_variable_list* vb, const Value& v)
{
    switch (v.type) {
    case Type::Integer: {
        long n = static_cast<std::int32_t>(v.number);
        snmp_set_var_typed_value(vb, ASN_INTEGER, &n, sizeof n);
        break;
    }
    case Type::Counter32:
    case Type::Gauge32:
    case Type::TimeTicks: {
        unsigned long n = v.number;
        snmp_set_var_typed_value(vb, static_cast<u_char>(v.type), &n, sizeof n);
        break;
    }
    case Type::Counter64: {
        counter64 c{static_cast<u_long>(v.number >> 32), static_cast<u_long>(v.number & 0xFFFFFFFFu)};
        snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
        break;
    }
    case Type::ObjectId:
        snmp_set_var_typed_value(vb, ASN_OBJECT_ID, v.oid.data(), v.oid.size() * sizeof(oid));
        break;
    case Type::Null: snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0); break;
    case Type::OctetString:
    case Type::IpAddress:
        snmp_set_var_typed_value(vb, static_cast<u_char>(v.type), v.octets.data(), v.octets.size());
        break;
    }
}

std::string pduName(int command)
{
    switch (command) {
    case SNMP_MSG_GET: return "GET";
    case SNMP_MSG_GETNEXT: return "GETNEXT";
    case SNMP_MSG_GETBULK: return "GETBULK";
    case SNMP_MSG_SET: return "SET";
    default: return "PDU" + std::to_string(command);
    }
}

std::string printable(const void* data, std::size_t size)
{
    std::string out(static_cast<const char*>(data), size);
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return out;
}

bool plainWord(const std::string& s)
{
    if (s.empty()) return false;
    for (unsigned char c : s)
        if (c <= ' ' || c == '#' || c == '"' || c >= 0x7f) return false;
    return true;
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

} // namespace

Agent::Agent(Store store, Options options) : store_(std::move(store)), options_(std::move(options)) {}

Value Agent::current(Object& object)
{
    if (!object.uptime) return store_.read(object);
    Value v;
    v.type = Type::TimeTicks;
    v.number = netsnmp_get_agent_uptime();
    return v;
}

void Agent::record(const netsnmp_pdu* pdu)
{
    std::string line = pdu->version == SNMP_VERSION_1 ? "1" : pdu->version == SNMP_VERSION_2c ? "2c" : "3";
    line += '\t';
    if (pdu->version == SNMP_VERSION_3)
        line += printable(pdu->securityName, pdu->securityNameLen);
    else
        line += printable(pdu->community, pdu->community_len);
    bool bulk = pdu->command == SNMP_MSG_GETBULK;
    line += '\t' + pduName(pdu->command) + '\t' + std::to_string(pdu->reqid) + '\t' +
            std::to_string(bulk ? pdu->non_repeaters : 0) + '\t' + std::to_string(bulk ? pdu->max_repetitions : 0);
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable) {
        Value v = fromVarbind(vb);
        line += '\t' + formatOid(nameOf(vb)) + ' ' + typeName(v.type) + ' ' + formatValue(v);
    }
    log_.push_back(line);
}

int Agent::received(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
        record(pdu);
        auto firePdu = [&](FaultKind kind) -> std::optional<Fault> {
            for (auto* vb = pdu->variables; vb; vb = vb->next_variable)
                if (auto f = faults_.fire(kind, nameOf(vb))) return f;
            return std::nullopt;
        };
        if (firePdu(FaultKind::Drop)) return 1;
        // Extra answers come from copies of the request; a SET is never carried out twice.
        auto answerCopy = [&](long requestId) {
            netsnmp_pdu* copy = snmp_clone_pdu(pdu);
            copy->reqid = requestId;
            handle_snmp_packet(op, session, reqid, copy, magic);
            snmp_free_pdu(copy);
        };
        if (pdu->command != SNMP_MSG_SET) {
            if (firePdu(FaultKind::StaleAnswer)) answerCopy(pdu->reqid - 1);
            if (firePdu(FaultKind::Duplicate)) answerCopy(pdu->reqid);
        }
        if (pdu->command == SNMP_MSG_GETNEXT && answerNullAtEnd(session, pdu)) return 1;
        if (auto f = firePdu(FaultKind::Delay)) {
            auto* d = new Delayed{session, reqid, snmp_clone_pdu(pdu), magic};
            timeval after{f->ms / 1000, (f->ms % 1000) * 1000};
            snmp_alarm_register_hr(after, 0, onDelayed, d);
            return 1;
        }
    }
    return handle_snmp_packet(op, session, reqid, pdu, magic);
}

int Agent::handle(const Oid& root, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    // Each registered subtree gets its own call per mode: RESERVE1 collects the changes of all of them,
    // the first ACTION applies them all, so a SET across subtrees stays atomic.
    switch (reqinfo->mode) {
    case MODE_GET: getRequests(reqinfo, requests); break;
    case MODE_GETNEXT: nextRequests(root, reqinfo, requests); break;
    case MODE_SET_RESERVE1: reserve(reqinfo, requests); break;
    case MODE_SET_ACTION:
        if (!pendingSet_.empty()) {
            undoSet_ = store_.apply(pendingSet_);
            pendingSet_.clear();
        }
        break;
    case MODE_SET_UNDO:
        store_.apply(undoSet_);
        undoSet_.clear();
        break;
    case MODE_SET_COMMIT:
    case MODE_SET_FREE:
        pendingSet_.clear();
        undoSet_.clear();
        break;
    default: break;
    }
    return SNMP_ERR_NOERROR;
}

void Agent::getRequests(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    for (auto* r = requests; r; r = r->next) {
        Oid name = nameOf(r->requestvb);
        if (auto f = faults_.fire(FaultKind::ErrorStatus, name)) {
            netsnmp_set_request_error(reqinfo, r, f->status);
            continue;
        }
        auto it = store_.objects().find(name);
        if (it == store_.objects().end()) {
            netsnmp_set_request_error(reqinfo, r, store_.isKnownObject(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
            continue;
        }
        Value v = current(it->second);
        if (v.type == Type::Null) {
            long placeholder = 0;
            snmp_set_var_typed_value(r->requestvb, ASN_INTEGER, &placeholder, sizeof placeholder);
            r->delegated = REQUEST_IS_DELEGATED;
            snmp_alarm_register(0, 0, onNullDelegated, r);
            continue;
        }
        serve(r, name, name, v);
    }
}

void Agent::nextRequests(const Oid& root, netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    auto& objects = store_.objects();
    bool version1 = reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;
    for (auto* r = requests; r; r = r->next) {
        Oid name = nameOf(r->requestvb);
        auto it = nextObject(name, r->inclusive, version1);
        if (it != objects.end() && !isPrefix(root, it->first)) it = objects.end(); // the next subtree answers
        Oid answer = it == objects.end() ? Oid{} : it->first;
        if (auto f = faults_.fire(FaultKind::ErrorStatus, name, answer)) {
            netsnmp_set_request_error(reqinfo, r, f->status);
            continue;
        }
        if (faults_.fire(FaultKind::NoAdvance, name, answer)) {
            serve(r, name, name, it == objects.end() ? Value{} : current(it->second));
            continue;
        }
        if (faults_.fire(FaultKind::Backwards, name, answer)) {
            auto before = objects.lower_bound(name);
            if (before == objects.begin())
                serve(r, name, Oid(name.begin(), name.end() - 1), Value{});
            else {
                --before;
                serve(r, name, before->first, current(before->second));
            }
            continue;
        }
        if (it == objects.end()) continue; // left unanswered: the agent reports endOfMibView
        if (auto f = faults_.fire(FaultKind::SiblingColumn, name, answer)) {
            if (isPrefix(f->oid, answer)) answer[f->oid.size() - 1] *= 10;
        }
        serve(r, name, answer, current(it->second));
    }
}

std::map<Oid, Object>::iterator Agent::nextObject(const Oid& name, bool inclusive, bool version1)
{
    auto& objects = store_.objects();
    auto it = inclusive ? objects.lower_bound(name) : objects.upper_bound(name);
    // A NULL answer would read as "nothing here" to the agent library; v1 has no Counter64.
    while (it != objects.end() && (it->second.values.front().type == Type::Null ||
                                   (version1 && it->second.values.front().type == Type::Counter64)))
        ++it;
    return it;
}

bool Agent::answerNullAtEnd(netsnmp_session* session, netsnmp_pdu* pdu)
{
    // The agent library takes a NULL answer to GETNEXT for "look further", so this answer is made here,
    // every binding of the PDU from the store.
    if (pdu->version != SNMP_VERSION_2c) return false;
    struct Answer {
        Oid name;
        std::optional<Value> value; // none: endOfMibView
    };
    std::vector<Answer> answers;
    bool fired = false;
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable) {
        const Oid name = nameOf(vb);
        auto it = nextObject(name, false, false);
        const Oid next = it == store_.objects().end() ? Oid{} : it->first;
        if (faults_.fireLeaving(FaultKind::NullAtEnd, name, next)) {
            fired = true;
            answers.push_back({name, Value{}});
        } else if (it == store_.objects().end()) {
            answers.push_back({name, std::nullopt});
        } else {
            answers.push_back({next, current(it->second)});
        }
    }
    if (!fired) return false;
    netsnmp_pdu* response = snmp_clone_pdu(pdu);
    response->command = SNMP_MSG_RESPONSE;
    response->errstat = SNMP_ERR_NOERROR;
    response->errindex = 0;
    response->flags &= ~UCD_MSG_FLAG_EXPECT_RESPONSE;
    std::size_t i = 0;
    for (auto* vb = response->variables; vb; vb = vb->next_variable, ++i) {
        snmp_set_var_objid(vb, answers[i].name.data(), answers[i].name.size());
        if (answers[i].value) toVarbind(vb, *answers[i].value);
        else snmp_set_var_typed_value(vb, SNMP_ENDOFMIBVIEW, nullptr, 0);
    }
    if (!snmp_send(session, response)) snmp_free_pdu(response);
    return true;
}

void Agent::serve(netsnmp_request_info* r, const Oid& requested, const Oid& answer, Value v)
{
    if (faults_.fire(FaultKind::WrongType, requested, answer)) {
        Value wrong;
        if (v.type == Type::Integer || v.type == Type::Counter32 || v.type == Type::Gauge32 ||
            v.type == Type::TimeTicks || v.type == Type::Counter64) {
            wrong.type = Type::OctetString;
            wrong.octets = formatValue(v);
        } else {
            wrong.type = Type::Integer;
            wrong.number = 1;
        }
        v = wrong;
    }
    if (v.type == Type::OctetString)
        if (auto f = faults_.fire(FaultKind::Truncate, requested, answer))
            if (v.octets.size() > static_cast<std::size_t>(f->length)) v.octets.resize(f->length);
    snmp_set_var_objid(r->requestvb, answer.data(), answer.size());
    toVarbind(r->requestvb, v);
}

void Agent::reserve(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    std::vector<Binding> bindings;
    std::vector<netsnmp_request_info*> order;
    for (auto* r = requests; r; r = r->next) {
        Oid name = nameOf(r->requestvb);
        if (auto f = faults_.fire(FaultKind::ErrorStatus, name)) {
            netsnmp_set_request_error(reqinfo, r, f->status);
            return;
        }
        bindings.push_back({name, fromVarbind(r->requestvb)});
        order.push_back(r);
    }
    auto result = store_.plan(bindings);
    if (auto* error = std::get_if<SetError>(&result))
        netsnmp_set_request_error(reqinfo, order[error->index], error->status);
    else
        for (auto& change : std::get<std::vector<Change>>(result)) pendingSet_.push_back(std::move(change));
}

std::string Agent::command(const std::string& line)
{
    auto w = words(line);
    if (w.empty()) return "error empty command\n";
    const std::string& verb = w[0];
    try {
        if (verb == "log" && w.size() == 1) {
            std::string out;
            for (const auto& entry : log_) out += entry + '\n';
            return out;
        }
        if (verb == "clear-log" && w.size() == 1) {
            log_.clear();
            return "ok\n";
        }
        if (verb == "fault") {
            int id = faults_.add(std::vector<std::string>(w.begin() + 1, w.end()));
            return "ok " + std::to_string(id) + "\n";
        }
        if (verb == "unfault" && w.size() == 2) return faults_.remove(std::stoi(w[1])) ? "ok\n" : "error no such fault\n";
        if (verb == "clear-faults" && w.size() == 1) {
            faults_.clear();
            return "ok\n";
        }
        if (verb == "get" && w.size() == 2) {
            auto it = store_.objects().find(parseOid(w[1]));
            if (it == store_.objects().end()) return "none\n";
            const Value& v = it->second.values[it->second.turn];
            return typeName(v.type) + ' ' + formatValue(v) + '\n';
        }
        if (verb == "set") {
            Binding b = DataFile::parseBinding(line.substr(line.find("set") + 3));
            auto& object = store_.objects()[b.oid];
            if (Store::Place p = store_.locate(b.oid); p.table && p.table->columns.count(p.column))
                object.access = p.table->columns.at(p.column).access;
            object.values = {b.value};
            object.turn = 0;
            object.uptime = false;
            store_.indexObjects();
            return "ok\n";
        }
    } catch (const std::exception& e) {
        return std::string("error ") + e.what() + "\n";
    }
    return "error unknown command '" + line + "'\n";
}

void Agent::controlReady(int fd)
{
    int client = accept(fd, nullptr, nullptr);
    if (client < 0) return;
    timeval limit{2, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    std::string line;
    char c;
    while (line.size() < 65536 && read(client, &c, 1) == 1 && c != '\n') line += c;
    std::string reply = command(line);
    for (std::size_t sent = 0; sent < reply.size();) {
        auto n = write(client, reply.data() + sent, reply.size() - sent);
        if (n <= 0) break;
        sent += n;
    }
    close(client);
}

int Agent::run()
{
    for (const auto* c : {&options_.readCommunity, &options_.writeCommunity})
        if (!plainWord(*c)) {
            std::fprintf(stderr, "trvsim: a community must be one printable word\n");
            return 2;
        }
    std::string base = std::getenv("TMPDIR") && *std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    std::string tmpl = base + "/trvsim-XXXXXX";
    if (!mkdtemp(tmpl.data())) {
        std::perror("trvsim: cannot create a temporary folder");
        return 1;
    }
    const std::string tmp = tmpl;
    struct RemoveTmp {
        std::string path;
        ~RemoveTmp()
        {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    } removeTmp{tmp};

    // Nothing of the host's Net-SNMP set-up is read, and nothing is written outside the temporary folder.
    ::isolateNetSnmp(tmp);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    snmp_enable_stderrlog();
    // SMUX would bind TCP 0.0.0.0:199.
    add_to_init_list(const_cast<char*>("-smux"));
    init_agent("trvsim");

    std::vector<std::string> config = {
        "rocommunity " + options_.readCommunity + " default",
        "rwcommunity " + options_.writeCommunity + " default",
        "createUser simnoauth",
        "createUser simmd5 MD5 md5authpass",
        "createUser simsha SHA shaauthpass",
        "createUser simmd5des MD5 md5authpass DES md5desprivpass",
        "createUser simshaaes SHA shaauthpass AES shaaesprivpass",
        "createUser simreader SHA readerauthpass AES readerprivpass",
        "rwuser simnoauth noauth",
        "rwuser simmd5 auth",
        "rwuser simsha auth",
        "rwuser simmd5des priv",
        "rwuser simshaaes priv",
        "rouser simreader priv",
    };
    if (!options_.engineId.empty()) config.push_back("exactEngineID 0x" + options_.engineId);
    for (const auto& line : config) netsnmp_config_remember(strdup(line.c_str()));
    init_snmp("trvsim");

    std::string address = "udp:127.0.0.1:" + std::to_string(options_.port);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, address.c_str());
    if (init_master_agent() != 0 || !main_session) {
        std::fprintf(stderr, "trvsim: cannot listen on %s\n", address.c_str());
        return 1;
    }
    main_session->callback = receivedEntry;

    // One registration per top-level subtree in the data (1.3, and 1.0 for the IEEE objects): the
    // agent routes nothing to a registration of 1 itself.
    std::set<Oid> roots = {{1, 3}};
    for (const auto& [name, object] : store_.objects()) roots.insert(Oid(name.begin(), name.begin() + 2));
    for (const Oid& root : roots) {
        auto* registration = netsnmp_create_handler_registration("trvsim", handlerEntry, root.data(), root.size(),
                                                                 HANDLER_CAN_RWRITE);
        if (!registration || netsnmp_register_handler(registration) != MIB_REGISTERED_OK) {
            std::fprintf(stderr, "trvsim: cannot register %s\n", formatOid(root).c_str());
            return 1;
        }
    }
    theAgent = this;

    int controlFd = -1;
    if (!options_.controlPath.empty()) {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        if (options_.controlPath.size() >= sizeof addr.sun_path) {
            std::fprintf(stderr, "trvsim: control path too long\n");
            return 2;
        }
        std::strcpy(addr.sun_path, options_.controlPath.c_str());
        controlFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (controlFd < 0 || bind(controlFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            listen(controlFd, 8) != 0) {
            std::perror("trvsim: control socket");
            return 1;
        }
        register_readfd(controlFd, controlEntry, nullptr);
    }

    if (pipe(signalPipe) != 0) return 1;
    register_readfd(signalPipe[0], onSignalPipe, nullptr);
    struct sigaction sa{};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    auto* transport = snmp_sess_transport(snmp_sess_pointer(main_session));
    sockaddr_in bound{};
    socklen_t len = sizeof bound;
    if (!transport || getsockname(transport->sock, reinterpret_cast<sockaddr*>(&bound), &len) != 0) {
        std::fprintf(stderr, "trvsim: cannot read the bound port\n");
        return 1;
    }
    std::printf("%d\n", ntohs(bound.sin_port));
    std::fflush(stdout);

    while (running) agent_check_and_process(1);

    if (controlFd >= 0) {
        close(controlFd);
        unlink(options_.controlPath.c_str());
    }
    snmp_shutdown("trvsim");
    shutdown_agent();
    return 0;
}

} // namespace trvsim
