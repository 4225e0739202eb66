#pragma once

#include <QPointer>
#include <QTimer>

// The pump that lets asynchronous answers, time-outs and retries run on the UI thread: a 20 ms timer,
// and at once whenever a session's socket has data.
class SnmpEventProcessor {
public:
    void Enable();
    void Disable();
    void OnTimer();

private:
    QPointer<QTimer> Timer;
    bool Running = false;
};

extern SnmpEventProcessor EventProcessor;
