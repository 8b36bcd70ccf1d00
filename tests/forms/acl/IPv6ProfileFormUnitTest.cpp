#include "IPv6ProfileFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "ProfileEditorTesting.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace i_pv6_profile_form_unit_test {

namespace {

constexpr const char* kCommand = "IPv6MaskInformation1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.2.4.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

const std::string kSourceMask = "FFFFFFFFFFFFFFFF0000000000000000";

using D = TIPv6ProfileForm;

class IPv6ProfileSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kIPv6ProfileScenario);
    }
    // A profile that passes every check: ID 3, a new name, the source mask, no protocol.
    static void FillNewProfile(D* d) {
        d->edtMaskID->SetText("3");
        d->edtProfileName->SetText("v3");
        ChooseOption(d->cbxMaskState, "src-ipv6-addr");
        d->edtSrcMask->SetText(kSourceMask);
        ChooseOption(d->ProtoTypeCombo, "none");
    }
};

} // namespace

TEST_F(IPv6ProfileSim, TheMenuCommandOpensTheProfilesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TIPv6ProfileForm"), missing.end());
    RunDialog<D>(kCommand, IPv6ProfileForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "ACL IPv6 Profile: " + Agent().Address());
        EXPECT_EQ(d->Width(), 706);
        EXPECT_EQ(d->Height(), 521);
        EXPECT_EQ(d->ListView1->Columns().Count(), 16);
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->txtEntries->Caption(), "2");
        EXPECT_EQ(d->cbxMaskClass->Text(), "disable");
        EXPECT_EQ(d->cbxMaskFlowlabel->Text(), "disable");
        EXPECT_EQ(d->cbbRowStatus->Text(), "createAndGo");
        for (TControl* off : std::initializer_list<TControl*>{d->edtSrcMask, d->edtDstMask, d->TCPOptionCombo,
                                                              d->UDPOptionCombo, d->ICMPOptionCombo,
                                                              d->SourcePortEdit, d->DstPortEdit}) {
            EXPECT_FALSE(off->Enabled()) << off->Name();
        }
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, 0);
        EXPECT_EQ(d->edtProfileName->Text(), "v1");
        EXPECT_FALSE(d->edtMaskID->Enabled());
        EXPECT_FALSE(d->BT_Add->Enabled());
        EXPECT_TRUE(d->BT_Delete->Enabled());
        EXPECT_EQ(d->edtSrcMask->Text(), kSourceMask);
        EXPECT_FALSE(d->edtDstMask->Enabled());
        EXPECT_EQ(d->TCPOptionCombo->Text(), "dst-src-addr");
        EXPECT_EQ(d->SourcePortEdit->Text(), "FFFF");
        EXPECT_EQ(d->DstPortEdit->Text(), "00FF");
        EXPECT_FALSE(d->UDPOptionCombo->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->CloseButton);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IPv6ProfileSim, AddWithoutAProtocolSendsClassFlowLabelTheStateAndItsMask) {
    RunDialog<D>(kCommand, IPv6ProfileForm, [&](D* d) {
        FillNewProfile(d);
        ClickControl(d->BT_Add);
        const std::string i = "3";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(2, i), SimValue::Int(2)},
                                 {Oid(3, i), SimValue::Int(2)},
                                 {Oid(4, i), SimValue::Int(3)},
                                 {Oid(5, i), Hex(kSourceMask)},
                                 {Oid(7, i), SimValue::Int(4)},
                                 {Oid(10, i), SimValue::Octets("v3")},
                             }}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        // Every field is back at its start.
        EXPECT_EQ(d->cbxMaskState->Text(), "other");
        EXPECT_EQ(d->edtMaskID->Text(), "");
        EXPECT_TRUE(d->BT_Add->Enabled());
    });
    EXPECT_EQ(Agent().Value(Oid(7, "3")), SimValue::Int(1));
    EXPECT_EQ(Agent().Value(Oid(5, "3")), Hex(kSourceMask));
}

