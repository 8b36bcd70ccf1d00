#include "PktContentRuleFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "RuleEditorTesting.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pkt_content_rule_form_unit_test {

namespace {

using Form = TPktContentRuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "PayloadRule1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.3.7.1";
constexpr int kProfileId = ColumnOf(Columns::PktContentRuleTable, "Profile ID");

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}
SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class PktContentRuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kPktContentRuleScenario);
    }
    static TCheckBox* Port(Form* d, int port) {
        return d->PortPicker->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static void ClickAway(Form* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }
    // Rule 2.4: chunk 1's content ticked, Permit "permit" ticked, port 2.
    static void FillNewRule(Form* d) {
        d->edtProfile->SetText("2");
        d->edtAccess->SetText("4");
        d->cbxChunk1Offset->SetChecked(true);
        d->edtChunk1Offset->SetText("0A0B0C0D");
        d->cbxPermit->SetChecked(true);
        ChooseOption(d->PermitComboBox, "permit");
        Port(d, 2)->SetChecked(true);
    }
};

} // namespace

TEST_F(PktContentRuleSim, TheMenuCommandOpensTheRulesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TPktContentRuleForm"), missing.end());
    UseStackOf48And24Ports();
    WritableFacts().StackMode = "disabled"; // the rules' port lists are 8 octets
    RunDialog<Form>(kCommand, PktContentRuleForm, [&](Form* d) {
        EXPECT_EQ(d->Caption(), "ACL Packet Content Rule: " + Agent().Address());
        EXPECT_EQ(d->Width(), 704);
        EXPECT_EQ(d->Height(), 644);
        EXPECT_EQ(d->ListView1->Columns().Count(), 23);
        EXPECT_EQ(ColumnCells(d->Table, kProfileId), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->OwnerComboBox->Items().Count(), 7);
        EXPECT_FALSE(d->cbxRxRate->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->edtChunk1Value->Text(), "2");
        EXPECT_TRUE(d->edtChunk1Value->ReadOnly());
        EXPECT_EQ(d->edtChunk1Offset->Text(), "0A0B0C0D");
        EXPECT_TRUE(Port(d, 1)->Checked());
        ChooseOption(d->EnablePriorityComboBox, "enabled");
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The ticked chunk as its 4 octets, Permit, the port list and createAndGo; no chunk value.
TEST_F(PktContentRuleSim, AddSendsTheTickedChunkPermitThePortsAndCreateAndGo) {
    RunDialog<Form>(kCommand, PktContentRuleForm, [&](Form* d) {
        FillNewRule(d);
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(4, "2.4"), Hex("0A0B0C0D")},
                                    {Oid(16, "2.4"), SimValue::Int(2)},
                                    {Oid(17, "2.4"), Hex("4000000000000000")},
                                    {Oid(18, "2.4"), SimValue::Int(4)}}}));
        // List mode, the fields reset.
        EXPECT_TRUE(d->edtProfile->Enabled());
        EXPECT_EQ(d->edtChunk1Offset->Text(), "");
        EXPECT_FALSE(d->cbxChunk1Offset->Checked());
    });
    EXPECT_EQ(Agent().Value(Oid(18, "2.4")), SimValue::Int(1));
}

// Check All ticks the chunks, Permit and the row status (and what the rules enable), never the
// hidden RX rate: the Add that follows sends every content. The mirror group and the VLAN-based
// VID keep their state.
TEST_F(PktContentRuleSim, CheckAllThenAddSendsEveryChunkAndLeavesTheMirrorGroupAndTheVlanAlone) {
    RunDialog<Form>(kCommand, PktContentRuleForm, [&](Form* d) {
        d->edtProfile->SetText("2");
        d->edtAccess->SetText("4");
        const std::vector<TEdit*> contents = {d->edtChunk1Offset, d->edtChunk2Offset, d->edtChunk3Offset,
                                              d->edtChunk4Offset};
        const char* const texts[] = {"0A0B0C0D", "11223344", "AABBCCDD", "01020304"};
        for (size_t k = 0; k < contents.size(); ++k) {
            contents[k]->SetText(texts[k]);
        }
        Port(d, 2)->SetChecked(true);
        ClickControl(d->CheckButton);
        EXPECT_TRUE(d->cbxChunk3Offset->Checked());
        EXPECT_TRUE(d->cbxPermit->Checked());
        EXPECT_FALSE(d->cbxRxRate->Checked());
        EXPECT_FALSE(d->cbxMirrorGroup->Checked());
        EXPECT_FALSE(d->VLANBaseChkBox->Checked());
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(4, "2.4"), Hex("0A0B0C0D")},
                                    {Oid(6, "2.4"), Hex("11223344")},
                                    {Oid(8, "2.4"), Hex("AABBCCDD")},
                                    {Oid(10, "2.4"), Hex("01020304")},
                                    {Oid(16, "2.4"), SimValue::Int(1)},
                                    {Oid(17, "2.4"), Hex("4000000000000000")},
                                    {Oid(18, "2.4"), SimValue::Int(4)}}}));
    });
}

