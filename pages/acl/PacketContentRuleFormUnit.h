#pragma once

#include "AclRulePage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "Packet Content Rule": the packet-content access rules, four octets of content for each of the
// profile's four chunks; a check box beside every optional field decides whether it travels.
class TPktContentRuleForm : public TAclRulePage {
    Q_OBJECT

public:
    explicit TPktContentRuleForm(QWidget* owner);

    QTreeWidget* ListView1;
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    QLineEdit *edtProfile, *edtAccess, *PriorityEdit, *ReplaceDSCPEdit, *RxRateEdit, *MirrorIDEdit, *edtTimeRange;
    // Chunks 1 to 4: the profile's chunk number (read only), the content and its check box.
    std::array<QLineEdit*, 4> ChunkValues;
    std::array<QLineEdit*, 4> ChunkOffsets;
    std::array<QCheckBox*, 4> ChunkBoxes;
    QComboBox *PermitComboBox, *PriorityComboBox, *ReplaceComboBox, *EnableReplComboBox, *OwnerComboBox, *RowComboBox;
    QCheckBox *cbxPermit, *cbxEnablePriority, *cbxPriority, *cbxReplacePriority, *cbxEnableReplaceDscp, *cbxValue,
        *cbxRxRate, *MirrorIDCheckBox, *cbxTimeRange;
    QPushButton *CheckButton, *UncheckButton;
    KySNMPRequest2Edits* Binder = nullptr;

    void AddButtonClick() override;
    void EditButtonClick() override;
    void CheckButtonClick();
    void UncheckButtonClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckInputs();
    std::vector<int> FieldSelection() const;
};
