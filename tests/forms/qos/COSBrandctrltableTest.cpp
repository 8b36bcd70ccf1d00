#include "COSBrandctrltable.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "QosScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cos_brandctrltable_test {

namespace {

using namespace qos_scenario;

constexpr const char* kCommand = "CoSBandwidthControlSettings1Click";
constexpr auto& kColumns = Columns::CoSBrandwidthctrlTable;
constexpr int kPort = ColumnOf(kColumns, "Port");
constexpr int kQueue = ColumnOf(kColumns, "Queue ID");
constexpr int kMin = ColumnOf(kColumns, "Minimum Rate");
constexpr int kMax = ColumnOf(kColumns, "Maximum Rate");

class CoSBandwidthSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    void Run(const std::function<void(TCoSBrandwidthctrlForm*)>& test, DialogRun how = {}) {
        RunDialog<TCoSBrandwidthctrlForm>(kCommand, CoSBrandwidthctrlForm, test, {}, how);
    }
    static void Choose(TCoSBrandwidthctrlForm* d, const char* port, const char* queue) {
        const int row = RowWhere(d->Table, {{kPort, port}, {kQueue, queue}});
        ASSERT_GE(row, 0) << port << "." << queue;
        ClickListRow(d->ListView1, row);
    }
};

} // namespace

TEST_F(CoSBandwidthSim, ARateOfZeroIsListedAsNoLimitAndEachChoiceSetsTheBoxesFromItsRow) {
    Run([&](TCoSBrandwidthctrlForm* d) {
        EXPECT_EQ(d->Caption(), "Queue Bandwidth Control Settings: " + Agent().Address());
        EXPECT_EQ(ColumnCells(d->Table, kMin), (std::vector<std::string>{"No Limit", "1000", "No Limit"}));
        EXPECT_EQ(ColumnCells(d->Table, kMax), (std::vector<std::string>{"No Limit", "2000", "1000"}));
        EXPECT_EQ(d->StaticText1->Caption(), "3");
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_FALSE(d->MinEdit->Enabled());
        EXPECT_EQ(d->MinEdit->Text(), " ");
        EXPECT_FALSE(d->CheckBox1->Checked());
        EXPECT_TRUE(CaptionsReadWhole(d));

        Choose(d, "2", "0");
        EXPECT_EQ(d->PortText->Caption(), "2");
        EXPECT_EQ(d->ClassIDText->Caption(), "0");
        EXPECT_TRUE(d->CheckBox1->Checked());
        EXPECT_EQ(d->MinEdit->Text(), "0");
        EXPECT_FALSE(d->MinEdit->Enabled());
        EXPECT_EQ(d->MinEdit->Color(), clBtnFace);
        EXPECT_FALSE(d->CheckBox2->Checked());
        EXPECT_EQ(d->MaxEdit->Text(), "1000");
        EXPECT_TRUE(d->MaxEdit->Enabled());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        // A row with a rate after a "No Limit" one: the box unticked, the rate in the open edit.
        Choose(d, "1", "1");
        EXPECT_FALSE(d->CheckBox1->Checked());
        EXPECT_EQ(d->MinEdit->Text(), "1000");
        EXPECT_TRUE(d->MinEdit->Enabled());
        d->MinEdit->SetText("7");
        Dialogs.Expect("Please input a number between 8 and 10240000.");
        ClickControl(d->EditButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(d->EditButton->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(CoSBandwidthSim, EditChecksBothRatesAndWritesThemInOnePdu) {
    const struct {
        const char* Min; // null: its "No Limit" box ticked
        const char* Max;
        const char* Message; // null: written
        int SentMin;
        int SentMax;
    } cases[] = {
        {"7", "2000", "Please input a number between 8 and 10240000.", 0, 0},
        {"10240001", "2000", "Please input a number between 8 and 10240000.", 0, 0},
        {"1000", "7", "Please input a number between 8 and 10240000.", 0, 0},
        {"", "2000", "Please input a rate number.", 0, 0},
        {"8", "2000", nullptr, 8, 2000},
        {"10240000", "9000", nullptr, 10240000, 9000},
        {nullptr, nullptr, nullptr, 0, 0},
    };
    Run([&](TCoSBrandwidthctrlForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Min ? c.Min : "no limit") + "/" + (c.Max ? c.Max : "no limit"));
            Agent().ClearSetLog();
            Choose(d, "1", "1");
            d->CheckBox1->SetChecked(!c.Min); // an unticked box empties its edit
            d->CheckBox2->SetChecked(!c.Max);
            if (c.Min) {
                d->MinEdit->SetText(c.Min);
            }
            if (c.Max) {
                d->MaxEdit->SetText(c.Max);
            }
            if (c.Message) {
                Dialogs.Expect(c.Message);
                ClickControl(d->EditButton);
                EXPECT_EQ(Dialogs.Pending(), 0);
                EXPECT_TRUE(Agent().SetLog().empty());
                continue;
            }
            const int reads = Reads;
            ClickControl(d->EditButton);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(reads + 1));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kQueueEntry + ".3.1.1", SimValue::Int(c.SentMin)},
                                      {kQueueEntry + ".4.1.1", SimValue::Int(c.SentMax)}}}));
            EXPECT_FALSE(d->EditButton->Enabled());
            EXPECT_EQ(d->ListView1->Selected(), nullptr);
        }
    });
}

TEST_F(CoSBandwidthSim, RefreshDuringTheWalkSaysGetDataNotCompleteAndStopEndsIt) {
    Agent().SetDelay(kQueueEntry, 300, SimOp::Next);
    Run(
        [&](TCoSBrandwidthctrlForm* d) {
            ASSERT_FALSE(d->Table.DataComplete);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->GetButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            ClickControl(d->StopButton);
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_LT(d->ListView1->Items().Count(), 3);
        },
        {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST(QosDialogs, TheProgramRegistersEveryQosDialog) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* dialog :
         {"TCoSBrandwidthctrlForm", "TGARPForm", "TPBridgeConfigForm", "TPortCapabilities8021dForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), dialog), missing.end()) << dialog;
        EXPECT_NE(ProgramDialogs().FindClass(dialog), nullptr) << dialog;
    }
}

} // namespace cos_brandctrltable_test
