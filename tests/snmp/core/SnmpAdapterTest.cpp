#include "SnmpAdapter.h"

#include "SilentPort.h"
#include "SimTest.h"
#include "SnmpTestTargets.h"
#include "SnmpdAgent.h"
#include "VqSNMPError.h"

#include <QDeadlineTimer>
#include <gtest/gtest.h>

#include <netdb.h>

#include <chrono>
#include <functional>
#include <memory>

namespace snmp_adapter_test {

namespace {

// Pumps until `done` holds or five seconds have passed.
bool PumpUntil(SnmpAdapter& adapter, const std::function<bool()>& done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        adapter.ProcessPendingEvents();
    return done();
}

} // namespace

TEST(SnmpAdapter, RefusesWhatItCannotSendWithoutAnyCallback) {
    int status = -1;
    SnmpAdapter adapter(status);
    ASSERT_EQ(status, 0);
    SilentPort silent;
    auto v3 = [&](int model, int level, int auth, int priv) {
        SnmpTarget target = TargetAt(silent.Address(), silent.Port(), 3);
        target.SecurityModel = model;
        target.SecurityLevel = level;
        target.AuthProtocol = auth;
        target.AuthPassword = "authpassword";
        target.PrivProtocol = priv;
        target.PrivPassword = "privpassword";
        return target;
    };
    SnmpTarget empty = TargetAt(silent.Address(), silent.Port());
    empty.Address = "";
    struct Case {
        const char* name;
        SnmpTarget target;
        std::vector<SnmpVarBind> bindings;
        int code; // MapSnmpStatus of the refusal
    } cases[] = {
        {"security model 1 under v3", v3(1, 1, 1, 1), kSysContact, -201},
        {"security model 2 under v3", v3(2, 1, 1, 1), kSysContact, -201},
        {"auth protocol 4", v3(3, 2, 4, 1), kSysContact, -312},
        {"priv protocol 3 (3DES)", v3(3, 3, 2, 3), kSysContact, -313},
        {"priv protocol 4 (IDEA)", v3(3, 3, 2, 4), kSysContact, -313},
        {"level 0", v3(3, 0, 2, 2), kSysContact, -303},
        {"level 4", v3(3, 4, 2, 2), kSysContact, -303},
        {"authNoPriv without auth protocol", v3(3, 2, 1, 2), kSysContact, -303},
        {"authPriv without priv protocol", v3(3, 3, 2, 1), kSysContact, -303},
        {"version 2", TargetAt(silent.Address(), silent.Port(), 2), kSysContact, -416},
        {"empty address", empty, kSysContact, -418},
        {"OID of one arc", TargetAt(silent.Address(), silent.Port()), {{SnmpOid({1}), {}}}, -417},
    };
    for (const Case& c : cases) {
        int calls = 0;
        int status =
            adapter.RequestAsync(SnmpOperation::Get, c.target, c.bindings, [&](int, SnmpReply&) { ++calls; });
        int code = 0;
        std::string message;
        MapSnmpStatus(status, code, message);
        EXPECT_EQ(code, c.code) << c.name;
        SnmpReply reply;
        MapSnmpStatus(adapter.Request(SnmpOperation::Get, c.target, c.bindings, reply), code, message);
        EXPECT_EQ(code, c.code) << c.name << " (blocking)";
        adapter.ProcessPendingEvents();
        EXPECT_EQ(calls, 0) << c.name;
    }
    EXPECT_EQ(adapter.PendingCount(), 0);
    // Only texts that need no name server: nothing may leave the loopback network.
    EXPECT_FALSE(SnmpAdapter::IsValidAddress(""));
    EXPECT_TRUE(SnmpAdapter::IsValidAddress("127.0.0.1"));
    // "localhost" is a name too: it passes wherever the machine itself resolves it (a bare system
    // without /etc/hosts does not).
    addrinfo* found = nullptr;
    if (getaddrinfo("localhost", nullptr, nullptr, &found) == 0) {
        freeaddrinfo(found);
        EXPECT_TRUE(SnmpAdapter::IsValidAddress("localhost"));
    }
}

TEST(SnmpAdapter, SilentPortTimesOutAfterTheTimeOutTwice) {
    int status = -1;
    SnmpAdapter adapter(status);
    SilentPort silent;
    for (int version : {0, 1, 3}) {
        SnmpTarget target = TargetAt(silent.Address(), silent.Port(), version, 15);
        SnmpReply reply;
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(adapter.Request(SnmpOperation::Get, target, kSysContact, reply), kSnmpTimeout) << version;
        auto took = std::chrono::steady_clock::now() - start;
        // One try and one retry of 150 ms each.
        EXPECT_GE(took, std::chrono::milliseconds(300)) << version;
        EXPECT_LT(took, std::chrono::milliseconds(2300)) << version;
    }
}

TEST(SnmpAdapter, AsynchronousTimeOutArrivesOnlyFromThePump) {
    int status = -1;
    SnmpAdapter adapter(status);
    SilentPort silent;
    int calls = 0, seen = 0;
    ASSERT_EQ(adapter.RequestAsync(SnmpOperation::GetNext, TargetAt(silent.Address(), silent.Port()),
                                   kSysContact,
                                   [&](int status, SnmpReply& reply) {
                                       ++calls;
                                       seen = status;
                                       EXPECT_EQ(reply.AgentAddress, "127.0.0.1");
                                       EXPECT_EQ(reply.AgentPort, silent.Port());
                                   }),
              0);
    // A blocking call to the same agent waits out its own time-out without delivering ours.
    SnmpReply reply;
    EXPECT_EQ(
        adapter.Request(SnmpOperation::Get, TargetAt(silent.Address(), silent.Port()), kSysContact, reply),
        kSnmpTimeout);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(PumpUntil(adapter, [&] { return calls > 0; }));
    EXPECT_EQ(seen, kSnmpTimeout);
    adapter.ProcessPendingEvents();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(adapter.PendingCount(), 0);
}

TEST(SnmpAdapter, ClosingGivesEachRequestInFlightOneSessionClosedCall) {
    int status = -1;
    SnmpAdapter adapter(status);
    SilentPort silent;
    std::vector<int> statuses;
    for (int version : {1, 0})
        ASSERT_EQ(adapter.RequestAsync(SnmpOperation::Get,
                                       TargetAt(silent.Address(), silent.Port(), version, 500), kSysContact,
                                       [&](int status, SnmpReply&) { statuses.push_back(status); }),
                  0);
    uint64_t cancelled = 0;
    ASSERT_EQ(adapter.RequestAsync(
                  SnmpOperation::Get, TargetAt(silent.Address(), silent.Port(), 1, 500), kSysContact,
                  [&](int status, SnmpReply&) { statuses.push_back(1000 + status); }, &cancelled),
              0);
    adapter.Cancel(cancelled);
    EXPECT_EQ(adapter.PendingCount(), 2);
    adapter.Close();
    EXPECT_EQ(statuses, (std::vector<int>{kSnmpSessionClosed, kSnmpSessionClosed}));
    adapter.ProcessPendingEvents();
    EXPECT_EQ(statuses.size(), 2u);
    EXPECT_EQ(adapter.PendingCount(), 0);
}

TEST(SnmpAdapter, CallbackMaySendAndAThrowingCallbackLeavesTheRestPending) {
    int status = -1;
    SnmpAdapter adapter(status);
    SilentPort silent;
    std::vector<std::string> order;
    ASSERT_EQ(adapter.RequestAsync(SnmpOperation::Get, TargetAt(silent.Address(), silent.Port()), kSysContact,
                                   [&](int, SnmpReply&) {
                                       order.push_back("first");
                                       adapter.RequestAsync(
                                           SnmpOperation::Get, TargetAt(silent.Address(), silent.Port()),
                                           kSysContact,
                                           [&](int, SnmpReply&) { order.push_back("sent later"); });
                                       throw std::runtime_error("handler failed");
                                   }),
              0);
    ASSERT_EQ(adapter.RequestAsync(SnmpOperation::Get, TargetAt(silent.Address(), silent.Port()), kSysContact,
                                   [&](int, SnmpReply&) { order.push_back("second"); }),
              0);
    QDeadlineTimer deadline(5000);
    bool thrown = false;
    while (!thrown && !deadline.hasExpired()) {
        try {
            adapter.ProcessPendingEvents();
        } catch (const std::runtime_error&) {
            thrown = true;
        }
    }
    ASSERT_TRUE(thrown);
    EXPECT_EQ(adapter.PendingCount(), 2); // the second and the one sent from the handler
    EXPECT_TRUE(PumpUntil(adapter, [&] { return order.size() == 3; }));
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "sent later"}));
}

