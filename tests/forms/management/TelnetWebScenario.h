// The simulated switch of the Telnet/web dialog's tests and pictures: the model's Telnet state
// (enabled, 3) and port (23) and web state (enabled, 1) and port (80).
#pragma once

#include <string>

namespace telnet_web_scenario {

// The objects of the model whose sysObjectID arc is `arc` (2 for the 24RA).
inline std::string Prefix(int arc = 2) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(arc) + ".1.2.1.2";
}

inline std::string Objects(int arc = 2) {
    const std::string p = Prefix(arc);
    return R"([[")" + p + R"(.14.1.0", "int", 3, "rw"], [")" + p + R"(.14.2.0", "int", 23, "rw"], [")" + p +
           R"(.17.1.0", "int", 1, "rw"], [")" + p + R"(.17.2.0", "int", 80, "rw"]])";
}

inline std::string Scenario(const std::string& model = "24RA", int arc = 2) {
    return R"({"model": ")" + model + R"(", "objects": )" + Objects(arc) + "}";
}

} // namespace telnet_web_scenario
