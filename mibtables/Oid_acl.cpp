#include "Oid_acl.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem EthernetMaskInformationVars_MACAddressMaskStateItems[] = {
    {1, "other"},
    {2, "dst-mac-addr"},
    {3, "src-mac-addr"},
    {4, "dst-src-mac-addr"},
    {0, nullptr},
};
constinit const KyOptionList EthernetMaskInformationVars_MACAddressMaskState{EthernetMaskInformationVars_MACAddressMaskStateItems};

constexpr KyOptionItem IPMaskInformationVars_AddressMaskStateItems[] = {
    {1, "other"},
    {2, "dst-ip-addr"},
    {3, "src-ip-addr"},
    {4, "dst-src-ip-addr"},
    {0, nullptr},
};
constinit const KyOptionList IPMaskInformationVars_AddressMaskState{IPMaskInformationVars_AddressMaskStateItems};

constexpr KyOptionItem IPMaskInformationVars_UseProtocolTypeItems[] = {
    {1, "none"},
    {2, "icmp"},
    {3, "igmp"},
    {4, "tcp"},
    {5, "udp"},
    {6, "protocolId"},
    {0, nullptr},
};
constinit const KyOptionList IPMaskInformationVars_UseProtocolType{IPMaskInformationVars_UseProtocolTypeItems};

constexpr KyOptionItem IPMaskInformationVars_ICMPOptionItems[] = {
    {1, "none"},
    {2, "type"},
    {3, "code"},
    {4, "type-code"},
    {0, nullptr},
};
constinit const KyOptionList IPMaskInformationVars_ICMPOption{IPMaskInformationVars_ICMPOptionItems};

constexpr KyOptionItem IPMaskInformationVars_TCPOptionItems[] = {
    {1, "other"},
    {2, "dst-addr"},
    {3, "src-addr"},
    {4, "dst-src-addr"},
    {0, nullptr},
};
constinit const KyOptionList IPMaskInformationVars_TCPOption{IPMaskInformationVars_TCPOptionItems};

constexpr KyOptionItem EthernetInformationRuleVars_PermitRuleItems[] = {
    {1, "deny"},
    {2, "permit"},
    {3, "mirror"},
    {0, nullptr},
};
constinit const KyOptionList EthernetInformationRuleVars_PermitRule{EthernetInformationRuleVars_PermitRuleItems};

constexpr KyOptionItem IPv6ProfileVars_IPAddressMaskStateItems[] = {
    {1, "other"},
    {2, "dst-ipv6-addr"},
    {3, "src-ipv6-addr"},
    {4, "dst-src-ipv6-addr"},
    {0, nullptr},
};
constinit const KyOptionList IPv6ProfileVars_IPAddressMaskState{IPv6ProfileVars_IPAddressMaskStateItems};

constexpr KyOptionItem IPv6ProfileVars_UseProtocolTypeItems[] = {
    {1, "none"},
    {2, "tcp"},
    {3, "udp"},
    {0, nullptr},
};
constinit const KyOptionList IPv6ProfileVars_UseProtocolType{IPv6ProfileVars_UseProtocolTypeItems};

constexpr KyOptionItem FlowMeterTableVars_ModeItems[] = {
    {1, "other"},
    {2, "tr-tcm"},
    {3, "sr-tcm"},
    {0, nullptr},
};
constinit const KyOptionList FlowMeterTableVars_Mode{FlowMeterTableVars_ModeItems};

constexpr KyOptionItem FlowMeterTableVars_TrTCMConformStateItems[] = {
    {1, "other"},
    {2, "permit"},
    {3, "replace-dscp"},
    {0, nullptr},
};
constinit const KyOptionList FlowMeterTableVars_TrTCMConformState{FlowMeterTableVars_TrTCMConformStateItems};

constexpr KyOptionItem FlowMeterTableVars_TrTCMExceedStateItems[] = {
    {1, "other"},
    {2, "permit"},
    {3, "replace-dscp"},
    {4, "drop"},
    {0, nullptr},
};
constinit const KyOptionList FlowMeterTableVars_TrTCMExceedState{FlowMeterTableVars_TrTCMExceedStateItems};

} // namespace

