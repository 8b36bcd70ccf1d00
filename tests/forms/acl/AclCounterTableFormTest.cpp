#include "AclCounterTableForm.h"

#include "ACLCounterUnit.h"
#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "EgressACLCounterUnit.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <chrono>

namespace acl_counter_table_form_test {

namespace {

using Form = TAclCounterTableForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

// The two counter dialogs: the command, the table's entry, the title and the list's state column.
struct CounterCase {
    const char* Name;
    const char* Command;
    std::string Entry;
    const char* Title;
    int Width;
    int Height;
    int TotalColumn;
};
const CounterCase kCases[] = {
    {"ingress", "ACLCounterTable1Click", "1.3.6.1.4.1.746.12.9.3.8.1", "ACL Counter Table: ", 620, 442,
     ColumnOf(Columns::ACLCounter, "Total Counter")},
    {"egress", "CounterTable1Click", "1.3.6.1.4.1.746.12.89.3.4.1", "Egress ACL Counter Table: ", 626, 445,
     ColumnOf(Columns::EgressACLCounter, "Total Counter")},
};

class AclCounterSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kAclCounterScenario);
    }
    // Opens the case's dialog through its command and runs the test inside it.
    void RunCounter(const CounterCase& c, const std::function<void(Form*)>& test, DialogRun how = {}) {
        if (std::string(c.Name) == "ingress") {
            RunDialog<TACLCounterForm>(c.Command, ACLCounterForm, test, {}, how);
        } else {
            RunDialog<TEgressACLCounterForm>(c.Command, EgressACLCounterForm, test, {}, how);
        }
    }
    static std::string StatusText(Form* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
    // Rule 1.1 chosen and its state switched to "disabled".
    static void ChooseFirstRuleDisabled(Form* d) {
        ClickListRow(d->ListView1, 0);
        ChooseOption(d->StateCBX, "disabled");
    }
};

} // namespace

TEST_F(AclCounterSim, TheCommandsReadTheCountersWithV2cAndSetSendsTheChosenRulesStateAlone) {
    for (const CounterCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        const std::vector<std::string> missing = ProgramDialogs().Missing();
        EXPECT_EQ(
            std::count_if(missing.begin(), missing.end(),
                          [](const std::string& n) { return n.find("ACLCounterForm") != std::string::npos; }),
            0);
        Agent().LoadScenario(kAclCounterScenario);
        SessionParameters.Security.Version = 0; // the program started with SNMPv1
        RunCounter(c, [&](Form* d) {
            EXPECT_EQ(d->Caption(), c.Title + Agent().Address());
            EXPECT_EQ(d->Width(), c.Width);
            EXPECT_EQ(d->Height(), c.Height);
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_EQ(ColumnCells(d->Table, c.TotalColumn), (std::vector<std::string>{"5000000000", "7"}));
            EXPECT_FALSE(d->SetButton->Enabled());

            ChooseFirstRuleDisabled(d);
            EXPECT_EQ(d->ProfileIDEdit->Text(), "1");
            EXPECT_EQ(d->AccessIDEdit->Text(), "1");
            EXPECT_FALSE(d->ProfileIDEdit->Enabled());
            EXPECT_FALSE(d->AccessIDEdit->Enabled());
            EXPECT_TRUE(d->StateCBX->Enabled());
            ASSERT_TRUE(d->SetButton->Enabled());
            ClickControl(d->SetButton);
            // The click returns once the switch has answered: the SET is in the log, the input line
            // empty, the re-read under way.
            ASSERT_EQ(Agent().SetLog().size(), 1u);
            EXPECT_EQ(SetPdus(), (Pdus{{{c.Entry + ".3.1.1", SimValue::Int(2)}}}));
            EXPECT_EQ(Agent().SetLog().front().Version, "v2c");
            EXPECT_EQ(d->ProfileIDEdit->Text(), "");
            EXPECT_EQ(d->StateCBX->ItemIndex(), -1);
            EXPECT_FALSE(d->SetButton->Enabled());
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(d->StaticText1->Caption(), "2");
        });
        EXPECT_EQ(SessionParameters.Security.Version, 0);
        EXPECT_EQ(Agent().Value(c.Entry + ".3.1.1"), SimValue::Int(2));
    }
}

