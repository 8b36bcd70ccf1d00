#include "SystemLogHostFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "LogHostEditFormUnit.h"
#include "SystemScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace system_log_host_form_unit_test {

namespace {

using namespace system_scenario;
using D = TSystemLogHostForm;
using E = TLogHostEditForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "SystemLogServerTable1Click";
constexpr const char* kTitle = "System Log Server Table";
constexpr int kIndex = ColumnOf(Columns::SystemLogHostTable, "Index");
constexpr int kIpAddress = ColumnOf(Columns::SystemLogHostTable, "IP Address");

constexpr const char* kPortRange = "The range of UDP Port for syslog is 514 or 6000-65535.";
constexpr const char* kIpShouldBeSet = "IP Address should be set.";

// A column of the server table at a server's index.
std::string At(int arc, int index) {
    return kSyslogEntry + "." + std::to_string(arc) + "." + std::to_string(index);
}
SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

// What the user puts into the edit dialog; an empty text leaves that control as it is.
struct Entry {
    std::string Index, Facility, Severity, Port, State, Type, Address;
};

class SystemLogHostSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // An edit dialog's handler, run inside its modal loop; the dialog closed if it stays open.
    static std::function<void(TForm*)> Edit(const std::function<void(E*)>& handler) {
        return [handler](TForm* form) {
            auto* edit = dynamic_cast<E*>(form);
            ASSERT_NE(edit, nullptr);
            handler(edit);
            if (edit->Modal() && edit->ModalResult() == mrNone) {
                ClickControl(edit->CloseButton);
            }
        };
    }
    // The entry typed and chosen while the focus is on Set, so no constraint checks a field early.
    static void Fill(E* e, const Entry& entry) {
        e->SetButton->SetFocus();
        const std::pair<TComboBox*, std::string> choices[] = {{e->cbxIndex, entry.Index},
                                                              {e->FacComboBox, entry.Facility},
                                                              {e->SevComboBox, entry.Severity},
                                                              {e->StateComboBox, entry.State},
                                                              {e->AddressTypeComboBox, entry.Type}};
        for (const auto& [combo, text] : choices) {
            if (!text.empty()) {
                ChooseOption(combo, text);
            }
        }
        e->PortEdit->SetText(entry.Port);
        e->IPAddrEdit->SetText(entry.Address);
    }
    static int Row(D* d, const std::string& index) {
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            if (d->ListView1->Items()[i]->Caption() == index) {
                return i;
            }
        }
        return -1;
    }
    static std::string Status(D* d) { return StatusPanelOf(d->StatusBar1)->Text(); }
};

} // namespace

