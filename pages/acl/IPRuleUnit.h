#pragma once

#include "AclRulePage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TStackingPortUitForm;

// "IP Rule": the IPv4 access rules; a check box beside every optional field decides whether it travels.
class TIPRuleForm : public TAclRulePage {
    Q_OBJECT

public:
    explicit TIPRuleForm(QWidget* owner);

    QTreeWidget* ListView1;
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    QLineEdit *IPRuleEdit, *AccessIDEdit, *VLANEdit, *SourceIPEdit, *DestIPEdit, *DSCPEdit, *SourcePortEdit,
        *DestPortEdit, *FlagEdit, *ProtocolIDEdit, *UserMaskEdit, *PriorityEdit, *DSCPValueEdit, *RxRateEdit,
        *edtTimeRange, *SrcMacAddressEdit, *TypeEdit, *CodeEdit, *MirrorIDEdit;
    QComboBox *ProtocolComboBox, *RuleIcmpComboBox, *RuleIgmpComboBox, *PriorityComboBox, *ReplaceComboBox,
        *EnableReplComboBox, *PermitComboBox, *RowComboBox, *OwnerComboBox;
    QCheckBox *cbxVlan, *cbxSourceIP, *cbxDestIP, *cbxDscp, *cbxProtocol, *cbxRuleIcmp, *cbxRuleIgmp, *cbxSourcePort,
        *cbxDestPort, *cbxFBs, *cbxProtocolID, *cbxUserMask, *cbxEnablePriority, *cbxPriority, *cbxReplacePriority,
        *cbxEnableReplaceDscp, *cbxValue, *cbxPermit, *cbxRxRate, *cbxTimeRange, *cbxType, *cbxCode, *MirrorIDCheckBox;
    QPushButton *CheckButton, *UncheckButton;
    KySNMPRequest2Edits* Binder = nullptr;

    // The action's enabling before the read, unlike the other rule pages.
    void GetButtonClick() override;
    void EditButtonClick() override;
    void AddButtonClick() override;
    void CheckButtonClick();
    void UncheckButtonClick();

protected:
    void ResetInputs() override;
    void AfterWrite() override;

private:
    void BuildLayout();
    void FormCreate();
    void RowClicked(bool selected);
    bool Validate();
    std::vector<int> FieldSelection() const;
};
