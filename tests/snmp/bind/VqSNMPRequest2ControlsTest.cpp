#include "VqSNMPRequest2Controls.h"

#include "HostileAgent.h"
#include "MessageWait.h"
#include "SilentPort.h"
#include "SimTest.h"
#include "TApplication.h"
#include "TForm.h"
#include "TMemo.h"
#include "TStatusBar.h"
#include "UiTesting.h"
#include "VqException.h"
#include "VqMessageTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace vq_snmp_request2_controls_test {

namespace {

constexpr const char* kTitle = "ZQS-4410-Series";
constexpr const char* kSpeed = "1.3.6.1.4.1.746.99.1.1.2";
constexpr const char* kName = "1.3.6.1.4.1.746.99.1.1.3";

constexpr MibTableRow kPortTable[] = {
    {" ", "Index", itInteger, acNotAccess},
    {kSpeed, "Speed", itInteger, acReadWrite},
    {kName, "Name", itDisplayString, acReadWrite},
    {},
};

constexpr MibTableRow kSystem[] = {
    {"1.3.6.1.2.1.1.5", "Name", itDisplayString, acReadWrite},
    {},
};

const std::string kScenario = R"({"tables": [{"entry": "1.3.6.1.4.1.746.99.1.1",
    "columns": [[2, "int", "rw"], [3, "string", "rw"]],
    "rows": [["1", 10, "one"], ["2", 20, "two"], ["3", 30, "three"]]}]})";

// Tests wait by the steady clock: the clock seam is the test's and stands still.
bool WaitUntil(const std::function<bool()>& done, uint64_t boundMs = 10000) {
    return WaitOnEventQueue(done, boundMs);
}

// The base class's flow made visible: every operation it calls, in order.
class RecordingRequest : public VqSNMPRequest2Controls {
public:
    explicit RecordingRequest(TControl* owner, const MibTableRow* table = kPortTable, int kind = MVT_UMV,
                              int keyCount = 1)
        : VqSNMPRequest2Controls(owner) {
        Request.VarList = VqSNMPVarList(table, kind, keyCount);
    }

    std::vector<std::string> Events;
    std::function<void()> OnRow;       // runs in RowReceived
    std::vector<VqSNMPError> Failures; // of asynchronous reads, as GetFailed got them

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (const std::string& e : Events)
            if (e.starts_with("row "))
                rows.push_back(e.substr(4));
        return rows;
    }
    int Count(const std::string& event) const {
        return static_cast<int>(std::count(Events.begin(), Events.end(), event));
    }

protected:
    void BeforeGet() override { Events.push_back("BeforeGet"); }
    void BeforeSet() override { Events.push_back("BeforeSet"); }
    void PrepareSet() override { Events.push_back("PrepareSet"); }
    void RowReceived() override {
        std::string row = "row";
        for (int i = 0; i < Request.VarList.GetCount(); ++i)
            row += " " + Request.VarList.GetVariable(i).ValueText;
        Events.push_back(row);
        if (OnRow)
            OnRow();
    }
    void GetDone() override { Events.push_back("GetDone"); }
    void AfterSet() override { Events.push_back("AfterSet"); }
    void GetFailed(const VqSNMPError& error) override {
        Failures.push_back(error);
        VqSNMPRequest2Controls::GetFailed(error);
    }
};

// Every hook call with its code.
struct HookLog {
    std::vector<int> Codes;
    VqRequestDoneEvent Hook() {
        return [this](VqSNMPRequest2Controls*, const VqSNMPError& e) { Codes.push_back(e.Code); };
    }
};

const std::vector<std::string> kThreeRows = {"1 10 one", "2 20 two", "3 30 three"};

class VqSNMPRequest2ControlsTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(Dir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        Agent().LoadScenario(kScenario);
        Application->SetTitle(kTitle);
        std::tm at{};
        at.tm_year = 126;
        at.tm_mday = 5;
        at.tm_hour = 14;
        at.tm_min = 5;
        at.tm_sec = 9;
        at.tm_isdst = -1;
        Clock.SetWallClock(std::chrono::system_clock::from_time_t(std::mktime(&at)));
        Form = CreateForm<TForm>(nullptr);
        Memo = new TMemo(Form);
        Bar = new TStatusBar(Form);
        Panel = Bar->Panels().Add();
    }
    void TearDown() override {
        delete Form;
        SimTest::TearDown();
    }

    // Starts a read and waits until it has ended.
    static bool GetAndWait(VqSNMPRequest2Controls& request) {
        const bool sent = request.Get();
        EXPECT_TRUE(WaitUntil([&] { return !request.Busy; })) << "the read did not end";
        return sent;
    }

    void UseSilentAgent(int timeout = 10) {
        SessionParameters.Device = {Silent.Address(), static_cast<uint16_t>(Silent.Port())};
        SessionParameters.Timeout = timeout;
    }

    QTemporaryDir Dir;
    FakeClock Clock;
    SilentPort Silent;
    ScriptedDialogs Dialogs;
    TForm* Form = nullptr;
    TMemo* Memo = nullptr;
    TStatusBar* Bar = nullptr;
    TStatusPanel* Panel = nullptr;
};

class VqSNMPRequest2ControlsModes : public VqSNMPRequest2ControlsTest,
                                    public ::testing::WithParamInterface<int> {};

} // namespace

