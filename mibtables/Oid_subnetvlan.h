#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of subnet VLAN (.12.75).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SubnetVLANVLANTableVars[];
extern const KySNMPVarDesc PrecedenceTableVars[];
extern const KySNMPVarDesc SubnetVLANIPv6TableVars[];
