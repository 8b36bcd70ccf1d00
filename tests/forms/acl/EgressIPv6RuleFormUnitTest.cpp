#include "EgressIPv6RuleFormUnit.h"

#include "AclScenarios.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

namespace egress_i_pv6_rule_form_unit_test {

namespace {

using Form = TEgressIPv6RuleForm;
constexpr const char* kCommand = "IPv6Rule2Click";

constexpr const char* kLess = "Please enter a valid IPv6 address whose length is less without ':'.";
constexpr const char* kIs32 = "Please enter a valid IPv6 address whose length is 32 without ':'.";

class EgressIPv6RuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressIPv6RuleScenario);
    }
    static void ClickAway(Form* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }
    // A rule that passes: profile 2, access 5, Permit "permit".
    static void FillNewRule(Form* d) {
        d->edtRuleID->SetText("2");
        d->edtRuleAccessID->SetText("5");
        d->cbxPermit->SetChecked(true);
        ChooseOption(d->PermitComboBox, "permit");
    }
};

} // namespace

// The address checks: 31 digits, 33, a colon among 32 characters; a bad mask is reported before a
// bad address; mixed case passes.
TEST_F(EgressIPv6RuleSim, TheAddressChecksRefuseWithTheirTextsMasksFirst) {
    const struct {
        const char* Name;
        const char* Address;
        const char* Mask;
        const char* Message;
    } cases[] = {
        {"31 digits", "2001DB800000000000000000000001", nullptr, kLess},
        {"33 digits", "2001DB80000000000000000000000001F", nullptr, kLess},
        {"a colon among 32", "2001:DB8000000000000000000000001", nullptr, kIs32},
        {"a bad mask before a bad address", "2001:DB8000000000000000000000001", "FFFF", kLess},
        {"mixed case passes", "2001db8000000000000000000000000A", nullptr, nullptr},
    };
    RunDialog<Form>(kCommand, EgressIPv6RuleForm, [&](Form* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            ClickAway(d);
            FillNewRule(d);
            d->cbxRuleDstIpv6addr->SetChecked(true);
            d->edtRuleDstIpv6addr->SetText(c.Address);
            if (c.Mask) {
                d->cbxRuleDstIpv6addrMask->SetChecked(true);
                d->edtRuleDstIpv6addrMask->SetText(c.Mask);
            }
            if (c.Message) {
                Dialogs.Expect(c.Message);
            }
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (!c.Message) {
                ASSERT_TRUE(WaitForSets(1));
                ASSERT_TRUE(WaitFor([d] { return d->Table.DataComplete && !d->Table.Request->Busy; }, 10000));
            }
        }
        ClickAway(d);
    });
    ASSERT_EQ(Agent().SetLog().size(), 1u);
    EXPECT_EQ(Agent().Value("1.3.6.1.4.1.746.12.89.3.3.1.7.2.5"),
              (SimValue{"4x", "2001DB8000000000000000000000000A"}));
}

// Rule 2.3 is read back as createAndGo: Edit runs Add, which finds it listed.
TEST_F(EgressIPv6RuleSim, EditOfARowReadBackAsCreateAndGoRefusesAsADuplicate) {
    RunDialog<Form>(kCommand, EgressIPv6RuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 1);
        ASSERT_EQ(d->RowComboBox->Text(), "createAndGo");
        d->cbxPermit->SetChecked(true);
        Dialogs.Expect(
            "Has already a record with the same Profile ID and Access ID. Please change eithor of them.");
        ClickControl(d->EditButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// "none" unticks, disables and empties both port fields; another protocol gives them back.
TEST_F(EgressIPv6RuleSim, RuleProtocolNoneEmptiesAndDisablesThePortFields) {
    RunDialog<Form>(kCommand, EgressIPv6RuleForm, [&](Form* d) {
        ChooseOption(d->RuleProtoCombox, "tcp");
        d->SrcPortChx->SetChecked(true);
        d->SrcPortEdit->SetText("80");
        d->DesPortEdit->SetText("81");
        ChooseOption(d->RuleProtoCombox, "none");
        for (TCheckBox* box : {d->SrcPortChx, d->DesPortChx}) {
            EXPECT_FALSE(box->Checked());
            EXPECT_FALSE(box->Enabled());
        }
        for (TEdit* edit : {d->SrcPortEdit, d->DesPortEdit}) {
            EXPECT_FALSE(edit->Enabled());
            EXPECT_EQ(edit->Text(), "");
        }
        EXPECT_TRUE(d->SrcPortMaskEdit->Enabled()); // the masks are not the rule's
        ChooseOption(d->RuleProtoCombox, "udp");
        d->SrcPortEdit->SetText("53");
        ChooseOption(d->RuleProtoCombox, "icmp");
        EXPECT_TRUE(d->SrcPortChx->Enabled());
        EXPECT_FALSE(d->SrcPortChx->Checked());
        EXPECT_TRUE(d->SrcPortEdit->Enabled());
        EXPECT_EQ(d->SrcPortEdit->Text(), "53");
    });
}

} // namespace egress_i_pv6_rule_form_unit_test
