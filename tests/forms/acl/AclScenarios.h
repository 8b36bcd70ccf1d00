// The simulated switch's ACL tables that the editors' tests and pictures read.
#pragma once

#include "DeviceFacts.h"

// A stack of a 48-port master (unit 1) and a 24-port second unit (unit ID 65): the rule editors'
// largest port picker, a tab per unit.
inline void UseStackOf48And24Ports() {
    WritableFacts().StackMode = "enabled";
    WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-48RO", "exist"},
                                {"2", "65", "slave", "ZQS-4410-24DA", "exist"}};
}

// Every column of the rule table with a default for rows the dialog creates; rules 1.1 (ports 1
// and 2, active) and 2.7 (VLAN-based ID 100) on a stand-alone switch, and 3.1 whose port list is
// two octets long.
inline const char* const kIpRuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.3.2.1",
    "columns": [[3, "string", "rw", ""], [4, "ip", "rw", "0.0.0.0"], [5, "ip", "rw", "0.0.0.0"],
      [6, "int", "rw", 0], [7, "int", "rw", 1], [8, "int", "rw", 0], [9, "int", "rw", 0],
      [10, "int", "rw", 0], [11, "int", "rw", 0], [12, "int", "rw", 0], [13, "int", "rw", 0],
      [14, "hex", "rw", "00000000"], [15, "int", "rw", 2], [16, "int", "rw", 0], [17, "int", "rw", 2],
      [18, "int", "rw", 2], [19, "int", "rw", 0], [20, "int", "rw", 1], [21, "hex", "rw", "0000000000000000"],
      [22, "rowstatus"], [23, "int", "ro", 2], [26, "int", "rw", 2], [27, "int", "rw", 0],
      [28, "int", "rw", 0], [29, "int", "rw", 0], [30, "hex", "rw", "0000"], [31, "ip", "rw", "0.0.0.0"],
      [32, "ip", "rw", "0.0.0.0"], [33, "hex", "rw", "0000"], [34, "hex", "rw", "0000"], [36, "int", "rw", 0]],
    "rows": [
      ["1.1", "", "10.0.0.1", "0.0.0.0", 0, 4, 0, 0, 80, 0, 0, 0, "00000000", 2, 0, 2, 2, 0, 2,
       "C000000000000000", 1, 2, 2, 0, 0, 0, "0000", "255.255.255.0", "0.0.0.0", "0000", "0000", 0],
      ["2.7", "", "0.0.0.0", "0.0.0.0", 0, 1, 0, 0, 0, 0, 0, 0, "00000000", 2, 0, 2, 2, 0, 1,
       "0000000000000000", 1, 2, 2, 0, 100, 0, "0000", "0.0.0.0", "0.0.0.0", "0000", "0000", 0],
      ["3.1", "", "0.0.0.0", "0.0.0.0", 0, 1, 0, 0, 0, 0, 0, 0, "00000000", 2, 0, 2, 2, 0, 1,
       "8000", 1, 2, 2, 0, 0, 0, "0000", "0.0.0.0", "0.0.0.0", "0000", "0000", 0]]}]})";

// Profiles 1 "p1" and 2 "web"; every column has a default for the profiles the dialog creates.
inline const char* const kIpProfileScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.2.2.1",
  "columns": [[2, "int", "rw", 2], [3, "int", "rw", 1], [4, "ip", "rw", "0.0.0.0"], [5, "ip", "rw", "0.0.0.0"],
    [6, "int", "rw", 2], [7, "int", "rw", 1], [8, "int", "rw", 1], [9, "int", "rw", 2], [10, "int", "rw", 1],
    [11, "int", "rw", 1], [12, "hex", "rw", "0000"], [13, "hex", "rw", "0000"], [14, "int", "rw", 2],
    [15, "int", "rw", 0], [16, "int", "rw", 2], [17, "int", "rw", -1], [18, "hex", "rw", "00000000"],
    [19, "rowstatus"], [20, "int", "ro", 2], [21, "hex", "ro", "000000000000"], [22, "int", "ro", 256],
    [23, "string", "rw", ""], [24, "hex", "rw", "0000"]],
  "rows": [
    ["1", 2, 3, "255.255.255.0", "0.0.0.0", 2, 1, 1, 2, 1, 1, "0000", "0000", 2, 0, 2, -1, "00000000", 1, 2,
     "000000000000", 250, "p1", "0000"],
    ["2", 1, 1, "0.0.0.0", "0.0.0.0", 2, 4, 1, 2, 2, 1, "0000", "FFFF", 2, 0, 2, -1, "00000000", 1, 2,
     "000000000000", 256, "web", "0FFF"]]}]})";

