#pragma once

#include "LldpDot1TxPage.h"

// "LLDP Dot1 Configuration Protocol Table": whether each port sends its protocol entries.
class TLLDPConfigProtocolForm : public TLldpDot1TxPage {
    Q_OBJECT

public:
    explicit TLLDPConfigProtocolForm(QWidget* owner);
};
