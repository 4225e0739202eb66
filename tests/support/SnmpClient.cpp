#include "SnmpClient.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstring>
#include <stdexcept>

namespace trvtest {
namespace {

void initOnce()
{
    static bool done = false;
    if (done) return;
    isolateNetSnmp();
    init_snmp("trvsim-tests");
    done = true;
}

std::vector<oid> toOid(const std::string& text)
{
    std::vector<oid> out;
    std::size_t start = text[0] == '.' ? 1 : 0;
    while (start < text.size()) {
        auto dot = text.find('.', start);
        if (dot == std::string::npos) dot = text.size();
        out.push_back(std::stoul(text.substr(start, dot - start)));
        start = dot + 1;
    }
    return out;
}

std::string fromOid(const oid* name, std::size_t length)
{
    std::string out;
    for (std::size_t i = 0; i < length; ++i) out += (i ? "." : "") + std::to_string(name[i]);
    return out;
}

Vb toVb(const netsnmp_variable_list* vb)
{
    Vb out{fromOid(vb->name, vb->name_length), vb->type, {}};
    switch (vb->type) {
    case ASN_INTEGER: out.value = std::to_string(*vb->val.integer); break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS: out.value = std::to_string(static_cast<unsigned long>(*vb->val.integer) & 0xFFFFFFFFu); break;
    case ASN_COUNTER64:
        out.value = std::to_string((static_cast<unsigned long long>(vb->val.counter64->high) << 32) |
                                   (vb->val.counter64->low & 0xFFFFFFFFu));
        break;
    case ASN_OBJECT_ID: out.value = fromOid(vb->val.objid, vb->val_len / sizeof(oid)); break;
    case ASN_IPADDRESS:
        for (std::size_t i = 0; i < vb->val_len; ++i) out.value += (i ? "." : "") + std::to_string(vb->val.string[i]);
        break;
    case ASN_OCTET_STR: out.value.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len); break;
    default: break;
    }
    return out;
}

} // namespace

void SnmpClient::open(snmp_session& session, int port, int timeoutMs, int retries)
{
    std::string peer = "udp:127.0.0.1:" + std::to_string(port);
    session.peername = const_cast<char*>(peer.c_str());
    session.timeout = timeoutMs * 1000L;
    session.retries = retries;
    handle_ = snmp_sess_open(&session);
    if (!handle_) throw std::runtime_error("snmp_sess_open failed");
}

SnmpClient::SnmpClient(int port, long version, const std::string& community, int timeoutMs, int retries) : version_(version)
{
    initOnce();
    snmp_session session;
    snmp_sess_init(&session);
    session.version = version;
    session.community = reinterpret_cast<u_char*>(const_cast<char*>(community.c_str()));
    session.community_len = community.size();
    open(session, port, timeoutMs, retries);
}

SnmpClient::SnmpClient(int port, const SimUser& user, int timeoutMs, int retries) : version_(SNMP_VERSION_3)
{
    initOnce();
    snmp_session session;
    snmp_sess_init(&session);
    session.version = SNMP_VERSION_3;
    session.securityName = const_cast<char*>(user.name);
    session.securityNameLen = std::strlen(user.name);
    session.securityModel = SNMP_SEC_MODEL_USM;
    bool auth = *user.authProtocol, priv = *user.privProtocol;
    session.securityLevel = priv ? SNMP_SEC_LEVEL_AUTHPRIV : auth ? SNMP_SEC_LEVEL_AUTHNOPRIV : SNMP_SEC_LEVEL_NOAUTH;
    auto localize = [&](const char* password, u_char* key, size_t* keyLength) {
        *keyLength = USM_AUTH_KU_LEN;
        if (generate_Ku(session.securityAuthProto, session.securityAuthProtoLen, reinterpret_cast<const u_char*>(password),
                        std::strlen(password), key, keyLength) != SNMPERR_SUCCESS)
            throw std::runtime_error("generate_Ku failed");
    };
    if (auth) {
        bool md5 = std::strcmp(user.authProtocol, "MD5") == 0;
        session.securityAuthProto = md5 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol;
        session.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
        localize(user.authPassword, session.securityAuthKey, &session.securityAuthKeyLen);
    }
    if (priv) {
        bool des = std::strcmp(user.privProtocol, "DES") == 0;
        session.securityPrivProto = des ? usmDESPrivProtocol : usmAESPrivProtocol;
        session.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
        localize(user.privPassword, session.securityPrivKey, &session.securityPrivKeyLen);
    }
    open(session, port, timeoutMs, retries);
}

