#include "Oid_singleip.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem SingleIPGlobalSettingsVars_RoleItems[] = {
    {1, "cs"},
    {2, "cas"},
    {3, "ms"},
    {0, nullptr},
};
constinit const KyOptionList SingleIPGlobalSettingsVars_Role{SingleIPGlobalSettingsVars_RoleItems};

constexpr KyOptionItem NeighborSwitchVars_RoleItems[] = {
    {1, "commander"},
    {2, "candidate"},
    {3, "member"},
    {0, nullptr},
};
constinit const KyOptionList NeighborSwitchVars_Role{NeighborSwitchVars_RoleItems};

} // namespace

constinit const KySNMPVarDesc SingleIPInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SingleIPGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Status", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Role", sxInteger, afReadWrite, &SingleIPGlobalSettingsVars_Role},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Hold Time[100-255]", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Time Interval[30-90]", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MemberSwitchVars[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "Firmware Verion", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "Capability", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "Platform", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "Hold Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Candidate Source", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Password", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CandidateSwitchVars[] = {
    {"1.3.6.1.4.1.32473.12.8.1.4.1.1", "CaS ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.2", "Device Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.3", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.4", "Firmware Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.5", "Capability", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.6", "Platform", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.7", "Hold Time", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc GroupInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.8.1.5.1.1", "Group MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.2", "Group Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.3", "Device Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.4", "Member Count", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.5", "Firmware Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.6", "Capability", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.7", "Platform", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.8", "Hold Time", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NeighborSwitchVars[] = {
    {"1.3.6.1.4.1.32473.12.8.1.6.1.1", "Received Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.2", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.3", "Role", sxInteger, afReadOnly, &NeighborSwitchVars_Role},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MSTrapMessageVars[] = {
    {"1.3.6.1.4.1.32473.12.8.6.1.1", "MS Trap Message", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
