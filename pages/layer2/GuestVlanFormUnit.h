#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class TStackingPortUitForm;

// "802.1X Guest VLAN": the switch's one guest VLAN, named by its VLAN, with its member ports. A new
// guest VLAN is created by its name first; an existing one only has its ports written.
class TGuestVlanForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TGuestVlanForm(QWidget* owner);

    QLineEdit* edtName;
    QLineEdit* Edit1;  // hidden: the name the switch last reported, empty without a guest VLAN
    QComboBox* cbxDel;  // hidden: the delete state
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* GuestVlanRequest = nullptr;
    KySNMPRequest2Edits* GuestVlanNameRequest = nullptr;
    KySNMPRequest2Edits* GuestVlanDeleteRequest = nullptr;

    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();

private:
    void BuildLayout();
    void FormCreate();
    void ReadGuestVlan();
};
