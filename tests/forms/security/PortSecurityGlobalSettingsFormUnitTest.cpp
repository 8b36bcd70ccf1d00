#include "PortSecurityGlobalSettingsFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "PortSecurityScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace port_security_global_settings_form_unit_test {

namespace {

using port_security_scenario::kGlobal;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "GlobalSettings9Click";

// The one SET of the three scalars: the limit, then the trap and log states (1 enabled).
std::vector<SimVarBind> Settings(int limit) {
    return {{kGlobal + ".2.0", SimValue::Int(limit)},
            {kGlobal + ".3.0", SimValue::Int(1)},
            {kGlobal + ".4.0", SimValue::Int(1)}};
}

class PortSecurityGlobalSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(port_security_scenario::Scenario());
    }
    // The dialog has no Close button: the test closes it as the window's close box does.
    void Run(const std::function<void(TPortSecurityGlobalSettingsForm*)>& test) {
        RunDialog<TPortSecurityGlobalSettingsForm>(kCommand, PortSecurityGlobalSettingsForm,
                                                   [&](TPortSecurityGlobalSettingsForm* d) {
                                                       test(d);
                                                       d->Close();
                                                   });
    }
};

} // namespace

TEST_F(PortSecurityGlobalSim, NoLimitFromTheSwitchTicksTheBoxGreysTheEditAndIsWrittenBack) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* name : {"TPortSecurityGlobalSettingsForm", "TPortSecurityVLANOnPortForm",
                             "TPortSecurityVLANTableForm", "TTrafficSegmentationForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), name), missing.end()) << name;
    }
    Run([&](TPortSecurityGlobalSettingsForm* d) {
        EXPECT_EQ(d->Caption(), "Port Security Global Settings: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Mode, 0); // blocking
        EXPECT_TRUE(d->CBoxNolimit->Checked());
        EXPECT_FALSE(d->EdSystemMaxLearnAddress->Enabled());
        EXPECT_EQ(d->EdSystemMaxLearnAddress->Color(), clBtnFace);
        EXPECT_EQ(d->EdSystemMaxLearnAddress->Text(), "-1");
        EXPECT_EQ(d->cbxTrapState->Text(), "enabled");
        EXPECT_EQ(d->cbxLogState->Text(), "enabled");
        EXPECT_TRUE(CaptionsReadWhole(d));
        EXPECT_TRUE(Agent().SetLog().empty()); // reading writes nothing

        ClickControl(d->btnSet);
        EXPECT_EQ(SetPdus(), Pdus{Settings(-1)});
        EXPECT_TRUE(d->CBoxNolimit->Checked());
    });
}

TEST_F(PortSecurityGlobalSim, UntickingEmptiesTheEditForALimitThatIsWrittenAndReadBack) {
    Run([&](TPortSecurityGlobalSettingsForm* d) {
        ClickControl(d->CBoxNolimit);
        EXPECT_TRUE(d->EdSystemMaxLearnAddress->Enabled());
        EXPECT_EQ(d->EdSystemMaxLearnAddress->Text(), "");
        TypeText(d->EdSystemMaxLearnAddress, "100");
        ClickControl(d->btnSet);
        EXPECT_EQ(SetPdus(), Pdus{Settings(100)});
        EXPECT_EQ(Agent().Value(kGlobal + ".2.0"), SimValue::Int(100));
        EXPECT_EQ(d->EdSystemMaxLearnAddress->Text(), "100");
        EXPECT_FALSE(d->CBoxNolimit->Checked());
    });
}

TEST_F(PortSecurityGlobalSim, AStateNotChosenIsRefusedAndTheValuesAreReadAgain) {
    const struct {
        TComboBox* TPortSecurityGlobalSettingsForm::*Combo;
        const char* Message;
    } cases[] = {
        {&TPortSecurityGlobalSettingsForm::cbxTrapState, "You should choose Trap State."},
        {&TPortSecurityGlobalSettingsForm::cbxLogState, "You should choose Log State."},
    };
    Run([&](TPortSecurityGlobalSettingsForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Message);
            SelectNoOption(d->*c.Combo);
            const int reads = Reads;
            Dialogs.Expect(c.Message);
            ClickControl(d->btnSet);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(Reads, reads + 1);
            EXPECT_EQ((d->*c.Combo)->Text(), "enabled");
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace port_security_global_settings_form_unit_test
