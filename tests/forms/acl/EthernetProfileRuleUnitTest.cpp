#include "EthernetProfileRuleUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "RuleEditorTesting.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace ethernet_profile_rule_unit_test {

namespace {

constexpr const char* kCommand = "RuleOfEthernetInformation1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.3.1.1";
constexpr const char* kNotComplete = "Get data not complete.";

constexpr auto& kTable = Columns::EthernetProfileRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int k8021p = ColumnOf(kTable, "802.1p");

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

using Form = TEthernetProfileRuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

class EthernetRuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEthernetRuleScenario);
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
    // A click in the list that leaves no row selected.
    static void ClickAway(Form* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }
    static TCheckBox* Port(Form* d, int port) {
        return d->PortPicker->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    // The rule of the first Add: profile 1, access 4, the source MAC, Permit "permit", port 2.
    static void FillNewRule(Form* d, const std::string& access = "4") {
        d->MaskIDEdit->SetText("1");
        d->AccessEdit->SetText(access);
        d->cbxSource->SetChecked(true);
        d->SourceMACEdit->SetText("001122334455");
        d->cbxPermit->SetChecked(true);
        ChooseOption(d->PermitComboBox, "permit");
        Port(d, 2)->SetChecked(true);
    }
};

} // namespace

TEST_F(EthernetRuleSim, TheMenuCommandOpensItWithEveryRuleAndSendsNothing) {
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        EXPECT_EQ(d->Caption(), "ACL Ethernet Rule: " + Agent().Address());
        EXPECT_EQ(d->ListView1->Columns().Count(), 24);
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "2.3", "3.1"}));
        EXPECT_EQ(d->SamplesBox->Caption(), "3");
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->cbxRxRate->Visible());
        EXPECT_EQ(d->TosValueEdit->Left(), d->RxRateEdit->Left());
        EXPECT_EQ(d->AddCheckButton->Caption(), "Check All");
        EXPECT_EQ(d->CleanCheButton->Caption(), "Clear Checks");
        // Permit "deny": the action fields are off, and so are the VLAN fields while "VLAN" is.
        EXPECT_FALSE(d->EnablePriorityComboBox->Enabled());
        EXPECT_FALSE(d->RuleVIDEdit->Enabled());

        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->MaskIDEdit->Text(), "1");
        EXPECT_EQ(d->AccessEdit->Text(), "1");
        EXPECT_FALSE(d->MaskIDEdit->Enabled());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_EQ(d->SourceMACEdit->Text(), "00AABBCCDDEE");
        EXPECT_EQ(d->PermitComboBox->Text(), "permit");
        EXPECT_TRUE(d->EnablePriorityComboBox->Enabled());
        EXPECT_TRUE(Port(d, 1)->Checked());
        EXPECT_FALSE(Port(d, 3)->Checked());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// At its designed size, on a stack whose first unit has 48 ports: every caption reads whole in
// list mode and with a permitting rule selected (its action fields enabled).
TEST_F(EthernetRuleSim, EveryCaptionReadsWhole) {
    UseStackOf48And24Ports();
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        EXPECT_EQ(d->Width(), 824);
        EXPECT_EQ(d->Height(), 759);
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 0);
        ChooseOption(d->EnablePriorityComboBox, "enabled");
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
}

TEST_F(EthernetRuleSim, AddSendsTheSourceMacPermitThePortsAndCreateAndGo) {
    const struct {
        const char* Stack;
        std::string Ports;
    } cases[] = {{"disabled", "4000000000000000"}, {"enabled", "40" + std::string(94, '0')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stack);
        WritableFacts().StackMode = c.Stack;
        Agent().LoadScenario(kEthernetRuleScenario);
        RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
            FillNewRule(d);
            ClickControl(d->AddButton);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (Pdus{{
                                     {Oid(4, "1.4"), Hex("001122334455")},
                                     {Oid(13, "1.4"), SimValue::Int(2)},
                                     {Oid(14, "1.4"), Hex(c.Ports)},
                                     {Oid(15, "1.4"), SimValue::Int(4)},
                                 }}));
            EXPECT_EQ(Keys(d).at(1), "1.4");
            // List mode, the fields reset.
            EXPECT_TRUE(d->MaskIDEdit->Enabled());
            EXPECT_EQ(d->SourceMACEdit->Text(), "");
            EXPECT_FALSE(Port(d, 2)->Checked());
        });
        EXPECT_EQ(Agent().Value(Oid(15, "1.4")), SimValue::Int(1));
        EXPECT_EQ(Agent().Value(Oid(4, "1.4")), Hex("001122334455"));
    }
}

