#pragma once

#include "PageEditDialog.h"

class KySNMPRequest2Edits;
class QLineEdit;
class QPushButton;

// "New DHCP Ctrl Entry": adds a relay server to an IP interface (four at most) through the relay page's
// binder.
class TNewBootpCtrlForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TNewBootpCtrlForm(TDedicatedPage& page);

    void Bind(KySNMPRequest2Edits& binder);

    QLineEdit* Edit1;  // interface name
    QLineEdit* Edit2;  // server address
    QPushButton* DeleteBtn;  // "Set"

    void DeleteBtnClick();

private:
    void BuildLayout();
    bool Validate();
};
