#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of web authentication (.12.27).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc WebAuthenticationGlobalSettingsVars[];
extern const KySNMPVarDesc WebAuthenticationPortTableVars[];
extern const KySNMPVarDesc WebAuthenticationUserTableVars[];
extern const KySNMPVarDesc WebAuthenticationStateTableVars[];
