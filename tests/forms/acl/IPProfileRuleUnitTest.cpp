#include "IPProfileRuleUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "PickerTicks.h"
#include "RuleEditorTesting.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TScrollBox.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace ip_profile_rule_unit_test {

namespace {

constexpr const char* kTitle = "ACL IPv4 Rule";
constexpr const char* kCommand = "IPRule1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.3.2.1";

constexpr auto& kTable = Columns::IPProfileRuleTable;
constexpr int kProfileId = ColumnOf(kTable, "Profile ID");
constexpr int kAccessId = ColumnOf(kTable, "Access ID");
constexpr int kDscp = ColumnOf(kTable, "DSCP");

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class IpRuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kIpRuleScenario);
    }
    static std::vector<std::string> Keys(TIPProfileRuleForm* d) {
        std::vector<std::string> keys;
        const std::vector<std::string> profiles = ColumnCells(d->Table, kProfileId);
        const std::vector<std::string> accesses = ColumnCells(d->Table, kAccessId);
        for (size_t i = 0; i < profiles.size(); ++i) {
            keys.push_back(profiles[i] + "." + accesses[i]);
        }
        return keys;
    }
    static TCheckBox* Port(TIPProfileRuleForm* d, int port) {
        return d->PortPicker->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    // A new rule that passes every check: profile, access ID, Permit checked at "permit", ports.
    static void FillNewRule(TIPProfileRuleForm* d, const std::string& profile, const std::string& access) {
        d->IPRuleEdit->SetText(profile);
        d->AccessIDEdit->SetText(access);
        d->cbxPermit->SetChecked(true);
        SelectOption(d->PermitComboBox, "permit");
        d->PermitComboBoxChange(nullptr);
        Port(d, 1)->SetChecked(true);
        Port(d, 3)->SetChecked(true);
    }
    std::string StatusText(TIPProfileRuleForm* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(IpRuleSim, OpensWithEveryRuleInAllColumnsAndSendsNothing) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->ListView1->Columns().Count(), 33);
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "2.7", "3.1"}));
        EXPECT_EQ(d->SamplesBox->Caption(), "3");
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->cbxRxRate->Visible());

        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->IPRuleEdit->Text(), "1");
        EXPECT_EQ(d->AccessIDEdit->Text(), "1");
        EXPECT_FALSE(d->IPRuleEdit->Enabled());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_FALSE(d->AddButton->Enabled());
        EXPECT_EQ(d->ProtocolComboBox->Text(), "tcp");
        EXPECT_EQ(d->SourcePortEdit->Text(), "80");
        EXPECT_TRUE(Port(d, 1)->Checked());
        EXPECT_TRUE(Port(d, 2)->Checked());
        EXPECT_FALSE(Port(d, 3)->Checked());
        EXPECT_FALSE(d->VLANBaseChkBox->Checked());
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(d->SamplesBox->Caption(), "3");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// At its designed size, on a stack whose first unit has 48 ports: every caption reads whole, in
// list mode and with a rule selected (the Tag 1 fields enabled), and the unit's four rows of port
// boxes are in sight without scrolling.
TEST_F(IpRuleSim, EveryCaptionReadsWholeAndTheFourRowsOfA48PortUnitAreInSight) {
    UseStackOf48And24Ports();
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        EXPECT_EQ(d->Width(), 872);
        EXPECT_EQ(d->Height(), 714);
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 0);
        SelectOption(d->PermitComboBox, "permit");
        d->PermitComboBoxChange(nullptr);
        EXPECT_TRUE(CaptionsReadWhole(d));

        TCheckBox* last = Port(d, 48);
        ASSERT_TRUE(last->Showing());
        const auto* box = dynamic_cast<TScrollBox*>(last->Parent());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->VertScrollPosition(), 0);
        EXPECT_LE(last->Top() + last->Height(), box->ClientHeight());
    });
}

