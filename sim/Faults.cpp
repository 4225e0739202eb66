#include "Faults.h"

#include <stdexcept>

namespace trvsim {

int Faults::add(const std::vector<std::string>& words)
{
    static const std::pair<const char*, FaultKind> kinds[] = {
        {"drop", FaultKind::Drop},           {"delay", FaultKind::Delay},
        {"error", FaultKind::ErrorStatus},   {"noadvance", FaultKind::NoAdvance},
        {"backwards", FaultKind::Backwards}, {"sibling", FaultKind::SiblingColumn},
        {"wrongtype", FaultKind::WrongType}, {"truncate", FaultKind::Truncate},
        {"duplicate", FaultKind::Duplicate}, {"stale", FaultKind::StaleAnswer},
        {"nullend", FaultKind::NullAtEnd},
    };
    if (words.empty()) throw std::invalid_argument("fault kind missing");
    Fault f;
    bool known = false;
    for (auto& [name, kind] : kinds)
        if (words[0] == name) {
            f.kind = kind;
            known = true;
        }
    if (!known) throw std::invalid_argument("unknown fault kind '" + words[0] + "'");
    for (std::size_t i = 1; i < words.size(); ++i) {
        auto eq = words[i].find('=');
        if (eq == std::string::npos) throw std::invalid_argument("expected key=value, not '" + words[i] + "'");
        std::string key = words[i].substr(0, eq), val = words[i].substr(eq + 1);
        if (key == "oid") {
            f.oid = parseOid(val);
            continue;
        }
        int n = 0;
        try {
            std::size_t used = 0;
            n = std::stoi(val, &used);
            if (used != val.size()) throw std::invalid_argument(val);
        } catch (const std::exception&) {
            throw std::invalid_argument("bad number in '" + words[i] + "'");
        }
        if (key == "count") f.count = n;
        else if (key == "status") f.status = n;
        else if (key == "ms") f.ms = n;
        else if (key == "length") f.length = n;
        else throw std::invalid_argument("unknown fault option '" + key + "'");
    }
    if (f.kind == FaultKind::SiblingColumn && f.oid.empty())
        throw std::invalid_argument("sibling needs oid= naming the column");
    if (f.kind == FaultKind::NullAtEnd && f.oid.empty())
        throw std::invalid_argument("nullend needs oid= naming the subtree");
    if (f.count == 0 || f.ms < 0 || f.length < 0 || f.status < 0 || f.status > 18)
        throw std::invalid_argument("count, ms, length or status out of range");
    f.id = nextId_++;
    faults_.push_back(f);
    return f.id;
}

bool Faults::remove(int id)
{
    return std::erase_if(faults_, [id](const Fault& f) { return f.id == id; }) > 0;
}

std::optional<Fault> Faults::fire(FaultKind kind, const Oid& requested, const Oid& answered)
{
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->kind != kind) continue;
        if (!it->oid.empty() && !isPrefix(it->oid, requested) && !(answered.size() && isPrefix(it->oid, answered)))
            continue;
        Fault f = *it;
        if (it->count > 0 && --it->count == 0) faults_.erase(it);
        return f;
    }
    return std::nullopt;
}

std::optional<Fault> Faults::fireLeaving(FaultKind kind, const Oid& requested, const Oid& answered)
{
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->kind != kind || !isPrefix(it->oid, requested) || (answered.size() && isPrefix(it->oid, answered)))
            continue;
        Fault f = *it;
        if (it->count > 0 && --it->count == 0) faults_.erase(it);
        return f;
    }
    return std::nullopt;
}

} // namespace trvsim
