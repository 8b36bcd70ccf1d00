#include "MacStatisticTableFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "GuestVlanScenario.h"
#include "TButton.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqSNMPSession.h"

#include <gtest/gtest.h>

namespace mac_statistic_table_form_unit_test {

namespace {

using guest_vlan_scenario::kStatisticEntry;

constexpr const char* kCommand = "StatisticTable1Click";
constexpr auto& kTable = Columns::MacStatisticTable;
constexpr int kMac = ColumnOf(kTable, "MAC Address");
constexpr int kPort = ColumnOf(kTable, "Port Number");
constexpr int kFramesRx = ColumnOf(kTable, "Eapol Frames RX");
constexpr int kVersion = ColumnOf(kTable, "Last Eapol Frame Version");
constexpr int kSource = ColumnOf(kTable, "Last Eapol Frame Source");

class MacStatisticSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(guest_vlan_scenario::Scenario());
    }
    static std::string Status(TMacStatisticTableForm* d) { return d->statBar->Panels()[0]->Text(); }
};

} // namespace

TEST_F(MacStatisticSim, ListsEachAddressAndPortWithItsCountersAndReadsWithoutWriting) {
    RunDialog<TMacStatisticTableForm>(kCommand, MacStatisticTableForm, [&](TMacStatisticTableForm* d) {
        EXPECT_EQ(d->Caption(), "MBA PAE Over Land Frames Statistic Table: " + Agent().Address());
        EXPECT_EQ(d->Table.Request->Mode, 0); // blocking
        ASSERT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_EQ(d->txtCount->Caption(), "2");
        EXPECT_EQ(ColumnCells(d->Table, kMac), (std::vector<std::string>{"000102030405", "000A0B0C0D0E"}));
        EXPECT_EQ(ColumnCells(d->Table, kPort), (std::vector<std::string>{"1", "5"}));
        EXPECT_EQ(ColumnCells(d->Table, kFramesRx), (std::vector<std::string>{"10", "20"}));
        EXPECT_EQ(ColumnCells(d->Table, kVersion), (std::vector<std::string>{"2", "1"}));
        EXPECT_EQ(ColumnCells(d->Table, kSource), (std::vector<std::string>{"000102030405", "000A0B0C0D0E"}));
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickControl(d->Button1);
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
        EXPECT_NE(Status(d).find("Ok!"), std::string::npos) << Status(d);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MacStatisticSim, AnEmptyTableCountsZero) {
    Agent().LoadScenario(guest_vlan_scenario::Scenario({.Statistics = false}));
    RunDialog<TMacStatisticTableForm>(kCommand, MacStatisticTableForm, [&](TMacStatisticTableForm* d) {
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
        EXPECT_EQ(d->txtCount->Caption(), "0");
    });
}

TEST_F(MacStatisticSim, AFirstReadOfASilentSwitchIsShownInTheStatusLineAndTheDialogOpens) {
    struct ShortTimeout {
        int Saved = SessionParameters.Timeout;
        ShortTimeout() { SessionParameters.Timeout = 10; } // 0.1 s a try
        ~ShortTimeout() { SessionParameters.Timeout = Saved; }
    } shortTimeout;
    Agent().DropReplies(kStatisticEntry, SimOp::Next);
    RunDialog<TMacStatisticTableForm>(kCommand, MacStatisticTableForm, [&](TMacStatisticTableForm* d) {
        EXPECT_NE(Status(d).find("timed out"), std::string::npos) << Status(d);
        EXPECT_EQ(d->txtCount->Caption(), "0");
    });
}

} // namespace mac_statistic_table_form_unit_test
