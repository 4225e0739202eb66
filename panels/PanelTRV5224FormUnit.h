#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5224.
class TPanelTRV5224Form : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5224Form(QWidget* owner = nullptr);
};
