#include "IPMACBindingFormUnit.h"
#include "IPMACBindingIPv6FormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "ImpbScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <memory>

namespace ipmac_binding_form_unit_test {

namespace {

using impb_scenario::kBindingEntry;
using impb_scenario::kBindingV6Entry;
using impb_scenario::kIpv6Address;
using impb_scenario::kIpv6Instance;
using impb_scenario::PortList;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "BindingTable1Click";
constexpr const char* kIPv6Command = "IPv6Table2Click";
constexpr int kIpColumn = ColumnOf(Columns::IPMACBindingTable, "IP Index");
constexpr int kPortsColumn = ColumnOf(Columns::IPMACBindingTable, "Ports");
constexpr int kIpv6Column = ColumnOf(Columns::IPMACBindingIPv6Table, "Address");
constexpr const char* kIpv6Message = "Please enter a valid IPv6 address whose length is 32 without ':'.";

SimVarBind Cell(const std::string& entry, int arc, const std::string& instance, const SimValue& value) {
    return {entry + "." + std::to_string(arc) + "." + instance, value};
}
SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class IpMacBindingSim : public FormsSimTest {
protected:
    void Load(bool stacked) {
        WritableFacts().StackMode = stacked ? "enabled" : "disabled";
        Agent().LoadScenario(impb_scenario::Scenario(stacked));
    }
    void SetUp() override {
        FormsSimTest::SetUp();
        Load(false);
    }
    static TStackingPortUitForm* Picker(TIPMACBindingForm* d) { return d->Pickers.Pickers.at(0); }
    static int Row(TIPMACBindingForm* d, int column, const std::string& address) {
        return RowWhere(d->Table, {{column, address}});
    }
};

} // namespace

TEST_F(IpMacBindingSim, TheAddressAndMacChecksOnTheirTexts) {
    const struct {
        const char* Text;
        bool Passes;
    } addresses[] = {
        {"001.2.3.4", true},
        {"10.0.0.1", true},
        {"192.168.1.0", true},
        {"192.168.1.001", true},
        {"10.00.0.1", false},
        {"256.1.1.1", false},
        {"1.2.3", false},
        {".1.2.3.4", false},
        {"1..2.3", false},
        {"1.2.3.4a", false},
        {"192.168.1.00", false},
        {"111.111.111.11.5", false},
        {"192.168.100.2551", false},
        {"", false},
    };
    const struct {
        const char* Text;
        bool Passes;
    } macs[] = {
        {"00112233445A", true},
        {"00-11-22-33-44-5A", false},
        {"00112233445", false},
        {"", false},
    };
    std::unique_ptr<TEdit> edit(new TEdit(nullptr));
    for (const auto& c : addresses) {
        SCOPED_TRACE(c.Text);
        edit->SetText(c.Text);
        if (!c.Passes) {
            Dialogs.Expect("Please input a valid IP");
        }
        EXPECT_EQ(TIPMACBindingForm::CheckIPAddress(edit.get()), c.Passes);
        EXPECT_EQ(Dialogs.Pending(), 0);
    }
    for (const auto& c : macs) {
        SCOPED_TRACE(c.Text);
        edit->SetText(c.Text);
        if (!c.Passes) {
            Dialogs.Expect("Invalid MAC address");
        }
        EXPECT_EQ(TIPMACBindingForm::CheckMacAddress(edit.get()), c.Passes);
        EXPECT_EQ(Dialogs.Pending(), 0);
    }
}

TEST_F(IpMacBindingSim, EachCommandOpensItsTableAndShowsAChosenBindingWithoutWriting) {
    RunDialog<TIPMACBindingForm>(kCommand, IPMACBindingForm, [&](TIPMACBindingForm* d) {
        EXPECT_EQ(d->Caption(), "IMPB Binding Table: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Mode, 0); // blocking
        EXPECT_EQ(d->txt1->Caption(), "1");
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Binding Ports");
        EXPECT_FALSE(d->btnEdit->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, Row(d, kIpColumn, "10.1.1.1"));
        EXPECT_EQ(d->edtMacAddr->Text(), "001122334455");
        EXPECT_FALSE(d->edtIpAddr->Enabled());
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{2}));
        EXPECT_TRUE(d->btnEdit->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->btnGet);
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        EXPECT_EQ(d->edtMacAddr->Text(), "");
        EXPECT_TRUE(TickedPorts(Picker(d)).empty());
    });
    RunDialog<TIPMACBindingIPv6Form>(kIPv6Command, IPMACBindingIPv6Form, [&](TIPMACBindingIPv6Form* d) {
        EXPECT_EQ(d->Caption(), "IMPB IPv6 Table: " + Agent().Address());
        EXPECT_EQ(d->txt1->Caption(), "1");
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Ports");
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickListRow(d->ListView1, Row(d, kIpv6Column, kIpv6Address));
        EXPECT_EQ(d->edtIpAddr->Text(), kIpv6Address);
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{3}));
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpMacBindingSim, AddLeavesThePortListOutWhenNoBoxIsTicked) {
    const std::string mac = Hex("00112233445A").Text;
    const struct {
        const char* Name;
        bool Stacked;
        bool Ticked;
    } cases[] = {
        {"no box", false, false},
        {"stand-alone", false, true},
        {"stacked", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Load(c.Stacked);
        RunDialog<TIPMACBindingForm>(kCommand, IPMACBindingForm, [&](TIPMACBindingForm* d) {
            TypeText(d->edtIpAddr, "1.2.3.4");
            TypeText(d->edtMacAddr, "00112233445A");
            if (c.Ticked) {
                ClickControl(Picker(d)->PortBoxes[0]);
            }
            ClickControl(d->btnAdd);
            std::vector<SimVarBind> pdu = {Cell(kBindingEntry, 2, "1.2.3.4", Hex("00112233445A"))};
            if (c.Ticked) {
                pdu.push_back(Cell(kBindingEntry, 4, "1.2.3.4", Hex(PortList(c.Stacked, {1}))));
            }
            pdu.push_back(Cell(kBindingEntry, 3, "1.2.3.4", SimValue::Int(4)));
            EXPECT_EQ(SetPdus(), Pdus{pdu});
            ASSERT_GE(Row(d, kIpColumn, "1.2.3.4"), 0);
            EXPECT_EQ(d->edtIpAddr->Text(), "");
            EXPECT_TRUE(d->btnAdd->Enabled());
            // The port column was left out of that one SET only: the refresh reads it.
            ClickControl(d->btnGet);
            EXPECT_NE(d->Table.Request->CellText(d->ListView1->Items()[Row(d, kIpColumn, "10.1.1.1")],
                                                 kPortsColumn),
                      "");
        });
    }
}

TEST_F(IpMacBindingSim, EditWritesTheMacAndPortsWithTheRowStatusAsRead) {
    RunDialog<TIPMACBindingForm>(kCommand, IPMACBindingForm, [&](TIPMACBindingForm* d) {
        ClickListRow(d->ListView1, Row(d, kIpColumn, "10.1.1.1"));
        d->edtMacAddr->SetText("0011223344FF");
        ClickControl(Picker(d)->PortBoxes[0]);
        ClickControl(d->btnEdit);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(kBindingEntry, 2, "10.1.1.1", Hex("0011223344FF")),
                                    Cell(kBindingEntry, 4, "10.1.1.1", Hex(PortList(false, {1, 2}))),
                                    Cell(kBindingEntry, 3, "10.1.1.1", SimValue::Int(1))}}));
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
    });
}

