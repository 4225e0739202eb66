#include "KySNMPRequest.h"

#include "KyCodec.h"
#include "KyException.h"
#include "KyFormula.h"
#include "KyNumList.h"
#include "KySNMPStatus.h"
#include "KySNMPTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int DestructorWaitMilliseconds = 6000;
constexpr int NoSuchName = -102;
constexpr int OperationFailed = -401;
constexpr const char* NotDone = "(NOTDONE)";

int mappedCode(int status, std::string& message) {
    int code = 0;
    mapSNMPStatus(status, code, message);
    return code;
}

}  // namespace

KySNMPRequest::KySNMPRequest()
    : Timeout(DefaultSNMPTimeout),
      Device(DefaultSNMPDevice),
      Scope(DefaultSNMPScope),
      Security(DefaultSNMPSecurity),
      Alive(std::make_shared<Liveness>(Liveness{this})) {}

KySNMPRequest::~KySNMPRequest() {
    Active = 0;
    Alive->Closing = true;
    // Give outstanding answers a bounded chance to arrive; later ones find the request gone.
    QElapsedTimer waited;
    waited.start();
    while (PendingAsync > 0 && waited.elapsed() < DestructorWaitMilliseconds && QCoreApplication::instance()
           && !KySNMPTransport::dispatching()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    Alive->Request = nullptr;
}

bool KySNMPRequest::isTableList() const {
    return VarList.ItemType == MVT_FMV || VarList.ItemType == MVT_UMV;
}

std::string KySNMPRequest::BaseOid(int index) const {
    const std::string& oid = VarList.GetVar(index).Oid;
    return VarList.InstanceSuffix.empty() ? oid : oid + "." + VarList.InstanceSuffix;
}

std::string KySNMPRequest::JoinIndex() const {
    std::string joined;
    for (int i = 0; i < VarList.KeyCount && i < VarList.GetCount(); ++i) {
        const KySNMPVar& key = VarList.GetVar(i);
        const KyKeyPlace place{i == VarList.KeyCount - 1, VarList.IsImplied(i)};
        const std::string part = EncodeIndexPart(key.Syntax, key.Value, place, key.Options).toString();
        if (part.empty()) continue;
        if (!joined.empty()) joined += '.';
        joined += part;
    }
    return joined;
}

void KySNMPRequest::SplitIndex(const std::string& instance) {
    SplitIndex(KyOid::parse(instance));
}

void KySNMPRequest::SplitIndex(const KyOid& parsed) {
    std::string instance;  // only a key without an object of its own needs the text
    std::span<const std::uint32_t> rest(parsed.subIds());
    for (int i = 0; i < VarList.KeyCount && i < VarList.GetCount(); ++i) {
        if (rest.empty()) throw KyException(-514);
        KySNMPVar& key = VarList.GetVar(i);
        if (!VarList.IsReadable(i)) {
            if (instance.empty()) instance = parsed.toString();
            key.Index = BaseOid(i) + "." + instance;
        }
        const KyKeyPlace place{i == VarList.KeyCount - 1, VarList.IsImplied(i)};
        key.Value = DecodeIndexPart(key.Syntax, rest, place, key.Options);
    }
}

bool KySNMPRequest::IsEndOfColumn(const KyOid& base, const std::string& previousIndex, const KyOid& returned) const {
    if (!isTableList()) return false;
    if (!returned.isStrictlyUnder(base)) return true;
    if (previousIndex.empty()) return false;
    const std::optional<KyOid> previous = KyOid::tryParse(previousIndex);
    return previous && returned <= *previous;
}

KyPduKind KySNMPRequest::readOperation() const {
    switch (VarList.ItemType) {
    case SVT_SV: return KyPduKind::Get;
    case MVT_SV: return UseGetNext ? KyPduKind::GetNext : KyPduKind::Get;
    default: return KyPduKind::GetNext;
    }
}

KySNMPTargetCopy KySNMPRequest::target() const {
    return {Device, Scope, Security, Timeout, Retries};
}

std::vector<KyVarBind> KySNMPRequest::buildPdu(PduKind kind) {
    if (kind == PduKind::Continuation && !isTableList()) throw KyException(-510);
    if (kind == PduKind::Write && VarList.ItemType > MVT_UMV) throw KyException(-515);
    std::vector<KyVarBind> bindings;
    for (int i = 0; i < VarList.GetCount(); ++i) {
        KySNMPVar& var = VarList.GetVar(i);
        switch (kind) {
        case PduKind::FirstRead:
            OutOfOrder.clear();
            if (!VarList.IsReadable(i)) continue;
            var.Index.clear();
            bindings.push_back({KyOid::parse(VarList.ItemType == SVT_SV ? BaseOid(i) + ".0" : BaseOid(i)), {}});
            break;
        case PduKind::Continuation:
            if (!VarList.IsReadable(i)) continue;
            bindings.push_back({KyOid::parse(var.Index), {}});
            break;
        case PduKind::Write: {
            if ((isTableList() && i < VarList.KeyCount) || !VarList.IsSettable(i)) continue;
            std::string name = BaseOid(i);
            if (VarList.ItemType == SVT_SV) {
                name += ".0";
            } else if (isTableList()) {
                if (const std::string keys = JoinIndex(); !keys.empty()) name += "." + keys;
            }
            bindings.push_back({KyOid::parse(name), TextToVb(var.Syntax, var.Value, var.Options)});
            break;
        }
        }
    }
    return bindings;
}

KySNMPRequest::Decoded KySNMPRequest::decode(const std::vector<KyVarBind>& bindings, int code) {
    Decoded result;
    const bool table = isTableList();

    struct Column {
        int Var;
        const KyVarBind* Binding;
        KyOid Base;
        bool Ended;
    };
    std::vector<Column> columns;
    RowInstance.clear();
    std::size_t k = 0;
    for (int i = 0; i < VarList.GetCount(); ++i) {
        if (!VarList.IsReadable(i)) continue;
        const KyVarBind* binding = k < bindings.size() ? &bindings[k] : nullptr;
        ++k;
        KyOid base = KyOid::parse(BaseOid(i));
        if (columns.empty() && code == NoSuchName && table && binding
            && VarList.GetVar(i).Index == binding->Oid.toString()) {
            // A v1 agent's answer past the last row: the walk is complete.
            result.EndedByNoSuchName = true;
            return result;
        }
        bool ended = false;
        if (table) {
            const std::string& previous = VarList.GetVar(i).Index;
            ended = !binding || binding->Value.isNull() || IsEndOfColumn(base, previous, binding->Oid);
            // The agent misbehaves, and the walk says so.
            if (code == 0 && binding && OutOfOrder.empty()) {
                const KyOid asked = previous.empty() ? base : KyOid::parse(previous);
                if (answersOutOfOrder(base, asked, *binding))
                    OutOfOrder = binding->Oid.toString() + " does not follow " + asked.toString();
            }
        } else if (binding && binding->Value.isNull()) {
            // noSuchObject, noSuchInstance or NULL: no value, like a v1 agent's noSuchName.
            result.Missing = true;
        }
        columns.push_back({i, binding, std::move(base), ended});
    }

    // The row is the lowest instance among the columns still running; a column already past it (a hole
    // in a sparse table) shows an empty cell and is asked again from where it stood.
    std::optional<KyOid> row;
    for (const Column& column : columns) {
        if (!table || column.Ended) continue;
        const auto& ids = column.Binding->Oid.subIds();
        KyOid instance(std::vector<std::uint32_t>(ids.begin() + long(column.Base.size()), ids.end()));
        if (!row || instance < *row) row = std::move(instance);
    }

    std::size_t finished = 0;
    for (const Column& column : columns) {
        KySNMPVar& var = VarList.GetVar(column.Var);
        // A column that ended, or has a hole at this row, stays where it stood and is asked from there
        // again; one without a row yet stands at its start. Never from key values: they may be any row's.
        const auto standStill = [&] {
            if (var.Index.empty()) var.Index = column.Base.toString();
        };
        if (column.Ended) {
            ++finished;
            var.Value = NotDone;
            standStill();
            continue;
        }
        if (table) {
            const auto& ids = column.Binding->Oid.subIds();
            const KyOid instance(std::vector<std::uint32_t>(ids.begin() + long(column.Base.size()), ids.end()));
            if (instance != *row) {
                var.Value.clear();
                standStill();
                continue;
            }
        }
        if (column.Binding) {
            var.Value = VbToText(var.Syntax, column.Binding->Value, var.Options);
            var.Index = column.Binding->Oid.toString();
        } else {
            var.Value = VbToText(var.Syntax, KyValue::null(), var.Options);
        }
    }

    if (finished == columns.size()) return result;
    if (table) {
        SplitIndex(*row);
        RowInstance = row->toString();
        result.Continue = true;
    }
    for (int i = 0; i < VarList.GetCount(); ++i) ApplyFormula(VarList, i, true);
    return result;
}

void KySNMPRequest::reportError(int code, const std::string& message) {
    ++ErrorCount;
    if (!OnError) return;
    KySNMPError error;
    error.Code = code;
    error.Message = message.empty() ? messageOf(code) : message;
    error.ErrorCount = ErrorCount;
    OnError(error);
}

bool KySNMPRequest::GetSync(bool first, bool& ok) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    if (VarList.ItemType > MVT_UMV) {
        ok = false;
        reportError(-515);
        return false;
    }
    const std::vector<KyVarBind> bindings = buildPdu(first ? PduKind::FirstRead : PduKind::Continuation);
    const KySNMPExchange exchange = KySNMPTransport::exchange(
        target(), readOperation(), bindings);
    std::string message;
    const int code = mappedCode(exchange.Status, message);
    const bool walkEnd = code == NoSuchName && isTableList();
    if (code != 0) {
        ok = false;
        if (!walkEnd) reportError(code);
    }
    const Decoded decoded = decode(exchange.Bindings, code);
    if (decoded.EndedByNoSuchName) {
        ok = OutOfOrder.empty();
        if (!ok) reportError(OperationFailed, answerFailure({}).Message);
        return false;
    }
    if (walkEnd) {
        reportError(code);
        return false;
    }
    if (ok) {
        if (const KySNMPError failure = answerFailure(decoded); failure.Code != 0) {
            ok = false;
            reportError(failure.Code, failure.Message);
            return false;
        }
    }
    return ok && decoded.Continue;
}

