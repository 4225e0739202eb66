#pragma once

#include "DedicatedPage.h"

class QComboBox;
class QLabel;
class QLineEdit;

// "Current Time": the switch's clock, the time sources it supports and whether a reboot resets the
// clock; only the clock is written.
class TCurrentTimeForm : public TDedicatedPage {
    Q_OBJECT

public:
    explicit TCurrentTimeForm(QWidget* owner);

    QLineEdit* timecapacityEdit;
    QLineEdit* currentclockEdit;
    QComboBox* cbxReset;
    QLabel* tempText;  // hidden: the capacity bits as read
    KySNMPRequest2Edits* Binder = nullptr;

    void GetButtonClick();
    void SetButtonClick();
    // Whether a clock text is "year-month-day,hour:minute:second.tenth" with every part in its range.
    static bool IsClockText(const QString& text);

private:
    void BuildLayout();
    void FormCreate();
    void ShowTimeCapacity();
};
