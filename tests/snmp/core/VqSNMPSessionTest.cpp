#include "VqSNMPSession.h"

#include "BootCounter.h"
#include "FileBytes.h"
#include "SilentPort.h"
#include "SimTest.h"
#include "SnmpTestTargets.h"
#include "VqException.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

namespace vq_snmp_session_test {

namespace {

const std::string kEngineHex = "5671534E4D505F50505F4170706C69636174696F6E";

std::string CounterFile(const QTemporaryDir& dir) {
    return dir.path().toStdString() + "/VqSNMP_PP_BootCounter";
}

std::string Content(const std::string& file) {
    std::string content;
    EXPECT_EQ(ReadFileBytes(file, content), FileRead::Ok) << file;
    return content;
}

// CreateGlobalSession's failure: its code and text, or 0 when it succeeded.
std::pair<int, std::string> Failure(const std::string& directory) {
    try {
        CreateGlobalSession(directory);
    } catch (const VqException& e) {
        return {e.Code(), e.what()};
    }
    return {0, ""};
}

} // namespace

TEST(CreateGlobalSession, CountsStartsFromOneInANewFolder) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    EXPECT_EQ(EngineBoots(), 1u);
    EXPECT_EQ(Content(CounterFile(dir)), kEngineHex + " 1\n");
    ASSERT_EQ(Failure(dir.path().toStdString() + "/").first, 0);
    EXPECT_EQ(EngineBoots(), 2u);
    EXPECT_EQ(Content(CounterFile(dir)), kEngineHex + " 2\n");
    EXPECT_NE(SnmpSession, nullptr);
}

// The count is an SNMPv3 snmpEngineBoots (0..2147483647): at its largest it stays there instead of
// wrapping to a number the switch would take for an old engine.
TEST(CreateGlobalSession, CountStopsAtItsLargestValue) {
    QTemporaryDir dir;
    std::ofstream(CounterFile(dir)) << kEngineHex << " 2147483646\n";
    for (int start = 0; start < 2; ++start) {
        ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
        EXPECT_EQ(EngineBoots(), 2147483647u);
        EXPECT_EQ(Content(CounterFile(dir)), kEngineHex + " 2147483647\n");
    }
}

TEST(CreateGlobalSession, KeepsOtherEnginesAndComments) {
    QTemporaryDir dir;
    std::ofstream(CounterFile(dir)) << "# boots\n80001F8880AB 12\n";
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    EXPECT_EQ(EngineBoots(), 1u);
    EXPECT_EQ(Content(CounterFile(dir)), "# boots\n80001F8880AB 12\n" + kEngineHex + " 1\n");
}

TEST(CreateGlobalSession, SetsTheDefaultsAndStartsThePump) {
    QTemporaryDir dir;
    SessionParameters.EventProcessor.Stop();
    SessionParameters.Device.Address = "10.0.0.1";
    SessionParameters.Security.Version = 3;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    const VqSessionParameters& p = SessionParameters;
    EXPECT_EQ(p.Device.Address, "127.0.0.1");
    EXPECT_EQ(p.Device.Port, 161);
    EXPECT_EQ(p.Scope.ContextEngineId, "");
    EXPECT_EQ(p.Scope.ContextName, "");
    EXPECT_EQ(p.Security.Version, 0);
    EXPECT_EQ(p.Security.ReadCommunity, "tamber");
    EXPECT_EQ(p.Security.WriteCommunity, "quindle");
    EXPECT_EQ(p.Security.SecurityModel, 1);
    EXPECT_EQ(p.Security.SecurityLevel, 1);
    EXPECT_EQ(p.Security.SecurityName, "");
    EXPECT_EQ(p.Security.AuthPassword, "");
    EXPECT_EQ(p.Security.PrivPassword, "");
    EXPECT_EQ(p.Security.AuthProtocol, 1);
    EXPECT_EQ(p.Security.PrivProtocol, 1);
    EXPECT_EQ(p.Timeout, 100);
    EXPECT_TRUE(p.EventProcessor.IsActive());
}

