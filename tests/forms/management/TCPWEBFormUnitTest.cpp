#include "TCPWEBFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"
#include "TelnetWebScenario.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tcpweb_form_unit_test {

namespace {

using namespace telnet_web_scenario;

constexpr const char* kCommand = "TelnetSettings1Click";
using T = TTCPWEBForm;

class TelnetWebSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

} // namespace

// The model's objects: a 48RO (m = 6) reads 1.3.6.1.4.1.746.11.117.6.1.2.1.2.14.1 and its siblings.
TEST_F(TelnetWebSim, ItsMenuCommandReadsTheModelsValuesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TTCPWEBForm"), missing.end());
    Agent().LoadScenario(Scenario("48RO", 6));
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.6.1";
    {
        RunDialog<T>(kCommand, TCPWEBForm, [&](T* d) {
            EXPECT_EQ(d->Caption(), "Telnet/Web Settings: " + Agent().Address());
            EXPECT_EQ(d->Table.Request->Request.VarList.GetVariable(0).Oid, Prefix(6) + ".14.1");
            EXPECT_EQ(d->TCPcbx->Text(), "enabled");
            EXPECT_EQ(d->TCPPortEdit->Text(), "23");
            EXPECT_EQ(d->WEBcbx->Text(), "enabled");
            EXPECT_EQ(d->WebPortEdit->Text(), "80");
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

// "Set Checked" writes the ticked values alone; none ticked sends nothing.
TEST_F(TelnetWebSim, SetCheckedWritesTheTickedValuesAlone) {
    RunDialog<T>(kCommand, TCPWEBForm, [&](T* d) {
        ClickControl(d->SetButton);
        EXPECT_TRUE(Agent().SetLog().empty());
        d->WebPortEdit->SetText("8080");
        d->TCPPortEdit->SetText("2323");
        ClickControl(d->CheckBox4);
        ClickControl(d->SetButton);
        ASSERT_EQ(Agent().SetLog().size(), 1u);
        EXPECT_EQ(d->WebPortEdit->Text(), "8080"); // read again
        EXPECT_EQ(d->TCPPortEdit->Text(), "23");
        EXPECT_TRUE(d->CheckBox4->Checked());
        ClickControl(d->ClearButton);
        EXPECT_FALSE(d->CheckBox4->Checked());
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{Prefix() + ".17.2.0", SimValue::Int(8080)}}}));
}

// Telnet "disabled", chosen by the user, empties and locks the Telnet port and its box, so a Set
// never carries the port with the state; "enabled" frees them.
TEST_F(TelnetWebSim, ChoosingDisabledEmptiesAndLocksThePort) {
    RunDialog<T>(kCommand, TCPWEBForm, [&](T* d) {
        ClickControl(d->CheckBox2);
        ChooseOption(d->TCPcbx, "disabled");
        EXPECT_EQ(d->TCPPortEdit->Text(), "");
        EXPECT_FALSE(d->TCPPortEdit->Enabled());
        EXPECT_FALSE(d->CheckBox2->Checked());
        EXPECT_FALSE(d->CheckBox2->Enabled());
        ClickControl(d->CheckBox1);
        ClickControl(d->SetButton);
        ChooseOption(d->TCPcbx, "enabled");
        EXPECT_TRUE(d->TCPPortEdit->Enabled());
        EXPECT_TRUE(d->CheckBox2->Enabled());
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Prefix() + ".14.1.0", SimValue::Int(2)}}}));
}

TEST_F(TelnetWebSim, AnUnknownModelTakesTheUnsupportedPathAndSendsNothing) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    RunDialog<T>(kCommand, TCPWEBForm, [&](T* d) {
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "Unsupported model");
        EXPECT_FALSE(d->SetButton->Enabled());
        ClickControl(d->GetButton);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace tcpweb_form_unit_test
