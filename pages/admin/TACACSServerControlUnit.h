#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLineEdit;
class QTreeWidget;

// "Server Control Form": adds a server host to a named server group, or removes it, with one SET.
class TAAASrvCtrlForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TAAASrvCtrlForm(QWidget* owner);

    QLineEdit* edtSrvGrpName;
    QLineEdit* edtSrvIP;
    QComboBox* cbxAuthPtcl;
    QComboBox* cbxOper;
    QTreeWidget* lvOper;  // never shown: the members read at creation
    KySNMPRequest2Edits* Binder = nullptr;

    void btnSetClick();

private:
    void BuildLayout();
    void FormCreate();
};
