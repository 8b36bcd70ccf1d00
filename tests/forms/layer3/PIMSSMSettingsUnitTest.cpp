#include "PIMSSMSettingsUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "PimScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pimssm_settings_unit_test {

namespace {

using namespace pim_scenario;

constexpr const char* kCommand = "ManagementInformationSettings1Click";
using T = TPIMSSMSettingsForm;

class PimSsmSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

} // namespace

TEST_F(PimSsmSim, ItsMenuCommandOpensItWithTheSettingsAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TPIMSSMSettingsForm"), missing.end());
    RunDialog<T>(kCommand, PIMSSMSettingsForm, [&](T* d) {
        EXPECT_EQ(d->Caption(), "PIM SSM Management Information Settings: " + Agent().Address());
        EXPECT_EQ(d->ComboBoxState->Text(), "disabled");
        EXPECT_EQ(d->GroupAddressEdit->Text(), "232.0.0.0");
        EXPECT_EQ(d->MaskEdit->Text(), "255.0.0.0");
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PimSsmSim, TheDesignedSizeAtEveryDpi) {
    for (int ppi : {96, 120}) {
        ScreenDpi dpi(ppi);
        auto* form = CreateForm<T>(Application);
        EXPECT_EQ(form->Width(), 396) << ppi;
        EXPECT_EQ(form->Height(), 176) << ppi;
        delete form;
    }
}

// Set: the state with the mask, then the address alone; then all three read again.
TEST_F(PimSsmSim, SetWritesStateAndMaskThenTheAddressAlone) {
    RunDialog<T>(kCommand, PIMSSMSettingsForm, [&](T* d) {
        ChooseOption(d->ComboBoxState, "enabled");
        d->GroupAddressEdit->SetText("232.1.0.0");
        d->MaskEdit->SetText("255.255.0.0");
        ClickControl(d->btnSet);
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{
                  {{kSsm + ".1.0", SimValue::Int(1)}, {kSsm + ".3.0", SimValue{"64", "255.255.0.0"}}},
                  {{kSsm + ".2.0", SimValue{"64", "232.1.0.0"}}},
              }));
}

// A mask that is zero or not contiguous is refused when the field is left.
TEST_F(PimSsmSim, AZeroOrNonContiguousMaskIsRefusedOnLeavingTheField) {
    RunDialog<T>(kCommand, PIMSSMSettingsForm, [&](T* d) {
        for (const char* mask : {"0.0.0.0", "255.0.255.0"}) {
            SCOPED_TRACE(mask);
            d->MaskEdit->SetFocus();
            d->MaskEdit->SetText(mask);
            d->GroupAddressEdit->SetFocus();
            EXPECT_TRUE(d->Table.Request->Constraints.AnyRefused());
            d->MaskEdit->SetText("255.255.255.0");
        }
        d->GroupAddressEdit->SetFocus();
        EXPECT_FALSE(d->Table.Request->Constraints.AnyRefused());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A SET the switch refuses is reported in the framework's box and the second still goes; the next
// Refresh reads all three values (none is left flagged out).
TEST_F(PimSsmSim, AfterARefusedSetTheNextRefreshReadsAllThreeValues) {
    RunDialog<T>(kCommand, PIMSSMSettingsForm, [&](T* d) {
        Agent().InjectError(kSsm + ".1", "genErr", SimOp::Set);
        Dialogs.Expect(MessageOfCode(-105));
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Agent().SetLog().size(), 2u);
        Agent().ClearInjections();
        Agent().LoadScenario(Scenario(3, 60, 1, "232.9.0.0", "255.255.255.0"));
        ClickControl(d->btnRefresh);
        EXPECT_EQ(d->ComboBoxState->Text(), "enabled");
        EXPECT_EQ(d->GroupAddressEdit->Text(), "232.9.0.0");
        EXPECT_EQ(d->MaskEdit->Text(), "255.255.255.0");
    });
}

} // namespace pimssm_settings_unit_test
