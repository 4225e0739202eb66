#include "KyPortList.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t MaxText = 255;
constexpr std::size_t MaxEnd = 7;

int nibble(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

// A port number or range end: an optional "+" and digits, blanks around them, nothing else. Text after
// the digits (a "unit:port" form, a typo) makes the item bad rather than being dropped.
bool readEnd(std::string_view text, long& value) {
    if (text.size() > MaxEnd) return false;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string portBitmapToText(const std::string& hex, bool appendHex) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(std::uint8_t(nibble(hex[i]) << 4 | nibble(hex[i + 1])));
    const long last = long(bytes.size()) * 8;
    auto isSet = [&](long p) { return (bytes[std::size_t((p - 1) / 8)] & (0x80 >> ((p - 1) % 8))) != 0; };

    std::string text;
    for (long p = 1; p <= last; ++p) {
        if (!isSet(p)) continue;
        long end = p;
        while (end < last && isSet(end + 1)) ++end;
        if (!text.empty()) text += ',';
        text += std::to_string(p);
        if (end > p) {
            text += '-';
            text += std::to_string(end);
        }
        p = end;
    }
    if (text.empty()) text.push_back('0');
    if (appendHex) {
        text += '[';
        text += hex;
        text += ']';
    }
    return text;
}

std::string bracketedHex(const std::string& text) {
    const std::size_t open = text.find('[');
    const std::size_t from = open == std::string::npos ? 0 : open + 1;
    const std::size_t close = text.find(']', from);
    return text.substr(from, close == std::string::npos ? std::string::npos : close - from);
}

bool portTextToBitmap(const std::string& text, const std::string& templateHex, std::string& out) {
    if (text.size() > MaxText) return false;
    const std::size_t octets = templateHex.size() / 2;
    const long highest = long(octets) * 8;
    std::vector<std::uint8_t> bytes(octets, 0);
    if (text == "all") {
        bytes.assign(octets, 0xFF);
    } else if (text != "0") {  // "0" is how an empty list reads, so it must read back as one
        std::string_view rest = text;
        while (true) {
            const std::size_t comma = rest.find(',');
            const std::string_view item = rest.substr(0, comma);
            if (!item.empty()) {
                long low = 0;
                long high = 0;
                // The dash of a range is the first one after the item's leading dashes (a sign).
                const std::size_t start = item.find_first_not_of('-');
                const std::size_t dash = start == std::string_view::npos ? std::string_view::npos : item.find('-', start);
                if (dash != std::string_view::npos) {
                    if (!readEnd(item.substr(0, dash), low) || !readEnd(item.substr(dash + 1), high)) return false;
                } else {
                    if (!readEnd(item, low)) return false;
                    high = low;
                }
                if (low < 1 || high > highest || low > high) return false;
                for (long p = low; p <= high; ++p) bytes[std::size_t((p - 1) / 8)] |= std::uint8_t(0x80 >> ((p - 1) % 8));
            }
            if (comma == std::string_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
    }
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 0xF];
    }
    out = hex;
    return true;
}
