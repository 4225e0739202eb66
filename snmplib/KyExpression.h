#pragma once

#include <string>
#include <string_view>

// The evaluators behind formulas and row filters. They work on texts in which variables have already
// been replaced by their values.

// "a<>b", "a>=b", "a<=b", "a>b", "a<b", "a=b" compared as texts (quotes removed, "NOW" the current day
// count), or "true"/"false" alone. Raises -1 for anything else.
bool CompareCondition(std::string_view text);

// Comparisons joined by '|', '&', '!' and parentheses; only the first quoted section protects its
// characters. Raises -1 for an operand that is no comparison.
bool EvaluateCondition(std::string_view text);

// '+', '-', '*', '/' and parentheses, right to left: 10-5-2 is 7. A number is the decimal at the start
// of its text (0 when there is none) or "NOW". Raises -513 for a division by zero or a result that is
// not a finite number.
double EvaluateArithmetic(std::string_view text);

// The current local date and time as days since 1899-12-30, the fraction being the time of day.
double DayCountNow();
