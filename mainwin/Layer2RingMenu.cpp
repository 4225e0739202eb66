// The "Layer 2 " menu, last stretch: LLDP, loopback detection, BPDU tunneling, ERPS ring protection,
// ZEMT and the NLB multicast forwarding table.
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"Configuration3Click", {"LLDP basic Configuration: ", LldpConfigurationInformationVars, SVT_SV, 0},
     {.Formats = {{0, "%i{n5x32768l5}"}, {1, "%i{n2x10l2}"}, {2, "%i{n1x10l2}"}, {3, "%i{n1x8192l4}"}, {4, "%i{n5x3600l4}"}}}},
    {"ConfigAddress2Click", {"LLDP Management Address Table: ", ManagementAddressVars, MVT_UMV, 2}, {.Formats = {{0, "%i{n0x512l3}"}}}},
    {"Statistics3Click", {"LLDP Static Information : ", StatisticsInformationVars, SVT_SV, 0}, {.ListOfScalars = true}},
    {"TxPortTable2Click", {"LLDP TX port Table : ", TXPortTableVars, MVT_FMV, 1}, {}},
    {"RxPortTable2Click", {"LLDP RX port Table : ", RXPortTableVars, MVT_FMV, 1}, {}},
    {"LocalPortTable2Click", {"LLDP Local System Data Port Table: ", LocalSystemDataPortTableVars, MVT_FMV, 1}, {}},
    {"ManagermentAddressTable1Click", {"LLDP Local System Data Management Address Table: ", LocalSystemDataManagementAddressTableVars, MVT_FMV, 2}, {}},
    {"MangermentAddressTable1Click", {"LLDP Remote System Data Managerment Address Table: ", RemoteSystemDataManagementAddressTableVars, MVT_FMV, 5}, {}},
    {"UnknownTLVTable1Click", {"LLDP Remote System Data Unknown TLV Table: ", UnknownTLVTableVars, MVT_FMV, 4}, {}},
    // All six index columns are keys, the last "Index" included, so every line shows its full instance.
    {"OrgDefineInfoTable1Click", {"Remote Organization Information Table: ", RemoteInformationVars, MVT_FMV, 6}, {}},
    {"PortVlan1Click", {"LLDP Dot1 Configuration Port VLAN Table: ", PortVLANVars, MVT_UMV, 1}, {}},
    {"LocalDataIndex1Click", {"LLDP Dot1 Local Data Table: ", LocalDataTableVars, MVT_FMV, 1}, {}},
    {"VlanName2Click", {"LLDP Dot1 Local Data VLAN Name Table: ", LocalDataVLANNameVars, MVT_FMV, 2}, {}},
    {"ProtocolVlan2Click", {"LLDP Dot1 Local Data Protocol VLAN Table: ", LocalDataProtocolVLANVars, MVT_FMV, 2}, {}},
    {"Protocol2Click", {"LLDP Dot1 Local Data Protocol Table: ", ProtocolVars, MVT_FMV, 2}, {}},
    {"RemoteDataIndex1Click", {"LLDP Dot1 Remote Data Table : ", RemoteDataTableVars, MVT_FMV, 3}, {}},
    {"VlanName3Click", {"LLDP Dot1 Remote Data VLAN Name Table: ", RemoteDataVLANNameVars, MVT_FMV, 4}, {}},
    {"ProtocolVlan3Click", {"LLDP Dot1 Remote Data Protocol VLAN Table: ", RemoteDataProtocolVLANVars, MVT_FMV, 4}, {}},
    {"Protocol3Click", {"LLDP Dot1 Remote Data Protocol Table: ", RemoteDataProtocolVars, MVT_FMV, 4}, {}},
    {"PortTable3Click", {"LLDP Dot3 Local Data Port Table: ", LocalDataPortTableVars, MVT_FMV, 1}, {}},
    {"PowerTable2Click", {"Local Power Table: ", LocalDataPowerTableVars, MVT_FMV, 1}, {}},
    {"LInkAggregationTable1Click", {"LLDP Dot3 Local Data Link Aggregation Table: ", LocalDataLinkAggregationTableVars, MVT_FMV, 1}, {}},
    {"MaxSizeTabel1Click", {"LLDP Dot3 Local Data Max Frame Size Table: ", LocalDataMaxFrameSizeTableVars, MVT_FMV, 1}, {}},
    {"PortTable4Click", {"LLDP Dot3 Remote Data Port Table: ", RemoteDataPortTableVars, MVT_FMV, 3}, {}},
    {"PowerTable3Click", {"LLDP Dot3 Remote Data Power Table: ", RemoteDataPowerTableVars, MVT_FMV, 3}, {}},
    {"LinkAggregationTable2Click", {"LLDP Dot3 Remote Data Link Aggregation Table: ", RemoteDataLinkAggregationTableVars, MVT_FMV, 3}, {}},
    {"MaxFrameSizeTable1Click", {"LLDP Dot3 Remote Data Max Frame Size Table: ", RemoteDataMaxFrameSizeTableVars, MVT_FMV, 3}, {}},
    {"LoopDetectControl1Click", {"Loopback Detection Global Settings: ", LoopbackDetectionGlobalSettingsVars, SVT_SV, 0}, {}},
    {"LoopDetectPortManagement1Click", {"Loopback Detection Port Management Table: ", PortManagementVars, MVT_UMV, 1}, {}},
    {"BPDUTunnelControl1Click", {"BPDU Tunneling Global Settings : ", BPDUTunnelingSettingsGlobalSettingsVars, SVT_SV, 0}, {}},
    {"BPDUTunnelInformation1Click", {"BPDU Tunneling Information : ", BPDUTunnelingSettingsInformationVars, SVT_SV, 0}, {}},
    {"BPDUTunnelingPortTable1Click", {"BPDU Tunneling Port Table: ", BPDUTunnelingSettingsPortTableVars, MVT_UMV, 1}, {}},
    {"GlobalSettings4Click", {"EPRS Global Settings: ", ERPSGlobalSettingsVars, SVT_SV, 0}, {.HeightPlus = 20}},
    {"VLANTable3Click", {"ERPS VLAN Table: ", ERPSVLANTableVars, MVT_UMV, 1, 23, "createAndGo", "destroy"}, {}},
    {"UnidirectionalLinkDetectionSettings1Click", {"ZEMT Settings: ", ZEMTSettingsVars, MVT_UMV, 1}, {}},
};

