#include "MulticastForwardingInformationFormUnit.h"

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

namespace multicast_forwarding_information_form_unit_test {

namespace {

constexpr const char* kTitle = "Multicast Forwarding Information";
constexpr const char* kCommand = "MulticastForwardingInformation1Click";
const std::string kEntry = kForwardUnregisteredEntry;

class ForwardUnregisteredSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(BridgeScenario());
    }
    static std::vector<std::string> Vlans(TMulticastForwardingInformationForm* d) {
        std::vector<std::string> vlans;
        for (int i = 0; i < d->LV_dot1qForwardUnregisteredEntry->Items().Count(); ++i) {
            vlans.push_back(d->Table.Request->CellText(d->LV_dot1qForwardUnregisteredEntry->Items()[i], 0));
        }
        return vlans;
    }
    static TCheckBox* Box(TMulticastForwardingInformationForm* d, int picker, int port) {
        return d->Pickers.Pickers.at(static_cast<size_t>(picker))
            ->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static std::vector<int> Ticked(TMulticastForwardingInformationForm* d, int picker) {
        return TickedPorts(d->Pickers.Pickers.at(static_cast<size_t>(picker)));
    }
};

const std::vector<std::string> kAgentVlans = {"1", "10", "20", "30"};

} // namespace

TEST_F(ForwardUnregisteredSim, OpensWithEveryVlanThreePickersOfSixUnitsAndSetDisabled) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TMulticastForwardingInformationForm"),
              missing.end());
    RunDialog<TMulticastForwardingInformationForm>(
        kCommand, MulticastForwardingInformationForm, [&](TMulticastForwardingInformationForm* d) {
            EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
            EXPECT_EQ(d->Width(), 696);
            EXPECT_EQ(d->Height(), 514);
            EXPECT_EQ(Vlans(d), kAgentVlans);
            EXPECT_EQ(d->ST_Count->Caption(), "4");
            EXPECT_FALSE(d->SetBtn->Enabled());
            ASSERT_EQ(d->PageControl1->PageCount(), 3);
            EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Forward Ports");
            EXPECT_EQ(d->PageControl1->Pages(1)->Caption(), "Static Ports");
            EXPECT_EQ(d->PageControl1->Pages(2)->Caption(), "Forbidden Ports");
            // A stand-alone switch, and still the boxes of six units (48-octet lists).
            EXPECT_EQ(d->Pickers.ListOctets(), 48);
            EXPECT_NE(d->StatusBar1->Panels()[0]->Text().find("Ok!"), std::string::npos);
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->LV_dot1qForwardUnregisteredEntry, 1); // VLAN 10
            EXPECT_EQ(Ticked(d, 0), (std::vector<int>{1, 2, 65}));
            EXPECT_EQ(Ticked(d, 1), (std::vector<int>{2, 65}));
            EXPECT_EQ(Ticked(d, 2), (std::vector<int>{}));
            EXPECT_TRUE(d->SetBtn->Enabled());
            for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
                ClickTab(d->PageControl1, page);
                EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
            }
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ForwardUnregisteredSim, SetWritesTheStaticAndForbiddenPortsAsOnePduOfTwoFortyEightOctetLists) {
    RunDialog<TMulticastForwardingInformationForm>(
        kCommand, MulticastForwardingInformationForm, [&](TMulticastForwardingInformationForm* d) {
            ClickListRow(d->LV_dot1qForwardUnregisteredEntry, 1); // VLAN 10
            ClickControl(Box(d, 1, 3));                           // static: port 3 too
            ClickControl(Box(d, 2, 9));                           // forbidden: port 9
            ClickControl(Box(d, 0, 20));                          // all ports are never written
            ClickControl(d->SetBtn);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1)); // the framework's re-read
            const std::string statics = PortListHex("600000000000000080");
            const std::string forbidden = PortListHex("0080");
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                     {kEntry + ".2.10", {"4x", statics}},
                                     {kEntry + ".3.10", {"4x", forbidden}},
                                 }}));
            EXPECT_EQ(Agent().Value(kEntry + ".2.10"), (SimValue{"4x", statics}));
            EXPECT_EQ(Vlans(d), kAgentVlans);
            EXPECT_EQ(d->ST_Count->Caption(), "4");
            EXPECT_FALSE(d->SetBtn->Enabled()); // the re-read left no VLAN chosen
        });
    EXPECT_EQ(Agent().SetLog().size(), 1u);
}

TEST_F(ForwardUnregisteredSim, AVlanWithListsTooShortForThePickersIsReportedUntickedAndCannotBeSet) {
    RunDialog<TMulticastForwardingInformationForm>(
        kCommand, MulticastForwardingInformationForm, [&](TMulticastForwardingInformationForm* d) {
            ClickListRow(d->LV_dot1qForwardUnregisteredEntry, 0); // VLAN 1
            ASSERT_EQ(Ticked(d, 1), (std::vector<int>{1, 2, 3, 4}));
            ClickListRow(d->LV_dot1qForwardUnregisteredEntry, 3); // VLAN 30: 8-octet lists
            EXPECT_EQ(d->LV_dot1qForwardUnregisteredEntry->Selected(),
                      d->LV_dot1qForwardUnregisteredEntry->Items()[3]);
            EXPECT_EQ(d->StatusBar1->Panels()[0]->Text(), MessageOfCode(-519));
            for (int picker = 0; picker < 3; ++picker) {
                EXPECT_TRUE(Ticked(d, picker).empty()) << picker;
            }
            EXPECT_FALSE(d->SetBtn->Enabled());
            d->SetBtnClick(nullptr); // even when reached: nothing to write
            EXPECT_FALSE(d->Table.Request->Busy);

            ClickListRow(d->LV_dot1qForwardUnregisteredEntry, 2); // VLAN 20 shows again
            EXPECT_EQ(Ticked(d, 2), (std::vector<int>{21, 22, 23, 24}));
            EXPECT_TRUE(d->SetBtn->Enabled());
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ForwardUnregisteredSim, RefreshReadsAtOnceEvenDuringAWalkAndLeavesExactlyTheAgentsRows) {
    Agent().SetDelay(kEntry, 150, SimOp::Next);
    RunDialog<TMulticastForwardingInformationForm>(
        kCommand, MulticastForwardingInformationForm,
        [&](TMulticastForwardingInformationForm* d) {
            ASSERT_TRUE(
                WaitFor([d] { return d->LV_dot1qForwardUnregisteredEntry->Items().Count() >= 1; }, 10000));
            ClickListRow(d->LV_dot1qForwardUnregisteredEntry, 0);
            EXPECT_TRUE(d->SetBtn->Enabled());
            ClickControl(d->RefreshBtn);
            EXPECT_FALSE(d->SetBtn->Enabled());
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickControl(d->RefreshBtn);
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(Vlans(d), kAgentVlans);
            EXPECT_EQ(d->ST_Count->Caption(), "4");
            EXPECT_FALSE(d->SetBtn->Enabled());
        },
        {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace multicast_forwarding_information_form_unit_test
