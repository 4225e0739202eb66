#include "Oid_dot1xpae.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem N8021XPortConfigurationVars_PAEStateItems[] = {
    {1, "initialize"},
    {2, "disconnected"},
    {3, "connecting"},
    {4, "authenticating"},
    {5, "authenticated"},
    {6, "aborting"},
    {7, "held"},
    {8, "forceAuth"},
    {9, "forceUnauth"},
    {0, nullptr},
};
constinit const KyOptionList N8021XPortConfigurationVars_PAEState{N8021XPortConfigurationVars_PAEStateItems};

constexpr KyOptionItem N8021XPortConfigurationVars_BackendStateItems[] = {
    {1, "request"},
    {2, "response"},
    {3, "success"},
    {4, "fail"},
    {5, "timeout"},
    {6, "idle"},
    {7, "initialize"},
    {0, nullptr},
};
constinit const KyOptionList N8021XPortConfigurationVars_BackendState{N8021XPortConfigurationVars_BackendStateItems};

constexpr KyOptionItem N8021XPortConfigurationVars_AdministrativeControlledDirectionsItems[] = {
    {0, "both"},
    {1, "in"},
    {0, nullptr},
};
constinit const KyOptionList N8021XPortConfigurationVars_AdministrativeControlledDirections{N8021XPortConfigurationVars_AdministrativeControlledDirectionsItems};

constexpr KyOptionItem N8021XPortConfigurationVars_PortStatusItems[] = {
    {1, "authorized"},
    {2, "unauthorized"},
    {0, nullptr},
};
constinit const KyOptionList N8021XPortConfigurationVars_PortStatus{N8021XPortConfigurationVars_PortStatusItems};

constexpr KyOptionItem N8021XPortConfigurationVars_PortControlItems[] = {
    {1, "forceUnauthorized"},
    {2, "auto"},
    {3, "forceAuthorized"},
    {0, nullptr},
};
constinit const KyOptionList N8021XPortConfigurationVars_PortControl{N8021XPortConfigurationVars_PortControlItems};

constexpr KyOptionItem PortSessionStatisticsVars_AuthenticMethodItems[] = {
    {1, "remoteAuthServer"},
    {2, "localAuthServer"},
    {0, nullptr},
};
constinit const KyOptionList PortSessionStatisticsVars_AuthenticMethod{PortSessionStatisticsVars_AuthenticMethodItems};

constexpr KyOptionItem PortSessionStatisticsVars_TerminateCauseItems[] = {
    {1, "supplicantLogoff"},
    {2, "portFailure"},
    {3, "supplicantRestart"},
    {4, "reauthFailed"},
    {5, "authControlForceUnauth"},
    {6, "portReInit"},
    {7, "portAdminDisabled"},
    {999, "notTerminatedYet"},
    {0, nullptr},
};
constinit const KyOptionList PortSessionStatisticsVars_TerminateCause{PortSessionStatisticsVars_TerminateCauseItems};

} // namespace

constinit const KySNMPVarDesc SNMPEngineVars[] = {
    {"1.3.6.1.6.3.10.2.1.1", "ID", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.6.3.10.2.1.2", "Boot Numbers", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.6.3.10.2.1.3", "Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.6.3.10.2.1.4", "Max Message Size", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Dot1xGlobalStateVars[] = {
    {"1.0.8802.1.1.1.1.1.1", "Global State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc N8021XPortTableVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Protocol Version", sxGauge, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", sxBitStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Initialize", sxInteger, afReadWrite, &TruthValue},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Reauthenticate", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc N8021XPortConfigurationVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", sxInteger, afReadOnly, &N8021XPortConfigurationVars_PAEState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", sxInteger, afReadOnly, &N8021XPortConfigurationVars_BackendState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", sxInteger, afReadWrite, &N8021XPortConfigurationVars_AdministrativeControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", sxInteger, afReadOnly, &N8021XPortConfigurationVars_AdministrativeControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", sxInteger, afReadOnly, &N8021XPortConfigurationVars_PortStatus},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", sxInteger, afReadWrite, &N8021XPortConfigurationVars_PortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", sxGauge, afReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", sxGauge, afReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Support Timeout", sxGauge, afReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", sxGauge, afReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", sxGauge, afReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", sxGauge, afReadWrite, nullptr},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortStatisticsVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Response/IP Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Request/ID Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", sxGauge, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", sxMacAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortDiagnosticsVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Authentication Success While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Authentication Timeouts While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Authentication Fail While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Authentication Reauths While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Authentication Eap Starts While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Authentication Eap Logoff While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Authentication Reauths While Authenticated", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Authentication Eap Starts While Authenticated", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Authentication Eap Logoff While Authenticated", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend NonNak Responses From Supplicant", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Authentication Successes", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Authentication Fails", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortSessionStatisticsVars[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Octets RX", sxCounter64, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Octets TX", sxCounter64, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.5", "ID", sxDisplayStr, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", sxInteger, afReadOnly, &PortSessionStatisticsVars_AuthenticMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Time", sxTimeTicks, afReadOnly, nullptr},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", sxInteger, afReadOnly, &PortSessionStatisticsVars_TerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "User Name", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc GuestVlanVars1[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.30.1.2", " Port", sxBitStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc GuestVlanVars2[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc GuestVlanVars3[] = {
    {"1.3.6.1.4.1.32473.12.30.1.3", "Delete State", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};
