// The simulated switch of the dot3 dialogs' tests and pictures: the pause table and the MAC-control
// table of 28 interfaces. Interface i: administration mode enabledXmitAndRcv (disabled for every
// fourth), in and out pause frames 1000 i and 2000 i growing by 5 and 7 at every read, the pause
// function supported on odd interfaces, unknown opcodes 10 i growing by 3.
#pragma once

#include <string>

namespace dot3_scenario {

inline const std::string kPauseEntry = "1.3.6.1.2.1.10.7.10.1";
inline const std::string kControlEntry = "1.3.6.1.2.1.10.7.9.1";
inline constexpr int kInterfaces = 28;
inline constexpr int kInStep = 5;
inline constexpr int kOutStep = 7;
inline constexpr int kOpcodeStep = 3;

inline int InPauseFrames(int i) {
    return 1000 * i;
}
inline int OutPauseFrames(int i) {
    return 2000 * i;
}
inline int UnknownOpcodes(int i) {
    return 10 * i;
}

inline std::string Scenario() {
    std::string pause, control;
    for (int i = 1; i <= kInterfaces; ++i) {
        const std::string index = std::to_string(i);
        const std::string separator = i > 1 ? ", " : "";
        pause += separator + R"([")" + index + R"(", )" + (i % 4 == 0 ? "1" : "4") + ", " +
                 (i % 4 == 0 ? "1" : "4") + ", " + std::to_string(InPauseFrames(i)) + ", " +
                 std::to_string(OutPauseFrames(i)) + "]";
        control += separator + R"([")" + index + R"(", ")" + (i % 2 == 1 ? "80" : "00") + R"(", )" +
                   std::to_string(UnknownOpcodes(i)) + "]";
    }
    return R"({"tables": [{"entry": ")" + kPauseEntry +
           R"(", "columns": [[1, "int", "rw"], [2, "int"], [3, "counter+)" + std::to_string(kInStep) +
           R"("], [4, "counter+)" + std::to_string(kOutStep) + R"("]], "rows": [)" + pause +
           R"(]}, {"entry": ")" + kControlEntry + R"(", "columns": [[1, "hex"], [2, "counter+)" +
           std::to_string(kOpcodeStep) + R"("]], "rows": [)" + control + "]}]}";
}

} // namespace dot3_scenario