namespace {

class SnmpAdapterAgent : public SimTest {
protected:
    SnmpAdapter Adapter{Status};
    int Status = -1;
    SnmpTarget Target(int version = 1) const {
        return TargetAt(Agent().Address(), Agent().Port(), version, 100);
    }
};

const char* const kSysObjectId = "1.3.6.1.2.1.1.2.0";
const char* const kSysName = "1.3.6.1.2.1.1.5.0";
const SnmpOid kModel24RA = *SnmpOid::Parse("1.3.6.1.4.1.746.10.117.2.1");

} // namespace

TEST_F(SnmpAdapterAgent, ReadsAndWritesOverEveryVersionAndSecurityLevel) {
    namespace C = SimCredentials;
    const std::string address = Agent().Address();
    const int port = Agent().Port();
    SnmpTarget withContext =
        V3TargetAt(address, port, C::kUserShaAes, 3, kAuthProtocolSha, kPrivProtocolAes128);
    withContext.ContextName = C::kContext;
    struct Case {
        const char* name;
        SnmpTarget target;
        const char* principal;
    } cases[] = {
        {"v1", Target(0), C::kWriteCommunity},
        {"v2c", Target(1), C::kWriteCommunity},
        {"v3 noAuthNoPriv", V3TargetAt(address, port, C::kUserNoAuth, 1, 1, 1), C::kUserNoAuth},
        {"v3 authNoPriv MD5", V3TargetAt(address, port, C::kUserMd5, 2, kAuthProtocolMd5, 1), C::kUserMd5},
        {"v3 authNoPriv SHA", V3TargetAt(address, port, C::kUserSha, 2, kAuthProtocolSha, 1), C::kUserSha},
        {"v3 authPriv MD5 DES",
         V3TargetAt(address, port, C::kUserMd5Des, 3, kAuthProtocolMd5, kPrivProtocolDes), C::kUserMd5Des},
        {"v3 authPriv SHA AES",
         V3TargetAt(address, port, C::kUserShaAes, 3, kAuthProtocolSha, kPrivProtocolAes128), C::kUserShaAes},
        {"v3 with context", withContext, C::kUserShaAes},
    };
    for (const Case& c : cases) {
        SnmpReply reply;
        ASSERT_EQ(Adapter.Request(SnmpOperation::Get, c.target, {Binding(kSysObjectId)}, reply), 0) << c.name;
        ASSERT_EQ(reply.VarBinds.size(), 1u) << c.name;
        EXPECT_EQ(reply.VarBinds[0].Value, SnmpValue::ObjectId(kModel24RA)) << c.name;

        ASSERT_EQ(Adapter.Request(SnmpOperation::GetNext, c.target, {Binding("1.3.6.1.2.1.1.2")}, reply), 0)
            << c.name;
        ASSERT_EQ(reply.VarBinds.size(), 1u) << c.name;
        EXPECT_EQ(reply.VarBinds[0], Binding(kSysObjectId, SnmpValue::ObjectId(kModel24RA))) << c.name;

        const std::string name = std::string("switch ") + c.name;
        ASSERT_EQ(Adapter.Request(SnmpOperation::Set, c.target, {Binding(kSysName, SnmpValue::Octets(name))},
                                  reply),
                  0)
            << c.name;
        EXPECT_EQ(Agent().Value(kSysName), SimValue::Octets(name)) << c.name;
        std::vector<SimSetPdu> log = Agent().SetLog();
        ASSERT_FALSE(log.empty()) << c.name;
        EXPECT_EQ(log.back().Principal, c.principal) << c.name;
        EXPECT_EQ(log.back().Status, "noError") << c.name;
    }
}

