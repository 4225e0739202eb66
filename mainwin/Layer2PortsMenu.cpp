// The "Layer 2 " menu, first stretch: ports, QoS and multicast.
#include "EditsPanel.h"
#include "KyValidators.h"
#include "MenuHandlers.h"
#include "MibTables.h"
#include "SNMPEditorPanel.h"

namespace {

const TMenuPage Pages[] = {
    {"JumboFrameCtrl1Click", {"Jumbo Frame Control: ", JumboFrameControlVars, SVT_SV, 0}, {}},
    {"PortInformation1Click", {"Port Information Table: ", PortInformationTableVars, MVT_FMV, 2}, {.Height450 = true, .EditWidthPlus = 50}},
    {"PortControl1Click", {"Port Control Table:", PortControlTableVars, MVT_FMV, 2}, {.Height450 = true, .EditWidthPlus = 82}},
    {"PortAutoNegInformationTable1Click", {"Port Auto Negotiation Information Table: ", PortAutoNegotiationInformationTableVars, MVT_FMV, 1}, {}},
    {"PortDropCounterTable1Click", {"Port Drop Counter Table: ", PortDropCounterTableVars, MVT_FMV, 1}, {}},
    // The test of the cable takes the switch a while.
    {"PortCableDiagnostics1Click", {"Port Cable Diagnostics Table: ", PortCableDiagnosticsVars, MVT_FMV, 1}, {.Timeout = 800}},
    {"TrunkBasicInformation1Click", {"Trunk Information: ", TrunkBasicInformationVars, SVT_SV, 0}, {}},
    {"LACPPortTable1Click", {"LACP Port Table: ", LACPPortTableVars, MVT_UMV, 1}, {}},
    {"PortSecurityTable1Click", {"Port Security Table: ", PortSecurityTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"QOSControl1Click", {"QoS HOL Prevention Settings: ", HOLPreventionSettingsVars, SVT_SV, 0}, {.HeightPlus = 20}},
    {"BandwidthControlTable1Click", {"QoS Bandwidth Control Table: ", BandwidthControlTableVars, MVT_FMV, 1}, {}},
    {"SchedulingTable1Click", {"QoS Scheduling Table: ", SchedulingTableVars, MVT_FMV, 2}, {}},
    {"N8021pUserPriorityTable1Click", {"QoS 802.1p User Priority Table: ", N8021pUserPriorityTableVars, MVT_FMV, 1}, {}},
    {"N8021pDefaultPriorityTable1Click", {"QoS 802.1p Default Priority Table: ", N8021pDefaultPriorityTableVars, MVT_FMV, 1}, {}},
    {"RSPANStateSettings1Click", {"RSPAN Global Settings: ", RSPANGlobalSettingsVars, SVT_SV, 0}, {}},
    {"RSPANInformation1Click", {"RSPAN Information: ", RSPANInformationVars, SVT_SV, 0}, {}},
    {"MulticastFilter1Click", {"Multicast Filter Table: ", MulticastFilterVars, MVT_UMV, 1},
     {.Height450 = true, .Extra = [](TConfigForm&, TSNMPEditorPanel& panel) { panel.EditsPanel->SetEditWidth(180); }}},
    {"IGMPGeneral1Click", {"IGMP Snooping Global Settings: ", IGMPSnoopingGlobalSettingsVars, SVT_SV, 0}, {}},
    {"IGMPControlTable1Click", {"IGMP Snooping Control Table: ", IGMPSnoopingControlTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"IGMPQuery1Click", {"IGMP Snooping Query Information: ", QueryInformationVars, MVT_UMV, 1}, {.Height450 = true}},
    {"IGMPInformation1Click", {"IGMP Snooping Information: ", IGMPSnoopingInformationVars, MVT_FMV, 2}, {.Height450 = true}},
    {"IGMPMulticastVLANGroup1Click", {"IGMP Snooping Multicast VLAN Group: ", MulticastVLANGroupTableVars, MVT_UMV, 3, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"SnoopingManagement1Click", {"MLD Snooping Global Settings: ", MLDSnoopingGlobalSettingsVars, SVT_SV, 0}, {}},
    {"SnoopingControl1Click", {"MLD Snooping Control Table: ", MLDSnoopingControlTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"MLDSnoopingForwardingTable1Click", {"MLD Snooping Forwarding Table: ", MLDSnoopingForwardingTableVars, MVT_FMV, 3}, {}},
    {"PacketStormControlTable1Click", {"Traffic Storm Management Control Table: ", TrafficStormManagementControlTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"LimitedMulticastTable1Click", {"IP Limited Multicast Table: ", LimitedMulticastTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"LimitedMulticastAddressTable1Click", {"IP Limited Multicast Address Table: ", AddressTableVars, MVT_FMV, 2}, {.Height = 450}},
    {"MulticastRangeTable1Click", {"IP Limited Multicast Range Table: ", MulticastRangeTableVars, MVT_UMV, 1, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"GlobalSettings6Click", {"IP Multicast VLAN Replication Global Settings: ", IPMulticastVLANReplicationGlobalSettingsVars, SVT_SV, 0}, {}},
    {"EntryTable1Click", {"IP Multicast VLAN Replication Entry Table: ", EntryTableVars, MVT_UMV, 1, 2, "createAndGo", "destroy"},
     {.Formats = {{0, "%s{l16}"}, {1, "%i{n0x4094l4}"}}}},
    {"SourceTable1Click", {"IP Multicast VLAN Replication Source Table: ", SourceTableVars, MVT_UMV, 6, 6, "createAndGo", "destroy"},
     {.EditHidden = true, .Formats = {{5, "%s{I}"}}, .Validators = {{2, isValidMulticastIPv4Address}, {3, isValidMulticastIPv4Address}}}},
};

const TMenuDialog Dialogs[] = {
    {"DeviceControl1Click", "TLayer2ControlForm", TDialogOwner::Application, "Layer 2 Device Global Settings: "},
    {"PortTrunk2Click", "TPortTrunkForm", TDialogOwner::Application, "Port Trunk: ", false},
    {"MirrorGroupTable1Click", "TMirrorGroupForm", TDialogOwner::Application, "Mirror Group Table: "},
    {"PortSercurityDelete1Click", "TPrtSecDelCtrlForm", TDialogOwner::Application, "Port Security Delete: "},
    {"CoSBandwidthControlSettings1Click", "TCoSBrandwidthctrlForm", TDialogOwner::Application, "CoS Bandwidth Control Settings: "},
    {"RSPANTable1Click", "TRSPANForm", TDialogOwner::Application, "RSPAN Table: "},
    {"IGMPRouterPorts1Click", "TIGMPRouterPortsForm", TDialogOwner::Application, "IGMP Snooping Router Ports: "},
    {"IGMPMulticastVLAN1Click", "TISMVLANForm", TDialogOwner::Application, "IGMP Snooping Multicast VLAN Table: "},
    {"IGMPForwardingTable1Click", "TIGMPForwordingForm", TDialogOwner::Application, "IGMP Snooping Forwording Table: "},
    {"StaticGroupGroup1Click", "TIGMPSnoopingStaticGroupForm", TDialogOwner::Application, "IGMP Snooping Static Group Table: "},
    {"IGMPSnoopingGroupTable1Click", "TIGMPSnoopingGroupForm", TDialogOwner::Application, "IGMP Snooping Group Table: "},
    {"DataDrivenLearningGroupTable1Click", "TIGMPSnoopingDataDrivenLearingGroupForm", TDialogOwner::Application,
     "IGMP Snooping Data Driven Learning Group Table: "},
    {"RouterPorts1Click", "TMLD_SnoopingRouterPortsForm", TDialogOwner::Application, "MLD Snooping Router Ports: "},
    {"SnoopingGroupInformation1Click", "TMLD_SnoopingGroupForm", TDialogOwner::Application, "MLD Snooping Group Table: "},
    {"DataDrivenLearningGroupTable2Click", "TMLDSnoopingDataDrivenLearingGroupForm", TDialogOwner::Application,
     "MLD Snooping Data Driven Learning Group Table: "},
    {"PacketStormControl1Click", "TPacketStormControlForm", TDialogOwner::Application, "Traffic Storm Management Global Settings: "},
    {"TrafficSegmentationTable1Click", "TTrafficSegmentationForm", TDialogOwner::Application, "Traffic Segmentation Table: ", false},
    {"DestinationTable1Click", "TIPMcastVLANRepDstForm", TDialogOwner::MainWindow, "IP Multicast VLAN Replication Destination Table: "},
    // The transceiver pages build and caption themselves; until they are in the build, their stand-ins
    // carry the captions the pages give.
    {"ControlTable6Click", "showDDMSettingsPage", TDialogOwner::Application, "DDM Settings: ", false},
    {"StatusTable2Click", "showDDMStatusTablePage", TDialogOwner::Application, "DDM Status Table: ", false},
    {"ThresholdManagementTable2Click", "showDDMThresholdTablePage", TDialogOwner::Application, "DDM Threshold Management Table: ", false},
    {"PortManagementTable4Click", "showDDMPortTablePage", TDialogOwner::Application, "DDM Port Management Table: ", false},
};

}  // namespace

std::span<const TMenuPage> Layer2PortsMenuPages() { return Pages; }

void AddLayer2PortsMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
    // Hidden items of features this family leaves out.
    AddEmpty(handlers, {"PortMirrorTable1Click", "IpLimitedMulticast11Click"});
}
