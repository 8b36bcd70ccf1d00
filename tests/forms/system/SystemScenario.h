// The simulated switch of the System menu dialogs' tests and pictures: the syslog server table
// (an IPv4 server at index 1, an IPv6 one at index 2), the time range table (a "Mon,Tue" range
// and a weekend one), the log save scalars (a method, interval 600), the summer time scalars (a
// repeating rule: 2nd Sun Apr 2:00 to last Sun Oct 3:00; annual dates 29 Mar 2:00 to 25 Oct 3:00)
// the time scalars (capabilities F0, the clock 2024-5-26,13:30:15.0, not reset on reboot) and the
// configuration control table (images cfgId-1 and cfgId-2, action none).
#pragma once

#include <string>

namespace system_scenario {

inline const std::string kSyslogEntry = "1.3.6.1.4.1.746.12.12.2.1";
inline const std::string kTimeRangeEntry = "1.3.6.1.4.1.746.12.50.3.1.1";
inline const std::string kLogSave = "1.3.6.1.4.1.746.12.12.3";
inline const std::string kLogSaveMethod = kLogSave + ".1.0";
inline const std::string kLogSaveInterval = kLogSave + ".2.0";
inline const std::string kSummerTime = "1.3.6.1.4.1.746.12.10.12";
inline std::string SummerTimeOid(int arc) {
    return kSummerTime + "." + std::to_string(arc) + ".0";
}
inline const std::string kTime = "1.3.6.1.4.1.746.12.10";
inline const std::string kTimeCapacity = kTime + ".1.0";
inline const std::string kClock = kTime + ".2.0";
inline const std::string kClockReset = kTime + ".3.0";

inline const std::string kConfigEntry = "1.3.6.1.4.1.746.12.1.2.8.4.1";

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

inline std::string ConfigControlTable() {
    return R"({"entry": ")" + kConfigEntry +
           R"(", "columns": [[2, "int", "rw", 4]], "rows": [["1", 4], ["2", 4]]})";
}

inline std::string TimeRangeTable() {
    return R"({"entry": ")" + kTimeRangeEntry + R"(",
        "columns": [[2, "string", "rw", ""], [3, "string", "rw", ""], [4, "string", "rw", ""], [5, "rowstatus"]],
        "rows": [[")" +
           NameInstance("Office") + R"(", "Mon,Tue", "08:00:00", "18:00:00", 1],
                 [")" +
           NameInstance("Weekend") + R"(", "Sat,Sun", "00:00:00", "23:59:59", 1]]})";
}

// What the scenario varies: the log save method (1 time-interval, 2 on-demand, 3 log-trigger),
// the summer time state (0 disabled, 1 repeating, 2 annual) and the time capabilities' octets.
struct Values {
    int LogSaveMethod = 1;
    int SummerTimeState = 1;
    std::string TimeCapacity = "F0";
};

inline std::string Object(const std::string& oid, const std::string& type, const std::string& value,
                          const char* access = "rw") {
    return R"([")" + oid + R"(", ")" + type + R"(", )" + value + R"(, ")" + access + R"("])";
}
inline std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

inline std::string Scenario(const Values& v = {}) {
    const std::string objects[] = {
        Object(kLogSaveMethod, "int", std::to_string(v.LogSaveMethod)),
        Object(kLogSaveInterval, "int", "600"),
        Object(SummerTimeOid(1), "int", std::to_string(v.SummerTimeState)),
        Object(SummerTimeOid(2), "int", "60"),
        Object(SummerTimeOid(3), "hex", Quoted("020001040200")),
        Object(SummerTimeOid(4), "hex", Quoted("FF00010A0300")),
        Object(SummerTimeOid(5), "hex", Quoted("1D030200")),
        Object(SummerTimeOid(6), "hex", Quoted("190A0300")),
        Object(kTimeCapacity, "hex", Quoted(v.TimeCapacity), "ro"),
        Object(kClock, "hex", Quoted("07E8051A0D1E0F002B0000")),
        Object(kClockReset, "int", "2", "ro"),
    };
    std::string list;
    for (const std::string& object : objects) {
        list += (list.empty() ? "" : ", ") + object;
    }
    return R"({"objects": [)" + list + R"(], "tables": [)" + SyslogTable() + ", " + TimeRangeTable() + ", " +
           ConfigControlTable() + "]}";
}

} // namespace system_scenario
