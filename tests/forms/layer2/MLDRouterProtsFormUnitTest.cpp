#include "MLDRouterProtsFormUnit.h"

#include "CaptionCheck.h"
#include "FormsSimTest.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TPageControl.h"
#include "TStaticText.h"

#include <gtest/gtest.h>

namespace mld_router_prots_form_unit_test {

namespace {

constexpr const char* kCommand = "RouterPorts3Click";
const std::string kEntry = kMldRouterPortsEntry;

// The port tabs in the table's order.
enum Page { kStatic, kDynamic, kForbidden };

class MldRouterPortsSim : public FormsSimTest {
protected:
    static TCheckBox* Port(TSnoopingRouterPortsForm* d, Page page, int port) {
        return d->Pickers.Pickers.at(page)->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

TEST_F(MldRouterPortsSim, SetSendsTheChosenVlansStaticAndForbiddenListsAloneAndRefreshReadsAgain) {
    const struct {
        bool Stacking;
        size_t Octets;
    } cases[] = {{false, 8}, {true, 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Octets);
        WritableFacts().StackMode = c.Stacking ? "enabled" : "disabled";
        Agent().LoadScenario(MulticastScenario(c.Stacking));
        RunDialog<TMLDRouterProtsForm>(kCommand, MLDRouterProtsForm, [&](TMLDRouterProtsForm* d) {
            EXPECT_EQ(d->Caption(), "MLD Snooping Router Ports: " + Agent().Address());
            ASSERT_EQ(d->PageControl1->PageCount(), 3);
            EXPECT_EQ(d->PageControl1->Pages(kDynamic)->Caption(), "Dynamic Router Ports");
            EXPECT_TRUE(Port(d, kStatic, 1)->Enabled());
            EXPECT_TRUE(Port(d, kForbidden, 1)->Enabled());
            EXPECT_FALSE(Port(d, kDynamic, 1)->Enabled());
            for (int page = 0; page < 3; ++page) {
                ClickTab(d->PageControl1, page);
                EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
            }
            ClickControl(d->btnSet); // no VLAN chosen: nothing
            ClickListRow(d->ListView1, 1);
            EXPECT_EQ(d->stVlanID->Caption(), "10");
            EXPECT_FALSE(Port(d, kDynamic, 3)->Enabled());
            EXPECT_TRUE(Port(d, kDynamic, 3)->Checked());
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            const auto pdus = SetPdus();
            ASSERT_EQ(pdus.size(), 1u);
            ASSERT_EQ(pdus[0].size(), 2u);
            EXPECT_EQ(pdus[0][0].Oid, kEntry + ".5.10");
            EXPECT_EQ(pdus[0][0].Value.Text, "C0" + std::string(c.Octets * 2 - 2, '0'));
            EXPECT_EQ(pdus[0][1].Oid, kEntry + ".15.10");
            EXPECT_EQ(pdus[0][1].Value.Text, "01" + std::string(c.Octets * 2 - 2, '0'));
            EXPECT_TRUE(Port(d, kStatic, 1)->Enabled());
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(d->StaticText1->Caption(), "2");
        });
    }
}

} // namespace mld_router_prots_form_unit_test
