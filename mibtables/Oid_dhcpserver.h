#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of DHCP server (.12.38).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc DHCPServerGlobalSettingsVars[];
extern const KySNMPVarDesc DHCPServerExcludedAddressTableVars[];
extern const KySNMPVarDesc DHCPPoolVars[];
extern const KySNMPVarDesc DHCPServerDNSServerAddressTableVars[];
extern const KySNMPVarDesc NetBIOSNameServerTableVars[];
extern const KySNMPVarDesc DefaultRouterTableVars[];
extern const KySNMPVarDesc DHCPServerManualBindingTableVars[];
extern const KySNMPVarDesc DynamicBindingTableVars[];
