#pragma once

#include "AclTablePage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;

// "IPv6 Mask": the IPv6 access profiles (traffic class, flow label, address and port masks), added whole
// and deleted whole. A column travels only while its control is enabled and says more than "none" or
// "other".
class TIPv6ProfileForm : public TAclTablePage {
    Q_OBJECT

public:
    explicit TIPv6ProfileForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLabel* ProfileIDLabel;
    QLineEdit* edtMaskID;
    QComboBox *cbxMaskClass, *cbxMaskFlowlabel, *cbxMaskState, *ProtoTypeCombo, *TCPOptionCombo, *UDPOptionCombo;
    QLineEdit *edtSrcMask, *edtDstMask, *SourcePortEdit, *DstPortEdit;
    QComboBox* cbbOwner;
    QLineEdit* edtEntries;
    QComboBox* cbbRowStatus;  // hidden
    KySNMPRequest2Edits* Binder = nullptr;
    const int RowStatusIndex = 6;

    void GetButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void cbxMaskStateChange();
    void UpdatePortControls();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckInputs();
    std::vector<int> Exclusions() const;
};
