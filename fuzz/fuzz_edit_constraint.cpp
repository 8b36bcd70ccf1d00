#include "EditConstraintFormat.h"
#include "VqException.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Any string either parses into a constraint of a known type or raises the framework error -2;
// the parts of a split string put together give the string back, without its final "%".
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string joined;
    for (const std::string& part : SplitEditConstraints(text)) {
        joined += part;
        try {
            EditConstraintFormat f = ParseEditConstraint(part);
            if (std::string_view("fhinsu").find(f.Conversion) == std::string_view::npos || f.MaxLength < 0 ||
                f.Width < 0 || f.AddressKind > eakUnicastMac || (f.LengthFlags & ~7) != 0)
                __builtin_trap();
            if (f.Conversion != 'n' && f.ListDelimiter != 0)
                __builtin_trap();
        } catch (const VqException& e) {
            if (e.Code() != -2)
                __builtin_trap();
        }
    }
    std::string_view expected = text;
    if (!expected.empty() && expected.back() == '%')
        expected.remove_suffix(1);
    if (joined != expected)
        __builtin_trap();
    return 0;
}
