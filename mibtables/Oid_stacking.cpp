#include "Oid_stacking.h"

#include "KyOptionList.h"
#include "OptionVocabularies.h"

namespace {

constexpr KyOptionItem EquipmentManagementPowerTableVars_StatusItems[] = {
    {0, "other"},
    {1, "lowVoltage"},
    {2, "overCurrent"},
    {3, "working"},
    {4, "fail"},
    {5, "connect"},
    {6, "disconnect"},
    {0, nullptr},
};
constinit const KyOptionList EquipmentManagementPowerTableVars_Status{EquipmentManagementPowerTableVars_StatusItems};

constexpr KyOptionItem FanTableVars_StatusItems[] = {
    {0, "other"},
    {1, "working"},
    {2, "fail"},
    {0, nullptr},
};
constinit const KyOptionList FanTableVars_Status{FanTableVars_StatusItems};

constexpr KyOptionItem EquipmentBasicInfoVars_ModeItems[] = {
    {1, "enabled"},
    {2, "disabled"},
    {3, "other"},
    {0, nullptr},
};
constinit const KyOptionList EquipmentBasicInfoVars_Mode{EquipmentBasicInfoVars_ModeItems};

constexpr KyOptionItem EquipmentBasicInfoVars_TopologyItems[] = {
    {1, "stand-alone"},
    {2, "duplex-chain"},
    {3, "duplex-ring"},
    {4, "star"},
    {5, "unstable"},
    {0, nullptr},
};
constinit const KyOptionList EquipmentBasicInfoVars_Topology{EquipmentBasicInfoVars_TopologyItems};

constexpr KyOptionItem UnitTableVars_CurrentModeItems[] = {
    {1, "other"},
    {2, "auto"},
    {3, "stand-alone"},
    {4, "master"},
    {5, "slave"},
    {6, "backup-master"},
    {0, nullptr},
};
constinit const KyOptionList UnitTableVars_CurrentMode{UnitTableVars_CurrentModeItems};

constexpr KyOptionItem UnitTableVars_UserSetStateItems[] = {
    {1, "other"},
    {2, "auto"},
    {3, "user"},
    {0, nullptr},
};
constinit const KyOptionList UnitTableVars_UserSetState{UnitTableVars_UserSetStateItems};

constexpr KyOptionItem UnitTableVars_ExistStateItems[] = {
    {1, "exist"},
    {2, "no-exist"},
    {0, nullptr},
};
constinit const KyOptionList UnitTableVars_ExistState{UnitTableVars_ExistStateItems};

constexpr KyOptionItem UnitTableVars_BoxIDItems[] = {
    {1, "box-1"},
    {2, "box-2"},
    {3, "box-3"},
    {4, "box-4"},
    {5, "box-5"},
    {6, "box-6"},
    {7, "box-7"},
    {8, "box-8"},
    {9, "box-9"},
    {10, "box-10"},
    {11, "box-11"},
    {12, "box-12"},
    {13, "auto"},
    {0, nullptr},
};
constinit const KyOptionList UnitTableVars_BoxID{UnitTableVars_BoxIDItems};

} // namespace

constinit const KySNMPVarDesc EquipmentManagementPowerTableVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.6.1.1", "Unit Index", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.2", "ID", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.3", "Status", sxInteger, afReadOnly, &EquipmentManagementPowerTableVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc FanTableVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.7.1.1", "Unit Index", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.2", "ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.3", "Status", sxInteger, afReadOnly, &FanTableVars_Status},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc EquipmentBasicInfoVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.1", "Capacity", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.2", "Mode", sxInteger, afReadWrite, &EquipmentBasicInfoVars_Mode},
    {"1.3.6.1.4.1.32473.12.11.1.9.5", "Topology", sxInteger, afReadOnly, &EquipmentBasicInfoVars_Topology},
    {"1.3.6.1.4.1.32473.12.11.1.3", "Force Master Role", sxInteger, afReadWrite, &EquipmentBasicInfoVars_Mode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UnitInformationVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.1", "Stacking Version", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.2", "Max Supported Units", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.3", "Number Of Unit", sxInteger, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc StackModeVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.2", "Mode", sxInteger, afReadWrite, &EquipmentBasicInfoVars_Mode},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc UnitTableVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.1", "Management ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.2", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.3", "Start Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.4", "Port Range", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.7", "Current Mode", sxInteger, afReadOnly, &UnitTableVars_CurrentMode},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.8", "Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.9", "Module Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.10", "Prom Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.11", "Firmware Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.12", "Hardware Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.13", "Priority", sxInteger, afReadWrite, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.14", "User Set State", sxInteger, afReadOnly, &UnitTableVars_UserSetState},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.15", "Exist State", sxInteger, afReadOnly, &UnitTableVars_ExistState},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.16", "Box ID", sxInteger, afReadWrite, &UnitTableVars_BoxID},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc StackUnitTableVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.1", "ID", sxInteger, afNotAccess, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.2", "MAC Address", sxMacAddress, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.3", "Start Port", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.4", "Port Range", sxInteger, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", "Front Panel Led Status", sxOctetStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.7", "Current Mode", sxInteger, afReadOnly, &UnitTableVars_CurrentMode},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.8", "Version", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.9", "Module Name", sxDisplayStr, afReadOnly, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.15", "Exist State", sxInteger, afReadOnly, &UnitTableVars_ExistState},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PanelLedStatusVars[] = {
    {"1.3.6.1.4.1.32473.11.70.1.2.1.1.6", "Management Front Panel Led Status", sxOctetStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc PanelStackLedStatusVars[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.4.1.5", "Management Front Panel Led Status", sxDisplayStr, afReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr},
};

constinit const KySNMPVarDesc SNMPCountersVars[] = {
    {"1.3.6.1.2.1.11.1", "SNMP In Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.2", "SNMP Out Packets", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.3", "SNMP In Bad Versions", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.4", "SNMP In Bad Community Names", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.5", "SNMP In Bad Community Uses", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.6", "SNMP In ASN Parse Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.8", "SNMP In Too Bigs", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.9", "SNMP In No Such Names", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.10", "SNMP In Bad Values", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.11", "SNMP In ReadOnlys", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.12", "SNMP In General Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.13", "SNMP In Total Request Vars", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.14", "SNMP In Total Set Vars", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.15", "SNMP In Get Requests", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.16", "SNMP In Get Nexts", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.17", "SNMP In Set Requests", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.18", "SNMP In Get Responses", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.19", "SNMP In Traps", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.20", "SNMP Out Too Bigs", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.21", "SNMP Out No Such Names", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.22", "SNMP Out Bad Values", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.24", "SNMP Out General Errors", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.25", "SNMP Out Get Requests", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.26", "SNMP Out Get Nexts", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.27", "SNMP Out Set Requests", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.28", "SNMP Out Get Responses", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.29", "SNMP Out Traps", sxCounter, afReadOnly, nullptr},
    {"1.3.6.1.2.1.11.30", "snmp Enable Authentication Traps", sxInteger, afReadWrite, &EnabledDisabled},
    {nullptr, nullptr, 0, 0, nullptr},
};
