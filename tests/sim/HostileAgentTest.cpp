// The hostile agent does what each scenario says: seen through net-snmp where the library shows
// it, and on the wire where it hides it (source address, copies, datagram size).
#include "HostileAgent.h"
#include "NetSnmpTestClient.h"

// clang-format off
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// clang-format on

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace hostile_agent_test {

namespace {

constexpr const char* kColumn2 = "1.3.6.1.4.1.746.99.1.1.2";
constexpr const char* kRow1Int = "1.3.6.1.4.1.746.99.1.1.2.1";
constexpr const char* kRow1Text = "1.3.6.1.4.1.746.99.1.1.3.1";

struct Datagram {
    std::string Data;
    std::string FromAddress;
    int FromPort = 0;
};

// Sends one v2c GET from a raw socket and collects up to `count` datagrams within boundMs.
std::vector<Datagram> Exchange(const HostileAgent& agent, const std::string& oid, size_t count, int boundMs) {
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    int size = 1 << 20;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(agent.Port()));
    inet_pton(AF_INET, agent.Address().c_str(), &to.sin_addr);
    std::string packet = SnmpV2cGetPacket("tamber", oid, 4242);
    sendto(fd, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    std::vector<Datagram> received;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(boundMs);
    while (received.size() < count) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        std::string buffer(70000, '\0');
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        ssize_t n =
            recvfrom(fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (n < 0) {
            break;
        }
        char address[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &from.sin_addr, address, sizeof address);
        received.push_back({buffer.substr(0, static_cast<size_t>(n)), address, ntohs(from.sin_port)});
    }
    close(fd);
    return received;
}

} // namespace

class HostileAgentTest : public ::testing::Test {
protected:
    void SetUp() override { Agent().Reset(); }
    void TearDown() override { EXPECT_EQ(Agent().TakeErrors(), ""); }

    static HostileAgent& Agent() { return HostileAgent::Shared(); }

    static NetSnmpReply Get(const std::vector<std::string>& oids, int timeoutMs = 2000) {
        NetSnmpTarget target;
        target.Version = SNMP_VERSION_2c;
        target.Peer = Agent().Peer();
        target.TimeoutMs = timeoutMs;
        return NetSnmpTestClient(target).Get(oids);
    }
};

TEST_F(HostileAgentTest, RepliesThatNetSnmpTakesComeSpoiledAsAsked) {
    struct Case {
        const char* scenario;
        const char* options;
        long status;
        long index;
        std::vector<std::string> tags; // of the varbinds that come back
    } cases[] = {
        {"normal", "{}", 0, 0, {"2", "4x"}},
        {"wrong-type", R"({"type": "counter64"})", 0, 0, {"70", "70"}},
        {"wrong-type", R"({"type": "octets", "prefix": "1.3.6.1.4.1.746.99.1.1.2"})", 0, 0, {"4x", "4x"}},
        {"wrong-type", R"({"type": "nosuchinstance"})", 0, 0, {"129", "129"}},
        {"error-index-beyond", "{}", SNMP_ERR_GENERR, 3, {"2", "4x"}},
        {"fewer-varbinds", "{}", 0, 0, {"2"}},
        {"more-varbinds", R"({"extra": 2})", 0, 0, {"2", "4x", "2", "2"}},
    };
    for (const Case& c : cases) {
        Agent().SetScenario(c.scenario, c.options);
        NetSnmpReply reply = Get({kRow1Int, kRow1Text});
        ASSERT_EQ(reply.LibError, 0) << c.scenario << " " << c.options;
        EXPECT_EQ(reply.Status, c.status) << c.scenario;
        EXPECT_EQ(reply.Index, c.index) << c.scenario;
        std::vector<std::string> tags;
        for (const SimVarBind& vb : reply.VarBinds) {
            tags.push_back(vb.Value.Tag);
        }
        EXPECT_EQ(tags, c.tags) << c.scenario << " " << c.options;
    }
}

TEST_F(HostileAgentTest, RepliesThatNetSnmpCannotMatchEndInItsTimeOut) {
    struct Case {
        const char* scenario;
        const char* options;
    } cases[] = {
        {"random-bytes", R"({"length": 40})"},
        {"truncated", "{}"},
        {"wrong-request-id", "{}"},
        {"late-reply", R"({"delay_ms": 600})"},
    };
    for (const Case& c : cases) {
        Agent().SetScenario(c.scenario, c.options);
        EXPECT_EQ(Get({kRow1Int}, 200).LibError, SNMPERR_TIMEOUT) << c.scenario;
    }
    EXPECT_EQ(Agent().Requests().size(), 4u);
}

TEST_F(HostileAgentTest, OnTheWireRepliesComeFromElsewhereTwiceOrAsLargeAsADatagram) {
    Agent().SetScenario("other-port");
    auto otherPort = Exchange(Agent(), kRow1Int, 1, 2000);
    ASSERT_EQ(otherPort.size(), 1u);
    EXPECT_EQ(otherPort[0].FromAddress, "127.0.0.1");
    EXPECT_NE(otherPort[0].FromPort, Agent().Port());

    Agent().SetScenario("other-address", R"({"address": "127.0.0.2"})");
    auto otherAddress = Exchange(Agent(), kRow1Int, 1, 2000);
    ASSERT_EQ(otherAddress.size(), 1u);
    EXPECT_EQ(otherAddress[0].FromAddress, "127.0.0.2");

    Agent().SetScenario("duplicate");
    auto copies = Exchange(Agent(), kRow1Int, 2, 2000);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].Data, copies[1].Data);
    EXPECT_EQ(copies[0].FromPort, Agent().Port());

    Agent().SetScenario("largest-octet-string");
    auto largest = Exchange(Agent(), kRow1Int, 1, 2000);
    ASSERT_EQ(largest.size(), 1u);
    EXPECT_EQ(largest[0].Data.size(), 65507u);
    NetSnmpReply reply = Get({kRow1Int});
    ASSERT_EQ(reply.LibError, 0);
    ASSERT_EQ(reply.VarBinds.size(), 1u);
    EXPECT_GT(reply.VarBinds[0].Value.Bytes().size(), 65400u);
}

