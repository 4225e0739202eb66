#pragma once

#include "IBPViewerPage.h"

// The IP masks that IP-MAC-port binding installs.
class TIBPIPMaskForm : public TIBPViewerPage {
    Q_OBJECT

public:
    explicit TIBPIPMaskForm(QWidget* owner);
};
