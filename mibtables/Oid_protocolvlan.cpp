#include "Oid_protocolvlan.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem ProtocolVlanVars_ProtocolTypeItems[] = {
    {0, "dot1q-vlan"},
    {1, "protocol-ip"},
    {2, "protocol-rarp"},
    {3, "protocol-ipx803dot3"},
    {4, "protocol-ipx802dot2"},
    {5, "protocol-ipxSnap"},
    {6, "protocol-ipxEthernet2"},
    {7, "protocol-appleTalk"},
    {8, "protocol-decLat"},
    {9, "protocol-sna802dot2"},
    {10, "protocol-snaEthernet2"},
    {11, "protocol-netBios"},
    {12, "protocol-xns"},
    {13, "protocol-vines"},
    {14, "protocol-ipV6"},
    {15, "protocol-arp"},
    {16, "protocol-userDefined"},
    {0, nullptr},
};
constinit const KyOptionList ProtocolVlanVars_ProtocolType{ProtocolVlanVars_ProtocolTypeItems};

constexpr KyOptionItem ProtocolVlanVars_EncapTypeItems[] = {
    {1, "ethernet"},
    {2, "llc"},
    {3, "snap"},
    {4, "all"},
    {0, nullptr},
};
constinit const KyOptionList ProtocolVlanVars_EncapType{ProtocolVlanVars_EncapTypeItems};

} // namespace

constinit const KySNMPVarDesc ProtocolVlanVars[] = {
    {"1.3.6.1.4.1.32473.12.16.1.1.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.2", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.3", "Protocol Type", sxInteger, afReadWrite, &ProtocolVlanVars_ProtocolType},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.4", "Advertisement", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.5", "User Defined Protocol", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.6", "Encap Type", sxInteger, afReadWrite, &ProtocolVlanVars_EncapType},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
