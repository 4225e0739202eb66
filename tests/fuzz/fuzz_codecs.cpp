// Any bytes as a received value, a text to write and a returned instance: the codecs must stay within
// their input, refuse only with the library's exception, and give back what they read.
#include "KyCodec.h"
#include "KyException.h"
#include "KySNMPVarDesc.h"

#include <cstddef>
#include <cstdint>
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
        // A received value always has a text, and the octet kinds write that text back to the same octets
        // (a display string reading "(NULL)" is the one text that stands for something else).
        const KyValue received = valueOf(type, bytes, number, oid);
        const std::string text = VbToText(syntax, received);
        if ((isHexKind(syntax) || syntax == sxDisplayStr) && type == KyValue::OctetString &&
            text != "(NULL)" && TextToVb(syntax, text) != received)
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
