// The simulated switch of the equipment dialog's tests and pictures: a stacking switch (mode
// "enabled") with its topology (stand-alone), forced master role (disabled) and stacking trap and
// log states (enabled), and the capacity text the dialog reads but never shows.
#pragma once

#include <string>

namespace stacking_scenario {

inline const std::string kStacking = "1.3.6.1.4.1.746.12.11.1.9";
inline std::string StackingOid(int arc) {
    return kStacking + "." + std::to_string(arc) + ".0";
}
inline const std::string kMode = StackingOid(6);

inline std::string Scenario() {
    return R"({"stack_mode": "enabled", "objects": [
        ["1.3.6.1.4.1.746.12.11.1.1.0", "string", "48 ports"], [")" +
           StackingOid(5) + R"(", "int", 1], [")" + StackingOid(7) + R"(", "int", 2, "rw"], [")" +
           StackingOid(8) + R"(", "int", 1, "rw"], [")" + StackingOid(9) + R"(", "int", 1, "rw"]]})";
}

} // namespace stacking_scenario