TEST_F(SnmpAdapterAgent, EverySendGoesOutAsItsOwnTargetSaysFromBothModes) {
    // One agent, each target differing from the one before in one part: a send after a send to
    // another target must not go through that target's session. A community the agent does not
    // know, or a port where nothing answers, times out; the absent sysContact is noSuchName in
    // SNMPv1 and an exception value (status 0) in SNMPv2c.
    SilentPort silent;
    SnmpTarget known = Target(1);
    known.Timeout = 10;
    known.Retries = 0;
    auto changed = [&](auto change) {
        SnmpTarget target = known;
        change(target);
        return target;
    };
    const SnmpTarget v1 = changed([](SnmpTarget& t) { t.Version = 0; });
    struct Case {
        const char* name;
        SnmpTarget target;
        int status;
    } cases[] = {
        {"known", known, 0},
        {"unknown community", changed([](SnmpTarget& t) { t.ReadCommunity = "not the agent's"; }),
         kSnmpTimeout},
        {"known again", known, 0},
        {"silent port", changed([&](SnmpTarget& t) { t.Port = static_cast<uint16_t>(silent.Port()); }),
         kSnmpTimeout},
        {"known again", known, 0},
        {"v1", v1, 2},
        {"v1 with the unknown community", changed([](SnmpTarget& t) {
             t.Version = 0;
             t.ReadCommunity = "not the agent's";
         }),
         kSnmpTimeout},
        {"v1 again", v1, 2},
        {"v2c again", known, 0},
    };
    for (const Case& c : cases) {
        SnmpReply reply;
        EXPECT_EQ(Adapter.Request(SnmpOperation::Get, c.target, kSysContact, reply), c.status) << c.name;
    }
    for (const Case& c : cases) {
        int asyncStatus = -1;
        ASSERT_EQ(Adapter.RequestAsync(SnmpOperation::Get, c.target, kSysContact,
                                       [&](int status, SnmpReply&) { asyncStatus = status; }),
                  0)
            << c.name;
        EXPECT_TRUE(PumpUntil(Adapter, [&] { return asyncStatus != -1; })) << c.name;
        EXPECT_EQ(asyncStatus, c.status) << c.name;
    }
}

