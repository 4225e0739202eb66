#pragma once

#include "LldpDot1TxPage.h"

// "LLDP Dot1 Configuration VLAN Name Table": whether each port sends its VLAN names.
class TLLDPConfigVLANNameForm : public TLldpDot1TxPage {
    Q_OBJECT

public:
    explicit TLLDPConfigVLANNameForm(QWidget* owner);
};
