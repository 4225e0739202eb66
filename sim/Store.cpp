#include "Store.h"

#include <algorithm>

namespace trvsim {
namespace {

// SNMPv2 error statuses a SET can end with.
constexpr int wrongType = 7;
constexpr int wrongValue = 10;
constexpr int noCreation = 11;
constexpr int inconsistentValue = 12;
constexpr int notWritable = 17;

// Consumes n octet arcs at pos; false when missing or above 255.
bool takeOctets(const Oid& s, std::size_t& pos, std::size_t n)
{
    if (s.size() - pos < n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (s[pos + i] > 255) return false;
    pos += n;
    return true;
}

bool takeLengthPrefixed(const Oid& s, std::size_t& pos)
{
    if (pos >= s.size()) return false;
    std::size_t n = s[pos++];
    return takeOctets(s, pos, n);
}

Oid instanceOid(const Table& table, unsigned column, const Oid& index)
{
    Oid oid = table.entry;
    oid.push_back(column);
    oid.insert(oid.end(), index.begin(), index.end());
    return oid;
}

} // namespace

bool Table::validIndex(const Oid& s) const
{
    std::size_t pos = 0;
    for (std::size_t k = 0; k < index.size(); ++k) {
        bool ok = false;
        switch (index[k]) {
        case IndexKind::Integer: ok = pos < s.size(); ++pos; break;
        case IndexKind::IpAddress: ok = takeOctets(s, pos, 4); break;
        case IndexKind::Mac: ok = takeOctets(s, pos, 6); break;
        case IndexKind::Ipv6: ok = takeOctets(s, pos, 16); break;
        case IndexKind::String: ok = takeLengthPrefixed(s, pos); break;
        case IndexKind::Implied: ok = k + 1 == index.size() && takeOctets(s, pos, s.size() - pos); break;
        case IndexKind::InetAddress: ok = pos < s.size() && s[pos++] <= 16 && takeLengthPrefixed(s, pos); break;
        }
        if (!ok) return false;
    }
    return pos == s.size() && !s.empty();
}

namespace {

// Where one part of a well-formed index lies in its suffix, as [first, end).
std::pair<std::size_t, std::size_t> partBounds(const std::vector<IndexKind>& index, const Oid& s, std::size_t part)
{
    std::size_t pos = 0;
    for (std::size_t k = 0; k <= part && k < index.size(); ++k) {
        std::size_t start = pos;
        switch (index[k]) {
        case IndexKind::Integer: ++pos; break;
        case IndexKind::IpAddress: takeOctets(s, pos, 4); break;
        case IndexKind::Mac: takeOctets(s, pos, 6); break;
        case IndexKind::Ipv6: takeOctets(s, pos, 16); break;
        case IndexKind::String: takeLengthPrefixed(s, pos); ++start; break;
        case IndexKind::Implied: pos = s.size(); break;
        case IndexKind::InetAddress: ++pos; takeLengthPrefixed(s, pos); start += 2; break;
        }
        if (k == part) return {start, std::min(pos, s.size())};
    }
    return {0, 0};
}

} // namespace

std::string Table::indexPart(const Oid& s, std::size_t part) const
{
    if (part < index.size() && index[part] == IndexKind::Integer) return {};
    auto [first, end] = partBounds(index, s, part);
    std::string octets;
    for (std::size_t i = first; i < end; ++i) octets += static_cast<char>(s[i]);
    return octets;
}

std::uint32_t Table::indexNumber(const Oid& s, std::size_t part) const
{
    auto [first, end] = partBounds(index, s, part);
    return first < end ? static_cast<std::uint32_t>(s[first]) : 0;
}

void Store::indexObjects()
{
    objectNames_.clear();
    for (const Table& t : tables_)
        for (const auto& [number, column] : t.columns) {
            Oid name = t.entry;
            name.push_back(number);
            objectNames_.insert(name);
        }
    for (const auto& [oid, object] : objects_)
        objectNames_.insert(Oid(oid.begin(), oid.end() - 1));
}

bool Store::isKnownObject(const Oid& name) const
{
    for (std::size_t n = 1; n <= name.size(); ++n)
        if (objectNames_.count(Oid(name.begin(), name.begin() + n))) return true;
    return false;
}

Value Store::read(Object& object)
{
    Value v = object.values[object.turn];
    if (object.values.size() > 1) object.turn = (object.turn + 1) % object.values.size();
    return v;
}

Store::Place Store::locate(const Oid& oid) const
{
    for (const Table& t : tables_)
        if (oid.size() > t.entry.size() + 1 && isPrefix(t.entry, oid))
            return {&t, static_cast<unsigned>(oid[t.entry.size()]), Oid(oid.begin() + t.entry.size() + 1, oid.end())};
    return {};
}

bool Store::rowExists(const Table& table, const Oid& index) const
{
    for (const auto& [number, column] : table.columns)
        if (objects_.count(instanceOid(table, number, index))) return true;
    return false;
}

std::variant<std::vector<Change>, SetError> Store::plan(const std::vector<Binding>& bindings) const
{
    struct Row {
        const Table* table;
        Oid index;
        std::map<unsigned, std::pair<Value, std::size_t>> values;
        std::optional<std::pair<std::int32_t, std::size_t>> status;
        std::size_t first;
    };
    std::vector<Change> changes;
    std::map<std::pair<const Table*, Oid>, Row> rows;

    for (std::size_t i = 0; i < bindings.size(); ++i) {
        const Binding& b = bindings[i];
        Place place = locate(b.oid);
        if (!place.table) {
            auto it = objects_.find(b.oid);
            if (it == objects_.end()) return SetError{noCreation, i};
            if (it->second.access != Access::ReadWrite) return SetError{notWritable, i};
            if (it->second.values.front().type != b.value.type) return SetError{wrongType, i};
            Object after = it->second;
            after.values = {b.value};
            after.turn = 0;
            changes.push_back({b.oid, after});
            continue;
        }
        auto col = place.table->columns.find(place.column);
        if (col == place.table->columns.end()) return SetError{noCreation, i};
        if (col->second.access != Access::ReadWrite) return SetError{notWritable, i};
        if (col->second.type != b.value.type) return SetError{wrongType, i};
        if (!place.table->validIndex(place.index)) return SetError{noCreation, i};
        auto [it, fresh] = rows.try_emplace({place.table, place.index}, Row{place.table, place.index, {}, {}, i});
        Row& row = it->second;
        row.values[place.column] = {b.value, i};
        if (place.column == place.table->rowStatus || place.column == place.table->entryStatus)
            row.status = {static_cast<std::int32_t>(b.value.number), i};
    }

    for (auto& entry : rows) {
        Row& row = entry.second; // a plain reference: lambdas below capture it
        const Table& t = *row.table;
        bool exists = rowExists(t, row.index);
        auto put = [&](unsigned column, const Value& v) {
            Object o;
            o.access = t.columns.at(column).access;
            o.values = {v};
            changes.push_back({instanceOid(t, column, row.index), o});
        };
        auto removeRow = [&] {
            for (const auto& [number, column] : t.columns)
                if (objects_.count(instanceOid(t, number, row.index)))
                    changes.push_back({instanceOid(t, number, row.index), std::nullopt});
        };
        // Every column with a value after this SET: what the request gives, else what the row holds,
        // else the column default. False when one stays empty.
        auto complete = [&](bool useStored) {
            for (const auto& [number, column] : t.columns) {
                if (row.values.count(number) || column.defaultValue || t.mirrors.count(number)) continue;
                if (useStored && objects_.count(instanceOid(t, number, row.index))) continue;
                return false;
            }
            return true;
        };
        auto create = [&](std::optional<Value> status) {
            for (const auto& [number, column] : t.columns) {
                if (auto v = row.values.find(number); v != row.values.end())
                    put(number, v->second.first);
                else if (auto mirror = t.mirrors.find(number); mirror != t.mirrors.end()) {
                    Value v;
                    v.type = column.type;
                    if (t.index[mirror->second] == IndexKind::Integer)
                        v.number = t.indexNumber(row.index, mirror->second);
                    else
                        v.octets = t.indexPart(row.index, mirror->second);
                    put(number, v);
                } else if (column.defaultValue)
                    put(number, *column.defaultValue);
            }
            if (status) put(t.rowStatus, *status);
        };
        auto setValues = [&] {
            for (const auto& [number, v] : row.values) put(number, v.first);
        };
        auto integer = [](std::int32_t n) {
            Value v;
            v.type = Type::Integer;
            v.number = static_cast<std::uint64_t>(static_cast<std::int64_t>(n));
            return v;
        };

        if (t.rowStatus && row.status) {
            auto [v, at] = *row.status;
            if (v < 1 || v > 6 || v == 3) return SetError{wrongValue, at};
            if (v == 6) {
                removeRow();
            } else if (v == 4 || v == 5) {
                if (exists) return SetError{inconsistentValue, at};
                bool ready = complete(false);
                if (v == 4 && !ready) return SetError{inconsistentValue, at};
                create(integer(v == 4 ? 1 : ready ? 2 : 3));
            } else {
                if (!exists) return SetError{inconsistentValue, at};
                if (v == 1 && !complete(true)) return SetError{inconsistentValue, at};
                setValues();
            }
        } else if (t.entryStatus && row.status) {
            auto [v, at] = *row.status;
            if (v == 2) {
                removeRow();
            } else if (v != t.entryValid) {
                return SetError{wrongValue, at};
            } else if (exists) {
                setValues();
            } else {
                if (!complete(false)) return SetError{inconsistentValue, at};
                create(std::nullopt);
            }
        } else {
            if (!exists) return SetError{noCreation, row.first};
            setValues();
        }
    }
    return changes;
}

std::vector<Change> Store::apply(const std::vector<Change>& changes)
{
    std::vector<Change> undo;
    for (const Change& c : changes) {
        auto it = objects_.find(c.oid);
        undo.push_back({c.oid, it == objects_.end() ? std::nullopt : std::optional<Object>(it->second)});
        if (c.after)
            objects_[c.oid] = *c.after;
        else if (it != objects_.end())
            objects_.erase(it);
    }
    return {undo.rbegin(), undo.rend()};
}

} // namespace trvsim
