// The simulated ZQS-4410 switch (snmpsim with our variation module, sim/) for integration tests.
//
// One agent serves the whole test executable (SimAgent::Shared(); it takes a moment to start);
// tests replace its store, read its SET log and set reply delays and error injections between
// cases without restarting it. SimTest (SimTest.h) resets it before every test.
//
// Communities, v3 users and passwords: SimTypes.h. The scenario format: sim/README.md.
//
// Every change (LoadScenario, LoadSnmprec, SetDelay, ...) returns once the agent has taken it
// up, and throws std::runtime_error when the agent refused it (a broken scenario, say).
#pragma once

#include "AgentProcess.h"
#include "SimTypes.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class SimAgent : public AgentProcess {
public:
    // Starts an agent of its own (on 127.0.0.x:161, say); Shared() is the usual one.
    explicit SimAgent(const AgentOptions& options = {});

    // The agent of this test executable: started on first use with the default scenario (one
    // stand-alone 24RA), stopped when the executable exits.
    static SimAgent& Shared();

    // Replaces the whole store by the one a scenario (JSON text) describes.
    void LoadScenario(const std::string& json);
    // Replaces the whole store by .snmprec text (oid|tag|value lines, `#!object` directives).
    void LoadSnmprec(const std::string& text);
    // Default scenario, no delays or injections, empty SET log.
    void Reset();

    // The store as the agent serves it now, sorted by OID.
    std::vector<std::pair<std::string, SimValue>> Store() const;
    std::optional<SimValue> Value(const std::string& oid) const;

    // Every SET PDU since the last ClearSetLog, oldest first.
    std::vector<SimSetPdu> SetLog() const;
    void ClearSetLog();

    // Requests that touch an OID under the prefix ("" = every OID): the reply waits ms
    // milliseconds; is refused with an error-status ("genErr", "noAccess", ...; a refused SET
    // changes nothing); or is not answered at all. Rules add up until ClearInjections.
    // snmpsim serves one request at a time, so a delayed reply holds up every request behind it
    // (HostileAgent's "late-reply" does not).
    void SetDelay(const std::string& prefix, int ms, SimOp op = SimOp::Any);
    void InjectError(const std::string& prefix, const std::string& status, SimOp op = SimOp::Any);
    void DropReplies(const std::string& prefix, SimOp op = SimOp::Any);
    void ClearInjections();

private:
    void WriteStore(const std::string& text);
    void WriteControl();

    std::vector<std::string> Rules; // control.json rule objects
};
