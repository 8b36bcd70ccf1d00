#include "IPv6ProfileRuleFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "RuleEditorTesting.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TScrollBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace i_pv6_profile_rule_form_unit_test {

namespace {

constexpr const char* kCommand = "IPv6Rule1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.3.4.1";
constexpr const char* kNotComplete = "Get data not complete.";
constexpr const char* kBadIpv6 = "Please enter a valid IPv6 address whose length is 32 without ':'.";
const std::string kAddress = "20010db8000000000000000000000abc";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

constexpr auto& kTable = Columns::Ipv6RuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kClass = ColumnOf(kTable, "Class");

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

using Form = TIpv6RuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

class Ipv6RuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kIpv6RuleScenario);
    }
    static std::vector<std::string> Keys(Form* d) {
        std::vector<std::string> keys;
        const std::vector<std::string> profiles = ColumnCells(d->Table, kProfileId);
        const std::vector<std::string> accesses = ColumnCells(d->Table, kAccessId);
        for (size_t i = 0; i < profiles.size(); ++i) {
            keys.push_back(profiles[i] + "." + accesses[i]);
        }
        return keys;
    }
    static TCheckBox* Port(Form* d, int port) {
        return d->PortPicker->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static void ClickAway(Form* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }
    // A new rule that passes every check: the keys, Permit "permit" ticked, port 2.
    static void FillNewRule(Form* d, const std::string& access) {
        d->edtRuleID->SetText("1");
        d->edtRuleAccessID->SetText(access);
        d->cbxPermit->SetChecked(true);
        ChooseOption(d->PermitComboBox, "permit");
        Port(d, 2)->SetChecked(true);
    }
};

} // namespace

TEST_F(Ipv6RuleSim, TheMenuCommandOpensItWithEveryRuleAndSendsNothing) {
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        EXPECT_EQ(d->Caption(), "ACL IPv6 Rule: " + Agent().Address());
        EXPECT_EQ(d->ListView1->Columns().Count(), 28);
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "2.5"}));
        EXPECT_EQ(d->SamplesBox->Caption(), "2");
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->cbxRxRate->Visible());
        EXPECT_FALSE(d->EnablePriorityComboBox->Enabled()); // Permit "deny"

        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->edtRuleID->Text(), "1");
        EXPECT_FALSE(d->edtRuleAccessID->Enabled());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_EQ(d->edtRuleSrcIpv6addr->Text(), "20010DB8000000000000000000000001");
        EXPECT_EQ(d->edtRuleFlowlabel->Text(), "000ABCDE");
        EXPECT_EQ(d->RowComboBox->Text(), "active");
        EXPECT_TRUE(d->EnablePriorityComboBox->Enabled());
        EXPECT_TRUE(Port(d, 2)->Checked());
        // The protocol switches no field.
        ChooseOption(d->RuleProtoCombox, "tcp");
        EXPECT_TRUE(d->SrcPortEdit->Enabled());
        EXPECT_TRUE(d->edtType->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(Ipv6RuleSim, EveryCaptionReadsWholeAndTheFourRowsOfA48PortUnitAreInSight) {
    UseStackOf48And24Ports();
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        EXPECT_EQ(d->Width(), 789);
        EXPECT_EQ(d->Height(), 751);
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 0);
        ChooseOption(d->EnablePriorityComboBox, "enabled");
        EXPECT_TRUE(CaptionsReadWhole(d));

        // Ports 37-48 are the unit's fourth row: whole, with the box scrolled to its top.
        TCheckBox* last = d->PortPicker->PortBoxes.at(47);
        ASSERT_TRUE(last->Showing());
        const auto* box = dynamic_cast<TScrollBox*>(last->Parent());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->VertScrollPosition(), 0);
        EXPECT_LE(last->Top() + last->Height(), box->ClientHeight());
    });
}

// Add sends the ticked fields, Row Status createAndGo and the ports; the typed fields stay and the
// dialog stays in list mode, so a further rule needs only its changes.
TEST_F(Ipv6RuleSim, AddSendsTheTickedFieldsAndKeepsThem) {
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        FillNewRule(d, "4");
        d->cbxRuleSrcIpv6addr->SetChecked(true);
        d->edtRuleSrcIpv6addr->SetText(kAddress);
        d->cbxRuleClass->SetChecked(true);
        d->edtRuleClass->SetText("9");
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{
                                 {Oid(3, "1.4"), SimValue::Int(9)},
                                 {Oid(5, "1.4"), Hex(Upper(kAddress))},
                                 {Oid(10, "1.4"), SimValue::Int(2)},
                                 {Oid(11, "1.4"), Hex("4000000000000000")},
                                 {Oid(12, "1.4"), SimValue::Int(4)},
                             }}));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "1.4", "2.5"}));
        EXPECT_EQ(d->edtRuleAccessID->Text(), "4");
        EXPECT_TRUE(d->edtRuleAccessID->Enabled());
        EXPECT_EQ(d->edtRuleSrcIpv6addr->Text(), kAddress);
        EXPECT_TRUE(d->cbxRuleClass->Checked());
        EXPECT_TRUE(Port(d, 2)->Checked());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->EditButton->Enabled());

        d->edtRuleAccessID->SetText("5");
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(2));
        ASSERT_TRUE(WaitReads(2));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "1.4", "1.5", "2.5"}));
    });
    EXPECT_EQ(Agent().Value(Oid(12, "1.5")), SimValue::Int(1));
    EXPECT_EQ(Agent().Value(Oid(5, "1.5")), Hex(Upper(kAddress)));
}

