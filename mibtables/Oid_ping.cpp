#include "Oid_ping.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem PingControlTableVars_TargetAddressTypeItems[] = {
    {1, "ipv4"},
    {2, "ipv6"},
    {16, "dns"},
    {0, nullptr},
};
constinit const KyOptionList PingControlTableVars_TargetAddressType{PingControlTableVars_TargetAddressTypeItems};

constexpr KyOptionItem PingControlTableVars_StorageTypeItems[] = {
    {2, "volatile"},
    {3, "nonVolatile"},
    {4, "permanent"},
    {5, "readOnly"},
    {0, nullptr},
};
constinit const KyOptionList PingControlTableVars_StorageType{PingControlTableVars_StorageTypeItems};

constexpr KyOptionItem PingControlTableVars_SourceAddressTypeItems[] = {
    {1, "ipv4"},
    {2, "ipv6"},
    {0, nullptr},
};
constinit const KyOptionList PingControlTableVars_SourceAddressType{PingControlTableVars_SourceAddressTypeItems};

constexpr KyOptionItem PingResultsTableVars_IPTargetAddressTypeItems[] = {
    {1, "IPv4"},
    {2, "IPv6"},
    {16, "dns"},
    {0, nullptr},
};
constinit const KyOptionList PingResultsTableVars_IPTargetAddressType{PingResultsTableVars_IPTargetAddressTypeItems};

constexpr KyOptionItem HopsTableVars_IPTargetAddressTypeItems[] = {
    {0, "unknown"},
    {1, "IPv4"},
    {2, "IPv6"},
    {16, "dns"},
    {0, nullptr},
};
constinit const KyOptionList HopsTableVars_IPTargetAddressType{HopsTableVars_IPTargetAddressTypeItems};

constexpr KyOptionItem MSTPPortStateVars_AdminEdgePortItems[] = {
    {1, "true"},
    {2, "false"},
    {3, "auto"},
    {0, nullptr},
};
constinit const KyOptionList MSTPPortStateVars_AdminEdgePort{MSTPPortStateVars_AdminEdgePortItems};

constexpr KyOptionItem MSTPPortStateVars_AdminP2PItems[] = {
    {0, "true"},
    {1, "false"},
    {2, "auto"},
    {0, nullptr},
};
constinit const KyOptionList MSTPPortStateVars_AdminP2P{MSTPPortStateVars_AdminP2PItems};

} // namespace

constinit const KySNMPVarDesc PingMaxConcurrentRequestsVars[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PingControlTableVars[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.3", "Target Address Type", sxInteger, afReadWrite, &PingControlTableVars_TargetAddressType},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.5", "Data Size", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.6", "Time Out", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.80.1.2.1.9", "Data Fill", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.10", "Frequency", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.11", "Max Rows", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.12", "Storage Type", sxInteger, afReadOnly, &PingControlTableVars_StorageType},
    {"1.3.6.1.2.1.80.1.2.1.13", "Trap Generation", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.14", "Trap Probe Failure Filter", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.15", "Trap Test Failure Filter", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.16", "Type", sxObjectId, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.17", "Descriptive Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.18", "Source Address Type", sxInteger, afReadWrite, &PingControlTableVars_SourceAddressType},
    {"1.3.6.1.2.1.80.1.2.1.19", "Source Address", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.20", "IF Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.21", "By Pass Route Table", sxInteger, afReadOnly, &TruthValue},
    {"1.3.6.1.2.1.80.1.2.1.22", "DS Field", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PingResultsTableVars[] = {
    {" ", "Owner Index", sxDisplayStr, afNotAccess, nullptr},
    {" ", "Test Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operation Status", sxInteger, afReadOnly, &EnabledDisabled},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", sxInteger, afReadOnly, &PingResultsTableVars_IPTargetAddressType},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min Rtt", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max Rtt", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.80.1.3.1.9", "Rtt Sum Of Squares", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TraceRouteMaxConcurrentRequestsVars[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TraceRouteControlTableVars[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.3", "Target Address Type", sxInteger, afReadWrite, &PingControlTableVars_TargetAddressType},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.5", "By Pass Route Table", sxInteger, afReadOnly, &TruthValue},
    {"1.3.6.1.2.1.81.1.2.1.6", "Data Size", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.7", "Time Out", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.11", "DS Field", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.12", "Source Address Type", sxInteger, afReadOnly, &PingControlTableVars_SourceAddressType},
    {"1.3.6.1.2.1.81.1.2.1.13", "Source Address", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.14", "IF Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.15", "Misc Options", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.16", "Max Failures", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.17", "Don't Fragment", sxInteger, afReadOnly, &TruthValue},
    {"1.3.6.1.2.1.81.1.2.1.18", "Initial TTL", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.19", "Frequency", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.20", "Storage Type", sxInteger, afReadOnly, &PingControlTableVars_StorageType},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.81.1.2.1.22", "Descriptive Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.23", "Max Rows", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.24", "Trap Generation", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.25", "Create Hops Entries", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.2.1.81.1.2.1.26", "Type", sxObjectId, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ResultsTableVars[] = {
    {" ", "Owner Index", sxDisplayStr, afNotAccess, nullptr},
    {" ", "Test Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operation Status", sxInteger, afReadOnly, &EnabledDisabled},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", sxInteger, afReadOnly, &PingResultsTableVars_IPTargetAddressType},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc HopsTableVars[] = {
    {" ", "Owner Index", sxDisplayStr, afNotAccess, nullptr},
    {" ", "Test Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.1", "Hop Index", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.2", "IP Target Address Type", sxInteger, afReadOnly, &HopsTableVars_IPTargetAddressType},
    {"1.3.6.1.2.1.81.1.5.1.3", "IP Target Address", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.4", "Min Rtt", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.5", "Max Rtt", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.6", "Average Rtt", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.7", "Rtt Sum Of Squares", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.8", "Sent Probes", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.81.1.5.1.9", "Probe Responses", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MSTPPortStateVars[] = {
    {"1.3.6.1.4.1.32473.12.15.2.4.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.2", "Operation HelloTime", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.3", "Admin HelloTime", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.4", "STP Port Enable", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.5", "External Path Cost", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.6", "Migration", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.7", "Admin Edge Port", sxInteger, afReadWrite, &MSTPPortStateVars_AdminEdgePort},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.8", "Operation Edge Port", sxInteger, afReadOnly, &MSTPPortStateVars_AdminEdgePort},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.9", "Admin P2P", sxInteger, afReadWrite, &MSTPPortStateVars_AdminP2P},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.10", "Operation P2P", sxInteger, afReadOnly, &MSTPPortStateVars_AdminP2P},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.11", "LBD", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.12", "BPDU Filtering", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.13", "Restricted Role", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.14", "Restricted TCN", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};
