// The simulated switch of the safeguard engine dialog's tests and pictures: rising threshold 80,
// falling 60, mode strict, alarm state enabled, current status normal.
#pragma once

#include <string>

namespace safeguard_scenario {

inline const std::string kPrefix = "1.3.6.1.4.1.746.12.19.2";

inline std::string Scenario(int rising = 80, int falling = 60) {
    return R"({"objects": [[")" + kPrefix + R"(.1.0", "int", )" + std::to_string(rising) + R"(, "rw"], [")" +
           kPrefix + R"(.2.0", "int", )" + std::to_string(falling) + R"(, "rw"], [")" + kPrefix +
           R"(.3.0", "int", 1, "rw"], [")" + kPrefix + R"(.4.0", "int", 3, "rw"], [")" + kPrefix +
           R"(.5.0", "int", 1]]})";
}

} // namespace safeguard_scenario
