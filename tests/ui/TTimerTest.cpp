#include "TTimer.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

namespace t_timer_test {

TEST(TTimer, OnlyEnabledTimersWithAPositiveIntervalTick) {
    ManualTimers timers;
    struct Case {
        int Interval;
        bool Enabled;
        bool Ticks;
    } cases[] = {{1000, true, true}, {1000, false, false}, {0, true, false}, {-5, true, false}};
    for (const Case& c : cases) {
        TTimer timer(nullptr);
        timer.SetInterval(c.Interval);
        timer.SetEnabled(c.Enabled);
        int ticks = 0;
        timer.OnTimer = [&](TObject*) { ++ticks; };
        timers.Fire();
        EXPECT_EQ(c.Ticks ? 1 : 0, ticks) << c.Interval << (c.Enabled ? " enabled" : " disabled");
    }
}

TEST(TTimer, ATickMayDeleteAnotherTimer) {
    ManualTimers timers;
    auto* first = new TTimer(nullptr);
    auto* second = new TTimer(nullptr);
    int secondTicks = 0;
    first->OnTimer = [&](TObject*) {
        delete second;
        second = nullptr;
    };
    second->OnTimer = [&](TObject*) { ++secondTicks; };
    EXPECT_EQ(1, timers.Fire());
    EXPECT_EQ(0, secondTicks);
    delete first;
}

TEST(TTimer, ScaleShortensRealIntervals) {
    TTimer::SetTimerScale(0.01);
    TTimer timer(nullptr);
    timer.SetInterval(5000); // ticks every 50 ms at this scale
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetEnabled(true);
    bool ticked = WaitFor([&] { return ticks >= 2; }, 3000);
    TTimer::SetTimerScale(1.0);
    EXPECT_TRUE(ticked);
}

} // namespace t_timer_test
