#pragma once

#include "PageEditDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class TMSTPPortStateForm;

// The edit dialog of one port's spanning tree settings. It has no binder of its own: its controls are
// bound to the page's, so the selected row fills them and Set writes through the page.
class TMSTPPortStateEditForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TMSTPPortStateEditForm(TDedicatedPage& page);

    QLineEdit* edtPortIndex;
    QLineEdit* edtOperHelloTime;
    QLineEdit* edtAdminHelloTime;
    QComboBox* cbxPortEnable;
    QLineEdit* edtExtPathCost;
    QComboBox* cbxMigration;
    QComboBox* cbxAdminEdgePort;
    QComboBox* cbxOperEdgePort;
    QComboBox* cbxAdminP2P;
    QComboBox* cbxOperP2P;
    QComboBox* cbxSTPlbd;
    QComboBox* cbxBPDUFlt;
    QComboBox* cbxSTPRole;
    QComboBox* cbxSTPTCN;
    QPushButton* btnEdit;
    QPushButton* btnClose;

    void PrepareEdit() override;
    void btnEditClick();
};
