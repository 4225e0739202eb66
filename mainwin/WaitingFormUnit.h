#pragma once

#include <QDialog>

#include <cstdint>
#include <functional>

class QProgressBar;
class QTimer;

// The small modal dialog shown while the panels are found and built: a bar that keeps moving, no way
// to close it by hand. Its first activation runs the work once, then it closes itself.
class TWaitingForm : public QDialog {
    Q_OBJECT

public:
    // work: what the first activation runs; the dialog closes when it returns (or throws).
    TWaitingForm(QWidget* owner, std::function<void()> work);

    QProgressBar* ProgressBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::uint8_t Started = 0;

    void Timer1Timer();

public slots:
    void reject() override;  // Esc does not close it

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormActivate();

    std::function<void()> Work;
    bool Finished = false;
};
