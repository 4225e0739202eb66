#include "KyCodec.h"
#include "KyDateTime.h"
#include "KyException.h"
#include "KyIPv4.h"
#include "KyOptionList.h"
#include "KySNMPVarDesc.h"
#include "OctetStr.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace {

std::string bytes(std::initializer_list<int> octets) {
    std::string s;
    for (int o : octets) s += char(o);
    return s;
}

KyValue os(std::initializer_list<int> octets) { return KyValue::octets(KyValue::OctetString, bytes(octets)); }
KyValue os(std::string octets) { return KyValue::octets(KyValue::OctetString, std::move(octets)); }

std::string doubleBytes(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    std::string s;
    for (int i = 0; i < 8; ++i) s += char(bits >> (8 * i));
    return s;
}

const KyOptionItem EnabledDisabledRows[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const KyOptionList EnabledDisabled(EnabledDisabledRows);

const std::string ipv6Text = "FE800000000000000211223344556677";
const std::string ipv6Octets =
    bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77});
const std::vector<std::uint32_t> ipv6SubIds = {0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};

// 2010-04-19 02:15:52 as a day count since 1899-12-30.
const double dayCount = 40287 + (2 * 3600 + 15 * 60 + 52) / 86400.0;

const int allSyntaxes[] = {sxBoolean, sxInteger, sxBitStr, sxOctetStr, sxNull, sxObjectId, sxIpAddress,
                           sxCounter, sxGauge, sxTimeTicks, sxOpaque, sxNsapAddr, sxCounter64, sxUInteger,
                           sxDouble, sxMacAddress, sxDateTime, sxBCDateTime, sxDisplayStr, sxIPv6Address,
                           sxBitList, sxInetAddress};

int codeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const KyException& e) {
        return e.code();
    }
    return 0;
}

// Values that read as the text and are written back as the same value.
struct RoundTrip {
    const char* name;
    int syntax;
    KyValue value;
    std::string text;
};