bool KySNMPRequest::answersOutOfOrder(const KyOid& base, const KyOid& asked, const KyVarBind& answer) {
    if (answer.Value.type() == KyValue::EndOfMibView) return false;
    return answer.Oid <= asked || (answer.Value.isNull() && answer.Oid.isStrictlyUnder(base));
}

KySNMPError KySNMPRequest::answerFailure(const Decoded& decoded) const {
    KySNMPError failure;
    if (decoded.Missing) {
        failure.Code = NoSuchName;
        failure.Message = messageOf(NoSuchName);
    } else if (!decoded.Continue && !OutOfOrder.empty()) {
        failure.Code = OperationFailed;
        failure.Message = messageOf(OperationFailed) + " " + OutOfOrder + ".";
    }
    return failure;
}

std::string KySNMPRequest::writeErrorMessage(int code, const KySNMPExchange& exchange) const {
    std::string message = messageOf(code);
    const bool agentError = code <= -101 && code >= -118;
    if (!agentError || exchange.ErrorIndex < 1 || std::size_t(exchange.ErrorIndex) > exchange.Bindings.size())
        return message;
    const KyOid& named = exchange.Bindings[std::size_t(exchange.ErrorIndex - 1)].Oid;
    std::string label;
    for (int i = 0; i < VarList.GetCount() && label.empty(); ++i)
        if (const auto base = KyOid::tryParse(BaseOid(i)); base && (named == *base || named.isStrictlyUnder(*base)))
            label = VarList.GetVar(i).Label + " ";
    return message + " " + label + "(" + named.toString() + ")";
}

