#include "NLBMulticastFDBFormUnit.h"

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

namespace nlb_multicast_fdb_form_unit_test {

namespace {

using D = TNLBMulticastFDBForm;
constexpr const char* kTitle = "NLB Multicast FDB Table";
constexpr const char* kCommand = "NLB1Click";
constexpr auto& kTable = Columns::NLBMulticastFDBTable;
constexpr int kVlan = ColumnOf(kTable, "VLAN Index");
constexpr int kMac = ColumnOf(kTable, "MAC Address");
const std::string kEntry = kNlbMulticastEntry;

using NlbMulticastSim = MacEntrySim;

} // namespace

TEST_F(NlbMulticastSim, OpensWithThePortsDisabledUntilAnEntryIsChosen) {
    RunDialog<D>(kCommand, NLBMulticastFDBForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->Width(), 660);
        EXPECT_EQ(d->Height(), 432);
        EXPECT_EQ(Keys(d, {kVlan, kMac}), (std::vector<std::string>{"1/03BF00000001", "20/03BF00000002"}));
        EXPECT_EQ(d->ST_Count->Caption(), "2");
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->DeleteBtn->Enabled());
        EXPECT_TRUE(d->AddBtn->Enabled());
        EXPECT_FALSE(Port(d, 1)->Enabled());
        EXPECT_EQ(d->pgc1->Pages(0)->Caption(), "Egress Ports");
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->LV_NLBMulticastFDBEntry, 0);
        EXPECT_EQ(d->ED_UnicastVID->Text(), "1");
        EXPECT_EQ(d->UnicastAddress->Text(), "03BF00000001");
        EXPECT_FALSE(d->UnicastAddress->Enabled());
        EXPECT_TRUE(Port(d, 1)->Enabled());
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{3, 4}));
        EXPECT_TRUE(d->SetBtn->Enabled());
        EXPECT_TRUE(d->DeleteBtn->Enabled());
        EXPECT_FALSE(d->AddBtn->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(NlbMulticastSim, AddCreatesAnEntryWithoutPortsThatSetThenGivesItsPorts) {
    RunDialog<D>(kCommand, NLBMulticastFDBForm, [&](D* d) {
        TypeText(d->ED_UnicastVID, "30");
        TypeText(d->UnicastAddress, "03BF00000003");
        ClickControl(d->AddBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        const std::string at = ".30.3.191.0.0.0.3";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".3" + at, Ports("")},
                                 {kEntry + ".4" + at, SimValue::Int(4)},
                             }}));
        const int row = RowWhere(d->Table, {{kVlan, "30"}, {kMac, "03BF00000003"}});
        ASSERT_GE(row, 0);

        Agent().ClearSetLog();
        ClickListRow(d->LV_NLBMulticastFDBEntry, row);
        ClickControl(Port(d, 2));
        ClickControl(d->SetBtn);
        EXPECT_FALSE(d->SetBtn->Enabled()); // no entry chosen after Set
        EXPECT_FALSE(d->DeleteBtn->Enabled());
        EXPECT_TRUE(d->AddBtn->Enabled());
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".3" + at, Ports("40")},
                                 {kEntry + ".4" + at, SimValue::Int(1)},
                             }}));
        EXPECT_EQ(Agent().Value(kEntry + ".3" + at), Ports("40"));
    });
}

TEST_F(NlbMulticastSim, DeleteDestroysTheChosenEntryWithItsPortsAndNoQuestion) {
    RunDialog<D>(kCommand, NLBMulticastFDBForm, [&](D* d) {
        ClickListRow(d->LV_NLBMulticastFDBEntry, 1);
        ClickControl(d->DeleteBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        const std::string at = ".20.3.191.0.0.0.2";
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".3" + at, Ports("0000000000000080")},
                                 {kEntry + ".4" + at, SimValue::Int(6)},
                             }}));
        ASSERT_TRUE(WaitFor([d] { return d->ST_Count->Caption() == "1"; }, 10000));
        EXPECT_EQ(Keys(d, {kVlan}), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(d->DeleteBtn->Enabled());
    });
    EXPECT_FALSE(Agent().Value(kEntry + ".4.20.3.191.0.0.0.2").has_value());
}

TEST_F(NlbMulticastSim, DeleteWithoutAKeyWarnsAndSetWithoutAnEntrySendsNothing) {
    const char* const macs[] = {"", "03BF0000000"};
    RunDialog<D>(kCommand, NLBMulticastFDBForm, [&](D* d) {
        for (const char* mac : macs) {
            SCOPED_TRACE(mac);
            d->ED_UnicastVID->SetText("1");
            d->UnicastAddress->SetText(mac);
            Dialogs.Expect("Please select which entry you want to delete.");
            d->DeleteBtnClick(nullptr); // the button itself is disabled without an entry
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
        d->SetBtnClick(nullptr);
        EXPECT_FALSE(d->Table.Request->Busy);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(NlbMulticastSim, DuringAWalkAddAndDeleteAreRefusedInTheirOwnWordsAndRefreshIsSilent) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<D>(kCommand, NLBMulticastFDBForm,
                 [&](D* d) {
                     ASSERT_TRUE(
                         WaitFor([d] { return d->LV_NLBMulticastFDBEntry->Items().Count() >= 1; }, 10000));
                     ASSERT_TRUE(d->Table.Request->Busy);
                     TypeText(d->ED_UnicastVID, "30");
                     TypeText(d->UnicastAddress, "03BF00000003");
                     Dialogs.Expect("Get data not complete.");
                     ClickControl(d->AddBtn);
                     ClickListRow(d->LV_NLBMulticastFDBEntry, 0);
                     Dialogs.Expect("Get data not complete");
                     ClickControl(d->DeleteBtn);
                     EXPECT_EQ(Dialogs.Pending(), 0);
                     ClickControl(d->RefreshBtn); // neither a word nor a second walk
                     EXPECT_FALSE(d->DeleteBtn->Enabled());
                     ASSERT_TRUE(WaitIdle(d->Table));
                     EXPECT_EQ(d->ST_Count->Caption(), "2");
                 },
                 {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace nlb_multicast_fdb_form_unit_test
