#pragma once
// Faults that tests switch on and off while the agent runs. A fault with an OID applies to bindings
// whose requested or answered OID lies under it; without one it applies to every binding.
#include "Value.h"

#include <optional>
#include <string>
#include <vector>

namespace trvsim {

enum class FaultKind {
    Drop,          // no answer at all ("drop")
    Delay,         // answer after `ms` milliseconds ("delay")
    ErrorStatus,   // error status `status` on the matching binding: tooBig 1, genErr 5, ... ("error")
    NoAdvance,     // GETNEXT answers with the requested OID ("noadvance")
    Backwards,     // GETNEXT answers with an OID before the requested one ("backwards")
    SiblingColumn, // GETNEXT answers in the column whose number is ten times the fault OID's last arc ("sibling")
    WrongType,     // an integer comes back as an OCTET STRING, anything else as an INTEGER ("wrongtype")
    Truncate,      // an OCTET STRING comes back cut to `length` octets ("truncate")
    Duplicate,     // a GET-type request is answered twice ("duplicate")
    StaleAnswer,   // ... first answered with the previous request id, then properly ("stale")
    NullAtEnd,     // a v2c GETNEXT whose answer leaves the fault OID's subtree answers with the requested
                   // OID and a NULL value ("nullend")
};

struct Fault {
    int id = 0;
    FaultKind kind = FaultKind::Drop;
    Oid oid;
    int count = -1; // firings left; -1 for no limit
    int status = 5;
    int ms = 0;
    int length = 0;
};

class Faults {
public:
    // "KIND [oid=OID] [count=N] [status=N] [ms=N] [length=N]"; throws std::invalid_argument.
    int add(const std::vector<std::string>& words);
    bool remove(int id);
    void clear() { faults_.clear(); }

    // Uses up one firing of the first fault of that kind that matches, if any.
    std::optional<Fault> fire(FaultKind kind, const Oid& requested, const Oid& answered = {});
    // The same for a fault whose OID holds the requested OID but not the answered one.
    std::optional<Fault> fireLeaving(FaultKind kind, const Oid& requested, const Oid& answered);

private:
    std::vector<Fault> faults_;
    int nextId_ = 1;
};

} // namespace trvsim
