#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of SNMPv3 view-based access control (snmpModules 16).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SecurityGroupTableVars[];
extern const KySNMPVarDesc AccessTableVars[];
extern const KySNMPVarDesc ViewMIBTreeFamilyTableVars[];
