#include "Tpbridgeportcounter.h"

#include "BridgePortScenario.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TChart.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TListView.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TTimer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace tpbridgeportcounter_test {

namespace {

using T = TTpBridgePortInfo_Table;
using Row = std::vector<std::string>; // the caption, then the sub-items

constexpr const char* kCommand = "PortCounters1Click";

// Waits run on the steady clock (so they stay bounded); the wall clock, whose time the samples
// show, moves only when the test says.
class TestClock : public ClockService {
public:
    TestClock() : Previous(CurrentClockService()) {
        std::tm at{};
        at.tm_year = 126;
        at.tm_mday = 5;
        at.tm_hour = 14;
        at.tm_min = 5;
        at.tm_sec = 9;
        at.tm_isdst = -1;
        Wall = std::chrono::system_clock::from_time_t(std::mktime(&at)); // 14:05:09 local
        SetClockService(this);
    }
    ~TestClock() override { SetClockService(Previous); }
    uint64_t TickCount() override {
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now().time_since_epoch())
                                         .count());
    }
    std::chrono::system_clock::time_point Now() override { return Wall; }
    std::chrono::system_clock::time_point Wall;

private:
    ClockService* Previous;
};

class BridgePortCounterSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kBridgePortScenario);
    }

    // Opens the monitor through its menu command; the test starts once the port list is read.
    void Open(const std::function<void(T*)>& test, bool monitorStarts = true) {
        RunDialog<T>(kCommand, TpBridgePortInfo_Table,
                     [&](T* d) {
                         ASSERT_TRUE(
                             WaitFor([d] { return d->PortListRequest && !d->PortListRequest->Busy; }, 20000));
                         if (monitorStarts) {
                             ASSERT_NE(d->CounterRequest, nullptr);
                         }
                         test(d);
                     },
                     {}, {.WaitFirstRead = false});
        // Opening, reading, sampling and closing write nothing.
        EXPECT_TRUE(Agent().SetLog().empty());
    }

    // The wall clock moves on by the seconds, then every running timer ticks once; returns once the
    // counter read a tick started has ended.
    void Tick(T* d, int seconds) {
        Clock.Wall += std::chrono::seconds(seconds);
        Timers.Fire();
        ASSERT_TRUE(WaitFor([d] { return !d->CounterRequest || !d->CounterRequest->Busy; }, 10000));
    }

    static std::vector<Row> CounterRows(T* d) {
        std::vector<Row> rows;
        for (int i = 0; i < d->LV_TpBridge_Port_Info->Items().Count(); ++i) {
            const TListItem* item = d->LV_TpBridge_Port_Info->Items()[i];
            Row row{item->Caption()};
            for (int c = 0; c < item->SubItems().Count(); ++c) {
                row.push_back(item->SubItems()[c]);
            }
            rows.push_back(row);
        }
        return rows;
    }
    static std::vector<Row> ZeroRows(const std::string& time) {
        return {{"Input Frames", "0", "0", "0", "0", time},
                {"Output Frames", "0", "0", "0", "0", time},
                {"Discard Frames", "0", "0", "0", "0", time}};
    }
    static std::string Status(T* d) { return StatusPanelOf(d->StatusBar1)->Text(); }

    // Port 1 alone, its counters plain ones the test sets before a sample (output and discards 0).
    void StoreInput(int input) {
        Agent().LoadScenario(std::string(R"({"tables": [{"entry": "1.3.6.1.2.1.17.4.4.1",
            "columns": [[1, "int"], [2, "int"], [3, "counter"], [4, "counter"], [5, "counter"]],
            "rows": [["1", 1, 1518, )") +
                             std::to_string(input) + ", 0, 0]]}]}");
    }

    // Each series' points: (value, label).
    static std::vector<std::pair<double, std::string>> Points(T* d, int series) {
        std::vector<std::pair<double, std::string>> points;
        const TLineSeries* line = d->CH_Utilization->Series(series);
        for (int i = 0; i < line->Count(); ++i) {
            points.emplace_back(line->YValue(i), line->XLabel(i));
        }
        return points;
    }

    TestClock Clock;
    ManualTimers Timers;
};

} // namespace

