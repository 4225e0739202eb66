// The "SNMP v3" menu: engine, users, groups, views, communities and targets.
#include "MenuHandlers.h"

std::span<const TMenuPage> SnmpV3MenuPages() { return {}; }

void AddSnmpV3MenuHandlers(TMenuHandlers&) {}
