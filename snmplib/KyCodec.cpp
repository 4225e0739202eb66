#include "KyCodec.h"

#include "KyDateTime.h"
#include "KyException.h"
#include "KyIPv4.h"
#include "KyInputError.h"
#include "KyOptionList.h"
#include "KySNMPVarDesc.h"
#include "OctetStr.h"

#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

constexpr std::uint32_t TicksPerDay = 8640000;
// The day count 0 is 1899-12-30, 25569 days before 1970-01-01.
constexpr long long DayCountOfUnixEpoch = 25569;

void checkSyntax(int syntax) {
    switch (syntax) {
    case sxBoolean: case sxInteger: case sxBitStr: case sxOctetStr: case sxNull: case sxObjectId:
    case sxIpAddress: case sxCounter: case sxGauge: case sxTimeTicks: case sxOpaque: case sxNsapAddr:
    case sxCounter64: case sxUInteger: case sxDouble: case sxMacAddress: case sxDateTime:
    case sxBCDateTime: case sxDisplayStr: case sxIPv6Address: case sxBitList: case sxInetAddress:
        return;
    default:
        throw KyException(-511);
    }
}

// Kinds whose empty text is an empty value rather than a null one.
bool isOctetKind(int syntax) {
    return syntax == sxBitStr || syntax == sxOctetStr || syntax == sxOpaque || syntax == sxMacAddress ||
           syntax == sxIPv6Address || syntax == sxBitList || syntax == sxInetAddress;
}

// Whether a received value has the type the syntax is read from. A value of another type is shown by its
// own type, never by reading its bytes as something else.
bool carriesSyntax(int syntax, const KyValue& value) {
    const KyValue::Type type = value.type();
    switch (syntax) {
    case sxBoolean: case sxInteger: return type == KyValue::Integer && value.fitsInt32();
    case sxObjectId: return type == KyValue::ObjectId;
    case sxIpAddress: return type == KyValue::IpAddress;
    case sxNsapAddr: return type == KyValue::NsapAddress || type == KyValue::IpAddress;
    // Agents send counters in the width their own MIB gives: any unsigned count reads as the number.
    case sxCounter: case sxGauge: case sxUInteger: case sxCounter64:
        return type == KyValue::Counter32 || type == KyValue::Gauge32 || type == KyValue::UInteger32
               || type == KyValue::Counter64;
    case sxTimeTicks: return type == KyValue::TimeTicks;
    case sxOpaque: return type == KyValue::Opaque || type == KyValue::OctetString;
    case sxNull: return false;
    default: return type == KyValue::OctetString;
    }
}

std::string hex(std::string_view octets) { return OctetStr::get_printable_hex(octets); }

std::string dottedOrHex(std::string_view octets) {
    return octets.size() == 4 ? formatIPv4Address(octets) : hex(octets);
}

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

// A decimal number filling the whole text (blanks around it allowed), within the range of T.
template <class T>
T parseNumber(std::string_view text) {
    text = trimmed(text);
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throwNumberRangeError(std::int64_t(std::numeric_limits<T>::min()),
                              std::uint64_t(std::numeric_limits<T>::max()));
    return value;
}

// Doubles travel as their 8 bytes, least significant first.
double doubleOf(std::uint64_t bits) { return std::bit_cast<double>(bits); }
double doubleOf(std::string_view eight) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= std::uint64_t(std::uint8_t(eight[i])) << (8 * i);
    return doubleOf(bits);
}
std::string octetsOf(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string octets;
    for (int i = 0; i < 8; ++i) octets += char(bits >> (8 * i));
    return octets;
}

std::string textOfType(const KyValue& v) {
    switch (v.type()) {
    case KyValue::Integer: return std::to_string(v.toInt64());
    case KyValue::Counter32: case KyValue::Gauge32: case KyValue::UInteger32: return std::to_string(v.toUInt32());
    case KyValue::TimeTicks: return TimeTicksToText(v.toUInt32());
    case KyValue::Counter64: return std::to_string(v.toUInt64());
    case KyValue::ObjectId: return v.oid().toString();
    case KyValue::IpAddress: return dottedOrHex(v.bytes());
    default: return hex(v.bytes());
    }
}

