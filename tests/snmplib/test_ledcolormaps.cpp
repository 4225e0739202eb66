// The colour maps of the front-panel LEDs.
#include "KySNMPLedColorMapList.h"

#include <gtest/gtest.h>

namespace {

// Red in the low byte, then green, then blue.
constexpr std::int32_t Black = 0x000000;
constexpr std::int32_t White = 0xFFFFFF;
constexpr std::int32_t Lime = 0x00FF00;
constexpr std::int32_t Blue = 0xFF0000;
constexpr std::int32_t Red = 0x0000FF;
constexpr std::int32_t Orange = 0x4080FF;
constexpr std::int32_t Grey = 0xCAC9C1;

TEST(LedColorMaps, FrontPanelMapsHoldTheirColours) {
    struct Case {
        const char* name;
        const KySNMPLedColorMapList& map;
        std::int32_t off;
        std::int32_t absent;
        std::int32_t codes[8];
    };
    const Case cases[] = {
        {"system", SystemLedColorMap, Black, White, {White, White, Lime, Lime, Blue, Red, Black, Black}},
        {"port", PortLedColorMap, Black, Black, {Black, Orange, Orange, Lime, Lime, Red, Black, Black}},
        {"uplink", UplinkLedColorMap, Black, Black, {Orange, Lime, Lime, Lime, Lime, Red, Black, Black}},
        {"fibre uplink", FibreUplinkLedColorMap, Grey, Grey, {Grey, Grey, Lime, Lime, Lime, Red, Black, Black}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.map.CodeMask, 7);
        EXPECT_EQ(c.map.BlinkMask, 0x80);
        EXPECT_EQ(c.map.OffColour, c.off);
        EXPECT_EQ(c.map.AbsentColour, c.absent);
        EXPECT_EQ(c.map.GetCount(), 6);
        for (std::uint8_t code = 0; code < 8; ++code) EXPECT_EQ(c.map.ColourOf(code), c.codes[code]) << int(code);
        EXPECT_EQ(c.map.IndexOfCode(6), -1);
    }
}

TEST(LedColorMaps, TableEndsAtTheEndRowAndFirstCodeWins) {
    const KyLedColorItem table[] = {{2, Red}, {2, Blue}, {0, -1}, {3, Lime}};
    KySNMPLedColorMapList map(table, 3, 0x40, Grey, -1);
    EXPECT_EQ(map.GetCount(), 2);
    EXPECT_EQ(map.ColourOf(2), Red);
    EXPECT_EQ(map.ColourOf(3), Black);
    map.AddItems(nullptr);
    EXPECT_EQ(map.GetCount(), 2);
    map.Clear();
    EXPECT_EQ(map.IndexOfCode(2), -1);
}

}  // namespace
