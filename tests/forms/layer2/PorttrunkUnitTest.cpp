#include "PorttrunkUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "TrunkScenario.h"
#include "UiTesting.h"

#include <gtest/gtest.h>

namespace porttrunk_unit_test {

namespace {

using D = TPortTrunkForm;
constexpr const char* kTitle = "Port Trunk Table";
constexpr const char* kCommand = "PortTrunk2Click";
constexpr auto& kTable = Columns::PortTrunkTable;
constexpr int kIndex = ColumnOf(kTable, "Index");
const std::string kEntry = kTrunkEntry;

class PortTrunkSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        WritableFacts().SysObjectId = k24DaSysObjectId;
        WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24DA", "exist"}};
        Agent().LoadScenario(TrunkScenario());
    }
    void Stack() {
        WritableFacts().StackMode = "enabled";
        Agent().LoadScenario(TrunkScenario(true));
    }
    void Run(const std::function<void(D*)>& test) { RunDialog<D>(kCommand, test); }
    // Box n (1-based, of all 384) of the member picker.
    static TCheckBox* Box(D* d, int n) {
        return d->Pickers.Pickers.at(0)->PortBoxes.at(static_cast<size_t>(n - 1));
    }
    static void Tick(D* d, int first, int last) {
        for (int n = first; n <= last; ++n) {
            Box(d, n)->SetChecked(true);
        }
    }
    static void TypeTrunk(D* d, const char* index, const char* type, const char* unit, const char* port) {
        d->ED_Index->SetText(index);
        if (*type) {
            ChooseOption(d->Combo_Type, type);
        } else {
            d->Combo_Type->SetItemIndex(-1);
        }
        if (d->UnitEdit->Enabled()) {
            d->UnitEdit->SetText(unit);
        }
        d->UnitPortEdit->SetText(port);
    }
    static SimValue Ports(const std::string& head, size_t octets) {
        return {"4x", head + std::string(octets * 2 - head.size(), '0')};
    }
    static std::vector<SimVarBind> Row(const std::string& index, int master, const SimValue& members,
                                       int type, int state) {
        return {{kEntry + ".3." + index, SimValue::Int(master)},
                {kEntry + ".4." + index, members},
                {kEntry + ".6." + index, SimValue::Int(type)},
                {kEntry + ".7." + index, SimValue::Int(state)}};
    }
};

} // namespace

TEST_F(PortTrunkSim, OpensWithTheModelsTrunksTheStandAloneBoxIdAndAChosenTrunksMaster) {
    Run([&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->Width(), 712);
        EXPECT_EQ(ColumnCells(d->Table, kIndex), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        EXPECT_EQ(d->Label_Unit->Caption(), "Box ID :");
        EXPECT_EQ(d->UnitEdit->Text(), "1");
        EXPECT_FALSE(d->UnitEdit->Enabled());
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->BT_Delete->Enabled());
        EXPECT_TRUE(d->BT_Set->Enabled());
        EXPECT_FALSE(d->ComboBox1->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->LV_PortTrunk, 0);
        EXPECT_FALSE(d->ED_Index->Enabled());
        EXPECT_EQ(d->UnitEdit->Text(), "1");
        EXPECT_EQ(d->UnitPortEdit->Text(), "64");
        EXPECT_EQ(d->ComboBox1->Text(), "enable");
        EXPECT_TRUE(d->ComboBox1->Enabled());
        EXPECT_TRUE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->BT_Set->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->LV_PortTrunk, 1);
        EXPECT_EQ(d->ComboBox1->Text(), "disable");

        ClickControl(d->BT_Get);
        EXPECT_TRUE(d->ED_Index->Enabled());
        EXPECT_EQ(d->UnitPortEdit->Text(), "");
        EXPECT_FALSE(d->ComboBox1->Enabled());
        EXPECT_EQ(d->ComboBox1->ItemIndex(), -1);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortTrunkSim, AddCreatesTheTrunkWithItsMasterMembersAndType) {
    Run([&](D* d) {
        TypeTrunk(d, "3", "lacp", "1", "5");
        Tick(d, 5, 8);
        ClickControl(d->BT_Set);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{Row("3", 5, Ports("0F", 8), 3, 4)}));
        EXPECT_EQ(ColumnCells(d->Table, kIndex), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_TRUE(d->BT_Set->Enabled());
        EXPECT_EQ(d->ED_Index->Text(), "");
    });
    EXPECT_EQ(Agent().Value(kEntry + ".7.3"), SimValue::Int(1));
}

TEST_F(PortTrunkSim, OnAStackTheMasterIsUnitTimesSixtyFourPlusThePortBothWays) {
    Stack();
    Run([&](D* d) {
        EXPECT_EQ(d->Label_Unit->Caption(), "Unit :");
        EXPECT_TRUE(d->UnitEdit->Enabled());
        ClickListRow(d->LV_PortTrunk, 0); // master 64
        EXPECT_EQ(d->UnitEdit->Text(), "1");
        EXPECT_EQ(d->UnitPortEdit->Text(), "64");
        ClickListRow(d->LV_PortTrunk, 1); // master 65
        EXPECT_EQ(d->UnitEdit->Text(), "2");
        EXPECT_EQ(d->UnitPortEdit->Text(), "1");

        ClickControl(d->BT_Get);
        TypeTrunk(d, "5", "static", "2", "2");
        Tick(d, 65, 66); // unit 2, ports 1 and 2: the master is box 66
        ClickControl(d->BT_Set);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 Row("5", 66, Ports("0000000000000000C0", 48), 2, 4)}));
    });
}

