#include "VqSNMPRequest2Leds.h"

#include "Clock.h"
#include "LedColorMaps.h"
#include "MessageWait.h"
#include "Oid_system.h"
#include "SimTest.h"
#include "TApplication.h"
#include "TForm.h"
#include "TPanel.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "UiTesting.h"
#include "VqException.h"
#include "VqMessageTable.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

namespace vq_snmp_request2_leds_test {

namespace {

constexpr TColor kGrey = kLedDarkGrey;

// The LED status of unit 1 of a 24RA, all octets 0 but those given.
std::string LedScenario(const std::string& octets) {
    return R"({"model": "24RA", "units": [{"led": {)" + octets + "}}]}";
}

// A map like the port LED map, but a missing octet is an error.
constexpr LedColorRow kStrictRows[] = {{3, clLime}, kLedColorRowsEnd};
constexpr VqSNMPLedColorMapList kStrictMap(kStrictRows, 7, 7, clBlack, -1);

bool WaitUntil(const std::function<bool()>& done, uint64_t boundMs = 10000) {
    return WaitOnEventQueue(done, boundMs);
}

class VqSNMPRequest2LedsTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        CreateGlobalSession(Dir.path().toStdString());
        SessionParameters.Device = {Agent().Address(), static_cast<uint16_t>(Agent().Port())};
        SessionParameters.Security.Version = 1;
        SessionParameters.Timeout = 100;
        Form = CreateForm<TForm>(nullptr);
        Bar = new TStatusBar(Form);
        Status = Bar->Panels().Add();
    }
    void TearDown() override {
        Leds.reset();
        delete Form;
        SimTest::TearDown();
    }

    // The LED request of a front panel on unit 1: one variable, synchronous until it polls.
    VqSNMPRequest2Leds& MakeRequest() {
        Leds = std::make_unique<VqSNMPRequest2Leds>(Form);
        Leds->Mode = 0;
        Leds->Request.VarList = VqSNMPVarList(PanelZQS441024TCTable.ForModel(2), MVT_SV, 0);
        Leds->Request.VarList.Instance = "1";
        Leds->Request.VarList.DisplayText = " LED Status";
        return *Leds;
    }

    TShape* AddShape(int octet, const VqSNMPLedColorMapList& map) {
        auto* host = new TPanel(Form);
        Leds->AddLedRow(0, std::to_string(octet), &map, host, 0, 5, stRectangle, 4, 4);
        return Leds->Leds.back().Shape;
    }

    bool PollAndWait() {
        Leds->PollTimer->Tick();
        return WaitUntil([&] { return !Leds->Busy; });
    }

    // The status line of a read, at the time the (still) clock shows.
    static std::string StatusLine(const std::string& text) {
        const std::time_t now = std::chrono::system_clock::to_time_t(ClockNow());
        std::tm local{};
        localtime_r(&now, &local);
        char time[16];
        std::strftime(time, sizeof time, "%H:%M:%S", &local);
        return "Get: " + text + " Request: LED Status. Receive at " + time + ".";
    }

    static TColor Shown(const TShape* shape) { return const_cast<TShape*>(shape)->Brush()->Color(); }

    QTemporaryDir Dir;
    FakeClock Clock;
    ManualTimers Timers;
    TForm* Form = nullptr;
    TStatusBar* Bar = nullptr;
    TStatusPanel* Status = nullptr;
    std::unique_ptr<VqSNMPRequest2Leds> Leds;
};

} // namespace

TEST_F(VqSNMPRequest2LedsTest, AddLedRowCreatesOneShapePerOctetAndPaintsTheDefaultColour) {
    VqSNMPRequest2Leds& request = MakeRequest();
    auto* host = new TPanel(Form);
    request.AddLedRow(0, "1,3,5", &PortLedColorMap, host, 2, 5, stRectangle, 4, 6);

    ASSERT_EQ(request.Leds.size(), 3u);
    const int lefts[] = {2, 11, 20}, octets[] = {1, 3, 5};
    for (size_t i = 0; i < 3; ++i) {
        const LedRecord& led = request.Leds[i];
        EXPECT_EQ(led.OctetIndex, octets[i]);
        EXPECT_EQ(led.Shape->Left(), lefts[i]);
        EXPECT_EQ(led.Shape->Top(), 0);
        EXPECT_EQ(led.Shape->Width(), 4);
        EXPECT_EQ(led.Shape->Height(), 6);
        EXPECT_EQ(led.Shape->Parent(), host);
        EXPECT_EQ(led.Shape->Owner(), Form);
        EXPECT_EQ(Shown(led.Shape), clBlack);
        EXPECT_EQ(led.Shape->Pen()->Color(), clBlack);
        EXPECT_TRUE(led.Shape->Visible());
        EXPECT_FALSE(led.Blink);
    }
    EXPECT_EQ(host->BevelInner(), bvNone);
    EXPECT_EQ(host->BevelOuter(), bvNone);

    struct Case {
        int Mode, Limit, ExpectedMode, ExpectedLimit;
    };
    for (const Case& c : {Case{0, -3, 1, 4}, Case{1, 10, 1, 10}, Case{2, 0, 2, 4}}) {
        request.SetDecodeOptions(c.Mode, c.Limit);
        EXPECT_EQ(request.DecodeMode, c.ExpectedMode);
        EXPECT_EQ(request.PortLimit, c.ExpectedLimit);
    }
}