const RoundTrip roundTrips[] = {
    {"boolean true", sxBoolean, KyValue::integer(1), "true"},
    {"boolean false", sxBoolean, KyValue::integer(0), "false"},
    {"negative integer", sxInteger, KyValue::integer(-5), "-5"},
    {"integer minimum", sxInteger, KyValue::integer(INT32_MIN), "-2147483648"},
    {"integer maximum", sxInteger, KyValue::integer(INT32_MAX), "2147483647"},
    {"octet string as compact hex", sxOctetStr, os({0x00, 0x1A, 0xFF}), "001AFF"},
    {"empty octet string", sxOctetStr, os(""), ""},
    {"bit string", sxBitStr, os({0x80, 0x01}), "8001"},
    {"bit list", sxBitList, os({0xF2}), "F2"},
    {"opaque", sxOpaque, os({0x9F, 0x78}), "9F78"},
    {"null", sxNull, KyValue::null(), "(NULL)"},
    {"object identifier", sxObjectId, KyValue::objectId({1, 3, 6, 1, 4, 1, 32473, 4294967295u}),
     "1.3.6.1.4.1.32473.4294967295"},
    {"ip address", sxIpAddress, KyValue::octets(KyValue::IpAddress, bytes({10, 0, 0, 1})), "10.0.0.1"},
    {"nsap address", sxNsapAddr, KyValue::octets(KyValue::IpAddress, bytes({192, 168, 0, 255})), "192.168.0.255"},
    {"gauge zero", sxGauge, KyValue::unsigned32(KyValue::Gauge32, 0), "0"},
    {"counter maximum", sxCounter, KyValue::unsigned32(KyValue::Gauge32, UINT32_MAX), "4294967295"},
    {"unsigned integer", sxUInteger, KyValue::unsigned32(KyValue::Gauge32, 3000000000u), "3000000000"},
    {"time ticks under a day", sxTimeTicks, KyValue::unsigned32(KyValue::TimeTicks, 3 * 360000 + 4 * 6000 + 506),
     "3:04:05.06"},
    {"time ticks of one day", sxTimeTicks, KyValue::unsigned32(KyValue::TimeTicks, 8640001), "1 day 0:00:00.01"},
    {"time ticks over a day", sxTimeTicks, KyValue::unsigned32(KyValue::TimeTicks, 18384506), "2 days, 3:04:05.06"},
    {"time ticks maximum", sxTimeTicks, KyValue::unsigned32(KyValue::TimeTicks, UINT32_MAX), "497 days, 2:27:52.95"},
    {"counter64 zero", sxCounter64, KyValue::counter64(0), "0"},
    {"counter64 beyond 32 bits", sxCounter64, KyValue::counter64(4294967296ull), "4294967296"},
    {"counter64 maximum", sxCounter64, KyValue::counter64(UINT64_MAX), "18446744073709551615"},
    {"double", sxDouble, os(doubleBytes(-0.1)), "-0.1"},
    {"double with 15 digits", sxDouble, os(doubleBytes(123456.789012345)), "123456.789012345"},
    {"mac address", sxMacAddress, os({0x00, 0x11, 0x22, 0xAA, 0xBB, 0xCC}), "001122AABBCC"},
    {"date and time with zone", sxDateTime, os({0x07, 0xDA, 0x04, 0x13, 0x02, 0x0F, 0x34, 0x00, '+', 0x08, 0x00}),
     "2010-4-19,2:15:52.0,+8:0"},
    {"date and time west of UTC", sxDateTime, os({0x07, 0xDA, 0x0C, 0x1F, 0x17, 0x3B, 0x3C, 0x09, '-', 0x05, 0x1E}),
     "2010-12-31,23:59:60.9,-5:30"},
    {"date and time without zone", sxDateTime, os({0x07, 0xDA, 0x04, 0x13, 0x02, 0x0F, 0x34, 0x00, '+', 0, 0}),
     "2010-4-19,2:15:52.0"},
    {"day count", sxBCDateTime, os(doubleBytes(dayCount)), "2010/04/19 02:15:52"},
    {"day count before 1899-12-30", sxBCDateTime, os(doubleBytes(-1.25)), "1899/12/29 06:00:00"},
    {"display string", sxDisplayStr, os("Port 1"), "Port 1"},
    {"display string with 8-bit octets", sxDisplayStr, os(bytes({'c', 0xE9, 0xFF, 0x80})), bytes({'c', 0xE9, 0xFF, 0x80})},
    {"empty display string", sxDisplayStr, os(""), ""},
    {"ipv6 address", sxIPv6Address, os(ipv6Octets), ipv6Text},
    {"inet address ipv4", sxInetAddress, os({10, 1, 2, 3}), "10.1.2.3"},
    {"inet address ipv4 starting with 0", sxInetAddress, os({0, 1, 2, 3}), "0.1.2.3"},
    {"inet address ipv6", sxInetAddress, os(ipv6Octets), ipv6Text},
    {"inet address ipv6 with its zone, as read", sxInetAddress, os(ipv6Octets + bytes({0, 0, 0, 5})), ipv6Text + "00000005"},
    {"empty inet address", sxInetAddress, os(""), ""},
};

TEST(ValueCodec, EverySyntaxReadsAndWritesItsText) {
    for (const RoundTrip& c : roundTrips) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VbToText(c.syntax, c.value), c.text);
        EXPECT_EQ(TextToVb(c.syntax, c.text), c.value);
    }
}

struct Reading {
    const char* name;
    int syntax;
    KyValue value;
    std::string text;
};

