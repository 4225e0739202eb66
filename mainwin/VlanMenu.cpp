// The "VLAN" menu: 802.1p and 802.1Q bridge pages and the VLAN tables.
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MibTables.h"

#include "KySNMPRequest2Edits.h"
#include "KyValidators.h"
#include "SNMPListViewPanel.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

namespace {

const TMenuPage Pages[] = {
    {"DefaultUserPrioritiesofEachPort1Click", {"802.1p Default User Priorities Of Each Port: ", DefaultUserPrioritiesOfEachPortVars, MVT_FMV, 1}, {.Height450 = true}},
    {"RegeneratedUserPriorities1Click", {"Regenerated User Priorities: ", RegeneratedUserPrioritiesVars, MVT_FMV, 2}, {.Height450 = true}},
    {"PortOutboundAccessPriorities1Click", {"Port Outbound Access Priorities: ", PortOutboundAccessPrioritiesVars, MVT_FMV, 2}, {.Height450 = true}},
    {"GVRP1Click", {"802.1p GARP Table: ", GARPVars, MVT_FMV, 1}, {.Height450 = true}},
    {"PortCapbility1Click", {"802.1p Port Capability Table: ", PortCapabilityVars, MVT_FMV, 1}, {.Height450 = true}},
    {"PortTable2Click", {"High Capacity Port Table: ", HighCapacityPortTableVars, MVT_FMV, 0}, {}},
    {"PortOverFlow1Click", {"High Capacity Port Overflow Table: ", PortOverflowVars, MVT_FMV, 0}, {}},
    {"UnicastForwardingInformation1Click", {"802.1Q Unicast Forwarding Information Table: ", UnicastForwardingInformationVars, MVT_FMV, 2}, {.Height450 = true}},
    {"Databaseinformation1Click", {"802.1Q Filtering Database Table: ", FilteringDatabaseVars, MVT_FMV, 1}, {}},
    {"FilteringInformation1Click", {"Filtering Information: ", FilteringInformationVars, MVT_FMV, 2}, {}},
    {"PVIDAutoAssignment1Click", {"VLAN Management PVID Auto Assignment State: ", PVIDAutoAssignmentStateVars, SVT_SV, 0}, {}},
    {"ProtocolVLANPort1Click", {"Protocol VLAN Port Table: ", ProtocolVLANPortTableVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"MACBasedVLAN1Click", {"Static MAC-based VLAN Table: ", StaticMACBasedVLANVars, MVT_UMV, 2, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"QinQGlobalSettings1Click", {"Q-in-Q Global Settings: ", QInQGlobalSettingsVars, SVT_SV, 0}, {}},
    {"QinQPortTable1Click", {"Q-in-Q Port Table: ", QInQPortTableVars, MVT_UMV, 1}, {.Height450 = true, .WidthPlus = 100, .Validators = {{3, isValidShortHex}}}},
    {"QinQPortRuleTable1Click", {"Q-in-Q Port Rule Table: ", QInQPortRuleTableVars, MVT_UMV, 2, 2, "createAndGo", "destroy"}, {}},
    {"VLANTranslateTable1Click", {"Q-in-Q VLAN Translation Table: ", VLANTranslationTableVars, MVT_UMV, 2, 5, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"QinQProfileTable1Click", {"Q-in-Q Profile Table: ", QInQProfileTableVars, MVT_UMV, 1, 1, "createAndGo", "destroy"}, {}},
    {"QinQRuleTable1Click", {"Q-in-Q Rule Table: ", QInQRuleTableVars, MVT_UMV, 2, 19, "createAndGo", "destroy"}, {}},
    {"PrecedenceTable1Click", {"Subnet VLAN Precedence Table: ", PrecedenceTableVars, MVT_FMV, 1}, {}},
    {"PrecedenceTable2Click", {"Subnet VLAN Table: ", SubnetVLANVLANTableVars, MVT_UMV, 2, 4, "createAndGo", "destroy"},
     {.EditHidden = true, .Formats = {{0, "%s{I}"}, {2, "%i{n1x4094l4}"}, {3, "%i{n0x7l1}"}}, .Validators = {{1, isValidSubnetMask}}}},
    {"IPv6Table1Click", {"Subnet VLAN IPv6 Table: ", SubnetVLANIPv6TableVars, MVT_UMV, 2, 4, "createAndGo", "destroy"},
     {.EditHidden = true, .Formats = {{2, "%i{n1x4094l4}"}, {3, "%i{n0x7l1}"}}, .Validators = {{0, isValidIPv6Hex}}}},
    {"SuperVLANTable1Click", {"Super VLAN Table: ", SuperVLANTableVars, MVT_UMV, 1, 12, "createAndGo", "destroy"}, {}},
    {"SubVLANTable1Click", {"Super VLAN Sub VLAN Table: ", SubVLANTableVars, MVT_FMV, 1}, {}},
    {"SubVLANIPRangeTable1Click", {"Super VLAN Sub VLAN IP Range Table: ", SubVLANIPRangeTableVars, MVT_UMV, 3, 3, "createAndGo", "destroy"}, {.EditHidden = true}},
};

const TMenuDialog Dialogs[] = {
    {"BasicConfigure2Click", "TPBridgeConfigForm", TDialogOwner::Application, "802.1p Basic Configuration: "},
    {"UserPrioritiesToTrafficClassClick", "TUserPrioritiesForm", TDialogOwner::Application, "802.1p User Priorities To Traffic Class: "},
    {"BasicConfigureClick", "TVLanGeneralInfoForm", TDialogOwner::Application, "802.1Q Basic Configuration: "},
    {"PortsInfo1Click", "TVLanPortInfomationForm", TDialogOwner::Application, "802.1Q Port Information Table: "},
    {"TpGroupDestinationForwarded1Click", "TTpGroupDestinationForwardedForm", TDialogOwner::MainWindow, "Tp Group Destination Forwarded: "},
    {"MulticastForwardingInformation1Click", "TMulticastForwardingInformationForm", TDialogOwner::MainWindow, "Multicast Forwarding Information: "},
    {"StaticForm1Click", "TVlanStaticForm", TDialogOwner::MainWindow, "802.1Q Static VLAN Table: "},
    {"CurrentForm1Click", "TVLanCurrentTableForm", TDialogOwner::MainWindow, "802.1Q Current VLAN Table: "},
    {"UnicastInformation1Click", "TUnicastFilterInformationForm", TDialogOwner::MainWindow, "802.1Q Unicast Filter Information Table: "},
    {"MulticastInformation1Click", "TMulticastFilterInformationForm", TDialogOwner::MainWindow, "802.1Q Multicast Filter Information Table: "},
    {"VLANTable1Click", "TVlanForm", TDialogOwner::Application, "VLAN Management VLAN Table: "},
    {"ProtocolVLAN1Click", "TProtocolVlanForm", TDialogOwner::Application, "Protocol VLAN: "},
    {"ProtocolVLANGroup1Click", "TProtocolVLANGroupForm", TDialogOwner::Application, "Protocol VLAN Group Table: "},
    {"GlobalState1Click", "TDVStateForm", TDialogOwner::Application, "Double VLAN Global Settings: "},
    {"DoubleVlanControlTable1Click", "TDoubleVLANForm", TDialogOwner::Application, "Double VLAN Control Table: "},
};

const TMenuTabbedPage TabbedPages[] = {
    {"VLANTrunk1Click",
     "VLAN Trunk Settings: ",
     {{"Global Settings", {"", VLANTrunkVars2, SVT_SV, 0}, {}},
      {"VLAN Trunk Table", {"", VLANTrunkVars1, MVT_UMV, 1}, {}}}},
};

const TMenuPage& PageOf(std::string_view handler) {
    return *std::find_if(std::begin(Pages), std::end(Pages), [&](const TMenuPage& p) { return p.Handler == handler; });
}

// Port roles and TPIDs are edited only with Q-in-Q on. The state is read once per click, before the page
// shows; its hidden text lives with the page.
void QinQPortTable1Click(TMainForm& form) {
    const TMenuPage& entry = PageOf("QinQPortTable1Click");
    const std::unique_ptr<TConfigForm> page = BuildMenuPage(form, entry.Page, entry.Tweaks);
    auto* state = new QLabel(page.get());
    state->setObjectName(QStringLiteral("QinQStateText"));
    state->hide();
    const auto stateRequest = MakePageRequest(page.get(), QInQGlobalSettingsVars, SVT_SV, 0);
    stateRequest->Async = 0;
    stateRequest->BindStaticText(0, state);
    // A failed read says nothing: the page opens as with Q-in-Q on.
    stateRequest->OnGetError = [](KySNMPRequest2Controls&, const KySNMPError&) {};
    stateRequest->Get();
    if (state->text() == QLatin1String("disabled")) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                        QStringLiteral("You should enable Q-in-Q before an edit action!"), QMessageBox::Ok, &form);
        box.exec();
        page->findChild<TSNMPListViewPanel*>()->HideEditButton();
    }
    page->exec();
}

}  // namespace

std::span<const TMenuPage> VlanMenuPages() { return Pages; }

std::span<const TMenuTabbedPage> VlanMenuTabbedPages() { return TabbedPages; }

void AddVlanMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    // This page reads the Q-in-Q state between building and showing.
    RunOf(handlers, "QinQPortTable1Click") = QinQPortTable1Click;
    AddTabbedPages(handlers, TabbedPages);
    AddDialogs(handlers, Dialogs);
    AddEmpty(handlers, {"ForwardUnregisteredInformation1Click"});
}
