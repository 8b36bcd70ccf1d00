#include "IPProfileFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "ProfileEditorTesting.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ip_profile_form_unit_test {

namespace {

constexpr const char* kTitle = "ACL IPv4 Profile";
constexpr const char* kCommand = "IPMaskInformation1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.2.2.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

SimValue Ip(const std::string& dotted) {
    return {"64", dotted};
}

class IpProfileSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kIpProfileScenario);
    }
    static std::vector<std::string> Ids(TIPProfileForm* d) {
        std::vector<std::string> ids;
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            ids.push_back(d->ListView1->Items()[i]->Caption());
        }
        return ids;
    }
    // A profile that passes every check: ID 3, a new name, no options.
    static void FillNewProfile(TIPProfileForm* d) {
        d->edtProfileID->SetText("3");
        d->edtProfileName->SetText("new");
    }
};

} // namespace

// At its designed size every caption reads whole, with nothing selected and with a profile whose
// options enable the dependent fields.
TEST_F(IpProfileSim, EveryCaptionReadsWholeAtTheDesignedSize) {
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        EXPECT_EQ(d->Width(), 741);
        EXPECT_EQ(d->Height(), 674);
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 1);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
}

TEST_F(IpProfileSim, OpensWithTheProfilesReadBeforeItShows) {
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->ListView1->Columns().Count(), 24);
        EXPECT_EQ(Ids(d), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->txtEntries->Caption(), "2");
        EXPECT_TRUE(d->BT_Add->Enabled());
        EXPECT_FALSE(d->BT_Delete->Enabled());
        EXPECT_FALSE(d->edtVLANMask->Enabled());

        ClickListRow(d->ListView1, 1);
        EXPECT_EQ(d->edtProfileName->Text(), "web");
        EXPECT_FALSE(d->edtProfileName->Enabled());
        EXPECT_TRUE(d->BT_Delete->Enabled());
        EXPECT_EQ(d->cbbUseProType->Text(), "tcp");
        EXPECT_TRUE(d->cbbTCPOption->Enabled());
        EXPECT_EQ(d->edtVLANMask->Text(), "0FFF");
        EXPECT_TRUE(d->edtVLANMask->Enabled());
        EXPECT_TRUE(d->edtEntries->ReadOnly());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpProfileSim, AddSendsTheEnabledFieldsWithTheirMasksAndLeavesOutNoneOtherAndEmptyMasks) {
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        FillNewProfile(d);
        ChooseOption(d->cbbVlan, "enabled");
        d->edtVLANMask->SetText("0FFF");
        ChooseOption(d->cbbIpAddMaskState, "dst-src-ip-addr");
        d->edtIpAddMaskSrc->SetText("255.255.255.0");
        d->edtIpAddMaskDst->SetText("255.255.0.0");
        ChooseOption(d->cbbUseProType, "tcp");
        ChooseOption(d->cbbTCPOption, "dst-src-addr");
        d->edtTCPUDPSrcMask->SetText("FFFF");
        d->edtTCPUDPDstPortMask->SetText("00FF");
        EXPECT_FALSE(d->edtTCPFlagBitMask->Enabled());
        ClickControl(d->BT_Add);
        const std::string i = "3";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(2, i), SimValue::Int(1)},
                                 {Oid(3, i), SimValue::Int(4)},
                                 {Oid(4, i), Ip("255.255.255.0")},
                                 {Oid(5, i), Ip("255.255.0.0")},
                                 {Oid(6, i), SimValue::Int(2)},
                                 {Oid(7, i), SimValue::Int(4)},
                                 {Oid(10, i), SimValue::Int(4)},
                                 {Oid(12, i), Hex("FFFF")},
                                 {Oid(13, i), Hex("00FF")},
                                 {Oid(14, i), SimValue::Int(2)},
                                 {Oid(19, i), SimValue::Int(4)},
                                 {Oid(23, i), SimValue::Octets("new")},
                                 {Oid(24, i), Hex("0FFF")},
                             }}));
        EXPECT_EQ(Ids(d), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(d->edtProfileID->Text(), "");
        EXPECT_TRUE(d->BT_Add->Enabled());
    });
    EXPECT_EQ(Agent().Value(Oid(19, "3")), SimValue::Int(1));
}

TEST_F(IpProfileSim, AnEmptyUserMaskIsLeftOutWhileTheProtocolIdIsSent) {
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        FillNewProfile(d);
        ChooseOption(d->cbbUseProType, "protocolID");
        ChooseOption(d->cbbProOption, "enabled");
        d->edtProtoID->SetText("17");
        ClickControl(d->BT_Add);
        // VLAN and DSCP at "disabled" are sent; Address Mask State at "other" is not.
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {Oid(2, "3"), SimValue::Int(2)},
                                 {Oid(6, "3"), SimValue::Int(2)},
                                 {Oid(7, "3"), SimValue::Int(6)},
                                 {Oid(16, "3"), SimValue::Int(1)},
                                 {Oid(17, "3"), SimValue::Int(17)},
                                 {Oid(19, "3"), SimValue::Int(4)},
                                 {Oid(23, "3"), SimValue::Octets("new")},
                             }}));
    });
}

