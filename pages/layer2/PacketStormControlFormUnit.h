#pragma once

#include "DedicatedPage.h"

class KyRadioGroup;
class QLineEdit;
class QTabWidget;

// "Traffic Storm Management Global Settings": the storm events that raise a trap, the automatic
// recovery time and the ports to recover, read and written whole.
class TPacketStormControlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TPacketStormControlForm(QWidget* owner);

    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KyRadioGroup* rgPktStromTrapCtrl;
    QLineEdit* TimeEdit;
    KySNMPRequest2Edits* StormRequest = nullptr;

    void btnGetClick();
    void btnSetClick();

private:
    void BuildLayout();
    void FormCreate();
};