SnmpClient::~SnmpClient()
{
    if (handle_) snmp_sess_close(handle_);
}

Reply SnmpClient::send(snmp_pdu* pdu)
{
    snmp_pdu* response = nullptr;
    Reply reply;
    reply.status = snmp_sess_synch_response(handle_, pdu, &response);
    if (response) {
        reply.errstat = response->errstat;
        reply.errindex = response->errindex;
        for (auto* vb = response->variables; vb; vb = vb->next_variable) reply.vbs.push_back(toVb(vb));
        snmp_free_pdu(response);
    }
    return reply;
}

Reply SnmpClient::request(int command, const std::vector<std::string>& oids, int nonRepeaters, int maxRepetitions)
{
    snmp_pdu* pdu = snmp_pdu_create(command);
    if (command == SNMP_MSG_GETBULK) {
        pdu->non_repeaters = nonRepeaters;
        pdu->max_repetitions = maxRepetitions;
    }
    for (const auto& text : oids) {
        auto name = toOid(text);
        snmp_add_null_var(pdu, name.data(), name.size());
    }
    return send(pdu);
}

Reply SnmpClient::get(const std::vector<std::string>& oids) { return request(SNMP_MSG_GET, oids); }
Reply SnmpClient::next(const std::vector<std::string>& oids) { return request(SNMP_MSG_GETNEXT, oids); }
Reply SnmpClient::bulk(int nonRepeaters, int maxRepetitions, const std::vector<std::string>& oids)
{
    return request(SNMP_MSG_GETBULK, oids, nonRepeaters, maxRepetitions);
}

Reply SnmpClient::set(const std::vector<SetVb>& bindings)
{
    snmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_SET);
    for (const auto& b : bindings) {
        auto name = toOid(b.oid);
        if (snmp_add_var(pdu, name.data(), name.size(), b.type, b.value.c_str()) != 0) {
            snmp_free_pdu(pdu);
            throw std::runtime_error("bad SET value for " + b.oid);
        }
    }
    return send(pdu);
}

namespace {
bool within(const std::string& root, const std::string& oid)
{
    return oid.size() > root.size() && oid.compare(0, root.size(), root) == 0 && oid[root.size()] == '.';
}
} // namespace

std::vector<Vb> SnmpClient::walk(const std::string& root)
{
    std::vector<Vb> out;
    std::string at = root;
    while (true) {
        Reply r = next({at});
        if (r.status != STAT_SUCCESS || r.errstat || r.vbs.size() != 1) return out;
        const Vb& vb = r.vbs[0];
        if (vb.type >= static_cast<int>(SNMP_NOSUCHOBJECT) || !within(root, vb.oid)) return out;
        out.push_back(vb);
        at = vb.oid;
    }
}

std::vector<Vb> SnmpClient::bulkWalk(const std::string& root, int maxRepetitions)
{
    std::vector<Vb> out;
    std::string at = root;
    while (true) {
        Reply r = bulk(0, maxRepetitions, {at});
        if (r.status != STAT_SUCCESS || r.errstat || r.vbs.empty()) return out;
        for (const Vb& vb : r.vbs) {
            if (vb.type >= static_cast<int>(SNMP_NOSUCHOBJECT) || !within(root, vb.oid)) return out;
            out.push_back(vb);
        }
        at = r.vbs.back().oid;
    }
}

} // namespace trvtest
