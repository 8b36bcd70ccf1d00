#include "LldpNames.h"

#include "ValueTexts.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr unsigned char Mask(int position) {
    return static_cast<unsigned char>(0x80u >> (position % 8));
}

// The octets of the hexadecimal digits the text starts with.
std::string LeadingOctets(std::string_view hex) {
    std::string digits;
    for (char c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            break;
        }
        digits += c;
    }
    if (digits.size() % 2 != 0) {
        digits.insert(digits.begin(), '0');
    }
    std::string octets;
    for (size_t i = 0; i < digits.size(); i += 2) {
        octets += static_cast<char>(HexDigitValue(digits[i]) << 4 | HexDigitValue(digits[i + 1]));
    }
    return octets;
}

} // namespace

std::string BitsToNames(std::string_view hex, NameTable names) {
    const std::string octets = LeadingOctets(hex);
    std::vector<std::string> set;
    for (const NamedBit& bit : names) {
        const auto octet = static_cast<size_t>(bit.Position / 8);
        if (octet < octets.size() && (static_cast<unsigned char>(octets[octet]) & Mask(bit.Position)) != 0) {
            set.emplace_back(bit.Name);
        }
    }
    return NamesText(set);
}

std::string NamesToBits(std::string_view text, NameTable names) {
    int last = 0;
    for (const NamedBit& bit : names) {
        last = std::max(last, bit.Position);
    }
    std::string octets(static_cast<size_t>(last / 8 + 1), '\0');
    for (const NamedBit& bit : names) {
        if (text.find(bit.Name) != std::string_view::npos) {
            octets[static_cast<size_t>(bit.Position / 8)] |= static_cast<char>(Mask(bit.Position));
        }
    }
    return OctetsToHex(octets);
}

std::string NamesText(const std::vector<std::string>& names) {
    std::string text = " ";
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) {
            text += ',';
        }
        text += names[i];
    }
    return text;
}
