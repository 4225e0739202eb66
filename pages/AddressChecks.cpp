#include "AddressChecks.h"

#include "KyIPv4.h"

#include <QLineEdit>

#include <stdexcept>

namespace {

bool IsDecimalDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

std::optional<std::uint32_t> IPv4Value(const QString& text) {
    const auto octets = parseIPv4Address(text.toStdString());
    if (!octets) return std::nullopt;
    std::uint32_t value = 0;
    for (char octet : *octets) value = value << 8 | std::uint8_t(octet);
    return value;
}

bool IsContiguousMask(std::uint32_t mask) {
    const std::uint32_t hostBits = ~mask;
    return (hostBits & (hostBits + 1)) == 0;
}

bool IsHexOfLength(const QString& text, int digits) {
    if (text.size() != digits) return false;
    for (QChar c : text)
        if (!IsDecimalDigit(c) && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))) return false;
    return true;
}

bool IsHexUpTo(const QString& text, int digits) { return text.size() <= digits && IsHexOfLength(text, int(text.size())); }

bool IsNumberBetween(const QString& text, int low, int high) {
    for (QChar c : text)
        if (!IsDecimalDigit(c)) return false;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high;
}

int WholeNumber(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    if (!ok) throw std::invalid_argument("'" + edit->text().toStdString() + "' is not a valid integer value");
    return value;
}
