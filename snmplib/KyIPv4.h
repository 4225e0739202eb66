#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one reader of IPv4 texts: exactly four decimal parts 0..255 separated by dots. Leading zeros are
// decimal ("010" is ten), there is no shorthand ("10.1") and no hex or octal form. Gives the four octets
// in network order, or nullopt.
std::optional<std::string> parseIPv4Address(std::string_view text);

// Dotted form of four octets in network order.
std::string formatIPv4Address(std::string_view octets);
