// Input checks that dialogs share: each reads a control's text and says whether it is acceptable.
//
// The checks have one signature, bool(control), so that a button handler can call them and an edit
// constraint can run them when the field is left. Those with a message show it in a simple message
// box before they return false; the others refuse silently. Each check is built over a text-level
// core (the *String functions), which shows nothing and is what tests and other code call on plain
// texts.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class TControl;

// A check function: true accepts the control's text.
using TCheckFunction = std::function<bool(TControl* control)>;

// Text-level cores.
bool IsIPv4String(std::string_view text);          // four dotted whole numbers 0..255
bool IsMulticastIPv4String(std::string_view text); // ... whose first part is 224..239
bool IsNetmaskString(std::string_view text);       // a contiguous IPv4 netmask, 0.0.0.0 included
bool IsNonZeroNetmaskString(std::string_view text);
bool IsIPv6HexString(std::string_view text);          // exactly 32 hexadecimal digits
bool IsIPv6MulticastHexString(std::string_view text); // ... beginning "FF" (either case)
bool IsMacString(std::string_view text);              // 12 hex digits, or six 2-digit groups split by - or .
bool IsMulticastMacString(std::string_view text);     // a group MAC, broadcast excluded
bool IsUnicastMacString(std::string_view text);       // an individual MAC, all-zero excluded
// The text in upper case, left-padded with "0" to 4 digits; none when it is not 0 to 4 hex digits.
std::optional<std::string> HexWordString(std::string_view text);
bool IsZeroOr60To1000000String(std::string_view text);
bool IsZeroOr8To10240000String(std::string_view text);
bool IsMinusOneOr1To2048String(std::string_view text);
bool IsMinusOneOr60To1000000String(std::string_view text);

// Checks on a control's text (TControl::Caption; an edit's Text).
bool CheckIPv4Text(TControl* control); // "Please input a valid IP."
bool IsMulticastIPv4Text(TControl* control);
bool IsNetmaskText(TControl* control);
bool IsNonZeroNetmaskText(TControl* control);
bool CheckIPv6HexText(
    TControl* control); // "Please enter a valid IPv6 address whose length is 32 without ':'."
bool CheckIPv6MulticastText(TControl* control);
bool IsMacText(TControl* control);
bool IsMulticastMacText(TControl* control);
bool IsUnicastMacText(TControl* control);
// Also rewrites the control's text in its padded upper-case form when it passes.
bool CheckHexWordText(TControl* control);
bool CheckZeroOr60To1000000Text(TControl* control);
bool CheckZeroOr8To10240000Text(TControl* control);
bool CheckMinusOneOr1To2048Text(TControl* control);
bool CheckMinusOneOr60To1000000Text(TControl* control);
