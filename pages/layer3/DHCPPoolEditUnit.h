#pragma once

#include "PageEditDialog.h"

#include <vector>

class KySNMPRequest2Edits;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "DHCP Pool Edit": creates a pool from its name, or sends the ticked fields of the selected pool,
// through the pool page's binder.
class TDHCPPoolEdtForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TDHCPPoolEdtForm(TDedicatedPage& page);

    void Bind(KySNMPRequest2Edits& binder);

    QLineEdit* edtName;
    QLineEdit* edtAddress;
    QLineEdit* edMask;
    QLineEdit* edtDomain;
    QComboBox* cbxType;
    QComboBox* cbxState;
    QLineEdit* edtDay;
    QLineEdit* edtHour;
    QLineEdit* edtMinute;
    QLineEdit* edtBoot;
    QLineEdit* edtServer;
    QComboBox* cbxStatus;  // hidden: the row status

    QCheckBox* cbxName;
    QCheckBox* cbxAddress;
    QCheckBox* cbxMask;
    QCheckBox* cbxDomain;
    QCheckBox* cbxNType;
    QCheckBox* cbxNState;
    QCheckBox* cbxDay;
    QCheckBox* cbxHour;
    QCheckBox* cbxMinute;
    QCheckBox* cbxBoot;
    QCheckBox* cbxServer;

    QPushButton* btnSet;
    QPushButton* btnCheck;
    QPushButton* ClearBtnButton;
    QPushButton* CloseBTN;

    void PrepareAdd() override;
    void PrepareEdit() override;
    void btnSetClick();
    void btnCheckClick();
    void ClearBtnButtonClick();

private:
    struct Field {
        QCheckBox* Box;
        QWidget* Control;
        int Position;
    };

    void BuildLayout();
    void ShowFields(bool shown);
    bool Refuse(const QString& text);
    bool ValidateEdit();

    std::vector<Field> Fields;  // the ten fields Edit may send
};
