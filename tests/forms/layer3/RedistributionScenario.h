// The simulated switch of the route redistribution and policy route dialogs' tests and pictures:
// the model's IPv4 redistribution table (ospf into rip as inter-E1 with a route map, static into
// ospf as type-1), its IPv6 redistribution table (ospfv3 into ripng as all, static into ospfv3 as
// type-1; the Type column written only by the SET that creates its row) and the policy route table
// ("web" enabled, "voice" disabled).
#pragma once

#include "InstanceArcs.h"

#include <string>

namespace redistribution_scenario {

inline std::string Ipv4Entry(int arc = 2) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(arc) + ".1.3.5.1";
}
inline std::string Ipv6Entry(int arc = 2) {
    return "1.3.6.1.4.1.746.11.117." + std::to_string(arc) + ".1.3.20.1";
}
inline const std::string kPolicyEntry = "1.3.6.1.4.1.746.12.32.3.1.1";
inline const std::string kWeb = TextArcs("web");
inline const std::string kVoice = TextArcs("voice");

inline std::string Tables(int arc = 2) {
    return R"({"entry": ")" + Ipv4Entry(arc) +
           R"(", "columns": [[3, "int", "rw", 2], [4, "gauge", "rw", 0], [5, "rowstatus"], [6, "string", "rw", ""]],)"
           R"( "rows": [["3.2", 7, 5, 1, "map1"], ["4.3", 3, 20, 1, ""]]}, {"entry": ")" +
           Ipv6Entry(arc) +
           R"(", "columns": [[3, "int", "createonly", 3], [4, "gauge", "rw", 0], [5, "rowstatus"]],)"
           R"( "rows": [["4.1", 3, 2, 1], ["2.2", 1, 10, 1]]}, {"entry": ")" +
           kPolicyEntry +
           R"(", "columns": [[2, "int", "rw", 0], [3, "int", "rw", 0], [4, "ip", "rw", "0.0.0.0"], [5, "rowstatus"]],)"
           R"( "rows": [[")" +
           kWeb + R"(", 1, 10, "10.1.1.254", 1], [")" + kVoice + R"(", 2, 20, "10.2.2.254", 2]]})";
}

// The switch of the model `model` whose sysObjectID arc is `arc`; `sysObjectId` another one (a
// switch of no listed model).
inline std::string Scenario(const std::string& model = "24RA", int arc = 2,
                            const std::string& sysObjectId = "") {
    return R"({"model": ")" + model + R"(", )" +
           (sysObjectId.empty() ? "" : R"("sys_object_id": ")" + sysObjectId + R"(", )") + R"("tables": [)" +
           Tables(arc) + "]}";
}

} // namespace redistribution_scenario
