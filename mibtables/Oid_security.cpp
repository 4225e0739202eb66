#include "Oid_security.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem SSHGlobalSettingsVars_SessionKeyRekeyingItems[] = {
    {0, "never"},
    {10, "ten-min"},
    {30, "thirty-min"},
    {60, "sixty-min"},
    {0, nullptr},
};
constinit const KyOptionList SSHGlobalSettingsVars_SessionKeyRekeying{SSHGlobalSettingsVars_SessionKeyRekeyingItems};

constexpr KyOptionItem UserControlTableVars_AuthenticationModeItems[] = {
    {1, "hostbased"},
    {2, "password"},
    {3, "publickey"},
    {0, nullptr},
};
constinit const KyOptionList UserControlTableVars_AuthenticationMode{UserControlTableVars_AuthenticationModeItems};

constexpr KyOptionItem CertificateFileVars_FileControlItems[] = {
    {1, "other"},
    {2, "inactive"},
    {3, "start"},
    {4, "delete"},
    {0, nullptr},
};
constinit const KyOptionList CertificateFileVars_FileControl{CertificateFileVars_FileControlItems};

constexpr KyOptionItem CertificateFileVars_FileShowSatusItems[] = {
    {1, "none"},
    {2, "rsa"},
    {3, "dsa"},
    {0, nullptr},
};
constinit const KyOptionList CertificateFileVars_FileShowSatus{CertificateFileVars_FileShowSatusItems};

constexpr KyOptionItem LoginMethodListVars_Method1TypeItems[] = {
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {5, "server-group"},
    {6, "local"},
    {8, "none"},
    {9, "other"},
    {0, nullptr},
};
constinit const KyOptionList LoginMethodListVars_Method1Type{LoginMethodListVars_Method1TypeItems};

constexpr KyOptionItem EnableMethodVars_EnableMethod1TypeItems[] = {
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {5, "server-group"},
    {7, "local-enable"},
    {8, "none"},
    {9, "other"},
    {0, nullptr},
};
constinit const KyOptionList EnableMethodVars_EnableMethod1Type{EnableMethodVars_EnableMethod1TypeItems};

constexpr KyOptionItem ServerInformationVars_AuthenticationProtocolItems[] = {
    {1, "tacacs"},
    {2, "xtacacs"},
    {3, "tacacs-plus"},
    {4, "radius"},
    {0, nullptr},
};
constinit const KyOptionList ServerInformationVars_AuthenticationProtocol{ServerInformationVars_AuthenticationProtocolItems};

constexpr KyOptionItem AAASrvCtrlVars_RowStateItems[] = {
    {1, "add"},
    {2, "delete"},
    {0, nullptr},
};
constinit const KyOptionList AAASrvCtrlVars_RowState{AAASrvCtrlVars_RowStateItems};

constexpr KyOptionItem RampartCtrlVars_ModeItems[] = {
    {1, "strict"},
    {2, "fuzzy"},
    {0, nullptr},
};
constinit const KyOptionList RampartCtrlVars_Mode{RampartCtrlVars_ModeItems};

constexpr KyOptionItem RampartCtrlVars_CurrentStatusItems[] = {
    {1, "normal"},
    {2, "exhausted"},
    {0, nullptr},
};
constinit const KyOptionList RampartCtrlVars_CurrentStatus{RampartCtrlVars_CurrentStatusItems};

constexpr KyOptionItem IPMACPortBindingGlobalSettingsVars_TrapLogStateItems[] = {
    {2, "enable"},
    {3, "disable"},
    {0, nullptr},
};
constinit const KyOptionList IPMACPortBindingGlobalSettingsVars_TrapLogState{IPMACPortBindingGlobalSettingsVars_TrapLogStateItems};

constexpr KyOptionItem IPMACPortBindingPortInformationVars_StateItems[] = {
    {1, "other"},
    {2, "enable-strict"},
    {3, "disable"},
    {4, "enable-loose"},
    {0, nullptr},
};
constinit const KyOptionList IPMACPortBindingPortInformationVars_State{IPMACPortBindingPortInformationVars_StateItems};

