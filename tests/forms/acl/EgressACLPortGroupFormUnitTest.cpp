#include "EgressACLPortGroupFormUnit.h"

#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "StackingPortUitFormUnit.h"
#include "TApplication.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace egress_acl_port_group_form_unit_test {

namespace {

using Form = TEgressACLPortGroupForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "PortGroup1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.88.1.1.1";
constexpr int kGroupId = ColumnOf(Columns::EgressACLPortGroup, "Port Group ID");

std::string Oid(int arc, const std::string& group) {
    return kEntry + "." + std::to_string(arc) + "." + group;
}
SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class EgressPortGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressPortGroupScenario);
        WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"}};
    }
    static TCheckBox* Box(Form* d, int index) {
        return d->Pickers.Pickers.front()->PortBoxes.at(static_cast<size_t>(index));
    }
    static std::string StatusText(Form* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
    static void Fill(Form* d, const std::string& id, const std::string& name, const std::vector<int>& boxes) {
        d->ED_PortGroupID->SetText(id);
        d->NameEdit->SetText(name);
        for (int box : boxes) {
            Box(d, box)->SetChecked(true);
        }
    }
};

} // namespace

TEST_F(EgressPortGroupSim, TheMenuCommandListsTheGroupsAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TEgressACLPortGroupForm"), missing.end());
    RunDialog<Form>(kCommand, EgressACLPortGroupForm, [&](Form* d) {
        EXPECT_EQ(d->Caption(), "Egress ACL Port Group: " + Agent().Address());
        EXPECT_EQ(d->Width(), 641);
        EXPECT_EQ(d->Height(), 485);
        EXPECT_EQ(ColumnCells(d->Table, kGroupId), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        EXPECT_TRUE(d->btnAdd->Enabled());
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_FALSE(d->CBoxStatus->Visible());
        EXPECT_EQ(d->CBoxStatus->Text(), "createAndGo");
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, 0);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressPortGroupSim, AddSendsCreateAndGoTheNameAndThePortsOfTheBoxes) {
    const struct {
        const char* Stack;
        std::string Ports;
    } cases[] = {{"disabled", "A000000000000000"}, {"enabled", "A0" + std::string(94, '0')}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stack);
        WritableFacts().StackMode = c.Stack;
        Agent().LoadScenario(kEgressPortGroupScenario);
        RunDialog<Form>(kCommand, EgressACLPortGroupForm, [&](Form* d) {
            Fill(d, "5", "grp5", {0, 2});
            ClickControl(d->btnAdd);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (Pdus{{{Oid(2, "5"), SimValue::Int(4)},
                                        {Oid(3, "5"), SimValue::Octets("grp5")},
                                        {Oid(4, "5"), Hex(c.Ports)}}}));
            EXPECT_EQ(ColumnCells(d->Table, kGroupId), (std::vector<std::string>{"1", "2", "5"}));
            // List mode, the input emptied.
            EXPECT_EQ(d->ED_PortGroupID->Text(), "");
            EXPECT_FALSE(Box(d, 0)->Checked());
            EXPECT_TRUE(d->btnAdd->Enabled());
        });
        EXPECT_EQ(Agent().Value(Oid(2, "5")), SimValue::Int(1));
    }
}

// A chosen group keeps its ID and name, disabled in clMenu; Set sends its status and name as read
// and the ports of the boxes.
TEST_F(EgressPortGroupSim, SetOfAChosenGroupSendsItsStatusNameAndTheBoxesPorts) {
    RunDialog<Form>(kCommand, EgressACLPortGroupForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        for (TEdit* key : {d->ED_PortGroupID, d->NameEdit}) {
            EXPECT_FALSE(key->Enabled());
            EXPECT_EQ(key->Color(), clMenu);
        }
        EXPECT_EQ(d->ED_PortGroupID->Text(), "1");
        EXPECT_EQ(d->NameEdit->Text(), "grp1");
        EXPECT_TRUE(Box(d, 0)->Checked());
        EXPECT_TRUE(Box(d, 1)->Enabled());
        EXPECT_TRUE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnAdd->Enabled());

        Box(d, 1)->SetChecked(false);
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(2, "1"), SimValue::Int(1)},
                                    {Oid(3, "1"), SimValue::Octets("grp1")},
                                    {Oid(4, "1"), Hex("8000000000000000")}}}));
        EXPECT_FALSE(d->btnSet->Enabled());
        // The input is typed again: the edits enabled in clWindow, empty.
        EXPECT_TRUE(d->ED_PortGroupID->Enabled());
        EXPECT_EQ(d->ED_PortGroupID->Color(), clWindow);
        EXPECT_EQ(d->NameEdit->Text(), "");
    });
    EXPECT_EQ(Agent().Value(Oid(4, "1")), Hex("8000000000000000"));
}

