#pragma once

#include "PageEditDialog.h"

class KySNMPRequest2Edits;
class QComboBox;
class QLineEdit;
class QPushButton;

// The add dialog of the DNS relay table: a domain name and its server address, written "valid" through
// the table page's binder.
class TDNSCtrlAddForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TDNSCtrlAddForm(TDedicatedPage& page);

    void Bind(KySNMPRequest2Edits& binder);

    QLineEdit* edtName;
    QLineEdit* edtIP;
    QComboBox* cbxState;
    QPushButton* btnAdd;

    void PrepareAdd() override;
    void btnAddClick();

private:
    void BuildLayout();
};
