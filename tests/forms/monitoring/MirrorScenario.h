// The simulated switch of the mirror dialogs' tests and pictures: each of the six models' own port
// mirror group (target, ingress and egress ports, state) and mirror group table (group 1 enabled
// with a target and source ports, group 2 disabled without either), each model's values apart so
// a dialog that reads another model's copy shows it, and the RSPAN table: VLAN 200 with a mirror
// group, source and redirect ports, VLAN 300 with neither.
#pragma once

#include "BridgeScenario.h"

#include <string>
#include <vector>

namespace mirror_scenario {

inline constexpr int kFirstModelArc = 2; // 24RA
inline constexpr int kLastModelArc = 7;  // 24ZO-DC

inline std::string SysObjectId(int arc) {
    return "1.3.6.1.4.1.746.10.117." + std::to_string(arc) + ".1";
}
// The model's port mirror group and its mirror group table.
inline std::string MirrorGroupOid(int arc) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(arc) + ".1.2.10";
}
inline std::string GroupEntry(int arc) {
    return MirrorGroupOid(arc) + ".5.1";
}
inline const std::string kRspanEntry = "1.3.6.1.4.1.746.12.68.3.1.1";

// The logic target port model `arc` reads: unit 1, port 10 + arc.
inline int TargetPortOf(int arc) {
    return 10 + arc;
}

// Port lists of `octets` octets (8 for a stand-alone switch, 48 for a stack).
struct Lists {
    size_t Octets = 8;
    std::string Of(const std::string& head) const { return PortListHex(head, Octets); }
    std::string Empty() const { return PortListHex("", Octets); }
};

// The six models' mirror groups and tables, as scenario "objects" and "tables" parts.
inline std::string MirrorObjects(const Lists& lists) {
    std::string objects;
    for (int arc = kFirstModelArc; arc <= kLastModelArc; ++arc) {
        const std::string base = MirrorGroupOid(arc);
        objects += std::string(objects.empty() ? "" : ", ") + R"([")" + base + R"(.1.0", "int", )" +
                   std::to_string(TargetPortOf(arc)) + R"(, "rw"], [")" + base + R"(.2.0", "hex", ")" +
                   lists.Of("C0") + R"(", "rw"], [")" + base + R"(.3.0", "hex", ")" + lists.Of("20") +
                   R"(", "rw"], [")" + base + R"(.4.0", "int", 3, "rw"])";
    }
    return objects;
}
inline std::string MirrorGroupTables(const Lists& lists) {
    std::string tables;
    for (int arc = kFirstModelArc; arc <= kLastModelArc; ++arc) {
        tables += std::string(tables.empty() ? "" : ", ") + R"({"entry": ")" + GroupEntry(arc) +
                  R"(", "columns": [[2, "rowstatus"], [3, "int", "rw", 2], [4, "int", "rw", 0],
                  [5, "hex", "rw", ")" +
                  lists.Empty() + R"("], [6, "hex", "rw", ")" + lists.Empty() +
                  R"("]], "rows": [["1", 1, 3, )" + std::to_string(TargetPortOf(arc)) + R"(, ")" +
                  lists.Of("C0") + R"(", ")" + lists.Of("20") + R"("], ["2", 1, 2, 0, ")" + lists.Empty() +
                  R"(", ")" + lists.Empty() + R"("]]})";
    }
    return tables;
}

// An RSPAN row: VLAN, source ingress, source egress, redirect (hex heads), mirror group.
struct RspanRow {
    const char* Vlan;
    const char* Ingress;
    const char* Egress;
    const char* Redirect;
    int Group;
};
inline const RspanRow kRspanRows[] = {{"200", "80", "40", "0001", 1}, {"300", "", "", "", 0}};

inline std::string RspanTable(const Lists& lists, const std::vector<RspanRow>& rows) {
    std::string listed;
    for (const RspanRow& row : rows) {
        listed += std::string(listed.empty() ? "" : ", ") + R"([")" + row.Vlan + R"(", ")" +
                  lists.Of(row.Ingress) + R"(", ")" + lists.Of(row.Egress) + R"(", ")" +
                  lists.Of(row.Redirect) + R"(", 1, )" + std::to_string(row.Group) + "]";
    }
    return R"({"entry": ")" + kRspanEntry + R"(", "columns": [[2, "hex", "rw", ")" + lists.Empty() +
           R"("], [3, "hex", "rw", ")" + lists.Empty() + R"("], [4, "hex", "rw", ")" + lists.Empty() +
           R"("], [5, "rowstatus"], [6, "int", "rw", 0]], "rows": [)" + listed + "]}";
}

// The whole switch: stand-alone (8-octet lists) or stacked (48-octet lists); the RSPAN rows as
// given, VLANs 200 and 300 by default.
inline std::string Scenario(bool stacked = false,
                            const std::vector<RspanRow>& rspan = {kRspanRows[0], kRspanRows[1]}) {
    const Lists lists{stacked ? 48u : 8u};
    return std::string(R"({"stack_mode": ")") + (stacked ? "enabled" : "disabled") + R"(", "objects": [)" +
           MirrorObjects(lists) + R"(], "tables": [)" + MirrorGroupTables(lists) + ", " +
           RspanTable(lists, rspan) + "]}";
}

} // namespace mirror_scenario
