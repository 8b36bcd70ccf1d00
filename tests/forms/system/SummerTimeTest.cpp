#include "SummerTime.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "SystemScenario.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TEditsPanel.h"
#include "TSNMPEditorPanel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace summer_time_test {

namespace {

using namespace system_scenario;
using D = TSummerTimeForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "SummerTime1Click";
constexpr const char* kTimeError = "Time error.";
constexpr const char* kOffsetChoices = "Summer Time Offset must choose from {30, 60, 90, 120}.";
constexpr const char* kSameMonth = "From month and To month should not be the same.";

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class SummerTimeSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // Opens the dialog through its menu command; it has read the switch by the time `test` runs.
    void Run(const std::function<void(D*)>& test) {
        RunDialog<D>(kCommand, test, {}, {.WaitFirstRead = false});
    }
    static void Check(D* d, std::initializer_list<int> rows) {
        for (int row : rows) {
            d->Editor->Rows->Rows[static_cast<size_t>(row)].CheckBox->SetChecked(true);
        }
    }
    static bool Shown(D* d, int row) {
        return d->Editor->Rows->Rows[static_cast<size_t>(row)].Control->Visible();
    }
    static bool Checked(D* d, int row) { return d->RowChecked(row); }
    static TEdit* Offset(D* d) { return static_cast<TEdit*>(d->Editor->Rows->Rows[D::kOffset].Control); }
    // A repeating rule typed into a row: week, weekday, month, hour, minute.
    static void Repeat(D* d, int row, const char* week, const char* weekday, const char* month,
                       const char* hour, const char* minute) {
        SelectOption(d->PartBox(row, D::kRepeatWeek), week);
        SelectOption(d->PartBox(row, D::kRepeatWeekday), weekday);
        SelectOption(d->PartBox(row, D::kRepeatMonth), month);
        d->PartEdit(row, D::kRepeatHour)->SetText(hour);
        d->PartEdit(row, D::kRepeatMinute)->SetText(minute);
    }
    // An annual date typed into a row: day, month, hour, minute.
    static void Annual(D* d, int row, const char* day, const char* month, const char* hour,
                       const char* minute) {
        d->PartEdit(row, D::kAnnualDay)->SetText(day);
        SelectOption(d->PartBox(row, D::kAnnualMonth), month);
        d->PartEdit(row, D::kAnnualHour)->SetText(hour);
        d->PartEdit(row, D::kAnnualMinute)->SetText(minute);
    }
    static void SetChecked(D* d) { ClickControl(d->Editor->Buttons->SetButton); }
};

} // namespace

