#pragma once

#include "Dot3CounterPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "Dot3 Pause Table": each interface's pause admin and operation modes with its pause frame counters;
// the selected interface's admin mode is written.
class Tdot3PauseForm : public TDot3CounterPage {
    Q_OBJECT

public:
    explicit Tdot3PauseForm(QWidget* owner);

    QComboBox* cbxAdminMode;
    QLineEdit* edtIndex;  // hidden

    void btnSetClick();

protected:
    void ResetInputs() override;
    void RowSelected() override;
    void ReadEnded(const KySNMPError&) override;
};
