#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of OSPFv3 (mib-2 191), OSPF settings (.12.65), message processing statistics
// (snmpModules 11).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc MessageProcessingAndDispatchingVars[];
extern const KySNMPVarDesc OSPFv3GlobalSettingsVars[];
extern const KySNMPVarDesc AreaTableVars[];
extern const KySNMPVarDesc ASLSDBTableVars[];
extern const KySNMPVarDesc AreaLSDBTableVars[];
extern const KySNMPVarDesc LinkLSDBTableVars[];
extern const KySNMPVarDesc OSPFv3InterfaceTableVars[];
extern const KySNMPVarDesc OSPFv3VirtualInterfaceTableVars[];
extern const KySNMPVarDesc NeighborTableVars[];
extern const KySNMPVarDesc VirtualNeighborTableVars[];
extern const KySNMPVarDesc AreaAggregateTableVars[];
extern const KySNMPVarDesc VirtualLinkLSDBTableVars[];
