#pragma once

#include "KyOid.h"

#include <cstdint>
#include <string>

// One SNMP value as the library keeps it between the wire and the codecs: the ASN.1 type and either a
// number, the octets or an object identifier. The PDU layer converts it to and from Net-SNMP's binding.
class KyValue {
public:
    enum Type : std::uint8_t {
        Integer = 0x02,
        OctetString = 0x04,
        Null = 0x05,
        ObjectId = 0x06,
        IpAddress = 0x40,
        Counter32 = 0x41,
        Gauge32 = 0x42,
        TimeTicks = 0x43,
        Opaque = 0x44,
        NsapAddress = 0x45,
        Counter64 = 0x46,
        UInteger32 = 0x47,
        // v2c/v3 exceptions: no value at all.
        NoSuchObject = 0x80,
        NoSuchInstance = 0x81,
        EndOfMibView = 0x82,
    };

    KyValue() = default;  // null

    static KyValue null(Type exception = Null);
    // An INTEGER as the agent sent it; one outside Integer32 is kept, not wrapped.
    static KyValue integer(std::int64_t value);
    // Counter32, Gauge32, TimeTicks or UInteger32.
    static KyValue unsigned32(Type type, std::uint32_t value);
    static KyValue counter64(std::uint64_t value);
    // OctetString, Opaque, NsapAddress or IpAddress (four octets in network order).
    static KyValue octets(Type type, std::string bytes);
    static KyValue objectId(KyOid oid);

    Type type() const { return Kind; }
    // Null and the v2c exceptions carry no value.
    bool isNull() const { return Kind == Null || Kind >= NoSuchObject; }

    std::int32_t toInt32() const { return std::int32_t(std::uint32_t(Number)); }
    std::int64_t toInt64() const { return std::int64_t(Number); }
    bool fitsInt32() const { return toInt64() == toInt32(); }
    std::uint32_t toUInt32() const { return std::uint32_t(Number); }
    std::uint64_t toUInt64() const { return Number; }
    const std::string& bytes() const { return Bytes; }
    const KyOid& oid() const { return Oid; }

    friend bool operator==(const KyValue&, const KyValue&) = default;

private:
    Type Kind = Null;
    std::uint64_t Number = 0;
    std::string Bytes;
    KyOid Oid;
};