const TMenuDialog Dialogs[] = {
    {"PortConfig2Click", "TLLDPPortConfigForm", TDialogOwner::Application, "LLDP Port Configuration Table: "},
    {"SystemData1Click", "TLLDPLocSysDataForm", TDialogOwner::Application, "LLDP Local System Data: "},
    {"RemoteTAble1Click", "TLLDPRemoteForm", TDialogOwner::Application, "LLDP Remote System Data Remote Table: "},
    {"VLanName1Click", "TLLDPConfigVLANNameForm", TDialogOwner::Application, "LLDP Dot1 Configuration VLAN Name Table: "},
    {"PotocolVlan1Click", "TLLDPConfigProtocolVLANForm", TDialogOwner::Application,
     "LLDP Dot1 Configuration Protocol VLAN  Table: "},
    {"Protocol1Click", "TLLDPConfigProtocolForm", TDialogOwner::Application, "LLDP Dot1 Configuration Protocol Table: "},
    {"PortConfigTable1Click", "TLLDPDot3PortConfigForm", TDialogOwner::Application, "LLDP Dot3 Port Configuration Table: "},
    {"MulticastFdbTable1Click", "TNLBUnicastFDBForm", TDialogOwner::Application, "NLB Multicast FDB Settings: "},
};

}  // namespace

std::span<const TMenuPage> Layer2RingMenuPages() { return Pages; }

void AddLayer2RingMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
}
