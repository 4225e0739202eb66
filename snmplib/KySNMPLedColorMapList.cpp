#include "KySNMPLedColorMapList.h"

#include <algorithm>

KySNMPLedColorMapList::KySNMPLedColorMapList(const KyLedColorItem* table, std::uint8_t codeMask,
                                             std::uint8_t blinkMask, std::int32_t offColour,
                                             std::int32_t absentColour)
    : CodeMask(codeMask), BlinkMask(blinkMask), OffColour(offColour), AbsentColour(absentColour) {
    AddItems(table);
}

void KySNMPLedColorMapList::AddItems(const KyLedColorItem* table) {
    for (; table && table->Colour != -1; ++table) Items.push_back(*table);
}

int KySNMPLedColorMapList::IndexOfCode(std::uint8_t code) const {
    const auto it = std::find_if(Items.begin(), Items.end(), [code](const KyLedColorItem& i) { return i.Code == code; });
    return it == Items.end() ? -1 : int(it - Items.begin());
}

std::int32_t KySNMPLedColorMapList::ColourOf(std::uint8_t code) const {
    const int index = IndexOfCode(code);
    return index < 0 ? 0 : Items[index].Colour;
}

namespace {

using namespace KyLedColours;

constexpr KyLedColorItem SystemLedColors[] = {{0, White}, {1, White}, {2, Lime}, {3, Lime}, {4, Blue}, {5, Red}, {0, -1}};
constexpr KyLedColorItem PortLedColors[] = {{0, Black}, {1, Orange}, {2, Orange}, {3, Lime}, {4, Lime}, {5, Red}, {0, -1}};
constexpr KyLedColorItem UplinkLedColors[] = {{0, Orange}, {1, Lime}, {2, Lime}, {3, Lime}, {4, Lime}, {5, Red}, {0, -1}};
constexpr KyLedColorItem FibreUplinkLedColors[] = {{0, Grey}, {1, Grey}, {2, Lime}, {3, Lime}, {4, Lime}, {5, Red}, {0, -1}};

}  // namespace

const KySNMPLedColorMapList SystemLedColorMap(SystemLedColors, 7, 0x80, Black, White);
const KySNMPLedColorMapList PortLedColorMap(PortLedColors, 7, 0x80, Black, Black);
const KySNMPLedColorMapList UplinkLedColorMap(UplinkLedColors, 7, 0x80, Black, Black);
const KySNMPLedColorMapList FibreUplinkLedColorMap(FibreUplinkLedColors, 7, 0x80, Grey, Grey);
