#include "PrivateVLANFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "PickerTicks.h"
#include "TButton.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "VlanFeatureScenario.h"

#include <gtest/gtest.h>

namespace private_vlan_form_unit_test {

namespace {

using D = TPrivateVLANForm;
constexpr const char* kTitle = "Private VLAN Settings";
constexpr const char* kCommand = "mniPrivateVLANSettings1Click";
constexpr int kVlanId = ColumnOf(Columns::PrivateVLANTable, "VLAN ID");
const std::string kEntry = kPrivateVlanEntry;

class PrivateVlanSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(VlanFeatureScenario());
    }
    static TCheckBox* Box(D* d, int picker, int port) {
        return d->Pickers.Pickers.at(static_cast<size_t>(picker))
            ->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

TEST_F(PrivateVlanSim, OpensWithEditAndDeleteDisabledUntilAVlanIsChosen) {
    RunDialog<D>(kCommand, PrivateVLANForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->Width(), 672);
        EXPECT_EQ(d->Height(), 445);
        EXPECT_EQ(ColumnCells(d->Table, kVlanId), (std::vector<std::string>{"20"}));
        EXPECT_FALSE(d->btnDel->Enabled());
        EXPECT_FALSE(d->btnEdit->Enabled());
        EXPECT_TRUE(d->btnSet->Enabled());
        EXPECT_FALSE(Box(d, 0, 1)->Enabled());
        ASSERT_EQ(d->pgcData->PageCount(), 2);
        EXPECT_EQ(d->pgcData->Pages(1)->Caption(), "Trunk Ports");
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->lvData, 0);
        EXPECT_EQ(d->edtVID->Text(), "20");
        EXPECT_FALSE(d->edtVID->Enabled());
        EXPECT_EQ(d->edtVLAN->Text(), "pv20");
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1, 2}));
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[1]), (std::vector<int>{8}));
        EXPECT_TRUE(Box(d, 0, 1)->Enabled());
        EXPECT_TRUE(d->btnDel->Enabled());
        EXPECT_TRUE(d->btnEdit->Enabled());
        EXPECT_FALSE(d->btnSet->Enabled());
        for (int page = 0; page < d->pgcData->PageCount(); ++page) {
            ClickTab(d->pgcData, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }
        ClickControl(d->btnRefresh);
        EXPECT_FALSE(d->btnDel->Enabled());
        EXPECT_FALSE(Box(d, 0, 1)->Enabled());
        d->btnDelClick(nullptr); // nothing chosen: nothing sent
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PrivateVlanSim, AddCreatesTheVlanEmptyEditWritesItsNameAndPortsDeleteDestroysIt) {
    RunDialog<D>(kCommand, PrivateVLANForm, [&](D* d) {
        TypeText(d->edtVID, "10");
        TypeText(d->edtVLAN, "sales"); // not written by Add
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        ASSERT_EQ(ColumnCells(d->Table, kVlanId), (std::vector<std::string>{"10", "20"}));

        ClickListRow(d->lvData, 0);
        d->edtVLAN->SetText("sales");
        ClickControl(Box(d, 0, 1));
        ClickControl(Box(d, 1, 2));
        ClickControl(d->btnEdit);
        ASSERT_TRUE(WaitForSets(2));
        ASSERT_TRUE(WaitReads(2));
        EXPECT_FALSE(d->btnEdit->Enabled());

        ClickListRow(d->lvData, 0);
        ClickControl(d->btnDel); // no question
        ASSERT_TRUE(WaitForSets(3));
        ASSERT_TRUE(
            WaitFor([&] { return ColumnCells(d->Table, kVlanId) == std::vector<std::string>{"20"}; }, 10000));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".5.10", SimValue::Int(4)}},
                                 {{kEntry + ".2.10", SimValue::Octets("sales")},
                                  {kEntry + ".3.10", {"4x", "8000000000000000"}},
                                  {kEntry + ".4.10", {"4x", "4000000000000000"}},
                                  {kEntry + ".5.10", SimValue::Int(1)}},
                                 {{kEntry + ".5.10", SimValue::Int(6)}},
                             }));
        EXPECT_FALSE(d->btnDel->Enabled());
    });
    EXPECT_FALSE(Agent().Value(kEntry + ".2.10").has_value());
}

TEST_F(PrivateVlanSim, AddWithoutAVlanIdIsRefused) {
    RunDialog<D>(kCommand, PrivateVLANForm, [&](D* d) {
        Dialogs.Expect("Please input VLAN ID first.");
        ClickControl(d->btnSet);
        EXPECT_TRUE(d->edtVID->Focused());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace private_vlan_form_unit_test
