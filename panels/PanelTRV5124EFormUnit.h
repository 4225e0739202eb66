#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5124E.
class TPanelTRV5124EForm : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5124EForm(QWidget* owner = nullptr);
};
