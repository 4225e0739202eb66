#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of time range (.12.50).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc TimeRangeVars[];
