#include "Progress2.h"

#include "TApplication.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "TTimer.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

namespace progress2_test {

namespace {

// Shows the form as its callers do and ticks its timer until it closes itself; returns the bar's
// positions before each tick.
std::vector<int> RunUntilClosed(TProgressForm2* form, int& ticks) {
    ManualTimers timers;
    ModalDriver driver;
    std::vector<int> positions;
    ticks = 0;
    driver.Then([&](TForm*) {
        while (form->ModalResult() == mrNone && ticks < 1000) {
            positions.push_back(form->ProgressBar->Position());
            timers.Fire();
            ++ticks;
        }
    });
    form->ShowModal();
    return positions;
}

} // namespace

TEST(Progress2Test, ClosesWhenTheBarIsFull) {
    const struct {
        int Max;
        int Ticks;
    } cases[] = {{80, 41}, {15, 9}, {0, 1}};
    for (const auto& c : cases) {
        TForm* dialog = CreateForm<TForm>(nullptr);
        ProgressForm2 = CreateForm<TProgressForm2>(Application, dialog);
        ProgressForm2->SetCaption("Set Configuration");
        ProgressForm2->LB_Prompt->SetCaption("Active Configuration is processing...");
        ProgressForm2->ProgressBar->SetMax(c.Max);
        int ticks = 0;
        std::vector<int> positions = RunUntilClosed(ProgressForm2, ticks);
        EXPECT_EQ(ticks, c.Ticks) << "Max " << c.Max;
        EXPECT_FALSE(ProgressForm2->ProgressTimer->Enabled());
        for (size_t i = 0; i < positions.size(); ++i) {
            EXPECT_EQ(positions[i], std::min(static_cast<int>(2 * i), c.Max)) << "tick " << i;
        }
        delete ProgressForm2;
        ProgressForm2 = nullptr;
        delete dialog;
    }
}

TEST(Progress2Test, TheUserCannotCloseIt) {
    ManualTimers timers;
    ModalDriver driver;
    auto* form = CreateForm<TProgressForm2>(Application, nullptr);
    EXPECT_EQ(form->Caption(), "Progress");
    EXPECT_EQ(form->BorderIcons(), 0u);
    form->ProgressBar->SetMax(4);
    bool stayedOpen = false;
    driver.Then([&](TForm*) {
        form->Close();
        Application->ProcessMessages();
        stayedOpen = form->Modal() && form->ModalResult() == mrNone;
        for (int i = 0; i < 10 && form->ModalResult() == mrNone; ++i) {
            timers.Fire();
        }
    });
    form->ShowModal();
    EXPECT_TRUE(stayedOpen);
    delete form;
}

} // namespace progress2_test
