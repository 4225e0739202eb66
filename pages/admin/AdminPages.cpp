#include "AdminPages.h"

#include "CurrentTime.h"
#include "DedicatedPage.h"
#include "EnableMethodListUnit.h"
#include "EquipmentBasicInfoFormUnit.h"
#include "Layer2ControlUnit.h"
#include "LogSaveControlSetting.h"
#include "LoginMethodListUnit.h"
#include "MultiConfigControlFormUnit.h"
#include "ProbeBasicInformationFormUnit.h"
#include "RampartCtrlFormUnit.h"
#include "SSLManagementTable.h"
#include "SystemLogHostUnit.h"
#include "ServerInfoUnit.h"
#include "TACACSServerControlUnit.h"
#include "about.h"

void RegisterAdminPages() {
    RegisterPage<TEnableMethodForm>("TEnableMethodForm");
    RegisterPage<TLoginMethodListForm>("TLoginMethodListForm");
    RegisterPage<TServerInformationForm>("TServerInformationForm");
    RegisterPage<TAAASrvCtrlForm>("TAAASrvCtrlForm");
    RegisterPage<TSSLManagementForm>("TSSLManagementForm");
    RegisterPage<TRampartCtrlForm>("TRampartCtrlForm");
    RegisterPage<TLayer2ControlForm>("TLayer2ControlForm");
    RegisterPage<TCurrentTimeForm>("TCurrentTimeForm");
    RegisterPage<TLogSaveControlForm>("TLogSaveControlForm");
    RegisterPage<TEquipmentBasicInfoForm>("TEquipmentBasicInfoForm");
    RegisterPage<TProbeBasicInformationForm>("TProbeBasicInformationForm");
    RegisterPage<TSystemLogHostForm>("TSystemLogHostForm");
    RegisterPage<TMultipleConfigControlForm>("TMultipleConfigControlForm");
    RegisterPage<TAboutForm>("TAboutForm");
}
