// The "Configuration" menu: device, equipment and agent management, system log, time, RCP, the
// standard MIB areas, the file system and the panel refresh.
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"DeviceInformation1Click", {"Device Information: ", DeviceInformationVars, SVT_SV, 0}, {}},
    {"DevicemoduleInformation1Click", {"Device Module Information: ", DeviceModuleInformationVars, MVT_FMV, 2}, {.Height450 = true}},
    {"AlarmControl1Click", {"Alarm Control: ", AlarmControlVars, SVT_SV, 0}, {}},
    {"Unitinformation1Click", {"Unit Information: ", UnitInformationVars, SVT_SV, 0}, {}},
    {"UnitTable1Click", {"Unit Table: ", UnitTableVars, MVT_FMV, 1}, {.Height450 = true}},
    {"PowerTable1Click", {"Power Table: ", EquipmentManagementPowerTableVars, MVT_FMV, 1}, {.Height450 = true}},
    {"FanTable1Click", {"Fan Table: ", FanTableVars, MVT_FMV, 2}, {.Height450 = true}},
    {"BasicInfo1Click", {"Basic Information: ", AgentManagementBasicInformationVars, SVT_SV, 0}, {}},
    {"BasicConfigure1Click", {"Basic Configuration: ", AgentManagementBasicConfigurationVars, SVT_SV, 0}, {}},
    {"MibCapabilities1Click", {"MIB Capabilities: ", MIBCapabilitiesVars, MVT_FMV, 1}, {.Height450 = true, .WidthPlus = 100}},
    {"CpuUtilization1Click", {"CPU Utilization Table: ", CPUUtilizationVars, SVT_SV, 0}, {}},
    {"DRAMUili1Click", {"DRAM Utilization Table: ", DRAMUtilizationVars, MVT_FMV, 1}, {.Height = 300}},
    {"FLASHUtilization1Click", {"Flash Utilization Table: ", FlashUtilizationVars, MVT_FMV, 1}, {.Height = 300}},
    {"PortUlitization1Click", {"Port Utilization Table: ", PortUtilizationVars, MVT_FMV, 1}, {.Height = 450}},
    {"IPProtoConfigure1Click", {"IP Protocol Configuration: ", IPProtocolConfigurationVars, SVT_SV, 0}, {}},
    {"GeneralInformation3Click", {"Multiple Image Management General Information: ", MultipleImageManagementGeneralInformationVars, MVT_FMV, 1}, {}},
    {"MultipleImageControl1Click", {"Multiple Image Settings: ", MultipleImageManagementSettingsVars, MVT_FMV, 1}, {}},
    {"GeneralInformation2Click", {"Multiple Configuration General Information: ", MultipleConfigurationManagementGeneralInformationVars, SVT_SV, 0}, {}},
    {"MultipleConfigInformation1Click", {"Multiple Configuration Information Table: ", MultipleConfigInformationVars, MVT_UMV, 1}, {.Height450 = true}},
    {"AgentSuportedUpdateFiles1Click", {"Agent File Table: ", AgentManagementFileTableVars, MVT_UMV, 1}, {.MayBeEmpty = {12}}},
    {"SeverityControlManagement1Click", {"Severity Control Management: ", SeverityControlManagementVars, SVT_SV, 0}, {}},
    {"DeleteAll1Click", {"Delete All Trusted Hosts: ", DeleteAllTrustedHostsVars, SVT_SV, 0}, {}},
    {"AgentSupportedConfigFiles1Click", {"Agent Files System Support Configuration Files: ", SupportedConfigurationFilesVars, SVT_SV, 0}, {}},
    {"MaxConcurrentRequests3Click", {"Ping Max Concurrent Requests: ", PingMaxConcurrentRequestsVars, SVT_SV, 0}, {}},
    {"PingControlTable2Click", {"Ping Control Table: ", PingControlTableVars, MVT_UMV, 2, 22, "createAndGo", "destroy"}, {}},
    {"PingResultsTable2Click", {"Ping Results Table: ", PingResultsTableVars, MVT_UMV, 2}, {}},
    {"MaxConcurrentRequests4Click", {"Trace Route Max Concurrent Requests: ", TraceRouteMaxConcurrentRequestsVars, SVT_SV, 0}, {}},
    {"ControlTable1Click", {"Trace Route Control Table: ", TraceRouteControlTableVars, MVT_UMV, 2, 26, "createAndGo", "destroy"}, {}},
    {"ResultsTable2Click", {"Trace Route Results Table: ", ResultsTableVars, MVT_UMV, 2}, {}},
    {"HopsTable1Click", {"Trace Route Hops Table: ", HopsTableVars, MVT_UMV, 3}, {}},
    {"ARPManagementInfomation1Click", {"Gratuitous ARP Management Information: ", GratuitousARPManagementInformationVars, SVT_SV, 0}, {}},
    {"ARPTable2Click", {"Gratuitous ARP Management Table: ", GratuitousARPManagementTableVars, MVT_UMV, 1}, {}},
    {"ARPClearAllState1Click", {"Clear All ARP State: ", ClearAllARPVars, SVT_SV, 0}, {}},
    {"FDBClearAllState1Click", {"Clear All FDB: ", ClearAllFDBVars, SVT_SV, 0}, {}},
    {"ClearFDBByPort1Click", {"Clear FDB By Port: ", ClearFDBByPortVars, MVT_UMV, 1}, {}},
    {"ClearFDBByVLAN1Click", {"Clear FDB By VLAN ID: ", ClearFDBByVLANIDVars, MVT_UMV, 1}, {}},
    {"PingTest1Click", {"Ping Test: ", PingTestVars, SVT_SV, 0}, {.HeightPlus = 20}},
    {"SystemLogState1Click", {"System Log Global Settings: ", SystemLogGlobalSettingsVars, SVT_SV, 0}, {.HeightPlus = 20}},
    {"SystemLogClearControl1Click", {"System Log Clear Log: ", ClearLogVars, SVT_SV, 0}, {}},
    {"SystemLogClearDangerousLog1Click", {"System Log Clear Dangerous Log: ", ClearDangerousLogVars, SVT_SV, 0}, {}},
    {"SourceIPIF1Click", {"Source IP Interface Settings: ", SourceIPInterfaceSettingsVars, MVT_UMV, 1, 1, "createAndGo", "destroy"}, {}},
    {"CurrentTime1Click", {"System Time: ", SystemTimeVars, SVT_SV, 0}, {}},
    {"NetworkTime1Click", {"Network Time: ", NetworkTimeVars, SVT_SV, 0}, {}},
    {"FileTable1Click", {"RCP File Table: ", RCPFileTableVars, MVT_UMV, 1}, {.Timeout = 1000, .MayBeEmpty = {3, 5}}},
    {"FileSystemTable1Click", {"RCP File System Table: ", RCPFileSystemTableVars, MVT_UMV, 1}, {.Timeout = 1000, .MayBeEmpty = {3, 5}}},
    {"ServerConfigurationTable1Click", {"RCP Server Configuration Table: ", ServerConfigurationTableVars, MVT_FMV, 1}, {.Timeout = 600, .MayBeEmpty = {3, 2}}},
    {"IFXTable1Click", {"IfX Table: ", IfXTableVars, MVT_UMV, 1}, {.Height = 450, .Version2c = true}},
    {"SNMPCounters1Click", {"SNMP Counters: ", SNMPCountersVars, SVT_SV, 0}, {}},
    {"dot3Statistics1Click", {"Dot3 Statistics Table: ", Dot3StatisticsTableVars, MVT_FMV, 1}, {}},
    {"MediaInformation1Click", {"File System Drive Information: ", DriveInformationVars, MVT_FMV, 1}, {}},
    {"DriveChangeControl1Click", {"File System Drive Change Control: ", DriveChangeControlVars, SVT_SV, 0}, {}},
    {"DriveInfoStack1Click", {"File System Drive Information Stack: ", DriveInformationStackVars, MVT_FMV, 2}, {.Height450 = true, .WidthPlus = 100}},
    {"DirectoryInformation1Click", {"File System Directory Information: ", DirectoryInformationVars, MVT_FMV, 1}, {}},
    {"FileRename1Click", {"File System File Rename: ", FileRenameVars, SVT_SV, 0}, {}},
    {"FileDelete1Click", {"File System Delete File: ", FileDeleteVars, SVT_SV, 0}, {.Timeout = 700}},
    {"FSCopyControl1Click", {"File System Copy Control: ", CopyControlVars, SVT_SV, 0}, {.Timeout = 500}},
};

