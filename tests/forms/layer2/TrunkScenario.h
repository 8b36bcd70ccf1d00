// The simulated 24DA's link aggregation tables that the port trunk and 802.3ad aggregation port
// dialogs' tests and pictures read: trunk 1 (LACP, enabled, master 64, members ports 63 and 64 of
// unit 1) and trunk 2 (static, disabled, master 65: unit 2 port 1 on a stack), with member lists
// of 48 octets on a stack and 8 stand-alone; and the LAG-MIB ports 1 to 3, port 1's actor
// administrative state 0x45 and port 2's 0xBC.
#pragma once

#include <string>

inline constexpr const char* k24DaSysObjectId = "1.3.6.1.4.1.746.10.117.3.1";
inline constexpr const char* kTrunkEntry = "1.3.6.1.4.1.746.11.117.3.1.2.9.3.1";
inline constexpr const char* kLagPortEntry = "1.2.840.10006.300.43.1.2.1.1";

inline std::string TrunkScenario(bool stacking = false) {
    const size_t octets = stacking ? 48 : 8;
    const auto ports = [octets](const std::string& head) {
        return "\"" + head + std::string(octets * 2 - head.size(), '0') + "\"";
    };
    const auto lagPort = [](const char* port, const char* mac, int key, const char* actorState,
                            const char* partnerState) {
        return std::string(R"([")") + port + R"(", 32768, ")" + mac + R"(", )" + std::to_string(key) + ", " +
               std::to_string(key) + R"(, 32768, 32768, "000000000000", "000000000000", 0, 0, 0, 0, )" +
               port + R"(, 128, 0, 0, 128, 128, ")" + actorState + R"(", ")" + actorState + R"(", ")" +
               partnerState + R"(", ")" + partnerState + R"(", 1])";
    };
    return std::string(R"({"model": "24DA", "stack_mode": ")") + (stacking ? "enabled" : "disabled") +
           R"(", "tables": [{"entry": ")" + kTrunkEntry +
           R"(", "columns": [[3, "int", "rw"], [4, "hex", "rw"], [5, "int"], [6, "int", "rw"], [7, "rowstatus"]],
      "rows": [["1", 64, )" +
           ports("00000000000000" + std::string("03")) + R"(, 64, 3, 1], ["2", 65, )" +
           (stacking ? ports("0000000000000000C0") : ports("C0")) + R"(, 65, 2, 2]]},
    {"entry": ")" +
           kLagPortEntry + R"(", "columns": [[2, "int"], [3, "hex"], [4, "int", "rw"], [5, "int"], [6, "int"],
        [7, "int"], [8, "hex", "rw"], [9, "hex"], [10, "int", "rw"], [11, "int"], [12, "int"], [13, "int"],
        [14, "int"], [15, "int"], [16, "int"], [17, "int"], [18, "int"], [19, "int"], [20, "hex", "rw"],
        [21, "hex"], [22, "hex", "rw"], [23, "hex"], [24, "int"]],
      "rows": [)" +
           lagPort("1", "001122334401", 1, "45", "00") + ", " + lagPort("2", "001122334402", 2, "BC", "3D") +
           ", " + lagPort("3", "001122334403", 3, "00", "00") + "]}]}";
}
