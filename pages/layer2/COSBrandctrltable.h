#pragma once

#include "DedicatedPage.h"

class CoSBrandWidthNewRequest2Edits;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

// "CoS Bandwidth Control Settings": the minimum and maximum rate of every port and class of service;
// one rate of the selected row is written at a time, 0 meaning no limit.
class TCoSBrandwidthctrlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TCoSBrandwidthctrlForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLabel* PortText;
    QLabel* ClassIDText;
    QLabel* RXText;  // hidden: the Min Rate the Set sends
    QLabel* TXText;  // hidden: the Max Rate the Set sends
    QComboBox* Typecbx;
    QLineEdit* rateEdit;
    QCheckBox* NOLIMITRBT;
    CoSBrandWidthNewRequest2Edits* RateRequest = nullptr;

    void GetButtonClick();
    void EditButtonClick();
    void CheckBox1Click(bool checked);

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    // Puts the typed rate into the hidden text of the chosen type; false when it is out of range.
    bool ApplyRate();
};