TEST_F(BridgePortCounterSim, TheMenuCommandOpensTheMonitorOnTheFirstPort) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TTpBridgePortInfo_Table"), missing.end());
    Open([&](T* d) {
        EXPECT_EQ(d->Caption(), "Transparent Bridge Port Counters: " + Agent().Address());
        EXPECT_EQ(d->LV_TpBridge_Port_Index->Items().Count(), 3);
        EXPECT_EQ(d->LV_TpBridge_Port_Index->ItemIndex(), 0);
        EXPECT_EQ(d->ST_Index->Caption(), "1");
        EXPECT_EQ(d->ST_Descr->Caption(), "1518");
        EXPECT_TRUE(d->ST_Index->Enabled());
        EXPECT_TRUE(d->BT_Refresh->Enabled());
        EXPECT_FALSE(d->BT_PortSet->Visible());
        EXPECT_FALSE(d->BT_Reset->Visible());
        EXPECT_EQ(d->ST_Time->Caption(), " 14:05:09 ");
        EXPECT_EQ(d->CB_Interval->Text(), "1");
        EXPECT_EQ(d->CB_HistoryCount->Text(), "10");
        EXPECT_TRUE(d->Timer1->Running());
        EXPECT_EQ(d->Timer1->Interval(), 1000);
        EXPECT_TRUE(d->Running);
        EXPECT_EQ(d->Position(), poScreenCenter);
    });
}

TEST_F(BridgePortCounterSim, TheSecondTickFillsValueDeltaAndRateAndAWrappingCounterGivesItsTrueDelta) {
    Open([&](T* d) {
        ChooseComboItem(d->CB_Interval, 1);
        ASSERT_EQ(d->Timer1->Interval(), 5000);
        const struct {
            int Clicked;
            const char* Port;
            std::vector<Row> Second; // after the tick that follows the baseline
        } cases[] = {
            // The port-list walk's last step also returned port 1's input counter once, so the two
            // samples read 2000 and 3000.
            {0,
             "1",
             {{"Input Frames", "3000", "1000", "200", "1000", " 14:05:19 "},
              {"Output Frames", "2500", "500", "100", "500", " 14:05:19 "},
              {"Discard Frames", "8", "3", "0", "3", " 14:05:19 "}}},
            // 4294967000 then 704: the counter passed 2^32 - 1 between the samples.
            {1,
             "2",
             {{"Input Frames", "704", "1000", "200", "1000", " 14:05:29 "},
              {"Output Frames", "600", "500", "100", "500", " 14:05:29 "},
              {"Discard Frames", "3", "3", "0", "3", " 14:05:29 "}}},
        };
        for (const auto& c : cases) {
            ClickListRow(d->LV_TpBridge_Port_Index, c.Clicked);
            EXPECT_EQ(d->ST_Index->Caption(), c.Port);
            EXPECT_EQ(d->SampleCount, 0) << c.Port;
            EXPECT_TRUE(CounterRows(d).empty()) << c.Port;

            Tick(d, 5); // the baseline: zeros, the time of the fill
            const std::string baseline = d->ST_Time->Caption();
            EXPECT_EQ(CounterRows(d), ZeroRows(baseline)) << c.Port;
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(Points(d, k), (std::vector<std::pair<double, std::string>>(10, {0.0, ""})));
            }

            Tick(d, 5);
            EXPECT_EQ(CounterRows(d), c.Second) << c.Port;
            EXPECT_EQ(d->SampleCount, 2);
            EXPECT_EQ(Status(d).find("Ok!") != std::string::npos, true) << Status(d);
        }
        for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }
    });
}

