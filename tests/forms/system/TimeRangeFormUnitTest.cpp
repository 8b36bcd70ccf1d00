#include "TimeRangeFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "SystemScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqSNMPRequest2Controls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace time_range_form_unit_test {

namespace {

using namespace system_scenario;
using D = TTimeRangeForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "TimeRange1Click";
constexpr const char* kTitle = "Time Range Management";
constexpr int kName = ColumnOf(Columns::TimeRangeTable, "Name");
constexpr const char* kNotComplete = "Get data not complete.";

std::string At(int arc, const std::string& name) {
    return kTimeRangeEntry + "." + std::to_string(arc) + "." + NameInstance(name);
}
// The range's weekday, start and end texts and its row status, as one PDU carries them.
std::vector<SimVarBind> RangePdu(const std::string& name, const std::string& days, const std::string& start,
                                 const std::string& end, int status) {
    return {{At(2, name), SimValue::Octets(days)},
            {At(3, name), SimValue::Octets(start)},
            {At(4, name), SimValue::Octets(end)},
            {At(5, name), SimValue::Int(status)}};
}

class TimeRangeSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static std::vector<TCheckBox*> Days(D* d) {
        return {d->CheckBox1, d->CheckBox2, d->CheckBox3, d->CheckBox4,
                d->CheckBox5, d->CheckBox6, d->CheckBox7};
    }
    static std::vector<bool> Ticks(D* d) {
        std::vector<bool> ticks;
        for (TCheckBox* box : Days(d)) {
            ticks.push_back(box->Checked());
        }
        return ticks;
    }
    // A new range typed: its name, the days ticked (0 Monday .. 6 Sunday) and its times.
    static void Fill(D* d, const std::string& name, const std::vector<int>& days, const std::string& start,
                     const std::string& end) {
        d->btnAdd->SetFocus();
        d->edtName->SetText(name);
        for (int day : days) {
            Days(d)[static_cast<size_t>(day)]->SetChecked(true);
        }
        d->edtStart->SetText(start);
        d->edtEnd->SetText(end);
    }
    static void Choose(D* d, const std::string& name) {
        const int row = RowWhere(d->Table, {{kName, name}});
        ASSERT_GE(row, 0) << name;
        ClickListRow(d->ListView1, row);
    }
};

} // namespace

