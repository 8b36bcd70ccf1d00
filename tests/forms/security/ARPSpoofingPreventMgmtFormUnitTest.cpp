#include "ARPSpoofingPreventMgmtFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "ImpbScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace arp_spoofing_prevent_mgmt_form_unit_test {

namespace {

using impb_scenario::kArpEntry;
using impb_scenario::PortList;
using Pdus = std::vector<std::vector<SimVarBind>>;

constexpr const char* kCommand = "ARPSpoofingPrevent1Click";
constexpr int kIpColumn = ColumnOf(Columns::ARPSpoofingPreventMgmtTable, "Gateway IP");
const std::string kListed = "10.0.0.254.0.1.2.3.4.5";
const std::string kNew = "10.0.0.1.0.1.2.3.4.5";

SimVarBind Ports(const std::string& instance, bool stacked, std::initializer_list<int> ports) {
    return {kArpEntry + ".3." + instance, {"4x", PortList(stacked, ports)}};
}
SimVarBind RowStatus(const std::string& instance, int value) {
    return {kArpEntry + ".4." + instance, SimValue::Int(value)};
}

class ARPSpoofingSim : public FormsSimTest {
protected:
    // A stand-alone 24-port switch, or a stack whose unit 2 is listed but not there.
    void Load(bool stacked) {
        WritableFacts().StackMode = stacked ? "enabled" : "disabled";
        WritableFacts().UnitList = {{"1", "1", "master", "ZQS-4410-24RA", "exist"}};
        if (stacked) {
            WritableFacts().UnitList.push_back({"2", "65", "slave", "ZQS-4410-24RA", "no-exist"});
        }
        Agent().LoadScenario(impb_scenario::Scenario(stacked));
    }
    void SetUp() override {
        FormsSimTest::SetUp();
        Load(false);
    }
    static TStackingPortUitForm* Picker(TARPSpoofingPreventMgmtForm* d) { return d->Pickers.Pickers.at(0); }
    static int Row(TARPSpoofingPreventMgmtForm* d, const std::string& address) {
        return RowWhere(d->Table, {{kIpColumn, address}});
    }
};

} // namespace

