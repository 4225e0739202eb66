#pragma once

#include "PageEditDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "Log Host Edit": one syslog server of the page's list, added or changed through the page's binder.
class TLogHostEditForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TLogHostEditForm(TDedicatedPage& page);

    QComboBox* cbxIndex;
    QComboBox* FacComboBox;
    QComboBox* SevComboBox;
    QLineEdit* PortEdit;
    QLineEdit* IPAddrEdit;
    QComboBox* StateComboBox;
    QComboBox* RowComboBox;
    QPushButton* SetButton;
    QPushButton* CloseButton;

    void PrepareAdd() override;
    void PrepareEdit() override;
    void SetButtonClick();

    // 514, or 6000 to 65535.
    static bool ValidSyslogPort(const QString& text);
    // A whole IPv4 address that is not loopback, multicast, reserved 240-247 or the broadcast address.
    static bool ValidLogHostAddress(const QString& text);

private:
    // A refusal: the message, and the control that needs the change.
    bool Refuse(const char* text, QWidget* focus);
    bool AddressTaken(const QString& except) const;
    std::vector<int> EmptyColumns() const;
};
