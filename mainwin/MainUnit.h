#pragma once

#include "StartupSettings.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QMenu;

// The main window: the device's address and credentials from the command line and the device's INI
// file, the session started, the suite's message files loaded.
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

private:
    void BuildForm();

    QMenu* VACM1 = nullptr;  // "SNMP v3"
};

// The one main window, once built.
extern TMainForm* MainForm;
// The device's address for the pages.
extern std::string DeviceIPText;
