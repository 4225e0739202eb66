// The "VLAN" menu: 802.1p and 802.1Q bridge pages and the VLAN tables.
#include "MenuHandlers.h"

std::span<const TMenuPage> VlanMenuPages() { return {}; }

void AddVlanMenuHandlers(TMenuHandlers&) {}
