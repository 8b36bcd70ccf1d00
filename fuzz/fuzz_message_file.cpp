#include "VqMessageTable.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any message file gives entries without line breaks, none blank, none longer than a line piece,
// and a table that takes them answers every code.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view content(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = MessageFileLines(content);
    for (const std::string& line : lines) {
        bool blank = true;
        for (char c : line)
            blank = blank && static_cast<unsigned char>(c) <= ' ';
        if (blank || line.size() > 1023 || line.find('\n') != std::string::npos)
            __builtin_trap();
    }
    SnmpClassMessages.Replace(lines);
    for (int code = -400; code >= -424; --code)
        if (MessageOfCode(code).empty())
            __builtin_trap();
    SnmpClassMessages.RestoreBuiltin();
    return 0;
}
