#pragma once

#include "KyOid.h"
#include "KyValue.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class KyOptionList;

// The display texts of values, by the syntax codes of KySNMPSyntax, and the encoding of key columns in
// the instance of a table row. Octet kinds read as compact upper-case hex, a null value as "(NULL)" (the
// empty text for octet kinds and display strings). A variable with an option list shows the option's
// label. Every function raises -511 for a syntax it does not know; texts that cannot become a value raise
// the common input error that fits (number range, IP address, MAC, IPv6, hex) or -417 for an OID.

// Where a key column stands in the instance.
struct KyKeyPlace {
    bool Last = false;     // the last key column of the row
    bool Implied = false;  // declared IMPLIED: a last string or OID key carries no length
};

// Marks a value whose type on the wire is not the one the syntax is read from (or an INTEGER outside
// Integer32): the marker, then the value in its wire form. No syntax converts such a text back.
inline constexpr const char* WrongTypeMarker = "(WRONGTYPE)";

// A DisplayString ends at its first zero octet.
std::string VbToText(int syntax, const KyValue& value, const KyOptionList* options = nullptr);
// "(NULL)" gives a null value for every syntax.
KyValue TextToVb(int syntax, const std::string& text, const KyOptionList* options = nullptr);

// Reads one key from the front of the instance and drops the sub-identifiers it used. An instance too
// short for the key gives the empty text and is used up.
std::string DecodeIndexPart(int syntax, std::span<const std::uint32_t>& instance, KyKeyPlace place = {},
                            const KyOptionList* options = nullptr);
// The sub-identifiers that stand for the text as a key. Never drops a key: a text that does not give
// the key's full width is an input error.
KyOid EncodeIndexPart(int syntax, const std::string& text, KyKeyPlace place = {},
                      const KyOptionList* options = nullptr);

// "3:04:05.06", "1 day 3:04:05.06", "2 days, 3:04:05.06" (hundredths of a second).
std::string TimeTicksToText(std::uint32_t ticks);
// That form or a plain number of hundredths; -8 otherwise.
std::uint32_t TextToTimeTicks(std::string_view text);

// A real number with up to 15 significant digits, and back (-8 for a text that is no number).
std::string DoubleToText(double value);
double TextToDouble(std::string_view text);

// A day count since 1899-12-30 whose fraction is the time of day, as "yyyy/mm/dd hh:nn:ss", and back
// (-8 for another text or an impossible date).
std::string DayCountToText(double days);
double TextToDayCount(std::string_view text);
