#pragma once

#include "DedicatedPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// "Rampart Control": the CPU protection engine's thresholds, mode and alarm, each written on its own
// when checked, and its current status.
class TRampartCtrlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TRampartCtrlForm(QWidget* owner);

    QCheckBox* ckRising;
    QLineEdit* edtRising;
    QCheckBox* ckFalling;
    QLineEdit* edtFalling;
    QCheckBox* ckMode;
    QComboBox* cbxMode;
    QCheckBox* ckAlarm;
    QComboBox* cbxAlarm;
    QComboBox* cbxCurrentState;
    QLabel* lbFalling;  // hidden: the falling threshold as last read
    QPushButton* btnCheckAll;
    QPushButton* btnClearCheck;
    KySNMPRequest2Edits* Binder = nullptr;

    void btnGetClick();
    void btnSetClick();
    void ChangeSetState();
    void btnCheckAllClick();
    void btnClearCheckClick();

private:
    void BuildLayout();
    void FormCreate();
    bool CheckThresholds();
    void SetCheckedOneByOne(bool fallingFirst);
};
