#pragma once

class QLineEdit;

// Judges of an edit's text: true when the text is acceptable. They carry no message; the caller decides
// what a false result means. Only isValidShortHex changes the edit.

// Four dotted decimal parts 0..255, leading zeros allowed (decimal), at most 16 characters.
bool isValidIPv4Address(QLineEdit* edit);
// As above, with a first part from 224 to 239.
bool isValidMulticastIPv4Address(QLineEdit* edit);
// Exactly 32 hex digits, either case.
bool isValidIPv6Hex(QLineEdit* edit);
// 32 hex digits starting with "FF" (either case), the form isValidIPv6Hex reads.
bool isValidMulticastIPv6Address(QLineEdit* edit);
// Six groups of exactly two hex digits separated by "-" or ".", or twelve hex digits without separator.
bool isValidMACAddress(QLineEdit* edit);
// A valid MAC address with the group bit set that is not the broadcast address.
bool isMulticastMACAddress(QLineEdit* edit);
// A valid MAC address with the group bit clear that is not the all-zero address.
bool isUnicastMACAddress(QLineEdit* edit);
// A dotted IPv4 mask with contiguous one bits, not 0.0.0.0.
bool isValidSubnetMask(QLineEdit* edit);
// At most four hex digits; an accepted text is rewritten in upper case padded to four digits ("1" ->
// "0001", "" -> "0000"). A refused text stays as typed.
bool isValidShortHex(QLineEdit* edit);
