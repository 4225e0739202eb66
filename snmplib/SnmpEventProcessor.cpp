#include "SnmpEventProcessor.h"

#include "KySNMPTarget.h"
#include "KySNMPTransport.h"

#include <QCoreApplication>

SnmpEventProcessor EventProcessor;

namespace {
constexpr int TickMilliseconds = 20;
}

void SnmpEventProcessor::Enable() {
    if (!Timer) {
        // Owned by the application so that it goes before the event dispatcher does.
        Timer = new QTimer(QCoreApplication::instance());
        Timer->setInterval(TickMilliseconds);
        QObject::connect(Timer, &QTimer::timeout, [this] { OnTimer(); });
        KySNMPTransport::setReadyHandler([this] { OnTimer(); });
    }
    Timer->start();
}

void SnmpEventProcessor::Disable() {
    if (Timer) Timer->stop();
}

void SnmpEventProcessor::OnTimer() {
    if (Running || !Timer) return;  // a completion that pumps messages never starts a second tick
    const bool wasActive = Timer->isActive();
    Running = true;
    Timer->stop();
    struct Restart {
        SnmpEventProcessor* Self;
        bool WasActive;
        ~Restart() {
            Self->Running = false;
            if (WasActive && Self->Timer) Self->Timer->start();
        }
    } restart{this, wasActive};
    if (snmpSessionStarted()) KySNMPTransport::processPendingEvents();
}
