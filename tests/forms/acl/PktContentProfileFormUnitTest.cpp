#include "PktContentProfileFormUnit.h"

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
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pkt_content_profile_form_unit_test {

namespace {

using D = TPktContentProfileForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "PayloadMaskInformation1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.2.8.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class PktContentProfileSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kPktContentProfileScenario);
    }
    // Profile 2 "pc2" with chunk 1 enabled (value 5, mask FFFF0000) and chunks 2 to 4 disabled.
    static void FillNewProfile(D* d) {
        d->edtProfileID->SetText("2");
        d->edtProfileName->SetText("pc2");
        for (TComboBox* state : {d->cbbChunk2State, d->cbbChunk3State, d->cbbChunk4State}) {
            ChooseOption(state, "disabled");
        }
        ChooseOption(d->cbbChunk1State, "enabled");
        d->edtChunk1Value->SetText("5");
        d->edtChunk1Offset->SetText("FFFF0000");
    }
};

} // namespace

TEST_F(PktContentProfileSim, TheMenuCommandOpensTheProfilesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TPktContentProfileForm"), missing.end());
    RunDialog<D>(kCommand, PktContentProfileForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), "ACL Packet Content Profile: " + Agent().Address());
        EXPECT_EQ(d->Width(), 724);
        EXPECT_EQ(d->Height(), 533);
        EXPECT_EQ(d->ListView1->Columns().Count(), 17);
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "3"}));
        EXPECT_EQ(d->Static->Caption(), "2");
        // A new dialog: the four chunks disabled, their values and masks with them.
        EXPECT_EQ(d->cbbChunk1State->Text(), "disabled");
        EXPECT_FALSE(d->edtChunk1Value->Enabled());
        EXPECT_FALSE(d->edtChunk4Offset->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, 1);
        EXPECT_EQ(d->edtChunk2Value->Text(), "8");
        EXPECT_EQ(d->edtChunk2Offset->Text(), "0000FFFF");
        EXPECT_TRUE(d->edtChunk2Offset->Enabled());
        EXPECT_FALSE(d->edtChunk3Value->Enabled());
        EXPECT_FALSE(d->edtProfileID->Enabled());
        EXPECT_TRUE(d->btnDelete->Enabled());
        EXPECT_FALSE(d->btnAdd->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The chunk states, the enabled chunk's value and 4-octet mask, the row status and the name: no
// value or mask of a disabled chunk.
TEST_F(PktContentProfileSim, AddSendsTheEnabledChunksValueAndMaskAndNoDisabledChunksOnes) {
    RunDialog<D>(kCommand, PktContentProfileForm, [&](D* d) {
        FillNewProfile(d);
        ClickControl(d->btnAdd);
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(2, "2"), SimValue::Int(1)},
                                    {Oid(3, "2"), SimValue::Int(5)},
                                    {Oid(4, "2"), Hex("FFFF0000")},
                                    {Oid(5, "2"), SimValue::Int(2)},
                                    {Oid(8, "2"), SimValue::Int(2)},
                                    {Oid(11, "2"), SimValue::Int(2)},
                                    {Oid(14, "2"), SimValue::Int(4)},
                                    {Oid(17, "2"), SimValue::Octets("pc2")}}}));
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_TRUE(d->btnAdd->Enabled());
        EXPECT_EQ(d->edtProfileID->Text(), "");
    });
    EXPECT_EQ(Agent().Value(Oid(14, "2")), SimValue::Int(1));
}

// A lower-case mask passes the check and goes out as its octets.
TEST_F(PktContentProfileSim, ALowerCaseMaskIsAccepted) {
    RunDialog<D>(kCommand, PktContentProfileForm, [&](D* d) {
        FillNewProfile(d);
        d->edtChunk1Offset->SetText("ffff00");
        ClickControl(d->btnAdd);
        ASSERT_EQ(SetPdus().size(), 1u);
        EXPECT_EQ(SetPdus()[0][2], (SimVarBind{Oid(4, "2"), Hex("FFFF00")}));
    });
}

