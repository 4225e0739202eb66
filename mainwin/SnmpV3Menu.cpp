// The "SNMP v3" menu: engine, users, groups, views, communities and targets.
#include "MenuHandlers.h"
#include "MibTables.h"

namespace {

const TMenuPage Pages[] = {
    {"snmpEngine1Click", {"SNMP Engine: ", SNMPEngineVars, SVT_SV, 0}, {.EditWidthPlus = 30}},
    {"MessageProcessingandDispatching1Click", {"Message Processing And Dispatching: ", MessageProcessingAndDispatchingVars, SVT_SV, 0}, {}},
    {"GeneralInformation1Click", {"General Information: ", SNMPTargetMIBGeneralInformationVars, SVT_SV, 0}, {}},
    {"CommunityTargetAddressTableClick", {"Target Address Table: ", SNMPTargetMIBTargetAddressTableVars, MVT_UMV, 1, 8, "createAndGo", "destroy"}, {.Formats = {{4, "%i{n0x255l3}"}}}},
    {"TargetParameters1Click", {"Target Parameters: ", TargetParametersVars, MVT_UMV, 1, 6, "createAndGo", "destroy"}, {}},
    {"Statistics2Click", {"Statistics: ", UserBasedSecurityModelStatisticsVars, SVT_SV, 0}, {}},
    {"UserTable1Click", {"User Table: ", UserBasedSecurityModelUserTableVars, MVT_UMV, 2, 12, "createAndGo", "destroy"}, {}},
    {"SecurityTable1Click", {"Security Group Table: ", SecurityGroupTableVars, MVT_UMV, 2, 4, "createAndGo", "destroy"}, {}},
    {"AccessTable1Click", {"Access Table: ", AccessTableVars, MVT_UMV, 4, 9, "createAndGo", "destroy"}, {}},
    {"ViewTable1Click", {"View MIB Tree Family Table: ", ViewMIBTreeFamilyTableVars, MVT_UMV, 2, 5, "createAndGo", "destroy"}, {}},
    {"NotifyTable1Click", {"Notify Table: ", NotifyTableVars, MVT_UMV, 1, 4, "createAndGo", "destroy"}, {}},
    {"NotifyFilterProfileTale1Click", {"Notify Filter Profile Table: ", FilterProfileTableVars, MVT_UMV, 1, 3, "createAndGo", "destroy"}, {.Height450 = true}},
    {"NotifyFilterEntryTable1Click", {"Notify Filter Table: ", FilterTableVars, MVT_UMV, 2, 5, "createAndGo", "destroy"}, {}},
    {"CommunityStringTable1Click", {"SNMP Community Table: ", CommunityStringTableVars, MVT_UMV, 1, 7, "createAndGo", "destroy"}, {}},
    {"TargetAddressTable1Click", {"Target Address Table: ", CommunityTargetAddressTableVars, MVT_UMV, 1}, {}},
};

}  // namespace

std::span<const TMenuPage> SnmpV3MenuPages() { return Pages; }

void AddSnmpV3MenuHandlers(TMenuHandlers& handlers) { AddPages(handlers, Pages); }
