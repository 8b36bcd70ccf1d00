// The simulated switch of the guest VLAN dialogs' tests and pictures: the 802.1X guest VLAN
// scalars and the MAC-based access control scalars (each guest VLAN with ports 1 and 3, or
// without a name), the MAC-based EAPOL statistics of two addresses and ports, and the multiple
// authentication guest VLAN table with VLAN 10 (port 3). Port lists are 48 octets long in stack
// mode and 8 stand-alone, as the port pickers bind them.
#pragma once

#include <string>

namespace guest_vlan_scenario {

inline const std::string kDot1xGuest = "1.3.6.1.4.1.746.12.30.1";
inline const std::string kMbaControl = "1.3.6.1.4.1.746.12.35.1";
inline const std::string kStatisticEntry = "1.3.6.1.4.1.746.12.3.6.2.1";
inline const std::string kGuestVlanEntry = "1.3.6.1.4.1.746.12.3.11.2.1";

// A port list of the given ports (1-based, unit 1) as hex, as long as the stack mode makes it.
inline std::string PortList(bool stacked, std::initializer_list<int> ports) {
    std::string octets(stacked ? 48 : 8, '\0');
    for (int port : ports) {
        octets[static_cast<size_t>((port - 1) / 8)] |= static_cast<char>(0x80 >> ((port - 1) % 8));
    }
    static const char* kDigits = "0123456789ABCDEF";
    std::string hex;
    for (char octet : octets) {
        hex += kDigits[static_cast<unsigned char>(octet) >> 4];
        hex += kDigits[static_cast<unsigned char>(octet) & 0x0F];
    }
    return hex;
}

// A statistics row's instance: the MAC address's six octets, then the port.
inline const std::string kFirstStation = "0.1.2.3.4.5.1";
inline const std::string kSecondStation = "0.10.11.12.13.14.5";

struct Options {
    bool Stacked = false;
    std::string GuestName = "guest"; // the 802.1X guest VLAN's name ("" none)
    std::string MacName = "mac1";    // the MAC-based guest VLAN's name ("" none)
    bool Statistics = true;          // the two statistics rows, or none
};

inline std::string Scenario(const Options& options = {}) {
    const std::string ports = PortList(options.Stacked, {1, 3});
    auto object = [](const std::string& oid, const char* type, const std::string& value) {
        return R"([")" + oid + R"(.0", ")" + type + R"(", )" + value + R"(, "rw"])";
    };
    auto text = [](const std::string& value) { return "\"" + value + "\""; };
    const std::string objects =
        object(kDot1xGuest + ".1", "string", text(options.GuestName)) + ", " +
        object(kDot1xGuest + ".2", "hex", text(ports)) + ", " + object(kDot1xGuest + ".3", "int", "1") +
        ", " + object(kMbaControl + ".1", "int", "2") + ", " + object(kMbaControl + ".2", "int", "1") + ", " +
        object(kMbaControl + ".3", "string", text("secret")) + ", " +
        object(kMbaControl + ".4", "string", text(options.MacName)) + ", " +
        object(kMbaControl + ".5", "hex", text(ports)) + ", " + object(kMbaControl + ".7", "int", "1") +
        ", " + object(kMbaControl + ".8", "int", "1");
    std::string statisticRows;
    if (options.Statistics) {
        statisticRows = R"([")" + kFirstStation +
                        R"(", 10, 11, 1, 2, 3, 4, 5, 6, 7, 8, 2, "000102030405"], [")" + kSecondStation +
                        R"(", 20, 21, 11, 12, 13, 14, 15, 16, 17, 18, 1, "000A0B0C0D0E"])";
    }
    const std::string statistics = R"({"entry": ")" + kStatisticEntry +
                                   R"(", "columns": [[1, "counter"], [2, "counter"], [3, "counter"],
        [4, "counter"], [5, "counter"], [6, "counter"], [7, "counter"], [8, "counter"], [9, "counter"],
        [10, "counter"], [11, "gauge"], [12, "hex"]], "rows": [)" +
                                   statisticRows + "]}";
    const std::string guestVlans = R"({"entry": ")" + kGuestVlanEntry +
                                   R"(", "columns": [[2, "hex", "rw", ")" + PortList(options.Stacked, {}) +
                                   R"("], [3, "rowstatus"]], "rows": [["10", ")" +
                                   PortList(options.Stacked, {3}) + R"(", 1]]})";
    return R"({"stack_mode": ")" + std::string(options.Stacked ? "enabled" : "disabled") +
           R"(", "objects": [)" + objects + R"(], "tables": [)" + statistics + ", " + guestVlans + "]}";
}

} // namespace guest_vlan_scenario
