#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of MLD snooping (.12.34).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc MLDSnoopingGlobalSettingsVars[];
extern const KySNMPVarDesc MLDSnoopingControlTableVars[];
extern const KySNMPVarDesc MLD_SnoopingRouterPortsVars[];
extern const KySNMPVarDesc MLD_SnoopingGroupVars[];
extern const KySNMPVarDesc MLDSnoopingForwardingTableVars[];
extern const KySNMPVarDesc MLDSnoopingDataDrivenLearingGroupVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& MldRouterPortVars = MLD_SnoopingRouterPortsVars;
inline constexpr auto& MldSnoopingGroupVars = MLD_SnoopingGroupVars;
inline constexpr auto& MldDataDrivenGroupVars = MLDSnoopingDataDrivenLearingGroupVars;
