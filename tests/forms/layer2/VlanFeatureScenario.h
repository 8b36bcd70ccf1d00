// The simulated switch's VLAN feature tables that the protocol VLAN group, Private and secondary
// VLAN, and voice and surveillance VLAN dialogs' tests and pictures read: the protocol group
// ethernet 86DD in group 2, Private VLAN 20 with its secondary VLAN 21 (8-octet port lists), and
// the voice VLAN (ID 10) and surveillance VLAN (ID 30) global settings, each enabled or disabled as
// asked, with member ports 1-64 and dynamic ports 3 and 4 (48-octet lists) whatever their state.
#pragma once

#include <string>

inline constexpr const char* kProtocolGroupEntry = "1.3.6.1.2.1.17.7.1.5.1.1";
inline constexpr const char* kPrivateVlanEntry = "1.3.6.1.4.1.746.12.69.3.1.1";
inline constexpr const char* kSecondaryVlanEntry = "1.3.6.1.4.1.746.12.69.3.2.1";
inline constexpr const char* kVoiceVlanGroup = "1.3.6.1.4.1.746.12.74";
inline constexpr const char* kSurveillanceVlanGroup = "1.3.6.1.4.1.746.12.102.1";

// One feature's scalars under its group: ID .1.1, state .1.2, priority .1.3, aging time .1.4,
// log state .1.5, member ports .2.1, dynamic ports .2.2.
inline std::string VlanFeatureObjects(const std::string& group, int id, bool enabled) {
    const auto object = [&](const char* arcs, const char* type, const std::string& value, bool writable) {
        return R"([")" + group + arcs + R"(.0", ")" + type + R"(", )" + value +
               (writable ? R"(, "rw"])" : "]");
    };
    return object(".1.1", "int", std::to_string(id), true) + ", " +
           object(".1.2", "int", enabled ? "1" : "2", true) + ", " + object(".1.3", "int", "5", true) + ", " +
           object(".1.4", "int", "720", true) + ", " + object(".1.5", "int", "2", true) + ", " +
           object(".2.1", "hex", "\"" + std::string(16, 'F') + std::string(80, '0') + "\"", false) + ", " +
           object(".2.2", "hex", "\"30" + std::string(94, '0') + "\"", false);
}

inline std::string VlanFeatureScenario(bool voiceEnabled = true, bool surveillanceEnabled = true) {
    return R"({"objects": [)" + VlanFeatureObjects(kVoiceVlanGroup, 10, voiceEnabled) + ", " +
           VlanFeatureObjects(kSurveillanceVlanGroup, 30, surveillanceEnabled) + R"(],
  "tables": [{"entry": ")" +
           kProtocolGroupEntry + R"(", "columns": [[3, "int", "rw", 1], [4, "rowstatus"]],
      "rows": [["1.2.134.221", 2, 1]]},
    {"entry": ")" +
           kPrivateVlanEntry +
           R"(", "columns": [[2, "string", "rw", ""], [3, "hex", "rw", "0000000000000000"],
        [4, "hex", "rw", "0000000000000000"], [5, "rowstatus"]],
      "rows": [["20", "pv20", "C000000000000000", "0100000000000000", 1]]},
    {"entry": ")" +
           kSecondaryVlanEntry +
           R"(", "columns": [[2, "int", "rw", 1], [3, "hex", "rw", "0000000000000000"], [4, "rowstatus"]],
      "rows": [["20.21", 2, "3000000000000000", 1]]}]})";
}