TEST_F(IpRuleSim, AddSendsTheCheckedFieldsThePortsAndCreateAndGoAndTheRuleIsActive) {
    const struct {
        const char* Stack;
        std::string Ports;
    } cases[] = {{"disabled", "A000000000000000"}, {"enabled", "A0" + std::string(94, '0')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stack);
        WritableFacts().StackMode = c.Stack;
        Agent().LoadScenario(kIpRuleScenario);
        RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
            FillNewRule(d, "1", "5");
            ClickControl(d->AddButton);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                     {Oid(20, "1.5"), SimValue::Int(2)},
                                     {Oid(21, "1.5"), Hex(c.Ports)},
                                     {Oid(22, "1.5"), SimValue::Int(4)},
                                 }}));
            EXPECT_EQ(Keys(d).back(), "3.1");
            EXPECT_EQ(Keys(d).at(1), "1.5");
            EXPECT_TRUE(d->IPRuleEdit->Enabled());
            EXPECT_EQ(d->IPRuleEdit->Text(), "");
            EXPECT_FALSE(Port(d, 1)->Checked());
        });
        EXPECT_EQ(Agent().Value(Oid(22, "1.5")), SimValue::Int(1));
        EXPECT_EQ(Agent().Value(Oid(21, "1.5")), Hex(c.Ports));
    }
}

TEST_F(IpRuleSim, AddWithAVlanBasedIdSendsItInsteadOfThePorts) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        FillNewRule(d, "4", "0");
        d->VLANBaseChkBox->SetChecked(true);
        EXPECT_FALSE(d->PortPicker->Enabled());
        EXPECT_TRUE(d->VLANBasedVIDEdit->Enabled());
        d->VLANBasedVIDEdit->SetText("300");
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(20, "4.0"), SimValue::Int(2)},
                                 {Oid(22, "4.0"), SimValue::Int(4)},
                                 {Oid(28, "4.0"), SimValue::Int(300)},
                             }}));
    });
}

TEST_F(IpRuleSim, AddRefusalsSendNothing) {
    using D = TIPProfileRuleForm;
    const auto cases = WithFamilyRuleRefusals<D>(
        {.NoProfile = "Mask ID must be set.",
         .NoAccess = "Access ID must be set.",
         .ListedAccess = "1",
         .Duplicate =
             "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
         .PermitUnticked = "Permit option must be checked."},
        {
            {"profile out of range", [](D* d) { d->IPRuleEdit->SetText("7"); },
             " Please enter a number between 1 and 6!"},
            {"empty checked field", [](D* d) { d->cbxDscp->SetChecked(true); }, "Some check field is empty."},
            {"malformed destination address",
             [](D* d) {
                 d->cbxDestIP->SetChecked(true);
                 d->DestIPEdit->SetText("10.0.0.300");
             },
             nullptr},
        });
    RunDialog<D>(kCommand, IPProfileRuleForm, [&](D* d) {
        ExpectRuleRefusals<D>(
            Dialogs, d, [](D* f) { f->ResetFields(); }, [](D* f) { FillNewRule(f, "1", "9"); }, cases);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpRuleSim, ReplaceDscpAndReplaceTosTogetherAreRefused) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        FillNewRule(d, "1", "9");
        d->cbxEnableReplaceDSCP->SetChecked(true);
        d->cbxRepTosState->SetChecked(true);
        Dialogs.Expect("Only Can Set Replace DSCP or Replace Tos Each Time.");
        ClickControl(d->AddButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        d->ResetFields();
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpRuleSim, EditOfAnActiveRuleSendsNoRowStatus) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        ClickListRow(d->ListView1, 0);
        d->cbxDscp->SetChecked(true);
        d->DSCPEdit->SetText("12");
        Port(d, 3)->SetChecked(true);
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(6, "1.1"), SimValue::Int(12)},
                                 {Oid(21, "1.1"), Hex("E000000000000000")},
                             }}));
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_EQ(ColumnCells(d->Table, kDscp).at(0), "12");
    });
}

TEST_F(IpRuleSim, DeleteSendsDestroyAloneAndTheRuleIsGone) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        ClickListRow(d->ListView1, 1);
        ClickControl(d->DeleteButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Oid(22, "2.7"), SimValue::Int(6)}}}));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "3.1"}));
        EXPECT_FALSE(d->DeleteButton->Enabled());
    });
    EXPECT_FALSE(Agent().Value(Oid(22, "2.7")).has_value());
}

