// The simulated switch's IGMP and MLD snooping tables that the multicast dialogs' tests and pictures
// read (a stand-alone switch: 8-octet port lists):
// - the IGMP multicast VLANs 10 (enabled, ipv4, 192.168.1.1, source port 1, member ports 2 and 3)
//   and 20 (disabled, type unknown, no address);
// - the MLD multicast VLANs 30 (ipv6, FE80::1) and 40 (type unknown);
// - the IGMP static groups 1/239.0.0.5 (ports 1 and 2) and 20/239.2.2.2 (port 4);
// - the IGMP router ports of VLANs 1 (static 1, dynamic 2), 10 (static 1 and 2, dynamic 3,
//   forbidden 8) and 20 (none);
// - the groups IGMP learned from data: 10/239.1.1.1 (router port 1, up 120 s, expiring in 200 s) and
//   20/239.5.5.5 (router port 2);
// - the IGMP forwarding and group tables, each with 10/192.168.1.5/239.1.1.1 and 20/0.0.0.0/239.2.2.2;
// - the MLD static groups 1/FF05::5 (ports 1 and 2) and 1/FF05::6 (port 4), the MLD router ports of
//   VLANs 1 (static 1, dynamic 2) and 10 (static 1 and 2, dynamic 3, forbidden 8), the groups MLD
//   learned from data 10/FF0E::1 (router port 1) and 20/FF0E::2 (router port 2), and the MLD
//   forwarding and group tables, each with 10/FE80::5/FF0E::1 and 20/::/FF0E::2 (addresses as 32
//   hexadecimal digits);
// - the IGMP proxy's upstream interface 1 (VLAN 10, learned port 3, static ports 1 and 2, interval 10,
//   source 10.0.0.1) and the MLD proxy's 1 (VLAN 20, learned port 4, static port 1, interval 5,
//   source FE80::1);
// - the IGMP proxy groups 239.1.1.1/10.0.0.5/VLAN 10 (ports 1 and 2, active) and
//   239.2.2.2/0.0.0.0/VLAN 20 (port 4, inactive), the MLD proxy groups FF0E::1/FE80::5/VLAN 10 and
//   FF0E::2/::/VLAN 20;
// - the ERPS sub-rings 1/2 (TC propagation enabled) and 3/4 (disabled);
// - the multicast filter profiles 1 "news" and 2 "sports", and the IPv6 profile 1 "v6news".
#pragma once

#include "InstanceArcs.h"

#include <algorithm>
#include <string>

inline constexpr const char* kIgmpMulticastVlanEntry = "1.3.6.1.4.1.746.12.64.3.1.1";
inline constexpr const char* kMldMulticastVlanEntry = "1.3.6.1.4.1.746.12.64.3.4.1";
inline constexpr const char* kIgmpStaticGroupEntry = "1.3.6.1.4.1.746.12.73.3.1.2.1";
inline constexpr const char* kIgmpRouterPortsEntry = "1.3.6.1.4.1.746.12.73.3.1.4.1";
inline constexpr const char* kIgmpLearningGroupEntry = "1.3.6.1.4.1.746.12.73.3.1.3.1";
inline constexpr const char* kIgmpForwardingEntry = "1.3.6.1.4.1.746.12.73.2.1.1.1";
inline constexpr const char* kIgmpGroupEntry = "1.3.6.1.4.1.746.12.73.2.1.2.1";
inline constexpr const char* kMldStaticGroupEntry = "1.3.6.1.4.1.746.12.73.3.2.2.1";
inline constexpr const char* kMldRouterPortsEntry = "1.3.6.1.4.1.746.12.73.3.2.4.1";
inline constexpr const char* kMldLearningGroupEntry = "1.3.6.1.4.1.746.12.73.3.2.3.1";
inline constexpr const char* kMldForwardingEntry = "1.3.6.1.4.1.746.12.73.2.2.1.1";
inline constexpr const char* kMldGroupEntry = "1.3.6.1.4.1.746.12.73.2.2.2.1";
inline const std::string kFF05Five = "FF050000000000000000000000000005";
inline const std::string kFF05Six = "FF050000000000000000000000000006";
inline const std::string kFE80Five = "FE800000000000000000000000000005";
inline const std::string kFF0EOne = "FF0E0000000000000000000000000001";
inline const std::string kFF0ETwo = "FF0E0000000000000000000000000002";
inline const std::string kZeroV6 = std::string(32, '0');

