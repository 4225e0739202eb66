#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Protocol VLAN": the switch's protocol VLANs; rows are added (createAndGo) and deleted, never changed.
class TProtocolVlanForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TProtocolVlanForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* Index;
    QLineEdit* Name;
    QComboBox* ProtocolType;
    QComboBox* Advertisement;
    QLineEdit* UserProtocol;
    QComboBox* Encap;
    QComboBox* RowStatus;
    KySNMPRequest2Edits* ProtocolVlanRequest = nullptr;

    void GetClick();
    void AddClick();
    void DeleteClick();
    // The user-defined protocol and its encapsulation apply to the user-defined type alone.
    void ProtocolTypeChange();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    // Refuses the Add with the check's message and the focus on its control; true when all checks pass.
    bool AddChecksPass();
    void IdleState();
};
