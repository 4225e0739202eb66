#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// "IGMP Snooping Static Group Table": the member ports configured for a multicast group of a VLAN; groups
// are added, their ports changed and groups deleted by their row status.
class TIGMPSnoopingStaticGroupForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TIGMPSnoopingStaticGroupForm(QWidget* owner);

    QTreeWidget* LV_IGMPStaticGroupEntry;
    QLineEdit* VlanIDEdit;
    QLineEdit* RepalceIPEdit;
    QComboBox* CBoxStatus;
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* StaticGroupRequest = nullptr;

    void btnGetClick();
    void btnSetClick();
    void btnAddClick();
    void btnDeleteClick();
    // Whether the group address is a dotted quad of parts 0 to 255; says why not when it is not.
    bool CheckGroupAddress();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
};
