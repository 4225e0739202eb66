#pragma once

#include "FrontPanelForm.h"

class KySNMPRequest2Controls;
struct KySNMPError;
class QComboBox;
class QPlainTextEdit;
class QTimer;

// The front panel of the TRV-5124E, the power-over-ethernet model: two LED sets over the same windows, the
// normal one and the PoE one, which colours ports 1-20 with the uplink map. The device's LED mode picks the
// set shown; a click on the PoE key switches the mode on the device, and a 2 s timer follows changes made
// elsewhere. LED-mode failures go to a hidden memo, never to a message box.
class TPanelTRV5124EForm : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5124EForm(QWidget* owner = nullptr);
    ~TPanelTRV5124EForm() override;

    std::unique_ptr<KySNMPRequest2Leds> PoeLedRequest;
    std::unique_ptr<KySNMPRequest2Edits> LedModeRequest;

    // Reads the LED mode and, when the answer comes (or the read fails), shows the set it selects. A tick
    // while a read is out does nothing.
    void ApplyLedMode();
    // Reads the mode, waits half a second, writes the other mode and applies it; the re-apply timer is off
    // meanwhile and stays off after a failure.
    void ToggleLedMode();
    void FormClose() override;

    void Image3Click();
    void Timer1Timer();

    // Shows the set that cmbxPOE's text selects: the PoE set for "enabled" exactly, else the normal one.
    void ShowLedSet();
    // The 17 hosts of one set, in switching order.
    const std::vector<QWidget*>& LedHosts(bool poe) const { return poe ? PoeHosts : NormalHosts; }

    static constexpr const char* PoeSuffix = "_Poe";
    static constexpr const char* PoeModeText = "enabled";
    static constexpr int ApplyInterval = 2000;  // ms
    static constexpr int TogglePause = 500;  // ms between reading and writing the mode
    static constexpr int MemoLines = 50;  // the memo keeps the latest failures only

protected:
    void InitLeds(const TPanelHost& host) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class ToggleStep { None, Reading, Pausing, Writing };

    void BuildPoeControls();
    std::vector<QWidget*> FindLedHosts(bool poe) const;
    void ModeRead();
    void ModeReadFailed(const std::string& message);
    void WriteOtherMode();
    void ModeWritten(const KySNMPError& result);
    void Note(const std::string& message);

    QComboBox* cmbxPOE = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QWidget* Image3 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* PauseTimer = nullptr;
    ToggleStep Toggle = ToggleStep::None;
    std::vector<QWidget*> NormalHosts;
    std::vector<QWidget*> PoeHosts;
};
