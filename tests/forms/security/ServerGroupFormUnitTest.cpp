#include "ServerGroupFormUnit.h"

#include "AaaScenario.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace server_group_form_unit_test {

namespace {

using aaa_scenario::kServerGroupEntry;
using aaa_scenario::NameInstance;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "ServerGroup1Click";
constexpr int kNameColumn = ColumnOf(Columns::ServerGroup, "Server Group Name");
constexpr int kRowStatusArc = 18;

SimVarBind RowStatus(const std::string& group, int value) {
    return {kServerGroupEntry + "." + std::to_string(kRowStatusArc) + "." + NameInstance(group),
            SimValue::Int(value)};
}

class ServerGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(aaa_scenario::Scenario());
    }
    static int Row(TServerGroupForm* d, const std::string& name) {
        return RowWhere(d->Table, {{kNameColumn, name}});
    }
    bool AgentHas(const std::string& group) const {
        return Agent()
            .Value(kServerGroupEntry + "." + std::to_string(kRowStatusArc) + "." + NameInstance(group))
            .has_value();
    }
    static std::vector<TControl*> Members(TServerGroupForm* d) {
        return {d->edtIP1,   d->edtIP2,   d->edtIP3,   d->edtIP4,   d->edtIP5,   d->edtIP6,
                d->edtIP7,   d->edtIP8,   d->cbxProt1, d->cbxProt2, d->cbxProt3, d->cbxProt4,
                d->cbxProt5, d->cbxProt6, d->cbxProt7, d->cbxProt8};
    }
};

} // namespace

TEST_F(ServerGroupSim, OpensThroughItsMenuCommandAndShowsAGroupsMembersReadOnly) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TServerGroupForm"), missing.end());
    RunDialog<TServerGroupForm>(kCommand, ServerGroupForm, [&](TServerGroupForm* d) {
        EXPECT_EQ(d->Caption(), "AAC Server Group Table: " + Agent().Address());
        EXPECT_NE(d->Table.Request->Mode, 0); // asynchronous
        EXPECT_EQ(d->ListView2->Items().Count(), 9);
        EXPECT_EQ(d->Static->Caption(), "9");
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_TRUE(d->edtServerName->Enabled());
        EXPECT_FALSE(d->cbxRowStatus->Visible());
        for (TControl* member : Members(d)) {
            EXPECT_FALSE(member->Enabled());
        }
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView2, Row(d, "group1"));
        EXPECT_EQ(d->edtServerName->Text(), "group1");
        EXPECT_EQ(d->edtIP1->Text(), "10.1.1.1");
        EXPECT_EQ(d->cbxProt1->Text(), "tacacs-plus");
        EXPECT_EQ(d->edtIP2->Text(), "10.1.1.2");
        EXPECT_EQ(d->cbxProt2->Text(), "radius");
        EXPECT_EQ(d->edtIP3->Text(), "0.0.0.0");
        EXPECT_EQ(d->cbxProt8->Text(), "other");
        for (TControl* member : Members(d)) {
            EXPECT_FALSE(member->Enabled());
        }
        EXPECT_FALSE(d->edtServerName->Enabled());
        EXPECT_FALSE(d->cbxRowStatus->Enabled());
        EXPECT_FALSE(d->AddButton->Enabled());
        EXPECT_TRUE(d->DeleteButton->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ListView2->Items().Count(), 9);
        EXPECT_EQ(d->edtServerName->Text(), "");
        EXPECT_TRUE(d->edtServerName->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ServerGroupSim, ClickingEmptySpaceEmptiesTheNameAndAddressesButKeepsTheProtocols) {
    // group1 alone, so the list has room below its row.
    Agent().LoadScenario(R"({"tables": [)" + aaa_scenario::ServerGroupTable({}) + "]}");
    RunDialog<TServerGroupForm>(kCommand, ServerGroupForm, [&](TServerGroupForm* d) {
        ClickListRow(d->ListView2, Row(d, "group1"));
        ClickAt(d->ListView2, 20, 70);
        EXPECT_EQ(d->ListView2->Selected(), nullptr);
        EXPECT_EQ(d->edtServerName->Text(), "");
        EXPECT_EQ(d->edtIP1->Text(), "");
        EXPECT_EQ(d->edtIP2->Text(), "");
        EXPECT_EQ(d->cbxProt1->Text(), "tacacs-plus");
        EXPECT_EQ(d->cbxProt2->Text(), "radius");
        EXPECT_TRUE(d->edtServerName->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->DeleteButton->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ServerGroupSim, AddSendsTheRowStatusAloneAndListsTheGroupWithoutMembers) {
    RunDialog<TServerGroupForm>(kCommand, ServerGroupForm, [&](TServerGroupForm* d) {
        TypeText(d->edtServerName, "grp1");
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{RowStatus("grp1", 4)}}));
        EXPECT_EQ(Agent().Value(kServerGroupEntry + ".18." + NameInstance("grp1")), SimValue::Int(1));
        EXPECT_EQ(d->edtServerName->Text(), "");
        ASSERT_GE(Row(d, "grp1"), 0);
        ClickListRow(d->ListView2, Row(d, "grp1"));
        EXPECT_EQ(d->edtIP1->Text(), "0.0.0.0");
        EXPECT_EQ(d->cbxProt1->Text(), "other");
    });
}

TEST_F(ServerGroupSim, AddRefusesAnEmptyOrTakenNameButNotOneThatDiffersInCase) {
    const struct {
        const char* Name;
        const char* Message;
    } refused[] = {
        {"", "Server Group Name can not be null."},
        {"group1", "Has already a record with the same Server Group Name. Please change it."},
    };
    RunDialog<TServerGroupForm>(kCommand, ServerGroupForm, [&](TServerGroupForm* d) {
        for (const auto& c : refused) {
            SCOPED_TRACE(c.Name);
            d->edtServerName->SetText(c.Name);
            Dialogs.Expect(c.Message);
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_TRUE(d->edtServerName->Focused());
            EXPECT_TRUE(Agent().SetLog().empty());
        }
        d->edtServerName->SetText("Group1");
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{RowStatus("Group1", 4)}}));
        EXPECT_GE(Row(d, "Group1"), 0);
        EXPECT_GE(Row(d, "group1"), 0);
    });
}

