#include "PortListHelpers.h"

#include "PortLists.h"
#include "StrToInt.h"

#include <algorithm>
#include <optional>

namespace {

// The program's strict conversion; none for a text that is not a number.
std::optional<int64_t> ReadNumber(std::string_view text) {
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

void SetNumbers(int64_t first, int64_t last, PortFlagArray& flags) {
    first = std::max<int64_t>(first, 1);
    // After 512 consecutive numbers every position is set: a range such as 1-2000000000 must not
    // loop two thousand million times.
    last = std::min(last, first + kPortFlagCount - 1);
    for (int64_t n = first; n <= last; ++n) {
        flags[static_cast<size_t>((n - 1) % kPortFlagCount)] = true;
    }
}

} // namespace

bool ParsePortList(std::string_view text, PortFlagArray& flags) {
    flags.fill(false);
    if (text.size() > kMaxPortListLength) {
        return false;
    }
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            comma = text.size();
        }
        const std::string_view item = text.substr(start, comma - start);
        start = comma + 1;
        if (item.empty()) {
            continue;
        }
        const size_t dash = item.find('-');
        const auto first = ReadNumber(item.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : ReadNumber(item.substr(dash + 1));
        if (!first || !last || *last < *first) {
            return false;
        }
        SetNumbers(*first, *last, flags);
    }
    return true;
}

uint8_t PackPortFlags(const bool* eight) {
    uint8_t octet = 0;
    for (int b = 0; b < 8; ++b) {
        if (eight[b]) {
            octet |= static_cast<uint8_t>(0x80u >> b);
        }
    }
    return octet;
}

bool PortListToHexBitmap(std::string& text) {
    PortFlagArray flags;
    if (!ParsePortList(text, flags)) {
        return false;
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(kPortFlagCount / 4);
    for (int i = 0; i < kPortFlagCount; i += 8) {
        const uint8_t octet = PackPortFlags(&flags[static_cast<size_t>(i)]);
        hex += kDigits[octet >> 4];
        hex += kDigits[octet & 0x0F];
    }
    text = std::move(hex);
    return true;
}

std::string HexBitmapToPortList(std::string_view hex, unsigned block, bool bracket) {
    return PortBitmapToList(hex, bracket, static_cast<uint64_t>(block) * kPortFlagCount + 1);
}
