// The text-level cores of the input checks: each says whether a text is acceptable and shows
// nothing, so that the checks on controls, tests, fuzzing and code holding a plain text share them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

bool IsIPv4String(std::string_view text); // four dotted whole numbers 0..255

// How many digits the last group of a dotted quad may have.
enum class LastGroupDigits { UpToThree, Any };
// The dotted-quad rule the address checks read character by character: four groups of decimal
// digits split by single dots and nothing else, each worth 0..255, a zero written as "0" alone
// ("00" is refused) and leading zeros before a non-zero value accepted ("01"); the first three
// groups have at most three digits, the last as `last` says (Any: "1.2.3.0001" passes).
bool IsDottedQuadString(std::string_view text, LastGroupDigits last);
bool IsMulticastIPv4String(std::string_view text); // ... whose first part is 224..239
bool IsNetmaskString(std::string_view text);       // a contiguous IPv4 netmask, 0.0.0.0 included
bool IsNonZeroNetmaskString(std::string_view text);
bool IsIPv6HexString(std::string_view text); // exactly 32 hexadecimal digits
// Whether two texts name the same address, as the switch will read them: the same four octets of
// dotted IPv4 texts however each is written ("010.1.1.1" is 10.1.1.1), the same 32 hexadecimal
// digits of IPv6 texts in either case. A text that is no such address is the same only as itself.
bool SameIPv4Address(std::string_view a, std::string_view b);
bool SameIPv6HexAddress(std::string_view a, std::string_view b);
bool IsIPv6MulticastHexString(std::string_view text); // ... beginning "FF" (either case)
bool IsMacHexString(std::string_view text);           // exactly 12 hex digits of either case, nothing else
bool IsMacString(std::string_view text);              // IsMacHexString, or six 2-digit groups split by - or .
bool IsMulticastMacString(std::string_view text);     // a group MAC, broadcast excluded
bool IsUnicastMacString(std::string_view text);       // an individual MAC, all-zero excluded
// The text in upper case, left-padded with "0" to 4 digits; none when it is not 0 to 4 hex digits.
std::optional<std::string> HexWordString(std::string_view text);
bool IsZeroOr60To1000000String(std::string_view text);
bool IsZeroOr8To10240000String(std::string_view text);
bool IsMinusOneOr1To2048String(std::string_view text);
bool IsMinusOneOr60To1000000String(std::string_view text);
