#include "Mstpportstateformunit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "Mstpportstateeditformunit.h"
#include "StpScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "UiTesting.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace mstpportstateformunit_test {

namespace {

using D = TMSTPPortStateForm;
using E = TMSTPPortStateEditForm;
constexpr const char* kCommand = "PortStateInformation1Click";
constexpr int kPort = ColumnOf(Columns::MSTPPortStateTable, "Port");
const std::string kEntry = kStpPortEntry;

// The eight writable columns of port 2 as the scenario holds them, the path cost changed to 7, the
// administrative hello time (arc .2) first where it goes.
std::vector<SimVarBind> PortPdu(bool withHelloTime) {
    std::vector<SimVarBind> pdu;
    if (withHelloTime) {
        pdu.push_back({kEntry + ".2.2", SimValue::Int(200)});
    }
    for (const auto& [arc, value] : std::initializer_list<std::pair<const char*, int>>{
             {".4", 1}, {".5", 7}, {".6", 2}, {".7", 3}, {".9", 2}, {".12", 2}, {".13", 2}, {".14", 2}}) {
        pdu.push_back({kEntry + arc + ".2", SimValue::Int(value)});
    }
    return pdu;
}

class PortStateSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(StpScenario());
    }
    // Chooses port 2 and opens its edit dialog with Edit.
    static void EditPort2(D* d) {
        ClickListRow(d->lvMSTPPortState, 1);
        ClickControl(d->btnEdit);
    }
};

} // namespace

TEST_F(PortStateSim, OpensWithThePortsAndTheVersionAndEditShowsTheChosenPort) {
    RunDialog<D>(kCommand, MSTPPortStateForm,
                 [&](D* d) {
                     EXPECT_EQ(d->Caption(), "STP Port State Table: " + Agent().Address());
                     EXPECT_EQ(ColumnCells(d->Table, kPort), (std::vector<std::string>{"1", "2", "3"}));
                     EXPECT_EQ(d->StaticText1->Caption(), "3");
                     EXPECT_EQ(d->lblSTPVersion->Caption(), "rstp");
                     EXPECT_FALSE(d->btnEdit->Enabled());
                     EXPECT_TRUE(CaptionsReadWhole(d));
                     ClickListRow(d->lvMSTPPortState, 1);
                     EXPECT_TRUE(d->btnEdit->Enabled());
                     EXPECT_TRUE(CaptionsReadWhole(d));
                     ClickListRow(d->lvMSTPPortState, 1);
                     d->lvMSTPPortState->OnDblClick(d->lvMSTPPortState); // Edit by double click
                     EXPECT_FALSE(d->btnEdit->Enabled());
                 },
                 {[&](TForm* form) {
                     auto* e = dynamic_cast<E*>(form);
                     ASSERT_NE(e, nullptr);
                     EXPECT_EQ(e->Caption(), "Port State Information: " + Agent().Address() + " (Edit)");
                     EXPECT_EQ(e->edtPortIndex->Text(), "2");
                     EXPECT_EQ(e->edtExtPathCost->Text(), "40000");
                     EXPECT_EQ(e->cbxAdminP2P->Text(), "auto");
                     EXPECT_EQ(e->cbxOperP2P->Text(), "true");
                     for (TControl* shown : std::initializer_list<TControl*>{
                              e->edtPortIndex, e->edtOperHelloTime, e->cbxOperEdgePort, e->cbxOperP2P}) {
                         EXPECT_FALSE(shown->Enabled());
                     }
                     EXPECT_TRUE(e->edtAdminHelloTime->Enabled());
                     EXPECT_FALSE(e->cbxSTPlbd->Visible());
                     EXPECT_TRUE(CaptionsReadWhole(e));
                     ClickControl(e->btnClose);
                 }});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortStateSim, AnEditWritesTheHelloTimeOnlyInMstpOrWhenTheVersionIsUnknown) {
    const struct {
        int Version;
        bool VersionRead;
        bool WithHelloTime;
    } cases[] = {{0, true, false}, {1, true, false}, {2, true, true}, {1, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Version) + (c.VersionRead ? "" : ", the version unread"));
        Agent().LoadScenario(StpScenario({.Version = c.Version}));
        if (!c.VersionRead) {
            Agent().InjectError(std::string(kStpGroup) + ".2", "genErr", SimOp::Get);
        }
        RunDialog<D>(kCommand, MSTPPortStateForm,
                     [&](D* d) {
                         Agent().ClearInjections();
                         EditPort2(d);
                         // One walk follows: the dialog's own (STP, RSTP) or the framework's (MSTP).
                         ASSERT_TRUE(WaitReads(1));
                         ASSERT_TRUE(WaitIdle(d->Table));
                         EXPECT_EQ(SetPdus(),
                                   (std::vector<std::vector<SimVarBind>>{PortPdu(c.WithHelloTime)}));
                         EXPECT_EQ(Reads, 1);
                         EXPECT_EQ(Agent().Value(kEntry + ".5.2"), SimValue::Int(7));
                     },
                     {[&](TForm* form) {
                         auto* e = dynamic_cast<E*>(form);
                         e->edtExtPathCost->SetText("7");
                         ClickControl(e->btnEdit);
                         EXPECT_NE(e->ModalResult(), mrNone); // closed by its write
                     }});
    }
}

