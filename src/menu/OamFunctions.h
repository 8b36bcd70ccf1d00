// The "Functions Supported" value of the 802.3 OAM tables as capability names: what the OAM
// request of the OAM and Peer tables shows in place of the value's hex text.
#pragma once

#include <string>
#include <string_view>

// Each hex digit of the text is read on its own, whatever its position, and names its bits 8, 4,
// 2 and 1 "Variable Request", "Link Monitoring", "Remote Loopback" and "Unidirection", joined by
// ", ": "F0" and "0F" both give all four names, "88" names "Variable Request" twice.
std::string OamFunctionsText(std::string_view hex);
