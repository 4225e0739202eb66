#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "802.1Q Static VLAN Table": the static VLANs with their names and their egress, forbidden and
// untagged ports, and the next free local VLAN index.
class TVlanStaticForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TVlanStaticForm(QWidget* owner);

    QTreeWidget* LV_dot1qVlanStaticEntry;
    QLineEdit* ED_VLANID;
    QLineEdit* ED_VLANName;
    QLabel* NextFreeLocalVlanIndex;
    QComboBox* Status;  // hidden: the row's status, createAndGo for Add, destroy for Delete
    QTabWidget* PageControl1;
    TStackingPortUitForm* EgressSelector = nullptr;
    TStackingPortUitForm* ForbiddenSelector = nullptr;
    TStackingPortUitForm* UntaggedSelector = nullptr;
    KySNMPRequest2Edits* StaticRequest = nullptr;
    KySNMPRequest2Edits* NextFreeRequest = nullptr;

    void RefreshBtnClick();
    void SetBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
};
