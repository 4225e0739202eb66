#include "WaitingFormUnit.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

TWaitingForm::TWaitingForm(QWidget* owner, std::function<void()> work)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), Work(std::move(work)) {
    setObjectName(QStringLiteral("WaitingForm"));
    setWindowTitle(QStringLiteral("Refreshing panel"));
    setModal(true);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 600);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ProgressBar1);
    setFixedSize(396, 24);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TWaitingForm::Timer1Timer);
}

void TWaitingForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TWaitingForm::FormActivate() {
    Timer1->start();
    if (Started) return;
    Started = 1;
    // Once the dialog is on the screen and its modal loop runs.
    QTimer::singleShot(0, this, [this] {
        try {
            if (Work) Work();
        } catch (...) {
            // The work reports its own failures; the dialog closes in any case.
        }
        Finished = true;
        Timer1->stop();
        accept();
    });
}

void TWaitingForm::Timer1Timer() {
    const int next = ProgressBar1->value() + 20;
    ProgressBar1->setValue(next >= ProgressBar1->maximum() ? 0 : next);
}

void TWaitingForm::reject() {
    if (Finished) QDialog::reject();
}

void TWaitingForm::closeEvent(QCloseEvent* event) {
    if (!Finished) {
        event->ignore();
        return;
    }
    Timer1->stop();
    QDialog::closeEvent(event);
}
