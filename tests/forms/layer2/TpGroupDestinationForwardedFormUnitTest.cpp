#include "TpGroupDestinationForwardedFormUnit.h"

#include "BridgeScenario.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
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

#include <algorithm>

namespace tp_group_destination_forwarded_form_unit_test {

namespace {

constexpr const char* kTitle = "Tp Group Destination Forwarded";
constexpr const char* kCommand = "TpGroupDestinationForwarded1Click";

class TpGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(BridgeScenario());
    }
    static std::vector<std::string> Cells(TTpGroupDestinationForwardedForm* d, int column) {
        std::vector<std::string> cells;
        for (int i = 0; i < d->LV_dot1qTpGroupEntry->Items().Count(); ++i) {
            cells.push_back(d->Table.Request->CellText(d->LV_dot1qTpGroupEntry->Items()[i], column));
        }
        return cells;
    }
    static std::vector<int> Ticked(TTpGroupDestinationForwardedForm* d, int picker) {
        return TickedPorts(d->Pickers.Pickers.at(static_cast<size_t>(picker)));
    }
};

} // namespace

TEST_F(TpGroupSim, ListsTheGroupsWithHexPortCellsAndShowsASelectedOnesPortsInThePickers) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TTpGroupDestinationForwardedForm"), missing.end());
    RunDialog<TTpGroupDestinationForwardedForm>(
        kCommand, TpGroupDestinationForwardedForm, [&](TTpGroupDestinationForwardedForm* d) {
            EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
            EXPECT_EQ(d->Width(), 696);
            EXPECT_EQ(d->Height(), 460);
            EXPECT_EQ(Cells(d, 0), (std::vector<std::string>{"1", "10", "20"}));
            EXPECT_EQ(d->StaticText1->Caption(), "3");
            // The port columns are plain octet strings: hex text, two upper-case digits an octet.
            EXPECT_EQ(Cells(d, 2),
                      (std::vector<std::string>{PortListHex("E00000"), PortListHex("0000C0000000000040"),
                                                PortListHex("80", 8)}));
            EXPECT_EQ(Cells(d, 3)[0], PortListHex("200000"));
            ASSERT_EQ(d->PageControl1->PageCount(), 2);
            EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Egress Ports");
            EXPECT_EQ(d->PageControl1->Pages(1)->Caption(), "GMRP Learning Ports");
            EXPECT_EQ(d->Pickers.ListOctets(), 48);
            EXPECT_TRUE(CaptionsReadWhole(d));
            for (int i = 0; i < d->ComponentCount(); ++i) { // read-only: nothing to write with
                auto* button = dynamic_cast<TButton*>(d->Components(i));
                EXPECT_TRUE(!button || button->Caption() != "Set");
            }

            const struct {
                int Row;
                std::vector<int> Egress;
                std::vector<int> Learnt;
            } cases[] = {
                {0, {1, 2, 3}, {3}},
                {1, {17, 18, 66}, {}},
            };
            for (const auto& c : cases) {
                ClickListRow(d->LV_dot1qTpGroupEntry, c.Row);
                EXPECT_EQ(Ticked(d, 0), c.Egress) << c.Row;
                EXPECT_EQ(Ticked(d, 1), c.Learnt) << c.Row;
            }
            for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
                ClickTab(d->PageControl1, page);
                EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
            }
            ClickTab(d->PageControl1, 0);

            // A group of 8-octet strings after another: reported, both pickers unticked.
            ClickListRow(d->LV_dot1qTpGroupEntry, 0);
            ClickListRow(d->LV_dot1qTpGroupEntry, 2);
            EXPECT_EQ(d->StatusBar1->Panels()[0]->Text(), MessageOfCode(-519));
            EXPECT_TRUE(Ticked(d, 0).empty());
            EXPECT_TRUE(Ticked(d, 1).empty());

            ClickControl(d->RefreshBtn);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(Cells(d, 0), (std::vector<std::string>{"1", "10", "20"}));
            EXPECT_EQ(d->StaticText1->Caption(), "3");
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace tp_group_destination_forwarded_form_unit_test