INSTANTIATE_TEST_SUITE_P(SyncAndAsync, VqSNMPRequest2ControlsModes, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "Async" : "Sync"; });

TEST_P(VqSNMPRequest2ControlsModes, WalkDeliversEveryRowThenReportsOkInEachStatusTarget) {
    struct Target {
        const char* name;
        std::function<void(VqSNMPRequest2Controls&)> set;
        std::function<std::string()> shown;
    };
    const Target targets[] = {
        {"panel", [&](VqSNMPRequest2Controls& r) { r.SetStatusPanel(Panel); }, [&] { return Panel->Text(); }},
        {"status bar", [&](VqSNMPRequest2Controls& r) { r.SetStatusControl(Bar); },
         [&] { return Bar->SimpleText(); }},
        {"memo", [&](VqSNMPRequest2Controls& r) { r.SetStatusControl(Memo); }, [&] { return Memo->Text(); }},
    };
    for (const Target& t : targets) {
        RecordingRequest request(Form);
        request.Mode = static_cast<uint8_t>(GetParam());
        HookLog hooks;
        request.OnGetDone = hooks.Hook();
        t.set(request);
        EXPECT_EQ(GetAndWait(request), true) << t.name;
        EXPECT_EQ(request.Rows(), kThreeRows) << t.name;
        EXPECT_EQ(request.RowCount, 3) << t.name;
        EXPECT_EQ(request.Events.front(), "BeforeGet") << t.name;
        EXPECT_EQ(request.Events.back(), "GetDone") << t.name;
        EXPECT_EQ(request.Count("GetDone"), 1) << t.name;
        EXPECT_EQ(hooks.Codes, GetParam() ? std::vector<int>{0} : std::vector<int>{}) << t.name;
        std::string shown = t.shown();
        if (!shown.empty() && shown.back() == '\n')
            shown.pop_back();
        EXPECT_EQ(shown, "Get: Ok! Receive at 14:05:09.") << t.name;
    }
}

TEST_P(VqSNMPRequest2ControlsModes, StatusLineNamesTheListWhenItHasADisplayText) {
    RecordingRequest request(Form);
    request.Mode = static_cast<uint8_t>(GetParam());
    request.Request.VarList.DisplayText = " LED Status";
    request.SetStatusPanel(Panel);
    GetAndWait(request);
    EXPECT_EQ(Panel->Text(), "Get: Ok! Request: LED Status. Receive at 14:05:09.");
    request.ShowStatus("Any text");
    EXPECT_EQ(Panel->Text(), "Get: Any text Request: LED Status. Receive at 14:05:09.");
}

TEST_P(VqSNMPRequest2ControlsModes, EmptyTableIsReadWithoutRowsAndOk) {
    Agent().LoadScenario("{}");
    RecordingRequest request(Form);
    request.Mode = static_cast<uint8_t>(GetParam());
    request.SetStatusPanel(Panel);
    EXPECT_TRUE(GetAndWait(request));
    EXPECT_EQ(request.Events, (std::vector<std::string>{"BeforeGet", "GetDone"}));
    EXPECT_EQ(request.RowCount, 0);
    EXPECT_EQ(Panel->Text(), "Get: Ok! Receive at 14:05:09.");
}

TEST_P(VqSNMPRequest2ControlsModes, FailedReadIsWrittenToTheStatusTargetAndKeptByTheRequest) {
    UseSilentAgent();
    RecordingRequest request(Form);
    request.Mode = static_cast<uint8_t>(GetParam());
    request.SetStatusControl(Memo);
    const bool result = GetAndWait(request);
    EXPECT_EQ(result, GetParam() == 1) << "blocking: the read failed; asynchronous: it was sent";
    EXPECT_EQ(Memo->Lines().List(),
              std::vector<std::string>{"Get: (SNMPClass) SNMP request timed out! Receive at 14:05:09."});
    EXPECT_TRUE(request.Rows().empty());
    EXPECT_EQ(request.Count("GetDone"), GetParam() ? 0 : 1);
    if (GetParam() == 0) {
        EXPECT_EQ(request.Request.LastError().Code, -405);
    }
}

TEST_P(VqSNMPRequest2ControlsModes, InactiveRequestReadsNothingAndShowsNothing) {
    RecordingRequest request(Form);
    request.Mode = static_cast<uint8_t>(GetParam());
    request.SetStatusControl(Memo);
    request.Request.Active = false;
    EXPECT_EQ(request.Get(), GetParam() == 1);
    EXPECT_FALSE(request.Busy);
    const std::vector<std::string> expected =
        GetParam() ? std::vector<std::string>{"BeforeGet"} : std::vector<std::string>{"BeforeGet", "GetDone"};
    EXPECT_EQ(request.Events, expected);
    EXPECT_EQ(Memo->Lines().Count(), 0);
}

TEST_F(VqSNMPRequest2ControlsTest, FailedAsynchronousReadGoesToItsHookOrAMessageBox) {
    UseSilentAgent();
    RecordingRequest hooked(Form);
    HookLog hooks;
    hooked.OnGetDone = hooks.Hook();
    hooked.SetStatusPanel(Panel);
    GetAndWait(hooked);
    EXPECT_EQ(hooks.Codes, std::vector<int>{-405});
    EXPECT_EQ(Panel->Text(), "") << "the hook reports, not the request";

    RecordingRequest bare(Form);
    Dialogs.Expect(DialogKind::Box, kTitle, "(SNMPClass) SNMP request timed out!");
    GetAndWait(bare);
}

