#include "AdminPages.h"

#include "DedicatedPage.h"
#include "EnableMethodListUnit.h"
#include "Layer2ControlUnit.h"
#include "LoginMethodListUnit.h"
#include "RampartCtrlFormUnit.h"
#include "SSLManagementTable.h"
#include "ServerInfoUnit.h"
#include "TACACSServerControlUnit.h"

void RegisterAdminPages() {
    RegisterPage<TEnableMethodForm>("TEnableMethodForm");
    RegisterPage<TLoginMethodListForm>("TLoginMethodListForm");
    RegisterPage<TServerInformationForm>("TServerInformationForm");
    RegisterPage<TAAASrvCtrlForm>("TAAASrvCtrlForm");
    RegisterPage<TSSLManagementForm>("TSSLManagementForm");
    RegisterPage<TRampartCtrlForm>("TRampartCtrlForm");
    RegisterPage<TLayer2ControlForm>("TLayer2ControlForm");
}
