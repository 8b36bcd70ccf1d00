#include "GuestVlanFormUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "GuestVlanScenario.h"
#include "OptionItems.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace guest_vlan_form_unit_test {

namespace {

using guest_vlan_scenario::kDot1xGuest;
using guest_vlan_scenario::PortList;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "GuestVLAN1Click";

SimVarBind Scalar(int arc, const SimValue& value) {
    return {kDot1xGuest + "." + std::to_string(arc) + ".0", value};
}
SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class GuestVlanSim : public FormsSimTest {
protected:
    void Load(const guest_vlan_scenario::Options& options) {
        WritableFacts().StackMode = options.Stacked ? "enabled" : "disabled";
        Agent().LoadScenario(guest_vlan_scenario::Scenario(options));
    }
    void SetUp() override {
        FormsSimTest::SetUp();
        Load({});
    }
    static TStackingPortUitForm* Picker(TGuestVlanForm* d) { return d->Guest.Pickers.Pickers.at(0); }
    static std::string Status(TGuestVlanForm* d) { return d->StatusBar1->Panels()[0]->Text(); }
};

} // namespace

TEST_F(GuestVlanSim, OpensThroughItsMenuCommandWithTheSwitchsNameAndPortsAndReadsWithoutWriting) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* name :
         {"TGuestVlanForm", "TMacStatisticTableForm", "TMBAControlForm", "TMultpAuthGuestVlanForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), name), missing.end()) << name;
    }
    RunDialog<TGuestVlanForm>(kCommand, GuestVlanForm, [&](TGuestVlanForm* d) {
        EXPECT_EQ(d->Caption(), "802.1X Guest VLAN: " + Agent().Address());
        for (const TableDialogController* table :
             {&d->Guest.NameAndPorts, &d->Guest.CurrentName, &d->Guest.DeleteState}) {
            EXPECT_EQ(table->Request->Mode, 0); // blocking
            EXPECT_EQ(table->Request->Request.Timeout, 300);
        }
        EXPECT_EQ(d->edtName->Text(), "guest");
        EXPECT_EQ(d->Edit1->Text(), "guest");
        EXPECT_FALSE(d->Edit1->Visible());
        EXPECT_FALSE(d->cbxDel->Visible());
        EXPECT_EQ(d->cbxDel->ItemIndex(), -1); // not read at creation
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{1, 3}));
        EXPECT_EQ(d->pgc1->Pages(0)->Caption(), "Guest VLAN Ports");
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickControl(d->BT_Get);
        EXPECT_EQ(d->cbxDel->Text(), "none");
        EXPECT_EQ(d->edtName->Text(), "guest");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(GuestVlanSim, SetWritesTheNameOnlyWhenItChangedOrTheSwitchHasNone) {
    const struct {
        bool Stacked;
        const char* SwitchName;
        const char* Typed;
        bool NameWritten;
    } cases[] = {
        {false, "guest", "guest", false}, {true, "guest", "guest", false},
        {false, "guest", "guest2", true}, {false, "", "", true},
        {false, "", "guest3", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.SwitchName) + " -> " + c.Typed + (c.Stacked ? ", stacked" : ""));
        Load({.Stacked = c.Stacked, .GuestName = c.SwitchName});
        RunDialog<TGuestVlanForm>(kCommand, GuestVlanForm, [&](TGuestVlanForm* d) {
            d->edtName->SetText(c.Typed);
            ClickControl(Picker(d)->PortBoxes[4]);
            ClickControl(Picker(d)->PortBoxes[5]);
            ClickControl(d->SetBtn);
            std::vector<SimVarBind> pdu;
            if (c.NameWritten) {
                pdu.push_back(Scalar(1, SimValue::Octets(c.Typed)));
            }
            pdu.push_back(Scalar(2, Hex(PortList(c.Stacked, {1, 3, 5, 6}))));
            EXPECT_EQ(SetPdus(), Pdus{pdu});
            // Read again: the switch's name is the copy Set compares with next time.
            EXPECT_EQ(d->Edit1->Text(), c.Typed);
            EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{1, 3, 5, 6}));
        });
    }
}

TEST_F(GuestVlanSim, DeleteWritesTheDeleteStateStartAndReadsTheThreeAgain) {
    RunDialog<TGuestVlanForm>(kCommand, GuestVlanForm, [&](TGuestVlanForm* d) {
        d->edtName->SetText("typed");
        d->Edit1->SetText("stale");
        ClickControl(Picker(d)->PortBoxes[0]);
        ClickControl(d->DelBtn);
        EXPECT_EQ(SetPdus(), (Pdus{{Scalar(3, SimValue::Int(2))}}));
        EXPECT_EQ(d->edtName->Text(), "guest");
        EXPECT_EQ(d->Edit1->Text(), "guest");
        EXPECT_EQ(d->cbxDel->Text(), "start");
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{1, 3}));
    });
}

TEST_F(GuestVlanSim, ARefreshWhoseNameAndPortsReadFailsLeavesTheNamesCopyButReadsTheDeleteState) {
    RunDialog<TGuestVlanForm>(kCommand, GuestVlanForm, [&](TGuestVlanForm* d) {
        for (TableDialogController* table :
             {&d->Guest.NameAndPorts, &d->Guest.CurrentName, &d->Guest.DeleteState}) {
            table->Request->Request.Timeout = 10; // 0.1 s a try
        }
        Agent().DropReplies(kDot1xGuest + ".2", SimOp::Get); // the ports: the name-and-ports read alone
        d->Edit1->SetText("stale");
        ClickControl(d->BT_Get);
        EXPECT_NE(d->Guest.NameAndPorts.LastReadError.Code, 0);
        EXPECT_EQ(d->Edit1->Text(), "stale"); // the pair's second read was left
        EXPECT_EQ(d->cbxDel->Text(), "none"); // the delete state was read
        EXPECT_EQ(d->Guest.DeleteState.LastReadError.Code, 0);
        // The delete state's "Ok!" does not hide the failure.
        EXPECT_NE(Status(d).find("timed out"), std::string::npos) << Status(d);

        Agent().ClearInjections();
        ClickControl(d->BT_Get);
        EXPECT_EQ(d->Edit1->Text(), "guest");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace guest_vlan_form_unit_test
