// The rule-editor family's own choices, through a small member declared here over the Ethernet rule
// table: each test gives the design the choice it checks.
#include "AclRuleEditor.h"

#include "AclScenarios.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "Oid_acl.h"
#include "Oid_egressacl.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace acl_rule_editor_test {

namespace {

class TKitRuleForm : public TAclRuleForm {
public:
    TKitRuleForm(TComponent* owner, const RuleDesign<TKitRuleForm>& design)
        : TAclRuleForm(owner, design.Options) {
        BuildDesign(this, design);
        DscpValueBox = cbxDscpValue;
        DscpValueEdit = DSCPValueEdit;
    }

    TGroupBox* RuleGroup;
    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;
    TCheckBox* chkProfile;
    TEdit* ProfileEdit;
    TCheckBox* chkAccess;
    TEdit* AccessEdit;
    TCheckBox* cbxSource;
    TEdit* SourceEdit;
    TCheckBox* cbx8021p;
    TEdit* Edit8021p;
    TCheckBox* cbxDscpValue;
    TEdit* DSCPValueEdit;
    TCheckBox* cbxRow;

    int CheckAllRuns = 0;
    void CountCheckAll(TObject*) { ++CheckAllRuns; }
    // How Edit sends its SETs, when the test gives it.
    std::function<void(TKitRuleForm*, const WriteCarry&)> EditSends;

protected:
    bool CheckFields() override { return CheckRuleTarget(); }
    void SendEdit(const WriteCarry& carry) override {
        if (EditSends) {
            EditSends(this, carry);
        } else {
            TAclRuleForm::SendEdit(carry);
        }
    }
};

using T = TKitRuleForm;
using RuleLayout::ValuePlace;

constexpr auto& kTable = Columns::EthernetProfileRuleTable;
constexpr int kAction = TAclRuleForm::kActionTag;

// clang-format off
constexpr Field<T> kFields[] = {
    RuleKey<T>(ColumnOf(kTable, "Profile ID"), &T::chkProfile, "Profile ID (1-6)", &T::ProfileEdit, "%i{n1x6l1}", &T::OtherGroup, ValuePlace(0, 0)),
    RuleKey<T>(ColumnOf(kTable, "Access ID"), &T::chkAccess, "Access ID (0-256)", &T::AccessEdit, "%i{n0x256l3}", &T::OtherGroup, ValuePlace(1, 0)),
    RuleField<T>(ColumnOf(kTable, "Source MAC Address"), &T::cbxSource, "Source MAC Address", &T::SourceEdit, "%h{l12}", 0, &T::RuleGroup, ValuePlace(0, 0)),
    RuleField<T>(ColumnOf(kTable, "802.1p"), &T::cbx8021p, "802.1p", &T::Edit8021p, "%i{n0x7l1}", 0, &T::RuleGroup, ValuePlace(0, 1)),
    RuleField<T>(ColumnOf(kTable, "Enable Priority"), &T::cbxEnablePriority, "Enable Priority", &T::EnablePriorityComboBox, nullptr, kAction, &T::PermitGroup, ValuePlace(1, 0), 0, kRuleOff),
    RuleField<T>(ColumnOf(kTable, "Priority"), &T::cbxPriority, "Priority (0-7)", &T::PriorityEdit, "%i{n0x7l1}", kAction, &T::PermitGroup, ValuePlace(2, 0)),
    RuleField<T>(ColumnOf(kTable, "Replace Priority"), &T::cbxReplacePriority, "Replace Priority", &T::ReplacePriorityComboBox, nullptr, kAction, &T::PermitGroup, ValuePlace(3, 0), 0, kRuleOff),
    RuleField<T>(ColumnOf(kTable, "Enable Replace DSCP"), &T::cbxEnableReplaceDSCP, "Replace DSCP", &T::EnableReplaceDSCPComboBox, nullptr, kAction, &T::PermitGroup, ValuePlace(1, 1), 0, kRuleOff),
    RuleField<T>(ColumnOf(kTable, "Replace DSCP"), &T::cbxDscpValue, "DSCP Value (0-63)", &T::DSCPValueEdit, "%i{n0x63l2}", kAction, &T::PermitGroup, ValuePlace(2, 1)),
    RuleField<T>(ColumnOf(kTable, "Permit Rule"), &T::cbxPermit, "Permit", &T::PermitComboBox, nullptr, 0, &T::PermitGroup, ValuePlace(0, 0), 0, kRuleDeny),
    RuleRowStatus<T>(ColumnOf(kTable, "Row Status"), &T::cbxRow, &T::OtherGroup, ValuePlace(2, 1)),
    RuleOwner<T>(ColumnOf(kTable, "Rule Owner"), &T::OtherGroup, ValuePlace(1, 1)),
    RuleField<T>(ColumnOf(kTable, "Enable Replace Tos"), &T::cbxRepTosState, "Replace ToS State", &T::RepTosStateComboBox, nullptr, kAction, &T::PermitGroup, ValuePlace(3, 1), 0, kRuleOff),
    RuleField<T>(ColumnOf(kTable, "Replace Tos Value"), &T::cbxRepTosValue, "ToS Value (0-7)", &T::TosValueEdit, "%i{n0x7}", kAction, &T::PermitGroup, ValuePlace(4, 0)),
    // What its reset leaves as it is.
    RuleField<T>(ColumnOf(kTable, "VLAN-based ID"), &T::VLANBaseChkBox, "VLAN-based VID", &T::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &T::OtherGroup, ValuePlace(0, 1), 0, FieldDefault::Keep()),
    RuleField<T>(ColumnOf(kTable, "Port Mirror"), &T::cbxMirrorGroup, "Mirror Group ID (1-4)", &T::MirrorGroupEdit, "%i{l1}", 0, &T::PermitGroup, ValuePlace(0, 1), 0, FieldDefault::Keep()),
};
// clang-format on
constexpr Field<T> kExtras[] = {RuleRxRate<T>(&T::PermitGroup, ValuePlace(4, 1), kAction)};
constexpr StackedGroup<T> kStack[] = {
    {&T::RuleGroup, "Rule", 1}, {&T::PermitGroup, "Permit", 5}, {&T::OtherGroup, "Other", 3}};
constexpr auto kGroups = StackGroups(kStack, 500);
constexpr FieldRule<T> kActionRules[] = {&T::EnablePriorityComboBoxChange,
                                         &T::EnableReplaceDSCPComboBoxChange, &T::RepTosStateComboBoxChange,
                                         &T::PermitComboBoxChange};

// The member as the family's defaults leave it; each test changes what it checks.
RuleDesign<T> KitDesign() {
    RuleEditorOptions options;
    options.Table = EthernetProfileRuleTable;
    options.Keys = {{ColumnOf(kTable, "Profile ID"), "Mask ID must be set.", 1, 6},
                    {ColumnOf(kTable, "Access ID"), "Access ID must be set.", 0, 256}};
    options.RowStatusColumn = ColumnOf(kTable, "Row Status");
    options.PortColumn = ColumnOf(kTable, "Rule Ports");
    options.VlanBasedIdColumn = ColumnOf(kTable, "VLAN-based ID");
    options.DesignWidth = 700;
    options.DesignHeight = 700;
    return {.Options = options,
            .Fields = kFields,
            .Extras = kExtras,
            .Columns = kTable,
            .Groups = kGroups,
            .Rules = {.Create = kActionRules, .List = kActionRules, .Row = kActionRules}};
}

class AclRuleKitSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEthernetRuleScenario);
        WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"}};
    }
    void TearDown() override {
        if (Form) {
            Form->Close();
            Form.reset();
        }
        FormsSimTest::TearDown();
    }
    // The member over `design`, its first read ended.
    T* Open(const RuleDesign<T>& design) {
        Form.reset(CreateForm<T>(Application, design));
        EXPECT_TRUE(WaitIdle(Form->Table));
        Agent().ClearSetLog();
        return Form.get();
    }
    static void ClickAway(T* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }

    std::unique_ptr<T> Form;
};

} // namespace

