#include "IpMacBindBlockedFormUnitUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "ImpbScenario.h"
#include "TButton.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace ip_mac_bind_blocked_form_unit_unit_test {

namespace {

using impb_scenario::kBlockedEntry;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "BindingBlockedTable1Click";
constexpr auto& kTable = Columns::IpMacBindBlockedTable;
constexpr int kVlan = ColumnOf(kTable, "VLAN ID");
constexpr int kMac = ColumnOf(kTable, "MAC Address");
constexpr int kVlanName = ColumnOf(kTable, "VLAN Name");
constexpr int kPort = ColumnOf(kTable, "Port");

class IpMacBindBlockedSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(impb_scenario::Scenario());
    }
};

} // namespace

TEST_F(IpMacBindBlockedSim, ListsTheBlockedHostsAndDeleteReleasesTheChosenOneWithoutAsking) {
    RunDialog<TIpMacBindBlockedForm>(kCommand, IpMacBindBlockedForm, [&](TIpMacBindBlockedForm* d) {
        EXPECT_EQ(d->Caption(), "IMPB Blocked Table: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Mode, 0); // blocking
        ASSERT_EQ(d->lv1->Items().Count(), 1);
        EXPECT_EQ(d->txt1->Caption(), "1");
        EXPECT_EQ(ColumnCells(d->Table, kVlan), (std::vector<std::string>{"1"}));
        EXPECT_EQ(ColumnCells(d->Table, kMac), (std::vector<std::string>{"000102030405"}));
        EXPECT_EQ(ColumnCells(d->Table, kVlanName), (std::vector<std::string>{"default"}));
        EXPECT_EQ(ColumnCells(d->Table, kPort), (std::vector<std::string>{"3"}));
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_FALSE(d->ComboType->Visible());
        EXPECT_TRUE(CaptionsReadWhole(d));

        // Without a chosen host the handler sends nothing and says nothing.
        d->btnDeleteClick(d->btnDelete);
        EXPECT_TRUE(Agent().SetLog().empty());

        ClickListRow(d->lv1, 0);
        EXPECT_TRUE(d->btnDelete->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
        ClickControl(d->btnDelete);
        EXPECT_EQ(SetPdus(), (Pdus{{{kBlockedEntry + ".7.1.0.1.2.3.4.5", SimValue::Int(6)}}}));
        // The framework read the table again.
        EXPECT_EQ(d->lv1->Items().Count(), 0);
        EXPECT_EQ(d->txt1->Caption(), "0");
        EXPECT_FALSE(d->btnDelete->Enabled());
    });
}

} // namespace ip_mac_bind_blocked_form_unit_unit_test
