#pragma once

#include "KyControlBinding.h"

#include <QString>

#include <string>

class KySNMPVar;

// How one binding moves a value between its variable and its controls, by the class of the first
// control: QLabel (caption), QCheckBox (a truth value, an option pair, or bits with PartNumbers),
// QComboBox and KyRadioGroup (option labels), one QLineEdit (text; a port list as numbers and ranges),
// several QLineEdits (the parts of an address, a time or a date). Failures raise -517, -519, -520, -521,
// -522 or the input error of the text at fault.

// Shows the variable's value, or the binding's piece of it.
void ValueToBinding(const KyControlBinding& binding, const KySNMPVar& var);

// The octets of the binding's piece as its controls hold it. False when the controls hold no choice
// (a combo box or radio group without a selected item): the piece is then left as it was. A port-list
// edit is read against portTemplate (hex), the value the list was read with.
bool BindingToOctets(const KyControlBinding& binding, const KySNMPVar& var, const std::string& portTemplate,
                     std::string& octets);

// A whole-value binding shows the variable itself; any other binding a piece cut at its byte offset.
bool IsWholeValue(const KyControlBinding& binding, const KySNMPVar& var);

// Display-string octets as text in an encoding Qt's string converters know ("Shift_JIS"). An empty name,
// or one this Qt cannot convert, shows each octet as the character of that code (Latin-1).
QString TextOfOctets(const std::string& octets, const std::string& encoding);
// The octets of text in the encoding. A character the encoding lacks raises an error rather than go out
// as a stand-in character.
std::string OctetsOfText(const QString& text, const std::string& encoding);