// Check All ticks the member's list whatever the boxes' state and its second list where enabled,
// then runs its Check All step; Clear Checks unticks its own list; a box in neither keeps its tick.
TEST_F(AclRuleKitSim, AMembersOwnCheckAllAndClearChecksReachTheirListsAlone) {
    constexpr TCheckBox* T::*ticked[] = {&T::cbxSource, &T::cbxPermit, &T::cbxEnablePriority};
    constexpr TCheckBox* T::*tickedIfEnabled[] = {&T::cbxPriority, &T::cbx8021p};
    constexpr TCheckBox* T::*unticked[] = {&T::cbxSource, &T::cbxPermit, &T::cbxEnablePriority,
                                           &T::cbxPriority};
    constexpr FieldRule<T> afterCheckAll[] = {&T::CountCheckAll};
    RuleDesign<T> design = KitDesign();
    design.CheckAll = ticked;
    design.CheckAllIfEnabled = tickedIfEnabled;
    design.ClearChecks = unticked;
    design.Rules.CheckAll = afterCheckAll;
    T* d = Open(design);

    // Permit "deny": the action fields are disabled.
    ASSERT_FALSE(d->cbxEnablePriority->Enabled());
    ASSERT_FALSE(d->cbxPriority->Enabled());
    d->cbxMirrorGroup->SetChecked(true);
    ClickControl(d->CheckButton);
    EXPECT_TRUE(d->cbxSource->Checked());
    EXPECT_TRUE(d->cbxPermit->Checked());
    EXPECT_TRUE(d->cbxEnablePriority->Checked()); // disabled, ticked all the same
    EXPECT_FALSE(d->cbxPriority->Checked());      // disabled: left
    EXPECT_TRUE(d->cbx8021p->Checked());
    EXPECT_FALSE(d->VLANBaseChkBox->Checked()); // in no list
    EXPECT_TRUE(d->cbxMirrorGroup->Checked());
    EXPECT_FALSE(d->cbxRxRate->Checked());
    EXPECT_EQ(d->CheckAllRuns, 1);

    ClickControl(d->UncheckButton);
    EXPECT_FALSE(d->cbxSource->Checked());
    EXPECT_FALSE(d->cbxPermit->Checked());
    EXPECT_FALSE(d->cbxEnablePriority->Checked());
    EXPECT_TRUE(d->cbx8021p->Checked()); // not in the Clear Checks list
    EXPECT_TRUE(d->cbxMirrorGroup->Checked());
}

