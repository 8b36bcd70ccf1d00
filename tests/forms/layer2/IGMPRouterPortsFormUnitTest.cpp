#include "IGMPRouterPortsFormUnit.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace igmp_router_ports_form_unit_test {

namespace {

constexpr const char* kCommand = "RouterPorts2Click";
const std::string kEntry = kIgmpRouterPortsEntry;

// The port tabs in their order.
enum Page { kStatic, kForbidden, kDynamic };

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class RouterPortsSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static TStackingPortUitForm* Picker(TSnoopingRouterPortsForm* d, Page page) {
        return d->Pickers.Pickers.at(page);
    }
    static TCheckBox* Port(TSnoopingRouterPortsForm* d, Page page, int port) {
        return Picker(d, page)->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static int Listed(TSnoopingRouterPortsForm* d) { return d->ListView1->Items().Count(); }
};

} // namespace

TEST_F(RouterPortsSim, TheStaticAndForbiddenBoxesAreOpenAfterEveryReadAndTheDynamicOnesNever) {
    RunDialog<TIGMPRouterPortsForm>(kCommand, IGMPRouterPortsForm, [&](TIGMPRouterPortsForm* d) {
        EXPECT_EQ(d->Caption(), "IGMP Snooping Router Ports: " + Agent().Address());
        EXPECT_EQ(d->StaticText1->Caption(), "3");
        ASSERT_EQ(d->PageControl1->PageCount(), 3);
        EXPECT_EQ(d->PageControl1->Pages(kForbidden)->Caption(), "Forbidden Ports");
        EXPECT_EQ(d->PageControl1->Pages(kDynamic)->Caption(), "Dynamic Ports");
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_TRUE(Port(d, kStatic, 1)->Enabled());
        EXPECT_TRUE(Port(d, kForbidden, 1)->Enabled());
        EXPECT_FALSE(Port(d, kDynamic, 1)->Enabled());
        for (int page = 0; page < 3; ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "no row, page " << page;
        }

        ClickListRow(d->ListView1, 1);
        EXPECT_EQ(d->stVlanID->Caption(), "10");
        EXPECT_EQ(TickedPorts(Picker(d, kStatic)), (std::vector<int>{1, 2}));
        EXPECT_EQ(TickedPorts(Picker(d, kForbidden)), (std::vector<int>{8}));
        EXPECT_EQ(TickedPorts(Picker(d, kDynamic)), (std::vector<int>{3}));
        EXPECT_TRUE(d->btnSet->Enabled());
        EXPECT_TRUE(Port(d, kStatic, 5)->Enabled());
        EXPECT_FALSE(Port(d, kDynamic, 5)->Enabled());
        ClickTab(d->PageControl1, kDynamic);
        ClickControl(Port(d, kDynamic, 5));
        EXPECT_FALSE(Port(d, kDynamic, 5)->Checked());
        for (int page = 0; page < 3; ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "row chosen, page " << page;
        }

        ClickControl(d->btnGet);
        ASSERT_TRUE(WaitReads(1));
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_TRUE(Port(d, kForbidden, 1)->Enabled());
        EXPECT_FALSE(Port(d, kDynamic, 1)->Enabled());
        EXPECT_TRUE(TickedPorts(Picker(d, kStatic)).empty());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(RouterPortsSim, SetSendsTheStaticAndForbiddenListsAloneThenReadsAgain) {
    const struct {
        const char* Name;
        const char* StackMode;
        bool ClearAll;
        std::string Static;
        std::string Forbidden;
    } cases[] = {
        {"stand-alone", "disabled", false, "E000000000000000", "0180000000000000"},
        {"every box cleared", "disabled", true, "0000000000000000", "0000000000000000"},
        {"stacked", "enabled", false, "E0" + std::string(94, '0'), "0180" + std::string(92, '0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const bool stacking = std::string(c.StackMode) == "enabled";
        WritableFacts().StackMode = c.StackMode;
        Agent().LoadScenario(MulticastScenario(stacking));
        RunDialog<TIGMPRouterPortsForm>(kCommand, IGMPRouterPortsForm, [&](TIGMPRouterPortsForm* d) {
            ClickListRow(d->ListView1, 1);
            if (c.ClearAll) {
                Picker(d, kStatic)->UncheckAllPorts();
                Picker(d, kForbidden)->UncheckAllPorts();
            } else {
                ClickTab(d->PageControl1, kStatic);
                ClickControl(Port(d, kStatic, 3));
                ClickTab(d->PageControl1, kForbidden);
                ClickControl(Port(d, kForbidden, 9));
            }
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(),
                      (std::vector<std::vector<SimVarBind>>{
                          {{kEntry + ".5.10", Hex(c.Static)}, {kEntry + ".15.10", Hex(c.Forbidden)}}}));
            EXPECT_FALSE(d->btnSet->Enabled());
            EXPECT_EQ(d->stVlanID->Caption(), "");
        });
    }
}

TEST_F(RouterPortsSim, StopDuringASlowWalkKeepsTheRowsReadAndCloseWaitsForTheRead) {
    Agent().SetDelay(kEntry, 150, SimOp::Next);
    RunDialog<TIGMPRouterPortsForm>(
        kCommand, IGMPRouterPortsForm,
        [&](TIGMPRouterPortsForm* d) {
            Dialogs.Expect("Get data not complete");
            ClickControl(d->btnClose);
            Application->ProcessMessages();
            EXPECT_EQ(d->ModalResult(), mrNone);
            ASSERT_TRUE(WaitFor([&] { return Listed(d) >= 1; }, 10000));
            ClickControl(d->btnStop);
            ASSERT_TRUE(WaitIdle(d->Table));
            const int kept = Listed(d);
            EXPECT_LT(kept, 3); // the walk ended early
            EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find("Stop, SNMP Request is not active."),
                      std::string::npos);
            // Set and Refresh are usable again.
            Agent().SetDelay(kEntry, 0, SimOp::Next);
            ClickListRow(d->ListView1, 0);
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(SetPdus().at(0).size(), 2u);
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(3));
            EXPECT_EQ(Listed(d), 3);
        },
        {}, {.WaitFirstRead = false});
}

} // namespace igmp_router_ports_form_unit_test
