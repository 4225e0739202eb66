#include "Oid_radiusauth.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem ProbeBasicInformationVars_ResetControlItems[] = {
    {1, "running"},
    {2, "warmBoot"},
    {3, "coldBoot"},
    {0, nullptr},
};
constinit const KyOptionList ProbeBasicInformationVars_ResetControl{ProbeBasicInformationVars_ResetControlItems};

} // namespace

constinit const KySNMPVarDesc RADIUSManagementAuthenticationInformationVars[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknown Address Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AuthenticationTableVars[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Numbers", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ProbeBasicInformationVars[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.16.19.2", "Software revision", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.16.19.3", "Hardware revision", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", sxInteger, afReadWrite, &ProbeBasicInformationVars_ResetControl},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NetConfigurationVars[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "IP Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.2", "Subnet Mask", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.16.19.11.1.3", "Status", sxInteger, afReadOnly, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NetDefaultGatewayVars[] = {
    {"1.3.6.1.2.1.16.19.12", "Default Gateway", sxIpAddress, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
