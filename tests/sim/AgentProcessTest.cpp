// Life of an agent process: started where asked, stopped by its pid, never left behind.
#include "NetSnmpTestClient.h"
#include "SimAgent.h"
#include "SnmpdAgent.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace agent_process_test {

namespace {

bool Running(pid_t pid) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
        return false; // reaped just now: this process is the agents' subreaper
    }
    std::string stat;
    if (FILE* f = fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r")) {
        char buffer[512] = {};
        stat = fgets(buffer, sizeof buffer, f) ? buffer : "";
        fclose(f);
    }
    auto close = stat.rfind(')');
    return close != std::string::npos && stat.compare(close + 2, 1, "Z") != 0;
}

bool EndsWithin(pid_t pid, const std::string& folder, std::chrono::seconds bound) {
    auto deadline = std::chrono::steady_clock::now() + bound;
    while (Running(pid) || std::filesystem::exists(folder)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace

TEST(AgentProcess, StopEndsTheAgentAndRemovesItsFolder) {
    for (const char* kind : {"snmpsim", "snmpd", "hostile"}) {
        AgentOptions options;
        options.Kind = kind;
        options.Address = "127.0.0.77"; // the probe comes from 127.0.0.1 all the same
        AgentProcess agent(options);
        const pid_t pid = agent.Pid();
        const std::string folder = agent.Folder();
        ASSERT_TRUE(Running(pid)) << kind;
        ASSERT_TRUE(agent.Answers(2000)) << kind;
        EXPECT_TRUE(agent.Stop()) << kind;
        EXPECT_FALSE(Running(pid)) << kind;
        EXPECT_FALSE(std::filesystem::exists(folder)) << kind;
        EXPECT_FALSE(agent.Answers(300)) << kind;
    }
}

// The test process dies without running a destructor (a crash): its agents end by themselves.
TEST(AgentProcess, AgentEndsWhenItsTestProcessDiesWithoutStoppingIt) {
    for (const char* kind : {"snmpsim", "snmpd", "hostile"}) {
        int report[2];
        ASSERT_EQ(pipe(report), 0);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(report[0]);
            std::string line = "failed";
            try {
                AgentOptions options;
                options.Kind = kind;
                auto* agent = new AgentProcess(options); // never stopped, never deleted
                line = std::to_string(agent->Pid()) + " " + agent->Folder();
            } catch (const std::exception& e) {
                line += std::string(": ") + e.what();
            }
            (void)!write(report[1], line.data(), line.size());
            _exit(0);
        }
        close(report[1]);
        std::string line;
        char buffer[512];
        for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;) {
            line.append(buffer, static_cast<size_t>(n));
        }
        close(report[0]);
        int status = 0;
        waitpid(child, &status, 0);
        pid_t pid = 0;
        char folder[256] = {};
        ASSERT_EQ(sscanf(line.c_str(), "%d %255s", &pid, folder), 2) << kind << ": " << line;
        EXPECT_TRUE(EndsWithin(pid, folder, std::chrono::seconds(10)))
            << kind << " agent " << pid << " outlived its owner";
        if (Running(pid)) {
            kill(pid, SIGKILL);
        }
    }
}

TEST(AgentProcess, StartsOnPort161OfAnotherLoopbackAddressWhenAsked) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "binding port 161 needs root";
    }
    // An address of this process's own, so that test runs side by side do not meet on port 161.
    const pid_t me = getpid();
    AgentOptions options;
    options.Address = "127.1." + std::to_string(1 + me / 250 % 250) + "." + std::to_string(1 + me % 250);
    options.Port = 161;
    options.Scenario = R"({"model": "24ZO-DC"})";
    SimAgent agent(options);
    EXPECT_EQ(agent.Peer(), options.Address + ":161");
    NetSnmpTarget target;
    target.Version = SNMP_VERSION_2c;
    target.Peer = agent.Peer();
    NetSnmpReply reply = NetSnmpTestClient(target).Get({"1.3.6.1.2.1.1.2.0"});
    EXPECT_EQ(reply.VarBinds,
              (std::vector<SimVarBind>{{"1.3.6.1.2.1.1.2.0", SimValue::Oid("1.3.6.1.4.1.746.10.117.7.1")}}));
}

TEST(AgentProcess, RefusesAddressesOutsideLoopbackAndHeldPorts) {
    AgentOptions outside;
    outside.Address = "10.1.1.1";
    EXPECT_THROW(AgentProcess{outside}, std::runtime_error);

    AgentProcess first;
    AgentOptions same;
    same.Address = first.Address();
    same.Port = first.Port();
    try {
        AgentProcess second(same);
        ADD_FAILURE() << "two agents on " << first.Peer();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("already held"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(first.Answers(2000));
}

} // namespace agent_process_test
