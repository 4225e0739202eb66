#include "AdminPages.h"

#include "ARPSpoofingPreventMgmtFormUnit.h"
#include "CurrentTime.h"
#include "DDMPages.h"
#include "DedicatedPage.h"
#include "DiagnosticsInformationFormUnit.h"
#include "EnableMethodListUnit.h"
#include "EquipmentBasicInfoFormUnit.h"
#include "HostTableFormUnit.h"
#include "IPMACBindingIPv6FormUnit.h"
#include "Layer2ControlUnit.h"
#include "LogSaveControlSetting.h"
#include "MBAControlUnit.h"
#include "MainUnit.h"
#include "LoginMethodListUnit.h"
#include "MacStatisticTableFormUnit.h"
#include "MultiConfigControlFormUnit.h"
#include "PortSercurityDeleteFormUnit.h"
#include "ProbeBasicInformationFormUnit.h"
#include "RampartCtrlFormUnit.h"
#include "SSLManagementTable.h"
#include "SummerTime.h"
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
    RegisterPage<TSummerTimeForm>("TSummerTimeForm");
    RegisterPage<TCurrentTimeForm>("TCurrentTimeForm");
    RegisterPage<TLogSaveControlForm>("TLogSaveControlForm");
    RegisterPage<TEquipmentBasicInfoForm>("TEquipmentBasicInfoForm");
    RegisterPage<TProbeBasicInformationForm>("TProbeBasicInformationForm");
    RegisterPage<TSystemLogHostForm>("TSystemLogHostForm");
    RegisterPage<TMultipleConfigControlForm>("TMultipleConfigControlForm");
    RegisterPage<TDiagnosticsInformationForm>("TDiagnosticsInformationForm");
    RegisterPage<TMacStatisticTableForm>("TMacStatisticTableForm");
    RegisterPage<TAboutForm>("TAboutForm");
    RegisterPage<TARPSpoofingPreventMgmtForm>("TARPSpoofingPreventMgmtForm");
    RegisterPage<THostTableForm>("THostTableForm");
    RegisterPage<TIPMACBindingForm>("TIPMACBindingForm");
    RegisterPage<TIPMACBindingIPv6Form>("TIPMACBindingIPv6Form");
    RegisterPage<TMBAControlForm>("TMBAControlForm");
    RegisterPage<TPrtSecDelCtrlForm>("TPrtSecDelCtrlForm");
    const auto scale = [] { return MainForm ? double(MainForm->ScaleFactor) : 1.0; };
    RegisterDialogOpener("showDDMSettingsPage", [](QWidget*) { return makeDDMSettingsPage(); });
    RegisterDialogOpener("showDDMStatusTablePage", [scale](QWidget*) { return makeDDMStatusTablePage(scale()); });
    RegisterDialogOpener("showDDMThresholdTablePage", [scale](QWidget*) { return makeDDMThresholdTablePage(scale()); });
    RegisterDialogOpener("showDDMPortTablePage", [scale](QWidget*) { return makeDDMPortTablePage(scale()); });
}
