#include "DHCPv6RelayOptionUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "RelayScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dhc_pv6_relay_option_unit_test {

namespace {

using namespace relay_scenario;

constexpr const char* kCommand = "DHCPv6RelayOption37Settings1Click";
using T = TDHCPv6RelayOptionForm;

class Option37Sim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

} // namespace

TEST_F(Option37Sim, ItsMenuCommandOpensItWithTheValuesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TDHCPv6RelayOptionForm"), missing.end());
    RunDialog<T>(kCommand, DHCPv6RelayOptionForm, [&](T* d) {
        EXPECT_EQ(d->Caption(), "DHCPv6 Relay Option 37 Settings: " + Agent().Address());
        EXPECT_EQ(d->ComboBoxState->Text(), "enabled");
        EXPECT_EQ(d->ComboBoxCheckState->Text(), "disabled");
        EXPECT_EQ(d->ComboBoxRemoteID->Text(), "cid-with-user-defined");
        EXPECT_EQ(d->EditContent->Text(), "relay-1");
        EXPECT_TRUE(d->EditContent->Enabled());
        EXPECT_TRUE(d->CheckBox4->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(Option37Sim, TheDesignedSizeAtEveryDpi) {
    for (int ppi : {96, 120}) {
        ScreenDpi dpi(ppi);
        auto* form = CreateForm<T>(Application);
        EXPECT_EQ(form->Width(), 460) << ppi;
        EXPECT_EQ(form->Height(), 212) << ppi;
        delete form;
    }
}

// "Set" follows the boxes; ticking only "Check State" writes that one value.
TEST_F(Option37Sim, SetIsEnabledWhileABoxIsTickedAndWritesTheTickedValuesAlone) {
    RunDialog<T>(kCommand, DHCPv6RelayOptionForm, [&](T* d) {
        EXPECT_FALSE(d->btnSet->Enabled());
        ClickControl(d->CheckBox2);
        EXPECT_TRUE(d->btnSet->Enabled());
        ClickControl(d->CheckBox1);
        ClickControl(d->CheckBox1);
        EXPECT_TRUE(d->btnSet->Enabled());
        ClickControl(d->CheckBox2);
        EXPECT_FALSE(d->btnSet->Enabled());
        ClickControl(d->CheckBox2);
        ChooseOption(d->ComboBoxCheckState, "enabled");
        d->ComboBoxState->SetItemIndex(-1); // unticked: left out whatever it shows
        ClickControl(d->btnSet);
        EXPECT_EQ(d->ComboBoxState->Text(), "enabled"); // read again
        EXPECT_TRUE(d->CheckBox2->Checked());           // the boxes stay
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kOption37 + ".2.0", SimValue::Int(1)}}}));
}

// The type "default" takes no text: its box unticked and disabled, the text field disabled, when
// chosen and when a read brings it.
TEST_F(Option37Sim, TheDefaultTypeUnticksAndDisablesTheRemoteIdContent) {
    RunDialog<T>(kCommand, DHCPv6RelayOptionForm, [&](T* d) {
        ClickControl(d->CheckBox4);
        ASSERT_TRUE(d->CheckBox4->Checked());
        ChooseOption(d->ComboBoxRemoteID, "default");
        EXPECT_FALSE(d->CheckBox4->Checked());
        EXPECT_FALSE(d->CheckBox4->Enabled());
        EXPECT_FALSE(d->EditContent->Enabled());
        EXPECT_FALSE(d->btnSet->Enabled());
        ChooseOption(d->ComboBoxRemoteID, "user-defined");
        EXPECT_TRUE(d->CheckBox4->Enabled());
        EXPECT_TRUE(d->EditContent->Enabled());

        Agent().LoadScenario(R"({"objects": [[")" + kOption37 + R"(.1.0", "int", 1, "rw"], [")" + kOption37 +
                             R"(.2.0", "int", 2, "rw"], [")" + kOption37 + R"(.3.0", "int", 1, "rw"], [")" +
                             kOption37 + R"(.4.0", "string", "", "rw"]]})");
        ClickControl(d->CheckBox4);
        ClickControl(d->btnRefresh);
        EXPECT_EQ(d->ComboBoxRemoteID->Text(), "default");
        EXPECT_FALSE(d->CheckBox4->Checked());
        EXPECT_FALSE(d->CheckBox4->Enabled());
        EXPECT_FALSE(d->EditContent->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A SET the switch refuses is reported in the framework's box; the read after it fetches all four
// values again (none is left flagged out).
TEST_F(Option37Sim, AfterARefusedSetTheNextReadFetchesAllFourValues) {
    RunDialog<T>(kCommand, DHCPv6RelayOptionForm, [&](T* d) {
        ClickControl(d->CheckBox1);
        ChooseOption(d->ComboBoxState, "disabled");
        Agent().InjectError(kOption37 + ".1", "genErr", SimOp::Set);
        Dialogs.Expect(MessageOfCode(-105)); // genErr
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        Agent().ClearInjections();
        Agent().LoadScenario(R"({"objects": [[")" + kOption37 + R"(.1.0", "int", 2, "rw"], [")" + kOption37 +
                             R"(.2.0", "int", 1, "rw"], [")" + kOption37 + R"(.3.0", "int", 3, "rw"], [")" +
                             kOption37 + R"(.4.0", "string", "relay-2", "rw"]]})");
        ClickControl(d->btnRefresh);
        EXPECT_EQ(d->ComboBoxState->Text(), "disabled");
        EXPECT_EQ(d->ComboBoxCheckState->Text(), "enabled");
        EXPECT_EQ(d->ComboBoxRemoteID->Text(), "user-defined");
        EXPECT_EQ(d->EditContent->Text(), "relay-2");
    });
}

} // namespace dhc_pv6_relay_option_unit_test
