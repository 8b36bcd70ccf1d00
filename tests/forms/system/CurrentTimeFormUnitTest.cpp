#include "CurrentTimeFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "SystemScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace current_time_form_unit_test {

namespace {

using namespace system_scenario;
using D = TCurrentTimeForm;

constexpr const char* kCommand = "Time1Click";
constexpr const char* kTitle = "Current Time";

class CurrentTimeSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static std::string Status(D* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(CurrentTimeSim, ItsMenuCommandShowsTheClockAndTheCapabilitiesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TCurrentTimeForm"), missing.end());
    RunDialog<D>(kCommand, CurrentTimeForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->currentclockEdit->Text(), "2024-5-26,13:30:15.0");
        EXPECT_EQ(d->cbxReset->Text(), "false");
        EXPECT_FALSE(d->cbxReset->Enabled());
        EXPECT_FALSE(d->timecapacityEdit->Enabled());
        EXPECT_FALSE(d->tempText->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The names of the bits set in the value's lowest octet, after a blank; an empty value leaves
// them as they were.
TEST_F(CurrentTimeSim, TheCapabilitiesAreTheNamesOfTheBitsSet) {
    const struct {
        const char* Read;
        const char* Shown;
    } cases[] = {
        {"90", " systemTime,realTimeClock"},
        {"40", " SNTP"},
        {"", " SNTP"}, // as the read before left it
        {"F0", " systemTime,SNTP,SummerTime,realTimeClock"},
    };
    RunDialog<D>(kCommand, CurrentTimeForm, [&](D* d) {
        EXPECT_EQ(d->timecapacityEdit->Text(), " systemTime,SNTP,SummerTime,realTimeClock");
        int reads = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Read);
            Agent().LoadScenario(Scenario({.TimeCapacity = c.Read}));
            ClickControl(d->GetButton);
            ASSERT_TRUE(WaitReads(++reads));
            EXPECT_EQ(d->timecapacityEdit->Text(), c.Shown);
        }
    });
}

TEST_F(CurrentTimeSim, HexTextToIntReadsTheHexadecimalDigitsAtTheStart) {
    const struct {
        const char* Text;
        unsigned Value;
    } cases[] = {{"", 0}, {"F0", 0xF0}, {"f0", 0xF0}, {"1A2B", 0x1A2B}, {"7G", 7}, {"xF", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(HexTextToInt(c.Text), c.Value) << c.Text;
    }
}

TEST_F(CurrentTimeSim, SetWritesTheClockAloneAndReadsNothingAfterIt) {
    RunDialog<D>(kCommand, CurrentTimeForm, [&](D* d) {
        d->currentclockEdit->SetText("");
        Dialogs.Expect("The Current Edit should not be empty!");
        ClickControl(d->SetButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());

        d->currentclockEdit->SetText("2024-5-26,13:30:15.0");
        ClickControl(d->SetButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(Reads, 0);
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kClock, {"4x", "07E8051A0D1E0F002B0000"}}}}));
}

TEST_F(CurrentTimeSim, AFailedReadShowsItsErrorInTheStatusLine) {
    RunDialog<D>(kCommand, CurrentTimeForm, [&](D* d) {
        Agent().InjectError(kTime, "genErr", SimOp::Get);
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_NE(d->Table.LastReadError.Code, 0);
        EXPECT_NE(Status(d).find(d->Table.LastReadError.Message), std::string::npos) << Status(d);
        EXPECT_EQ(d->timecapacityEdit->Text(), " systemTime,SNTP,SummerTime,realTimeClock");
    });
}

} // namespace current_time_form_unit_test
