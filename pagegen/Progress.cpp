#include "Progress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

void BuildProgressControls(QDialog* form, QLabel*& prompt, QProgressBar*& bar, QTimer*& timer, QPoint promptAt,
                           QRect barRect, int barMax, int tickInterval) {
    form->setWindowTitle(QStringLiteral("Progress"));
    form->setFixedSize(358, 66);
    prompt = new QLabel(form);
    prompt->setObjectName(QStringLiteral("LB_Prompt"));
    QFont bold = prompt->font();
    bold.setBold(true);
    prompt->setFont(bold);
    prompt->setGeometry(QRect(promptAt, QSize(329, 20)));
    bar = new QProgressBar(form);
    bar->setObjectName(QStringLiteral("ProgressBar"));
    bar->setGeometry(barRect);
    bar->setRange(0, barMax);
    bar->setValue(0);
    bar->setTextVisible(false);
    timer = new QTimer(form);
    timer->setInterval(tickInterval);
    // The time runs from creation, not from showing.
    timer->start();
}

TProgressForm::TProgressForm(QWidget* parentForm, int tickInterval)
    : QDialog(parentForm, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("ProgressForm"));
    BuildProgressControls(this, LB_Prompt, ProgressBar, ProgressTimer, {16, 3}, {23, 26, 300, 16}, 50, tickInterval);
    connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm::ProgressTimerTimer);
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
