#pragma once
// Simulator data for every static variable table: which objects each table reads, and rows of
// plausible values for them, written in the data-file format of sim/DataFile.h.
#include "MibTableRegistry.h"

#include <set>
#include <string>
#include <vector>

namespace tablegen {

// How pages read a table: scalars (OID.0) or rows whose first KeyCount variables are the keys.
struct TableShape {
    bool Scalar = true;
    int KeyCount = 0;
    int RowStatus = -1; // the variable that creates and destroys rows, -1 when none
};

TableShape tableShape(const MibTableEntry& table);

// What hand-written data files already serve: table entries and plain instances.
struct HandServed {
    std::set<std::string> Entries;
    std::set<std::string> Objects;
    // Reads the @table and instance lines of the files; @include lines are not followed.
    static HandServed read(const std::vector<std::string>& paths);
};

// The whole generated data file; conflicts, when asked for, name the objects that tables read with
// different types (the first reader's type is served).
std::string generateTables(const HandServed& served, std::vector<std::string>* conflicts = nullptr);

} // namespace tablegen
