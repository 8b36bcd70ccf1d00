#include "MultpAuthGuestVlanFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "GuestVlanScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace multp_auth_guest_vlan_form_unit_test {

namespace {

using guest_vlan_scenario::kGuestVlanEntry;
using guest_vlan_scenario::PortList;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "GuestVLANTable1Click";
constexpr int kVlanColumn = ColumnOf(Columns::MultpAuthGuestVlanTable, "VLAN ID");

SimVarBind RowStatus(int vlan, int value) {
    return {kGuestVlanEntry + ".3." + std::to_string(vlan), SimValue::Int(value)};
}
SimVarBind Ports(int vlan, std::initializer_list<int> ports) {
    return {kGuestVlanEntry + ".2." + std::to_string(vlan), {"4x", PortList(false, ports)}};
}

class MultpAuthGuestVlanSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(guest_vlan_scenario::Scenario());
    }
    static TStackingPortUitForm* Picker(TMultpAuthGuestVlanForm* d) { return d->Pickers.Pickers.at(0); }
    static int Row(TMultpAuthGuestVlanForm* d, const std::string& vlan) {
        return RowWhere(d->Table, {{kVlanColumn, vlan}});
    }
    // What every action leaves: no row, the VLAN ID empty and open, no box ticked, Add alone.
    static void ExpectListMode(TMultpAuthGuestVlanForm* d) {
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        EXPECT_EQ(d->VIDEdit->Text(), "");
        EXPECT_TRUE(d->VIDEdit->Enabled());
        EXPECT_TRUE(TickedPorts(Picker(d)).empty());
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->DelBtn->Enabled());
        EXPECT_TRUE(d->ADDButton->Enabled());
    }
};

} // namespace

TEST_F(MultpAuthGuestVlanSim, OpensThroughItsMenuCommandAndShowsAChosenVlansPortsWithoutWriting) {
    RunDialog<TMultpAuthGuestVlanForm>(kCommand, MultpAuthGuestVlanForm, [&](TMultpAuthGuestVlanForm* d) {
        EXPECT_EQ(d->Caption(), "Compound Authentication Guest VLAN Table: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Mode, 0); // blocking
        EXPECT_EQ(d->Table.Request->Request.Timeout, 300);
        EXPECT_EQ(d->ListView1->Items().Count(), 1);
        EXPECT_EQ(d->txt1->Caption(), "1");
        EXPECT_EQ(d->pgc1->Pages(0)->Caption(), "Guest VLAN Ports");
        ExpectListMode(d);
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, Row(d, "10"));
        EXPECT_EQ(d->VIDEdit->Text(), "10");
        EXPECT_FALSE(d->VIDEdit->Enabled());
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{3}));
        EXPECT_TRUE(d->SetBtn->Enabled());
        EXPECT_TRUE(d->DelBtn->Enabled());
        EXPECT_FALSE(d->ADDButton->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickControl(d->BT_Get);
        ExpectListMode(d);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MultpAuthGuestVlanSim, AddSendsTheRowThenItsPorts) {
    RunDialog<TMultpAuthGuestVlanForm>(kCommand, MultpAuthGuestVlanForm, [&](TMultpAuthGuestVlanForm* d) {
        TypeText(d->VIDEdit, "100");
        ClickControl(Picker(d)->PortBoxes[0]);
        ClickControl(Picker(d)->PortBoxes[1]);
        ClickControl(d->ADDButton);
        EXPECT_EQ(SetPdus(), (Pdus{{RowStatus(100, 4)}, {Ports(100, {1, 2})}}));
        EXPECT_EQ(Agent().Value(RowStatus(100, 1).Oid), SimValue::Int(1));
        EXPECT_EQ(Agent().Value(Ports(100, {}).Oid), Ports(100, {1, 2}).Value);
        EXPECT_GE(Row(d, "100"), 0);
        ExpectListMode(d);
    });
}

TEST_F(MultpAuthGuestVlanSim, EditSendsThePortsAloneAndDeleteTheDestroyAloneWithoutAsking) {
    RunDialog<TMultpAuthGuestVlanForm>(kCommand, MultpAuthGuestVlanForm, [&](TMultpAuthGuestVlanForm* d) {
        ClickListRow(d->ListView1, Row(d, "10"));
        ClickControl(Picker(d)->PortBoxes[4]);
        ClickControl(d->SetBtn);
        EXPECT_EQ(SetPdus(), (Pdus{{Ports(10, {3, 5})}}));
        ExpectListMode(d);

        Agent().ClearSetLog();
        ClickListRow(d->ListView1, Row(d, "10"));
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{3, 5}));
        ClickControl(d->DelBtn);
        EXPECT_EQ(SetPdus(), (Pdus{{RowStatus(10, 6)}}));
        EXPECT_EQ(Row(d, "10"), -1);
        EXPECT_EQ(d->txt1->Caption(), "0");
        ExpectListMode(d);
    });
}

TEST_F(MultpAuthGuestVlanSim, AddWithoutAVlanIdIsRefusedAndSendsNothing) {
    RunDialog<TMultpAuthGuestVlanForm>(kCommand, MultpAuthGuestVlanForm, [&](TMultpAuthGuestVlanForm* d) {
        ClickControl(Picker(d)->PortBoxes[0]);
        Dialogs.Expect("Please input a VLAN ID.");
        ClickControl(d->ADDButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(d->VIDEdit->Focused());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace multp_auth_guest_vlan_form_unit_test
