// The "Layer 2 " menu, first stretch: ports, QoS and multicast.
#include "MenuHandlers.h"

std::span<const TMenuPage> Layer2PortsMenuPages() { return {}; }

void AddLayer2PortsMenuHandlers(TMenuHandlers&) {}
