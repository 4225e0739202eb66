#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5212.
class TPanelTRV5212Form : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5212Form(QWidget* owner = nullptr);
};
