// The "Security" menu, first block: 802.1X, RADIUS, authentication and authorization.
#include "MenuHandlers.h"

std::span<const TMenuPage> SecurityAuthMenuPages() { return {}; }

void AddSecurityAuthMenuHandlers(TMenuHandlers&) {}