TEST(CreateGlobalSession, ReportsCounterFailuresWithTheirTexts) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        std::string directory;
        std::string content; // written to the counter file first when not empty
        int code;
        const char* text;
    } cases[] = {
        {"folder missing", dir.path().toStdString() + "/missing", "", -508,
         "Error when saving SNMP engine boots counter!"},
        {"count not decimal", dir.path().toStdString(), "80001F8880 7\n" + kEngineHex + " seven\n", -507,
         "Error when loading SNMP engine boots counter!"},
        {"count overflows", dir.path().toStdString(), kEngineHex + " 4294967296\n", -507,
         "Error when loading SNMP engine boots counter!"},
    };
    for (const Case& c : cases) {
        if (!c.content.empty())
            std::ofstream(CounterFile(dir)) << c.content;
        SessionParameters.Device.Address = "kept";
        auto [code, text] = Failure(c.directory);
        EXPECT_EQ(code, c.code) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(SessionParameters.Device.Address, "kept") << c.name << ": defaults set after a failure";
        if (!c.content.empty()) {
            EXPECT_EQ(Content(CounterFile(dir)), c.content) << c.name << ": file changed after a failure";
        }
    }
}

TEST(SnmpReplyTrampoline, RefusedSendCallsNothingAndFreesTheRecord) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    static int handled = 0;
    auto alive = std::make_shared<int>(0);
    auto record = std::make_unique<ReplyRecord>();
    record->Handler = [](VqSNMPRequest*, int, SnmpReply&, const VqReplyContinuation&, bool) { ++handled; };
    record->Continuation = [alive](VqSNMPError&, VqSNMPVarList&) {};
    SnmpTarget target;
    target.Address = "";
    EXPECT_EQ(SendWithRecord(SnmpOperation::Get, target, {}, std::move(record)), kSnmpInvalidAddress);
    EXPECT_EQ(alive.use_count(), 1);
    EXPECT_EQ(handled, 0);
}

TEST(SnmpReplyTrampoline, CallsTheHandlerWithTheRecordsFields) {
    struct Seen {
        VqSNMPRequest* request = nullptr;
        int reason = 0;
        bool decode = false;
        int continuations = 0;
    };
    static Seen seen;
    ReplyRecord record;
    record.Request = reinterpret_cast<VqSNMPRequest*>(&seen);
    record.DecodeReply = 1;
    record.Continuation = [](VqSNMPError&, VqSNMPVarList&) { ++seen.continuations; };
    record.Handler = [](VqSNMPRequest* request, int reason, SnmpReply&,
                        const VqReplyContinuation& continuation, bool decode) {
        seen.request = request;
        seen.reason = reason;
        seen.decode = decode;
        VqSNMPError error;
        continuation(error, *reinterpret_cast<VqSNMPVarList*>(&seen));
    };
    SnmpReply reply;
    SnmpReplyTrampoline(kSnmpTimeout, reply, record);
    EXPECT_EQ(seen.request, reinterpret_cast<VqSNMPRequest*>(&seen));
    EXPECT_EQ(seen.reason, kSnmpTimeout);
    EXPECT_TRUE(seen.decode);
    EXPECT_EQ(seen.continuations, 1);
}

TEST(SnmpEventProcessor, DeliversBetweenEventsAndNeverReentrantly) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    // Both requests go to a port that never answers, and so time out together.
    SilentPort silent;
    SnmpTarget target = TargetAt(silent.Address(), silent.Port(), 1, 5);
    const std::vector<SnmpVarBind>& binding = kSysContact;

    std::vector<int> calls;
    bool secondDuringFirst = false;
    ASSERT_EQ(SnmpSession->RequestAsync(SnmpOperation::Get, target, binding,
                                        [&](int status, SnmpReply&) {
                                            calls.push_back(status);
                                            // A nested event loop inside a handler, with a tick in it.
                                            QCoreApplication::processEvents();
                                            SessionParameters.EventProcessor.TimerTick();
                                            QCoreApplication::processEvents();
                                            secondDuringFirst = calls.size() > 1;
                                        }),
              0);
    ASSERT_EQ(SnmpSession->RequestAsync(SnmpOperation::Get, target, binding,
                                        [&](int status, SnmpReply&) { calls.push_back(status); }),
              0);
    EXPECT_TRUE(calls.empty()) << "delivered outside the event loop";
    QDeadlineTimer deadline(5000);
    while (calls.size() < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(calls, (std::vector<int>{kSnmpTimeout, kSnmpTimeout}));
    EXPECT_FALSE(secondDuringFirst);
    EXPECT_TRUE(SessionParameters.EventProcessor.IsActive());
}

