#pragma once

#include "KySNMPVar.h"

#include <cstdint>
#include <string>
#include <vector>

// The variables one request works on, built from a static descriptor table.
class KySNMPVarList {
public:
    KySNMPVarList() = default;
    // One entry per row up to the row with a null Oid; a null table gives an empty list.
    KySNMPVarList(const KySNMPVarDesc* table, std::uint8_t itemType, int keyCount);
    // A copy starts with an empty InstanceSuffix.
    KySNMPVarList(const KySNMPVarList& other);
    // Deep copy of the entries, item type, key count and name; the target keeps its InstanceSuffix.
    KySNMPVarList& operator=(const KySNMPVarList& other);

    std::string InstanceSuffix;
    int KeyCount = 0;
    std::uint8_t ItemType = SVT_SV;
    std::string Name;

    int GetCount() const { return int(Entries.size()); }
    // Raises -12 for an index outside the list.
    KySNMPVar& GetVar(int index);
    const KySNMPVar& GetVar(int index) const;

    // Appends "." + suffix to every Oid, for good: a second call appends again.
    void AppendInstance(const std::string& suffix);

    bool IsImplied(int index) const;
    bool IsReadable(int index) const;
    bool IsSettable(int index) const;
    bool IsListColumn(int index) const;
    bool IsHiddenColumn(int index) const;
    int CountListColumns() const;
    int CountHiddenColumns() const;

private:
    std::vector<KySNMPVar> Entries;
};
