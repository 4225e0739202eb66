#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of super VLAN (.12.91).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SuperVLANTableVars[];
extern const KySNMPVarDesc SubVLANTableVars[];
extern const KySNMPVarDesc SubVLANIPRangeTableVars[];
