#pragma once

#include "KySNMPRequest2Edits.h"

// The CoS bandwidth binder: a rate of 0 is listed as "No Limit".
class CoSBrandWidthNewRequest2Edits : public KySNMPRequest2Edits {
public:
    using KySNMPRequest2Edits::KySNMPRequest2Edits;

    static constexpr int MinRate = 2;
    static constexpr int MaxRate = 3;

protected:
    void RowReceived() override;
};
