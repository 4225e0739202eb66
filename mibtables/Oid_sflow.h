#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of sFlow (.12.36).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SFlowGeneralInformationVars[];
extern const KySNMPVarDesc ReceiverVars[];
extern const KySNMPVarDesc FlowSamplerVars[];
extern const KySNMPVarDesc CounterPollerVars[];
