#include "DNSCtrlUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "ColumnNames.h"
#include "DNSCtrlAddUnit.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "RelayKeyScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace dns_ctrl_unit_test {

namespace {

using namespace relay_key_scenario;

constexpr const char* kCommand = "DNSControlTable1Click";
constexpr auto& kColumns = Columns::DNSCtrlTable;
const std::string kStateOid = DnsEntry() + ".3";

class DnsRelaySim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // The add dialog's handler, run inside its modal loop; the dialog closed if it stays open.
    static std::function<void(TForm*)> AddDialog(const std::function<void(TDNSCtrlAddForm*)>& handler) {
        return SubForm<TDNSCtrlAddForm>(handler);
    }
    static int Row(const TDNSCtrlForm* d, const std::string& name) {
        return RowWhere(d->Table, {{ColumnOf(kColumns, "Domain Name"), name}});
    }
    // The listed entries as row instances, as the agent holds them.
    static std::set<std::string> Listed(const TDNSCtrlForm* d) {
        const std::vector<std::string> names = ColumnCells(d->Table, ColumnOf(kColumns, "Domain Name"));
        const std::vector<std::string> addresses = ColumnCells(d->Table, ColumnOf(kColumns, "IP Address"));
        std::set<std::string> listed;
        for (size_t i = 0; i < names.size(); ++i) {
            listed.insert(DnsInstance(names[i], addresses[i]));
        }
        return listed;
    }
};

} // namespace

TEST_F(DnsRelaySim, ItsMenuCommandOpensItWithTheEntriesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TDNSCtrlForm"), missing.end());
    RunDialog<TDNSCtrlForm>(
        kCommand, DNSCtrlForm,
        [&](TDNSCtrlForm* d) {
            EXPECT_EQ(d->Caption(), "DNS Relay Static Settings: " + Agent().Address());
            EXPECT_EQ(d->ListView1->Columns().Count(), 3);
            EXPECT_EQ(Listed(d), (std::set<std::string>{kWww, kNtp}));
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_FALSE(d->btnDelete->Enabled());
            EXPECT_TRUE(d->btnAdd->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            const int row = Row(d, "ntp.lan");
            ASSERT_GE(row, 0);
            EXPECT_EQ(d->Table.Request->CellText(d->ListView1->Items()[row], ColumnOf(kColumns, "State")),
                      "valid");
            ClickListRow(d->ListView1, row);
            EXPECT_TRUE(d->btnDelete->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            EXPECT_EQ(DNSCtrlAddForm->edtName->Text(), "ntp.lan"); // filled by the selection
            EXPECT_EQ(DNSCtrlAddForm->edtIP->Text(), "192.168.0.5");
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_FALSE(d->btnDelete->Enabled());
            ClickControl(d->btnAdd);
        },
        {AddDialog([&](TDNSCtrlAddForm* a) {
            EXPECT_EQ(a->Caption(), "DNS Relay Static Table: " + Agent().Address() + " (Add)");
            EXPECT_TRUE(CaptionsReadWhole(a));
            EXPECT_EQ(a->edtName->Text(), "");
            EXPECT_EQ(a->edtIP->Text(), "");
            EXPECT_EQ(a->cbxState->Text(), "valid");
            EXPECT_FALSE(a->cbxState->Enabled());
        })});
    EXPECT_EQ(DNSCtrlAddForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add: one PDU of the state valid at name (length, characters).address, an empty name sent as it
// is; the framework's re-read lists the entry. An address that is no IPv4 address is refused
// before anything is sent.
TEST_F(DnsRelaySim, AddSendsOnePduOfTheStateValidAndRefusesAnAddressThatIsNoIpv4Address) {
    const struct {
        const char* Name;
        const char* Address;
        const char* Refusal; // null: sent
    } cases[] = {
        {"mail.example.com", "10.9.8.7", nullptr},
        {"", "10.9.8.6", nullptr},
        {"bad.example.com", "1.2.3", "Please input a valid IP."},
        {"bad.example.com", "", "Please input a valid IP."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Name << " " << c.Address);
        Agent().LoadScenario(Scenario());
        const std::string instance = DnsInstance(c.Name, c.Address);
        RunDialog<TDNSCtrlForm>(kCommand, DNSCtrlForm,
                                [&](TDNSCtrlForm* d) {
                                    ClickControl(d->btnAdd);
                                    if (!c.Refusal) {
                                        ASSERT_TRUE(WaitForSets(1));
                                        ASSERT_TRUE(WaitReads(1));
                                        EXPECT_EQ(Listed(d), (std::set<std::string>{kWww, kNtp, instance}));
                                    }
                                },
                                {AddDialog([&](TDNSCtrlAddForm* a) {
                                    TypeText(a->edtName, c.Name);
                                    TypeText(a->edtIP, c.Address);
                                    if (c.Refusal) {
                                        Dialogs.Expect(c.Refusal);
                                    }
                                    ClickControl(a->btnAdd);
                                    EXPECT_EQ(Dialogs.Pending(), 0);
                                    EXPECT_EQ(a->ModalResult() == mrNone, c.Refusal != nullptr);
                                    if (c.Refusal) {
                                        EXPECT_TRUE(a->edtIP->Focused());
                                    }
                                })});
        if (c.Refusal) {
            EXPECT_TRUE(Agent().SetLog().empty());
        } else {
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     {{kStateOid + "." + instance, SimValue::Int(3)}}}));
            EXPECT_EQ(AgentRows(kStateOid), (std::set<std::string>{kWww, kNtp, instance}));
        }
    }
}

// Add pressed while the first walk runs (the agent is slow) stops the walk; the entry typed
// afterwards is still written, and the list then holds exactly the agent's entries.
TEST_F(DnsRelaySim, AddDuringADelayedWalkStopsItAndStillWritesTheEntry) {
    Agent().SetDelay(DnsEntry(), 200, SimOp::Next);
    const std::string instance = DnsInstance("late.example.com", "10.0.0.9");
    RunDialog<TDNSCtrlForm>(kCommand, DNSCtrlForm,
                            [&](TDNSCtrlForm* d) {
                                ASSERT_TRUE(d->Table.Request->Busy);
                                ClickControl(d->btnAdd);
                                ASSERT_TRUE(WaitForSets(1));
                                ASSERT_TRUE(WaitFor([&] { return Listed(d).size() == 3; }, 10000));
                                ASSERT_TRUE(WaitIdle(d->Table));
                                EXPECT_EQ(Listed(d), AgentRows(kStateOid));
                            },
                            {AddDialog([&](TDNSCtrlAddForm* a) {
                                ASSERT_TRUE(WaitFor([] { return !DNSCtrlForm->Table.Request->Busy; }, 10000));
                                EXPECT_NE(StatusPanelOf(DNSCtrlForm->StatusBar1)->Text().find("not active"),
                                          std::string::npos);
                                EXPECT_LT(DNSCtrlForm->ListView1->Items().Count(), 2); // the walk ended early
                                TypeText(a->edtName, "late.example.com");
                                TypeText(a->edtIP, "10.0.0.9");
                                ClickControl(a->btnAdd);
                            })},
                            {.WaitFirstRead = false});
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kStateOid + "." + instance, SimValue::Int(3)}}}));
    EXPECT_EQ(AgentRows(kStateOid), (std::set<std::string>{kWww, kNtp, instance}));
}

