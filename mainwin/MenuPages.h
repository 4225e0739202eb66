#pragma once

#include "GUIGenerator.h"
#include "KyEditConstraint.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QDialog;
class QWidget;
class TMainForm;
class TSNMPEditorPanel;

// What a menu handler changes on a generated page. Sizes marked scaled are multiplied by the window's
// scale factor and truncated (450 at 1.25 gives 562).
struct TPageTweaks {
    bool Height450 = false;  // height 450, scaled
    int Height = 0;          // fixed height, not scaled
    int HeightPlus = 0;      // added to the built height, scaled
    int WidthPlus = 0;       // added to the built width, scaled
    int Width = 0;           // fixed width, not scaled
    int Timeout = 0;         // of one try, in units of 10 ms; 0 keeps the default
    bool Version2c = false;  // a version-1 session reads this page with version 2c (64-bit counters)
    bool EditHidden = false;
    std::vector<int> MayBeEmpty{};                   // rows a checked Set or Add may leave empty
    std::vector<std::pair<int, std::string>> Formats{};  // row, edit constraint; after the buttons
    bool AddHidden = false;
    bool StopHidden = false;
    bool StopShown = false;  // a table tab whose walk may be stopped; after Edit is hidden
    bool Synchronous = false;
    bool ListOfScalars = false;  // a list page over a scalar list: the scalars make its one line
    int EditWidth = 0;      // absolute editor width, scaled
    int EditWidthPlus = 0;  // added to the editor width, scaled
    std::string InstanceSuffix{};
    std::vector<std::pair<int, KyEditValidator>> Validators{};  // row, validator; format "%s{Z}"
    // Anything else, last, on the built page.
    std::function<void(TConfigForm& page, TSNMPEditorPanel& panel)> Extra{};
};

// A generated page a menu item opens: its handler's name, the page and the handler's changes.
struct TMenuPage {
    const char* Handler;
    TTablePage Page;
    TPageTweaks Tweaks;
};

// One tab of a tabbed page.
struct TPageTab {
    std::string Caption;
    TTablePage Page;  // its Title is not used
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

// Builds the generated page with its caption (title and device address) and the tweaks; not shown.
std::unique_ptr<TConfigForm> BuildMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks = {});
// Builds, shows modally and frees a generated page.
void OpenMenuPage(TMainForm& form, const TTablePage& page, const TPageTweaks& tweaks = {});
// A page with one tab per entry; width and height set before the tabs when not 0, the size tweaks of
// `after` once they are built.
std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const std::string& title, std::span<const TPageTab> tabs,
                                             int width = 0, int height = 0, const TPageTweaks& after = {});
std::unique_ptr<TConfigForm> BuildTabbedPage(TMainForm& form, const TMenuTabbedPage& page);
