#include "Oid_dot1x.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem CompoundAuthenticationPortTableVars_AuthenticationModeItems[] = {
    {1, "hostbased"},
    {2, "portbased"},
    {0, nullptr},
};
constinit const KyOptionList CompoundAuthenticationPortTableVars_AuthenticationMode{CompoundAuthenticationPortTableVars_AuthenticationModeItems};

constexpr KyOptionItem CompoundAuthenticationPortTableVars_PortMethodItems[] = {
    {1, "none"},
    {2, "any"},
    {3, "dot1xImp"},
    {4, "impYpax"},
    {0, nullptr},
};
constinit const KyOptionList CompoundAuthenticationPortTableVars_PortMethod{CompoundAuthenticationPortTableVars_PortMethodItems};

constexpr KyOptionItem NetworkVars_FailOverStateItems[] = {
    {1, "block"},
    {2, "local"},
    {3, "permit"},
    {0, nullptr},
};
constinit const KyOptionList NetworkVars_FailOverState{NetworkVars_FailOverStateItems};

constexpr KyOptionItem AuthenticationModeSettingsVars_UserAuthenticationProtocolItems[] = {
    {2, "authProtocolLocal"},
    {4, "authProtocolRadiusEap"},
    {0, nullptr},
};
constinit const KyOptionList AuthenticationModeSettingsVars_UserAuthenticationProtocol{AuthenticationModeSettingsVars_UserAuthenticationProtocolItems};

constexpr KyOptionItem AuthenticationModeSettingsVars_DeviceAuthenticationModeItems[] = {
    {1, "portBase"},
    {2, "macBase"},
    {0, nullptr},
};
constinit const KyOptionList AuthenticationModeSettingsVars_DeviceAuthenticationMode{AuthenticationModeSettingsVars_DeviceAuthenticationModeItems};

constexpr KyOptionItem RADIUSServerTableVars_IndexItems[] = {
    {1, "swRadiusServerIndex-first"},
    {2, "swRadiusServerIndex-second"},
    {3, "swRadiusServerIndex-third"},
    {0, nullptr},
};
constinit const KyOptionList RADIUSServerTableVars_Index{RADIUSServerTableVars_IndexItems};

constexpr KyOptionItem RADIUSServerTableVars_AddressTypeItems[] = {
    {0, "unknown"},
    {1, "IPv4"},
    {2, "IPv6"},
    {16, "dns"},
    {0, nullptr},
};
constinit const KyOptionList RADIUSServerTableVars_AddressType{RADIUSServerTableVars_AddressTypeItems};

