#include "Oid_dnsresolver.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem StaticNameServerTableVars_PriorityItems[] = {
    {1, "primary"},
    {2, "secondary"},
    {0, nullptr},
};
constinit const KyOptionList StaticNameServerTableVars_Priority{StaticNameServerTableVars_PriorityItems};

} // namespace

constinit const KySNMPVarDesc DNSResolverGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.85.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.85.1.2", "Time Out", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc StaticNameServerTableVars[] = {
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.2", "RowStatus", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.3", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.1.1.4", "Priority", sxInteger, afReadWrite, &StaticNameServerTableVars_Priority},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DynamicNameServerTableVars[] = {
    {"1.3.6.1.4.1.32473.12.85.1.3.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.2.1.2", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.3.2.1.3", "Priority", sxInteger, afReadOnly, &StaticNameServerTableVars_Priority},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc StaticHostTableVars[] = {
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.2", "RowStatus", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.3", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.1.1.4", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DynamicHostTableVars[] = {
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.2", "Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.3", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.4", "TTL", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.85.1.4.2.1.5", "Clear Control", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};