// Two ingress Ethernet profiles: 1 "p1" (destination MAC mask, VLAN off), 2 "web" (both MAC masks,
// VLAN with its mask).
inline const char* const kEthernetProfileScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.2.1.1",
  "columns": [[2, "int", "rw", 2], [3, "int", "rw", 1], [4, "hex", "rw", "000000000000"],
    [5, "hex", "rw", "000000000000"], [6, "int", "rw", 2], [7, "int", "rw", 2], [8, "rowstatus"],
    [9, "int", "ro", 2], [10, "int", "ro", 256], [11, "string", "rw", ""], [12, "hex", "rw", "0000"]],
  "rows": [
    ["1", 2, 2, "000000000000", "FFFFFFFFFFFF", 2, 1, 1, 2, 250, "p1", "0000"],
    ["2", 1, 4, "FFFFFF000000", "FFFFFFFFFFFF", 1, 2, 1, 2, 256, "web", "0FFF"]]}]})";

// Two egress Ethernet profiles: 1 "p1" (destination MAC mask, VLAN off), 2 "web" (both MAC masks,
// VLAN with its mask).
inline const char* const kEgressEthernetProfileScenario =
    R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.89.2.1.1",
  "columns": [[2, "rowstatus"], [3, "string", "rw", ""], [4, "int", "rw", 2], [5, "hex", "rw", "0000"],
    [6, "int", "rw", 2], [7, "int", "rw", 2], [8, "int", "rw", 1], [9, "hex", "rw", "000000000000"],
    [10, "hex", "rw", "000000000000"], [11, "int", "ro", 128]],
  "rows": [
    ["1", 1, "p1", 2, "0000", 2, 1, 2, "000000000000", "FFFFFFFFFFFF", 120],
    ["2", 1, "web", 1, "0FFF", 1, 2, 4, "FFFFFF000000", "FFFFFFFFFFFF", 128]]}]})";

// Ingress Ethernet rules on a stand-alone switch: 1.1 (source MAC, permit, ports 1 and 2, active),
// 2.3 (deny, VLAN-based ID 100) and 3.1, which the agent holds without a VLAN-based ID.
inline const char* const kEthernetRuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.3.1.1",
    "columns": [[3, "string", "rw", ""], [4, "hex", "rw", "000000000000"], [5, "hex", "rw", "000000000000"],
      [6, "int", "rw", 0], [7, "hex", "rw", "0000"], [8, "int", "rw", 2], [9, "int", "rw", 0],
      [10, "int", "rw", 2], [11, "int", "rw", 2], [12, "int", "rw", 0], [13, "int", "rw", 1],
      [14, "hex", "rw", "0000000000000000"], [15, "rowstatus"], [16, "int", "ro", 2], [18, "int", "rw", 2],
      [19, "int", "rw", 0], [20, "int", "rw", 0], [21, "int", "rw", 0], [22, "hex", "rw", "0000"],
      [23, "hex", "rw", "000000000000"], [24, "hex", "rw", "000000000000"], [25, "int", "rw", 0]],
    "rows": [
      ["1.1", "", "00AABBCCDDEE", "000000000000", 3, "0800", 2, 0, 2, 2, 0, 2, "C000000000000000", 1, 2, 2, 0,
       0, 0, "0000", "FFFFFFFFFFFF", "000000000000", 0],
      ["2.3", "", "000000000000", "000000000000", 0, "0000", 2, 0, 2, 2, 0, 1, "0000000000000000", 1, 2, 2, 0,
       100, 0, "0000", "000000000000", "000000000000", 0],
      ["3.1", "", "000000000000", "000000000000", 0, "0000", 2, 0, 2, 2, 0, 1, "2000000000000000", 1, 2, 2, 0,
       null, 0, "0000", "000000000000", "000000000000", 0]]}]})";