TEST_F(PktContentRuleSim, CheckAllAndClearChecksLeaveTheMirrorGroupAndTheVlanBasedVid) {
    RunDialog<Form>(kCommand, PktContentRuleForm, [&](Form* d) {
        ChooseOption(d->PermitComboBox, "mirror");
        d->cbxMirrorGroup->SetChecked(true);
        d->MirrorGroupEdit->SetText("2");
        ClickControl(d->UncheckButton);
        EXPECT_TRUE(d->cbxMirrorGroup->Checked());
        d->VLANBaseChkBox->SetChecked(true);
        d->cbxMirrorGroup->SetChecked(false);
        ClickControl(d->CheckButton);
        EXPECT_TRUE(d->VLANBaseChkBox->Checked());
        EXPECT_FALSE(d->cbxMirrorGroup->Checked());
        ClickControl(d->UncheckButton);
        EXPECT_TRUE(d->VLANBaseChkBox->Checked());
        EXPECT_FALSE(d->cbxChunk1Offset->Checked());
        EXPECT_FALSE(d->cbxPermit->Checked());
    });
}

TEST_F(PktContentRuleSim, AddRefusalsSendNothing) {
    const auto permitting = [](Form* d) {
        ChooseOption(d->EnablePriorityComboBox, "enabled");
        d->cbxPriority->SetChecked(true);
    };
    const auto cases = WithFamilyRuleRefusals<Form>(
        {.NoProfile = "IP Rule ID must be set.",
         .NoAccess = "IP Rule Access ID must be set.",
         .ListedAccess = "3",
         .Duplicate =
             "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
         .PermitUnticked = "Permit option must be checked.",
         .BothReplacements = "Only Can Set Replace DSCP or Replace Tos Each Time."},
        {
            {"an empty ticked chunk", [](Form* d) { d->edtChunk1Offset->SetText(""); },
             "Some checked field is empty"},
            {"seven digits", [](Form* d) { d->edtChunk1Offset->SetText("0A0B0C0"); }, "Invalid Offset"},
            {"a chunk 3 text that is no hexadecimal number",
             [](Form* d) {
                 d->cbxChunk3Offset->SetChecked(true);
                 d->edtChunk3Offset->SetText("1234567G");
             },
             "Invalid Offset"},
            {"an empty ticked priority", permitting, "Some checked field is empty."},
            {"an empty ticked mirror group",
             [](Form* d) {
                 ChooseOption(d->PermitComboBox, "mirror");
                 d->cbxMirrorGroup->SetChecked(true);
             },
             "Some check field is empty!"},
        });
    RunDialog<Form>(kCommand, PktContentRuleForm, [&](Form* d) {
        ExpectRuleRefusals<Form>(
            Dialogs, d, ClickAway, [](Form* f) { FillNewRule(f); }, cases);
        // The mirror group outlives a reset: untick it for the next test's form.
        d->cbxMirrorGroup->SetChecked(false);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PktContentRuleSim, EditOfAnActiveRuleSendsNoRowStatus) {
    RunDialog<Form>(kCommand, PktContentRuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        d->cbxChunk2Offset->SetChecked(true);
        d->edtChunk2Offset->SetText("FFFF0000");
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(),
                  (Pdus{{{Oid(6, "1.1"), Hex("FFFF0000")}, {Oid(17, "1.1"), Hex("C000000000000000")}}}));
        // List mode, reset.
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_EQ(d->edtChunk2Offset->Text(), "");
    });
    EXPECT_EQ(Agent().Value(Oid(6, "1.1")), Hex("FFFF0000"));
}

// While the first read runs (the agent slow), Edit refuses with and without a selected row.
TEST_F(PktContentRuleSim, EditRefusesWhileTheFirstReadRuns) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<Form>(kCommand, PktContentRuleForm,
                    [&](Form* d) {
                        ASSERT_FALSE(d->DataComplete);
                        Dialogs.Expect("Get data not complete.");
                        d->EditButtonClick(nullptr);
                        ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
                        ASSERT_FALSE(d->DataComplete);
                        ClickListRow(d->ListView1, 0);
                        Dialogs.Expect("Get data not complete.");
                        ClickControl(d->EditButton);
                        EXPECT_EQ(Dialogs.Pending(), 0);
                        ClickControl(d->StopButton);
                        ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
                    },
                    {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace pkt_content_rule_form_unit_test
