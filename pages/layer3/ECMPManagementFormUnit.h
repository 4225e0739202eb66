#pragma once

#include "DedicatedPage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

// "OSPF ECMP Management": which fields enter the hash that spreads traffic over equal-cost routes, and
// the ECMP state; "Set Checked" writes the ticked fields only.
class TECMPManagementForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TECMPManagementForm(QWidget* owner);

    QComboBox* DestIPcbx;
    QComboBox* IPSourcecbx;
    QComboBox* CRCLowcbx;
    QComboBox* CRCHighcbx;
    QComboBox* TCP_UDPPortcbx;
    QComboBox* Statecbx;
    std::array<QCheckBox*, 6> CheckBoxes{};  // CheckBox1 to CheckBox6, in the variables' order
    QPushButton* ClearButton;
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void SetButtonClick();
    void ClearButtonClick();

private:
    void BuildLayout();
    void FormCreate();
    // IP Source, CRC Low and CRC High exclude each other: one SET writes at most one of them.
    void HashFieldChecked(QCheckBox* checked);
};
