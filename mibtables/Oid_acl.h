#pragma once

#include "KySNMPVarDesc.h"

// Static variable tables of access profiles and rules, CPU interface filtering (.12.9); profile and rule
// tables of the model (.11.5).
// Each ends with a row whose Oid is null.

extern const KySNMPVarDesc EthernetMaskInformationVars[];
extern const KySNMPVarDesc IPMaskInformationVars[];
extern const KySNMPVarDesc EthernetInformationRuleVars[];
extern const KySNMPVarDesc IPRuleVars[];
extern const KySNMPVarDesc UserDefinedInformationRuleVars[];
extern const KySNMPVarDesc UserMaskInfoVars[];
extern const KySNMPVarDesc IPv6ProfileVars[];
extern const KySNMPVarDesc Ipv6RuleVars[];
extern const KySNMPVarDesc CPUInterfaceFilteringGlobalSettingsVars[];
extern const KySNMPVarDesc EthernetMaskCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc EthernetRuleCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc IPMaskCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc IPRuleCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc PacketContentMaskCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc PacketContentRuleCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc ACLDeleteAllMaskVars[];
extern const KySNMPVarDesc CPUInterfaceFilteringDeleteAllMaskVars[];
extern const KySNMPVarDesc IBPACLEtherMaskVars[];
extern const KySNMPVarDesc IBPIPMaskVars[];
extern const KySNMPVarDesc IBPEtherRuleVars[];
extern const KySNMPVarDesc IBPIPRuleVars[];
extern const KySNMPVarDesc IPv6MaskCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc IPv6RuleCPUInterfaceFilteringVars[];
extern const KySNMPVarDesc PktContentMaskVars[];
extern const KySNMPVarDesc PktContentRuleVars[];
extern const KySNMPVarDesc AclGlobalInformationVars[];
extern const KySNMPVarDesc CounterTableVars[];
extern const KySNMPVarDesc FlowMeterTableVars[];
extern const KySNMPVarDesc FlowMeterInformationVars[];
