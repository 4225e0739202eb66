#pragma once

#include "DedicatedPage.h"

class QLabel;
class QTabWidget;
class QTreeWidget;

// "802.1Q Current VLAN Table": the VLANs in effect with their current egress and untagged ports, and the
// count of VLAN deletions; nothing is written.
class TVLanCurrentTableForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TVLanCurrentTableForm(QWidget* owner);

    QTreeWidget* LV_dot1qVlanCurrentEntry;
    QLabel* StaticText1;
    QLabel* VlanNumDeletes;
    QTabWidget* PageControl1;
    TStackingPortUitForm* EgressSelector = nullptr;
    TStackingPortUitForm* UntaggedSelector = nullptr;
    KySNMPRequest2Edits* DeletesRequest = nullptr;
    KySNMPRequest2Edits* CurrentRequest = nullptr;

    void RefreshBtnClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
};
