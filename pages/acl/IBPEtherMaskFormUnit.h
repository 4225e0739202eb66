#pragma once

#include "IBPViewerPage.h"

// The Ethernet masks that IP-MAC-port binding installs.
class TIBPACLEtherMaskForm : public TIBPViewerPage {
    Q_OBJECT

public:
    explicit TIBPACLEtherMaskForm(QWidget* owner);
};
