// The simulated switch of the binding-file transfer and the permit tables' tests and pictures:
// the transfer table's tftp row (ipv4 10.1.1.1, "old.cfg", upload) and one row in each permit
// table: DHCP server 10.0.0.9 for client 00-01-02-03-04-06 on port 2, and FE80::1 on port 3 in the
// DHCPv6 and the RA table. Port lists are 48 octets long in stack mode and 8 stand-alone.
#pragma once

#include "GuestVlanScenario.h"
#include "ImpbScenario.h"

#include <string>

namespace permit_scenario {

using guest_vlan_scenario::PortList;
using impb_scenario::kIpv6Address;
using impb_scenario::kIpv6Instance;

inline const std::string kTransferEntry = "1.3.6.1.4.1.746.12.23.4.7.1";
inline const std::string kDhcpEntry = "1.3.6.1.4.1.746.12.37.1.1.1";
inline const std::string kDhcpv6Entry = "1.3.6.1.4.1.746.12.37.7.2.1";
inline const std::string kAllNodeEntry = "1.3.6.1.4.1.746.12.37.8.2.1";
inline const std::string kDhcpRow = "10.0.0.9.0.1.2.3.4.6";

inline std::string Scenario(bool stacked = false) {
    auto table = [](const std::string& entry, const std::string& columns, const std::string& row) {
        return R"({"entry": ")" + entry + R"(", "columns": )" + columns + R"(, "rows": [)" + row + "]}";
    };
    const std::string ports = R"([2, "hex", "rw", ")" + PortList(stacked, {}) + R"("])";
    const std::string transfer =
        table(kTransferEntry,
              R"([[2, "int", "rw", 1], [3, "hex", "rw", ""], [7, "string", "rw", ""], [10, "int", "rw", 1]])",
              R"(["1", 1, "0A010101", "old.cfg", 1])");
    const std::string dhcp =
        table(kDhcpEntry, R"([[3, "hex", "rw", ")" + PortList(stacked, {}) + R"("], [4, "rowstatus"]])",
              R"([")" + kDhcpRow + R"(", ")" + PortList(stacked, {2}) + R"(", 1])");
    const std::string ipv6Row = R"([")" + kIpv6Instance + R"(", ")" + PortList(stacked, {3}) + R"(", 1])";
    const std::string dhcpv6 = table(kDhcpv6Entry, "[" + ports + R"(, [4, "rowstatus"]])", ipv6Row);
    const std::string allNode = table(kAllNodeEntry, "[" + ports + R"(, [4, "rowstatus"]])", ipv6Row);
    return R"({"stack_mode": ")" + std::string(stacked ? "enabled" : "disabled") + R"(", "tables": [)" +
           transfer + ", " + dhcp + ", " + dhcpv6 + ", " + allNode + "]}";
}

} // namespace permit_scenario