TEST(ValueCodec, ReadsWhatTheAgentSends) {
    const Reading cases[] = {
        {"counter32 as sent", sxCounter, KyValue::unsigned32(KyValue::Counter32, UINT32_MAX), "4294967295"},
        {"null integer", sxInteger, KyValue::null(), "(NULL)"},
        {"null object identifier", sxObjectId, KyValue::null(), "(NULL)"},
        {"null date and time", sxDateTime, KyValue::null(), "(NULL)"},
        {"null octet string", sxOctetStr, KyValue::null(), ""},
        {"null inet address", sxInetAddress, KyValue::null(), ""},
        {"null display string", sxDisplayStr, KyValue::null(), ""},
        {"noSuchInstance", sxInteger, KyValue::null(KyValue::NoSuchInstance), "(NULL)"},
        {"noSuchObject", sxCounter64, KyValue::null(KyValue::NoSuchObject), "(NULL)"},
        {"endOfMibView", sxDisplayStr, KyValue::null(KyValue::EndOfMibView), ""},
        {"empty date and time", sxDateTime, os(""), "(NULL)"},
        {"date and time of 8 octets", sxDateTime, os({0x07, 0xDA, 0x04, 0x13, 0x02, 0x0F, 0x34, 0x00}),
         "2010-4-19,2:15:52.0"},
        {"truncated date and time", sxDateTime, os({0x07, 0xCA, 0x05}), "1994-5-0,0:0:0.0"},
        {"date and time with zero zone and minus", sxDateTime,
         os({0x07, 0xDA, 0x04, 0x13, 0x02, 0x0F, 0x34, 0x00, '-', 0, 0}), "2010-4-19,2:15:52.0"},
        {"inet address of odd length", sxInetAddress, os({1, 2, 3}), "010203"},
        {"short double", sxDouble, os({1, 2, 3}), "010203"},
        {"display string ends at its first zero octet", sxDisplayStr, os(std::string("ab\0cd", 5)), "ab"},
        {"display string padded with zeros", sxDisplayStr, os(std::string("lab\0\0\0", 6)), "lab"},
        {"integer column answered with octets", sxInteger, os({0xAB}), "(WRONGTYPE)AB"},
        {"string column answered with an integer", sxDisplayStr, KyValue::integer(5), "(WRONGTYPE)5"},
        {"mac column answered with ticks", sxMacAddress, KyValue::unsigned32(KyValue::TimeTicks, 100),
         "(WRONGTYPE)0:00:01.00"},
        {"ip column answered with an oid", sxIpAddress, KyValue::objectId({1, 3}), "(WRONGTYPE)1.3"},
        {"integer beyond Integer32", sxInteger, KyValue::integer(4294967296LL), "(WRONGTYPE)4294967296"},
        {"integer below Integer32", sxInteger, KyValue::integer(-2147483649LL), "(WRONGTYPE)-2147483649"},
        {"enumeration beyond Integer32", sxInteger, KyValue::integer(4294967298LL), "(WRONGTYPE)4294967298"},
        // Agents send a counter of the standard MIB's width, whatever the table declares.
        {"counter64 column answered with a counter32", sxCounter64, KyValue::unsigned32(KyValue::Counter32, 4000000000u),
         "4000000000"},
        {"counter64 column answered with a gauge32", sxCounter64, KyValue::unsigned32(KyValue::Gauge32, 7), "7"},
        {"counter32 column answered with a counter64", sxCounter, KyValue::counter64(5000000000ULL), "5000000000"},
        {"gauge column answered with a counter64", sxGauge, KyValue::counter64(12), "12"},
        {"counter64 column answered with an integer", sxCounter64, KyValue::integer(5), "(WRONGTYPE)5"},
        {"counter64 column answered with ticks", sxCounter64, KyValue::unsigned32(KyValue::TimeTicks, 100),
         "(WRONGTYPE)0:00:01.00"},
        {"counter64 column answered with octets", sxCounter64, os({0x01}), "(WRONGTYPE)01"},
        {"counter column answered with an integer", sxCounter, KyValue::integer(3), "(WRONGTYPE)3"},
    };
    for (const Reading& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VbToText(c.syntax, c.value), c.text);
    }
}

TEST(ValueCodec, OptionLabelsReplaceValuesBothWays) {
    EXPECT_EQ(VbToText(sxInteger, KyValue::integer(2), &EnabledDisabled), "disabled");
    EXPECT_EQ(VbToText(sxInteger, KyValue::integer(3), &EnabledDisabled), "3");
    EXPECT_EQ(TextToVb(sxInteger, "disabled", &EnabledDisabled), KyValue::integer(2));
    EXPECT_EQ(TextToVb(sxInteger, "3", &EnabledDisabled), KyValue::integer(3));
}

