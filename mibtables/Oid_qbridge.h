#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of P-BRIDGE and Q-BRIDGE (mib-2 17.6, 17.7), port priorities and capabilities (mib-2
// 17.1, 17.4), VLAN settings of the model (.11.32).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc HighCapacityPortTableVars[];
extern const KySNMPVarDesc PortOverflowVars[];
extern const KySNMPVarDesc PortCapabilityVars[];
extern const KySNMPVarDesc PBridgeConfigVars1[];
extern const KySNMPVarDesc PBridgeConfigVars2[];
extern const KySNMPVarDesc DefaultUserPrioritiesOfEachPortVars[];
extern const KySNMPVarDesc RegeneratedUserPrioritiesVars[];
extern const KySNMPVarDesc UserPrioritiesVars[];
extern const KySNMPVarDesc PortOutboundAccessPrioritiesVars[];
extern const KySNMPVarDesc GARPVars[];
extern const KySNMPVarDesc VLanGeneralInfoVars[];
extern const KySNMPVarDesc FilteringDatabaseVars[];
extern const KySNMPVarDesc FilteringInformationVars[];
extern const KySNMPVarDesc MulticastForwardingInformationVars[];
extern const KySNMPVarDesc VLanCurrentTableVars1[];
extern const KySNMPVarDesc VlanStaticVars1[];
extern const KySNMPVarDesc VLanPortInfomationVars[];
extern const KySNMPVarDesc VLanCurrentTableVars2[];
extern const KySNMPVarDesc VlanStaticVars2[];
extern const KySNMPVarDesc MulticastFilterInformationVars[];
extern const KySNMPVarDesc UnicastFilterInformationVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& Dot1dDeviceCapabilitiesVars = PBridgeConfigVars1;
inline constexpr auto& Dot1dTrafficClassesEnabledVars = PBridgeConfigVars2;
inline constexpr auto& Dot1dTrafficClassVars = UserPrioritiesVars;
inline constexpr auto& Dot1qBaseVars = VLanGeneralInfoVars;
inline constexpr auto& Dot1qTpGroupVars = FilteringInformationVars;
inline constexpr auto& Dot1qForwardAllVars = MulticastForwardingInformationVars;
inline constexpr auto& Dot1qVlanCurrentVars = VLanCurrentTableVars1;
inline constexpr auto& Dot1qVlanStaticVars = VlanStaticVars1;
inline constexpr auto& Dot1qPortVlanVars = VLanPortInfomationVars;
inline constexpr auto& Dot1qVlanNumDeletesVars = VLanCurrentTableVars2;
inline constexpr auto& Dot1qNextFreeLocalVlanVars = VlanStaticVars2;
inline constexpr auto& Dot1qStaticMulticastVars = MulticastFilterInformationVars;
inline constexpr auto& Dot1qStaticUnicastVars = UnicastFilterInformationVars;
