#include "PortLists.h"

#include "ValueTexts.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace {

// A port number: leading blanks skipped, digits up to the first other character. The reading
// saturates, so a long digit string is out of range instead of wrapping onto a real port.
std::optional<size_t> ReadPort(std::string_view text) {
    if (text.find(':') != std::string_view::npos)
        return std::nullopt;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    size_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value > 1'000'000'000 ? value : value * 10 + static_cast<size_t>(text[i] - '0');
    return value;
}

} // namespace

std::string PortBitmapToList(std::string_view hex, bool withHex, uint64_t firstNumber) {
    const size_t bitCount = hex.size() / 2 * 8;
    auto isSet = [&](size_t bit) {
        const unsigned nibble = HexDigitValue(hex[bit / 4]);
        return (nibble & (0x8u >> (bit % 4))) != 0;
    };
    std::string text;
    for (size_t bit = 0; bit < bitCount;) {
        if (!isSet(bit)) {
            ++bit;
            continue;
        }
        size_t last = bit;
        while (last + 1 < bitCount && isSet(last + 1))
            ++last;
        if (!text.empty())
            text += ',';
        text += std::to_string(bit + firstNumber);
        if (last > bit)
            text += '-' + std::to_string(last + firstNumber);
        bit = last + 1;
    }
    if (text.empty())
        text.push_back('0'); // not = "0": GCC 12 at -O2 warns (-Wrestrict) on that copy
    if (withHex)
        text += '[' + std::string(hex) + ']';
    return text;
}

bool PortListToBitmap(std::string_view list, std::string_view currentHex, std::string& out) {
    const size_t bitCount = currentHex.size() * 4;
    std::vector<bool> bits(bitCount, list == "all");
    if (list != "all" && !list.empty()) {
        size_t start = 0;
        while (true) {
            const size_t comma = list.find(',', start);
            const std::string_view item = list.substr(start, comma - start);
            const size_t dash = item.find('-');
            const auto first = ReadPort(item.substr(0, dash));
            const auto last = dash == std::string_view::npos ? first : ReadPort(item.substr(dash + 1));
            if (!first || !last || *first < 1 || *last > bitCount || *last < *first)
                return false;
            for (size_t port = *first; port <= *last; ++port)
                bits[port - 1] = true;
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex(currentHex.size(), '0');
    for (size_t bit = 0; bit < bitCount; ++bit)
        if (bits[bit])
            hex[bit / 4] = kDigits[HexDigitValue(hex[bit / 4]) | (0x8u >> (bit % 4))];
    out = std::move(hex);
    return true;
}

std::string BracketedHex(std::string_view cell) {
    const size_t open = cell.find('[');
    const size_t from = open == std::string_view::npos ? 0 : open + 1;
    const size_t close = cell.find(']', from);
    return std::string(
        cell.substr(from, close == std::string_view::npos ? std::string_view::npos : close - from));
}