// The flow label is 8 hexadecimal digits in either case, sent as 4 octets; the addresses and
// masks 32, sent as 16. Other texts are refused with the field's own message and nothing is sent.
TEST_F(Ipv6RuleSim, FlowLabelAndAddressTextsAreCheckedBeforeSending) {
    const struct {
        const char* Name;
        TCheckBox* Form::*Box;
        TEdit* Form::*Edit;
        int Arc;
        std::string Text;
        const char* Refusal; // null: sent
    } cases[] = {
        {"flow label lower case", &Form::cbxRuleFlowlabel, &Form::edtRuleFlowlabel, 4, "00ab12cd", nullptr},
        {"flow label upper case", &Form::cbxRuleFlowlabel, &Form::edtRuleFlowlabel, 4, "FFFFFFFF", nullptr},
        {"flow label of 7", &Form::cbxRuleFlowlabel, &Form::edtRuleFlowlabel, 4, "00AB12C", "Invalid data."},
        {"flow label with G", &Form::cbxRuleFlowlabel, &Form::edtRuleFlowlabel, 4, "00AB12CG",
         "Invalid data."},
        {"source address", &Form::cbxRuleSrcIpv6addr, &Form::edtRuleSrcIpv6addr, 5, kAddress, nullptr},
        {"source address of 31", &Form::cbxRuleSrcIpv6addr, &Form::edtRuleSrcIpv6addr, 5, kAddress.substr(1),
         kBadIpv6},
        {"destination address with colons", &Form::cbxRuleDstIpv6addr, &Form::edtRuleDstIpv6addr, 6,
         "2001:0db8:0000:0000:0000:0000:00", kBadIpv6},
        {"source mask", &Form::cbxRuleSrcIpv6addrMask, &Form::edtRuleSrcIpv6addrMask, 23, Upper(kAddress),
         nullptr},
        {"destination mask of 31", &Form::cbxRuleDstIpv6addrMask, &Form::edtRuleDstIpv6addrMask, 24,
         kAddress.substr(1), kBadIpv6},
    };
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        int access = 10;
        size_t sets = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            ClickAway(d);
            const std::string instance = "1." + std::to_string(access);
            FillNewRule(d, std::to_string(access++));
            (d->*c.Box)->SetChecked(true);
            (d->*c.Edit)->SetText(c.Text);
            if (c.Refusal) {
                Dialogs.Expect(c.Refusal);
            }
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (c.Refusal) {
                EXPECT_EQ(Agent().SetLog().size(), sets);
                // The refused edit has the focus: emptied, it is left without its own check.
                (d->*c.Edit)->SetText("");
                continue;
            }
            ASSERT_TRUE(WaitForSets(++sets));
            ASSERT_TRUE(WaitIdle(d->Table));
            const std::vector<SimVarBind> pdu = SetPdus().back();
            EXPECT_NE(std::find(pdu.begin(), pdu.end(), SimVarBind{Oid(c.Arc, instance), Hex(Upper(c.Text))}),
                      pdu.end());
        }
    });
}

