// The simulated switch of the RMON probe dialog's tests and pictures: the probe's capabilities
// (as the probe reports them: two groups only), its revisions and its reset control (running).
#pragma once

#include <string>

namespace probe_scenario {

inline const std::string kProbe = "1.3.6.1.2.1.16.19";
inline const std::string kCapabilities = kProbe + ".1.0";
inline const std::string kSoftware = kProbe + ".2.0";
inline const std::string kHardware = kProbe + ".3.0";
inline const std::string kResetControl = kProbe + ".5.0";

inline std::string Scenario() {
    return R"({"objects": [[")" + kCapabilities + R"(", "hex", "C0"], [")" + kSoftware +
           R"(", "string", "Build 2.60.B012"], [")" + kHardware + R"(", "string", "A1"], [")" +
           kResetControl + R"(", "int", 1, "rw"]]})";
}

} // namespace probe_scenario
