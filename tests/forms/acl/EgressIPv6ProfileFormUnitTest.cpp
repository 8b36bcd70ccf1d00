#include "EgressIPv6ProfileFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "ProfileEditorTesting.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace egress_i_pv6_profile_form_unit_test {

namespace {

constexpr const char* kCommand = "IPv6Profile1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.89.2.3.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

const std::string kMask = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
constexpr const char* kShortMask = " Please enter a hex string whose length is 32!";

using D = TEgressIPv6ProfileForm;

class EgressIPv6ProfileSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressIPv6ProfileScenario);
    }
    // A profile that passes every check: ID 3, a new name, no mask, no protocol.
    static void FillNewProfile(D* d, const char* id = "3") {
        d->edtMaskID->SetText(id);
        d->edtProfileName->SetText(std::string("e") + id);
        ChooseOption(d->cbxMaskState, "other");
        ChooseOption(d->ProtoTypeCombo, "none");
    }
};

} // namespace

TEST_F(EgressIPv6ProfileSim, TheMenuCommandOpensTheProfilesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TEgressIPv6ProfileForm"), missing.end());
    RunDialog<D>(kCommand, EgressIPv6ProfileForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "Egress ACL IPv6 Profile: " + Agent().Address());
        EXPECT_EQ(d->Width(), 696);
        EXPECT_EQ(d->Height(), 495);
        EXPECT_EQ(d->ListView1->Columns().Count(), 14);
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->cbxMaskFlowlabel, nullptr);
        EXPECT_EQ(d->cbbOwner, nullptr);
        EXPECT_EQ(d->cbxMaskClass->Text(), "disabled");
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->edtProfileName->Text(), "e1");
        EXPECT_EQ(d->edtDstMask->Text(), kMask);
        EXPECT_FALSE(d->edtSrcMask->Enabled());
        EXPECT_EQ(d->UDPOptionCombo->Text(), "src-addr");
        EXPECT_EQ(d->SourcePortEdit->Text(), "FFFF");
        EXPECT_FALSE(d->DstPortEdit->Enabled());
        EXPECT_TRUE(d->edtEntries->ReadOnly());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressIPv6ProfileSim, AddSendsTheMaskStateOnlyWithTheMaskItNames) {
    RunDialog<D>(kCommand, EgressIPv6ProfileForm, [&](D* d) {
        // "other": neither the state nor a mask.
        FillNewProfile(d, "3");
        ClickControl(d->BT_Add);
        // "dst-ipv6-addr": the state and the destination mask; "icmp" with its option.
        FillNewProfile(d, "4");
        ChooseOption(d->cbxMaskState, "dst-ipv6-addr");
        EXPECT_FALSE(d->edtSrcMask->Enabled());
        d->edtDstMask->SetText(kMask);
        ChooseOption(d->ProtoTypeCombo, "icmp");
        ChooseOption(d->ICMPOptionCombo, "code");
        ClickControl(d->BT_Add);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{Oid(2, "3"), SimValue::Int(4)},
                                  {Oid(3, "3"), SimValue::Octets("e3")},
                                  {Oid(4, "3"), SimValue::Int(2)}},
                                 {{Oid(2, "4"), SimValue::Int(4)},
                                  {Oid(3, "4"), SimValue::Octets("e4")},
                                  {Oid(4, "4"), SimValue::Int(2)},
                                  {Oid(5, "4"), SimValue::Int(2)},
                                  {Oid(7, "4"), {"4x", kMask}},
                                  {Oid(8, "4"), SimValue::Int(4)},
                                  {Oid(9, "4"), SimValue::Int(3)}},
                             }));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2", "3", "4"}));
    });
    EXPECT_EQ(Agent().Value(Oid(2, "3")), SimValue::Int(1));
    EXPECT_EQ(Agent().Value(Oid(7, "4")), (SimValue{"4x", kMask}));
}

TEST_F(EgressIPv6ProfileSim, AddRefusalsSendNothing) {
    const auto cases = WithFamilyRefusals<D>(
        {.NoId = "IPv6 Profile ID must be set.",
         .NoName = "Profile Name must be set.",
         .ListedId = "2",
         .NameBeside = "e1",
         .ListedIdText = "There is already a record with the same Profile ID. Please modify it.",
         .ListedName = "web",
         .ListedNameText = "There is already a record with the same Profile Name. Please modify it."},
        {
            {"Row Status not at createAndGo", [](D* d) { SelectOption(d->cbbRowStatus, "createAndWait"); },
             "Row Status must be createAndGo.", nullptr},
        });
    RunDialog<D>(kCommand, EgressIPv6ProfileForm, [&](D* d) {
        ExpectAddRefusals<D>(
            Dialogs, d, d->cbxMaskClass, [](D* f) { FillNewProfile(f); }, cases);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A mask the edit's own check refuses when Add is clicked is emptied by that check; the Add stops
// there instead of sending the emptied mask (which the switch would refuse as a wrong type).
TEST_F(EgressIPv6ProfileSim, AMaskRefusedByItsOwnCheckStopsTheAdd) {
    RunDialog<D>(kCommand, EgressIPv6ProfileForm, [&](D* d) {
        FillNewProfile(d);
        ChooseOption(d->cbxMaskState, "dst-ipv6-addr");
        FocusControl(d->edtDstMask);
        TypeText(d->edtDstMask, "FFFF");
        Dialogs.Expect(kShortMask);
        ClickControl(d->BT_Add);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Dialogs.Shown().size(), 1u) << "one box for one mistake";
        EXPECT_EQ(d->edtDstMask->Text(), "");
        EXPECT_TRUE(d->edtDstMask->Focused());
        EXPECT_TRUE(Agent().SetLog().empty());

        // Typed whole, the same Add goes through.
        TypeText(d->edtDstMask, kMask);
        ClickControl(d->BT_Add);
        ASSERT_EQ(SetPdus().size(), 1u);
        EXPECT_EQ(Agent().Value(Oid(7, "3")), (SimValue{"4x", kMask}));
    });
}

// The design's port masks took any four characters and read them as hexadecimal.
TEST_F(EgressIPv6ProfileSim, APortMaskTakesHexadecimalDigitsOnly) {
    RunDialog<D>(kCommand, EgressIPv6ProfileForm, [&](D* d) {
        ChooseOption(d->ProtoTypeCombo, "tcp");
        ChooseOption(d->TCPOptionCombo, "dst-src-addr");
        for (TEdit* mask : {d->SourcePortEdit, d->DstPortEdit}) {
            FocusControl(mask);
            TypeText(mask, "G00FZF");
            EXPECT_EQ(mask->Text(), "00FF") << mask->Name();
        }
    });
}

TEST_F(EgressIPv6ProfileSim, DeleteSendsDestroyForTheSelectedProfileAlone) {
    RunDialog<D>(kCommand, EgressIPv6ProfileForm, [&](D* d) {
        ClickListRow(d->ListView1, 1);
        ClickControl(d->BT_Delete);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Oid(2, "2"), SimValue::Int(6)}}}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1"}));
    });
    EXPECT_FALSE(Agent().Value(Oid(3, "2")).has_value());
}

} // namespace egress_i_pv6_profile_form_unit_test
