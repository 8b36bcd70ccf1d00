#include "SnmpAdapter.h"

#include "SilentTarget.h"
#include "VqSNMPError.h"

#include <QDeadlineTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

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
        SnmpTarget target = SilentTarget(silent, 3);
        target.SecurityModel = model;
        target.SecurityLevel = level;
        target.AuthProtocol = auth;
        target.AuthPassword = "authpassword";
        target.PrivProtocol = priv;
        target.PrivPassword = "privpassword";
        return target;
    };
    SnmpTarget empty = SilentTarget(silent);
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
        {"version 2", SilentTarget(silent, 2), kSysContact, -416},
        {"empty address", empty, kSysContact, -418},
        {"OID of one arc", SilentTarget(silent), {{SnmpOid({1}), {}}}, -417},
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
    EXPECT_TRUE(SnmpAdapter::IsValidAddress("localhost"));
}

TEST(SnmpAdapter, SilentPortTimesOutAfterTheTimeOutTwice) {
    int status = -1;
    SnmpAdapter adapter(status);
    SilentPort silent;
    for (int version : {0, 1, 3}) {
        SnmpTarget target = SilentTarget(silent, version, 15);
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
    ASSERT_EQ(adapter.RequestAsync(SnmpOperation::GetNext, SilentTarget(silent), kSysContact,
                                   [&](int status, SnmpReply& reply) {
                                       ++calls;
                                       seen = status;
                                       EXPECT_EQ(reply.AgentAddress, "127.0.0.1");
                                       EXPECT_EQ(reply.AgentPort, silent.Port());
                                   }),
              0);
    // A blocking call to the same agent waits out its own time-out without delivering ours.
    SnmpReply reply;
    EXPECT_EQ(adapter.Request(SnmpOperation::Get, SilentTarget(silent), kSysContact, reply), kSnmpTimeout);
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
        ASSERT_EQ(adapter.RequestAsync(SnmpOperation::Get, SilentTarget(silent, version, 500), kSysContact,
                                       [&](int status, SnmpReply&) { statuses.push_back(status); }),
                  0);
    uint64_t cancelled = 0;
    ASSERT_EQ(adapter.RequestAsync(
                  SnmpOperation::Get, SilentTarget(silent, 1, 500), kSysContact,
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
    ASSERT_EQ(adapter.RequestAsync(SnmpOperation::Get, SilentTarget(silent), kSysContact,
                                   [&](int, SnmpReply&) {
                                       order.push_back("first");
                                       adapter.RequestAsync(
                                           SnmpOperation::Get, SilentTarget(silent), kSysContact,
                                           [&](int, SnmpReply&) { order.push_back("sent later"); });
                                       throw std::runtime_error("handler failed");
                                   }),
              0);
    ASSERT_EQ(adapter.RequestAsync(SnmpOperation::Get, SilentTarget(silent), kSysContact,
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
