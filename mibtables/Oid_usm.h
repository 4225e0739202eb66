#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of SNMPv3 user-based security (snmpModules 15).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc UserBasedSecurityModelStatisticsVars[];
extern const KySNMPVarDesc UserBasedSecurityModelUserTableVars[];
