#include "PortCapabilities8021dFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "QosScenario.h"
#include "TButton.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace port_capabilities8021d_form_unit_test {

namespace {

using namespace qos_scenario;

constexpr const char* kCommand = "PortCapbility1Click";
constexpr int kPort = ColumnOf(Columns::PortCapabilities8021dTable, "Port Number");
constexpr int kCapabilityColumn = ColumnOf(Columns::PortCapabilities8021dTable, "Capabilities");

class PortCapabilitySim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
};

} // namespace

TEST_F(PortCapabilitySim, EachCapabilityValueIsListedAsTheNamesOfItsBits) {
    // Ports 1 to 9 report E0, 60, A0, C0, 20, 80, 40, 00 and E1.
    const char* const expected[] = {"Dot1qTagging,ConfigurableAcceptableFrameTypes,IngressFiltering",
                                    "ConfigurableAcceptableFrameTypes,IngressFiltering",
                                    "Dot1qTagging,IngressFiltering",
                                    "Dot1qTagging,ConfigurableAcceptableFrameTypes",
                                    "IngressFiltering",
                                    "Dot1qTagging",
                                    "ConfigurableAcceptableFrameTypes",
                                    "",
                                    ""};
    RunDialog<TPortCapabilities8021dForm>(
        kCommand, PortCapabilities8021dForm, [&](TPortCapabilities8021dForm* d) {
            EXPECT_EQ(d->Caption(), "802.1p Port Capability Table: " + Agent().Address());
            EXPECT_EQ(d->ST_Count->Caption(), "9");
            for (int port = 1; port <= 9; ++port) {
                SCOPED_TRACE(kCapabilities[port - 1]);
                const int row = RowWhere(d->Table, {{kPort, std::to_string(port)}});
                ASSERT_GE(row, 0);
                EXPECT_EQ(d->Table.Request->CellText(d->LV_dot1dPortCapabilitiesEntry->Items()[row],
                                                     kCapabilityColumn),
                          expected[port - 1]);
            }
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->LV_dot1dPortCapabilitiesEntry, 0);
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(PortCapabilitySim, RefreshDuringTheWalkSaysGetDataNotCompleteAndReadsOnlyOnce) {
    Agent().SetDelay(kCapabilityEntry, 100, SimOp::Next);
    RunDialog<TPortCapabilities8021dForm>(kCommand, PortCapabilities8021dForm,
                                          [&](TPortCapabilities8021dForm* d) {
                                              ASSERT_FALSE(d->Table.DataComplete);
                                              Dialogs.Expect("Get data not complete");
                                              ClickControl(d->RefreshBtn);
                                              EXPECT_EQ(Dialogs.Pending(), 0);
                                              ASSERT_TRUE(WaitIdle(d->Table));
                                              EXPECT_EQ(Reads, 1);
                                              EXPECT_EQ(d->ST_Count->Caption(), "9");
                                          },
                                          {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace port_capabilities8021d_form_unit_test
