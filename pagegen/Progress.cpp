#include "Progress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

TProgressForm::TProgressForm(QWidget* parentForm, int tickInterval)
    : QDialog(parentForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(QStringLiteral("Progress"));
    setFixedSize(358, 66);
    LB_Prompt = new QLabel(this);
    LB_Prompt->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = LB_Prompt->font();
    bold.setBold(true);
    LB_Prompt->setFont(bold);
    LB_Prompt->setGeometry(16, 3, 329, 20);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(23, 26, 300, 16);
    ProgressBar->setRange(0, 50);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(tickInterval);
    connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm::ProgressTimerTimer);
    ProgressTimer->start();
}

void TProgressForm::ProgressTimerTimer() {
    if (ProgressBar->value() >= ProgressBar->maximum()) {
        ProgressTimer->stop();
        accept();
        return;
    }
    ProgressBar->setValue(ProgressBar->value() + 1);
}

void TProgressForm::closeEvent(QCloseEvent* event) {
    // It closes itself when the time is up; the user cannot.
    event->ignore();
}
