#include "Oid_device.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem PortCableDiagnosticsVars_TypeItems[] = {
    {0, "fastEthernet"},
    {1, "gigaEthernet"},
    {2, "other"},
    {0, nullptr},
};
constinit const KyOptionList PortCableDiagnosticsVars_Type{PortCableDiagnosticsVars_TypeItems};

constexpr KyOptionItem PortCableDiagnosticsVars_LinkStatusItems[] = {
    {0, "link-down"},
    {1, "link-up"},
    {2, "other"},
    {0, nullptr},
};
constinit const KyOptionList PortCableDiagnosticsVars_LinkStatus{PortCableDiagnosticsVars_LinkStatusItems};

constexpr KyOptionItem PortCableDiagnosticsVars_Pair1StatusItems[] = {
    {0, "ok"},
    {1, "open"},
    {2, "short"},
    {3, "open-short"},
    {4, "crosstalk"},
    {5, "unknown"},
    {6, "count"},
    {7, "no-cable"},
    {8, "other"},
    {0, nullptr},
};
constinit const KyOptionList PortCableDiagnosticsVars_Pair1Status{PortCableDiagnosticsVars_Pair1StatusItems};

constexpr KyOptionItem PortCableDiagnosticsVars_ActionItems[] = {
    {1, "action"},
    {2, "processing"},
    {3, "other"},
    {0, nullptr},
};
constinit const KyOptionList PortCableDiagnosticsVars_Action{PortCableDiagnosticsVars_ActionItems};

constexpr KyOptionItem STP_InfoVars1_STPVersionItems[] = {
    {0, "stp"},
    {1, "rstp"},
    {2, "mstp"},
    {0, nullptr},
};
constinit const KyOptionList STP_InfoVars1_STPVersion{STP_InfoVars1_STPVersionItems};

constexpr KyOptionItem STP_InfoVars1_NNIBPDUAddressItems[] = {
    {1, "dot1d"},
    {2, "dot1ad"},
    {0, nullptr},
};
constinit const KyOptionList STP_InfoVars1_NNIBPDUAddress{STP_InfoVars1_NNIBPDUAddressItems};

constexpr KyOptionItem MSTPInstanceControlVars_TypeItems[] = {
    {0, "cist"},
    {1, "msti"},
    {0, nullptr},
};
constinit const KyOptionList MSTPInstanceControlVars_Type{MSTPInstanceControlVars_TypeItems};

constexpr KyOptionItem MSTPPortStateInformationVars_StatusItems[] = {
    {1, "other"},
    {2, "disabled"},
    {3, "discarding"},
    {4, "learning"},
    {5, "forwarding"},
    {6, "broken"},
    {7, "no-stp-enabled"},
    {8, "err-disabled"},
    {0, nullptr},
};
constinit const KyOptionList MSTPPortStateInformationVars_Status{MSTPPortStateInformationVars_StatusItems};

constexpr KyOptionItem MSTPPortStateInformationVars_RoleItems[] = {
    {0, "disable"},
    {1, "alternate"},
    {2, "backup"},
    {3, "root"},
    {4, "desinated"},
    {5, "master"},
    {6, "nonstp"},
    {7, "loopback"},
    {0, nullptr},
};
constinit const KyOptionList MSTPPortStateInformationVars_Role{MSTPPortStateInformationVars_RoleItems};

constexpr KyOptionItem MIBCapabilitiesVars_TypeItems[] = {
    {1, "other"},
    {2, "standard"},
    {3, "proprietary"},
    {4, "experiment"},
    {0, nullptr},
};
constinit const KyOptionList MIBCapabilitiesVars_Type{MIBCapabilitiesVars_TypeItems};

