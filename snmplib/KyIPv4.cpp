#include "KyIPv4.h"

std::optional<std::string> parseIPv4Address(std::string_view text) {
    std::string octets;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.') return std::nullopt;
            ++pos;
        }
        const std::size_t start = pos;
        unsigned value = 0;
        while (pos < text.size() && pos - start < 4 && text[pos] >= '0' && text[pos] <= '9')
            value = value * 10 + unsigned(text[pos++] - '0');
        if (pos == start || pos - start > 3 || value > 255) return std::nullopt;
        octets += char(value);
    }
    if (pos != text.size()) return std::nullopt;
    return octets;
}

std::string formatIPv4Address(std::string_view octets) {
    std::string text;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (i) text += '.';
        text += std::to_string(static_cast<unsigned char>(octets[i]));
    }
    return text;
}
