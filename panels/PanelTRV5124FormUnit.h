#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5124.
class TPanelTRV5124Form : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5124Form(QWidget* owner = nullptr);
};
