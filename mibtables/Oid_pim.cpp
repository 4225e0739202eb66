#include "Oid_pim.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem GlobalStateVars_GlobalStateItems[] = {
    {0, "other"},
    {1, "disabled"},
    {2, "enabled"},
    {0, nullptr},
};
constinit const KyOptionList GlobalStateVars_GlobalState{GlobalStateVars_GlobalStateItems};

constexpr KyOptionItem PIMInformationTableVars_ModeItems[] = {
    {1, "dense"},
    {2, "sparse"},
    {3, "sparseDense"},
    {0, nullptr},
};
constinit const KyOptionList PIMInformationTableVars_Mode{PIMInformationTableVars_ModeItems};

constexpr KyOptionItem PIMSPTManagementVars_LastHopSPTSwitchOverItems[] = {
    {1, "never"},
    {2, "immediately"},
    {0, nullptr},
};
constinit const KyOptionList PIMSPTManagementVars_LastHopSPTSwitchOver{PIMSPTManagementVars_LastHopSPTSwitchOverItems};

} // namespace

constinit const KySNMPVarDesc GlobalStateVars[] = {
    {"1.3.6.1.4.1.32473.12.52.1.1", "Global State", sxInteger, afReadWrite, &GlobalStateVars_GlobalState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMInformationTableVars[] = {
    {"1.3.6.1.4.1.32473.12.52.2.3.1.1", "Interface", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.2", "Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.3", "Net Mask", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.4", "Designated Router", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.5", "Hello Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.6", "Join Prune Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.7", "DR Priority", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.8", "Mode", sxInteger, afReadWrite, &PIMInformationTableVars_Mode},
    {"1.3.6.1.4.1.32473.12.52.2.3.1.9", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMCBSRInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.52.3.1.1", "Boot Strap Period", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.2", "Hash Mask Length", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMCBSRTableVars[] = {
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.1", "Interface", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.2", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.3", "Subnet Mask", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.1.3.1.4", "Priority", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMCandidateRPManagementVars[] = {
    {"1.3.6.1.4.1.32473.12.52.3.2.1", "Hold Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.2", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.3", " Wildcard Prefix-Cnt", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMCandidateRPTableVars[] = {
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.1", "Group Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.2", "Group Mask", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.3", "Interface", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.2.4.1.4", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMSPTManagementVars[] = {
    {"1.3.6.1.4.1.32473.12.52.3.4.3", "Last Hop SPT Switch over", sxInteger, afReadWrite, &PIMSPTManagementVars_LastHopSPTSwitchOver},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMRegisterChecksumIncludingDataTableVars[] = {
    {"1.3.6.1.4.1.32473.12.52.3.5.1.1", "RP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.5.1.2", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PIMStaticRPTableVars[] = {
    {"1.3.6.1.4.1.32473.12.52.3.6.1.1", "Group Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.6.1.2", "Group Mask", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.6.1.3", "Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.52.3.6.1.4", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
