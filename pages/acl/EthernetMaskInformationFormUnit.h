#pragma once

#include "AclTablePage.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Ethernet Mask": the Ethernet access profiles, added whole and deleted whole.
class TEthernetMaskInformationForm : public TAclTablePage {
    Q_OBJECT

public:
    explicit TEthernetMaskInformationForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* IDEdit;
    QComboBox* UseVLanComBo;
    QComboBox* MacMaskStateComBo;
    QLineEdit* MacMaskDstEdit;
    QLineEdit* MacAddMaskSourceEdit;
    QComboBox* Use8021pComBo;
    QComboBox* UseEthTypeCombo;
    QComboBox* OwnerCombo;
    QLineEdit* EntryEdit;
    QComboBox* RowStatusComBo;  // hidden
    KySNMPRequest2Edits* Binder = nullptr;

    void BT_GetClick();
    void AddBtnClick();
    void BT_DeleteClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckMacAddress(QLineEdit* edit);
    bool ValidateInputs();
    std::vector<int> Exclusions() const;
};
