// The simulated switch's spanning tree objects that the STP dialogs' tests and pictures read: the
// bridge scalars (state, version, Max Age 2000, hello time, Forward Delay 1500, Max Hops 20, TX
// Hold Count 6, BPDU forwarding disabled, NNI BPDU address dot1d), the per-model copies of the
// STP state (one for each of the six models) and the port table with ports 1 to 3.
#pragma once

#include <string>

inline constexpr const char* kStpGroup = "1.3.6.1.4.1.746.12.15.1";
inline constexpr const char* kStpPortEntry = "1.3.6.1.4.1.746.12.15.2.4.1";

struct StpSwitch {
    bool Enabled = true; // the STP state, and every model's copy of it
    int Version = 1;     // 0 stp, 1 rstp, 2 mstp
    int HelloTime = 200; // 10 ms units; 0 as MSTP reports it
};

// The scalars, comma-separated (to go inside a scenario's "objects").
inline std::string StpObjects(const StpSwitch& s = {}) {
    const auto scalar = [](const std::string& oid, int value) {
        return R"([")" + oid + R"(.0", "int", )" + std::to_string(value) + R"(, "rw"])";
    };
    const std::string group = kStpGroup;
    const int state = s.Enabled ? 3 : 2;
    std::string objects = scalar(group + ".1", state) + ", " + scalar(group + ".2", s.Version) + ", " +
                          scalar(group + ".3", 2000) + ", " + scalar(group + ".4", s.HelloTime) + ", " +
                          scalar(group + ".5", 1500) + ", " + scalar(group + ".6", 20) + ", " +
                          scalar(group + ".7", 6) + ", " + scalar(group + ".8", 2) + ", " +
                          scalar(group + ".11", 1);
    for (int model = 2; model <= 7; ++model) {
        objects += ", " + scalar("1.3.6.1.4.1.746.11.117." + std::to_string(model) + ".1.2.1.2.1", state);
    }
    return objects;
}

inline std::string StpScenario(const StpSwitch& s = {}) {
    // Admin hello, oper hello, enable, path cost, migration, admin edge, oper edge, admin P2P, oper
    // P2P, BPDU filtering, restricted role, restricted TCN.
    const auto port = [](int n) {
        const std::string p = std::to_string(n);
        return R"([")" + p + R"(", 200, 200, 1, )" + std::to_string(20000 * n) +
               R"(, 2, 3, 2, 2, 0, 2, 2, 2])";
    };
    return R"({"objects": [)" + StpObjects(s) + R"(], "tables": [{"entry": ")" + kStpPortEntry +
           R"(", "columns": [[2, "int", "rw"], [3, "int"], [4, "int", "rw"], [5, "int", "rw"], [6, "int", "rw"],
        [7, "int", "rw"], [8, "int"], [9, "int", "rw"], [10, "int"], [12, "int", "rw"], [13, "int", "rw"],
        [14, "int", "rw"]],
      "rows": [)" +
           port(1) + ", " + port(2) + ", " + port(3) + "]}]}";
}
