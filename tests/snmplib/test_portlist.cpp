// Port lists as users read and type them: numbers and ranges over a bitmap whose first port is the
// highest bit of the first octet.
#include "KyPortList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PortList, BitmapsReadAsNumbersAndRanges) {
    struct Case {
        const char* hex;
        bool appendHex;
        const char* text;
    } cases[] = {
        {"F2", true, "1-4,7[F2]"},
        {"00", false, "0"},
        {"", false, "0"},
        {"FF", false, "1-8"},
        {"8001", false, "1,16"},
        {"A5", false, "1,3,6,8"},
        {"C0", false, "1-2"},
        {"0180", false, "8-9"},
        {"00000001", false, "32"},
        {"ffff", true, "1-16[ffff]"},
        {"X1", false, "8"},  // a character that is no hex digit counts as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(portBitmapToText(c.hex, c.appendHex), c.text);
    }
}

TEST(PortList, ListCellsGiveBackTheirHex) {
    EXPECT_EQ(bracketedHex("1-4,7[F2]"), "F2");
    EXPECT_EQ(bracketedHex("F2"), "F2");
    EXPECT_EQ(bracketedHex("0[00000000]"), "00000000");
    EXPECT_EQ(bracketedHex("[AB"), "AB");
}

TEST(PortList, TypedTextsBecomeBitmapsOfTheTemplatesLength) {
    struct Case {
        const char* text;
        const char* templateHex;
        bool ok;
        const char* hex;  // out; "unchanged" when refused
    } cases[] = {
        {"1-4,7", "00000000", true, "f2000000"},
        {"all", "00000000", true, "ffffffff"},
        {"", "00000000", true, "00000000"},
        {"1,,2", "00", true, "c0"},
        {"7-8", "00", true, "03"},
        {"32", "00000000", true, "00000001"},
        {" 3 , 5", "00", true, "28"},
        {"1-4,7", "FFFFFFFF", true, "f2000000"},  // the template gives the length, not the bits
        {"0", "00000000", true, "00000000"},  // an empty list is shown as "0"
        {"0,3", "00", false, "unchanged"},
        {"33", "00000000", false, "unchanged"},
        {"5-3", "00", false, "unchanged"},
        {"-3", "00", false, "unchanged"},
        {"3-", "00", false, "unchanged"},
        {"3abc", "00", false, "unchanged"},
        {"1:5", "00000000", false, "unchanged"},
        {"ALL", "00", false, "unchanged"},
        {"1", "", false, "unchanged"},
        {"12345678", "00", false, "unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " over " + c.templateHex);
        std::string out = "unchanged";
        EXPECT_EQ(portTextToBitmap(c.text, c.templateHex, out), c.ok);
        EXPECT_EQ(out, c.hex);
    }
}

TEST(PortList, LongTextsAreAcceptedUpTo255Characters) {
    std::string text;
    while (text.size() < 250) text += "1,";
    text += "2";
    std::string out;
    ASSERT_LE(text.size(), 255u);
    EXPECT_TRUE(portTextToBitmap(text, "00", out));
    EXPECT_EQ(out, "c0");
    EXPECT_FALSE(portTextToBitmap(std::string(256, '1'), "00", out));
    // Range ends of seven characters pass.
    EXPECT_TRUE(portTextToBitmap("0000001-0000002", "00", out));
    EXPECT_EQ(out, "c0");
}

TEST(PortList, TextsRoundTripThroughTheBitmap) {
    for (const char* hex : {"f2000000", "80000001", "ffffffff", "00000000", "5a"}) {
        SCOPED_TRACE(hex);
        std::string out;
        ASSERT_TRUE(portTextToBitmap(portBitmapToText(hex, false), hex, out));
        EXPECT_EQ(out, hex);
    }
}

}  // namespace
