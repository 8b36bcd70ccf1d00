// The simulated switch of the QoS dialogs' tests and pictures: the queue bandwidth table (port 1
// queue 0 without limits, port 1 queue 1 at 1000 and 2000 Kbit/s, port 2 queue 0 without a minimum
// and at most 1000), the GARP timers of 28 bridge ports (join 20 + port, leave 60, leave-all
// 1000), the traffic-classes state and the port capabilities of ports 1 to 9 (kCapabilities).
#pragma once

#include <string>

namespace qos_scenario {

inline const std::string kQueueEntry = "1.3.6.1.4.1.746.12.61.3.9.1";
inline const std::string kGarpEntry = "1.3.6.1.2.1.17.6.1.3.1.1";
inline constexpr int kGarpPorts = 28;
inline const std::string kTrafficClasses = "1.3.6.1.2.1.17.6.1.1.2.0";
inline const std::string kCapabilityEntry = "1.3.6.1.2.1.17.6.1.1.4.1";
// The capability octet of port k + 1.
inline const char* const kCapabilities[] = {"E0", "60", "A0", "C0", "20", "80", "40", "00", "E1"};

inline int JoinTime(int port) {
    return 20 + port;
}

// `trafficClasses`: 1 (true) or 2 (false).
inline std::string Scenario(int trafficClasses = 1) {
    std::string garp, capabilities;
    int capabilityPort = 0;
    for (const char* octet : kCapabilities) {
        ++capabilityPort;
        capabilities += std::string(capabilityPort > 1 ? ", " : "") + R"([")" +
                        std::to_string(capabilityPort) + R"(", ")" + octet + R"("])";
    }
    for (int port = 1; port <= kGarpPorts; ++port) {
        garp += std::string(port > 1 ? ", " : "") + R"([")" + std::to_string(port) + R"(", )" +
                std::to_string(JoinTime(port)) + ", 60, 1000]";
    }
    return R"({"objects": [[")" + kTrafficClasses + R"(", "int", )" + std::to_string(trafficClasses) +
           R"(]], "tables": [{"entry": ")" + kCapabilityEntry + R"(", "columns": [[1, "hex"]], "rows": [)" +
           capabilities + R"(]}, {"entry": ")" + kQueueEntry +
           R"(", "columns": [[3, "int", "rw"], [4, "int", "rw"]],
      "rows": [["1.0", 0, 0], ["1.1", 1000, 2000], ["2.0", 0, 1000]]},
    {"entry": ")" +
           kGarpEntry + R"(", "columns": [[1, "int", "rw"], [2, "int", "rw"], [3, "int", "rw"]], "rows": [)" +
           garp + "]}]}";
}

} // namespace qos_scenario
