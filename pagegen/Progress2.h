#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

// A time-based progress dialog shown after a SET the switch needs time for: one step a tick, closing
// at TickLimit ticks whatever the bar's length. The user cannot close it.
class TProgressForm2 : public QDialog {
    Q_OBJECT

public:
    // parentForm: the window it shows over (a dialog or the main window).
    explicit TProgressForm2(QWidget* parentForm, int tickInterval = 1000);

    QLabel* LB_Prompt;
    QProgressBar* ProgressBar;
    QTimer* ProgressTimer;
    int TickLimit = 30;
    int Ticks = 0;  // ticks counted so far

    void ProgressTimerTimer();
    void reject() override {}  // no Esc

protected:
    void closeEvent(QCloseEvent* event) override;
};