// The first read is the creator's synchronous one: the colours stand when StartPolling returns,
// and the timers run (poll every 5 s, blink every 60 ms).
TEST_F(VqSNMPRequest2LedsTest, StartPollingPaintsTheFirstReadAtOnce) {
    Agent().LoadScenario(LedScenario(R"("1": 17, "2": 5, "9": 1, "10": 3, "32": 3, "33": 0, "34": 6)"));
    VqSNMPRequest2Leds& request = MakeRequest();
    request.SetDecodeOptions(1, 10);
    TShape* power = AddShape(1, PowerLedColorMap);
    TShape* rps = AddShape(2, RpsLedColorMap);
    TShape* stackId = AddShape(10, StackIdLedColorMap);
    TShape* port = AddShape(32, PortLedColorMap);
    TShape* beyond = AddShape(60, PortLedColorMap);

    request.StartPolling(500);

    EXPECT_EQ(Shown(power), clLime) << "0x11 is state 1";
    EXPECT_EQ(Shown(rps), clRed);
    EXPECT_EQ(Shown(stackId), clLime) << "the limit itself is not cut off by octet 9";
    EXPECT_EQ(Shown(port), clBlack) << "octet 9 is 01: every port LED dark";
    EXPECT_EQ(Shown(beyond), clBlack) << "past the 58 octets";
    EXPECT_TRUE(request.PollTimer->Running());
    EXPECT_EQ(request.PollTimer->Interval(), 5000);
    EXPECT_EQ(request.BlinkTimer->Interval(), 60);
    EXPECT_FALSE(request.BlinkTimer->Running()) << "nothing blinks: the blink timer rests";
    EXPECT_EQ(request.Mode, 1) << "later polls are asynchronous";
    EXPECT_EQ(Status->Text(), "") << "no status target yet";
}

// A poll never blocks: it is sent, its reply paints later, and a tick while it waits starts no
// second read.
TEST_F(VqSNMPRequest2LedsTest, PollsRunAsynchronouslyOneAtATime) {
    Agent().LoadScenario(LedScenario(R"("32": 0)"));
    VqSNMPRequest2Leds& request = MakeRequest();
    TShape* port = AddShape(32, PortLedColorMap);
    request.StartPolling(500);
    request.SetStatusPanel(Status);
    EXPECT_EQ(Shown(port), kGrey);

    Agent().LoadScenario(LedScenario(R"("32": 4)"));
    Agent().SetDelay("", 300);
    request.PollTimer->Tick();
    EXPECT_TRUE(request.Busy);
    EXPECT_EQ(request.Request.Outstanding, 1);
    EXPECT_EQ(Shown(port), kGrey) << "nothing waited for the reply";
    request.PollTimer->Tick();
    EXPECT_EQ(request.Request.Outstanding, 1) << "no second read while the first waits";

    ASSERT_TRUE(WaitUntil([&] { return !request.Busy; }));
    EXPECT_EQ(request.Leds[0].Color, clLime);
    EXPECT_TRUE(request.Leds[0].Blink);
    EXPECT_EQ(Status->Text(), StatusLine("Ok!"));
}

// After each reply a blinking LED shows seven alternating paints (the reply's and six ticks),
// then stays lit until the next reply; a reply without blink bits makes it steady at once.
TEST_F(VqSNMPRequest2LedsTest, BlinkingAlternatesSevenPaintsAfterEachReply) {
    Agent().LoadScenario(LedScenario(R"("32": 3, "1": 1)"));
    VqSNMPRequest2Leds& request = MakeRequest();
    TShape* port = AddShape(32, PortLedColorMap);
    TShape* power = AddShape(1, PowerLedColorMap);
    std::vector<TColor> seen;
    auto record = [&] { seen.push_back(Shown(port)); };

    request.StartPolling(500);
    record();
    for (int tick = 0; tick < 9; ++tick) {
        request.BlinkTimer->Tick();
        record();
        EXPECT_EQ(Shown(power), clLime) << "a steady LED does not blink";
    }
    const std::vector<TColor> expected = {clLime,  clBlack, clLime, clBlack, clLime,
                                          clBlack, clLime,  clLime, clLime,  clLime};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(request.BlinkTimer->Running()) << "once every LED stays lit, the timer rests";

    ASSERT_TRUE(PollAndWait());
    EXPECT_EQ(request.BlinkPasses, 1) << "the reply started the passes again";
    EXPECT_EQ(Shown(port), clBlack) << "the lit LED goes dark with the reply's own paint";
    EXPECT_TRUE(request.BlinkTimer->Running()) << "a reply with a blinking LED wakes it";
    request.BlinkTimer->Tick();
    EXPECT_EQ(Shown(port), clLime);

    Agent().LoadScenario(LedScenario(R"("32": 0, "1": 1)"));
    ASSERT_TRUE(PollAndWait());
    EXPECT_EQ(Shown(port), kGrey) << "state 0 does not blink";
    EXPECT_FALSE(request.BlinkTimer->Running());
}

