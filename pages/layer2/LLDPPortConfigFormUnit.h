#pragma once

#include "LldpTlvPage.h"

// "LLDP Port Configuration Table": every port's LLDP admin state, notification and basic TLVs.
class TLLDPPortConfigForm : public TLldpTlvPage {
    Q_OBJECT

public:
    explicit TLLDPPortConfigForm(QWidget* owner);
};