TEST_F(IPv6ProfileSim, TcpWithBothPortMasksSendsThemAndIcmpDisablesAndEmptiesThem) {
    RunDialog<D>(kCommand, IPv6ProfileForm, [&](D* d) {
        FillNewProfile(d);
        ChooseOption(d->ProtoTypeCombo, "icmp");
        EXPECT_TRUE(d->ICMPOptionCombo->Enabled());
        ChooseOption(d->ProtoTypeCombo, "tcp");
        ChooseOption(d->TCPOptionCombo, "dst-src-addr");
        d->SourcePortEdit->SetText("FFFF");
        ChooseOption(d->ProtoTypeCombo, "icmp");
        EXPECT_FALSE(d->SourcePortEdit->Enabled());
        EXPECT_EQ(d->SourcePortEdit->Text(), "");
        EXPECT_FALSE(d->TCPOptionCombo->Enabled());
        EXPECT_EQ(d->TCPOptionCombo->Text(), "dst-src-addr"); // a disabled option keeps its item

        ChooseOption(d->ProtoTypeCombo, "tcp");
        EXPECT_TRUE(d->SourcePortEdit->Enabled());
        EXPECT_TRUE(d->DstPortEdit->Enabled());
        d->SourcePortEdit->SetText("FF00");
        // The destination port mask is left empty: it goes out as an empty value (NULL) and the
        // agent decides; this one refuses it.
        Dialogs.Expect("(SNMP) Cannot create/modify variable, Wrong Type!");
        ClickControl(d->BT_Add);
        EXPECT_EQ(Dialogs.Pending(), 0);
        const std::string i = "3";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(2, i), SimValue::Int(2)},
                                 {Oid(3, i), SimValue::Int(2)},
                                 {Oid(4, i), SimValue::Int(3)},
                                 {Oid(5, i), Hex(kSourceMask)},
                                 {Oid(7, i), SimValue::Int(4)},
                                 {Oid(10, i), SimValue::Octets("v3")},
                                 {Oid(11, i), SimValue::Int(2)},
                                 {Oid(12, i), SimValue::Int(4)},
                                 {Oid(14, i), Hex("FF00")},
                                 {Oid(15, i), {"5", ""}},
                             }}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2"}));
    });
}

TEST_F(IPv6ProfileSim, AddRefusalsSendNothingAndFocusTheField) {
    const char* const less = "Please enter a valid IPv6 address whose length is less without ':'.";
    const char* const is32 = "Please enter a valid IPv6 address whose length is 32 without ':'.";
    auto state = [](D* d, const char* item) { ChooseOption(d->cbxMaskState, item); };
    const auto cases = WithFamilyRefusals<D>(
        {.NoId = "IPv6 Mask ID must be set.",
         .NoName = "IPv6 Mask Name must be set.",
         .ListedId = "1",
         .NameBeside = "web",
         .ListedIdText = "There is already a record with the same Profile ID. Please modify it.",
         .ListedName = "web",
         .ListedNameText = "There is already a record with the same Profile Name. Please modify it."},
        {
            {"no source mask", [](D* d) { d->edtSrcMask->SetText(""); }, "Some checked field is empty.",
             &D::edtSrcMask},
            {"31 digits", [](D* d) { d->edtSrcMask->SetText(kSourceMask.substr(1)); }, less, &D::edtSrcMask},
            {"32 characters with a colon",
             [](D* d) { d->edtSrcMask->SetText("FFFF:FFFFFFFFFFF0000000000000000"); }, is32, &D::edtSrcMask},
            {"both masks, the destination empty", [&](D* d) { state(d, "dst-src-ipv6-addr"); },
             "Some checked field is empty.", &D::edtDstMask},
            {"Row Status not at createAndGo", [](D* d) { SelectOption(d->cbbRowStatus, "active"); },
             "Row Status must be createAndGo."},
        });
    RunDialog<D>(kCommand, IPv6ProfileForm,
                 [&](D* d) { ExpectAddRefusals<D>(Dialogs, d, d->cbxMaskClass, FillNewProfile, cases); });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IPv6ProfileSim, DeleteSendsDestroyForTheSelectedProfileAlone) {
    RunDialog<D>(kCommand, IPv6ProfileForm, [&](D* d) {
        ClickListRow(d->ListView1, 1);
        ClickControl(d->BT_Delete);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Oid(7, "2"), SimValue::Int(6)}}}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(d->BT_Delete->Enabled());
    });
    EXPECT_FALSE(Agent().Value(Oid(10, "2")).has_value());
}

// Writes that raise before they are sent: an Add is reported and the table not read again; a
// Delete is reported after the table is read again.
TEST_F(IPv6ProfileSim, AWriteThatFailsBeforeItIsSentIsReportedAndOnlyADeleteReadsAgain) {
    RunDialog<D>(kCommand, IPv6ProfileForm, [&](D* d) {
        d->Table.Request->AfterCollect.push_back(
            [](VqSNMPVarList&) { throw std::runtime_error("the profile could not be written"); });
        FillNewProfile(d);
        ClickControl(d->BT_Add);
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "the profile could not be written");
        EXPECT_EQ(Reads, 0);
        EXPECT_EQ(d->edtMaskID->Text(), "");

        ClickListRow(d->ListView1, 1);
        ClickControl(d->BT_Delete);
        EXPECT_EQ(Reads, 1);
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "the profile could not be written");
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2"}));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace i_pv6_profile_form_unit_test
