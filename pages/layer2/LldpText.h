#pragma once

#include <QString>
#include <QStringList>

#include <string>

// How the LLDP pages turn the octets of a TLV into text. Every value here is the library's hex text of
// the octets (two upper-case digits per octet).

// The names of the bits set in a BITS value, bit 0 being the highest bit of the first octet: one
// blank, then the names in bit order joined by ","; one blank when none is set. Bits without a name
// are passed over.
QString BitNames(const std::string& hex, const QStringList& names);
// The hex text of the one-octet BITS value whose names occur in the text (case-sensitive).
std::string NamesToBits(const QString& text, const QStringList& names);

// The system capabilities of LLDP, in bit order.
const QStringList& CapabilityNames();

// A chassis or port ID shown by its subtype (the option label read with it): a MAC address as hex
// octets, a name as text, anything else (or a name with unprintable octets) as hex.
QString LldpIdText(const QString& subtype, const std::string& hex);
