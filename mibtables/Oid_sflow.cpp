#include "Oid_sflow.h"

#include "OptionVocabularies.h"

constinit const KySNMPVarDesc SFlowGeneralInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.36.1.1", "Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.2", "Agent Address", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.3", "Agent State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.36.1.7", "IPv6 Address", sxIPv6Address, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ReceiverVars[] = {
    {"1.3.6.1.4.1.32473.12.36.1.4.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.2", "Owner", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.3", "Timeout", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.4", "Maximum Datagram Size", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.5", "Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.6", "Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.36.1.4.1.8", "IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FlowSamplerVars[] = {
    {"1.3.6.1.4.1.32473.12.36.1.5.1.1", "Data Source", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.3", "Receiver", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.4", "Packet Sampling RX Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.5", "Maximum Header Size", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.6", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.36.1.5.1.7", "Packet Sampling TX Rate", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CounterPollerVars[] = {
    {"1.3.6.1.4.1.32473.12.36.1.6.1.1", "Data Source", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.6.1.3", "Receiver", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.6.1.4", "Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.36.1.6.1.5", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};
