// The simulated switch of the AAA dialogs' tests and pictures: the server host table with a
// tacacs-plus and a radius server; the login, enable and accounting method lists, each with the
// lists "default" and "Default"; the server groups (the five the switch starts with, "group1"
// with two members, and "RADIUS", "Tacacs+" and "tacacs2" without any); and the group control
// action table with the row grp1 / 10.1.1.1 / radius.
#pragma once

#include <string>
#include <vector>

namespace aaa_scenario {

inline const std::string kServerEntry = "1.3.6.1.4.1.746.12.5.10.1";
inline const std::string kLoginEntry = "1.3.6.1.4.1.746.12.5.3.1";
inline const std::string kEnableEntry = "1.3.6.1.4.1.746.12.5.4.1";
inline const std::string kAcctEntry = "1.3.6.1.4.1.746.12.5.5.1";
inline const std::string kServerGroupEntry = "1.3.6.1.4.1.746.12.5.9.1";
inline const std::string kGroupControlEntry = "1.3.6.1.4.1.746.12.5.12.1";

// A server's row instance: its address, then its protocol (1 tacacs .. 4 radius).
inline std::string ServerInstance(const std::string& address, int protocol) {
    return address + "." + std::to_string(protocol);
}

// A method list's row instance: the name's length, then its characters.
inline std::string NameInstance(const std::string& name) {
    std::string instance = std::to_string(name.size());
    for (char c : name) {
        instance += "." + std::to_string(static_cast<unsigned char>(c));
    }
    return instance;
}

// The server group table: eight members (address, protocol: 6 other .. 4 radius, 5 none), then
// the row status; a member not set is 0.0.0.0 / other, as in a new group. "group1" has the servers
// 10.1.1.1 (tacacs-plus) and 10.1.1.2 (radius); the groups named besides it have no members.
inline const std::vector<std::string> kMemberlessGroups = {"tacacs", "xtacacs", "tacacs+", "tacacs-plus",
                                                           "radius", "RADIUS",  "Tacacs+", "tacacs2"};
inline std::string ServerGroupTable(const std::vector<std::string>& memberless = kMemberlessGroups) {
    std::string columns = "[";
    for (int member = 0; member < 8; ++member) {
        columns += "[" + std::to_string(2 + 2 * member) + R"(, "ip", "ro", "0.0.0.0"], [)" +
                   std::to_string(3 + 2 * member) + R"(, "int", "ro", 6], )";
    }
    columns += R"([18, "rowstatus"]])";
    struct Member {
        const char* Address;
        int Protocol;
    };
    auto row = [](const std::string& name, std::vector<Member> members) {
        members.resize(8, {"0.0.0.0", 6});
        std::string cells;
        for (const Member& member : members) {
            cells += "\"" + std::string(member.Address) + "\", " + std::to_string(member.Protocol) + ", ";
        }
        return "[\"" + NameInstance(name) + "\", " + cells + "1]";
    };
    std::string rows;
    for (const std::string& name : memberless) {
        rows += row(name, {}) + ", ";
    }
    rows += row("group1", {{"10.1.1.1", 3}, {"10.1.1.2", 4}});
    return R"({"entry": ")" + kServerGroupEntry + R"(", "columns": )" + columns + R"(, "rows": [)" + rows +
           "]}";
}

// The group control table's row instance: the group name, the server's address and protocol.
inline std::string GroupControlInstance(const std::string& group, const std::string& address, int protocol) {
    return NameInstance(group) + "." + address + "." + std::to_string(protocol);
}

// Servers 10.1.1.1 (tacacs-plus) and 10.1.1.2 (radius).
inline std::string Scenario() {
    const std::string methodColumns = R"([[2, "int", "rw", 8], [3, "string", "rw", ""], [4, "int", "rw", 8],
        [5, "string", "rw", ""], [6, "int", "rw", 8], [7, "string", "rw", ""], [8, "int", "rw", 8],
        [9, "string", "rw", ""], [10, "rowstatus"]])";
    const std::string acctColumns = R"([[2, "int", "rw", 4], [3, "string", "rw", ""], [4, "int", "rw", 4],
        [5, "string", "rw", ""], [6, "int", "rw", 4], [7, "string", "rw", ""], [8, "int", "rw", 4],
        [9, "string", "rw", ""], [10, "rowstatus"]])";
    auto methodTable = [&](const std::string& entry, const std::string& columns, int first, int second,
                           int rest) {
        auto row = [&](const std::string& name) {
            return "[\"" + NameInstance(name) + "\", " + std::to_string(first) + ", \"\", " +
                   std::to_string(second) + ", \"\", " + std::to_string(rest) + ", \"\", " +
                   std::to_string(rest) + ", \"\", 1]";
        };
        return R"({"entry": ")" + entry + R"(", "columns": )" + columns + R"(, "rows": [)" + row("default") +
               ", " + row("Default") + "]}";
    };
    const std::string servers =
        R"({"entry": ")" + kServerEntry +
        R"(", "columns": [[3, "int", "rw", 49], [4, "string", "rw", ""], [5, "int", "rw", 5],
        [6, "int", "rw", 2], [7, "rowstatus"], [8, "int", "rw", 0]], "rows": [[")" +
        ServerInstance("10.1.1.1", 3) + R"(", 49, "plus-key", 5, 2, 1, 0], [")" +
        ServerInstance("10.1.1.2", 4) + R"(", 1812, "radius-key", 10, 3, 1, 1813]]})";
    const std::string groupControl = R"({"entry": ")" + kGroupControlEntry +
                                     R"(", "columns": [[4, "int", "rw", 2]], "rows": [[")" +
                                     GroupControlInstance("grp1", "10.1.1.1", 4) + R"(", 2]]})";
    return R"({"firmware": "KC", "tables": [)" + servers + ", " + ServerGroupTable() + ", " + groupControl +
           ", " + methodTable(kLoginEntry, methodColumns, 3, 6, 8) + ", " +
           methodTable(kEnableEntry, methodColumns, 4, 7, 8) + ", " +
           methodTable(kAcctEntry, acctColumns, 1, 4, 4) + "]}";
}

} // namespace aaa_scenario
