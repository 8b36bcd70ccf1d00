#include "StrToInt.h"

#include <charconv>
#include <cstdint>
#include <limits>

int StrToInt(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
        s.remove_suffix(1);
    }
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // from_chars alone would accept a second sign after ours ("+-5") and stop at the first
    // non-digit; the whole rest must be digits.
    int64_t value = 0;
    bool valid = !s.empty() && s.front() >= '0' && s.front() <= '9';
    if (valid) {
        auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
        valid = error == std::errc() && end == s.data() + s.size();
    }
    if (valid) {
        value = negative ? -value : value;
        valid = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    }
    if (!valid) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return static_cast<int>(value);
}
