// The simulated switch of the System menu dialogs' tests and pictures: the syslog server table
// (an IPv4 server at index 1, an IPv6 one at index 2), the time range table (a "Mon,Tue" range
// and a weekend one) and the log save scalars (a method, interval 600).
#pragma once

#include <string>

namespace system_scenario {

inline const std::string kSyslogEntry = "1.3.6.1.4.1.746.12.12.2.1";
inline const std::string kTimeRangeEntry = "1.3.6.1.4.1.746.12.50.3.1.1";
inline const std::string kLogSave = "1.3.6.1.4.1.746.12.12.3";
inline const std::string kLogSaveMethod = kLogSave + ".1.0";
inline const std::string kLogSaveInterval = kLogSave + ".2.0";

inline const std::string kIpv4Server = "10.90.90.1";
inline const std::string kIpv6Server = "20010DB8000000000000000000000001";

// A time range's row instance: its name's length, then its characters.
inline std::string NameInstance(const std::string& name) {
    std::string instance = std::to_string(name.size());
    for (char c : name) {
        instance += "." + std::to_string(static_cast<unsigned char>(c));
    }
    return instance;
}

// Facility, severity, port, state, row status, address type, address (as octets). A server
// created without them gets local0, informational, 514, disabled, ipv4 and no address.
inline std::string SyslogTable() {
    return R"({"entry": ")" + kSyslogEntry + R"(",
        "columns": [[3, "int", "rw", 0], [4, "int", "rw", 3], [5, "int", "rw", 514], [6, "int", "rw", 2],
                    [7, "rowstatus"], [8, "int", "rw", 1], [9, "hex", "rw", "00000000"]],
        "rows": [["1", 7, 4, 514, 3, 1, 1, "0A5A5A01"],
                 ["2", 1, 3, 6000, 2, 1, 2, ")" +
           kIpv6Server + R"("]]})";
}

inline std::string TimeRangeTable() {
    return R"({"entry": ")" + kTimeRangeEntry + R"(",
        "columns": [[2, "string", "rw", ""], [3, "string", "rw", ""], [4, "string", "rw", ""], [5, "rowstatus"]],
        "rows": [[")" +
           NameInstance("Office") + R"(", "Mon,Tue", "08:00:00", "18:00:00", 1],
                 [")" +
           NameInstance("Weekend") + R"(", "Sat,Sun", "00:00:00", "23:59:59", 1]]})";
}

// `logSaveMethod`: 1 time-interval, 2 on-demand, 3 log-trigger.
inline std::string Scenario(int logSaveMethod = 1) {
    return R"({"objects": [[")" + kLogSaveMethod + R"(", "int", )" + std::to_string(logSaveMethod) +
           R"(, "rw"], [")" + kLogSaveInterval + R"(", "int", 600, "rw"]], "tables": [)" + SyslogTable() +
           ", " + TimeRangeTable() + "]}";
}

} // namespace system_scenario