KySNMPError KySNMPRequest::completionRecord(KySNMPExchange& exchange, bool decodeAnswer) {
    KySNMPError record;
    record.Code = mappedCode(exchange.Status, record.Message);
    record.ErrorIndex = exchange.ErrorIndex;
    record.AgentAddress = exchange.AgentAddress;
    record.AgentPort = exchange.AgentPort;
    record.EndOfWalk = 1;
    const bool walkEnd = record.Code == NoSuchName && isTableList();
    if ((record.Code == 0 && decodeAnswer) || walkEnd) {
        Decoded decoded = decode(exchange.Bindings, record.Code);
        if (decoded.EndedByNoSuchName) {
            record.Code = 0;
            record.Message = messageOf(0);
            decoded.Continue = false;
        }
        record.EndOfWalk = walkEnd || !decoded.Continue ? 1 : 0;
        if (record.Code == 0) {
            if (const KySNMPError failure = answerFailure(decoded); failure.Code != 0) {
                record.Code = failure.Code;
                record.Message = failure.Message;
                record.EndOfWalk = 1;
            }
        }
    } else if (record.Code != 0 && !decodeAnswer) {
        record.Message = writeErrorMessage(record.Code, exchange);
    }
    return record;
}

void KySNMPRequest::sendAsync(KyPduKind operation, std::vector<KyVarBind> bindings, bool decodeAnswer, bool& ok,
                              Completion done) {
    std::weak_ptr<Liveness> token = Alive;
    const int status = KySNMPTransport::send(
        target(), operation, std::move(bindings),
        [token, decodeAnswer, done = std::move(done)](KySNMPExchange& exchange) {
            const auto alive = token.lock();
            if (!alive || !alive->Request) return;  // the request is gone: nobody to tell
            KySNMPRequest& request = *alive->Request;
            if (alive->Closing) {
                --request.PendingAsync;
                return;
            }
            KySNMPError record;
            try {
                record = request.completionRecord(exchange, decodeAnswer);
            } catch (const KyException& error) {
                record = {};
                record.Code = error.code();
                record.Message = error.what();
                record.EndOfWalk = 1;
            }
            struct CountDown {
                std::weak_ptr<Liveness> Token;
                ~CountDown() {
                    if (const auto still = Token.lock(); still && still->Request) --still->Request->PendingAsync;
                }
            } countDown{alive};
            if (done) done(record, request.VarList);
        });
    if (status != 0) {
        ok = false;
        std::string message;
        reportError(mappedCode(status, message));
        return;
    }
    ++PendingAsync;
}

