#pragma once

#include "LldpTlvPage.h"

// "LLDP Dot3 Port Configuration Table": the IEEE 802.3 TLVs every port sends.
class TLLDPDot3PortConfigForm : public TLldpTlvPage {
    Q_OBJECT

public:
    explicit TLLDPDot3PortConfigForm(QWidget* owner);
};