TEST_F(SnmpAdapterAgent, ErrorStatusOfAReplyIsReturnedAsItIsFromBothModes) {
    struct Case {
        const char* injected; // "" for none
        int version;
        const char* oid;
        int status;
    } cases[] = {
        {"", 0, "1.3.6.1.2.1.1.99.0", 2}, // v1 noSuchName
        {"genErr", 1, kSysName, 5},
        {"noAccess", 1, kSysName, 6},
        {"authorizationError", 1, kSysName, 16},
        {"inconsistentName", 1, kSysName, 18},
    };
    for (const Case& c : cases) {
        Agent().ClearInjections();
        if (*c.injected)
            Agent().InjectError(kSysName, c.injected);
        SnmpReply reply;
        EXPECT_EQ(Adapter.Request(SnmpOperation::Get, Target(c.version), {Binding(c.oid)}, reply), c.status)
            << c.injected;
        int asyncStatus = -1;
        ASSERT_EQ(Adapter.RequestAsync(SnmpOperation::Get, Target(c.version), {Binding(c.oid)},
                                       [&](int status, SnmpReply& r) {
                                           asyncStatus = status;
                                           EXPECT_EQ(r.ErrorIndex, 1);
                                       }),
                  0);
        EXPECT_TRUE(PumpUntil(Adapter, [&] { return asyncStatus != -1; })) << c.injected;
        EXPECT_EQ(asyncStatus, c.status) << c.injected;
    }
}

TEST_F(SnmpAdapterAgent, BlockingCallNeverDeliversTheReplyOfAnAsynchronousOne) {
    // Both replies are held back; the asynchronous one arrives while the blocking call waits.
    Agent().SetDelay("1.3.6.1.2.1.1.4", 200);
    std::vector<SnmpReply> delivered;
    ASSERT_EQ(Adapter.RequestAsync(SnmpOperation::Get, Target(), kSysContact,
                                   [&](int status, SnmpReply& reply) {
                                       EXPECT_EQ(status, 0);
                                       delivered.push_back(reply);
                                   }),
              0);
    SnmpReply reply;
    ASSERT_EQ(Adapter.Request(SnmpOperation::Get, Target(), kSysContact, reply), 0);
    EXPECT_EQ(reply.VarBinds.size(), 1u);
    EXPECT_TRUE(delivered.empty());
    EXPECT_TRUE(PumpUntil(Adapter, [&] { return !delivered.empty(); }));
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].VarBinds, reply.VarBinds);
    EXPECT_EQ(delivered[0].AgentAddress, Agent().Address());
    EXPECT_EQ(delivered[0].AgentPort, Agent().Port());
}

