#pragma once

#include "DedicatedPage.h"

class QLabel;
class QLineEdit;

// "LLDP Local System Data": what the switch advertises about itself, read only.
class TLLDPLocSysDataForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TLLDPLocSysDataForm(QWidget* owner);

    QLabel* subtypeText;
    QLabel* IDText;
    QLabel* sysNameText;
    QLabel* sysDescText;
    QLabel* tempText1;  // hidden: the supported capabilities as read
    QLabel* tempText2;  // hidden: the enabled capabilities as read
    QLineEdit* CapSupportEdit;
    QLineEdit* capEnableEdit;
    KySNMPRequest2Edits* LocalRequest = nullptr;

    void GetButtonClick();

private:
    // The chassis ID by its subtype and the capabilities by name, from the values read.
    void ShowCapabilities();
};
