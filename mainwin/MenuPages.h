#pragma once

#include "GUIGenerator.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TMainForm;

// A generated page a menu item opens: its handler's name, the page and the handler's changes.
struct TMenuPage {
    const char* Handler;
    TTablePage Page;
    TPageTweaks Tweaks;
};

// A tabbed page a menu item opens: the caption up to the device address, the tabs in order, a fixed
// width and height set before the tabs are built (0 keeps the form's) and the size tweaks applied after.
struct TMenuTabbedPage {
    const char* Handler;
    std::string Title;
    std::vector<TPageTab> Tabs;
    int Width = 0;
    int Height = 0;
    TPageTweaks After{};
};

// Puts a version-1 session on version 2c while it lives; later versions are left alone. The session's
// version comes back however the page ends, a failed build included.
class TVersion2cGuard {
public:
    explicit TVersion2cGuard(bool active);
    ~TVersion2cGuard();
    TVersion2cGuard(const TVersion2cGuard&) = delete;
    TVersion2cGuard& operator=(const TVersion2cGuard&) = delete;

private:
    bool Raised = false;
    std::uint8_t Saved = 0;
};

// A size multiplied by the window's scale factor, truncated toward zero.
int Scaled(const TMainForm& form, int size);

// The pages' own builders, for the window's device address and scale factor.
// Builds the generated page with its caption (title and device address) and the tweaks; not shown.
std::unique_ptr<TConfigForm> BuildMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks = {});
// Builds, shows modally and frees a generated page.
void OpenMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks = {});
// A page with one tab per entry; width and height set before the tabs when not 0, the size tweaks of
// `after` once they are built.
std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const std::string& title, std::span<const TPageTab> tabs,
                                             int width = 0, int height = 0, const TPageTweaks& after = {});
std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const TMenuTabbedPage& page);
