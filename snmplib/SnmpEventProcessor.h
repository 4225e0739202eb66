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

private:
    // Starts the timer when enabled and a request waits.
    void Wake();

    QPointer<QTimer> Timer;
    bool Enabled = false;
    bool Running = false;
};

extern SnmpEventProcessor EventProcessor;
