// The "Security" menu, first block: 802.1X, RADIUS, authentication and authorization.
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"Auth1Click", {"Authentication Mode Settings: ", AuthenticationModeSettingsVars, SVT_SV, 0}, {.HeightPlus = 10, .EditWidth = 142}},
    {"Configuration2Click", {"802.1X Global Settings: ", Dot1xGlobalStateVars, SVT_SV, 0}, {}},
    {"PAEPortTable1Click", {"802.1X Port Table: ", N8021XPortTableVars, MVT_UMV, 1}, {}},
    {"PortAuthenticationConfiguration1Click", {"802.1X Port Configuration: ", N8021XPortConfigurationVars, MVT_UMV, 1}, {}},
    {"PortAuthStatistics1Click", {"802.1X Port Statistics: ", PortStatisticsVars, MVT_FMV, 1}, {}},
    {"Diagnostics1Click", {"802.1X Port Diagnostics: ", PortDiagnosticsVars, MVT_UMV, 1}, {}},
    // The octet counters are 64-bit, which version 1 cannot carry.
    {"PortSessionStatistics1Click", {"802.1X Port Session Statistics: ", PortSessionStatisticsVars, MVT_FMV, 1}, {.Version2c = true}},
    {"AuthenticationPortSettings1Click", {"MAC-based Authentication Port Settings: ", AuthenticationPortSettingsVars, MVT_UMV, 1}, {}},
    {"PAEPortSettings1Click", {"MAC-based PAE Port Settings: ", PAEPortSettingsVars, MVT_UMV, 1}, {}},
    {"Command1Click", {"RADIUS Command: ", CommandVars, SVT_SV, 0}, {}},
    {"RadiusServerTabl1Click", {"RADIUS Server Table: ", RADIUSServerTableVars, MVT_UMV, 1}, {.Height450 = true}},
    {"AuthenticationServer1Click", {"RADIUS Authentication Information: ", RADIUSManagementAuthenticationInformationVars, SVT_SV, 0}, {}},
    {"AuthenticationServerTable1Click", {"RADIUS Authentication Table: ", AuthenticationTableVars, MVT_FMV, 1}, {}},
    {"AccountingSettings1Click", {"RADIUS Accounting Settings: ", AccountingSettingsVars, SVT_SV, 0}, {.HeightPlus = 20}},
    {"AccountingServerInformation1Click", {"Accounting Basic Information: ", AccountingControlBasicInformationVars, SVT_SV, 0}, {}},
    {"AccountingServerTable1Click", {"Accounting Server Table: ", AccountingControlServerTableVars, MVT_FMV, 1}, {}},
    {"PortTable8Click", {"RADIUS PAE Authenticator Settings: ", PAEAuthenticatorSettingsVars, SVT_SV, 0}, {.Formats = {{1, "%i{n1x4000l4}"}}}},
    {"ConfigurationTable1Click", {"RADIUS PAE Authenticator Configuration Table: ", ConfigurationTableVars, MVT_UMV, 1}, {}},
    {"StateTable2Click", {"RADIUS PAE Authenticator State Table: ", PAEAuthenticatorStateTableVars, MVT_FMV, 2}, {}},
    {"TACACSControl1Click", {"AAC Global Settings: ", AACGlobalSettingsVars, SVT_SV, 0}, {}},
    {"TACACSInformation1Click", {"AAC Information Table: ", AACInformationVars, SVT_SV, 0}, {}},
    {"LoginInformation1Click", {"AAC Login Information: ", LoginInformationVars, SVT_SV, 0}, {}},
    {"ServerGroup1Click", {"AAC Server Group Table: ", ServerGroupVars, MVT_FMV, 1, 17, "createAndGo", "destroy"}, {.EditHidden = true}},
    {"PortTable7Click", {"Compound Authentication Port Table: ", CompoundAuthenticationPortTableVars, MVT_UMV, 1}, {.MayBeEmpty = {3}}},
    {"NetworkSettings1Click", {"Compound Authentication Network Settings: ", NetworkVars, SVT_SV, 0}, {}},
};

const TMenuDialog Dialogs[] = {
    {"GuestVLAN1Click", "TGuestVlanForm", TDialogOwner::MainWindow, "802.1X Guest VLAN: "},
    {"LoginMethodControl1Click", "TLoginMethodListForm", TDialogOwner::Application, "AAC Login Method List Settings: "},
    {"EnableMethodControl1Click", "TEnableMethodForm", TDialogOwner::Application, "AAC Enable Method Settings: "},
    {"ServerInformation1Click", "TServerInformationForm", TDialogOwner::Application, "Server Information: "},
    {"ServerControl1Click", "TAAASrvCtrlForm", TDialogOwner::Application, "AAC Server Settings: "},
    {"GuestVLANTable1Click", "TMultpAuthGuestVlanForm", TDialogOwner::Application,
     "Compound Authentication Guest VLAN Table: "},
};

}  // namespace

std::span<const TMenuPage> SecurityAuthMenuPages() { return Pages; }

void AddSecurityAuthMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    // "Authentication Mode Settings" follows the 802.1X state set on this page as soon as it has closed.
    TMenuHandlerFn& run = RunOf(handlers, "Configuration2Click");
    run = [open = std::move(run)](TMainForm& form) {
        open(form);
        form.UpdateAuthMenu();
    };
    AddDialogs(handlers, Dialogs);
}
