// The simulated switch of the DNS relay and MD5 key dialogs' tests and pictures: the model's DNS
// relay static table (two entries, state valid) and MD5 key table (keys 1 and 5, row status
// active).
#pragma once

#include "InstanceArcs.h"

#include <string>

namespace relay_key_scenario {

// The tables of the model whose sysObjectID arc is `arc` (2 for the 24RA).
inline std::string DnsEntry(int arc = 2) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(arc) + ".1.3.3.3.6.1";
}
inline std::string Md5Entry(int arc = 2) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(arc) + ".1.3.4.1";
}

// A DNS relay entry's row instance: the domain name (its length, then its characters), then the
// address.
inline std::string DnsInstance(const std::string& name, const std::string& address) {
    return TextArcs(name) + "." + address;
}

inline const std::string kWww = DnsInstance("www.example.com", "10.1.1.1");
inline const std::string kNtp = DnsInstance("ntp.lan", "192.168.0.5");

// The tables alone, for a scenario's "tables". A key created without its text has an empty one.
inline std::string Tables(int arc = 2) {
    return R"({"entry": ")" + DnsEntry(arc) + R"(", "columns": [[3, "validstatus"]], "rows": [[")" + kWww +
           R"(", 3], [")" + kNtp + R"(", 3]]}, {"entry": ")" + Md5Entry(arc) +
           R"(", "columns": [[2, "string", "rw", ""], [3, "rowstatus"]], "rows": [["1", "secret1", 1], )"
           R"(["5", "ospfkey", 1]]})";
}

// The switch of the model `model` (24RA, 24DA, ...) whose sysObjectID arc is `arc`.
inline std::string Scenario(const std::string& model = "24RA", int arc = 2) {
    return R"({"model": ")" + model + R"(", "tables": [)" + Tables(arc) + "]}";
}

} // namespace relay_key_scenario