constexpr KyOptionItem IPMACPortBindingPortInformationVars_ModeItems[] = {
    {1, "arp"},
    {2, "acl"},
    {0, nullptr},
};
constinit const KyOptionList IPMACPortBindingPortInformationVars_Mode{IPMACPortBindingPortInformationVars_ModeItems};

constexpr KyOptionItem IPMACPortBindingPortInformationVars_LearningStateItems[] = {
    {1, "normal"},
    {2, "stop"},
    {0, nullptr},
};
constinit const KyOptionList IPMACPortBindingPortInformationVars_LearningState{IPMACPortBindingPortInformationVars_LearningStateItems};

constexpr KyOptionItem IPMACPortBindingPortInformationVars_IPv6StateItems[] = {
    {1, "other"},
    {2, "enabled"},
    {3, "disabled"},
    {0, nullptr},
};
constinit const KyOptionList IPMACPortBindingPortInformationVars_IPv6State{IPMACPortBindingPortInformationVars_IPv6StateItems};

constexpr KyOptionItem IPMACBindingVars_ModeItems[] = {
    {3, "dhcp-snooping"},
    {4, "static"},
    {0, nullptr},
};
constinit const KyOptionList IPMACBindingVars_Mode{IPMACBindingVars_ModeItems};

constexpr KyOptionItem IPMACBindingVars_ACLStatusItems[] = {
    {1, "inactive"},
    {2, "active"},
    {0, nullptr},
};
constinit const KyOptionList IPMACBindingVars_ACLStatus{IPMACBindingVars_ACLStatusItems};

constexpr KyOptionItem BlockedTableVars_TypeItems[] = {
    {1, "other"},
    {2, "blockByAddrBind"},
    {3, "delete"},
    {0, nullptr},
};
constinit const KyOptionList BlockedTableVars_Type{BlockedTableVars_TypeItems};

constexpr KyOptionItem IPMACBindingIPv6Vars_ModeItems[] = {
    {1, "static"},
    {2, "dhcp-snooping"},
    {3, "nd-snooping"},
    {0, nullptr},
};
constinit const KyOptionList IPMACBindingIPv6Vars_Mode{IPMACBindingIPv6Vars_ModeItems};

constexpr KyOptionItem YPAXManagementGlobalSettingsVars_RedirectDestinationItems[] = {
    {1, "quarantine_server"},
    {2, "ypax_login_page"},
    {0, nullptr},
};
constinit const KyOptionList YPAXManagementGlobalSettingsVars_RedirectDestination{YPAXManagementGlobalSettingsVars_RedirectDestinationItems};

constexpr KyOptionItem YPAXManagementGlobalSettingsVars_SwitchHTTPProtocolItems[] = {
    {1, "http"},
    {2, "https"},
    {0, nullptr},
};
constinit const KyOptionList YPAXManagementGlobalSettingsVars_SwitchHTTPProtocol{YPAXManagementGlobalSettingsVars_SwitchHTTPProtocolItems};

constexpr KyOptionItem YPAXManagementGlobalSettingsVars_RADIUSProtocolItems[] = {
    {1, "local"},
    {2, "pap"},
    {3, "chap"},
    {4, "ms_chap"},
    {5, "ms_chapv2"},
    {6, "eap_md5"},
    {0, nullptr},
};
constinit const KyOptionList YPAXManagementGlobalSettingsVars_RADIUSProtocol{YPAXManagementGlobalSettingsVars_RADIUSProtocolItems};

constexpr KyOptionItem YPAXManagementGlobalSettingsVars_AuthenticatePageItems[] = {
    {1, "japanese"},
    {2, "english"},
    {0, nullptr},
};
constinit const KyOptionList YPAXManagementGlobalSettingsVars_AuthenticatePage{YPAXManagementGlobalSettingsVars_AuthenticatePageItems};

constexpr KyOptionItem UpdateServerTableVars_ProtocolItems[] = {
    {1, "all"},
    {2, "tcp"},
    {3, "udp"},
    {0, nullptr},
};
constinit const KyOptionList UpdateServerTableVars_Protocol{UpdateServerTableVars_ProtocolItems};

