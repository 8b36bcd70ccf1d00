#include "UnicastFilterInformationFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "MacEntrySim.h"
#include "PickerTicks.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace unicast_filter_information_form_unit_test {

namespace {

using D = TUnicastFilterInformationForm;
constexpr const char* kTitle = "802.1Q Unicast Filter Information Table";
constexpr const char* kCommand = "UnicastInformation1Click";
constexpr auto& kTable = Columns::UnicastFilterInformation;
constexpr int kVlan = ColumnOf(kTable, "Index");
constexpr int kMac = ColumnOf(kTable, "Unicast Address");
constexpr int kReceivePort = ColumnOf(kTable, "Receive Port");
const std::string kEntry = kStaticUnicastEntry;

constexpr const char* kInputKey = "Please input VLAN ID and MAC Address.";
constexpr const char* kBusy = "Get data not complete.";

class UnicastFilterSim : public MacEntrySim {
protected:
    static std::vector<std::string> Listed(const D* d) { return Keys(d, {kVlan, kMac, kReceivePort}); }
    // VLAN, MAC and the ports ticked, as a user types and ticks them.
    static void TypeEntry(D* d, const char* vlan, const char* mac, std::initializer_list<int> ports) {
        d->ED_UnicastVID->SetText(vlan);
        d->UnicastAddress->SetText(mac);
        for (int port : ports) {
            ClickControl(Port(d, port));
        }
    }
};

} // namespace

TEST_F(UnicastFilterSim, OpensWithTheEntriesAndAChosenEntryFixesItsKey) {
    RunDialog<D>(kCommand, UnicastFilterInformationForm, [&](D* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(d->Width(), 695);
        EXPECT_EQ(d->Height(), 479);
        EXPECT_EQ(Keys(d, {kVlan, kMac}),
                  (std::vector<std::string>{"1/000102030405", "1/000102030406", "10/000102030407"}));
        EXPECT_EQ(d->ST_Count->Caption(), "3");
        EXPECT_FALSE(d->DeleteBtn->Enabled());
        EXPECT_TRUE(d->ADDBtn->Enabled());
        EXPECT_FALSE(d->UStatus->Visible());
        ASSERT_EQ(d->PageControl1->PageCount(), 1);
        EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Allowed Ports");
        EXPECT_TRUE(CaptionsReadWhole(d));

        ClickListRow(d->LV_dot1qStaticUnicastEntry, 0);
        EXPECT_EQ(d->ED_UnicastVID->Text(), "1");
        EXPECT_EQ(d->UnicastAddress->Text(), "000102030405");
        EXPECT_FALSE(d->ED_UnicastVID->Enabled());
        EXPECT_FALSE(d->UnicastAddress->Enabled());
        EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1, 2}));
        EXPECT_TRUE(d->DeleteBtn->Enabled());
        EXPECT_FALSE(d->ADDBtn->Enabled());
        EXPECT_TRUE(CaptionsReadWhole(d));
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(UnicastFilterSim, AddWritesThePortsAndPermanentAtReceivePortZeroAndListsTheEntry) {
    const struct {
        const char* StackMode;
        size_t Octets;
    } cases[] = {{"disabled", 8}, {"enabled", 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.StackMode);
        WritableFacts().StackMode = c.StackMode;
        RunDialog<D>(kCommand, UnicastFilterInformationForm, [&](D* d) {
            TypeEntry(d, "1", "001122334455", {1});
            ClickControl(d->ADDBtn);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1)); // the framework's re-read
            const std::string at = ".1.0.17.34.51.68.85.0";
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                     {kEntry + ".3" + at, Ports("80", c.Octets)},
                                     {kEntry + ".4" + at, SimValue::Int(3)},
                                 }}));
            EXPECT_EQ(Agent().SetLog()[0].Status, "noError");
            EXPECT_GE(RowWhere(d->Table, {{kVlan, "1"}, {kMac, "001122334455"}, {kReceivePort, "0"}}), 0);
            EXPECT_EQ(d->ST_Count->Caption(), "4");
            EXPECT_EQ(d->UnicastAddress->Text(), ""); // the clear routine
            EXPECT_TRUE(TickedPorts(d->Pickers.Pickers[0]).empty());
        });
        Agent().LoadScenario(MacEntryScenario());
    }
}

