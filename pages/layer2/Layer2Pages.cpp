#include "Layer2Pages.h"

#include "DedicatedPage.h"
#include "ProtcolVlanUnit.h"
#include "ProtocolVLANUnit.h"
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
}
