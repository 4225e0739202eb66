#pragma once

#include "PageEditDialog.h"

class QComboBox;
class QPushButton;
class TMultipleConfigControlForm;

// "Multiple Config Control Edit": applies an action to the selected configuration.
class TMultiConfigControlEditForm : public TPageEditDialog {
    Q_OBJECT

public:
    explicit TMultiConfigControlEditForm(TDedicatedPage& page);

    QComboBox* cbxCtrlID;
    QComboBox* cbxCfgAction;
    QPushButton* btnSet;
    QPushButton* btnClose;

    void btnSetClick();
};
