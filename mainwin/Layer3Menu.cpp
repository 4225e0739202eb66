// The "Layer 3" menu, first half.
#include "MenuHandlers.h"

std::span<const TMenuPage> Layer3MenuPages() { return {}; }

void AddLayer3MenuHandlers(TMenuHandlers&) {}
