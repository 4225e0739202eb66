#pragma once

#include <optional>
#include <string>
#include <string_view>

// Hex texts of octet strings as the pages show and accept them: two upper-case digits per octet, no
// separators.
namespace OctetStr {

std::string get_printable_hex(std::string_view octets);

// Pairs of hex digits (either case); blanks may stand between octets, never inside one. The one other
// form is an IPv6 address with its zone: 32 hex digits, "%" and the decimal zone index, giving 16 octets
// and the index as 4 octets in network order. Anything else gives nullopt: a malformed text must never
// turn into octets.
std::optional<std::string> from_hex_string(std::string_view text);

}  // namespace OctetStr