TEST_F(BridgePortCounterSim, TheChartHoldsThreeColouredSeriesOfTheCountsPointsLabelledWhenSampled) {
    Open([&](T* d) {
        ASSERT_EQ(d->CH_Utilization->SeriesCount(), 3);
        const struct {
            const char* Title;
            TColor Colour;
            double Delta;
        } series[] = {
            {"Input Frames", clRed, 1000}, {"Output Frames", clGreen, 500}, {"Discard Frames", clYellow, 3}};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(d->SeriesList.at(k), d->CH_Utilization->Series(k));
            EXPECT_EQ(d->CH_Utilization->Series(k)->Title(), series[k].Title);
            EXPECT_EQ(d->CH_Utilization->Series(k)->SeriesColor(), series[k].Colour);
        }
        // The baseline and then ten samples: the ten points of each series, oldest first, each
        // labelled with its sample's time once ten samples exist.
        Tick(d, 1);
        for (int sample = 1; sample <= 10; ++sample) {
            Tick(d, 1);
            const auto points = Points(d, 0);
            ASSERT_EQ(points.size(), 10u);
            EXPECT_EQ(points[9].second, d->ST_Time->Caption());
            EXPECT_EQ(
                std::count_if(points.begin(), points.end(), [](const auto& p) { return !p.second.empty(); }),
                sample);
        }
        for (int k = 0; k < 3; ++k) {
            const auto points = Points(d, k);
            ASSERT_EQ(points.size(), 10u);
            for (int i = 0; i < 10; ++i) {
                const int second = 10 + i + 1; // samples at 14:05:11 .. 14:05:20
                EXPECT_EQ(points[static_cast<size_t>(i)],
                          std::make_pair(series[k].Delta, " 14:05:" + std::to_string(second) + " "))
                    << series[k].Title << " point " << i;
            }
        }

        EXPECT_FALSE(d->CH_Utilization->View3D());
        ClickControl(d->CK_U3D);
        EXPECT_TRUE(d->CH_Utilization->View3D());
        ClickControl(d->CK_U3D);
        EXPECT_FALSE(d->CH_Utilization->View3D());
    });
}

TEST_F(BridgePortCounterSim, HistoryCountsAndIntervalsOutsideTheirRangesAreRefusedAndChangeNothing) {
    Open([&](T* d) {
        ChooseComboItem(d->CB_HistoryCount, 4);
        EXPECT_EQ(d->CB_HistoryCount->Text(), "120");
        EXPECT_EQ(d->HistoryCount, 120);
        Tick(d, 1);
        Tick(d, 1);
        for (int k = 0; k < 3; ++k) {
            const auto points = Points(d, k);
            ASSERT_EQ(points.size(), 120u);
            EXPECT_EQ(points[118].second, "");
            EXPECT_EQ(points[119].second, " 14:05:11 ");
        }

        // Typed counts: the combo box changes at every keystroke, so the text before the last
        // keystroke is put in by code (which fires nothing).
        const struct {
            const char* Before;
            const char* Typed;
            const char* Text;
        } refused[] = {{"12", "1", "121"}, {"", "0", "0"}, {"", "x", "x"}};
        for (const auto& r : refused) {
            d->CB_HistoryCount->SetText(r.Before);
            Dialogs.Expect("Choose Valid Count");
            TypeText(d->CB_HistoryCount, r.Typed);
            EXPECT_EQ(d->CB_HistoryCount->Text(), r.Text) << "the text stays as typed";
            EXPECT_EQ(d->HistoryCount, 120) << r.Text;
            EXPECT_EQ(d->SampleCount, 2) << "nothing was reset by " << r.Text;
        }
        // A port click resets with the count last accepted, whatever the text says.
        ClickListRow(d->LV_TpBridge_Port_Index, 2);
        Tick(d, 1);
        Tick(d, 1);
        EXPECT_EQ(Points(d, 0).size(), 120u);
        EXPECT_EQ(Points(d, 2).size(), 120u);

        EXPECT_EQ(Dialogs.Shown().size(), 3u);
    });
}

