#include "KySNMPRequest2Controls.h"

#include "KyException.h"
#include "KyFormula.h"
#include "KySNMPStatus.h"
#include "KyTextUtils.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>

#include <limits>

namespace {

constexpr const char* StopText = "Stop, SNMP Request is not active.";
constexpr const char* NotCompleteText = "Get data not complete";

std::string okText() { return KySNMPErrorTexts.Text(0); }

KySNMPError recordOf(int code) {
    KySNMPError record;
    record.Code = code;
    record.Message = messageOf(code);
    record.EndOfWalk = 1;
    return record;
}

}  // namespace

// Catches what the request reports through its OnError while one call runs: refused sends and failed
// synchronous reads carry their code only there. The page's own hook still sees every report.
class KySNMPRequest2Controls::ErrorCapture {
public:
    explicit ErrorCapture(KySNMPRequest& request) : Request(request), Saved(request.OnError) {
        Request.OnError = [this](const KySNMPError& error) {
            if (!Caught) First = error;
            Caught = true;
            if (Saved) Saved(error);
        };
    }
    ~ErrorCapture() { Request.OnError = Saved; }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    // The first report, or a general failure when the request said nothing.
    KySNMPError Error() const { return Caught ? First : recordOf(-401); }

private:
    KySNMPRequest& Request;
    std::function<void(const KySNMPError&)> Saved;
    KySNMPError First;
    bool Caught = false;
};

KySNMPRequest2Controls::KySNMPRequest2Controls(QWidget* owner) : Owner(owner), Token(std::make_shared<int>(0)) {}

KySNMPRequest2Controls::~KySNMPRequest2Controls() {
    // From here on no completion reaches the binder, also not while the request waits for late answers.
    Token.reset();
    Busy = 0;
}

void KySNMPRequest2Controls::SetStatusTarget(QWidget* target) { Target = target; }

bool KySNMPRequest2Controls::IsTableList() const {
    return Request.VarList.ItemType == MVT_FMV || Request.VarList.ItemType == MVT_UMV;
}

void KySNMPRequest2Controls::ShowStatus(const std::string& text) {
    if (!Target) return;
    std::string line = SNMPStatusTemplates.Text(LastOp);
    const std::size_t error = line.find("[ERROR]");
    const std::size_t varList = line.find("[VARLIST]");
    const std::string& name = Request.VarList.Name;
    if (name.empty() && error != std::string::npos && varList != std::string::npos && varList >= error) {
        // Without a name the words from after "[ERROR]" through the character after "[VARLIST]" go.
        line.erase(error + 7, varList - error + 3);
    } else {
        line = ReplaceAll(line, "[VARLIST]", name);
    }
    line = ReplaceAll(line, "[ERROR]", text);
    line = ReplaceAll(line, "[TIME]", QTime::currentTime().toString("hh:mm:ss").toStdString());

    const QString shown = QString::fromLatin1(line);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(Target)) memo->appendPlainText(shown);
    else if (auto* bar = qobject_cast<QStatusBar*>(Target)) bar->showMessage(shown);
    else if (auto* panel = qobject_cast<QLabel*>(Target)) panel->setText(shown);
}

void KySNMPRequest2Controls::ShowMessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), QString::fromLatin1(text),
                    QMessageBox::Ok, Owner);
    box.exec();
}

void KySNMPRequest2Controls::call(const ErrorEvent& hook, const KySNMPError& error) {
    // A page may delete the binder from its hook: the hook being run must outlive that.
    const ErrorEvent running = hook;
    running(*this, error);
}

void KySNMPRequest2Controls::idle() {
    Busy = 0;
    DropNextAnswer = false;
    Current = Running::Nothing;
}

// ---- reading

bool KySNMPRequest2Controls::Get() {
    if (Busy) {
        // A re-read asked right after a write waits for the write's answer; two reads never interleave.
        if (Current == Running::Write) {
            GetQueued = true;
            return true;
        }
        return false;
    }
    LastOp = 0;
    BeforeGet();
    RowsDelivered = 0;
    if (Async == 0) return getSync();
    if (Async == 1) return getAsync();
    return true;
}

bool KySNMPRequest2Controls::BeginJointRead() {
    if (Busy || Async != 1 || IsTableList()) return false;
    LastOp = 0;
    BeforeGet();
    RowsDelivered = 0;
    return start(Running::Read);
}

void KySNMPRequest2Controls::DropJointRead() {
    if (Current == Running::Read) idle();
}