constinit const KySNMPVarDesc EthernetMaskInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.9.2.1.1.1", "Mask ID ", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.2", "Use VLAN", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.3", "MAC Address Mask State", sxInteger, afReadWrite, &EthernetMaskInformationVars_MACAddressMaskState},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.4", "MAC Address Mask Sourcc", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.5", "MAC Address Mask Destination", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.6", "Use 802.1p", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.7", "Use Ethernet Type", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.8", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.9", "Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.10", "Unused Rule Entries", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMaskInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.9.2.2.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.2", "Use VLAN", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.3", "Address Mask State", sxInteger, afReadWrite, &IPMaskInformationVars_AddressMaskState},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.4", "Source IP Address Mask", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.5", "Destination IP Address Mask", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.6", "Use DSCP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.7", "Use Protocol Type", sxInteger, afReadWrite, &IPMaskInformationVars_UseProtocolType},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.8", "ICMP Option", sxInteger, afReadWrite, &IPMaskInformationVars_ICMPOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.9", "IGMP Option", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.10", "TCP Option", sxInteger, afReadWrite, &IPMaskInformationVars_TCPOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.11", "UDP Option", sxInteger, afReadWrite, &IPMaskInformationVars_TCPOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.12", "TCP or UDP Source Port Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.14", "TCP Flag Bit", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.15", "TCP Flag Bit Mask", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.16", "Protocol ID Option", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.17", "Protocol ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.18", "Protocol ID Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.19", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.20", "Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.21", "Source MAC Address Mask", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.22", "Unused Rule Entries", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc EthernetInformationRuleVars[] = {
    {"1.3.6.1.4.1.32473.12.9.3.1.1.1", "Mask ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.4", "Source MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.5", "Destination MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.6", "802.1p", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.7", "Ethernet Type", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.8", "Enable Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.9", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.10", "Replace Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.13", "Permit Rule", sxInteger, afReadWrite, &EthernetInformationRuleVars_PermitRule},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.14", "Rule Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Rule RX Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.16", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.17", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.18", "Rule Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.25", "Mirror Group ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.11", "Replace DSCP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.12", "Replace DSCP Value", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPRuleVars[] = {
    {"1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.3", "Rule VLAN", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.4", "Source IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.5", "Destination IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.6", "DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.7", "Protocol", sxInteger, afReadOnly, &IPMaskInformationVars_UseProtocolType},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.8", "ICMP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.9", "IGMP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.10", "Source Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.11", "Destination Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.12", "Flag Bits", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.13", "Protocol ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.14", "User Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.15", "Enable Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.16", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.17", "Replace Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.18", "Enable Replace DSCP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.19", "Replace DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.20", "Permit", sxInteger, afReadWrite, &EthernetInformationRuleVars_PermitRule},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.21", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "RX Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.23", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.24", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.25", "Source MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.26", "Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.27", "Type", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.28", "Code", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.35", "Mirror Group ID", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UserDefinedInformationRuleVars[] = {
    {"1.3.6.1.4.1.32473.11.5.2.3.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.4", "OffSet 0to15", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.5", "OffSet 16to31", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.6", "OffSet 32to47", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.7", "OffSet 48to63", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.8", "OffSet 64to79", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.9", "Enable Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.10", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.11", "Replace Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.12", "Enable Replace DSCP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.13", "Replace DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.14", "Permit", sxInteger, afReadWrite, &DenyPermit},
    {"1.3.6.1.4.1.32473.11.5.2.3.1.15", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

// User-defined payload masks. The switch's MIB leaves this table out; its OIDs, beside the payload rule
// table under the same subtree, are this program's assumption.
constinit const KySNMPVarDesc UserMaskInfoVars[] = {
    {"1.3.6.1.4.1.32473.11.5.2.2.1.1", "Mask Entry ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.2.1.2", "Filtered Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.2.1.3", "Filtered Port(s) [0 to 15]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.2.1.4", "Filtered Port(s) [16 to 31]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.2.1.5", "Filtered Port(s) [32 to 47]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.2.1.6", "Filtered Port(s) [48 to 63]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.2.1.7", "Filtered Port(s) [64 to 79]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.5.2.2.1.8", "Mask Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPv6ProfileVars[] = {
    {"1.3.6.1.4.1.32473.12.9.2.4.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.2", "Mask Class", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.3", "Flow label", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.4", "IP Address Mask State", sxInteger, afReadWrite, &IPv6ProfileVars_IPAddressMaskState},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.5", "Source IPv6 Mask", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.6", "Destination IPv6 Mask", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.8", "Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.9", "Unused Rule Entries", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.11", "Use Protocol Type", sxInteger, afReadWrite, &IPv6ProfileVars_UseProtocolType},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.12", "TCP Option", sxInteger, afReadWrite, &IPMaskInformationVars_TCPOption},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.13", "UDP Option", sxInteger, afReadWrite, &IPMaskInformationVars_TCPOption},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.14", "Source Port Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.15", "Destination Port Mask", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Ipv6RuleVars[] = {
    {"1.3.6.1.4.1.32473.12.9.3.4.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.3", "Class", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.4", "Flowlabel", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.5", "Source IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.6", "Destination IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.7", "Enable Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.8", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.9", "Replace Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.10", "Permit", sxInteger, afReadWrite, &EthernetInformationRuleVars_PermitRule},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.11", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.12", "RX Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.13", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.14", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.15", "Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.20", "Protocol", sxInteger, afReadWrite, &IPv6ProfileVars_UseProtocolType},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.21", "Source Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.22", "Destination Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.29", "Mirror Group ID", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CPUInterfaceFilteringGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.9.1.1", "Global State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc EthernetMaskCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.4.1.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.2", "Use VLAN", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.3", "MAC Address Mask State", sxInteger, afReadWrite, &EthernetMaskInformationVars_MACAddressMaskState},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.4", "Source MAC Address Mask", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.5", "Destination MAC Address Mask", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.7", "Use Ethernet Type", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.8", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc EthernetRuleCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.5.1.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.3", "VLAN", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.4", "Rule Source MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.5", "Rule Destination MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.7", "Ethernet Type", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.8", "Permit", sxInteger, afReadWrite, &DenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.9", "Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.10", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.11", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMaskCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.4.2.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.2", "Use VLAN", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.3", "IP Address Mask State", sxInteger, afReadWrite, &IPMaskInformationVars_AddressMaskState},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.4", "IP Address Mask Source", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.5", "IP Address Mask Destination", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.6", "Use DSCP", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.7", "Use Protocol Type", sxInteger, afReadWrite, &IPMaskInformationVars_UseProtocolType},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.8", "ICMP Option", sxInteger, afReadWrite, &IPMaskInformationVars_ICMPOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.9", "IGMP Option", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.10", "TCP Option", sxInteger, afReadWrite, &IPMaskInformationVars_TCPOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.11", "UDP Option", sxInteger, afReadWrite, &IPMaskInformationVars_TCPOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.14", "TCP Flag Bit", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.15", "TCP Flag Bit Mask", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.17", "Protocol ID Mask", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.18", "User Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.19", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPRuleCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.5.2.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.3", "VLAN", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.4", "Source IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.5", "Destination IP address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.6", "DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.7", "Protocol", sxInteger, afReadOnly, &IPMaskInformationVars_UseProtocolType},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.8", "Type", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.9", "Code", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.10", "Source Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.11", "Destination Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.12", "Flag Bits", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.13", "Protocol ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.14", "User Mask", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.15", "Permit", sxInteger, afReadWrite, &DenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.16", "Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.17", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.18", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PacketContentMaskCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.4.3.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.2", "Packet Content Offset Mask (0-15)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.3", "Packet Content Offset Mask (16-31)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.4", "Packet Content Offset Mask (32-47)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.5", "Packet Content Offset Mask (48-63)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.6", "Packet Content Offset Mask (64-79)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PacketContentRuleCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.5.3.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.3", "Offset (0-15)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.4", "Payload Offset (16-31)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.5", "Payload Offset (32-47)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.6", "Payload Offset (48-63)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.7", "Payload Offset (64-79)", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.8", "Permit", sxInteger, afReadWrite, &DenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.9", "Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.10", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.11", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ACLDeleteAllMaskVars[] = {
    {"1.3.6.1.4.1.32473.12.9.2.5", "Delete All State", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CPUInterfaceFilteringDeleteAllMaskVars[] = {
    {"1.3.6.1.4.1.32473.12.9.4.5", "Delete All State", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IBPACLEtherMaskVars[] = {
    {"1.3.6.1.4.1.32473.12.9.2.6.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.6.1.2", "Ethernet Type", sxInteger, afReadOnly, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IBPIPMaskVars[] = {
    {"1.3.6.1.4.1.32473.12.9.2.7.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.7.1.2", "Source MAC Address Mask", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.7.1.3", "Source IP Address Mask", sxIpAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IBPEtherRuleVars[] = {
    {"1.3.6.1.4.1.32473.12.9.3.5.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.3", "Rule Type", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.4", "Permit", sxInteger, afReadOnly, &DenyPermit},
    {"1.3.6.1.4.1.32473.12.9.3.5.1.5", "Port", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IBPIPRuleVars[] = {
    {"1.3.6.1.4.1.32473.12.9.3.6.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.3", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.4", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.5", "Permit", sxInteger, afReadOnly, &DenyPermit},
    {"1.3.6.1.4.1.32473.12.9.3.6.1.6", "Port", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPv6MaskCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.4.4.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.2", "Class", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.3", "Flow Label", sxInteger, afReadWrite, &EnableDisable},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.4", "Mask State", sxInteger, afReadWrite, &IPv6ProfileVars_IPAddressMaskState},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.5", "Source IPv6 Mask", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.6", "Destination IPv6 Mask", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.4.4.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPv6RuleCPUInterfaceFilteringVars[] = {
    {"1.3.6.1.4.1.32473.12.9.5.4.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.3", "Class", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.4", "Flowlabel", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.5", "Source IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.6", "Destination IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.7", "Permit", sxInteger, afReadWrite, &DenyPermit},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.8", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.9", "Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.5.4.1.10", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PktContentMaskVars[] = {
    {"1.3.6.1.4.1.32473.12.9.2.8.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.2", "Chunk1 State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.3", "Chunk1 Value", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.4", "Chunk1 Offset", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.5", "Chunk2 State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.6", "Chunk2 Value", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.7", "Chunk2 Offset", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.8", "Chunk3 State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.9", "Chunk3 Value", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.10", "Chunk3 Offset", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.11", "Chunk4 State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.12", "Chunk4 Value", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.13", "Chunk4 Offset", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.14", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.15", "Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.2.8.1.16", "Unused Rule Entries", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PktContentRuleVars[] = {
    {"1.3.6.1.4.1.32473.12.9.3.7.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.3", "Chunk1 Value", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.4", "Chunk1", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.5", "Chunk2 Value", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.6", "Chunk2", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.7", "Chunk3 Value", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.8", "Chunk3", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.9", "Chunk4 Value", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.10", "Chunk4", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.11", "Enable Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.12", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.13", "Replace Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.16", "Permit", sxInteger, afReadWrite, &EthernetInformationRuleVars_PermitRule},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.17", "Rule Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.18", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.19", "Owner", sxInteger, afReadOnly, &FilterOwner},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.20", "RX Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.21", "Time Range Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.22", "Mirror Group ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.14", "Replace DSCP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.7.1.15", "Replace DSCP Value", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AclGlobalInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.9.1.2", "Used Rule Entries", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.1.3", "Unused Rule Entries", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CounterTableVars[] = {
    {"1.3.6.1.4.1.32473.12.9.3.8.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.3", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.4", "Total Counter", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.5", "Green Counter", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.6", "Yellow Counter", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.9.3.8.1.7", "Red Counter", sxCounter64, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FlowMeterTableVars[] = {
    {"1.3.6.1.4.1.32473.12.9.6.1.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.7", "Mode", sxInteger, afReadWrite, &FlowMeterTableVars_Mode},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.8", "Tr TCM CIR", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.9", "Tr TCM CBS", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.10", "Tr TCM PIR", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.11", "Tr TCM PBS", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.13", "Tr TCM Conform State", sxInteger, afReadWrite, &FlowMeterTableVars_TrTCMConformState},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.14", "Tr TCM Conform Replace DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.15", "Tr TCM Conform Counter State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.16", "Tr TCM Exceed State", sxInteger, afReadWrite, &FlowMeterTableVars_TrTCMExceedState},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.17", "Tr TCM Exceed Replace DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.18", "Tr TCM Exceed Counter State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.19", "Tr TCM Violate State", sxInteger, afReadWrite, &FlowMeterTableVars_TrTCMExceedState},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.20", "Tr TCM Violate Replace DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.21", "Tr TCM Violate Counter State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.22", "Sr TCM CIR", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.23", "Sr TCM CBS", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.24", "Sr TCM EBS", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.26", "Sr TCM Conform State", sxInteger, afReadWrite, &FlowMeterTableVars_TrTCMConformState},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.27", "Sr TCM Conform Replace DDCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.28", "Sr TCM Conform Counter State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.29", "Sr TCM Exceed State", sxInteger, afReadWrite, &FlowMeterTableVars_TrTCMExceedState},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.30", "Sr TCM Exceed Replace DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.31", "Sr TCM Exceed Counter State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.32", "Sr TCM Violate State", sxInteger, afReadWrite, &FlowMeterTableVars_TrTCMExceedState},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.33", "Sr TCM Violate Replace DSCP", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.34", "Sr TCM Violate Counter State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.9.6.1.1.35", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FlowMeterInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.9.6.2", "Number Of Entry In Use", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
