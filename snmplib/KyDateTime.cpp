#include "KyDateTime.h"

#include "KyInputError.h"

#include <ctime>

KyDateTime::KyDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Year = std::uint16_t(local.tm_year + 1900);
    Month = std::uint8_t(local.tm_mon + 1);
    Day = std::uint8_t(local.tm_mday);
    Hour = std::uint8_t(local.tm_hour);
    Minutes = std::uint8_t(local.tm_min);
    Seconds = std::uint8_t(local.tm_sec);
}

KyDateTime::KyDateTime(std::string_view text) : KyDateTime(Zero{}) {
    // Separator in front of each field, and where the field is stored.
    struct Field {
        char separator;
        unsigned max;
        void (*store)(KyDateTime&, unsigned);
    };
    static const Field fields[] = {
        {0, 65535, [](KyDateTime& d, unsigned v) { d.Year = std::uint16_t(v); }},
        {'-', 255, [](KyDateTime& d, unsigned v) { d.Month = std::uint8_t(v); }},
        {'-', 255, [](KyDateTime& d, unsigned v) { d.Day = std::uint8_t(v); }},
        {',', 255, [](KyDateTime& d, unsigned v) { d.Hour = std::uint8_t(v); }},
        {':', 255, [](KyDateTime& d, unsigned v) { d.Minutes = std::uint8_t(v); }},
        {':', 255, [](KyDateTime& d, unsigned v) { d.Seconds = std::uint8_t(v); }},
        {'.', 255, [](KyDateTime& d, unsigned v) { d.DeciSeconds = std::uint8_t(v); }},
        {',', 255, [](KyDateTime& d, unsigned v) { d.ZoneHours = std::uint8_t(v); }},
        {':', 255, [](KyDateTime& d, unsigned v) { d.ZoneMinutes = std::uint8_t(v); }},
    };
    constexpr int dateFields = 3, timeFields = 7, allFields = 9;

    std::size_t pos = 0;
    int field = 0;
    for (; field < allFields; ++field) {
        const Field& f = fields[field];
        if (field > 0) {
            if (pos == text.size() && field >= dateFields && field != allFields - 1) break;
            if (pos >= text.size() || text[pos] != f.separator) throwNumberRangeError(0, f.max);
            ++pos;
            if (field == timeFields) {
                if (pos >= text.size() || (text[pos] != '+' && text[pos] != '-')) throwNumberRangeError(0, f.max);
                Sign = text[pos++];
            }
        }
        const std::size_t start = pos;
        unsigned long value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && value <= f.max)
            value = value * 10 + unsigned(text[pos++] - '0');
        if (pos == start || value > f.max) throwNumberRangeError(0, f.max);
        f.store(*this, unsigned(value));
    }
    if (pos != text.size()) throwNumberRangeError(0, fields[field < allFields ? field : allFields - 1].max);
}

KyDateTime KyDateTime::FromWire(std::string_view octets) {
    KyDateTime d{Zero{}};
    auto octet = [&](std::size_t i) -> std::uint8_t { return i < octets.size() ? std::uint8_t(octets[i]) : 0; };
    d.Year = std::uint16_t(octet(0) << 8 | octet(1));
    d.Month = octet(2);
    d.Day = octet(3);
    d.Hour = octet(4);
    d.Minutes = octet(5);
    d.Seconds = octet(6);
    d.DeciSeconds = octet(7);
    if (octets.size() > 8) d.Sign = char(octets[8]);
    d.ZoneHours = octet(9);
    d.ZoneMinutes = octet(10);
    return d;
}

std::string KyDateTime::ToWire() const {
    return {char(Year >> 8), char(Year & 0xFF), char(Month),       char(Day),       char(Hour),       char(Minutes),
            char(Seconds),   char(DeciSeconds), Sign,              char(ZoneHours), char(ZoneMinutes)};
}

std::string KyDateTime::ToText() const {
    std::string text = std::to_string(Year) + '-' + std::to_string(Month) + '-' + std::to_string(Day) + ',' +
                       std::to_string(Hour) + ':' + std::to_string(Minutes) + ':' + std::to_string(Seconds) + '.' +
                       std::to_string(DeciSeconds);
    if ((ZoneHours || ZoneMinutes) && (Sign == '+' || Sign == '-'))
        text += std::string(",") + Sign + std::to_string(ZoneHours) + ':' + std::to_string(ZoneMinutes);
    return text;
}
