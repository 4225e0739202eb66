// The "Layer 2 " menu, last stretch: LLDP, loop and ring protection.
#include "MenuHandlers.h"

std::span<const TMenuPage> Layer2RingMenuPages() { return {}; }

void AddLayer2RingMenuHandlers(TMenuHandlers&) {}
