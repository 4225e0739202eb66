// The "RMON" menu: the global state, the RMON viewers the state enables, and the probe's configuration.
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MibTables.h"

#include <QDialog>

namespace {

const TMenuPage Pages[] = {
    {"NetConfiguration1Click", {"RMON Probe Net Configuration Table: ", NetConfigurationVars, MVT_FMV, 0}, {}},
    {"NetDefaultGateway1Click", {"RMON Probe Net Default Gateway Settings: ", NetDefaultGatewayVars, SVT_SV, 0}, {}},
};

const TMenuDialog Dialogs[] = {
    {"ProbeBasicInformation1Click", "TProbeBasicInformationForm", TDialogOwner::Application, "Probe Basic Information: "},
};

const TMenuViewer Viewers[] = {
    {"Statistics1Click", "/TRmon_Statistics"},
    {"History1Click", "/TRmon_History"},
    {"AlarmEvent1Click", "/TRmon_AlarmEvent"},
};

// The state may change on the page: the viewer items follow it as soon as the page closes.
void RMONSetting1Click(TMainForm& form) {
    TPageTweaks tweaks;
    tweaks.Extra = [&form](TConfigForm& page, TSNMPEditorPanel&) {
        QObject::connect(&page, &QDialog::finished, &form, [&form, &page] { form.RmonSettingsClose(page); });
    };
    OpenMenuPage(form, {"RMON Global Settings: ", RmonStateVars}, tweaks);
}

}  // namespace

std::span<const TMenuPage> RmonMenuPages() { return Pages; }

void AddRmonMenuHandlers(TMenuHandlers& handlers) {
    handlers.push_back({"RMONSetting1Click", RMONSetting1Click});
    AddViewers(handlers, Viewers);
    AddPages(handlers, Pages);
    AddDialogs(handlers, Dialogs);
}
