#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;

// "802.1p Basic Configuration": the bridge's device capabilities and whether traffic classes are
// enabled; read only.
class TPBridgeConfigForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TPBridgeConfigForm(QWidget* owner);

    QLabel* Edit_DeviceCapabilities;
    QComboBox* TrafficClassesState;
    KySNMPRequest2Edits* CapabilitiesRequest = nullptr;
    KySNMPRequest2Edits* TrafficClassesRequest = nullptr;

    void BT_GetClick();
};