constexpr KyOptionItem UpdateServerTableVars_StateItems[] = {
    {1, "active"},
    {2, "inactive"},
    {0, nullptr},
};
constinit const KyOptionList UpdateServerTableVars_State{UpdateServerTableVars_StateItems};

constexpr KyOptionItem YPAXManagementPortTableVars_AuthenticationModeItems[] = {
    {1, "hostbased"},
    {2, "portbased"},
    {0, nullptr},
};
constinit const KyOptionList YPAXManagementPortTableVars_AuthenticationMode{YPAXManagementPortTableVars_AuthenticationModeItems};

constexpr KyOptionItem YPAXManagementHostTableVars_AuthenticationStatusItems[] = {
    {1, "authenticated"},
    {2, "authenticating"},
    {3, "blocked"},
    {0, nullptr},
};
constinit const KyOptionList YPAXManagementHostTableVars_AuthenticationStatus{YPAXManagementHostTableVars_AuthenticationStatusItems};

constexpr KyOptionItem YPAXManagementHostTableVars_StatusItems[] = {
    {1, "active"},
    {2, "delete"},
    {0, nullptr},
};
constinit const KyOptionList YPAXManagementHostTableVars_Status{YPAXManagementHostTableVars_StatusItems};

constexpr KyOptionItem IPMulticastVLANReplicationGlobalSettingsVars_TTLStatusItems[] = {
    {1, "decrease"},
    {2, "nodecrease"},
    {0, nullptr},
};
constinit const KyOptionList IPMulticastVLANReplicationGlobalSettingsVars_TTLStatus{IPMulticastVLANReplicationGlobalSettingsVars_TTLStatusItems};

constexpr KyOptionItem IPMulticastVLANReplicationGlobalSettingsVars_SourceMACStatusItems[] = {
    {1, "replace"},
    {2, "noreplace"},
    {0, nullptr},
};
constinit const KyOptionList IPMulticastVLANReplicationGlobalSettingsVars_SourceMACStatus{IPMulticastVLANReplicationGlobalSettingsVars_SourceMACStatusItems};

constexpr KyOptionItem SourceTableVars_GroupAddressTypeItems[] = {
    {1, "ipv4"},
    {0, nullptr},
};
constinit const KyOptionList SourceTableVars_GroupAddressType{SourceTableVars_GroupAddressTypeItems};

} // namespace

