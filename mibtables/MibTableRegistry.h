#pragma once

#include "KySNMPVarDesc.h"

#include <span>

// Every static variable table by name, so that tools and checks can walk them all.
struct MibTableEntry {
    const char* Name;
    const KySNMPVarDesc* Table;
    const char* Module;
    const char* Section;  // the group of pages the table was laid out for
};

// A second name some pages use for a table; Table is the same array as the canonical one.
struct MibTableAlias {
    const char* Name;
    const KySNMPVarDesc* Table;
    const char* Canonical;
};

std::span<const MibTableEntry> mibTables();
std::span<const MibTableAlias> mibTableAliases();