TEST_F(SnmpAdapterAgent, LaterRequestsAskForTheirOwnOidsWhateverEndedBefore) {
    // The variables of an ended request serve the next ones: each must go out with its own OID,
    // whatever the lengths and values of the ones before (a write's long value included).
    const std::string longName(60, 'n');
    struct Step {
        SnmpOperation operation;
        std::vector<SnmpVarBind> asked;
        std::vector<std::string> returned; // the OIDs of the reply, in order
    } steps[] = {
        {SnmpOperation::GetNext,
         {Binding("1.3.6.1.2.1.1.1"), Binding("1.3.6.1.2.1.1.2"), Binding("1.3.6.1.2.1.1.5")},
         {"1.3.6.1.2.1.1.1.0", kSysObjectId, kSysName}},
        {SnmpOperation::Set, {Binding(kSysName, SnmpValue::Octets(longName))}, {kSysName}},
        {SnmpOperation::Get, {Binding(kSysName), Binding(kSysObjectId)}, {kSysName, kSysObjectId}},
        {SnmpOperation::GetNext, {Binding(kSysObjectId)}, {"1.3.6.1.2.1.1.3.0"}},
        {SnmpOperation::Get, {Binding(kSysObjectId), Binding(kSysName)}, {kSysObjectId, kSysName}},
    };
    for (const bool blocking : {true, false}) {
        for (const Step& step : steps) {
            SnmpReply reply;
            if (blocking) {
                ASSERT_EQ(Adapter.Request(step.operation, Target(), step.asked, reply), 0);
            } else {
                int status = -1;
                ASSERT_EQ(Adapter.RequestAsync(step.operation, Target(), step.asked,
                                               [&](int s, SnmpReply& r) {
                                                   status = s;
                                                   reply = r;
                                               }),
                          0);
                ASSERT_TRUE(PumpUntil(Adapter, [&] { return status != -1; }));
                ASSERT_EQ(status, 0);
            }
            std::vector<std::string> oids;
            for (const SnmpVarBind& binding : reply.VarBinds)
                oids.push_back(binding.Oid.ToString());
            EXPECT_EQ(oids, step.returned) << (blocking ? "blocking" : "asynchronous");
            if (step.operation == SnmpOperation::Get) {
                const size_t name = step.returned[0] == kSysName ? 0 : 1;
                EXPECT_EQ(reply.VarBinds.at(name).Value, SnmpValue::Octets(longName));
            }
        }
    }
}

TEST(SnmpAdapterUsm, WrongPasswordAndUnknownUserAreUsmFailures) {
    namespace C = SimCredentials;
    SnmpdAgent& snmpd = SnmpdAgent::Shared();
    int status = -1;
    SnmpAdapter adapter(status);
    SnmpTarget right = V3TargetAt(snmpd.Address(), snmpd.Port(), C::kUserMd5, 2, kAuthProtocolMd5, 1);
    SnmpTarget wrong = right;
    wrong.AuthPassword = "not-the-password";
    SnmpTarget unknown = right;
    unknown.SecurityName = "zqs-nobody";
    struct Case {
        const char* name;
        const SnmpTarget& target;
        int code;
    } cases[] = {
        {"wrong password first", wrong, -308},
        {"right password after a wrong one", right, 0},
        {"wrong password after a right one", wrong, -308},
        {"unknown user", unknown, -304},
        {"right password again", right, 0},
    };
    for (const Case& c : cases) {
        SnmpReply reply;
        int code = 0;
        std::string message;
        MapSnmpStatus(adapter.Request(SnmpOperation::Get, c.target, {Binding(kSysObjectId)}, reply), code,
                      message);
        EXPECT_EQ(code, c.code) << c.name << ": " << message;
        int asyncStatus = 1;
        ASSERT_EQ(adapter.RequestAsync(SnmpOperation::Get, c.target, {Binding(kSysObjectId)},
                                       [&](int status, SnmpReply&) { asyncStatus = status; }),
                  0);
        EXPECT_TRUE(PumpUntil(adapter, [&] { return asyncStatus != 1; })) << c.name;
        MapSnmpStatus(asyncStatus, code, message);
        EXPECT_EQ(code, c.code) << c.name << " (asynchronous): " << message;
    }
}

