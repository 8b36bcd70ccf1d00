#include "LldpNamedListForm.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "LldpTablesScenario.h"
#include "Lldpdot3linkaggtable.h"
#include "Lldpremotetable.h"
#include "TButton.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <set>

namespace lldp_named_list_form_test {

namespace {

using Form = TLldpNamedListForm;
using Cells = std::vector<std::string>;
constexpr auto& kRemote = Columns::LLDPRemoteTable;
constexpr auto& kLinkAgg = Columns::LLDPDot3LinkAggTable;

class LldpNamedListSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(LldpScenario());
    }
    void RunLinkAgg(const std::function<void(Form*)>& test, DialogRun how = {}) {
        RunDialog<TLLDPDot3LinkAggForm>("LinkAggregationTable1Click", LLDPDot3LinkAggForm, test, {}, how);
    }
    void RunRemote(const std::function<void(Form*)>& test) {
        RunDialog<TLLDPRemoteForm>("RemoteTable1Click", LLDPRemoteForm, test);
    }
    static std::string StatusText(Form* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(LldpNamedListSim, TheLinkAggregationStatesAreListedAsNames) {
    RunLinkAgg([&](Form* d) {
        EXPECT_EQ(d->Caption(), "LLDP-Dot3 Local Link Aggregation Table: " + Agent().Address());
        EXPECT_EQ(d->StaticText1->Caption(), "4");
        EXPECT_EQ(ColumnCells(d->Table, ColumnOf(kLinkAgg, "Local Port Number")),
                  (Cells{"1", "2", "3", "4"}));
        EXPECT_EQ(ColumnCells(d->Table, ColumnOf(kLinkAgg, "Link Aggregation State")),
                  (Cells{" aggCapable,aggEnabled", " aggCapable", " aggEnabled", " "}));
        EXPECT_EQ(ColumnCells(d->Table, ColumnOf(kLinkAgg, "Link Aggregation Port ID")),
                  (Cells{"0", "0", "1", "0"}));
        EXPECT_NE(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 0);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(LldpNamedListSim, TheNeighboursKeysComeFromTheInstanceAndTheirCapabilitiesAreNames) {
    RunRemote([&](Form* d) {
        EXPECT_EQ(d->Caption(), "LLDP Remote Table: " + Agent().Address());
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        EXPECT_EQ(d->ListView1->Columns().Count(), 12);
        const int first = RowWhere(d->Table, {{ColumnOf(kRemote, "Local Port Number"), "3"}});
        ASSERT_GE(first, 0);
        const TListItem* row = d->ListView1->Items()[first];
        const auto cell = [&](int column) { return d->Table.Request->CellText(row, column); };
        EXPECT_EQ(cell(ColumnOf(kRemote, "Index")), "1");
        EXPECT_EQ(cell(ColumnOf(kRemote, "Chassis ID Subtype")), "macAddress");
        EXPECT_EQ(cell(ColumnOf(kRemote, "Chassis ID")), "001122334455");
        EXPECT_EQ(cell(ColumnOf(kRemote, "System Name")), "edge-sw2");
        EXPECT_EQ(cell(ColumnOf(kRemote, "System Capabilities Supported")), " bridge,router");
        EXPECT_EQ(cell(ColumnOf(kRemote, "System Capabilities Enabled")), " bridge");
        const int second = RowWhere(
            d->Table, {{ColumnOf(kRemote, "Local Port Number"), "5"}, {ColumnOf(kRemote, "Index"), "2"}});
        ASSERT_GE(second, 0);
        row = d->ListView1->Items()[second];
        EXPECT_NE(cell(ColumnOf(kRemote, "Time Mark")), "");
        EXPECT_NE(cell(ColumnOf(kRemote, "Time Mark")), "0");
        EXPECT_EQ(cell(ColumnOf(kRemote, "System Capabilities Supported")), " other,repeater");
        EXPECT_EQ(cell(ColumnOf(kRemote, "System Capabilities Enabled")), " ");
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 0);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
}

// Refresh during a walk (a slow agent) starts it again at once, without a message; the list then
// holds every port once.
TEST_F(LldpNamedListSim, ARefreshDuringAWalkRestartsItAndListsNoRowTwice) {
    Agent().SetDelay(kLldpLinkAggEntry, 100, SimOp::Next);
    RunLinkAgg(
        [&](Form* d) {
            ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 2; }, 10000));
            ClickControl(d->GetButton);
            ASSERT_TRUE(WaitIdle(d->Table));
            const Cells ports = ColumnCells(d->Table, ColumnOf(kLinkAgg, "Local Port Number"));
            EXPECT_EQ(ports, (Cells{"1", "2", "3", "4"}));
            EXPECT_EQ(d->StaticText1->Caption(), "4");
            Agent().ClearInjections();
        },
        {.WaitFirstRead = false});
}

TEST_F(LldpNamedListSim, AFailedReadIsShownAndAnEmptyTableCountsNothing) {
    RunRemote([&](Form* d) {
        Agent().InjectError(kLldpRemoteEntry, "genErr", SimOp::Next);
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_NE(StatusText(d).find(MessageOfCode(-105)), std::string::npos) << StatusText(d);
        Agent().ClearInjections();
        Agent().LoadScenario("{}");
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(2));
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
        EXPECT_EQ(d->StaticText1->Caption(), "0");
    });
}

} // namespace lldp_named_list_form_test