TEST_F(VqSNMPRequest2ControlsTest, StopMidWalkDeliversTheRowInFlightThenShowsTheStopText) {
    Agent().SetDelay(kSpeed, 100, SimOp::Next);
    RecordingRequest request(Form);
    HookLog hooks;
    request.OnGetDone = hooks.Hook();
    request.SetStatusPanel(Panel);
    ASSERT_TRUE(request.Get());
    request.Request.Active = false; // Stop
    EXPECT_TRUE(request.Busy);
    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    EXPECT_EQ(request.Rows(), std::vector<std::string>{"1 10 one"});
    EXPECT_EQ(request.Count("GetDone"), 1);
    EXPECT_EQ(hooks.Codes, std::vector<int>{0});
    EXPECT_EQ(Panel->Text(), "Get: Stop, SNMP Request is not active. Receive at 14:05:09.");
    EXPECT_EQ(request.Request.Outstanding, 0);

    request.Request.Active = true; // a new walk from the start
    GetAndWait(request);
    EXPECT_EQ(request.RowCount, 3);
    EXPECT_EQ(Panel->Text(), "Get: Ok! Receive at 14:05:09.");
}

TEST_F(VqSNMPRequest2ControlsTest, TemplateWithoutVarListKeepsItsText) {
    StatusTemplates.Replace({"[TIME] read: [ERROR]", "[TIME] written: [ERROR]"});
    RecordingRequest request(Form);
    request.SetStatusControl(Bar);
    request.Mode = 0;
    request.Get();
    EXPECT_EQ(Bar->SimpleText(), "14:05:09 read: Ok!");
    request.Request.VarList.GetVariable(0).ValueText = "1";
    const std::vector<std::string> values = {"uno"};
    request.Set(false, false, "2", &values);
    EXPECT_EQ(Bar->SimpleText(), "14:05:09 written: Ok!");
    StatusTemplates.RestoreBuiltin();
}

TEST_P(VqSNMPRequest2ControlsModes, SetWithColumnListReportsOkAndReadsTheTableAgain) {
    RecordingRequest request(Form);
    request.Mode = static_cast<uint8_t>(GetParam());
    request.SetStatusPanel(Panel);
    request.Request.VarList.GetVariable(0).ValueText = "2";
    const std::vector<std::string> values = {"TWO"};
    EXPECT_TRUE(request.Set(true, true, "2", &values));
    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    EXPECT_EQ(request.Events.front(), "BeforeSet");
    EXPECT_EQ(request.Events[1], "PrepareSet");
    EXPECT_EQ(request.Count("AfterSet"), 1);
    EXPECT_EQ(request.Rows(), (std::vector<std::string>{"1 10 one", "2 20 TWO", "3 30 three"}));
    EXPECT_EQ(Panel->Text(), "Get: Ok! Receive at 14:05:09.") << "the re-read's line comes last";
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().SetLog()[0].VarBinds,
              (std::vector<SimVarBind>{{std::string(kName) + ".2", SimValue::Octets("TWO")}}));
}

TEST_F(VqSNMPRequest2ControlsTest, SetReportsWithoutStatusTarget) {
    // Asynchronous success: a message box "Ok!"; blocking success: nothing; both read again.
    for (int mode : {1, 0}) {
        RecordingRequest request(Form);
        request.Mode = static_cast<uint8_t>(mode);
        request.Request.VarList.GetVariable(0).ValueText = "1";
        if (mode == 1)
            Dialogs.Expect(DialogKind::Box, kTitle, "Ok!");
        request.Set(true, false, "1", nullptr);
        ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
        EXPECT_EQ(request.RowCount, 3) << mode;
        EXPECT_EQ(Dialogs.Pending(), 0) << mode;
    }
    EXPECT_EQ(Agent().SetLog().size(), 2u);
}

TEST_P(VqSNMPRequest2ControlsModes, FailedSetShowsAMessageBoxBeforeTheTableIsReadAgain) {
    RecordingRequest request(Form);
    request.Mode = static_cast<uint8_t>(GetParam());
    request.SetStatusPanel(Panel);
    request.Request.VarList.GetVariable(0).ValueText = "9"; // no such row
    Dialogs.Expect(DialogKind::Box, kTitle, "(SNMP) Cannot create variable, Creation Not Allowed!");
    request.OnRow = [&] { EXPECT_EQ(Dialogs.Pending(), 0) << "a row came before the message box"; };
    EXPECT_EQ(request.Set(true, false, "1", nullptr), GetParam() == 1);
    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    // The asynchronous failure reads nothing again; the blocking one does.
    EXPECT_EQ(request.RowCount, GetParam() ? 0 : 3);
    EXPECT_EQ(request.Count("AfterSet"), GetParam() ? 0 : 1);
}