// Two ingress IPv6 profiles: 1 "v1" (source address mask, tcp with both port masks), 2 "web" (both
// address masks, icmp type-code).
inline const char* const kIPv6ProfileScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.2.4.1",
  "columns": [[2, "int", "rw", 2], [3, "int", "rw", 2], [4, "int", "rw", 1],
    [5, "hex", "rw", "00000000000000000000000000000000"], [6, "hex", "rw", "00000000000000000000000000000000"],
    [7, "rowstatus"], [8, "int", "ro", 2], [9, "int", "ro", 256], [10, "string", "rw", ""], [11, "int", "rw", 1],
    [12, "int", "rw", 1], [13, "int", "rw", 1], [14, "hex", "rw", "0000"], [15, "hex", "rw", "0000"],
    [16, "int", "rw", 1]],
  "rows": [
    ["1", 2, 2, 3, "FFFFFFFFFFFFFFFF0000000000000000", "00000000000000000000000000000000", 1, 2, 250, "v1",
     2, 4, 1, "FFFF", "00FF", 1],
    ["2", 1, 1, 4, "FFFFFFFFFFFFFFFF0000000000000000", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 1, 2, 256, "web",
     4, 1, 1, "0000", "0000", 4]]}]})";

// Ingress IPv6 rules on a stand-alone switch: 1.1 (a source address, flow label, permit, ports 1
// and 2, active) and 2.5, which the agent reads back as createAndGo.
inline const char* const kIpv6RuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.3.4.1",
    "columns": [[3, "int", "rw", 0], [4, "hex", "rw", "00000000"],
      [5, "hex", "rw", "00000000000000000000000000000000"], [6, "hex", "rw", "00000000000000000000000000000000"],
      [7, "int", "rw", 2], [8, "int", "rw", 0], [9, "int", "rw", 2], [10, "int", "rw", 1],
      [11, "hex", "rw", "0000000000000000"], [12, "rowstatus"], [13, "int", "ro", 2], [15, "int", "rw", 2],
      [16, "int", "rw", 0], [17, "int", "rw", 2], [18, "int", "rw", 0], [19, "int", "rw", 0], [20, "int", "rw", 1],
      [21, "int", "rw", 0], [22, "int", "rw", 0], [23, "hex", "rw", "00000000000000000000000000000000"],
      [24, "hex", "rw", "00000000000000000000000000000000"], [25, "hex", "rw", "0000"], [26, "hex", "rw", "0000"],
      [27, "int", "rw", 0], [28, "int", "rw", 0], [29, "int", "rw", 0]],
    "rows": [
      ["1.1", 0, "000ABCDE", "20010DB8000000000000000000000001", "00000000000000000000000000000000", 2, 0, 2, 2,
       "C000000000000000", 1, 2, 2, 0, 2, 0, 0, 2, 80, 0, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
       "00000000000000000000000000000000", "0000", "0000", 0, 0, 0],
      ["2.5", 0, "00000000", "00000000000000000000000000000000", "00000000000000000000000000000000", 2, 0, 2, 1,
       "2000000000000000", 4, 2, 2, 0, 2, 0, 0, 1, 0, 0, "00000000000000000000000000000000",
       "00000000000000000000000000000000", "0000", "0000", 0, 0, 0]]}]})";

// Two egress IPv6 profiles: 1 "e1" (destination address mask, udp with the source port mask), 2
// "web" (no address mask, icmp type-code).
inline const char* const kEgressIPv6ProfileScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.89.2.3.1",
  "columns": [[2, "rowstatus"], [3, "string", "rw", ""], [4, "int", "rw", 2], [5, "int", "rw", 1],
    [6, "hex", "rw", "00000000000000000000000000000000"], [7, "hex", "rw", "00000000000000000000000000000000"],
    [8, "int", "rw", 1], [9, "int", "rw", 1], [10, "int", "rw", 1], [11, "int", "rw", 1],
    [12, "hex", "rw", "0000"], [13, "hex", "rw", "0000"], [14, "int", "ro", 128]],
  "rows": [
    ["1", 1, "e1", 2, 2, "00000000000000000000000000000000", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", 3, 1, 1, 3,
     "FFFF", "0000", 120],
    ["2", 1, "web", 1, 1, "00000000000000000000000000000000", "00000000000000000000000000000000", 4, 4, 1, 1,
     "0000", "0000", 128]]}]})";

