#include "VqSNMPRequest.h"

#include "CoreTestHelpers.h"
#include "MessageWait.h"
#include "SilentPort.h"
#include "SimTest.h"
#include "VqException.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vq_snmp_request_test {

namespace {

constexpr const char* kSpeed = "1.3.6.1.4.1.746.99.1.1.2";
constexpr const char* kName = "1.3.6.1.4.1.746.99.1.1.3";

// A table of the simulated switch, last in its store: key column, an integer and a text column.
constexpr MibTableRow kPortTable[] = {
    {" ", "Index", itInteger, acNotAccess},
    {kSpeed, "Speed", itInteger, acReadWrite},
    {kName, "Name", itDisplayString, acReadWrite},
    {},
};

// A table without key columns: one row at instance 0.
constexpr MibTableRow kInfoTable[] = {
    {"1.3.6.1.4.1.746.99.0.1.1", "Level", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.99.0.1.2", "Label", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow kSystem[] = {
    {"1.3.6.1.2.1.1.5", "Name", itDisplayString, acReadWrite},
    {"1.3.6.1.2.1.1.1", "Description", itDisplayString, acReadOnly},
    {},
};

// The port table with the given rows: {index, speed or null, name or null}.
std::string PortScenario(const std::string& rows) {
    return R"({"tables": [{"entry": "1.3.6.1.4.1.746.99.1.1", "columns": [[2, "int", "rw"], [3, "string", "rw"]],
               "rows": [)" +
           rows +
           R"(]}, {"entry": "1.3.6.1.4.1.746.99.0.1", "columns": [[1, "int", "rw"], [2, "string", "rw"]],
               "rows": [["0", 5, "info"]]}]})";
}
const std::string kThreeRows = R"(["1", 10, "one"], ["2", 20, "two"], ["3", 30, "three"])";

using Rows = std::vector<std::vector<std::string>>;

// The tests' own waits, whatever wait a test installs for the requests.
bool PumpUntil(const std::function<bool()>& done, uint64_t boundMs) {
    return WaitOnEventQueue(done, boundMs);
}

std::vector<std::string> Texts(const VqSNMPVarList& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i)
        texts.push_back(list.GetVariable(i).ValueText);
    return texts;
}

struct ReadResult {
    Rows Got;
    bool Ok = false;     // synchronous: the ok flag of the last step
    VqSNMPError Outcome; // asynchronous: the record of the last reply
};

// Reads the list as VqSNMPRequest2Controls drives the engine: step after step while a row came.
ReadResult ReadSync(VqSNMPRequest& request) {
    ReadResult result;
    bool more = request.ReadSync(result.Ok, true);
    const bool walk = request.VarList.Kind >= MVT_FMV;
    if (!walk && result.Ok)
        result.Got.push_back(Texts(request.VarList));
    while (more) {
        result.Got.push_back(Texts(request.VarList));
        more = request.ReadSync(result.Ok, false);
    }
    return result;
}

ReadResult ReadAsync(VqSNMPRequest& request) {
    ReadResult result;
    bool finished = false;
    VqReplyContinuation step = [&](VqSNMPError& error, VqSNMPVarList& list) {
        if (error.Code == 0 && (!error.Finished || list.Kind < MVT_FMV))
            result.Got.push_back(Texts(list));
        if (error.Finished) {
            result.Outcome = error;
            finished = true;
            return;
        }
        bool sent = false;
        request.ReadAsync(sent, step, false);
        EXPECT_TRUE(sent);
    };
    request.ReadAsync(result.Ok, step, true);
    EXPECT_TRUE(result.Ok) << "first step not sent";
    EXPECT_TRUE(PumpUntil([&] { return finished; }, 10000)) << "the read did not end";
    EXPECT_EQ(request.Outstanding, 0);
    return result;
}

// Installs a wait that lets no event run and reports its bound: the clock runs out at once.
class ExhaustedWait {
public:
    ExhaustedWait()
        : Previous(SetMessageWait([this](const std::function<bool()>& done, uint64_t boundMs) {
              Bounds.push_back(boundMs);
              return done();
          })) {}
    ~ExhaustedWait() { SetMessageWait(Previous); }
    std::vector<uint64_t> Bounds;

private:
    MessageWaitFunction Previous;
};

class VqSNMPRequestTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(Dir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        Agent().LoadScenario(PortScenario(kThreeRows));
    }

    static std::unique_ptr<VqSNMPRequest> Request(const MibTableRow* table, int kind, int keyCount) {
        auto request = std::make_unique<VqSNMPRequest>();
        request->VarList = VqSNMPVarList(table, kind, keyCount);
        return request;
    }

    QTemporaryDir Dir;
};

// Runs a test body once blocking and once asynchronously.
class VqSNMPRequestModes : public VqSNMPRequestTest, public ::testing::WithParamInterface<bool> {
protected:
    static ReadResult Read(VqSNMPRequest& request) {
        return GetParam() ? ReadAsync(request) : ReadSync(request);
    }
    static bool Async() { return GetParam(); }

    // One SET as the mode says. Asynchronously the outcome must come later than the call, with
    // the variable list already back as it was.
    static VqSNMPError Write(VqSNMPRequest& request, const std::string& columns,
                             const std::vector<std::string>* values, bool& ok) {
        VqSNMPError outcome;
        outcome.Code = 1; // no record given
        if (!Async()) {
            request.WriteSync(ok, outcome, columns, values);
            return outcome;
        }
        const std::vector<std::string> before = Texts(request.VarList);
        bool done = false;
        request.WriteAsync(
            ok,
            [&](VqSNMPError& e, VqSNMPVarList&) {
                outcome = e;
                done = true;
            },
            columns, values);
        EXPECT_FALSE(done) << "completed inside the call, before its caller could go on";
        EXPECT_EQ(Texts(request.VarList), before) << "not restored before the reply";
        EXPECT_TRUE(PumpUntil([&] { return done; }, 5000)) << "no reply";
        EXPECT_EQ(request.Outstanding, 0);
        return outcome;
    }
};

} // namespace

