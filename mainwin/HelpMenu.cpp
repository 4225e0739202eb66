// The "Help" menu: the help file and the About dialog.
#include "MenuHandlers.h"
#include "ViewerLaunch.h"

namespace {

// The About dialog captions itself.
const TMenuDialog Dialogs[] = {
    {"About1Click", "TAboutForm", TDialogOwner::Application, nullptr},
};

}  // namespace

void AddHelpMenuHandlers(TMenuHandlers& handlers) {
    handlers.push_back({"Help2Click", [](TMainForm&) { OpenHelpFile(); }});
    AddDialogs(handlers, Dialogs);
}
