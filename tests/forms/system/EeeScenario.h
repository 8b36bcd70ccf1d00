// The simulated switch of the EEE dialog's tests and pictures: the EEE state bit string, ports 2
// and 8 enabled, 8 octets on a stand-alone switch and 48 on a stack.
#pragma once

#include <string>

namespace eee_scenario {

inline const std::string kEeeState = "1.3.6.1.4.1.746.12.11.1.11.20.1.0";
inline constexpr const char* kEnabledPorts = "41"; // ports 2 and 8

// A bitmap of `octets` octets: the given leading hex digits, the rest zero.
inline std::string Bitmap(const std::string& head, size_t octets) {
    return head + std::string(octets * 2 - head.size(), '0');
}

inline std::string Scenario(bool stacked = false) {
    return std::string(R"({"stack_mode": ")") + (stacked ? "enabled" : "disabled") + R"(", "objects": [[")" +
           kEeeState + R"(", "hex", ")" + Bitmap(kEnabledPorts, stacked ? 48 : 8) + R"(", "rw"]]})";
}

} // namespace eee_scenario