INSTANTIATE_TEST_SUITE_P(SyncAndAsync, VqSNMPRequestModes, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Async" : "Sync"; });

TEST_P(VqSNMPRequestModes, WalksEveryRowThenEndsWhenEveryColumnIsPast) {
    auto request = Request(kPortTable, MVT_UMV, 1);
    ReadResult result = Read(*request);
    EXPECT_EQ(result.Got, (Rows{{"1", "10", "one"}, {"2", "20", "two"}, {"3", "30", "three"}}));
    if (Async()) {
        EXPECT_EQ(result.Outcome.Code, 0);
        EXPECT_EQ(result.Outcome.Message, "Ok!");
        EXPECT_EQ(result.Outcome.AgentAddress, Agent().Address());
        EXPECT_EQ(result.Outcome.AgentPort, Agent().Port());
    } else {
        EXPECT_TRUE(result.Ok);
    }
    EXPECT_EQ(request->GetErrorSerial(), 0u);
}

TEST_P(VqSNMPRequestModes, WalkOfSparseColumnShowsNotDoneThenResumes) {
    // A column without an entry in a row shows "(NOTDONE)" in that row and its next entry in the
    // row it belongs to, never in the row where the walk happened to meet it.
    struct Case {
        const char* name;
        std::string rows;
        Rows expected;
    } cases[] = {
        {"second column misses row 2",
         R"(["1", 10, "one"], ["2", 20, null], ["3", 30, "three"])",
         {{"1", "10", "one"}, {"2", "20", "(NOTDONE)"}, {"3", "30", "three"}}},
        {"first column misses row 2",
         R"(["1", 10, "one"], ["2", null, "two"], ["3", 30, "three"])",
         {{"1", "10", "one"}, {"2", "(NOTDONE)", "two"}, {"3", "30", "three"}}},
        {"second column ends early",
         R"(["1", 10, "one"], ["2", 20, null], ["3", 30, null])",
         {{"1", "10", "one"}, {"2", "20", "(NOTDONE)"}, {"3", "30", "(NOTDONE)"}}},
        {"columns alternate",
         R"(["1", 10, null], ["2", null, "two"], ["3", 30, null], ["4", null, "four"])",
         {{"1", "10", "(NOTDONE)"},
          {"2", "(NOTDONE)", "two"},
          {"3", "30", "(NOTDONE)"},
          {"4", "(NOTDONE)", "four"}}},
    };
    for (const Case& c : cases) {
        Agent().LoadScenario(PortScenario(c.rows));
        auto request = Request(kPortTable, MVT_UMV, 1);
        EXPECT_EQ(Read(*request).Got, c.expected) << c.name;
    }
}

TEST_P(VqSNMPRequestModes, EmptyTableGivesNoRowAndSucceeds) {
    Agent().LoadScenario(R"({"objects": [["1.3.6.1.4.1.746.99.2.0", "int", 1]]})");
    auto request = Request(kPortTable, MVT_UMV, 1);
    ReadResult result = Read(*request);
    EXPECT_TRUE(result.Got.empty());
    EXPECT_EQ(Async() ? result.Outcome.Code == 0 : result.Ok, true);
    EXPECT_EQ(request->GetErrorSerial(), 0u);
}

TEST_P(VqSNMPRequestModes, SnmpV1EndOfViewEndsTheWalkAsyncOkSyncNoSuccess) {
    // The table is the last of the agent's view: the step after its last row is answered
    // noSuchName with the OIDs the walk had reached.
    SessionParameters.Security.Version = 0;
    auto request = Request(kPortTable, MVT_UMV, 1);
    ReadResult result = Read(*request);
    EXPECT_EQ(result.Got.size(), 3u);
    if (Async()) {
        EXPECT_EQ(result.Outcome.Code, 0);
        EXPECT_EQ(result.Outcome.Message, "Ok!");
    } else {
        EXPECT_FALSE(result.Ok);
    }
    EXPECT_EQ(request->GetErrorSerial(), 0u) << "the end of the view is no failure to report";
}

TEST_P(VqSNMPRequestModes, ReadsScalarsAndOneRow) {
    auto system = Request(kSystem, SVT_SV, 0);
    EXPECT_EQ(Read(*system).Got, (Rows{{"zqs-sim", "ZQS-4410-24RA Stackable Managed Switch"}}));

    auto row = Request(kPortTable, MVT_SV, 0);
    row->VarList.Instance = "2";
    EXPECT_EQ(Read(*row).Got, (Rows{{"", "20", "two"}}));

    row->UseGetNext = true; // from row 2 to the next one
    EXPECT_EQ(Read(*row).Got, (Rows{{"", "30", "three"}}));
}

TEST_P(VqSNMPRequestModes, SilentAgentTimesOutWith405) {
    SilentPort silent;
    SessionParameters.Device = {silent.Address(), static_cast<uint16_t>(silent.Port())};
    SessionParameters.Timeout = 10;
    auto request = Request(kPortTable, MVT_UMV, 1);
    ReadResult result = Read(*request);
    EXPECT_TRUE(result.Got.empty());
    const VqSNMPError& error = Async() ? result.Outcome : request->LastError();
    EXPECT_EQ(error.Code, -405);
    EXPECT_EQ(error.Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(request->GetErrorSerial(), Async() ? 0u : 1u);
}

TEST_P(VqSNMPRequestModes, ColumnAndValueListsWriteOnlyThoseVariablesForOneSet) {
    auto request = Request(kPortTable, MVT_UMV, 1);
    request->VarList.GetVariable(0).ValueText = "2";
    request->VarList.GetVariable(1).ValueText = "21";
    request->VarList.GetVariable(2).ValueText = "kept";
    const std::vector<std::string> before = Texts(request->VarList);
    const std::vector<std::string> values = {"TWO"};
    bool ok = false;
    EXPECT_EQ(Write(*request, "2", &values, ok).Code, 0);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().SetLog()[0].Principal, "quindle") << "a SET goes with the write community";
    EXPECT_EQ(Agent().SetLog()[0].VarBinds,
              (std::vector<SimVarBind>{{std::string(kName) + ".2", SimValue::Octets("TWO")}}));
    EXPECT_EQ(Texts(request->VarList), before);
    for (int i = 0; i < request->VarList.GetCount(); ++i)
        EXPECT_EQ(request->VarList.GetVariable(i).Access, kPortTable[i].Access) << i;
}

TEST_P(VqSNMPRequestModes, TableWithoutKeyColumnsWritesAtTheInstanceItsReadReturned) {
    auto request = Request(kInfoTable, MVT_UMV, 0);
    ASSERT_EQ(Read(*request).Got, (Rows{{"5", "info"}}));
    request->VarList.GetVariable(0).ValueText = "7";
    bool ok = false;
    EXPECT_EQ(Write(*request, "0", nullptr, ok).Code, 0);
    EXPECT_TRUE(ok);
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().SetLog()[0].VarBinds,
              (std::vector<SimVarBind>{{"1.3.6.1.4.1.746.99.0.1.1.0", SimValue::Int(7)}}));
}

