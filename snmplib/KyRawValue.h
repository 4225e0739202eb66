#pragma once

#include <string>

// The raw octets behind a value text, so that a control can show a fixed-width piece of a value at a
// byte offset. 32-bit and 64-bit numbers are little-endian, the 16-bit kinds (196-198) network order,
// DateAndTime 11 octets with the year in network order. Unknown syntaxes raise -511.

// "(NULL)" gives no octets. Text that cannot become the syntax's value raises the common input error
// that fits (a number range, an IP address, a hex text) instead of turning into zeros.
std::string TextToOctets(const std::string& text, int syntax);
// No octets read "(NULL)" (the empty text for display strings); octets shorter than the syntax needs
// raise -518.
std::string OctetsToText(const std::string& octets, int syntax);
// The piece of the part syntax's width at offset, or everything from offset for the octet kinds; raises
// -519 when the data ends before the piece does. No data gives no octets.
std::string ExtractPart(const std::string& octets, int offset, int partSyntax);
