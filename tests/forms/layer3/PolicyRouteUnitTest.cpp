#include "PolicyRouteUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "ColumnNames.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "RedistributionScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace policy_route_unit_test {

namespace {

using namespace redistribution_scenario;

constexpr const char* kCommand = "PolicyRoute1Click";
constexpr auto& kColumns = Columns::PolicyRouteTable;
const std::string kStatusOid = kPolicyEntry + ".5";
using T = TPolicyRouteForm;

class PolicyRouteSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static int Row(const T* d, const std::string& name) {
        return RowWhere(d->Table, {{ColumnOf(kColumns, "Name"), name}});
    }
    static std::vector<int> Words(const T* d) {
        std::vector<int> words;
        for (int i = 0; i < d->Table.Request->Request.VarList.GetCount(); ++i) {
            words.push_back(d->Table.Request->Request.VarList.GetVariable(i).Access);
        }
        return words;
    }
};

} // namespace

TEST_F(PolicyRouteSim, ItsMenuCommandOpensItWithTheRulesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TPolicyRouteForm"), missing.end());
    RunDialog<T>(kCommand, PolicyRouteForm, [&](T* d) {
        EXPECT_EQ(d->Caption(), "Policy Route Table: " + Agent().Address());
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        EXPECT_TRUE(d->NameEdit->Enabled());
        for (TEdit* edit : {d->PIDEdit, d->AIDEdit, d->HopEdit}) {
            EXPECT_FALSE(edit->Enabled());
        }
        EXPECT_TRUE(d->StateComboBox->Visible());
        EXPECT_FALSE(d->SetButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, Row(d, "voice"));
        EXPECT_EQ(d->NameEdit->Text(), "voice");
        EXPECT_FALSE(d->NameEdit->Enabled()); // the chosen rule's name is its index
        EXPECT_EQ(d->HopEdit->Text(), "10.2.2.254");
        EXPECT_TRUE(d->HopEdit->Enabled());
        EXPECT_EQ(d->StateComboBox->Text(), "disabled");
        EXPECT_TRUE(d->SetButton->Enabled());
        EXPECT_FALSE(d->AddButton->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add creates a rule from its name alone (Status createAndGo); without a name it is refused.
TEST_F(PolicyRouteSim, AddCreatesARuleFromItsNameAlone) {
    RunDialog<T>(kCommand, PolicyRouteForm, [&](T* d) {
        Dialogs.Expect("Name must be set.");
        ClickControl(d->AddButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(d->NameEdit->Focused());
        EXPECT_TRUE(Agent().SetLog().empty());
        TypeText(d->NameEdit, "video");
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_GE(Row(d, "video"), 0);
        EXPECT_EQ(d->NameEdit->Text(), "");
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                             {{kStatusOid + "." + TextArcs("video"), SimValue::Int(4)}}}));
}

// Set writes the rule's values, and its status only when "enabled" or "disabled" is chosen.
TEST_F(PolicyRouteSim, SetWritesTheStatusOnlyWhenItIsEnabledOrDisabled) {
    const struct {
        const char* Status;
        bool Written;
    } cases[] = {{"notReady", false}, {"createAndGo", false}, {"destroy", false}, {"disabled", true}};
    RunDialog<T>(kCommand, PolicyRouteForm, [&](T* d) {
        size_t sets = 0;
        int reads = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Status);
            ClickListRow(d->ListView1, Row(d, "web"));
            d->AIDEdit->SetText("30");
            ChooseOption(d->StateComboBox, c.Status);
            ClickControl(d->SetButton);
            ASSERT_TRUE(WaitForSets(++sets));
            ASSERT_TRUE(WaitReads(++reads));
            std::vector<SimVarBind> expected = {
                {kPolicyEntry + ".2." + kWeb, SimValue::Int(1)},
                {kPolicyEntry + ".3." + kWeb, SimValue::Int(30)},
                {kPolicyEntry + ".4." + kWeb, SimValue{"64", "10.1.1.254"}},
            };
            if (c.Written) {
                expected.push_back({kStatusOid + "." + kWeb, SimValue::Int(2)});
            }
            EXPECT_EQ(SetPdus().back(), expected);
        }
    });
    EXPECT_EQ(Agent().Value(kStatusOid + "." + kWeb), SimValue::Int(2));
}

// Delete: the status destroy alone at the chosen rule's name, no question, though the name column
// is flagged for it; every column has its access back for the next walk.
TEST_F(PolicyRouteSim, DeleteDestroysTheChosenRuleAndTheNextWalkReadsTheSameColumns) {
    RunDialog<T>(kCommand, PolicyRouteForm, [&](T* d) {
        const std::vector<int> before = Words(d);
        ClickListRow(d->ListView1, Row(d, "voice"));
        ClickControl(d->DeleteButton); // no box: the script has none
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(Words(d), before);
        ASSERT_EQ(d->ListView1->Items().Count(), 1);
        EXPECT_EQ(d->Table.Request->CellText(d->ListView1->Items()[0], ColumnOf(kColumns, "Next Hop")),
                  "10.1.1.254");
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kStatusOid + "." + kVoice, SimValue::Int(6)}}}));
    EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{kWeb}));
}

// During the first walk (the agent is slow) Refresh says "Get data not complete!" and the writes
// "Get data not complete"; Stop unlocks at once, and Refresh then reads.
TEST_F(PolicyRouteSim, BeforeTheFirstWalkEndsRefreshAndWritesRefuseAndStopUnlocksAtOnce) {
    Agent().SetDelay(kPolicyEntry, 300, SimOp::Next);
    RunDialog<T>(kCommand, PolicyRouteForm,
                 [&](T* d) {
                     ASSERT_TRUE(d->Table.Request->Busy);
                     Dialogs.Expect("Get data not complete!");
                     ClickControl(d->RefreshButton);
                     TypeText(d->NameEdit, "x");
                     Dialogs.Expect("Get data not complete");
                     ClickControl(d->AddButton);
                     EXPECT_EQ(Dialogs.Pending(), 0);
                     ClickControl(d->StopButton);
                     EXPECT_TRUE(d->Table.DataComplete);
                     ClickControl(d->RefreshButton); // no box: the script has none
                     ASSERT_TRUE(WaitIdle(d->Table));
                     EXPECT_EQ(d->ListView1->Items().Count(), 2);
                 },
                 {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace policy_route_unit_test
