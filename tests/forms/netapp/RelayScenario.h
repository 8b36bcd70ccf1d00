// The simulated switch of the DHCP relay dialogs' tests and pictures: the relay's VLAN control
// table (servers 10.1.1.1, with octets E0 80 in slice 0 and 40 in slice 1, and 10.2.2.2, with the
// two top bits of slice 0, an empty slice 2, an all-zero slice 3 and the bits of VLANs 4095 and
// 4096 in slice 7)
// and the DHCPv6 relay's option 37 scalars.
#pragma once

#include <string>

namespace relay_scenario {

inline const std::string kEntry = "1.3.6.1.4.1.746.12.42.3.5.1";
inline const std::string kOption37 = "1.3.6.1.4.1.746.12.84.1.5";

// A slice's value as the table holds it: 64 octets as 128 hexadecimal digits.
inline const std::string kZeroSlice(128, '0');
// Slice 7 with the bits of 4095 and 4096: the last two of its 512.
inline const std::string kTopSlice = std::string(126, '0') + "03";

// The relay table alone, for a scenario's "tables". A server created without slices has empty
// ones.
inline std::string Table() {
    std::string columns;
    for (int arc = 2; arc <= 9; ++arc) {
        columns += "[" + std::to_string(arc) + R"(, "hex", "rw", ""], )";
    }
    return R"({"entry": ")" + kEntry + R"(", "columns": [)" + columns +
           R"([10, "rowstatus"]], "rows": [["10.1.1.1", "E080", "40", "", "", "", "", "", "", 1], )"
           R"(["10.2.2.2", "C0", "", "", ")" +
           kZeroSlice + R"(", "", "", "", ")" + kTopSlice + R"(", 1]]})";
}

// The option 37 scalars: enabled, check disabled, type cid-with-user-defined, text "relay-1".
inline std::string Objects() {
    return R"([[")" + kOption37 + R"(.1.0", "int", 1, "rw"], [")" + kOption37 +
           R"(.2.0", "int", 2, "rw"], [")" + kOption37 + R"(.3.0", "int", 2, "rw"], [")" + kOption37 +
           R"(.4.0", "string", "relay-1", "rw"]])";
}

inline std::string Scenario() {
    return R"({"tables": [)" + Table() + R"(], "objects": )" + Objects() + "}";
}

} // namespace relay_scenario
