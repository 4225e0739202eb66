#pragma once

#include "GUIConfigForm.h"
#include "KyEditConstraint.h"
#include "KySNMPVarDesc.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QWidget;
class TSNMPEditorPanel;

// What a menu handler needs to open a generated page of one variable table.
struct TTablePage {
    std::string Title{};  // the caption up to the device address, usually ending in ": "
    const KySNMPVarDesc* Table = nullptr;
    std::uint8_t ItemType = SVT_SV;  // SVT_SV an editor page, MVT_FMV/MVT_UMV a table page
    int KeyCount = 0;
    int StatusRow = -1;         // RowStatus column of a table page with row creation
    std::string AddText{};      // e.g. "createAndGo"; empty: no Add
    std::string DeleteText{};   // e.g. "destroy"; empty: no Delete
};

// What a menu handler changes on a generated page. Sizes marked scaled are multiplied by the window's
// scale factor and truncated (450 at 1.25 gives 562).
struct TPageTweaks {
    bool Height450 = false;  // height 450, scaled
    int Height = 0;          // fixed height, not scaled
    int HeightPlus = 0;      // added to the built height, scaled
    int WidthPlus = 0;       // added to the built width (after the editors are widened), scaled
    int Width = 0;           // fixed width, not scaled
    int Timeout = 0;         // of one try, in units of 10 ms; 0 keeps the default
    bool Version2c = false;  // a version-1 session reads this page with version 2c (64-bit counters)
    bool EditHidden = false;
    std::vector<int> MayBeEmpty{};                   // rows a checked Set or Add may leave empty
    std::vector<std::pair<int, std::string>> Formats{};  // row, edit constraint; after the buttons
    bool AddHidden = false;
    bool StopShown = false;  // a table tab whose walk may be stopped; after Edit is hidden
    bool ListOfScalars = false;  // a list page over a scalar list: the scalars make its one line
    int EditWidth = 0;      // absolute editor width, scaled
    int EditWidthPlus = 0;  // added to the editor width, scaled
    std::string InstanceSuffix{};
    std::vector<std::pair<int, KyEditValidator>> Validators{};  // row, validator; format "%s{Z}"
    // Anything else, last, on the built page.
    std::function<void(TConfigForm& page, TSNMPEditorPanel& panel)> Extra{};
};

// One tab of a tabbed page.
struct TPageTab {
    std::string Caption;
    TTablePage Page;  // its Title is not used
    TPageTweaks Tweaks;
};

// A size multiplied by the scale factor, truncated toward zero.
int ScaledSize(float scale, int size);

// A binding object for the table with its own copy of the variables.
std::unique_ptr<KySNMPRequest2Edits> MakePageRequest(QWidget* owner, const KySNMPVarDesc* table,
                                                     std::uint8_t itemType, int keyCount);
// Builds the page with its caption (title and device address) and the tweaks, sizes scaled by scale;
// not shown yet.
std::unique_ptr<TConfigForm> BuildTablePage(const TTablePage& page, const std::string& deviceIP, float scale = 1.0f,
                                            const TPageTweaks& tweaks = {});
// A page with one tab per entry; width and height set before the tabs when not 0, the size tweaks of
// `after` once they are built.
std::unique_ptr<TConfigForm> BuildTabbedPage(const std::string& title, std::span<const TPageTab> tabs,
                                             const std::string& deviceIP, float scale = 1.0f, int width = 0,
                                             int height = 0, const TPageTweaks& after = {});