void KySNMPRequest2Controls::deliverRow() {
    const std::string binderFilter = MasterRequest && !FilterTemplate.empty()
                                         ? ExpandTemplate(MasterRequest->VarList, FilterTemplate, true, "#")
                                         : std::string();
    if (!EvaluateFilter(Request.VarList, binderFilter) || !EvaluateFilter(Request.VarList, Request.RowFilter)) return;
    ++RowsDelivered;
    RowReceived();
}

bool KySNMPRequest2Controls::getSync() {
    Busy = 1;
    Current = Running::Read;
    bool ok = true;
    KySNMPError failure;
    try {
        ErrorCapture errors(Request);
        if (IsTableList()) {
            // A failed exchange ends the walk: starting over from the first row would repeat rows.
            bool first = true;
            while (Request.GetSync(first, ok)) {
                deliverRow();
                first = false;
            }
        } else {
            Request.GetSync(true, ok);
            if (ok) deliverRow();
        }
        failure = errors.Error();
        GetDone();
    } catch (...) {
        idle();
        throw;
    }
    idle();
    if (ok) {
        ShowStatus(okText());
        return true;
    }
    // Nothing was sent while the request is stopped; any other failure must not leave an old "Ok!" standing.
    if (Request.Active) readFailed(failure);
    return false;
}

KySNMPRequest::Completion KySNMPRequest2Controls::readCompletion() {
    std::weak_ptr<int> token = Token;
    return [this, token](const KySNMPError& error, KySNMPVarList&) {
        if (!token.expired()) OnGetResponse(error);
    };
}

bool KySNMPRequest2Controls::start(Running operation) {
    Busy = 1;
    Current = operation;
    if (Request.Active) return true;
    // A stopped request sends nothing.
    idle();
    return false;
}

KySNMPError KySNMPRequest2Controls::send(const std::function<void()>& operation) {
    try {
        ErrorCapture errors(Request);
        operation();
        return errors.Error();
    } catch (...) {
        // The library's own errors leave Get and Set with the binder idle again.
        idle();
        throw;
    }
}

bool KySNMPRequest2Controls::getAsync() {
    if (!start(Running::Read)) return true;
    bool ok = true;
    const KySNMPError failure = send([&] { Request.GetAsync(true, ok, readCompletion()); });
    if (ok) return true;
    idle();
    LastOp = 0;
    readFailed(failure);
    return false;
}

void KySNMPRequest2Controls::OnGetResponse(const KySNMPError& error) {
    std::weak_ptr<int> token = Token;
    if (DropNextAnswer) {
        idle();
        return;
    }
    bool awaitingNext = false;
    try {
        if (error.Code != 0) {
            idle();
            LastOp = 0;
            readFailed(error);
            return;
        }
        if (!IsTableList()) {
            deliverRow();
            finishRead(error, false);
            return;
        }
        if (error.EndOfWalk) {
            finishRead(error, false);
            return;
        }
        if (!Request.Active) {
            deliverRow();
            finishRead(error, true);
            return;
        }
        // The next row is asked for before this one is shown: the agent answers while the page works.
        const std::optional<KySNMPError> refused = continueWalk();
        awaitingNext = !refused;
        deliverRow();
        if (refused) {
            // A refused continuation is a failed read: the page must not wait for an end that never comes.
            idle();
            LastOp = 0;
            readFailed(*refused);
        }
    } catch (const std::exception& e) {
        if (token.expired()) return;
        // A continuation already sent is waited for, so that its answer never lands in a later read.
        if (awaitingNext) DropNextAnswer = true;
        else idle();
        LastOp = 0;
        ReadEnded();
        ReportException(e);
    }
}

std::optional<KySNMPError> KySNMPRequest2Controls::continueWalk() {
    bool ok = true;
    ErrorCapture errors(Request);
    Request.GetAsync(false, ok, readCompletion());
    if (ok) return std::nullopt;
    return errors.Error();
}

void KySNMPRequest2Controls::finishRead(const KySNMPError& error, bool stopped) {
    std::weak_ptr<int> token = Token;
    ReadEnded();
    GetDone();
    idle();
    if (!Target) return;
    LastOp = 0;
    if (!stopped) {
        ShowStatus(okText());
    } else if (Request.OnError) {
        KySNMPError stop;
        stop.Message = StopText;
        stop.ErrorCount = std::numeric_limits<std::uint64_t>::max();
        const auto hook = Request.OnError;
        hook(stop);
    } else {
        ShowStatus(StopText);
    }
    if (!token.expired() && OnGetError) call(OnGetError, error);
}

