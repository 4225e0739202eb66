#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of 802.1X authenticator and RADIUS servers (.12.3), MAC-based access (.12.35),
// compound authentication (.12.55).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc CompoundAuthenticationPortTableVars[];
extern const KySNMPVarDesc NetworkVars[];
extern const KySNMPVarDesc MultpAuthGuestVlanVars[];
extern const KySNMPVarDesc AccountingSettingsVars[];
extern const KySNMPVarDesc AuthenticationModeSettingsVars[];
extern const KySNMPVarDesc RADIUSServerTableVars[];
extern const KySNMPVarDesc MBAManagementStateTableVars[];
extern const KySNMPVarDesc MacStatisticTableVars[];
extern const KySNMPVarDesc DiagnosticsInformationVars[];
extern const KySNMPVarDesc SessionInformationVars[];
extern const KySNMPVarDesc MBAControlVars1[];
extern const KySNMPVarDesc MBAControlVars2[];
extern const KySNMPVarDesc MBAControlVars3[];
extern const KySNMPVarDesc MBAControlVars4[];
extern const KySNMPVarDesc MBAManagementAuthenticationInformationVars[];
extern const KySNMPVarDesc MBAManagementPortTableVars[];
extern const KySNMPVarDesc DatebaseTableVars[];
extern const KySNMPVarDesc MBAManagementInformationVars[];
extern const KySNMPVarDesc CommandVars[];
extern const KySNMPVarDesc PAEAuthenticatorSettingsVars[];
extern const KySNMPVarDesc ConfigurationTableVars[];
extern const KySNMPVarDesc PAEAuthenticatorStateTableVars[];
extern const KySNMPVarDesc PAEPortSettingsVars[];
extern const KySNMPVarDesc AuthenticationPortSettingsVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& MultiAuthGuestVlanVars = MultpAuthGuestVlanVars;