// Two egress IPv4 profiles: 1 "p1" (VLAN with its mask, the source address mask, tcp with the
// destination port mask and the flag bits), 2 "web" (protocol ID 17 with its user mask).
inline const char* const kEgressIPv4ProfileScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.89.2.2.1",
  "columns": [[2, "rowstatus"], [3, "string", "rw", ""], [4, "int", "rw", 1], [5, "hex", "rw", "0000"],
    [6, "int", "rw", 1], [7, "ip", "rw", "0.0.0.0"], [8, "ip", "rw", "0.0.0.0"], [9, "int", "rw", 2],
    [10, "int", "rw", 1], [11, "int", "rw", 1], [12, "int", "rw", 2], [13, "int", "rw", 1], [14, "int", "rw", 1],
    [15, "hex", "rw", "0000"], [16, "hex", "rw", "0000"], [17, "int", "rw", 2], [18, "int", "rw", 0],
    [19, "int", "rw", 2], [20, "int", "rw", 0], [21, "hex", "rw", "00000000"], [22, "int", "ro", 128]],
  "rows": [
    ["1", 1, "p1", 1, "0FFF", 3, "255.255.255.0", "0.0.0.0", 2, 4, 1, 2, 2, 1, "0000", "FFFF", 1, 63, 2, 0,
     "00000000", 120],
    ["2", 1, "web", 2, "0000", 1, "0.0.0.0", "0.0.0.0", 1, 6, 1, 2, 1, 1, "0000", "0000", 2, 0, 1, 17,
     "FFFFFFFF", 128]]}]})";

// The ingress and egress ACL counter tables: rule 1.1 (enabled, a total above 2^32) and 2.3
// (disabled).
inline const char* const kAclCounterScenario = R"({"tables": [
  {"entry": "1.3.6.1.4.1.746.12.9.3.8.1",
   "columns": [[3, "int", "rw", 1], [4, "counter64"], [5, "counter64"], [6, "counter64"], [7, "counter64"]],
   "rows": [["1.1", 1, 5000000000, 4000000000, 900000000, 100000000], ["2.3", 2, 7, 4, 2, 1]]},
  {"entry": "1.3.6.1.4.1.746.12.89.3.4.1",
   "columns": [[3, "int", "rw", 1], [4, "counter64"], [5, "counter64"], [6, "counter64"], [7, "counter64"]],
   "rows": [["1.1", 1, 5000000000, 4000000000, 900000000, 100000000], ["2.3", 2, 7, 4, 2, 1]]}]})";

// The four IP-MAC-binding ACL tables the switch fills on its own. The rules' port lists are 48
// octets: ports 1 and 3 of unit 1 and port 2 of unit 2 (box 65).
inline const char* const kIbpAclScenario = R"({"tables": [
  {"entry": "1.3.6.1.4.1.746.12.9.2.6.1", "columns": [[2, "int", "ro"]], "rows": [["1", 1], ["2", 2]]},
  {"entry": "1.3.6.1.4.1.746.12.9.3.5.1",
   "columns": [[3, "string", "ro"], [4, "int", "ro"], [5, "hex", "ro"]],
   "rows": [["1.1", "arp", 2,
             "A00000000000000040000000000000000000000000000000000000000000000000000000000000000000000000000000"],
            ["1.2", "ip", 1, "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"]]},
  {"entry": "1.3.6.1.4.1.746.12.9.2.7.1", "columns": [[2, "hex", "ro"], [3, "ip", "ro"]],
   "rows": [["1", "FFFFFFFFFFFF", "255.255.255.255"], ["2", "FFFFFF000000", "255.255.255.0"]]},
  {"entry": "1.3.6.1.4.1.746.12.9.3.6.1",
   "columns": [[3, "hex", "ro"], [4, "ip", "rw"], [5, "int", "ro"], [6, "hex", "ro"]],
   "rows": [["1.1", "00AABBCCDDEE", "10.0.0.5", 2,
             "A00000000000000040000000000000000000000000000000000000000000000000000000000000000000000000000000"],
            ["1.2", "001122334455", "10.0.0.6", 1, "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"]]}]})";

// The egress ACL port groups: 1 "grp1" (ports 1 and 2) and 2 "web" (port 1), on a stand-alone
// switch.
inline const char* const kEgressPortGroupScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.88.1.1.1",
  "columns": [[2, "rowstatus"], [3, "string", "rw", ""], [4, "hex", "rw", "0000000000000000"]],
  "rows": [["1", 1, "grp1", "C000000000000000"], ["2", 1, "web", "8000000000000000"]]}]})";