TEST(ValueCodec, WritesTheForgivingForms) {
    const RoundTrip cases[] = {
        {"hex with blanks between octets", sxOctetStr, os({0x00, 0x1A, 0xFF}), "00 1A FF"},
        {"hex in lower case", sxOctetStr, os({0x00, 0x1A, 0xFF}), "001aff"},
        {"number with blanks around it", sxInteger, KyValue::integer(42), " 42 "},
        {"ticks as a plain number", sxTimeTicks, KyValue::unsigned32(KyValue::TimeTicks, 12345), "12345"},
        {"leading zeros in an address are decimal", sxIpAddress, KyValue::octets(KyValue::IpAddress, bytes({10, 0, 0, 1})),
         "010.0.0.001"},
        {"oid with a leading dot", sxObjectId, KyValue::objectId({1, 3, 6}), ".1.3.6"},
        {"date and time without zone writes +0:0", sxDateTime,
         os({0x07, 0xDA, 0x04, 0x13, 0x02, 0x0F, 0x34, 0x00, '+', 0, 0}), "2010-4-19,2:15:52.0"},
        {"date alone", sxDateTime, os({0x07, 0xDA, 0x04, 0x13, 0, 0, 0, 0, '+', 0, 0}), "2010-4-19"},
        {"zoned ipv6 inet address", sxInetAddress, os(ipv6Octets + bytes({0, 0, 1, 2})), ipv6Text + "%258"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextToVb(c.syntax, c.text), c.value);
    }
}

TEST(ValueCodec, NullTextWritesNullForEverySyntax) {
    for (int syntax : allSyntaxes) {
        SCOPED_TRACE(syntax);
        EXPECT_TRUE(TextToVb(syntax, "(NULL)").isNull());
    }
}

struct BadText {
    const char* name;
    int syntax;
    std::string text;
    int code;
};

// Text that cannot be the value is refused; nothing is ever written as 0, FF FF FF FF or zero bytes.
TEST(ValueCodec, RefusesTextThatIsNoValue) {
    const BadText cases[] = {
        {"word as integer", sxInteger, "abc", -8},
        {"empty integer", sxInteger, "", -8},
        {"number followed by a word", sxInteger, "12abc", -8},
        {"integer above 2^31-1", sxInteger, "2147483648", -8},
        {"integer below -2^31", sxInteger, "-2147483649", -8},
        {"integer read with the agent's wrong type", sxInteger, "(WRONGTYPE)AB", -8},
        {"unknown option label", sxInteger, "disable", -8},
        {"negative counter", sxCounter, "-1", -8},
        {"gauge above 2^32-1", sxGauge, "4294967296", -8},
        {"unsigned far beyond", sxUInteger, "99999999999999999999", -8},
        {"counter64 beyond 2^64-1", sxCounter64, "18446744073709551616", -8},
        {"negative counter64", sxCounter64, "-1", -8},
        {"ticks beyond 2^32-1", sxTimeTicks, "497 days, 2:27:52.96", -8},
        {"ticks with 24 hours after days", sxTimeTicks, "1 day 24:00:00.00", -8},
        {"ticks with 60 minutes", sxTimeTicks, "1:60:00.00", -8},
        {"ticks as a word", sxTimeTicks, "soon", -8},
        {"short ip address", sxIpAddress, "10.1", -19},
        {"ip part above 255", sxIpAddress, "256.0.0.1", -19},
        {"ip address in hex", sxIpAddress, "0x0A.0.0.1", -19},
        {"five ip parts", sxIpAddress, "1.2.3.4.5", -19},
        {"empty ip address", sxIpAddress, "", -19},
        {"inet address shorthand", sxInetAddress, "10.1", -19},
        {"inet address part above 255", sxInetAddress, "300.1.1.1", -19},
        {"inet address of 32 non-hex characters", sxInetAddress, std::string(32, 'x'), -21},
        {"inet address of 18 octets", sxInetAddress, ipv6Text + "0102", -21},
        {"inet address with a bad zone", sxInetAddress, ipv6Text + "%eth0", -21},
        {"inet address with a zone beyond 2^32-1", sxInetAddress, ipv6Text + "%4294967296", -21},
        {"non-hex octet", sxOctetStr, "0G", -7},
        {"odd hex digits", sxOctetStr, "01AFF", -7},
        {"blank inside an octet", sxBitStr, "0 1AF", -7},
        {"bad mac", sxMacAddress, "00-11-22-33-44-55", -23},
        {"bad ipv6", sxIPv6Address, "FE80::1", -21},
        {"oid with empty part", sxObjectId, "1..3", -417},
        {"oid with a word", sxObjectId, "1.3.x", -417},
        {"oid part beyond 2^32-1", sxObjectId, "1.3.4294967296", -417},
        {"date and time with a bad zone sign", sxDateTime, "2010-4-19,2:15:52.0,*8:0", -8},
        {"date and time without a day", sxDateTime, "2010-4", -8},
        {"date and time year beyond 16 bits", sxDateTime, "70000-1-1,0:0:0.0", -8},
        {"date and time day beyond 8 bits", sxDateTime, "2010-4-300,0:0:0.0", -8},
        {"date and time followed by a word", sxDateTime, "2010-4-19,2:15:52.0 x", -8},
        {"day count of an impossible date", sxBCDateTime, "2010/02/30 00:00:00", -8},
        {"day count in another form", sxBCDateTime, "19.04.2010 02:15:52", -8},
        {"double followed by a word", sxDouble, "1.5x", -8},
    };
    for (const BadText& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codeOf([&] { TextToVb(c.syntax, c.text); }), c.code);
    }
}

