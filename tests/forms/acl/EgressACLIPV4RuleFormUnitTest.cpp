#include "EgressACLIPV4RuleFormUnit.h"

#include "AclScenarios.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "RuleEditorTesting.h"
#include "TApplication.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace egress_aclipv4_rule_form_unit_test {

namespace {

using Form = TEgressIPv4RuleForm;
constexpr const char* kCommand = "IPv4Rule1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.89.3.2.1";

class EgressIPv4RuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressIPv4RuleScenario);
    }
    static void ClickAway(Form* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }
    // A rule that passes: profile 2, access 5, the source address and its mask, Permit "permit".
    static void FillNewRule(Form* d) {
        d->MaskIDEdit->SetText("2");
        d->AccessIDEdit->SetText("5");
        d->cbxSourceIP->SetChecked(true);
        d->SourceIPEdit->SetText("10.1.1.1");
        d->cbxSourceIPMask->SetChecked(true);
        d->SourceIPMaskEdit->SetText("255.255.0.0");
        d->cbxPermit->SetChecked(true);
        ChooseOption(d->PermitComboBox, "permit");
    }
};

} // namespace

// Each refusal with its text (none: the focus moves alone) and the field that gets the focus.
TEST_F(EgressIPv4RuleSim, AddRefusalsShowTheirTextOrMoveTheFocusAndSendNothing) {
    const struct {
        const char* Name;
        std::function<void(Form*)> Spoil;
        const char* Message;
        TEdit* Form::*Focus;
    } cases[] = {
        {"a source mask of three groups", [](Form* d) { d->SourceIPMaskEdit->SetText("255.255.0"); }, nullptr,
         &Form::SourceIPMaskEdit},
        {"a source mask that is no address", [](Form* d) { d->SourceIPMaskEdit->SetText("abc"); }, nullptr,
         &Form::SourceIPMaskEdit},
        {"an empty source mask", [](Form* d) { d->SourceIPMaskEdit->SetText(""); },
         "Some check field is empty.", &Form::SourceIPMaskEdit},
        {"a ticked, empty destination address", [](Form* d) { d->cbxDestIP->SetChecked(true); },
         "Some check field is empty.", &Form::DestIPEdit},
        {"an empty destination mask",
         [](Form* d) {
             d->cbxDestIP->SetChecked(true);
             d->DestIPEdit->SetText("10.2.2.2");
             d->cbxDestIPMask->SetChecked(true);
         },
         "Some check field is empty.", &Form::DestIPMaskEdit},
        {"an empty DSCP", [](Form* d) { d->cbxDscp->SetChecked(true); }, "Some check field is empty.",
         &Form::DSCPEdit},
        {"permit unticked", [](Form* d) { d->cbxPermit->SetChecked(false); },
         "'Permit' option must be checked.", nullptr},
    };
    RunDialog<Form>(kCommand, EgressIPv4RuleForm, [&](Form* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            ClickAway(d);
            FillNewRule(d);
            c.Spoil(d);
            FocusControl(d->ListView1);
            if (c.Message) {
                Dialogs.Expect(c.Message);
            }
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (c.Focus) {
                EXPECT_TRUE((d->*c.Focus)->Focused());
            }
        }
        ClickAway(d);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The outcome of Add: success in status panel 0, a refusal in a box captioned with the program's
// file name.
TEST_F(EgressIPv4RuleSim, AnAddsOutcomeIsShownInTheStatusLineOrInABoxNamedForTheProgram) {
    RunDialog<Form>(kCommand, EgressIPv4RuleForm, [&](Form* d) {
        FillNewRule(d);
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitFor([d] { return d->Table.DataComplete && !d->Table.Request->Busy; }, 10000));
        EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find("Ok"), std::string::npos)
            << StatusPanelOf(d->StatusBar1)->Text();

        Agent().InjectError(kEntry, "genErr", SimOp::Set);
        FillNewRule(d);
        d->AccessIDEdit->SetText("6");
        Dialogs.Expect(DialogKind::Box, std::filesystem::path(Application->ExeName()).filename().string(),
                       MessageOfCode(-105));
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitFor([&] { return Dialogs.Pending() == 0; }, 10000));
        ASSERT_TRUE(WaitFor([d] { return d->Table.DataComplete && !d->Table.Request->Busy; }, 10000));
        Agent().ClearInjections();
    });
    EXPECT_EQ(Agent().Value(kEntry + ".3.2.5"), SimValue::Int(1));
    EXPECT_FALSE(Agent().Value(kEntry + ".3.2.6").has_value());
}

// The protocol rule over the six protocols: the fields each enables, the others disabled.
TEST_F(EgressIPv4RuleSim, TheProtocolRuleEnablesEachProtocolsFields) {
    const struct {
        const char* Protocol;
        bool Type, Code, Ports, Flags, ProtocolId, User;
    } cases[] = {
        {"none", false, false, false, false, false, false},
        {"icmp", true, true, false, false, false, false},
        {"igmp", true, false, false, false, false, false},
        {"tcp", false, false, true, true, false, false},
        {"udp", false, false, true, false, false, false},
        {"protocolId", false, false, false, false, true, true},
    };
    RunDialog<Form>(kCommand, EgressIPv4RuleForm, [&](Form* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Protocol);
            ChooseOption(d->ProtocolComboBox, c.Protocol);
            EXPECT_EQ(d->TypeEdit->Enabled(), c.Type);
            EXPECT_EQ(d->CodeEdit->Enabled(), c.Code);
            EXPECT_EQ(d->SourcePortEdit->Enabled(), c.Ports);
            EXPECT_EQ(d->DestPortEdit->Enabled(), c.Ports);
            EXPECT_EQ(d->SourcePortMaskEdit->Enabled(), c.Ports);
            EXPECT_EQ(d->DestPortMaskEdit->Enabled(), c.Ports);
            EXPECT_EQ(d->FlagEdit->Enabled(), c.Flags);
            EXPECT_EQ(d->ProtocolIDEdit->Enabled(), c.ProtocolId);
            EXPECT_EQ(d->UserEdit->Enabled(), c.User);
            EXPECT_EQ(d->UserMaskEdit->Enabled(), c.User);
        }
    });
}

} // namespace egress_aclipv4_rule_form_unit_test