// The packet-content profiles: 1 "pc1" (chunk 1 enabled: value 2, mask FFFFFFFF) and 3 "web"
// (chunks 1 and 2); every column has a default for the profiles the dialog creates.
inline const char* const kPktContentProfileScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.2.8.1",
  "columns": [[2, "int", "rw", 2], [3, "int", "rw", 0], [4, "hex", "rw", "00000000"],
    [5, "int", "rw", 2], [6, "int", "rw", 0], [7, "hex", "rw", "00000000"],
    [8, "int", "rw", 2], [9, "int", "rw", 0], [10, "hex", "rw", "00000000"],
    [11, "int", "rw", 2], [12, "int", "rw", 0], [13, "hex", "rw", "00000000"],
    [14, "rowstatus"], [15, "int", "ro", 2], [16, "int", "ro", 256], [17, "string", "rw", ""]],
  "rows": [
    ["1", 1, 2, "FFFFFFFF", 2, 0, "00000000", 2, 0, "00000000", 2, 0, "00000000", 1, 2, 250, "pc1"],
    ["3", 1, 4, "FFFF0000", 1, 8, "0000FFFF", 2, 0, "00000000", 2, 0, "00000000", 1, 2, 256, "web"]]}]})";

// Packet-content rules on a stand-alone switch: 1.1 (chunk 1 content 0A0B0C0D, permit, ports 1 and
// 2, active) and 2.3 (deny, VLAN-based ID 100).
inline const char* const kPktContentRuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.3.7.1",
  "columns": [[3, "int", "ro", 0], [4, "hex", "rw", "00000000"], [5, "int", "ro", 0], [6, "hex", "rw", "00000000"],
    [7, "int", "ro", 0], [8, "hex", "rw", "00000000"], [9, "int", "ro", 0], [10, "hex", "rw", "00000000"],
    [11, "int", "rw", 2], [12, "int", "rw", 0], [13, "int", "rw", 2], [14, "int", "rw", 2], [15, "int", "rw", 0],
    [16, "int", "rw", 1], [17, "hex", "rw", "0000000000000000"], [18, "rowstatus"], [19, "int", "ro", 2],
    [21, "int", "rw", 2], [22, "int", "rw", 0], [23, "int", "rw", 0], [24, "int", "rw", 0]],
  "rows": [
    ["1.1", 2, "0A0B0C0D", 0, "00000000", 0, "00000000", 0, "00000000", 2, 0, 2, 2, 0, 2, "C000000000000000", 1,
     2, 2, 0, 0, 0],
    ["2.3", 4, "00000000", 8, "00000000", 0, "00000000", 0, "00000000", 2, 0, 2, 2, 0, 1, "0000000000000000", 1,
     2, 2, 0, 100, 0]]}]})";

// Egress Ethernet rules (typed targets): 1.1 (port 5, port group 0, permit, active), 2.3 (VLAN-based
// ID 100, deny) and 3.1, which the agent holds without a VLAN-based ID, port or port group.
inline const char* const kEgressEthernetRuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.89.3.1.1",
  "columns": [[3, "rowstatus"], [4, "int", "rw", 0], [5, "hex", "rw", "0000"], [6, "hex", "rw", "000000000000"],
    [7, "hex", "rw", "000000000000"], [8, "hex", "rw", "000000000000"], [9, "hex", "rw", "000000000000"],
    [10, "int", "rw", 0], [11, "hex", "rw", "0000"], [12, "int", "rw", 0], [13, "int", "rw", 0], [14, "int", "rw", 0],
    [15, "int", "rw", 1], [16, "int", "rw", 2], [17, "int", "rw", 0], [18, "int", "rw", 2], [19, "int", "rw", 0],
    [20, "string", "rw", ""]],
  "rows": [
    ["1.1", 1, 0, "0000", "00AABBCCDDEE", "FFFFFFFFFFFF", "000000000000", "000000000000", 0, "0000", 0, 5, 0, 2, 2,
     0, 2, 0, ""],
    ["2.3", 1, 0, "0000", "000000000000", "000000000000", "000000000000", "000000000000", 0, "0000", 100, 0, 0, 1,
     2, 0, 2, 0, ""],
    ["3.1", 1, 0, "0000", "000000000000", "000000000000", "000000000000", "000000000000", 0, "0000", null, null,
     null, 1, 2, 0, 2, 0, ""]]}]})";

