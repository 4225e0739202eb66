#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of LLDP with its 802.1 and 802.3 extensions (1.0.8802.1.1.2).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc PortVLANVars[];
extern const KySNMPVarDesc LLDPConfigVLANNameVars[];
extern const KySNMPVarDesc LLDPConfigProtocolVLANVars[];
extern const KySNMPVarDesc LLDPConfigProtocolVars[];
extern const KySNMPVarDesc LocalDataTableVars[];
extern const KySNMPVarDesc LocalDataProtocolVLANVars[];
extern const KySNMPVarDesc LocalDataVLANNameVars[];
extern const KySNMPVarDesc ProtocolVars[];
extern const KySNMPVarDesc RemoteDataTableVars[];
extern const KySNMPVarDesc RemoteDataProtocolVLANVars[];
extern const KySNMPVarDesc RemoteDataVLANNameVars[];
extern const KySNMPVarDesc RemoteDataProtocolVars[];
extern const KySNMPVarDesc LLDPDot3PortConfigVars[];
extern const KySNMPVarDesc LocalDataPortTableVars[];
extern const KySNMPVarDesc LocalDataPowerTableVars[];
extern const KySNMPVarDesc LocalDataLinkAggregationTableVars[];
extern const KySNMPVarDesc LocalDataMaxFrameSizeTableVars[];
extern const KySNMPVarDesc RemoteDataPortTableVars[];
extern const KySNMPVarDesc RemoteDataPowerTableVars[];
extern const KySNMPVarDesc RemoteDataLinkAggregationTableVars[];
extern const KySNMPVarDesc RemoteDataMaxFrameSizeTableVars[];
extern const KySNMPVarDesc LldpConfigurationInformationVars[];
extern const KySNMPVarDesc LLDPPortConfigVars[];
extern const KySNMPVarDesc ManagementAddressVars[];
extern const KySNMPVarDesc StatisticsInformationVars[];
extern const KySNMPVarDesc TXPortTableVars[];
extern const KySNMPVarDesc RXPortTableVars[];
extern const KySNMPVarDesc LLDPLocSysDataVars[];
extern const KySNMPVarDesc LocalSystemDataPortTableVars[];
extern const KySNMPVarDesc LocalSystemDataManagementAddressTableVars[];
extern const KySNMPVarDesc LLDPRemoteVars[];
extern const KySNMPVarDesc RemoteSystemDataManagementAddressTableVars[];
extern const KySNMPVarDesc UnknownTLVTableVars[];
extern const KySNMPVarDesc RemoteInformationVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& LldpDot1VlanNameTxVars = LLDPConfigVLANNameVars;
inline constexpr auto& LldpDot1ProtocolVlanTxVars = LLDPConfigProtocolVLANVars;
inline constexpr auto& LldpDot1ProtocolTxVars = LLDPConfigProtocolVars;
inline constexpr auto& LldpDot3PortConfigVars = LLDPDot3PortConfigVars;
inline constexpr auto& LldpPortConfigVars = LLDPPortConfigVars;
inline constexpr auto& LldpLocalSystemVars = LLDPLocSysDataVars;
inline constexpr auto& LldpRemoteSystemVars = LLDPRemoteVars;