// Delete is followed by the read flow: while the first read still runs, that flow refuses and the
// running walk goes on; the destroy itself is sent all the same.
TEST_F(IpRuleSim, DeleteWhileTheFirstReadRunsSendsTheDestroyThenTheReadFlowRefuses) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<TIPProfileRuleForm>(
        kCommand, IPProfileRuleForm,
        [&](TIPProfileRuleForm* d) {
            ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 2; }, 10000));
            ASSERT_FALSE(d->DataComplete);
            ClickListRow(d->ListView1, 1);
            Dialogs.Expect("Get data not complete.");
            ClickControl(d->DeleteButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(SetPdus(),
                      (std::vector<std::vector<SimVarBind>>{{{Oid(22, "2.7"), SimValue::Int(6)}}}));
            EXPECT_FALSE(Agent().Value(Oid(22, "2.7")).has_value());
            ASSERT_TRUE(WaitFor([d] { return d->DataComplete; }, 10000));
            ClickControl(d->CloseButton);
        },
        {}, {.WaitFirstRead = false});
}

TEST_F(IpRuleSim, SelectionSetsTheVlanBasedBoxFromTheRowAndReportsAShortPortList) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        ClickListRow(d->ListView1, 1);
        EXPECT_TRUE(d->VLANBaseChkBox->Checked());
        EXPECT_FALSE(d->PortPicker->Enabled());
        EXPECT_EQ(d->VLANBasedVIDEdit->Text(), "100");
        EXPECT_FALSE(TickedPorts(d->PortPicker).empty());

        // Row 3.1: a port list of two octets; VLAN-based ID 0 is no VLAN.
        ClickListRow(d->ListView1, 2);
        // The framework error -519 in its own words.
        EXPECT_NE(StatusText(d).find("Out of range for the bit(byte) index"), std::string::npos)
            << StatusText(d);
        // None of the previous rule's ports stays ticked for an Edit to write to this one.
        EXPECT_TRUE(TickedPorts(d->PortPicker).empty());
        EXPECT_FALSE(d->VLANBaseChkBox->Checked());
        EXPECT_TRUE(d->PortPicker->Enabled());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_EQ(d->AccessIDEdit->Text(), "1");
        EXPECT_EQ(d->IPRuleEdit->Text(), "3");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpRuleSim, ProtocolRuleEnablesTheFieldsOfEachProtocol) {
    // Type, Code, Source Port, Destination Port, Flag Bits, Protocol ID, User Mask, port masks.
    const struct {
        const char* Item;
        std::vector<bool> Enabled;
    } cases[] = {
        {"none", {false, false, false, false, false, false, false, false}},
        {"icmp", {true, true, false, false, false, false, false, false}},
        {"igmp", {true, false, false, false, false, false, false, false}},
        {"tcp", {false, false, true, true, true, false, false, true}},
        {"udp", {false, false, true, true, false, false, false, true}},
        {"protocolId", {false, false, false, false, false, true, true, false}},
    };
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Item);
            // Type first typed in under icmp: another protocol empties it.
            ChooseOption(d->ProtocolComboBox, "icmp");
            d->TypeEdit->SetText("3");
            ChooseOption(d->ProtocolComboBox, c.Item);
            const std::vector<std::pair<TCheckBox*, TEdit*>> fields = {
                {d->cbxType, d->TypeEdit},
                {d->cbxCode, d->CodeEdit},
                {d->cbxSourcePort, d->SourcePortEdit},
                {d->cbxDestPort, d->DestPortEdit},
                {d->cbxFBs, d->FlagEdit},
                {d->cbxProtocolID, d->ProtocolIDEdit},
                {d->cbxUserMask, d->UserMaskEdit},
                {d->cbxSourcePortMask, d->SourcePortMaskEdit},
            };
            for (size_t f = 0; f < fields.size(); ++f) {
                EXPECT_EQ(fields[f].first->Enabled(), c.Enabled[f]) << f;
                EXPECT_EQ(fields[f].second->Enabled(), c.Enabled[f]) << f;
            }
            EXPECT_EQ(d->DestPortMaskEdit->Enabled(), c.Enabled[7]);
            EXPECT_EQ(d->TypeEdit->Text(), c.Enabled[0] ? "3" : "");
        }
    });
}

