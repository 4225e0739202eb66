#include "Oid_supervlan.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem SuperVLANTableVars_StatusItems[] = {
    {1, "active"},
    {2, "inactive"},
    {0, nullptr},
};
constinit const KyOptionList SuperVLANTableVars_Status{SuperVLANTableVars_StatusItems};

} // namespace

constinit const KySNMPVarDesc SuperVLANTableVars[] = {
    {"1.3.6.1.4.1.32473.12.91.1.1.1.1", "VLAN ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.2", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.3", "IP Address Mask", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.4", "Sub VLAN List 1-64", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.5", "Sub VLAN List 65-128", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.6", "Sub VLAN List 129-192", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.7", "Sub VLAN List 193-256", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.8", "Sub VLAN List 257-320", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.9", "Sub VLAN List 321-384", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.10", "Sub VLAN List 385-448", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.11", "Sub VLAN List 449-512", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.12", "Status", sxInteger, afReadOnly, &SuperVLANTableVars_Status},
    {"1.3.6.1.4.1.32473.12.91.1.1.1.100", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SubVLANTableVars[] = {
    {"1.3.6.1.4.1.32473.12.91.1.2.1.1", "Sub VLAN ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.2.1.2", "Status", sxInteger, afReadOnly, &SuperVLANTableVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SubVLANIPRangeTableVars[] = {
    {" ", "Sub VLAN", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.3.1.1", "IP Address Range From", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.3.1.2", "IP Address Range To", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.91.1.3.1.100", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
