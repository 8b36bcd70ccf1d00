#include "McastProxyGroupFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "MulticastScenario.h"
#include "PickerTicks.h"
#include "StackingPortUitFormUnit.h"
#include "TEdit.h"

#include <gtest/gtest.h>

namespace mcast_proxy_group_form_unit_test {

namespace {

class ProxyGroupSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static std::vector<std::string> ColumnCaptions(TMcastProxyGroupForm* d) {
        std::vector<std::string> captions;
        for (int i = 0; i < d->ListView1->Columns().Count(); ++i) {
            captions.push_back(d->ListView1->Columns()[i]->Caption());
        }
        return captions;
    }
};

} // namespace

TEST_F(ProxyGroupSim, EachCommandReadsTheTableOfItsIpVersion) {
    const struct {
        const char* Command;
        const char* Title;
        std::string Destination;
        std::string Source;
        const char* StateCaption;
    } cases[] = {
        {"GroupTable3Click", "IGMP Proxy Group Table: ", "239.1.1.1", "10.0.0.5", "State"},
        {"GroupTable4Click", "MLD Proxy Group Table: ", kFF0EOne, kFE80Five, "Status"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Command);
        RunDialog<TMcastProxyGroupForm>(c.Command, McastProxyGroupForm, [&](TMcastProxyGroupForm* d) {
            EXPECT_EQ(d->Caption(), c.Title + Agent().Address());
            EXPECT_EQ(ColumnCaptions(d).back(), c.StateCaption);
            EXPECT_EQ(d->ListView1->Items().Count(), 2);
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            EXPECT_EQ(d->edtDstAddr->Text(), c.Destination);
            EXPECT_EQ(d->edtSrcAddr->Text(), c.Source);
            EXPECT_EQ(d->edtVLANID->Text(), "10");
            EXPECT_EQ(TickedPorts(d->Pickers.Pickers[0]), (std::vector<int>{1, 2}));
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A selector other than 1 (here 0) reads the IPv6 table.
TEST_F(ProxyGroupSim, AnyOtherIpVersionReadsTheIPv6Table) {
    WritableFacts().MulticastIpVersion = 0;
    McastProxyGroupForm = CreateForm<TMcastProxyGroupForm>(Application);
    ASSERT_TRUE(WaitIdle(McastProxyGroupForm->Table));
    EXPECT_EQ(ColumnCaptions(McastProxyGroupForm).back(), "Status");
    const int destination =
        ColumnOf(Columns::McastProxyGroupDownstreamVLANMemberPorts2, "Destination Address");
    EXPECT_EQ(ColumnCells(McastProxyGroupForm->Table, destination),
              (std::vector<std::string>{kFF0EOne, kFF0ETwo}));
    delete McastProxyGroupForm;
    McastProxyGroupForm = nullptr;
}

TEST_F(ProxyGroupSim, RefreshDuringAWalkIsRefusedAndCloseStopsItAndCloses) {
    Agent().SetDelay(kIgmpProxyGroupEntry, 100, SimOp::Next);
    RunDialog<TMcastProxyGroupForm>("GroupTable3Click", McastProxyGroupForm,
                                    [&](TMcastProxyGroupForm* d) {
                                        Dialogs.Expect("Get data not complete.");
                                        ClickControl(d->GetButton);
                                        EXPECT_EQ(Dialogs.Pending(), 0);
                                        ClickControl(d->CloseButton);
                                        EXPECT_NE(d->ModalResult(), mrNone);
                                    },
                                    {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace mcast_proxy_group_form_unit_test
