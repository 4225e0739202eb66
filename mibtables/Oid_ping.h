#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of ping and traceroute (mib-2 80, 81), MSTP port states (.12.15).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc PingMaxConcurrentRequestsVars[];
extern const KySNMPVarDesc PingControlTableVars[];
extern const KySNMPVarDesc PingResultsTableVars[];
extern const KySNMPVarDesc TraceRouteMaxConcurrentRequestsVars[];
extern const KySNMPVarDesc TraceRouteControlTableVars[];
extern const KySNMPVarDesc ResultsTableVars[];
extern const KySNMPVarDesc HopsTableVars[];
extern const KySNMPVarDesc MSTPPortStateVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& MstpPortStateVars = MSTPPortStateVars;
