#include "SafeguardCtrlFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "SafeguardScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace safeguard_ctrl_form_unit_test {

namespace {

using namespace safeguard_scenario;

constexpr const char* kCommand = "ProtectControl1Click";
using T = TSafeguardCtrlForm;

SimVarBind At(int arc, int value) {
    return {kPrefix + "." + std::to_string(arc) + ".0", SimValue::Int(value)};
}

class SafeguardSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

} // namespace

TEST_F(SafeguardSim, ItsMenuCommandOpensItWithTheValuesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TSafeguardCtrlForm"), missing.end());
    RunDialog<T>(kCommand, SafeguardCtrlForm, [&](T* d) {
        EXPECT_EQ(d->Caption(), "Safeguard Control Settings: " + Agent().Address());
        EXPECT_EQ(d->edtRising->Text(), "80");
        EXPECT_EQ(d->edtFalling->Text(), "60");
        EXPECT_EQ(d->cbxMode->Text(), "strict");
        EXPECT_EQ(d->cbxAlarm->Text(), "enabled");
        EXPECT_EQ(d->cbxCurrentState->Text(), "normal");
        EXPECT_FALSE(d->cbxCurrentState->Enabled());
        EXPECT_FALSE(d->btnSet->Enabled()); // no box ticked
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->btnCheckAll);
        EXPECT_TRUE(d->btnSet->Enabled());
        ClickControl(d->btnClearCheck);
        EXPECT_FALSE(d->btnSet->Enabled());
        ClickControl(d->ckMode);
        EXPECT_TRUE(d->btnSet->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// One SET per ticked value: the falling threshold first when both go and it falls below the one
// last read (60), else the rising one; then the mode, then the alarm state.
TEST_F(SafeguardSim, EachTickedValueIsOneSetInTheOrderTheThresholdsNeed) {
    const struct {
        const char* Name;
        const char* Rising;
        const char* Falling;
        std::vector<TCheckBox * T::*> Ticked;
        std::vector<std::vector<SimVarBind>> Pdus;
    } cases[] = {
        {"lowered", "50", "40", {&T::ckRising, &T::ckFalling}, {{At(2, 40)}, {At(1, 50)}}},
        {"raised", "90", "70", {&T::ckRising, &T::ckFalling}, {{At(1, 90)}, {At(2, 70)}}},
        {"all four",
         "50",
         "40",
         {&T::ckRising, &T::ckFalling, &T::ckMode, &T::ckAlarm},
         {{At(2, 40)}, {At(1, 50)}, {At(3, 2)}, {At(4, 2)}}},
        {"mode alone", "50", "40", {&T::ckMode}, {{At(3, 2)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Agent().LoadScenario(Scenario());
        RunDialog<T>(kCommand, SafeguardCtrlForm, [&](T* d) {
            d->edtRising->SetText(c.Rising);
            d->edtFalling->SetText(c.Falling);
            ChooseOption(d->cbxMode, "fuzzy");
            ChooseOption(d->cbxAlarm, "disabled");
            for (TCheckBox* T::*box : c.Ticked) {
                ClickControl(d->*box);
            }
            ClickControl(d->btnSet);
        });
        EXPECT_EQ(SetPdus(), c.Pdus);
    }
}

// A ticked threshold outside 20-100 (set from code: typed, the edit's own range message comes
// first) is refused and nothing is sent; unticked it is neither checked nor sent.
TEST_F(SafeguardSim, ATickedThresholdOutsideItsRangeIsRefusedAndAnUntickedOneIgnored) {
    RunDialog<T>(kCommand, SafeguardCtrlForm, [&](T* d) {
        d->edtRising->SetText("19");
        ClickControl(d->ckRising);
        Dialogs.Expect("Rising Threshold should between 20-100");
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());
        ClickControl(d->ckRising);
        d->edtFalling->SetText("101");
        ClickControl(d->ckFalling);
        Dialogs.Expect("Falling Threshold should between 20-100");
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());
        ClickControl(d->ckFalling);
        ClickControl(d->ckMode);
        ClickControl(d->btnSet);
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{At(3, 1)}}));
}

// A SET the switch refuses is reported in the framework's box, and the following SETs still go.
TEST_F(SafeguardSim, ARefusedSetIsReportedAndTheFollowingSetsStillGo) {
    RunDialog<T>(kCommand, SafeguardCtrlForm, [&](T* d) {
        Agent().InjectError(kPrefix + ".1", "genErr", SimOp::Set);
        ClickControl(d->btnCheckAll);
        Dialogs.Expect(MessageOfCode(-105));
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        Agent().ClearInjections();
    });
    ASSERT_EQ(Agent().SetLog().size(), 4u);
    EXPECT_EQ(Agent().SetLog()[0].Status, "genErr");
    EXPECT_EQ(Agent().SetLog()[3].VarBinds, (std::vector<SimVarBind>{At(4, 3)}));
}

} // namespace safeguard_ctrl_form_unit_test
