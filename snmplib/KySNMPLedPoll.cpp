#include "KySNMPLedPoll.h"

#include "KyException.h"
#include "KySNMPRequest2Leds.h"
#include "KySNMPStatus.h"

#include <algorithm>
#include <string>

namespace {

// The agent's own error statuses: the agent answered, only not for every binding.
bool refusedByAgent(int code) { return code <= -101 && code >= -118; }

bool hasFormula(const KySNMPVarList& list) {
    for (int i = 0; i < list.GetCount(); ++i)
        if (!list.GetVar(i).GetFormula.empty()) return true;
    return false;
}

}  // namespace

KySNMPLedPoll::KySNMPLedPoll(QObject* owner) : Timer(new QTimer(owner)) {
    QObject::connect(Timer, &QTimer::timeout, Timer, [this] { PollNow(); });
}

KySNMPLedPoll::~KySNMPLedPoll() {
    Alive.reset();
    while (!Members.empty()) Remove(*Members.back());
    delete Timer;
}

void KySNMPLedPoll::Add(KySNMPRequest2Leds& member) {
    if (member.Poll == this) return;
    if (member.Poll) member.Poll->Remove(member);
    if (member.PollTimer) member.PollTimer->stop();
    member.Poll = this;
    Members.push_back(&member);
}

void KySNMPLedPoll::Remove(KySNMPRequest2Leds& member) {
    if (member.Poll != this) return;
    member.Poll = nullptr;
    std::erase(Members, &member);
    const auto asking = std::find_if(Asked.begin(), Asked.end(), [&](const Asking& a) { return a.Member == &member; });
    if (asking != Asked.end()) {
        Asked.erase(asking);
        member.DropJointRead();
    }
    if (Members.empty()) Stop();
}

void KySNMPLedPoll::Start(int units) {
    if (Members.empty()) return;
    Timer->start(units * 10);
    PollNow();
}

void KySNMPLedPoll::Stop() {
    if (Timer) Timer->stop();
}

void KySNMPLedPoll::BuildJointList() {
    std::vector<std::string> oids;
    for (const Asking& asking : Asked) {
        const KySNMPRequest& request = asking.Member->Request;
        for (int i = 0; i < request.VarList.GetCount(); ++i)
            oids.push_back(request.VarList.ItemType == SVT_SV ? request.BaseOid(i) + ".0" : request.BaseOid(i));
    }
    std::vector<KySNMPVarDesc> rows;
    for (const std::string& oid : oids) rows.push_back({oid.c_str(), "", 0, 0, nullptr});
    rows.push_back({nullptr, nullptr, 0, 0, nullptr});
    Joint.VarList = KySNMPVarList(rows.data(), MVT_SV, 0);
    Joint.VarList.InstanceSuffix.clear();
    // The members' own variables, so the answer is read with their syntax and options.
    for (const Asking& asking : Asked) {
        const KySNMPVarList& own = asking.Member->Request.VarList;
        for (int i = 0; i < own.GetCount(); ++i) {
            KySNMPVar& var = Joint.VarList.GetVar(asking.First + i);
            const std::string oid = var.Oid;
            var = own.GetVar(i);
            var.Oid = oid;
        }
    }
}

void KySNMPLedPoll::PollNow() {
    if (!Asked.empty()) return;
    int first = 0;
    for (KySNMPRequest2Leds* member : std::vector<KySNMPRequest2Leds*>(Members)) {
        if (hasFormula(member->Request.VarList)) {
            member->OnPollTimer();
            continue;
        }
        if (!member->BeginJointRead()) continue;
        Asked.push_back({member, first});
        first += member->Request.VarList.GetCount();
    }
    if (Asked.empty()) return;
    const KySNMPRequest& model = Asked.front().Member->Request;
    Joint.Device = model.Device;
    Joint.Scope = model.Scope;
    Joint.Security = model.Security;
    Joint.Timeout = model.Timeout;
    Joint.Retries = model.Retries;
    Joint.Active = 1;

    KySNMPError refused;
    refused.Code = 0;
    Joint.OnError = [&refused](const KySNMPError& error) {
        if (refused.Code == 0) refused = error;
    };
    bool sent = true;
    try {
        BuildJointList();
        std::weak_ptr<int> alive = Alive;
        Joint.GetAsync(true, sent, [this, alive](const KySNMPError& error, KySNMPVarList&) {
            if (!alive.expired()) Answered(error);
        });
    } catch (const KyException& error) {
        sent = false;
        refused.Code = error.code();
        refused.Message = error.what();
    }
    Joint.OnError = nullptr;
    if (sent) return;
    if (refused.Code == 0) {
        refused.Code = -401;
        refused.Message = messageOf(-401);
    }
    refused.EndOfWalk = 1;
    Answered(refused);
}

void KySNMPLedPoll::Answered(const KySNMPError& error) {
    std::weak_ptr<int> alive = Alive;
    // One member at a time: a member's hook may remove another, or this one, from the poll.
    while (!Asked.empty() && !alive.expired()) {
        const Asking asking = Asked.front();
        Asked.erase(Asked.begin());
        KySNMPRequest2Leds& member = *asking.Member;
        if (refusedByAgent(error.Code)) {
            member.DropJointRead();
            member.OnPollTimer();
            continue;
        }
        if (error.Code == 0) {
            KySNMPVarList& own = member.Request.VarList;
            for (int i = 0; i < own.GetCount(); ++i) {
                const KySNMPVar& answer = Joint.VarList.GetVar(asking.First + i);
                own.GetVar(i).Value = answer.Value;
                own.GetVar(i).Index = answer.Index;
            }
        }
        member.OnGetResponse(error);
    }
}
