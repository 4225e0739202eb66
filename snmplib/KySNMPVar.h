#pragma once

#include "KySNMPVarDesc.h"

#include <string>

class KyOptionList;

// The run-time entry made from one descriptor row; owned by its variable list.
class KySNMPVar {
public:
    explicit KySNMPVar(const KySNMPVarDesc& row);

    std::string Oid;
    std::string Label;
    int Syntax;
    int Access;                     // pages and requests change it at run time
    const KyOptionList* Options;    // shared with the static tables, never owned
    std::string GetFormula;         // empty: none
    std::string SetFormula;
    std::string Extra;
    std::string Value;              // display text: option label, "(NULL)", "(NOTDONE)" or the value
    std::string Index;              // last returned instance, where the next GETNEXT goes on
};
