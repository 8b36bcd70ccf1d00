#include "StrictNumbers.h"
#include "TextValidators.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool AllHex(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

// A range check that accepts a text accepts a number within its range.
template <class InRange> bool AcceptsOnlyInRange(bool accepted, std::string_view text, InRange inRange) {
    if (!accepted)
        return true;
    const std::optional<int> value = StrictStrToInt(text);
    return value && inRange(*value);
}

} // namespace

// Any text through every text core of the input checks (IPv4, netmask, IPv6, MAC, 12-digit MAC, hex
// word and the number ranges): no core fails on it, and what they accept is consistent across the family.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const bool ipv4 = IsIPv4String(text);
    if (ipv4 &&
        (text.size() > 16 || std::count(text.begin(), text.end(), '.') != 3 ||
         !std::all_of(text.begin(), text.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); })))
        __builtin_trap();
    if ((IsMulticastIPv4String(text) || IsNetmaskString(text)) && !ipv4)
        __builtin_trap();
    if (IsNonZeroNetmaskString(text) && !IsNetmaskString(text))
        __builtin_trap();

    // The dotted-quad rule: a last group of up to three digits is one of any length, and both are
    // dotted IPv4 texts the plain check takes as well (the short one always fits its 16 characters).
    const bool quad = IsDottedQuadString(text, LastGroupDigits::UpToThree);
    const bool longQuad = IsDottedQuadString(text, LastGroupDigits::Any);
    if ((quad && (!longQuad || !ipv4)) || (longQuad && text.size() <= 16 && !ipv4))
        __builtin_trap();
    if (longQuad && !quad && text.size() - text.rfind('.') - 1 <= 3)
        __builtin_trap();

    const bool ipv6 = IsIPv6HexString(text);
    if (ipv6 && (text.size() != 32 || !AllHex(text)))
        __builtin_trap();
    if (IsIPv6MulticastHexString(text) && !ipv6)
        __builtin_trap();

    const bool mac = IsMacString(text);
    if (mac && text.size() != 12 && text.size() != 17)
        __builtin_trap();
    // The 12-digit form is exactly the MAC texts without a separator.
    const bool macHex = IsMacHexString(text);
    if ((macHex && (text.size() != 12 || !AllHex(text))) ||
        macHex != (mac && text.find_first_of("-.") == std::string_view::npos))
        __builtin_trap();
    // The group bit decides: no text is both a group and an individual address.
    if (IsMulticastMacString(text) && IsUnicastMacString(text))
        __builtin_trap();

    if (const std::optional<std::string> word = HexWordString(text)) {
        if (word->size() != 4 || !AllHex(*word) || HexWordString(*word) != word)
            __builtin_trap();
        if (std::any_of(word->begin(), word->end(), [](char c) { return c >= 'a' && c <= 'f'; }))
            __builtin_trap();
    }

    if (!AcceptsOnlyInRange(IsZeroOr60To1000000String(text), text,
                            [](int v) { return v == 0 || (v >= 60 && v <= 1000000); }) ||
        !AcceptsOnlyInRange(IsZeroOr8To10240000String(text), text,
                            [](int v) { return v == 0 || (v >= 8 && v <= 10240000); }) ||
        !AcceptsOnlyInRange(IsMinusOneOr1To2048String(text), text,
                            [](int v) { return v == -1 || (v >= 1 && v <= 2048); }) ||
        !AcceptsOnlyInRange(IsMinusOneOr60To1000000String(text), text,
                            [](int v) { return v == -1 || (v >= 60 && v <= 1000000); }))
        __builtin_trap();
    return 0;
}