inline constexpr const char* kIgmpUpstreamEntry = "1.3.6.1.4.1.746.12.80.3.1.1.1";
inline constexpr const char* kMldUpstreamEntry = "1.3.6.1.4.1.746.12.80.3.2.1.1";
inline constexpr const char* kIgmpProxyGroupEntry = "1.3.6.1.4.1.746.12.80.2.1.1.1";
inline constexpr const char* kMldProxyGroupEntry = "1.3.6.1.4.1.746.12.80.2.2.1.1";
inline constexpr const char* kErpsSubRingEntry = "1.3.6.1.4.1.746.12.78.3.2.1";
inline constexpr const char* kProfileEntry = "1.3.6.1.4.1.746.12.53.1.1";
inline constexpr const char* kIPv6ProfileEntry = "1.3.6.1.4.1.746.12.53.20.1";
inline const std::string kFE80One = "FE800000000000000000000000000001";

// The proxy, ERPS and filter-profile tables as scenario table objects, comma-separated.
inline std::string ProxyAndRingTables() {
    const auto row = [](const std::string& instance, const std::string& values) {
        return R"([")" + instance + R"(", )" + values + "]";
    };
    return std::string(R"({"entry": ")") + kIgmpUpstreamEntry +
           R"(", "columns": [[2, "int", "rw"], [3, "hex"], [4, "hex", "rw"], [5, "int", "rw"], [6, "ip", "rw"]],
     "rows": [["1", 10, "2000000000000000", "C000000000000000", 10, "10.0.0.1"]]},
    {"entry": ")" +
           kMldUpstreamEntry +
           R"(", "columns": [[2, "int", "rw"], [3, "hex"], [4, "hex", "rw"], [5, "int", "rw"], [6, "hex", "rw"]],
     "rows": [["1", 20, "1000000000000000", "8000000000000000", 5, ")" +
           kFE80One + R"("]]},
    {"entry": ")" +
           kIgmpProxyGroupEntry +
           R"(", "columns": [[4, "hex"], [5, "int"]], "rows": [
        ["239.1.1.1.10.0.0.5.10", "C000000000000000", 1], ["239.2.2.2.0.0.0.0.20", "1000000000000000", 2]]},
    {"entry": ")" +
           kMldProxyGroupEntry + R"(", "columns": [[4, "hex"], [5, "int"]], "rows": [)" +
           row(HexArcs(kFF0EOne) + "." + HexArcs(kFE80Five) + ".10", R"("C000000000000000", 1)") + ", " +
           row(HexArcs(kFF0ETwo) + "." + HexArcs(kZeroV6) + ".20", R"("1000000000000000", 2)") + R"(]},
    {"entry": ")" +
           kErpsSubRingEntry +
           R"(", "columns": [[3, "int", "rw", 2], [4, "rowstatus"]], "rows": [["1.2", 1, 1], ["3.4", 2, 1]]},
    {"entry": ")" +
           kProfileEntry +
           R"(", "columns": [[2, "string", "rw", ""], [3, "rowstatus"]], "rows": [["1", "news", 1], ["2", "sports", 1]]},
    {"entry": ")" +
           kIPv6ProfileEntry +
           R"(", "columns": [[2, "string", "rw", ""], [3, "rowstatus"]], "rows": [["1", "v6news", 1]]})";
}

