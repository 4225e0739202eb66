#include "Oid_ospfv3.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem OSPFv3GlobalSettingsVars_RestartSupportItems[] = {
    {1, "none"},
    {2, "plannedOnly"},
    {3, "plannedAndUnplanned"},
    {0, nullptr},
};
constinit const KyOptionList OSPFv3GlobalSettingsVars_RestartSupport{OSPFv3GlobalSettingsVars_RestartSupportItems};

constexpr KyOptionItem OSPFv3GlobalSettingsVars_RestartStatusItems[] = {
    {1, "notRestarting"},
    {2, "plannedRestart"},
    {3, "unplannedRestart"},
    {0, nullptr},
};
constinit const KyOptionList OSPFv3GlobalSettingsVars_RestartStatus{OSPFv3GlobalSettingsVars_RestartStatusItems};

constexpr KyOptionItem OSPFv3GlobalSettingsVars_RestartExitReasonItems[] = {
    {1, "none"},
    {2, "inProgress"},
    {3, "completed"},
    {4, "timedOut"},
    {5, "topologyChanged"},
    {0, nullptr},
};
constinit const KyOptionList OSPFv3GlobalSettingsVars_RestartExitReason{OSPFv3GlobalSettingsVars_RestartExitReasonItems};

constexpr KyOptionItem OSPFv3GlobalSettingsVars_StubRouterAdvertisementItems[] = {
    {1, "doNotAdvertise"},
    {2, "advertise"},
    {0, nullptr},
};
constinit const KyOptionList OSPFv3GlobalSettingsVars_StubRouterAdvertisement{OSPFv3GlobalSettingsVars_StubRouterAdvertisementItems};

constexpr KyOptionItem AreaTableVars_ImportAsExternItems[] = {
    {1, "importExternal"},
    {2, "importNoExternal"},
    {3, "importNssa"},
    {0, nullptr},
};
constinit const KyOptionList AreaTableVars_ImportAsExtern{AreaTableVars_ImportAsExternItems};

constexpr KyOptionItem AreaTableVars_SummaryItems[] = {
    {1, "noAreaSummary"},
    {2, "sendAreaSummary"},
    {0, nullptr},
};
constinit const KyOptionList AreaTableVars_Summary{AreaTableVars_SummaryItems};

constexpr KyOptionItem OSPFv3InterfaceTableVars_TypeItems[] = {
    {1, "broadcast"},
    {2, "nbma"},
    {3, "pointToPoint"},
    {5, "pointToMultipoint"},
    {0, nullptr},
};
constinit const KyOptionList OSPFv3InterfaceTableVars_Type{OSPFv3InterfaceTableVars_TypeItems};

constexpr KyOptionItem OSPFv3InterfaceTableVars_StateItems[] = {
    {1, "down"},
    {2, "loopback"},
    {3, "waiting"},
    {4, "pointToPoint"},
    {5, "designatedRouter"},
    {6, "backupDesignatedRouter"},
    {7, "otherDesignatedRouter"},
    {8, "standby"},
    {0, nullptr},
};
constinit const KyOptionList OSPFv3InterfaceTableVars_State{OSPFv3InterfaceTableVars_StateItems};

constexpr KyOptionItem OSPFv3VirtualInterfaceTableVars_StateItems[] = {
    {1, "down"},
    {4, "pointToPoint"},
    {0, nullptr},
};
constinit const KyOptionList OSPFv3VirtualInterfaceTableVars_State{OSPFv3VirtualInterfaceTableVars_StateItems};

constexpr KyOptionItem NeighborTableVars_AddressTypeItems[] = {
    {0, "unknown"},
    {1, "ipv4"},
    {2, "ipv6"},
    {3, "ipv4z"},
    {4, "ipv6z"},
    {16, "dns"},
    {0, nullptr},
};
constinit const KyOptionList NeighborTableVars_AddressType{NeighborTableVars_AddressTypeItems};

constexpr KyOptionItem NeighborTableVars_StateItems[] = {
    {1, "down"},
    {2, "attempt"},
    {3, "init"},
    {4, "twoWay"},
    {5, "exchangeStart"},
    {6, "exchange"},
    {7, "loading"},
    {8, "full"},
    {0, nullptr},
};
constinit const KyOptionList NeighborTableVars_State{NeighborTableVars_StateItems};

