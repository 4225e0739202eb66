// The "RMON" menu: the global state and the RMON viewers, which the state enables.
#include "MainUnit.h"
#include "MenuHandlers.h"
#include "MibTables.h"

#include <QDialog>

namespace {

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

void AddRmonMenuHandlers(TMenuHandlers& handlers) {
    handlers.push_back({"RMONSetting1Click", RMONSetting1Click});
    AddViewers(handlers, Viewers);
}
