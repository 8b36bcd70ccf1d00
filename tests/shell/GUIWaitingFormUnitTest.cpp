#include "GUIWaitingFormUnit.h"

#include "TApplication.h"
#include "TProgressBar.h"
#include "TTimer.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

namespace gui_waiting_form_unit_test {

TEST(GUIWaitingFormTest, ClosesAfterWaitTime) {
    // Below 400 ms the tick would be 0 ms and the form would never close; it ticks every 10 ms.
    const struct {
        int WaitTime;
        int Max;
        int Interval;
        int Ticks;
    } cases[] = {
        {2000, 200, 50, 40}, {1000, 100, 20, 50}, {450, 45, 10, 45}, {300, 30, 10, 30}, {0, 0, 10, 1}};
    for (const auto& c : cases) {
        ManualTimers timers;
        ModalDriver driver;
        auto* form = CreateForm<TGUIWaitingForm>(Application);
        EXPECT_EQ(form->WaitTime, 2000);
        form->WaitTime = c.WaitTime;
        int ticks = 0;
        driver.Then([&](TForm*) {
            EXPECT_EQ(form->ProgressBar1->Max(), c.Max);
            EXPECT_EQ(form->Timer1->Interval(), c.Interval);
            while (form->ModalResult() == mrNone && ticks < 1000) {
                timers.Fire();
                ++ticks;
            }
        });
        form->ShowModal();
        EXPECT_EQ(ticks, c.Ticks) << "WaitTime " << c.WaitTime;
        EXPECT_FALSE(form->Timer1->Enabled());
        delete form;
    }
}

TEST(GUIWaitingFormTest, TheBarFillsInTenTicksAndStartsAgain) {
    ManualTimers timers;
    ModalDriver driver;
    auto* form = CreateForm<TGUIWaitingForm>(Application);
    EXPECT_EQ(form->Caption(), "Please Wait...");
    std::vector<int> positions;
    driver.Then([&](TForm*) {
        for (int i = 0; i < 12; ++i) {
            timers.Fire();
            positions.push_back(form->ProgressBar1->Position());
        }
        form->Close(); // refused: the wait is not over
        Application->ProcessMessages();
        EXPECT_TRUE(form->Modal());
        while (form->ModalResult() == mrNone) {
            timers.Fire();
        }
    });
    form->ShowModal();
    EXPECT_EQ(positions, (std::vector<int>{20, 40, 60, 80, 100, 120, 140, 160, 180, 0, 20, 40}));
    delete form;
}

} // namespace gui_waiting_form_unit_test
