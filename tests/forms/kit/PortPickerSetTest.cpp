#include "PortPickerSet.h"

#include "DialogLayout.h"
#include "DialogRequest.h"
#include "FormsSimTest.h"
#include "Oid_bridge.h"
#include "RequestModeScope.h"
#include "StackingPortUitFormUnit.h"
#include "TBasicFormUnit.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TListView.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TStatusBar.h"
#include "TableDialogController.h"
#include "VqException.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace port_picker_set_test {

namespace {

constexpr const char* kVlanEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

// VLAN 1 with 64-octet port lists: port 1 and port 70 in the egress list.
std::string VlanScenario(const std::string& stackMode, const std::string& egress) {
    return R"({"stack_mode": ")" + stackMode + R"(", "tables": [{"entry": ")" + kVlanEntry +
           R"(", "columns": [[1, "string", "rw"], [2, "hex", "rw"], [3, "hex", "rw"], [4, "hex", "rw"],
           [5, "rowstatus"]], "rows": [["1", "default", ")" +
           egress + R"(", "", "", 1]]}]})";
}

// The egress ports of the static VLAN table, on a tab of their own or filling a panel as the
// form's PortPicker, read once (blocking).
struct EgressPicker {
    explicit EgressPicker(bool inPanel = false, int firstBox = 0) {
        Form.reset(CreateForm<TBasicForm>(nullptr, 400, 300));
        List = new TListView(Form.get());
        List->SetParent(Form.get());
        Pages = new TPageControl(Form.get());
        Pages->SetParent(Form.get());
        Panel = new TPanel(Form.get());
        Panel->SetParent(Form.get());
        VlanId = new TEdit(Form.get());
        VlanId->SetParent(Form.get());
        Pickers.Embed(Form.get(), inPanel ? PickerHost::InPanel(Panel, 2) : PickerHost::Tabs(Pages),
                      {{2, "Egress Ports"}}, AllPortIndexList(), firstBox);
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

    std::unique_ptr<TBasicForm> Form;
    TListView* List = nullptr;
    TPageControl* Pages = nullptr;
    TPanel* Panel = nullptr;
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
    for (const auto& [c, inPanel] : {std::pair{cases[0], false}, std::pair{cases[1], false},
                                     std::pair{cases[0], true}, std::pair{cases[1], true}}) {
        SCOPED_TRACE(std::string(c.StackMode) + (inPanel ? " in a panel" : " on a tab"));
        WritableFacts().StackMode = c.StackMode;
        Agent().LoadScenario(VlanScenario(c.StackMode, egress64));
        Agent().ClearSetLog();
        EgressPicker vlan(inPanel);
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

TEST_F(PortPickerSim, BoxesFromAFirstBoxOnShowAndWriteTheListFromPositionZero) {
    // Port 1 and port 70 (index 69) of a 64-octet list; a stand-alone unit 2's page is boxes 64-127.
    const std::string egress64 = "80" + std::string(16, '0') + "04" + std::string(108, '0');
    WritableFacts().StackMode = "disabled";
    for (const int firstBox : {64, 0}) {
        SCOPED_TRACE(firstBox);
        Agent().LoadScenario(VlanScenario("disabled", egress64));
        Agent().ClearSetLog();
        EgressPicker vlan(false, firstBox);
        ASSERT_EQ(vlan.List->Items().Count(), 1);
        EXPECT_EQ(vlan.Pickers.ListOctets(), 8);
        vlan.List->SetSelected(vlan.List->Items()[0]);
        const auto box = [&](int k) { return vlan.Picker()->PortBoxes.at(static_cast<size_t>(k)); };
        EXPECT_TRUE(box(firstBox)->Checked());                // index 0
        EXPECT_FALSE(box(firstBox == 0 ? 64 : 0)->Checked()); // the other page is not bound
        EXPECT_FALSE(box(firstBox + 5)->Checked());           // index 69 lies past the 64 positions
        box(firstBox + 2)->SetChecked(true);                  // index 2
        box(firstBox == 0 ? 66 : 2)->SetChecked(true);        // a box outside the binding
        ASSERT_TRUE(vlan.Request->Set(false, true, "2"));
        EXPECT_EQ(SentEgress(), "A0" + std::string(14, '0'));
    }
    EgressPicker none;
    PortPickerSet set;
    EXPECT_THROW(set.Embed(none.Form.get(), PickerHost::Tabs(none.Pages), {{2, "Egress Ports"}},
                           AllPortIndexList(), kPortBoxCount),
                 std::invalid_argument);
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

TEST_F(PortPickerSim, EmbedsOnATabPerColumnOrAsTheFormsPickerInAPanel) {
    WritableFacts().StackMode = "disabled";
    Agent().LoadScenario(VlanScenario("disabled", "80"));
    {
        EgressPicker tabs(false);
        ASSERT_EQ(tabs.Pickers.Pickers.size(), 1u);
        EXPECT_EQ(tabs.Pages->PageCount(), 1);
        EXPECT_EQ(tabs.Pages->Pages(0)->Caption(), "Egress Ports");
        EXPECT_EQ(tabs.Form->PortPicker, nullptr);
    }
    {
        EgressPicker panel(true);
        ASSERT_EQ(panel.Pickers.Pickers.size(), 1u);
        EXPECT_EQ(panel.Form->PortPicker, panel.Picker());
        EXPECT_EQ(panel.Picker()->Parent(), panel.Panel);
        EXPECT_EQ(panel.Pages->PageCount(), 0);
        panel.Request.reset();
        panel.Pickers.Free();
        EXPECT_EQ(panel.Form->PortPicker, nullptr); // no dangling picker on the form
    }
    // A panel holds one column's picker, of a TBasicForm.
    std::unique_ptr<TForm> plain(CreateForm<TForm>(nullptr));
    auto* panel = new TPanel(plain.get());
    panel->SetParent(plain.get());
    PortPickerSet set;
    EXPECT_THROW(set.Embed(plain.get(), PickerHost::InPanel(panel, 2), {{2, nullptr}}),
                 std::invalid_argument);
    std::unique_ptr<TBasicForm> basic(CreateForm<TBasicForm>(nullptr, 400, 300));
    EXPECT_THROW(set.Embed(basic.get(), PickerHost::InPanel(panel, 2), {{2, nullptr}, {3, nullptr}}),
                 std::invalid_argument);
}

TEST_F(PortPickerSim, TheSelectionGuardReportsARowTooShortForThePickersAndUnticksThem) {
    // VLAN 1 with 48-octet lists (egress ports 1 and 2, untagged port 2), VLAN 2 with 8-octet ones,
    // on a stacking switch.
    WritableFacts().StackMode = "enabled";
    Agent().LoadScenario(
        R"({"stack_mode": "enabled", "tables": [{"entry": ")" + std::string(kVlanEntry) +
        R"(", "columns": [[1, "string", "rw"], [2, "hex", "rw"], [3, "hex", "rw"], [4, "hex", "rw"],
           [5, "rowstatus"]], "rows": [["1", "default", "C0)" +
        std::string(94, '0') + R"(", "", "40)" + std::string(94, '0') +
        R"(", 1], ["2", "v2", "FF00000000000000", "", "FF00000000000000", 1]]}]})");
    std::unique_ptr<TForm> form(CreateForm<TForm>(nullptr));
    DesignDialog(form.get(), 500, 400);
    TStatusBar* bar = AddStatusBar(form.get());
    const ListArea area = AddListArea(form.get(), 100);
    auto* pages = new TPageControl(form.get());
    pages->SetParent(area.Fields);
    TableDialogController table(DialogGuard::None());
    table.List = area.List;
    table.StatusPanel = StatusPanelOf(bar);
    PortPickerSet pickers;
    pickers.Embed(form.get(), PickerHost::Tabs(pages), {{2, "Egress Ports"}, {4, "Untagged Ports"}});
    DialogRequest& request = table.CreateRequest(form.get(), VlanStaticTable, MVT_UMV, 1);
    pickers.Bind(request);
    std::vector<bool> shown;
    pickers.GuardSelection(table, [&](bool filled) { shown.push_back(filled); });
    request.Mode = 0;
    ASSERT_TRUE(table.Read());
    ASSERT_EQ(area.List->Items().Count(), 2);
    const auto ticked = [&](int picker) {
        int n = 0;
        for (TCheckBox* box : pickers.Pickers.at(static_cast<size_t>(picker))->PortBoxes) {
            n += box->Checked() ? 1 : 0;
        }
        return n;
    };