TEST_F(TimeRangeSim, ItsMenuCommandListsTheRangesAndAChosenRangeTicksItsWeekdays) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TTimeRangeForm"), missing.end());
    RunDialog<D>(kCommand, TimeRangeForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(ColumnCells(d->Table, kName), (std::vector<std::string>{"Office", "Weekend"}));
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_FALSE(d->cbxStatus->Visible());
        EXPECT_FALSE(d->edtweekdays->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));
        Choose(d, "Office");
        EXPECT_EQ(Ticks(d), (std::vector<bool>{true, true, false, false, false, false, false}));
        EXPECT_EQ(d->edtStart->Text(), "08:00:00");
        EXPECT_FALSE(d->edtName->Enabled());
        EXPECT_TRUE(d->btnSet->Enabled());
        EXPECT_TRUE(d->btnDelete->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        Choose(d, "Weekend");
        EXPECT_EQ(Ticks(d), (std::vector<bool>{false, false, false, false, false, true, true}));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The boxes become the weekday text, Monday first; none ticked is refused.
TEST_F(TimeRangeSim, AddWritesTheTickedDaysAsTheirAbbreviationsWithTheTimesAndCreateAndGo) {
    struct Case {
        std::vector<int> Days;
        std::string Text; // empty: refused
    };
    const Case cases[] = {
        {{4, 2}, "Wed,Fri"},
        {{6, 5, 4, 3, 2, 1, 0}, "Mon,Tue,Wed,Thu,Fri,Sat,Sun"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        Agent().LoadScenario(Scenario());
        RunDialog<D>(kCommand, TimeRangeForm, [&](D* d) {
            Fill(d, "Lab", c.Days, "08:30:00", "17:00:00");
            if (c.Text.empty()) {
                Dialogs.Expect("Please input the weekdays.");
            }
            ClickControl(d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (!c.Text.empty()) {
                ASSERT_TRUE(WaitReads(1));
                EXPECT_GE(RowWhere(d->Table, {{kName, "Lab"}}), 0);
            }
        });
        EXPECT_EQ(SetPdus(),
                  c.Text.empty() ? Pdus{} : Pdus{RangePdu("Lab", c.Text, "08:30:00", "17:00:00", 4)});
    }
}

// Times: exactly 8 characters, hours below 24 and minutes and seconds below 60 in the pairs at
// 1-2, 4-5 and 7-8, the separators not looked at; Add and Edit word the refusal differently.
TEST_F(TimeRangeSim, TheTimeChecksRefuseWithEachActionsOwnMessage) {
    struct Case {
        bool Edit;
        std::string Start, End, Message; // no message: sent
    };
    const Case cases[] = {
        {false, "8:00:00", "18:00:00", "Please input the valid start time."},
        {false, "24:00:00", "18:00:00", "Please input the valid start time."},
        {false, "-1:00:00", "18:00:00", "Please input the valid start time."},
        {false, "08:00:00", "18:60:00", "Please input the valid end time."},
        {false, "", "18:00:00", "Please input the valid start time."},
        {false, "23:59:59", "12x30y00", ""},
        {true, "24:00:00", "18:00:00", "Please input the vaild start time."},
        {true, "08:00:00", "18:00:60", "Please input the vaild end time."},
        {true, "23:59:59", "12x30y00", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.Edit ? "edit " : "add ") + c.Start + " " + c.End);
        Agent().LoadScenario(Scenario());
        RunDialog<D>(kCommand, TimeRangeForm, [&](D* d) {
            if (c.Edit) {
                Choose(d, "Office");
                d->edtStart->SetText(c.Start);
                d->edtEnd->SetText(c.End);
            } else {
                Fill(d, "Lab", {0}, c.Start, c.End);
            }
            if (!c.Message.empty()) {
                Dialogs.Expect(c.Message);
            }
            ClickControl(c.Edit ? d->btnSet : d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (!c.Message.empty()) {
                EXPECT_EQ(d->edtStart->Text(), c.Start); // kept to be mended
            }
            ASSERT_TRUE(WaitIdle(d->Table));
        });
        EXPECT_EQ(SetPdus().size(), c.Message.empty() ? 1u : 0u);
    }
}

TEST_F(TimeRangeSim, ATimePairThatIsNoNumberReachesTheErrorBoxAndNothingIsSent) {
    RunDialog<D>(kCommand, TimeRangeForm, [&](D* d) {
        Fill(d, "Lab", {0}, "ab:00:00", "18:00:00");
        Dialogs.Expect("'ab' is not a valid integer value");
        ClickControl(d->btnAdd);
        EXPECT_EQ(Dialogs.Pending(), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TimeRangeSim, EditWritesEveryColumnWithTheStatusAsReadAndDeleteWithDestroy) {
    RunDialog<D>(kCommand, TimeRangeForm, [&](D* d) {
        Choose(d, "Office");
        d->CheckBox3->SetChecked(true);
        d->edtEnd->SetText("19:00:00");
        ClickControl(d->btnSet);
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        EXPECT_TRUE(d->edtName->Enabled());
        EXPECT_EQ(d->edtName->Text(), "");
        EXPECT_EQ(Ticks(d), std::vector<bool>(7, false));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{RangePdu("Office", "Mon,Tue,Wed", "08:00:00", "19:00:00", 1)}));

        Agent().ClearSetLog();
        Choose(d, "Weekend");
        ClickControl(d->btnDelete); // no question
        ASSERT_TRUE(WaitReads(2));
        EXPECT_EQ(ColumnCells(d->Table, kName), (std::vector<std::string>{"Office"}));
        EXPECT_FALSE(d->btnDelete->Enabled());
    });
    EXPECT_EQ(SetPdus(), (Pdus{RangePdu("Weekend", "Sat,Sun", "00:00:00", "23:59:59", 6)}));
}

// During the first (delayed) walk Add and Close refuse; Stop ends the walk at its next reply, and
// then Add works.
TEST_F(TimeRangeSim, AddAndCloseRefuseDuringTheFirstWalkAndAfterStopAddWorks) {
    Agent().SetDelay(kTimeRangeEntry, 300, SimOp::Next);
    RunDialog<D>(kCommand, TimeRangeForm,
                 [&](D* d) {
                     ASSERT_FALSE(d->Table.DataComplete);
                     Dialogs.Expect(kNotComplete);
                     ClickControl(d->btnAdd);
                     Dialogs.Expect(kNotComplete);
                     ClickControl(d->btnClose); // the close query runs once the click has returned
                     ASSERT_TRUE(WaitFor([&] { return Dialogs.Pending() == 0; }, 10000));
                     EXPECT_EQ(d->ModalResult(), mrNone); // still open
                     ClickControl(d->btnStop);
                     ASSERT_TRUE(WaitIdle(d->Table));
                     EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find(VqSNMPRequest2Controls::kStopText),
                               std::string::npos);
                     Agent().ClearInjections();
                     Fill(d, "Lab", {0}, "08:00:00", "09:00:00");
                     ClickControl(d->btnAdd);
                     ASSERT_TRUE(WaitForSets(1));
                 },
                 {}, {.WaitFirstRead = false});
    EXPECT_EQ(SetPdus(), (Pdus{RangePdu("Lab", "Mon", "08:00:00", "09:00:00", 4)}));
}

} // namespace time_range_form_unit_test
