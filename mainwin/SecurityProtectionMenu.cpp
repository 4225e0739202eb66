// The "Security" menu, second block: SSH, SSL, CPU protection, bindings, web and MAC access.
#include "MenuHandlers.h"

std::span<const TMenuPage> SecurityProtectionMenuPages() { return {}; }

void AddSecurityProtectionMenuHandlers(TMenuHandlers&) {}
