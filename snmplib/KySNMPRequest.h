#pragma once

#include "KyOid.h"
#include "KySNMPError.h"
#include "KySNMPTarget.h"
#include "KySNMPVarList.h"
#include "KyValue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct KySNMPExchange;
struct KySNMPTargetCopy;
struct KyVarBind;
enum class KyPduKind;

// One SNMP conversation about one variable list: GET, one GETNEXT step of a table walk, or SET, sent
// synchronously or with a completion that the event pump runs on the UI thread. The target is copied
// from the global record when the request is created.
class KySNMPRequest {
public:
    // Receives (outcome, the request's variable list) once per asynchronous exchange.
    using Completion = std::function<void(const KySNMPError&, KySNMPVarList&)>;

    KySNMPRequest();
    ~KySNMPRequest();
    KySNMPRequest(const KySNMPRequest&) = delete;
    KySNMPRequest& operator=(const KySNMPRequest&) = delete;

    std::function<void(const KySNMPError&)> OnError;
    std::uint8_t UseGetNext = 0;
    int Timeout;  // one try, in units of 10 ms
    int Retries = 1;
    KySNMPDevice Device;
    KySNMPScope Scope;
    KySNMPSecurity Security;
    KySNMPVarList VarList;
    std::string RowFilter;
    std::uint8_t Active = 1;
    int PendingAsync = 0;
    std::uint64_t ErrorCount = 0;
    // The instance of the table row the last exchange read, as the agent returned it; empty when it read
    // none. A row's own instance, whatever the key values held before.
    std::string RowInstance;

    // One exchange; true when a table walk goes on with another (first = false).
    bool GetSync(bool first, bool& ok);
    void GetAsync(bool first, bool& ok, Completion done);
    // positions: empty (every settable variable) or a comma-separated list of variable indexes; values,
    // when given, one text per position. The variable list is as before when the call returns.
    bool SetSync(bool& ok, KySNMPError& result, bool decode, const std::string& positions = {},
                 const std::vector<std::string>* values = nullptr);
    void SetAsync(bool& ok, Completion done, bool decode, const std::string& positions = {},
                  const std::vector<std::string>* values = nullptr);

    // The variable's OID with the list's instance suffix.
    std::string BaseOid(int index) const;
    // The encoded key values of the row, joined with ".".
    std::string JoinIndex() const;
    // Sets the key variables from a row instance; raises -514 when a key is missing.
    void SplitIndex(const std::string& instance);
    void SplitIndex(const KyOid& instance);
    // Whether a returned OID has left the variable's column: not strictly under it, or not past the
    // previous index (an agent that does not advance or goes back ends the column).
    bool IsEndOfColumn(const KyOid& base, const std::string& previousIndex, const KyOid& returned) const;

private:
    enum class PduKind { FirstRead, Continuation, Write };
    struct Decoded {
        bool Continue = false;        // a table walk needs another exchange
        bool EndedByNoSuchName = false;  // a v1 agent's end of the walk
        bool Missing = false;         // a read of scalars or a row got no value for some binding
    };

    bool isTableList() const;
    std::vector<KyVarBind> buildPdu(PduKind kind);
    KyPduKind readOperation() const;
    KySNMPTargetCopy target() const;
    Decoded decode(const std::vector<KyVarBind>& bindings, int code);
    void reportError(int code, const std::string& message = {});
    // The failure a completed exchange stands for beyond its status: a binding without a value, or a
    // walk whose agent answered out of order. Code 0 when there is none.
    KySNMPError answerFailure(const Decoded& decoded) const;
    // Whether a column's answer breaks the walk's order: not past the OID asked (wherever it lies), or
    // inside the column without a value. An endOfMibView on the OID asked is the agent's proper end.
    static bool answersOutOfOrder(const KyOid& base, const KyOid& asked, const KyVarBind& answer);
    // The agent's error status of a write, with the object its error index points to.
    std::string writeErrorMessage(int code, const KySNMPExchange& exchange) const;
    void markPositions(const std::string& positions, const std::vector<std::string>* values);
    std::vector<KyVarBind> writeBindings(const std::string& positions, const std::vector<std::string>* values);
    void sendAsync(KyPduKind operation, std::vector<KyVarBind> bindings, bool decodeAnswer, bool& ok, Completion done);
    KySNMPError completionRecord(KySNMPExchange& exchange, bool decodeAnswer);

    // The first answer of this walk that was not past the OID asked: "returned does not follow asked".
    std::string OutOfOrder;

    // Shared with the completions still in flight. While the request is being destroyed they only
    // count down; once it is gone they are dropped.
    struct Liveness {
        KySNMPRequest* Request;
        bool Closing = false;
    };
    std::shared_ptr<Liveness> Alive;
};
