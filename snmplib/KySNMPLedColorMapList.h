#pragma once

#include <cstdint>
#include <vector>

// A row of a static colour table: a masked state code and its colour, red in the low byte, then green,
// then blue. A table ends with a row whose colour is -1.
struct KyLedColorItem {
    std::uint8_t Code;
    std::int32_t Colour;
};

// How an LED's state byte becomes a colour: the code bits pick an item, the blink bits make it flash
// against the off colour.
class KySNMPLedColorMapList {
public:
    // absentColour -1: the map has no colour for missing data, which then shows the off colour.
    KySNMPLedColorMapList(const KyLedColorItem* table, std::uint8_t codeMask, std::uint8_t blinkMask,
                          std::int32_t offColour, std::int32_t absentColour);

    std::uint8_t CodeMask;
    std::uint8_t BlinkMask;
    std::int32_t OffColour;
    std::int32_t AbsentColour;

    // Appends every row before the end row; nothing for a null table.
    void AddItems(const KyLedColorItem* table);
    int GetCount() const { return int(Items.size()); }
    // The first item with the code, -1 when none.
    int IndexOfCode(std::uint8_t code) const;
    // The item's colour; black for a code the map does not hold.
    std::int32_t ColourOf(std::uint8_t code) const;
    void Clear() { Items.clear(); }

private:
    std::vector<KyLedColorItem> Items;
};

// Colours of the front-panel maps.
namespace KyLedColours {
constexpr std::int32_t rgb(int red, int green, int blue) { return red | green << 8 | blue << 16; }
inline constexpr std::int32_t Black = rgb(0, 0, 0);
inline constexpr std::int32_t White = rgb(255, 255, 255);
inline constexpr std::int32_t Lime = rgb(0, 255, 0);
inline constexpr std::int32_t Blue = rgb(0, 0, 255);
inline constexpr std::int32_t Red = rgb(255, 0, 0);
inline constexpr std::int32_t Orange = rgb(255, 128, 64);
inline constexpr std::int32_t Grey = rgb(193, 201, 202);
}  // namespace KyLedColours

// The maps of the front panels: code mask 7, blink mask 0x80.
extern const KySNMPLedColorMapList SystemLedColorMap;
extern const KySNMPLedColorMapList PortLedColorMap;
extern const KySNMPLedColorMapList UplinkLedColorMap;
extern const KySNMPLedColorMapList FibreUplinkLedColorMap;
