// The "Security" menu, second block: SSH, SSL, CPU protection, bindings, web and MAC access.
#include "KySNMPRequest2Edits.h"
#include "MenuHandlers.h"
#include "MibTables.h"
#include "SNMPEditorPanel.h"

namespace {

// The login pages' texts are Japanese: the list shows every text in Shift-JIS, and the editors of the
// page's own texts (rows 1 to 5) read and write them in it. The lines below keep the plain octets.
void ShowPageElementsInShiftJis(TConfigForm&, TSNMPEditorPanel& panel) {
    panel.Request->ListTextEncoding = "Shift_JIS";
    for (int row = 1; row <= 5; ++row) panel.Request->SetTextEncoding(row, "Shift_JIS");
}

const TMenuPage Pages[] = {
    {"SSHManagement1Click", {"SSH Global Settings: ", SSHGlobalSettingsVars, SVT_SV, 0}, {}},
    {"DiffieHellmanAlgorithm1Click", {"Diffie Hellman Algorithm Control: ", DiffieHellmanAlgorithmVars, SVT_SV, 0}, {}},
    {"EncryptionAlgorithm1Click", {"SSH Encryption Algorithm Settings: ", EncryptionAlgorithmSettingsVars, SVT_SV, 0}, {}},
    {"AuthenticationMethod1Click", {"SSH Authentication Method Settings: ", AuthenticationMethodSettingsVars, SVT_SV, 0}, {}},
    {"UserControlTable1Click", {"SSH User Control Table: ", UserControlTableVars, MVT_UMV, 1}, {}},
    {"HMACAlgorithm1Click", {"HMAC Algorithm Control: ", HMACAlgorithmVars, SVT_SV, 0}, {.HeightPlus = 15}},
    {"PublicKeyAlgorithm1Click", {"Public Key Algorithm Control: ", PublicKeyAlgorithmVars, SVT_SV, 0}, {}},
    // Loading a certificate takes the switch a while.
    {"SSLCertificateLevel1Click", {"SSL Certificate File: ", CertificateFileVars, SVT_SV, 0}, {.HeightPlus = 20, .Timeout = 600}},
    {"GlobalManagement1Click", {"Rampart Engine Global Settings: ", RampartEngineGlobalSettingsVars, SVT_SV, 0}, {}},
    {"ArpStormControl1Click", {"ARP Storm Control: ", ARPStormControlVars, SVT_SV, 0}, {}},
    {"BindingControl1Click", {"IP-MAC-Port Binding Global Settings: ", IPMACPortBindingGlobalSettingsVars, SVT_SV, 0}, {}},
    {"AllPorts1Click", {"IP-MAC-Port Binding All Ports Management: ", AllPortsManagementVars, SVT_SV, 0}, {}},
    {"PortInformation3Click", {"IP-MAC-Port Binding Port Information Table: ", IPMACPortBindingPortInformationVars, MVT_UMV, 1}, {.Height450 = true}},
    // The switch blocks entries itself: they can only be listed and deleted.
    {"BindingBlockedTable1Click", {"IP-MAC-Port Binding Blocked Table: ", BlockedTableVars, MVT_UMV, 2, 6, "createAndGo", "destroy"}, {.EditHidden = true, .AddHidden = true}},
    {"D1Click", {"IP-MAC-Port Binding DHCP Snooping Table: ", DHCPSnoopingTableVars, MVT_FMV, 1}, {.Height450 = true, .WidthPlus = 100}},
    {"IPv6DHCPSnoopingTable1Click", {"IP-MAC-Port Binding IPv6 DHCP Snooping Table: ", IPv6DHCPSnoopingTableVars, MVT_FMV, 1}, {.Height450 = true}},
    {"NDSnoopingTable1Click", {"IP-MAC-Port Binding ND Snooping Table: ", NDSnoopingTableVars, MVT_FMV, 1}, {.Height450 = true}},
    {"WACAuthControl1Click", {"Web Authentication Global Settings: ", WebAuthenticationGlobalSettingsVars, SVT_SV, 0}, {}},
    {"StateTable3Click", {"Web Authentication State Table: ", WebAuthenticationStateTableVars, MVT_UMV, 3}, {}},
    {"WACPortTable1Click", {"Web Authentication Port Table: ", WebAuthenticationPortTableVars, MVT_FMV, 1}, {}},
    {"AuthUserTable1Click", {"Web Authentication User Table: ", WebAuthenticationUserTableVars, MVT_FMV, 1, 3, "createAndGo", "destroy"}, {}},
    {"Information4Click", {"MBA Information Table: ", MBAManagementInformationVars, SVT_SV, 0}, {.Formats = {{0, "%i{n1x4000l4}"}}}},
    {"MBAInformation1Click", {"MBA Authentication Information Table: ", MBAManagementAuthenticationInformationVars, MVT_UMV, 2}, {}},
    {"MBAPortManagement1Click", {"MBA Port Table: ", MBAManagementPortTableVars, MVT_UMV, 1}, {}},
    {"MBAManagement1Click", {"MBA Datebase Table: ", DatebaseTableVars, MVT_UMV, 1, 2, "createAndGo", "destroy"}, {}},
    {"StateTable1Click", {"State Table: ", MBAManagementStateTableVars, MVT_FMV, 2}, {}},
    {"SessionInformation1Click", {"Session Information: ", SessionInformationVars, MVT_FMV, 2}, {.Version2c = true}},
    {"GlobalSettings2Click", {"YPAX Global Settings: ", YPAXManagementGlobalSettingsVars, SVT_SV, 0},
     {.MayBeEmpty = {9, 16},
      .Formats = {{5, "%i{n5x300l3}"}, {7, "%i{n0x10l2}"}, {8, "%s{I}"}, {9, "%s{l128}"}, {10, "%i{n1x65535l5}"}}}},
    {"UpdateServerTable1Click", {"YPAX Update Server Table: ", UpdateServerTableVars, MVT_UMV, 4, 4, "createAndGo", "destroy"},
     {.EditHidden = true, .Formats = {{0, "%s{I}"}, {3, "%i{n0x65535l5}"}}}},
    {"PortTable6Click", {"YPAX Port Table: ", YPAXManagementPortTableVars, MVT_UMV, 1},
     {.Formats = {{2, "%i{n0x50l2}"}, {3, "%i{n0x1440l4}"}, {4, "%i{n0x1440l4}"}, {5, "%i{n0x300l3}"}}}},
    {"HostTable2Click", {"YPAX Host Table: ", YPAXManagementHostTableVars, MVT_UMV, 3}, {}},
    {"PageElementTable1Click", {"YPAX Page Element Table: ", PageElementTableVars, MVT_FMV, 1},
     {.Height = 300, .MayBeEmpty = {1, 2, 3, 4, 5}, .Extra = ShowPageElementsInShiftJis}},
    {"WebAuthenticationUserTable1Click", {"YPAX Web Authentication User Table: ", YpaxUserTableVars, MVT_UMV, 1, 3, "createAndGo", "destroy"},
     {.Formats = {{1, "%s{l15}"}, {2, "%i{n1x4094l4}"}}}},
    {"GlobalSettings1Click", {"BPDU Protection Global Settings: ", BPDUProtectionGlobalSettingsVars, SVT_SV, 0}, {}},
    {"PortTable5Click", {"BPDU Protection Port Table: ", BPDUProtectionPortTableVars, MVT_UMV, 1}, {}},
};

const TMenuDialog Dialogs[] = {
    {"SSLManagement1Click", "TSSLManagementForm", TDialogOwner::Application, "SSL Global Settings: "},
    {"ProtectControl1Click", "TRampartCtrlForm", TDialogOwner::MainWindow, "Rampart Control Settings: "},
    {"BindingTable1Click", "TIPMACBindingForm", TDialogOwner::Application, "IP-MAC-Port Binding Binding Table: "},
    {"IPv6Table2Click", "TIPMACBindingIPv6Form", TDialogOwner::Application, "IP-MAC-Port Binding IPv6 Table: "},
    {"MBAControl1Click", "TMBAControlForm", TDialogOwner::MainWindow, "MBA Global Settings: "},
    {"DiagnosticsInformation1Click", "TDiagnosticsInformationForm", TDialogOwner::MainWindow, "Diagnostics Information: "},
    {"StatisticTable1Click", "TMacStatisticTableForm", TDialogOwner::MainWindow, "MAC Statistic: "},
    {"ARPSpoofingPrevention1Click", "TARPSpoofingPreventMgmtForm", TDialogOwner::Application,
     "ARP Spoofing Prevention Management Table: "},
};

}  // namespace

std::span<const TMenuPage> SecurityProtectionMenuPages() { return Pages; }

void AddSecurityProtectionMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
    // The web authentication "Information" item, which the form hides.
    AddEmpty(handlers, {"AuthenticationInformation1Click"});
}
