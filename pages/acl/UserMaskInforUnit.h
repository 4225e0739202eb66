#pragma once

#include "AclTablePage.h"

#include <array>

class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;

// "User Defined Mask Information": the user-defined payload masks, each a port list and at most two of
// five sixteen-octet offset groups.
class TUserMaskInfoForm : public TAclTablePage {
    Q_OBJECT

public:
    explicit TUserMaskInfoForm(QWidget* owner);

    QTreeWidget* ListView1;
    QLineEdit* Edit1;
    // The offset groups in column order: Edit5, Edit3, Edit4, Edit6, Edit7.
    std::array<QLineEdit*, 5> Groups;
    QComboBox* ComboBox1;
    QTabWidget* PageControl1;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void OperButtonClick();
    void DeleteButtonClick();

    // At most 32 hexadecimal digits, either case; empty passes.
    static bool IsHexText(const QString& text);

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();
    bool CheckGroupCount();
    // The empty groups to leave out, or false after refusing a group's text.
    bool GroupExclusions(std::vector<int>& excluded);
};
