#include "PortListHelpers.h"
#include "StrToInt.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool IsUpperHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

} // namespace

// Input: one byte choosing the slice (low 3 bits) and the bracket (bit 3), then a list text. The
// bitmap of a list that parses holds exactly its flags and reads back to the same flags; a list that
// does not parse leaves the text as it was; any text read as a bitmap gives a list without failing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const unsigned block = data[0] & 7;
    const bool bracket = (data[0] & 8) != 0;
    const std::string_view list(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string shown = HexBitmapToPortList(list, block, bracket);
    if (shown.empty() || (bracket && shown.back() != ']'))
        __builtin_trap();

    PortFlagArray flags;
    bool parsed = false;
    try {
        parsed = ParsePortList(list, flags);
    } catch (...) {
        __builtin_trap(); // a list is refused with false, never with an exception
    }
    if (list.size() > kMaxPortListLength && parsed)
        __builtin_trap();

    std::string text(list);
    if (PortListToHexBitmap(text) != parsed)
        __builtin_trap();
    if (!parsed) {
        if (text != list)
            __builtin_trap();
        return 0;
    }
    if (text.size() != kPortFlagCount / 4)
        __builtin_trap();
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsUpperHex(text[i]))
            __builtin_trap();
        for (int b = 0; b < 4; ++b) {
            const bool bit = (HexValue(text[i]) & (8 >> b)) != 0;
            if (bit != flags[i * 4 + static_cast<size_t>(b)])
                __builtin_trap();
        }
    }

    // The list of the bitmap, in whichever slice, sets the same flags again.
    const std::string back = HexBitmapToPortList(text, block, false);
    PortFlagArray again;
    if (!ParsePortList(back, again) || again != flags)
        __builtin_trap();
    return 0;
}
