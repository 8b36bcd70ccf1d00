#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "IGMPSnoopingProxyUpstreamInterfaceFormUnit.h"
#include "MLDSnoopingProxyUpstreamInterfaceFormUnit.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"

#include <gtest/gtest.h>

namespace proxy_upstream_interface_form_unit_test {

namespace {

const std::string kIgmp = kIgmpUpstreamEntry;
const std::string kMld = kMldUpstreamEntry;

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class ProxyUpstreamSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static TStackingPortUitForm* Dynamic(TProxyUpstreamInterfaceForm* d) { return d->Pickers.Pickers.at(0); }
    static TStackingPortUitForm* Static(TProxyUpstreamInterfaceForm* d) {
        return d->StaticPickers.Pickers.at(0);
    }
    // The address edit refuses the text with the message, and nothing is sent.
    void ExpectRefused(TProxyUpstreamInterfaceForm* d, const std::string& text, const char* message) {
        SCOPED_TRACE(text);
        d->edtIPAddress->SetText(text);
        Dialogs.Expect(message);
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(d->edtIPAddress->Focused());
        EXPECT_TRUE(Agent().SetLog().empty());
    }
};

} // namespace

TEST_F(ProxyUpstreamSim, IgmpSetWritesTheFourValuesOfTheChosenInterfaceThenReadsAgain) {
    RunDialog<TIGMPSnoopingProxyUpstreamInterfaceForm>(
        "UpstreamInterfaceTable1Click", IGMPSnoopingProxyUpstreamInterfaceForm,
        [&](TIGMPSnoopingProxyUpstreamInterfaceForm* d) {
            EXPECT_EQ(d->Caption(), "IGMP Proxy Upstream Interface Table: " + Agent().Address());
            ASSERT_EQ(d->PageControl1->PageCount(), 2);
            EXPECT_EQ(d->PageControl1->Pages(0)->Caption(), "Dynamic Router Ports");
            EXPECT_FALSE(d->btnSet->Enabled());
            for (int page = 0; page < 2; ++page) {
                ClickTab(d->PageControl1, page);
                EXPECT_TRUE(CaptionsReadWhole(d)) << "no row, page " << page;
            }

            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->IndexEdit->Text(), "1");
            EXPECT_FALSE(d->IndexEdit->Enabled());
            EXPECT_EQ(d->edtIPAddress->Text(), "10.0.0.1");
            EXPECT_EQ(TickedPorts(Dynamic(d)), (std::vector<int>{3}));
            EXPECT_EQ(TickedPorts(Static(d)), (std::vector<int>{1, 2}));
            EXPECT_TRUE(d->btnSet->Enabled());
            for (int page = 0; page < 2; ++page) {
                ClickTab(d->PageControl1, page);
                EXPECT_TRUE(CaptionsReadWhole(d)) << "row chosen, page " << page;
            }
            // The learned ports take no click.
            ClickTab(d->PageControl1, 0);
            ClickControl(Dynamic(d)->PortBoxes[4]);
            EXPECT_FALSE(Dynamic(d)->PortBoxes[4]->Checked());

            for (const char* text : {"10.0.0.300", ""}) {
                ExpectRefused(d, text, "Please input a valid IP.");
            }
            d->VIDEdit->SetText("30");
            d->IntervalTime->SetText("20");
            d->edtIPAddress->SetText("10.0.0.9");
            ClickTab(d->PageControl1, 1);
            ClickControl(Static(d)->PortBoxes[3]);
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                     {kIgmp + ".2.1", SimValue::Int(30)},
                                     {kIgmp + ".4.1", Hex("D000000000000000")},
                                     {kIgmp + ".5.1", SimValue::Int(20)},
                                     {kIgmp + ".6.1", SimValue{"64", "10.0.0.9"}},
                                 }}));
            EXPECT_FALSE(d->btnSet->Enabled());
            // A reset unticks the learned ports and leaves the static ones.
            EXPECT_TRUE(TickedPorts(Dynamic(d)).empty());
            EXPECT_EQ(TickedPorts(Static(d)), (std::vector<int>{1, 2, 4}));
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(2));
            EXPECT_EQ(TickedPorts(Static(d)), (std::vector<int>{1, 2, 4}));
            EXPECT_TRUE(d->IndexEdit->Enabled());
        });
}

TEST_F(ProxyUpstreamSim, MldSetWritesASixteenOctetSourceWithoutARead) {
    RunDialog<TMLDSnoopingProxyUpstreamInterfaceForm>(
        "UpstreamInterfaceTable2Click", MLDSnoopingProxyUpstreamInterfaceForm,
        [&](TMLDSnoopingProxyUpstreamInterfaceForm* d) {
            EXPECT_EQ(d->Caption(), "MLD Proxy Upstream Interface Table: " + Agent().Address());
            EXPECT_FALSE(d->VIDEdit->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->edtIPAddress->Text(), kFE80One);
            EXPECT_TRUE(d->VIDEdit->Enabled());
            EXPECT_FALSE(d->IndexEdit->Enabled());
            EXPECT_FALSE(Dynamic(d)->PortBoxes[3]->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));

            constexpr const char* kIPv6 = "Please enter a valid IPv6 address whose length is 32 without ':'.";
            for (const std::string& text : {kFE80One.substr(1), std::string()}) {
                ExpectRefused(d, text, kIPv6);
            }
            const std::string source = "FE800000000000000000000000000002";
            d->edtIPAddress->SetText(source);
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                     {kMld + ".2.1", SimValue::Int(20)},
                                     {kMld + ".4.1", Hex("8000000000000000")},
                                     {kMld + ".5.1", SimValue::Int(5)},
                                     {kMld + ".6.1", Hex(source)},
                                 }}));
            EXPECT_EQ(Reads, 0);
            // The list shows the old source until Refresh.
            EXPECT_EQ(
                ColumnCells(d->Table, ColumnOf(Columns::MLDSnoopingProxyUpstreamInterfaceTable, "Source IP")),
                (std::vector<std::string>{kFE80One}));
            ClickControl(d->btnGet);
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(
                ColumnCells(d->Table, ColumnOf(Columns::MLDSnoopingProxyUpstreamInterfaceTable, "Source IP")),
                (std::vector<std::string>{source}));
        });
}

} // namespace proxy_upstream_interface_form_unit_test
