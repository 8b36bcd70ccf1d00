#include "VqException.h"
#include "VqNumList.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any text parses into as many items as it has delimiters plus one, and every item is reachable.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    VqNumList<int> numbers;
    VqNumList<unsigned int> unsignedNumbers;
    numbers.Delimiter = unsignedNumbers.Delimiter = static_cast<char>(data[0]);
    numbers.Parse(text);
    unsignedNumbers.Parse(text);
    if (numbers.Count() != numbers.CountItems(text) || unsignedNumbers.Count() != numbers.Count())
        __builtin_trap();
    for (int i = 0; i < numbers.Count(); ++i) {
        if (static_cast<unsigned int>(numbers.Get(i)) != unsignedNumbers.Get(i))
            __builtin_trap();
        if (numbers.IndexOf(numbers.Get(i)) > i)
            __builtin_trap();
    }
    unsignedNumbers.AllInRange(1, 4094);
    try {
        numbers.Get(numbers.Count());
        __builtin_trap();
    } catch (const VqException&) {
    }
    return 0;
}
