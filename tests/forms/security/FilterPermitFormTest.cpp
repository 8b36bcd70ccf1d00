#include "FilterAllNodePermitFormUnit.h"
#include "FilterDHCPPermitFormUnit.h"
#include "FilterDHCPv6PermitFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "PermitScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"

#include <gtest/gtest.h>

namespace filter_permit_form_test {

namespace {

using permit_scenario::kAllNodeEntry;
using permit_scenario::kDhcpEntry;
using permit_scenario::kDhcpRow;
using permit_scenario::kDhcpv6Entry;
using permit_scenario::kIpv6Address;
using permit_scenario::kIpv6Instance;
using permit_scenario::PortList;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kDhcpCommand = "PermitTable1Click";
constexpr const char* kIpv6Message = "Please enter a valid IPv6 address whose length is 32 without ':'.";
constexpr const char* kNoPortToAdd = "Please select at least one port to add.";
constexpr int kServerColumn = ColumnOf(Columns::FilterDHCPPermitTable, "Server IP");

SimVarBind Ports(const std::string& entry, int arc, const std::string& instance, bool stacked,
                 std::initializer_list<int> ports) {
    return {entry + "." + std::to_string(arc) + "." + instance, {"4x", PortList(stacked, ports)}};
}
SimVarBind Status(const std::string& entry, int arc, const std::string& instance, int value) {
    return {entry + "." + std::to_string(arc) + "." + instance, SimValue::Int(value)};
}

class PermitSim : public FormsSimTest {
protected:
    // A stack of a 24-port unit 1 and a unit 2 the unit table lists as not there (by its exist
    // state and its module name), or a stand-alone 24-port switch.
    void Load(bool stacked) {
        WritableFacts().StackMode = stacked ? "enabled" : "disabled";
        WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"}};
        if (stacked) {
            WritableFacts().UnitList.push_back({"2", "65", "slave", "NOT_EXIST", "no-exist"});
        }
        Agent().LoadScenario(permit_scenario::Scenario(stacked));
    }
    void SetUp() override {
        FormsSimTest::SetUp();
        Load(true);
    }
    static TStackingPortUitForm* Picker(TFilterDHCPPermitForm* d) { return d->Pickers.Pickers.at(0); }
    static void TickOnly(TFilterDHCPPermitForm* d, int box) {
        Picker(d)->UncheckAllPorts();
        Picker(d)->PortBoxes[static_cast<size_t>(box)]->SetChecked(true);
    }
};

} // namespace

TEST_F(PermitSim, DhcpOpensThroughItsMenuCommandAndFixesAChosenRowsKeys) {
    RunDialog<TFilterDHCPPermitForm>(kDhcpCommand, [&](TFilterDHCPPermitForm* d) {
        EXPECT_EQ(d->Caption(), "DHCP Offer Permit Table: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Mode, 0); // blocking
        EXPECT_EQ(d->ListView1->Items().Count(), 1);
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Ports");
        EXPECT_TRUE(d->btnEdit->Visible());
        EXPECT_FALSE(d->btnEdit->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_TRUE(d->btnAdd->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->ListView1, RowWhere(d->Table, {{kServerColumn, "10.0.0.9"}}));
        EXPECT_EQ(d->edtMacAddr->Text(), "000102030406");
        EXPECT_FALSE(d->edtIpAddr->Enabled());
        EXPECT_FALSE(d->edtMacAddr->Enabled());
        EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{2}));
        EXPECT_TRUE(d->btnEdit->Enabled());
        EXPECT_FALSE(d->btnAdd->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));

        // Refresh holds Add back until the list is clicked.
        ClickControl(d->btnGet);
        EXPECT_EQ(d->edtIpAddr->Text(), "");
        EXPECT_FALSE(d->btnAdd->Enabled());
        EXPECT_FALSE(d->btnEdit->Enabled());
        ClickAt(d->ListView1, 20, d->ListView1->Height() - 10);
        EXPECT_TRUE(d->btnAdd->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PermitSim, DhcpAddCountsOnlyTheTickedPortsOfPresentUnits) {
    const std::string instance = "10.0.0.1.0.1.2.3.4.5";
    const struct {
        const char* Name;
        int Box;
        bool Sent;
    } cases[] = {
        {"a unit that is not there", 64, false},
        {"box 30 of a 24-port unit", 29, false},
        {"port 1:3", 2, true},
    };
    RunDialog<TFilterDHCPPermitForm>(kDhcpCommand, [&](TFilterDHCPPermitForm* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            d->edtIpAddr->SetText("10.0.0.1");
            d->edtMacAddr->SetText("000102030405");
            TickOnly(d, c.Box);
            if (!c.Sent) {
                Dialogs.Expect(kNoPortToAdd);
            }
            ClickControl(d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
        EXPECT_EQ(SetPdus(),
                  (Pdus{{Ports(kDhcpEntry, 3, instance, true, {3}), Status(kDhcpEntry, 4, instance, 4)}}));
        EXPECT_GE(RowWhere(d->Table, {{kServerColumn, "10.0.0.1"}}), 0);
        EXPECT_TRUE(TickedPorts(Picker(d)).empty());
    });
}

TEST_F(PermitSim, DhcpEditNeedsATickedPortAndDeleteSendsTheStatusAloneWithoutAsking) {
    RunDialog<TFilterDHCPPermitForm>(kDhcpCommand, [&](TFilterDHCPPermitForm* d) {
        const int row = RowWhere(d->Table, {{kServerColumn, "10.0.0.9"}});
        ClickListRow(d->ListView1, row);
        Picker(d)->UncheckAllPorts();
        Dialogs.Expect("Please select at least one port to edit.");
        ClickControl(d->btnEdit);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());

        TickOnly(d, 0);
        ClickControl(d->btnEdit);
        EXPECT_EQ(SetPdus(),
                  (Pdus{{Ports(kDhcpEntry, 3, kDhcpRow, true, {1}), Status(kDhcpEntry, 4, kDhcpRow, 1)}}));

        Agent().ClearSetLog();
        ClickListRow(d->ListView1, RowWhere(d->Table, {{kServerColumn, "10.0.0.9"}}));
        ClickControl(d->btnDelete);
        EXPECT_EQ(SetPdus(), (Pdus{{Status(kDhcpEntry, 4, kDhcpRow, 6)}}));
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
    });
}

TEST_F(PermitSim, TheIpv6DialogsCheckTheAddressCountModuleNamesAndHaveNoEdit) {
    const struct {
        const char* Command;
        TFilterDHCPPermitForm* (*Instance)();
        const char* Title;
        std::string Entry;
    } dialogs[] = {
        {"PermitTable2Click", []() -> TFilterDHCPPermitForm* { return FilterDHCPv6PermitForm; },
         "DHCPv6 Server Screening Permit Table: ", kDhcpv6Entry},
        {"PermitTable3Click", []() -> TFilterDHCPPermitForm* { return FilterAllNodePermitForm; },
         "ICMPv6 RA All Node Permit Table: ", kAllNodeEntry},
    };
    const std::string added = "20010DB8000000000000000000000001";
    const std::string instance = "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1";
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.Title);
        Load(true);
        RunDialog<TFilterDHCPPermitForm>(dialog.Command, [&](TFilterDHCPPermitForm* d) {
            EXPECT_EQ(d, dialog.Instance()); // the command's instance pointer
            EXPECT_EQ(d->Caption(), dialog.Title + Agent().Address());
            EXPECT_FALSE(d->btnEdit->Visible());
            EXPECT_EQ(d->edtMacAddr, nullptr);
            EXPECT_TRUE(CaptionsReadWhole(d));

            TickOnly(d, 0);
            // The 31 digits first: set from code into an edit not focused, the exact-length rule does not
            // run.
            for (const std::string& refused :
                 {kIpv6Address.substr(0, 31), "FE80:" + kIpv6Address.substr(5)}) {
                SCOPED_TRACE(refused);
                d->edtIpAddr->SetText(refused);
                Dialogs.Expect(kIpv6Message);
                ClickControl(d->btnAdd);
                EXPECT_EQ(Dialogs.Pending(), 0);
                EXPECT_TRUE(d->edtIpAddr->Focused());
            }
            d->edtIpAddr->SetText(added);
            TickOnly(d, 64); // unit 2's module name says it is not there
            Dialogs.Expect(kNoPortToAdd);
            ClickControl(d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_TRUE(Agent().SetLog().empty());

            TickOnly(d, 0);
            ClickControl(d->btnAdd);
            EXPECT_EQ(SetPdus(), (Pdus{{Ports(dialog.Entry, 2, instance, true, {1}),
                                        Status(dialog.Entry, 4, instance, 4)}}));
            // After a Refresh Add follows the selection here.
            EXPECT_TRUE(d->btnAdd->Enabled());

            Agent().ClearSetLog();
            ClickListRow(d->ListView1, RowWhere(d->Table, {{kIpv6PermitAddress, kIpv6Address}}));
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickControl(d->btnDelete);
            EXPECT_EQ(SetPdus(), (Pdus{{Status(dialog.Entry, 4, kIpv6Instance, 6)}}));
            EXPECT_TRUE(d->btnAdd->Enabled());
        });
    }
}

} // namespace filter_permit_form_test
