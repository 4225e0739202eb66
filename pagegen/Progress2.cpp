#include "Progress2.h"

#include "Progress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

TProgressForm2::TProgressForm2(QWidget* parentForm, int tickInterval)
    : QDialog(parentForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressForm2"));
    BuildProgressControls(this, LB_Prompt, ProgressBar, ProgressTimer, {16, 7}, {16, 32, 329, 16}, 76, tickInterval);
    connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm2::ProgressTimerTimer);
}

void TProgressForm2::ProgressTimerTimer() {
    // Ticks are counted apart from the bar, which wraps: a limit past its end still closes.
    if (Ticks >= TickLimit) {
        ProgressTimer->stop();
        accept();
        return;
    }
    ++Ticks;
    const int next = ProgressBar->value() + 1;
    ProgressBar->setValue(next >= ProgressBar->maximum() ? ProgressBar->minimum() : next);
}

void TProgressForm2::closeEvent(QCloseEvent* event) {
    // It closes itself when the time is up; the user cannot.
    event->ignore();
}