TEST_F(PortTrunkSim, SetWritesTheChosenTrunkWithTheStateBoxsStateOrLeavesTheStateOut) {
    const struct {
        const char* State; // null: no item chosen
        std::optional<int> Written;
    } cases[] = {{"enable", 1}, {"disable", 2}, {nullptr, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.State ? c.State : "no state");
        Agent().LoadScenario(TrunkScenario());
        Run([&](D* d) {
            ClickListRow(d->LV_PortTrunk, 0);
            Box(d, 62)->SetChecked(true);
            if (c.State) {
                ChooseOption(d->ComboBox1, c.State);
            } else {
                d->ComboBox1->SetItemIndex(-1);
            }
            ClickControl(d->SetBtn);
            std::vector<SimVarBind> row = Row("1", 64, Ports("00000000000000" + std::string("07"), 8), 3, 0);
            row.pop_back();
            if (c.Written) {
                row.push_back({kEntry + ".7.1", SimValue::Int(*c.Written)});
            }
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{row}));
            EXPECT_FALSE(d->SetBtn->Enabled());
        });
    }
}

TEST_F(PortTrunkSim, DeleteDestroysTheChosenTrunkWithItsStateAlone) {
    Run([&](D* d) {
        ClickListRow(d->LV_PortTrunk, 1);
        ClickControl(d->BT_Delete);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kEntry + ".7.2", SimValue::Int(6)}}}));
        EXPECT_EQ(ColumnCells(d->Table, kIndex), (std::vector<std::string>{"1"}));
    });
}

TEST_F(PortTrunkSim, AStandAloneUnitTwoWritesAndShowsThePortsOfItsOwnPage) {
    WritableFacts().UnitList = {{"2", "1", "master", "ZQS-4410-24DA", "exist"}};
    Run([&](D* d) {
        EXPECT_EQ(d->UnitEdit->Text(), "2");
        TypeTrunk(d, "4", "static", "", "5");
        Tick(d, 64 + 5, 64 + 8); // ports 5 to 8 of unit 2's page
        Tick(d, 1, 3);           // unit 1's boxes are not this unit's ports
        ClickControl(d->BT_Set);
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{Row("4", 5, Ports("0F", 8), 2, 4)}));
        const int row = RowWhere(d->Table, {{kIndex, "4"}});
        ASSERT_GE(row, 0);
        ClickListRow(d->LV_PortTrunk, row);
        EXPECT_EQ(d->UnitEdit->Text(), "2");
        EXPECT_EQ(d->UnitPortEdit->Text(), "5");
        EXPECT_TRUE(Box(d, 64 + 5)->Checked());
        EXPECT_FALSE(Box(d, 5)->Checked());
    });
}

TEST_F(PortTrunkSim, AddRefusesWithTheDesignsWordsAndSendsNothing) {
    Stack();
    const struct {
        const char* Index;
        const char* Type;
        const char* Unit;
        const char* Port;
        int First, Last; // the boxes ticked
        const char* Message;
    } cases[] = {
        {"4", "lacp", "1", "1", 1, 9, "The trunk member can't over eight."},
        {"4", "lacp", "1", "1", 1, 1, "You must choose at least two members."},
        {"", "lacp", "1", "1", 1, 2, "The index should not be empty."},
        {"1", "lacp", "1", "1", 1, 2, "The index must be different."},
        {"4", "", "1", "1", 1, 2, "Please choose trunk type."},
        {"4", "lacp", "", "1", 1, 2, "The Unit should not be empty."},
        {"4", "lacp", "1", "", 1, 2, "The Port should not be empty."},
        {"4", "lacp", "1", "64", 63, 64, "The master port must be different."},
        {"4", "lacp", "1", "3", 1, 2, "Master port must be checked."},
        {"4", "lacp", "7", "1", 1, 2, "set valid master port"},
        {"4", "lacp", "1", "65", 1, 2, "set valid master port"},
    };
    Run([&](D* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Message);
            d->Pickers.UncheckAll();
            TypeTrunk(d, c.Index, c.Type, c.Unit, c.Port);
            Tick(d, c.First, c.Last);
            Dialogs.Expect(c.Message);
            ClickControl(d->BT_Set);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortTrunkSim, TheNinthMemberIsUntickedAndALetterInThePortFieldBeepsAndIsDropped) {
    Run([&](D* d) {
        TypeTrunk(d, "4", "lacp", "1", "1");
        Tick(d, 1, 10);
        Dialogs.Expect("The trunk member can't over eight.");
        ClickControl(d->BT_Set);
        EXPECT_FALSE(Box(d, 9)->Checked());
        EXPECT_TRUE(Box(d, 8)->Checked());
        EXPECT_TRUE(Box(d, 10)->Checked());

        CountingBeeper beeper;
        d->UnitPortEdit->SetText("");
        TypeText(d->UnitPortEdit, "1x");
        EXPECT_EQ(d->UnitPortEdit->Text(), "1");
        EXPECT_EQ(beeper.DefaultBeeps, 1);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortTrunkSim, AnUnknownModelReadsAndWritesNothing) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    Run([&](D* d) {
        EXPECT_EQ(d->StatusBar1->Panels()[0]->Text(), "Unsupported model");
        EXPECT_EQ(d->LV_PortTrunk->Items().Count(), 0);
        EXPECT_FALSE(d->BT_Set->Enabled());
        d->BT_SetClick(nullptr);
        d->BT_GetClick(nullptr);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace porttrunk_unit_test
