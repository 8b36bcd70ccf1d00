#include "ProgressWait.h"

#include "Progress2.h"
#include "TApplication.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "TTimer.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

#include <memory>

namespace progress_wait_test {

TEST(ProgressWait, RunsUntilTheBarIsFullAndClearsItsGlobal) {
    std::unique_ptr<TForm> dialog(CreateForm<TForm>(nullptr));
    ManualTimers timers;
    ModalDriver driver;
    int ticks = 0;
    driver.Then([&](TForm* form) {
        ASSERT_EQ(form, ProgressForm2);
        EXPECT_EQ(ProgressForm2->Caption(), "Set Configuration");
        EXPECT_EQ(ProgressForm2->LB_Prompt->Caption(), "Active Configuration is processing...");
        EXPECT_EQ(ProgressForm2->ProgressBar->Max(), 10);
        while (form->ModalResult() == mrNone && ticks < 100) {
            timers.Fire();
            ++ticks;
        }
    });
    ShowProgressWait(dialog.get(), "Set Configuration", "Active Configuration is processing...", 10);
    EXPECT_EQ(ticks, 6); // 0, 2, ... 10, then the tick that finds it full
    EXPECT_EQ(ProgressForm2, nullptr);
}

} // namespace progress_wait_test
