// One DateAndTime value (RFC 2579): 11 octets on the wire, year first in network order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class VqDateTime {
public:
    static constexpr size_t kOctetCount = 11;

    // The current local date and time, deci-seconds 0, zone +0:0.
    VqDateTime();
    // Reads "y-m-d,h:n:s.d" with an optional ",+h:m" or ",-h:m" zone; each number is cut to its
    // field's width. Fields that a text does not give stay 0 (direction '+').
    explicit VqDateTime(std::string_view text);

    // From received octets, year big-endian; octets missing from a short value read as 0.
    static VqDateTime FromOctets(std::string_view octets);
    // The 11 octets, year big-endian.
    std::string Octets() const;
    // "2013-12-8,13:30:15.0", with ",+8:0" when a zone is set and the direction is '+' or '-'.
    std::string Text() const;

    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t DeciSeconds = 0;
    char Direction = '+';
    uint8_t ZoneHours = 0;
    uint8_t ZoneMinutes = 0;

private:
    struct Blank {};
    explicit VqDateTime(Blank) {}
};