constinit const KySNMPVarDesc SSHGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.6.1.1", "Version", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.2", "Administration", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.1.3", "Max Authentication Fail Attempts", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.4", "Session Key Rekeying", sxInteger, afReadWrite, &SSHGlobalSettingsVars_SessionKeyRekeying},
    {"1.3.6.1.4.1.32473.12.6.1.5", "Max Session", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.6", "Connection Timeout", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.1.7", "Listened Port", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DiffieHellmanAlgorithmVars[] = {
    {"1.3.6.1.4.1.32473.12.6.3.4", "Key Expand Administration", sxInteger, afReadOnly, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc EncryptionAlgorithmSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.6.3.1.1", "3DES state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.2", "Blowfish state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.3", "AES128 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.4", "AES192 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.5", "AES256 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.6", "Arcfour state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.7", "Cast128 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.8", "Twofish128 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.9", "Twofish192 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.1.10", "Twofish256 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "SHA state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "MD5 state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA state", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UserControlTableVars[] = {
    {"1.3.6.1.4.1.32473.12.6.4.1.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.2", "Authentication Mode", sxInteger, afReadWrite, &UserControlTableVars_AuthenticationMode},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.3", "Host Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.6.4.1.1.4", "Host IP Address", sxIpAddress, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AuthenticationMethodSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.6.3.2.1", "Password Authentication Administration", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.2.2", "Public Key Authentication Administration", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.2.3", "Host Key Authentication Administration", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc HMACAlgorithmVars[] = {
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "HMAC-SHA1 Administration", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "HMAC-MD5 Administration", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PublicKeyAlgorithmVars[] = {
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA state", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA state", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SSLManagementVars[] = {
    {"1.3.6.1.4.1.32473.12.7.1.1", "Status Administration", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.7.1.2", "Cipher Suites", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.1.3", "Cache Timeout", sxGauge, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CertificateFileVars[] = {
    {"1.3.6.1.4.1.32473.12.7.2.1", "File IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.2", "File Path", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.3", "Key File Path", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.7.2.4", "File Control", sxInteger, afReadWrite, &CertificateFileVars_FileControl},
    {"1.3.6.1.4.1.32473.12.7.2.5", "File Show Satus", sxInteger, afReadOnly, &CertificateFileVars_FileShowSatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AACGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.5.1.1", "Global State", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AACInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.5.2.1", "Max Method List", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.2", "Max Enable Method List", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.3", "Max ServerGroup", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.2.4", "Max Server", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.8.1", "Response Timeout[0..255]", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.8.2", "Attempt[1..255]", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LoginMethodListVars[] = {
    {"1.3.6.1.4.1.32473.12.5.3.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.2", "Method1 Type", sxInteger, afReadWrite, &LoginMethodListVars_Method1Type},
    {"1.3.6.1.4.1.32473.12.5.3.1.3", "Method1 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.4", "Method2 Type", sxInteger, afReadWrite, &LoginMethodListVars_Method1Type},
    {"1.3.6.1.4.1.32473.12.5.3.1.5", "Method2 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.6", "Method3 Type", sxInteger, afReadWrite, &LoginMethodListVars_Method1Type},
    {"1.3.6.1.4.1.32473.12.5.3.1.7", "Method3 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.8", "Method4 Type", sxInteger, afReadWrite, &LoginMethodListVars_Method1Type},
    {"1.3.6.1.4.1.32473.12.5.3.1.9", "Method4 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.3.1.10", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LoginInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.5.7.1.1", "Console Login Method", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.1", "Console Enable Method", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.2", "Telnet Login Method", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.2", "Telnet Enable Method", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.3", "SSH Login Method", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.3", "SSH Enable Method", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.1.4", "HTTP Login Method", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.7.2.4", "HTTP Enable Method", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ServerGroupVars[] = {
    {"1.3.6.1.4.1.32473.12.5.9.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.2", "IP Address1", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.3", "Authentication Protocol1", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.4", "IP Address2", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.5", "Authentication Protocol2", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.6", "IP Address3", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.7", "Authentication Protocol3", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.8", "IP Address4", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.9", "Authentication Protocol4", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.10", "IP Address5", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.11", "Authentication Protocol5", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.12", "IPAddress6", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.13", "AuthProtocol6", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.14", "IP Address7", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.15", "Authentication Protocol7", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.16", "IP Address8", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.5.9.1.17", "Authentication Protocol8", sxInteger, afReadOnly, &ServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.18", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc EnableMethodVars[] = {
    {"1.3.6.1.4.1.32473.12.5.4.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.2", "Enable Method1 Type", sxInteger, afReadWrite, &EnableMethodVars_EnableMethod1Type},
    {"1.3.6.1.4.1.32473.12.5.4.1.3", "Enable Method1 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.4", "Enable Method2 Type", sxInteger, afReadWrite, &EnableMethodVars_EnableMethod1Type},
    {"1.3.6.1.4.1.32473.12.5.4.1.5", "Enable Method2 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.6", "Enable Method3Type", sxInteger, afReadWrite, &EnableMethodVars_EnableMethod1Type},
    {"1.3.6.1.4.1.32473.12.5.4.1.7", "Enable Method3 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.8", "Enable Method4 Type", sxInteger, afReadWrite, &EnableMethodVars_EnableMethod1Type},
    {"1.3.6.1.4.1.32473.12.5.4.1.9", "Enable Method4 Server Group", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.4.1.10", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ServerInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.5.10.1.1", "IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.2", "Authentication Protocol", sxInteger, afNotAccess, &ServerInformationVars_AuthenticationProtocol},
    {"1.3.6.1.4.1.32473.12.5.10.1.3", "Authentication Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.4", "Authentication Key", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.5", "Timeout", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.6", "Retry Count", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.5.10.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AAASrvCtrlVars[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", " Group Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "Authentication Protocol", sxInteger, afNotAccess, &ServerInformationVars_AuthenticationProtocol},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "Row State", sxInteger, afReadWrite, &AAASrvCtrlVars_RowState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RampartEngineGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.19.1.1", "Global State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RampartCtrlVars[] = {
    {"1.3.6.1.4.1.32473.12.19.2.1", "Rising Threshold", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.19.2.2", "Falling Threshold", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.19.2.3", "Mode", sxInteger, afReadWrite, &RampartCtrlVars_Mode},
    {"1.3.6.1.4.1.32473.12.19.2.4", "Alarm Administration State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.12.19.2.5", "Current Status", sxInteger, afReadOnly, &RampartCtrlVars_CurrentStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ARPStormControlVars[] = {
    {"1.3.6.1.4.1.32473.12.19.3.1", "Threshold", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMACPortBindingGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.23.1.1", "Trap Log State", sxInteger, afReadWrite, &IPMACPortBindingGlobalSettingsVars_TrapLogState},
    {"1.3.6.1.4.1.32473.12.23.1.4", "DHCP Snooping State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.23.1.5", "DHCP Snooping Entry Clear All State", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.23.1.7", "IPv6 DHCP Snooping State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.23.1.8", "ND Snooping State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.23.1.9", "IPv6 DHCP Snooping Clear All Entries", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.23.1.10", "ND Snooping Clear All Entries", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMACPortBindingPortInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.23.3.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.2", "State", sxInteger, afReadWrite, &IPMACPortBindingPortInformationVars_State},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.3", "Zero IP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.4", "Forward DHCP Packet", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.5", "DHCP Snooping Max Entry", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.6", "DHCP Snooping Entry Clear Action", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.7", "Mode", sxInteger, afReadWrite, &IPMACPortBindingPortInformationVars_Mode},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.8", "Port Stop Learning Threshold", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.9", "Port Recover Learning", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.10", "Learning State", sxInteger, afReadOnly, &IPMACPortBindingPortInformationVars_LearningState},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.11", "IPv6 State", sxInteger, afReadWrite, &IPMACPortBindingPortInformationVars_IPv6State},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.14", "IPv6 DHCP Snooping Clear Entry", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.15", "ND Snooping Clear Entry", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMACBindingVars[] = {
    {"1.3.6.1.4.1.32473.12.23.4.1.1.1", "IP Index", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.2", "MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.4", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.3", "Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.6", "Mode", sxInteger, afReadOnly, &IPMACBindingVars_Mode},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.7", "ACL Status", sxInteger, afReadOnly, &IPMACBindingVars_ACLStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BlockedTableVars[] = {
    {"1.3.6.1.4.1.32473.12.23.4.2.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.2", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.3", "VLAN Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.4", "Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.5", "Type", sxInteger, afReadWrite, &BlockedTableVars_Type},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.6", "Time", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.7", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPSnoopingTableVars[] = {
    {"1.3.6.1.4.1.32473.12.23.4.3.1.1", "IP Index", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.2", "MAC", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.3", "Lease Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.4", "Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.5", "Status", sxInteger, afReadOnly, &IPMACBindingVars_ACLStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AllPortsManagementVars[] = {
    {"1.3.6.1.4.1.32473.12.23.3.1", "All Port State", sxInteger, afReadWrite, &IPMACPortBindingPortInformationVars_State},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMACBindingIPv6Vars[] = {
    {"1.3.6.1.4.1.32473.12.23.4.4.1.1", "Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.2", "MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.3", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.4", "Mode", sxInteger, afReadOnly, &IPMACBindingIPv6Vars_Mode},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.5", "ACL Status", sxInteger, afReadOnly, &IPMACBindingVars_ACLStatus},
    {"1.3.6.1.4.1.32473.12.23.4.4.1.6", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPv6DHCPSnoopingTableVars[] = {
    {"1.3.6.1.4.1.32473.12.23.4.5.1.1", "Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.2", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.3", "Left Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.4", "Ports", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.5.1.5", "Status", sxInteger, afReadOnly, &IPMACBindingVars_ACLStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NDSnoopingTableVars[] = {
    {"1.3.6.1.4.1.32473.12.23.4.6.1.1", "Address", sxIPv6Address, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.2", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.3", "Left Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.4", "Ports", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.23.4.6.1.5", "Status", sxInteger, afReadOnly, &IPMACBindingVars_ACLStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc YPAXManagementGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.39.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.2", "Redirect State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.3", "Forcible Logout State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.4", "UDP Filtering State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.5", "Quarantine Server Monitor State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.6", "Quarantine Server Error Time Out", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.7", "Redirect Destination", sxInteger, afReadWrite, &YPAXManagementGlobalSettingsVars_RedirectDestination},
    {"1.3.6.1.4.1.32473.12.39.1.8", "Redirect Delay Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.9", "Virtual IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.10", "Quarantine Server URL", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.11", "Switch HTTP Port Number", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.12", "Switch HTTP Protocol", sxInteger, afReadWrite, &YPAXManagementGlobalSettingsVars_SwitchHTTPProtocol},
    {"1.3.6.1.4.1.32473.12.39.1.13", "RADIUS Protocol", sxInteger, afReadWrite, &YPAXManagementGlobalSettingsVars_RADIUSProtocol},
    {"1.3.6.1.4.1.32473.12.39.1.15", "Authenticate Page", sxInteger, afReadWrite, &YPAXManagementGlobalSettingsVars_AuthenticatePage},
    {"1.3.6.1.4.1.32473.12.39.1.17", "RADIUS Authorization State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.18", "Local Authorization State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.1.20", "Virtual IP URL", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UpdateServerTableVars[] = {
    {"1.3.6.1.4.1.32473.12.39.1.19.1.1", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.2", "Mask", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.3", "Protocol", sxInteger, afReadOnly, &UpdateServerTableVars_Protocol},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.4", "Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.5", "Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.39.1.19.1.6", "State", sxInteger, afReadOnly, &UpdateServerTableVars_State},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc YPAXManagementPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.39.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.2", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.3", "Max Authentication Host", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.4", "Aging Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.5", "Idle Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.6", "Block Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.3.1.1.7", "Authentication Mode", sxInteger, afReadWrite, &YPAXManagementPortTableVars_AuthenticationMode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc YPAXManagementHostTableVars[] = {
    {"1.3.6.1.4.1.32473.12.39.4.1.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.2", "Authentication Status", sxInteger, afNotAccess, &YPAXManagementHostTableVars_AuthenticationStatus},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.3", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.4", "VLAN ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.5", "Remain Age Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.6", "Idle Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.7", "Block Time", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.8", "Status", sxInteger, afReadWrite, &YPAXManagementHostTableVars_Status},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.9", "Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.10", "User", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.1.1.11", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PageElementTableVars[] = {
    {"1.3.6.1.4.1.32473.12.39.4.2.1.1", "Page", sxInteger, afNotAccess, &YPAXManagementGlobalSettingsVars_AuthenticatePage},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.2", "Page Title", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.3", "Login Window Title", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.4", "User Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.5", "Password", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.6", "Logout Window Title", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.7", "Line One", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.8", "Line Two", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.9", "Line Three", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.10", "Line Four", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.2.1.11", "Line Five", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc YpaxUserTableVars[] = {
    {"1.3.6.1.4.1.32473.12.39.4.3.1.1", "Name Index", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.3.1.2", "Password", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.3.1.3", "VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.39.4.3.1.4", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMulticastVLANReplicationGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.71.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.71.3.1", "TTL Status", sxInteger, afReadWrite, &IPMulticastVLANReplicationGlobalSettingsVars_TTLStatus},
    {"1.3.6.1.4.1.32473.12.71.3.2", "Source MAC Status", sxInteger, afReadWrite, &IPMulticastVLANReplicationGlobalSettingsVars_SourceMACStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc EntryTableVars[] = {
    {"1.3.6.1.4.1.32473.12.71.3.3.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.3.1.2", "Source VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.3.1.3", "Row Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SourceTableVars[] = {
    {" ", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.1", "Group Address Type", sxInteger, afNotAccess, &SourceTableVars_GroupAddressType},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.2", "Group Addrress Start", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.3", "Group Address End", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.4", "Source Address Type", sxInteger, afNotAccess, &SourceTableVars_GroupAddressType},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.5", "Source Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.4.1.6", "Source Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPMcastVLANRepDstVars[] = {
    {" ", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.5.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.5.1.2", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.71.3.5.1.3", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
