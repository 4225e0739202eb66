#include "KySNMPVarList.h"

#include "KyException.h"

namespace {
constexpr int OutOfRange = -12;
}  // namespace

KySNMPVarList::KySNMPVarList(const KySNMPVarDesc* table, std::uint8_t itemType, int keyCount)
    : KeyCount(keyCount), ItemType(itemType) {
    for (const KySNMPVarDesc* row = table; row && row->Oid; ++row) Entries.emplace_back(*row);
}

KySNMPVarList::KySNMPVarList(const KySNMPVarList& other) { *this = other; }

KySNMPVarList& KySNMPVarList::operator=(const KySNMPVarList& other) {
    ItemType = other.ItemType;
    KeyCount = other.KeyCount;
    Name = other.Name;
    Entries = other.Entries;
    return *this;
}

KySNMPVar& KySNMPVarList::GetVar(int index) {
    if (index < 0 || index >= GetCount()) throw KyException(OutOfRange);
    return Entries[index];
}

const KySNMPVar& KySNMPVarList::GetVar(int index) const {
    if (index < 0 || index >= GetCount()) throw KyException(OutOfRange);
    return Entries[index];
}

void KySNMPVarList::AppendInstance(const std::string& suffix) {
    for (KySNMPVar& var : Entries) var.Oid += "." + suffix;
}

bool KySNMPVarList::IsImplied(int index) const { return GetVar(index).Access & afImplied; }

bool KySNMPVarList::IsReadable(int index) const {
    const int access = GetVar(index).Access;
    return (access & afReadOnly) && !(access & afInvalid);
}

bool KySNMPVarList::IsSettable(int index) const {
    const int access = GetVar(index).Access;
    if (access & afInvalid) return false;
    if (access & afWriteOnly) return true;
    // Key columns of a table are taken from the controls so the written instance can be formed.
    return (ItemType == MVT_FMV || ItemType == MVT_UMV) && index < KeyCount;
}

bool KySNMPVarList::IsListColumn(int index) const {
    const int access = GetVar(index).Access;
    return !(access & (afInvalid | afHidden)) && (access & (afNotAccess | afDerived | afReadOnly));
}

bool KySNMPVarList::IsHiddenColumn(int index) const {
    const int access = GetVar(index).Access;
    return access == afWriteOnly || (access & (afInvalid | afHidden));
}

int KySNMPVarList::CountListColumns() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i) n += IsListColumn(i);
    return n;
}

int KySNMPVarList::CountHiddenColumns() const {
    int n = 0;
    for (int i = 0; i < GetCount(); ++i) n += IsHiddenColumn(i);
    return n;
}
