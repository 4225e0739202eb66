#pragma once
// Object identifiers and typed values as the simulator stores them, with the text forms used by
// data files, the request log and the control interface.
#include <cstdint>
#include <string>
#include <vector>

namespace trvsim {

using Oid = std::vector<unsigned long>;

// ASN.1 tags, equal to Net-SNMP's ASN_* values so a Value maps onto a varbind directly.
enum class Type : unsigned char {
    Integer = 0x02,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Counter64 = 0x46,
};

struct Value {
    Type type = Type::Null;
    std::uint64_t number = 0; // INTEGER holds a sign-extended int32
    std::string octets;       // OCTET STRING; IpAddress as its 4 octets
    Oid oid;                  // OBJECT IDENTIFIER

    bool operator==(const Value&) const = default;
};

// Throws std::invalid_argument with a reason.
Oid parseOid(const std::string& text);
std::string formatOid(const Oid& oid);
bool isPrefix(const Oid& prefix, const Oid& oid);

// "INTEGER", "STRING", ... as written in data files.
Type parseTypeName(const std::string& name);
std::string typeName(Type type);

// A value in data-file syntax: numbers, dotted OIDs and addresses, "quoted text" with \" \\ \n \t \xHH
// escapes, or 0x followed by hex octets for an OCTET STRING. Throws std::invalid_argument.
Value parseValue(Type type, const std::string& token);

// Canonical one-token form: octet strings always as 0x hex, NULL as "-".
std::string formatValue(const Value& value);

} // namespace trvsim
