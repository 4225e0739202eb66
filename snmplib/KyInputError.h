#pragma once

#include <cstdint>
#include <string>

// Input errors: text the user gave that cannot become a value. Raised as KyException with the common
// input code, its placeholders filled in.

// -8 " Please enter a number between [MIN] and [MAX]!"
[[noreturn]] void throwNumberRangeError(const std::string& min, const std::string& max);
[[noreturn]] void throwNumberRangeError(std::int64_t min, std::uint64_t max);

// -7 for a malformed hex text, whose digits must come in pairs.
[[noreturn]] void throwHexError();
