#include "Mirrorgroupformunit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "MirrorScenario.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace mirrorgroupformunit_test {

namespace {

using namespace mirror_scenario;

constexpr const char* kCommand = "PortMirrorGroupTable1Click";
constexpr int kGroupColumn = ColumnOf(Columns::MirrorGroup, "Group ID");
constexpr int kTargetColumn = ColumnOf(Columns::MirrorGroup, "Logic Target Port");

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class MirrorGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    void Run(const std::function<void(TMirrorGroupForm*)>& test, DialogRun how = {}) {
        RunDialog<TMirrorGroupForm>(kCommand, MirrorGroupForm, test, {}, how);
    }
    static std::vector<std::string> Groups(TMirrorGroupForm* d) {
        return ColumnCells(d->Table, kGroupColumn);
    }
    static TCheckBox* Port(TMirrorGroupForm* d, int picker, int port) {
        return d->Pickers.Pickers.at(static_cast<size_t>(picker))
            ->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static int Row(TMirrorGroupForm* d, const char* group) {
        return RowWhere(d->Table, {{kGroupColumn, group}});
    }
    const std::string kEntry = GroupEntry(kFirstModelArc);
};

} // namespace

TEST_F(MirrorGroupSim, ListsTheGroupsAndEditsOnlyAChosenOne) {
    Run([&](TMirrorGroupForm* d) {
        EXPECT_EQ(d->Caption(), "Port Mirror Group Table: " + Agent().Address());
        EXPECT_EQ(Groups(d), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_TRUE(d->btnAdd->Enabled());
        EXPECT_TRUE(d->ED_GroupID->Enabled());
        EXPECT_FALSE(d->TargetEdit->Enabled());
        EXPECT_FALSE(d->groupStateComboBox->Enabled());
        EXPECT_FALSE(Port(d, 0, 1)->Enabled());
        EXPECT_FALSE(d->CBoxStatus->Visible());
        EXPECT_EQ(d->CBoxStatus->Text(), "createAndGo");
        ASSERT_EQ(d->PageControl1->PageCount(), 2);
        for (int page = 0; page < 2; ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }

        ClickListRow(d->ListView1, Row(d, "1"));
        EXPECT_EQ(d->ED_GroupID->Text(), "1");
        EXPECT_FALSE(d->ED_GroupID->Enabled());
        EXPECT_EQ(d->TargetEdit->Text(), std::to_string(TargetPortOf(kFirstModelArc)));
        EXPECT_TRUE(d->TargetEdit->Enabled());
        EXPECT_EQ(d->groupStateComboBox->Text(), "enabled");
        EXPECT_TRUE(d->groupStateComboBox->Enabled());
        EXPECT_TRUE(Port(d, 0, 1)->Enabled());
        EXPECT_TRUE(Port(d, 0, 2)->Checked());
        EXPECT_TRUE(Port(d, 1, 3)->Checked());
        EXPECT_TRUE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnAdd->Enabled());
        for (int page = 0; page < 2; ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MirrorGroupSim, SetIsStateAndTargetThenBothListsAndATargetOfZeroIsLeftOut) {
    const struct {
        const char* Target;
        bool Written;
    } cases[] = {{"30", true}, {"0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Target);
        Run([&](TMirrorGroupForm* d) {
            ClickListRow(d->ListView1, Row(d, "1"));
            d->TargetEdit->SetText(c.Target);
            ChooseOption(d->groupStateComboBox, "disabled");
            Port(d, 1, 8)->SetChecked(true);
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(2));
            ASSERT_TRUE(WaitReads(1));
            std::vector<SimVarBind> first = {{kEntry + ".3.1", SimValue::Int(2)}};
            if (c.Written) {
                first.push_back({kEntry + ".4.1", SimValue::Int(30)});
            }
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     first,
                                     {{kEntry + ".5.1", Hex("C000000000000000")},
                                      {kEntry + ".6.1", Hex("2100000000000000")}},
                                 }));
            EXPECT_EQ(d->ListView1->Selected(), nullptr);
            EXPECT_TRUE(d->ED_GroupID->Enabled());
            EXPECT_EQ(d->ED_GroupID->Text(), "");
            EXPECT_FALSE(d->btnSet->Enabled());
            EXPECT_TRUE(d->btnAdd->Enabled());
        });
    }
}

TEST_F(MirrorGroupSim, AddSendsTheRowStatusAloneAndTheGroupAppears) {
    Run([&](TMirrorGroupForm* d) {
        Dialogs.Expect("Group ID need to input.");
        ClickControl(d->btnAdd);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());

        TypeText(d->ED_GroupID, "3");
        ClickControl(d->btnAdd);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kEntry + ".2.3", SimValue::Int(4)}}}));
        EXPECT_EQ(Groups(d), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(d->StaticText1->Caption(), "3");
        EXPECT_EQ(d->ED_GroupID->Text(), "");
    });
}

TEST_F(MirrorGroupSim, DeleteIsTheDestroyAloneWithoutAQuestion) {
    Run([&](TMirrorGroupForm* d) {
        ClickListRow(d->ListView1, Row(d, "2"));
        ClickControl(d->btnDelete);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kEntry + ".2.2", SimValue::Int(6)}}}));
        EXPECT_EQ(Groups(d), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_TRUE(d->btnAdd->Enabled());
    });
}

TEST_F(MirrorGroupSim, EachModelReadsAndWritesItsOwnTable) {
    for (int arc = kFirstModelArc; arc <= kLastModelArc; ++arc) {
        SCOPED_TRACE(arc);
        WritableFacts().SysObjectId = SysObjectId(arc);
        Run([&](TMirrorGroupForm* d) {
            ASSERT_EQ(Row(d, "1"), 0);
            EXPECT_EQ(ColumnCells(d->Table, kTargetColumn).front(), std::to_string(TargetPortOf(arc)));
            ClickListRow(d->ListView1, Row(d, "2"));
            ClickControl(d->btnDelete);
            ASSERT_TRUE(WaitForSets(1));
            EXPECT_EQ(SetPdus(),
                      (std::vector<std::vector<SimVarBind>>{{{GroupEntry(arc) + ".2.2", SimValue::Int(6)}}}));
        });
    }
}

TEST_F(MirrorGroupSim, AnUnknownModelIsUnsupportedAndSendsNothing) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.1.1";
    Run([&](TMirrorGroupForm* d) {
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "Unsupported model");
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnAdd->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_EQ(d->Table.Request, nullptr);
        ClickControl(d->RefreshBtn);
        d->ED_GroupID->SetText("3");
        d->btnAddClick(nullptr);
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MirrorGroupSim, CloseDuringTheWalkSaysGetDataNotComplete) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    Run(
        [&](TMirrorGroupForm* d) {
            ASSERT_FALSE(d->Table.DataComplete);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->btnClose);
            Application->ProcessMessages(); // the modal loop asks the dialog
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(d->ModalResult(), mrNone);
            Dialogs.Expect("Get data not complete");
            d->btnAddClick(nullptr);
            EXPECT_EQ(Dialogs.Pending(), 0);
        },
        {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace mirrorgroupformunit_test
