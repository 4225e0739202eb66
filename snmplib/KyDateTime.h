#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The SNMP DateAndTime value. On the wire: 11 octets in field order, the year in network order; the
// 8-octet form without a zone is read as zone +0:0.
class KyDateTime {
public:
    std::uint16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minutes = 0;
    std::uint8_t Seconds = 0;
    std::uint8_t DeciSeconds = 0;
    char Sign = '+';  // direction from UTC
    std::uint8_t ZoneHours = 0;
    std::uint8_t ZoneMinutes = 0;

    // The current local date and time, zone +0:0.
    KyDateTime();
    // "y-m-d,h:m:s.d" with an optional ",+h:m" or ",-h:m" zone; the time may be left out from the
    // right. Raises -8 for a text of another shape or a number beyond its field.
    explicit KyDateTime(std::string_view text);

    // Reads at most 11 octets; octets the value lacks stay 0 (zone +0:0).
    static KyDateTime FromWire(std::string_view octets);
    std::string ToWire() const;

    // "2010-4-19,2:15:52.0", with ",+8:0" when the zone is not 0.
    std::string ToText() const;

private:
    struct Zero {};
    explicit KyDateTime(Zero) {}
};