constexpr KyOptionItem AreaAggregateTableVars_AreaLSDBTypeItems[] = {
    {8195, "interAreaPrefixLsa"},
    {0, nullptr},
};
constinit const KyOptionList AreaAggregateTableVars_AreaLSDBType{AreaAggregateTableVars_AreaLSDBTypeItems};

constexpr KyOptionItem AreaAggregateTableVars_PrefixTypeItems[] = {
    {2, "ipv6"},
    {0, nullptr},
};
constinit const KyOptionList AreaAggregateTableVars_PrefixType{AreaAggregateTableVars_PrefixTypeItems};

constexpr KyOptionItem AreaAggregateTableVars_EffectItems[] = {
    {1, "advertiseMatching"},
    {2, "doNotAdvertiseMatching"},
    {0, nullptr},
};
constinit const KyOptionList AreaAggregateTableVars_Effect{AreaAggregateTableVars_EffectItems};

} // namespace

constinit const KySNMPVarDesc MessageProcessingAndDispatchingVars[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc OSPFv3GlobalSettingsVars[] = {
    {"1.3.6.1.2.1.191.1.1.1", "Router ID", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.2", "Admin Status", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.191.1.1.3", "Version Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.4", "Area Border Router Status", sxInteger, afReadOnly, &TruthValue},
    {"1.3.6.1.2.1.191.1.1.5", "AS Border Router Status", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.2.1.191.1.1.6", "AS Scope LSA Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.7", "AS Scope LSA Checksum ", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.8", "Originate New LSAS", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.9", "RX New LSAS", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.10", "External LSA Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.11", "External Area LSDB Limit", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.12", "Exit Overflow Interval", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.13", "Demand Extensions", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.2.1.191.1.1.14", "Reference Bandwidth", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.15", "Restart Support", sxInteger, afReadWrite, &OSPFv3GlobalSettingsVars_RestartSupport},
    {"1.3.6.1.2.1.191.1.1.16", "Restart Interval", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.1.17", "Restart Strict LSA Checking", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.2.1.191.1.1.18", "Restart Status", sxInteger, afReadOnly, &OSPFv3GlobalSettingsVars_RestartStatus},
    {"1.3.6.1.2.1.191.1.1.19", "Restart Age", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.20", "Restart Exit Reason", sxInteger, afReadOnly, &OSPFv3GlobalSettingsVars_RestartExitReason},
    {"1.3.6.1.2.1.191.1.1.21", "Notification Enable", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.2.1.191.1.1.22", "Stub Router Support", sxInteger, afReadOnly, &TruthValue},
    {"1.3.6.1.2.1.191.1.1.23", "Stub Router Advertisement", sxInteger, afReadWrite, &OSPFv3GlobalSettingsVars_StubRouterAdvertisement},
    {"1.3.6.1.2.1.191.1.1.24", "Discontinuity Time", sxTimeTicks, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.1.25", "Restart Time", sxTimeTicks, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AreaTableVars[] = {
    {"1.3.6.1.2.1.191.1.2.1.1", "ID ", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.2", "Import As Extern", sxInteger, afReadWrite, &AreaTableVars_ImportAsExtern},
    {"1.3.6.1.2.1.191.1.2.1.3", "SPF Runs", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.4", "Border Router Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.5", "AS Border RouterCount", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.6", "Scope LSA Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.7", "Scope LSA Checksum", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.2.1.8", "Summary", sxInteger, afReadWrite, &AreaTableVars_Summary},
    {"1.3.6.1.2.1.191.1.2.1.9", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.2.1.191.1.2.1.10", "Stub Metric", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ASLSDBTableVars[] = {
    {"1.3.6.1.2.1.191.1.3.1.1", "Type", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.2", "Router ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.3", "LS ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.4", "Sequence", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.5", "Age", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.6", "Checksum", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.7", "Advertisement", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.3.1.8", "Type Known", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AreaLSDBTableVars[] = {
    {"1.3.6.1.2.1.191.1.4.1.1", "Area ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.2", "Type", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.3", "Router ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.4", "LS ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.5", "Sequence", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.6", "Age", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.7", "Checksum", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.8", "Advertisement", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.4.1.9", "Type Known", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LinkLSDBTableVars[] = {
    {"1.3.6.1.2.1.191.1.5.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.2", "Instance ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.3", "Type", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.4", "Router ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.5", "LS ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.6", "Sequence", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.7", "Age", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.8", "Checksum", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.9", "Advertisement", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.5.1.10", "Type Known", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc OSPFv3InterfaceTableVars[] = {
    {"1.3.6.1.2.1.191.1.7.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.2", "Instance ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.3", "Area ID", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.4", "Type", sxInteger, afReadWrite, &OSPFv3InterfaceTableVars_Type},
    {"1.3.6.1.2.1.191.1.7.1.5", "Admin Status", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.191.1.7.1.6", "Rtr Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.7", "Transit Delay", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.8", "Retransmission Interval", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.9", "Hello Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.10", "Rtr Dead Interval", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.11", "Poll Interval", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.12", "State", sxInteger, afReadOnly, &OSPFv3InterfaceTableVars_State},
    {"1.3.6.1.2.1.191.1.7.1.13", "Designated Router", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.14", "Backup Designated Router", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.15", "Events", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.16", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.2.1.191.1.7.1.17", "Demand", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.2.1.191.1.7.1.18", "Metric Value", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.19", "Link Scope LSA Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.7.1.20", "Link LSA Checksum", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc OSPFv3VirtualInterfaceTableVars[] = {
    {"1.3.6.1.2.1.191.1.8.1.1", "Area ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.2", "Neighbor", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.3", "Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.4", "Instance  ID", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.5", "Transit Delay", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.6", "Retransmission Interval", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.7", "Hello Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.8", "Rtr Dead Interval", sxGauge, afReadWrite, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.9", "State", sxInteger, afReadOnly, &OSPFv3VirtualInterfaceTableVars_State},
    {"1.3.6.1.2.1.191.1.8.1.10", "Events", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.11", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.2.1.191.1.8.1.12", "Link Scope LSA Count", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.8.1.13", "Link LSA Checksum", sxGauge, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NeighborTableVars[] = {
    {"1.3.6.1.2.1.191.1.9.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.2", "Instance ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.3", "Rtr ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.4", "AddressType", sxInteger, afReadOnly, &NeighborTableVars_AddressType},
    {"1.3.6.1.2.1.191.1.9.1.5", "Address", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.6", "Options", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.7", "Priority", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.8", "State", sxInteger, afReadOnly, &NeighborTableVars_State},
    {"1.3.6.1.2.1.191.1.9.1.9", "Events", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.10", "Retransmission Queue Length", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.9.1.12", "Interface ID", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VirtualNeighborTableVars[] = {
    {"1.3.6.1.2.1.191.1.11.1.1", "Area", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.2", "Rtr ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.3", "Interface Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.4", "Interface Id", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.5", "Address Type", sxInteger, afReadOnly, &NeighborTableVars_AddressType},
    {"1.3.6.1.2.1.191.1.11.1.6", "Address", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.7", "Options", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.8", "State", sxInteger, afReadOnly, &NeighborTableVars_State},
    {"1.3.6.1.2.1.191.1.11.1.9", "Events", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.10", "Retransmission Queue Length", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.11.1.12", "Interface ID", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AreaAggregateTableVars[] = {
    {"1.3.6.1.2.1.191.1.12.1.1", "Area ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.12.1.2", "Area LSDB Type", sxInteger, afNotAccess, &AreaAggregateTableVars_AreaLSDBType},
    {"1.3.6.1.2.1.191.1.12.1.3", "Prefix Type", sxInteger, afNotAccess, &AreaAggregateTableVars_PrefixType},
    {"1.3.6.1.2.1.191.1.12.1.4", "Prefix", sxInetAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.12.1.5", "Prefix Length", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.12.1.6", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.2.1.191.1.12.1.7", "Effect", sxInteger, afReadWrite, &AreaAggregateTableVars_Effect},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VirtualLinkLSDBTableVars[] = {
    {"1.3.6.1.2.1.191.1.13.1.1", "Interface Area ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.2", "Interface Neighbor", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.3", "Type", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.4", "Router ID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.5", "LSID", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.6", "Sequence", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.7", "Age", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.8", "Checksum", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.9", "Advertisement", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.191.1.13.1.10", "Type Known", sxInteger, afReadOnly, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};