TEST_F(PortStateSim, AfterAnStpEditCloseIsRefusedUntilTheWalkEndsAndRefreshIsSilentMeanwhile) {
    RunDialog<D>(kCommand, MSTPPortStateForm,
                 [&](D* d) {
                     Agent().SetDelay(kEntry, 200, SimOp::Next);
                     EditPort2(d);
                     ASSERT_FALSE(d->Table.DataComplete); // the re-read runs (the SET's reply may already
                                                          // have cleared the busy flag)
                     ClickControl(d->btnRefresh);         // no word, no second walk
                     Dialogs.Expect("Get data not complete");
                     ClickControl(d->btnClose);
                     Application->ProcessMessages();
                     EXPECT_EQ(d->ModalResult(), mrNone);
                     ASSERT_TRUE(WaitIdle(d->Table));
                     EXPECT_EQ(Reads, 1);
                 },
                 {[&](TForm* form) { ClickControl(dynamic_cast<E*>(form)->btnEdit); }});
    EXPECT_EQ(Agent().SetLog().size(), 1u);
}

TEST_F(PortStateSim, SetDuringAWalkSendsNothingAndAFailedWriteClosesTheEditDialog) {
    RunDialog<D>(kCommand, MSTPPortStateForm,
                 [&](D* d) {
                     ClickListRow(d->lvMSTPPortState, 1);
                     ClickControl(d->btnEdit);
                     EXPECT_TRUE(Agent().SetLog().empty());
                     Agent().InjectError(kEntry, "genErr", SimOp::Set);
                     Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
                     ClickListRow(d->lvMSTPPortState, 2);
                     ClickControl(d->btnEdit);
                     ASSERT_TRUE(WaitIdle(d->Table));
                     EXPECT_EQ(Dialogs.Pending(), 0);
                 },
                 {[&](TForm* form) {
                      auto* e = dynamic_cast<E*>(form);
                      MSTPPortStateForm->Table.Request->Busy = true; // a walk under way, as the request says
                      ClickControl(e->btnEdit);
                      EXPECT_EQ(e->ModalResult(), mrNone); // left open
                      MSTPPortStateForm->Table.Request->Busy = false;
                      ClickControl(e->btnClose);
                  },
                  [&](TForm* form) {
                      auto* e = dynamic_cast<E*>(form);
                      ClickControl(e->btnEdit);
                      EXPECT_NE(e->ModalResult(), mrNone); // closed after the failure too
                  }});
}

TEST_F(PortStateSim, AnEmptyTableShowsZero) {
    Agent().LoadScenario(R"({"tables": [{"entry": ")" + kEntry +
                         R"(", "columns": [[2, "int", "rw"]], "rows": []}]})");
    RunDialog<D>(kCommand, MSTPPortStateForm, [&](D* d) {
        EXPECT_EQ(d->StaticText1->Caption(), "0");
        EXPECT_EQ(d->lvMSTPPortState->Items().Count(), 0);
    });
}

} // namespace mstpportstateformunit_test
