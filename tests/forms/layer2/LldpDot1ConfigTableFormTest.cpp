#include "LldpDot1ConfigTableForm.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "LldpTablesScenario.h"
#include "Lldpdot1configprotocolunit.h"
#include "Lldpdot1configprotocolvlanunit.h"
#include "Lldpdot1configvlannameunit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TLabel.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace lldp_dot1_config_table_form_test {

namespace {

using Form = TLldpDot1ConfigTableForm;
using Cells = std::vector<std::string>;
using Pdus = std::vector<std::vector<SimVarBind>>;

// The three dialogs: the command, the table's entry, the title, the second index's label and the
// listed pairs.
struct Dot1Case {
    const char* Command;
    std::string Entry;
    const char* Title;
    const char* IndexLabel;
    const char* TxLabel;
    Cells Ports;
    Cells Indexes;
    Cells Tx;
};
const Dot1Case kCases[] = {
    {"Protocol1Click",
     kLldpProtocolEntry,
     "LLDP-Dot1 Configuration Protocol Table: ",
     "Index",
     "Protocol TX",
     {"1", "1", "2"},
     {"1", "2", "1"},
     {"true", "false", "false"}},
    {"ProtocolVLAN2Click",
     kLldpProtocolVlanEntry,
     "LLDP-Dot1 Configuration Protocol VLAN  Table: ",
     "VLAN ID",
     "Protocol VLAN TX",
     {"1", "3"},
     {"10", "10"},
     {"false", "true"}},
    {"VLANName1Click",
     kLldpVlanNameEntry,
     "LLDP-Dot1 Configuration VLAN Name Table: ",
     "VLAN ID",
     "VLAN Name TX",
     {"1", "2"},
     {"1", "1"},
     {"true", "false"}},
};

class LldpDot1ConfigSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(LldpScenario());
    }
    void RunCase(const Dot1Case& c, const std::function<void(Form*)>& test) {
        const std::string command = c.Command;
        if (command == "Protocol1Click") {
            RunDialog<TLLDPConfigProtocolForm>(c.Command, LLDPConfigProtocolForm, test);
        } else if (command == "ProtocolVLAN2Click") {
            RunDialog<TLLDPConfigProtocolVLANForm>(c.Command, LLDPConfigProtocolVLANForm, test);
        } else {
            RunDialog<TLLDPConfigVLANNameForm>(c.Command, LLDPConfigVLANNameForm, test);
        }
    }
    static std::string StatusText(Form* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

// Each dialog lists its pairs; Set writes the chosen row's switch alone (true 1, false 2), and the
// list shows it after the re-read.
TEST_F(LldpDot1ConfigSim, EachDialogListsItsPairsAndSetWritesTheChosenRowAlone) {
    for (const Dot1Case& c : kCases) {
        SCOPED_TRACE(c.Command);
        RunCase(c, [&](Form* d) {
            EXPECT_EQ(d->Caption(), c.Title + Agent().Address());
            EXPECT_EQ(d->Label2->Caption(), c.IndexLabel);
            EXPECT_EQ(d->Label3->Caption(), c.TxLabel);
            EXPECT_EQ(ColumnCells(d->Table, d->Design.PortColumn), c.Ports);
            EXPECT_EQ(ColumnCells(d->Table, d->Design.IndexColumn), c.Indexes);
            EXPECT_EQ(ColumnCells(d->Table, d->Design.TxColumn), c.Tx);
            EXPECT_FALSE(d->SetButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->ListView1, 1);
            EXPECT_EQ(d->PortNumberText->Caption(), c.Ports[1]);
            EXPECT_EQ(d->IndexText->Caption(), c.Indexes[1]);
            EXPECT_FALSE(d->Label1->Enabled());
            EXPECT_FALSE(d->Label2->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            const bool was = c.Tx[1] == "true";
            ChooseOption(d->TXComboBox, was ? "false" : "true");
            ClickControl(d->SetButton);
            const std::string instance = c.Ports[1] + "." + c.Indexes[1];
            EXPECT_EQ(SetPdus(), (Pdus{{{c.Entry + ".1." + instance, SimValue::Int(was ? 2 : 1)}}}));
            EXPECT_EQ(d->PortNumberText->Caption(), " ");
            EXPECT_FALSE(d->SetButton->Enabled());
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(ColumnCells(d->Table, d->Design.TxColumn)[1], was ? "false" : "true");
            EXPECT_EQ(ColumnCells(d->Table, d->Design.TxColumn)[0], c.Tx[0]);
        });
    }
}

// A second Set, and a Refresh, while the first SET is still out answer with their texts; nothing
// more is sent.
TEST_F(LldpDot1ConfigSim, ASecondSetWhileTheFirstIsPendingIsRefused) {
    const Dot1Case& c = kCases[0];
    RunCase(c, [&](Form* d) {
        Agent().SetDelay(c.Entry, 300, SimOp::Set);
        ClickListRow(d->ListView1, 0);
        ChooseOption(d->TXComboBox, "false");
        bool setShown = true;
        QTimer::singleShot(50, [&] {
            // Set is disabled while the switch answers; its handler, reached all the same, refuses.
            setShown = d->SetButton->Enabled();
            Dialogs.Expect("Get data not complete");
            d->SetButtonClick(nullptr);
            Dialogs.Expect("Get data not complete.");
            ClickControl(d->RefreshButton);
        });
        ClickControl(d->SetButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_FALSE(setShown);
        EXPECT_EQ(SetPdus().size(), 1u);
        ASSERT_TRUE(WaitReads(1));
        Agent().ClearInjections();
    });
}

TEST_F(LldpDot1ConfigSim, ARefusedSetIsShownAndAnEmptyTableLeavesSetDoingNothing) {
    const Dot1Case& c = kCases[2];
    RunCase(c, [&](Form* d) {
        Agent().InjectError(c.Entry, "genErr", SimOp::Set);
        ClickListRow(d->ListView1, 0);
        ClickControl(d->SetButton);
        EXPECT_NE(StatusText(d).find(MessageOfCode(-105)), std::string::npos) << StatusText(d);
        EXPECT_TRUE(d->Table.DataComplete);
        EXPECT_EQ(Agent().Value(c.Entry + ".1.1.1"), SimValue::Int(1));
        Agent().ClearInjections();

        Agent().LoadScenario("{}");
        ClickControl(d->RefreshButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->StaticText1->Caption(), "0");
        Agent().ClearSetLog();
        ClickControl(d->SetButton);
        EXPECT_TRUE(Agent().SetLog().empty());
    });
}

// A Refresh whose read cannot be sent (a device address that does not parse) says why in the status
// line and leaves the dialog unlocked: the next Refresh is not refused.
TEST_F(LldpDot1ConfigSim, ARefreshThatCannotBeSentLeavesTheDialogUsable) {
    RunCase(kCases[1], [&](Form* d) {
        d->Table.Request->Request.Device.Address = "300.1.2.3";
        ClickControl(d->RefreshButton);
        EXPECT_TRUE(d->Table.DataComplete);
        EXPECT_FALSE(StatusText(d).empty());
        EXPECT_EQ(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
        d->Table.Request->Request.Device.Address = Agent().Address();
        ClickControl(d->RefreshButton); // no refusal box
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_NE(StatusText(d).find("Ok!"), std::string::npos) << StatusText(d);
    });
}

} // namespace lldp_dot1_config_table_form_test
