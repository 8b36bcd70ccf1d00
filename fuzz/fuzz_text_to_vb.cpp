#include "MibTableRow.h"
#include "OctetParts.h"
#include "ValueTexts.h"
#include "VqException.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr int kItemTypes[] = {
    itBoolean,       itInteger,     itBitString, itOctetString, itNull,     itObjectId,
    itIpAddress,     itCounter,     itGauge,     itTimeTicks,   itOpaque,   itNsapAddress,
    itCounter64,     itUInteger,    itDouble,    itMacAddress,  itDateTime, itBcDateTime,
    itDisplayString, itIpv6Address, itBitList,   itInetAddress, itBool8,    itInt8,
    itUInt8,         itBool16,      itInt16,     itUInt16,      7};

} // namespace

// Any text converts under any item type without reading outside a buffer; the only failures are
// the framework's own exceptions. Hex texts of octets read back to the same octets.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int type = kItemTypes[data[0] % std::size(kItemTypes)];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        const SnmpValue value = TextToVb(type, nullptr, text);
        VbToText(type, nullptr, value);
    } catch (const VqException&) {
    }
    try {
        const std::string part = TextToPart(text, type);
        PartToText(ExtractPart(part, static_cast<int>(data[0] % 8), type), type);
    } catch (const VqException&) {
    }
    const std::string octets = HexToOctets(text);
    const std::string hex = OctetsToHex(octets);
    // 35 to 37 digits are the zone form of an IPv6 address, which reads differently.
    if ((hex.size() < 35 || hex.size() > 37) && HexToOctets(hex) != octets)
        __builtin_trap();
    if (TimeTicksFromText(TimeTicksToText(ReadDecimal32(text))) != ReadDecimal32(text))
        __builtin_trap();
    return 0;
}
