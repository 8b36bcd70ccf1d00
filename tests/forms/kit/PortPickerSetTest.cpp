#include "PortPickerSet.h"

#include "DialogRequest.h"
#include "FormsSimTest.h"
#include "Oid_bridge.h"
#include "RequestModeScope.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TListView.h"
#include "TPageControl.h"
#include "VqException.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr const char* kVlanEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

// VLAN 1 with 64-octet port lists: port 1 and port 70 in the egress list.
std::string VlanScenario(const std::string& stackMode, const std::string& egress) {
    return R"({"stack_mode": ")" + stackMode + R"(", "tables": [{"entry": ")" + kVlanEntry +
           R"(", "columns": [[1, "string", "rw"], [2, "hex", "rw"], [3, "hex", "rw"], [4, "hex", "rw"],
           [5, "rowstatus"]], "rows": [["1", "default", ")" +
           egress + R"(", "", "", 1]]}]})";
}

// The egress ports of the static VLAN table on a tab of their own, read once (blocking).
struct EgressPicker {
    EgressPicker() {
        Form.reset(CreateForm<TForm>(nullptr));
        List = new TListView(Form.get());
        List->SetParent(Form.get());
        Pages = new TPageControl(Form.get());
        Pages->SetParent(Form.get());
        VlanId = new TEdit(Form.get());
        VlanId->SetParent(Form.get());
        Pickers.Create(Form.get(), Pages, {{2, "Egress Ports"}});
        Request = std::make_unique<DialogRequest>(Form.get());
        Request->Request.VarList = VqSNMPVarList(VlanStaticTable, MVT_UMV, 1);
        Request->BindListView(List, true);
        Request->BindEdits(0, "%i", VlanId);
        Pickers.Bind(*Request);
        Request->Mode = 0;
        Request->Get();
    }
    ~EgressPicker() {
        Request.reset();
        Pickers.Free();
    }
    TStackingPortUitForm* Picker() const { return Pickers.Pickers.at(0); }

    std::unique_ptr<TForm> Form;
    TListView* List = nullptr;
    TPageControl* Pages = nullptr;
    TEdit* VlanId = nullptr;
    PortPickerSet Pickers;
    std::unique_ptr<DialogRequest> Request;
};

class PortPickerSim : public FormsSimTest {
protected:
    // The egress list of the one SET sent.
    std::string SentEgress() {
        const auto log = Agent().SetLog();
        if (log.size() != 1) {
            ADD_FAILURE() << log.size() << " SETs";
            return "";
        }
        for (const SimVarBind& b : log[0].VarBinds) {
            if (b.Oid.rfind(std::string(kVlanEntry) + ".2.", 0) == 0) {
                return b.Value.Text;
            }
        }
        return "(none)";
    }
};

} // namespace

TEST_F(PortPickerSim, AListWrittenFromThePickerIsRebuiltFromItsBoxesAlone) {
    const std::string egress64 = "80" + std::string(16, '0') + "04" + std::string(108, '0');
    const struct {
        const char* StackMode;
        int Octets;
        std::string Expected;
    } cases[] = {
        {"enabled", 48, "A0" + std::string(16, '0') + "04" + std::string(76, '0')},
        {"disabled", 8, "A0" + std::string(14, '0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.StackMode);
        WritableFacts().StackMode = c.StackMode;
        Agent().LoadScenario(VlanScenario(c.StackMode, egress64));
        Agent().ClearSetLog();
        EgressPicker vlan;
        ASSERT_EQ(vlan.List->Items().Count(), 1);
        EXPECT_EQ(vlan.Pickers.ListOctets(), c.Octets);
        vlan.List->SetSelected(vlan.List->Items()[0]);
        EXPECT_TRUE(vlan.Picker()->PortBoxes[0]->Checked());
        vlan.Picker()->PortBoxes[2]->SetChecked(true); // port 3
        ASSERT_TRUE(vlan.Request->Set(false, true, "2"));
        EXPECT_EQ(SentEgress(), c.Expected);
    }
}

TEST_F(PortPickerSim, ANewListHasTheLengthOfTheIndexList) {
    for (const char* stackMode : {"enabled", "disabled"}) {
        SCOPED_TRACE(stackMode);
        WritableFacts().StackMode = stackMode;
        Agent().LoadScenario(VlanScenario(stackMode, "80"));
        Agent().ClearSetLog();
        EgressPicker vlan;
        vlan.VlanId->SetText("1");                     // no row selected: nothing is taken from the one read
        vlan.Picker()->PortBoxes[8]->SetChecked(true); // port 9
        ASSERT_TRUE(vlan.Request->Set(false, true, "2"));
        const size_t octets = std::string(stackMode) == "enabled" ? 48 : 8;
        EXPECT_EQ(SentEgress(), "0080" + std::string(octets * 2 - 4, '0'));
    }
}

TEST_F(PortPickerSim, ARowShorterThanTheIndexListCannotBeShown) {
    WritableFacts().StackMode = "enabled";
    Agent().LoadScenario(VlanScenario("enabled", "8000000000000000"));
    EgressPicker vlan;
    ASSERT_EQ(vlan.List->Items().Count(), 1);
    try {
        vlan.List->SetSelected(vlan.List->Items()[0]);
        FAIL() << "an 8-octet list filled 384 boxes";
    } catch (const VqException& e) {
        EXPECT_EQ(e.Code(), -519);
    }
}

TEST(PortPickerSet, FixedIndexListCoversEveryPortOfSixUnits) {
    const std::string list = FixedPortIndexList();
    EXPECT_EQ(list.substr(0, 6), "0,1,2,");
    EXPECT_EQ(list.substr(list.size() - 4), ",383");
}