// Egress IPv4 rules (typed targets): 1.1 (source 10.0.0.1/24, tcp destination port 80, port 5,
// permit, active), 2.3 (VLAN-based ID 100, deny) and 3.1, held without a VLAN-based ID, port or port
// group.
inline const char* const kEgressIPv4RuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.89.3.2.1",
  "columns": [[3, "rowstatus"], [4, "int", "rw", 0], [5, "hex", "rw", "0000"], [6, "ip", "rw", "0.0.0.0"],
    [7, "ip", "rw", "0.0.0.0"], [8, "ip", "rw", "0.0.0.0"], [9, "ip", "rw", "0.0.0.0"], [10, "int", "rw", 0],
    [11, "int", "rw", 1], [12, "int", "rw", 0], [13, "int", "rw", 0], [14, "int", "rw", 0], [15, "hex", "rw", "0000"],
    [16, "int", "rw", 0], [17, "hex", "rw", "0000"], [18, "int", "rw", 0], [19, "int", "rw", 0],
    [20, "hex", "rw", "00000000"], [21, "hex", "rw", "00000000"], [22, "int", "rw", 0], [23, "int", "rw", 0],
    [24, "int", "rw", 0], [25, "int", "rw", 1], [26, "int", "rw", 2], [27, "int", "rw", 0], [28, "int", "rw", 2],
    [29, "int", "rw", 0], [30, "string", "rw", ""]],
  "rows": [
    ["1.1", 1, 0, "0000", "10.0.0.1", "255.255.255.0", "0.0.0.0", "0.0.0.0", 0, 4, 0, 0, 0, "0000", 80, "FFFF", 0, 0,
     "00000000", "00000000", 0, 5, 0, 2, 2, 0, 2, 0, ""],
    ["2.3", 1, 0, "0000", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", 0, 1, 0, 0, 0, "0000", 0, "0000", 0, 0,
     "00000000", "00000000", 100, 0, 0, 1, 2, 0, 2, 0, ""],
    ["3.1", 1, 0, "0000", "0.0.0.0", "0.0.0.0", "0.0.0.0", "0.0.0.0", 0, 1, 0, 0, 0, "0000", 0, "0000", 0, 0,
     "00000000", "00000000", null, null, null, 1, 2, 0, 2, 0, ""]]}]})";

// Egress IPv6 rules (typed targets): 1.1 (a source address, tcp destination port 80, port 5,
// permit, active), 2.3, which the agent reads back as createAndGo (VLAN-based ID 100), and 3.1, held
// without a VLAN-based ID, port or port group.
inline const char* const kEgressIPv6RuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.89.3.3.1",
  "columns": [[3, "rowstatus"], [4, "int", "rw", 0], [5, "hex", "rw", "00000000000000000000000000000000"],
    [6, "hex", "rw", "00000000000000000000000000000000"], [7, "hex", "rw", "00000000000000000000000000000000"],
    [8, "hex", "rw", "00000000000000000000000000000000"], [9, "int", "rw", 1], [10, "int", "rw", 0], [11, "int", "rw", 0],
    [12, "int", "rw", 0], [13, "hex", "rw", "0000"], [14, "int", "rw", 0], [15, "hex", "rw", "0000"],
    [16, "int", "rw", 0], [17, "int", "rw", 0], [18, "int", "rw", 0], [19, "int", "rw", 1], [20, "int", "rw", 2],
    [21, "int", "rw", 0], [22, "int", "rw", 2], [23, "int", "rw", 0], [24, "string", "rw", ""]],
  "rows": [
    ["1.1", 1, 0, "20010DB8000000000000000000000001", "FFFFFFFFFFFFFFFF0000000000000000", "00000000000000000000000000000000",
     "00000000000000000000000000000000", 2, 0, 0, 0, "0000", 80, "FFFF", 0, 5, 0, 2, 2, 0, 2, 0, ""],
    ["2.3", 4, 0, "00000000000000000000000000000000", "00000000000000000000000000000000", "00000000000000000000000000000000",
     "00000000000000000000000000000000", 1, 0, 0, 0, "0000", 0, "0000", 100, 0, 0, 1, 2, 0, 2, 0, ""],
    ["3.1", 1, 0, "00000000000000000000000000000000", "00000000000000000000000000000000", "00000000000000000000000000000000",
     "00000000000000000000000000000000", 1, 0, 0, 0, "0000", 0, "0000", null, null, null, 1, 2, 0, 2, 0, ""]]}]})";