TEST_F(VqSNMPRequest2ControlsTest, StatusLinesFollowTheKindOfTheLastOperation) {
    RecordingRequest request(Form);
    request.Mode = 0;
    request.SetStatusControl(Memo);
    request.Request.VarList.GetVariable(0).ValueText = "1";
    request.Set(false, false, "1", nullptr);
    request.Request.VarList.GetVariable(0).ValueText = "9";
    Dialogs.Expect(DialogKind::Box, kTitle, "(SNMP) Cannot create variable, Creation Not Allowed!");
    request.Set(false, false, "1", nullptr);
    request.ShowStatus("Bad SNMP syntax!"); // a dialog reports its own failure after a write
    EXPECT_EQ(Memo->Lines().List(), (std::vector<std::string>{"Set: Ok! Receive at 14:05:09.",
                                                              "Set: Bad SNMP syntax! Receive at 14:05:09."}));
}

TEST_F(VqSNMPRequest2ControlsTest, SetDoneHookTakesTheReport) {
    RecordingRequest request(Form);
    HookLog hooks;
    request.OnSetDone = hooks.Hook();
    request.Request.VarList.GetVariable(0).ValueText = "9";
    request.Set(false, false, "1", nullptr); // refused by the agent: no message box, the hook has it
    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    request.Request.VarList.GetVariable(0).ValueText = "1";
    request.Set(false, false, "1", nullptr);
    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    EXPECT_EQ(hooks.Codes, (std::vector<int>{-111, 0}));
    EXPECT_EQ(request.Count("AfterSet"), 1);
}

TEST_F(VqSNMPRequest2ControlsTest, OtherModesSendNothing) {
    RecordingRequest request(Form);
    request.Mode = 2;
    EXPECT_TRUE(request.Get());
    EXPECT_TRUE(request.Set(true, true));
    EXPECT_EQ(request.Events, (std::vector<std::string>{"BeforeGet", "BeforeSet", "PrepareSet"}));
    EXPECT_FALSE(request.Busy);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VqSNMPRequest2ControlsTest, FrameworkErrorsReachTheCallerWithBusyCleared) {
    RecordingRequest request(Form);
    request.Request.Device.Address = "";
    for (int mode : {0, 1}) {
        request.Mode = static_cast<uint8_t>(mode);
        try {
            request.Get();
            ADD_FAILURE() << "nothing raised";
        } catch (const VqException& e) {
            EXPECT_EQ(e.Code(), -509);
            EXPECT_STREQ(e.what(), "Invalid IP Address or DNS name!");
        }
        EXPECT_FALSE(request.Busy);
        EXPECT_THROW(request.Set(false, false), VqException);
        EXPECT_FALSE(request.Busy);
    }
}

// ---- the decisions that hold over the design

TEST_F(VqSNMPRequest2ControlsTest, BlockingSetOnAnInactiveRequestFailsAndNeverSaysOk) {
    RecordingRequest request(Form);
    request.Mode = 0;
    request.SetStatusPanel(Panel);
    request.Request.Active = false;
    Dialogs.Expect(DialogKind::Box, kTitle, VqSNMPRequest2Controls::kStopText);
    EXPECT_FALSE(request.Set(false, false));
    EXPECT_EQ(Panel->Text(), "");
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VqSNMPRequest2ControlsTest, SetWithEveryColumnLeftOutCompletesAsAnAcceptedEmptySet) {
    RecordingRequest request(Form);
    HookLog hooks;
    request.OnSetDone = hooks.Hook();
    ASSERT_TRUE(request.Set(true, false, "9", nullptr));
    EXPECT_TRUE(request.Busy) << "completed before Set returned";
    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    EXPECT_EQ(hooks.Codes, std::vector<int>{0});
    EXPECT_EQ(request.Count("AfterSet"), 1);
    EXPECT_EQ(request.RowCount, 3) << "read again as after any successful SET";
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VqSNMPRequest2ControlsTest, RefusedSendIsReportedLikeAFailedReply) {
    RecordingRequest request(Form);
    request.SetStatusPanel(Panel);
    request.Request.Security.Version = 2; // the session refuses to send
    EXPECT_FALSE(request.Get());
    EXPECT_FALSE(request.Busy);
    EXPECT_EQ(Panel->Text(),
              "Get: (SNMPClass) SNMP Operation not supported on specified Target! Receive at 14:05:09.");

    HookLog hooks;
    request.OnSetDone = hooks.Hook();
    request.Request.VarList.GetVariable(0).ValueText = "1";
    EXPECT_FALSE(request.Set(false, false));
    EXPECT_FALSE(request.Busy);
    EXPECT_EQ(hooks.Codes, std::vector<int>{-416});
}

// A later step of an asynchronous walk that the session refuses ends the read as the first step's
// refusal does: the rows so far stay, the request is idle, and the refusal is shown.
TEST_F(VqSNMPRequest2ControlsTest, RefusedSendOfALaterWalkStepIsReported) {
    RecordingRequest request(Form);
    request.SetStatusPanel(Panel);
    request.Mode = 1;
    request.OnRow = [&] { request.Request.Security.Version = 2; };
    EXPECT_TRUE(GetAndWait(request));
    EXPECT_EQ(request.Rows(), std::vector<std::string>{"1 10 one"});
    ASSERT_EQ(request.Failures.size(), 1u);
    EXPECT_EQ(request.Failures[0].Code, -416);
    EXPECT_EQ(Panel->Text(),
              "Get: (SNMPClass) SNMP Operation not supported on specified Target! Receive at 14:05:09.");
}

