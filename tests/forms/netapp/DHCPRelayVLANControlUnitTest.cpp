#include "DHCPRelayVLANControlUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "ColumnNames.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "RelayScenario.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace dhcp_relay_vlan_control_unit_test {

namespace {

using namespace relay_scenario;

constexpr const char* kCommand = "VLANControlTable1Click";
constexpr auto& kColumns = Columns::DHCPRelayVLANControlUnitTable;
constexpr int kFirstSlice = ColumnOf(kColumns, "1-512");
constexpr const char* kInvalidList = "Please input a valid VLAN list.";
const std::string kStatusOid = kEntry + ".10";
using T = TDHCPRelayVLANControlUnitForm;

// The OID of slice k's column (k = 0..7) at a server.
std::string SliceOid(int slice, const std::string& server) {
    return kEntry + "." + std::to_string(slice + 2) + "." + server;
}
// A slice of 64 octets whose first octets are `head` (hexadecimal), the rest zero.
std::string Slice(const std::string& head) {
    return head + std::string(128 - head.size(), '0');
}

class RelayVlanControlSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    static int Row(const T* d, const std::string& server) {
        return RowWhere(d->Table, {{ColumnOf(kColumns, "IP Address"), server}});
    }
    static std::string Cell(const T* d, const std::string& server, int slice) {
        return d->Table.Request->CellText(d->ListView1->Items()[Row(d, server)], kFirstSlice + slice);
    }
    // Chooses the server's row and ticks the one slice with the text set from code.
    static void TickSlice(T* d, const std::string& server, int slice, const std::string& text) {
        ClickListRow(d->ListView1, Row(d, server));
        d->SliceEdit(slice)->SetText(text);
        d->SliceBox(slice)->SetChecked(true);
    }
};

} // namespace

// Each slice's bitmap is listed and filled in as its VLAN list; without a chosen server only the
// address can be typed, with one every slice but not the address.
TEST_F(RelayVlanControlSim, ItsMenuCommandListsEachSliceAsItsVlanListAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TDHCPRelayVLANControlUnitForm"), missing.end());
    RunDialog<T>(kCommand, DHCPRelayVLANControlUnitForm, [&](T* d) {
        EXPECT_EQ(d->Caption(), "DHCP Relay VLAN Control Table: " + Agent().Address());
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        const struct {
            const char* Server;
            int Slice;
            const char* Shown;
        } cells[] = {
            {"10.1.1.1", 0, "1-3,9"},     // E0 80
            {"10.1.1.1", 1, "514"},       // 40 as the first octet of slice 1
            {"10.1.1.1", 2, "0"},         // empty
            {"10.2.2.2", 0, "1-2"},       // C0
            {"10.2.2.2", 3, "0"},         // 64 zero octets
            {"10.2.2.2", 7, "4095-4096"}, // the slice's last two bits
        };
        for (const auto& c : cells) {
            EXPECT_EQ(Cell(d, c.Server, c.Slice), c.Shown) << c.Server << " slice " << c.Slice;
        }
        EXPECT_TRUE(d->AddButton->Enabled());
        EXPECT_FALSE(d->EditButton->Enabled());
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_TRUE(d->IPAddressEdit->Enabled());
        for (int slice = 0; slice < T::kSliceCount; ++slice) {
            EXPECT_FALSE(d->SliceEdit(slice)->Enabled());
            EXPECT_FALSE(d->SliceBox(slice)->Enabled());
        }
        EXPECT_FALSE(d->RowComboBox->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, Row(d, "10.1.1.1"));
        EXPECT_FALSE(d->AddButton->Enabled());
        EXPECT_TRUE(d->EditButton->Enabled());
        EXPECT_TRUE(d->DeleteButton->Enabled());
        EXPECT_FALSE(d->IPAddressEdit->Enabled());
        EXPECT_EQ(d->IPAddressEdit->Text(), "10.1.1.1");
        EXPECT_EQ(d->VLANRangeEdit1->Text(), "1-3,9");
        EXPECT_EQ(d->VLANRangeEdit2->Text(), "514");
        for (int slice = 0; slice < T::kSliceCount; ++slice) {
            EXPECT_TRUE(d->SliceEdit(slice)->Enabled());
            EXPECT_TRUE(d->SliceBox(slice)->Enabled());
        }
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickControl(d->CheckButton);
        for (int slice = 0; slice < T::kSliceCount; ++slice) {
            EXPECT_TRUE(d->SliceBox(slice)->Checked());
        }
        ClickControl(d->UncheckButton);
        for (int slice = 0; slice < T::kSliceCount; ++slice) {
            EXPECT_FALSE(d->SliceBox(slice)->Checked());
        }
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        ClickControl(d->CheckButton); // no server chosen: every box disabled
        EXPECT_FALSE(d->VLANRangeEdit1->Enabled());
        EXPECT_FALSE(d->cbxVlanRange1->Checked());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add: the row status createAndGo alone at the typed address, whatever the slices hold; an address
// that is no IPv4 address is refused before anything is sent.
TEST_F(RelayVlanControlSim, AddWritesTheRowStatusAloneAtTheTypedAddressAndRefusesAMalformedOne) {
    RunDialog<T>(kCommand, DHCPRelayVLANControlUnitForm, [&](T* d) {
        for (const char* bad : {"", "10.3.3"}) {
            d->IPAddressEdit->SetText(bad);
            Dialogs.Expect("Please input a valid IP.");
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_TRUE(d->IPAddressEdit->Focused());
        }
        EXPECT_TRUE(Agent().SetLog().empty());
        d->IPAddressEdit->SetText("10.3.3.3");
        d->VLANRangeEdit1->SetText("1-10");
        d->cbxVlanRange1->SetChecked(true);
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_GE(Row(d, "10.3.3.3"), 0);
        EXPECT_EQ(d->StaticText1->Caption(), "3");
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kStatusOid + ".10.3.3.3", SimValue::Int(4)}}}));
    EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{"10.1.1.1", "10.2.2.2", "10.3.3.3"}));
}

