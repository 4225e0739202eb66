#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QLineEdit;

// Input rules the dialogs share. Addresses go through the library's one strict IPv4 reader, so
// nothing a check lets through can turn into another instance on the wire.

// The address as a host-order number, or nullopt for anything but four decimal parts 0..255.
std::optional<std::uint32_t> IPv4Value(const QString& text);
// A run of ones followed by zeros (0.0.0.0 and 255.255.255.255 included).
bool IsContiguousMask(std::uint32_t mask);
// Exactly `digits` hexadecimal digits, nothing else.
bool IsHexOfLength(const QString& text, int digits);
// At most `digits` hexadecimal digits; an empty text passes.
bool IsHexUpTo(const QString& text, int digits);
// A whole decimal number within the bounds.
bool IsNumberBetween(const QString& text, int low, int high);
// A whole decimal number, as the checks need it; anything else throws the conversion error the status
// line shows.
int WholeNumber(const QLineEdit* edit);
