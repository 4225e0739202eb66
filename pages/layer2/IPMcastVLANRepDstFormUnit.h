#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// "IP Multicast VLAN Replication Destination Table": the ports each replication copies a VLAN's
// multicast to; entries are added and deleted by their row status.
class TIPMcastVLANRepDstForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TIPMcastVLANRepDstForm(QWidget* owner);

    QTreeWidget* LV_IPMcastVLANRepDstEntry;
    QLineEdit* ED_Name;
    QLineEdit* ED_MulticastVID;
    QComboBox* Status;
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* RepDstRequest = nullptr;

    void RefreshBtnClick();
    void AddBtnClick();
    void btnDeleteClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    // One SET of the ports and the row status; the binder reads the table again once it is accepted.
    void WriteRow();
};