// Edit: the ticked slices as their 64-octet bitmaps with the row status as the row has it; the
// unticked slices stay as the switch has them.
TEST_F(RelayVlanControlSim, EditWritesTheTickedSlicesAsBitmapsWithTheRowStatus) {
    RunDialog<T>(kCommand, DHCPRelayVLANControlUnitForm, [&](T* d) {
        ClickListRow(d->ListView1, Row(d, "10.1.1.1"));
        d->VLANRangeEdit2->SetText("513-1024");
        d->VLANRangeEdit4->SetText("1537-2048");
        d->VLANRangeEdit1->SetText("7"); // not ticked: not written
        d->cbxVlanRange2->SetChecked(true);
        d->cbxVlanRange4->SetChecked(true);
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        EXPECT_FALSE(d->cbxVlanRange2->Checked());
        EXPECT_EQ(d->VLANRangeEdit2->Text(), "");
        EXPECT_EQ(Cell(d, "10.1.1.1", 1), "513-1024");
        EXPECT_EQ(Cell(d, "10.1.1.1", 3), "1537-2048");
        EXPECT_EQ(Cell(d, "10.1.1.1", 0), "1-3,9");
    });
    const std::string all(128, 'F');
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                             {SliceOid(1, "10.1.1.1"), SimValue{"4x", all}},
                             {SliceOid(3, "10.1.1.1"), SimValue{"4x", all}},
                             {kStatusOid + ".10.1.1.1", SimValue::Int(1)},
                         }}));
}

// A ticked slice's list as the Edit writes it, or refuses it ("Please input a valid VLAN list.",
// the focus on that slice, nothing sent): numbers of the slice or offsets in it, "0" for none.
TEST_F(RelayVlanControlSim, EachSliceListIsWrittenAsItsBitmapOrRefused) {
    const struct {
        int Slice;
        std::string Text;
        std::string Written; // empty: refused
    } cases[] = {
        {0, "0", kZeroSlice},
        {0, "1-512", std::string(128, 'F')},
        {0, "1-3,9", Slice("E080")},
        {1, "1-5", Slice("F8")},
        {1, "513-517", Slice("F8")},
        {1, "1024", Slice(std::string(126, '0') + "01")},
        {7, "4095-4096", kTopSlice}, // as the switch's slice is shown
        {0, "600", ""},
        {0, "1000", ""},
        {1, "1100", ""},
        {1, "9-3", ""},
        {1, "5-", ""},
        {1, "abc", ""},
        {2, "1," + std::string(2048, '1'), ""},
    };
    RunDialog<T>(kCommand, DHCPRelayVLANControlUnitForm, [&](T* d) {
        size_t sets = 0;
        int reads = 0;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "slice " << c.Slice << " " << c.Text.substr(0, 20));
            TickSlice(d, "10.2.2.2", c.Slice, c.Text);
            if (c.Written.empty()) {
                Dialogs.Expect(kInvalidList);
                ClickControl(d->EditButton);
                EXPECT_EQ(Dialogs.Pending(), 0);
                EXPECT_TRUE(d->SliceEdit(c.Slice)->Focused());
                EXPECT_EQ(Agent().SetLog().size(), sets);
                d->SliceBox(c.Slice)->SetChecked(false);
                d->SliceEdit(c.Slice)->SetText("");
                continue;
            }
            ClickControl(d->EditButton);
            ASSERT_TRUE(WaitForSets(++sets));
            ASSERT_TRUE(WaitReads(++reads));
            EXPECT_EQ(SetPdus().back(), (std::vector<SimVarBind>{
                                            {SliceOid(c.Slice, "10.2.2.2"), SimValue{"4x", c.Written}},
                                            {kStatusOid + ".10.2.2.2", SimValue::Int(1)},
                                        }));
        }
    });
}

// Delete asks first: Cancel sends nothing and still clears the fields; OK destroys the row.
TEST_F(RelayVlanControlSim, DeleteAsksAndCancelSendsNothingWhileOkDestroysTheRow) {
    RunDialog<T>(kCommand, DHCPRelayVLANControlUnitForm, [&](T* d) {
        ClickListRow(d->ListView1, Row(d, "10.2.2.2"));
        d->cbxVlanRange1->SetChecked(true);
        Dialogs.Expect("Are you sure to delete it?", mrCancel);
        ClickControl(d->DeleteButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        EXPECT_EQ(d->IPAddressEdit->Text(), "");
        EXPECT_EQ(d->VLANRangeEdit1->Text(), "");
        EXPECT_FALSE(d->cbxVlanRange1->Checked());
        EXPECT_FALSE(d->DeleteButton->Enabled());
        EXPECT_TRUE(d->AddButton->Enabled());

        ClickListRow(d->ListView1, Row(d, "10.2.2.2"));
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(d->DeleteButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(Row(d, "10.2.2.2"), -1);
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kStatusOid + ".10.2.2.2", SimValue::Int(6)}}}));
    EXPECT_EQ(AgentRows(kStatusOid), (std::set<std::string>{"10.1.1.1"}));
}

} // namespace dhcp_relay_vlan_control_unit_test
