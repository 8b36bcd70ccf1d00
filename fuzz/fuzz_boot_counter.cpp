#include "BootCounter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Whatever a boot-counter file holds, rewriting it with a count makes that count the one read
// back, and a second rewrite with the same count changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string engine = "VqSNMP_PP_Application";
    unsigned boots = 0;
    int result = ParseBootCounter(content, engine, boots);
    if (result != kBootCounterFound && boots != 0)
        __builtin_trap();
    const unsigned next = result == kBootCounterFound ? boots + 1 : 1;
    std::string updated = UpdateBootCounter(content, engine, next);
    unsigned again = 0;
    if (ParseBootCounter(updated, engine, again) != kBootCounterFound || again != next)
        __builtin_trap();
    if (UpdateBootCounter(updated, engine, next) != updated)
        __builtin_trap();
    return 0;
}