// While the first read runs (the agent slow), Refresh, Add and Edit (with or without a selected
// row) refuse; nothing is sent.
TEST_F(EthernetRuleSim, WritesAndRefreshRefuseWhileTheFirstReadRuns) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<Form>(kCommand, EthernetProfileRuleForm,
                    [&](Form* d) {
                        ASSERT_FALSE(d->DataComplete);
                        FillNewRule(d);
                        const std::function<void()> actions[] = {
                            [d] { ClickControl(d->AddButton); },
                            [d] { ClickControl(d->GetButton); },
                            [d] { d->EditButtonClick(nullptr); },
                            [d] {
                                ClickListRow(d->ListView1, 0);
                                ClickControl(d->EditButton);
                            },
                        };
                        ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
                        for (const auto& act : actions) {
                            ASSERT_FALSE(d->DataComplete);
                            Dialogs.Expect(kNotComplete);
                            act();
                            EXPECT_EQ(Dialogs.Pending(), 0);
                        }
                        ClickControl(d->StopButton);
                        ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
                        ClickControl(d->CloseButton);
                    },
                    {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EthernetRuleSim, EditOfAnActiveRuleSendsNoRowStatusAndKeepsWhatItSent) {
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        d->cbxIEEE802dot1P->SetChecked(true);
        d->IEEE8021pEdit->SetText("5");
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{
                                 {Oid(6, "1.1"), SimValue::Int(5)},
                                 {Oid(14, "1.1"), Hex("C000000000000000")},
                             }}));
        EXPECT_EQ(ColumnCells(d->Table, k8021p).at(0), "5");
        // The re-read leaves no row selected; the fields and the row mode stay.
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        EXPECT_EQ(d->IEEE8021pEdit->Text(), "5");
        EXPECT_TRUE(d->cbxIEEE802dot1P->Checked());
        EXPECT_EQ(d->SourceMACEdit->Text(), "00AABBCCDDEE");
        EXPECT_TRUE(Port(d, 1)->Checked());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_FALSE(d->AddButton->Enabled());
        EXPECT_FALSE(d->MaskIDEdit->Enabled());
        // A click in the list ends it.
        ClickAway(d);
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_EQ(d->IEEE8021pEdit->Text(), "");
    });
    EXPECT_EQ(Agent().Value(Oid(15, "1.1")), SimValue::Int(1));
}

TEST_F(EthernetRuleSim, DeleteSendsDestroyAloneAndTheRuleIsGone) {
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 1);
        ClickControl(d->DeleteButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(15, "2.3"), SimValue::Int(6)}}}));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "3.1"}));
        EXPECT_FALSE(d->DeleteButton->Enabled());
    });
    EXPECT_FALSE(Agent().Value(Oid(15, "2.3")).has_value());
}

