#pragma once

#include "DedicatedPage.h"

#include <chrono>

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Layer2 Control": sixteen device-wide settings and the TCP ports of the web and telnet servers, each
// with a check box; Set Checked writes the checked ones. A port is written, and read, only while its
// service is enabled.
class TLayer2ControlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TLayer2ControlForm(QWidget* owner);

    // One row: its box, the editor (a combo or an edit) and, for a setting, its variable.
    struct Row {
        QCheckBox* Box;
        QWidget* Editor;
        int Variable;  // -1: a port
    };
    std::vector<Row> Rows;  // in the order the checks run: the settings, then the two ports
    QComboBox* WebStateComBo = nullptr;
    QComboBox* TelStateComBo = nullptr;
    QLineEdit* WebPortEdit = nullptr;
    QLineEdit* TelPortEdit = nullptr;
    QCheckBox* CheckBox7 = nullptr;  // web port
    QCheckBox* CheckBox9 = nullptr;  // telnet port
    QPushButton* CheckButton;
    QPushButton* ClearButton;
    KySNMPRequest2Edits* SettingsRequest = nullptr;
    KySNMPRequest2Edits* WebPortRequest = nullptr;
    KySNMPRequest2Edits* TelnetPortRequest = nullptr;
    // How long a port the switch is still applying is left before it is read again.
    std::chrono::milliseconds SettleWait;

    void GetButtonClick();
    void SetButtonClick();
    void CheckButtonClick();
    void ClearButtonClick();
    void WebStateComBoChange();
    void TelStateComBoChange();

private:
    void BuildLayout();
    void FormCreate();
    bool AnyBusy() const;
    void ReadAll();
    bool ValidateCheckedFields();
    void SendCheckedSettings();
    void SendPort(QCheckBox* box, QLineEdit* edit, KySNMPRequest2Edits* request);
    void ShowPortState(QComboBox* state, QLineEdit* port, QCheckBox* box);
    void Settle();
};
