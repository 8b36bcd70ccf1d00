#include "InputValidators.h"

#include "TControl.h"
#include "UserDialogs.h"

#include <optional>
#include <string>

namespace {

std::string TextOf(TControl* control) {
    return control ? control->Caption() : std::string();
}

bool CheckWithMessage(TControl* control, bool (*core)(std::string_view), const char* message) {
    if (core(TextOf(control))) {
        return true;
    }
    ShowMessage(message);
    return false;
}

} // namespace

bool CheckIPv4Text(TControl* control) {
    return CheckWithMessage(control, IsIPv4String, "Please input a valid IP.");
}

bool CheckDottedQuadText(TControl* control) {
    return CheckDottedQuadText(control, LastGroupDigits::Any);
}

bool CheckDottedQuadText(TControl* control, LastGroupDigits last) {
    if (IsDottedQuadString(TextOf(control), last)) {
        return true;
    }
    ShowMessage("Please input a valid IP");
    return false;
}

bool IsMulticastIPv4Text(TControl* control) {
    return IsMulticastIPv4String(TextOf(control));
}

bool IsNetmaskText(TControl* control) {
    return IsNetmaskString(TextOf(control));
}

bool IsNonZeroNetmaskText(TControl* control) {
    return IsNonZeroNetmaskString(TextOf(control));
}

bool CheckIPv6HexText(TControl* control) {
    return CheckWithMessage(control, IsIPv6HexString,
                            "Please enter a valid IPv6 address whose length is 32 without ':'.");
}

bool CheckIPv6Text(TControl* control) {
    constexpr std::size_t kDigits = 32;
    if (TextOf(control).size() != kDigits) {
        ShowMessage("Please enter a valid IPv6 address whose length is less without ':'.");
        return false;
    }
    return CheckIPv6HexText(control);
}

bool IsIPv6MulticastText(TControl* control) {
    return IsIPv6MulticastHexString(TextOf(control));
}

bool IsMacText(TControl* control) {
    return IsMacString(TextOf(control));
}

bool CheckMacHexText(TControl* control) {
    return CheckWithMessage(control, IsMacHexString, "Invalid MAC address");
}

bool IsMulticastMacText(TControl* control) {
    return IsMulticastMacString(TextOf(control));
}

bool IsUnicastMacText(TControl* control) {
    return IsUnicastMacString(TextOf(control));
}

bool IsHexWordText(TControl* control) {
    std::optional<std::string> word = HexWordString(TextOf(control));
    if (!word) {
        return false;
    }
    if (control) {
        control->SetCaption(*word);
    }
    return true;
}

bool CheckZeroOr60To1000000Text(TControl* control) {
    // The message's spelling is the program's own.
    return CheckWithMessage(control, IsZeroOr60To1000000String,
                            "Pleaase Input a Number between 60 and 1000000 or 0.");
}

bool CheckZeroOr8To10240000Text(TControl* control) {
    return CheckWithMessage(control, IsZeroOr8To10240000String,
                            "Please Input a Number between 8-10240000 or 0.");
}

bool CheckMinusOneOr1To2048Text(TControl* control) {
    return CheckWithMessage(control, IsMinusOneOr1To2048String,
                            "Please Input a Number between 1-2048 or -1.");
}

bool CheckMinusOneOr60To1000000Text(TControl* control) {
    return CheckWithMessage(control, IsMinusOneOr60To1000000String,
                            "Please Input a Number between 60-1000000 or -1.");
}
