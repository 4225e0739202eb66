#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;
class QLineEdit;

// "Probe Basic Information": the RMON probe's revisions and its reset control.
class TProbeBasicInformationForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TProbeBasicInformationForm(QWidget* owner);

    QLabel* stCap;
    QLabel* stSoftware;
    QLabel* stHardware;
    QComboBox* cbxReset;
    QLineEdit* edtCap;  // hidden: the capabilities as read
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnSetClick();

private:
    void BuildLayout();
    void FormCreate();
};
