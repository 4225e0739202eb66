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
        KySNMPTransport::setReadyHandler([this] { SocketReady(); });
        KySNMPTransport::setSentHandler([this] { Wake(); });
    }
    Enabled = true;
    Wake();
}

void SnmpEventProcessor::Disable() {
    Enabled = false;
    if (Timer) Timer->stop();
}

void SnmpEventProcessor::Wake() {
    if (Enabled && !Running && Timer && !Timer->isActive() && KySNMPTransport::outstanding()) Timer->start();
}

void SnmpEventProcessor::SocketReady() {
    ++Wakeups;
    if (!Running) {
        OnTimer();
        return;
    }
    Held = true;
    KySNMPTransport::watchSockets(false);
}

void SnmpEventProcessor::OnTimer() {
    if (Running || !Timer) return;  // a completion that pumps messages never starts a second tick
    Running = true;
    Timer->stop();
    struct Restart {
        SnmpEventProcessor* Self;
        ~Restart() {
            Self->Running = false;
            if (Self->Held) {
                // What waited in the sockets is read by the next tick.
                Self->Held = false;
                KySNMPTransport::watchSockets(true);
            }
            Self->Wake();
        }
    } restart{this};
    if (snmpSessionStarted()) KySNMPTransport::processPendingEvents();
}