// Without lists of its own a member has the family's: every enabled row box, every row box.
TEST_F(AclRuleKitSim, WithoutListsCheckAllTicksEveryEnabledRowBoxAndClearChecksUnticksThemAll) {
    T* d = Open(KitDesign());
    ClickControl(d->CheckButton);
    EXPECT_TRUE(d->cbxSource->Checked());
    EXPECT_TRUE(d->cbx8021p->Checked());
    EXPECT_FALSE(d->cbxEnablePriority->Checked()); // disabled under "deny"
    EXPECT_FALSE(d->cbxMirrorGroup->Checked());
    ClickControl(d->UncheckButton);
    EXPECT_FALSE(d->cbxSource->Checked());
    EXPECT_FALSE(d->cbx8021p->Checked());
}

// A field whose default is FieldDefault::Keep() goes through every reset as it is, its box too (no
// rule runs after this member's reset to switch them).
TEST_F(AclRuleKitSim, AResetLeavesTheFieldsTheMembersDefaultsKeep) {
    RuleDesign<T> design = KitDesign();
    design.Rules.List = {};
    T* d = Open(design);
    ClickListRow(d->ListView1, 1); // rule 2.3: VLAN-based ID 100
    ASSERT_TRUE(d->VLANBaseChkBox->Checked());
    d->cbxMirrorGroup->SetChecked(true);
    d->MirrorGroupEdit->SetText("2");
    d->cbxSource->SetChecked(true);
    ClickAway(d);
    EXPECT_TRUE(d->VLANBaseChkBox->Checked());
    EXPECT_EQ(d->VLANBasedVIDEdit->Text(), "100");
    EXPECT_TRUE(d->cbxMirrorGroup->Checked());
    EXPECT_EQ(d->MirrorGroupEdit->Text(), "2");
    EXPECT_FALSE(d->cbxSource->Checked());
    EXPECT_EQ(d->ProfileEdit->Text(), "");
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The replacement rules under a permitting rule: exclusive (the family's), each "enabled" disables
// the other state; not exclusive, each switches its own value alone.
TEST_F(AclRuleKitSim, TheReplacementRulesExcludeEachOtherOnlyWhereTheOptionsSaySo) {
    for (const bool exclusive : {true, false}) {
        SCOPED_TRACE(exclusive);
        RuleDesign<T> design = KitDesign();
        design.Options.ExclusiveReplacements = exclusive;
        T* d = Open(design);
        ChooseOption(d->PermitComboBox, "permit");
        ChooseOption(d->EnableReplaceDSCPComboBox, "enabled");
        EXPECT_TRUE(d->DSCPValueEdit->Enabled());
        EXPECT_EQ(d->RepTosStateComboBox->Enabled(), !exclusive);
        ChooseOption(d->EnableReplaceDSCPComboBox, "disabled");
        EXPECT_FALSE(d->DSCPValueEdit->Enabled());
        EXPECT_TRUE(d->RepTosStateComboBox->Enabled());
        ChooseOption(d->RepTosStateComboBox, "enabled");
        EXPECT_TRUE(d->TosValueEdit->Enabled());
        EXPECT_EQ(d->EnableReplaceDSCPComboBox->Enabled(), !exclusive);
        ChooseOption(d->RepTosStateComboBox, "disabled");
        EXPECT_FALSE(d->TosValueEdit->Enabled());
        Form->Close();
        Form.reset();
    }
}

// Without a guard, Refresh and Edit run whatever is under way: a Refresh during a slow walk starts
// it again and each rule is listed once; an Edit goes to its field checks.
TEST_F(AclRuleKitSim, WithoutAGuardNothingIsRefusedAndARefreshRestartsTheWalk) {
    RuleDesign<T> design = KitDesign();
    design.Options.Guarded = false;
    design.Options.EditRefuses = EditRefusal::Never;
    Agent().SetDelay("1.3.6.1.4.1.746.12.9.3.1.1", 150, SimOp::Next);
    Form.reset(CreateForm<T>(Application, design));
    T* d = Form.get();
    ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
    ClickControl(d->GetButton);
    ClickControl(d->GetButton);
    Dialogs.Expect("Mask ID must be set.");
    d->EditButtonClick(nullptr);
    EXPECT_EQ(Dialogs.Pending(), 0);
    ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
    EXPECT_EQ(d->ListView1->Items().Count(), 3);
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Without a Stop button the buttons below it take its place; the count box stands alone; a new
// dialog shows its start selections until the first reset.
TEST_F(AclRuleKitSim, WithoutAStopButtonTheButtonsCloseUpAndTheStartSelectionsHoldUntilAReset) {
    constexpr StartOption<T> start[] = {{&T::PermitComboBox, "permit"}};
    RuleDesign<T> design = KitDesign();
    design.Options.StopButton = false;
    design.Options.Samples = ButtonColumn::kCountOnly;
    design.Start = start;
    design.Rules.Create = {};
    T* d = Open(design);
    EXPECT_FALSE(d->StopButton->Visible());
    EXPECT_EQ(d->CheckButton->Top(), d->StopButton->Top());
    EXPECT_LT(d->CloseButton->Top() - d->CheckButton->Top(), 3 * d->CheckButton->Height());
    EXPECT_TRUE(d->SamplesLabel == nullptr || !d->SamplesLabel->Visible());
    EXPECT_EQ(d->PermitComboBox->Text(), "permit");
    ClickListRow(d->ListView1, 0);
    ClickAway(d);
    EXPECT_EQ(d->PermitComboBox->Text(), "deny");
}

// Without a status target a failed read comes in the framework's box, and a Delete whose SET
// raises is reported in status panel 0.
TEST_F(AclRuleKitSim, WithoutAStatusTargetAFailedReadIsABoxAndARaisedDeleteIsInTheStatusLine) {
    RuleDesign<T> design = KitDesign();
    design.Options.StatusTarget = false;
    Agent().InjectError("1.3.6.1.4.1.746.12.9.3.1.1", "genErr", SimOp::Next);
    Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
    T* d = Open(design);
    EXPECT_EQ(Dialogs.Pending(), 0);
    Agent().ClearInjections();
    ClickControl(d->GetButton);
    ASSERT_TRUE(WaitIdle(d->Table));
    EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), ""); // a good read reports nothing
    ClickListRow(d->ListView1, 0);
    d->Table.Request->AfterCollect.push_back(
        [](VqSNMPVarList&) { throw std::runtime_error("the rule could not be deleted"); });
    ClickControl(d->DeleteButton);
    ASSERT_TRUE(WaitIdle(d->Table));
    EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "the rule could not be deleted");
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A member's Edit sends its own PDUs: here the row without 802.1p, then 802.1p alone.
TEST_F(AclRuleKitSim, AMembersEditSendsItsOwnPdus) {
    T* d = Open(KitDesign());
    d->EditSends = [](T* form, const WriteCarry& carry) {
        const int k8021p = ColumnOf(kTable, "802.1p");
        WriteCarry first = carry;
        form->Table.Send(first.Without(k8021p));
        form->Table.Send(WriteCarry::EachAlone({k8021p}));
    };
    ClickListRow(d->ListView1, 0);
    d->cbx8021p->SetChecked(true);
    d->Edit8021p->SetText("5");
    ClickControl(d->EditButton);
    ASSERT_TRUE(WaitForSets(2));
    const auto pdus = SetPdus();
    ASSERT_EQ(pdus.size(), 2u);
    EXPECT_EQ(pdus[1], (std::vector<SimVarBind>{{"1.3.6.1.4.1.746.12.9.3.1.1.6.1.1", SimValue::Int(5)}}));
    EXPECT_TRUE(std::none_of(pdus[0].begin(), pdus[0].end(), [](const SimVarBind& b) {
        return b.Oid == "1.3.6.1.4.1.746.12.9.3.1.1.6.1.1";
    }));
    ASSERT_TRUE(WaitIdle(d->Table));
}

// ---- typed targets: a member over the egress Ethernet rule table, its port, port group and
// VLAN-based VID typed into edits

namespace {

class TTypedRuleForm : public TAclRuleForm {
public:
    TTypedRuleForm(TComponent* owner, const RuleDesign<TTypedRuleForm>& design)
        : TAclRuleForm(owner, design.Options) {
        BuildDesign(this, design);
        DscpValueBox = cbxDscpValue;
        DscpValueEdit = DSCPValueEdit;
    }

    TGroupBox* PermitGroup;
    TGroupBox* OtherGroup;
    TCheckBox* chkProfile;
    TEdit* ProfileEdit;
    TCheckBox* chkAccess;
    TEdit* AccessEdit;
    TCheckBox* cbxDscpValue;
    TEdit* DSCPValueEdit;
    TCheckBox* cbxRow;

protected:
    bool CheckFields() override { return CheckRuleTarget(); }
};

using Y = TTypedRuleForm;
constexpr auto& kEgressTable = Columns::EgrssEthernetProfileRuleTable;
const std::string kEgressEntry = "1.3.6.1.4.1.746.12.89.3.1.1";

// clang-format off
constexpr Field<Y> kTypedFields[] = {
    RuleKey<Y>(ColumnOf(kEgressTable, "Profile ID"), &Y::chkProfile, "Profile ID (1-4)", &Y::ProfileEdit, "%i{n1x4l1}", &Y::OtherGroup, ValuePlace(0, 0)),
    RuleKey<Y>(ColumnOf(kEgressTable, "Access ID"), &Y::chkAccess, "Access ID (0-128)", &Y::AccessEdit, "%i{n0x128l3}", &Y::OtherGroup, ValuePlace(1, 0)),
    RuleRowStatus<Y>(ColumnOf(kEgressTable, "Row Status"), &Y::cbxRow, &Y::OtherGroup, ValuePlace(2, 1)),
    RuleField<Y>(ColumnOf(kEgressTable, "VLAN-based ID"), &Y::VLANBaseChkBox, "VLAN-based VID", &Y::VLANBasedVIDEdit, "%i{n1x4094l4}", 0, &Y::OtherGroup, ValuePlace(0, 1)),
    RuleField<Y>(ColumnOf(kEgressTable, "Port"), &Y::PortChkBox, "Port", &Y::PortEdit, "%i{n1x384l3}", 0, &Y::OtherGroup, ValuePlace(1, 1)),
    RuleField<Y>(ColumnOf(kEgressTable, "Port Group"), &Y::cbxPortGroup, "Port Group (1-64)", &Y::PortGroupEdit, "%i{n1x64l2}", 0, &Y::OtherGroup, ValuePlace(2, 0)),
    RuleField<Y>(ColumnOf(kEgressTable, "Permit"), &Y::cbxPermit, "Permit", &Y::PermitComboBox, nullptr, 0, &Y::PermitGroup, ValuePlace(0, 0), 0, kRuleDeny),
    RuleField<Y>(ColumnOf(kEgressTable, "Enable Replace Priority"), &Y::cbxEnablePriority, "Enable Priority", &Y::EnablePriorityComboBox, nullptr, kAction, &Y::PermitGroup, ValuePlace(1, 0), 0, kRuleOff),
    RuleField<Y>(ColumnOf(kEgressTable, "Replace Priority"), &Y::cbxPriority, "Priority (0-7)", &Y::PriorityEdit, "%i{n0x7l1}", kAction, &Y::PermitGroup, ValuePlace(2, 0)),
    RuleField<Y>(ColumnOf(kEgressTable, "Enable Replace DSCP"), &Y::cbxEnableReplaceDSCP, "Enable Replace DSCP", &Y::EnableReplaceDSCPComboBox, nullptr, kAction, &Y::PermitGroup, ValuePlace(1, 1), 0, kRuleOff),
    RuleField<Y>(ColumnOf(kEgressTable, "Replace DSCP"), &Y::cbxDscpValue, "DSCP Value (0-63)", &Y::DSCPValueEdit, "%i{n0x63l2}", kAction, &Y::PermitGroup, ValuePlace(2, 1)),
};
// clang-format on
constexpr StackedGroup<Y> kTypedStack[] = {{&Y::PermitGroup, "Permit", 3}, {&Y::OtherGroup, "Other", 3}};
constexpr auto kTypedGroups = StackGroups(kTypedStack, 500);
constexpr FieldRule<Y> kTypedActionRules[] = {&Y::EnablePriorityComboBoxChange,
                                              &Y::EnableReplaceDSCPComboBoxChange, &Y::PermitComboBoxChange};

RuleDesign<Y> TypedDesign(RuleTargets targets) {
    RuleEditorOptions options;
    options.Table = EgrssEthernetProfileRuleTable;
    options.Keys = {{ColumnOf(kEgressTable, "Profile ID"), "Profile ID must be set.", 1, 4},
                    {ColumnOf(kEgressTable, "Access ID"), "Access ID must be set.", 0, 128}};
    options.RowStatusColumn = ColumnOf(kEgressTable, "Row Status");
    options.PortColumn = ColumnOf(kEgressTable, "Port");
    options.VlanBasedIdColumn = ColumnOf(kEgressTable, "VLAN-based ID");
    options.PortGroupColumn = ColumnOf(kEgressTable, "Port Group");
    options.Targets = targets;
    options.DesignWidth = 700;
    options.DesignHeight = 500;
    return {.Options = options,
            .Fields = kTypedFields,
            .Columns = kEgressTable,
            .Groups = kTypedGroups,
            .Rules = {.Create = kTypedActionRules, .List = kTypedActionRules, .Row = kTypedActionRules}};
}

class TypedTargetSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressEthernetRuleScenario);
    }
    void TearDown() override {
        Close();
        FormsSimTest::TearDown();
    }
    Y* Open(RuleTargets targets) {
        Close();
        Form.reset(CreateForm<Y>(Application, TypedDesign(targets)));
        EXPECT_TRUE(WaitIdle(Form->Table));
        Agent().ClearSetLog();
        return Form.get();
    }
    void Close() {
        if (Form) {
            Form->Close();
            Form.reset();
        }
    }
    std::unique_ptr<Y> Form;
};

} // namespace

