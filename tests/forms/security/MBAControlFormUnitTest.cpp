#include "MBAControlFormUnit.h"

#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "GuestVlanScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace mba_control_form_unit_test {

namespace {

using guest_vlan_scenario::kMbaControl;
using guest_vlan_scenario::PortList;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "ControlTable2Click";
constexpr const char* kCannotChange = "Can't change the VLAN name,delete previous name first.";

SimVarBind Scalar(int arc, const SimValue& value) {
    return {kMbaControl + "." + std::to_string(arc) + ".0", value};
}

// The settings as the scenario holds them: enabled, local, "secret", other.
const std::vector<SimVarBind> kSettingsPdu = {Scalar(1, SimValue::Int(2)), Scalar(2, SimValue::Int(1)),
                                              Scalar(3, SimValue::Octets("secret")),
                                              Scalar(8, SimValue::Int(1))};

class MBAControlSim : public FormsSimTest {
protected:
    void Load(const std::string& macName) {
        Agent().LoadScenario(guest_vlan_scenario::Scenario({.MacName = macName}));
    }
    void SetUp() override {
        FormsSimTest::SetUp();
        Load("mac1");
    }
    static TStackingPortUitForm* Picker(TMBAControlForm* d) { return d->Guest.Pickers.Pickers.at(0); }
    static std::string Status(TMBAControlForm* d) { return d->StatusBar1->Panels()[0]->Text(); }
};

} // namespace

TEST_F(MBAControlSim, OpensThroughItsMenuCommandWithTheSettingsAndTheGuestVlanAndReadsWithoutWriting) {
    RunDialog<TMBAControlForm>(kCommand, MBAControlForm, [&](TMBAControlForm* d) {
        EXPECT_EQ(d->Caption(), "MAC Global Settings: " + Agent().Address());
        EXPECT_EQ(d->Settings.Request->Mode, 0); // blocking
        EXPECT_EQ(d->Settings.Request->Request.Timeout, 300);
        EXPECT_EQ(d->Cbox_State->Text(), "enabled");
        EXPECT_EQ(d->Cbox_Method->Text(), "local");
        EXPECT_EQ(d->Cbox_ClearAllAction->Text(), "other");
        EXPECT_EQ(d->edtPassWord->Text(), "secret");
        EXPECT_EQ(d->edtName->Text(), "mac1");
        EXPECT_EQ(d->Edit1->Text(), "mac1");
        EXPECT_EQ(d->cbxDel->Text(), "none");
        EXPECT_FALSE(d->Edit1->Visible());
        EXPECT_FALSE(d->cbxDel->Visible());
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{1, 3}));
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->BT_Get);
        EXPECT_EQ(d->edtName->Text(), "mac1");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MBAControlSim, SetWritesTheSettingsThenTheGuestVlanWhoseNameOnceSetCannotChange) {
    const SimVarBind ports = Scalar(5, {"4x", PortList(false, {1, 3, 5})});
    const struct {
        const char* SwitchName;
        const char* Typed;
        Pdus Expected;
        const char* Message; // null: none
    } cases[] = {
        {"mac1", "mac2", {kSettingsPdu}, kCannotChange},
        {"mac1", "mac1", {kSettingsPdu, {ports}}, nullptr},
        {"", "", {kSettingsPdu}, nullptr},
        {"", "mac2", {kSettingsPdu, {Scalar(4, SimValue::Octets("mac2")), ports}}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.SwitchName) + " -> " + c.Typed);
        Load(c.SwitchName);
        RunDialog<TMBAControlForm>(kCommand, MBAControlForm, [&](TMBAControlForm* d) {
            d->edtName->SetText(c.Typed);
            ClickControl(Picker(d)->PortBoxes[4]);
            if (c.Message) {
                Dialogs.Expect(c.Message);
            }
            ClickControl(d->SetBtn);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(SetPdus(), c.Expected);
            if (c.Message) {
                EXPECT_EQ(Reads, 0); // no refresh after the refusal
                EXPECT_EQ(d->edtName->Text(), c.Typed);
            } else {
                EXPECT_EQ(d->Edit1->Text(), c.Typed); // all read again
            }
        });
    }
}

TEST_F(MBAControlSim, DeleteWritesTheDeleteStateStartAndTheNameCanThenBeSetAnew) {
    RunDialog<TMBAControlForm>(kCommand, MBAControlForm, [&](TMBAControlForm* d) {
        d->Edit1->SetText("stale");
        ClickControl(d->DelBtn);
        EXPECT_EQ(SetPdus(), (Pdus{{Scalar(7, SimValue::Int(2))}}));
        EXPECT_EQ(d->cbxDel->Text(), "start");
        EXPECT_EQ(d->Edit1->Text(), "mac1"); // read again
    });
}

TEST_F(MBAControlSim, SetEndsAfterTheSettingsWhenTheSwitchsNameCannotBeRead) {
    RunDialog<TMBAControlForm>(kCommand, MBAControlForm, [&](TMBAControlForm* d) {
        d->Guest.CurrentName.Request->Request.Timeout = 10; // 0.1 s a try
        Agent().DropReplies(kMbaControl + ".4", SimOp::Get);
        d->edtName->SetText("mac2");
        ClickControl(d->SetBtn);
        EXPECT_EQ(SetPdus(), (Pdus{kSettingsPdu}));
        EXPECT_NE(d->Guest.CurrentName.LastReadError.Code, 0);
        EXPECT_NE(Status(d).find("timed out"), std::string::npos) << Status(d);
        EXPECT_EQ(Reads, 0);
    });
}

} // namespace mba_control_form_unit_test