TEST_F(VqSNMPRequest2ControlsTest, ExceptionWhileDecodingAReplyIsReportedAndLeavesTheRequestIdle) {
    static constexpr MibTableRow kBadType[] = {{kSpeed, "Speed", 99, acReadOnly}, {}};
    RecordingRequest request(Form, kBadType, MVT_UMV, 0);
    request.SetStatusPanel(Panel);
    EXPECT_TRUE(GetAndWait(request));
    EXPECT_EQ(Panel->Text(), "Get: Bad SNMP syntax! Receive at 14:05:09.");
    EXPECT_EQ(request.Request.Outstanding, 0);
    EXPECT_EQ(request.RowCount, 0);
    // The request stays usable.
    request.Request.VarList = VqSNMPVarList(kPortTable, MVT_UMV, 1);
    GetAndWait(request);
    EXPECT_EQ(request.RowCount, 3);
}

TEST_F(VqSNMPRequest2ControlsTest, ReadStartedDuringAWalkRestartsIt) {
    Agent().SetDelay(kSpeed, 100, SimOp::Next);
    RecordingRequest request(Form);
    HookLog hooks;
    request.OnGetDone = hooks.Hook();
    request.SetStatusControl(Memo);
    ASSERT_TRUE(request.Get());
    ASSERT_TRUE(WaitUntil([&] { return request.RowCount == 1; })); // the walk runs
    // Stopped with a step in flight, started again: the stopped walk's reply must not count.
    request.Request.Active = false;
    request.Request.Active = true;
    ASSERT_TRUE(request.Get());
    int busySeen = 0;
    request.OnRow = [&] { busySeen += request.Busy ? 1 : 0; };
    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    EXPECT_EQ(busySeen, 3);
    EXPECT_EQ(request.RowCount, 3);
    EXPECT_EQ(request.Rows(), (std::vector<std::string>{"1 10 one", "1 10 one", "2 20 two", "3 30 three"}));
    EXPECT_EQ(request.Count("GetDone"), 1);
    EXPECT_EQ(hooks.Codes, std::vector<int>{0});
    EXPECT_EQ(Memo->Lines().List(), std::vector<std::string>{"Get: Ok! Receive at 14:05:09."});
    EXPECT_TRUE(WaitUntil([&] { return request.Request.Outstanding == 0; }));
}

TEST_F(VqSNMPRequest2ControlsTest, DestructorWaitsAtMostItsBoundByTheClockThenDropsTheReply) {
    UseSilentAgent(3000); // the reply (a time-out) would come after a minute
    auto request = std::make_unique<RecordingRequest>(Form);
    HookLog hooks;
    request->OnGetDone = hooks.Hook();
    const int pending = SnmpSession->PendingCount();
    ASSERT_TRUE(request->Get());
    ASSERT_EQ(SnmpSession->PendingCount(), pending + 1);
    {
        FakeClock stepping(500); // every reading of the clock moves it by half a second
        request.reset();
        EXPECT_GE(stepping.Ticks, VqSNMPRequest::kDestroyWaitMs) << "gave up before its bound";
        EXPECT_LE(stepping.Ticks, VqSNMPRequest::kDestroyWaitMs + 2000) << "waited past its bound";
    }
    EXPECT_EQ(SnmpSession->PendingCount(), pending) << "the reply could still reach the request";
    EXPECT_TRUE(hooks.Codes.empty());
}

TEST_F(VqSNMPRequest2ControlsTest, DestructorLetsTheReplyInFlightReachOnlyTheBaseClass) {
    // A failed reply comes while the request is destroyed: no hook, line or message box of the
    // window that is going away.
    Agent().SetDelay(kSpeed, 100, SimOp::Next);
    Agent().InjectError(kSpeed, "genErr", SimOp::Next);
    for (bool withTarget : {true, false}) {
        auto request = std::make_unique<RecordingRequest>(Form);
        HookLog hooks;
        if (withTarget) {
            request->OnGetDone = hooks.Hook();
            request->SetStatusPanel(Panel);
        }
        ASSERT_TRUE(request->Get());
        const int pending = SnmpSession->PendingCount();
        request.reset(); // returns once the reply is handled
        EXPECT_EQ(SnmpSession->PendingCount(), pending - 1);
        EXPECT_TRUE(hooks.Codes.empty());
        EXPECT_EQ(Panel->Text(), "");
    }
}

TEST_F(VqSNMPRequest2ControlsTest, RequestDestroyedInsideItsOwnHandlerOrMessageBoxIsSafe) {
    auto request = std::make_unique<RecordingRequest>(Form);
    request->OnGetDone = [&](VqSNMPRequest2Controls*, const VqSNMPError&) { request.reset(); };
    request->Get();
    ASSERT_TRUE(WaitUntil([&] { return !request; }));

    // The user closes the dialog while the request's message box is up.
    class ClosingDialogs : public UserDialogService {
    public:
        explicit ClosingDialogs(std::unique_ptr<RecordingRequest>& victim)
            : Victim(victim), Previous(CurrentUserDialogService()) {
            SetUserDialogService(this);
        }
        ~ClosingDialogs() override { SetUserDialogService(Previous); }
        int Show(const UserDialog&) override {
            Victim.reset();
            return mrOk;
        }
        std::unique_ptr<RecordingRequest>& Victim;
        UserDialogService* Previous;
    };
    UseSilentAgent();
    request = std::make_unique<RecordingRequest>(Form);
    ClosingDialogs closing(request);
    request->Get();
    ASSERT_TRUE(WaitUntil([&] { return !request; }));
}

