// The simulated switch's LLDP tables that the LLDP configuration and data dialogs' tests and pictures read:
// three ports' basic configuration (TLVs F0, 00 and 60) and 802.3 TLVs (40, B0, 00), four ports' aggregation
// states (C0, 80, 40, 00), the switch's own system data (capabilities 28 supported, 20 enabled, a
// name given by the test), two neighbours (capabilities 28/20 and C0/00) and the 802.1 TX
// switches of a few port and protocol, protocol VLAN and VLAN name pairs.
#pragma once

#include <string>

inline constexpr const char* kLldpPortConfigEntry = "1.0.8802.1.1.2.1.1.6.1";
inline constexpr const char* kLldpDot3PortConfigEntry = "1.0.8802.1.1.2.1.5.4623.1.1.1.1";
inline constexpr const char* kLldpLinkAggEntry = "1.0.8802.1.1.2.1.5.4623.1.2.3.1";
inline constexpr const char* kLldpLocalSystemData = "1.0.8802.1.1.2.1.3";
inline constexpr const char* kLldpRemoteEntry = "1.0.8802.1.1.2.1.4.1.1";
inline constexpr const char* kLldpVlanNameEntry = "1.0.8802.1.1.2.1.5.32962.1.1.2.1";
inline constexpr const char* kLldpProtocolVlanEntry = "1.0.8802.1.1.2.1.5.32962.1.1.3.1";
inline constexpr const char* kLldpProtocolEntry = "1.0.8802.1.1.2.1.5.32962.1.1.4.1";

inline std::string LldpScenario(const std::string& systemName = "core-sw1") {
    const std::string local = kLldpLocalSystemData;
    return R"({"objects": [[")" + local + R"(.1.0", "int", 4], [")" + local +
           R"(.2.0", "hex", "00010A0B0C0D"], [")" + local + R"(.3.0", "string", ")" + systemName +
           R"("], [")" + local + R"(.4.0", "string", "ZQS-4410 stackable switch"], [")" + local +
           R"(.5.0", "hex", "28"], [")" + local + R"(.6.0", "hex", "20"]],
  "tables": [{"entry": ")" +
           kLldpPortConfigEntry + R"(", "columns": [[2, "int", "rw"], [3, "int", "rw"], [4, "hex", "rw"]],
      "rows": [["1", 3, 1, "F0"], ["2", 4, 2, "00"], ["3", 1, 2, "60"]]},
    {"entry": ")" +
           kLldpDot3PortConfigEntry + R"(", "columns": [[1, "hex", "rw"]],
      "rows": [["1", "40"], ["2", "B0"], ["3", "00"]]},
    {"entry": ")" +
           kLldpLinkAggEntry + R"(", "columns": [[1, "hex"], [2, "int"]],
      "rows": [["1", "C0", 0], ["2", "80", 0], ["3", "40", 1], ["4", "00", 0]]},
    {"entry": ")" +
           kLldpRemoteEntry +
           R"(", "columns": [[4, "int"], [5, "hex"], [6, "int"], [7, "string"], [8, "string"], [9, "string"],
        [10, "string"], [11, "hex"], [12, "hex"]],
      "rows": [["0.3.1", 4, "001122334455", 3, "00-11-22-33-44-66", "uplink", "edge-sw2", "edge switch", "28", "20"],
        ["150000.5.2", 4, "0A0B0C0D0E0F", 5, "eth0", "server port", "host1", "file server", "C0", "00"]]},
    {"entry": ")" +
           kLldpVlanNameEntry + R"(", "columns": [[1, "int", "rw"]],
      "rows": [["1.1", 1], ["2.1", 2]]},
    {"entry": ")" +
           kLldpProtocolVlanEntry + R"(", "columns": [[1, "int", "rw"]],
      "rows": [["1.10", 2], ["3.10", 1]]},
    {"entry": ")" +
           kLldpProtocolEntry + R"(", "columns": [[1, "int", "rw"]],
      "rows": [["1.1", 1], ["1.2", 2], ["2.1", 2]]}]})";
}
