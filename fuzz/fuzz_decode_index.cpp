#include "MibTableRow.h"
#include "RowInstances.h"
#include "VqException.h"
#include "VqSNMPVarList.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr int kKeyTypes[] = {itBoolean,       itInteger,     itBitString,  itOctetString, itNull,
                             itObjectId,      itIpAddress,   itCounter,    itTimeTicks,   itOpaque,
                             itCounter64,     itDouble,      itMacAddress, itDateTime,    itBcDateTime,
                             itDisplayString, itIpv6Address, itBitList,    itInetAddress, 7};

} // namespace

// Input: three bytes choosing the key columns' types and implied flags, then an instance text.
// Decoding never reads past the instance, the rest is always a tail of it, and the decoded
// values encode again without failure other than the framework's own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    MibTableRow rows[5] = {};
    int keyCount = 1 + data[0] % 3;
    for (int i = 0; i < 3; ++i) {
        rows[i] = {" ", "key", kKeyTypes[data[i] % std::size(kKeyTypes)],
                   acNotAccess | ((data[i] & 0x80) ? acImplied : 0)};
    }
    rows[3] = {"1.3.6.1.4.1.746.1", "value", itInteger, acReadOnly};
    VqSNMPVarList list(rows, data[1] & 1 ? MVT_FMV : MVT_UMV, keyCount);
    const std::string_view instance(reinterpret_cast<const char*>(data + 3), size - 3);
    std::string rest(instance);
    try {
        for (int i = 0; i < keyCount && !rest.empty(); ++i) {
            const std::string next = DecodeIndex(list, i, rest);
            if (next.size() > rest.size() || !std::string_view(rest).ends_with(next))
                __builtin_trap();
            rest = next;
        }
        for (int i = 0; i < keyCount; ++i)
            EncodeIndex(list, i);
    } catch (const VqException&) {
    }
    return 0;
}