TEST_F(ARPSpoofingSim, OpensThroughItsMenuCommandAndShowsAChosenEntryWithoutWriting) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* name : {"TARPSpoofingPreventMgmtForm", "TIPMACBindingForm", "TIPMACBindingIPv6Form",
                             "TIpMacBindBlockedForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), name), missing.end()) << name;
    }
    RunDialog<TARPSpoofingPreventMgmtForm>(
        kCommand, ARPSpoofingPreventMgmtForm, [&](TARPSpoofingPreventMgmtForm* d) {
            EXPECT_EQ(d->Caption(), "ARP Spoofing Prevention Table: " + Agent().Address());
            EXPECT_EQ(d->Table.Request->Mode, 0); // blocking
            EXPECT_EQ(d->StaticText1->Caption(), "1");
            EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Ports");
            EXPECT_FALSE(d->btnEdit->Enabled());
            EXPECT_FALSE(d->btnDelete->Enabled());
            EXPECT_TRUE(d->btnAdd->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickListRow(d->ListView1, Row(d, "10.0.0.254"));
            EXPECT_EQ(d->edtIpAddr->Text(), "10.0.0.254");
            EXPECT_EQ(d->edtMacAddr->Text(), "000102030405");
            EXPECT_FALSE(d->edtIpAddr->Enabled());
            EXPECT_FALSE(d->edtMacAddr->Enabled());
            EXPECT_EQ(TickedPorts(Picker(d)), (std::vector<int>{1}));
            EXPECT_TRUE(d->btnEdit->Enabled());
            EXPECT_TRUE(d->btnDelete->Enabled());
            EXPECT_FALSE(d->btnAdd->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            ClickControl(d->btnGet);
            EXPECT_EQ(d->edtIpAddr->Text(), "");
            EXPECT_TRUE(d->edtIpAddr->Enabled());
            EXPECT_TRUE(TickedPorts(Picker(d)).empty());
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ARPSpoofingSim, AddSendsThePortsOnlyWhenABoxOfAPresentUnitIsTicked) {
    const struct {
        const char* Name;
        bool Stacked;
        int Box; // -1: none ticked
        bool PortsSent;
    } cases[] = {
        {"nothing ticked", false, -1, false},
        // Stand-alone, a 24-port model has 26 boxes that count.
        {"stand-alone box index 24", false, 24, true},
        {"stand-alone box index 26", false, 26, false},
        {"stacked, unit 1", true, 0, true},
        {"stacked, a unit that is not there", true, 64, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Load(c.Stacked);
        RunDialog<TARPSpoofingPreventMgmtForm>(
            kCommand, ARPSpoofingPreventMgmtForm, [&](TARPSpoofingPreventMgmtForm* d) {
                TypeText(d->edtIpAddr, "10.0.0.1");
                TypeText(d->edtMacAddr, "000102030405");
                if (c.Box >= 0) {
                    Picker(d)->PortBoxes[static_cast<size_t>(c.Box)]->SetChecked(true);
                }
                ClickControl(d->btnAdd);
                std::vector<SimVarBind> pdu;
                if (c.PortsSent) {
                    pdu.push_back(Ports(kNew, c.Stacked, {c.Box + 1}));
                }
                pdu.push_back(RowStatus(kNew, 4));
                EXPECT_EQ(SetPdus(), Pdus{pdu});
                EXPECT_GE(Row(d, "10.0.0.1"), 0);
                EXPECT_EQ(d->edtIpAddr->Text(), "");
                EXPECT_TRUE(TickedPorts(Picker(d)).empty());
            });
    }
}

TEST_F(ARPSpoofingSim, SetWritesThePortsWithTheRowStatusAsRead) {
    RunDialog<TARPSpoofingPreventMgmtForm>(
        kCommand, ARPSpoofingPreventMgmtForm, [&](TARPSpoofingPreventMgmtForm* d) {
            ClickListRow(d->ListView1, Row(d, "10.0.0.254"));
            ClickControl(Picker(d)->PortBoxes[1]);
            ClickControl(d->btnEdit);
            EXPECT_EQ(SetPdus(), (Pdus{{Ports(kListed, false, {1, 2}), RowStatus(kListed, 1)}}));
            EXPECT_EQ(d->ListView1->Selected(), nullptr);
            EXPECT_FALSE(d->btnEdit->Enabled());
        });
}

TEST_F(ARPSpoofingSim, AddRefusesAnAddressThatIsNoneAndAMacAddressByTheFocusAlone) {
    RunDialog<TARPSpoofingPreventMgmtForm>(
        kCommand, ARPSpoofingPreventMgmtForm, [&](TARPSpoofingPreventMgmtForm* d) {
            d->edtIpAddr->SetText("1.2.3");
            d->edtMacAddr->SetText("000102030405");
            Dialogs.Expect("Please input a valid IP.");
            ClickControl(d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_TRUE(d->edtIpAddr->Focused());

            d->edtIpAddr->SetText("10.0.0.1");
            d->edtMacAddr->SetText("0001020304");
            ClickControl(d->btnAdd); // no message: an unexpected box would fail the test
            EXPECT_TRUE(d->edtMacAddr->Focused());
        });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(ARPSpoofingSim, DeleteAsksAndCancelSendsNothing) {
    RunDialog<TARPSpoofingPreventMgmtForm>(kCommand, ARPSpoofingPreventMgmtForm,
                                           [&](TARPSpoofingPreventMgmtForm* d) {
                                               ClickListRow(d->ListView1, Row(d, "10.0.0.254"));
                                               Dialogs.Expect("Are you sure to delete it?", mrCancel);
                                               ClickControl(d->btnDelete);
                                               EXPECT_TRUE(Agent().SetLog().empty());
                                               EXPECT_GE(Row(d, "10.0.0.254"), 0);

                                               ClickListRow(d->ListView1, Row(d, "10.0.0.254"));
                                               Dialogs.Expect("Are you sure to delete it?", mrOk);
                                               ClickControl(d->btnDelete);
                                               EXPECT_EQ(SetPdus(), (Pdus{{RowStatus(kListed, 6)}}));
                                               EXPECT_EQ(Row(d, "10.0.0.254"), -1);
                                               EXPECT_EQ(d->StaticText1->Caption(), "0");
                                               EXPECT_TRUE(d->btnAdd->Enabled());
                                           });
}

} // namespace arp_spoofing_prevent_mgmt_form_unit_test