TEST(ValueCodec, NumberErrorNamesTheRange) {
    try {
        TextToVb(sxInteger, "x");
        FAIL();
    } catch (const KyException& e) {
        EXPECT_STREQ(e.what(), " Please enter a number between -2147483648 and 2147483647!");
    }
}

TEST(ValueCodec, UnknownSyntaxIsRefusedEverywhere) {
    std::span<const std::uint32_t> instance;
    for (int syntax : {0, 7, int(sxBool8), int(sxUInt16), 200}) {
        SCOPED_TRACE(syntax);
        EXPECT_EQ(codeOf([&] { VbToText(syntax, KyValue::integer(1)); }), -511);
        EXPECT_EQ(codeOf([&] { TextToVb(syntax, "1"); }), -511);
        EXPECT_EQ(codeOf([&] { DecodeIndexPart(syntax, instance); }), -511);
        EXPECT_EQ(codeOf([&] { EncodeIndexPart(syntax, "1"); }), -511);
    }
}

// One key column: the instance it is read from and the value text.
struct Key {
    const char* name;
    int syntax;
    KyKeyPlace place;
    std::vector<std::uint32_t> instance;  // the key's sub-identifiers, then one that belongs to the next key
    std::string text;
    std::size_t width;                    // sub-identifiers of the key
};

constexpr KyKeyPlace middle{false, false};
constexpr KyKeyPlace last{true, false};
constexpr KyKeyPlace lastImplied{true, true};