TEST_F(IpProfileSim, AddRefusalsSendNothing) {
    using D = TIPProfileForm;
    const auto cases = WithFamilyRefusals<D>(
        {.NoId = "Profile ID must be set.",
         .NoName = "Profile Name must be set.",
         .ListedId = "1",
         .NameBeside = "web",
         .ListedIdText = "There is already a record with the same IP Mask ID. Please modified it.",
         .ListedName = "web",
         .ListedNameText = "There is already a record with the same Name Please modified it.",
         .PastLastId = "9",
         .PastLastIdText = " Please enter a number between 1 and 6!"},
        {
            {"VLAN without its mask", [](D* d) { ChooseOption(d->cbbVlan, "enabled"); },
             "Please enter VLAN Mask."},
            {"empty destination mask",
             [](D* d) {
                 ChooseOption(d->cbbIpAddMaskState, "dst-src-ip-addr");
                 d->edtIpAddMaskSrc->SetText("255.0.0.0");
             },
             "Please enter a valid Mask address"},
            {"malformed source mask",
             [](D* d) {
                 ChooseOption(d->cbbIpAddMaskState, "src-ip-addr");
                 d->edtIpAddMaskSrc->SetText("255.0.0");
             },
             "Please enter a valid Mask address"},
        });
    RunDialog<D>(kCommand, IPProfileForm,
                 [&](D* d) { ExpectAddRefusals<D>(Dialogs, d, d->cbbUseDSCP, FillNewProfile, cases); });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpProfileSim, DeleteSendsDestroyForTheSelectedProfileAndListsTheRestAndWithoutOneSendsNothing) {
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        ClickListRow(d->ListView1, 1);
        ClickControl(d->BT_Delete);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{Oid(19, "2"), SimValue::Int(6)}}}));
        EXPECT_EQ(Ids(d), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(d->BT_Delete->Enabled());
        // Reached with no profile chosen (the family's handler, whatever calls it): no destroy.
        ASSERT_EQ(d->ListView1->Selected(), nullptr);
        d->BT_DeleteClick(nullptr);
        EXPECT_EQ(SetPdus().size(), 1u);
        EXPECT_EQ(Ids(d), (std::vector<std::string>{"1"}));
    });
    EXPECT_FALSE(Agent().Value(Oid(23, "2")).has_value());
}

TEST_F(IpProfileSim, AWriteThatFailsBeforeItIsSentIsReportedInTheStatusLine) {
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        d->Table.Request->AfterCollect.push_back(
            [](VqSNMPVarList&) { throw std::runtime_error("the profile could not be written"); });
        FillNewProfile(d);
        ClickControl(d->BT_Add);
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "the profile could not be written");
        EXPECT_EQ(Ids(d), (std::vector<std::string>{"1", "2"}));
        EXPECT_TRUE(d->BT_Add->Enabled());
        EXPECT_EQ(d->edtProfileID->Text(), "");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpProfileSim, TheFormIsScaledTwiceOffNinetySixDpi) {
    const struct {
        int Dpi;
        int Width;
        int Height;
    } cases[] = {{96, 741, 674}, {120, 1157, 1052}};
    for (const auto& c : cases) {
        ScreenDpi dpi(c.Dpi);
        auto* form = new TIPProfileForm(Application);
        EXPECT_EQ(form->Width(), c.Width) << c.Dpi;
        EXPECT_EQ(form->Height(), c.Height) << c.Dpi;
        delete form;
    }
}

TEST_F(IpProfileSim, TheMenuCommandOpensTheDialog) {
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        EXPECT_EQ(d->Caption(), "ACL IPv4 Profile: " + Agent().Address());
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        ClickControl(d->CloseButton);
    });
}

TEST_F(IpProfileSim, ARefusedWriteGoesToTheMessageBoxAndTheTableIsReadAgain) {
    Agent().InjectError(kEntry, "genErr", SimOp::Set);
    RunDialog<TIPProfileForm>(kCommand, IPProfileForm, [&](TIPProfileForm* d) {
        FillNewProfile(d);
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        ClickControl(d->BT_Add);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Ids(d), (std::vector<std::string>{"1", "2"}));
        EXPECT_TRUE(d->BT_Add->Enabled());
    });
    EXPECT_FALSE(Agent().Value(Oid(19, "3")).has_value());
}

} // namespace ip_profile_form_unit_test
