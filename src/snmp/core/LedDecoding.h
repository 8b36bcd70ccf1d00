// How an LED's colour follows the status octet string: the widget-free rules of the LED request
// (decoding one LED, the octet-9 rule, the two decode modes, and the blink phases of a paint
// pass), kept apart from the shapes so that they can be tested on plain values.
#pragma once

#include "TColor.h"
#include "VqSNMPLedColorMapList.h"

#include <string>
#include <string_view>

struct LedState {
    TColor Color = clBlack;
    bool Blink = false;

    bool operator==(const LedState&) const = default;
};

// 1: one octet per LED. 2: from the port limit on, a state octet followed by a colour octet.
inline constexpr int kLedDecodeOneOctet = 1, kLedDecodeStateAndColor = 2;

// The octet-9 rule: characters 19 and 20 of the value text (the octet with index 9) are "01".
bool PortLedsCutOff(std::string_view valueText);

// The state of the LED on `octetIndex` of `octets`. A missing octet (or, in mode 2, a missing
// colour octet) gives the map's no-data colour, or raises -519 when that colour is -1; with the
// octet-9 rule an index above the port limit gives the no-data colour.
LedState DecodeLedState(std::string_view octets, bool portsCutOff, int octetIndex,
                        const VqSNMPLedColorMapList& map, int decodeMode, int portLimit);

// The colour one paint pass gives an LED that shows `shown`: a blinking LED alternates between
// its colour and the map's default colour while `passes` is at most `limit`, then stays lit.
TColor PaintPassColor(const LedState& led, TColor shown, const VqSNMPLedColorMapList& map, int passes,
                      int limit);
