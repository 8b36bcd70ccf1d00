// Input checks that dialogs share: each reads a control's text and says whether it is acceptable.
//
// The checks have one signature, bool(control), so that a button handler can call them and an edit
// constraint can run them when the field is left. The name says the contract, here and in every
// header of checks (TBasicFormUnit.h, FieldChecks.h):
//   Is...Text      silent: returns whether the text passes and shows nothing (the caller says why);
//   Check...Text   shows its own message in a simple message box before it returns false, and leaves
//                  the focus to the caller;
//   Check...Field  shows its message and moves the focus to the control.
// Each check is built over a text-level core (the *String functions of TextValidators.h), which
// shows nothing and is what tests and other code call on plain texts.
#pragma once

#include "TextValidators.h"

#include <functional>

class TControl;

// A check function: true accepts the control's text.
using TCheckFunction = std::function<bool(TControl* control)>;

// Checks on a control's text (TControl::Caption; an edit's Text).
// An IPv4 address; a refused text shows "Please input a valid IP." (IsIPv4AddressText in
// TBasicFormUnit.h is the silent one).
bool CheckIPv4Text(TControl* control);
// The dotted-quad rule of IsDottedQuadString; a refused text shows "Please input a valid IP" (no full
// stop) itself. The last group has any length unless the caller asks for at most three digits.
bool CheckDottedQuadText(TControl* control);
bool CheckDottedQuadText(TControl* control, LastGroupDigits last);
bool IsMulticastIPv4Text(TControl* control);
bool IsNetmaskText(TControl* control);
bool IsNonZeroNetmaskText(TControl* control);
bool CheckIPv6HexText(
    TControl* control); // "Please enter a valid IPv6 address whose length is 32 without ':'."
// 32 hexadecimal digits, as CheckIPv6HexText, but a text of another length is refused with "Please
// enter a valid IPv6 address whose length is less without ':'." (too long ones included).
bool CheckIPv6Text(TControl* control);
bool IsIPv6MulticastText(TControl* control);
bool IsMacText(TControl* control);
// 12 hexadecimal digits alone (IsMacHexString); an empty or refused text shows "Invalid MAC address".
bool CheckMacHexText(TControl* control);
bool IsMulticastMacText(TControl* control);
bool IsUnicastMacText(TControl* control);
// 0 to 4 hexadecimal digits; silent, but a text that passes is rewritten in the control in its
// padded upper-case form ("ab" becomes "00AB").
bool IsHexWordText(TControl* control);
bool CheckZeroOr60To1000000Text(TControl* control);
bool CheckZeroOr8To10240000Text(TControl* control);
bool CheckMinusOneOr1To2048Text(TControl* control);
bool CheckMinusOneOr60To1000000Text(TControl* control);
