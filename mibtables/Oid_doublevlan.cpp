#include "Oid_doublevlan.h"

#include "OptionVocabularies.h"

constinit const KySNMPVarDesc DoubleVLANStateVars[] = {
    {"1.3.6.1.4.1.32473.12.28.1.1", "Global State", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DoubleVLANVars[] = {
    {"1.3.6.1.4.1.32473.12.28.3.1.1.1", "VLAN ID Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.3", "TPID", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.4", "Uplink Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.5", "Access Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.7", "Delete Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.6", "Unknown Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.28.3.1.1.9", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
