// The "Bridge" menu.
#include "MenuHandlers.h"

std::span<const TMenuPage> BridgeMenuPages() { return {}; }

void AddBridgeMenuHandlers(TMenuHandlers&) {}