// ---- misbehaving agents: the hostile agent works out the right answer, then spoils it

namespace {

constexpr const char* kRow1Speed = "1.3.6.1.4.1.746.99.1.1.2.1";
constexpr const char* kRow1Name = "1.3.6.1.4.1.746.99.1.1.3.1";

// Runs once blocking and once asynchronously against the hostile agent, whose default store is
// the port table above (speeds 10, 20, 30; names one, two, three).
class HostileAgentReplies : public VqSNMPRequest2ControlsTest, public ::testing::WithParamInterface<int> {
protected:
    static constexpr int kTimeout = 20; // 200 ms a try, one retry

    void SetUp() override {
        VqSNMPRequest2ControlsTest::SetUp();
        Hostile().Reset();
        SessionParameters.Device = {Hostile().Address(), static_cast<uint16_t>(Hostile().Port())};
        SessionParameters.Timeout = kTimeout;
    }
    void TearDown() override {
        EXPECT_EQ(Hostile().TakeErrors(), "") << "the hostile agent reported faults of its own";
        VqSNMPRequest2ControlsTest::TearDown();
    }

    static HostileAgent& Hostile() { return HostileAgent::Shared(); }
    static std::string Line(const std::string& text) { return "Get: " + text + " Receive at 14:05:09."; }

    // A new request over the whole table (a walk) or its row 1 alone, in the test's mode, with
    // the status panel as its target.
    std::unique_ptr<RecordingRequest> NewRequest(bool walk) {
        auto request =
            std::make_unique<RecordingRequest>(Form, kPortTable, walk ? MVT_UMV : MVT_SV, walk ? 1 : 0);
        if (!walk)
            request->Request.VarList.Instance = "1";
        request->Mode = static_cast<uint8_t>(GetParam());
        request->SetStatusPanel(Panel);
        return request;
    }
    // Reads and waits until the read has ended; false when it did not end within boundMs.
    bool Read(RecordingRequest& request, uint64_t boundMs = 10000) {
        Panel->SetText("");
        request.Get();
        return WaitUntil([&] { return !request.Busy; }, boundMs);
    }
    // The record of the read's failure: the one GetFailed got, or the blocking read's last error.
    static VqSNMPError Failure(const RecordingRequest& request) {
        if (request.Mode == 0)
            return request.Request.LastError();
        return request.Failures.empty() ? VqSNMPError{} : request.Failures.back();
    }
};

} // namespace

INSTANTIATE_TEST_SUITE_P(SyncAndAsync, HostileAgentReplies, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "Async" : "Sync"; });

TEST_P(HostileAgentReplies, RepliesThatCannotBeTakenEndInTheTimeOut) {
    struct Case {
        const char* scenario;
        const char* options;
    } cases[] = {
        {"random-bytes", R"({"length": 40})"},
        {"truncated", "{}"},
        {"wrong-request-id", "{}"},
        {"other-port", "{}"},
        {"other-address", R"({"address": "127.0.0.2"})"},
        {"late-reply", R"({"delay_ms": 1000})"},
        {"wrong-type", R"({"type": "short-ipaddress"})"}, // an IpAddress of two octets
    };
    const auto bound = std::chrono::milliseconds(ReplyWaitBoundMs(kTimeout, 1));
    for (const Case& c : cases) {
        Hostile().SetScenario(c.scenario, c.options);
        Hostile().ClearRequests();
        auto request = NewRequest(true);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(Read(*request)) << c.scenario;
        EXPECT_LE(std::chrono::steady_clock::now() - start, bound) << c.scenario;
        EXPECT_EQ(Panel->Text(), Line("(SNMPClass) SNMP request timed out!")) << c.scenario;
        EXPECT_TRUE(request->Rows().empty()) << c.scenario;
        // A reply from elsewhere did not end the request: it was sent again and timed out.
        EXPECT_EQ(Hostile().Requests().size(), 2u) << c.scenario;
    }
}

TEST_P(HostileAgentReplies, ErrorIndexBeyondTheVariablesIsShownWithTheErrorButPointsAtNoVariable) {
    // Row 1 alone sends two bindings; the agent names binding 2 + beyond.
    struct Case {
        const char* options;
        const char* text;
        int index;
    } cases[] = {
        {R"({"beyond": 1})", "(SNMP) Cannot perform operation, General Error!", 0},
        {R"({"beyond": 1000})", "(SNMP) Cannot perform operation, General Error!", 0},
        {R"({"beyond": -2})", "(SNMP) Cannot perform operation, General Error!", 0},
        {R"({"beyond": 0})", "(SNMP) Cannot perform operation, General Error!", 2},
        {R"({"beyond": -1, "status": 2})", "(SNMP) Variable does not exist!", 1},
        // Error statuses no reply may carry are unknown, never a status of the library (1400 is
        // its success).
        {R"({"beyond": 0, "status": 1400})", "Unknown error code!", 2},
        {R"({"beyond": 0, "status": -5})", "Unknown error code!", 2},
    };
    for (const Case& c : cases) {
        Hostile().SetScenario("error-index-beyond", c.options);
        auto request = NewRequest(false);
        ASSERT_TRUE(Read(*request)) << c.options;
        EXPECT_EQ(Panel->Text(), Line(c.text)) << c.options;
        EXPECT_EQ(Failure(*request).Message, c.text) << c.options;
        EXPECT_EQ(Failure(*request).ErrorIndex, c.index) << c.options;
        EXPECT_TRUE(request->Rows().empty()) << c.options;
    }
}

