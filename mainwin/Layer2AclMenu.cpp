// The "Layer 2 " menu: access lists, CPU interface filtering and link aggregation.
#include "MenuHandlers.h"

std::span<const TMenuPage> Layer2AclMenuPages() { return {}; }

void AddLayer2AclMenuHandlers(TMenuHandlers&) {}