std::string textOfSyntax(int syntax, const KyValue& v) {
    const std::string& b = v.bytes();
    switch (syntax) {
    case sxBoolean: return v.toInt32() ? "true" : "false";
    case sxIpAddress: case sxNsapAddr: case sxInetAddress: return dottedOrHex(b);
    case sxDouble: return b.size() == 8 ? DoubleToText(doubleOf(b)) : hex(b);
    case sxBCDateTime: return b.size() == 8 ? DayCountToText(doubleOf(b)) : hex(b);
    case sxDateTime: return b.empty() ? std::string() : KyDateTime::FromWire(b).ToText();
    case sxDisplayStr: return b.substr(0, b.find('\0'));
    default: return textOfType(v);
    }
}

std::string ipv4Octets(std::string_view text) {
    if (auto octets = parseIPv4Address(text)) return *octets;
    throw KyException(-19);
}

std::string hexOctets(std::string_view text, int errorCode = 0) {
    if (auto octets = OctetStr::from_hex_string(text)) return *octets;
    if (errorCode) throw KyException(errorCode);
    throwHexError();
}

std::string hexOctetsOfWidth(std::string_view text, std::size_t width, int errorCode) {
    std::string octets = hexOctets(text, errorCode);
    if (octets.size() != width) throw KyException(errorCode);
    return octets;
}

// InetAddress texts: dotted IPv4, 32 hex digits of IPv6, or those with "%" and the zone index.
std::string inetAddressOctets(std::string_view text) {
    if (text.find('%') != std::string_view::npos) return hexOctetsOfWidth(text, 20, -21);
    if (text.size() < 16) return ipv4Octets(text);
    return hexOctetsOfWidth(text, 16, -21);
}

// A value is also written back as it was read: the hex of an IPv4 or IPv6 address with its zone.
std::string inetValueOctets(std::string_view text) {
    if (text.find('%') != std::string_view::npos || text.size() < 16) return inetAddressOctets(text);
    std::string octets = hexOctets(text, -21);
    if (octets.size() != 8 && octets.size() != 16 && octets.size() != 20) throw KyException(-21);
    return octets;
}

// A cursor over "h:mm:ss.cc" style texts.
struct Scanner {
    std::string_view text;
    std::size_t pos = 0;

    bool literal(std::string_view s) {
        if (text.substr(pos, s.size()) != s) return false;
        pos += s.size();
        return true;
    }
    // minDigits..maxDigits decimal digits.
    std::optional<std::uint64_t> number(std::size_t minDigits, std::size_t maxDigits) {
        const std::size_t start = pos;
        std::uint64_t value = 0;
        while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9')
            value = value * 10 + unsigned(text[pos++] - '0');
        if (pos - start < minDigits) return std::nullopt;
        return value;
    }
    bool atEnd() const { return pos == text.size(); }
};

[[noreturn]] void failTicks() { throwNumberRangeError(0, UINT32_MAX); }
[[noreturn]] void failDayCount() { throwNumberRangeError("0001/01/01 00:00:00", "9999/12/31 23:59:59"); }

}  // namespace

std::string TimeTicksToText(std::uint32_t ticks) {
    const std::uint32_t days = ticks / TicksPerDay;
    std::uint32_t rest = ticks % TicksPerDay;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%u:%02u:%02u.%02u", rest / 360000, rest / 6000 % 60, rest / 100 % 60,
                  rest % 100);
    if (days == 0) return clock;
    if (days == 1) return std::string("1 day ") + clock;
    return std::to_string(days) + " days, " + clock;
}

