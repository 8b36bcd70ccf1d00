// The text forms of SNMP values: how a received value becomes the text that dialogs show and edit,
// and how such a text becomes the value of a SET. The request's virtual VbToText / TextToVb
// call the two conversions here with the variable's item type and option list.
#pragma once

#include "SnmpTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

class VqOptionList;

// The text of an absent value, both shown and typed.
inline constexpr std::string_view kNullText = "(NULL)";

// The item types whose value text is the hex text of their octets: 3, 4, 68, 73, 77, 78.
bool IsHexTextType(int itemType);
// 0-9, A-F and a-f as 0 to 15; any other character counts as 0.
unsigned HexDigitValue(char c);

// Octets as contiguous upper-case hexadecimal, two digits per octet, first octet first.
std::string OctetsToHex(std::string_view octets);
// The octets as characters, up to the first zero octet.
std::string OctetsToText(std::string_view octets);
// Lenient hex reading: blanks dropped, an odd first digit makes one octet, any non-hex character
// counts as 0; 35 to 37 characters are an IPv6 address with a zone (32 digits, '%', zone).
std::string HexToOctets(std::string_view text);

std::string Counter64ToText(uint64_t value);
// Hundredths of a second as "h:mm:ss.cc", "1 day h:mm:ss.cc" or "d days, h:mm:ss.cc".
std::string TimeTicksToText(uint64_t hundredths);
uint32_t TimeTicksFromText(std::string_view text);

// Decimal reading: leading white space, one optional sign, digits up to the first other
// character; no digits give 0. The value wraps (mod 2^32 or 2^64), so -1 and 4294967295 give the
// same 32-bit pattern and long digit strings never overflow.
uint32_t ReadDecimal32(std::string_view text);
uint64_t ReadDecimal64(std::string_view text);
// Float reading in the C locale: leading white space, the longest number prefix; 0.0 when none.
double ReadFloat(std::string_view text);
// General float text, up to 15 significant digits: "1", "0.25", "1.5E20", "NAN".
std::string FloatToText(double value);

// Doubles held in 8 octets, least significant octet first. Missing octets read as zero.
double DoubleFromOctets(std::string_view octets);
std::string DoubleToOctets(double value);

// Platform date-times: days since 1899-12-30 with the time of day as the fraction (before that
// day the fraction still counts forward from midnight). Texts use the one fixed form
// "yyyy/mm/dd hh:nn:ss", whatever the locale.
// A double that is no date of the years 1 to 9999 (NaN included) gives the empty text.
std::string DateTimeToText(double dateTime);
// Reads "yyyy/mm/dd", optionally followed by " hh:nn" or " hh:nn:ss". A text that is no valid
// date and time raises VqException with the platform's words and code -511.
double TextToDateTime(std::string_view text);
// The current local date and time as a platform date-time.
double NowAsDateTime();

// Item type -> text of a received value (absent values, exceptions and wrong kinds of value
// included), translated by the option list when there is one. Unknown item types raise -511.
std::string VbToText(int itemType, const VqOptionList* optionList, const SnmpValue& value);
// VbToText written over `text`, whose storage it reuses (a walk writes each column's text over
// the one of the row before). A conversion that raises leaves `text` as it was.
void VbToTextInto(int itemType, const VqOptionList* optionList, const SnmpValue& value, std::string& text);
// Text -> value of a SET binding: the option list's value of the text, then by item type;
// "(NULL)" gives NULL whatever the type. Unknown item types raise -511.
SnmpValue TextToVb(int itemType, const VqOptionList* optionList, std::string_view text);
