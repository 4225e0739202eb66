#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5248.
class TPanelTRV5248Form : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5248Form(QWidget* owner = nullptr);
};
