#include "Oid_lldp.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem LocalDataPowerTableVars_PowerPortClassItems[] = {
    {1, "pClassPSE"},
    {2, "pClassPD"},
    {0, nullptr},
};
constinit const KyOptionList LocalDataPowerTableVars_PowerPortClass{LocalDataPowerTableVars_PowerPortClassItems};

constexpr KyOptionItem LLDPPortConfigVars_AdministrationStatusItems[] = {
    {1, "txOnly"},
    {2, "rxOnly"},
    {3, "txAndrx"},
    {4, "disabled"},
    {0, nullptr},
};
constinit const KyOptionList LLDPPortConfigVars_AdministrationStatus{LLDPPortConfigVars_AdministrationStatusItems};

constexpr KyOptionItem LLDPLocSysDataVars_ChassisIDSubtypeItems[] = {
    {1, "chassisComponent"},
    {2, "interfaceAlias"},
    {3, "portComponent"},
    {4, "macAddress"},
    {5, "networkAddress"},
    {6, "interfaceName"},
    {7, "local"},
    {0, nullptr},
};
constinit const KyOptionList LLDPLocSysDataVars_ChassisIDSubtype{LLDPLocSysDataVars_ChassisIDSubtypeItems};

constexpr KyOptionItem LocalSystemDataPortTableVars_IDSubtypeItems[] = {
    {1, "interfaceAlias"},
    {2, "portComponent"},
    {3, "macAddress"},
    {4, "networkAddress"},
    {5, "interfaceName"},
    {6, "agentCircuitId"},
    {7, "local"},
    {0, nullptr},
};
constinit const KyOptionList LocalSystemDataPortTableVars_IDSubtype{LocalSystemDataPortTableVars_IDSubtypeItems};

constexpr KyOptionItem LocalSystemDataManagementAddressTableVars_SubtypeItems[] = {
    {0, "other"},
    {1, "IPv4"},
    {2, "IPv6"},
    {3, "nsap"},
    {4, "hdlc"},
    {5, "bbn1822"},
    {6, "all802"},
    {7, "e163"},
    {8, "e164"},
    {9, "f69"},
    {10, "x121"},
    {11, "ipx"},
    {12, "appleTalk"},
    {13, "decnetIV"},
    {14, "banyanVines"},
    {15, "e164withNsap"},
    {16, "dns"},
    {17, "distinguishedName"},
    {18, "asNumber"},
    {19, "xtpOverIPv4"},
    {20, "xtpOverIPv6"},
    {21, "xtpNativeModeXTP"},
    {22, "fibreChannelWWPN"},
    {23, "fibreChannelWWNN"},
    {24, "gwid"},
    {25, "afi"},
    {65535, "reserved"},
    {0, nullptr},
};
constinit const KyOptionList LocalSystemDataManagementAddressTableVars_Subtype{LocalSystemDataManagementAddressTableVars_SubtypeItems};

constexpr KyOptionItem LocalSystemDataManagementAddressTableVars_IfSubtypeItems[] = {
    {1, "unknown"},
    {2, "ifIndex"},
    {3, "systemPortNumber"},
    {0, nullptr},
};
constinit const KyOptionList LocalSystemDataManagementAddressTableVars_IfSubtype{LocalSystemDataManagementAddressTableVars_IfSubtypeItems};

constexpr KyOptionItem RemoteSystemDataManagementAddressTableVars_SubtypeItems[] = {
    {0, "other"},
    {1, "IPv4"},
    {2, "IPv6"},
    {3, "nsap"},
    {4, "hdlc"},
    {5, "bbn1822"},
    {6, "all802"},
    {7, "e163"},
    {8, "e164"},
    {9, "f69"},
    {10, "x121"},
    {11, "ipx"},
    {12, "appleTalk"},
    {13, "decnetIV"},
    {14, "banyanVines"},
    {15, "e164withNsap"},
    {16, "dns"},
    {17, "distinguishedName"},
    {18, "asNumber"},
    {19, "xtpOverIpv4"},
    {20, "xtpOverIpv6"},
    {21, "xtpNativeModeXTP"},
    {22, "fibreChannelWWPN"},
    {23, "fibreChannelWWNN"},
    {24, "gwid"},
    {25, "afi"},
    {65535, "reserved"},
    {0, nullptr},
};
constinit const KyOptionList RemoteSystemDataManagementAddressTableVars_Subtype{RemoteSystemDataManagementAddressTableVars_SubtypeItems};

} // namespace

