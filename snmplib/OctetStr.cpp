#include "OctetStr.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool appendPairs(std::string_view digits, std::string& out) {
    if (digits.size() % 2) return false;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = hexDigit(digits[i]);
        const int low = hexDigit(digits[i + 1]);
        if (high < 0 || low < 0) return false;
        out += char(high * 16 + low);
    }
    return true;
}

std::optional<std::string> zonedIPv6(std::string_view text) {
    const std::size_t percent = text.find('%');
    if (percent != 32) return std::nullopt;
    std::string octets;
    if (!appendPairs(text.substr(0, 32), octets)) return std::nullopt;
    const std::string_view zone = text.substr(33);
    std::uint32_t index = 0;
    const auto [end, ec] = std::from_chars(zone.data(), zone.data() + zone.size(), index);
    if (zone.empty() || ec != std::errc() || end != zone.data() + zone.size())
        return std::nullopt;
    for (int shift = 24; shift >= 0; shift -= 8) octets += char(index >> shift);
    return octets;
}

}  // namespace

namespace OctetStr {

std::string get_printable_hex(std::string_view octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

std::optional<std::string> from_hex_string(std::string_view text) {
    if (text.find('%') != std::string_view::npos) return zonedIPv6(text);
    std::string octets;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ') {
            ++pos;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        if (!appendPairs(text.substr(pos, end - pos), octets)) return std::nullopt;
        pos = end;
    }
    return octets;
}

}  // namespace OctetStr
