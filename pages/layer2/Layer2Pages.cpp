#include "Layer2Pages.h"

#include "DVStateUnit.h"
#include "DedicatedPage.h"
#include "DoubleVLANUnit.h"
#include "GuestVlanFormUnit.h"
#include "MSTPPortStateFormUnit.h"
#include "MultipAuthGuestVlanFormUnit.h"
#include "ProtcolVlanUnit.h"
#include "ProtocolVLANUnit.h"
#include "STPInfo.h"
#include "SpanningTreeAlgorithmUnit.h"
#include "VLANFormUnit.h"
#include "VLanCurrentTableFormUnit.h"
#include "VLanGeneralInfoUnit.h"
#include "VLanPortInfomationUnit.h"
#include "VlanStaticFormUnit.h"

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
}
