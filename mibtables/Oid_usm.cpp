#include "Oid_usm.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem UserBasedSecurityModelUserTableVars_AuthenticationProtocolItems[] = {
    {0, "None", "1.3.6.1.6.3.10.1.1.1"},
    {0, "MD5", "1.3.6.1.6.3.10.1.1.2"},
    {0, "SHA", "1.3.6.1.6.3.10.1.1.3"},
    {0, nullptr},
};
// Values are the protocol OIDs themselves.
constinit const KyOptionList UserBasedSecurityModelUserTableVars_AuthenticationProtocol{UserBasedSecurityModelUserTableVars_AuthenticationProtocolItems, KyOptionList::TextValues};

constexpr KyOptionItem UserBasedSecurityModelUserTableVars_PrivacyProtocolItems[] = {
    {0, "None", "1.3.6.1.6.3.10.1.2.1"},
    {0, "DES", "1.3.6.1.6.3.10.1.2.2"},
    {0, "AES", "1.3.6.1.6.3.10.1.2.4"},  // usmAesCfb128Protocol
    {0, nullptr},
};
// Values are the protocol OIDs themselves.
constinit const KyOptionList UserBasedSecurityModelUserTableVars_PrivacyProtocol{UserBasedSecurityModelUserTableVars_PrivacyProtocolItems, KyOptionList::TextValues};

} // namespace

constinit const KySNMPVarDesc UserBasedSecurityModelStatisticsVars[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UserBasedSecurityModelUserTableVars[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", sxOctetStr, afNotAccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", sxObjectId, afReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", sxObjectId, afReadWrite, &UserBasedSecurityModelUserTableVars_AuthenticationProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", sxObjectId, afReadWrite, &UserBasedSecurityModelUserTableVars_PrivacyProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", sxInteger, afReadWrite, &StorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
