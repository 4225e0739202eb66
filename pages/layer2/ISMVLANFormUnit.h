#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

// "IGMP Snooping Multicast VLAN Table": the multicast VLANs with their port lists, state, report source
// address and priority remapping; VLANs are added, changed and deleted by their row status.
class TISMVLANForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TISMVLANForm(QWidget* owner);

    QTreeWidget* lvISMVLAN;
    QLineEdit* ED_VLANID;
    QLineEdit* ED_VLANName;
    QComboBox* cbxVLANState;
    QLineEdit* edtSourceIP;
    QComboBox* cbxRangeState;
    QLineEdit* RemapPriorityEdit;
    QComboBox* CBoxRaplacePriority;
    QComboBox* cbxStatus;
    QTabWidget* PageControl1;
    TStackingPortUitForm* SourcePortSelector = nullptr;
    TStackingPortUitForm* MemberPortSelector = nullptr;
    TStackingPortUitForm* TaggedMemberSelector = nullptr;
    TStackingPortUitForm* UntaggedSourceSelector = nullptr;
    KySNMPRequest2Edits* IsmVlanRequest = nullptr;

    void RefreshBtnClick();
    void AddBtnClick();
    void SetBtnClick();
    void DeleteBtnClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    void lvISMVLANSelectItem(bool selected);
    // The optional columns whose controls are empty, and the port lists without a ticked box.
    std::vector<int> EmptyOptionalColumns() const;
    std::vector<int> EmptyPortLists() const;
};
