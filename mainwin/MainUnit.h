#pragma once

#include "StartupSettings.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string_view>
#include <utility>
#include <memory>
#include <string>
#include <vector>

class KySNMPRequest2Edits;
class KySNMPSequence;
class KySNMPLedPoll;
class QAction;
class QLabel;
class TConfigForm;
class QMenu;
class QScrollArea;
class QToolButton;
class QTreeWidget;
class TFrontPanelForm;
struct KySNMPVarDesc;
struct TMainMenuEntry;
struct TPanelModel;

// The main window: the device's address and credentials from the command line and the device's INI
// file, the session started, the suite's message files loaded; then the device's state, the units of
// the stack and one live front panel per present unit.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // args: the command line without the program name. Raises what the session start raises
    // (KyException) and the conversion error of a number that is none (std::invalid_argument).
    explicit TMainForm(const std::vector<std::string>& args, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The device's address, also the window caption and the suffix of every page caption.
    const std::string& DeviceIP() const { return LaunchParameters.DeviceIP; }

    TLaunchParameters LaunchParameters;
    float ScaleFactor = 1.0f;  // page sizes are multiplied by it

    // The models a unit's "Module Name" is matched against, in matching order.
    std::vector<std::string> ModelNames;
    std::uint8_t FirstLoad = 0;  // 1 after creation, 0 once Refresh Panel is confirmed
    std::uint8_t Activated = 0;  // 1 once the first activation ran the discovery
    std::vector<QToolButton*> PortButtons;  // every port button of every panel
    std::vector<std::unique_ptr<TFrontPanelForm>> PanelForms;  // in creation order
    TFrontPanelForm* LastPanel = nullptr;  // the panel the next one is placed under
    int PanelCount = 0;  // present stack units found by the discovery

    // The window's synchronous state requests.
    std::unique_ptr<KySNMPRequest2Edits> RmonStateRequest;
    std::unique_ptr<KySNMPRequest2Edits> Dot1xStateRequest;
    std::unique_ptr<KySNMPRequest2Edits> UnitTableRequest;
    std::unique_ptr<KySNMPRequest2Edits> StpVersionRequest;
    std::unique_ptr<KySNMPRequest2Edits> StackModeRequest;

    QLabel* StatusPanel = nullptr;  // panel 0 of the status bar
    QScrollArea* ScrollBox1 = nullptr;
    // Hidden: the unit table as last read; column 0 the unit ID, columns 1-8 "MAC Address" .. "Module
    // Name", "Exist State".
    QTreeWidget* UnitListView = nullptr;
    QLabel* ST_StackMode = nullptr;
    QLabel* ST_RmonState = nullptr;
    QLabel* ST_STPVersion = nullptr;
    QLabel* ST_8021xStatus = nullptr;
    QMenu* PortInfoPopupMenu = nullptr;
    QPointer<QToolButton> PopupComponent;  // the port button the popup menu was opened on
    std::vector<QPixmap> ImageList1;  // unit badges "1" .. "13", "F"
    std::vector<QPixmap> ImageList2;  // seven-segment badges "12", "1" .. "11"

    // Creation: caption, models, state requests, the unit information.
    void FormCreate();
    // First activation: the discovery under the waiting dialog, then the layout for many panels.
    void FormActivate();
    // Reads the stack mode and the unit table; false after a failure to create the requests or an
    // exception while reading (the status line says which).
    bool GetUnitInformation();
    void BuildPanels();
    void AddStandalonePanel();
    void AddUnitPanel(const std::string& moduleName, const std::string& unitId);
    void AttachPortPopup();
    void HookPortButtons();
    void PortButtonClick(QToolButton* sender);
    void ReleasePortButtons();
    void ClosePanelForms();
    void RefreshPanel1Click();
    // The menu bar from the menu's table. A menu's items, one action each named after its component,
    // are made when it first opens or when one of them is asked for: a start makes a few dozen of the
    // 650 instead of all.
    void BuildMainMenu();
    // The action of a menu item (or of a submenu) by component name, made if it was not yet; null when
    // the menu has no such item.
    QAction* MenuItem(std::string_view name);
    // Runs a menu item's handler; what it throws is shown in a box.
    void RunMenuHandler(std::string_view handler);
    void ApplyRoutingMenuProfile();
    void ApplyStorageMenuProfile();
    // Close of the "RMON Global Settings" page: the page's own close, then the RMON items follow the state.
    void RmonSettingsClose(TConfigForm& page);
    // The port popup pages, on the port the popup was opened on.
    void PortInformation2Click();
    void PortConfiguration1Click();
    void UpdateRmonMenu();
    void UpdateAuthMenu();
    void UpdateUnitMenu();
    // Writes the text into panel 0 of the status bar.
    void ShowStatus(const std::string& text);

    static constexpr int ScrollingFrom = 5;  // panels from which the window scrolls
    static constexpr int ScrollingHeight = 430;  // of the scroll box then

signals:
    // The panels of a discovery are built (first activation or a confirmed Refresh Panel).
    void DiscoveryFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<KySNMPLedPoll> LedPoll;  // every panel's LEDs in one request
    // While the panels are built: their combo probes, read in one request.
    std::map<std::string, bool> ComboLinksAhead;
    std::unique_ptr<KySNMPSequence> StartupReads;  // from creation to the end of a discovery
    bool StackModeKnown = false;  // read within the open sequence
    bool UnitTableKnown = false;

    void BuildForm();
    void RunGuarded(const std::function<void()>& work);
    void ApplyMenuProfile(std::span<const std::pair<const char*, bool>> profile);
    // Makes the items of the named menu (and of the menus it sits in) unless they are made.
    void FillMenu(std::string_view name);
    void AddMenuEntry(const TMainMenuEntry& entry, QMenu* parent);
    // Enables (or shows) an item, or disables (hides) it; one not made yet takes it when it is made.
    void GateMenuItem(std::string_view name, bool on, bool visibility);
    void OpenPortPage(const char* title, const KySNMPVarDesc* table, int widthPlus);
    void CreateStateRequest(std::unique_ptr<KySNMPRequest2Edits>& request, const KySNMPVarDesc* table,
                            QLabel* label);
    // The discovery the waiting dialog runs.
    void Discover();
    void ShowWaitingForm(const QString& caption);
    void ApplyScrollingLayout();
    // Lets the screen repaint and answers arrive between two synchronous steps; input waits.
    static void BetweenSteps();
    void AddPanel(const TPanelModel& model, int unitId);
    // The window sized to show every panel, one under the other, or the scroll box of a window that scrolls.
    void FitToPanels();
    const TPanelModel& StandaloneModel() const;
    void ProbeCombosAhead();
    // Opens the sequence of start-up reads unless one is open: an agent that does not answer costs one
    // time-out, and the stack mode and unit table are read once each.
    void BeginStartupReads();
    void ReadStackMode();
    // Enables (or shows) the named menu items; names end with nullptr, names the menu lacks are passed over.
    void GateActions(const char* const* names, bool enabled, bool visibility);
    // Reads the state into its hidden text and enables or disables the items by it.
    void GateByState(KySNMPRequest2Edits& request, const QLabel* state, const char* const* items);
    // The Module Name of unit 1 in the unit table; empty when the table has no such unit.
    std::string UnitOneModuleName() const;

    QMenu* VACM1 = nullptr;  // "SNMP v3"
    std::map<std::string_view, QMenu*> Menus;  // made so far, by component name
    std::map<std::string_view, QAction*> MenuActions;  // made so far; a submenu's is its menu's action
    std::set<std::string_view> FilledMenus;  // whose items are made
    // What the profiles and states decided for items not made yet.
    struct TMenuItemState {
        std::optional<bool> Visible;
        std::optional<bool> Enabled;
    };
    std::map<std::string_view, TMenuItemState> PendingMenuStates;
    QWidget* ScrollContent = nullptr;
};

// The one main window, once built.
extern TMainForm* MainForm;
// The device's address for the pages.
extern std::string DeviceIPText;
// The stack mode as last read ("enabled", "disabled", "other"), or "ST_StackMode" before any answer.
extern std::string StackModeText;
// Rows of the unit table as last counted; 0 = not read.
extern int StackUnitCount;
// The main window's hidden unit list.
extern QTreeWidget* StackUnitListView;

struct TPortSelectorDevice;
// The stacking mode and units as last discovered, for the port selectors of the dialogs.
TPortSelectorDevice CurrentPortSelectorDevice();
