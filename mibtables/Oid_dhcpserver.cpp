#include "Oid_dhcpserver.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem DHCPPoolVars_NetBIOSNodeTypeItems[] = {
    {1, "broadcast"},
    {2, "peer_to_peer"},
    {3, "mixed"},
    {4, "hybid"},
    {0, nullptr},
};
constinit const KyOptionList DHCPPoolVars_NetBIOSNodeType{DHCPPoolVars_NetBIOSNodeTypeItems};

constexpr KyOptionItem DHCPPoolVars_LeaseStateItems[] = {
    {1, "predefined"},
    {2, "infinite"},
    {0, nullptr},
};
constinit const KyOptionList DHCPPoolVars_LeaseState{DHCPPoolVars_LeaseStateItems};

constexpr KyOptionItem DHCPServerManualBindingTableVars_TypeItems[] = {
    {1, "Ethernet"},
    {2, "IEEE802"},
    {0, nullptr},
};
constinit const KyOptionList DHCPServerManualBindingTableVars_Type{DHCPServerManualBindingTableVars_TypeItems};

constexpr KyOptionItem DynamicBindingTableVars_TypeItems[] = {
    {1, "ethernet"},
    {2, "iee802"},
    {0, nullptr},
};
constinit const KyOptionList DynamicBindingTableVars_Type{DynamicBindingTableVars_TypeItems};

constexpr KyOptionItem DynamicBindingTableVars_StatusItems[] = {
    {1, "manual"},
    {2, "automatic"},
    {0, nullptr},
};
constinit const KyOptionList DynamicBindingTableVars_Status{DynamicBindingTableVars_StatusItems};

} // namespace

constinit const KySNMPVarDesc DHCPServerGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.38.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.38.1.2", "Ping Packet Number (2-10)", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.1.3", "Ping Time Out (500-2000 millisecond)", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPServerExcludedAddressTableVars[] = {
    {"1.3.6.1.4.1.32473.12.38.3.1.1.1", "Begin Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.1.1.2", "End Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.1.1.3", "Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPPoolVars[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.2", "Network Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.3", "Network Address Mask", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.4", "Domain Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.5", "NetBIOS Node Type", sxInteger, afReadWrite, &DHCPPoolVars_NetBIOSNodeType},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.6", "Lease State", sxInteger, afReadWrite, &DHCPPoolVars_LeaseState},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.7", "Lease Day", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.8", "Lease Hour", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.9", "Lease Minute", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.10", "Boot File", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.11", "Next Server", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.1.1.12", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPServerDNSServerAddressTableVars[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.1", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.2", "Address Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.3", "Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.2.1.4", "Address Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NetBIOSNameServerTableVars[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.1", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.2", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.3", "Address ", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.3.1.4", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DefaultRouterTableVars[] = {
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.1", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.2", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.3", "Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.2.4.1.4", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPServerManualBindingTableVars[] = {
    {"1.3.6.1.4.1.32473.12.38.3.3.1.1", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.2", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.3", "Hardware Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.4", "Type", sxInteger, afReadWrite, &DHCPServerManualBindingTableVars_Type},
    {"1.3.6.1.4.1.32473.12.38.3.3.1.5", "Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DynamicBindingTableVars[] = {
    {"1.3.6.1.4.1.32473.12.38.3.4.1.1", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.2", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.3", "Hardware Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.4", "Type", sxInteger, afReadOnly, &DynamicBindingTableVars_Type},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.5", "Status", sxInteger, afReadOnly, &DynamicBindingTableVars_Status},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.6", "Life Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.38.3.4.1.7", "Clear State", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};