void KySNMPRequest2Controls::readFailed(const KySNMPError& error) {
    ReadEnded();
    if (OnGetError) call(OnGetError, error);
    else GetError(error);
}

void KySNMPRequest2Controls::GetError(const KySNMPError& error) {
    LastOp = 0;
    if (Target) ShowStatus(error.Message);
    else ShowMessageBox(error.Message);
}

void KySNMPRequest2Controls::ReportException(const std::exception& error) {
    if (Target) ShowStatus(error.what());
    else ShowMessageBox(error.what());
}

// ---- writing

void KySNMPRequest2Controls::LeaveOutOfThisSet(int index) {
    KySNMPVar& var = Request.VarList.GetVar(index);
    LeftOut.emplace_back(index, var.Access);
    var.Access |= afInvalid;
}

void KySNMPRequest2Controls::restoreLeftOut() {
    for (auto it = LeftOut.rbegin(); it != LeftOut.rend(); ++it)
        if (it->first < Request.VarList.GetCount()) Request.VarList.GetVar(it->first).Access = it->second;
    LeftOut.clear();
}

bool KySNMPRequest2Controls::Set(std::uint8_t reloadAfterSet, std::uint8_t collect, const std::string& positions,
                                 const std::vector<std::string>* values) {
    // Never a second exchange on the list while one is outstanding; the caller is told nothing was sent,
    // and the user why, when a read still fills the page.
    if (Busy) {
        if (Current == Running::Read) {
            LastOp = 1;
            if (Target) ShowStatus(NotCompleteText);
            else ShowMessageBox(NotCompleteText);
        }
        return false;
    }
    struct Restore {
        KySNMPRequest2Controls& Binder;
        ~Restore() { Binder.restoreLeftOut(); }
    } restore{*this};
    LastOp = 1;
    ReloadAfterSet = reloadAfterSet;
    BeforeSet();
    if (collect == 1) CollectForSet();
    if (!AcceptValues()) return false;
    if (Async == 0) return setSync(positions, values);
    if (Async == 1) return setAsync(positions, values);
    return true;
}

bool KySNMPRequest2Controls::setSync(const std::string& positions, const std::vector<std::string>* values) {
    if (!start(Running::Write)) return false;
    bool ok = true;
    KySNMPError result;
    try {
        Request.SetSync(ok, result, false, positions, values);
        restoreLeftOut();
        SetDone();
    } catch (...) {
        idle();
        throw;
    }
    idle();
    if (ok && !Target) return true;
    std::weak_ptr<int> token = Token;
    if (ok) ShowStatus(okText());
    else ReportSetError(result);
    if (token.expired()) return ok;
    if (IsTableList() && ReloadAfterSet == 1) Get();
    return ok;
}

bool KySNMPRequest2Controls::setAsync(const std::string& positions, const std::vector<std::string>* values) {
    if (!start(Running::Write)) return true;
    bool ok = true;
    std::weak_ptr<int> token = Token;
    const KySNMPError failure = send([&] {
        Request.SetAsync(
            ok,
            [this, token](const KySNMPError& error, KySNMPVarList&) {
                if (!token.expired()) OnSetResponse(error);
            },
            false, positions, values);
    });
    if (ok) return true;
    // A write that could not be sent is reported like one the agent refused.
    idle();
    ReportSetError(failure);
    return false;
}

void KySNMPRequest2Controls::OnSetResponse(const KySNMPError& error) {
    std::weak_ptr<int> token = Token;
    try {
        writeAnswered(error);
    } catch (const std::exception& e) {
        if (token.expired()) return;
        idle();
        LastOp = 1;
        ShowMessageBox(e.what());
    }
}

void KySNMPRequest2Controls::writeAnswered(const KySNMPError& error) {
    std::weak_ptr<int> token = Token;
    if (error.Code == 0) SetDone();
    idle();
    LastOp = 1;
    if (OnSetError) call(OnSetError, error);
    else SetResult(error);
    if (token.expired()) return;
    const bool reload = error.Code == 0 && IsTableList() && ReloadAfterSet == 1;
    const bool queued = GetQueued;
    GetQueued = false;
    if (reload || queued) Get();
}

void KySNMPRequest2Controls::SetResult(const KySNMPError& error) { ReportSetError(error); }

void KySNMPRequest2Controls::ReportSetError(const KySNMPError& error) {
    LastOp = 1;
    if (error.Code == 0 && Target) ShowStatus(error.Message);
    else ShowMessageBox(error.Message);
}