TEST(SnmpAdapterUsm, AgentRestartedWithAnotherEngineIdIsDiscoveredAgain) {
    namespace C = SimCredentials;
    auto first = std::make_unique<SnmpdAgent>();
    const std::string address = first->Address();
    const int port = first->Port();
    int status = -1;
    SnmpAdapter adapter(status);
    SnmpTarget target = V3TargetAt(address, port, C::kUserMd5, 2, kAuthProtocolMd5, 1);
    target.Timeout = 30;
    SnmpReply reply;
    ASSERT_EQ(adapter.Request(SnmpOperation::Get, target, {Binding(kSysObjectId)}, reply), 0);
    ASSERT_TRUE(first->Stop());
    AgentOptions options;
    options.Address = address;
    options.Port = port;
    SnmpdAgent second(options); // a fresh engine ID on the same address and port
    // The first request still carries the old engine ID and fails; it makes the adapter forget it.
    int code = 0;
    std::string message;
    MapSnmpStatus(adapter.Request(SnmpOperation::Get, target, {Binding(kSysObjectId)}, reply), code, message);
    EXPECT_TRUE(code == -405 || code == -310) << message;
    EXPECT_EQ(adapter.Request(SnmpOperation::Get, target, {Binding(kSysObjectId)}, reply), 0);
    ASSERT_EQ(reply.VarBinds.size(), 1u);
    EXPECT_EQ(reply.VarBinds[0].Value, SnmpValue::ObjectId(kModel24RA));
}

namespace {

// An asynchronous request and how it ended (Status 1 while it waits).
struct AsyncEnd {
    int Status = 1;
    SnmpReply Reply;
    bool Ended() const { return Status != 1; }
};

// Shared with the callback: a test that stops early leaves the request to the adapter's close.
std::shared_ptr<AsyncEnd> SendSysObjectId(SnmpAdapter& adapter, const SnmpTarget& target) {
    auto end = std::make_shared<AsyncEnd>();
    const int sent = adapter.RequestAsync(SnmpOperation::Get, target, {Binding(kSysObjectId)},
                                          [end](int status, SnmpReply& reply) {
                                              end->Status = status;
                                              end->Reply = reply;
                                          });
    if (sent != 0)
        end->Status = sent;
    return end;
}

int CodeOf(int status) {
    int code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);
    return code;
}

// Two requests of one SNMPv3 user under other keys, sent together (the second while the first
// waits for its reply) or one after the other: each ends as it would alone, the one that succeeds
// with sysObjectID.
void ExpectEachEndsAsAlone(SnmpAdapter& adapter, const SnmpTarget& first, int firstCode,
                           const SnmpTarget& second, int secondCode) {
    for (const bool together : {true, false}) {
        SCOPED_TRACE(together ? "in flight together" : "one after the other");
        std::shared_ptr<AsyncEnd> ends[2];
        ends[0] = SendSysObjectId(adapter, first);
        if (!together) {
            ASSERT_TRUE(PumpUntil(adapter, [&] { return ends[0]->Ended(); }));
        }
        ends[1] = SendSysObjectId(adapter, second);
        ASSERT_TRUE(PumpUntil(adapter, [&] { return ends[0]->Ended() && ends[1]->Ended(); }));
        const int codes[] = {firstCode, secondCode};
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(CodeOf(ends[k]->Status), codes[k]) << "request " << k + 1;
            if (codes[k] == 0) {
                ASSERT_EQ(ends[k]->Reply.VarBinds.size(), 1u) << "request " << k + 1;
                EXPECT_EQ(ends[k]->Reply.VarBinds[0].Value, SnmpValue::ObjectId(kModel24RA))
                    << "request " << k + 1;
            }
        }
    }
}

} // namespace

// snmpd answers a wrong password with a report: the right request gets its value, the wrong one
// its authentication failure, in either order, and neither times out.
TEST(SnmpAdapterUsm, ARightAndAWrongPasswordOfOneUserInFlightTogetherEndAsEachWouldAlone) {
    namespace C = SimCredentials;
    SnmpdAgent& snmpd = SnmpdAgent::Shared();
    int status = -1;
    SnmpAdapter adapter(status);
    const SnmpTarget right = V3TargetAt(snmpd.Address(), snmpd.Port(), C::kUserMd5, 2, kAuthProtocolMd5, 1);
    SnmpTarget wrong = right;
    wrong.AuthPassword = "not-the-password";
    {
        SCOPED_TRACE("right, then wrong");
        ExpectEachEndsAsAlone(adapter, right, 0, wrong, -308);
    }
    {
        SCOPED_TRACE("wrong, then right");
        ExpectEachEndsAsAlone(adapter, wrong, -308, right, 0);
    }
}