std::uint32_t TextToTimeTicks(std::string_view text) {
    text = trimmed(text);
    Scanner s{text};
    auto first = s.number(1, 10);
    if (!first) failTicks();
    if (s.atEnd()) {
        if (*first > UINT32_MAX) failTicks();
        return std::uint32_t(*first);
    }
    std::uint64_t days = 0;
    auto hours = first;
    if (s.literal(" day ") || s.literal(" days, ")) {
        days = *first;
        hours = s.number(1, 2);
        if (!hours || *hours >= 24) failTicks();
    }
    if (!s.literal(":")) failTicks();
    const auto minutes = s.number(2, 2);
    if (!minutes || *minutes >= 60 || !s.literal(":")) failTicks();
    const auto seconds = s.number(2, 2);
    if (!seconds || *seconds >= 60 || !s.literal(".")) failTicks();
    const auto hundredths = s.number(2, 2);
    if (!hundredths || !s.atEnd()) failTicks();
    const std::uint64_t ticks = days * TicksPerDay + *hours * 360000 + *minutes * 6000 + *seconds * 100 + *hundredths;
    if (ticks > UINT32_MAX) failTicks();
    return std::uint32_t(ticks);
}

std::string DoubleToText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

double TextToDouble(std::string_view text) {
    text = trimmed(text);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        throwNumberRangeError(DoubleToText(std::numeric_limits<double>::lowest()),
                              DoubleToText(std::numeric_limits<double>::max()));
    return value;
}

std::string DayCountToText(double days) {
    using namespace std::chrono;
    // 0001-01-01 and 10000-01-01 as day counts; other values are no date.
    if (!std::isfinite(days) || days < -693593 || days >= 2958466) return DoubleToText(days);
    const double whole = std::trunc(days);
    // Before the epoch the fraction still counts forward from midnight.
    long long ms = std::llround(std::fabs(days - whole) * 86400000.0);
    if (ms >= 86400000) ms = 86399999;
    const year_month_day date{sys_days{std::chrono::days{(long long)whole - DayCountOfUnixEpoch}}};
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02u/%02u %02lld:%02lld:%02lld", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), ms / 3600000, ms / 60000 % 60, ms / 1000 % 60);
    return text;
}

double TextToDayCount(std::string_view text) {
    using namespace std::chrono;
    Scanner s{trimmed(text)};
    // year/month/day hour:minute:second
    static const std::string_view separators[] = {"", "/", "/", " ", ":", ":"};
    unsigned v[6];
    for (int i = 0; i < 6; ++i) {
        const auto number = s.literal(separators[i]) ? s.number(i ? 2 : 4, i ? 2 : 4) : std::nullopt;
        if (!number) failDayCount();
        v[i] = unsigned(*number);
    }
    if (!s.atEnd() || v[0] == 0 || v[3] >= 24 || v[4] >= 60 || v[5] >= 60) failDayCount();
    const year_month_day date{year(int(v[0])), month(v[1]), day(v[2])};
    if (!date.ok()) failDayCount();
    const double dayCount = double(sys_days(date).time_since_epoch().count() + DayCountOfUnixEpoch);
    const double time = double(v[3] * 3600 + v[4] * 60 + v[5]) / 86400.0;
    return dayCount >= 0 ? dayCount + time : dayCount - time;
}

std::string VbToText(int syntax, const KyValue& value, const KyOptionList* options) {
    checkSyntax(syntax);
    std::string text;
    if (!value.isNull())
        text = carriesSyntax(syntax, value) ? textOfSyntax(syntax, value) : WrongTypeMarker + textOfType(value);
    if (text.empty() && !isOctetKind(syntax) && syntax != sxDisplayStr) text = "(NULL)";
    return options ? options->ValueToLabel(text) : text;
}