TEST_F(AclCounterSim, EveryCaptionReadsWholeInListModeAndWithARuleChosen) {
    for (const CounterCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        RunCounter(c, [&](Form* d) {
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
}

// While the first read runs (a slow agent), Refresh and Set refuse with their own texts.
TEST_F(AclCounterSim, RefreshAndSetRefuseWhileTheFirstReadRuns) {
    const CounterCase& c = kCases[1];
    Agent().SetDelay(c.Entry, 300, SimOp::Next);
    RunCounter(c,
               [&](Form* d) {
                   ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
                   ASSERT_FALSE(d->Table.DataComplete);
                   Dialogs.Expect("Get data not complete.");
                   ClickControl(d->RefreshButton);
                   ClickListRow(d->ListView1, 0);
                   Dialogs.Expect("Get data not complete");
                   ClickControl(d->SetButton);
                   EXPECT_EQ(Dialogs.Pending(), 0);
                   ClickControl(d->StopButton);
                   EXPECT_TRUE(d->Table.DataComplete);
                   ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
               },
               {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(AclCounterSim, ASetTheSwitchRefusesShowsItsErrorInTheStatusLine) {
    const CounterCase& c = kCases[0];
    RunCounter(c, [&](Form* d) {
        Agent().InjectError(c.Entry, "genErr", SimOp::Set);
        ChooseFirstRuleDisabled(d);
        ClickControl(d->SetButton);
        EXPECT_NE(StatusText(d).find(MessageOfCode(-105)), std::string::npos) << StatusText(d);
        EXPECT_TRUE(d->Table.DataComplete);
        EXPECT_FALSE(d->SetButton->Enabled());
        Agent().ClearInjections();
    });
    EXPECT_EQ(Agent().Value(c.Entry + ".3.1.1"), SimValue::Int(1));
}

// A switch that never answers the SET: the wait ends within its bound (twice the time-out and a
// second), and the dialog is usable again.
TEST_F(AclCounterSim, TheWaitForASilentSwitchEndsWithinItsBound) {
    const CounterCase& c = kCases[0];
    RunCounter(c, [&](Form* d) {
        d->Table.Request->Request.Timeout = 20; // 0.2 s a try
        Agent().DropReplies(c.Entry, SimOp::Set);
        ChooseFirstRuleDisabled(d);
        const auto start = std::chrono::steady_clock::now();
        ClickControl(d->SetButton);
        EXPECT_LE(std::chrono::steady_clock::now() - start,
                  std::chrono::milliseconds(ReplyWaitBoundMs(20, d->Table.Request->Request.Retries) + 500));
        EXPECT_TRUE(d->Table.DataComplete);
        EXPECT_NE(StatusText(d).find(MessageOfCode(-405)), std::string::npos) << StatusText(d);
        Agent().ClearInjections();
    });
}

// Stop ends the wait at once and no read follows it; Refresh then reads without a second Stop.
TEST_F(AclCounterSim, StopEndsTheWaitAndRefreshThenReadsAtOnce) {
    const CounterCase& c = kCases[1];
    RunCounter(c, [&](Form* d) {
        d->Table.Request->Request.Timeout = 50; // the stopped SET still times out, later
        Agent().DropReplies(c.Entry, SimOp::Set);
        ChooseFirstRuleDisabled(d);
        QTimer::singleShot(50, [d] { ClickControl(d->StopButton); });
        const auto start = std::chrono::steady_clock::now();
        ClickControl(d->SetButton);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
        EXPECT_EQ(Reads, 0);
        EXPECT_TRUE(d->Table.DataComplete);
        // The SET's own end comes later and is reported as the framework reports any SET's.
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-405));
        ClickControl(d->RefreshButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        ASSERT_TRUE(WaitFor([&] { return !d->Table.Request->Busy && Dialogs.Pending() == 0; }, 10000));
        Agent().ClearInjections();
    });
}

// A Refresh whose read cannot be sent (a device address that does not parse) says why in the status
// line and leaves the dialog unlocked: the next Refresh is not refused.
TEST_F(AclCounterSim, ARefreshThatCannotBeSentLeavesTheDialogUsable) {
    for (const CounterCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        RunCounter(c, [&](Form* d) {
            d->Table.Request->Request.Device.Address = "300.1.2.3";
            ClickControl(d->RefreshButton);
            EXPECT_TRUE(d->Table.DataComplete);
            EXPECT_EQ(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
            EXPECT_FALSE(StatusText(d).empty());
            d->Table.Request->Request.Device.Address = Agent().Address();
            ClickControl(d->RefreshButton); // no refusal box
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_NE(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
        });
    }
}

} // namespace acl_counter_table_form_test
