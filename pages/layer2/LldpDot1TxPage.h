#pragma once

#include "KeyedRowPage.h"

class QComboBox;

// Whether each port sends one kind of IEEE 802.1 TLV per VLAN or protocol.
class TLldpDot1TxPage : public TKeyedRowPage {
    Q_OBJECT

public:
    TLldpDot1TxPage(QWidget* owner, const TKeyedRowLayout& layout);

    QComboBox* TXComboBox;

protected:
    void ResetInputs() override;
};
