#pragma once

#include "AclRulePage.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// "User Defined Information Rule": the user-defined payload rules, each matching at most two of five
// sixteen-octet offset groups; a check box beside every field decides whether it travels.
class TUserDefinedInformationRuleForm : public TAclRulePage {
    Q_OBJECT

public:
    explicit TUserDefinedInformationRuleForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit *ProfileIDEdit, *AccessIDEdit, *PriorityEdit, *ReplDSCPEdit;
    // The offset groups 0-15 to 64-79: OffsetGroupFirstEdit to OffsetGroupFifthEdit and their boxes.
    std::array<QLineEdit*, 5> Groups;
    std::array<QCheckBox*, 5> GroupBoxes;
    QComboBox *EnablePriComboBox, *ReplPriyComboBox, *EnableReplComboBox, *PermitComboBox, *RowComboBox;
    QCheckBox *cbxEnablePriority, *cbxPriority, *cbxReplace, *cbxEnableReplace, *cbxReplaceDscp, *cbxPermit, *cbxRow;
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
    bool CheckIDs();
    // The refusal of more than two used groups and of a group that is no hexadecimal text.
    bool CheckGroups();
};
