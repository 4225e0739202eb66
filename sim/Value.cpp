#include "Value.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace trvsim {
namespace {

std::uint64_t parseUnsigned(const std::string& text, std::uint64_t max, const char* what)
{
    std::uint64_t v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end || v > max)
        throw std::invalid_argument("bad " + std::string(what) + " '" + text + "'");
    return v;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string parseOctets(const std::string& token)
{
    if (token.size() >= 2 && token.front() == '"' && token.back() == '"') {
        std::string out;
        for (std::size_t i = 1; i + 1 < token.size(); ++i) {
            char c = token[i];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (++i + 1 >= token.size()) throw std::invalid_argument("dangling backslash in string");
            switch (token[i]) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case '0': out += '\0'; break;
            case 'x': {
                int hi = i + 2 < token.size() ? hexDigit(token[i + 1]) : -1;
                int lo = i + 2 < token.size() ? hexDigit(token[i + 2]) : -1;
                if (hi < 0 || lo < 0) throw std::invalid_argument("bad \\x escape in string");
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                break;
            }
            default: throw std::invalid_argument(std::string("unknown escape \\") + token[i]);
            }
        }
        return out;
    }
    if (token.size() >= 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
        if (token.size() % 2) throw std::invalid_argument("odd number of hex digits in '" + token + "'");
        std::string out;
        for (std::size_t i = 2; i < token.size(); i += 2) {
            int hi = hexDigit(token[i]), lo = hexDigit(token[i + 1]);
            if (hi < 0 || lo < 0) throw std::invalid_argument("bad hex digit in '" + token + "'");
            out += static_cast<char>(hi * 16 + lo);
        }
        return out;
    }
    throw std::invalid_argument("a string needs \"quotes\" or 0x hex: '" + token + "'");
}

} // namespace

Oid parseOid(const std::string& text)
{
    std::string t = text;
    if (!t.empty() && t.front() == '.') t.erase(0, 1);
    Oid oid;
    std::size_t start = 0;
    while (start <= t.size()) {
        std::size_t dot = t.find('.', start);
        if (dot == std::string::npos) dot = t.size();
        oid.push_back(static_cast<unsigned long>(
            parseUnsigned(t.substr(start, dot - start), 0xFFFFFFFFu, "object identifier")));
        start = dot + 1;
    }
    if (oid.size() < 2 || oid.size() > 128) throw std::invalid_argument("bad object identifier '" + text + "'");
    return oid;
}

std::string formatOid(const Oid& oid)
{
    std::string out;
    for (auto arc : oid) {
        if (!out.empty()) out += '.';
        out += std::to_string(arc);
    }
    return out;
}

bool isPrefix(const Oid& prefix, const Oid& oid)
{
    return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Type parseTypeName(const std::string& name)
{
    static const std::pair<const char*, Type> names[] = {
        {"INTEGER", Type::Integer},     {"STRING", Type::OctetString},   {"NULL", Type::Null},
        {"OID", Type::ObjectId},        {"IPADDRESS", Type::IpAddress},  {"COUNTER32", Type::Counter32},
        {"GAUGE32", Type::Gauge32},     {"TIMETICKS", Type::TimeTicks},  {"COUNTER64", Type::Counter64},
    };
    for (auto& [n, t] : names)
        if (name == n) return t;
    throw std::invalid_argument("unknown type '" + name + "'");
}

std::string typeName(Type type)
{
    switch (type) {
    case Type::Integer: return "INTEGER";
    case Type::OctetString: return "STRING";
    case Type::Null: return "NULL";
    case Type::ObjectId: return "OID";
    case Type::IpAddress: return "IPADDRESS";
    case Type::Counter32: return "COUNTER32";
    case Type::Gauge32: return "GAUGE32";
    case Type::TimeTicks: return "TIMETICKS";
    case Type::Counter64: return "COUNTER64";
    }
    return "TYPE" + std::to_string(static_cast<int>(type));
}

Value parseValue(Type type, const std::string& token)
{
    Value v;
    v.type = type;
    switch (type) {
    case Type::Integer: {
        bool negative = !token.empty() && token[0] == '-';
        std::uint64_t magnitude =
            parseUnsigned(negative ? token.substr(1) : token, negative ? 0x80000000u : 0x7FFFFFFFu, "INTEGER");
        v.number = negative ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(magnitude)) : magnitude;
        break;
    }
    case Type::Counter32:
    case Type::Gauge32:
    case Type::TimeTicks: v.number = parseUnsigned(token, 0xFFFFFFFFu, typeName(type).c_str()); break;
    case Type::Counter64:
        v.number = parseUnsigned(token, std::numeric_limits<std::uint64_t>::max(), "COUNTER64");
        break;
    case Type::OctetString: v.octets = parseOctets(token); break;
    case Type::ObjectId: v.oid = parseOid(token); break;
    case Type::IpAddress: {
        Oid parts;
        try {
            parts = parseOid(token);
        } catch (const std::invalid_argument&) {
        }
        if (parts.size() != 4) throw std::invalid_argument("bad IpAddress '" + token + "'");
        for (auto p : parts) {
            if (p > 255) throw std::invalid_argument("bad IpAddress '" + token + "'");
            v.octets += static_cast<char>(p);
        }
        break;
    }
    case Type::Null:
        if (token != "-") throw std::invalid_argument("NULL takes the value -");
        break;
    }
    return v;
}

std::string formatValue(const Value& value)
{
    static const char* hex = "0123456789abcdef";
    switch (value.type) {
    case Type::Integer: return std::to_string(static_cast<std::int32_t>(value.number));
    case Type::Counter32:
    case Type::Gauge32:
    case Type::TimeTicks:
    case Type::Counter64: return std::to_string(value.number);
    case Type::ObjectId: return formatOid(value.oid);
    case Type::IpAddress: {
        std::string out;
        for (unsigned char c : value.octets) out += (out.empty() ? "" : ".") + std::to_string(c);
        return out;
    }
    case Type::Null: return "-";
    case Type::OctetString: break;
    }
    std::string out = "0x";
    for (unsigned char c : value.octets) {
        out += hex[c >> 4];
        out += hex[c & 15];
    }
    return out;
}

} // namespace trvsim