constinit const KySNMPVarDesc PortVLANVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "TX Enabled", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LLDPConfigVLANNameVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LLDPConfigProtocolVLANVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LLDPConfigProtocolVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Protocol Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalDataTableVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalDataProtocolVLANVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Supported", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Enabled", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalDataVLANNameVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ProtocolVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataTableVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Port VLAN ID", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataProtocolVLANVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "VLAN Supported", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "VLAN Enabled", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataVLANNameVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "VLAN Name", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataProtocolVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Protocol Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Protocol ID", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LLDPDot3PortConfigVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalDataPortTableVars[] = {
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", sxOctetStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalDataPowerTableVars[] = {
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", sxInteger, afReadOnly, &LocalDataPowerTableVars_PowerPortClass},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", sxInteger, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalDataLinkAggregationTableVars[] = {
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation Status", sxOctetStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalDataMaxFrameSizeTableVars[] = {
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "Max Frame Size", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataPortTableVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", sxOctetStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataPowerTableVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", sxInteger, afReadOnly, &LocalDataPowerTableVars_PowerPortClass},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", sxInteger, afReadOnly, &TruthValue},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", sxInteger, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataLinkAggregationTableVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation Status", sxOctetStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteDataMaxFrameSizeTableVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max Frame Size", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LldpConfigurationInformationVars[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", sxInteger, afReadWrite, nullptr},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", sxInteger, afReadWrite, nullptr},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", sxInteger, afReadWrite, nullptr},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", sxInteger, afReadWrite, nullptr},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LLDPPortConfigVars[] = {
    {"1.0.8802.1.1.2.1.1.6.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration Status", sxInteger, afReadWrite, &LLDPPortConfigVars_AdministrationStatus},
    {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable", sxInteger, afReadWrite, &TruthValue},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ManagementAddressVars[] = {
    {" ", "Management Address Subtype", sxInteger, afNotAccess, nullptr},
    {" ", "Management Address", sxOctetStr, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Configuration Management Address Ports TX Enable", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc StatisticsInformationVars[] = {
    {"1.0.8802.1.1.2.1.2.1", "Last Change Time", sxTimeTicks, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.2", "Inserts", sxGauge, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.3", "Deletes", sxGauge, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.4", "Drops", sxGauge, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.5", "Ageouts", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TXPortTableVars[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Total Frames", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RXPortTableVars[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Frames Discarded Total", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Frames Errors", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Frames Total", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.5", "TLVs Discarded Total", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Port TLVs Unrecognized Total", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Port Ageouts Total", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LLDPLocSysDataVars[] = {
    {"1.0.8802.1.1.2.1.3.1", "Chassis ID Subtype", sxInteger, afReadOnly, &LLDPLocSysDataVars_ChassisIDSubtype},
    {"1.0.8802.1.1.2.1.3.2", "Chassis ID", sxMacAddress, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.3.3", "System Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.3.4", "System Description", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.3.5", "System Capabilities Supported", sxOctetStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.3.6", "System Capabilities Enabled", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalSystemDataPortTableVars[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.2", "ID Subtype", sxInteger, afReadOnly, &LocalSystemDataPortTableVars_IDSubtype},
    {"1.0.8802.1.1.2.1.3.7.1.3", "ID", sxMacAddress, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Description", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalSystemDataManagementAddressTableVars[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Subtype", sxInteger, afNotAccess, &LocalSystemDataManagementAddressTableVars_Subtype},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Address", sxOctetStr, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Length", sxInteger, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.4", "If Subtype", sxInteger, afReadOnly, &LocalSystemDataManagementAddressTableVars_IfSubtype},
    {"1.0.8802.1.1.2.1.3.8.1.5", "If ID", sxInteger, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID", sxObjectId, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LLDPRemoteVars[] = {
    {"1.0.8802.1.1.2.1.4.1.1.1", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.2", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.3", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.4", "Chassis ID Subtype", sxInteger, afReadOnly, &LLDPLocSysDataVars_ChassisIDSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.5", "Chassis ID", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.6", "Port ID Subtype", sxInteger, afReadOnly, &LocalSystemDataPortTableVars_IDSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.7", "Port ID", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.8", "Port Description", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.9", "System Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.10", "System Description", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.11", "System Capabilities Supported", sxOctetStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.4.1.1.12", "System Capabilities Enabled", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteSystemDataManagementAddressTableVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Subtype", sxInteger, afNotAccess, &RemoteSystemDataManagementAddressTableVars_Subtype},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Address", sxOctetStr, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.3", "If Subtype", sxInteger, afReadOnly, &LocalSystemDataManagementAddressTableVars_IfSubtype},
    {"1.0.8802.1.1.2.1.4.2.1.4", "If ID", sxInteger, afReadOnly, nullptr},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID", sxObjectId, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UnknownTLVTableVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Type", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Information", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RemoteInformationVars[] = {
    {" ", "Time Mark", sxTimeTicks, afNotAccess, nullptr},
    {" ", "Local Port Number", sxInteger, afNotAccess, nullptr},
    {" ", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.1", "OUI", sxOctetStr, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.2", "Subtype", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.3", "Index", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.2.1.4.4.1.4", "Information", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
