#pragma once

#include <string>
#include <string_view>

class KySNMPVarList;

// Formulas and row filters over the variables of a list. A variable enters a text as the marker followed
// by its position in the list ("$3").

// Replaces every marker and number by the variable's value: numbers as they are, truth values as 1/0,
// time ticks as hundredths, dates as day counts; any other syntax between double quotes when quote is
// set. Raises -512 for a "(NULL)" value, -513 for a syntax that cannot enter without quotes and -12 for
// a position outside the list. Inserted values are not expanded again.
std::string ExpandTemplate(const KySNMPVarList& list, std::string_view text, bool quote, std::string_view marker);

// Applies the variable's get formula (get set) or set formula to its value. Nothing happens without a
// formula. Raises -513 for a syntax a number cannot be written as, or a result beyond its range.
void ApplyFormula(KySNMPVarList& list, int index, bool get);

// An empty condition is true.
bool EvaluateFilter(const KySNMPVarList& list, std::string_view condition);
