// Any bytes as a received value, a text to write and a returned instance: the codecs must stay within
// their input, refuse only with the library's exception, and give back what they read.
#include "KyCodec.h"
#include "KyException.h"
#include "KySNMPVarDesc.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

const int syntaxes[] = {sxBoolean, sxInteger, sxBitStr, sxOctetStr, sxNull, sxObjectId, sxIpAddress,
                        sxCounter, sxGauge, sxTimeTicks, sxOpaque, sxNsapAddr, sxCounter64, sxUInteger,
                        sxDouble, sxMacAddress, sxDateTime, sxBCDateTime, sxDisplayStr, sxIPv6Address,
                        sxBitList, sxInetAddress};
const KyValue::Type types[] = {KyValue::Integer, KyValue::OctetString, KyValue::Null,      KyValue::ObjectId,
                               KyValue::IpAddress, KyValue::Counter32, KyValue::Gauge32,   KyValue::TimeTicks,
                               KyValue::Opaque,  KyValue::Counter64,   KyValue::NoSuchInstance};

KyValue valueOf(KyValue::Type type, const std::string& bytes, std::uint64_t number, const KyOid& oid) {
    switch (type) {
    case KyValue::Integer: return KyValue::integer(std::int32_t(number));
    case KyValue::Counter32: case KyValue::Gauge32: case KyValue::TimeTicks:
        return KyValue::unsigned32(type, std::uint32_t(number));
    case KyValue::Counter64: return KyValue::counter64(number);
    case KyValue::ObjectId: return KyValue::objectId(oid);
    case KyValue::Null: case KyValue::NoSuchInstance: return KyValue::null(type);
    default: return KyValue::octets(type, bytes);
    }
}

bool isHexKind(int syntax) {
    return syntax == sxBitStr || syntax == sxOctetStr || syntax == sxOpaque || syntax == sxBitList ||
           syntax == sxMacAddress || syntax == sxIPv6Address;
}

// The value a received one's text stands for, where the text holds all of it: the hex kinds show every
// octet, a display string its octets up to the first zero octet, the numbers their value (written back as
// the type a write sends). None where the text drops or reshapes more, and for the display string "(NULL)",
// the one text that stands for a null value.
std::optional<KyValue> shownValue(int syntax, const KyValue& received) {
    const KyValue::Type type = received.type();
    if (type == KyValue::OctetString && isHexKind(syntax)) return received;
    if (type == KyValue::OctetString && syntax == sxDisplayStr) {
        const std::string& bytes = received.bytes();
        const std::string shown = bytes.substr(0, bytes.find('\0'));
        if (shown == "(NULL)") return std::nullopt;
        return KyValue::octets(KyValue::OctetString, shown);
    }
    if (type == KyValue::Integer && syntax == sxInteger) return received;
    if ((type == KyValue::Counter32 || type == KyValue::Gauge32) &&
        (syntax == sxCounter || syntax == sxGauge || syntax == sxUInteger))
        return KyValue::unsigned32(KyValue::Gauge32, received.toUInt32());
    if (type == KyValue::Counter64 && syntax == sxCounter64) return received;
    if (type == KyValue::TimeTicks && syntax == sxTimeTicks) return received;
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int syntax = syntaxes[data[0] % std::size(syntaxes)];
    const KyValue::Type type = types[data[1] % std::size(types)];
    const KyKeyPlace place{(data[2] & 1) != 0, (data[2] & 2) != 0};
    const std::string bytes(reinterpret_cast<const char*>(data + 3), size - 3);

    std::uint64_t number = 0;
    std::vector<std::uint32_t> subIds;
    for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        std::uint32_t id = 0;
        for (int k = 0; k < 4; ++k) id = id << 8 | std::uint8_t(bytes[i + k]);
        // Mostly small numbers, as instances carry octets and lengths.
        subIds.push_back(data[2] & 4 ? id : id % 300);
        number = number << 32 | id;
    }
    const KyOid oid(std::vector<std::uint32_t>(subIds.begin(), subIds.begin() + std::min<std::size_t>(subIds.size(), 128)));

    try {
        // A received value always has a text, and that text writes back what it shows.
        const KyValue received = valueOf(type, bytes, number, oid);
        const std::string text = VbToText(syntax, received);
        if (std::optional<KyValue> shown = shownValue(syntax, received); shown && TextToVb(syntax, text) != *shown)
            __builtin_trap();
    } catch (const KyException&) {
        __builtin_trap();
    }

    try {
        // Any text: a value, or the library's refusal.
        const KyValue written = TextToVb(syntax, bytes);
        if (!written.isNull()) VbToText(syntax, written);
    } catch (const KyException&) {
    }

    std::span<const std::uint32_t> rest(subIds);
    std::string keyText;
    try {
        keyText = DecodeIndexPart(syntax, rest, place);
    } catch (const KyException&) {
        __builtin_trap();  // every listed syntax decodes
    }
    if (rest.size() > subIds.size()) __builtin_trap();
    try {
        EncodeIndexPart(syntax, keyText, place);
        EncodeIndexPart(syntax, bytes, place);
    } catch (const KyException&) {
    }
    return 0;
}