std::vector<std::uint32_t> concat(std::vector<std::uint32_t> a, const std::vector<std::uint32_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Key keys[] = {
    {"integer", sxInteger, middle, {5, 10}, "5", 1},
    {"negative integer", sxInteger, middle, {4294967295u, 1}, "-1", 1},
    {"boolean", sxBoolean, middle, {1, 0}, "true", 1},
    {"gauge", sxGauge, middle, {4294967295u, 3}, "4294967295", 1},
    {"time ticks", sxTimeTicks, middle, {8640000, 3}, "1 day 0:00:00.00", 1},
    {"counter64", sxCounter64, middle, {1, 2, 3}, "4294967298", 2},
    {"double", sxDouble, middle, {0, 0x3FF80000, 3}, "1.5", 2},
    {"null", sxNull, middle, {7}, "(NULL)", 0},
    {"ip address", sxIpAddress, middle, {10, 0, 0, 1, 7}, "10.0.0.1", 4},
    {"ip address as last key", sxIpAddress, last, {192, 168, 1, 1, 7}, "192.168.1.1", 4},
    {"length-prefixed octets", sxOctetStr, middle, {4, 192, 168, 1, 1, 7}, "C0A80101", 5},
    {"length-prefixed octets as last key", sxOctetStr, last, {4, 192, 168, 1, 1, 7}, "C0A80101", 5},
    {"IMPLIED octets", sxOctetStr, lastImplied, {192, 168, 1, 1}, "C0A80101", 4},
    {"empty length-prefixed bit list", sxBitList, middle, {0, 7}, "", 1},
    {"length-prefixed display string", sxDisplayStr, middle, {3, 97, 98, 99, 7}, "abc", 4},
    {"IMPLIED display string", sxDisplayStr, lastImplied, {97, 98, 99}, "abc", 3},
    {"display string with 8-bit and zero octets", sxDisplayStr, middle, {3, 0xE9, 0, 98, 7}, std::string("\xE9\0b", 3), 4},
    {"length-prefixed oid", sxObjectId, middle, {3, 1, 3, 6, 9}, "1.3.6", 4},
    {"IMPLIED oid", sxObjectId, lastImplied, {1, 3, 6, 1, 4294967295u}, "1.3.6.1.4294967295", 5},
    {"mac address", sxMacAddress, middle, {0, 0x11, 0x22, 0x33, 0x44, 0xAA, 9}, "0011223344AA", 6},
    {"ipv6 address", sxIPv6Address, middle, concat(ipv6SubIds, {9}), ipv6Text, 16},
    {"IMPLIED ipv6 address", sxIPv6Address, lastImplied, ipv6SubIds, ipv6Text, 16},
    {"date and time", sxDateTime, middle, {7, 0xDA, 4, 19, 2, 15, 52, 0, '+', 8, 0, 9}, "2010-4-19,2:15:52.0,+8:0", 11},
    {"inet ipv4 in the middle", sxInetAddress, middle, {10, 1, 2, 3, 7}, "10.1.2.3", 4},
    {"inet ipv6 in the middle", sxInetAddress, middle, concat(ipv6SubIds, {7}), ipv6Text, 16},
    {"inet ipv4 as last key", sxInetAddress, last, {10, 1, 2, 3}, "10.1.2.3", 4},
    {"inet ipv6 as last key", sxInetAddress, last, ipv6SubIds, ipv6Text, 16},
    {"zoned inet ipv6 as last key", sxInetAddress, last, concat(ipv6SubIds, {0, 0, 0, 5}), ipv6Text + "%5", 20},
    {"zoned inet ipv6 with a large zone", sxInetAddress, lastImplied, concat(ipv6SubIds, {255, 255, 255, 255}),
     ipv6Text + "%4294967295", 20},
};

TEST(IndexCodec, EveryKeyFormReadsAndWritesItsSubIdentifiers) {
    for (const Key& c : keys) {
        SCOPED_TRACE(c.name);
        std::span<const std::uint32_t> rest(c.instance);
        EXPECT_EQ(DecodeIndexPart(c.syntax, rest, c.place), c.text);
        EXPECT_EQ(rest.size(), c.instance.size() - c.width);
        const std::vector<std::uint32_t> own(c.instance.begin(), c.instance.begin() + c.width);
        EXPECT_EQ(EncodeIndexPart(c.syntax, c.text, c.place), KyOid(own));
    }
}

TEST(IndexCodec, OptionLabelsReplaceKeyValuesBothWays) {
    const std::vector<std::uint32_t> instance = {2};
    std::span<const std::uint32_t> rest(instance);
    EXPECT_EQ(DecodeIndexPart(sxInteger, rest, middle, &EnabledDisabled), "disabled");
    EXPECT_EQ(EncodeIndexPart(sxInteger, "disabled", middle, &EnabledDisabled), KyOid({2}));
}

TEST(IndexCodec, ReadsOddInstancesWithoutReadingPastThem) {
    const Key cases[] = {
        {"length-prefixed inet ipv4 as last key", sxInetAddress, last, {4, 10, 1, 2, 3}, "10.1.2.3", 5},
        {"octets are the low 8 bits", sxOctetStr, lastImplied, {0x12C, 0x1FF}, "2CFF", 2},
        {"short ip address", sxIpAddress, middle, {10, 0}, "", 2},
        {"short mac address", sxMacAddress, middle, {0, 1, 2, 3, 4}, "", 5},
        {"short date and time", sxDateTime, middle, {7, 0xDA, 4}, "", 3},
        {"short counter64", sxCounter64, middle, {1}, "", 1},
        {"length beyond the instance", sxDisplayStr, middle, {5, 97, 98}, "", 3},
        {"huge length", sxObjectId, middle, {4294967295u, 1}, "", 2},
        {"empty instance", sxInteger, middle, {}, "", 0},
        {"empty instance for a string", sxOctetStr, middle, {}, "", 0},
        {"inet ipv6 with a partial zone", sxInetAddress, last, concat(ipv6SubIds, {0, 5}), "", 18},
    };
    for (const Key& c : cases) {
        SCOPED_TRACE(c.name);
        std::span<const std::uint32_t> rest(c.instance);
        EXPECT_EQ(DecodeIndexPart(c.syntax, rest, c.place), c.text);
        EXPECT_EQ(rest.size(), c.instance.size() - c.width);
    }
}

// A key that cannot be encoded in full is refused, so a SET never goes to another row.
TEST(IndexCodec, RefusesKeysThatWouldLoseSubIdentifiers) {
    const BadText cases[] = {
        {"short mac address", sxMacAddress, "0011223344", -23},
        {"long mac address", sxMacAddress, "00112233445566", -23},
        {"empty mac address", sxMacAddress, "", -23},
        {"short ipv6 address", sxIPv6Address, "FE80", -21},
        {"ipv6 address with bad digits", sxIPv6Address, std::string(32, 'g'), -21},
        {"inet address shorthand", sxInetAddress, "10.1", -19},
        {"inet address of 12 octets", sxInetAddress, std::string(24, 'A'), -21},
        {"inet address of 20 octets without zone", sxInetAddress, std::string(40, 'A'), -21},
        {"inet address with a zone name", sxInetAddress, ipv6Text + "%eth0", -21},
        {"ip address with three parts", sxIpAddress, "1.2.3", -19},
        {"integer word", sxInteger, "abc", -8},
        {"unsigned above 2^32-1", sxGauge, "4294967296", -8},
        {"odd hex", sxOctetStr, "ABC", -7},
        {"bad oid", sxObjectId, "1.3.", -417},
    };
    for (const BadText& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codeOf([&] { EncodeIndexPart(c.syntax, c.text, lastImplied); }), c.code);
    }
}

