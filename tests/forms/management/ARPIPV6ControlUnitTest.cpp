#include "ARPIPV6ControlUnit.h"

#include "ARPIPv6ControlEditUnit.h"
#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "ColumnNames.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "NeighborScenario.h"
#include "Oid_l3.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace arpipv6_control_unit_test {

namespace {

using namespace neighbor_scenario;

constexpr const char* kCommand = "IPv6NeighborCache1Click";
constexpr const char* kTitle = "IPv6 Neighbor Cache Table";
constexpr const char* kBadAddress = "Please enter a valid IPv6 address whose length is 32 without ':'.";
constexpr auto& kColumns = Columns::ARPIPV6ControlTable;
const std::string kStatusOid = kEntry + ".5";

class NeighborCacheSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // The add dialog's handler, run inside its modal loop; the dialog closed if it stays open.
    static std::function<void(TForm*)> Edit(const std::function<void(TARPIPv6ControlEditForm*)>& handler) {
        return SubForm<TARPIPv6ControlEditForm>(handler);
    }
    // Texts set from code, the fields emptied and the Set button focused first, so that no edit
    // constraint checks a field on leaving it before Set does.
    static void Fill(TARPIPv6ControlEditForm* e, const std::string& address, const std::string& mac,
                     const std::string& name) {
        for (TEdit* edit : {e->edtAddress, e->edtMac, e->edtInterface}) {
            edit->SetText("");
        }
        e->btnSet->SetFocus();
        e->edtAddress->SetText(address);
        e->edtMac->SetText(mac);
        e->edtInterface->SetText(name);
    }
    static int Row(const TARPIPV6ControlForm* d, const std::string& address) {
        return RowWhere(d->Table, {{ColumnOf(kColumns, "IPv6 Address"), address}});
    }
};

} // namespace

TEST_F(NeighborCacheSim, ItsMenuCommandOpensItWithTheNeighboursAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TARPIPV6ControlForm"), missing.end());
    RunDialog<TARPIPV6ControlForm>(
        kCommand, ARPIPV6ControlForm,
        [&](TARPIPV6ControlForm* d) {
            EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
            EXPECT_EQ(d->ListView1->Columns().Count(), 5);
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_FALSE(d->btnDelete->Enabled());
            EXPECT_TRUE(d->btnAdd->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            const int row = Row(d, kStaticAddress);
            ASSERT_GE(row, 0);
            TListItem* item = d->ListView1->Items()[row];
            EXPECT_EQ(d->Table.Request->CellText(item, ColumnOf(kColumns, "MAC Address")), kStaticMac);
            EXPECT_EQ(d->Table.Request->CellText(item, ColumnOf(kColumns, "Interface Name")), "vlan2");
            EXPECT_EQ(d->Table.Request->CellText(item, ColumnOf(kColumns, "Reach State")), "static");
            ClickListRow(d->ListView1, row);
            EXPECT_TRUE(d->btnDelete->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            EXPECT_EQ(ARPIPv6ControlEditForm->edtAddress->Text(), kStaticAddress); // filled by the selection
            EXPECT_EQ(ARPIPv6ControlEditForm->edtMac->Text(), kStaticMac);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_FALSE(d->btnDelete->Enabled());
            ClickControl(d->btnAdd);
        },
        {Edit([&](TARPIPv6ControlEditForm* e) {
            EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Add)");
            EXPECT_TRUE(CaptionsReadWhole(e));
            for (TEdit* edit : {e->edtAddress, e->edtMac, e->edtInterface}) {
                EXPECT_EQ(edit->Text(), "");
                EXPECT_TRUE(edit->Enabled());
            }
            EXPECT_EQ(e->cbxRowStatus->Text(), "createAndGo");
            EXPECT_FALSE(e->cbxRowStatus->Visible());
            EXPECT_FALSE(e->cbxRowStatus->Enabled());
            EXPECT_EQ(e->cbxState->ItemIndex(), -1);
            EXPECT_FALSE(e->cbxState->Visible());
        })});
    EXPECT_EQ(ARPIPv6ControlEditForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add: one PDU of the row status createAndGo at address (16 sub-identifiers).MAC (6).interface
// (length, characters); the neighbour is listed after the re-read, and the dialog has closed.
TEST_F(NeighborCacheSim, AddSendsOnePduOfCreateAndGoAtTheThreePartInstance) {
    const std::string address = "20010db80000000000000000000000aa"; // lower case is accepted
    const std::string mac = "0a0b0c0d0e0f";
    const std::string instance = Instance(address, mac, "vlan7");
    RunDialog<TARPIPV6ControlForm>(kCommand, ARPIPV6ControlForm,
                                   [&](TARPIPV6ControlForm* d) {
                                       ClickControl(d->btnAdd);
                                       ASSERT_TRUE(WaitForSets(1));
                                       ASSERT_TRUE(WaitReads(1));
                                       EXPECT_EQ(d->ListView1->Items().Count(), 3);
                                       EXPECT_EQ(d->StaticText1->Caption(), "3");
                                   },
                                   {Edit([&](TARPIPv6ControlEditForm* e) {
                                       TypeText(e->edtAddress, address);
                                       TypeText(e->edtMac, mac);
                                       TypeText(e->edtInterface, "vlan7");
                                       ClickControl(e->btnSet);
                                       EXPECT_NE(e->ModalResult(), mrNone); // closed
                                   })});
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kStatusOid + "." + instance, SimValue::Int(4)}}}));
    EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{kLearned, kStatic, instance}));
}

