#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of SNMP target, notification, community and filter tables (snmpModules 12, 13, 18).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SNMPTargetMIBGeneralInformationVars[];
extern const KySNMPVarDesc SNMPTargetMIBTargetAddressTableVars[];
extern const KySNMPVarDesc TargetParametersVars[];
extern const KySNMPVarDesc CommunityStringTableVars[];
extern const KySNMPVarDesc CommunityTargetAddressTableVars[];
extern const KySNMPVarDesc NotifyTableVars[];
extern const KySNMPVarDesc FilterProfileTableVars[];
extern const KySNMPVarDesc FilterTableVars[];
