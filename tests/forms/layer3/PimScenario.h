// The simulated switch of the PIM dialogs' tests and pictures: the register timers (probe 3,
// suppression 60) and the SSM settings (disabled, group 232.0.0.0/255.0.0.0).
#pragma once

#include <string>

namespace pim_scenario {

inline const std::string kTimers = "1.3.6.1.4.1.746.12.52.2";
inline const std::string kSsm = "1.3.6.1.4.1.746.12.52.4";

// The scalars with the given values.
inline std::string Scenario(int probe = 3, int suppression = 60, int state = 2,
                            const std::string& address = "232.0.0.0", const std::string& mask = "255.0.0.0") {
    return R"({"objects": [[")" + kTimers + R"(.1.0", "int", )" + std::to_string(probe) + R"(, "rw"], [")" +
           kTimers + R"(.2.0", "int", )" + std::to_string(suppression) + R"(, "rw"], [")" + kSsm +
           R"(.1.0", "int", )" + std::to_string(state) + R"(, "rw"], [")" + kSsm + R"(.2.0", "ip", ")" +
           address + R"(", "rw"], [")" + kSsm + R"(.3.0", "ip", ")" + mask + R"(", "rw"]]})";
}

} // namespace pim_scenario
