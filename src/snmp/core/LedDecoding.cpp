#include "LedDecoding.h"

#include "VqException.h"

namespace {

LedState Lookup(uint8_t octet, const VqSNMPLedColorMapList& map) {
    return {map.ColorOf(octet & map.ValueMask), (octet & map.BlinkMask) != 0};
}

LedState NoData(const VqSNMPLedColorMapList& map) {
    if (map.NoDataColor == -1)
        RaiseVqError(-519);
    return {map.NoDataColor, false};
}

} // namespace

bool PortLedsCutOff(std::string_view valueText) {
    return valueText.size() >= 20 && valueText.substr(18, 2) == "01";
}

LedState DecodeLedState(std::string_view octets, bool portsCutOff, int octetIndex,
                        const VqSNMPLedColorMapList& map, int decodeMode, int portLimit) {
    const auto count = static_cast<int>(octets.size());
    if (octetIndex < 0 || octetIndex >= count)
        return NoData(map);
    if (portsCutOff && octetIndex > portLimit)
        return {map.NoDataColor, false};
    const auto octet = [&](int i) { return static_cast<uint8_t>(octets[static_cast<size_t>(i)]); };
    if (decodeMode != kLedDecodeStateAndColor || octetIndex < portLimit)
        return Lookup(octet(octetIndex), map);
    const uint8_t state = octet(octetIndex);
    if (state == 1)
        return {map.NoDataColor, false};
    // The colour octet follows the state octet; an LED on the last octet has none, which is as
    // good as a missing octet.
    if (octetIndex + 1 >= count)
        return NoData(map);
    return {map.ColorOf(octet(octetIndex + 1) & map.ValueMask), (state & map.BlinkMask) != 0};
}

TColor PaintPassColor(const LedState& led, TColor shown, const VqSNMPLedColorMapList& map, int passes,
                      int limit) {
    if (!led.Blink || shown == map.DefaultColor || passes > limit)
        return led.Color;
    return map.DefaultColor;
}