TEST(SnmpEventProcessor, ReportsAnEscapedExceptionAndKeepsTicking) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    std::string reported;
    SessionParameters.EventProcessor.ExceptionHandler = [&](std::exception_ptr failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& e) {
            reported = e.what();
        }
    };
    SilentPort silent;
    ASSERT_EQ(SnmpSession->RequestAsync(SnmpOperation::Get, TargetAt(silent.Address(), silent.Port(), 1, 5),
                                        kSysContact, [](int, SnmpReply&) { RaiseVqError(-514); }),
              0);
    QDeadlineTimer deadline(5000);
    while (reported.empty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    SessionParameters.EventProcessor.ExceptionHandler = nullptr;
    EXPECT_EQ(reported, "Bad key count of SNMP variable list!");
    EXPECT_TRUE(SessionParameters.EventProcessor.IsActive());
    EXPECT_EQ(SnmpSession->PendingCount(), 0);
}

class SnmpEventProcessorAgent : public SimTest {};

TEST_F(SnmpEventProcessorAgent, AsynchronousGetIsDeliveredByThePumpAlone) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    SnmpTarget target = TargetAt(Agent().Address(), Agent().Port(), 1, 100);
    std::vector<SnmpVarBind> delivered;
    auto record = std::make_unique<ReplyRecord>();
    record->DecodeReply = 1;
    record->Handler = [](VqSNMPRequest* request, int reason, SnmpReply& reply, const VqReplyContinuation&,
                         bool decode) {
        EXPECT_EQ(reason, 0);
        EXPECT_TRUE(decode);
        *reinterpret_cast<std::vector<SnmpVarBind>*>(request) = reply.VarBinds;
    };
    record->Request = reinterpret_cast<VqSNMPRequest*>(&delivered);
    ASSERT_EQ(SendWithRecord(SnmpOperation::GetNext, target, {Binding("1.3.6.1.2.1.1.2")}, std::move(record)),
              0);
    // Neither a blocking call nor the agent's reply itself delivers it: only the event loop.
    SnmpReply reply;
    ASSERT_EQ(SnmpSession->Request(SnmpOperation::Get, target, kSysContact, reply), 0);
    EXPECT_TRUE(delivered.empty());
    QDeadlineTimer deadline(5000);
    while (delivered.empty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].Oid.ToString(), "1.3.6.1.2.1.1.2.0");
    EXPECT_EQ(SnmpSession->PendingCount(), 0);
}

TEST(SnmpEventProcessor, SleepsWithNothingOutstandingAndWakesForTheTimeOut) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    _SnmpEventProcessor& pump = SessionParameters.EventProcessor;
    ASSERT_EQ(SnmpSession->PendingCount(), 0);
    EXPECT_TRUE(pump.IsActive());
    EXPECT_FALSE(pump.IsTimerRunning()) << "the timer runs with nothing outstanding";

    // Two tries of 200 ms: the library retransmits once and then times out. A pump ticking every
    // 20 ms would tick twenty times meanwhile; one that wakes for the library's events ticks for
    // the retransmission and the time-out.
    constexpr int kTimeout = 20, kRetries = 1;
    constexpr int kBoundMs = kTimeout * 10 * (kRetries + 1) + 1000; // the request's reply bound
    SilentPort silent;
    int status = 1;
    bool delivered = false;
    ASSERT_EQ(SnmpSession->RequestAsync(SnmpOperation::Get,
                                        TargetAt(silent.Address(), silent.Port(), 1, kTimeout), kSysContact,
                                        [&](int s, SnmpReply&) {
                                            status = s;
                                            delivered = true;
                                        }),
              0);
    EXPECT_TRUE(pump.IsTimerRunning()) << "a request waits, and no timer runs for its time-out";
    const uint64_t ticksBefore = pump.TickCount();
    QDeadlineTimer deadline(kBoundMs);
    while (!delivered && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(delivered) << "the time-out was not delivered within the request's bound";
    EXPECT_EQ(status, kSnmpTimeout);
    EXPECT_LE(pump.TickCount() - ticksBefore, 5u);
    EXPECT_FALSE(pump.IsTimerRunning()) << "the timer still runs after the last request ended";
}

