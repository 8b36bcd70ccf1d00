#include "TrafficForwardUnit1.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogTexts.h"
#include "FormsSimTest.h"
#include "PickerTicks.h"
#include "PortSecurityScenario.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace traffic_forward_unit1_test {

namespace {

using port_security_scenario::PortList;
using port_security_scenario::SegmentationEntry;
using port_security_scenario::SysObjectIdOf;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "TrafficSegmentationTable1Click";
constexpr int kPortColumn = ColumnOf(Columns::TrafficSegmentationTable, "Port");

class TrafficSegmentationSim : public FormsSimTest {
protected:
    void Load(bool stacked, int model = 6) {
        WritableFacts().StackMode = stacked ? "enabled" : "disabled";
        WritableFacts().SysObjectId = SysObjectIdOf(model);
        Agent().LoadScenario(port_security_scenario::Scenario(stacked, model));
    }
    void SetUp() override {
        FormsSimTest::SetUp();
        Load(false);
    }
    void Run(const std::function<void(TTrafficSegmentationForm*)>& test, DialogRun how = {}) {
        RunDialog<TTrafficSegmentationForm>(kCommand, test, {}, how);
    }
    static int Row(TTrafficSegmentationForm* d, int port) {
        return RowWhere(d->Table, {{kPortColumn, std::to_string(port)}});
    }
    static TStackingPortUitForm* Picker(TTrafficSegmentationForm* d) { return d->Pickers.Pickers.at(0); }
};

} // namespace

TEST_F(TrafficSegmentationSim, WalksTheModelsTableAndShowsTheChosenPortsUnitAndPort) {
    const struct {
        int Port;
        const char* Unit;
        const char* UnitPort;
    } cases[] = {{3, "1", "3"}, {64, "1", "64"}, {65, "2", "1"}, {129, "3", "1"}};
    Run([&](TTrafficSegmentationForm* d) {
        EXPECT_EQ(d->Caption(), "Traffic Segmentation Table: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Request.VarList.GetVariable(kPortColumn).Oid,
                  SegmentationEntry(6) + ".1");
        EXPECT_EQ(d->LV_TrafficForward->Items().Count(), 31);
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Ports");
        EXPECT_FALSE(d->BT_Set->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Port);
            ClickListRow(d->LV_TrafficForward, Row(d, c.Port));
            EXPECT_EQ(d->Combo_Unit->Text(), c.Unit);
            EXPECT_EQ(d->Combo_Port->Text(), c.UnitPort);
            EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{1}));
            EXPECT_TRUE(d->BT_Set->Enabled());
        }
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(TrafficSegmentationSim, SetWritesTheForwardingListAloneAndTheTableIsReadAgain) {
    for (const bool stacked : {false, true}) {
        SCOPED_TRACE(stacked);
        Load(stacked);
        Run([&](TTrafficSegmentationForm* d) {
            ClickListRow(d->LV_TrafficForward, Row(d, 3));
            ClickControl(Picker(d)->PortBoxes[1]);
            ClickControl(d->BT_Set);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(),
                      (Pdus{{{SegmentationEntry(6) + ".2.3", {"4x", PortList(stacked, {1, 2})}}}}));
            EXPECT_EQ(d->Combo_Unit->Text(), "");
            EXPECT_TRUE(TickedPorts(Picker(d)).empty());
            EXPECT_FALSE(d->BT_Set->Enabled());
            ClickListRow(d->LV_TrafficForward, Row(d, 3));
            EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{1, 2}));
        });
    }
}

TEST_F(TrafficSegmentationSim, ASecondSetBeforeTheReReadAndARefreshDuringAWalkAreRefused) {
    Run([&](TTrafficSegmentationForm* d) {
        Agent().SetDelay(SegmentationEntry(6), 300, SimOp::Set);
        ClickListRow(d->LV_TrafficForward, Row(d, 3));
        ClickControl(d->BT_Set);
        ClickListRow(d->LV_TrafficForward, Row(d, 4));
        Dialogs.Expect(DialogText::kGetDataNotComplete);
        ClickControl(d->BT_Set);
        EXPECT_EQ(Dialogs.Pending(), 0);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus().size(), 1u);

        Agent().ClearInjections();
        Agent().SetDelay(SegmentationEntry(6), 100, SimOp::Next);
        ClickControl(d->BT_Get);
        Dialogs.Expect("Refresh not complete");
        ClickControl(d->BT_Get);
        EXPECT_EQ(Dialogs.Pending(), 0);
        Agent().ClearInjections(); // the rest of the walk at full speed
        ASSERT_TRUE(WaitReads(2));
    });
}

TEST_F(TrafficSegmentationSim, AnUnknownModelHasNoTableAndSendsNothing) {
    Load(false, 9);
    Run([&](TTrafficSegmentationForm* d) {
        EXPECT_EQ(d->StatusBar1->Panels()[0]->Text(), DialogText::kUnsupportedModel);
        EXPECT_EQ(d->LV_TrafficForward->Items().Count(), 0);
        EXPECT_FALSE(d->BT_Set->Enabled());
        ClickControl(d->BT_Get);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace traffic_forward_unit1_test
