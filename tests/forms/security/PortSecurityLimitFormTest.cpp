#include "PortSecurityVLANOnPortFormUnit.h"
#include "PortSecurityVLANTableFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "OptionItems.h"
#include "PortSecurityScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace port_security_limit_form_test {

namespace {

using port_security_scenario::kOnPortEntry;
using port_security_scenario::kVlanEntry;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kOnPortCommand = "VLANOnPort1Click";
constexpr const char* kVlanCommand = "VLANTable6Click";
constexpr int kPortColumn = ColumnOf(Columns::PortSecurityVLANOnPortTable, "Port Index");
constexpr int kOnPortVlanColumn = ColumnOf(Columns::PortSecurityVLANOnPortTable, "VLAN ID");
constexpr int kVlanColumn = ColumnOf(Columns::PortSecurityVLANTable, "VLAN ID");

SimVarBind Cell(const std::string& entry, int arc, const std::string& instance, int value) {
    return {entry + "." + std::to_string(arc) + "." + instance, SimValue::Int(value)};
}

class PortSecurityLimitSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(port_security_scenario::Scenario());
    }
    static int OnPortRow(TPortSecurityLimitForm* d, const std::string& port, const std::string& vlan) {
        return RowWhere(d->Table, {{kPortColumn, port}, {kOnPortVlanColumn, vlan}});
    }
    static int VlanRow(TPortSecurityLimitForm* d, const std::string& vlan) {
        return RowWhere(d->Table, {{kVlanColumn, vlan}});
    }
    static std::string Status(TPortSecurityLimitForm* d) { return d->StatusBar1->Panels()[0]->Text(); }
    // The state every write and Refresh of the per-port dialog leaves.
    static void ExpectCleared(TPortSecurityLimitForm* d) {
        EXPECT_EQ(d->PortEdit->Text(), "");
        EXPECT_EQ(d->VIDEdit->Text(), "");
        EXPECT_EQ(d->MaxLearnAddressEdit->Text(), "");
        EXPECT_TRUE(d->PortEdit->Enabled());
        EXPECT_FALSE(d->CBoxNolimit->Checked());
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->SetButton->Enabled());
    }
};

} // namespace

