#pragma once

#include "GlobalStateForm.h"

// "Double VLAN Global Settings": the double VLAN global state. Every change resets the switch's
// configuration, so each write is confirmed and covered by a progress dialog.
class TDVStateForm : public TGlobalStateForm {
    Q_OBJECT

public:
    explicit TDVStateForm(QWidget* owner);

    QComboBox* cbxState;

    void btnGetClick() { GetClick(); }
    void btnSetClick();
    void SetClick() override { btnSetClick(); }
};