TEST_F(ServerGroupSim, DeleteRefusesTheDefaultGroupsInAnyCaseAndDeletesOthersWithoutAsking) {
    const struct {
        const char* Name;
        bool Deleted;
    } cases[] = {
        {"RADIUS", false}, {"Tacacs+", false}, {"tacacs-plus", false}, {"tacacs2", true}, {"group1", true},
    };
    RunDialog<TServerGroupForm>(kCommand, ServerGroupForm, [&](TServerGroupForm* d) {
        int reads = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            Agent().ClearSetLog();
            ClickListRow(d->ListView2, Row(d, c.Name));
            if (!c.Deleted) {
                Dialogs.Expect("Default Server Group can not be deleted.");
            }
            ClickControl(d->DeleteButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (!c.Deleted) {
                EXPECT_TRUE(Agent().SetLog().empty());
                EXPECT_TRUE(AgentHas(c.Name));
                continue;
            }
            ASSERT_TRUE(WaitReads(++reads));
            EXPECT_EQ(SetPdus(), (Pdus{{RowStatus(c.Name, 6)}}));
            EXPECT_FALSE(AgentHas(c.Name));
            EXPECT_EQ(Row(d, c.Name), -1);
            EXPECT_FALSE(d->DeleteButton->Enabled());
            EXPECT_TRUE(d->AddButton->Enabled());
        }
        EXPECT_EQ(d->Static->Caption(), "7");
    });
}

TEST_F(ServerGroupSim, AReadErrorShowsInTheBarsTextLine) {
    RunDialog<TServerGroupForm>(kCommand, ServerGroupForm, [&](TServerGroupForm* d) {
        d->Table.Request->Request.Timeout = 10; // 0.1 s a try
        Agent().DropReplies(kServerGroupEntry, SimOp::Next);
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_NE(d->StatusBar1->SimpleText().find("SNMP request timed out!"), std::string::npos)
            << d->StatusBar1->SimpleText();
        EXPECT_TRUE(d->StatusBar1->SimplePanel());
        EXPECT_EQ(d->StatusBar1->ShownText(), d->StatusBar1->SimpleText());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace server_group_form_unit_test