// Row 2.3 has VLAN-based ID 100; the agent holds row 3.1 without one, which counts as no VLAN.
TEST_F(EthernetRuleSim, SelectionSetsTheVlanBasedBoxAndARowWithoutTheIdSelectsQuietly) {
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 1);
        EXPECT_TRUE(d->VLANBaseChkBox->Checked());
        EXPECT_FALSE(d->PortPicker->Enabled());
        EXPECT_EQ(d->VLANBasedVIDEdit->Text(), "100");

        ClickListRow(d->ListView1, 2);
        EXPECT_FALSE(d->VLANBaseChkBox->Checked());
        EXPECT_TRUE(d->PortPicker->Enabled());
        EXPECT_TRUE(Port(d, 3)->Checked());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_EQ(d->MaskIDEdit->Text(), "3");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EthernetRuleSim, AddRefusalsSendNothing) {
    const auto permitWith = [](Form* d, const char* enablePriority, const char* replaceDscp) {
        ChooseOption(d->EnablePriorityComboBox, enablePriority);
        ChooseOption(d->EnableReplaceDSCPComboBox, replaceDscp);
    };
    const auto cases = WithFamilyRuleRefusals<Form>(
        {.NoProfile = "Mask ID must be set.",
         .NoAccess = "Access ID must be set.",
         .ListedAccess = "1",
         .Duplicate =
             "Has already a record with the same Profile ID and Access ID. Please change eithor of them.",
         .PermitUnticked = "'Permit' option must be checked.",
         .BothReplacements = "Can not set 'Replace DSCP' or 'Replace Tos' at same time."},
        {
            {"access ID out of range", [](Form* d) { d->AccessEdit->SetText("257"); },
             " Please enter a number between 0 and 256!"},
            {"empty VLAN ID under VLAN",
             [](Form* d) {
                 d->RuleVLANcbx->SetChecked(true);
                 d->cbxVID->SetChecked(true);
             },
             "Some check field is empty."},
            {"empty source MAC", [](Form* d) { d->SourceMACEdit->SetText(""); },
             "Some check field is empty."},
            {"malformed source MAC", [](Form* d) { d->SourceMACEdit->SetText("0011223344"); },
             "Please enter a valid MAC address!"},
            {"empty source MAC mask", [](Form* d) { d->cbxMaskSource->SetChecked(true); },
             "Please enter a valid MAC Address"},
            {"empty destination MAC mask", [](Form* d) { d->cbxMaskDestination->SetChecked(true); },
             "Please enter a valid MAC Address"},
            {"priority above 7",
             [&](Form* d) {
                 permitWith(d, "enabled", "disabled");
                 d->cbxPriority->SetChecked(true);
                 d->PriorityEdit->SetText("8");
             },
             "Priority value should between 0-7"},
            {"DSCP value above 63",
             [&](Form* d) {
                 permitWith(d, "disabled", "enabled");
                 d->cbxEnableDSCPValue->SetChecked(true);
                 d->DSCPEdit->SetText("64");
             },
             "Replace DSCP Value should between 0-63."},
        });
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        ExpectRuleRefusals<Form>(
            Dialogs, d, ClickAway, [](Form* f) { FillNewRule(f); }, cases);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Check All ticks the enabled row boxes, then "VLAN", whose rule only then enables the VLAN
// fields: a second Check All reaches them. Clear Checks unticks all, "VLAN" too.
TEST_F(EthernetRuleSim, CheckAllReachesTheVlanFieldsTheSecondTime) {
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        ASSERT_FALSE(d->RuleVLANcbx->Checked());
        ClickControl(d->AddCheckButton);
        EXPECT_TRUE(d->RuleVLANcbx->Checked());
        EXPECT_TRUE(d->cbxVID->Enabled());
        EXPECT_FALSE(d->cbxVID->Checked());
        EXPECT_FALSE(d->cbxVLANMask->Checked());
        EXPECT_TRUE(d->cbxSource->Checked());
        ClickControl(d->AddCheckButton);
        EXPECT_TRUE(d->cbxVID->Checked());
        EXPECT_TRUE(d->cbxVlanName->Checked());
        EXPECT_TRUE(d->cbxVLANMask->Checked());
        ClickControl(d->CleanCheButton);
        EXPECT_FALSE(d->RuleVLANcbx->Checked());
        EXPECT_FALSE(d->cbxSource->Checked());
        EXPECT_FALSE(d->cbxVID->Enabled());
    });
}

// The reset runs no action rule; Refresh runs Replace DSCP, Enable Priority and Replace ToS State
// after it, so the fields follow their reset selections.
TEST_F(EthernetRuleSim, RefreshLeavesTheActionFieldsAsTheirResetSelectionsSay) {
    RunDialog<Form>(kCommand, EthernetProfileRuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        ChooseOption(d->EnablePriorityComboBox, "enabled");
        ChooseOption(d->EnableReplaceDSCPComboBox, "enabled");
        ASSERT_TRUE(d->PriorityEdit->Enabled());
        ASSERT_FALSE(d->RepTosStateComboBox->Enabled());
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(d->EnablePriorityComboBox->Text(), "disabled");
        EXPECT_FALSE(d->PriorityEdit->Enabled());
        EXPECT_FALSE(d->DSCPEdit->Enabled());
        EXPECT_TRUE(d->RepTosStateComboBox->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
    });
}

// Stop ends the walk at its next reply; a click on no row then leaves it stopped (the IPv4 rule
// editor's makes the request active again).
TEST_F(EthernetRuleSim, AClickOnNoRowLeavesAStoppedReadStopped) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<Form>(kCommand, EthernetProfileRuleForm,
                    [&](Form* d) {
                        ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
                        ClickControl(d->StopButton);
                        ClickAway(d);
                        ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
                        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "2.3"}));
                        ClickControl(d->CloseButton);
                    },
                    {}, {.WaitFirstRead = false});
}

} // namespace ethernet_profile_rule_unit_test
