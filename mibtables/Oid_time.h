#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of clock, time zone, summer time, network time (.12.10).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc CurrentTimeVars[];
extern const KySNMPVarDesc SystemTimeVars[];
extern const KySNMPVarDesc SummerTimeVars[];
extern const KySNMPVarDesc NetworkTimeVars[];