namespace {

// The simulated switch's user with privacy, at authPriv and at authNoPriv (which the switch refuses
// for that user: an unsupported security level).
class SnmpAdapterKeySets : public SnmpAdapterAgent {
protected:
    SnmpAdapterKeySets()
        : Priv(V3TargetAt(Agent().Address(), Agent().Port(), SimCredentials::kUserMd5Des, 3, kAuthProtocolMd5,
                          kPrivProtocolDes)),
          Auth(Priv) {
        Auth.SecurityLevel = kSecurityLevelAuthNoPriv;
    }
    // The engine discovered and the user registered at authPriv, nothing in flight.
    void RegisterAtAuthPriv() {
        auto warm = SendSysObjectId(Adapter, Priv);
        ASSERT_TRUE(PumpUntil(Adapter, [&] { return warm->Ended(); }));
        ASSERT_EQ(warm->Status, 0);
    }
    static void ExpectSysObjectId(const AsyncEnd& end) {
        EXPECT_EQ(end.Status, 0);
        ASSERT_EQ(end.Reply.VarBinds.size(), 1u);
        EXPECT_EQ(end.Reply.VarBinds[0].Value, SnmpValue::ObjectId(kModel24RA));
    }
    SnmpTarget Priv;
    SnmpTarget Auth;
};

} // namespace

// The authPriv replies are decrypted with the user's privacy key although an authNoPriv request
// of the user came between.
TEST_F(SnmpAdapterKeySets, OneUserAtTwoSecurityLevelsInFlightTogetherEndAsEachWouldAlone) {
    {
        SCOPED_TRACE("authPriv, then authNoPriv");
        ExpectEachEndsAsAlone(Adapter, Priv, 0, Auth, -303);
    }
    {
        SCOPED_TRACE("authNoPriv, then authPriv");
        ExpectEachEndsAsAlone(Adapter, Auth, -303, Priv, 0);
    }
}

// A request under other keys waits at most its own time-out for the user's requests in flight:
// then it ends unsent with its own status and text, the one in flight gets its value, and the
// agent's engine ID is kept (the next request needs no discovery to succeed).
TEST_F(SnmpAdapterKeySets, ARequestWaitingForAnotherKeySetEndsUnsentAfterItsOwnTimeOut) {
    Priv.Timeout = 300;
    Auth.Timeout = 20; // 0.2 s, tried twice
    RegisterAtAuthPriv();
    Agent().SetDelay(kSysObjectId, 1500, SimOp::Get);
    auto slow = SendSysObjectId(Adapter, Priv);
    auto waiting = SendSysObjectId(Adapter, Auth);
    ASSERT_TRUE(PumpUntil(Adapter, [&] { return waiting->Ended(); }));
    EXPECT_FALSE(slow->Ended()) << "the waiting request ended within its own time-out";
    EXPECT_EQ(waiting->Status, kSnmpV3UserBusy);
    int code = 0;
    std::string message;
    MapSnmpStatus(waiting->Status, code, message);
    EXPECT_EQ(code, -531);
    EXPECT_EQ(message,
              "Not sent: the SNMPv3 user's requests with other passwords or security level were still "
              "waiting for replies!");
    ASSERT_TRUE(PumpUntil(Adapter, [&] { return slow->Ended(); }));
    ExpectSysObjectId(*slow);

    Agent().ClearInjections();
    auto next = SendSysObjectId(Adapter, Priv);
    ASSERT_TRUE(PumpUntil(Adapter, [&] { return next->Ended(); }));
    ExpectSysObjectId(*next);
}

// A blocking request under other keys reads the replies of the user's asynchronous requests in
// flight before it sends (and ends as alone); their callbacks still come from the pump alone.
TEST_F(SnmpAdapterKeySets, ABlockingRequestUnderOtherKeysWaitsForTheUsersRequestsInFlight) {
    RegisterAtAuthPriv();
    Agent().SetDelay(kSysObjectId, 300, SimOp::Get);
    auto inFlight = SendSysObjectId(Adapter, Priv);
    SnmpReply reply;
    EXPECT_EQ(CodeOf(Adapter.Request(SnmpOperation::Get, Auth, {Binding(kSysObjectId)}, reply)), -303);
    EXPECT_FALSE(inFlight->Ended()) << "delivered by the pump only";
    ASSERT_TRUE(PumpUntil(Adapter, [&] { return inFlight->Ended(); }));
    ExpectSysObjectId(*inFlight);
}

} // namespace snmp_adapter_test