// A dead switch never shows stale colours: the failed poll darkens every LED and says why.
TEST_F(VqSNMPRequest2LedsTest, FailedPollResetsTheLedsAndWritesTheError) {
    Agent().LoadScenario(LedScenario(R"("32": 4, "1": 1)"));
    VqSNMPRequest2Leds& request = MakeRequest();
    TShape* port = AddShape(32, PortLedColorMap);
    TShape* power = AddShape(1, PowerLedColorMap);
    request.StartPolling(500);
    request.SetStatusPanel(Status);
    ASSERT_EQ(Shown(port), clLime);

    request.Request.Timeout = 10;
    Agent().DropReplies("");
    ASSERT_TRUE(PollAndWait());
    EXPECT_EQ(Shown(port), clBlack);
    EXPECT_EQ(Shown(power), clBlack);
    EXPECT_EQ(Status->Text(), StatusLine(MessageOfCode(-405)));
    EXPECT_TRUE(request.PollTimer->Running()) << "the next tick tries again";

    Agent().ClearInjections();
    ASSERT_TRUE(PollAndWait());
    EXPECT_EQ(Shown(port), clLime);
    EXPECT_EQ(Status->Text(), StatusLine("Ok!"));
}

// The framework's exceptions out of a poll: the one raised by the read (an agent address that is
// no address) and the one raised while decoding (a missing octet on a map that forbids it).
TEST_F(VqSNMPRequest2LedsTest, ExceptionOutOfAPollResetsTheLedsAndKeepsPolling) {
    Agent().LoadScenario(LedScenario(R"("32": 3)"));
    VqSNMPRequest2Leds& request = MakeRequest();
    TShape* port = AddShape(32, PortLedColorMap);
    request.StartPolling(500);
    request.SetStatusPanel(Status);
    ASSERT_EQ(Shown(port), clLime);

    request.Request.Device.Address = "";
    request.PollTimer->Tick();
    EXPECT_FALSE(request.Busy);
    EXPECT_EQ(Shown(port), clBlack);
    EXPECT_FALSE(request.Leds[0].Blink);
    EXPECT_EQ(Status->Text(), StatusLine(MessageOfCode(-509)));
    EXPECT_TRUE(request.PollTimer->Running());

    request.Request.Device.Address = Agent().Address();
    ASSERT_TRUE(PollAndWait());
    EXPECT_EQ(Shown(port), clLime);

    AddShape(70, kStrictMap);
    ASSERT_TRUE(PollAndWait());
    EXPECT_EQ(Shown(port), clBlack) << "a decode that raised darkens every LED";
    EXPECT_EQ(Status->Text(), StatusLine(MessageOfCode(-519)));
}

// The first read raising: LEDs reset and the exception reaches the creator; polling stays on.
TEST_F(VqSNMPRequest2LedsTest, FirstReadThatRaisesReachesTheCreator) {
    Agent().LoadScenario(LedScenario(R"("32": 3)"));
    VqSNMPRequest2Leds& request = MakeRequest();
    TShape* port = AddShape(32, PortLedColorMap);
    AddShape(70, kStrictMap);
    try {
        request.StartPolling(500);
        FAIL() << "no exception";
    } catch (const VqException& e) {
        EXPECT_EQ(e.Code(), -519);
    }
    EXPECT_EQ(Shown(port), clBlack);
    EXPECT_TRUE(request.PollTimer->Running());
}

TEST_F(VqSNMPRequest2LedsTest, StopPollingStopsBothTimersAndDarkensEveryLed) {
    Agent().LoadScenario(LedScenario(R"("32": 3, "1": 1)"));
    VqSNMPRequest2Leds& request = MakeRequest();
    TShape* port = AddShape(32, PortLedColorMap);
    TShape* power = AddShape(1, PowerLedColorMap);
    request.StartPolling(500);
    ASSERT_EQ(Shown(power), clLime);

    request.StopPolling();
    EXPECT_FALSE(request.PollTimer->Running());
    EXPECT_FALSE(request.BlinkTimer->Running());
    EXPECT_EQ(Shown(port), clBlack);
    EXPECT_EQ(Shown(power), clBlack);
    EXPECT_EQ(port->Pen()->Color(), clBlack);

    // Its timers belong to the form; freeing the request frees them, and the shapes stay.
    const int components = Form->ComponentCount();
    Leds.reset();
    EXPECT_EQ(Form->ComponentCount(), components - 2);
    EXPECT_EQ(Shown(port), clBlack);
}

} // namespace vq_snmp_request2_leds_test
