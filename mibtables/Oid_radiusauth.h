#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of RADIUS authentication client (mib-2 67), RMON probe configuration (mib-2 16).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc RADIUSManagementAuthenticationInformationVars[];
extern const KySNMPVarDesc AuthenticationTableVars[];
extern const KySNMPVarDesc ProbeBasicInformationVars[];
extern const KySNMPVarDesc NetConfigurationVars[];
extern const KySNMPVarDesc NetDefaultGatewayVars[];