// The MLD tables as scenario table objects, comma-separated.
inline std::string MldTables() {
    const auto row = [](const std::string& instance, const std::string& values) {
        return R"([")" + instance + R"(", )" + values + "]";
    };
    const std::string source10 = "10." + HexArcs(kFE80Five) + "." + HexArcs(kFF0EOne);
    const std::string source20 = "20." + HexArcs(kZeroV6) + "." + HexArcs(kFF0ETwo);
    return std::string(R"({"entry": ")") + kMldStaticGroupEntry +
           R"(", "columns": [[2, "hex", "rw", "0000000000000000"], [100, "rowstatus"]], "rows": [)" +
           row("1." + HexArcs(kFF05Five), R"("C000000000000000", 1)") + ", " +
           row("1." + HexArcs(kFF05Six), R"("1000000000000000", 1)") + R"(]},
    {"entry": ")" +
           kMldRouterPortsEntry +
           R"(", "columns": [[5, "hex", "rw"], [10, "hex"], [15, "hex", "rw"]], "rows": [
        ["1", "8000000000000000", "4000000000000000", "0000000000000000"],
        ["10", "C000000000000000", "2000000000000000", "0100000000000000"]]},
    {"entry": ")" +
           kMldLearningGroupEntry +
           R"(", "columns": [[2, "hex"], [3, "int"], [4, "int"], [100, "int", "rw"]], "rows": [)" +
           row("10." + HexArcs(kFF0EOne), R"("8000000000000000", 120, 200, 1)") + ", " +
           row("20." + HexArcs(kFF0ETwo), R"("4000000000000000", 30, 60, 1)") + R"(]},
    {"entry": ")" +
           kMldForwardingEntry + R"(", "columns": [[4, "hex"]], "rows": [)" +
           row(source10, R"("C000000000000000")") + ", " + row(source20, R"("1000000000000000")") + R"(]},
    {"entry": ")" +
           kMldGroupEntry +
           R"(", "columns": [[3, "hex"], [4, "hex"], [5, "hex"], [6, "int"], [7, "int"]], "rows": [)" +
           row(source10, R"("8000000000000000", "2000000000000000", "4000000000000000", 100, 250)") + ", " +
           row(source20, R"("0000000000000000", "1000000000000000", "0000000000000000", 5, 255)") + "]}";
}

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
        ["20.239.2.2.2", "1000000000000000", 1]]},
    {"entry": ")" +
           kIgmpRouterPortsEntry +
           R"(", "columns": [[5, "hex", "rw"], [10, "hex"], [15, "hex", "rw"]], "rows": [
        ["1", "8000000000000000", "4000000000000000", "0000000000000000"],
        ["10", "C000000000000000", "2000000000000000", "0100000000000000"],
        ["20", "0000000000000000", "0000000000000000", "0000000000000000"]]},
    {"entry": ")" +
           kIgmpLearningGroupEntry +
           R"(", "columns": [[2, "hex"], [3, "int"], [4, "int"], [100, "int", "rw"]], "rows": [
        ["10.239.1.1.1", "8000000000000000", 120, 200, 1],
        ["20.239.5.5.5", "4000000000000000", 30, 60, 1]]},
    {"entry": ")" +
           kIgmpForwardingEntry +
           R"(", "columns": [[4, "hex"]], "rows": [
        ["10.192.168.1.5.239.1.1.1", "C000000000000000"],
        ["20.0.0.0.0.239.2.2.2", "1000000000000000"]]},
    {"entry": ")" +
           kIgmpGroupEntry +
           R"(", "columns": [[3, "hex"], [4, "hex"], [5, "hex"], [6, "int"], [7, "int"]], "rows": [
        ["10.192.168.1.5.239.1.1.1", "8000000000000000", "2000000000000000", "4000000000000000", 100, 250],
        ["20.0.0.0.0.239.2.2.2", "0000000000000000", "1000000000000000", "0000000000000000", 5, 255]]})";
}

// Every quoted text of exactly 16 upper-case hex digits (a port list of 8 octets) followed by 80
// zeros. (Written out: std::regex doubled the compile time of every test that includes this.)
inline std::string LengthenPortLists(const std::string& tables) {
    constexpr std::size_t kDigits = 16;
    const auto isHex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); };
    std::string out;
    std::size_t at = 0;
    while (at < tables.size()) {
        const std::size_t end = at + kDigits + 1;
        if (tables[at] == '"' && end < tables.size() && tables[end] == '"' &&
            std::all_of(tables.begin() + at + 1, tables.begin() + end, isHex)) {
            out.append(tables, at, kDigits + 1).append(80, '0').push_back('"');
            at = end + 1;
        } else {
            out.push_back(tables[at++]);
        }
    }
    return out;
}

// A switch holding the multicast tables: stand-alone, or stacking with every port list of 48 octets
// (the 8 above and 40 of zeros).
inline std::string MulticastScenario(bool stacking = false) {
    std::string tables = MulticastTables() + ", " + MldTables() + ", " + ProxyAndRingTables();
    if (stacking) {
        tables = LengthenPortLists(tables);
    }
    return std::string(R"({"firmware": "KC", "stack_mode": ")") + (stacking ? "enabled" : "disabled") +
           R"(", "tables": [)" + tables + "]}";
}
