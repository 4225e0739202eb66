#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;

// "Equiment Basic Information": the stack mode, the stack topology and the forced master role.
class TEquipmentBasicInfoForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TEquipmentBasicInfoForm(QWidget* owner);

    QLineEdit* Edit1;
    QComboBox* StackModeComboBox;
    QComboBox* cbxTopology;
    QComboBox* ForceMasterRoleComboBox;
    KySNMPRequest2Edits* Binder = nullptr;

    void BitBtn1Click();
    void bbtnSetClick();

private:
    void BuildLayout();
    void FormCreate();
};
