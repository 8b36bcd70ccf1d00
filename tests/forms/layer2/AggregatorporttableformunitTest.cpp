#include "Aggregatorporttableformunit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TrunkScenario.h"

#include <gtest/gtest.h>

namespace aggregatorporttableformunit_test {

namespace {

using D = TAggregatorPortTableForm;
constexpr const char* kTitle = "802.3ad Aggregator Ports Table";
constexpr const char* kCommand = "AggreatorPortTable1Click";
constexpr int kPort = ColumnOf(Columns::AggregatorPortTable, "Port Index");
const std::string kEntry = kLagPortEntry;

// The boxes of a tab (0: actor admin, 2: partner admin) that are ticked, by their captions.
std::vector<std::string> Ticked(D* d, int tab) {
    std::vector<std::string> bits;
    for (size_t k = 0; k < 8; ++k) {
        TCheckBox* box = d->CheckBoxes[static_cast<size_t>(tab) * 8 + k];
        if (box->Checked()) {
            bits.push_back(box->Caption());
        }
    }
    return bits;
}

class AggregatorPortSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(TrunkScenario());
    }
};

} // namespace

TEST_F(AggregatorPortSim, OpensWithEveryPortAndTheAdministrativeStatesAsBits) {
    RunDialog<D>(kCommand, AggregatorPortTableForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(ColumnCells(d->Table, kPort), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(d->ListView1->Columns().Count(), 24);
        EXPECT_EQ(d->StaticText1->Caption(), "3");
        EXPECT_FALSE(d->btnEdit->Enabled());
        ASSERT_EQ(d->PageControl1->PageCount(), 4);
        EXPECT_FALSE(d->TabSheet2->TabVisible());
        EXPECT_FALSE(d->TabSheet4->TabVisible());
        EXPECT_EQ(d->FindComponent("CheckBox17"), d->CheckBoxes[16]);
        EXPECT_TRUE(d->CheckBoxes[0]->Enabled()); // usable after the walk, kind 2 or not
        for (int page : {0, 2}) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }

        ClickListRow(d->ListView1, 0); // actor administrative state 0x45
        EXPECT_EQ(Ticked(d, 0), (std::vector<std::string>{"lacpTimeout", "distributing", "expired"}));
        EXPECT_EQ(d->edtActorKey->Text(), "1");
        EXPECT_TRUE(d->btnEdit->Enabled());
        ClickListRow(d->ListView1, 1); // 0xBC
        EXPECT_EQ(Ticked(d, 0), (std::vector<std::string>{"lacpActivity", "aggregation", "synchronisation",
                                                          "collecting", "distributing"}));
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(AggregatorPortSim, EditWritesTheFiveAdministrativeValuesOfTheChosenPort) {
    RunDialog<D>(kCommand, AggregatorPortTableForm, [&](D* d) {
        ClickListRow(d->ListView1, 1);
        for (size_t k = 16; k < 24; ++k) {
            d->CheckBoxes[k]->SetChecked(k == 18); // only aggregation on the partner tab
        }
        d->edtActorKey->SetText("7");
        d->edtPartnerID->SetText("02AB34CD56EF");
        d->edtPartnerKey->SetText("9");
        ClickControl(d->btnEdit);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".4.2", SimValue::Int(7)},
                                 {kEntry + ".8.2", {"4x", "02AB34CD56EF"}},
                                 {kEntry + ".10.2", SimValue::Int(9)},
                                 {kEntry + ".20.2", {"4x", "BC"}},
                                 {kEntry + ".22.2", {"4x", "20"}},
                             }}));
        EXPECT_FALSE(d->btnEdit->Enabled());
    });
}

TEST_F(AggregatorPortSim, ThePartnerSystemIdIsTwelveHexDigitsAndAnEmptiedKeyIsNotSent) {
    const struct {
        const char* Id;
        bool Passes;
    } cases[] = {{"02AB34CD56EF", true}, {"02ab34cd56ef", true},  {"02-AB-34-CD-56-EF", false},
                 {"02AB34CD56E", false}, {"02AB34CD56EG", false}, {"", false}};
    RunDialog<D>(kCommand, AggregatorPortTableForm, [&](D* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Id);
            Agent().ClearSetLog();
            ClickListRow(d->ListView1, 2);
            d->edtActorKey->SetText(""); // emptied: left out, not written as key 0
            d->edtPartnerID->SetText(c.Id);
            if (!c.Passes) {
                Dialogs.Expect("Invalid MAC address");
            }
            ClickControl(d->btnEdit);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (c.Passes) {
                ASSERT_TRUE(WaitForSets(1));
                ASSERT_TRUE(WaitIdle(d->Table));
                const auto pdus = SetPdus();
                ASSERT_EQ(pdus.size(), 1u);
                EXPECT_EQ(pdus[0].size(), 4u);
                EXPECT_EQ(pdus[0][0].Oid, kEntry + ".8.3");
            } else {
                EXPECT_TRUE(Agent().SetLog().empty());
                d->edtPartnerID->SetText("");
            }
        }
    });
}

TEST_F(AggregatorPortSim, DuringAWalkEditAndCloseAreRefusedUntilStopEndsIt) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<D>(kCommand, AggregatorPortTableForm,
                 [&](D* d) {
                     ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
                     ClickListRow(d->ListView1, 0);
                     Dialogs.Expect("Get data not complete");
                     ClickControl(d->btnEdit);
                     Dialogs.Expect("Get data not complete");
                     ClickControl(d->btnClose);
                     Application->ProcessMessages();
                     EXPECT_EQ(d->ModalResult(), mrNone);
                     ClickControl(d->btnStop);
                     ASSERT_TRUE(WaitFor([d] { return d->Table.DataComplete; }, 10000));
                     EXPECT_TRUE(d->CheckBoxes[0]->Enabled());
                     ClickControl(d->btnClose);
                 },
                 {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace aggregatorporttableformunit_test
