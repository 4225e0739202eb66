#pragma once

#include "KySNMPRequest.h"

#include <QPointer>
#include <QTimer>

#include <memory>
#include <vector>

class KySNMPRequest2Leds;

// The LED polls of several units of one agent as one poll: one timer, and one GET carrying every
// member's variables, whose answer each member takes as if it had asked on its own. When the agent
// refuses the joint GET (an error status, a binding without a value), each member asks again alone,
// so one unknown object costs the others nothing; a time-out or a failure to send is every member's.
// Members ask the same agent with the same credentials; a list with a formula polls on its own.
class KySNMPLedPoll {
public:
    explicit KySNMPLedPoll(QObject* owner);
    ~KySNMPLedPoll();
    KySNMPLedPoll(const KySNMPLedPoll&) = delete;
    KySNMPLedPoll& operator=(const KySNMPLedPoll&) = delete;

    // The member stops its own timer and leaves the poll by StopPolling or when it goes.
    void Add(KySNMPRequest2Leds& member);
    void Remove(KySNMPRequest2Leds& member);
    // Polls every units x 10 ms, the first time at once.
    void Start(int units);
    void Stop();
    // One poll now; nothing while the last one's answer is outstanding.
    void PollNow();
    bool TimerRunning() const { return Timer && Timer->isActive(); }

private:
    struct Asking {
        KySNMPRequest2Leds* Member;
        int First;  // its first variable in the joint list
    };

    void Answered(const KySNMPError& error);
    // Every asking member's variables, each under its full OID.
    void BuildJointList();

    std::vector<KySNMPRequest2Leds*> Members;
    std::vector<Asking> Asked;  // the members of the GET outstanding, until each has its answer
    KySNMPRequest Joint;
    QPointer<QTimer> Timer;
    std::shared_ptr<int> Alive = std::make_shared<int>(0);
};
