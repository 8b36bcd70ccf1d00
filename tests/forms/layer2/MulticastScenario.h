// The simulated switch's IGMP and MLD snooping tables that the multicast dialogs' tests and pictures
// read (a stand-alone switch: 8-octet port lists):
// - the IGMP multicast VLANs 10 (enabled, ipv4, 192.168.1.1, source port 1, member ports 2 and 3)
//   and 20 (disabled, type unknown, no address);
// - the MLD multicast VLANs 30 (ipv6, FE80::1) and 40 (type unknown);
// - the IGMP static groups 1/239.0.0.5 (ports 1 and 2) and 20/239.2.2.2 (port 4).
#pragma once

#include <string>

inline constexpr const char* kIgmpMulticastVlanEntry = "1.3.6.1.4.1.746.12.64.3.1.1";
inline constexpr const char* kMldMulticastVlanEntry = "1.3.6.1.4.1.746.12.64.3.4.1";
inline constexpr const char* kIgmpStaticGroupEntry = "1.3.6.1.4.1.746.12.73.3.1.2.1";

// The columns of a multicast VLAN table with the defaults a created row gets.
inline constexpr const char* kMulticastVlanColumns =
    R"([[2, "string", "rw", ""], [3, "hex", "rw", "0000000000000000"], [4, "hex", "rw", "0000000000000000"],
        [5, "hex", "rw", "0000000000000000"], [6, "hex", "rw", "0000000000000000"], [7, "int", "rw", 2],
        [8, "int", "rw", 0], [9, "hex", "rw", ""], [10, "int", "rw", -1], [11, "int", "rw", 2],
        [12, "string", "rw", ""], [13, "rowstatus"], [16, "int", "rw", 0]])";

// The tables as scenario table objects, comma-separated (to go inside a scenario's "tables").
inline std::string MulticastTables() {
    return std::string(R"({"entry": ")") + kIgmpMulticastVlanEntry + R"(", "columns": )" +
           kMulticastVlanColumns +
           R"(, "rows": [
        ["10", "mv10", "8000000000000000", "6000000000000000", "0000000000000000", "0000000000000000",
         1, 1, "C0A80101", 3, 1, "1,2", 1, 0],
        ["20", "mv20", "0000000000000000", "1000000000000000", "1000000000000000", "0000000000000000",
         2, 0, "", -1, 2, "", 1, 5]]},
    {"entry": ")" +
           kMldMulticastVlanEntry + R"(", "columns": )" + kMulticastVlanColumns + R"(, "rows": [
        ["30", "mld30", "8000000000000000", "4000000000000000", "0000000000000000", "0000000000000000",
         1, 2, "FE800000000000000000000000000001", 2, 1, "3", 1, 0],
        ["40", "mld40", "0000000000000000", "0000000000000000", "0000000000000000", "0000000000000000",
         2, 0, "", -1, 2, "", 1, 0]]},
    {"entry": ")" +
           kIgmpStaticGroupEntry +
           R"(", "columns": [[2, "hex", "rw", "0000000000000000"], [100, "rowstatus"]], "rows": [
        ["1.239.0.0.5", "C000000000000000", 1],
        ["20.239.2.2.2", "1000000000000000", 1]]})";
}

// A stand-alone switch holding the multicast tables.
inline std::string MulticastScenario() {
    return R"({"firmware": "KC", "tables": [)" + MulticastTables() + "]}";
}
