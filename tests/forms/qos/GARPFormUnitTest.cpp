#include "GARPFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "QosScenario.h"
#include "TButton.h"
#include "TEdit.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace garp_form_unit_test {

namespace {

using namespace qos_scenario;

constexpr const char* kCommand = "GVRP1Click";
constexpr auto& kColumns = Columns::GARPTable;
constexpr int kPort = ColumnOf(kColumns, "Port Number");
constexpr int kJoin = ColumnOf(kColumns, "Join Time");

class GarpSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    void Run(const std::function<void(TGARPForm*)>& test, DialogRun how = {}) {
        RunDialog<TGARPForm>(kCommand, GARPForm, test, {}, how);
    }
    static void Choose(TGARPForm* d, int port) {
        const int row = RowWhere(d->Table, {{kPort, std::to_string(port)}});
        ASSERT_GE(row, 0) << port;
        ClickListRow(d->LV_dot1dPortGarpEntry, row);
    }
    static std::string Status(TGARPForm* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
    static void Type(TGARPForm* d, const char* join, const char* leave, const char* leaveAll) {
        d->GarpJoinTime->SetText(join);
        d->GarpLeaveTime->SetText(leave);
        d->GarpLeaveAllTime->SetText(leaveAll);
    }
};

} // namespace

TEST_F(GarpSim, SetWritesTheChosenPortsThreeTimersInOnePduAndTheFrameworkReadsAgain) {
    Run([&](TGARPForm* d) {
        EXPECT_EQ(d->Caption(), "802.1p GARP Timer: " + Agent().Address());
        EXPECT_EQ(d->LV_dot1dPortGarpEntry->Items().Count(), kGarpPorts);
        EXPECT_TRUE(CaptionsReadWhole(d));
        Choose(d, 3);
        EXPECT_EQ(d->GarpJoinTime->Text(), std::to_string(JoinTime(3)));
        EXPECT_TRUE(d->GarpJoinTime->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        Type(d, "30", "90", "2000");
        ClickControl(d->SetBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(),
                  (std::vector<std::vector<SimVarBind>>{{{kGarpEntry + ".1.3", SimValue::Int(30)},
                                                         {kGarpEntry + ".2.3", SimValue::Int(90)},
                                                         {kGarpEntry + ".3.3", SimValue::Int(2000)}}}));
        EXPECT_EQ(ColumnCells(d->Table, kJoin).at(2), "30");
        EXPECT_TRUE(d->Table.DataComplete);
    });
}

TEST_F(GarpSim, ASecondSetBeforeTheReplyAndASetWithoutAPortSendNothing) {
    Agent().SetDelay(kGarpEntry, 300, SimOp::Set);
    Run([&](TGARPForm* d) {
        ClickControl(d->SetBtn); // no port chosen
        Application->ProcessMessages();
        EXPECT_TRUE(d->Table.DataComplete);
        Choose(d, 4);
        Type(d, "40", "120", "1500");
        ClickControl(d->SetBtn);
        EXPECT_FALSE(d->Table.DataComplete);
        ClickControl(d->SetBtn); // refused without a word until the reply
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(Agent().SetLog().size(), 1u);
    });
}

TEST_F(GarpSim, ARefusedSetShowsItsErrorAndLeavesTheDialogUsable) {
    Run([&](TGARPForm* d) {
        Agent().InjectError(kGarpEntry, "genErr", SimOp::Set);
        Choose(d, 2);
        Type(d, "30", "90", "2000");
        ClickControl(d->SetBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_NE(Status(d).find(MessageOfCode(-105)), std::string::npos) << Status(d);
        EXPECT_EQ(Reads, 0);

        Agent().ClearInjections();
        Agent().ClearSetLog();
        Choose(d, 2);
        Type(d, "31", "90", "2000");
        ClickControl(d->SetBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(Agent().SetLog().front().Status, "noError");
    });
}

TEST_F(GarpSim, AClickDuringTheFirstWalkStopsItAndKeepsTheRowsReadSoFar) {
    Agent().SetDelay(kGarpEntry, 60, SimOp::Next);
    Run(
        [&](TGARPForm* d) {
            ASSERT_TRUE(WaitFor([d] { return d->LV_dot1dPortGarpEntry->Items().Count() >= 2; }, 10000));
            ClickListRow(d->LV_dot1dPortGarpEntry, 0);
            EXPECT_TRUE(d->Table.DataComplete);
            EXPECT_FALSE(d->Table.Request->Busy);
            const int listed = d->LV_dot1dPortGarpEntry->Items().Count();
            EXPECT_LT(listed, kGarpPorts);
            EXPECT_NE(Status(d).find("Stop, SNMP Request is not active."), std::string::npos) << Status(d);
            EXPECT_EQ(d->LV_dot1dPortGarpEntry->Items().Count(), listed);
        },
        {.WaitFirstRead = false});
}

} // namespace garp_form_unit_test
