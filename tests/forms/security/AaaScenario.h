// The simulated switch of the AAA dialogs' tests and pictures: the server host table with a
// tacacs-plus and a radius server, and the login, enable and accounting method lists, each with
// the lists "default" and "Default".
#pragma once

#include <string>

namespace aaa_scenario {

inline const std::string kServerEntry = "1.3.6.1.4.1.746.12.5.10.1";
inline const std::string kLoginEntry = "1.3.6.1.4.1.746.12.5.3.1";
inline const std::string kEnableEntry = "1.3.6.1.4.1.746.12.5.4.1";
inline const std::string kAcctEntry = "1.3.6.1.4.1.746.12.5.5.1";

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
    return R"({"firmware": "KC", "tables": [)" + servers + ", " +
           methodTable(kLoginEntry, methodColumns, 3, 6, 8) + ", " +
           methodTable(kEnableEntry, methodColumns, 4, 7, 8) + ", " +
           methodTable(kAcctEntry, acctColumns, 1, 4, 4) + "]}";
}

} // namespace aaa_scenario
