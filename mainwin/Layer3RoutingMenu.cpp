// The "Layer 3" menu, second half.
#include "MenuHandlers.h"

std::span<const TMenuPage> Layer3RoutingMenuPages() { return {}; }

void AddLayer3RoutingMenuHandlers(TMenuHandlers&) {}
