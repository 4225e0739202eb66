#include "KyRawValue.h"

#include "KyCodec.h"
#include "KyDateTime.h"
#include "KyException.h"
#include "KyIPv4.h"
#include "KyInputError.h"
#include "KyOid.h"
#include "KySNMPVarDesc.h"
#include "OctetStr.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <algorithm>
#include <vector>

namespace {

bool isKnown(int syntax) {
    switch (syntax) {
    case sxBoolean: case sxInteger: case sxBitStr: case sxOctetStr: case sxNull: case sxObjectId:
    case sxIpAddress: case sxCounter: case sxGauge: case sxTimeTicks: case sxOpaque: case sxNsapAddr:
    case sxCounter64: case sxUInteger: case sxDouble: case sxMacAddress: case sxDateTime: case sxBCDateTime:
    case sxDisplayStr: case sxIPv6Address: case sxBitList: case sxInetAddress: case sxBool8: case sxInt8:
    case sxUInt8: case sxBool16: case sxInt16: case sxUInt16:
        return true;
    default:
        return false;
    }
}

void checkKnown(int syntax) {
    if (!isKnown(syntax)) throw KyException(-511);
}

// A decimal number filling the text (blanks around it allowed) within [low, high].
std::int64_t number(const std::string& text, std::int64_t low, std::int64_t high) {
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || value < low || value > high)
        throwNumberRangeError(low, std::uint64_t(high));
    return value;
}

std::uint64_t unsigned64(const std::string& text) {
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        throwNumberRangeError(0, std::numeric_limits<std::uint64_t>::max());
    return value;
}

std::string littleEndian(std::uint64_t value, int width) {
    std::string octets;
    for (int i = 0; i < width; ++i) octets += char(value >> (8 * i));
    return octets;
}

std::string networkOrder16(std::uint64_t value) { return {char(value >> 8), char(value)}; }

std::uint64_t readLittleEndian(const std::string& octets, int width) {
    std::uint64_t value = 0;
    for (int i = 0; i < width; ++i) value |= std::uint64_t(std::uint8_t(octets[std::size_t(i)])) << (8 * i);
    return value;
}

std::uint16_t readNetworkOrder16(const std::string& octets) {
    return std::uint16_t(std::uint8_t(octets[0]) << 8 | std::uint8_t(octets[1]));
}

std::string hexOctets(const std::string& text, int errorCode) {
    if (auto octets = OctetStr::from_hex_string(text)) return *octets;
    if (errorCode) throw KyException(errorCode);
    throwHexError();
}

std::string ipv4Octets(const std::string& text) {
    if (auto octets = parseIPv4Address(text)) return *octets;
    throw KyException(-19);
}

// Shortest octets each syntax's text form needs.
std::size_t minimumLength(int syntax) {
    switch (syntax) {
    case sxBool8: case sxInt8: case sxUInt8: case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList:
    case sxObjectId:
        return 1;
    case sxBool16: case sxInt16: case sxUInt16: return 2;
    case sxMacAddress: return 6;
    case sxCounter64: case sxDouble: case sxBCDateTime: return 8;
    case sxDateTime: return 11;
    case sxIPv6Address: return 16;
    case sxNull: case sxDisplayStr: return 0;
    default: return 4;
    }
}

}  // namespace

