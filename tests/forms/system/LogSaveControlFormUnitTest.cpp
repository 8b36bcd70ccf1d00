#include "LogSaveControlFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "SystemScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace log_save_control_form_unit_test {

namespace {

using namespace system_scenario;
using D = TLogSaveControlForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "SystemLogSaveControl1Click";
constexpr const char* kTitle = "System Log Save Settings";

class LogSaveSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

} // namespace

// The interval is on exactly with "time-interval", as read and as chosen.
TEST_F(LogSaveSim, ItsMenuCommandShowsTheMethodAndTheIntervalIsOnForTheTimeIntervalMethodOnly) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TLogSaveControlForm"), missing.end());
    struct Case {
        int Read;
        std::string Shown;
        bool IntervalOn;
    };
    const Case cases[] = {{1, "time-interval", true}, {2, "on-demand", false}, {3, "log-trigger", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Shown);
        Agent().LoadScenario(Scenario({.LogSaveMethod = c.Read}));
        RunDialog<D>(kCommand, LogSaveControlForm, [&](D* d) {
            EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
            EXPECT_EQ(d->Width(), 437); // not scaled
            EXPECT_EQ(d->cbxLogSaveMethod->Text(), c.Shown);
            EXPECT_EQ(d->EdLogSavetimeInterval->Text(), "600");
            EXPECT_EQ(d->EdLogSavetimeInterval->Enabled(), c.IntervalOn);
            EXPECT_TRUE(CaptionsReadWhole(d));
            ChooseOption(d->cbxLogSaveMethod, c.IntervalOn ? "log-trigger" : "time-interval");
            EXPECT_EQ(d->EdLogSavetimeInterval->Enabled(), !c.IntervalOn);
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(LogSaveSim, SetSendsTheIntervalWithTheTimeIntervalMethodOnlyAndReadsAgain) {
    struct Case {
        std::string Method, Interval;
        Pdus Expected;
    };
    const Case cases[] = {
        {"on-demand", "", {{{kLogSaveMethod, SimValue::Int(2)}}}},
        {"time-interval",
         "3600",
         {{{kLogSaveMethod, SimValue::Int(1)}, {kLogSaveInterval, SimValue::Int(3600)}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Method);
        RunDialog<D>(kCommand, LogSaveControlForm, [&](D* d) {
            ChooseOption(d->cbxLogSaveMethod, c.Method);
            if (!c.Interval.empty()) {
                d->EdLogSavetimeInterval->SetText(c.Interval);
            }
            ClickControl(d->btnSet);
            EXPECT_EQ(Reads, 1);
            EXPECT_EQ(d->cbxLogSaveMethod->Text(), c.Method); // as read again
            EXPECT_EQ(d->EdLogSavetimeInterval->Enabled(), !c.Interval.empty());
        });
        EXPECT_EQ(SetPdus(), c.Expected);
    }
}

TEST_F(LogSaveSim, NoMethodChosenIsRefusedSendsNothingAndReadsAgain) {
    RunDialog<D>(kCommand, LogSaveControlForm, [&](D* d) {
        SelectNoOption(d->cbxLogSaveMethod);
        Dialogs.Expect("You should choose Log Save Method.");
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Reads, 1);
        EXPECT_EQ(d->cbxLogSaveMethod->Text(), "time-interval");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace log_save_control_form_unit_test
