#include "SnmpTypes.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A parsed OID prints back to a text that parses to the same OID.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto oid = SnmpOid::Parse(text)) {
        auto again = SnmpOid::Parse(oid->ToString());
        if (!again || *again != *oid)
            __builtin_trap();
    }
    return 0;
}