TEST_F(SnmpEventProcessorAgent, ASoonerRequestSentWhileALongerOneWaitsTimesOutWithinItsOwnBound) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    // A request of ten-second tries sets the timer far ahead; a request of one 200 ms try sent
    // after it, directly or from a reply's handler (inside the pump), must still time out within
    // its own bound, not at the first one's.
    SilentPort silent;
    uint64_t longer = 0;
    ASSERT_EQ(SnmpSession->RequestAsync(
                  SnmpOperation::Get, TargetAt(silent.Address(), silent.Port(), 1, 1000), kSysContact,
                  [](int, SnmpReply&) {}, &longer),
              0);
    ASSERT_TRUE(SessionParameters.EventProcessor.IsTimerRunning());
    constexpr int kTimeout = 20;
    constexpr auto kBound = std::chrono::milliseconds(kTimeout * 10 + 1000);
    SnmpTarget sooner = TargetAt(silent.Address(), silent.Port(), 1, kTimeout);
    sooner.Retries = 0;
    for (const bool fromHandler : {false, true}) {
        int status = 1;
        std::chrono::steady_clock::time_point sent, delivered;
        auto sendSooner = [&] {
            sent = std::chrono::steady_clock::now();
            return SnmpSession->RequestAsync(SnmpOperation::Get, sooner, kSysContact, [&](int s, SnmpReply&) {
                status = s;
                delivered = std::chrono::steady_clock::now();
            });
        };
        if (fromHandler) {
            ASSERT_EQ(SnmpSession->RequestAsync(SnmpOperation::Get,
                                                TargetAt(Agent().Address(), Agent().Port(), 1, 1000),
                                                kSysContact,
                                                [&](int s, SnmpReply&) {
                                                    EXPECT_EQ(s, 0);
                                                    EXPECT_EQ(sendSooner(), 0);
                                                }),
                      0);
        } else {
            ASSERT_EQ(sendSooner(), 0);
        }
        QDeadlineTimer deadline(5000);
        while (status == 1 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_EQ(status, kSnmpTimeout) << (fromHandler ? "sent from a handler" : "sent directly");
        EXPECT_LE(delivered - sent, kBound) << (fromHandler ? "sent from a handler" : "sent directly");
    }
    SnmpSession->Cancel(longer);
}

TEST_F(SnmpEventProcessorAgent, AReplyArrivingWhileAHandlerWaitsComesAfterItFromItsSocket) {
    QTemporaryDir dir;
    ASSERT_EQ(Failure(dir.path().toStdString()).first, 0);
    // Tries of ten seconds: the timer would wake long after the bound below, so the second reply
    // can only come from its socket's notifier, back on once the first handler has returned.
    SnmpTarget target = TargetAt(Agent().Address(), Agent().Port(), 1, 1000);
    std::vector<std::string> order;
    bool secondDuringFirst = false;
    ASSERT_EQ(SnmpSession->RequestAsync(SnmpOperation::Get, target, kSysContact,
                                        [&](int status, SnmpReply&) {
                                            order.push_back("first " + std::to_string(status));
                                            ASSERT_EQ(SnmpSession->RequestAsync(
                                                          SnmpOperation::Get, target, kSysContact,
                                                          [&](int s, SnmpReply&) {
                                                              order.push_back("second " + std::to_string(s));
                                                          }),
                                                      0);
                                            // A nested event loop while the second reply arrives.
                                            QEventLoop nested;
                                            QTimer::singleShot(300, &nested, &QEventLoop::quit);
                                            nested.exec();
                                            secondDuringFirst = order.size() > 1;
                                        }),
              0);
    QDeadlineTimer deadline(5000);
    while (order.size() < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(order, (std::vector<std::string>{"first 0", "second 0"}));
    EXPECT_FALSE(secondDuringFirst);
    EXPECT_EQ(SnmpSession->PendingCount(), 0);
}

} // namespace vq_snmp_session_test
