#pragma once

#include "DedicatedPage.h"

class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// "Traffic Segmentation Table": the ports each port of the switch or stack may forward to; the selected
// port's set is written.
class TTrafficSegmentationForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TTrafficSegmentationForm(QWidget* owner);

    QTreeWidget* LV_TrafficForward;
    QLabel* ST_Port;       // hidden: the port across the stack
    QLineEdit* Combo_Port;  // the port within its unit
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* ForwardRequest = nullptr;

    void BT_GetClick();
    void BT_SetClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    void LV_TrafficForwardClick(bool selected);
};

// The number of a port within its unit, from its number across the stack ((unit-1)*64 + port).
QString PortWithinUnit(int stackPort);
