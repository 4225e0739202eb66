#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of link aggregation (.12.4).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc AggregatorTableVars[];
extern const KySNMPVarDesc AggregatorPortListVars[];
extern const KySNMPVarDesc AggregatorPortTableVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& AggregatorPortVars = AggregatorPortTableVars;