TEST_F(IpMacBindingSim, DeleteAsksNothingAndCarriesTheRowStatusAloneInIPv4AndThreeColumnsInIPv6) {
    RunDialog<TIPMACBindingForm>(kCommand, IPMACBindingForm, [&](TIPMACBindingForm* d) {
        ClickListRow(d->ListView1, Row(d, kIpColumn, "10.1.1.1"));
        ClickControl(d->btnDelete);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(kBindingEntry, 3, "10.1.1.1", SimValue::Int(6))}}));
        EXPECT_EQ(Row(d, kIpColumn, "10.1.1.1"), -1);
        EXPECT_EQ(d->txt1->Caption(), "0");
    });
    RunDialog<TIPMACBindingIPv6Form>(kIPv6Command, IPMACBindingIPv6Form, [&](TIPMACBindingIPv6Form* d) {
        ClickListRow(d->ListView1, Row(d, kIpv6Column, kIpv6Address));
        ClickControl(d->btnDelete);
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(kBindingV6Entry, 2, kIpv6Instance, Hex("001122334466")),
                                    Cell(kBindingV6Entry, 3, kIpv6Instance, Hex(PortList(false, {3}))),
                                    Cell(kBindingV6Entry, 6, kIpv6Instance, SimValue::Int(6))}}));
        EXPECT_EQ(Row(d, kIpv6Column, kIpv6Address), -1);
    });
}

TEST_F(IpMacBindingSim, IPv6AddChecksTheAddressAndSendsItAsSixteenSubIdentifiers) {
    RunDialog<TIPMACBindingIPv6Form>(kIPv6Command, IPMACBindingIPv6Form, [&](TIPMACBindingIPv6Form* d) {
        d->edtMacAddr->SetText("00112233445A");
        // The 31 digits first: set from code into an edit not focused, the exact-length rule does not run.
        for (const std::string& refused :
             {kIpv6Address.substr(0, 31), "FE80:" + kIpv6Address.substr(5, 27)}) {
            SCOPED_TRACE(refused);
            d->edtIpAddr->SetText(refused);
            Dialogs.Expect(kIpv6Message);
            ClickControl(d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_TRUE(d->edtIpAddr->Focused());
        }
        EXPECT_TRUE(Agent().SetLog().empty());

        d->edtIpAddr->SetText("20010DB8000000000000000000000001");
        ClickControl(d->btnAdd);
        const std::string instance = "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1";
        EXPECT_EQ(SetPdus(), (Pdus{{Cell(kBindingV6Entry, 2, instance, Hex("00112233445A")),
                                    Cell(kBindingV6Entry, 6, instance, SimValue::Int(4))}}));
        EXPECT_GE(Row(d, kIpv6Column, "20010DB8000000000000000000000001"), 0);
    });
}

} // namespace ipmac_binding_form_unit_test
