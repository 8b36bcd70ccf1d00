// A simulated agent process (sim/agent.sh), started on loopback and stopped by its process id.
//
// The constructor starts the agent, waits (bounded) until it answers and throws
// std::runtime_error when it cannot. The destructor stops it. An agent also ends by itself as
// soon as the test process is gone, even after a crash: it watches a pipe whose write end only
// this process holds. Addresses outside 127.0.0.0/8 are refused.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/types.h>

struct AgentOptions {
    std::string Kind = "snmpsim";      // "snmpsim" (the simulated switch), "snmpd" (USM cases) or
                                       // "hostile" (broken replies)
    std::string Address = "127.0.0.1"; // any 127.0.0.x
    int Port = 0;                      // 0: a free port; 161 for whole-program tests (needs root)
    std::string Scenario;              // snmpsim: the scenario JSON to start with ("" = default)
};

// The options with another kind of agent.
inline AgentOptions WithKind(AgentOptions options, const char* kind) {
    options.Kind = kind;
    return options;
}

class AgentProcess {
public:
    explicit AgentProcess(const AgentOptions& options = {});
    virtual ~AgentProcess();
    AgentProcess(const AgentProcess&) = delete;
    AgentProcess& operator=(const AgentProcess&) = delete;

    const std::string& Address() const { return AddressText; }
    int Port() const { return PortNumber; }
    std::string Peer() const; // "127.0.0.1:PORT", as net-snmp takes a peer name
    pid_t Pid() const { return ProcessId; }
    const std::string& Folder() const { return InstanceFolder; } // the agent's instance folder

    // Sends an SNMPv2c GET of 0.0 and waits up to timeoutMs for any reply. The simulated
    // switch takes up a new store or control file at the next request; this is that request.
    bool Answers(int timeoutMs) const;

    // Stops the agent (SIGTERM, then SIGKILL) and removes its folder; true once it is gone.
    // Idempotent; the destructor calls it.
    bool Stop();

    // Faults the agent reported about itself (errors.txt) since the last call, "" when none.
    std::string TakeErrors();

protected:
    std::string ReadAgentFile(const std::string& name) const; // "" when missing
    // Replaces a file of the instance folder whole (written, then renamed into place): the agent
    // never reads half a file and sees a new inode however quickly two versions follow.
    void ReplaceAgentFile(const std::string& name, const std::string& text);
    void RemoveAgentFile(const std::string& name);
    // Makes the agent take up changed files (one probe request) and throws std::runtime_error
    // when it does not answer or reports a fault.
    void Sync(const std::string& what);

private:
    std::string AddressText;
    int PortNumber = 0;
    pid_t ProcessId = -1;
    std::string InstanceFolder;
    int OwnerPipe = -1; // write end; the agent ends when it closes
};

// Where sim/ is: $ZQS_SIM_DIR, else the source tree this was built from.
std::string SimDirectory();

// An encoded SNMPv2c GET request of one OID (dotted text), for tests below the SNMP library.
std::string SnmpV2cGetPacket(const std::string& community, const std::string& oid, int32_t requestId);

// The one agent of type Agent that a test executable shares: started on first use, stopped at
// exit. A failed start is remembered, so that every later test fails at once with its reason
// instead of waiting for another start.
template <class Agent> Agent& SharedAgent() {
    static std::string failure;
    static std::unique_ptr<Agent> agent;
    if (!agent && failure.empty()) {
        try {
            agent = std::make_unique<Agent>();
        } catch (const std::exception& e) {
            failure = e.what();
        }
    }
    if (!agent) {
        throw std::runtime_error(failure);
    }
    return *agent;
}
