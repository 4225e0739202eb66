#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "802.1Q Port Information Table": the 802.1Q settings of every bridge port; the selected port's VLAN ID,
// acceptable frame types, ingress filtering and GVRP status are written.
class TVLanPortInfomationForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TVLanPortInfomationForm(QWidget* owner);

    QTreeWidget* LV_dot1qPortVlanEntry;
    QLineEdit* PortVLanID;
    QComboBox* AcceptableFrameTypes;
    QComboBox* IngressFiltering;
    QComboBox* GvrpStatus;
    KySNMPRequest2Edits* PortVlanRequest = nullptr;

    void RefreshBtnClick();
    void SetBtnClick();

private:
    void BuildLayout();
    void FormCreate();
};