// Delete: the row status destroy alone, no question; without a chosen row "Choose the item first.".
TEST_F(NeighborCacheSim, DeleteSendsTheRowStatusDestroyAloneWithoutAQuestion) {
    RunDialog<TARPIPV6ControlForm>(kCommand, ARPIPV6ControlForm, [&](TARPIPV6ControlForm* d) {
        Dialogs.Expect("Choose the item first.");
        d->btnDeleteClick(d->btnDelete);
        EXPECT_EQ(Dialogs.Pending(), 0);

        ClickListRow(d->ListView1, Row(d, kLearnedAddress));
        ClickControl(d->btnDelete); // no box: the script has none
        EXPECT_FALSE(d->btnDelete->Enabled());
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ListView1->Items().Count(), 1);
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kStatusOid + "." + kLearned, SimValue::Int(6)}}}));
    EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{kStatic}));
}

// Add empties the add dialog's fields while the neighbour stays chosen; Delete then takes the
// chosen neighbour's instance all the same, whether the fields were typed in or left empty.
TEST_F(NeighborCacheSim, AddClosedThenDeleteDestroysTheChosenNeighbour) {
    for (bool typed : {false, true}) {
        SCOPED_TRACE(typed ? "typed" : "empty");
        Agent().LoadScenario(Scenario());
        RunDialog<TARPIPV6ControlForm>(kCommand, ARPIPV6ControlForm,
                                       [&](TARPIPV6ControlForm* d) {
                                           ClickListRow(d->ListView1, Row(d, kStaticAddress));
                                           ClickControl(d->btnAdd);
                                           ASSERT_TRUE(d->btnDelete->Enabled());
                                           ClickControl(d->btnDelete);
                                           ASSERT_TRUE(WaitForSets(1));
                                           ASSERT_TRUE(WaitReads(1));
                                       },
                                       {Edit([&](TARPIPv6ControlEditForm* e) {
                                           if (typed) {
                                               Fill(e, "20010DB8000000000000000000000099", "001122334499",
                                                    "vlan9");
                                           }
                                           ClickControl(e->btnClose);
                                       })});
        EXPECT_EQ(SetPdus(),
                  (std::vector<std::vector<SimVarBind>>{{{kStatusOid + "." + kStatic, SimValue::Int(6)}}}));
        EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{kLearned}));
    }
}

// Every refusal of the checks in the design's order, with its exact message and the field it
// focuses (null: the design moves no focus), texts set from code (typed, a 31-digit address meets
// the edit constraint's exact length first); nothing is sent and the dialog stays open.
TEST_F(NeighborCacheSim, TheChecksRefuseWithTheirExactMessagesAndSendNothing) {
    const std::string address = "20010DB8000000000000000000000001";
    const std::string mac = "001122334401";
    const struct {
        std::string Address;
        std::string Mac;
        const char* Name;
        const char* Message;
        TEdit* TARPIPv6ControlEditForm::*Focus;
    } cases[] = {
        {"", mac, "vlan2", "Please Set IPV6Address", nullptr},
        {address.substr(1), mac, "vlan2", kBadAddress, &TARPIPv6ControlEditForm::edtAddress},
        {address + "0", mac, "vlan2", kBadAddress, &TARPIPv6ControlEditForm::edtAddress},
        {"2001:0DB8:0000:0000:0000:0000:01", mac, "vlan2", kBadAddress, &TARPIPv6ControlEditForm::edtAddress},
        {"20010DB800000000000000000000000G", mac, "vlan2", kBadAddress, &TARPIPv6ControlEditForm::edtAddress},
        {address, "", "vlan2", "Please Set MAC Address", nullptr},
        {address, mac.substr(1), "vlan2", "Invalid MAC address", &TARPIPv6ControlEditForm::edtMac},
        {address, mac, "", "Please input an index first", &TARPIPv6ControlEditForm::edtInterface},
    };
    RunDialog<TARPIPV6ControlForm>(
        kCommand, ARPIPV6ControlForm, [&](TARPIPV6ControlForm* d) { ClickControl(d->btnAdd); },
        {Edit([&](TARPIPv6ControlEditForm* e) {
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message() << c.Address << " / " << c.Mac << " / " << c.Name);
                Fill(e, c.Address, c.Mac, c.Name);
                Dialogs.Expect(c.Message);
                ClickControl(e->btnSet);
                EXPECT_EQ(Dialogs.Pending(), 0);
                EXPECT_EQ(e->ModalResult(), mrNone);
                if (c.Focus) {
                    EXPECT_TRUE((e->*c.Focus)->Focused());
                }
            }
            Fill(e, "", "", ""); // what the edit constraints check when Close is clicked
        })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// While the first walk runs (the agent is slow), Refresh does nothing and says nothing, Delete
// refuses with "Get data not complete", and Add opens its dialog; nothing is sent.
TEST_F(NeighborCacheSim, DuringADelayedWalkAddOpensRefreshIsSilentAndDeleteRefuses) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<TARPIPV6ControlForm>(
        kCommand, ARPIPV6ControlForm,
        [&](TARPIPV6ControlForm* d) {
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickControl(d->btnAdd);
            ASSERT_TRUE(d->Table.Request->Busy);
            ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() >= 1; }, 10000));
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickControl(d->btnGet); // no box: the script has none
            ClickListRow(d->ListView1, 0);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->btnDelete);
            EXPECT_EQ(Dialogs.Pending(), 0);
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(Reads, 1); // the first walk only
            EXPECT_EQ(d->ListView1->Items().Count(), 2);
        },
        {Edit([&](TARPIPv6ControlEditForm* e) { EXPECT_EQ(e->btnSet->Caption(), "Set"); })},
        {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace arpipv6_control_unit_test