// Delete: the state invalid alone, no question, and nothing without a chosen entry. Pressed while
// a walk runs (the agent is slow) it stops the walk, waits for its end, then deletes; the list then
// holds exactly the agent's entries.
TEST_F(DnsRelaySim, DeleteWaitsForARunningWalkThenSendsTheStateInvalidAlone) {
    Agent().SetDelay(DnsEntry(), 200, SimOp::Next);
    RunDialog<TDNSCtrlForm>(kCommand, DNSCtrlForm, [&](TDNSCtrlForm* d) {
        d->btnDeleteClick(d->btnDelete); // no box: the script has none
        EXPECT_TRUE(Agent().SetLog().empty());

        ClickControl(d->btnGet);
        ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() >= 1; }, 10000));
        ASSERT_TRUE(d->Table.Request->Busy);
        const std::string chosen = Listed(d).contains(kWww) ? kWww : kNtp;
        ClickListRow(d->ListView1, 0);
        ClickControl(d->btnDelete);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_EQ(SetPdus(),
                  (std::vector<std::vector<SimVarBind>>{{{kStateOid + "." + chosen, SimValue::Int(2)}}}));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(AgentRows(kStateOid).size(), 1u);
        EXPECT_EQ(Listed(d), AgentRows(kStateOid));
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
}

// Add empties the add dialog's fields while the entry stays chosen; Delete then takes the chosen
// entry's instance all the same, whether the fields were typed in or left empty.
TEST_F(DnsRelaySim, AddClosedThenDeleteInvalidatesTheChosenEntry) {
    for (bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed" : "empty");
        Agent().LoadScenario(Scenario());
        RunDialog<TDNSCtrlForm>(kCommand, DNSCtrlForm,
                                [&](TDNSCtrlForm* d) {
                                    ClickListRow(d->ListView1, Row(d, "ntp.lan"));
                                    ClickControl(d->btnAdd);
                                    ASSERT_TRUE(d->btnDelete->Enabled());
                                    ClickControl(d->btnDelete);
                                    ASSERT_TRUE(WaitForSets(1));
                                    ASSERT_TRUE(WaitIdle(d->Table));
                                },
                                {AddDialog([&](TDNSCtrlAddForm* a) {
                                    if (typed) {
                                        TypeText(a->edtName, "typed.example.com");
                                        TypeText(a->edtIP, "10.7.7.7");
                                    }
                                    ClickControl(a->btnClose);
                                })});
        EXPECT_EQ(SetPdus(),
                  (std::vector<std::vector<SimVarBind>>{{{kStateOid + "." + kNtp, SimValue::Int(2)}}}));
        EXPECT_EQ(AgentRows(kStateOid), (std::set<std::string>{kWww}));
    }
}

TEST_F(DnsRelaySim, AnUnknownModelTakesTheUnsupportedPathAndSendsNothing) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    RunDialog<TDNSCtrlForm>(kCommand, DNSCtrlForm, [&](TDNSCtrlForm* d) {
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "Unsupported model");
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
        EXPECT_FALSE(d->btnAdd->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        ClickControl(d->btnGet);
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Each model reads its own copy of the table.
TEST_F(DnsRelaySim, A48RoReadsItsOwnCopyOfTheTable) {
    Agent().LoadScenario(Scenario("48RO", 6));
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.6.1";
    RunDialog<TDNSCtrlForm>(kCommand, DNSCtrlForm, [&](TDNSCtrlForm* d) {
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_EQ(d->Table.Request->Request.VarList.GetVariable(0).Oid, DnsEntry(6) + ".1");
    });
}

} // namespace dns_ctrl_unit_test