KyValue TextToVb(int syntax, const std::string& text, const KyOptionList* options) {
    checkSyntax(syntax);
    const std::string t = options ? options->LabelToValue(text) : text;
    if (t == "(NULL)") return KyValue::null();
    switch (syntax) {
    case sxBoolean: return KyValue::integer(t == "true");
    case sxInteger: return KyValue::integer(parseNumber<std::int32_t>(t));
    case sxBitStr: case sxOctetStr: case sxOpaque: case sxBitList:
        return KyValue::octets(KyValue::OctetString, hexOctets(t));
    case sxNull: return KyValue::null();
    case sxObjectId: return KyValue::objectId(KyOid::parse(t));
    case sxIpAddress: case sxNsapAddr: return KyValue::octets(KyValue::IpAddress, ipv4Octets(t));
    case sxCounter: case sxGauge: case sxUInteger:
        return KyValue::unsigned32(KyValue::Gauge32, parseNumber<std::uint32_t>(t));
    case sxTimeTicks: return KyValue::unsigned32(KyValue::TimeTicks, TextToTimeTicks(t));
    case sxCounter64: return KyValue::counter64(parseNumber<std::uint64_t>(t));
    case sxDouble: return KyValue::octets(KyValue::OctetString, octetsOf(TextToDouble(t)));
    case sxMacAddress: return KyValue::octets(KyValue::OctetString, hexOctets(t, -23));
    case sxDateTime: return KyValue::octets(KyValue::OctetString, KyDateTime(t).ToWire());
    case sxBCDateTime: return KyValue::octets(KyValue::OctetString, octetsOf(TextToDayCount(t)));
    case sxDisplayStr: return KyValue::octets(KyValue::OctetString, t);
    case sxIPv6Address: return KyValue::octets(KyValue::OctetString, hexOctets(t, -21));
    default:  // sxInetAddress; the empty address stays empty
        return KyValue::octets(KyValue::OctetString, t.empty() ? t : inetValueOctets(t));
    }
}

std::string DecodeIndexPart(int syntax, std::span<const std::uint32_t>& instance, KyKeyPlace place,
                            const KyOptionList* options) {
    checkSyntax(syntax);
    const std::size_t n = instance.size();
    const bool lastImplied = place.Last && place.Implied;
    std::size_t used = 0;
    // Octets are the low 8 bits of their sub-identifiers.
    const auto octets = [&](std::size_t from, std::size_t count) {
        std::string s;
        for (std::size_t i = from; i < from + count; ++i) s += char(instance[i] & 0xFF);
        return s;
    };
    // A fixed-width key; a shorter instance is used up and reads as the empty text.
    const auto fixed = [&](std::size_t width) {
        used = std::min(width, n);
        return n >= width;
    };
    // A string or OID key: its length comes first unless it is the last IMPLIED key.
    const auto counted = [&](std::size_t& from, std::size_t& count) {
        if (lastImplied) {
            from = 0, count = used = n;
            return true;
        }
        if (n == 0 || instance[0] > n - 1) {
            used = n;
            return false;
        }
        from = 1, count = instance[0], used = count + 1;
        return true;
    };
    const auto high32 = [&] { return std::uint64_t(instance[0]) << 32 | instance[1]; };
    const auto low32First = [&] { return std::uint64_t(instance[1]) << 32 | instance[0]; };

    std::string text;
    std::size_t from = 0, count = 0;
    switch (syntax) {
    case sxBoolean: if (fixed(1)) text = instance[0] ? "true" : "false"; break;
    case sxInteger: if (fixed(1)) text = std::to_string(std::int32_t(instance[0])); break;
    case sxCounter: case sxGauge: case sxUInteger: if (fixed(1)) text = std::to_string(instance[0]); break;
    case sxTimeTicks: if (fixed(1)) text = TimeTicksToText(instance[0]); break;
    case sxCounter64: if (fixed(2)) text = std::to_string(high32()); break;
    case sxDouble: if (fixed(2)) text = DoubleToText(doubleOf(low32First())); break;
    case sxBCDateTime: if (fixed(2)) text = DayCountToText(doubleOf(low32First())); break;
    case sxNull: text = "(NULL)"; break;
    case sxIpAddress: case sxNsapAddr: if (fixed(4)) text = formatIPv4Address(octets(0, 4)); break;
    case sxMacAddress: if (fixed(6)) text = hex(octets(0, 6)); break;
    case sxDateTime: if (fixed(11)) text = KyDateTime::FromWire(octets(0, 11)).ToText(); break;
    case sxIPv6Address:
        if (lastImplied) text = hex(octets(0, used = n));
        else if (fixed(16)) text = hex(octets(0, 16));
        break;
    case sxObjectId:
        if (counted(from, count))
            text = KyOid(std::vector<std::uint32_t>(instance.begin() + from, instance.begin() + from + count)).toString();
        break;
    case sxDisplayStr: if (counted(from, count)) text = octets(from, count); break;
    case sxInetAddress:
        if (!place.Last && !place.Implied) {
            if (n > 16) text = hex(octets(0, used = 16));
            else if (fixed(4)) text = formatIPv4Address(octets(0, 4));
        } else if (n <= 4) {
            if (fixed(4)) text = formatIPv4Address(octets(0, 4));
        } else if (n == 5) {  // length 4, then the address
            text = formatIPv4Address(octets(1, 4)), used = 5;
        } else if (n <= 16) {
            text = hex(octets(0, used = n));
        } else if (fixed(20)) {  // 16 octets and the zone index
            const std::uint32_t zone = std::uint32_t(instance[16] & 0xFF) << 24 | (instance[17] & 0xFF) << 16 |
                                       (instance[18] & 0xFF) << 8 | (instance[19] & 0xFF);
            text = hex(octets(0, 16)) + '%' + std::to_string(zone);
        }
        break;
    default:  // octet strings shown as hex
        if (counted(from, count)) text = hex(octets(from, count));
        break;
    }
    instance = instance.subspan(used);
    return options ? options->ValueToLabel(text) : text;
}

