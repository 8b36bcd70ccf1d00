#include "EgressEthernetProfileFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "ProfileEditorTesting.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace egress_ethernet_profile_form_unit_test {

namespace {

constexpr const char* kCommand = "EthernetProfile1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.89.2.1.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

// The items of VLAN and of MAC Address Mask State.
constexpr const char* kVlanEnabled = "enabled";
constexpr const char* kOther = "other";
constexpr const char* kDst = "dst-mac-addr";
constexpr const char* kSrc = "src-mac-addr";
constexpr const char* kDstSrc = "dst-src-mac-addr";

using D = TEgressEthetnetProfileForm;

class EgressEthernetProfileSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressEthernetProfileScenario);
    }
    // A profile that passes every check: ID 3, a new name, VLAN with its mask, no MAC mask.
    static void FillNewProfile(D* d) {
        d->edtProfileID->SetText("3");
        d->edtProfileName->SetText("e3");
        ChooseOption(d->cbbOptionVLAN, kVlanEnabled);
        d->edtVLANMask->SetText("0FFF");
        ChooseOption(d->cbbMacMaskState, kOther);
    }
};

} // namespace

TEST_F(EgressEthernetProfileSim, TheMenuCommandOpensTheProfilesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TEgressEthetnetProfileForm"), missing.end());
    RunDialog<D>(kCommand, EgressEthetnetProfileForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "Egress ACL Ethernet Profile: " + Agent().Address());
        EXPECT_EQ(d->Width(), 740);
        EXPECT_EQ(d->Height(), 460);
        EXPECT_EQ(d->ListView1->Columns().Count(), 11);
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->txtEntries->Caption(), "2");
        EXPECT_EQ(d->cbbOwner, nullptr);
        EXPECT_EQ(d->cbbOptionVLAN->Text(), "enabled");
        EXPECT_TRUE(d->edtVLANMask->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, 1);
        EXPECT_EQ(d->edtProfileName->Text(), "web");
        EXPECT_FALSE(d->edtProfileID->Enabled());
        EXPECT_EQ(d->cbbMacMaskState->Text(), "dst-src-mac-addr");
        EXPECT_EQ(d->edtSrcMacMask->Text(), "FFFFFF000000");
        EXPECT_EQ(d->edtRuleEntries->Text(), "128");
        EXPECT_TRUE(d->edtRuleEntries->ReadOnly());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->CloseButton);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressEthernetProfileSim, AddSendsEveryOptionTheStateAndTheMasksItNames) {
    RunDialog<D>(kCommand, EgressEthetnetProfileForm, [&](D* d) {
        FillNewProfile(d);
        ChooseOption(d->cbbMacMaskState, kSrc);
        d->edtSrcMacMask->SetText("FFFFFF000000");
        ClickControl(d->BT_Add);
        const std::string i = "3";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(2, i), SimValue::Int(4)},
                                 {Oid(3, i), SimValue::Octets("e3")},
                                 {Oid(4, i), SimValue::Int(1)},
                                 {Oid(5, i), {"4x", "0FFF"}},
                                 {Oid(6, i), SimValue::Int(2)},
                                 {Oid(7, i), SimValue::Int(2)},
                                 {Oid(8, i), SimValue::Int(3)},
                                 {Oid(9, i), {"4x", "FFFFFF000000"}},
                             }}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(d->cbbMacMaskState->Text(), "src-mac-addr"); // kept after the Add
    });
    EXPECT_EQ(Agent().Value(Oid(2, "3")), SimValue::Int(1));
    EXPECT_EQ(Agent().Value(Oid(9, "3")), (SimValue{"4x", "FFFFFF000000"}));
}

TEST_F(EgressEthernetProfileSim, AddRefusalsSendNothingAndFocusTheField) {
    const auto cases = WithFamilyRefusals<D>(
        {.NoId = "Profile ID must be set",
         .NoName = "Profile Name must be set",
         .ListedId = "2",
         .NameBeside = nullptr,
         .ListedIdText = "There is already a record with the same Profile ID. Please modified it.",
         .ListedName = "p1",
         .ListedNameText = "There is already a record with the same Name. Please modified it.",
         .PastLastId = "5",
         .PastLastIdText = " Please enter a number between 1 and 4!"},
        {
            {"VLAN without its mask", [](D* d) { d->edtVLANMask->SetText(""); }, "Please enter VLAN Mask.",
             &D::edtVLANMask},
            {"no destination mask", [](D* d) { ChooseOption(d->cbbMacMaskState, kDst); },
             "Please enter a valid MAC address", &D::edtDstMacMask},
            {"neither mask: the destination first", [](D* d) { ChooseOption(d->cbbMacMaskState, kDstSrc); },
             "Please enter a valid MAC address", &D::edtDstMacMask},
        });
    RunDialog<D>(kCommand, EgressEthetnetProfileForm,
                 [&](D* d) { ExpectAddRefusals<D>(Dialogs, d, d->cbbOption8021p, FillNewProfile, cases); });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressEthernetProfileSim, AMacMaskWithHyphensIsRefusedWhenTheEditIsLeft) {
    RunDialog<D>(kCommand, EgressEthetnetProfileForm, [&](D* d) {
        ChooseOption(d->cbbMacMaskState, kSrc);
        FocusControl(d->edtSrcMacMask);
        d->edtSrcMacMask->SetText("FF-FF-FF-00-00-00");
        Dialogs.Expect("Please enter a valid MAC address!");
        FocusControl(d->edtProfileName);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(d->edtSrcMacMask->Text(), "");
    });
}

TEST_F(EgressEthernetProfileSim, DeleteSendsDestroyForTheSelectedProfileAlone) {
    RunDialog<D>(kCommand, EgressEthetnetProfileForm, [&](D* d) {
        ClickListRow(d->ListView1, 0);
        ClickControl(d->BT_Delete);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Oid(2, "1"), SimValue::Int(6)}}}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"2"}));
    });
    EXPECT_FALSE(Agent().Value(Oid(3, "1")).has_value());
}

// The design drops a write that raises without a word; here it is shown in the status line, and
// the table is not read again, as the design says.
TEST_F(EgressEthernetProfileSim, AWriteThatFailsBeforeItIsSentIsReportedWithoutAReRead) {
    RunDialog<D>(kCommand, EgressEthetnetProfileForm, [&](D* d) {
        d->Table.Request->AfterCollect.push_back(
            [](VqSNMPVarList&) { throw std::runtime_error("the profile could not be written"); });
        FillNewProfile(d);
        ClickControl(d->BT_Add);
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "the profile could not be written");
        EXPECT_EQ(Reads, 0);
        EXPECT_EQ(d->edtProfileID->Text(), "");
        EXPECT_TRUE(d->BT_Add->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace egress_ethernet_profile_form_unit_test
