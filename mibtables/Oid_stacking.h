#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of stacking, units, power, fans, panel LED status (.12.11), equipment (.11.70), SNMP
// counters (mib-2 11).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc EquipmentManagementPowerTableVars[];
extern const KySNMPVarDesc FanTableVars[];
extern const KySNMPVarDesc EquipmentBasicInfoVars[];
extern const KySNMPVarDesc UnitInformationVars[];
extern const KySNMPVarDesc StackModeVars[];
extern const KySNMPVarDesc UnitTableVars[];
extern const KySNMPVarDesc StackUnitTableVars[];
extern const KySNMPVarDesc PanelLedStatusVars[];
extern const KySNMPVarDesc PanelStackLedStatusVars[];
extern const KySNMPVarDesc SNMPCountersVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& FrontPanelLedVars = PanelLedStatusVars;
inline constexpr auto& UnitFrontPanelLedVars = PanelStackLedStatusVars;
