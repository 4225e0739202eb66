#pragma once
// The simulated switch's objects: a sorted map of instances plus the table declarations that give
// columns, index forms, defaults and row-status semantics to SETs.
#include "Value.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <variant>
#include <vector>

namespace trvsim {

enum class Access { ReadOnly, ReadWrite };

// How one index key is encoded in an instance suffix.
enum class IndexKind { Integer, IpAddress, String, Implied, Mac, Ipv6, InetAddress };

struct Column {
    Access access = Access::ReadOnly;
    Type type = Type::Integer;
    std::optional<Value> defaultValue;
};

struct Table {
    Oid entry;
    std::vector<IndexKind> index;
    unsigned rowStatus = 0;   // column holding an RFC 2579 RowStatus, 0 when none
    unsigned entryStatus = 0; // column where "valid" creates and 2 "invalid" deletes the row, 0 when none
    std::int32_t entryValid = 1; // the "valid" value of the entry status column
    // Readable columns that repeat a part of the index (column -> part, from 0): a row made by a SET
    // serves them as its index says.
    std::map<unsigned, std::size_t> mirrors;
    std::map<unsigned, Column> columns;

    // Whether an instance suffix is a well-formed index of this table.
    bool validIndex(const Oid& suffix) const;
    // The octets of one part of a well-formed index (an integer part gives none).
    std::string indexPart(const Oid& suffix, std::size_t part) const;
    // The number an integer part of a well-formed index holds.
    std::uint32_t indexNumber(const Oid& suffix, std::size_t part) const;
};

struct Object {
    Access access = Access::ReadOnly;
    std::vector<Value> values; // more than one: served in turn, one per read
    std::size_t turn = 0;
    bool uptime = false;       // TIMETICKS served from the agent's clock
};

struct Binding {
    Oid oid;
    Value value;
};

// One pending change of a SET: the instance's new state, or its removal.
struct Change {
    Oid oid;
    std::optional<Object> after;
};

struct SetError {
    int status = 0;         // SNMP v2 error status
    std::size_t index = 0;  // 0-based position of the failing binding
};

class Store {
public:
    std::map<Oid, Object>& objects() { return objects_; }
    const std::vector<Table>& tables() const { return tables_; }
    void addTable(Table table) { tables_.push_back(std::move(table)); }

    // Object boundaries for noSuchObject versus noSuchInstance; call once all objects are in.
    void indexObjects();
    bool isKnownObject(const Oid& name) const;

    // The value to serve now; advances a rotating value.
    Value read(Object& object);

    // The table and column an instance OID belongs to, with its index suffix.
    struct Place {
        const Table* table = nullptr;
        unsigned column = 0;
        Oid index;
    };
    Place locate(const Oid& oid) const;

    // Validates a whole SET and returns its changes, or the first error. Nothing is changed here.
    std::variant<std::vector<Change>, SetError> plan(const std::vector<Binding>& bindings) const;
    // Applies changes and returns the changes that undo them.
    std::vector<Change> apply(const std::vector<Change>& changes);

private:
    bool rowExists(const Table& table, const Oid& index) const;
    std::map<Oid, Object> objects_;
    std::vector<Table> tables_;
    std::set<Oid> objectNames_;
};

} // namespace trvsim