// No picker: the fields fill the field panel. A ticked target disables the other two boxes (their
// ticks kept) and empties their edits; unticked, it gives them back. The port's own edit keeps its
// number when unticked; the VLAN-based VID's is emptied.
TEST_F(TypedTargetSim, NoPickerIsEmbeddedAndATickedTargetExcludesTheOtherTwo) {
    Y* d = Open(RuleTargets::TypedOneOfThree);
    EXPECT_EQ(d->PortPicker, nullptr);
    EXPECT_EQ(d->StackingPortPanel, nullptr);
    EXPECT_TRUE(d->Pickers.Pickers.empty());
    EXPECT_FALSE(d->PortEdit->Enabled());

    d->PortChkBox->SetChecked(true);
    d->PortEdit->SetText("7");
    EXPECT_TRUE(d->PortEdit->Enabled());
    EXPECT_FALSE(d->VLANBaseChkBox->Enabled());
    EXPECT_FALSE(d->cbxPortGroup->Enabled());
    EXPECT_FALSE(d->PortGroupEdit->Enabled());
    d->PortChkBox->SetChecked(false);
    EXPECT_FALSE(d->PortEdit->Enabled());
    EXPECT_EQ(d->PortEdit->Text(), "7");
    EXPECT_TRUE(d->VLANBaseChkBox->Enabled());
    EXPECT_TRUE(d->cbxPortGroup->Enabled());

    d->PortGroupEdit->SetText("3");
    d->VLANBaseChkBox->SetChecked(true);
    EXPECT_TRUE(d->VLANBasedVIDEdit->Enabled());
    EXPECT_FALSE(d->PortChkBox->Enabled());
    EXPECT_EQ(d->PortEdit->Text(), "");
    EXPECT_EQ(d->PortGroupEdit->Text(), "");
    d->VLANBasedVIDEdit->SetText("10");
    d->VLANBaseChkBox->SetChecked(false);
    EXPECT_EQ(d->VLANBasedVIDEdit->Text(), "");
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Each target ticked from its cell when in range, its edit the number; a row without the columns
// selects without a box.
TEST_F(TypedTargetSim, SelectionTicksEachTargetFromItsCell) {
    Y* d = Open(RuleTargets::TypedOneOfThree);
    ClickListRow(d->ListView1, 0); // port 5, port group 0
    EXPECT_TRUE(d->PortChkBox->Checked());
    EXPECT_EQ(d->PortEdit->Text(), "5");
    EXPECT_TRUE(d->PortEdit->Enabled());
    EXPECT_FALSE(d->cbxPortGroup->Checked());
    EXPECT_FALSE(d->VLANBaseChkBox->Checked());
    ClickListRow(d->ListView1, 1); // VLAN-based ID 100
    EXPECT_TRUE(d->VLANBaseChkBox->Checked());
    EXPECT_EQ(d->VLANBasedVIDEdit->Text(), "100");
    EXPECT_FALSE(d->PortChkBox->Checked());
    ClickListRow(d->ListView1, 2); // none of the three
    EXPECT_FALSE(d->VLANBaseChkBox->Checked());
    EXPECT_FALSE(d->PortChkBox->Checked());
    EXPECT_FALSE(d->cbxPortGroup->Checked());
    EXPECT_TRUE(d->EditButton->Enabled());
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add writes the one target ticked (none without one) beside Permit and createAndGo, whichever way
// the member leaves the others out.
TEST_F(TypedTargetSim, AWriteCarriesTheOneTickedTarget) {
    const auto oid = [](int arc) { return kEgressEntry + "." + std::to_string(arc) + ".4.9"; };
    const struct {
        const char* Name;
        TCheckBox* Y::*Box;
        TEdit* Y::*Edit;
        const char* Value;
        int Arc;
    } targets[] = {{"port", &Y::PortChkBox, &Y::PortEdit, "5", 13},
                   {"port group", &Y::cbxPortGroup, &Y::PortGroupEdit, "3", 14},
                   {"VLAN-based VID", &Y::VLANBaseChkBox, &Y::VLANBasedVIDEdit, "10", 12},
                   {"none", nullptr, nullptr, nullptr, 0}};
    for (const RuleTargets skips : {RuleTargets::TypedOneOfThree, RuleTargets::TypedVlanOrPort}) {
        for (const auto& t : targets) {
            SCOPED_TRACE(t.Name);
            Agent().LoadScenario(kEgressEthernetRuleScenario);
            Y* d = Open(skips);
            d->ProfileEdit->SetText("4");
            d->AccessEdit->SetText("9");
            d->cbxPermit->SetChecked(true);
            if (t.Box) {
                (d->*t.Box)->SetChecked(true);
                (d->*t.Edit)->SetText(t.Value);
            }
            ClickControl(d->AddButton);
            ASSERT_TRUE(WaitForSets(1));
            std::vector<SimVarBind> pdu = {{oid(3), SimValue::Int(4)}};
            if (t.Box) {
                pdu.push_back({oid(t.Arc), SimValue::Int(std::stoi(t.Value))});
            }
            pdu.push_back({oid(15), SimValue::Int(1)});
            // The columns this member declares no field for go out as they are; the row status,
            // the targets and Permit are what it is about.
            const auto pdus = SetPdus();
            ASSERT_EQ(pdus.size(), 1u);
            std::vector<SimVarBind> sent;
            for (const SimVarBind& b : pdus[0]) {
                for (const int arc : {3, 12, 13, 14, 15}) {
                    if (b.Oid == oid(arc)) {
                        sent.push_back(b);
                    }
                }
            }
            EXPECT_EQ(sent, pdu);
            ASSERT_TRUE(WaitIdle(d->Table));
        }
    }
}

} // namespace acl_rule_editor_test
