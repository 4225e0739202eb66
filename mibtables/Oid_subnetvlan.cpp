#include "Oid_subnetvlan.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem PrecedenceTableVars_ClassificationItems[] = {
    {1, "macBased"},
    {2, "subnetBased"},
    {0, nullptr},
};
constinit const KyOptionList PrecedenceTableVars_Classification{PrecedenceTableVars_ClassificationItems};

} // namespace

constinit const KySNMPVarDesc SubnetVLANVLANTableVars[] = {
    {"1.3.6.1.4.1.32473.12.75.3.2.1.1", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.2", "IP Mask", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.3", "VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.4", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.2.1.5", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PrecedenceTableVars[] = {
    {"1.3.6.1.4.1.32473.12.75.3.1.1.1", "Port Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.1.1.2", "Classification", sxInteger, afReadWrite, &PrecedenceTableVars_Classification},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SubnetVLANIPv6TableVars[] = {
    {"1.3.6.1.4.1.32473.12.75.3.3.1.1", "Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.2", "Prefix Length", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.3", "VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.4", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.75.3.3.1.5", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
