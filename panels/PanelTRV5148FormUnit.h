#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5148.
class TPanelTRV5148Form : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5148Form(QWidget* owner = nullptr);
};