TEST_P(VqSNMPRequestModes, SetWithEveryVariableLeftOutSucceedsWithoutTraffic) {
    auto request = Request(kPortTable, MVT_UMV, 1);
    request->VarList.GetVariable(0).ValueText = "1";
    bool ok = false;
    const VqSNMPError outcome = Write(*request, "9", nullptr, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(outcome.Code, 0);
    EXPECT_EQ(outcome.Message, "Ok!");
    EXPECT_TRUE(outcome.Finished);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_P(VqSNMPRequestModes, SnmpV1WriteToAMissingRowIsNoSuchNameNeverSuccess) {
    SessionParameters.Security.Version = 0;
    auto request = Request(kPortTable, MVT_UMV, 1);
    request->VarList.GetVariable(0).ValueText = "9";
    bool ok = false;
    const VqSNMPError outcome = Write(*request, "1", nullptr, ok);
    EXPECT_EQ(outcome.Code, -102);
    EXPECT_EQ(outcome.Message, "(SNMP) Variable does not exist!");
    if (Async()) {
        EXPECT_TRUE(ok) << "the SET was sent";
    } else {
        EXPECT_FALSE(ok);
        EXPECT_EQ(outcome.Serial, 1u);
        EXPECT_EQ(request->LastError().Code, -102);
    }
}

TEST_P(VqSNMPRequestModes, InactiveRequestSendsNothing) {
    auto request = Request(kPortTable, MVT_UMV, 1);
    request->Active = false;
    bool ok = true;
    if (Async()) {
        request->ReadAsync(
            ok, [](VqSNMPError&, VqSNMPVarList&) { ADD_FAILURE() << "replied"; }, true);
        EXPECT_FALSE(ok);
        ok = true;
        request->WriteAsync(
            ok, [](VqSNMPError&, VqSNMPVarList&) { ADD_FAILURE() << "replied"; }, "", nullptr);
    } else {
        EXPECT_FALSE(request->ReadSync(ok, true));
        EXPECT_FALSE(ok);
        ok = true;
        VqSNMPError error;
        request->WriteSync(ok, error, "", nullptr);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Outstanding, 0);
    EXPECT_EQ(request->GetErrorSerial(), 0u);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VqSNMPRequestTest, FrameworkFailuresRaiseTheirCodes) {
    struct Case {
        const char* name;
        std::function<void(VqSNMPRequest&)> call;
        int kind;
        int code;
    } cases[] = {
        {"read from an empty address",
         [](VqSNMPRequest& r) {
             r.Device.Address = "";
             bool ok;
             r.ReadSync(ok, true);
         },
         MVT_UMV, -509},
        {"read from an address emptied after a read from it",
         [](VqSNMPRequest& r) {
             bool ok;
             r.ReadSync(ok, true);
             EXPECT_TRUE(ok);
             r.Device.Address = "";
             r.ReadSync(ok, true);
         },
         MVT_UMV, -509},
        {"asynchronous write to an empty address",
         [](VqSNMPRequest& r) {
             r.Device.Address = "";
             bool ok;
             r.WriteAsync(ok, {}, "", nullptr);
         },
         MVT_UMV, -509},
        {"next step of scalars",
         [](VqSNMPRequest& r) {
             bool ok;
             r.ReadSync(ok, false);
         },
         SVT_SV, -510},
        {"write of a list of unknown kind",
         [](VqSNMPRequest& r) {
             VqSNMPError error;
             bool ok;
             r.WriteSync(ok, error, "", nullptr);
         },
         7, -515},
        {"value list shorter than the column list",
         [](VqSNMPRequest& r) {
             const std::vector<std::string> one = {"1"};
             VqSNMPError error;
             bool ok;
             r.WriteSync(ok, error, "1,2", &one);
         },
         MVT_UMV, -12},
    };
    for (const Case& c : cases) {
        auto request = Request(kPortTable, c.kind, 1);
        request->VarList.GetVariable(0).ValueText = "1";
        EXPECT_EQ(RaisedCode([&] { c.call(*request); }), c.code) << c.name;
        for (int i = 0; i < request->VarList.GetCount(); ++i)
            EXPECT_EQ(request->VarList.GetVariable(i).Access, kPortTable[i].Access) << c.name;
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VqSNMPRequestTest, UnknownKindAndRefusedSendAreReportedNotRaised) {
    std::vector<int> reported;
    auto request = Request(kPortTable, 7, 1);
    request->ErrorHandler = [&](const VqSNMPError& e) { reported.push_back(e.Code); };
    bool ok = true;
    EXPECT_FALSE(request->ReadSync(ok, true));
    EXPECT_FALSE(ok);

    request->VarList.Kind = MVT_UMV;
    request->Security.Version = 2; // no such version: the session refuses to send
    request->ReadAsync(
        ok, [](VqSNMPError&, VqSNMPVarList&) { ADD_FAILURE() << "replied"; }, true);
    EXPECT_FALSE(ok);
    EXPECT_EQ(request->Outstanding, 0);
    EXPECT_EQ(reported, (std::vector<int>{-515, -416}));
    EXPECT_EQ(request->GetErrorSerial(), 2u);
    EXPECT_EQ(request->LastError().Serial, 2u);
    EXPECT_EQ(request->LastError().Message, "(SNMPClass) SNMP Operation not supported on specified Target!");
}

TEST_F(VqSNMPRequestTest, ExceptionWhileDecodingAReplyReachesTheContinuation) {
    static constexpr MibTableRow kBadType[] = {{kSpeed, "Speed", 99, acReadOnly}, {}};
    auto request = Request(kBadType, MVT_UMV, 0);
    ReadResult result = ReadAsync(*request);
    EXPECT_EQ(result.Outcome.Code, -511);
    EXPECT_EQ(result.Outcome.Message, "Bad SNMP syntax!");
    EXPECT_EQ(request->Outstanding, 0);
    EXPECT_EQ(RaisedCode([&] { ReadSync(*request); }), -511);
}

TEST_F(VqSNMPRequestTest, NewReadSupersedesTheWalkInFlight) {
    Agent().SetDelay(kSpeed, 200, SimOp::Next);
    auto request = Request(kPortTable, MVT_UMV, 1);
    Rows got;
    int finished = 0;
    VqReplyContinuation step = [&](VqSNMPError& error, VqSNMPVarList& list) {
        if (error.Finished) {
            ++finished;
            return;
        }
        got.push_back(Texts(list));
        bool ok;
        request->ReadAsync(ok, step, false);
    };
    bool ok = false;
    request->ReadAsync(ok, step, true);
    ASSERT_TRUE(ok);
    request->ReadAsync(ok, step, true); // restarts while the first step is in flight
    ASSERT_TRUE(ok);
    EXPECT_EQ(request->Outstanding, 2);
    ASSERT_TRUE(PumpUntil([&] { return finished > 0 && request->Outstanding == 0; }, 10000));
    EXPECT_EQ(got, (Rows{{"1", "10", "one"}, {"2", "20", "two"}, {"3", "30", "three"}}));
    EXPECT_EQ(finished, 1);

    // A blocking read supersedes a walk in flight too.
    request->ReadAsync(ok, step, true);
    EXPECT_EQ(ReadSync(*request).Got.size(), 3u);
    ASSERT_TRUE(PumpUntil([&] { return request->Outstanding == 0; }, 5000));
    EXPECT_EQ(got.size(), 3u);
    EXPECT_EQ(finished, 1);
}

TEST_F(VqSNMPRequestTest, DestructorWaitsAtMostItsBoundThenForgetsTheReply) {
    SilentPort silent;
    SessionParameters.Device = {silent.Address(), static_cast<uint16_t>(silent.Port())};
    SessionParameters.Timeout = 3000; // far beyond the destructor's wait
    auto calls = std::make_shared<int>(0);
    const int pendingBefore = SnmpSession->PendingCount();
    {
        ExhaustedWait wait;
        auto request = Request(kPortTable, MVT_UMV, 1);
        bool ok = false;
        request->ReadAsync(
            ok, [calls](VqSNMPError&, VqSNMPVarList&) { ++*calls; }, true);
        ASSERT_TRUE(ok);
        EXPECT_EQ(SnmpSession->PendingCount(), pendingBefore + 1);
        request.reset();
        EXPECT_EQ(wait.Bounds, std::vector<uint64_t>{6000});
    }
    EXPECT_EQ(SnmpSession->PendingCount(), pendingBefore) << "the reply could still reach the request";
    EXPECT_EQ(*calls, 0);
}

TEST_F(VqSNMPRequestTest, DestructorReturnsOnceTheReplyInFlightIsHandled) {
    Agent().SetDelay(kSpeed, 200, SimOp::Next);
    auto request = Request(kPortTable, MVT_UMV, 1);
    auto replies = std::make_shared<std::vector<int>>();
    bool ok = false;
    request->ReadAsync(
        ok, [replies](VqSNMPError& e, VqSNMPVarList&) { replies->push_back(e.Code); }, true);
    ASSERT_TRUE(ok);
    request.reset();
    EXPECT_EQ(*replies, std::vector<int>{0}) << "the destructor did not wait for the reply";
}

TEST_F(VqSNMPRequestTest, DestroyingRequestsInsideAReplyHandlerIsSafe) {
    ExhaustedWait wait; // a wait inside a handler would be in vain: the pump delivers nothing there
    SilentPort silent;
    auto other = std::make_unique<VqSNMPRequest>();
    other->VarList = VqSNMPVarList(kPortTable, MVT_UMV, 1);
    other->Device = {silent.Address(), static_cast<uint16_t>(silent.Port())};
    other->Timeout = 3000;
    bool ok = false;
    other->ReadAsync(
        ok, [](VqSNMPError&, VqSNMPVarList&) { ADD_FAILURE() << "reached a destroyed request"; }, true);
    ASSERT_TRUE(ok);
    const int pendingWithOther = SnmpSession->PendingCount();

    auto request = Request(kPortTable, MVT_UMV, 1);
    bool handled = false;
    request->ReadAsync(
        ok,
        [&](VqSNMPError&, VqSNMPVarList&) {
            other.reset();
            request.reset(); // its own handler is running
            handled = true;
        },
        true);
    ASSERT_TRUE(ok);
    ASSERT_TRUE(PumpUntil([&] { return handled; }, 5000));
    EXPECT_TRUE(wait.Bounds.empty());
    EXPECT_EQ(SnmpSession->PendingCount(), pendingWithOther - 1);
}

TEST_F(VqSNMPRequestTest, SnmpV3UserIsTakenAnewAtEveryStep) {
    SessionParameters.Security.Version = 3;
    SessionParameters.Security.SecurityModel = kSecurityModelUsm;
    SessionParameters.Security.SecurityLevel = kSecurityLevelAuthNoPriv;
    SessionParameters.Security.SecurityName = SimCredentials::kUserMd5;
    SessionParameters.Security.AuthProtocol = kAuthProtocolMd5;
    SessionParameters.Security.AuthPassword = "not-the-password";
    SessionParameters.Timeout = 20;
    auto request = Request(kSystem, SVT_SV, 0);
    EXPECT_TRUE(ReadSync(*request).Got.empty()) << "read with a wrong password";

    SessionParameters.Security.AuthPassword = SimCredentials::kAuthPassword;
    request->LoadSessionParameters();
    EXPECT_EQ(ReadSync(*request).Got, (Rows{{"zqs-sim", "ZQS-4410-24RA Stackable Managed Switch"}}));
}

TEST_F(VqSNMPRequestTest, DerivedValuesFollowEveryReadAndPrecedeEveryWrite) {
    // Speed is written one higher than it stands; Double shows twice the speed of each row read.
    static constexpr MibTableRow kDerived[] = {
        {" ", "Index", itInteger, acNotAccess},
        {kSpeed, "Speed", itInteger, acReadWrite, nullptr, nullptr, "$1+1"},
        {"", "Double", itInteger, acDerived, nullptr, "$1*2"},
        {},
    };
    auto request = Request(kDerived, MVT_UMV, 1);
    EXPECT_EQ(ReadSync(*request).Got, (Rows{{"1", "10", "20"}, {"2", "20", "40"}, {"3", "30", "60"}}));

    request->VarList.Kind = MVT_SV; // row 3 alone
    request->VarList.Instance = "3";
    EXPECT_EQ(ReadSync(*request).Got, (Rows{{"3", "30", "60"}}));
    request->Condition = "$1=30&$2=60";
    EXPECT_TRUE(request->CheckCondition());
    EXPECT_FALSE(request->MatchesFilter("$1<>30"));
    EXPECT_TRUE(request->MatchesFilter(""));

    bool ok = false;
    VqSNMPError error;
    request->WriteSync(ok, error, "", nullptr);
    ASSERT_TRUE(ok);
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().SetLog()[0].VarBinds,
              (std::vector<SimVarBind>{{std::string(kSpeed) + ".3", SimValue::Int(31)}}));
    EXPECT_EQ(Texts(request->VarList), (std::vector<std::string>{"3", "30", "60"}));
}

TEST(VqSNMPRequestDerived, GivesTheTextOfTheItemType) {
    struct Case {
        int itemType;
        const char* expression;
        const char* text; // null: -513
    } cases[] = {
        {itBoolean, "$0-5", "false"},
        {itBoolean, "$0", "true"},
        {itInteger, "$0/2", "2"},
        {itInteger, "0-$0", "-5"},
        {itCounter, "$0*3", "15"},
        {itGauge, "0-1", "4294967295"},
        {itTimeTicks, "$0*100", "0:00:05.00"},
        {itCounter64, "$0*1000000000", "5000000000"},
        {itDouble, "$0/4", "1.25"},
        {itBcDateTime, "$0", "1900/01/04 00:00:00"},
        {itOctetString, "$0", nullptr},
    };
    for (const Case& c : cases) {
        VqSNMPRequest request;
        const MibTableRow table[] = {{"1.3.6.1.4.1.746.99.9", "Source", itInteger, acReadWrite},
                                     {"", "Derived", c.itemType, acDerived, nullptr, c.expression},
                                     {}};
        request.VarList = VqSNMPVarList(table, SVT_SV, 0);
        request.VarList.GetVariable(0).ValueText = "5";
        const int code = RaisedCode([&] { request.ComputeDerived(1, VqMoment::AfterRead); });
        if (c.text) {
            EXPECT_EQ(request.VarList.GetVariable(1).ValueText, c.text) << c.expression;
        }
        EXPECT_EQ(code, c.text ? 0 : -513) << c.expression;
        request.ComputeDerived(0, VqMoment::BeforeWrite); // no write expression: nothing changes
        EXPECT_EQ(request.VarList.GetVariable(0).ValueText, "5");
    }
}

} // namespace vq_snmp_request_test
