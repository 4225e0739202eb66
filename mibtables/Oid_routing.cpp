#include "Oid_routing.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem PeerTableVars_StateItems[] = {
    {1, "idle"},
    {2, "connect"},
    {3, "active"},
    {4, "opensent"},
    {5, "openconfirm"},
    {6, "established"},
    {0, nullptr},
};
constinit const KyOptionList PeerTableVars_State{PeerTableVars_StateItems};

constexpr KyOptionItem PeerTableVars_AdminStatusItems[] = {
    {1, "stop"},
    {2, "start"},
    {0, nullptr},
};
constinit const KyOptionList PeerTableVars_AdminStatus{PeerTableVars_AdminStatusItems};

constexpr KyOptionItem PathAttributeTableVars_OriginItems[] = {
    {1, "igp"},
    {2, "egp"},
    {3, "incomplete"},
    {0, nullptr},
};
constinit const KyOptionList PathAttributeTableVars_Origin{PathAttributeTableVars_OriginItems};

constexpr KyOptionItem PathAttributeTableVars_AtomicAggregateItems[] = {
    {1, "lessSpecificRouteNotSelected"},
    {2, "lessSpecificRouteSelected"},
    {0, nullptr},
};
constinit const KyOptionList PathAttributeTableVars_AtomicAggregate{PathAttributeTableVars_AtomicAggregateItems};

constexpr KyOptionItem PathAttributeTableVars_BestRouteItems[] = {
    {1, "false"},
    {2, "true"},
    {0, nullptr},
};
constinit const KyOptionList PathAttributeTableVars_BestRoute{PathAttributeTableVars_BestRouteItems};

constexpr KyOptionItem InterfaceConfigureTableVars_AddressTypeItems[] = {
    {1, "ipv4"},
    {0, nullptr},
};
constinit const KyOptionList InterfaceConfigureTableVars_AddressType{InterfaceConfigureTableVars_AddressTypeItems};

constexpr KyOptionItem InterfaceConfigureTableVars_EncapsMethodItems[] = {
    {1, "other"},
    {2, "direct"},
    {11, "sixToFour"},
    {13, "isatap"},
    {0, nullptr},
};
constinit const KyOptionList InterfaceConfigureTableVars_EncapsMethod{InterfaceConfigureTableVars_EncapsMethodItems};

constexpr KyOptionItem DHCPv6RelayVars2_AddressTypeItems[] = {
    {1, "ipv4"},
    {2, "ipv6"},
    {3, "ipv4z"},
    {4, "ipv6z"},
    {0, nullptr},
};
constinit const KyOptionList DHCPv6RelayVars2_AddressType{DHCPv6RelayVars2_AddressTypeItems};

constexpr KyOptionItem RIPngVars1_MethodItems[] = {
    {1, "no-split-horizon"},
    {2, "split-horizon"},
    {3, "poison-reverse"},
    {0, nullptr},
};
constinit const KyOptionList RIPngVars1_Method{RIPngVars1_MethodItems};

constexpr KyOptionItem Ipv6StaticRouteVars_BackupStateItems[] = {
    {1, "primary"},
    {2, "backup"},
    {3, "none"},
    {0, nullptr},
};
constinit const KyOptionList Ipv6StaticRouteVars_BackupState{Ipv6StaticRouteVars_BackupStateItems};

constexpr KyOptionItem ARPIPV6ControlVars_ReachStateItems[] = {
    {1, "incomplete"},
    {2, "reachable"},
    {3, "stale"},
    {4, "delay"},
    {5, "probe"},
    {6, "static"},
    {0, nullptr},
};
constinit const KyOptionList ARPIPV6ControlVars_ReachState{ARPIPV6ControlVars_ReachStateItems};

constexpr KyOptionItem NeighborCacheDeleteActionVars_DeleteActionItems[] = {
    {1, "all"},
    {2, "static-all"},
    {3, "dynamic-all"},
    {4, "other"},
    {0, nullptr},
};
constinit const KyOptionList NeighborCacheDeleteActionVars_DeleteAction{NeighborCacheDeleteActionVars_DeleteActionItems};

constexpr KyOptionItem RIP2RFC1724Vars3_AuthenticationTypeItems[] = {
    {1, "None"},
    {2, "Simple Password"},
    {0, nullptr},
};
constinit const KyOptionList RIP2RFC1724Vars3_AuthenticationType{RIP2RFC1724Vars3_AuthenticationTypeItems};