TEST_F(HostileAgentTest, WalkStepsGoBackwardsOrNeverEnd) {
    NetSnmpTarget target;
    target.Version = SNMP_VERSION_2c;
    target.Peer = Agent().Peer();
    NetSnmpTestClient client(target);

    Agent().SetScenario("non-increasing", R"({"how": "same", "after": 1})");
    EXPECT_EQ(client.GetNext({kColumn2}).VarBinds.at(0).Oid, kRow1Int); // the first step is fine
    EXPECT_EQ(client.GetNext({kRow1Int}).VarBinds.at(0).Oid, kRow1Int);

    Agent().SetScenario("non-increasing", R"({"how": "smaller"})");
    EXPECT_EQ(client.GetNext({"1.3.6.1.4.1.746.99.1.1.2.3"}).VarBinds.at(0).Oid,
              "1.3.6.1.4.1.746.99.1.1.2.2");

    Agent().SetScenario("endless-table");
    std::string at = kColumn2;
    for (int step = 1; step <= 200; ++step) {
        NetSnmpReply reply = client.GetNext({at});
        ASSERT_EQ(reply.VarBinds.size(), 1u);
        EXPECT_EQ(reply.VarBinds[0].Oid, std::string(kColumn2) + "." + std::to_string(step));
        at = reply.VarBinds[0].Oid;
    }
}

TEST_F(HostileAgentTest, UnknownScenarioIsRefused) {
    EXPECT_THROW(Agent().SetScenario("polite"), std::runtime_error);
    EXPECT_EQ(Get({kRow1Int}).VarBinds.at(0).Value, SimValue::Int(10)) << "answers well meanwhile";
}

} // namespace hostile_agent_test
