#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of double VLAN (.12.28).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc DoubleVLANStateVars[];
extern const KySNMPVarDesc DoubleVLANVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& DoubleVlanStateVars = DoubleVLANStateVars;
inline constexpr auto& DoubleVlanTableVars = DoubleVLANVars;
