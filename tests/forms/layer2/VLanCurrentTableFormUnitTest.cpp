#include "VLanCurrentTableFormUnit.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace v_lan_current_table_form_unit_test {

namespace {

constexpr const char* kTitle = "802.1Q Current VLAN Table";
constexpr const char* kCommand = "CurrentForm1Click";
const std::string kEntry = "1.3.6.1.2.1.17.7.1.4.2.1";

// A 48-octet port list: the given leading octets, the rest zero.
std::string List48(const std::string& head) {
    return head + std::string(96 - head.size(), '0');
}

// A row of the current table (time mark 0) with the port lists as given.
std::string Row(const char* vlan, const std::string& egress, const std::string& untagged) {
    return std::string(R"([")") + "0." + vlan + R"(", )" + vlan + R"(, ")" + egress + R"(", ")" + untagged +
           R"(", 2, 1000])";
}

// Five VLAN deletions and VLANs 1, 10 and 20 with 48-octet port lists, as a switch answers whatever
// its stack mode, then `moreRows`. VLAN 10 also holds port 65, beyond a stand-alone switch's boxes.
std::string Scenario(const std::string& moreRows = "") {
    return R"({"objects": [["1.3.6.1.2.1.17.7.1.4.1.0", "counter", 5]],
  "tables": [{"entry": "1.3.6.1.2.1.17.7.1.4.2.1",
    "columns": [[3, "gauge"], [4, "hex"], [5, "hex"], [6, "int"], [7, "timeticks"]],
    "rows": [)" +
           Row("1", List48("FFFFFF"), List48("FFFFFF")) + ", " +
           Row("10", List48("C00000000000000080"), List48("4000000000000000")) + ", " +
           Row("20", List48("0000010000000001"), List48("")) + moreRows + "]}]}";
}

class VLanCurrentTableSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static std::vector<std::string> VlanIndexes(TVLanCurrentTableForm* d) {
        std::vector<std::string> ids;
        for (int i = 0; i < d->LV_dot1qVlanCurrentEntry->Items().Count(); ++i) {
            ids.push_back(d->LV_dot1qVlanCurrentEntry->Items()[i]->SubItems()[0]);
        }
        return ids;
    }
    static TStackingPortUitForm* Picker(TVLanCurrentTableForm* d, int picker) {
        return d->Pickers.Pickers.at(static_cast<size_t>(picker));
    }
    static std::vector<int> Ticked(TVLanCurrentTableForm* d, int picker) {
        return TickedPorts(d->Pickers.Pickers.at(static_cast<size_t>(picker)));
    }
    static bool AnyBoxEnabled(TVLanCurrentTableForm* d) {
        for (int p = 0; p < 2; ++p) {
            for (TCheckBox* box : Picker(d, p)->PortBoxes) {
                if (box->Enabled()) {
                    return true;
                }
            }
        }
        return false;
    }
};

} // namespace

