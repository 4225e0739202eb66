#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of DNS resolver (.12.85).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc DNSResolverGlobalSettingsVars[];
extern const KySNMPVarDesc StaticNameServerTableVars[];
extern const KySNMPVarDesc DynamicNameServerTableVars[];
extern const KySNMPVarDesc StaticHostTableVars[];
extern const KySNMPVarDesc DynamicHostTableVars[];
