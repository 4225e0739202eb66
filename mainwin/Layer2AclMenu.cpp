// The "Layer 2 " menu: access lists, CPU interface filtering and link aggregation.
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

// Edit constraints the CPU filtering pages share.
constexpr const char* ProfileId = "%i{n1x5l1}";
constexpr const char* AccessId = "%i{n1x100l3}";
constexpr const char* Octet = "%i{n0x255l3}";
constexpr const char* SixBits = "%i{n0x63l2}";
constexpr const char* Address = "%s{I}";
constexpr const char* Text32 = "%s{l32}";

const TMenuPage Pages[] = {
    {"ACLControl1Click", {"ACL Global Information: ", AclGlobalInformationVars, SVT_SV, 0}, {}},
    {"ACLMaskDeleteALL1Click", {"ACL Delete All Mask: ", ACLDeleteAllMaskVars, SVT_SV, 0}, {}},
    // The counters are 64 bits wide, which version 1 cannot carry.
    {"ACLCourter1Click", {"ACL Counter Table: ", CounterTableVars, MVT_UMV, 2}, {.Version2c = true}},
    {"ACLFlowMeter1Click", {"ACL Flow Meter Information: ", FlowMeterInformationVars, SVT_SV, 0}, {}},
    {"ACLFolwMeterTable1Click", {"ACL Flow Meter Table: ", FlowMeterTableVars, MVT_UMV, 2, 28, "createAndGo", "destroy"}, {}},
    {"CPUFilterControl1Click", {"CPU Interface Filtering Global Settings: ", CPUInterfaceFilteringGlobalSettingsVars, SVT_SV, 0}, {}},
    {"CPUACLMaskDeleteAll1Click", {"CPU Interface Filtering Delete All Mask: ", CPUInterfaceFilteringDeleteAllMaskVars, SVT_SV, 0}, {}},
    {"EthernetMaskCPUFilter1Click",
     {"Ethernet Mask (CPU Interface Filtering): ", EthernetMaskCPUInterfaceFilteringVars, MVT_UMV, 1, 6, "createAndGo", "destroy"},
     {.Height450 = true, .EditHidden = true, .Formats = {{0, ProfileId}, {3, "%s{l12}"}, {4, "%s{l12}"}}}},
    {"EthernetRuleCPUFilter1Click",
     {"Ethernet Rule (CPU Interface Filtering): ", EthernetRuleCPUInterfaceFilteringVars, MVT_UMV, 2, 8, "createAndGo", "destroy"},
     {.Height450 = true,
      .Formats = {{0, ProfileId}, {1, AccessId}, {3, "%s{l12}"}, {4, "%s{l12}"}, {5, "%s{l4}"}, {9, Text32}}}},
    {"IPMaskCPUFilter1Click",
     {"IP Mask (CPU Interface Filtering): ", IPMaskCPUInterfaceFilteringVars, MVT_UMV, 1, 17, "createAndGo", "destroy"},
     {.Height450 = true,
      .Formats = {{0, ProfileId}, {3, Address}, {4, Address}, {11, "%s{l4}"}, {12, "%s{l4}"}, {14, SixBits}, {15, Octet},
                  {16, "%s{l8}"}}}},
    // The addresses are IpAddress objects: a text that is no dotted address would go out as a bad one.
    {"IPRuleCPUFilter1Click",
     {"IP Rule (CPU Interface Filtering): ", IPRuleCPUInterfaceFilteringVars, MVT_UMV, 2, 16, "createAndGo", "destroy"},
     // A rule need not name a time range.
     {.Height450 = true, .MayBeEmpty = {17},
      .Formats = {{0, ProfileId}, {1, AccessId}, {3, Address}, {4, Address}, {5, SixBits}, {7, Octet}, {8, Octet},
                  {9, "%i{n0x65535l5}"}, {10, "%i{n0x65535l5}"}, {11, SixBits}, {12, Octet}, {13, "%s{l8}"}}}},
    {"PacketContentMaskCPUFilter1Click",
     {"Packet Content Mask (CPU Interface Filtering): ", PacketContentMaskCPUInterfaceFilteringVars, MVT_UMV, 1, 6, "createAndGo", "destroy"},
     {.Height450 = true, .Formats = {{0, ProfileId}, {1, Text32}, {2, Text32}, {3, Text32}, {4, Text32}, {5, Text32}}}},
    {"PacketContentRuleCPUFilter1Click",
     {"Packet Content Rule (CPU Interface Filtering): ", PacketContentRuleCPUInterfaceFilteringVars, MVT_UMV, 2, 9, "createAndGo", "destroy"},
     {.Height450 = true,
      .Formats = {{0, ProfileId}, {1, AccessId}, {2, Text32}, {3, Text32}, {4, Text32}, {5, Text32}, {6, Text32}}}},
    {"IPv6Mask1Click",
     {"IPv6 Mask (CPU Interface Filtering): ", IPv6MaskCPUInterfaceFilteringVars, MVT_UMV, 1, 6, "createAndGo", "destroy"},
     {.Height450 = true, .Formats = {{0, ProfileId}, {4, Text32}, {5, Text32}}}},
    {"IPv6Rule2Click",
     {"IPv6 Rule (CPU Interface Filtering): ", IPv6RuleCPUInterfaceFilteringVars, MVT_UMV, 2, 7, "createAndGo", "destroy"},
     {.Height450 = true, .Formats = {{0, ProfileId}, {1, AccessId}, {2, Octet}, {3, "%s{l8}"}, {4, Text32}, {5, Text32}}}},
    {"AggregatorTable1Click", {"802.3ad Aggregator Table: ", AggregatorTableVars, MVT_FMV, 1}, {}},
    {"AggregatorPortList1Click", {"802.3ad Aggregator Port List Table: ", AggregatorPortListVars, MVT_FMV, 1}, {.Height450 = true}},
};

