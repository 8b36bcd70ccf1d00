// The simulated switch of the ARP spoofing prevention and IP-MAC-port binding dialogs' tests and
// pictures: an ARP spoofing prevention entry (gateway 10.0.0.254, 00-01-02-03-04-05, port 1), an
// IPv4 binding (10.1.1.1, 00-11-22-33-44-55, port 2), an IPv6 binding (FE80::1,
// 00-11-22-33-44-66, port 3) and a blocked host (VLAN 1, 00-01-02-03-04-05, port 3). Port lists
// are 48 octets long in stack mode and 8 stand-alone, as the port pickers bind them.
#pragma once

#include "GuestVlanScenario.h"

#include <string>

namespace impb_scenario {

using guest_vlan_scenario::PortList;

inline const std::string kArpEntry = "1.3.6.1.4.1.746.12.62.3.1.1";
inline const std::string kBindingEntry = "1.3.6.1.4.1.746.12.23.4.1.1";
inline const std::string kBindingV6Entry = "1.3.6.1.4.1.746.12.23.4.4.1";
inline const std::string kBlockedEntry = "1.3.6.1.4.1.746.12.23.4.2.1";

// The IPv6 binding's address, as typed and as its instance (16 octets, one sub-identifier each).
inline const std::string kIpv6Address = "FE800000000000000000000000000001";
inline const std::string kIpv6Instance = "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1";

inline std::string Scenario(bool stacked = false) {
    const std::string none = PortList(stacked, {});
    auto table = [](const std::string& entry, const std::string& columns, const std::string& rows) {
        return R"({"entry": ")" + entry + R"(", "columns": )" + columns + R"(, "rows": [)" + rows + "]}";
    };
    const std::string arp = table(kArpEntry, R"([[3, "hex", "rw", ")" + none + R"("], [4, "rowstatus"]])",
                                  R"(["10.0.0.254.0.1.2.3.4.5", ")" + PortList(stacked, {1}) + R"(", 1])");
    const std::string binding =
        table(kBindingEntry,
              R"([[2, "hex", "rw", "000000000000"], [3, "rowstatus"], [4, "hex", "rw", ")" + none +
                  R"("], [6, "int", "ro", 4], [7, "int", "ro", 1]])",
              R"(["10.1.1.1", "001122334455", 1, ")" + PortList(stacked, {2}) + R"(", 4, 2])");
    const std::string bindingV6 = table(
        kBindingV6Entry,
        R"([[2, "hex", "rw", "000000000000"], [3, "hex", "rw", ")" + none +
            R"("], [4, "int", "ro", 1], [5, "int", "ro", 1], [6, "rowstatus"]])",
        R"([")" + kIpv6Instance + R"(", "001122334466", ")" + PortList(stacked, {3}) + R"(", 1, 1, 1])");
    const std::string blocked =
        table(kBlockedEntry, R"([[3, "string", "ro", ""], [4, "int", "ro", 0], [7, "rowstatus"]])",
              R"(["1.0.1.2.3.4.5", "default", 3, 1])");
    return R"({"stack_mode": ")" + std::string(stacked ? "enabled" : "disabled") + R"(", "tables": [)" + arp +
           ", " + binding + ", " + bindingV6 + ", " + blocked + "]}";
}

} // namespace impb_scenario
