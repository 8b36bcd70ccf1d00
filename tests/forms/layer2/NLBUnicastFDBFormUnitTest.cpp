#include "NLBUnicastFDBFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "MacEntrySim.h"
#include "PickerTicks.h"
#include "TButton.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace nlb_unicast_fdb_form_unit_test {

namespace {

using D = TNLBUnicastFDBForm;
constexpr const char* kTitle = "NLB Unicast FDB Table";
constexpr const char* kCommand = "UnicastFDBTable1Click";
constexpr int kMac = ColumnOf(Columns::NLBUnicastFDBTable, "MAC Address");
const std::string kEntry = kNlbUnicastEntry;

using NlbUnicastSim = MacEntrySim;

} // namespace

TEST_F(NlbUnicastSim, OpensKeyedByTheMacAddressAlone) {
    RunDialog<D>(kCommand, NLBUnicastFDBForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(Keys(d, {kMac}), (std::vector<std::string>{"02BF00000001", "02BF00000002"}));
        EXPECT_FALSE(d->ED_UnicastVID->Visible());
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_FALSE(Port(d, 1)->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->LV_NLBUnicastFDBEntry, 1);
        EXPECT_EQ(d->UnicastAddress->Text(), "02BF00000002");
        EXPECT_FALSE(d->UnicastAddress->Enabled());
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{5, 6}));
        EXPECT_TRUE(d->DeleteBtn->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(NlbUnicastSim, AddAndDeleteWriteTheStatusAloneAndSetThePortsWithIt) {
    RunDialog<D>(kCommand, NLBUnicastFDBForm, [&](D* d) {
        Dialogs.Expect("Please input MAC Address.");
        ClickControl(d->AddBtn);
        EXPECT_TRUE(Agent().SetLog().empty());

        TypeText(d->UnicastAddress, "02bf00000003");
        ClickControl(d->AddBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        const std::string at = ".2.191.0.0.0.3";
        const int row = RowWhere(d->Table, {{kMac, "02BF00000003"}});
        ASSERT_GE(row, 0);

        ClickListRow(d->LV_NLBUnicastFDBEntry, row);
        ClickControl(Port(d, 8));
        ClickControl(d->SetBtn);
        ASSERT_TRUE(WaitForSets(2));
        ASSERT_TRUE(WaitIdle(d->Table));

        ClickListRow(d->LV_NLBUnicastFDBEntry, RowWhere(d->Table, {{kMac, "02BF00000003"}}));
        ClickControl(d->DeleteBtn);
        ASSERT_TRUE(WaitForSets(3));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".3" + at, SimValue::Int(4)}},
                                 {{kEntry + ".2" + at, Ports("01")}, {kEntry + ".3" + at, SimValue::Int(1)}},
                                 {{kEntry + ".3" + at, SimValue::Int(6)}},
                             }));
        ASSERT_TRUE(WaitFor([&] { return RowWhere(d->Table, {{kMac, "02BF00000003"}}) < 0; }, 10000));
    });
    EXPECT_FALSE(Agent().Value(kEntry + ".3.2.191.0.0.0.3").has_value());
}

} // namespace nlb_unicast_fdb_form_unit_test
