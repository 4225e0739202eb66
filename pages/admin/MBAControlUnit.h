#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTabWidget;

// "MBA Control": the global settings of MAC-based access, its VLAN's name and member ports, and the
// deletion of that name. The password is never shown and is sent only when typed anew; a clear-all
// runs only when chosen for that Set.
class TMBAControlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TMBAControlForm(QWidget* owner);

    QComboBox* Cbox_State;
    QComboBox* Cbox_Method;
    QComboBox* Cbox_ClearAllAction;
    QLineEdit* edtPassWord;
    QLineEdit* edtName;
    QComboBox* cbxDel;
    QLineEdit* Edit1;
    QTabWidget* PageControl1;
    QPushButton* SetBtn;
    QPushButton* DelBtn;
    TStackingPortUitForm* PortSelector = nullptr;
    KySNMPRequest2Edits* SettingsBinder = nullptr;
    KySNMPRequest2Edits* VlanBinder = nullptr;
    KySNMPRequest2Edits* DeleteStateBinder = nullptr;
    KySNMPRequest2Edits* VlanNameBinder = nullptr;

    void BT_GetClick();
    void SetBtnClick();
    void DelBtnClick();

protected:
    void ResetInputs() override;

private:
    void BuildLayout();
    void FormCreate();

    bool ClearAllChosen = false;
};
