#include "Oid_mld.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem MLDSnoopingControlTableVars_CurrentStateItems[] = {
    {1, "other"},
    {2, "querier"},
    {3, "non-querier"},
    {0, nullptr},
};
constinit const KyOptionList MLDSnoopingControlTableVars_CurrentState{MLDSnoopingControlTableVars_CurrentStateItems};

constexpr KyOptionItem MLDSnoopingControlTableVars_ControlStateItems[] = {
    {1, "other"},
    {2, "disable"},
    {3, "enable"},
    {0, nullptr},
};
constinit const KyOptionList MLDSnoopingControlTableVars_ControlState{MLDSnoopingControlTableVars_ControlStateItems};

constexpr KyOptionItem MLDSnoopingControlTableVars_VersionItems[] = {
    {1, "version-1"},
    {2, "version-2"},
    {0, nullptr},
};
constinit const KyOptionList MLDSnoopingControlTableVars_Version{MLDSnoopingControlTableVars_VersionItems};

constexpr KyOptionItem MLDSnoopingDataDrivenLearingGroupVars_ClearGroupItems[] = {
    {1, "other"},
    {2, "clear"},
    {0, nullptr},
};
constinit const KyOptionList MLDSnoopingDataDrivenLearingGroupVars_ClearGroup{MLDSnoopingDataDrivenLearingGroupVars_ClearGroupItems};

} // namespace

constinit const KySNMPVarDesc MLDSnoopingGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.34.1.1", "Global State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.34.1.2", "Multicast Router Only", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.34.1.3", "Max Data Driven Learning Count", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.1", "Max Supported VLAN", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MLDSnoopingControlTableVars[] = {
    {"1.3.6.1.4.1.32473.12.34.3.2.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.2", "Query Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.3", "Max Response Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.4", "Robustness", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.5", "Last Member Query Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.6", "Host Timeout", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.7", "Route Timeout", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.8", "Done Timer", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.9", "Query State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.10", "Current State", sxInteger, afReadOnly, &MLDSnoopingControlTableVars_CurrentState},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.11", "Control State", sxInteger, afReadWrite, &MLDSnoopingControlTableVars_ControlState},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.12", "Fast Done State", sxInteger, afReadWrite, &MLDSnoopingControlTableVars_ControlState},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.13", "Version", sxInteger, afReadWrite, &MLDSnoopingControlTableVars_Version},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.14", "Data Driven Learning State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.15", "Data Driven Learning Aged Out State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.16", "Data Driven Group Expiry Time", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MLD_SnoopingRouterPortsVars[] = {
    {"1.3.6.1.4.1.32473.12.34.3.4.1.1", "Router Ports VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.2", "Router Static Port List", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.3", "Dynamic Port List", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.4", "Router Forbidden Port List", sxBitStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MLD_SnoopingGroupVars[] = {
    {"1.3.6.1.4.1.32473.12.34.3.5.1.1", "Group VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.2", "Group Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.3", "Source Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.4", "Include Member Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.5", "Exclude Member Ports", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MLDSnoopingForwardingTableVars[] = {
    {"1.3.6.1.4.1.32473.12.34.3.7.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.7.1.2", "Source IP Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.7.1.3", "Multicast Group IP Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.7.1.4", "Forwarding Listen Port", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MLDSnoopingDataDrivenLearingGroupVars[] = {
    {"1.3.6.1.4.1.32473.12.34.3.8.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.8.1.2", "Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.8.1.3", "Router Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.34.3.8.1.100", "Clear Group", sxInteger, afReadWrite, &MLDSnoopingDataDrivenLearingGroupVars_ClearGroup},
    {nullptr, nullptr, 0, 0, nullptr},
};