constexpr KyOptionItem AgentManagementBasicInformationVars_ProtocolCapabilityItems[] = {
    {1, "other"},
    {2, "snmp-ip"},
    {3, "snmp-ipx"},
    {4, "snmp-ip-ipx"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicInformationVars_ProtocolCapability{AgentManagementBasicInformationVars_ProtocolCapabilityItems};

constexpr KyOptionItem AgentManagementBasicInformationVars_ConsoleStatusItems[] = {
    {1, "other"},
    {2, "in-use"},
    {3, "not-in-use"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicInformationVars_ConsoleStatus{AgentManagementBasicInformationVars_ConsoleStatusItems};

constexpr KyOptionItem AgentManagementBasicInformationVars_DeviceConfigurationStatusItems[] = {
    {1, "other"},
    {2, "proceeding"},
    {3, "completed"},
    {4, "failed"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicInformationVars_DeviceConfigurationStatus{AgentManagementBasicInformationVars_DeviceConfigurationStatusItems};

constexpr KyOptionItem AgentManagementBasicInformationVars_FirmwareDownloadStatusItems[] = {
    {1, "other"},
    {2, "in-process"},
    {3, "invalid-file"},
    {4, "violation"},
    {5, "file-not-found"},
    {6, "disk-full"},
    {7, "complete"},
    {8, "time-out"},
    {9, "not-format"},
    {10, "memory-full"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicInformationVars_FirmwareDownloadStatus{AgentManagementBasicInformationVars_FirmwareDownloadStatusItems};

constexpr KyOptionItem AgentManagementBasicInformationVars_DualImageStatusItems[] = {
    {0, "not-supported"},
    {1, "supported"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicInformationVars_DualImageStatus{AgentManagementBasicInformationVars_DualImageStatusItems};

constexpr KyOptionItem AgentManagementBasicConfigurationVars_SystemResetStateItems[] = {
    {3, "warm-start"},
    {4, "no-reset"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicConfigurationVars_SystemResetState{AgentManagementBasicConfigurationVars_SystemResetStateItems};

constexpr KyOptionItem AgentManagementBasicConfigurationVars_Rs232PortConfigurationItems[] = {
    {2, "console"},
    {3, "out-of-band"},
    {4, "notAvail"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicConfigurationVars_Rs232PortConfiguration{AgentManagementBasicConfigurationVars_Rs232PortConfigurationItems};

constexpr KyOptionItem AgentManagementBasicConfigurationVars_SaveConfigurationItems[] = {
    {1, "other"},
    {2, "cfg-id1"},
    {3, "cfg-id2"},
    {4, "log"},
    {5, "all"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementBasicConfigurationVars_SaveConfiguration{AgentManagementBasicConfigurationVars_SaveConfigurationItems};

constexpr KyOptionItem AgentManagementFileTableVars_FileTransferTypeItems[] = {
    {2, "network-load"},
    {3, "out-of-band-load"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementFileTableVars_FileTransferType{AgentManagementFileTableVars_FileTransferTypeItems};

constexpr KyOptionItem AgentManagementFileTableVars_FileLoadTypeItems[] = {
    {2, "upload"},
    {3, "download"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementFileTableVars_FileLoadType{AgentManagementFileTableVars_FileLoadTypeItems};

constexpr KyOptionItem AgentManagementFileTableVars_FileControlItems[] = {
    {2, "inactive"},
    {3, "start"},
    {4, "delete"},
    {5, "config-as-bootup-fw"},
    {0, nullptr},
};
constinit const KyOptionList AgentManagementFileTableVars_FileControl{AgentManagementFileTableVars_FileControlItems};

constexpr KyOptionItem MultipleImageManagementSettingsVars_ActionItems[] = {
    {1, "config-as-bootup-fw"},
    {2, "delete"},
    {3, "none"},
    {0, nullptr},
};
constinit const KyOptionList MultipleImageManagementSettingsVars_Action{MultipleImageManagementSettingsVars_ActionItems};

constexpr KyOptionItem MultipleConfigControlVars_ControlIDItems[] = {
    {1, "cfgId-1"},
    {2, "cfgId-2"},
    {0, nullptr},
};
constinit const KyOptionList MultipleConfigControlVars_ControlID{MultipleConfigControlVars_ControlIDItems};

constexpr KyOptionItem MultipleConfigControlVars_ActionItems[] = {
    {1, "active"},
    {2, "delete"},
    {3, "bootup"},
    {4, "none"},
    {0, nullptr},
};
constinit const KyOptionList MultipleConfigControlVars_Action{MultipleConfigControlVars_ActionItems};

constexpr KyOptionItem SeverityControlManagementVars_TrapControlItems[] = {
    {0, "critical"},
    {1, "warning"},
    {2, "information"},
    {3, "emergency"},
    {4, "alert"},
    {5, "error"},
    {6, "notice"},
    {7, "debug"},
    {0, nullptr},
};
constinit const KyOptionList SeverityControlManagementVars_TrapControl{SeverityControlManagementVars_TrapControlItems};

constexpr KyOptionItem IPProtocolConfigurationVars_GetIPItems[] = {
    {2, "disabled"},
    {3, "bootp"},
    {4, "dhcp"},
    {0, nullptr},
};
constinit const KyOptionList IPProtocolConfigurationVars_GetIP{IPProtocolConfigurationVars_GetIPItems};

constexpr KyOptionItem PacketStormControlVars_TrapControlItems[] = {
    {1, "none"},
    {2, "stormOccurred"},
    {3, "stormCleared"},
    {4, "both"},
    {0, nullptr},
};
constinit const KyOptionList PacketStormControlVars_TrapControl{PacketStormControlVars_TrapControlItems};

constexpr KyOptionItem TrafficStormManagementControlTableVars_BroadcastStatusItems[] = {
    {1, "disabled"},
    {2, "enabled"},
    {0, nullptr},
};
constinit const KyOptionList TrafficStormManagementControlTableVars_BroadcastStatus{TrafficStormManagementControlTableVars_BroadcastStatusItems};

constexpr KyOptionItem TrafficStormManagementControlTableVars_ActionStatusItems[] = {
    {1, "shutdown"},
    {2, "drop"},
    {0, nullptr},
};
constinit const KyOptionList TrafficStormManagementControlTableVars_ActionStatus{TrafficStormManagementControlTableVars_ActionStatusItems};

constexpr KyOptionItem TrafficStormManagementControlTableVars_ShutdownForeverItems[] = {
    {1, "yes"},
    {2, "no"},
    {0, nullptr},
};
constinit const KyOptionList TrafficStormManagementControlTableVars_ShutdownForever{TrafficStormManagementControlTableVars_ShutdownForeverItems};

constexpr KyOptionItem PingTestVars_ControlItems[] = {
    {0, "stop"},
    {1, "active"},
    {0, nullptr},
};
constinit const KyOptionList PingTestVars_Control{PingTestVars_ControlItems};

constexpr KyOptionItem PingTestVars_StatusItems[] = {
    {0, "finish"},
    {1, "proceeding"},
    {0, nullptr},
};
constinit const KyOptionList PingTestVars_Status{PingTestVars_StatusItems};

constexpr KyOptionItem LogSaveControlVars_MethodItems[] = {
    {1, "time-interval"},
    {2, "on-demand"},
    {3, "log-trigger"},
    {0, nullptr},
};
constinit const KyOptionList LogSaveControlVars_Method{LogSaveControlVars_MethodItems};

constexpr KyOptionItem SystemLogHostVars_IndexItems[] = {
    {1, "swSysLogServerIndex-1"},
    {2, "swSysLogServerIndex-2"},
    {3, "swSysLogServerIndex-3"},
    {4, "swSysLogServerIndex-4"},
    {0, nullptr},
};
constinit const KyOptionList SystemLogHostVars_Index{SystemLogHostVars_IndexItems};

constexpr KyOptionItem SystemLogHostVars_FacilityItems[] = {
    {0, "local0"},
    {1, "local1"},
    {2, "local2"},
    {3, "local3"},
    {4, "local4"},
    {5, "local5"},
    {6, "local6"},
    {7, "local7"},
    {0, nullptr},
};
constinit const KyOptionList SystemLogHostVars_Facility{SystemLogHostVars_FacilityItems};

constexpr KyOptionItem SystemLogHostVars_SeverityItems[] = {
    {1, "all"},
    {2, "warning"},
    {3, "informational"},
    {4, "emergency"},
    {5, "alert"},
    {6, "critical"},
    {7, "error"},
    {8, "notice"},
    {9, "debug"},
    {0, nullptr},
};
constinit const KyOptionList SystemLogHostVars_Severity{SystemLogHostVars_SeverityItems};

constexpr KyOptionItem SourceIPInterfaceSettingsVars_TypeItems[] = {
    {1, "trap"},
    {2, "syslog"},
    {0, nullptr},
};
constinit const KyOptionList SourceIPInterfaceSettingsVars_Type{SourceIPInterfaceSettingsVars_TypeItems};

constexpr KyOptionItem Layer2ControlVars1_CleanAllStatisticCounterItems[] = {
    {1, "normal"},
    {2, "active"},
    {0, nullptr},
};
constinit const KyOptionList Layer2ControlVars1_CleanAllStatisticCounter{Layer2ControlVars1_CleanAllStatisticCounterItems};

constexpr KyOptionItem SchedulingTableVars_MechanismItems[] = {
    {1, "strict"},
    {3, "weightfair"},
    {0, nullptr},
};
constinit const KyOptionList SchedulingTableVars_Mechanism{SchedulingTableVars_MechanismItems};

constexpr KyOptionItem MulticastFilterVars_ModeItems[] = {
    {1, "forward-all-groups"},
    {2, "forward-unregistered-groups"},
    {3, "filter-unregistered-groups"},
    {0, nullptr},
};
constinit const KyOptionList MulticastFilterVars_Mode{MulticastFilterVars_ModeItems};

constexpr KyOptionItem LimitedMulticastTableVars_AccessItems[] = {
    {0, "none"},
    {1, "permit"},
    {2, "deny"},
    {0, nullptr},
};
constinit const KyOptionList LimitedMulticastTableVars_Access{LimitedMulticastTableVars_AccessItems};

constexpr KyOptionItem LimitedMulticastTableVars_DeleteStateItems[] = {
    {1, "valid"},
    {2, "invalid"},
    {0, nullptr},
};
constinit const KyOptionList LimitedMulticastTableVars_DeleteState{LimitedMulticastTableVars_DeleteStateItems};

constexpr KyOptionItem PortInformationTableVars_MediumTypeItems[] = {
    {1, "copper"},
    {2, "fiber"},
    {0, nullptr},
};
constinit const KyOptionList PortInformationTableVars_MediumType{PortInformationTableVars_MediumTypeItems};

constexpr KyOptionItem PortInformationTableVars_TypeItems[] = {
    {0, "portType-none"},
    {2, "portType-100Base-T"},
    {3, "portType-100Base-X"},
    {4, "portType-1000Base-T"},
    {5, "portType-1000Base-X"},
    {6, "portType-10GBase-R"},
    {7, "portType-10GBase-CX4"},
    {8, "portType-SIO"},
    {9, "portType-module-empty"},
    {10, "portType-user-last"},
    {0, nullptr},
};
constinit const KyOptionList PortInformationTableVars_Type{PortInformationTableVars_TypeItems};

constexpr KyOptionItem PortInformationTableVars_LinkStatusItems[] = {
    {1, "other"},
    {2, "link-pass"},
    {3, "link-fail"},
    {0, nullptr},
};
constinit const KyOptionList PortInformationTableVars_LinkStatus{PortInformationTableVars_LinkStatusItems};

constexpr KyOptionItem PortInformationTableVars_NwayStatusItems[] = {
    {0, "link-down"},
    {1, "full-10Mbps-8023x"},
    {2, "full-10Mbps-none"},
    {3, "half-10Mbps-backp"},
    {4, "half-10Mbps-none"},
    {5, "full-100Mbps-8023x"},
    {6, "full-100Mbps-none"},
    {7, "half-100Mbps-backp"},
    {8, "half-100Mbps-none"},
    {9, "full-1Gigabps-8023x"},
    {10, "full-1Gigabps-none"},
    {11, "half-1Gigabps-backp"},
    {12, "half-1Gigabps-none"},
    {13, "full-10Gigabps-8023x"},
    {14, "full-10Gigabps-none"},
    {15, "half-10Gigabps-8023x"},
    {16, "half-10Gigabps-none"},
    {17, "empty"},
    {18, "err-disabled"},
    {0, nullptr},
};
constinit const KyOptionList PortInformationTableVars_NwayStatus{PortInformationTableVars_NwayStatusItems};

constexpr KyOptionItem PortInformationTableVars_ErrorDisableReasonItems[] = {
    {1, "err-none"},
    {2, "storm-control"},
    {3, "lbd-control"},
    {0, nullptr},
};
constinit const KyOptionList PortInformationTableVars_ErrorDisableReason{PortInformationTableVars_ErrorDisableReasonItems};

constexpr KyOptionItem PortControlTableVars_NwayStateItems[] = {
    {1, "other"},
    {2, "nway-enabled"},
    {3, "nway-disabled-10Mbps-Half"},
    {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"},
    {6, "nway-disabled-100Mbps-Full"},
    {8, "nway-disabled-1Gigabps-Full"},
    {9, "nway-disabled-1Gigabps-Full-master"},
    {10, "nway-disabled-1Gigabps-Full-slave"},
    {0, nullptr},
};
constinit const KyOptionList PortControlTableVars_NwayState{PortControlTableVars_NwayStateItems};

constexpr KyOptionItem PortControlTableVars_AutoNegotiationRestartItems[] = {
    {1, "restart"},
    {2, "norestart"},
    {0, nullptr},
};
constinit const KyOptionList PortControlTableVars_AutoNegotiationRestart{PortControlTableVars_AutoNegotiationRestartItems};

constexpr KyOptionItem PortTrunkVars_TrunkTypeItems[] = {
    {2, "static"},
    {3, "lacp"},
    {0, nullptr},
};
constinit const KyOptionList PortTrunkVars_TrunkType{PortTrunkVars_TrunkTypeItems};

constexpr KyOptionItem PortTrunkVars_TrunkStateItems[] = {
    {1, "enable"},
    {2, "disable"},
    {4, "createAndGo"},
    {5, "createAndWait"},
    {6, "destroy"},
    {0, nullptr},
};
constinit const KyOptionList PortTrunkVars_TrunkState{PortTrunkVars_TrunkStateItems};

constexpr KyOptionItem LACPPortTableVars_StateItems[] = {
    {1, "active"},
    {2, "passive"},
    {0, nullptr},
};
constinit const KyOptionList LACPPortTableVars_State{LACPPortTableVars_StateItems};

constexpr KyOptionItem TrunkBasicInformationVars_AlgorithmItems[] = {
    {2, "mac-source"},
    {3, "mac-destination"},
    {4, "mac-source-dest"},
    {5, "ip-source"},
    {6, "ip-destination"},
    {7, "ip-source-dest"},
    {0, nullptr},
};
constinit const KyOptionList TrunkBasicInformationVars_Algorithm{TrunkBasicInformationVars_AlgorithmItems};

constexpr KyOptionItem IGMPSnoopingControlTableVars_CurrentStateItems[] = {
    {2, "querier"},
    {3, "non-querier"},
    {0, nullptr},
};
constinit const KyOptionList IGMPSnoopingControlTableVars_CurrentState{IGMPSnoopingControlTableVars_CurrentStateItems};

constexpr KyOptionItem IGMPSnoopingControlTableVars_ControlStateItems[] = {
    {2, "disable"},
    {3, "enable"},
    {0, nullptr},
};
constinit const KyOptionList IGMPSnoopingControlTableVars_ControlState{IGMPSnoopingControlTableVars_ControlStateItems};

constexpr KyOptionItem IGMPSnoopingDataDrivenLearingGroupVars_ClearGroupItems[] = {
    {1, "other"},
    {2, "clear"},
    {0, nullptr},
};
constinit const KyOptionList IGMPSnoopingDataDrivenLearingGroupVars_ClearGroup{IGMPSnoopingDataDrivenLearingGroupVars_ClearGroupItems};

constexpr KyOptionItem PortSecurityTableVars_SecurityModeItems[] = {
    {1, "other"},
    {2, "permanent"},
    {3, "deleteOnTimeout"},
    {4, "deleteOnReset"},
    {0, nullptr},
};
constinit const KyOptionList PortSecurityTableVars_SecurityMode{PortSecurityTableVars_SecurityModeItems};

constexpr KyOptionItem PortSecurityTableVars_AdminStateItems[] = {
    {2, "enable"},
    {3, "disable"},
    {0, nullptr},
};
constinit const KyOptionList PortSecurityTableVars_AdminState{PortSecurityTableVars_AdminStateItems};

constexpr KyOptionItem VlanVars_VLANTypeItems[] = {
    {0, "invalid-vlan-type"},
    {1, "static-1q-vlan"},
    {2, "dynamic-vlan"},
    {3, "port-base-vlan"},
    {4, "protocolvlan"},
    {5, "double-vlan"},
    {0, nullptr},
};
constinit const KyOptionList VlanVars_VLANType{VlanVars_VLANTypeItems};

constexpr KyOptionItem LoopbackDetectionGlobalSettingsVars_ModeItems[] = {
    {1, "vlan-based"},
    {2, "port-based"},
    {0, nullptr},
};
constinit const KyOptionList LoopbackDetectionGlobalSettingsVars_Mode{LoopbackDetectionGlobalSettingsVars_ModeItems};

constexpr KyOptionItem LoopbackDetectionGlobalSettingsVars_TrapModeItems[] = {
    {1, "none"},
    {2, "loop_detected"},
    {3, "loop_cleared"},
    {4, "both"},
    {0, nullptr},
};
constinit const KyOptionList LoopbackDetectionGlobalSettingsVars_TrapMode{LoopbackDetectionGlobalSettingsVars_TrapModeItems};

constexpr KyOptionItem PortManagementVars_StatusItems[] = {
    {1, "normal"},
    {2, "loop"},
    {3, "error"},
    {4, "none"},
    {0, nullptr},
};
constinit const KyOptionList PortManagementVars_Status{PortManagementVars_StatusItems};

constexpr KyOptionItem ZEMTSettingsVars_OperationStatusItems[] = {
    {1, "operational"},
    {2, "non-operational"},
    {0, nullptr},
};
constinit const KyOptionList ZEMTSettingsVars_OperationStatus{ZEMTSettingsVars_OperationStatusItems};

constexpr KyOptionItem ZEMTSettingsVars_ModeItems[] = {
    {1, "shutdown"},
    {2, "normal"},
    {0, nullptr},
};
constinit const KyOptionList ZEMTSettingsVars_Mode{ZEMTSettingsVars_ModeItems};

constexpr KyOptionItem ZEMTSettingsVars_LinkStatusItems[] = {
    {1, "unknown"},
    {2, "bidirectional"},
    {3, "tx-fault"},
    {4, "rx-fault"},
    {5, "link-down"},
    {0, nullptr},
};
constinit const KyOptionList ZEMTSettingsVars_LinkStatus{ZEMTSettingsVars_LinkStatusItems};

constexpr KyOptionItem ERPSVLANTableVars_WestPortStateItems[] = {
    {1, "fowarding"},
    {2, "blocking"},
    {3, "signalfail"},
    {4, "signalfailblocked"},
    {0, nullptr},
};
constinit const KyOptionList ERPSVLANTableVars_WestPortState{ERPSVLANTableVars_WestPortStateItems};

constexpr KyOptionItem ERPSVLANTableVars_RPLPortItems[] = {
    {1, "none"},
    {2, "west"},
    {3, "east"},
    {0, nullptr},
};
constinit const KyOptionList ERPSVLANTableVars_RPLPort{ERPSVLANTableVars_RPLPortItems};

constexpr KyOptionItem ERPSVLANTableVars_RingStateItems[] = {
    {1, "begin"},
    {2, "init"},
    {3, "idle"},
    {4, "protection"},
    {0, nullptr},
};
constinit const KyOptionList ERPSVLANTableVars_RingState{ERPSVLANTableVars_RingStateItems};

constexpr KyOptionItem ERPSVLANTableVars_RPLOwnerOperationStatusItems[] = {
    {1, "active"},
    {2, "inactive"},
    {3, "disabled"},
    {0, nullptr},
};
constinit const KyOptionList ERPSVLANTableVars_RPLOwnerOperationStatus{ERPSVLANTableVars_RPLOwnerOperationStatusItems};

constexpr KyOptionItem BPDUProtectionGlobalSettingsVars_TrapModeItems[] = {
    {1, "none"},
    {2, "attackDetected"},
    {3, "attackCleared"},
    {4, "both"},
    {0, nullptr},
};
constinit const KyOptionList BPDUProtectionGlobalSettingsVars_TrapMode{BPDUProtectionGlobalSettingsVars_TrapModeItems};

constexpr KyOptionItem BPDUProtectionPortTableVars_ModeItems[] = {
    {1, "drop"},
    {2, "block"},
    {3, "shutdown"},
    {0, nullptr},
};
constinit const KyOptionList BPDUProtectionPortTableVars_Mode{BPDUProtectionPortTableVars_ModeItems};

constexpr KyOptionItem BPDUProtectionPortTableVars_StatusItems[] = {
    {1, "normal"},
    {2, "underAttack"},
    {0, nullptr},
};
constinit const KyOptionList BPDUProtectionPortTableVars_Status{BPDUProtectionPortTableVars_StatusItems};

constexpr KyOptionItem UnicastForwardingInformationVars_StatusItems[] = {
    {1, "other"},
    {2, "invalid"},
    {3, "learned"},
    {4, "self"},
    {5, "mgmt"},
    {0, nullptr},
};
constinit const KyOptionList UnicastForwardingInformationVars_Status{UnicastForwardingInformationVars_StatusItems};

constexpr KyOptionItem STPPortTableVars_StatusItems[] = {
    {1, "disabled"},
    {2, "blocking"},
    {3, "listening"},
    {4, "learning"},
    {5, "forwarding"},
    {6, "broken"},
    {0, nullptr},
};
constinit const KyOptionList STPPortTableVars_Status{STPPortTableVars_StatusItems};

constexpr KyOptionItem IfXTableVars_PromiscuousModeItems[] = {
    {2, "false"},
    {0, nullptr},
};
constinit const KyOptionList IfXTableVars_PromiscuousMode{IfXTableVars_PromiscuousModeItems};

constexpr KyOptionItem dot3PauseVars1_AdminModeItems[] = {
    {1, "disabled"},
    {4, "enabledXmitAndRcv"},
    {0, nullptr},
};
constinit const KyOptionList dot3PauseVars1_AdminMode{dot3PauseVars1_AdminModeItems};

constexpr KyOptionItem dot3PauseVars1_OperationModeItems[] = {
    {1, "disabled"},
    {2, "enabledXmit"},
    {3, "enabledRcv"},
    {4, "enabledXmitAndRcv"},
    {0, nullptr},
};
constinit const KyOptionList dot3PauseVars1_OperationMode{dot3PauseVars1_OperationModeItems};

constexpr KyOptionItem Dot3StatisticsTableVars_DuplexStatusItems[] = {
    {1, "unknown"},
    {2, "halfDuplex"},
    {3, "fullDuplex"},
    {0, nullptr},
};
constinit const KyOptionList Dot3StatisticsTableVars_DuplexStatus{Dot3StatisticsTableVars_DuplexStatusItems};

constexpr KyOptionItem BPDUTunnelingSettingsPortTableVars_PortTypeItems[] = {
    {1, "none"},
    {2, "tunnel"},
    {3, "uplink"},
    {0, nullptr},
};
constinit const KyOptionList BPDUTunnelingSettingsPortTableVars_PortType{BPDUTunnelingSettingsPortTableVars_PortTypeItems};

constexpr KyOptionItem LogManagementVars_DHCPServerIllegalServerLogSuppressDurationItems[] = {
    {1, "duration_1min"},
    {2, "duration_5min"},
    {3, "duration_30min"},
    {0, nullptr},
};
constinit const KyOptionList LogManagementVars_DHCPServerIllegalServerLogSuppressDuration{LogManagementVars_DHCPServerIllegalServerLogSuppressDurationItems};

constexpr KyOptionItem QInQPortTableVars_RoleItems[] = {
    {1, "nni"},
    {2, "uni"},
    {0, nullptr},
};
constinit const KyOptionList QInQPortTableVars_Role{QInQPortTableVars_RoleItems};

constexpr KyOptionItem VLANTranslationTableVars_SVIDOperationItems[] = {
    {1, "add"},
    {2, "replace"},
    {0, nullptr},
};
constinit const KyOptionList VLANTranslationTableVars_SVIDOperation{VLANTranslationTableVars_SVIDOperationItems};

constexpr KyOptionItem StaticMACBasedVLANVars_TypeItems[] = {
    {1, "static"},
    {2, "mac-based-access-control"},
    {3, "ieee8021x"},
    {4, "wac"},
    {5, "ypax"},
    {6, "multiple-authentication"},
    {0, nullptr},
};
constinit const KyOptionList StaticMACBasedVLANVars_Type{StaticMACBasedVLANVars_TypeItems};

constexpr KyOptionItem ProtocolVLANGroupVars_TemplateFrameTypeItems[] = {
    {1, "ethernet"},
    {2, "rfc1042"},
    {3, "snap8021H"},
    {4, "snapOther"},
    {5, "llcOther"},
    {0, nullptr},
};
constinit const KyOptionList ProtocolVLANGroupVars_TemplateFrameType{ProtocolVLANGroupVars_TemplateFrameTypeItems};

} // namespace

constinit const KySNMPVarDesc PortCableDiagnosticsVars[] = {
    {"1.3.6.1.4.1.32473.12.58.1.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.2", "Type", sxInteger, afReadOnly, &PortCableDiagnosticsVars_Type},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.3", "Link Status", sxInteger, afReadOnly, &PortCableDiagnosticsVars_LinkStatus},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.4", "Pair1 Status", sxInteger, afReadOnly, &PortCableDiagnosticsVars_Pair1Status},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.5", "Pair2 Status", sxInteger, afReadOnly, &PortCableDiagnosticsVars_Pair1Status},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.6", "Pair3 Status", sxInteger, afReadOnly, &PortCableDiagnosticsVars_Pair1Status},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.7", "Pair4 Status", sxInteger, afReadOnly, &PortCableDiagnosticsVars_Pair1Status},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.8", "Pair1 Length", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.9", "Pair2 Length", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.10", "Pair3 Length", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.11", "Pair4 Length", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.12", "Action", sxInteger, afReadWrite, &PortCableDiagnosticsVars_Action},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc STP_InfoVars1[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", sxInteger, afReadWrite, &STP_InfoVars1_STPVersion},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age[600-4000]", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.4", "Hello Time[100-1000]", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay[400-3000]", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops[1-20]", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count[1-10]", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forwarding BPDU", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.15.1.9", "STP LBD", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.15.1.10", "STP LBD Recover Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.11", "NNI BPDU Address", sxInteger, afReadWrite, &STP_InfoVars1_NNIBPDUAddress},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc STP_InfoVars2[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "Version", sxInteger, afReadWrite, &STP_InfoVars1_STPVersion},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.15.1.9", "LBD", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.15.1.10", "LBD Recover Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.1.11", "NNI BPDU Address", sxInteger, afReadWrite, &STP_InfoVars1_NNIBPDUAddress},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MSTPConfigurationIdentificationVars[] = {
    {"1.3.6.1.4.1.32473.12.15.2.1", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.2", "Revision Level", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MSTPInstanceControlVars[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1.1", "Instance ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "VLAN Range [1-64]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.3", "VLAN Range [65-128]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.4", "VLAN Range [129-192]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.5", "VLAN Range [193-256]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.6", "VLAN Range [257-320]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.7", "VLAN Range [321-384]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.8", "VLAN Range [385-448]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.9", "VLAN Range [449-512]", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.10", "Type", sxInteger, afReadOnly, &MSTPInstanceControlVars_Type},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.11", "Status", sxInteger, afReadOnly, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.12", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.13", "Designated Root Bridge", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.14", "External Root Cost", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.15", "Regional Root Bridge", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.16", "Internal Root Cost", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.17", "Designated Bridge", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.18", "Root Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.19", "Max Age", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.20", "Forward Delay", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.21", "Last Topology Change", sxTimeTicks, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.22", "Top Changes Count", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.23", "Remain Hops", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.24", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MSTPPortStateInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.15.2.5.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.2", "Instance ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.3", "Designated Bridge", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.4", "Internal Path Cost", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.5", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.6", "Status", sxInteger, afReadOnly, &MSTPPortStateInformationVars_Status},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.7", "Role", sxInteger, afReadOnly, &MSTPPortStateInformationVars_Role},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc StpVersionVars[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", sxInteger, afReadWrite, &STP_InfoVars1_STPVersion},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MIBCapabilitiesVars[] = {
    {"1.3.6.1.4.1.32473.12.1.1.2.1.1", "Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.2", "Description", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.3", "Version", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.4", "Type", sxInteger, afReadOnly, &MIBCapabilitiesVars_Type},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AgentManagementBasicInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", "Protocol Capability", sxInteger, afReadOnly, &AgentManagementBasicInformationVars_ProtocolCapability},
    {"1.3.6.1.4.1.32473.12.1.1.3", "Console Status", sxInteger, afReadOnly, &AgentManagementBasicInformationVars_ConsoleStatus},
    {"1.3.6.1.4.1.32473.12.1.1.4", "Device Configuration Status", sxInteger, afReadOnly, &AgentManagementBasicInformationVars_DeviceConfigurationStatus},
    {"1.3.6.1.4.1.32473.12.1.1.5", "Firmware Download Status", sxInteger, afReadOnly, &AgentManagementBasicInformationVars_FirmwareDownloadStatus},
    {"1.3.6.1.4.1.32473.12.1.1.7", "Dual Image Status", sxInteger, afReadOnly, &AgentManagementBasicInformationVars_DualImageStatus},
    {"1.3.6.1.4.1.32473.12.1.1.12", "Serial Number", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortUtilizationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.1.8.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.2", "TX", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.3", "RX", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.4", "Util", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DRAMUtilizationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.1.9.1.1", "Unit ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.2", "Total DRAM", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.3", "Used DRAM", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.4", "Utilization", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FlashUtilizationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.1.10.1.1", "Unit ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.2", "Total FLASH", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.3", "Used FLASH", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.10.1.4", "Utilization", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc GratuitousARPManagementInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.1", "Send On IPIF Status Up State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.2", "Send On Duplicate IP Detected State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.3", "Learning State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc GratuitousARPManagementTableVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.1", "Interface Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.2", "Periodical Send Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.3", "Trap State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.4", "Log State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc HostTableVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.2", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.3", "Row Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.4", "Subnet Mask", sxIpAddress, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DeleteAllTrustedHostsVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.2", "Delete State", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AgentManagementBasicConfigurationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset State", sxInteger, afReadWrite, &AgentManagementBasicConfigurationVars_SystemResetState},
    {"1.3.6.1.4.1.32473.12.1.2.4", "Rs232 Port Configuration", sxInteger, afReadOnly, &AgentManagementBasicConfigurationVars_Rs232PortConfiguration},
    {"1.3.6.1.4.1.32473.12.1.2.6", "Save Configuration", sxInteger, afReadWrite, &AgentManagementBasicConfigurationVars_SaveConfiguration},
    {"1.3.6.1.4.1.32473.12.1.2.26", "Command Logging State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.1.2.27", "Broadcast Ping Reply State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AgentManagementFileTableVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "Description", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "File Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "File Transfer Type", sxInteger, afReadWrite, &AgentManagementFileTableVars_FileTransferType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "File Locate ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "File Load Type", sxInteger, afReadWrite, &AgentManagementFileTableVars_FileLoadType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "File Control", sxInteger, afReadWrite, &AgentManagementFileTableVars_FileControl},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "File Increment", sxInteger, afReadWrite, &TruthValue},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.10", "Multiple Image Control ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.11", "Unit ID", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.12", "File IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.16", "Domain Name", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MultipleImageManagementSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.13.1.1", "Control ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.13.1.2", "Action", sxInteger, afReadWrite, &MultipleImageManagementSettingsVars_Action},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SupportedConfigurationFilesVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.2", "Boot Image", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.3", "Boot Configuration", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.1.4", "Active Configuration", sxDisplayStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MultipleImageManagementGeneralInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.7.1.1", "Information ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.2", "Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.3", "Size", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.4", "Update Time", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.5", "From", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.6", "Send User", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MultipleConfigurationManagementGeneralInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.2", "Current Used", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.3", "Boot Up", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MultipleConfigInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.1", "Information ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.2", "Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.3", "Size", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.4", "Update Time", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.5", "From", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.8.1.1.6", "Send User", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MultipleConfigControlVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.4.1.1", "Control ID", sxInteger, afNotAccess, &MultipleConfigControlVars_ControlID},
    {"1.3.6.1.4.1.32473.12.1.2.8.4.1.2", "Action", sxInteger, afReadWrite, &MultipleConfigControlVars_Action},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SeverityControlManagementVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.9.1", "Trap Control", sxInteger, afReadWrite, &SeverityControlManagementVars_TrapControl},
    {"1.3.6.1.4.1.32473.12.1.2.9.2", "Log Control", sxInteger, afReadWrite, &SeverityControlManagementVars_TrapControl},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IPProtocolConfigurationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.3.1", "Number Of Interface", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.3.3", "Get IP", sxInteger, afReadWrite, &IPProtocolConfigurationVars_GetIP},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PacketStormControlVars[] = {
    {"1.3.6.1.4.1.32473.12.25.1.1", "Recover", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.1.2", "Trap Control", sxInteger, afReadWrite, &PacketStormControlVars_TrapControl},
    {"1.3.6.1.4.1.32473.12.25.1.4", "Auto Recover Time", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TrafficStormManagementControlTableVars[] = {
    {"1.3.6.1.4.1.32473.12.25.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.2", "Threshold", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.3", "Broadcast Status", sxInteger, afReadWrite, &TrafficStormManagementControlTableVars_BroadcastStatus},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.4", "Multicast Status", sxInteger, afReadWrite, &TrafficStormManagementControlTableVars_BroadcastStatus},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.5", "Unicast Status", sxInteger, afReadWrite, &TrafficStormManagementControlTableVars_BroadcastStatus},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.6", "Action Status", sxInteger, afReadWrite, &TrafficStormManagementControlTableVars_ActionStatus},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.7", "Count Down", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.8", "Time Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.9", "Shutdown Forever", sxInteger, afReadOnly, &TrafficStormManagementControlTableVars_ShutdownForever},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PingTestVars[] = {
    {"1.3.6.1.4.1.32473.12.1.4.1", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.4.2", "Repetition", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.1.4.3", "Control", sxInteger, afReadWrite, &PingTestVars_Control},
    {"1.3.6.1.4.1.32473.12.1.4.4", "Status", sxInteger, afReadOnly, &PingTestVars_Status},
    {"1.3.6.1.4.1.32473.12.1.4.5", "Success Count", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.4.6", "Fail Count", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SystemLogGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.12.1", "Log Control State", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LogSaveControlVars[] = {
    {"1.3.6.1.4.1.32473.12.12.3.1", "Method", sxInteger, afReadWrite, &LogSaveControlVars_Method},
    {"1.3.6.1.4.1.32473.12.12.3.2", "Time Interval", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ClearLogVars[] = {
    {"1.3.6.1.4.1.32473.12.12.4.1", "Clear Log", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ClearDangerousLogVars[] = {
    {"1.3.6.1.4.1.32473.12.12.4.2.1", "Unit ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.4.2.2", "State", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SystemLogHostVars[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "Index", sxInteger, afNotAccess, &SystemLogHostVars_Index},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "IP Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "Facility", sxInteger, afReadWrite, &SystemLogHostVars_Facility},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "Severity", sxInteger, afReadWrite, &SystemLogHostVars_Severity},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "UDP Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SourceIPInterfaceSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.81.3.1.1.1", "Type", sxInteger, afNotAccess, &SourceIPInterfaceSettingsVars_Type},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.2", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.3", "Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.4", "IPv4 Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.81.3.1.1.5", "IPv6 Address", sxIPv6Address, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ClearAllFDBVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.1", "State", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ClearFDBByPortVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.2.1.1", "Port Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.11.2.1.2", "Action", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ClearFDBByVLANIDVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.3.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.1.2.11.3.1.2", "Action", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ClearAllARPVars[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.1", "State", sxInteger, afReadWrite, &OtherStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CPUUtilizationVars[] = {
    {"1.3.6.1.4.1.32473.12.1.1.6.1", "Utilization In 5 seconds", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.6.2", "Utilization In 1 minute", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.1.1.6.3", "Utilization In 5 minutes", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortAutoNegotiationInformationTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.8.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.8.1.2", "Administration Status", sxInteger, afReadOnly, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.8.1.3", "Capability Bits", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.8.1.4", "Capability Advertised Bits", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.8.1.5", "Capability Received Bits", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortDropCounterTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.9.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.9.1.2", "Buffer Full Drops", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.9.1.3", "ACL Drops", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.9.1.4", "Multicast Drops", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.9.1.5", "VLAN Ingress Drops", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DeviceInformationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.1", "Total Number Of Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.2", "Number Of Port In Use", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.4", "Boot Prom Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.5", "Firmware Version", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DeviceModuleInformationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.3.1.1", "Unit ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.3.1.2", "Module ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.3.1.3", "Module Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.3.1.4", "Reversion", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.3.1.5", "Serial", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.3.1.6", "Description", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Layer2ControlVars1[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.2", "IGMP Snooping", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.3", "IGMP Snooping MCST RT Only", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.4", "RMON State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.5", "Clean All Statistic Counter", sxInteger, afReadWrite, &Layer2ControlVars1_CleanAllStatisticCounter},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.6", "VLAN ID Of FDB TBL", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.7", "Management VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.8", "MAC Notify State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.9", "MAC Notify History Size", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.10", "MAC Notify Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.13.1", "Web State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.14.1", "Telnet State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.15", "IP Auto Config", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.17", "CLI Paging State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.18", "LLDP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.19", "LLDP Forward Message State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.10.4", "Port State", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Layer2ControlVars2[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.13.2", "Web TCP Port", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Layer2ControlVars3[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.14.2", "Telnet TCP Port", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPSnoopingGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.1", "Supported VLAN", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.2", "IP Group Number Per VLAN", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.23", "Max Data Driven Learning Count", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPForwordingVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.3", "Group Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.2", "Source IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.4", "Port Member", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SpanningTreeAlgorithmVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.1", "Spanning Tree Algorithm", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BandwidthControlTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.6.1.1.1", "Port Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.1.1.2", "Receive Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.1.1.3", "Transmit Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.1.1.4", "RADIUS RX Rate", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.1.1.5", "RADIUS TX Rate", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SchedulingTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.6.2.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.2.1.2", "Class ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.2.1.3", "Max Packets", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.2.1.4", "Mechanism", sxInteger, afReadWrite, &SchedulingTableVars_Mechanism},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.2.1.5", "Mechanism Effective", sxInteger, afReadOnly, &SchedulingTableVars_Mechanism},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc N8021pUserPriorityTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.6.3.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.3.1.2", "Class", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc N8021pDefaultPriorityTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.6.4.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.4.1.2", "Default Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.4.1.3", "RADIUS Priority", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc HOLPreventionSettingsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.6.6", "HOL Prevention Control", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RmonStateVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.4", "RMON State", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AlarmControlVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.3.1", "New Root", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.3.2", "Topology Change", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.1.3.3", "Link Change", sxInteger, afReadWrite, &DisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MulticastFilterVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.2.1.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.2.1.1.2", "Mode            ", sxInteger, afReadWrite, &MulticastFilterVars_Mode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LimitedMulticastTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.15.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.1.1.2", "Head", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.1.1.3", "Tail", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.1.1.4", "Access", sxInteger, afReadWrite, &LimitedMulticastTableVars_Access},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.1.1.5", "State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.1.1.6", "Delete State", sxInteger, afReadWrite, &LimitedMulticastTableVars_DeleteState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc AddressTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.15.2.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.2.1.2", "Range Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.2.1.3", " Head    ", sxIpAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.15.2.1.4", " Tail    ", sxIpAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MulticastRangeTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.19.1.1.1", "Name", sxDisplayStr, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.19.1.1.2", "Head", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.19.1.1.3", "Tail", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.19.1.1.4", "State", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortInformationTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.2", "Medium Type", sxInteger, afNotAccess, &PortInformationTableVars_MediumType},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.3", "Unit ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.4", "Type", sxInteger, afReadOnly, &PortInformationTableVars_Type},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.5", "Link Status", sxInteger, afReadOnly, &PortInformationTableVars_LinkStatus},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.6", "Nway Status", sxInteger, afReadOnly, &PortInformationTableVars_NwayStatus},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.7", "Error Disable Reason", sxInteger, afReadOnly, &PortInformationTableVars_ErrorDisableReason},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortInformationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.3", "Unit ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.4", "Type", sxInteger, afReadOnly, &PortInformationTableVars_Type},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.5", "Link Status", sxInteger, afReadOnly, &PortInformationTableVars_LinkStatus},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.6", "Nway Status", sxInteger, afReadOnly, &PortInformationTableVars_NwayStatus},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.7", "Error Disable Reason", sxInteger, afReadOnly, &PortInformationTableVars_ErrorDisableReason},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PanelLinkStatusVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.1.1.5", "Link Status", sxInteger, afReadOnly, &PortInformationTableVars_LinkStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortControlTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.1", "Port Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.2", "Medium Type", sxInteger, afNotAccess, &PortInformationTableVars_MediumType},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.3", "Unit Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.4", "Admin State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.5", "Nway State", sxInteger, afReadWrite, &PortControlTableVars_NwayState},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.6", "Flow Control State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.7", "Lock State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.8", "MAC Notify State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.11", "Auto-negotiation Restart", sxInteger, afReadWrite, &PortControlTableVars_AutoNegotiationRestart},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.12", "Auto-negotiation Cappabilities Advertised Bits", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortConfigurationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.3", "Unit Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.4", "Admin State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.5", "Nway State", sxInteger, afReadWrite, &PortControlTableVars_NwayState},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.6", "Flow Control State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.7", "Lock State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.8", "MAC Notify State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.11", "Auto-negotiation Restart", sxInteger, afReadWrite, &PortControlTableVars_AutoNegotiationRestart},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.2.1.12", "Auto-negotiation Cappabilities Advertised Bits", sxOctetStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc JumboFrameControlVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.3.3", "Frame", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.3.4", "Frame Max Size", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortTrunkVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.9.3.1.1", "Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.3.1.3", "Master Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.3.1.4", "Member Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.3.1.5", "Flooding Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.3.1.6", "Trunk Type", sxInteger, afReadWrite, &PortTrunkVars_TrunkType},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.3.1.7", "Trunk State", sxInteger, afReadWrite, &PortTrunkVars_TrunkState},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.3.1.8", "Active Ports", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LACPPortTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.9.5.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.5.1.2", "State", sxInteger, afReadWrite, &LACPPortTableVars_State},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TrunkBasicInformationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.9.1", "Max Supported Entries", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.2", "Current Entries Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.4", "Algorithm", sxInteger, afReadWrite, &TrunkBasicInformationVars_Algorithm},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPSnoopingControlTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.1", "Control VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.2", "Query Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.3", "Max Response Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.4", "Robustness", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.5", "Last Member Query Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.6", "Host Timeout", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.7", "Route Timeout", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.8", "Leave Timer", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.9", "Query State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.10", "Current State", sxInteger, afReadOnly, &IGMPSnoopingControlTableVars_CurrentState},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.11", "Control State", sxInteger, afReadWrite, &IGMPSnoopingControlTableVars_ControlState},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.12", "Fast Leave State", sxInteger, afReadWrite, &IGMPSnoopingControlTableVars_ControlState},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.13", "Query Version", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.15", "Report Suppression", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.16", "Data Driven Learning State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.17", "Data Driven Learning Aged Out State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.3.1.18", "Data Driven Group Expiry Time", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc QueryInformationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.4.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.4.1.2", "Query Count", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.4.1.3", "Send Query Count", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPRouterPortsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.6.1.1", "Ports VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.6.1.2", "Static Port List", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.6.1.3", "Dynamic Port List", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.6.1.4", "Forbidden Port List", sxBitStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPSnoopingInformationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.5.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.5.1.2", "Group IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.5.1.3", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.5.1.4", "Port Map", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.5.1.5", "IP Group Report Count", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ISMVLANVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.2", "VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.3", "Source Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.4", "Member Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.5", "Tag Member Port", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.6", "VLAN State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.7", "Replace Source IP", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.9", "Remove All Added Lists", sxInteger, afReadWrite, &OtherStart},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.8", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.10", "Untag Source Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.11", "Remap Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.7.1.12", "Replace Priority", sxInteger, afReadWrite, &TruthValue},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MulticastVLANGroupTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.2", "From IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.3", "To IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.8.1.4", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPSnoopingGroupVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.11.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.11.1.2", "Group Addres", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.11.1.3", "Source Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.11.1.4", "Include Port Map", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.11.1.5", "Exclude Port Map", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPSnoopingDataDrivenLearingGroupVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.20.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.20.1.2", "Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.20.1.3", "Router Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.20.1.100", "Clear Group", sxInteger, afReadWrite, &IGMPSnoopingDataDrivenLearingGroupVars_ClearGroup},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IGMPSnoopingStaticGroupVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.11.16.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.16.1.2", "IP Address", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.16.1.3", "Member Port List", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.11.16.1.4", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc TrafficSegmentationVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.14.1.1.1", "Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.14.1.1.2", "Forward Ports", sxBitStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortSecurityTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.7.1.1.1", "Port Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.7.1.1.2", "Max Learn Address", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.7.1.1.3", "Security Mode", sxInteger, afReadWrite, &PortSecurityTableVars_SecurityMode},
    {"1.3.6.1.4.1.32473.11.70.1.2.7.1.1.4", "Admin State", sxInteger, afReadWrite, &PortSecurityTableVars_AdminState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PrtSecDelCtrlVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.7.2.1", "Delete VLAN Name", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.7.2.2", "Delete Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.7.2.3", "Delete MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.7.2.4", "Delete Activity", sxInteger, afReadWrite, &NoneStart},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VlanVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.1", "VLAN Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.2", "VLAN Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.3", "VLAN Type", sxInteger, afReadOnly, &VlanVars_VLANType},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.4", "Member Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.5", "Static Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.6", "Static Tagged Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.7", "Static Untagged Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.8", "Forbidden Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.9", "Current Tagged Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.10", "Current Untagged Ports", sxBitStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.17.1.1.11", "Advertisement State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PVIDAutoAssignmentStateVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.17.2", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LoopbackDetectionGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.18.1.1", "Admin State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.18.1.2", "Interval", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.18.1.3", "Recover Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.18.1.4", "Mode", sxInteger, afReadWrite, &LoopbackDetectionGlobalSettingsVars_Mode},
    {"1.3.6.1.4.1.32473.11.70.1.2.18.1.5", "Trap Mode", sxInteger, afReadWrite, &LoopbackDetectionGlobalSettingsVars_TrapMode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PortManagementVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.18.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.18.2.1.1.2", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.18.2.1.1.3", "VLAN", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.18.2.1.1.4", "Status", sxInteger, afReadOnly, &PortManagementVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalRelayManagementGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.24.1", "State", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LocalRelayManagementVLANTableVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.24.2.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.24.2.1.2", "State      ", sxInteger, afReadWrite, &OtherDisabledEnabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc CoSBrandwidthctrlVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.6.7.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.7.1.2", "Class ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.7.1.3", "Min Rate", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.6.7.1.4", "Max Rate", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc MirrorGroupVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.10.5.1.1", "Group ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.10.5.1.2", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.11.70.1.2.10.5.1.3", "State", sxInteger, afReadWrite, &DisabledEnabled},
    {"1.3.6.1.4.1.32473.11.70.1.2.10.5.1.4", "Target Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.10.5.1.5", "Ingress Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.10.5.1.6", "Engress Ports", sxBitStr, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VLANTrunkVars1[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.9.6.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.11.70.1.2.9.6.1.2", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VLANTrunkVars2[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.2.22", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc NLBUnicastFDBVars[] = {
    {"1.3.6.1.4.1.32473.12.77.3.2.1.1", "VLAN Index", sxGauge, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.2", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.3", "Egress Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.77.3.2.1.4", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ZEMTSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.87.1.1.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.2", "Admin State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.3", "Operation Status", sxInteger, afReadOnly, &ZEMTSettingsVars_OperationStatus},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.4", "Mode", sxInteger, afReadWrite, &ZEMTSettingsVars_Mode},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.5", "Discovery Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.87.1.1.1.6", "Link Status", sxInteger, afReadOnly, &ZEMTSettingsVars_LinkStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ERPSGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.78.1.1", "Admin State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.78.1.2", "Trap State", sxInteger, afReadWrite, &EnabledDisabled},
    // Own column for the log state: sharing .2 would write the trap state twice.
    {"1.3.6.1.4.1.32473.12.78.1.3", "Log State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ERPSVLANTableVars[] = {
    {"1.3.6.1.4.1.32473.12.78.3.1.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.2", "West Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.3", "West Port State", sxInteger, afReadOnly, &ERPSVLANTableVars_WestPortState},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.4", "East Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.5", "Port State", sxInteger, afReadOnly, &ERPSVLANTableVars_WestPortState},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.6", "RPL Port", sxInteger, afReadWrite, &ERPSVLANTableVars_RPLPort},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.7", "RPL Owner", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.8", "Protection VLAN", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.9", "Ring MEL", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.10", "Holdoff Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.11", "Guard Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.12", "WTR Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.13", "Ring State", sxInteger, afReadOnly, &ERPSVLANTableVars_RingState},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.14", "Ring AdminState", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.15", "RPL Owner Operation Status", sxInteger, afReadOnly, &ERPSVLANTableVars_RPLOwnerOperationStatus},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.16", "Protection VLAN Range List 1-64", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.17", "Protection VLAN Range List 65-128", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.18", "Protection VLAN Range List 129-192", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.19", "Protection VLAN Range List 193-256", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.20", "Protection VLAN Range List 257-320", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.21", "Protection VLAN Range List 321-384", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.22", "Protection VLAN Range List 385-448", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.23", "Protection VLAN Range List 449-512", sxBitList, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.78.3.1.1.100", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BPDUProtectionGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.76.1.1", "Administration State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.76.1.2", "Recovery Time", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.76.1.3", "Trap Mode", sxInteger, afReadWrite, &BPDUProtectionGlobalSettingsVars_TrapMode},
    {"1.3.6.1.4.1.32473.12.76.1.4", "Log Mode", sxInteger, afReadWrite, &BPDUProtectionGlobalSettingsVars_TrapMode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BPDUProtectionPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.76.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.2", "State ", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.3", "Mode ", sxInteger, afReadWrite, &BPDUProtectionPortTableVars_Mode},
    {"1.3.6.1.4.1.32473.12.76.3.1.1.4", "Status  ", sxInteger, afReadOnly, &BPDUProtectionPortTableVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ARPSpoofingPreventMgmtVars[] = {
    {"1.3.6.1.4.1.32473.12.62.3.1.1.1", "Gateway IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.2", "MAC", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.3", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.62.3.1.1.4", "Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UnicastForwardingInformationVars[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", sxInteger, afReadOnly, &UnicastForwardingInformationVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc STPPortTableVars[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", sxInteger, afReadOnly, &STPPortTableVars_Status},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.17.2.15.1.5", "Path Cost", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.6", "Designated Root", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.7", "Designated Cost", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.8", "Designated Bridge", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.9", "Designated Port", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.2.15.1.10", "Forward Transitions", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc N8021DInformationVars[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc IfXTableVars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Interface Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Send", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Send", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.6", "High Capability Octets Received", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.7", "High Capability Unicast Packets Received", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.8", "High Capability Multicast Packets Received", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.9", "High Capability Broadcast Packets Received", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.10", "High Capability Octets Send", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.11", "High Capability Unicast Packets Send", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.12", "High Capability Multicast Packets Send", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.13", "High Capability Broadcast Packets Send", sxCounter64, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up/Down Trap State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", sxGauge, afReadOnly, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", sxInteger, afReadOnly, &IfXTableVars_PromiscuousMode},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", sxInteger, afReadOnly, &TruthValue},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", sxTimeTicks, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc dot3ControlVars1[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", sxBitStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc dot3ControlVars2[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc dot3PauseVars1[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", sxInteger, afReadWrite, &dot3PauseVars1_AdminMode},
    {"1.3.6.1.2.1.10.7.10.1.2", "Operation Mode", sxInteger, afReadOnly, &dot3PauseVars1_OperationMode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc dot3PauseVars2[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", sxCounter, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc Dot3StatisticsTableVars[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.2", "Alignment Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.3", "FCS Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.4", "Single Collision Frames", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.5", "Multiple Collision Frames", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.6", "SQE Test Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.7", "Deferred Transmissions", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.8", "Late Collisions", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.9", "Excessive Collisions", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.10", "Internal MAC Transmit Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.11", "Carrier Sense Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.13", "Frame Too Longs", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.16", "Internal MAC Receive Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.17", "Ether ChipSet", sxObjectId, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.18", "Symbol Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.10.7.2.1.19", "Duplex Status", sxInteger, afReadOnly, &Dot3StatisticsTableVars_DuplexStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BPDUTunnelingSettingsGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.60.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BPDUTunnelingSettingsInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.60.2.1", "STP Multicast Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.60.2.2", "GVRP Multicast Address", sxMacAddress, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc BPDUTunnelingSettingsPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.60.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.2", "Port Type", sxInteger, afReadWrite, &BPDUTunnelingSettingsPortTableVars_PortType},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.3", "STP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.60.3.1.1.4", "GVRP State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilterDHCPPermitVars[] = {
    {"1.3.6.1.4.1.32473.12.37.1.1.1.1", "Server IP", sxIpAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.2", "Client MAC", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.3", "Ports", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.1.1.4", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc DHCPServerFilterPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.37.1.2.1.1", "DHCP Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.1.2.1.2", "DHCP Port State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc LogManagementVars[] = {
    {"1.3.6.1.4.1.32473.12.37.1.3", "DHCP Server Illegal Server Log Suppress Duration", sxInteger, afReadWrite, &LogManagementVars_DHCPServerIllegalServerLogSuppressDuration},
    {"1.3.6.1.4.1.32473.12.37.1.4", "DHCP Server Trap Log State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilterNetBIOSTableVars[] = {
    {"1.3.6.1.4.1.32473.12.37.2.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.2.1.1.2", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilterExtensiveNetBIOSTableVars[] = {
    {"1.3.6.1.4.1.32473.12.37.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.3.1.1.2", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FilterLayer3ControlPacketTableVars[] = {
    {"1.3.6.1.4.1.32473.12.37.4.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.2", "RIP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.3", "OSPF State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.4", "VRRP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.5", "PIM State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.6", "DVMRP State", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.37.4.1.1.7", "Query State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc QInQGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.57.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc QInQPortTableVars[] = {
    {"1.3.6.1.4.1.32473.12.57.3.1.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.2", "Role", sxInteger, afReadWrite, &QInQPortTableVars_Role},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.3", "Miss Drop", sxInteger, afReadWrite, &EnabledDisabled},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.4", "TPID", sxOctetStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.5", "Use Inner Priority", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc QInQPortRuleTableVars[] = {
    {"1.3.6.1.4.1.32473.12.57.3.2.1.1", "Port Rule Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.2.1.2", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.2.1.3", "Port Rule Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc VLANTranslationTableVars[] = {
    {"1.3.6.1.4.1.32473.12.57.3.3.1.1", "Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.2", "CVID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.3", "SVID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.4", "SVID Operation", sxInteger, afReadWrite, &VLANTranslationTableVars_SVIDOperation},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.5", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.3.3.1.6", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc QInQProfileTableVars[] = {
    {"1.3.6.1.4.1.32473.12.57.4.1.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.1.1.2", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc QInQRuleTableVars[] = {
    {"1.3.6.1.4.1.32473.12.57.4.2.1.1", "Profile ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.2", "Access ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.3", "Classify Source MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.4", "Classify Source MAC Address Mask", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.5", "Classify Destination MAC Address", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.6", "Classify Destination MAC Address Mask", sxMacAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.7", "Source IPv4 Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.8", "Source IPv4 Address Mask", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.9", "Destination IPv4 Address", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.10", "Destination IPv4 Address Mask", sxIpAddress, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.11", "Inner VLAN ID", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.12", "Outer VLAN ID", sxDisplayStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.13", "802.1p", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.14", "IP Protocol", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.15", "Source Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.16", "Destination Port", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.17", "SPVID Operation", sxInteger, afReadWrite, &VLANTranslationTableVars_SVIDOperation},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.18", "SPVID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.19", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.57.4.2.1.20", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RSPANGlobalSettingsVars[] = {
    {"1.3.6.1.4.1.32473.12.68.1.1", "State", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RSPANInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.68.2.1", "Max Supported Entry", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.68.2.2", "Current Number of Entries", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc RSPANVars[] = {
    {"1.3.6.1.4.1.32473.12.68.3.1.1.1", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.2", "Source Ingress", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.3", "Source Egress", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.4", "Redirect", sxBitStr, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.5", "Row Status", sxInteger, afReadWrite, &RowStatus},
    {"1.3.6.1.4.1.32473.12.68.3.1.1.6", "Mirror Group ID", sxInteger, afReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc StaticMACBasedVLANVars[] = {
    {"1.3.6.1.4.1.32473.12.56.3.2.1.1", "MAC Address", sxMacAddress, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.2", "VLAN ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.3", "Type", sxInteger, afReadOnly, &StaticMACBasedVLANVars_Type},
    {"1.3.6.1.4.1.32473.12.56.3.2.1.4", "Status", sxInteger, afReadWrite, &RowStatus},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ProtocolVLANGroupVars[] = {
    {"1.3.6.1.2.1.17.7.1.5.1.1.1", "Template Frame Type", sxInteger, afNotAccess, &ProtocolVLANGroupVars_TemplateFrameType},
    {"1.3.6.1.2.1.17.7.1.5.1.1.2", "Template Protocol Value", sxOctetStr, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.3", "Group ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.1.1.4", "Row Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc ProtocolVLANPortTableVars[] = {
    // An empty Oid marks the key column too; only a null Oid ends the table.
    {"", "Port", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VLAN ID", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", sxInteger, afReadWrite, &ActiveCreateDestroy},
    {nullptr, nullptr, 0, 0, nullptr},
};
