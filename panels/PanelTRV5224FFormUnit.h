#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5224F.
class TPanelTRV5224FForm : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5224FForm(QWidget* owner = nullptr);
};
