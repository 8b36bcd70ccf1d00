// The simulated switch of the IPv6 neighbour dialog's tests and pictures: the neighbour cache
// (row status column; a neighbour learned on "System" and a static one on "vlan2").
#pragma once

#include "InstanceArcs.h"

#include <string>

namespace neighbor_scenario {

inline const std::string kEntry = "1.3.6.1.4.1.746.12.26.4.1.1";

// A neighbour's row instance: IPv6 address (16 sub-identifiers), MAC address (6), interface name
// (its length, then its characters).
inline std::string Instance(const std::string& address, const std::string& mac, const std::string& name) {
    return HexArcs(address) + "." + HexArcs(mac) + "." + TextArcs(name);
}

inline const std::string kLearnedAddress = "FE800000000000000211223344556677";
inline const std::string kLearnedMac = "001122334455";
inline const std::string kStaticAddress = "20010DB8000000000000000000000010";
inline const std::string kStaticMac = "00AABBCCDD10";
inline const std::string kLearned = Instance(kLearnedAddress, kLearnedMac, "System");
inline const std::string kStatic = Instance(kStaticAddress, kStaticMac, "vlan2");

// The table alone, for a scenario's "tables". An entry created without it is static (6).
inline std::string Table() {
    return R"({"entry": ")" + kEntry +
           R"(", "columns": [[4, "int", "ro", 6], [5, "rowstatus"]], "rows": [[")" + kLearned +
           R"(", 2, 1], [")" + kStatic + R"(", 6, 1]]})";
}

inline std::string Scenario() {
    return R"({"tables": [)" + Table() + "]}";
}

} // namespace neighbor_scenario
