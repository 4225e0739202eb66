#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5125.
class TPanelTRV5125Form : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5125Form(QWidget* owner = nullptr);
};
