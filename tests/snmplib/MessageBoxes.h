#pragma once
// Widget-test helpers: running the event loop until something happens, and answering the message boxes
// that come up meanwhile.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return done();
}

// Closes every message box shown while it lives and keeps what it said.
class MessageBoxes {
public:
    MessageBoxes() {
        QObject::connect(&Timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Titles << box->windowTitle();
                Texts << box->text();
                Parents.push_back(box->parentWidget());
                box->accept();
            }
        });
        Timer.start(5);
    }

    QStringList Titles;
    QStringList Texts;
    std::vector<QPointer<QWidget>> Parents;

private:
    QTimer Timer;
};
