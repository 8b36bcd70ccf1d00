// The simulated switch of the LLDP management address dialog's tests and pictures: two IPv4
// management addresses, 10.90.90.90 sent on ports 1 to 4 and 192.168.1.1 on ports 5 and 6
// (8-octet port lists: a stand-alone switch).
#pragma once

#include <string>

namespace lldp_scenario {

inline const std::string kManAddrEntry = "1.0.8802.1.1.2.1.1.7.1";
// An IPv4 address's row instance: subtype 1, then the address as a four-octet string.
inline std::string Ipv4Instance(const std::string& dotted) {
    return "1.4." + dotted;
}
inline const std::string kFirst = Ipv4Instance("10.90.90.90");
inline const std::string kSecond = Ipv4Instance("192.168.1.1");

inline std::string Scenario() {
    return R"({"tables": [{"entry": ")" + kManAddrEntry + R"(", "columns": [[1, "hex", "rw"]],
      "rows": [[")" +
           kFirst + R"(", "F000000000000000"], [")" + kSecond + R"(", "0C00000000000000"]]}]})";
}

} // namespace lldp_scenario
