// Port and VLAN list texts ("1,3-5") and the fixed 512-bit bitmaps the switch stores them in, as
// 128 upper-case hex digits: number 1 is the top bit of the first octet, 8 its lowest, 9 the top bit
// of the second. A longer list is kept in slices of 512 numbers; slice k holds 512k + 1 to 512k + 512.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int kPortFlagCount = 512;
// The longest list text accepted.
constexpr size_t kMaxPortListLength = 2048;

// One flag per bitmap position: number n has position (n - 1) mod 512.
using PortFlagArray = std::array<bool, kPortFlagCount>;

// Reads a list of numbers and ranges split by ",", empty items passed over. Number n sets position (n - 1)
// mod 512, so the absolute numbers of a slice (513-600) and their offsets within it (1-88) set the same
// flags; numbers below 1 set none (so "0", the text of an empty slice, gives no flag). False for a text
// longer than kMaxPortListLength, an item that is not a number, a range without its start or end, or a range
// that ends below its start; the flags then hold only what was set before the failing item.
[[nodiscard]] bool ParsePortList(std::string_view text, PortFlagArray& flags);

// Eight flags as one octet, the first flag in the top bit.
uint8_t PackPortFlags(const bool* eight);

// When the list text parses, replaces it by the 128-digit bitmap text and returns true; otherwise
// leaves it as it was and returns false, and the caller must not send it.
[[nodiscard]] bool PortListToHexBitmap(std::string& text);

// The list text of the set bits of a hex bitmap taken as slice `block` ("0" when none is set); with
// `bracket`, followed by "[", the hex text and "]". Non-hex digits count as 0 and a final unpaired
// digit is not read.
std::string HexBitmapToPortList(std::string_view hex, unsigned block, bool bracket);