void KySNMPRequest::GetAsync(bool first, bool& ok, Completion done) {
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    if (VarList.ItemType > MVT_UMV) {
        ok = false;
        reportError(-515);
        return;
    }
    sendAsync(readOperation(), buildPdu(first ? PduKind::FirstRead : PduKind::Continuation), true, ok, std::move(done));
}

void KySNMPRequest::markPositions(const std::string& positions, const std::vector<std::string>* values) {
    if (positions.empty()) return;
    KyIntList chosen;
    chosen.Delimiter = ',';
    if (!chosen.Parse(positions)) throw KyException(-12);
    for (int i = 0; i < VarList.GetCount(); ++i) {
        KySNMPVar& var = VarList.GetVar(i);
        const int place = chosen.IndexOf(i);
        if (place < 0) {
            var.Access |= afInvalid;
            continue;
        }
        var.Access &= ~afInvalid;
        if (values && place < int(values->size())) var.Value = (*values)[std::size_t(place)];
    }
}

std::vector<KyVarBind> KySNMPRequest::writeBindings(const std::string& positions, const std::vector<std::string>* values) {
    // The marks and values of this one Set never outlive it.
    KySNMPVarList backup;
    backup = VarList;
    struct Restore {
        KySNMPVarList& Target;
        const KySNMPVarList& Saved;
        ~Restore() { Target = Saved; }
    } restore{VarList, backup};
    markPositions(positions, values);
    for (int i = 0; i < VarList.GetCount(); ++i) ApplyFormula(VarList, i, false);
    return buildPdu(PduKind::Write);
}

bool KySNMPRequest::SetSync(bool& ok, KySNMPError& result, bool decodeAnswer, const std::string& positions,
                            const std::vector<std::string>* values) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    const KySNMPExchange exchange = KySNMPTransport::exchange(target(),
                                                              KyPduKind::Set, writeBindings(positions, values));
    result = {};
    result.Code = mappedCode(exchange.Status, result.Message);
    result.ErrorIndex = exchange.ErrorIndex;
    if (result.Code != 0) {
        ok = false;
        result.Message = writeErrorMessage(result.Code, exchange);
        result.ErrorCount = ++ErrorCount;
    }
    return decodeAnswer && decode(exchange.Bindings, result.Code).Continue;
}

void KySNMPRequest::SetAsync(bool& ok, Completion done, bool decodeAnswer, const std::string& positions,
                             const std::vector<std::string>* values) {
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    sendAsync(KyPduKind::Set, writeBindings(positions, values), decodeAnswer, ok, std::move(done));
}
