#include "Oid_radiusacct.h"

constinit const KySNMPVarDesc AccountingControlBasicInformationVars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknown Address Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AccountingControlServerTableVars[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", sxTimeTicks, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Numbers", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};