const TMenuDialog Dialogs[] = {
    {"EthernetMask1Click", "TEthernetMaskInformationForm", TDialogOwner::Application, "ACL Ethernet Mask: ", false},
    {"RuleOfEthernetInformation1Click", "TEthernetInformationRuleForm", TDialogOwner::Application, "ACL Ethernet Rule: "},
    {"IPMaskInformation1Click", "TIPMaskInformationForm", TDialogOwner::Application, "ACL IP Mask: ", false},
    {"IPRule1Click", "TIPRuleForm", TDialogOwner::Application, "ACL IP Rule: "},
    {"PayloadMaskInformation1Click", "TUserMaskInfoForm", TDialogOwner::Application, "User Mask Information: "},
    {"PayloadRule1Click", "TUserDefinedInformationRuleForm", TDialogOwner::Application, "User Defined Information Rule: ", false},
    {"IPv6MaskInformation1Click", "TIPv6ProfileForm", TDialogOwner::MainWindow, "ACL IPv6 Mask: "},
    {"IPv6Rule1Click", "TIpv6RuleForm", TDialogOwner::Application, "ACL IPv6 Rule: "},
    {"PacketContentMask1Click", "TPktContentMaskForm", TDialogOwner::Application, "ACL Packet Content Mask: "},
    {"PacketContentRule1Click", "TPktContentRuleForm", TDialogOwner::Application, "ACL Packet Content Rule: "},
    {"IPMACBindingEthernetMask1Click", "TIBPACLEtherMaskForm", TDialogOwner::Application, "ACL IP-MAC Binding Ethernet Mask: "},
    {"IPMACBindingEthernetRule1Click", "TIBPEtherRuleForm", TDialogOwner::Application, "ACL IP-MAC Binding Ethernet Rule: "},
    {"IPMACBindingIPMask1Click", "TIBPIPMaskForm", TDialogOwner::Application, "ACL IP-MAC Binding IP Mask: "},
    {"IPMACBindingIPRule1Click", "TIBPIPRuleForm", TDialogOwner::Application, "ACL IP-MAC Binding IP Rule: "},
    {"AggreatorPortTable1Click", "TAggregatorPortTableForm", TDialogOwner::MainWindow, "802.3ad Aggregator Port Table: "},
};

}  // namespace

std::span<const TMenuPage> Layer2AclMenuPages() { return Pages; }

void AddLayer2AclMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
    // Power over ethernet: no model of this family has it.
    AddEmpty(handlers, {"SystemControl1Click", "Systeminformation1Click", "PortControl2Click", "Portinformation4Click"});
}
