#pragma once

#include <QRect>
#include <QSize>

#include <string>
#include <string_view>
#include <vector>

// Which of the four global LED colour maps colours a LED.
enum class TLedMapKind { System, Port, Uplink, FibreUplink };

// A host panel and the LEDs it carries: one LED per byte index of the list, left to right.
struct TLedHost {
    std::string Name;  // component name, "LedPanel1"
    QRect Rect;
    std::string Bytes;  // comma list of byte indexes, written out in full
    int Left = 1;
    int Gap = 10;
    QSize Led{6, 6};
    TLedMapKind Map = TLedMapKind::Port;
    std::string Caption;  // printed beside the window ("PWR", "25")
};

// The two places a combo port's one LED can sit: over its main-row connector or over its combo connector.
struct TComboPlace {
    std::string MainHost;  // "Port21Panel"
    QRect MainRect;
    std::string ComboHost;  // "Combo1Panel"
    QRect ComboRect;
};

enum class TBadgeKind { None, ImageList1, ImageList2 };

// Everything that makes one switch model's front panel: ports and media, combo ports and their probe,
// uplinks, LED hosts with their bytes, shapes and maps, the badge and the LED string.
struct TPanelModel {
    std::string ModelText;  // as the unit table's "Module Name" gives it
    std::string ClassName;
    QSize ClientArea;
    int SystemLeds = 3;  // S: one byte each before the two-byte port entries
    int LedLength = 55;  // bytes of a complete LED string
    int MainPorts = 24;  // P: buttons 1..P; 0 for a model without port buttons
    int MainMedium = 1;  // 1 copper, 2 fibre
    int ComboMedium = 2;
    int FirstCombo = 21;  // C: combo ports C..C+3, buttons P+1..P+4
    int ProbedMedium = 2;
    std::vector<int> Uplinks;
    int PortCountStacked = 24;
    int PortCountStandalone = 26;

    std::vector<QRect> Buttons;  // SpeedButton1 .. SpeedButton(P+4)
    std::vector<TLedHost> SystemHosts;
    std::vector<TLedHost> RowHosts;
    std::vector<TComboPlace> Combos;  // four, in port order
    QSize ComboLed{6, 6};
    int ComboGap = 10;
    bool LinkedOnCombo = true;  // the probed medium's connector is the combo one
    int LinkedLeft = 0;
    int OtherLeft = 1;
    bool HideUnusedComboHost = false;  // the host without the LED is hidden, not only painted black
    std::vector<TLedHost> UplinkHosts;
    std::vector<QRect> UplinkCages;  // one per uplink port, drawn only

    TBadgeKind Badge = TBadgeKind::ImageList1;
    QRect BadgeRect;  // Panel1, or Image2 alone on a model without Panel1
    bool BadgeFrame = true;
    bool AlwaysStandaloneLed = false;  // reads the device's LED string even in a stack
    bool RegistersButtons = true;

    // The port number a button stands for within its unit, and its medium digit.
    int ButtonPort(int button) const;
    int ButtonMedium(int button) const;
    // The count of port buttons.
    int ButtonCount() const { return int(Buttons.size()); }
    int PortCount(bool stacked) const { return stacked ? PortCountStacked : PortCountStandalone; }
};

// The ten models, in the order the main window matches them.
const std::vector<TPanelModel>& PanelModels();

// The model a unit's "Module Name" names: trimmed, letter case ignored; nullptr for none. The one
// model lookup of the program (panels, port selector).
const TPanelModel* FindPanelModel(std::string_view moduleName);

// The model of a switch that is not stacked when its unit table names none.
const TPanelModel& BasePanelModel();
