#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "Compound Authentication Guest VLAN Table": guest VLANs by VLAN ID with their ports. A new one is
// created by its row status, then its ports are written.
class TMultpAuthGuestVlanForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TMultpAuthGuestVlanForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* VIDEdit;
    QComboBox* cbxDel;  // hidden: the row status to send
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* GuestVlanTableRequest = nullptr;

    void BT_GetClick();
    void SetBtnClick();
    void ADDButtonClick();
    void DelBtnClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    // One SET of the columns not excluded, the row status chosen first when one is given.
    [[nodiscard]] bool SetOnly(int column, int statusItem = -1);
    void ReadTable();
};
