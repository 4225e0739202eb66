#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of DHCPv6 server (.12.90).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc DHCPv6ServerGlobalSettingsVars[];
extern const KySNMPVarDesc DHCPv6ServerControlTableVars[];
extern const KySNMPVarDesc DHCPv6ServerPoolTableVars[];
extern const KySNMPVarDesc DHCPv6ServerDNSServerAddressTableVars[];
extern const KySNMPVarDesc DHCPv6ServerManualBindingTableVars[];
extern const KySNMPVarDesc DHCPv6ServerExcludedAddressTableVars[];
extern const KySNMPVarDesc DHCPv6ServerBindingTableVars[];
