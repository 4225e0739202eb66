#include "Progress2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

TProgressForm2::TProgressForm2(QWidget* parentForm, int tickInterval)
    : QDialog(parentForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressForm2"));
    setWindowTitle(QStringLiteral("Progress"));
    setFixedSize(358, 66);
    LB_Prompt = new QLabel(this);
    LB_Prompt->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);
    LB_Prompt->setGeometry(16, 7, 329, 20);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(16, 32, 329, 16);
    ProgressBar->setRange(0, 76);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(tickInterval);
    connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm2::ProgressTimerTimer);
    // The time runs from creation, not from showing.
    ProgressTimer->start();
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
