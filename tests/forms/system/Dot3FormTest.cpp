#include "dot3ControlFormUnit.h"
#include "dot3PauseFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "Dot3Scenario.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TTimer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dot3_form_test {

namespace {

using namespace dot3_scenario;

constexpr const char* kPauseCommand = "dot3PauseTable1Click";
constexpr const char* kControlCommand = "dot3ControlTable1Click";
constexpr int kIndex = ColumnOf(Columns::dot3PauseAdministrationModeTable, "Index");

class Dot3Sim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static void Choose(TDot3Form* d, int interface) {
        const int row = RowWhere(d->Table, {{kIndex, std::to_string(interface)}});
        ASSERT_GE(row, 0) << interface;
        ClickListRow(d->ListView1, row);
    }
    // The values list's cells, in its fixed rows' order.
    static std::vector<std::string> Values(TDot3Form* d) {
        std::vector<std::string> values;
        for (int row = 0; row < d->ListView2->Items().Count(); ++row) {
            values.push_back(d->ListView2->Items()[row]->SubItems().Strings(0));
        }
        return values;
    }
    static std::vector<std::string> Counts(int in, int out) {
        return {std::to_string(in), std::to_string(out)};
    }
};

} // namespace

TEST_F(Dot3Sim, PauseListsTheInterfacesAndShowsTheChosenOnesPauseFrames) {
    RunDialog<Tdot3PauseForm>(kPauseCommand, dot3PauseForm, [&](Tdot3PauseForm* d) {
        EXPECT_EQ(d->Caption(), "Dot3 Pause Table: " + Agent().Address());
        EXPECT_EQ(d->ListView1->Items().Count(), kInterfaces);
        EXPECT_EQ(d->StaticText1->Caption(), std::to_string(kInterfaces));
        EXPECT_EQ(d->ListView2->Items()[0]->Caption(), "In Pause Frame");
        EXPECT_EQ(d->ListView2->Items()[1]->Caption(), "Out Pause Frame");
        EXPECT_EQ(Values(d), (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_EQ(d->cbxInterval->Text(), "none");
        EXPECT_FALSE(d->edtIndex->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));

        Choose(d, 2);
        EXPECT_EQ(Values(d), Counts(InPauseFrames(2), OutPauseFrames(2)));
        EXPECT_EQ(d->cbxAdminMode->Text(), "enabledXmitAndRcv");
        EXPECT_TRUE(d->btnSet->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(Dot3Sim, APollBeforeAnyInterfaceIsChosenSaysGetDataNotCompletedAndStops) {
    ManualTimers timers;
    RunDialog<Tdot3PauseForm>(kPauseCommand, dot3PauseForm, [&](Tdot3PauseForm* d) {
        ChooseOption(d->cbxInterval, "5s");
        EXPECT_TRUE(d->Timer1->Running());
        EXPECT_EQ(d->Timer1->Interval(), 5000);
        Dialogs.Expect("Get data not completed.");
        timers.Fire();
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(d->cbxInterval->Text(), "none");
        EXPECT_FALSE(d->Timer1->Running());
        EXPECT_EQ(timers.Fire(), 0);
    });
}

TEST_F(Dot3Sim, ThePollFollowsTheChosenInterfaceUntilRefreshStopsIt) {
    ManualTimers timers;
    RunDialog<Tdot3PauseForm>(kPauseCommand, dot3PauseForm, [&](Tdot3PauseForm* d) {
        Choose(d, 2);
        ChooseOption(d->cbxInterval, "2s");
        EXPECT_EQ(d->Timer1->Interval(), 2000);
        for (int tick = 1; tick <= 2; ++tick) {
            timers.Fire();
            EXPECT_EQ(Values(d),
                      Counts(InPauseFrames(2) + tick * kInStep, OutPauseFrames(2) + tick * kOutStep))
                << tick;
        }
        Choose(d, 3); // the poll goes on, at the other interface
        EXPECT_EQ(d->cbxInterval->Text(), "2s");
        timers.Fire();
        EXPECT_EQ(Values(d), Counts(InPauseFrames(3) + kInStep, OutPauseFrames(3) + kOutStep));

        ClickControl(d->btnGet);
        EXPECT_FALSE(d->Timer1->Running());
        EXPECT_EQ(d->cbxInterval->Text(), "none");
        EXPECT_EQ(Values(d), (std::vector<std::string>{"", ""}));
        EXPECT_EQ(timers.Fire(), 0);
    });
}

TEST_F(Dot3Sim, SetWritesTheAdministrationModeAloneAtTheChosenInterfaceAndStopsThePoll) {
    ManualTimers timers;
    RunDialog<Tdot3PauseForm>(kPauseCommand, dot3PauseForm, [&](Tdot3PauseForm* d) {
        Choose(d, 5);
        ChooseOption(d->cbxInterval, "10s");
        ChooseOption(d->cbxAdminMode, "disabled");
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(),
                  (std::vector<std::vector<SimVarBind>>{{{kPauseEntry + ".1.5", SimValue::Int(1)}}}));
        EXPECT_FALSE(d->Timer1->Running());
        EXPECT_EQ(d->cbxInterval->Text(), "none");
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_EQ(d->ListView1->Items().Count(), kInterfaces);
    });
    EXPECT_EQ(Agent().Value(kPauseEntry + ".1.5"), SimValue::Int(1));
}

TEST_F(Dot3Sim, ClosingStopsThePoll) {
    ManualTimers timers;
    RunDialog<Tdot3PauseForm>(kPauseCommand, dot3PauseForm, [&](Tdot3PauseForm* d) {
        Choose(d, 2);
        ChooseOption(d->cbxInterval, "2s");
        ClickControl(d->btnClose);
    });
    EXPECT_EQ(timers.Fire(), 0);
}

TEST_F(Dot3Sim, ControlShowsThePauseFunctionAndPollsTheUnknownOpcodes) {
    ManualTimers timers;
    RunDialog<Tdot3ControlForm>(kControlCommand, dot3ControlForm, [&](Tdot3ControlForm* d) {
        EXPECT_EQ(d->Caption(), "Dot3 Control Table: " + Agent().Address());
        EXPECT_EQ(d->btnSet, nullptr);
        EXPECT_EQ(d->btnStop, nullptr);
        EXPECT_EQ(d->ListView2->Items().Count(), 1);
        EXPECT_EQ(d->ListView2->Items()[0]->Caption(), "Recived Unknown Opcodes");
        EXPECT_EQ(d->CheckBox1->Caption(), "pause");
        EXPECT_TRUE(d->CheckBox1->Visible());
        EXPECT_FALSE(d->CheckBox2->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));

        const struct {
            int Interface;
            bool Pause;
        } cases[] = {{3, true}, {2, false}, {7, true}}; // (the walk's end reads interface 1's counter)
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Interface);
            Choose(d, c.Interface);
            EXPECT_EQ(d->CheckBox1->Checked(), c.Pause);
            EXPECT_EQ(Values(d), (std::vector<std::string>{std::to_string(UnknownOpcodes(c.Interface))}));
        }
        EXPECT_TRUE(CaptionsReadWhole(d));
        ChooseOption(d->cbxInterval, "30s");
        timers.Fire();
        EXPECT_EQ(Values(d), (std::vector<std::string>{std::to_string(UnknownOpcodes(7) + kOpcodeStep)}));
        ClickControl(d->btnGet);
        EXPECT_EQ(Values(d), (std::vector<std::string>{""}));
        EXPECT_FALSE(d->CheckBox1->Checked());
        EXPECT_EQ(timers.Fire(), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST(Dot3Dialogs, TheProgramRegistersBoth) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* dialog : {"Tdot3PauseForm", "Tdot3ControlForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), dialog), missing.end()) << dialog;
        EXPECT_NE(ProgramDialogs().FindClass(dialog), nullptr) << dialog;
    }
}

} // namespace dot3_form_test