constexpr KyOptionItem MBAManagementStateTableVars_PAEStateItems[] = {
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
constinit const KyOptionList MBAManagementStateTableVars_PAEState{MBAManagementStateTableVars_PAEStateItems};

constexpr KyOptionItem MBAManagementStateTableVars_BackendStateItems[] = {
    {1, "request"},
    {2, "response"},
    {3, "success"},
    {4, "fail"},
    {5, "timeout"},
    {6, "idle"},
    {7, "initialize"},
    {0, nullptr},
};
constinit const KyOptionList MBAManagementStateTableVars_BackendState{MBAManagementStateTableVars_BackendStateItems};

constexpr KyOptionItem MBAManagementStateTableVars_ControlLedPortStatusItems[] = {
    {1, "authorized"},
    {2, "unauthorized"},
    {0, nullptr},
};
constinit const KyOptionList MBAManagementStateTableVars_ControlLedPortStatus{MBAManagementStateTableVars_ControlLedPortStatusItems};

constexpr KyOptionItem SessionInformationVars_AuthenticMethodItems[] = {
    {1, "remoteAuthServer"},
    {2, "localAuthServer"},
    {0, nullptr},
};
constinit const KyOptionList SessionInformationVars_AuthenticMethod{SessionInformationVars_AuthenticMethodItems};

constexpr KyOptionItem SessionInformationVars_TerminateCauseItems[] = {
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
constinit const KyOptionList SessionInformationVars_TerminateCause{SessionInformationVars_TerminateCauseItems};

constexpr KyOptionItem MBAControlVars1_StateItems[] = {
    {1, "disabled"},
    {2, "enabled"},
    {0, nullptr},
};
constinit const KyOptionList MBAControlVars1_State{MBAControlVars1_StateItems};

constexpr KyOptionItem MBAControlVars1_MethodItems[] = {
    {1, "local"},
    {2, "radius"},
    {0, nullptr},
};
constinit const KyOptionList MBAControlVars1_Method{MBAControlVars1_MethodItems};

constexpr KyOptionItem MBAManagementAuthenticationInformationVars_StatusItems[] = {
    {1, "unconnected"},
    {2, "connecting"},
    {3, "authenticating"},
    {4, "authenticated"},
    {5, "failure"},
    {0, nullptr},
};
constinit const KyOptionList MBAManagementAuthenticationInformationVars_Status{MBAManagementAuthenticationInformationVars_StatusItems};

constexpr KyOptionItem MBAManagementPortTableVars_PortModeItems[] = {
    {1, "port_based"},
    {2, "host_based"},
    {0, nullptr},
};
constinit const KyOptionList MBAManagementPortTableVars_PortMode{MBAManagementPortTableVars_PortModeItems};

constexpr KyOptionItem PAEAuthenticatorStateTableVars_ControlledStatusItems[] = {
    {1, "authenticating"},
    {2, "authorized"},
    {3, "unauthorized"},
    {0, nullptr},
};
constinit const KyOptionList PAEAuthenticatorStateTableVars_ControlledStatus{PAEAuthenticatorStateTableVars_ControlledStatusItems};

constexpr KyOptionItem PAEPortSettingsVars_InitializeOrReauthStatusItems[] = {
    {1, "other"},
    {2, "initialize"},
    {3, "reauthenticate"},
    {0, nullptr},
};
constinit const KyOptionList PAEPortSettingsVars_InitializeOrReauthStatus{PAEPortSettingsVars_InitializeOrReauthStatusItems};

constexpr KyOptionItem AuthenticationPortSettingsVars_CapabilitiesItems[] = {
    {1, "none"},
    {2, "authenticator"},
    {0, nullptr},
};
constinit const KyOptionList AuthenticationPortSettingsVars_Capabilities{AuthenticationPortSettingsVars_CapabilitiesItems};

} // namespace

constinit const KySNMPVarDesc CompoundAuthenticationPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.3.11.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.11.1.1.2", "Authentication Mode", sxInteger, afReadWrite, &CompoundAuthenticationPortTableVars_AuthenticationMode},
    {"1.3.6.1.4.1.32473.12.3.11.1.1.3", "Port Method", sxInteger, afReadWrite, &CompoundAuthenticationPortTableVars_PortMethod},
    {"1.3.6.1.4.1.32473.12.3.11.1.1.4", "Authentication VLANs", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NetworkVars[] = {
    {"1.3.6.1.4.1.32473.12.3.11.3", "Attributes", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.3.11.4", "Fail Over State", sxInteger, afReadWrite, &NetworkVars_FailOverState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MultpAuthGuestVlanVars[] = {
    {"1.3.6.1.4.1.32473.12.3.11.2.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.11.2.1.2", "VLAN Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.11.2.1.3", "Row Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AccountingSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.55.1.1", "Shell State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.55.1.2", "System State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.55.1.3", "Network State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AuthenticationModeSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.3.1.1", "User Authentication Protocol", sxInteger, afReadWrite, &AuthenticationModeSettingsVars_UserAuthenticationProtocol},
    {"1.3.6.1.4.1.32473.12.3.1.2", "Device Authentication Mode", sxInteger, afReadWrite, &AuthenticationModeSettingsVars_DeviceAuthenticationMode},
    {"1.3.6.1.4.1.32473.12.3.1.3", "Authorization State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RADIUSServerTableVars[] = {
    {"1.3.6.1.4.1.32473.12.3.2.4.1.1", "Index", sxInteger, afNotAccess, &RADIUSServerTableVars_Index},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.2", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "Key", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "Accounting Port Number", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "Port Number", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.6", "Status", sxInteger, afReadOnly, &RowStatus},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.7", "Time out", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.8", "Retransmit", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.9", "Address Type", sxInteger, afReadOnly, &RADIUSServerTableVars_AddressType},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.10", "Address ", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAManagementStateTableVars[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "PAE MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "PAE Port Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "PAE State", sxInteger, afReadOnly, &MBAManagementStateTableVars_PAEState},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.4", "Backend  State", sxInteger, afReadOnly, &MBAManagementStateTableVars_BackendState},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.5", "Control Led Port Status", sxInteger, afReadOnly, &MBAManagementStateTableVars_ControlLedPortStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MacStatisticTableVars[] = {
    {"1.3.6.1.4.1.32473.12.3.6.2.1.1", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.2", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.3", "Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.4", "Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.5", "Start Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.6", "Logoff Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.7", "Response ID Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.8", "Response Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.9", "Request ID Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.10", "Request Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.11", "Invalid Eapol Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.12", "Eap Length Error Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.13", "LastEapol Frame Version", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.14", "LastEapol Frame Source", sxMacAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DiagnosticsInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.3.6.3.1.1", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.2", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.3", "Enters Connecting", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.4", "Eap Logoffs While Connecting", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.5", "Enters Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.6", "Success While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.7", "Timeouts While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.8", "Fail While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.9", "Reauths While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.10", "Eap Starts While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.11", "Eap Logoff While Authenticating", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.12", "Reauths While Authenticated", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.13", "Eap Starts While Authenticated", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.14", "Eap Logoff While Authenticated", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.15", "Backend Responses", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.16", "Backend Access Challenges", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.17", "Backend Other Requests To Supplicant", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.18", "Backend NonNakResponses From Supplicant", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.19", "Backend Authentication Successes", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.20", "Backend Authentication Fails", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SessionInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.3.6.4.1.1", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.2", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.3", "Octets RX", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.4", "Octets TX", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.5", "Frames RX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.6", "Frames TX", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.7", "ID", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.8", "Authentic Method", sxInteger, afReadOnly, &SessionInformationVars_AuthenticMethod},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.9", "Time", sxTimeTicks, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.10", "Terminate Cause", sxInteger, afReadOnly, &SessionInformationVars_TerminateCause},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.11", "User Name", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAControlVars1[] = {
    {"1.3.6.1.4.1.32473.12.35.1.1", "State", sxInteger, afReadWrite, &MBAControlVars1_State},
    {"1.3.6.1.4.1.32473.12.35.1.2", "Method", sxInteger, afReadWrite, &MBAControlVars1_Method},
    {"1.3.6.1.4.1.32473.12.35.1.3", "Password", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.8", "Clear All Action", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAControlVars2[] = {
    {"1.3.6.1.4.1.32473.12.35.1.4", "VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.5", "Member Ports", sxBitStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAControlVars3[] = {
    {"1.3.6.1.4.1.32473.12.35.1.7", "Delete State", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAControlVars4[] = {
    {"1.3.6.1.4.1.32473.12.35.1.4", "VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAManagementAuthenticationInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.35.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.2", "MAC Index", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.3", "Status", sxInteger, afReadOnly, &MBAManagementAuthenticationInformationVars_Status},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.4", "Assign VLAN Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.5", "Clear MAC Action", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.6", "Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.7", "Aging Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.35.2.1.1.8", "Hold Time", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAManagementPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.35.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.2", "Port State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.3", "Port Mode", sxInteger, afReadWrite, &MBAManagementPortTableVars_PortMode},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.4", "Port Aging Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.5", "Port Hold Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.6", "Clear Port Action", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.35.3.1.1.7", "Port Max User", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DatebaseTableVars[] = {
    {"1.3.6.1.4.1.32473.12.35.4.1.1.1", "MAC Index", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.5", "VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.4.1.1.3", "Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MBAManagementInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.35.1.9", "Max User", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.35.1.11", "RADIUS Authorization", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.35.1.12", "Local Authorization", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CommandVars[] = {
    {"1.3.6.1.4.1.32473.12.3.7.1", "Port Number", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.7.2", "MAC Address", sxMacAddress, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PAEAuthenticatorSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.3.10.1", "Forward EAPOL PDU", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.3.10.2", "Max User", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ConfigurationTableVars[] = {
    {" ", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.3.1.1", "Forward EAPOL PDU", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.3.10.3.1.2", "Max User", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PAEAuthenticatorStateTableVars[] = {
    {"1.3.6.1.4.1.32473.12.3.10.4.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.2", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.3", "Controlled Status", sxInteger, afReadOnly, &PAEAuthenticatorStateTableVars_ControlledStatus},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.4", "Assign VLAN ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.5", "Assign Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.6", "PAE State", sxInteger, afReadOnly, &MBAManagementStateTableVars_PAEState},
    {"1.3.6.1.4.1.32473.12.3.10.4.1.7", "Backend Authentication State", sxInteger, afReadOnly, &MBAManagementStateTableVars_BackendState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PAEPortSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.3.9.1.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.9.1.1.2", "MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.3.9.1.1.3", "Initialize Or Reauth Status", sxInteger, afReadWrite, &PAEPortSettingsVars_InitializeOrReauthStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AuthenticationPortSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.3.8.1.1.1", "Port Number", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.3.8.1.1.2", "Capabilities", sxInteger, afReadWrite, &AuthenticationPortSettingsVars_Capabilities},
    {nullptr, nullptr, 0, 0, nullptr},
};