TEST_F(SystemLogHostSim, ItsMenuCommandListsTheServersAndEveryCaptionReadsWholeInBothModes) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TSystemLogHostForm"), missing.end());
    RunDialog<D>(kCommand, SystemLogHostForm,
                 [&](D* d) {
                     EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
                     EXPECT_EQ(ColumnCells(d->Table, kIpAddress),
                               (std::vector<std::string>{kIpv4Server, kIpv6Server}));
                     EXPECT_EQ(d->StaticText1->Caption(), "2");
                     EXPECT_FALSE(d->EditButton->Enabled());
                     EXPECT_FALSE(d->DeleteButton->Enabled());
                     EXPECT_TRUE(CaptionsReadWhole(d));
                     ClickListRow(d->ListView1, Row(d, "swSysLogServerIndex-2"));
                     EXPECT_TRUE(d->EditButton->Enabled());
                     EXPECT_TRUE(d->DeleteButton->Enabled());
                     EXPECT_TRUE(CaptionsReadWhole(d));
                     ClickControl(d->EditButton);
                     ClickControl(d->AddButton);
                     EXPECT_EQ(d->ListView1->Selected(), nullptr);
                     EXPECT_FALSE(d->EditButton->Enabled());
                 },
                 {Edit([&](E* e) {
                      EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Edit)");
                      EXPECT_EQ(e->cbxIndex->Text(), "swSysLogServerIndex-2"); // filled by the selection
                      EXPECT_FALSE(e->cbxIndex->Enabled());
                      EXPECT_EQ(e->IPAddrEdit->Text(), kIpv6Server);
                      EXPECT_EQ(e->AddressTypeComboBox->Text(), "ipv6");
                      EXPECT_FALSE(e->RowComboBox->Visible());
                      EXPECT_TRUE(CaptionsReadWhole(e));
                  }),
                  Edit([&](E* e) {
                      EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Add)");
                      EXPECT_TRUE(e->cbxIndex->Enabled());
                      EXPECT_EQ(e->cbxIndex->ItemIndex(), -1);
                      EXPECT_EQ(e->FacComboBox->Text(), "local0");
                      EXPECT_EQ(e->SevComboBox->Text(), "warning");
                      EXPECT_EQ(e->StateComboBox->Text(), "disabled");
                      EXPECT_EQ(e->PortEdit->Text(), "");
                      EXPECT_EQ(e->IPAddrEdit->Text(), "");
                      EXPECT_TRUE(CaptionsReadWhole(e));
                  })});
    EXPECT_EQ(LogHostEditForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Each add is one PDU at the chosen index, with createAndGo and every column given; an empty port
// is left out and an IPv6 address goes out as its 16 octets.
TEST_F(SystemLogHostSim, AddSendsOnePduOfTheGivenColumnsAndListsTheServer) {
    struct Case {
        Entry Typed;
        int Index;
        Pdus Expected;
    };
    const Case cases[] = {
        {{"swSysLogServerIndex-3", "local2", "informational", "514", "enabled", "ipv4", "10.0.0.9"},
         3,
         {{{At(3, 3), SimValue::Int(2)},
           {At(4, 3), SimValue::Int(3)},
           {At(5, 3), SimValue::Int(514)},
           {At(6, 3), SimValue::Int(3)},
           {At(7, 3), SimValue::Int(4)},
           {At(8, 3), SimValue::Int(1)},
           {At(9, 3), Hex("0A000009")}}}},
        {{"swSysLogServerIndex-4", "", "", "", "", "ipv6", "FE800000000000000000000000000009"},
         4,
         {{{At(3, 4), SimValue::Int(0)},
           {At(4, 4), SimValue::Int(2)},
           {At(6, 4), SimValue::Int(2)},
           {At(7, 4), SimValue::Int(4)},
           {At(8, 4), SimValue::Int(2)},
           {At(9, 4), Hex("FE800000000000000000000000000009")}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed.Address);
        Agent().LoadScenario(Scenario());
        RunDialog<D>(
            kCommand, SystemLogHostForm,
            [&](D* d) {
                ClickControl(d->AddButton);
                ASSERT_TRUE(WaitReads(1));
                EXPECT_GE(RowWhere(d->Table, {{kIndex, c.Typed.Index}, {kIpAddress, c.Typed.Address}}), 0);
                EXPECT_EQ(d->StaticText1->Caption(), "3");
            },
            {Edit([&](E* e) {
                Fill(e, c.Typed);
                ClickControl(e->SetButton);
                EXPECT_NE(e->ModalResult(), mrNone); // closed
            })});
        EXPECT_EQ(SetPdus(), c.Expected);
    }
}

TEST_F(SystemLogHostSim, EditNeverWritesTheRowStatusAndLeavesTheNoAddressOut) {
    struct Case {
        std::string Address, Port;
        Pdus Expected;
    };
    const Case cases[] = {
        // The server keeps its own address: no uniqueness refusal.
        {kIpv4Server,
         "6000",
         {{{At(3, 1), SimValue::Int(7)},
           {At(4, 1), SimValue::Int(4)},
           {At(5, 1), SimValue::Int(6000)},
           {At(6, 1), SimValue::Int(3)},
           {At(8, 1), SimValue::Int(1)},
           {At(9, 1), Hex("0A5A5A01")}}}},
        {"0.0.0.0",
         "514",
         {{{At(3, 1), SimValue::Int(7)},
           {At(4, 1), SimValue::Int(4)},
           {At(5, 1), SimValue::Int(514)},
           {At(6, 1), SimValue::Int(3)},
           {At(8, 1), SimValue::Int(1)}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Address);
        RunDialog<D>(kCommand, SystemLogHostForm,
                     [&](D* d) {
                         ClickListRow(d->ListView1, Row(d, "swSysLogServerIndex-1"));
                         ClickControl(d->EditButton);
                         ASSERT_TRUE(WaitReads(1));
                     },
                     {Edit([&](E* e) {
                         Fill(e, {"", "", "", c.Port, "", "", c.Address});
                         ClickControl(e->SetButton);
                         EXPECT_NE(e->ModalResult(), mrNone);
                     })});
        EXPECT_EQ(SetPdus(), c.Expected);
    }
}

TEST_F(SystemLogHostSim, DeleteSendsTheDestroyAloneWithoutAQuestion) {
    RunDialog<D>(kCommand, SystemLogHostForm, [&](D* d) {
        Dialogs.Expect("Choose the item first.");
        d->DeleteButtonClick(d->DeleteButton);
        EXPECT_EQ(Dialogs.Pending(), 0);

        ClickListRow(d->ListView1, Row(d, "swSysLogServerIndex-2"));
        ClickControl(d->DeleteButton); // no box: the script has none
        EXPECT_FALSE(d->DeleteButton->Enabled());
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(ColumnCells(d->Table, kIpAddress), (std::vector<std::string>{kIpv4Server}));
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(), (Pdus{{{At(7, 2), SimValue::Int(6)}}}));
}

// Each refused add shows its messages in order and sends nothing; the ports the range allows go out.
TEST_F(SystemLogHostSim, AddChecksRefuseWithTheirExactMessagesAndTheAllowedPortsPass) {
    const Entry good = {"swSysLogServerIndex-3", "", "", "514", "", "ipv4", "10.0.0.9"};
    struct Case {
        Entry Typed;
        std::vector<std::string> Messages; // none: sent
    };
    const auto port = [&](const char* p) {
        Entry e = good;
        e.Port = p;
        return e;
    };
    const auto address = [&](const char* type, const char* a) {
        Entry e = good;
        e.Type = type;
        e.Address = a;
        return e;
    };
    Entry noIndex = good;
    noIndex.Index = "";
    const Case cases[] = {
        {port("514"), {}},
        {port("6000"), {}},
        {port("65535"), {}},
        {port("515"), {kPortRange}},
        {port("5999"), {kPortRange}},
        {port("65536"), {kPortRange}},
        {noIndex, {"Index is needed."}},
        {address("ipv4", ""), {kIpShouldBeSet}},
        {address("ipv4", kIpv4Server.c_str()), {"IP Address must be different."}},
        {address("ipv4", "1.2.3"), {"Please input a valid IP.", kIpShouldBeSet}},
        {address("ipv6", "FE80"),
         {"Please enter a valid IPv6 address whose length is 32 without ':'.", kIpShouldBeSet}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed.Port + " " + c.Typed.Address);
        Agent().LoadScenario(Scenario());
        RunDialog<D>(kCommand, SystemLogHostForm, [&](D* d) { ClickControl(d->AddButton); }, {Edit([&](E* e) {
                         Fill(e, c.Typed);
                         for (const std::string& message : c.Messages) {
                             Dialogs.Expect(message);
                         }
                         ClickControl(e->SetButton);
                         EXPECT_EQ(Dialogs.Pending(), 0);
                         EXPECT_EQ(e->ModalResult() == mrNone, !c.Messages.empty()); // refused: still open
                     })});
        EXPECT_EQ(SetPdus().size(), c.Messages.empty() ? 1u : 0u);
    }
}

// While a walk runs, Refresh does nothing (the chosen server stays chosen), and Delete and the
// edit dialog's Set refuse.
TEST_F(SystemLogHostSim, DuringAWalkRefreshDoesNothingAndDeleteAndSetRefuse) {
    RunDialog<D>(kCommand, SystemLogHostForm,
                 [&](D* d) {
                     Agent().SetDelay(kSyslogEntry, 400, SimOp::Next);
                     ClickControl(d->GetButton);
                     ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() >= 1; }, 10000));
                     ASSERT_TRUE(d->Table.Request->Busy);
                     ClickListRow(d->ListView1, 0);
                     ClickControl(d->GetButton); // no box, no read
                     EXPECT_NE(d->ListView1->Selected(), nullptr);
                     EXPECT_TRUE(d->EditButton->Enabled());
                     Dialogs.Expect("Get data not complete");
                     ClickControl(d->DeleteButton);
                     EXPECT_EQ(Dialogs.Pending(), 0);
                     Dialogs.Expect("Get data not complete");
                     ClickControl(d->EditButton);
                     EXPECT_EQ(Dialogs.Pending(), 0);
                     Agent().ClearInjections();
                     ASSERT_TRUE(WaitIdle(d->Table));
                     EXPECT_EQ(Reads, 1);
                 },
                 {Edit([&](E* e) { ClickControl(e->SetButton); })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A write that raises before it is sent: the edit dialog closes and the list's status line says
// why; a Delete that raises says why there too (the design drops it without a word).
TEST_F(SystemLogHostSim, AWriteThatRaisesClosesTheEditDialogAndIsShownInTheListsStatusLine) {
    RunDialog<D>(kCommand, SystemLogHostForm,
                 [&](D* d) {
                     d->Table.Request->AfterCollect.push_back(
                         [](VqSNMPVarList&) { throw std::runtime_error("the server could not be written"); });
                     ClickControl(d->AddButton);
                     EXPECT_EQ(Status(d), "the server could not be written");
                     EXPECT_TRUE(d->Table.DataComplete);

                     StatusPanelOf(d->StatusBar1)->SetText("");
                     ClickListRow(d->ListView1, Row(d, "swSysLogServerIndex-1"));
                     ClickControl(d->DeleteButton);
                     EXPECT_EQ(Status(d), "the server could not be written");
                     EXPECT_FALSE(d->DeleteButton->Enabled());
                 },
                 {Edit([&](E* e) {
                     Fill(e, {"swSysLogServerIndex-3", "", "", "", "", "ipv4", "10.0.0.9"});
                     ClickControl(e->SetButton);
                     EXPECT_NE(e->ModalResult(), mrNone); // closed after the failure too
                 })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace system_log_host_form_unit_test