TEST_F(SummerTimeSim, ItsMenuCommandReadsTheStateAndItsRuleAndShowsItsRowsOnlyInBothStates) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TSummerTimeForm"), missing.end());
    Run([&](D* d) {
        EXPECT_EQ(d->Caption(), "Summer Time: " + Agent().Address());
        EXPECT_EQ(d->StateBox()->Text(), "repeating");
        EXPECT_EQ(Offset(d)->Text(), "60");
        // 2nd Sun Apr 2:00 to last Sun Oct 3:00, field by field.
        EXPECT_EQ(d->PartBox(D::kRepeatStart, D::kRepeatWeek)->Text(), "2nd");
        EXPECT_EQ(d->PartBox(D::kRepeatStart, D::kRepeatWeekday)->Text(), "Sun");
        EXPECT_EQ(d->PartBox(D::kRepeatStart, D::kRepeatMonth)->Text(), "Apr");
        EXPECT_EQ(d->PartEdit(D::kRepeatStart, D::kRepeatHour)->Text(), "2");
        EXPECT_EQ(d->PartBox(D::kRepeatEnd, D::kRepeatWeek)->Text(), "last");
        EXPECT_EQ(d->PartBox(D::kRepeatEnd, D::kRepeatMonth)->Text(), "Oct");
        // The annual pair was not read: the state does not use it.
        EXPECT_EQ(d->PartEdit(D::kAnnualStart, D::kAnnualDay)->Text(), "");
        EXPECT_TRUE(Shown(d, D::kRepeatStart) && Shown(d, D::kRepeatEnd));
        EXPECT_FALSE(Shown(d, D::kAnnualStart) || Shown(d, D::kAnnualEnd));
        EXPECT_TRUE(CaptionsReadWhole(d));

        // Another state from the list: its rows at once, the others hidden and unchecked, nothing sent.
        Check(d, {D::kRepeatStart});
        ChooseOption(d->StateBox(), "annual");
        EXPECT_FALSE(Shown(d, D::kRepeatStart) || Shown(d, D::kRepeatEnd));
        EXPECT_FALSE(Checked(d, D::kRepeatStart));
        EXPECT_TRUE(Shown(d, D::kAnnualStart) && Shown(d, D::kAnnualEnd));
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(SummerTimeSim, ADisabledStateShowsNoStartOrEndAndReadsOnlyItsStateAndOffset) {
    Agent().LoadScenario(Scenario({.SummerTimeState = 0}));
    Run([&](D* d) {
        EXPECT_EQ(d->StateBox()->Text(), "disabled");
        EXPECT_EQ(Offset(d)->Text(), "60");
        for (int row = D::kRepeatStart; row <= D::kAnnualEnd; ++row) {
            EXPECT_FALSE(Shown(d, row)) << row;
        }
        EXPECT_EQ(d->PartBox(D::kRepeatStart, D::kRepeatMonth)->Text(), "");
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
}

// The state goes out alone, then the offset and the state's start and end, each rebuilt from its
// byte fields: 6 octets for a repeating rule, 4 for an annual date.
TEST_F(SummerTimeSim, SetCheckedSendsTheStateAloneThenTheOffsetAndTheStatesStartAndEnd) {
    Run([&](D* d) {
        Check(d, {D::kState, D::kOffset, D::kRepeatStart, D::kRepeatEnd});
        Repeat(d, D::kRepeatEnd, "last", "Sat", "Oct", "2", "30");
        SetChecked(d);
        EXPECT_EQ(SetPdus(), (Pdus{{{SummerTimeOid(1), SimValue::Int(1)}},
                                   {{SummerTimeOid(2), SimValue::Int(60)},
                                    {SummerTimeOid(3), Hex("020001040200")},
                                    {SummerTimeOid(4), Hex("FF00070A021E")}}}));

        Agent().ClearSetLog();
        ChooseOption(d->StateBox(), "annual");
        Check(d, {D::kState, D::kAnnualStart});
        d->Editor->Rows->Rows[D::kOffset].CheckBox->SetChecked(false);
        Annual(d, D::kAnnualStart, "29", "Feb", "23", "59");
        SetChecked(d);
        EXPECT_EQ(SetPdus(),
                  (Pdus{{{SummerTimeOid(1), SimValue::Int(2)}}, {{SummerTimeOid(5), Hex("1D02173B")}}}));
    });
}

// Each refusal shows its exact message and sends nothing; what it refused stays as typed.
TEST_F(SummerTimeSim, TheChecksRefuseWithTheirExactMessagesAndSendNothing) {
    struct Case {
        const char* Name;
        std::function<void(D*)> Enter;
        const char* Message; // null: sent
    };
    const auto annual = [](D* d, const char* day, const char* month) {
        ChooseOption(d->StateBox(), "annual");
        Check(d, {D::kAnnualStart});
        Annual(d, D::kAnnualStart, day, month, "10", "00");
    };
    const auto offset = [](D* d, const char* text) {
        Check(d, {D::kOffset});
        Offset(d)->SetText(text);
    };
    const auto bothRepeats = [](D* d) {
        Check(d, {D::kRepeatStart, D::kRepeatEnd});
        SelectOption(d->PartBox(D::kRepeatEnd, D::kRepeatMonth), "Apr");
    };
    const Case cases[] = {
        {"30 Feb", [&](D* d) { annual(d, "30", "Feb"); }, kTimeError},
        {"29 Feb", [&](D* d) { annual(d, "29", "Feb"); }, nullptr},
        {"31 Apr", [&](D* d) { annual(d, "31", "Apr"); }, kTimeError},
        {"day 0", [&](D* d) { annual(d, "0", "Jan"); }, nullptr},
        {"hour 24",
         [](D* d) {
             Check(d, {D::kRepeatStart});
             d->PartEdit(D::kRepeatStart, D::kRepeatHour)->SetText("24");
         },
         kTimeError},
        {"minute 60",
         [](D* d) {
             Check(d, {D::kRepeatEnd});
             d->PartEdit(D::kRepeatEnd, D::kRepeatMinute)->SetText("60");
         },
         kTimeError},
        {"offset 45", [&](D* d) { offset(d, "45"); }, kOffsetChoices},
        {"offset 100", [&](D* d) { offset(d, "100"); }, kOffsetChoices},
        {"offset 30", [&](D* d) { offset(d, "30"); }, nullptr},
        {"offset 90", [&](D* d) { offset(d, "90"); }, nullptr},
        {"offset 120", [&](D* d) { offset(d, "120"); }, nullptr},
        {"both repeats in one month", bothRepeats, kSameMonth},
        {"one repeat row is not compared",
         [](D* d) {
             Check(d, {D::kRepeatStart});
             SelectOption(d->PartBox(D::kRepeatEnd, D::kRepeatMonth), "Apr");
         },
         nullptr},
        // A start/end row with an empty part is a time error before any emptiness is looked at.
        {"a checked start with an empty part",
         [](D* d) {
             Check(d, {D::kState, D::kRepeatStart});
             d->PartEdit(D::kRepeatStart, D::kRepeatMinute)->SetText("");
         },
         kTimeError},
        // An empty row of the second SET refuses the first too: the state is not sent alone.
        {"a checked row left empty",
         [](D* d) {
             Check(d, {D::kState, D::kOffset});
             Offset(d)->SetText("");
         },
         "Some items are empty!"},
        {"no state chosen and its row unchecked",
         [](D* d) {
             Check(d, {D::kOffset});
             SelectNoOption(d->StateBox());
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Agent().LoadScenario(Scenario());
        Run([&](D* d) {
            c.Enter(d);
            const std::string offset = Offset(d)->Text();
            const std::string minute = d->PartEdit(D::kRepeatStart, D::kRepeatMinute)->Text();
            if (c.Message && *c.Message) {
                Dialogs.Expect(c.Message);
            }
            SetChecked(d);
            EXPECT_EQ(Dialogs.Pending(), 0);
            // Not read again: the typed values stay.
            EXPECT_EQ(Offset(d)->Text(), offset);
            EXPECT_EQ(d->PartEdit(D::kRepeatStart, D::kRepeatMinute)->Text(), minute);
        });
        EXPECT_EQ(SetPdus().empty(), c.Message != nullptr) << SetPdus().size();
    }
}

} // namespace summer_time_test
