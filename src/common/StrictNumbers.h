// Strict text-to-number conversions, shared by the input checks and the value core: the whole text
// must be the number. " 5", "5 ", "5a", "+5", "0x10" and "" are not numbers, and neither is a value
// outside the type's range.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

// An optional "-" and decimal digits, within the 32-bit signed range.
inline std::optional<int> StrictStrToInt(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// An optional "-", decimal digits with at most one ".", and at least one digit ("1.", ".5").
// No exponent, no blanks, no infinity or NaN.
inline std::optional<double> StrictStrToFloat(std::string_view text) {
    std::string_view body = text.substr(!text.empty() && text.front() == '-' ? 1 : 0);
    int digits = 0, dots = 0;
    for (char c : body) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.') {
            ++dots;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || dots > 1) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}