TEST_F(EgressPortGroupSim, DeleteSendsDestroyAloneAndTheGroupIsGone) {
    RunDialog<Form>(kCommand, EgressACLPortGroupForm, [&](Form* d) {
        ClickListRow(d->ListView1, 1);
        ClickControl(d->btnDelete);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(2, "2"), SimValue::Int(6)}}}));
        EXPECT_EQ(ColumnCells(d->Table, kGroupId), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(d->btnDelete->Enabled());
    });
    EXPECT_EQ(AgentRows(kEntry + ".2"), (std::set<std::string>{"1"}));
}

// The refusals of Add, each sending nothing; the present-unit check looks at a stack whose second
// unit is gone.
TEST_F(EgressPortGroupSim, AddRefusesAMissingIdOrNameAndPortsOfNoPresentUnit) {
    WritableFacts().StackMode = "enabled";
    WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"},
                                {"2", "65", "slave", "ZQS-4410-24DA", "no-exist"}};
    const struct {
        const char* Name;
        const char* Id;
        const char* GroupName;
        std::vector<int> Boxes;
        const char* Message;
    } cases[] = {
        {"no ID", "", "grp5", {0}, "Please input Port Group ID and Group Name."},
        {"no name", "5", "", {0}, "Please input Port Group ID and Group Name."},
        {"no port", "5", "grp5", {}, "Please select ports."},
        {"a port of the absent unit alone", "5", "grp5", {64}, "Please select ports."},
        {"a port beyond the unit's 24", "5", "grp5", {24}, "Please select ports."},
    };
    RunDialog<Form>(kCommand, EgressACLPortGroupForm, [&](Form* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            d->Pickers.UncheckAll();
            Fill(d, c.Id, c.GroupName, c.Boxes);
            Dialogs.Expect(c.Message);
            ClickControl(d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(d->NameEdit->Text(), c.GroupName); // the input stays
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(EgressPortGroupSim, CloseIsRefusedWhileTheFirstReadRuns) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<Form>(kCommand, EgressACLPortGroupForm,
                    [&](Form* d) {
                        ASSERT_FALSE(d->Table.DataComplete);
                        Dialogs.Expect("Get data not complete");
                        ClickControl(d->btnClose);
                        Application->ProcessMessages();
                        EXPECT_EQ(Dialogs.Pending(), 0);
                        EXPECT_EQ(d->ModalResult(), mrNone);
                        ASSERT_TRUE(WaitIdle(d->Table));
                    },
                    {}, {.WaitFirstRead = false});
}

// A first read the switch refuses, and one that cannot even be sent: the reason in status panel 0,
// and the dialog closes.
TEST_F(EgressPortGroupSim, AFirstReadThatFailsOrCannotBeSentIsShownAndCloseThenWorks) {
    const struct {
        const char* Name;
        std::function<void()> Spoil;
        std::string Shown;
    } cases[] = {
        {"refused", [this] { Agent().InjectError(kEntry, "genErr", SimOp::Next); }, MessageOfCode(-105)},
        {"not sent", [] { SessionParameters.Device.Address = "300.1.2.3"; }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto device = SessionParameters.Device;
        c.Spoil();
        RunDialog<Form>(kCommand, EgressACLPortGroupForm, [&](Form* d) {
            EXPECT_TRUE(d->Table.DataComplete);
            EXPECT_FALSE(StatusText(d).empty());
            EXPECT_EQ(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
            EXPECT_NE(StatusText(d).find(c.Shown), std::string::npos) << StatusText(d);
            ClickControl(d->btnClose);
            Application->ProcessMessages();
            EXPECT_EQ(d->ModalResult(), mrCancel); // not refused
        });
        SessionParameters.Device = device;
        Agent().ClearInjections();
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace egress_acl_port_group_form_unit_test
