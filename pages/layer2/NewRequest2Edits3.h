#pragma once

#include "KySNMPRequest2Edits.h"

// The binder of the LLDP remote table: each neighbour's chassis and port IDs are listed by their
// subtype and its capabilities by name.
class NewRequest2Edits3 : public KySNMPRequest2Edits {
public:
    explicit NewRequest2Edits3(QWidget* owner);

    void DecodeCapabilities();

protected:
    void BeforeGet() override;
    void RowReceived() override;
};