TEST_P(HostileAgentReplies, FewerVariablesThanAskedFailTheStepAndChangeNoValue) {
    for (const char* options : {R"({"drop": 1})", R"({"drop": 2})"}) {
        Hostile().SetScenario("fewer-varbinds", options);
        for (bool walk : {true, false}) {
            auto request = NewRequest(walk);
            for (int i = 0; i < request->Request.VarList.GetCount(); ++i)
                request->Request.VarList.GetVariable(i).ValueText = "kept";
            ASSERT_TRUE(Read(*request)) << options;
            EXPECT_EQ(Panel->Text(), Line("Agent returned fewer SNMP variables than requested!")) << options;
            EXPECT_EQ(Failure(*request).Code, -530) << options;
            EXPECT_TRUE(request->Rows().empty()) << options << " walk " << walk;
            for (int i = 0; i < request->Request.VarList.GetCount(); ++i)
                EXPECT_EQ(request->Request.VarList.GetVariable(i).ValueText, "kept") << options << " " << i;
        }
    }
}

TEST_P(HostileAgentReplies, ExtraVariablesAreIgnored) {
    Hostile().SetScenario("more-varbinds", R"({"extra": 3})");
    auto walk = NewRequest(true);
    ASSERT_TRUE(Read(*walk));
    EXPECT_EQ(walk->Rows(), kThreeRows);
    EXPECT_EQ(Panel->Text(), Line("Ok!"));
    auto row = NewRequest(false);
    ASSERT_TRUE(Read(*row));
    EXPECT_EQ(row->Rows(), std::vector<std::string>{" 10 one"});
    EXPECT_EQ(Panel->Text(), Line("Ok!"));
}

TEST_P(HostileAgentReplies, ValueOfAnotherTypeShowsAsTheTypeThatArrived) {
    // The agent replaces row 1's value of one column; the walk's other rows stay as they are.
    struct Case {
        const char* type;
        const char* column;
        const char* speed;
        const char* name;
    } cases[] = {
        {"octets", kRow1Speed, "6E6F742061206E756D626572", "one"}, // "not a number"
        {"counter64", kRow1Speed, "1099511627783", "one"},
        {"oid", kRow1Speed, "1.3.6.1.4.1.746", "one"},
        {"ipaddress", kRow1Speed, "10.1.2.3", "one"},
        {"null", kRow1Speed, "(NULL)", "one"},
        {"nosuchinstance", kRow1Speed, "(NULL)", "one"},
        {"integer", kRow1Name, "10", "7"},
        {"counter32", kRow1Name, "10", "7"},
    };
    for (const Case& c : cases) {
        Hostile().SetScenario("wrong-type",
                              std::string(R"({"type": ")") + c.type + R"(", "prefix": ")" + c.column + "\"}");
        const std::string row1 = std::string(c.speed) + " " + c.name;
        auto row = NewRequest(false);
        ASSERT_TRUE(Read(*row)) << c.type;
        EXPECT_EQ(row->Rows(), std::vector<std::string>{" " + row1}) << c.type;
        EXPECT_EQ(Panel->Text(), Line("Ok!")) << c.type;
        auto walk = NewRequest(true);
        ASSERT_TRUE(Read(*walk)) << c.type;
        EXPECT_EQ(walk->Rows(), (std::vector<std::string>{"1 " + row1, "2 20 two", "3 30 three"})) << c.type;
        EXPECT_EQ(Panel->Text(), Line("Ok!")) << c.type;
    }
}

TEST_P(HostileAgentReplies, LargestOctetStringADatagramHoldsIsShownWhole) {
    Hostile().SetScenario("largest-octet-string");
    auto row = NewRequest(false);
    ASSERT_TRUE(Read(*row));
    ASSERT_EQ(row->Rows().size(), 1u);
    const std::string speed = row->Request.VarList.GetVariable(1).ValueText;
    EXPECT_GT(speed.size(), 2u * 65400u);
    EXPECT_EQ(speed.find_first_not_of("41"), std::string::npos) << "the octets 'A' as hex text";
    EXPECT_EQ(row->Request.VarList.GetVariable(2).ValueText, "one");
    EXPECT_EQ(Panel->Text(), Line("Ok!"));
}

