#pragma once

#include "FrontPanelForm.h"

// The front panel of the TRV-5212F.
class TPanelTRV5212FForm : public TFrontPanelForm {
    Q_OBJECT

public:
    explicit TPanelTRV5212FForm(QWidget* owner = nullptr);
};