constexpr KyOptionItem RIP2RFC1724Vars3_InterfaceSendItems[] = {
    {1, "doNotSend"},
    {2, "ripVersion1"},
    {3, "rip1Compatible"},
    {4, "ripVersion2"},
    {0, nullptr},
};
constinit const KyOptionList RIP2RFC1724Vars3_InterfaceSend{RIP2RFC1724Vars3_InterfaceSendItems};

constexpr KyOptionItem RIP2RFC1724Vars3_AcceptedRIPVersionItems[] = {
    {1, "rip1"},
    {2, "rip2"},
    {3, "rip1OrRip2"},
    {4, "doNotRecieve"},
    {0, nullptr},
};
constinit const KyOptionList RIP2RFC1724Vars3_AcceptedRIPVersion{RIP2RFC1724Vars3_AcceptedRIPVersionItems};

constexpr KyOptionItem RIP2RFC1724Vars3_IFConfigurationStatusItems[] = {
    {1, "active"},
    {2, "notInService"},
    {4, "createAndGo"},
    {6, "destroy"},
    {0, nullptr},
};
constinit const KyOptionList RIP2RFC1724Vars3_IFConfigurationStatus{RIP2RFC1724Vars3_IFConfigurationStatusItems};

constexpr KyOptionItem AllInterfaceStateVars_StateItems[] = {
    {1, "other"},
    {2, "enabled"},
    {3, "disabled"},
    {0, nullptr},
};
constinit const KyOptionList AllInterfaceStateVars_State{AllInterfaceStateVars_StateItems};

constexpr KyOptionItem IPv6AddressControlVars_AddressTypeItems[] = {
    {1, "manual"},
    {2, "dhcpv6"},
    {3, "stateless"},
    {0, nullptr},
};
constinit const KyOptionList IPv6AddressControlVars_AddressType{IPv6AddressControlVars_AddressTypeItems};

constexpr KyOptionItem IpCtrlVars_ModeItems[] = {
    {1, "other"},
    {3, "bootp"},
    {4, "dhcp"},
    {0, nullptr},
};
constinit const KyOptionList IpCtrlVars_Mode{IpCtrlVars_ModeItems};

constexpr KyOptionItem IPForwardingTableVars_TypeItems[] = {
    {1, "other"},
    {2, "static"},
    {3, "dynamic"},
    {0, nullptr},
};
constinit const KyOptionList IPForwardingTableVars_Type{IPForwardingTableVars_TypeItems};

constexpr KyOptionItem IpStaticRouteVars_StatusItems[] = {
    {2, "invalid"},
    {3, "valid"},
    {4, "active"},
    {5, "inActive"},
    {0, nullptr},
};
constinit const KyOptionList IpStaticRouteVars_Status{IpStaticRouteVars_StatusItems};

constexpr KyOptionItem RelayManagementGlobalSettingsVars_Option82StateItems[] = {
    {0, "disabled"},
    {1, "enabled"},
    {0, nullptr},
};
constinit const KyOptionList RelayManagementGlobalSettingsVars_Option82State{RelayManagementGlobalSettingsVars_Option82StateItems};

constexpr KyOptionItem RelayManagementGlobalSettingsVars_Option82PolicyItems[] = {
    {0, "replace"},
    {1, "drop"},
    {2, "keep"},
    {0, nullptr},
};
constinit const KyOptionList RelayManagementGlobalSettingsVars_Option82Policy{RelayManagementGlobalSettingsVars_Option82PolicyItems};

constexpr KyOptionItem BOOTCtrlTableVars_StateItems[] = {
    {1, "other"},
    {2, "invalid"},
    {3, "valid"},
    {0, nullptr},
};
constinit const KyOptionList BOOTCtrlTableVars_State{BOOTCtrlTableVars_StateItems};

constexpr KyOptionItem Option60SettingsVars1_DefaultModeItems[] = {
    {1, "relay"},
    {2, "drop"},
    {0, nullptr},
};
constinit const KyOptionList Option60SettingsVars1_DefaultMode{Option60SettingsVars1_DefaultModeItems};

constexpr KyOptionItem Option60SettingsVars3_MatchTypeItems[] = {
    {1, "exact"},
    {2, "partial"},
    {0, nullptr},
};
constinit const KyOptionList Option60SettingsVars3_MatchType{Option60SettingsVars3_MatchTypeItems};

constexpr KyOptionItem Option61SettingsVars2_ClientTypeItems[] = {
    {1, "mac"},
    {2, "string"},
    {0, nullptr},
};
constinit const KyOptionList Option61SettingsVars2_ClientType{Option61SettingsVars2_ClientTypeItems};