TEST_F(PortSecurityLimitSim, PerPortOpensThroughItsMenuCommandAndFixesAChosenRowsKeys) {
    RunDialog<TPortSecurityVLANOnPortForm>(
        kOnPortCommand, PortSecurityVLANOnPortForm, [&](TPortSecurityVLANOnPortForm* d) {
            EXPECT_EQ(d->Caption(), "Port Security VLAN On Port: " + Agent().Address());
            EXPECT_NE(d->Table.Request->Mode, 0); // asynchronous
            EXPECT_EQ(d->ListView1->Items().Count(), 3);
            EXPECT_EQ(d->StaticText1->Caption(), "3");
            EXPECT_FALSE(d->Addcbx->Visible());
            ExpectCleared(d);
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->ListView1, OnPortRow(d, "2", "1"));
            EXPECT_EQ(d->PortEdit->Text(), "2");
            EXPECT_EQ(d->VIDEdit->Text(), "1");
            EXPECT_EQ(d->MaxLearnAddressEdit->Text(), "64");
            EXPECT_FALSE(d->PortEdit->Enabled());
            EXPECT_FALSE(d->VIDEdit->Enabled());
            EXPECT_TRUE(d->SetButton->Enabled());
            EXPECT_FALSE(d->AddButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortSecurityLimitSim, PerPortAddSendsTheLimitAndAddControlAtPortDotVlanThenReadsTheTable) {
    RunDialog<TPortSecurityVLANOnPortForm>(
        kOnPortCommand, PortSecurityVLANOnPortForm, [&](TPortSecurityVLANOnPortForm* d) {
            TypeText(d->PortEdit, "3");
            TypeText(d->VIDEdit, "10");
            ClickControl(d->CBoxNolimit);
            EXPECT_EQ(d->MaxLearnAddressEdit->Text(), "-1");
            ClickControl(d->AddButton);
            EXPECT_EQ(SetPdus(),
                      (Pdus{{Cell(kOnPortEntry, 1, "3.10", -1), Cell(kOnPortEntry, 2, "3.10", 2)}}));
            EXPECT_NE(d->Table.Request->Mode, 0); // the SET alone was blocking
            ASSERT_TRUE(WaitReads(1));
            EXPECT_GE(OnPortRow(d, "3", "10"), 0);
            ExpectCleared(d);

            // A row's limit changed: the limit with Add Control as the row holds it.
            Agent().ClearSetLog();
            ClickListRow(d->ListView1, OnPortRow(d, "2", "1"));
            d->MaxLearnAddressEdit->SetText("32");
            ClickControl(d->SetButton);
            EXPECT_EQ(SetPdus(), (Pdus{{Cell(kOnPortEntry, 1, "2.1", 32), Cell(kOnPortEntry, 2, "2.1", 1)}}));
            ASSERT_TRUE(WaitReads(2));
            ExpectCleared(d);
        });
}

TEST_F(PortSecurityLimitSim, PerPortAddRefusesAMissingLimitPortOrVlanInThatOrder) {
    const struct {
        const char* Limit;
        const char* Port;
        const char* Vlan;
        const char* Message;
        TEdit* TPortSecurityLimitForm::*Focused;
    } cases[] = {
        {"", "3", "10", "Please input a Max Learn Address number.",
         &TPortSecurityLimitForm::MaxLearnAddressEdit},
        {"8", "", "", "Please input Port number.", &TPortSecurityLimitForm::PortEdit},
        {"8", "3", "", "Please input a VLAN ID.", &TPortSecurityLimitForm::VIDEdit},
    };
    RunDialog<TPortSecurityVLANOnPortForm>(kOnPortCommand, PortSecurityVLANOnPortForm,
                                           [&](TPortSecurityVLANOnPortForm* d) {
                                               for (const auto& c : cases) {
                                                   SCOPED_TRACE(c.Message);
                                                   d->MaxLearnAddressEdit->SetText(c.Limit);
                                                   d->PortEdit->SetText(c.Port);
                                                   d->VIDEdit->SetText(c.Vlan);
                                                   Dialogs.Expect(c.Message);
                                                   ClickControl(d->AddButton);
                                                   EXPECT_EQ(Dialogs.Pending(), 0);
                                                   EXPECT_TRUE((d->*c.Focused)->Focused());
                                               }
                                           });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortSecurityLimitSim, DuringTheFirstWalkRefreshAddAndSetAreRefusedUntilStop) {
    Agent().SetDelay(kOnPortEntry, 300, SimOp::Next);
    RunDialog<TPortSecurityVLANOnPortForm>(
        kOnPortCommand, PortSecurityVLANOnPortForm,
        [&](TPortSecurityVLANOnPortForm* d) {
            ASSERT_FALSE(d->Table.DataComplete);
            const struct {
                TButton* TPortSecurityLimitForm::*Button;
                const char* Message;
            } cases[] = {
                {&TPortSecurityLimitForm::RefreshButton, "Get data not complete."},
                {&TPortSecurityLimitForm::AddButton, "Get data not complete."},
                {&TPortSecurityLimitForm::SetButton, "Get data not complete"},
            };
            for (const auto& c : cases) {
                SCOPED_TRACE(c.Message);
                Dialogs.Expect(c.Message);
                (d->*c.Button)
                    ->SetEnabled(true); // Set is disabled without a row: its handler is what is tested
                ClickControl(d->*c.Button);
                EXPECT_EQ(Dialogs.Pending(), 0);
            }
            ClickControl(d->StopButton);
            EXPECT_TRUE(d->Table.DataComplete);
            ASSERT_TRUE(WaitFor([&] { return !d->Table.Request->Busy; }, 10000));
            Agent().ClearInjections();
            ClickControl(d->RefreshButton);
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(d->ListView1->Items().Count(), 3);
        },
        {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortSecurityLimitSim, AfterASetThatFailsOrRaisesTheNextWalkIsAsynchronous) {
    RunDialog<TPortSecurityVLANOnPortForm>(
        kOnPortCommand, PortSecurityVLANOnPortForm, [&](TPortSecurityVLANOnPortForm* d) {
            // The switch refuses the SET: the framework's box, then the table read again.
            Agent().InjectError(kOnPortEntry, "genErr", SimOp::Set);
            ClickListRow(d->ListView1, OnPortRow(d, "2", "1"));
            Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
            ClickControl(d->SetButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_NE(d->Table.Request->Mode, 0);
            EXPECT_FALSE(d->Table.DataComplete); // the re-read walks on after the click
            ASSERT_TRUE(WaitReads(1));
            Agent().ClearInjections();

            // The SET raises before it is sent (its collection fails): the failure in the status
            // line, the fields cleared, and the request asynchronous again.
            ClickListRow(d->ListView1, OnPortRow(d, "2", "1"));
            d->Table.Request->AfterCollect.push_back(
                [](VqSNMPVarList&) -> void { throw std::runtime_error("collection failed"); });
            ClickControl(d->SetButton);
            d->Table.Request->AfterCollect.pop_back();
            EXPECT_EQ(Agent().SetLog().size(), 1u); // the refused one alone
            EXPECT_EQ(Status(d), "collection failed");
            EXPECT_NE(d->Table.Request->Mode, 0);
            EXPECT_TRUE(d->Table.DataComplete);
            ExpectCleared(d);
            ClickControl(d->RefreshButton);
            EXPECT_FALSE(d->Table.DataComplete); // the walk runs on after the click
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(d->ListView1->Items().Count(), 3);
        });
}

TEST_F(PortSecurityLimitSim, PerVlanSelectingARowShowsItsLimitThroughTheNoLimitBox) {
    RunDialog<TPortSecurityVLANTableForm>(
        kVlanCommand, PortSecurityVLANTableForm, [&](TPortSecurityVLANTableForm* d) {
            EXPECT_EQ(d->Caption(), "Port Security VLAN Table: " + Agent().Address());
            EXPECT_EQ(d->AddButton, nullptr);
            EXPECT_FALSE(d->VIDLabel->Enabled());
            EXPECT_FALSE(d->SetButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->ListView1, VlanRow(d, "1"));
            EXPECT_EQ(d->VIDText->Caption(), "1");
            EXPECT_TRUE(d->CBoxNolimit->Checked());
            EXPECT_FALSE(d->MaxLearnAddressEdit->Enabled());
            EXPECT_EQ(d->MaxLearnAddressEdit->Color(), clBtnFace);
            EXPECT_TRUE(d->SetButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->ListView1, VlanRow(d, "20"));
            EXPECT_FALSE(d->CBoxNolimit->Checked());
            EXPECT_TRUE(d->MaxLearnAddressEdit->Enabled());
            EXPECT_EQ(d->MaxLearnAddressEdit->Text(), "64");

            // A limit that is no integer (unticked on the chosen row): the box stays unticked, the
            // edit as it is.
            ClickControl(d->CBoxNolimit);
            ClickControl(d->CBoxNolimit);
            d->MaxLearnAddressEdit->SetText("");
            ClickListRow(d->ListView1, VlanRow(d, "20"));
            EXPECT_FALSE(d->CBoxNolimit->Checked());
            EXPECT_EQ(d->MaxLearnAddressEdit->Text(), "");
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortSecurityLimitSim, PerVlanSetSendsTheLimitAndClearControlAtTheVlanOrRefusesAnEmptyLimit) {
    RunDialog<TPortSecurityVLANTableForm>(
        kVlanCommand, PortSecurityVLANTableForm, [&](TPortSecurityVLANTableForm* d) {
            // Without a row: nothing, not even the guard's text.
            d->SetButton->SetEnabled(true);
            ClickControl(d->SetButton);

            ClickListRow(d->ListView1, VlanRow(d, "20"));
            d->MaxLearnAddressEdit->SetText("");
            Dialogs.Expect("Please input a Max Learn Address number.");
            ClickControl(d->SetButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_TRUE(Agent().SetLog().empty());

            d->MaxLearnAddressEdit->SetText("48");
            ChooseOption(d->Clearcbx, "start");
            ClickControl(d->SetButton);
            EXPECT_EQ(SetPdus(), (Pdus{{Cell(kVlanEntry, 2, "20", 48), Cell(kVlanEntry, 3, "20", 2)}}));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(d->ListView1->Selected(), nullptr);
            EXPECT_FALSE(d->SetButton->Enabled());
        });
}

} // namespace port_security_limit_form_test