    // Clicked as a user does: what the guard let escape would be an exception box, which fails here.
    ClickListRow(area.List, 0);
    EXPECT_EQ(ticked(0), 2);
    EXPECT_EQ(ticked(1), 1);
    EXPECT_EQ(shown, (std::vector<bool>{true}));
    const std::string before = table.StatusPanel->Text();

    ClickListRow(area.List, 1);
    EXPECT_EQ(area.List->Selected(), area.List->Items()[1]); // the selection goes on
    EXPECT_EQ(table.StatusPanel->Text(), MessageOfCode(-519));
    EXPECT_NE(table.StatusPanel->Text(), before);
    EXPECT_EQ(ticked(0), 0); // the box the short list could fill before failing is unticked too
    EXPECT_EQ(ticked(1), 0);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, false}));

    ClickListRow(area.List, 0);
    EXPECT_EQ(ticked(0), 2);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, false, false, true}));
    table.Close();
    EXPECT_EQ(shown.back(), false); // unselected by the close
    pickers.Free();
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST(PortPickerSet, FixedIndexListCoversEveryPortOfSixUnits) {
    const std::string list = FixedPortIndexList();
    EXPECT_EQ(list.substr(0, 6), "0,1,2,");
    EXPECT_EQ(list.substr(list.size() - 4), ",383");
}

} // namespace port_picker_set_test
