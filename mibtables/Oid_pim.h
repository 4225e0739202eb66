#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of PIM (.12.52).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc GlobalStateVars[];
extern const KySNMPVarDesc PIMInformationTableVars[];
extern const KySNMPVarDesc PIMCBSRInformationVars[];
extern const KySNMPVarDesc PIMCBSRTableVars[];
extern const KySNMPVarDesc PIMCandidateRPManagementVars[];
extern const KySNMPVarDesc PIMCandidateRPTableVars[];
extern const KySNMPVarDesc PIMSPTManagementVars[];
extern const KySNMPVarDesc PIMRegisterChecksumIncludingDataTableVars[];
extern const KySNMPVarDesc PIMStaticRPTableVars[];
