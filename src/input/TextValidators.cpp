#include "TextValidators.h"

#include "StrictNumbers.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool AllHex(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsHexDigit);
}

// The low bit of a hex digit's value: for the second digit of a MAC address, its group bit.
bool IsOddHexDigit(char c) {
    return IsHexDigit(c) && ((c >= '0' && c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10) & 1) != 0;
}

// The four parts of a dotted IPv4 text, or none. A part is decimal digits only: a sign is no part
// of an address even where the integer conversion would take "-0".
std::optional<std::array<int, 4>> DottedParts(std::string_view text) {
    if (text.size() > 16) {
        return std::nullopt;
    }
    std::array<int, 4> parts{};
    size_t count = 0;
    size_t start = 0;
    while (true) {
        size_t dot = text.find('.', start);
        std::string_view part = text.substr(start, dot == std::string_view::npos ? dot : dot - start);
        std::optional<int> value = part.starts_with('-') ? std::nullopt : StrictStrToInt(part);
        if (!value || *value > 255 || count == parts.size()) {
            return std::nullopt;
        }
        parts[count++] = *value;
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    if (count != parts.size()) {
        return std::nullopt;
    }
    return parts;
}

// One group of a dotted quad: digits only, at most `maxDigits` of them, worth at most 255, and a
// zero written as one digit.
bool IsDottedGroup(std::string_view group, size_t maxDigits) {
    if (group.empty() || group.size() > maxDigits ||
        !std::all_of(group.begin(), group.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const size_t first = group.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return group.size() == 1;
    }
    const std::string_view significant = group.substr(first);
    if (significant.size() > 3) {
        return false;
    }
    int value = 0;
    for (char c : significant) {
        value = value * 10 + (c - '0');
    }
    return value <= 255;
}

bool IsNetmaskParts(const std::array<int, 4>& p) {
    constexpr std::array<int, 9> kMaskOctets{0, 128, 192, 224, 240, 248, 252, 254, 255};
    for (size_t i = 0; i < p.size(); ++i) {
        if (std::find(kMaskOctets.begin(), kMaskOctets.end(), p[i]) == kMaskOctets.end()) {
            return false;
        }
        if (i + 1 < p.size() && (p[i] < p[i + 1] || (p[i] != 255 && p[i + 1] != 0))) {
            return false;
        }
    }
    return true;
}

constexpr size_t kNoLengthLimit = std::string_view::npos;

// A range check: refused when the text is too long, is no number, or fails `accepts`.
template <class Accepts> bool InRange(std::string_view text, size_t maxLength, Accepts accepts) {
    if (text.size() > maxLength) {
        return false;
    }
    std::optional<int> value = StrictStrToInt(text);
    return value && accepts(*value);
}

} // namespace

bool IsIPv4String(std::string_view text) {
    return DottedParts(text).has_value();
}

bool SameIPv4Address(std::string_view a, std::string_view b) {
    const auto partsA = DottedParts(a);
    const auto partsB = DottedParts(b);
    return partsA && partsB ? *partsA == *partsB : a == b;
}

bool SameIPv6HexAddress(std::string_view a, std::string_view b) {
    if (!IsIPv6HexString(a) || !IsIPv6HexString(b)) {
        return a == b;
    }
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

bool IsDottedQuadString(std::string_view text, LastGroupDigits last) {
    constexpr size_t kGroups = 4;
    constexpr size_t kGroupDigits = 3;
    size_t count = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        const bool isLast = dot == std::string_view::npos;
        const std::string_view group = text.substr(start, isLast ? dot : dot - start);
        const size_t maxDigits = isLast && last == LastGroupDigits::Any ? group.size() : kGroupDigits;
        if (++count > kGroups || !IsDottedGroup(group, maxDigits)) {
            return false;
        }
        if (isLast) {
            return count == kGroups;
        }
        start = dot + 1;
    }
}

bool IsMulticastIPv4String(std::string_view text) {
    auto parts = DottedParts(text);
    return parts && (*parts)[0] >= 224 && (*parts)[0] <= 239;
}

bool IsNetmaskString(std::string_view text) {
    auto parts = DottedParts(text);
    return parts && IsNetmaskParts(*parts);
}

bool IsNonZeroNetmaskString(std::string_view text) {
    auto parts = DottedParts(text);
    return parts && IsNetmaskParts(*parts) && (*parts)[0] != 0;
}

bool IsIPv6HexString(std::string_view text) {
    return text.size() == 32 && AllHex(text);
}

bool IsIPv6MulticastHexString(std::string_view text) {
    return IsIPv6HexString(text) && (text[0] == 'F' || text[0] == 'f') && (text[1] == 'F' || text[1] == 'f');
}

// Six groups of exactly two hex digits: a group with more characters is no MAC address, so the
// characters after its first two are not let through unread.
bool IsMacHexString(std::string_view text) {
    return text.size() == 12 && AllHex(text);
}

bool IsMacString(std::string_view text) {
    char separator = text.find('-') != std::string_view::npos   ? '-'
                     : text.find('.') != std::string_view::npos ? '.'
                                                                : '\0';
    if (!separator) {
        return IsMacHexString(text);
    }
    if (text.size() != 17) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        bool ok = (i % 3 == 2) ? text[i] == separator : IsHexDigit(text[i]);
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool IsMulticastMacString(std::string_view text) {
    auto fs = std::count_if(text.begin(), text.end(), [](char c) { return c == 'F' || c == 'f'; });
    std::string_view rest = text.size() > 2 ? text.substr(2) : std::string_view();
    if (fs == 12 || std::count(rest.begin(), rest.end(), '0') > 9 || text.size() < 2) {
        return false;
    }
    return IsOddHexDigit(text[1]);
}

bool IsUnicastMacString(std::string_view text) {
    if (std::count(text.begin(), text.end(), '0') == 12 || text.size() < 2) {
        return false;
    }
    return !IsOddHexDigit(text[1]);
}

std::optional<std::string> HexWordString(std::string_view text) {
    if (text.size() > 4 || !AllHex(text)) {
        return std::nullopt;
    }
    std::string word(4 - text.size(), '0');
    for (char c : text) {
        word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return word;
}

bool IsZeroOr60To1000000String(std::string_view text) {
    return InRange(text, 10, [](int v) { return v == 0 || (v >= 60 && v <= 1000000); });
}

bool IsZeroOr8To10240000String(std::string_view text) {
    return InRange(text, kNoLengthLimit, [](int v) { return v == 0 || (v >= 8 && v <= 10240000); });
}

bool IsMinusOneOr1To2048String(std::string_view text) {
    return InRange(text, 4, [](int v) { return v == -1 || (v >= 1 && v <= 2048); });
}

bool IsMinusOneOr60To1000000String(std::string_view text) {
    return InRange(text, 8, [](int v) { return v == -1 || (v >= 60 && v <= 1000000); });
}
