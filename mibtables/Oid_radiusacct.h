#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of RADIUS accounting client (mib-2 67).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc AccountingControlBasicInformationVars[];
extern const KySNMPVarDesc AccountingControlServerTableVars[];
