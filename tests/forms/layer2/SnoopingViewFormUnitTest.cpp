#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "IGMPSnoopingForwardingFormUnit.h"
#include "IGMPSnoopingGroupFormUnit.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace snooping_view_form_unit_test {

namespace {

class SnoopingViewSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static std::vector<std::string> Vlans(TSnoopingViewForm* d) {
        std::vector<std::string> vlans;
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            vlans.push_back(d->ListView1->Items()[i]->Caption());
        }
        return vlans;
    }
    static bool AnyBoxEnabled(TSnoopingViewForm* d) {
        for (const TStackingPortUitForm* picker : d->Pickers.Pickers) {
            for (const TCheckBox* box : picker->PortBoxes) {
                if (box->Enabled()) {
                    return true;
                }
            }
        }
        return false;
    }
    static void ExpectPagesReadWhole(TSnoopingViewForm* d, const char* state) {
        for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << state << ", page " << page;
        }
    }
};

} // namespace

TEST_F(SnoopingViewSim, AForwardingRowShowsItsKeysFromTheInstanceAndItsPortsUnchangeable) {
    RunDialog<TIGMPSnoopingForwardingForm>(
        "ForwardingTable2Click", IGMPSnoopingForwardingForm, [&](TIGMPSnoopingForwardingForm* d) {
            EXPECT_EQ(d->Caption(), "IGMP Snooping Forwarding Table: " + Agent().Address());
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_FALSE(AnyBoxEnabled(d));
            ExpectPagesReadWhole(d, "no row");
            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->stVID->Caption(), "10");
            EXPECT_EQ(d->edtIPAddress->Text(), "192.168.1.5");
            EXPECT_EQ(d->edtMAC->Text(), "239.1.1.1");
            EXPECT_TRUE(d->edtIPAddress->ReadOnly());
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1, 2}));
            EXPECT_FALSE(AnyBoxEnabled(d));
            ExpectPagesReadWhole(d, "row chosen");

            // A Refresh during a walk restarts it; each row is listed once.
            Agent().SetDelay(kIgmpForwardingEntry, 150, SimOp::Next);
            ClickControl(d->btnGet);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitFor([&] { return Reads >= 1 && !d->Table.Request->Busy; }, 10000));
            EXPECT_EQ(Vlans(d), (std::vector<std::string>{"10", "20"}));
            EXPECT_EQ(d->stVID->Caption(), "");
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(SnoopingViewSim, AGroupRowShowsItsAddressesTimesAndThreePortListsReadOnly) {
    RunDialog<TIGMPSnoopingGroupForm>(
        "GroupTable1Click", IGMPSnoopingGroupForm, [&](TIGMPSnoopingGroupForm* d) {
            EXPECT_EQ(d->Caption(), "IGMP Snooping Group Table: " + Agent().Address());
            ASSERT_EQ(d->PageControl1->PageCount(), 3);
            EXPECT_EQ(d->PageControl1->Pages(2)->Caption(), "Router Ports");
            ExpectPagesReadWhole(d, "no row");
            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->stSourceIP->Caption(), "192.168.1.5");
            EXPECT_EQ(d->stGroupIP->Caption(), "239.1.1.1");
            EXPECT_EQ(d->edtUptime->Text(), "100");
            EXPECT_EQ(d->edtpExpiryTime->Text(), "250");
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1}));
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[1]), (std::vector<int>{3}));
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[2]), (std::vector<int>{2}));
            EXPECT_FALSE(AnyBoxEnabled(d));
            EXPECT_TRUE(d->edtUptime->ReadOnly());
            ExpectPagesReadWhole(d, "row chosen");

            // A second Refresh while the first reads starts nothing.
            Agent().SetDelay(kIgmpGroupEntry, 100, SimOp::Next);
            ClickControl(d->btnGet);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitIdle(d->Table));
            Application->ProcessMessages();
            EXPECT_EQ(Reads, 1);
            EXPECT_EQ(Vlans(d), (std::vector<std::string>{"10", "20"}));
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace snooping_view_form_unit_test
