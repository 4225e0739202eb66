#pragma once

#include "Dot3CounterPage.h"

#include <array>

class QCheckBox;

// "Dot3 Control Table": the MAC control functions each interface supports, with its unknown opcode
// counter.
class Tdot3ControlForm : public TDot3CounterPage {
    Q_OBJECT

public:
    explicit Tdot3ControlForm(QWidget* owner);

    // Bits 0..7 of "Function Supported"; only the first, pause, is shown.
    std::array<QCheckBox*, 8> CheckBoxes{};

protected:
    void ResetInputs() override;
    void ReadEnded(const KySNMPError&) override;
};