TEST_P(HostileAgentReplies, NonIncreasingOidEndsTheWalkAsAFailedStep) {
    struct Case {
        const char* options;
        size_t rows; // read before the agent went wrong
    } cases[] = {
        {R"({"how": "same"})", 0},
        {R"({"how": "same", "after": 2})", 2},
        {R"({"how": "smaller"})", 0}, // the column's OID answered by the one before it
        {R"({"how": "smaller", "after": 2})", 2},
    };
    for (const Case& c : cases) {
        Hostile().SetScenario("non-increasing", c.options);
        Hostile().ClearRequests();
        auto walk = NewRequest(true);
        ASSERT_TRUE(Read(*walk)) << c.options;
        EXPECT_EQ(walk->Rows(), std::vector<std::string>(kThreeRows.begin(), kThreeRows.begin() + c.rows))
            << c.options;
        EXPECT_EQ(Panel->Text(), Line("Agent returned a non-increasing OID!")) << c.options;
        EXPECT_EQ(Failure(*walk).Code, -529) << c.options;
        EXPECT_EQ(Hostile().Requests().size(), c.rows + 1) << c.options << ": no step after the failed one";
    }
}

TEST_P(HostileAgentReplies, EndlessTableStopsWithinOneReply) {
    // Stop pressed while a row is handled (the dialogs let events run there): no further step.
    Hostile().SetScenario("endless-table");
    auto walk = NewRequest(true);
    walk->OnRow = [&] {
        if (walk->Rows().size() == 50)
            walk->Request.Active = false;
    };
    ASSERT_TRUE(Read(*walk));
    EXPECT_EQ(walk->Rows().size(), 50u);
    EXPECT_EQ(walk->Rows().back(), "50 50 50");
    EXPECT_EQ(walk->Count("GetDone"), 1);
    EXPECT_EQ(Hostile().Requests().size(), 50u);
    EXPECT_EQ(Panel->Text(), Line(VqSNMPRequest2Controls::kStopText));
    EXPECT_FALSE(walk->Request.Active) << "a new read needs Active set again";
}

TEST_P(HostileAgentReplies, DuplicateRepliesChangeNothing) {
    // The copies of a step's reply come right behind it, while the next step is in flight.
    Hostile().SetScenario("duplicate", R"({"copies": 3})");
    auto walk = NewRequest(true);
    ASSERT_TRUE(Read(*walk));
    EXPECT_EQ(walk->Rows(), kThreeRows);
    EXPECT_EQ(walk->Count("GetDone"), 1);
    EXPECT_EQ(Panel->Text(), Line("Ok!"));
    EXPECT_EQ(Hostile().Requests().size(), 4u) << "three rows and the step past them";
    auto row = NewRequest(false);
    ASSERT_TRUE(Read(*row));
    EXPECT_EQ(row->Rows(), std::vector<std::string>{" 10 one"});
}

TEST_P(HostileAgentReplies, LateReplyAfterTheTimeOutChangesNothing) {
    // The first read's reply comes after its time-out, while the second read waits for its own.
    Hostile().SetScenario("late-reply", R"({"delay_ms": 1300})");
    auto row = NewRequest(false);
    row->Request.Timeout = 100;
    row->Request.Retries = 0;
    ASSERT_TRUE(Read(*row));
    EXPECT_EQ(Panel->Text(), Line("(SNMPClass) SNMP request timed out!"));
    Hostile().SetStore("1.3.6.1.4.1.746.99.1.1.2.1|2|11\n1.3.6.1.4.1.746.99.1.1.3.1|4|uno\n");
    Hostile().SetScenario("late-reply", R"({"delay_ms": 700})");
    ASSERT_TRUE(Read(*row));
    EXPECT_EQ(row->Rows(), std::vector<std::string>{" 11 uno"})
        << "the late reply was taken for the new read";
    EXPECT_EQ(Panel->Text(), Line("Ok!"));
    EXPECT_EQ(row->Request.Outstanding, 0);
}

TEST_P(HostileAgentReplies, BrokenRepliesToAWriteAreReportedAsFailures) {
    struct Case {
        const char* scenario;
        const char* options;
        int code;
        int index; // the SET sends one binding
    } cases[] = {
        {"error-index-beyond", R"({"beyond": 1})", -105, 0},
        {"error-index-beyond", R"({"beyond": 0, "status": 1400})", -528, 1},
        {"other-port", "{}", -405, 0},
        {"random-bytes", "{}", -405, 0},
    };
    for (const Case& c : cases) {
        Hostile().SetScenario(c.scenario, c.options);
        auto request = NewRequest(true);
        HookLog hooks;
        std::vector<int> indexes;
        request->OnSetDone = [&](VqSNMPRequest2Controls*, const VqSNMPError& e) {
            hooks.Codes.push_back(e.Code);
            indexes.push_back(e.ErrorIndex);
        };
        request->Request.VarList.GetVariable(0).ValueText = "1";
        request->Request.VarList.GetVariable(1).ValueText = "11";
        if (GetParam() == 0) {
            // A blocking write reports through its message box, whatever the hook.
            Dialogs.Expect(DialogKind::Box, kTitle, MessageOfCode(c.code));
        }
        request->Set(false, false, "1");
        ASSERT_TRUE(WaitUntil([&] { return !request->Busy; })) << c.scenario;
        if (GetParam() == 1) {
            EXPECT_EQ(hooks.Codes, std::vector<int>{c.code}) << c.scenario << " " << c.options;
            EXPECT_EQ(indexes, std::vector<int>{c.index}) << c.scenario << " " << c.options;
        }
        EXPECT_EQ(Dialogs.Pending(), 0) << c.scenario;
    }
}

} // namespace vq_snmp_request2_controls_test
