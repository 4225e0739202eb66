#pragma once

#include <QPointer>
#include <QTimer>

// The pump that lets asynchronous answers, time-outs and retries run on the UI thread: a 20 ms timer
// while a request is outstanding (an idle program wakes for nothing), and at once whenever a session's
// socket has data.
class SnmpEventProcessor {
public:
    void Enable();
    void Disable();
    void OnTimer();
    bool TimerRunning() const { return Timer && Timer->isActive(); }
    // How often a socket with data woke the pump.
    int SocketWakeups() const { return Wakeups; }

private:
    // Starts the timer when enabled and a request waits.
    void Wake();
    // A socket has data: a tick at once, or, while a tick runs (a completion showing a message box),
    // the sockets go unwatched until it ends, since their data stays unread and would wake us endlessly.
    void SocketReady();

    QPointer<QTimer> Timer;
    bool Enabled = false;
    bool Running = false;
    bool Held = false;  // sockets unwatched until the running tick ends
    int Wakeups = 0;
};

extern SnmpEventProcessor EventProcessor;
