#pragma once

#include "LldpDot1TxPage.h"

// "LLDP Dot1 Configuration Protocol VLAN  Table": whether each port sends its port and protocol VLANs.
class TLLDPConfigProtocolVLANForm : public TLldpDot1TxPage {
    Q_OBJECT

public:
    explicit TLLDPConfigProtocolVLANForm(QWidget* owner);
};
