#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5124F.
class TPanelTRV5124FForm : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5124FForm(QWidget* owner = nullptr);
};
