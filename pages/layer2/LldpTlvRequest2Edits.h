#pragma once

#include "KySNMPRequest2Edits.h"

#include <QStringList>

#include <functional>

// The binder of the LLDP TLV pages: the TLV octet is listed as the names of its bits and written back
// from the names the page's TLV edit holds.
class LldpTlvRequest2Edits : public KySNMPRequest2Edits {
public:
    LldpTlvRequest2Edits(QWidget* owner, int tlvPosition, QStringList names);

    const int TlvPosition;
    const QStringList Names;  // in bit order, 0x80 first
    // The names text the write takes the octet from.
    std::function<QString()> TlvText;

protected:
    void RowReceived() override;
    void CollectForSet() override;
};

// The basic TLVs of the port configuration table.
class NewRequest2Edits : public LldpTlvRequest2Edits {
public:
    explicit NewRequest2Edits(QWidget* owner);
    static const QStringList& TlvNames();
};

// The IEEE 802.3 TLVs.
class LLDPDot3PortConfigNewRequest2Edits : public LldpTlvRequest2Edits {
public:
    explicit LLDPDot3PortConfigNewRequest2Edits(QWidget* owner);
    static const QStringList& TlvNames();
};
