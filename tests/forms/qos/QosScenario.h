// The simulated switch of the QoS dialogs' tests and pictures: the queue bandwidth table (port 1
// queue 0 without limits, port 1 queue 1 at 1000 and 2000 Kbit/s, port 2 queue 0 without a minimum
// and at most 1000) and the GARP timers of 28 bridge ports (join 20 + port, leave 60, leave-all
// 1000).
#pragma once

#include <string>

namespace qos_scenario {

inline const std::string kQueueEntry = "1.3.6.1.4.1.746.12.61.3.9.1";
inline const std::string kGarpEntry = "1.3.6.1.2.1.17.6.1.3.1.1";
inline constexpr int kGarpPorts = 28;

inline int JoinTime(int port) {
    return 20 + port;
}

inline std::string Scenario() {
    std::string garp;
    for (int port = 1; port <= kGarpPorts; ++port) {
        garp += std::string(port > 1 ? ", " : "") + R"([")" + std::to_string(port) + R"(", )" +
                std::to_string(JoinTime(port)) + ", 60, 1000]";
    }
    return R"({"tables": [{"entry": ")" + kQueueEntry +
           R"(", "columns": [[3, "int", "rw"], [4, "int", "rw"]],
      "rows": [["1.0", 0, 0], ["1.1", 1000, 2000], ["2.0", 0, 1000]]},
    {"entry": ")" +
           kGarpEntry + R"(", "columns": [[1, "int", "rw"], [2, "int", "rw"], [3, "int", "rw"]], "rows": [)" +
           garp + "]}]}";
}

} // namespace qos_scenario