constexpr KyOptionItem DNSCtrlVars_StateItems[] = {
    {2, "invalid"},
    {3, "valid"},
    {0, nullptr},
};
constinit const KyOptionList DNSCtrlVars_State{DNSCtrlVars_StateItems};

constexpr KyOptionItem RouteRedistributionTableVars_SourceProtocolItems[] = {
    {4, "static"},
    {5, "local"},
    {0, nullptr},
};
constinit const KyOptionList RouteRedistributionTableVars_SourceProtocol{RouteRedistributionTableVars_SourceProtocolItems};

constexpr KyOptionItem RouteRedistributionTableVars_DestinationProtocolItems[] = {
    {2, "rip"},
    {0, nullptr},
};
constinit const KyOptionList RouteRedistributionTableVars_DestinationProtocol{RouteRedistributionTableVars_DestinationProtocolItems};

} // namespace

constinit const KySNMPVarDesc Bgp4GlobalInformationVars[] = {
    {"1.3.6.1.2.1.15.1", "Version", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.2", "Local Autonomous System Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.4", "Identifier", sxIpAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PeerTableVars[] = {
    {"1.3.6.1.2.1.15.3.1.7", "Remote Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.15.3.1.1", "Identifier", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.2", "State", sxInteger, afReadOnly, &PeerTableVars_State},
    {"1.3.6.1.2.1.15.3.1.3", "Admin Status", sxInteger, afReadWrite, &PeerTableVars_AdminStatus},
    {"1.3.6.1.2.1.15.3.1.4", "Negotiated Version", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.5", "Local Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.6", "Local Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.8", "Remote Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.9", "Remote Autonomous System Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.10", "In Updates", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.11", "Out Updates", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.12", "In Total Messages", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.13", "Out Total Messages", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.14", "Last Error", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.15", "FSM Established Transitions", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.16", "FSM Established Time", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.17", "Connect Retry Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.18", "Hold Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.19", "Keep Alive", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.3.1.20", "Hold Time Configured", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.21", "Keep Alive Configured", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.22", "Min AS Origination Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.23", "Min Route Advertisement Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.15.3.1.24", "In Update Elapsed Time", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PathAttributeTableVars[] = {
    {"1.3.6.1.2.1.15.6.1.3", "IP Address Prefix", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.15.6.1.2", "IP Address Prefix Length", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.15.6.1.1", "Peer", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.15.6.1.4", "Origin", sxInteger, afReadOnly, &PathAttributeTableVars_Origin},
    {"1.3.6.1.2.1.15.6.1.5", "AS Path Segment", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.6.1.6", "Next Hop", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.6.1.7", "Multiple Exit Discriminate", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.6.1.8", "Local Preference", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.6.1.9", "Atomic Aggregate", sxInteger, afReadOnly, &PathAttributeTableVars_AtomicAggregate},
    {"1.3.6.1.2.1.15.6.1.10", "Aggregator AS", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.6.1.11", "Aggregator Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.6.1.12", "Calculate Local Preference", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.15.6.1.13", "Best Route", sxInteger, afReadOnly, &PathAttributeTableVars_BestRoute},
    {"1.3.6.1.2.1.15.6.1.14", "Unknown Path", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc InterfaceConfigureTableVars[] = {
    {"1.3.6.1.2.1.10.131.1.1.3.1.1", "Address Type", sxInteger, afNotAccess, &InterfaceConfigureTableVars_AddressType},
    {"1.3.6.1.2.1.10.131.1.1.3.1.2", "Local Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.3", "Remote Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.4", "Encaps Method", sxInteger, afNotAccess, &InterfaceConfigureTableVars_EncapsMethod},
    {"1.3.6.1.2.1.10.131.1.1.3.1.5", "ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.6", "IF Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.3.1.7", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6RelayVars1[] = {
    {"1.3.6.1.4.1.32473.12.84.1.1", "Hop Count", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.2", "Global State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6RelayVars2[] = {
    {" ", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.4.1.1", "Address Type", sxInteger, afNotAccess, &DHCPv6RelayVars2_AddressType},
    {"1.3.6.1.4.1.32473.12.84.1.4.1.2", "Address                           ", sxInetAddress, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.4.1.3", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6RelayVars3[] = {
    {"1.3.6.1.4.1.32473.12.84.1.3.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.84.1.3.1.2", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RIPngVars1[] = {
    {"1.3.6.1.4.1.32473.12.83.1", "Global State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.83.2", "Method", sxInteger, afReadWrite, &RIPngVars1_Method},
    {"1.3.6.1.4.1.32473.12.83.3", "Update Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.83.4", "Expire Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.83.5", "Garbage Collection Time", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RIPngVars2[] = {
    {"1.3.6.1.4.1.32473.12.83.6.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.83.6.1.2", "State     ", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.83.6.1.3", "Metric", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CIDRInformationVars[] = {
    {"1.3.6.1.2.1.4.24.6", "Number", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.4.24.8", "Discards", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Ipv6StaticRouteVars[] = {
    {"1.3.6.1.4.1.32473.12.26.3.1.1.1", "Destination", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.2", "Prefix Length", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.3", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.4", "Next Hop", sxIPv6Address, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.5", "Metric", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.7", "Protocol", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.8", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.26.3.1.1.9", "Backup State", sxInteger, afReadWrite, &Ipv6StaticRouteVars_BackupState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TunnelTableVars[] = {
    {" ", "Destination", sxIPv6Address, afNotAccess, nullptr},
    {" ", "Prefix Length", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.2.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.3.2.1.100", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ARPIPV6ControlVars[] = {
    {"1.3.6.1.4.1.32473.12.26.4.1.1.1", "IPv6 Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.2", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.3", "Interface Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.4", "Reach State", sxInteger, afReadOnly, &ARPIPV6ControlVars_ReachState},
    {"1.3.6.1.4.1.32473.12.26.4.1.1.5", "Route Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NeighborCacheDeleteActionVars[] = {
    {"1.3.6.1.4.1.32473.12.26.4.2", "Delete Action", sxInteger, afReadWrite, &NeighborCacheDeleteActionVars_DeleteAction},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RIP2RFC1724Vars1[] = {
    {"1.3.6.1.2.1.23.1.1", "Route Changes", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.23.1.2", "Queries", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RIP2RFC1724Vars2[] = {
    {"1.3.6.1.2.1.23.2.1.1", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.23.2.1.2", "Received Bad Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.23.2.1.3", "Received Bad Routes", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.23.2.1.4", "Sent Updates", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.23.2.1.5", "Row Status", sxInteger, afReadOnly, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RIP2RFC1724Vars3[] = {
    {"1.3.6.1.2.1.23.3.1.1", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.23.3.1.3", "Authentication Type", sxInteger, afReadWrite, &RIP2RFC1724Vars3_AuthenticationType},
    {"1.3.6.1.2.1.23.3.1.4", "Authentication Key", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.23.3.1.5", "Interface Send", sxInteger, afReadWrite, &RIP2RFC1724Vars3_InterfaceSend},
    {"1.3.6.1.2.1.23.3.1.6", "Accepted RIP Version", sxInteger, afReadWrite, &RIP2RFC1724Vars3_AcceptedRIPVersion},
    {"1.3.6.1.2.1.23.3.1.7", "IF Configuration Default Metric", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.23.3.1.8", "IF Configuration Status", sxInteger, afReadWrite, &RIP2RFC1724Vars3_IFConfigurationStatus},
    {"1.3.6.1.2.1.23.3.1.9", "Interface Source Address", sxIpAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LoopbackIPControlTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.8.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.8.1.2", "Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.8.1.3", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.8.1.4", "IP Subnet Mask", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.8.1.5", "Admin State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.8.1.6", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ECMPManagementVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.15.1", "IP Destination", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.15.2", "IP Source", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.15.3", "CRC Low", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.15.4", "CRC High", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.15.5", "TCP/UDP Port", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.15.6", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Layer3DeviceGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.1.1.1", "RIP State", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AllInterfaceStateVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.7", "State", sxInteger, afReadWrite, &AllInterfaceStateVars_State},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPv6ControlTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.2", "Max Reassmbly Size", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.3", "Retrans Timer", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.5", "RA State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.6", "RA Min Router Advertisement Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.7", "RA Max Router Advertisement Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.8", "RA Life Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.9", "RA Reachable Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.10", "RA Retrans Time", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.11", "RA Hop Limit", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.12", "RA Managed Flag", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.4.1.13", "RA Other Configuration Flag", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPv6AddressControlVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.2", "IPv6 Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.3", "Prefix Length", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.4", "Preferred Life Time", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.5", "Valid Life Time", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.6", "On Link Flag", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.7", "Autonomous Flag", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.8", "State", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.5.1.9", "Address Type", sxInteger, afReadOnly, &IPv6AddressControlVars_AddressType},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IpCtrlVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.1", "InterfaceName", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.2", "Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.3", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.4", "IP Subnet Mask", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.5", "VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.7", "Secondary", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.8", "Mode", sxInteger, afReadWrite, &IpCtrlVars_Mode},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.9", "Administration State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.14", "IPv6 LinkLocal Address", sxIPv6Address, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.15", "IPv6 LinkLocal Prefix Length", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.16", "State", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.6", "Proxy ARP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.18", "Local Proxy ARP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.17", "IPv6 LinkLocal Auto State", sxInteger, afReadWrite, &AllInterfaceStateVars_State},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.20", "DHCPv6 Client State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.1.3.1.21", "Directed Broadcast State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPForwardingTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.2.1.1.1", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.2.1.1.2", "IP Subnet Mask", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.2.1.1.3", "Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.2.1.1.4", "Type", sxInteger, afReadOnly, &IPForwardingTableVars_Type},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IpStaticRouteVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.5.1.1", "Route Destination", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.5.1.2", "Route Mask", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.5.1.4", "Next Hop", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.5.1.3", "Backup State", sxInteger, afReadWrite, &Ipv6StaticRouteVars_BackupState},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.5.1.5", "Metric", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.5.1.6", "Status", sxInteger, afReadWrite, &IpStaticRouteVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMulticastStaticRouteTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.6.1.1.1", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.6.1.1.2", "IP Mask", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.6.1.1.3", "RPF Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.2.6.1.1.4", "RowStatus", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RelayManagementGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.1", "State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.2", "Hop Count", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.3", "Time Threshold", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.5", "Option82 State", sxInteger, afReadWrite, &RelayManagementGlobalSettingsVars_Option82State},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.6", "Option82 Check State", sxInteger, afReadWrite, &RelayManagementGlobalSettingsVars_Option82State},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.7", "Option82 Policy", sxInteger, afReadWrite, &RelayManagementGlobalSettingsVars_Option82Policy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BOOTCtrlTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.4.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.4.1.2", "Server IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.4.1.3", "State", sxInteger, afReadWrite, &BOOTCtrlTableVars_State},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Option60SettingsVars1[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.2", "Default Mode", sxInteger, afReadWrite, &Option60SettingsVars1_DefaultMode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Option60SettingsVars2[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.3.1.1", "Relay IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.3.1.2", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Option60SettingsVars3[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.4.1.1", "String", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.4.1.2", "Relay IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.4.1.3", "Match Type", sxInteger, afReadWrite, &Option60SettingsVars3_MatchType},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.8.4.1.4", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Option61SettingsVars1[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.2", "Default Mode", sxInteger, afReadWrite, &Option60SettingsVars1_DefaultMode},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.3", "Default Relay IP", sxIpAddress, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Option61SettingsVars2[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.4.1.1", "Client Type", sxInteger, afNotAccess, &Option61SettingsVars2_ClientType},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.4.1.2", "Client ID", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.4.1.3", "Mode", sxInteger, afReadWrite, &Option60SettingsVars1_DefaultMode},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.4.1.4", "Relay IP", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.1.9.4.1.5", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DNSRelayGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.1", "State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.2", "Primary Server", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.3", "Secondary Server", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.4", "Cache State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.5", "Static Table State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DNSCtrlVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.6.1.1", "Domain Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.6.1.2", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.3.2.6.1.3", "State", sxInteger, afReadWrite, &DNSCtrlVars_State},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RouteRedistributionTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.5.1.1", "Source Protocol", sxInteger, afNotAccess, &RouteRedistributionTableVars_SourceProtocol},
    {"1.3.6.1.4.1.32473.11.70.1.3.5.1.2", "Destination Protocol", sxInteger, afNotAccess, &RouteRedistributionTableVars_DestinationProtocol},
    {"1.3.6.1.4.1.32473.11.70.1.3.5.1.4", "Metric (0-16)", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.5.1.5", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ARPAgingTimeVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.2.4", "IP ARP Aging Time", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RoutePreferenceVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.3.9.1", "RIP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.9.3", "Static", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.9.4", "Local", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.3.9.8", "Default", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPTunnelInterfaceTableVars[] = {
    {" ", "IF Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.1", "Local Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.2", "Remote Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.3", "Encaps Method", sxInteger, afReadOnly, &InterfaceConfigureTableVars_EncapsMethod},
    {"1.3.6.1.2.1.10.131.1.1.1.1.8", "Address Type", sxInteger, afReadWrite, &InterfaceConfigureTableVars_AddressType},
    {"1.3.6.1.2.1.10.131.1.1.1.1.9", "Local Inet Address", sxInetAddress, afReadWrite, nullptr},
    {"1.3.6.1.2.1.10.131.1.1.1.1.10", "Remote Inet Address", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
