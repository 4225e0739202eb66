#include "Oid_vacm.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem AccessTableVars_SecurityLevelItems[] = {
    {1, "noAuthNoPriv"},
    {2, "authNoPriv"},
    {3, "authPriv"},
    {0, nullptr},
};
constinit const KyOptionList AccessTableVars_SecurityLevel{AccessTableVars_SecurityLevelItems};

constexpr KyOptionItem AccessTableVars_ContextMatchItems[] = {
    {1, "exact"},
    {2, "prefix"},
    {0, nullptr},
};
constinit const KyOptionList AccessTableVars_ContextMatch{AccessTableVars_ContextMatchItems};

constexpr KyOptionItem ViewMIBTreeFamilyTableVars_FamilyTypeItems[] = {
    {1, "included"},
    {2, "excluded"},
    {0, nullptr},
};
constinit const KyOptionList ViewMIBTreeFamilyTableVars_FamilyType{ViewMIBTreeFamilyTableVars_FamilyTypeItems};

} // namespace

constinit const KySNMPVarDesc SecurityGroupTableVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Model", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.2", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.4", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AccessTableVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.1", "Context Prefix", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.2", "Security Model", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.3", "Security Level", sxInteger, afNotAccess, &AccessTableVars_SecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Context Match", sxInteger, afReadWrite, &AccessTableVars_ContextMatch},
    {"1.3.6.1.6.3.16.1.4.1.5", "Read View Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.6", "Write View Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.7", "Notify View Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.8", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ViewMIBTreeFamilyTableVars[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "Subtree", sxObjectId, afNotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "Mask", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "Family Type", sxInteger, afReadWrite, &ViewMIBTreeFamilyTableVars_FamilyType},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "Family Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
