#include "KyValidators.h"

#include "KyIPv4.h"

#include <QLineEdit>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

std::string textOf(const QLineEdit* edit) { return edit->text().toStdString(); }

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

int hexValue(char c) {
    if (c <= '9') return c - '0';
    return (c | 0x20) - 'a' + 10;
}

bool allHex(const std::string& text) { return std::all_of(text.begin(), text.end(), isHexDigit); }

std::optional<std::string> ipv4Octets(const std::string& text) {
    if (text.size() > 16) return std::nullopt;
    return parseIPv4Address(text);
}

// The six octets of a MAC text in one of its three written forms.
std::optional<std::array<unsigned char, 6>> macOctets(const std::string& text) {
    std::string digits;
    const char separator = text.find('-') != std::string::npos   ? '-'
                           : text.find('.') != std::string::npos ? '.'
                                                                 : 0;
    if (separator) {
        std::size_t start = 0;
        int groups = 0;
        while (true) {
            const std::size_t end = std::min(text.find(separator, start), text.size());
            // A group is exactly two digits: anything after them would be written as garbage later.
            if (end - start != 2) return std::nullopt;
            digits += text.substr(start, 2);
            ++groups;
            if (end == text.size()) break;
            start = end + 1;
        }
        if (groups != 6) return std::nullopt;
    } else {
        if (text.size() != 12) return std::nullopt;
        digits = text;
    }
    if (!allHex(digits)) return std::nullopt;
    std::array<unsigned char, 6> octets{};
    for (int i = 0; i < 6; ++i) octets[i] = (unsigned char)(hexValue(digits[2 * i]) * 16 + hexValue(digits[2 * i + 1]));
    return octets;
}

}  // namespace

bool isValidIPv4Address(QLineEdit* edit) { return ipv4Octets(textOf(edit)).has_value(); }

bool isValidMulticastIPv4Address(QLineEdit* edit) {
    const auto octets = ipv4Octets(textOf(edit));
    if (!octets) return false;
    const auto first = static_cast<unsigned char>((*octets)[0]);
    return first >= 224 && first <= 239;
}

bool isValidIPv6Hex(QLineEdit* edit) {
    const std::string text = textOf(edit);
    return text.size() == 32 && allHex(text);
}

bool isValidMulticastIPv6Address(QLineEdit* edit) {
    const std::string text = textOf(edit);
    return text.size() == 32 && allHex(text) && (text[0] | 0x20) == 'f' && (text[1] | 0x20) == 'f';
}

bool isValidMACAddress(QLineEdit* edit) { return macOctets(textOf(edit)).has_value(); }

bool isMulticastMACAddress(QLineEdit* edit) {
    const auto octets = macOctets(textOf(edit));
    if (!octets) return false;
    const auto& o = *octets;
    if (std::all_of(o.begin(), o.end(), [](unsigned char b) { return b == 0xFF; })) return false;
    if (std::all_of(o.begin() + 1, o.end(), [](unsigned char b) { return b == 0; })) return false;
    return (o[0] & 1) != 0;
}

bool isUnicastMACAddress(QLineEdit* edit) {
    const auto octets = macOctets(textOf(edit));
    if (!octets) return false;
    const auto& o = *octets;
    if (std::all_of(o.begin(), o.end(), [](unsigned char b) { return b == 0; })) return false;
    return (o[0] & 1) == 0;
}

bool isValidSubnetMask(QLineEdit* edit) {
    const auto octets = ipv4Octets(textOf(edit));
    if (!octets) return false;
    constexpr std::array<unsigned, 9> steps{0, 128, 192, 224, 240, 248, 252, 254, 255};
    bool allZero = true;
    bool rest = false;  // a part below 255 was seen: every later part must be 0
    for (const char c : *octets) {
        const auto part = static_cast<unsigned char>(c);
        if (std::find(steps.begin(), steps.end(), part) == steps.end()) return false;
        if (rest && part != 0) return false;
        if (part != 255) rest = true;
        if (part != 0) allZero = false;
    }
    return !allZero;
}

bool isValidShortHex(QLineEdit* edit) {
    const QString text = edit->text().toUpper();
    if (text.size() > 4) return false;
    for (const QChar c : text)
        if (!isHexDigit(c.toLatin1())) return false;
    edit->setText(QString(4 - text.size(), QLatin1Char('0')) + text);
    return true;
}
