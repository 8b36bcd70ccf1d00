#include "MulticastFilterInformationFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "MacEntrySim.h"
#include "PickerTicks.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace multicast_filter_information_form_unit_test {

namespace {

using D = TMulticastFilterInformationForm;
constexpr const char* kTitle = "802.1Q Multicast Filter Information Table";
constexpr const char* kCommand = "MulticastInformation1Click";
constexpr auto& kTable = Columns::MulticastFilterInformation;
constexpr int kVlan = ColumnOf(kTable, "Index");
constexpr int kMac = ColumnOf(kTable, "MAC Address");
const std::string kEntry = kStaticMulticastEntry;
constexpr const char* kBusy = "Get data not complete";

using MulticastFilterSim = MacEntrySim;

} // namespace

TEST_F(MulticastFilterSim, OpensWithTheEntriesAndAChosenEntryFixesItsKeyAndStatus) {
    RunDialog<D>(kCommand, MulticastFilterInformationForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->Width(), 659);
        EXPECT_EQ(d->Height(), 449);
        EXPECT_EQ(Keys(d, {kVlan, kMac}), (std::vector<std::string>{"1/01005E000001", "10/01005E000002"}));
        EXPECT_EQ(d->ST_Count->Caption(), "2");
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_TRUE(d->AddBtn->Enabled());
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Egress Ports");
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->LV_dot1qStaticMulticastEntry, 0);
        EXPECT_EQ(d->ED_MulticastVID->Text(), "1");
        EXPECT_EQ(d->ED_MACAddress->Text(), "01005E000001");
        EXPECT_FALSE(d->ED_MulticastVID->Enabled());
        EXPECT_FALSE(d->ED_MACAddress->Enabled());
        EXPECT_FALSE(d->Status->Enabled());
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1, 2, 3}));
        EXPECT_TRUE(d->SetBtn->Enabled());
        EXPECT_TRUE(d->btnDelete->Enabled());
        EXPECT_FALSE(d->AddBtn->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MulticastFilterSim, SetWritesTheEgressPortsAloneAndAddTheEgressPortsAndPermanent) {
    RunDialog<D>(kCommand, MulticastFilterInformationForm, [&](D* d) {
        ClickListRow(d->LV_dot1qStaticMulticastEntry, 1);
        ClickControl(Port(d, 1));
        ClickControl(d->SetBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".3.10.1.0.94.0.0.2.0", Ports("8000000100")}}}));
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_EQ(d->ED_MulticastVID->Text(), "");

        Agent().ClearSetLog();
        d->ED_MulticastVID->SetText("20");
        d->ED_MACAddress->SetText("01005e0000fb");
        ClickControl(Port(d, 4));
        ClickControl(d->AddBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(2));
        const std::string at = ".20.1.0.94.0.0.251.0";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".3" + at, Ports("10")},
                                 {kEntry + ".5" + at, SimValue::Int(3)},
                             }}));
        EXPECT_GE(RowWhere(d->Table, {{kVlan, "20"}, {kMac, "01005E0000FB"}}), 0);
        EXPECT_EQ(d->ST_Count->Caption(), "3");
    });
}

TEST_F(MulticastFilterSim, DuringAWalkAddAndDeleteAreRefusedBeforeTheKeyIsLookedAt) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<D>(kCommand, MulticastFilterInformationForm,
                 [&](D* d) {
                     ASSERT_TRUE(WaitFor(
                         [d] { return d->LV_dot1qStaticMulticastEntry->Items().Count() >= 1; }, 10000));
                     ASSERT_TRUE(d->Table.Request->Busy);
                     Dialogs.Expect(kBusy);
                     ClickControl(d->AddBtn); // empty key fields: the busy request is said first
                     ClickListRow(d->LV_dot1qStaticMulticastEntry, 0);
                     Dialogs.Expect(kBusy);
                     ClickControl(d->btnDelete);
                     Dialogs.Expect(kBusy);
                     ClickControl(d->SetBtn);
                     EXPECT_EQ(Dialogs.Pending(), 0);
                     ASSERT_TRUE(d->Table.Request->Busy);
                     ASSERT_TRUE(WaitIdle(d->Table));
                 },
                 {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MulticastFilterSim, DeleteAsksThenInvalidatesTheChosenEntryAndRefreshLeavesNoneChosen) {
    RunDialog<D>(kCommand, MulticastFilterInformationForm, [&](D* d) {
        ClickListRow(d->LV_dot1qStaticMulticastEntry, 1);
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(d->btnDelete);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".5.10.1.0.94.0.0.2.0", SimValue::Int(2)}}}));
        EXPECT_EQ(Keys(d, {kVlan}), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(d->btnDelete->Enabled());

        ClickListRow(d->LV_dot1qStaticMulticastEntry, 0);
        ClickControl(d->RefreshBtn);
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_TRUE(d->AddBtn->Enabled());
        EXPECT_TRUE(d->ED_MulticastVID->Enabled());
        EXPECT_TRUE(d->Status->Enabled());
    });
    EXPECT_EQ(Agent().SetLog().size(), 1u);
}

} // namespace multicast_filter_information_form_unit_test