// The validation's texts in its order: the masks, some fields, the flow label and the addresses
// with "Some checked field is empty.", the VLAN-based ID with the kit's "Some check field is
// empty.", the protocol fields with "Some checked field is empty" and the mirror group with "Some
// check field is empty!".
TEST_F(Ipv6RuleSim, AddRefusalsSayWhatTheirPlaceSays) {
    const auto tick = [](TCheckBox* box) { box->SetChecked(true); };
    const auto cases = WithFamilyRuleRefusals<Form>(
        {.NoProfile = "Profile ID must be set.",
         .NoAccess = "Access ID must be set.",
         .ListedAccess = "1",
         .Duplicate =
             "Has already a record with the same Profile ID and Access ID. Please change eithor of them.",
         .PermitUnticked = "Permit option must be checked.",
         .BothReplacements = "Only Can Set Replace DSCP or Replace Tos Each Time."},
        {
            {"empty mask", [&](Form* d) { tick(d->cbxRuleSrcIpv6addrMask); }, "Some checked field is empty."},
            {"empty class before an empty port",
             [&](Form* d) {
                 tick(d->cbxRuleClass);
                 tick(d->SrcPortChx);
             },
             "Some checked field is empty."},
            {"empty flow label", [&](Form* d) { tick(d->cbxRuleFlowlabel); }, "Some checked field is empty."},
            {"empty address", [&](Form* d) { tick(d->cbxRuleDstIpv6addr); }, "Some checked field is empty."},
            {"empty priority",
             [&](Form* d) {
                 ChooseOption(d->EnablePriorityComboBox, "enabled");
                 tick(d->cbxPriority);
             },
             "Some checked field is empty."},
            {"empty VLAN-based ID", [&](Form* d) { tick(d->VLANBaseChkBox); }, "Some check field is empty."},
            {"empty port before an empty mirror group",
             [&](Form* d) {
                 tick(d->DesPortChx);
                 ChooseOption(d->PermitComboBox, "mirror");
                 tick(d->cbxMirrorGroup);
             },
             "Some checked field is empty"},
            {"empty mirror group",
             [&](Form* d) {
                 ChooseOption(d->PermitComboBox, "mirror");
                 tick(d->cbxMirrorGroup);
             },
             "Some check field is empty!"},
        });
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        ExpectRuleRefusals<Form>(
            Dialogs, d, ClickAway, [](Form* f) { FillNewRule(f, "9"); }, cases);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Row Status is sent as shown, "active" included; the fields and the row mode stay through the
// re-read.
TEST_F(Ipv6RuleSim, EditOfAnActiveRowSendsRowStatusWithTheTickedFields) {
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        d->cbxRuleClass->SetChecked(true);
        d->edtRuleClass->SetText("7");
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{
                                 {Oid(3, "1.1"), SimValue::Int(7)},
                                 {Oid(11, "1.1"), Hex("C000000000000000")},
                                 {Oid(12, "1.1"), SimValue::Int(1)},
                             }}));
        EXPECT_EQ(ColumnCells(d->Table, kClass).at(0), "7");
        EXPECT_EQ(d->edtRuleClass->Text(), "7");
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_FALSE(d->edtRuleID->Enabled());
        ClickAway(d);
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_EQ(d->edtRuleClass->Text(), "");
    });
}

// Edit runs Add for a row shown as createAndGo (which finds the row listed) and Delete for one
// shown as destroy, whether or not the hidden Row Status box is ticked.
TEST_F(Ipv6RuleSim, EditDispatchesOnTheRowStatusShown) {
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 1);
        ASSERT_EQ(d->RowComboBox->Text(), "createAndGo");
        Dialogs.Expect(
            "Has already a record with the same Profile ID and Access ID. Please change eithor of them.");
        ClickControl(d->EditButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());

        ClickListRow(d->ListView1, 0);
        ASSERT_FALSE(d->cbxRow->Checked());
        SelectOption(d->RowComboBox, "destroy");
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(12, "1.1"), SimValue::Int(6)}}}));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"2.5"}));
    });
}

// While the re-read of an Edit runs (the agent slow), a second Edit is refused once it has been
// dispatched, and Refresh too; Add is not guarded and writes.
TEST_F(Ipv6RuleSim, EditAndRefreshRefuseWhileTheReReadRuns) {
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        Agent().SetDelay(kEntry, 300, SimOp::Next);
        ClickListRow(d->ListView1, 0);
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_FALSE(d->DataComplete);
        Dialogs.Expect(kNotComplete);
        ClickControl(d->EditButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        Dialogs.Expect(kNotComplete);
        ClickControl(d->GetButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Agent().SetLog().size(), 1u);

        ClickAway(d);
        FillNewRule(d, "6");
        ClickControl(d->AddButton);
        EXPECT_TRUE(WaitForSets(2));
        ASSERT_TRUE(WaitIdle(d->Table));
    });
    EXPECT_EQ(Agent().Value(Oid(12, "1.6")), SimValue::Int(1));
}

TEST_F(Ipv6RuleSim, DeleteSendsDestroyAloneAndTheRuleIsGone) {
    RunDialog<Form>(kCommand, Ipv6RuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        ClickControl(d->DeleteButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(12, "1.1"), SimValue::Int(6)}}}));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"2.5"}));
        EXPECT_FALSE(d->DeleteButton->Enabled());
    });
    EXPECT_FALSE(Agent().Value(Oid(12, "1.1")).has_value());
}

} // namespace i_pv6_profile_rule_form_unit_test
