// The "Layer 3" menu, second half: route redistribution and preference, CIDR, RIPng, RIP2, OSPFv3, BGP4,
// PIM and the IPv6 static routes. Items of what this family lacks (OSPF, VRRP, policy and multicast
// routes, DVMRP, IGMP v3, some CIDR and PIM pages) keep handlers that do nothing; the routing profile
// hides them.
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"RouteRedistributionTable1Click", {"Route Redistribute: ", RouteRedistributionTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"},
     {.Formats = {{2, "%i{n0x16l2}"}}}},
    {"RoutePreferenceTable1Click", {"Route Preference: ", RoutePreferenceVars, SVT_SV, 0}, {}},
    {"Information5Click", {"CIDR Information: ", CIDRInformationVars, SVT_SV, 0}, {}},
    {"GlobalSettings8Click", {"OSPFv3 Global Settings: ", OSPFv3GlobalSettingsVars, SVT_SV, 0}, {}},
    {"AeraTable1Click", {"OSPFv3 Area Table: ", AreaTableVars, MVT_UMV, 1, 8, "createAndGo", "destroy"}, {}},
    {"ASLSDBTable1Click", {"OSPFv3 AS-LSDB Table: ", ASLSDBTableVars, MVT_FMV, 3}, {.Height450 = true}},
    {"AeraLSDBTable1Click", {"OSPFv3 Area LSDB Table: ", AreaLSDBTableVars, MVT_FMV, 4}, {.Height450 = true}},
    // All five index columns are keys, "LS ID" included, so every line shows its full instance.
    {"LinkLSDBTable1Click", {"OSPFv3 Link LSDB Table: ", LinkLSDBTableVars, MVT_FMV, 5}, {.Height450 = true}},
    {"InterfaceTable3Click", {"OSPFv3 Interface Table: ", OSPFv3InterfaceTableVars, MVT_UMV, 2}, {}},
    {"ViutualInterfaceTable1Click", {"OSPFv3 Virtual Interface Table: ", OSPFv3VirtualInterfaceTableVars, MVT_UMV, 2, 10, "createAndGo", "destroy"}, {}},
    {"NeighborTable1Click", {"OSPFv3 Neighbor Table: ", NeighborTableVars, MVT_FMV, 3}, {.Height450 = true}},
    {"ViutualNeighborTable1Click", {"OSPFv3 Virtual Neighbor Table: ", VirtualNeighborTableVars, MVT_FMV, 2}, {.Height450 = true}},
    {"AeraAggregateTable1Click", {"OSPFv3 Area Aggregate Table: ", AreaAggregateTableVars, MVT_UMV, 5, 5, "createAndGo", "destroy"}, {}},
    {"VirtualLinkLSDBTable1Click", {"OSPFv3 Virtual Link LSDB Table: ", VirtualLinkLSDBTableVars, MVT_FMV, 5}, {.Height450 = true}},
    {"GlobalInformation1Click", {"BGP4 Global Information: ", Bgp4GlobalInformationVars, SVT_SV, 0}, {}},
    {"Peer1Click", {"BGP4 Peer Table: ", PeerTableVars, MVT_FMV, 1}, {.Height450 = true}},
    {"PathAttributeTable1Click", {"BGP4 Path Attribute Table: ", PathAttributeTableVars, MVT_FMV, 3}, {.Height450 = true}},
    {"PIMSMManagement1Click", {"PIM SM Global State: ", GlobalStateVars, SVT_SV, 0}, {}},
    {"PIMCbsrInformation1Click", {"PIM C_BSR Information Management: ", PIMCBSRInformationVars, SVT_SV, 0}, {}},
    {"PIMCbsrTable1Click", {"PIM C_BSR Table: ", PIMCBSRTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"PIMCandidateRPManagement1Click", {"PIM Candidate RP  Management: ", PIMCandidateRPManagementVars, SVT_SV, 0}, {}},
    {"PIMCandidateRPTable1Click", {"PIM Candidate RP Table:", PIMCandidateRPTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"},
     {.EditHidden = true}},
    {"PIMStpManagement1Click", {"PIM SPT Management: ", PIMSPTManagementVars, SVT_SV, 0}, {}},
    {"PIMRegisterChecksumIncludingDataTable1Click",
     {"PIM Register Checksum Including Data Information: ", PIMRegisterChecksumIncludingDataTableVars, MVT_FMV, 1, 1, "createAndGo", "destroy"},
     {.Height450 = true, .EditHidden = true}},
    {"PIMInformationTable1Click", {"PIM Information Table: ", PIMInformationTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"PIMStaticRPTable1Click", {"PIM Static RP Table Information: ", PIMStaticRPTableVars, MVT_UMV, 3, 3, "createAndGo", "destroy"},
     {.Height450 = true, .EditHidden = true}},
    {"TunnelTable1Click", {"IPv6 Static Route Tunnel Table: ", TunnelTableVars, MVT_UMV, 3, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"IPv6NeighborCacheDeleteAction1Click", {"IPv6 Static Route Neighbor Cache Delete Action: ", NeighborCacheDeleteActionVars, SVT_SV, 0}, {}},
};

const TMenuDialog Dialogs[] = {
    {"OSPFECMPManagement1Click", "TECMPManagementForm", TDialogOwner::Application, "OSPF ECMP Management: "},
    {"IPv6StaticRoute1Click", "TIpv6StaticRouteForm", TDialogOwner::Application, "IPv6 Static Route Table: "},
    {"ARPControlIPv61Click", "TARPIPV6ControlForm", TDialogOwner::Application, "IPv6 Static Route Neighbor Cache Table: "},
};

const TMenuTabbedPage TabbedPages[] = {
    {"RIPng1Click",
     "RIPng Settings: ",
     {{"Global Settings", {"", RIPngVars1, SVT_SV, 0}, {}}, {"Interface Table", {"", RIPngVars2, MVT_UMV, 1}, {}}},
     0,
     0,
     {.Height = 250}},
    // Sized before its tabs, which widen it to fit the widest.
    {"RIP2RFC17241Click",
     "RIP2: ",
     {{"Global Information", {"", RIP2RFC1724Vars1, SVT_SV, 0}, {}},
      {"Routing Information", {"", RIP2RFC1724Vars2, MVT_FMV, 1}, {}},
      {"Routing Configuration", {"", RIP2RFC1724Vars3, MVT_UMV, 1}, {}}},
     500,
     500},
};

}  // namespace

std::span<const TMenuPage> Layer3RoutingMenuPages() { return Pages; }

std::span<const TMenuTabbedPage> Layer3RoutingMenuTabbedPages() { return TabbedPages; }

void AddLayer3RoutingMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
    AddTabbedPages(handlers, TabbedPages);
    AddEmpty(handlers, {"PolicyRoute1Click", "CIDRRFC20961Click", "OSPFGeneral1Click", "AreaInfo1Click", "LsdbInfo1Click",
                        "NeighborInfo1Click", "InterfaceTable1Click", "InterfaceInfo1Click", "HostTable1Click",
                        "VRRPControl1Click", "VRRPOperation1Click", "VirtualRouteAddress1Click",
                        "VRRPErrorStatistics1Click", "VirtualRouteStatistics1Click", "IpMroute1Click",
                        "DVMRPInterface1Click", "DVMRP1Click", "PIMInfo1Click", "RendezvousPointsInfo1Click",
                        "PIMInformation1Click", "InterfaceTable2Click", "CacheTable1Click", "SourceListTable1Click",
                        "CheckSubscriberSource1Click"});
}
