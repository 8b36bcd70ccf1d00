// Port lists: a set of switch ports held as a bitmap in hex text (port 1 in the top bit of the
// first octet), shown and typed as ascending ranges such as "1-3,5".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The ports of a hex bitmap as ranges ("0" when none); with `withHex`, followed by "[hex]" as a
// list-view cell keeps it. Non-hex digits count as 0; a final unpaired digit is ignored. The top
// bit of the first octet stands for `firstNumber` (a slice of a longer bitmap starts further on).
std::string PortBitmapToList(std::string_view hex, bool withHex = false, uint64_t firstNumber = 1);

// "all" or comma-separated ports and ranges, read into a bitmap as long as `currentHex`; `out`
// gets lower-case hex with as many digits as `currentHex`. False, with `out` untouched, when a
// number lies outside the bitmap, a range ends below its start or an item holds ":".
bool PortListToBitmap(std::string_view list, std::string_view currentHex, std::string& out);

// The hex kept inside a list-view cell "ranges[hex]"; a text without "]" runs to its end.
std::string BracketedHex(std::string_view cell);
