#pragma once

#include "AclRulePage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "Ethernet Rule": the Ethernet access rules; a check box beside every optional field decides whether
// it travels.
class TEthernetInformationRuleForm : public TAclRulePage {
    Q_OBJECT

public:
    explicit TEthernetInformationRuleForm(QWidget* owner);

    QTreeWidget* ListView1;
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    QLineEdit *MaskIDEdit, *AccessEdit, *VlanRuleEdit, *SourceMACEdit, *DestMACEdit, *IEEE8021pEdit, *EthTypeEdit,
        *PriorityEdit, *RxRateEdit, *edtTimeRange, *MirrorIDEdit, *ReplaceDSCPEdit;
    QComboBox *EnablePriorityComboBox, *ReplacePriorityComboBox, *PermitComboBox, *RowComboBox, *RuleOwnerComboBox,
        *EnableReplComboBox;
    QCheckBox *cbxVlan, *cbxSource, *cbxDestination, *cbxIEEE802dot1P, *cbxEtherType, *cbxEnablePriority, *cbxPriority,
        *cbxReplacePriority, *cbxPermit, *cbxRxRate, *cbxTimeRange, *MirrorIDCheckBox, *cbxEnableReplaceDscp, *cbxValue;
    QPushButton *AddCheckButton, *CleanCheButton;
    KySNMPRequest2Edits* Binder = nullptr;

    void EditButtonClick() override;
    void AddButtonClick() override;
    void AddCheckButtonClick();
    void CleanCheButtonClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool ValidateInputs();
};
