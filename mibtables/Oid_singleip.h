#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of single IP management (.12.8).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SingleIPInformationVars[];
extern const KySNMPVarDesc SingleIPGlobalSettingsVars[];
extern const KySNMPVarDesc MemberSwitchVars[];
extern const KySNMPVarDesc CandidateSwitchVars[];
extern const KySNMPVarDesc GroupInformationVars[];
extern const KySNMPVarDesc NeighborSwitchVars[];
extern const KySNMPVarDesc MSTrapMessageVars[];
