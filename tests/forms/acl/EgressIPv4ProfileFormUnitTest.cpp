#include "EgressIPv4ProfileFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "ProfileEditorTesting.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace egress_i_pv4_profile_form_unit_test {

namespace {

constexpr const char* kCommand = "IPv4Profile1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.89.2.2.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

using D = TEgressIPv4ProfileForm;

class EgressIPv4ProfileSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressIPv4ProfileScenario);
    }
    // A profile that passes every check: ID 3, a new name, VLAN with its mask, no address mask.
    static void FillNewProfile(D* d) {
        d->edtProfileID->SetText("3");
        d->edtProfileName->SetText("e3");
        ChooseOption(d->cbbVlan, "enabled");
        d->edtVLANMask->SetText("0FFF");
        ChooseOption(d->cbbIpAddMaskState, "other");
        ChooseOption(d->cbbUseProType, "none");
    }
};

} // namespace

TEST_F(EgressIPv4ProfileSim, TheMenuCommandOpensTheProfilesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TEgressIPv4ProfileForm"), missing.end());
    RunDialog<D>(kCommand, EgressIPv4ProfileForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "Egress ACL IPv4 Profile: " + Agent().Address());
        EXPECT_EQ(d->Width(), 736);
        EXPECT_EQ(d->Height(), 637);
        EXPECT_EQ(d->ListView1->Columns().Count(), 22);
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->cbbOwner, nullptr);
        EXPECT_EQ(d->edtSrcMacAddrMask, nullptr);
        EXPECT_EQ(d->cbbVlan->Text(), "enabled");
        EXPECT_TRUE(d->edtVLANMask->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, 1);
        EXPECT_EQ(d->edtProfileName->Text(), "web");
        EXPECT_EQ(d->cbbUseProType->Text(), "protocolId");
        EXPECT_TRUE(d->cbbProOption->Enabled());
        EXPECT_EQ(d->edtProtoID->Text(), "17");
        EXPECT_EQ(d->edtProIDMask->Text(), "FFFFFFFF");
        EXPECT_TRUE(d->edtEntries->ReadOnly());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressIPv4ProfileSim, AddSendsTheEnabledFieldsAndNoComboAtNoneOrOther) {
    RunDialog<D>(kCommand, EgressIPv4ProfileForm, [&](D* d) {
        FillNewProfile(d);
        ChooseOption(d->cbbIpAddMaskState, "src-ip-addr");
        d->edtIpAddMaskSrc->SetText("255.255.0.0");
        ChooseOption(d->cbbUseProType, "tcp");
        ChooseOption(d->cbbTCPOption, "dst-addr");
        d->edtTCPUDPDstPortMask->SetText("FF00");
        ChooseOption(d->cbbTCPFlagBitOption, "enabled");
        d->edtTCPFlagBitMask->SetText("7");
        ClickControl(d->BT_Add);
        const std::string i = "3";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(2, i), SimValue::Int(4)},
                                 {Oid(3, i), SimValue::Octets("e3")},
                                 {Oid(4, i), SimValue::Int(1)},
                                 {Oid(5, i), {"4x", "0FFF"}},
                                 {Oid(6, i), SimValue::Int(3)},
                                 {Oid(7, i), {"64", "255.255.0.0"}},
                                 {Oid(9, i), SimValue::Int(2)},
                                 {Oid(10, i), SimValue::Int(4)},
                                 {Oid(13, i), SimValue::Int(2)},
                                 {Oid(16, i), {"4x", "FF00"}},
                                 {Oid(17, i), SimValue::Int(1)},
                                 {Oid(18, i), SimValue::Int(7)},
                             }}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(d->cbbVlan->Text(), "enabled"); // the reset's selection
    });
    EXPECT_EQ(Agent().Value(Oid(2, "3")), SimValue::Int(1));
    EXPECT_EQ(Agent().Value(Oid(18, "3")), SimValue::Int(7));
}

// An enabled field left empty is sent: an integer as 0, an octet string as the framework sends an
// empty one (NULL); this agent refuses the NULL and the refusal is shown.
TEST_F(EgressIPv4ProfileSim, EnabledFieldsLeftEmptyAreSentAndTheAgentDecides) {
    RunDialog<D>(kCommand, EgressIPv4ProfileForm, [&](D* d) {
        FillNewProfile(d);
        ChooseOption(d->cbbUseProType, "protocolId");
        ChooseOption(d->cbbProOption, "enabled");
        EXPECT_TRUE(d->edtProtoID->Enabled());
        EXPECT_TRUE(d->edtProIDMask->Enabled());
        Dialogs.Expect("(SNMP) Cannot create/modify variable, Wrong Type!");
        ClickControl(d->BT_Add);
        EXPECT_EQ(Dialogs.Pending(), 0);
        const std::string i = "3";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(2, i), SimValue::Int(4)},
                                 {Oid(3, i), SimValue::Octets("e3")},
                                 {Oid(4, i), SimValue::Int(1)},
                                 {Oid(5, i), {"4x", "0FFF"}},
                                 {Oid(9, i), SimValue::Int(2)},
                                 {Oid(10, i), SimValue::Int(6)},
                                 {Oid(19, i), SimValue::Int(1)},
                                 {Oid(20, i), SimValue::Int(0)},
                                 {Oid(21, i), {"5", ""}},
                             }}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2"}));
    });
}

TEST_F(EgressIPv4ProfileSim, AFreshDialogRefusesAnAddWithoutAVlanMask) {
    RunDialog<D>(kCommand, EgressIPv4ProfileForm, [&](D* d) {
        d->edtProfileID->SetText("3");
        d->edtProfileName->SetText("e3");
        Dialogs.Expect("Please enter VLAN Mask.");
        ClickControl(d->BT_Add);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(d->edtVLANMask->Focused());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressIPv4ProfileSim, AddRefusalsSendNothing) {
    const auto cases = WithFamilyRefusals<D>(
        {.NoId = "Profile ID must be set.",
         .NoName = "Profile Name must be set.",
         .ListedId = "2",
         .NameBeside = "p1",
         .ListedIdText = "There is already a record with the same Profile ID. Please modified it.",
         .ListedName = "web",
         .ListedNameText = "There is already a record with the same Profile Name. Please modified it."},
        {
            {"VLAN enabled as a new dialog has it, without its mask",
             [](D* d) { d->edtVLANMask->SetText(""); }, "Please enter VLAN Mask.", &D::edtVLANMask},
            {"both masks, the destination empty",
             [](D* d) {
                 ChooseOption(d->cbbIpAddMaskState, "dst-src-ip-addr");
                 d->edtIpAddMaskSrc->SetText("255.0.0.0");
             },
             "Please enter a valid Mask address", &D::edtIpAddMaskDst},
        });
    RunDialog<D>(kCommand, EgressIPv4ProfileForm,
                 [&](D* d) { ExpectAddRefusals<D>(Dialogs, d, d->cbbUseDSCP, FillNewProfile, cases); });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressIPv4ProfileSim, DeleteSendsDestroyForTheSelectedProfileAlone) {
    RunDialog<D>(kCommand, EgressIPv4ProfileForm, [&](D* d) {
        ClickListRow(d->ListView1, 0);
        ClickControl(d->BT_Delete);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Oid(2, "1"), SimValue::Int(6)}}}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"2"}));
    });
    EXPECT_FALSE(Agent().Value(Oid(3, "1")).has_value());
}

} // namespace egress_i_pv4_profile_form_unit_test
