#pragma once

#include "DialogOpeners.h"
#include "MenuPages.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TMainForm;

// The click handler of a menu item, by the name the menu table gives it.
using TMenuHandlerFn = std::function<void(TMainForm&)>;
struct TMenuHandler {
    std::string Name;
    TMenuHandlerFn Run;
};
using TMenuHandlers = std::vector<TMenuHandler>;

// A viewer item: its handler and the page argument.
struct TMenuViewer {
    const char* Handler;
    const char* PageArgument;
};

// Each top-level menu adds its handlers; one file per menu.
void AddConfigurationMenuHandlers(TMenuHandlers& handlers);
void AddRmonMenuHandlers(TMenuHandlers& handlers);
void AddSingleIpMenuHandlers(TMenuHandlers& handlers);
void AddSFlowMenuHandlers(TMenuHandlers& handlers);
void AddHelpMenuHandlers(TMenuHandlers& handlers);
void AddVlanMenuHandlers(TMenuHandlers& handlers);
void AddBridgeMenuHandlers(TMenuHandlers& handlers);
void AddSnmpV3MenuHandlers(TMenuHandlers& handlers);
void AddSecurityAuthMenuHandlers(TMenuHandlers& handlers);
void AddSecurityProtectionMenuHandlers(TMenuHandlers& handlers);
void AddLayer2PortsMenuHandlers(TMenuHandlers& handlers);
void AddLayer2AclMenuHandlers(TMenuHandlers& handlers);
void AddLayer2RingMenuHandlers(TMenuHandlers& handlers);
void AddLayer3MenuHandlers(TMenuHandlers& handlers);
void AddLayer3RoutingMenuHandlers(TMenuHandlers& handlers);

// The generated pages of these menus, for checks that open them all.
std::span<const TMenuPage> ConfigurationMenuPages();
std::span<const TMenuPage> SingleIpMenuPages();
std::span<const TMenuPage> SFlowMenuPages();
std::span<const TMenuPage> RmonMenuPages();
std::span<const TMenuPage> VlanMenuPages();
std::span<const TMenuPage> BridgeMenuPages();
std::span<const TMenuPage> SnmpV3MenuPages();
std::span<const TMenuPage> SecurityAuthMenuPages();
std::span<const TMenuPage> SecurityProtectionMenuPages();
std::span<const TMenuPage> Layer2PortsMenuPages();
std::span<const TMenuPage> Layer2AclMenuPages();
std::span<const TMenuPage> Layer2RingMenuPages();
std::span<const TMenuPage> Layer3MenuPages();
std::span<const TMenuPage> Layer3RoutingMenuPages();
std::span<const TMenuTabbedPage> VlanMenuTabbedPages();
std::span<const TMenuTabbedPage> Layer3MenuTabbedPages();
std::span<const TMenuTabbedPage> Layer3RoutingMenuTabbedPages();

// The handler of that name; null when no menu file has it yet.
const TMenuHandlerFn* FindMenuHandler(std::string_view name);

// The handler of that name among those added so far, for a menu file that changes what its row opens.
TMenuHandlerFn& RunOf(TMenuHandlers& handlers, std::string_view name);

// Helpers of the menu files: handlers that open the pattern of each row.
void AddPages(TMenuHandlers& handlers, std::span<const TMenuPage> pages);
void AddTabbedPages(TMenuHandlers& handlers, std::span<const TMenuTabbedPage> pages);
void AddDialogs(TMenuHandlers& handlers, std::span<const TMenuDialog> dialogs);
void AddViewers(TMenuHandlers& handlers, std::span<const TMenuViewer> viewers);
// Handlers that do nothing.
void AddEmpty(TMenuHandlers& handlers, std::initializer_list<const char*> names);
