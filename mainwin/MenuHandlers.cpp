#include "MenuHandlers.h"

#include "KySNMPTarget.h"
#include "MainUnit.h"
#include "ViewerLaunch.h"

#include <algorithm>
#include <stdexcept>

namespace {

template <class Handlers>
auto* FindRun(Handlers& handlers, std::string_view name) {
    const auto it = std::find_if(handlers.begin(), handlers.end(), [&](const TMenuHandler& h) { return h.Name == name; });
    return it == handlers.end() ? nullptr : &it->Run;
}

const TMenuHandlers& AllHandlers() {
    static const TMenuHandlers handlers = [] {
        TMenuHandlers all;
        AddConfigurationMenuHandlers(all);
        AddRmonMenuHandlers(all);
        AddSingleIpMenuHandlers(all);
        AddSFlowMenuHandlers(all);
        AddHelpMenuHandlers(all);
        AddVlanMenuHandlers(all);
        AddBridgeMenuHandlers(all);
        AddSnmpV3MenuHandlers(all);
        AddSecurityAuthMenuHandlers(all);
        AddSecurityProtectionMenuHandlers(all);
        AddLayer2PortsMenuHandlers(all);
        AddLayer2AclMenuHandlers(all);
        AddLayer2RingMenuHandlers(all);
        AddLayer3MenuHandlers(all);
        AddLayer3RoutingMenuHandlers(all);
        return all;
    }();
    return handlers;
}

}  // namespace

const TMenuHandlerFn* FindMenuHandler(std::string_view name) { return FindRun(AllHandlers(), name); }

TMenuHandlerFn& RunOf(TMenuHandlers& handlers, std::string_view name) {
    TMenuHandlerFn* run = FindRun(handlers, name);
    if (!run) throw std::logic_error("No menu handler " + std::string(name));
    return *run;
}

void AddPages(TMenuHandlers& handlers, std::span<const TMenuPage> pages) {
    for (const TMenuPage& page : pages)
        handlers.push_back({page.Handler, [&page](TMainForm& form) { OpenMenuPage(form, page.Page, page.Tweaks); }});
}

void AddTabbedPages(TMenuHandlers& handlers, std::span<const TMenuTabbedPage> pages) {
    for (const TMenuTabbedPage& page : pages)
        handlers.push_back({page.Handler, [&page](TMainForm& form) { BuildTabbedPage(form, page)->exec(); }});
}

void AddDialogs(TMenuHandlers& handlers, std::span<const TMenuDialog> dialogs) {
    for (const TMenuDialog& dialog : dialogs)
        handlers.push_back({dialog.Handler, [&dialog](TMainForm& form) { OpenMenuDialog(form, dialog); }});
}

void AddViewers(TMenuHandlers& handlers, std::span<const TMenuViewer> viewers) {
    for (const TMenuViewer& viewer : viewers)
        handlers.push_back({viewer.Handler, [argument = viewer.PageArgument](TMainForm& form) {
                                LaunchViewer(form.LaunchParameters, DefaultSNMPSecurity.Version == 3, argument);
                            }});
}

void AddEmpty(TMenuHandlers& handlers, std::initializer_list<const char*> names) {
    for (const char* name : names) handlers.push_back({name, [](TMainForm&) {}});
}
