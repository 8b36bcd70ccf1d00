// The simulated switch of the static route dialogs' tests and pictures: the model's IPv4 static
// route table (a default route and one other, status valid) and the IPv6 static route table (a
// default route and one other, row status active).
#pragma once

#include "InstanceArcs.h"

#include <string>

namespace route_scenario {

// The IPv4 route table of the model whose sysObjectID arc is `arc` (2 for the 24RA).
inline std::string Ipv4Entry(int arc) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(arc) + ".1.3.2.5.1";
}
inline const std::string kIpv6Entry = "1.3.6.1.4.1.746.12.26.3.1.1";

// An IPv4 route's row instance: destination, mask, next hop.
inline std::string Ipv4Instance(const std::string& destination, const std::string& mask,
                                const std::string& nextHop) {
    return destination + "." + mask + "." + nextHop;
}

// An IPv6 route's row instance: destination, prefix length, interface name (its length, then its
// characters), next hop.
inline std::string Ipv6Instance(const std::string& destination, int prefix, const std::string& name,
                                const std::string& nextHop) {
    return HexArcs(destination) + "." + std::to_string(prefix) + "." + TextArcs(name) + "." +
           HexArcs(nextHop);
}

inline const std::string kZeroIpv6 = "00000000000000000000000000000000";
inline const std::string kIpv6Gateway = "FE800000000000000000000000000001";
inline const std::string kIpv6Prefix = "20010DB8000000000000000000000000";
inline const std::string kIpv6PrefixGateway = "FE800000000000000000000000000002";

inline const std::string kDefaultRoute = Ipv4Instance("0.0.0.0", "0.0.0.0", "10.90.90.254");
inline const std::string kOtherRoute = Ipv4Instance("20.1.0.0", "255.255.0.0", "10.90.90.1");
inline const std::string kIpv6DefaultRoute = Ipv6Instance(kZeroIpv6, 0, "System", kIpv6Gateway);
inline const std::string kIpv6OtherRoute = Ipv6Instance(kIpv6Prefix, 32, "System", kIpv6PrefixGateway);

// The switch of the model `model` (24RA, 24DA, ...) whose sysObjectID arc is `arc`. A route
// created without them gets backup state none, metric 1, weight 0 and the interface "System"
// (IPv4), metric 1, protocol "static" and backup state none (IPv6).
inline std::string Scenario(const std::string& model = "24RA", int arc = 2,
                            const std::string& firmware = "KB") {
    const std::string ipv4 = R"({"entry": ")" + Ipv4Entry(arc) +
                             R"(", "columns": [[3, "int", "rw", 3], [5, "int", "rw", 1], [6, "validstatus"],
        [7, "int", "rw", 0], [8, "string", "ro", "System"]], "rows": [[")" +
                             kDefaultRoute + R"(", 3, 1, 3, 0, "System"], [")" + kOtherRoute +
                             R"(", 1, 2, 3, 1, "System"]]})";
    const std::string ipv6 =
        R"({"entry": ")" + kIpv6Entry +
        R"(", "columns": [[5, "int", "rw", 1], [7, "string", "ro", "static"], [8, "rowstatus"],
        [9, "int", "rw", 3]], "rows": [[")" +
        kIpv6DefaultRoute + R"(", 1, "static", 1, 3], [")" + kIpv6OtherRoute + R"(", 10, "static", 1, 1]]})";
    return R"({"model": ")" + model + R"(", "firmware": ")" + firmware + R"(", "tables": [)" + ipv4 + ", " +
           ipv6 + "]}";
}

} // namespace route_scenario
