#pragma once

#include "GUIConfigForm.h"
#include "KySNMPVarDesc.h"

#include <functional>
#include <memory>
#include <string>

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

// Changes applied to the built page before it shows (formats, hidden buttons, sizes). The panel is a
// TSNMPListViewPanel for a table page.
using TPageTweak = std::function<void(TConfigForm& page, TSNMPEditorPanel& panel)>;

// A binding object for the table with its own copy of the variables.
std::unique_ptr<KySNMPRequest2Edits> MakePageRequest(QWidget* owner, const KySNMPVarDesc* table,
                                                     std::uint8_t itemType, int keyCount);
// Builds the page, captioned with the title and the device address; not shown yet.
std::unique_ptr<TConfigForm> BuildTablePage(const TTablePage& page, const std::string& deviceIP,
                                            QWidget* parent = nullptr, const TPageTweak& tweak = {});
// Builds, shows modally and frees the page.
void OpenTablePage(const TTablePage& page, const std::string& deviceIP, QWidget* parent = nullptr,
                   const TPageTweak& tweak = {});
