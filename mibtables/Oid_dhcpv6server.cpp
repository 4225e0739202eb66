#include "Oid_dhcpv6server.h"

#include "OptionVocabularies.h"

constinit const KySNMPVarDesc DHCPv6ServerGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.90.1.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6ServerControlTableVars[] = {
    {"1.3.6.1.4.1.32473.12.90.1.1.2.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.1.2.1.2", "Control State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6ServerPoolTableVars[] = {
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.2", "Begin Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.3", "End  Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.4", "Address Prefix Length", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.5", "Domain Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.6", "Preferred Lifetime", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.7", "Valid Lifetime", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.1.1.100", "State", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6ServerDNSServerAddressTableVars[] = {
    {" ", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.2.1.2", "Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.2.2.1.100", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6ServerManualBindingTableVars[] = {
    {" ", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.3.1.1", "IPv6 Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.3.1.2", "DUID", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.3.1.100", "State", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6ServerExcludedAddressTableVars[] = {
    {" ", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.4.1.1", "Begin Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.4.1.2", "End Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.4.1.100", "State", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPv6ServerBindingTableVars[] = {
    {" ", "Pool Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.1", "IPv6 Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.2", "DUID", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.3", "Preferred Lifetime", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.4", "Valid Lifetime", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.90.1.5.1.5", "Clear State", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};