TEST_F(BridgePortCounterSim, IntervalsUpToTenSecondsAreTakenAtOnceAndTheRateDividesByThem) {
    Open([&](T* d) {
        // As typed: the text before the last keystroke is put in by code (which fires nothing).
        const struct {
            const char* Before;
            const char* Typed;
            bool Refused;
            bool Ticks;
            int IntervalMs; // checked where the timer ticks
        } cases[] = {
            {"1", "1", true, true, 1000},   // "11"
            {"-", "1", true, true, 1000},   // "-1": no integer
            {"", "x", true, true, 1000},    // no integer
            {"-", "5", false, false, 0},    // a negative count of milliseconds never ticks
            {"", "0", false, false, 0},     // no tick, and so no clock
            {"1", "0", false, true, 10000}, // "10"
        };
        for (const auto& c : cases) {
            const std::string text = std::string(c.Before) + c.Typed;
            d->CB_Interval->SetText(c.Before);
            if (c.Refused) {
                Dialogs.Expect("Choose Valid Interval");
            }
            TypeText(d->CB_Interval, c.Typed);
            EXPECT_EQ(d->Timer1->Running(), c.Ticks) << text;
            if (c.Ticks) {
                EXPECT_EQ(d->Timer1->Interval(), c.IntervalMs) << text;
            }
            const std::string shown = d->ST_Time->Caption();
            const int samples = d->SampleCount;
            Tick(d, 10);
            EXPECT_EQ(d->ST_Time->Caption() != shown, c.Ticks) << text;
            EXPECT_EQ(d->SampleCount, samples + (c.Ticks ? 1 : 0)) << text;
        }
        // At 10 s the rate is the increase divided by 10, the remainder dropped; the change of
        // interval reset nothing.
        EXPECT_EQ(d->SampleCount, 4); // the baseline and three samples
        const std::vector<Row> rows = CounterRows(d);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ((std::vector<std::string>{rows[0][3], rows[1][3], rows[2][3]}),
                  (std::vector<std::string>{"100", "50", "0"}));
    });
}

TEST_F(BridgePortCounterSim, APortClickRestartsTheSamplesRefreshReturnsToTheFirstPortPauseAndStart) {
    Open([&](T* d) {
        Tick(d, 1);
        Tick(d, 1);
        ASSERT_EQ(d->SampleCount, 2);

        ClickListRow(d->LV_TpBridge_Port_Index, 2);
        EXPECT_EQ(d->ST_Index->Caption(), "3");
        EXPECT_EQ(d->ST_Descr->Caption(), "1522");
        EXPECT_EQ(d->SampleCount, 0);
        Tick(d, 1);
        EXPECT_EQ(d->SampleCount, 1);
        EXPECT_EQ(CounterRows(d), ZeroRows(d->ST_Time->Caption())) << "the next tick is a baseline";

        ClickControl(d->BT_Refresh);
        ASSERT_TRUE(WaitFor([d] { return !d->PortListRequest->Busy; }, 20000));
        EXPECT_EQ(d->LV_TpBridge_Port_Index->ItemIndex(), 0);
        EXPECT_EQ(d->ST_Index->Caption(), "1");
        EXPECT_EQ(d->SampleCount, 0);
        EXPECT_TRUE(CounterRows(d).empty());
        EXPECT_TRUE(d->BT_Refresh->Enabled());

        Tick(d, 1);
        Tick(d, 1);
        ASSERT_EQ(d->SampleCount, 2);
        ClickControl(d->BT_Stop);
        Tick(d, 1);
        EXPECT_EQ(d->SampleCount, 2) << "paused";
        EXPECT_EQ(d->ST_Time->Caption(), " 14:05:15 ") << "the clock goes on while paused";
        ClickControl(d->BT_Start);
        Tick(d, 1);
        EXPECT_EQ(d->SampleCount, 3);
        EXPECT_EQ(CounterRows(d)[0][2], "1000") << "one read since the last sample: one step";
    });
}

