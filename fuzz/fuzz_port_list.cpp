#include "PortLists.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Input: a port-list text, a newline, the current hex value. A list that parses gives a bitmap
// as long as the current value, and the ranges of that bitmap parse back to the same bitmap.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    const std::string_view list = input.substr(0, newline);
    const std::string_view current = newline == std::string_view::npos ? "" : input.substr(newline + 1);
    BracketedHex(PortBitmapToList(current, true));
    std::string out = "untouched";
    if (!PortListToBitmap(list, current, out)) {
        if (out != "untouched")
            __builtin_trap();
        return 0;
    }
    if (out.size() != current.size())
        __builtin_trap();
    if (current.size() % 2 != 0)
        return 0;
    const std::string ranges = PortBitmapToList(out);
    std::string again;
    if (ranges != "0" && (!PortListToBitmap(ranges, current, again) || again != out))
        __builtin_trap();
    return 0;
}
