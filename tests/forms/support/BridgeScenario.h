// The simulated switch's 802.1Q bridge tables that the bridge dialogs' tests and pictures read:
// the port VLAN table (28 bridge ports, port 5 with a GVRP origin), the forward-unregistered
// table (VLANs 1, 10 and 20 with 48-octet port lists, VLAN 30 with 8-octet ones) and the learned
// multicast groups (two with 48-octet lists, one with 8-octet lists).
#pragma once

#include <string>

inline constexpr const char* kBasePortEntry = "1.3.6.1.2.1.17.1.4.1";
inline constexpr const char* kPortVlanEntry = "1.3.6.1.2.1.17.7.1.4.5.1";
inline constexpr const char* kForwardUnregisteredEntry = "1.3.6.1.2.1.17.7.1.2.4.1";
inline constexpr const char* kTpGroupEntry = "1.3.6.1.2.1.17.7.1.2.3.1";
inline constexpr int kBridgePorts = 28;

// A port list of `octets` octets: the given leading hex digits, the rest zero.
inline std::string PortListHex(const std::string& head, size_t octets = 48) {
    return head + std::string(octets * 2 - head.size(), '0');
}

// The tables as scenario table objects, comma-separated (to go inside a scenario's "tables").
inline std::string BridgeTables() {
    std::string basePorts, portVlans;
    for (int port = 1; port <= kBridgePorts; ++port) {
        const std::string p = std::to_string(port);
        const bool gvrp = port == 5;
        basePorts += std::string(port > 1 ? ", " : "") + R"([")" + p + R"(", )" + p + "]";
        // PVID, acceptable frame types (admitAll), ingress filtering (false), GVRP state, failed
        // registrations, last PDU origin.
        portVlans += std::string(port > 1 ? ", " : "") + R"([")" + p + R"(", 1, 1, 2, )" +
                     (gvrp ? "1, 3" : "2, 0") + R"(, ")" + (gvrp ? "0011223344AA" : "000000000000") + R"("])";
    }
    const auto unregistered = [](const char* vlan, const std::string& all, const std::string& statics,
                                 const std::string& forbidden) {
        return std::string(R"([")") + vlan + R"(", ")" + all + R"(", ")" + statics + R"(", ")" + forbidden +
               R"("])";
    };
    const auto group = [](const char* index, const std::string& egress, const std::string& learnt) {
        return std::string(R"([")") + index + R"(", ")" + egress + R"(", ")" + learnt + R"("])";
    };
    return std::string(R"({"entry": ")") + kBasePortEntry + R"(", "columns": [[1, "int"]], "rows": [)" +
           basePorts +
           R"(]},
    {"entry": ")" +
           kPortVlanEntry +
           R"(", "columns": [[1, "gauge", "rw"], [2, "int", "rw"], [3, "int", "rw"], [4, "int", "rw"],
       [5, "counter"], [6, "hex"]], "rows": [)" +
           portVlans + R"(]},
    {"entry": ")" +
           kForwardUnregisteredEntry +
           R"(", "columns": [[1, "hex"], [2, "hex", "rw"], [3, "hex", "rw"]], "rows": [)" +
           unregistered("1", PortListHex("FFFFFF"), PortListHex("F00000"), PortListHex("000001")) + ", " +
           unregistered("10", PortListHex("C00000000000000080"), PortListHex("400000000000000080"),
                        PortListHex("0000000000000000")) +
           ", " + unregistered("20", PortListHex("00000100"), PortListHex(""), PortListHex("00000F")) + ", " +
           unregistered("30", PortListHex("E0", 8), PortListHex("A0", 8), PortListHex("", 8)) +
           R"(]},
    {"entry": ")" +
           kTpGroupEntry + R"(", "columns": [[2, "hex"], [3, "hex"]], "rows": [)" +
           group("1.1.0.94.0.0.1", PortListHex("E00000"), PortListHex("200000")) + ", " +
           group("10.1.0.94.127.0.2", PortListHex("0000C0000000000040"), PortListHex("")) + ", " +
           group("20.1.0.94.0.0.251", PortListHex("80", 8), PortListHex("80", 8)) + "]}";
}

// A switch of the given stack mode holding the bridge tables.
inline std::string BridgeScenario(const std::string& stackMode = "disabled") {
    return R"({"stack_mode": ")" + stackMode + R"(", "tables": [)" + BridgeTables() + "]}";
}
