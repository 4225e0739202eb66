#pragma once

#include <QDialog>

#include <QRect>

class QLabel;
class QProgressBar;
class QTimer;

// The caption, prompt, bar and running tick timer both progress dialogs share; they differ in the
// places of prompt and bar and in the bar's length.
void BuildProgressControls(QDialog* form, QLabel*& prompt, QProgressBar*& bar, QTimer*& timer, QPoint promptAt,
                           QRect barRect, int barMax, int tickInterval);

// A time-based progress dialog that closes when its bar is full, on the 51st tick. The user cannot
// close it.
class TProgressForm : public QDialog {
    Q_OBJECT

public:
    explicit TProgressForm(QWidget* parentForm, int tickInterval = 1000);

    QLabel* LB_Prompt;
    QProgressBar* ProgressBar;
    QTimer* ProgressTimer;

    void ProgressTimerTimer();
    void reject() override {}  // no Esc

protected:
    void closeEvent(QCloseEvent* event) override;
};
