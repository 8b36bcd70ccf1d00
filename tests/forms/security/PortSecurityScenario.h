// The simulated switch of the port security and traffic segmentation dialogs' tests and pictures:
// the port security scalars (no limit, trap and log enabled); the limits per port and VLAN (port 1
// VLAN 1 without limit, port 2 VLAN 1 at 64, port 5 VLAN 20 with an Add Control value outside the
// dialog's list); the limits per VLAN (VLAN 1 without limit, VLAN 20 at 64); and the traffic
// segmentation table of one model for the ports 1-28, 64, 65 and 129, each forwarding to port 1.
// Port lists are 48 octets long in stack mode and 8 stand-alone, as the port pickers bind them.
#pragma once

#include "GuestVlanScenario.h"

#include <string>
#include <vector>

namespace port_security_scenario {

using guest_vlan_scenario::PortList;

inline const std::string kGlobal = "1.3.6.1.4.1.746.12.63.1";
inline const std::string kOnPortEntry = "1.3.6.1.4.1.746.12.63.3.3.1.1";
inline const std::string kVlanEntry = "1.3.6.1.4.1.746.12.63.3.2.1.1";

// The traffic segmentation entry of model m.
inline std::string SegmentationEntry(int model) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(model) + ".1.2.14.1.1";
}

// The model's sysObjectID (1.3.6.1.4.1.746.10.117.m.1).
inline std::string SysObjectIdOf(int model) {
    return "1.3.6.1.4.1.746.10.117." + std::to_string(model) + ".1";
}

inline std::string Scenario(bool stacked = false, int model = 6) {
    const std::string objects = R"([[")" + kGlobal + R"(.2.0", "int", -1, "rw"], [")" + kGlobal +
                                R"(.3.0", "int", 1, "rw"], [")" + kGlobal + R"(.4.0", "int", 1, "rw"]])";
    // Add Control "add" (2) creates the row it addresses; 9 is a value no dialog writes.
    const std::string onPort = R"({"entry": ")" + kOnPortEntry +
                               R"(", "columns": [[1, "int", "rw", 0], [2, "int", "validstatus:2:9", 1]],
        "rows": [["1.1", -1, 1], ["2.1", 64, 1], ["5.20", 10, 3]]})";
    const std::string perVlan = R"({"entry": ")" + kVlanEntry +
                                R"(", "columns": [[2, "int", "rw", 0], [3, "int", "rw", 1]],
        "rows": [["1", -1, 1], ["20", 64, 1]]})";
    std::vector<int> ports = {64, 65, 129};
    for (int n = 1; n <= 28; ++n) {
        ports.push_back(n);
    }
    std::string rows;
    for (int n : ports) {
        rows += std::string(rows.empty() ? "" : ", ") + R"([")" + std::to_string(n) + R"(", )" +
                std::to_string(n) + R"(, ")" + PortList(stacked, {1}) + R"("])";
    }
    const std::string segmentation = R"({"entry": ")" + SegmentationEntry(model) +
                                     R"(", "columns": [[1, "int"], [2, "hex", "rw", ")" +
                                     PortList(stacked, {}) + R"("]], "rows": [)" + rows + "]}";
    return R"({"stack_mode": ")" + std::string(stacked ? "enabled" : "disabled") + R"(", "objects": )" +
           objects + R"(, "tables": [)" + onPort + ", " + perVlan + ", " + segmentation + "]}";
}

} // namespace port_security_scenario
