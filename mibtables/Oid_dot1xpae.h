#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of IEEE 802.1X PAE (1.0.8802.1.1.1), guest VLAN (.12.30), SNMP engine (snmpModules
// 10).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SNMPEngineVars[];
extern const KySNMPVarDesc Dot1xGlobalStateVars[];
// 8021XPortTableVars: a C++ name cannot start with a digit, hence the N.
extern const KySNMPVarDesc N8021XPortTableVars[];
// 8021XPortConfigurationVars: a C++ name cannot start with a digit, hence the N.
extern const KySNMPVarDesc N8021XPortConfigurationVars[];
extern const KySNMPVarDesc PortStatisticsVars[];
extern const KySNMPVarDesc PortDiagnosticsVars[];
extern const KySNMPVarDesc PortSessionStatisticsVars[];
extern const KySNMPVarDesc GuestVlanVars1[];
extern const KySNMPVarDesc GuestVlanVars2[];
extern const KySNMPVarDesc GuestVlanVars3[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& GuestVlanVars = GuestVlanVars1;
inline constexpr auto& GuestVlanNameVars = GuestVlanVars2;
inline constexpr auto& GuestVlanDeleteVars = GuestVlanVars3;
