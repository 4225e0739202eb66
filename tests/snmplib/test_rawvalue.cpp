// The raw octets behind value texts, from which the bindings cut their pieces.
#include "ExceptionCode.h"
#include "KyException.h"
#include "KyRawValue.h"
#include "KySNMPVarDesc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string octets;
    for (int v : values) octets += char(v);
    return octets;
}

TEST(RawValue, TextsBecomeOctetsInTheirByteOrder) {
    struct Case {
        const char* name;
        int syntax;
        std::string text;
        std::string octets;
    } cases[] = {
        {"truth value, four bytes", sxBoolean, "true", bytes({1, 0, 0, 0})},
        {"anything but true is false", sxBoolean, "yes", bytes({0, 0, 0, 0})},
        {"integer little-endian", sxInteger, "300", bytes({0x2C, 0x01, 0, 0})},
        {"negative integer", sxInteger, "-2", bytes({0xFE, 0xFF, 0xFF, 0xFF})},
        {"leading zeros are decimal", sxInteger, "0012", bytes({12, 0, 0, 0})},
        {"hex octets", sxOctetStr, "a0ff", bytes({0xA0, 0xFF})},
        {"port list", sxBitList, "F2000000", bytes({0xF2, 0, 0, 0})},
        {"null", sxNull, "anything", ""},
        {"(NULL) gives no octets", sxInteger, "(NULL)", ""},
        {"an ended column gives no octets", sxInteger, "(NOTDONE)", ""},
        {"object identifier, four bytes per sub-identifier", sxObjectId, "1.300", bytes({1, 0, 0, 0, 0x2C, 1, 0, 0})},
        {"IP address, one byte per part", sxIpAddress, "192.0.2.10", bytes({192, 0, 2, 10})},
        {"counter, unsigned 32 bits", sxCounter, "4294967295", bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        {"time ticks in hundredths", sxTimeTicks, "0:00:01.00", bytes({100, 0, 0, 0})},
        {"counter64, low word first", sxCounter64, "4294967296", bytes({0, 0, 0, 0, 1, 0, 0, 0})},
        {"MAC address", sxMacAddress, "001B2C5100AA", bytes({0, 0x1B, 0x2C, 0x51, 0, 0xAA})},
        {"DateAndTime, year in network order", sxDateTime, "2026-12-10,13:47:5.0",
         bytes({0x07, 0xEA, 12, 10, 13, 47, 5, 0, '+', 0, 0})},
        {"display string", sxDisplayStr, "ab\xE9", "ab\xE9"},
        {"inet address, four octets", sxInetAddress, "10.0.0.1", bytes({10, 0, 0, 1})},
        {"inet address, hex beyond 16 characters", sxInetAddress, "20010DB8000000000000000000000001",
         bytes({0x20, 1, 0x0D, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
        {"inet address of eight octets, hex", sxInetAddress, "0A00000100000005", bytes({10, 0, 0, 1, 0, 0, 0, 5})},
        {"one-byte truth", sxBool8, "true", bytes({1})},
        {"signed byte", sxInt8, "-1", bytes({0xFF})},
        {"unsigned byte", sxUInt8, "200", bytes({200})},
        {"two-byte truth in network order", sxBool16, "true", bytes({0, 1})},
        {"int16 in network order", sxInt16, "300", bytes({0x01, 0x2C})},
        {"uint16 in network order", sxUInt16, "65535", bytes({0xFF, 0xFF})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextToOctets(c.text, c.syntax), c.octets);
    }
}

TEST(RawValue, TextsThatAreNoValueAreInputErrorsNotZeros) {
    struct Case {
        const char* name;
        int syntax;
        std::string text;
        int code;
    } cases[] = {
        {"word for an integer", sxInteger, "abc", -8},
        {"number with a tail", sxInteger, "12abc", -8},
        {"empty integer", sxInteger, "", -8},
        {"integer beyond 32 bits", sxInteger, "2147483648", -8},
        {"negative counter", sxCounter, "-1", -8},
        {"byte beyond 255", sxUInt8, "256", -8},
        {"uint16 beyond 65535", sxUInt16, "65536", -8},
        {"IP address part beyond 255", sxIpAddress, "300.1.1.1", -19},
        {"short IP address", sxIpAddress, "10.1", -19},
        {"hex with a stray character", sxOctetStr, "A0G1", -7},
        {"odd hex", sxOctetStr, "A0F", -7},
        {"bad MAC", sxMacAddress, "00-1B-XX", -23},
        {"bad OID", sxObjectId, "1..3", -417},
        {"short inet address that is neither", sxInetAddress, "10.0.0", -19},
        {"unknown syntax", 99, "1", -511},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codeOf([&] { TextToOctets(c.text, c.syntax); }), c.code);
    }
}

TEST(RawValue, OctetsReadBackAsTexts) {
    struct Case {
        const char* name;
        int syntax;
        std::string octets;
        std::string text;
    } cases[] = {
        {"integer little-endian", sxInteger, bytes({0x2C, 0x01, 0, 0}), "300"},
        {"negative integer", sxInteger, bytes({0xFE, 0xFF, 0xFF, 0xFF}), "-2"},
        {"truth value", sxBoolean, bytes({0, 1, 0, 0}), "true"},
        {"hex upper-case", sxOctetStr, bytes({0xA0, 0x0F}), "A00F"},
        {"no octets read (NULL)", sxInteger, "", "(NULL)"},
        {"no octets of a display string read empty", sxDisplayStr, "", ""},
        {"object identifier; a short last group is dropped", sxObjectId, bytes({1, 0, 0, 0, 3, 0, 0, 0, 9}), "1.3"},
        {"IP address from the first four bytes", sxIpAddress, bytes({10, 0, 0, 1, 99}), "10.0.0.1"},
        {"gauge unsigned", sxGauge, bytes({0xFF, 0xFF, 0xFF, 0xFF}), "4294967295"},
        {"time ticks", sxTimeTicks, bytes({0xBB, 0x54, 0x89, 0}), "1 day 1:00:01.23"},
        {"counter64", sxCounter64, bytes({0, 0, 0, 0, 1, 0, 0, 0}), "4294967296"},
        {"DateAndTime", sxDateTime, bytes({0x07, 0xEA, 12, 10, 13, 47, 5, 0, '+', 1, 0}), "2026-12-10,13:47:5.0,+1:0"},
        {"inet address of four octets", sxInetAddress, bytes({192, 0, 2, 1}), "192.0.2.1"},
        {"inet address of sixteen octets", sxInetAddress, bytes({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}),
         "FE800000000000000000000000000001"},
        {"signed byte", sxInt8, bytes({0xFF}), "-1"},
        {"unsigned byte", sxUInt8, bytes({0xFF}), "255"},
        {"two-byte truth", sxBool16, bytes({1, 0}), "true"},
        {"int16 reads unsigned", sxInt16, bytes({0xFF, 0xFF}), "65535"},
        {"uint16 network order", sxUInt16, bytes({0x01, 0x2C}), "300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OctetsToText(c.octets, c.syntax), c.text);
    }
}

TEST(RawValue, OctetsTooShortForTheSyntaxFail) {
    struct Case {
        const char* name;
        int syntax;
        std::string octets;
    } cases[] = {
        {"integer of three bytes", sxInteger, bytes({1, 2, 3})},
        {"counter64 of four bytes", sxCounter64, bytes({1, 2, 3, 4})},
        {"MAC of five bytes", sxMacAddress, bytes({1, 2, 3, 4, 5})},
        {"DateAndTime of eight bytes", sxDateTime, bytes({7, 0xEA, 1, 1, 0, 0, 0, 0})},
        {"uint16 of one byte", sxUInt16, bytes({1})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(codeOf([&] { OctetsToText(c.octets, c.syntax); }), -518);
    }
}

TEST(RawValue, PiecesAreCutAtTheirOffsetAndWidth) {
    const std::string six = bytes({1, 0, 5, 3, 0xAB, 0xCD});
    struct Case {
        const char* name;
        std::string octets;
        int offset;
        int syntax;
        std::string piece;
        int code;
    } cases[] = {
        {"uint16 at offset 1", six, 1, sxUInt16, bytes({0, 5}), 0},
        {"uint16 at the end", six, 4, sxUInt16, bytes({0xAB, 0xCD}), 0},
        {"uint16 past the end", six, 5, sxUInt16, "", -519},
        {"integer takes four", six, 2, sxInteger, bytes({5, 3, 0xAB, 0xCD}), 0},
        {"octets take the rest", six, 3, sxOctetStr, bytes({3, 0xAB, 0xCD}), 0},
        {"the rest of nothing at the end", six, 6, sxOctetStr, "", 0},
        {"the rest beyond the end", six, 7, sxOctetStr, "", -519},
        {"byte", six, 2, sxUInt8, bytes({5}), 0},
        {"no data gives no piece", "", 3, sxUInt16, "", 0},
        {"MAC needs six", six, 1, sxMacAddress, "", -519},
        {"unknown part syntax", six, 0, 42, "", -511},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string piece;
        EXPECT_EQ(codeOf([&] { piece = ExtractPart(c.octets, c.offset, c.syntax); }), c.code);
        EXPECT_EQ(piece, c.piece);
    }
}

}  // namespace
