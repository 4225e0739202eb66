#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of SSH, SSL, access authentication control, login and enable methods, Rampart
// engine, IP-MAC-port binding, DHCP snooping and related security features (.12.5, .12.6, .12.7, .12.19,
// .12.23, .12.39, .12.71).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc SSHGlobalSettingsVars[];
extern const KySNMPVarDesc DiffieHellmanAlgorithmVars[];
extern const KySNMPVarDesc EncryptionAlgorithmSettingsVars[];
extern const KySNMPVarDesc UserControlTableVars[];
extern const KySNMPVarDesc AuthenticationMethodSettingsVars[];
extern const KySNMPVarDesc HMACAlgorithmVars[];
extern const KySNMPVarDesc PublicKeyAlgorithmVars[];
extern const KySNMPVarDesc SSLManagementVars[];
extern const KySNMPVarDesc CertificateFileVars[];
extern const KySNMPVarDesc AACGlobalSettingsVars[];
extern const KySNMPVarDesc AACInformationVars[];
extern const KySNMPVarDesc LoginMethodListVars[];
extern const KySNMPVarDesc LoginInformationVars[];
extern const KySNMPVarDesc ServerGroupVars[];
extern const KySNMPVarDesc EnableMethodVars[];
extern const KySNMPVarDesc ServerInformationVars[];
extern const KySNMPVarDesc AAASrvCtrlVars[];
extern const KySNMPVarDesc RampartEngineGlobalSettingsVars[];
extern const KySNMPVarDesc RampartCtrlVars[];
extern const KySNMPVarDesc ARPStormControlVars[];
extern const KySNMPVarDesc IPMACPortBindingGlobalSettingsVars[];
extern const KySNMPVarDesc IPMACPortBindingPortInformationVars[];
extern const KySNMPVarDesc IPMACBindingVars[];
extern const KySNMPVarDesc BlockedTableVars[];
extern const KySNMPVarDesc DHCPSnoopingTableVars[];
extern const KySNMPVarDesc AllPortsManagementVars[];
extern const KySNMPVarDesc IPMACBindingIPv6Vars[];
extern const KySNMPVarDesc IPv6DHCPSnoopingTableVars[];
extern const KySNMPVarDesc NDSnoopingTableVars[];
extern const KySNMPVarDesc YPAXManagementGlobalSettingsVars[];
extern const KySNMPVarDesc UpdateServerTableVars[];
extern const KySNMPVarDesc YPAXManagementPortTableVars[];
extern const KySNMPVarDesc YPAXManagementHostTableVars[];
extern const KySNMPVarDesc PageElementTableVars[];
extern const KySNMPVarDesc YpaxUserTableVars[];
extern const KySNMPVarDesc IPMulticastVLANReplicationGlobalSettingsVars[];
extern const KySNMPVarDesc EntryTableVars[];
extern const KySNMPVarDesc SourceTableVars[];
extern const KySNMPVarDesc IPMcastVLANRepDstVars[];

// Names the layer-2 pages use for the same tables.
inline constexpr auto& IpMcastVlanRepDstVars = IPMcastVLANRepDstVars;