TEST_F(IpRuleSim, PermitRuleSwitchesTheActionFields) {
    const struct {
        const char* Item;
        bool Actions; // the Tag 1 fields
        bool Mirror;
    } cases[] = {{"deny", false, false}, {"permit", true, false}, {"mirror", false, true}};
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Item);
            ChooseOption(d->PermitComboBox, c.Item);
            EXPECT_EQ(d->cbxEnablePriority->Enabled(), c.Actions);
            EXPECT_EQ(d->EnablePriorityComboBox->Enabled(), c.Actions);
            EXPECT_EQ(d->cbxEnableReplaceDSCP->Enabled(), c.Actions);
            EXPECT_EQ(d->cbxRepTosState->Enabled(), c.Actions);
            // Priority follows Enable Priority, which is "disabled" after a reset.
            EXPECT_FALSE(d->PriorityEdit->Enabled());
            EXPECT_EQ(d->cbxMirrorGroup->Enabled(), c.Mirror);
            EXPECT_EQ(d->MirrorGroupEdit->Enabled(), c.Mirror);
            EXPECT_TRUE(d->PermitComboBox->Enabled());
        }
        ChooseOption(d->PermitComboBox, "permit");
        ChooseOption(d->EnablePriorityComboBox, "enabled");
        EXPECT_TRUE(d->PriorityEdit->Enabled());
        EXPECT_TRUE(d->ReplacePriorityComboBox->Enabled());
        ChooseOption(d->EnableReplaceDSCPComboBox, "enabled");
        EXPECT_TRUE(d->DSCPValueEdit->Enabled());
        EXPECT_FALSE(d->RepTosStateComboBox->Enabled());
    });
}

TEST_F(IpRuleSim, RefreshIsRefusedWhileTheReadRunsAndStopEndsIt) {
    Agent().SetDelay(kEntry, 400, SimOp::Next);
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm,
                                  [&](TIPProfileRuleForm* d) {
                                      EXPECT_FALSE(d->DataComplete);
                                      Dialogs.Expect("Get data not complete.");
                                      ClickControl(d->GetButton);
                                      EXPECT_EQ(Dialogs.Pending(), 0);
                                      ClickControl(d->StopButton);
                                      EXPECT_TRUE(d->DataComplete);
                                      ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
                                      ClickControl(d->CloseButton);
                                  },
                                  {}, {.WaitFirstRead = false});
}

TEST_F(IpRuleSim, TheMenuCommandOpensTheDialog) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        EXPECT_EQ(d->Caption(), "ACL IPv4 Rule: " + Agent().Address());
        ASSERT_TRUE(WaitFor([d] { return d->DataComplete; }, 10000));
        EXPECT_EQ(d->ListView1->Items().Count(), 3);
        ClickControl(d->CloseButton);
    });
}

TEST_F(IpRuleSim, ARefusedAddGoesToTheMessageBoxAndTheReReadShowsTheTable) {
    Agent().InjectError(kEntry, "genErr", SimOp::Set);
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        FillNewRule(d, "1", "5");
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitFor([&] { return Dialogs.Pending() == 0; }, 10000));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"1.1", "2.7", "3.1"}));
        EXPECT_TRUE(d->AddButton->Enabled());
    });
}

TEST_F(IpRuleSim, EditWithRowStatusDestroyCheckedDeletesTheRule) {
    RunDialog<TIPProfileRuleForm>(kCommand, IPProfileRuleForm, [&](TIPProfileRuleForm* d) {
        ClickListRow(d->ListView1, 0);
        ClickControl(d->UncheckButton);
        d->cbxRow->SetChecked(true); // only Check All reaches the hidden box in the dialog
        SelectOption(d->RowComboBox, "destroy");
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Oid(22, "1.1"), SimValue::Int(6)}}}));
        EXPECT_EQ(Keys(d), (std::vector<std::string>{"2.7", "3.1"}));
    });
}

} // namespace ip_profile_rule_unit_test