TEST_F(PktContentProfileSim, AddRefusalsShowTheirTextsFocusTheirFieldAndSendNothing) {
    const auto chunk2 = [](D* d) {
        ChooseOption(d->cbbChunk2State, "enabled");
        d->edtChunk2Value->SetText("7");
        d->edtChunk2Offset->SetText("0000FFFF");
    };
    const std::vector<AddRefusal<D>> cases = {
        {"no ID", [](D* d) { d->edtProfileID->SetText(""); }, "Profile ID must be set.", &D::edtProfileID},
        {"no name", [](D* d) { d->edtProfileName->SetText(""); }, "Profile Name must be set.",
         &D::edtProfileName},
        {"an enabled chunk without a value",
         [&](D* d) {
             chunk2(d);
             d->edtChunk2Value->SetText("");
         },
         "Please specify Chunk 2 Value.", &D::edtChunk2Value},
        {"an enabled chunk without a mask",
         [&](D* d) {
             chunk2(d);
             d->edtChunk2Offset->SetText("");
         },
         "Please specify Chunk 2 Offset.", &D::edtChunk2Offset},
        {"no chunk enabled", [](D* d) { ChooseOption(d->cbbChunk1State, "disabled"); },
         "Please specify at least one Chunk."},
    };
    RunDialog<D>(kCommand, PktContentProfileForm,
                 [&](D* d) { ExpectAddRefusals<D>(Dialogs, d, d->BT_Get, FillNewProfile, cases); });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The mask edits take hexadecimal digits alone, at most 8: the check refuses what text put there
// by code could still hold.
TEST(CheckChunkMaskText, TakesUpToEightHexadecimalDigitsOfEitherCase) {
    const struct {
        const char* Text;
        bool Accepted;
    } cases[] = {{"", true},          {"FFFF0000", true},  {"ffff0000", true},   {"0aB", true},
                 {"FFFFFFFG", false}, {"G0000000", false}, {"123456789", false}, {"12 4", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(CheckChunkMaskText(c.Text), c.Accepted) << c.Text;
    }
}

TEST_F(PktContentProfileSim, AnAddTheSwitchRefusesIsShownAndTheListReadAgain) {
    Agent().InjectError(kEntry, "genErr", SimOp::Set);
    RunDialog<D>(kCommand, PktContentProfileForm, [&](D* d) {
        FillNewProfile(d);
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        ClickControl(d->btnAdd);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_EQ(Reads, 1);
        EXPECT_EQ(ListedIds(d->ListView1), (std::vector<std::string>{"1", "3"}));
    });
    EXPECT_FALSE(Agent().Value(Oid(14, "2")).has_value());
}

// Delete sends destroy alone and ends in list mode, whether the switch takes it or refuses it.
TEST_F(PktContentProfileSim, DeleteSendsDestroyAloneAndEndsInListModeEvenWhenRefused) {
    for (const bool refused : {true, false}) {
        SCOPED_TRACE(refused);
        if (refused) {
            Agent().InjectError(kEntry, "genErr", SimOp::Set);
        }
        RunDialog<D>(kCommand, PktContentProfileForm, [&](D* d) {
            ClickListRow(d->ListView1, 1);
            if (refused) {
                Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
            }
            ClickControl(d->btnDelete);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(SetPdus(), (Pdus{{{Oid(14, "3"), SimValue::Int(6)}}}));
            EXPECT_FALSE(d->btnDelete->Enabled());
            EXPECT_TRUE(d->btnAdd->Enabled());
            const std::vector<std::string> left =
                refused ? std::vector<std::string>{"1", "3"} : std::vector<std::string>{"1"};
            EXPECT_EQ(ListedIds(d->ListView1), left);
        });
        Agent().ClearInjections();
    }
}

} // namespace pkt_content_profile_form_unit_test