TEST_F(BridgePortCounterSim, ThePeakIsTheLargestIncreaseSinceTheResetAndTheTimeOfItsSample) {
    // Input 100, 105, 114, 121, 130.
    Open([&](T* d) {
        StoreInput(100);
        Tick(d, 1); // the baseline at 14:05:10
        const struct {
            int Input;
            const char* Delta;
            const char* Peak;
            const char* At;
        } samples[] = {
            {105, "5", "5", " 14:05:11 "},
            {114, "9", "9", " 14:05:12 "},
            {121, "7", "9", " 14:05:12 "},
            {130, "9", "9", " 14:05:12 "}, // as large as the peak: the peak's time stays the first's
        };
        for (const auto& s : samples) {
            StoreInput(s.Input);
            Tick(d, 1);
            const Row input = CounterRows(d).at(0);
            EXPECT_EQ(input[2], s.Delta) << s.Input;
            EXPECT_EQ(input[4], s.Peak) << s.Input;
            EXPECT_EQ(input[5], s.At) << s.Input;
            EXPECT_EQ(CounterRows(d).at(1)[4], "0") << "no increase, no peak";
        }
        // A reset starts the peaks again.
        ClickListRow(d->LV_TpBridge_Port_Index, 0);
        Tick(d, 1);
        EXPECT_EQ(CounterRows(d), ZeroRows(" 14:05:15 "));
    });
}

TEST_F(BridgePortCounterSim, AfterAFailedOrSkippedReadTheRateDividesByTheTimeThatPassedAndThePeakStaysTrue) {
    // The input counter as a switch counts it, at the second of each tick: 100 frames a second,
    // 120 in the second before 14:05:14.
    const std::string input = std::string(kBridgePortEntry) + ".3";
    Open([&](T* d) {
        StoreInput(1000);
        Tick(d, 1); // the baseline at 14:05:10
        StoreInput(1100);
        Tick(d, 1);
        ASSERT_EQ(CounterRows(d).at(0), (Row{"Input Frames", "1100", "100", "100", "100", " 14:05:11 "}));

        // The read at 14:05:12 fails; the one at 14:05:13 finds 200 frames more, over two seconds.
        Agent().InjectError(input, "genErr", SimOp::Next);
        StoreInput(1250);
        Tick(d, 1);
        ASSERT_EQ(d->SampleCount, 2);
        Agent().ClearInjections();
        StoreInput(1300);
        Tick(d, 1);
        EXPECT_EQ(CounterRows(d).at(0), (Row{"Input Frames", "1300", "200", "100", "100", " 14:05:11 "}));
        EXPECT_EQ(Points(d, 0).back(), std::make_pair(100.0, std::string(" 14:05:13 ")));

        // The read at 14:05:14 is still out at the tick of 14:05:15, which reads nothing; the read
        // of 14:05:16 finds 200 frames more than that of 14:05:14, over two seconds.
        Agent().SetDelay(input, 300, SimOp::Next);
        StoreInput(1420);
        Clock.Wall += std::chrono::seconds(1);
        Timers.Fire();
        ASSERT_TRUE(d->CounterRequest->Busy);
        Clock.Wall += std::chrono::seconds(1);
        Timers.Fire();
        ASSERT_TRUE(WaitFor([d] { return !d->CounterRequest->Busy; }, 10000));
        EXPECT_EQ(CounterRows(d).at(0), (Row{"Input Frames", "1420", "120", "120", "120", " 14:05:15 "}));
        Agent().ClearInjections();
        StoreInput(1620);
        Tick(d, 1);
        EXPECT_EQ(CounterRows(d).at(0), (Row{"Input Frames", "1620", "200", "100", "120", " 14:05:15 "}));
        EXPECT_EQ(Points(d, 0).back(), std::make_pair(100.0, std::string(" 14:05:16 ")));
        EXPECT_EQ(d->SampleCount, 5);
    });
}

