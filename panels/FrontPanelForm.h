#pragma once

#include "PanelModel.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class KySNMPLedColorMapList;
class KySNMPRequest2Edits;
class KySNMPRequest2Leds;
class KySNMPLedPoll;
class KySNMPVarList;
class QLabel;
class QToolButton;

// Combo port probes answered ahead for the panels about to be built: each probe's OID and whether
// its medium reported "link-pass".
using TComboLinks = std::map<std::string, bool>;

// What the main window offers its front panels.
struct TPanelHost {
    std::string StackModeText;  // the LED variable is the unit's when this reads "enabled"
    QWidget* StatusTarget = nullptr;  // where the LED requests write their status lines
    std::vector<QToolButton*>* PortButtons = nullptr;  // every port button of every panel
    std::vector<QPixmap> ImageList1;
    std::vector<QPixmap> ImageList2;
    // Runs between the synchronous reads of InitPanel, so a waiting dialog can repaint.
    std::function<void()> BetweenRequests;
    // The window's joint poll of every panel's LEDs, which its owner starts once the panels are built;
    // without one each panel polls on its own from the start.
    KySNMPLedPoll* LedPoll = nullptr;
    // Probes already answered; a panel whose probes are not all here asks on its own.
    const TComboLinks* ComboLinks = nullptr;
};

// The given combo probes in one synchronous GET; nothing when the GET fails (each panel then probes its
// own ports). The library's own errors are raised.
TComboLinks ProbeComboLinks(const std::vector<std::string>& oids, QWidget* owner);

// The map of that kind among the four global LED colour maps.
const KySNMPLedColorMapList& LedColorMap(TLedMapKind kind);

// The live front panel of one switch unit: the model's front drawn from its record, one button per
// selectable port, LEDs kept current from the unit's LED string every 3 s.
class TFrontPanelForm : public QWidget {
    Q_OBJECT

public:
    TFrontPanelForm(const TPanelModel& model, QWidget* owner);
    ~TFrontPanelForm() override;

    const TPanelModel& Model;
    int UnitId = 1;
    std::unique_ptr<KySNMPRequest2Leds> LedRequest;
    std::unique_ptr<KySNMPRequest2Edits> LinkRequest;
    std::array<std::uint8_t, 4> ComboLinked{};  // the probed medium of combo port k reported "link-pass"

    // Probes the combo ports' link (synchronously), lays out the LEDs and starts polling them. Failures
    // are not reported: a failed probe counts as not linked, a failed LED set-up keeps what was built.
    void InitPanel(const TPanelHost& host);
    // Port hints "<port>.<medium>", the buttons appended to the host's list in number order, the badge.
    void RegisterPortButtons(const TPanelHost& host);
    // Stops the polling and frees the requests; a read still out is dropped when it answers.
    virtual void FormClose();

    // Button n (1-based), nullptr for none.
    QToolButton* PortButton(int n) const;
    // The port number (within the whole stack) of a unit-relative port.
    int StackPort(int port) const { return (UnitId - 1) * 64 + port; }

    static constexpr const char* LinkPassText = "link-pass";
    static constexpr int LedTimeout = 300;  // 10 ms units, per try
    static constexpr int PollInterval = 300;  // 10 ms units

protected:
    void paintEvent(QPaintEvent* event) override;
    // The second phase of InitPanel: the LED request, its LEDs, the status target and the polling.
    virtual void InitLeds(const TPanelHost& host);
    QWidget* AddHost(const std::string& name, const QRect& rect);
    // Makes the list the unit's LED variable for the stack mode, named " Led Status".
    void LoadLedVarList(KySNMPVarList& leds, const TPanelHost& host) const;
    // That variable, with the LED time-out and byte layout.
    void ConfigureLedRequest(KySNMPRequest2Leds& request, const TPanelHost& host) const;
    // One LED per byte of the model on the hosts named with the suffix; rowMap replaces the port rows' map.
    void CreateLeds(KySNMPRequest2Leds& request, const std::string& hostSuffix = {},
                    const KySNMPLedColorMapList* rowMap = nullptr);
    QWidget* Host(const std::string& name) const;
    // Polls the request's LEDs as the host says: in its joint poll or on their own.
    static void StartLedPolling(KySNMPRequest2Leds& request, const TPanelHost& host);

public:
    // The OIDs of the link probes of a unit's four combo ports.
    static std::vector<std::string> ComboProbeOids(const TPanelModel& model, int unitId);

private:
    void BuildForm();
    void ProbeComboPorts(const TPanelHost& host);
    void PlaceComboLeds(KySNMPRequest2Leds& request, const std::string& hostSuffix);
    void SetBadge(const QPixmap& image);
    void PortButtonToggled(QToolButton* button, bool down);

    std::vector<QToolButton*> Buttons;
    QLabel* ST_ComboPortLinkStatus = nullptr;
    QLabel* Image2 = nullptr;
};

// A host window's colour when it carries no LED.
inline constexpr QRgb UnusedHostColour = 0xff000000;
// A LED window's colour as built.
inline constexpr QRgb LedWindowColour = 0xff1e1e1e;
