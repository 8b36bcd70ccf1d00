#include "VqDateTime.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <initializer_list>
#include <iterator>

namespace {

// One "%d" of a scanf pattern: white space, an optional sign, at least one digit. The value wraps
// in 32 bits like the field cut that follows it.
bool ScanNumber(std::string_view text, size_t& pos, uint32_t& value) {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    size_t start = pos;
    uint32_t v = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])))
        v = v * 10 + static_cast<uint32_t>(text[pos++] - '0');
    if (pos == start)
        return false;
    value = negative ? 0u - v : v;
    return true;
}

bool ScanLiteral(std::string_view text, size_t& pos, std::string_view literal) {
    if (text.substr(pos).starts_with(literal)) {
        pos += literal.size();
        return true;
    }
    return false;
}

// Scans numbers separated by the given literals; returns how many numbers were read before the
// text stopped matching.
int ScanPattern(std::string_view text, std::initializer_list<std::string_view> separators,
                uint32_t* numbers) {
    size_t pos = 0;
    int read = 0;
    auto separator = separators.begin();
    while (true) {
        if (!ScanNumber(text, pos, numbers[read]))
            return read;
        ++read;
        if (separator == separators.end() || !ScanLiteral(text, pos, *separator))
            return read;
        ++separator;
    }
}

} // namespace

VqDateTime::VqDateTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Year = static_cast<uint16_t>(local.tm_year + 1900);
    Month = static_cast<uint8_t>(local.tm_mon + 1);
    Day = static_cast<uint8_t>(local.tm_mday);
    Hour = static_cast<uint8_t>(local.tm_hour);
    Minutes = static_cast<uint8_t>(local.tm_min);
    Seconds = static_cast<uint8_t>(local.tm_sec);
}

VqDateTime::VqDateTime(std::string_view text) {
    // The three forms are tried in order, as a scanf would: zone "+", zone "-", no zone. A form
    // counts only when all its numbers were read; otherwise the fields of the longest partial
    // reading of the zone-less form are kept.
    uint32_t n[9] = {};
    if (ScanPattern(text, {"-", "-", ",", ":", ":", ".", ",+", ":"}, n) == 9) {
        Direction = '+';
    } else if (uint32_t m[9] = {}; ScanPattern(text, {"-", "-", ",", ":", ":", ".", ",-", ":"}, m) == 9) {
        std::copy(std::begin(m), std::end(m), std::begin(n));
        Direction = '-';
    } else {
        std::fill(std::begin(n), std::end(n), 0u);
        ScanPattern(text, {"-", "-", ",", ":", ":", "."}, n);
        n[7] = n[8] = 0;
        Direction = '+';
    }
    Year = static_cast<uint16_t>(n[0]);
    Month = static_cast<uint8_t>(n[1]);
    Day = static_cast<uint8_t>(n[2]);
    Hour = static_cast<uint8_t>(n[3]);
    Minutes = static_cast<uint8_t>(n[4]);
    Seconds = static_cast<uint8_t>(n[5]);
    DeciSeconds = static_cast<uint8_t>(n[6]);
    ZoneHours = static_cast<uint8_t>(n[7]);
    ZoneMinutes = static_cast<uint8_t>(n[8]);
}

VqDateTime VqDateTime::FromOctets(std::string_view octets) {
    unsigned char o[kOctetCount] = {};
    for (size_t i = 0; i < kOctetCount && i < octets.size(); ++i)
        o[i] = static_cast<unsigned char>(octets[i]);
    VqDateTime d{Blank{}};
    d.Year = static_cast<uint16_t>(o[0] << 8 | o[1]);
    d.Month = o[2];
    d.Day = o[3];
    d.Hour = o[4];
    d.Minutes = o[5];
    d.Seconds = o[6];
    d.DeciSeconds = o[7];
    d.Direction = static_cast<char>(o[8]);
    d.ZoneHours = o[9];
    d.ZoneMinutes = o[10];
    return d;
}

std::string VqDateTime::Octets() const {
    const unsigned char o[kOctetCount] = {static_cast<unsigned char>(Year >> 8),
                                          static_cast<unsigned char>(Year & 0xFF),
                                          Month,
                                          Day,
                                          Hour,
                                          Minutes,
                                          Seconds,
                                          DeciSeconds,
                                          static_cast<unsigned char>(Direction),
                                          ZoneHours,
                                          ZoneMinutes};
    return std::string(reinterpret_cast<const char*>(o), kOctetCount);
}

std::string VqDateTime::Text() const {
    std::string text = std::to_string(Year) + '-' + std::to_string(Month) + '-' + std::to_string(Day) + ',' +
                       std::to_string(Hour) + ':' + std::to_string(Minutes) + ':' + std::to_string(Seconds) +
                       '.' + std::to_string(DeciSeconds);
    if ((ZoneHours != 0 || ZoneMinutes != 0) && (Direction == '+' || Direction == '-'))
        text += std::string(",") + Direction + std::to_string(ZoneHours) + ':' + std::to_string(ZoneMinutes);
    return text;
}