TEST_F(BridgePortCounterSim, AFailedFirstReadLeavesTheMonitorToARefreshThatFindsPorts) {
    Agent().InjectError(std::string(kBridgePortEntry) + ".1", "genErr", SimOp::Next);
    Open(
        [&](T* d) {
            EXPECT_EQ(d->CounterRequest, nullptr);
            EXPECT_FALSE(d->Timer1->Running());
            EXPECT_EQ(d->LV_TpBridge_Port_Index->Items().Count(), 0);
            EXPECT_NE(Status(d).find("General Error"), std::string::npos) << Status(d);
            EXPECT_TRUE(d->BT_Refresh->Enabled());
            ClickControl(d->BT_Start);
            EXPECT_FALSE(d->Running);

            Agent().ClearInjections();
            ClickControl(d->BT_Refresh);
            ASSERT_TRUE(WaitFor([d] { return !d->PortListRequest->Busy; }, 20000));
            ASSERT_NE(d->CounterRequest, nullptr);
            EXPECT_TRUE(d->Timer1->Running());
            EXPECT_EQ(d->ST_Index->Caption(), "1");
            Tick(d, 1);
            Tick(d, 1);
            EXPECT_EQ(CounterRows(d).at(1),
                      (Row{"Output Frames", "2500", "500", "500", "500", " 14:05:11 "}));
        },
        /*monitorStarts=*/false);
}

TEST_F(BridgePortCounterSim, ClosingWithTheTimerRunningAndAWalkOutstandingStopsEveryTick) {
    Open([&](T* d) {
        Tick(d, 1);
        Agent().SetDelay(std::string(kBridgePortEntry) + ".1", 1000, SimOp::Next);
        ClickControl(d->BT_Refresh);
        ASSERT_TRUE(d->PortListRequest->Busy);
        ASSERT_TRUE(d->Timer1->Running());
        d->Close(); // the close runs from the event loop: FormClose stops the timer first
        ASSERT_TRUE(WaitFor([d] { return !d->Timer1->Running(); }));
        EXPECT_TRUE(d->PortListRequest->Busy) << "the walk is still out when the dialog is destroyed";
        const std::string shown = d->ST_Time->Caption();
        Tick(d, 1);
        EXPECT_EQ(d->ST_Time->Caption(), shown);
        EXPECT_EQ(d->SampleCount, 1);
    });
}

TEST_F(BridgePortCounterSim, APortClickWhileACounterReadIsOutTakesEffectWhenTheReadEnds) {
    Open([&](T* d) {
        Tick(d, 1);
        Agent().SetDelay(std::string(kBridgePortEntry) + ".3", 300, SimOp::Next);
        Clock.Wall += std::chrono::seconds(1);
        Timers.Fire();
        ASSERT_TRUE(d->CounterRequest->Busy);
        ClickListRow(d->LV_TpBridge_Port_Index, 2);
        EXPECT_FALSE(d->Running) << "paused until the read that is out has ended";
        Timers.Fire();
        EXPECT_EQ(d->CounterRequest->Request.Outstanding, 1) << "a tick starts no read while one is out";
        ASSERT_TRUE(WaitFor([d] { return !d->CounterRequest->Busy; }, 10000));
        // That read was for port 1: no sample of it; the monitor now runs on port 3 from a baseline.
        EXPECT_TRUE(d->Running);
        EXPECT_EQ(d->SampleCount, 0);
        EXPECT_TRUE(CounterRows(d).empty());
        Agent().ClearInjections();
        Tick(d, 1);
        Tick(d, 1);
        EXPECT_EQ(CounterRows(d).at(0), (Row{"Input Frames", "1000", "1000", "1000", "1000", " 14:05:13 "}));
    });
}

TEST_F(BridgePortCounterSim, AFailedCounterReadIsShownAndTakesNoSample) {
    Open([&](T* d) {
        Tick(d, 1);
        Tick(d, 1);
        const std::vector<Row> before = CounterRows(d);
        Agent().InjectError(std::string(kBridgePortEntry) + ".3", "genErr", SimOp::Next);
        Tick(d, 1);
        EXPECT_NE(Status(d).find("General Error"), std::string::npos) << Status(d);
        EXPECT_EQ(d->SampleCount, 2);
        EXPECT_EQ(CounterRows(d), before) << "no increase of nearly 2^32 from a missing reply";
        Agent().ClearInjections();
        Tick(d, 1);
        EXPECT_EQ(d->SampleCount, 3);
        EXPECT_EQ(CounterRows(d).at(2)[2], "3");
    });
}

} // namespace tpbridgeportcounter_test