TEST_F(UnicastFilterSim, AddRefusesAnIncompleteKeyOrNoPortAndSendsNothing) {
    const struct {
        const char* Vlan;
        const char* Mac;
        bool Ported;
        const char* Message;
    } cases[] = {
        {"", "001122334455", true, kInputKey},
        {"1", "", true, kInputKey},
        {"1", "001122334455", false, "Please select a port to config,be sure the VLAN contains the port."},
    };
    RunDialog<D>(kCommand, UnicastFilterInformationForm, [&](D* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Vlan) + "/" + c.Mac);
            d->Pickers.UncheckAll();
            TypeEntry(d, c.Vlan, c.Mac, {});
            Port(d, 3)->SetChecked(c.Ported);
            Dialogs.Expect(c.Message);
            ClickControl(d->ADDBtn);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(UnicastFilterSim, DuringAWalkTheKeyIsCheckedFirstThenAddAndDeleteAreRefused) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<D>(kCommand, UnicastFilterInformationForm,
                 [&](D* d) {
                     ASSERT_TRUE(
                         WaitFor([d] { return d->LV_dot1qStaticUnicastEntry->Items().Count() >= 1; }, 10000));
                     ASSERT_TRUE(d->Table.Request->Busy);
                     TypeEntry(d, "", "001122334455", {1});
                     Dialogs.Expect(kInputKey);
                     ClickControl(d->ADDBtn);
                     d->ED_UnicastVID->SetText("1");
                     Dialogs.Expect(kBusy);
                     ClickControl(d->ADDBtn);

                     ClickListRow(d->LV_dot1qStaticUnicastEntry, 0);
                     Dialogs.Expect(kBusy);
                     ClickControl(d->DeleteBtn); // no question while the walk runs
                     EXPECT_EQ(Dialogs.Pending(), 0);
                     ASSERT_TRUE(d->Table.Request->Busy);
                     ASSERT_TRUE(WaitIdle(d->Table));
                 },
                 {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(UnicastFilterSim, DeleteAsksThenInvalidatesTheChosenEntryAlone) {
    RunDialog<D>(kCommand, UnicastFilterInformationForm, [&](D* d) {
        ClickListRow(d->LV_dot1qStaticUnicastEntry, 0);
        Dialogs.Expect("Are you sure to delete it?", mrCancel);
        ClickControl(d->DeleteBtn);
        EXPECT_TRUE(Agent().SetLog().empty());
        EXPECT_FALSE(d->DeleteBtn->Enabled()); // whatever the answer: no entry chosen

        ClickListRow(d->LV_dot1qStaticUnicastEntry, 0);
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(d->DeleteBtn);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".4.1.0.1.2.3.4.5.0", SimValue::Int(2)}}}));
        EXPECT_EQ(Keys(d, {kVlan, kMac}), (std::vector<std::string>{"1/000102030406", "10/000102030407"}));
        EXPECT_EQ(d->ST_Count->Caption(), "2");
        EXPECT_FALSE(d->DeleteBtn->Enabled());
        EXPECT_TRUE(d->ADDBtn->Enabled());
    });
    EXPECT_FALSE(Agent().Value(kEntry + ".3.1.0.1.2.3.4.5.0").has_value());
}

TEST_F(UnicastFilterSim, RefreshLeavesNoEntryChosenAndTheKeyWritable) {
    RunDialog<D>(kCommand, UnicastFilterInformationForm, [&](D* d) {
        ClickListRow(d->LV_dot1qStaticUnicastEntry, 2);
        ASSERT_TRUE(d->DeleteBtn->Enabled());
        ClickControl(d->RefreshBtn);
        EXPECT_FALSE(d->DeleteBtn->Enabled());
        EXPECT_TRUE(d->ADDBtn->Enabled());
        EXPECT_TRUE(d->ED_UnicastVID->Enabled());
        EXPECT_EQ(d->ED_UnicastVID->Text(), "");
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(d->ST_Count->Caption(), "3");
        EXPECT_FALSE(d->DeleteBtn->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace unicast_filter_information_form_unit_test
