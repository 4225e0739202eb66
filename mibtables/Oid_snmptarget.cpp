#include "Oid_snmptarget.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem TargetParametersVars_SecurityLevelItems[] = {
    {1, "noAuthNoPriv"},
    {2, "authNoPriv"},
    {3, "authPriv"},
    {0, nullptr},
};
constinit const KyOptionList TargetParametersVars_SecurityLevel{TargetParametersVars_SecurityLevelItems};

constexpr KyOptionItem NotifyTableVars_TypeItems[] = {
    {1, "trap"},
    {2, "inform"},
    {0, nullptr},
};
constinit const KyOptionList NotifyTableVars_Type{NotifyTableVars_TypeItems};

constexpr KyOptionItem FilterTableVars_TypeItems[] = {
    {1, "included"},
    {2, "excluded"},
    {0, nullptr},
};
constinit const KyOptionList FilterTableVars_Type{FilterTableVars_TypeItems};

} // namespace

constinit const KySNMPVarDesc SNMPTargetMIBGeneralInformationVars[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SNMPTargetMIBTargetAddressTableVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", sxDisplayStr, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain", sxObjectId, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TargetParametersVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", sxDisplayStr, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", sxInteger, afReadWrite, &TargetParametersVars_SecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CommunityStringTableVars[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", sxDisplayStr, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CommunityTargetAddressTableVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Name", sxDisplayStr, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NotifyTableVars[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", sxDisplayStr, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", sxInteger, afReadWrite, &NotifyTableVars_Type},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilterProfileTableVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", sxDisplayStr, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.1", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.13.1.2.1.2", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilterTableVars[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Profile Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.1", "Subtree", sxObjectId, afNotAccess | afImplied, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.2", "Mask", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.13.1.3.1.3", "Type", sxInteger, afReadWrite, &FilterTableVars_Type},
    {"1.3.6.1.6.3.13.1.3.1.4", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
