// The simulated switch's MAC-keyed port tables that the static filtering and NLB forwarding
// dialogs' tests and pictures read: three static unicast entries and two static multicast ones
// (valid/invalid status columns, "permanent" 3), two NLB multicast and two NLB unicast entries
// (RowStatus), every port list 8 octets (a stand-alone switch).
#pragma once

#include <string>

inline constexpr const char* kStaticUnicastEntry = "1.3.6.1.2.1.17.7.1.3.1.1";
inline constexpr const char* kStaticMulticastEntry = "1.3.6.1.2.1.17.7.1.3.2.1";
inline constexpr const char* kNlbMulticastEntry = "1.3.6.1.4.1.746.12.77.3.2.1";
inline constexpr const char* kNlbUnicastEntry = "1.3.6.1.4.1.746.12.77.3.1.1";

// The four tables as scenario table objects, comma-separated (to go inside a scenario's "tables").
inline std::string MacEntryTables() {
    return std::string(R"({"entry": ")") + kStaticUnicastEntry +
           R"(", "columns": [[3, "hex", "rw"], [4, "validstatus"]],
      "rows": [["1.0.1.2.3.4.5.0", "C000000000000000", 3], ["1.0.1.2.3.4.6.0", "2000000000000000", 3],
               ["10.0.1.2.3.4.7.0", "0100000000000000", 3]]},
    {"entry": ")" +
           kStaticMulticastEntry +
           R"(", "columns": [[3, "hex", "rw"], [5, "validstatus"]],
      "rows": [["1.1.0.94.0.0.1.0", "E000000000000000", 3], ["10.1.0.94.0.0.2.0", "0000000100000000", 3]]},
    {"entry": ")" +
           kNlbMulticastEntry +
           R"(", "columns": [[3, "hex", "rw", "0000000000000000"], [4, "rowstatus"]],
      "rows": [["1.3.191.0.0.0.1", "3000000000000000", 1], ["20.3.191.0.0.0.2", "0000000000000080", 1]]},
    {"entry": ")" +
           kNlbUnicastEntry +
           R"(", "columns": [[2, "hex", "rw", "0000000000000000"], [3, "rowstatus"]],
      "rows": [["2.191.0.0.0.1", "8000000000000000", 1], ["2.191.0.0.0.2", "0C00000000000000", 1]]})";
}

// A switch of the given stack mode holding the four tables.
inline std::string MacEntryScenario(const std::string& stackMode = "disabled") {
    return R"({"stack_mode": ")" + stackMode + R"(", "tables": [)" + MacEntryTables() + "]}";
}
