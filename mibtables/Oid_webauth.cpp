#include "Oid_webauth.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem WebAuthenticationGlobalSettingsVars_MethodItems[] = {
    {1, "local"},
    {2, "radius"},
    {0, nullptr},
};
constinit const KyOptionList WebAuthenticationGlobalSettingsVars_Method{WebAuthenticationGlobalSettingsVars_MethodItems};

constexpr KyOptionItem WebAuthenticationGlobalSettingsVars_SwitchHTTPProtocolItems[] = {
    {1, "http"},
    {2, "https"},
    {0, nullptr},
};
constinit const KyOptionList WebAuthenticationGlobalSettingsVars_SwitchHTTPProtocol{WebAuthenticationGlobalSettingsVars_SwitchHTTPProtocolItems};

constexpr KyOptionItem WebAuthenticationStateTableVars_AuthenticationStatusItems[] = {
    {1, "authenticated"},
    {2, "authenticating"},
    {3, "blocked"},
    {0, nullptr},
};
constinit const KyOptionList WebAuthenticationStateTableVars_AuthenticationStatus{WebAuthenticationStateTableVars_AuthenticationStatusItems};

constexpr KyOptionItem WebAuthenticationStateTableVars_DeleteActionItems[] = {
    {1, "active"},
    {2, "delete"},
    {0, nullptr},
};
constinit const KyOptionList WebAuthenticationStateTableVars_DeleteAction{WebAuthenticationStateTableVars_DeleteActionItems};

} // namespace

constinit const KySNMPVarDesc WebAuthenticationGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.27.1.1", "Administration State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.27.1.2", "Method", sxInteger, afReadWrite, &WebAuthenticationGlobalSettingsVars_Method},
    {"1.3.6.1.4.1.32473.12.27.1.5", "Default Redirect Path", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.1.7", "Virtual IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.1.8", "Switch HTTP Protocol", sxInteger, afReadWrite, &WebAuthenticationGlobalSettingsVars_SwitchHTTPProtocol},
    {"1.3.6.1.4.1.32473.12.27.1.9", "Switch HTTP Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.1.11", "RADIUS Authorization State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.27.1.12", "Local Authorization State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.27.1.13", "Clear Default Redirect Path", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.27.1.14", "Virtual IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc WebAuthenticationPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.27.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.2", "Port State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.6", "Aging Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.7", "Idle Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.1.1.8", "Block Time", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc WebAuthenticationUserTableVars[] = {
    {"1.3.6.1.4.1.32473.12.27.3.2.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.2", "Password", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.5", "VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.27.3.2.1.4", "Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc WebAuthenticationStateTableVars[] = {
    {"1.3.6.1.4.1.32473.12.27.2.2.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.2", "Original VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.3", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.5", "Authentication Status", sxInteger, afReadOnly, &WebAuthenticationStateTableVars_AuthenticationStatus},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.7", "Assign VLAN ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.8", "Assign Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.12", "Remain Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.14", "Idle Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.27.2.2.1.25", "Delete Action", sxInteger, afReadWrite, &WebAuthenticationStateTableVars_DeleteAction},
    {nullptr, nullptr, 0, 0, nullptr},
};