KyOid EncodeIndexPart(int syntax, const std::string& text, KyKeyPlace place, const KyOptionList* options) {
    checkSyntax(syntax);
    const std::string t = options ? options->LabelToValue(text) : text;
    const bool counted = !(place.Last && place.Implied);
    KyOid out;
    const auto appendOctets = [&](std::string_view octets, bool withLength) {
        if (withLength) out.append(std::uint32_t(octets.size()));
        for (unsigned char c : octets) out.append(c);
    };
    const auto append64 = [&](std::uint64_t high, std::uint64_t low) {
        out.append(std::uint32_t(high));
        out.append(std::uint32_t(low));
    };
    switch (syntax) {
    case sxBoolean: out.append(t == "true"); break;
    case sxInteger: out.append(std::uint32_t(parseNumber<std::int32_t>(t))); break;
    case sxCounter: case sxGauge: case sxUInteger: out.append(parseNumber<std::uint32_t>(t)); break;
    case sxTimeTicks: out.append(TextToTimeTicks(t)); break;
    case sxCounter64: {
        const std::uint64_t v = parseNumber<std::uint64_t>(t);
        append64(v >> 32, v);
        break;
    }
    case sxDouble: case sxBCDateTime: {
        const double v = syntax == sxDouble ? TextToDouble(t) : TextToDayCount(t);
        const auto bits = std::bit_cast<std::uint64_t>(v);
        append64(bits, bits >> 32);
        break;
    }
    case sxNull: break;
    case sxObjectId: {
        const KyOid oid = KyOid::parse(t);
        if (counted) out.append(std::uint32_t(oid.size()));
        out.append(oid);
        break;
    }
    case sxDisplayStr: appendOctets(t, counted); break;
    case sxIpAddress: case sxNsapAddr: appendOctets(ipv4Octets(t), false); break;
    case sxMacAddress: appendOctets(hexOctetsOfWidth(t, 6, -23), false); break;
    case sxIPv6Address: appendOctets(hexOctetsOfWidth(t, 16, -21), false); break;
    case sxDateTime: appendOctets(KyDateTime(t).ToWire(), false); break;
    case sxInetAddress: appendOctets(inetAddressOctets(t), false); break;
    default: appendOctets(hexOctets(t), counted); break;
    }
    return out;
}
