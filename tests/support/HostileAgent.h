// A hostile SNMPv1/v2c agent (sim/zqs_hostile.py) for tests of how the request engine meets
// broken replies. It works out the well-behaved answer from its store, then spoils it by the
// current scenario (the list and their options: sim/README.md), e.g.
//
//   HostileAgent::Shared().SetScenario("wrong-type", R"({"type": "counter64"})");
//
// SNMPv3 requests are never answered. Communities are not checked.
#pragma once

#include "AgentProcess.h"

#include <string>
#include <vector>

class HostileAgent : public AgentProcess {
public:
    explicit HostileAgent(AgentOptions options = {});

    // The hostile agent of this test executable, started on first use and stopped at exit.
    static HostileAgent& Shared() { return SharedAgent<HostileAgent>(); }

    // Every later request is answered by this scenario; options is a JSON object. Returns once
    // the agent has taken it up; throws std::runtime_error when it refused it.
    void SetScenario(const std::string& scenario, const std::string& optionsJson = "{}");
    // The data of the well-behaved answers (.snmprec lines); "" brings back the default: sysObjectID
    // and a table 1.3.6.1.4.1.746.99.1.1 with integer column 2 (10, 20, 30) and string column 3
    // ("one", "two", "three"), rows 1 to 3.
    void SetStore(const std::string& snmprec);
    // Well-behaved answers from the default store, and an empty request log.
    void Reset();

    // Requests received since the last ClearRequests, oldest first, one per line:
    // "get|next|set <request-id> <oid> ...". The fixtures' probe is not listed.
    std::vector<std::string> Requests() const;
    void ClearRequests();

private:
    void WriteControl();

    std::string Scenario = "normal";
    std::string Options = "{}";
    std::string Store;
};