std::string TextToOctets(const std::string& text, int syntax) {
    checkKnown(syntax);
    // A column whose walk has ended holds no value either.
    if (text == "(NULL)" || text == "(NOTDONE)") return {};
    switch (syntax) {
    case sxBoolean: return littleEndian(text == "true", 4);
    case sxInteger:
        return littleEndian(std::uint64_t(number(text, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max())), 4);
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: return hexOctets(text, 0);
    case sxMacAddress: return hexOctets(text, -23);
    case sxIPv6Address: return hexOctets(text, -21);
    case sxNull: return {};
    case sxObjectId: {
        const KyOid oid = KyOid::parse(text);
        std::string octets;
        for (std::uint32_t subId : oid.subIds()) octets += littleEndian(subId, 4);
        return octets;
    }
    case sxIpAddress: case sxNsapAddr: return ipv4Octets(text);
    case sxCounter: case sxGauge: case sxUInteger:
        return littleEndian(std::uint64_t(number(text, 0, std::numeric_limits<std::uint32_t>::max())), 4);
    case sxTimeTicks: return littleEndian(TextToTimeTicks(text), 4);
    case sxCounter64: return littleEndian(unsigned64(text), 8);
    case sxDouble: return littleEndian(std::bit_cast<std::uint64_t>(TextToDouble(text)), 8);
    case sxDateTime: return KyDateTime(text).ToWire();
    case sxBCDateTime: return littleEndian(std::bit_cast<std::uint64_t>(TextToDayCount(text)), 8);
    case sxDisplayStr: return text;
    case sxInetAddress:
        // Short texts are dotted addresses, except the hex of an address of up to eight octets.
        if (text.size() <= 16) {
            if (auto octets = parseIPv4Address(text)) return *octets;
            if (auto octets = OctetStr::from_hex_string(text); octets && text.size() > 8) return *octets;
            throw KyException(-19);
        }
        return hexOctets(text, -21);
    case sxBool8: return std::string(1, char(text == "true"));
    case sxInt8: return std::string(1, char(number(text, -128, 255)));
    case sxUInt8: return std::string(1, char(number(text, 0, 255)));
    case sxBool16: return networkOrder16(text == "true");
    case sxInt16: return networkOrder16(std::uint64_t(number(text, -32768, 65535)));
    default: return networkOrder16(std::uint64_t(number(text, 0, 65535)));  // sxUInt16
    }
}

std::string OctetsToText(const std::string& octets, int syntax) {
    checkKnown(syntax);
    if (octets.empty()) return syntax == sxDisplayStr ? std::string() : "(NULL)";
    if (octets.size() < minimumLength(syntax)) throw KyException(-518);
    switch (syntax) {
    case sxBoolean: return readLittleEndian(octets, 4) ? "true" : "false";
    case sxInteger: return std::to_string(std::int32_t(readLittleEndian(octets, 4)));
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: case sxMacAddress: case sxIPv6Address:
        return OctetStr::get_printable_hex(octets);
    case sxNull: return "(NULL)";
    case sxObjectId: {
        // A trailing group of fewer than four octets is no sub-identifier.
        std::vector<std::uint32_t> subIds;
        for (std::size_t i = 0; i + 4 <= octets.size(); i += 4)
            subIds.push_back(std::uint32_t(readLittleEndian(octets.substr(i, 4), 4)));
        return KyOid(std::move(subIds)).toString();
    }
    case sxIpAddress: case sxNsapAddr: return formatIPv4Address(octets.substr(0, 4));
    case sxCounter: case sxGauge: case sxUInteger: return std::to_string(readLittleEndian(octets, 4));
    case sxTimeTicks: return TimeTicksToText(std::uint32_t(readLittleEndian(octets, 4)));
    case sxCounter64: return std::to_string(readLittleEndian(octets, 8));
    case sxDouble: return DoubleToText(std::bit_cast<double>(readLittleEndian(octets, 8)));
    case sxDateTime: return KyDateTime::FromWire(octets).ToText();
    case sxBCDateTime: return DayCountToText(std::bit_cast<double>(readLittleEndian(octets, 8)));
    case sxDisplayStr: return octets;
    case sxInetAddress:
        return octets.size() >= 16 ? OctetStr::get_printable_hex(octets) : formatIPv4Address(octets.substr(0, 4));
    case sxBool8: return octets[0] ? "true" : "false";
    case sxInt8: return std::to_string(int(std::int8_t(octets[0])));
    case sxUInt8: return std::to_string(int(std::uint8_t(octets[0])));
    case sxBool16: return readNetworkOrder16(octets) ? "true" : "false";
    default: return std::to_string(readNetworkOrder16(octets));  // sxInt16, sxUInt16
    }
}

std::string ExtractPart(const std::string& octets, int offset, int partSyntax) {
    checkKnown(partSyntax);
    if (octets.empty() || partSyntax == sxNull) return {};
    std::size_t width = 0;
    bool rest = false;
    switch (partSyntax) {
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList: case sxObjectId: case sxDisplayStr:
        rest = true;
        break;
    case sxInetAddress: width = octets.size() > 15 ? 16 : 4; break;
    default: width = std::max<std::size_t>(minimumLength(partSyntax), 1); break;
    }
    if (offset < 0 || std::size_t(offset) > octets.size()) throw KyException(-519);
    if (rest) return octets.substr(std::size_t(offset));
    if (octets.size() - std::size_t(offset) < width) throw KyException(-519);
    return octets.substr(std::size_t(offset), width);
}