TEST_F(VLanCurrentTableSim, ListsTheAgentsVlansAndShowsASelectedOnesPortsInDisabledPickers) {
    RunDialog<TVLanCurrentTableForm>(kCommand, VLanCurrentTableForm, [&](TVLanCurrentTableForm* d) {
        ASSERT_TRUE(WaitIdle(d->Deletes));
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(VlanIndexes(d), (std::vector<std::string>{"1", "10", "20"}));
        EXPECT_EQ(d->ST_Count2->Caption(), "3");
        EXPECT_EQ(d->VlanNumDeletes->Caption(), "5");
        EXPECT_EQ(d->StaticText1->Caption(), "");
        ASSERT_EQ(d->PageControl1->PageCount(), 2);
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Egress Ports");
        EXPECT_EQ(d->PageControl1->Pages(1)->Caption(), "Untagged Ports");
        // A stand-alone switch: 64 boxes bound (8 octets), filled from the list's octets 0-7; the
        // bit of port 65 in VLAN 10's list ticks no box.
        EXPECT_EQ(d->Pickers.ListOctets(), 8);
        EXPECT_FALSE(AnyBoxEnabled(d));
        for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }
        ClickTab(d->PageControl1, 0);

        const struct {
            int Row;
            const char* Index;
            std::vector<int> Egress;
            std::vector<int> Untagged;
        } cases[] = {
            {1, "10", {1, 2}, {2}},
            {2, "20", {24, 64}, {}},
            {0, "1",
             [] {
                 std::vector<int> v;
                 for (int p = 1; p <= 24; ++p)
                     v.push_back(p);
                 return v;
             }(),
             [] {
                 std::vector<int> v;
                 for (int p = 1; p <= 24; ++p)
                     v.push_back(p);
                 return v;
             }()},
        };
        for (const auto& c : cases) {
            ClickListRow(d->LV_dot1qVlanCurrentEntry, c.Row);
            EXPECT_EQ(d->StaticText1->Caption(), c.Index);
            EXPECT_EQ(Ticked(d, 0), c.Egress) << c.Index;
            EXPECT_EQ(Ticked(d, 1), c.Untagged) << c.Index;
            EXPECT_FALSE(AnyBoxEnabled(d)) << c.Index;
        }
        // A click on a box changes nothing: the pickers only show.
        ClickControl(Picker(d, 0)->PortBoxes[30]);
        EXPECT_FALSE(Picker(d, 0)->PortBoxes[30]->Checked());

        ClickControl(d->RefreshBtn);
        ASSERT_TRUE(WaitIdle(d->Table));
        ASSERT_TRUE(WaitIdle(d->Deletes));
        EXPECT_EQ(VlanIndexes(d), (std::vector<std::string>{"1", "10", "20"}));
        EXPECT_EQ(d->ST_Count2->Caption(), "3");
        EXPECT_EQ(d->StaticText1->Caption(), "");
        EXPECT_TRUE(Ticked(d, 0).empty());
        EXPECT_TRUE(Ticked(d, 1).empty());
        EXPECT_FALSE(AnyBoxEnabled(d));
    });
    // Opening, Refresh, selecting and closing write nothing.
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VLanCurrentTableSim, RefreshDuringAWalkStartsNoSecondRead) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<TVLanCurrentTableForm>(
        kCommand, VLanCurrentTableForm,
        [&](TVLanCurrentTableForm* d) {
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickControl(d->RefreshBtn);
            ClickControl(d->RefreshBtn);
            ASSERT_TRUE(WaitFor([d] { return d->Table.DataComplete; }, 20000));
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(Reads, 1); // the first walk alone
            EXPECT_EQ(VlanIndexes(d), (std::vector<std::string>{"1", "10", "20"}));
            EXPECT_EQ(d->ST_Count2->Caption(), "3");
            EXPECT_FALSE(AnyBoxEnabled(d));
        },
        {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VLanCurrentTableSim, AVlanWithListsTooShortForThePickersIsReportedAndLeavesEveryPageUnticked) {
    // VLAN 30's lists hold 4 octets, where the boxes of a stand-alone switch need 8.
    Agent().LoadScenario(Scenario(", " + Row("30", "FFFF0000", "0F000000")));
    RunDialog<TVLanCurrentTableForm>(kCommand, VLanCurrentTableForm, [&](TVLanCurrentTableForm* d) {
        ASSERT_EQ(VlanIndexes(d), (std::vector<std::string>{"1", "10", "20", "30"}));
        ClickListRow(d->LV_dot1qVlanCurrentEntry, 0); // VLAN 1: ports 1-24 on both pages
        ASSERT_EQ(Ticked(d, 1).size(), 24u);
        ClickListRow(d->LV_dot1qVlanCurrentEntry, 3); // no message box
        EXPECT_EQ(d->LV_dot1qVlanCurrentEntry->Selected(), d->LV_dot1qVlanCurrentEntry->Items()[3]);
        EXPECT_EQ(d->StatusBar1->Panels()[0]->Text(), MessageOfCode(-519));
        EXPECT_TRUE(Ticked(d, 0).empty());
        EXPECT_TRUE(Ticked(d, 1).empty());
        EXPECT_FALSE(AnyBoxEnabled(d));

        ClickListRow(d->LV_dot1qVlanCurrentEntry, 2); // VLAN 20 shows again
        EXPECT_EQ(d->StaticText1->Caption(), "20");
        EXPECT_EQ(Ticked(d, 0), (std::vector<int>{24, 64}));
        EXPECT_TRUE(Ticked(d, 1).empty());
    });
    // The dialog has no write: selecting a VLAN the pickers cannot show sends nothing either.
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace v_lan_current_table_form_unit_test
