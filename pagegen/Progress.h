#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

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
