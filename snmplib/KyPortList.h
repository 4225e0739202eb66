#pragma once

#include <cstddef>
#include <string>

// Port lists (and any bit list) as users read and type them. In the bitmap, position 1 is the highest
// bit of the first octet. As text, set positions ascend; runs of two or more read "first-last", items
// are joined by ","; no position at all reads "0".

// The length of a bit list that has no value read: the 64 positions of the tables' VLAN range lists.
inline constexpr std::size_t BitListOctets = 8;

// From a hex text; appendHex adds the hex in square brackets ("1-4,7[F2]") so that a list row can be
// read back exactly. A character that is no hex digit counts as 0.
std::string portBitmapToText(const std::string& hex, bool appendHex);

// The text between the first "[" and the first "]" after it; the whole text when it has no brackets.
std::string bracketedHex(const std::string& text);

// Port text to a bitmap as long as the template hex (lower-case hex in out). Accepts "all", "0" (no
// port, as an empty list is shown), numbers and ranges within 1 .. 4 x the template's length. False for any bad item (also "unit:port" forms, texts
// over 255 characters and range ends over 7 characters); out is then left as it was.
bool portTextToBitmap(const std::string& text, const std::string& templateHex, std::string& out);