const TMenuDialog Dialogs[] = {
    {"Test1Click", "TEquipmentBasicInfoForm", TDialogOwner::MainWindow, "Equipment Management Basic Information: "},
    {"MultipleConfigControl1Click", "TMultipleConfigControlForm", TDialogOwner::Application,
     "Multiple Configuration Settings: "},
    {"TrustHostTable1Click", "THostTableForm", TDialogOwner::MainWindow, "Trusted Host Table: "},
    {"SystemLogServerTable1Click", "TSystemLogHostForm", TDialogOwner::MainWindow, "System Log Server Table: "},
    {"SystemLogSaveControl1Click", "TLogSaveControlForm", TDialogOwner::Application, "System Log Save Settings: "},
    {"Time1Click", "TCurrentTimeForm", TDialogOwner::Application, "Current Time: "},
    {"SummerTime1Click", "TSummerTimeForm", TDialogOwner::Application, "Summer Time: ", false},
    {"TimeRange1Click", "TTimeRangeForm", TDialogOwner::Application, "Time Range: "},
    {"dot3ControlTable1Click", "Tdot3ControlForm", TDialogOwner::Application, "Dot3 Control Table: "},
    {"dot3PauseTable1Click", "Tdot3PauseForm", TDialogOwner::Application, "Dot3 Pause Table: "},
};

const TMenuViewer Viewers[] = {
    {"Information3Click", "/TMIB_Info"},         {"GeneralTable1Click", "/TIFMib_LastChangeTable"},
    {"IfTable1Click", "/TMIB_IFTable"},          {"IFCounter1Click", "/TMIB_IFCounters"},
    {"IPTable1Click", "/TMIB_IPTable"},          {"IPCounters1Click", "/TMIB_IPCounters"},
    {"IPRouting1Click", "/TMIB_IPRouting"},      {"IPAddressTable1Click", "/TMIB_IPAddress"},
    {"ICMPCounters1Click", "/TMIB_ICMPCounters"}, {"UDPCounters1Click", "/TMIB_UDPCounters"},
    {"ARPTable1Click", "/TMIB_ARP"},
};

}  // namespace

std::span<const TMenuPage> ConfigurationMenuPages() { return Pages; }

void AddConfigurationMenuHandlers(TMenuHandlers& handlers) {
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
    AddViewers(handlers, Viewers);
    handlers.push_back({"RefreshPanel1Click", [](TMainForm& form) { form.RefreshPanel1Click(); }});
    // The file-system pages of the agent that this family does not have.
    AddEmpty(handlers, {"AgnetFileSytemSaveControl1Click", "AgentFileSysstemTable1Click"});
}
