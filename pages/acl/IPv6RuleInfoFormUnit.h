#pragma once

#include "AclRulePage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "IPv6 Rule": the IPv6 access rules; a check box beside every optional field decides whether it
// travels, and one write carries either the class and flow label or the addresses.
class TIpv6RuleForm : public TAclRulePage {
    Q_OBJECT

public:
    explicit TIpv6RuleForm(QWidget* owner);

    QTreeWidget* ListView1;
    QTabWidget* pgc1;
    TStackingPortUitForm* PortSelector = nullptr;
    QLineEdit *edtRuleID, *edtRuleAccessID, *edtRuleClass, *edtRuleFlowlabel, *edtRuleSrcIpv6addr, *edtRuleDstIpv6addr,
        *PriorityEdit, *RxRateEdit, *edtTimeRange, *edtSourcePort, *edtDestinationPort, *edtMirrorGroupID;
    QComboBox *PriorityComboBox, *ReplaceComboBox, *PermitComboBox, *RowComboBox, *OwnerComboBox, *cbxProtocol;
    QCheckBox *cbxRuleClass, *cbxRuleFlowlabel, *cbxRuleSrcIpv6addr, *cbxRuleDstIpv6addr, *cbxEnablePriority, *cbxPriority,
        *cbxReplacePriority, *cbxPermit, *cbxRxRate, *cbxTimeRange, *ProtocolCheckBox, *SourcePortCheckBox,
        *DestinationPortCheckBox, *MirrorGroupIDCheckBox;
    QPushButton *CheckButton, *UncheckButton;
    KySNMPRequest2Edits* Binder = nullptr;

    void AddButtonClick() override;
    void EditButtonClick() override;
    void CheckButtonClick();
    void UncheckButtonClick();
    // The enabling by the action, the priority and the protocol.
    void PermitComboBoxChange() override;
    void cbxProtocolChange();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool ValidateInputs();
    std::vector<int> FieldSelection() const;
};
