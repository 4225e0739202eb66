#pragma once

#include "KySNMPError.h"
#include "KySNMPRequest.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The base of every binding object: drives its request for a page (a read of scalars or one row, a table
// walk exchange by exchange, a write), hands each row to the subclass, and reports on a status line or
// in a message box titled with the application title.
//
// One operation at a time: a Get asked while an asynchronous Set is outstanding runs after the Set's
// answer; a Get asked while a read runs, and a Set asked while anything runs, are refused (false) and
// send nothing. Completions that arrive after the binder is gone are dropped.
class KySNMPRequest2Controls {
public:
    using ErrorEvent = std::function<void(KySNMPRequest2Controls& binder, const KySNMPError& error)>;

    explicit KySNMPRequest2Controls(QWidget* owner);
    virtual ~KySNMPRequest2Controls();
    KySNMPRequest2Controls(const KySNMPRequest2Controls&) = delete;
    KySNMPRequest2Controls& operator=(const KySNMPRequest2Controls&) = delete;

    KySNMPRequest Request;
    // Replaces GetError for a failed read; with a status target it also follows the final status line
    // of an asynchronous read that ended or was stopped (code 0), so pages learn that their data is in.
    ErrorEvent OnGetError;
    // Replaces SetResult for every asynchronous write result.
    ErrorEvent OnSetError;
    std::uint8_t Async = 1;
    std::uint8_t Busy = 0;
    QPointer<QWidget> Owner;  // parent of the message boxes
    int RowsDelivered = 0;
    int LastOp = 0;  // 0 Get, 1 Set: the status template
    std::uint8_t ReloadAfterSet = 1;
    KySNMPRequest* MasterRequest = nullptr;  // with FilterTemplate: the source of the row filter
    std::string FilterTemplate;

    // A memo (QPlainTextEdit), a status bar (QStatusBar) or a status panel (a QLabel); nullptr for none.
    void SetStatusTarget(QWidget* target);
    QWidget* StatusTarget() const { return Target; }
    // Writes the status line of LastOp's template; nothing without a status target.
    void ShowStatus(const std::string& text);

    // Synchronous: whether the read succeeded. Asynchronous: false when the first request could not be
    // sent (or the binder is busy reading), else true.
    bool Get();
    // positions: empty for every settable variable, or a comma list of positions; values: one text per
    // position. collect 1 takes the values from the controls first. False: nothing went out (refused, or
    // the send failed) or a synchronous write failed; the caller must not show the write as done.
    [[nodiscard]] bool Set(std::uint8_t reloadAfterSet = 1, std::uint8_t collect = 1, const std::string& positions = {},
             const std::vector<std::string>* values = nullptr);

    virtual void GetError(const KySNMPError& error);
    virtual void SetResult(const KySNMPError& error);
    void ReportSetError(const KySNMPError& error);

    void OnGetResponse(const KySNMPError& error);
    void OnSetResponse(const KySNMPError& error);

    // A read whose exchange another object makes for several binders at once: marks the binder reading
    // as Get does (false when it is busy or stopped); the values are put in its list and OnGetResponse
    // ends the read. DropJointRead leaves it idle without an answer.
    bool BeginJointRead();
    void DropJointRead();

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void RowReceived() {}
    virtual void CollectForSet() {}
    // The values about to be sent, however they were collected: false refuses the Set, which sends
    // nothing; the binder has told the user why.
    virtual bool AcceptValues() { return true; }
    virtual void GetDone() {}
    // Every end of a read, before GetDone or the failure report: rows held back are shown.
    virtual void ReadEnded() {}
    virtual void SetDone() {}

    // Leaves the variable out of the Set being prepared; its access word returns once the Set is sent.
    void LeaveOutOfThisSet(int index);
    void ShowMessageBox(const std::string& text);
    // A failure met while values move to or from the controls: the status line, else a message box.
    void ReportException(const std::exception& error);
    bool IsTableList() const;

private:
    enum class Running { Nothing, Read, Write };
    class ErrorCapture;

    // Marks the binder busy with the operation; false (and idle again) when the request is stopped.
    bool start(Running operation);
    // Runs one send of the request; gives what the request reported meanwhile (a refused send).
    KySNMPError send(const std::function<void()>& operation);
    bool getSync();
    bool getAsync();
    bool setSync(const std::string& positions, const std::vector<std::string>* values);
    bool setAsync(const std::string& positions, const std::vector<std::string>* values);
    KySNMPRequest::Completion readCompletion();
    void deliverRow();
    // Sends the walk's next request; a refusal comes back for the caller to end the read with.
    std::optional<KySNMPError> continueWalk();
    void finishRead(const KySNMPError& error, bool stopped);
    void readFailed(const KySNMPError& error);
    void writeAnswered(const KySNMPError& error);
    void call(const ErrorEvent& hook, const KySNMPError& error);
    void idle();
    void restoreLeftOut();

    Running Current = Running::Nothing;
    bool GetQueued = false;
    // The walk failed on a row after its next request went out: that request's answer only ends the read.
    bool DropNextAnswer = false;
    std::vector<std::pair<int, int>> LeftOut;  // (position, access word) of this Set's left-out variables
    QPointer<QWidget> Target;
    // Completions and code after a hook or a message box hold a weak copy: expired means the binder is gone.
    std::shared_ptr<int> Token;
};