// CPU interface filtering Ethernet rules on a stand-alone switch: 1.1 (source MAC, Ethernet type
// 0800, permit, ports 1 and 2, active), 2.3 (deny, port 3) and 4.1 (deny, port 4).
inline const char* const kCpuEthernetRuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.5.1.1",
  "columns": [[3, "string", "rw", ""], [4, "hex", "rw", "000000000000"], [5, "hex", "rw", "000000000000"],
    [6, "int", "rw", 0], [7, "hex", "rw", "0000"], [8, "int", "rw", 1], [9, "rowstatus"],
    [10, "hex", "rw", "0000000000000000"], [11, "int", "rw", 0]],
  "rows": [
    ["1.1", "", "00AABBCCDDEE", "000000000000", 0, "0800", 2, 1, "C000000000000000", 0],
    ["2.3", "", "000000000000", "000000000000", 0, "0000", 1, 1, "2000000000000000", 0],
    ["4.1", "", "000000000000", "000000000000", 0, "0000", 1, 1, "1000000000000000", 0]]}]})";

// CPU interface filtering IPv4 rules: 1.1 (udp, permit, port 1, active), 2.3 (tcp) and 3.1, which
// the agent reads back as destroy.
inline const char* const kCpuIpRuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.5.2.1",
  "columns": [[3, "string", "rw", ""], [4, "ip", "rw", "0.0.0.0"], [5, "ip", "rw", "0.0.0.0"], [6, "int", "rw", 0],
    [7, "int", "ro", 1], [8, "int", "rw", 0], [9, "int", "rw", 0], [10, "int", "rw", 0], [11, "int", "rw", 0],
    [12, "int", "rw", 0], [13, "int", "rw", 0], [14, "hex", "rw", "00000000"], [15, "int", "rw", 1],
    [16, "rowstatus"], [17, "hex", "rw", "0000000000000000"], [18, "int", "rw", 0]],
  "rows": [
    ["1.1", "", "10.0.0.1", "0.0.0.0", 0, 5, 0, 0, 0, 53, 0, 0, "00000000", 2, 1, "8000000000000000", 0],
    ["2.3", "", "0.0.0.0", "0.0.0.0", 0, 4, 0, 0, 0, 80, 0, 0, "00000000", 1, 1, "4000000000000000", 0],
    ["3.1", "", "0.0.0.0", "0.0.0.0", 0, 2, 0, 0, 0, 0, 0, 0, "00000000", 1, 6, "2000000000000000", 0]]}]})";

// CPU interface filtering IPv6 rules: 1.1 (a source address, permit, port 1, active).
inline const char* const kCpuIpv6RuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.5.4.1",
  "columns": [[3, "int", "rw", 0], [4, "hex", "rw", "00000000"], [5, "hex", "rw", "00000000000000000000000000000000"],
    [6, "hex", "rw", "00000000000000000000000000000000"], [7, "int", "rw", 1], [8, "rowstatus"],
    [9, "hex", "rw", "0000000000000000"]],
  "rows": [
    ["1.1", 0, "00000000", "20010DB8000000000000000000000001", "00000000000000000000000000000000", 2, 1,
     "8000000000000000"]]}]})";

// CPU interface filtering packet-content rules: 1.1 (the first window, permit, port 1, active).
inline const char* const kCpuPktCntRuleScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.12.9.5.3.1",
  "columns": [[3, "hex", "rw", "00000000000000000000000000000000"], [4, "hex", "rw", "00000000000000000000000000000000"],
    [5, "hex", "rw", "00000000000000000000000000000000"], [6, "hex", "rw", "00000000000000000000000000000000"],
    [7, "hex", "rw", "00000000000000000000000000000000"], [8, "int", "rw", 1], [9, "rowstatus"],
    [10, "hex", "rw", "0000000000000000"]],
  "rows": [
    ["1.1", "000102030405060708090A0B0C0D0E0F", "00000000000000000000000000000000", "00000000000000000000000000000000",
     "00000000000000000000000000000000", "00000000000000000000000000000000", 2, 1, "8000000000000000"]]}]})";
