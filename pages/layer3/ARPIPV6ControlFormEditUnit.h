#pragma once

#include "PageEditDialog.h"

class KySNMPRequest2Edits;
class QComboBox;
class QLineEdit;
class QPushButton;

// "IPV6 ARP Control Edit": adds a static IPv6 neighbour (address, MAC address and interface) through the
// neighbour page's binder.
class TARPIPv6ControlEditForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TARPIPv6ControlEditForm(TDedicatedPage& page);

    void Bind(KySNMPRequest2Edits& binder);

    QLineEdit* edtAddress;
    QLineEdit* edtMac;
    QLineEdit* edtInterface;
    QComboBox* cbxRowStatus;
    QComboBox* cbxState;  // hidden: the reach state
    QPushButton* btnSet;

    void PrepareAdd() override;
    void btnSetClick();

private:
    void BuildLayout();
    bool Refuse(QLineEdit* focus, const QString& text);
    bool Validate();
};
