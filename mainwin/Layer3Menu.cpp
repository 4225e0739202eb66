// The "Layer 3" menu, first half: device settings, IP management and tunnels, the DHCP server, relays
// and filter, DNS relay and resolver, and the DHCPv6 relay.
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"DeviceCtrl1Click", {"Layer 3 Device Global Settings: ", Layer3DeviceGlobalSettingsVars, SVT_SV, 0}, {}},
    {"AllInterfaceState1Click", {"All Interface State: ", AllInterfaceStateVars, SVT_SV, 0}, {}},
    {"ARPAgingTime2Click", {"ARP Aging Time: ", ARPAgingTimeVars, SVT_SV, 0}, {.Formats = {{0, "%i{n0x65535l5}"}}}},
    {"IPv6ControlTable1Click", {"IPv6 Control Table: ", IPv6ControlTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"IPv6AddressControl1Click", {"IPv6 Address Control Table: ", IPv6AddressControlVars, MVT_UMV, 3, 7, "createAndGo", "destroy"}, {.Height450 = true}},
    {"IPForwardingTable1Click", {"IP Forwarding Table: ", IPForwardingTableVars, MVT_FMV, 1}, {}},
    {"IPMulticaststaticroute1Click", {"IP Multicast Static Route Table: ", IPMulticastStaticRouteTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"LoopBackIPControl1Click", {"Loopback IP Control Table: ", LoopbackIPControlTableVars, MVT_UMV, 1, 5, "createAndGo", "destroy"}, {}},
    {"IPTu1Click", {"IP Tunnel Interface Table: ", IPTunnelInterfaceTableVars, MVT_UMV, 1}, {}},
    {"InterfaceConfigureTable1Click", {"IP Tunnel Interface Configure: ", InterfaceConfigureTableVars, MVT_UMV, 5, 6, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"DHCPServerControl1Click", {"DHCP Server Global Settings: ", DHCPServerGlobalSettingsVars, SVT_SV, 0}, {.Formats = {{1, "%i{n2x10l2}"}, {2, "%i{n500x2000l4}"}}}},
    {"DHCPServerExcludedAddressTable1Click", {"DHCP Management Excluded Address Table: ", DHCPServerExcludedAddressTableVars, MVT_UMV, 2, 2, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"DHCPServerDNSServerAddressTable1Click", {"DHCP Management DNS Server Address Table: ", DHCPServerDNSServerAddressTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {}},
    {"NetBIOSNameServerTable1Click", {"DHCP Management NetBIOS Name Server Table: ", NetBIOSNameServerTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {}},
    {"DefaultRouterTable1Click", {"DHCP Management Default Router Table: ", DefaultRouterTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {}},
    {"DHCPServerBindingTable1Click", {"DHCP Management Manual Binding Table: ", DHCPServerManualBindingTableVars, MVT_UMV, 2, 4, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"DynamicBindingTable1Click", {"DHCP Management Dynamic Binding Table: ", DynamicBindingTableVars, MVT_UMV, 2}, {.Height450 = true, .WidthPlus = 100}},
    {"GlobalSettings7Click", {"DHCPv6 Server Global Settings: ", DHCPv6ServerGlobalSettingsVars, SVT_SV, 0}, {}},
    {"ControlTable2Click", {"DHCPv6 Server Control Table: ", DHCPv6ServerControlTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"PoolTable1Click", {"DHCPv6 Server Pool Table: ", DHCPv6ServerPoolTableVars, MVT_UMV, 1, 7, "createAndGo", "destroy"}, {}},
    {"DNSServerAddressTable1Click", {"DHCPv6 Server DNS Server Address Table: ", DHCPv6ServerDNSServerAddressTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {}},
    {"ManualBindingTable1Click", {"DHCPv6 Server Manual Binding Table: ", DHCPv6ServerManualBindingTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"ExcludedAddressTable1Click", {"DHCPv6 Server Excluded Address Table: ", DHCPv6ServerExcludedAddressTableVars, MVT_UMV, 3, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"BindingTable2Click", {"DHCPv6 Server Binding Table: ", DHCPv6ServerBindingTableVars, MVT_UMV, 2}, {.Height450 = true}},
    {"GlobalSettings3Click", {"DHCP Local Relay Global Settings: ", LocalRelayManagementGlobalSettingsVars, SVT_SV, 0}, {}},
    {"VLANTable2Click", {"DHCP Local Relay VLAN Table: ", LocalRelayManagementVLANTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"BOOTPBasicConfiguration1Click", {"DHCP/BOOTP Relay Global Settings: ", RelayManagementGlobalSettingsVars, SVT_SV, 0}, {.Formats = {{1, "%i{n1x16l2}"}, {2, "%i{n0x65535l5}"}}}},
    {"FilterDHCPPortTable1Click", {"DHCP Server Filter Port Table: ", DHCPServerFilterPortTableVars, MVT_UMV, 1}, {}},
    // The blank before the colon belongs to these captions.
    {"FilterDHCPServerLogManagement1Click", {"DHCP Server Filter Log Management : ", LogManagementVars, SVT_SV, 0}, {}},
    {"FilterNetBios1Click", {"Filter NetBIOS Table : ", FilterNetBIOSTableVars, MVT_UMV, 1}, {}},
    {"FilterExternNetBIOSTable1Click", {"Filter Extensive NetBIOS Table : ", FilterExtensiveNetBIOSTableVars, MVT_UMV, 1}, {}},
    {"FilterLayer3ControlPacketTable1Click", {"Filter Layer3 Control Packet Table : ", FilterLayer3ControlPacketTableVars, MVT_UMV, 1}, {}},
    {"DNSBasicConfiguration1Click", {"DNS Relay Global Settings: ", DNSRelayGlobalSettingsVars, SVT_SV, 0}, {}},
    {"GlobalSettings5Click", {"DNS Resolver Global Settings: ", DNSResolverGlobalSettingsVars, SVT_SV, 0}, {}},
    {"StaticNameServerTable1Click", {"DNS Resolver Static Name Server Table: ", StaticNameServerTableVars, MVT_UMV, 1, 1, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"StaticNameServerTable2Click", {"DNS Resolver Dynamic Name Server Table: ", DynamicNameServerTableVars, MVT_FMV, 1}, {}},
    {"StaticHostTable1Click", {"DNS Resolver Static Host Table: ", StaticHostTableVars, MVT_UMV, 1, 1, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"DynamicHostTable1Click", {"DNS Resolver Dynamic Host Table: ", DynamicHostTableVars, MVT_UMV, 1}, {}},
};

// Rows of these tab tables are only created and destroyed.
const TPageTweaks CreateOnly{.EditHidden = true};
const TPageTweaks CreateOnlyStoppable{.EditHidden = true, .StopShown = true};

const TMenuTabbedPage TabbedPages[] = {
    {"Option601Click",
     "DHCP Relay Option60 Settings: ",
     {{"Global Settings", {"", Option60SettingsVars1, SVT_SV, 0}, {}},
      {"Default Table", {"", Option60SettingsVars2, MVT_UMV, 1, 1, "createAndGo", "destroy"}, CreateOnly},
      {"Option60 Table", {"", Option60SettingsVars3, MVT_UMV, 2, 3, "createAndGo", "destroy"}, CreateOnly}},
     0,
     0,
     {.Height = 350}},
    {"Option611Click",
     "DHCP Relay Option61 Settings: ",
     {{"Global Settings", {"", Option61SettingsVars1, SVT_SV, 0}, {}},
      {"Option61 Table", {"", Option61SettingsVars2, MVT_UMV, 2, 4, "createAndGo", "destroy"}, CreateOnlyStoppable}},
     0,
     0,
     {.Height = 350}},
    {"HopCount1Click",
     "DHCPv6 Relay Settings: ",
     {{"Hop Count", {"", DHCPv6RelayVars1, SVT_SV, 0}, {}},
      {"Control Table", {"", DHCPv6RelayVars3, MVT_UMV, 1}, {}},
      {"Information Table", {"", DHCPv6RelayVars2, MVT_UMV, 3, 3, "createAndGo", "destroy"}, CreateOnlyStoppable}},
     0,
     0,
     {.Width = 650}},
};

const TMenuDialog Dialogs[] = {
    {"IPControlTable1Click", "TIpCtrlForm", TDialogOwner::Application, "IP Control Table: "},
    {"IPStaticRoutingtable1Click", "TIpStaticRouteForm", TDialogOwner::Application, "IP Static Route Table: "},
    // Published but bound to no item: the same dialog under a shorter caption.
    {"IPStaticRoute1Click", "TIpStaticRouteForm", TDialogOwner::Application, "IP Static Route: "},
    {"DHCPServerPoolTable1Click", "TDHCPPoolForm", TDialogOwner::Application, "DHCP Management Pool Table: "},
    {"BOOTPCtrlTable1Click", "TBOOTCtrlTableForm", TDialogOwner::MainWindow, "DHCP/BOOTP Relay Control Table: "},
    {"FilterDHCPPermitTable1Click", "TFilterDHCPPermitForm", TDialogOwner::Application,
     "DHCP Server Filter Permit Table: ", false},
    {"DNSCtrlTable1Click", "TDNSCtrlForm", TDialogOwner::Application, "DNS Relay Control Table: "},
};

}  // namespace

std::span<const TMenuPage> Layer3MenuPages() { return Pages; }

std::span<const TMenuTabbedPage> Layer3MenuTabbedPages() { return TabbedPages; }

void AddLayer3MenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddTabbedPages(handlers, TabbedPages);
    AddDialogs(handlers, Dialogs);
    AddEmpty(handlers, {"MD5Table1Click"});
}
