#include "Spanningtreealgorithmunit.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "Progress2.h"
#include "StpScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TLabel.h"
#include "TStatusBar.h"
#include "TTimer.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

namespace spanningtreealgorithmunit_test {

namespace {

using D = TSpanningTreeAlgorithmForm;
constexpr const char* kCommand = "SpanningTreeAlgorithm1Click";
constexpr const char* kQuestion = "To enable STP may take a long time. Do you want to go on?";
const std::string kState = std::string(kStpGroup) + ".1.0";

class StpGlobalSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(StpScenario({.Enabled = false}));
    }
};

} // namespace

TEST_F(StpGlobalSim, DisabledIsWrittenAtOnceAndShownAgain) {
    Agent().LoadScenario(StpScenario({.Enabled = true}));
    RunDialog<D>(kCommand, SpanningTreeAlgorithmForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "STP Global Settings: " + Agent().Address());
        EXPECT_EQ(d->ComboBox1->Text(), "enabled");
        EXPECT_TRUE(CaptionsReadWhole(d));
        ChooseOption(d->ComboBox1, "disabled");
        ClickControl(d->SetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kState, SimValue::Int(2)}}}));
        EXPECT_EQ(d->ComboBox1->Text(), "disabled");
    });
}

TEST_F(StpGlobalSim, EnabledIsAskedFirstAndCancelWritesNothingButReadsAgain) {
    RunDialog<D>(kCommand, SpanningTreeAlgorithmForm, [&](D* d) {
        ChooseOption(d->ComboBox1, "enabled");
        Dialogs.Expect(DialogKind::Dialog, "Confirmation", kQuestion, mrCancel);
        ClickControl(d->SetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ComboBox1->Text(), "disabled");
        d->ComboBox1->SetItemIndex(-1); // no state chosen: nothing at all
        ClickControl(d->SetButton);
        EXPECT_FALSE(d->Table.Request->Busy);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(StpGlobalSim, EnabledSendsTheStateBehindTheProgressFormAndWaitsLongerFromThenOn) {
    SessionParameters.Timeout = 100; // the program's own 1 s a try, which the enabling outlasts
    ManualTimers timers;
    int ticks = 0;
    RunDialog<D>(
        kCommand, SpanningTreeAlgorithmForm,
        [&](D* d) {
            ChooseOption(d->ComboBox1, "enabled");
            Dialogs.Expect(kQuestion, mrOk);
            ClickControl(d->SetButton);
            EXPECT_EQ(ProgressForm2, nullptr);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kState, SimValue::Int(3)}}}));
            EXPECT_EQ(d->ComboBox1->Text(), "enabled");

            // Slower than the default time-out's two tries, within the enabling one.
            Agent().SetDelay(kState, 2500, SimOp::Get);
            ClickControl(d->GetButton);
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(d->Table.LastReadError.Code, 0);
            EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find("Ok!"), std::string::npos);
        },
        {[&](TForm* form) {
            ASSERT_EQ(form, ProgressForm2);
            EXPECT_EQ(form->Caption(), "Enable STP Progress");
            EXPECT_EQ(ProgressForm2->LB_Prompt->Caption(), "Enable STP is processing...");
            while (form->ModalResult() == mrNone && ticks < 100) {
                timers.Fire();
                ++ticks;
            }
        }});
    EXPECT_EQ(ticks, 41); // until the bar is full
}

} // namespace spanningtreealgorithmunit_test
