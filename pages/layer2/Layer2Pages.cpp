#include "Layer2Pages.h"

#include "AggregatorPortTableFormUnit.h"
#include "COSBrandctrltable.h"
#include "DVStateUnit.h"
#include "DedicatedPage.h"
#include "DoubleVLANUnit.h"
#include "GuestVlanFormUnit.h"
#include "IGMPForwordingUnit.h"
#include "IGMPRouterPortsUnit.h"
#include "IGMPSnoopingGroupUnit.h"
#include "IGMPSnoopingDataDrivenLearningGroupUnit.h"
#include "IGMPSnoopingStaticGroupUnit.h"
#include "IPMcastVLANRepDstFormUnit.h"
#include "ISMVLANFormUnit.h"
#include "LLDPConfigProtocolFormUnit.h"
#include "LLDPConfigProtocolVLANFormUnit.h"
#include "LLDPConfigVLANNameFormUnit.h"
#include "LLDPDot3PortConfigFormUnit.h"
#include "LLDPLocSysDataFormUnit.h"
#include "LLDPPortConfigFormUnit.h"
#include "LLDPRemoteFormUnit.h"
#include "MLDSnoopingDataDrivenLearningGroupUnit.h"
#include "MLD_SnoopingGroupUnit.h"
#include "MLD_SnoopingRouterPortsUnit.h"
#include "MSTPPortStateFormUnit.h"
#include "MirrorgroupFormunit.h"
#include "MulticastFilterInformationFormUnit.h"
#include "MulticastForwardingInformationFormUnit.h"
#include "MultipAuthGuestVlanFormUnit.h"
#include "NLBMulticastFDBFormUnit.h"
#include "PBridgeConfigFormUnit.h"
#include "PacketStormControlFormUnit.h"
#include "PortTrunk.h"
#include "ProtcolVlanUnit.h"
#include "ProtocolVLANUnit.h"
#include "RSPANFFormUnit.h"
#include "STPInfo.h"
#include "SpanningTreeAlgorithmUnit.h"
#include "TpGroupDestinationForwardedFormUnit.h"
#include "TrafficForwardUnit1.h"
#include "UnicastFilterInformationFormUnit.h"
#include "UserPrioritiesFormUnit.h"
#include "VLANFormUnit.h"
#include "VLanCurrentTableFormUnit.h"
#include "VLanGeneralInfoUnit.h"
#include "VLanPortInfomationUnit.h"
#include "VlanStaticFormUnit.h"
#include "dot3ControlFormUnit.h"
#include "dot3PauseFormUnit.h"

void RegisterLayer2Pages() {
    RegisterPage<TVlanStaticForm>("TVlanStaticForm");
    RegisterPage<TVlanForm>("TVlanForm");
    RegisterPage<TVLanCurrentTableForm>("TVLanCurrentTableForm");
    RegisterPage<TVLanGeneralInfoForm>("TVLanGeneralInfoForm");
    RegisterPage<TVLanPortInfomationForm>("TVLanPortInfomationForm");
    RegisterPage<TProtocolVlanForm>("TProtocolVlanForm");
    RegisterPage<TProtocolVLANGroupForm>("TProtocolVLANGroupForm");
    RegisterPage<TSTP_Info>("TSTP_Info");
    RegisterPage<TSpanningTreeAlgorithmForm>("TSpanningTreeAlgorithmForm");
    RegisterPage<TDVStateForm>("TDVStateForm");
    RegisterPage<TMSTPPortStateForm>("TMSTPPortStateForm");
    RegisterPage<TDoubleVLANForm>("TDoubleVLANForm");
    RegisterPage<TGuestVlanForm>("TGuestVlanForm");
    RegisterPage<TMultpAuthGuestVlanForm>("TMultpAuthGuestVlanForm");
    RegisterPage<TUnicastFilterInformationForm>("TUnicastFilterInformationForm");
    RegisterPage<TMulticastFilterInformationForm>("TMulticastFilterInformationForm");
    RegisterPage<TNLBUnicastFDBForm>("TNLBUnicastFDBForm");
    RegisterPage<TMirrorGroupForm>("TMirrorGroupForm");
    RegisterPage<TRSPANForm>("TRSPANForm");
    RegisterPage<TMulticastForwardingInformationForm>("TMulticastForwardingInformationForm");
    RegisterPage<TTpGroupDestinationForwardedForm>("TTpGroupDestinationForwardedForm");
    RegisterPage<Tdot3ControlForm>("Tdot3ControlForm");
    RegisterPage<Tdot3PauseForm>("Tdot3PauseForm");
    RegisterPage<TCoSBrandwidthctrlForm>("TCoSBrandwidthctrlForm");
    RegisterPage<TPacketStormControlForm>("TPacketStormControlForm");
    RegisterPage<TTrafficSegmentationForm>("TTrafficSegmentationForm");
    RegisterPage<TUserPrioritiesForm>("TUserPrioritiesForm");
    RegisterPage<TPBridgeConfigForm>("TPBridgeConfigForm");
    RegisterPage<TLLDPPortConfigForm>("TLLDPPortConfigForm");
    RegisterPage<TLLDPDot3PortConfigForm>("TLLDPDot3PortConfigForm");
    RegisterPage<TLLDPConfigProtocolForm>("TLLDPConfigProtocolForm");
    RegisterPage<TLLDPConfigProtocolVLANForm>("TLLDPConfigProtocolVLANForm");
    RegisterPage<TLLDPConfigVLANNameForm>("TLLDPConfigVLANNameForm");
    RegisterPage<TLLDPLocSysDataForm>("TLLDPLocSysDataForm");
    RegisterPage<TLLDPRemoteForm>("TLLDPRemoteForm");
    RegisterPage<TIPMcastVLANRepDstForm>("TIPMcastVLANRepDstForm");
    RegisterPage<TISMVLANForm>("TISMVLANForm");
    RegisterPage<TIGMPSnoopingStaticGroupForm>("TIGMPSnoopingStaticGroupForm");
    RegisterPage<TIGMPSnoopingDataDrivenLearingGroupForm>("TIGMPSnoopingDataDrivenLearingGroupForm");
    RegisterPage<TMLDSnoopingDataDrivenLearingGroupForm>("TMLDSnoopingDataDrivenLearingGroupForm");
    RegisterPage<TIGMPSnoopingGroupForm>("TIGMPSnoopingGroupForm");
    RegisterPage<TMLD_SnoopingGroupForm>("TMLD_SnoopingGroupForm");
    RegisterPage<TIGMPRouterPortsForm>("TIGMPRouterPortsForm");
    RegisterPage<TMLD_SnoopingRouterPortsForm>("TMLD_SnoopingRouterPortsForm");
    RegisterPage<TPortTrunkForm>("TPortTrunkForm");
    RegisterPage<TAggregatorPortTableForm>("TAggregatorPortTableForm");
    RegisterPage<TIGMPForwordingForm>("TIGMPForwordingForm");
}
