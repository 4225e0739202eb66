#include "Oid_qbridge.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem VLanCurrentTableVars1_VLANStatusItems[] = {
    {1, "other"},
    {2, "permanent"},
    {3, "dynamicGvrp"},
    {0, nullptr},
};
constinit const KyOptionList VLanCurrentTableVars1_VLANStatus{VLanCurrentTableVars1_VLANStatusItems};

constexpr KyOptionItem VlanStaticVars1_StatusItems[] = {
    {1, "Active"},
    {2, "NotInService"},
    {3, "NotReady"},
    {4, "CreateAndGo"},
    {5, "CreateAndWait"},
    {6, "Destroy"},
    {0, nullptr},
};
constinit const KyOptionList VlanStaticVars1_Status{VlanStaticVars1_StatusItems};

constexpr KyOptionItem VLanPortInfomationVars_AcceptableFrameTypesItems[] = {
    {1, "admitAll"},
    {2, "admitOnlyVLANTagged"},
    {0, nullptr},
};
constinit const KyOptionList VLanPortInfomationVars_AcceptableFrameTypes{VLanPortInfomationVars_AcceptableFrameTypesItems};

constexpr KyOptionItem VlanStaticVars2_NextFreeLocalVLANIndexItems[] = {
    {1, "independent"},
    {2, "shared"},
    {0, nullptr},
};
constinit const KyOptionList VlanStaticVars2_NextFreeLocalVLANIndex{VlanStaticVars2_NextFreeLocalVLANIndexItems};

constexpr KyOptionItem MulticastFilterInformationVars_StatusItems[] = {
    {1, "other"},
    {2, "invalid"},
    {3, "permanent"},
    {4, "deleteOnReset"},
    {5, "deleteOnTimeout"},
    {0, nullptr},
};
constinit const KyOptionList MulticastFilterInformationVars_Status{MulticastFilterInformationVars_StatusItems};

} // namespace

constinit const KySNMPVarDesc HighCapacityPortTableVars[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.1", "HC Port In Frames", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.2", "HC Port Out Frames", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.5.1.3", "HC Port In Discards", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortOverflowVars[] = {
    {"1.3.6.1.2.1.17.4.4.1.1", " Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.1", "In Overflow Frames", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.2", "Out Overflow Frames", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.6.1.3", "In Overflow Discards", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortCapabilityVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Capabilities", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PBridgeConfigVars1[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PBridgeConfigVars2[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DefaultUserPrioritiesOfEachPortVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Number Traffic Classes", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RegeneratedUserPrioritiesVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UserPrioritiesVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortOutboundAccessPrioritiesVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Outbound Access Priority", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc GARPVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "Join Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "Leave Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "Leave All Time", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VLanGeneralInfoVars[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Number Of VLANs", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilteringDatabaseVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilteringInformationVars[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MulticastForwardingInformationVars[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "Static Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "Forbidden Ports", sxBitStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VLanCurrentTableVars1[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", sxInteger, afReadOnly, &VLanCurrentTableVars1_VLANStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", sxTimeTicks, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VlanStaticVars1[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", sxInteger, afReadWrite, &VlanStaticVars1_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VLanPortInfomationVars[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", sxInteger, afReadWrite, &VLanPortInfomationVars_AcceptableFrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", sxMacAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VLanCurrentTableVars2[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VlanStaticVars2[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", sxInteger, afReadOnly, &VlanStaticVars2_NextFreeLocalVLANIndex},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MulticastFilterInformationVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", sxInteger, afReadWrite, &MulticastFilterInformationVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UnicastFilterInformationVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Ports Unicast Allowed To GoTo", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", sxInteger, afReadWrite, &MulticastFilterInformationVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};