// The keys of one row in index order, as a table's leading columns.
struct Row {
    std::vector<int> syntaxes;
    bool lastImplied;

    std::vector<std::string> decode(const std::vector<std::uint32_t>& instance) const {
        std::span<const std::uint32_t> rest(instance);
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < syntaxes.size(); ++i)
            texts.push_back(DecodeIndexPart(syntaxes[i], rest, place(i)));
        EXPECT_TRUE(rest.empty());
        return texts;
    }
    KyOid encode(const std::vector<std::string>& texts) const {
        KyOid instance;
        for (std::size_t i = 0; i < syntaxes.size(); ++i) instance.append(EncodeIndexPart(syntaxes[i], texts[i], place(i)));
        return instance;
    }
    KyKeyPlace place(std::size_t i) const {
        const bool isLast = i + 1 == syntaxes.size();
        return {isLast, isLast && lastImplied};
    }
};

TEST(IndexCodec, SeveralKeysSplitAndJoinTheInstance) {
    struct Case {
        const char* name;
        Row row;
        std::vector<std::uint32_t> instance;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"tunnel: ipv6, prefix length, name",
         {{sxIPv6Address, sxInteger, sxDisplayStr}, false},
         concat(ipv6SubIds, {64, 3, 't', 'u', '0'}),
         {ipv6Text, "64", "tu0"}},
        {"address and IMPLIED name", {{sxIpAddress, sxDisplayStr}, true}, {10, 0, 0, 1, 'a', 'b'}, {"10.0.0.1", "ab"}},
        {"vlan, mac, port", {{sxInteger, sxMacAddress, sxInteger}, false}, {100, 0, 0x11, 0x22, 0x33, 0x44, 0x55, 7},
         {"100", "001122334455", "7"}},
        {"two strings and an IMPLIED oid",
         {{sxOctetStr, sxDisplayStr, sxObjectId}, true},
         {2, 0xAB, 0xCD, 1, 'x', 1, 3, 6},
         {"ABCD", "x", "1.3.6"}},
        {"inet address between keys", {{sxInteger, sxInetAddress, sxInteger}, false}, {1, 10, 1, 2, 3, 9}, {"1", "10.1.2.3", "9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.row.decode(c.instance), c.texts);
        EXPECT_EQ(c.row.encode(c.texts), KyOid(c.instance));
    }
}

TEST(DateAndTime, KeepsTheWireOctetsOfEveryField) {
    const std::string wire = bytes({0x07, 0xDA, 0x04, 0x13, 0x02, 0x0F, 0x34, 0x03, '-', 0x05, 0x1E});
    const KyDateTime d = KyDateTime::FromWire(wire);
    EXPECT_EQ(d.Year, 2010);
    EXPECT_EQ(d.DeciSeconds, 3);
    EXPECT_EQ(d.Sign, '-');
    EXPECT_EQ(d.ZoneMinutes, 30);
    EXPECT_EQ(d.ToWire(), wire);
    EXPECT_EQ(KyDateTime(d.ToText()).ToWire(), wire);
}

TEST(DateAndTime, NowHasNoZoneAndNoDeciSeconds) {
    const KyDateTime now;
    EXPECT_GE(now.Year, 2024);
    EXPECT_GE(now.Month, 1);
    EXPECT_EQ(now.DeciSeconds, 0);
    EXPECT_EQ(now.Sign, '+');
    EXPECT_EQ(now.ZoneHours, 0);
    EXPECT_EQ(now.ZoneMinutes, 0);
}

TEST(HexText, ParsesOnlyWellFormedTexts) {
    struct Case {
        const char* text;
        std::optional<std::string> octets;
    };
    const Case cases[] = {
        {"", std::string()},
        {"  ", std::string()},
        {"001AFF", bytes({0, 0x1A, 0xFF})},
        {" 00 1a  ff ", bytes({0, 0x1A, 0xFF})},
        {"01AFF", std::nullopt},
        {"0X1A", std::nullopt},
        {"1A\t2B", std::nullopt},
        {"FE800000000000000211223344556677%0", ipv6Octets + bytes({0, 0, 0, 0})},
        {"FE80000000000000021122334455667%12", std::nullopt},
        {"FE800000000000000211223344556677%", std::nullopt},
        {"FE800000000000000211223344556677%-1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(OctetStr::from_hex_string(c.text), c.octets);
    }
    EXPECT_EQ(OctetStr::get_printable_hex(bytes({0xAB, 0x0C, 0x00})), "AB0C00");
}

}  // namespace

namespace {

TEST(IPv4Text, OnlyFourDecimalPartsUpTo255) {
    struct Case {
        const char* text;
        std::optional<std::string> octets;
    };
    const Case cases[] = {
        {"0.0.0.0", bytes({0, 0, 0, 0})},
        {"255.255.255.255", bytes({255, 255, 255, 255})},
        {"010.0.0.001", bytes({10, 0, 0, 1})},
        {"10.0.0.1.", std::nullopt},
        {".10.0.0.1", std::nullopt},
        {"10.0.0.0001", std::nullopt},
        {"10.0..1", std::nullopt},
        {" 10.0.0.1", std::nullopt},
        {"10.0.0.1 ", std::nullopt},
        {"+10.0.0.1", std::nullopt},
        {"10.0.0.-1", std::nullopt},
        {"10", std::nullopt},
        {"167772161", std::nullopt},
        {"a.b.c.d", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseIPv4Address(c.text), c.octets);
    }
}

}  // namespace
