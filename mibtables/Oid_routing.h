#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of IP interfaces, routes, relays and layer-3 settings (.11.70), RIP (mib-2 23),
// BGP-4 (mib-2 15), tunnels (mib-2 10), IP forwarding (mib-2 4), IPv6 and relay features (.12.26, .12.83,
// .12.84).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc Bgp4GlobalInformationVars[];
extern const KySNMPVarDesc PeerTableVars[];
extern const KySNMPVarDesc PathAttributeTableVars[];
extern const KySNMPVarDesc InterfaceConfigureTableVars[];
extern const KySNMPVarDesc DHCPv6RelayVars1[];
extern const KySNMPVarDesc DHCPv6RelayVars2[];
extern const KySNMPVarDesc DHCPv6RelayVars3[];
extern const KySNMPVarDesc RIPngVars1[];
extern const KySNMPVarDesc RIPngVars2[];
extern const KySNMPVarDesc CIDRInformationVars[];
extern const KySNMPVarDesc Ipv6StaticRouteVars[];
extern const KySNMPVarDesc TunnelTableVars[];
extern const KySNMPVarDesc ARPIPV6ControlVars[];
extern const KySNMPVarDesc NeighborCacheDeleteActionVars[];
extern const KySNMPVarDesc RIP2RFC1724Vars1[];
extern const KySNMPVarDesc RIP2RFC1724Vars2[];
extern const KySNMPVarDesc RIP2RFC1724Vars3[];
extern const KySNMPVarDesc LoopbackIPControlTableVars[];
extern const KySNMPVarDesc ECMPManagementVars[];
extern const KySNMPVarDesc Layer3DeviceGlobalSettingsVars[];
extern const KySNMPVarDesc AllInterfaceStateVars[];
extern const KySNMPVarDesc IPv6ControlTableVars[];
extern const KySNMPVarDesc IPv6AddressControlVars[];
extern const KySNMPVarDesc IpCtrlVars[];
extern const KySNMPVarDesc IPForwardingTableVars[];
extern const KySNMPVarDesc IpStaticRouteVars[];
extern const KySNMPVarDesc IPMulticastStaticRouteTableVars[];
extern const KySNMPVarDesc RelayManagementGlobalSettingsVars[];
extern const KySNMPVarDesc BOOTCtrlTableVars[];
extern const KySNMPVarDesc Option60SettingsVars1[];
extern const KySNMPVarDesc Option60SettingsVars2[];
extern const KySNMPVarDesc Option60SettingsVars3[];
extern const KySNMPVarDesc Option61SettingsVars1[];
extern const KySNMPVarDesc Option61SettingsVars2[];
extern const KySNMPVarDesc DNSRelayGlobalSettingsVars[];
extern const KySNMPVarDesc DNSCtrlVars[];
extern const KySNMPVarDesc RouteRedistributionTableVars[];
extern const KySNMPVarDesc ARPAgingTimeVars[];
extern const KySNMPVarDesc RoutePreferenceVars[];
extern const KySNMPVarDesc IPTunnelInterfaceTableVars[];
