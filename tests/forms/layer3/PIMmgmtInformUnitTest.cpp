#include "PIMmgmtInformUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "PimScenario.h"
#include "TButton.h"
#include "TEdit.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pi_mmgmt_inform_unit_test {

namespace {

using namespace pim_scenario;

constexpr const char* kCommand = "PIMInformationSettings1Click";
constexpr const char* kWarning = "Register probe time must less than the half of register suppression time!";
using T = TPIMmgmtInform;

class PimTimersSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

} // namespace

TEST_F(PimTimersSim, ItsMenuCommandOpensItWithTheTimersAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TPIMmgmtInform"), missing.end());
    RunDialog<T>(kCommand, PIMmgmtInform, [&](T* d) {
        EXPECT_EQ(d->Caption(), "PIM Information Settings: " + Agent().Address());
        EXPECT_EQ(d->ProtimeEdit->Text(), "3");
        EXPECT_EQ(d->SuptimeEdit->Text(), "60");
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Set reads the switch, puts the typed values back, warns (only) when twice the probe time is not
// below the suppression time, and sends both; then shows what the switch holds.
TEST_F(PimTimersSim, SetWarnsWhenTheProbeTimeIsNotBelowHalfTheSuppressionTimeAndSendsAnyway) {
    const struct {
        const char* Probe;
        const char* Suppression;
        bool Warns;
    } cases[] = {{"5", "10", true}, {"4", "10", false}};
    RunDialog<T>(kCommand, PIMmgmtInform, [&](T* d) {
        size_t sets = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.Probe << "/" << c.Suppression);
            d->ProtimeEdit->SetText(c.Probe);
            d->SuptimeEdit->SetText(c.Suppression);
            if (c.Warns) {
                Dialogs.Expect(kWarning);
            }
            ClickControl(d->SetButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            ASSERT_EQ(Agent().SetLog().size(), ++sets);
            EXPECT_EQ(SetPdus().back(),
                      (std::vector<SimVarBind>{{kTimers + ".1.0", SimValue::Int(std::stoi(c.Probe))},
                                               {kTimers + ".2.0", SimValue::Int(10)}}));
            EXPECT_EQ(d->ProtimeEdit->Text(), c.Probe); // read again
        }
    });
}

// A field that is no number stops the Set with the conversion error in the application's error
// box: nothing read, nothing sent. A read the agent refuses ends it too, its error in the status
// line, no warning and nothing sent.
TEST_F(PimTimersSim, AnEmptyFieldOrARefusedReadStopsTheSetBeforeAnythingIsSent) {
    RunDialog<T>(kCommand, PIMmgmtInform, [&](T* d) {
        d->ProtimeEdit->SetText("");
        d->SuptimeEdit->SetText("10");
        Dialogs.Expect(DialogKind::Exception, "ZQS-4410-Series", "'' is not a valid integer value");
        ClickControl(d->SetButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Reads, 0);

        d->ProtimeEdit->SetText("5");
        Agent().InjectError(kTimers, "genErr", SimOp::Get);
        ClickControl(d->SetButton); // no box: the script has none
        EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find(MessageOfCode(-105)), std::string::npos);
        Agent().ClearInjections();
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace pi_mmgmt_inform_unit_test
