#include "IPStaticRouteUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "IpStaticRouteEditUnit.h"
#include "RouteScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace ip_static_route_unit_test {

namespace {

using namespace route_scenario;

constexpr const char* kCommand = "IPStaticRoutingtable1Click";
constexpr const char* kTitle = "IP Static Route Table";
// A 24DA: its copy of the table (arc 3) is the one read and written.
constexpr const char* k24DaSysObjectId = "1.3.6.1.4.1.746.10.117.3.1";
constexpr int kArc = 3;
const std::string kEntry = Ipv4Entry(kArc);

constexpr const char* kMetricRangeDot = "Metric should between 1-65535.";
constexpr const char* kMetricRange = "Metric should between 1-65535";
constexpr const char* kInvalidIp = "Please input a valid IP";
constexpr const char* kUseDefaultRoute =
    "If you want to add a default route which Destination IP and Mask both are 0.0.0.0, you should use Add "
    "Default Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a "
    "defaut route?";

class IpStaticRouteSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario("24DA", kArc));
        WritableFacts().SysObjectId = k24DaSysObjectId;
    }
    // An edit dialog's handler, run inside its modal loop; the dialog closed if it stays open.
    static std::function<void(TForm*)> Edit(const std::function<void(TIpStaticRouteEditForm*)>& handler) {
        return SubForm<TIpStaticRouteEditForm>(handler);
    }
    // Texts set from code while no field has the focus, so that no edit constraint checks a field
    // on leaving it before Set does.
    static void Fill(TIpStaticRouteEditForm* e, const std::string& destination, const std::string& mask,
                     const std::string& nextHop, const std::string& metric) {
        for (TEdit* edit : {e->DesEdit, e->MaskEdit, e->NextHopEdit, e->MetricEdit}) {
            edit->SetText("");
        }
        e->SetButton->SetFocus();
        e->DesEdit->SetText(destination);
        e->MaskEdit->SetText(mask);
        e->NextHopEdit->SetText(nextHop);
        e->MetricEdit->SetText(metric);
    }
    // The listed routes as row instances.
    static std::set<std::string> Listed(TIpStaticRouteForm* d) {
        std::set<std::string> routes;
        const DialogRequest& request = *d->Table.Request;
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            const TListItem* row = d->ListView1->Items()[i];
            routes.insert(
                Ipv4Instance(request.CellText(row, 0), request.CellText(row, 1), request.CellText(row, 2)));
        }
        return routes;
    }
    // The agent's routes as row instances (those with a status).
    std::set<std::string> AgentRoutes() const {
        std::set<std::string> routes;
        const std::string status = kEntry + ".6.";
        for (const auto& [oid, value] : Agent().Store()) {
            if (oid.starts_with(status)) {
                routes.insert(oid.substr(status.size()));
            }
        }
        return routes;
    }
    static int Row(TIpStaticRouteForm* d, const std::string& destination) {
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            if (d->ListView1->Items()[i]->Caption() == destination) {
                return i;
            }
        }
        return -1;
    }
};

} // namespace

TEST_F(IpStaticRouteSim, ItsMenuCommandOpensItWithTheModelsRoutesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TIpStaticRouteForm"), missing.end());
    RunDialog<TIpStaticRouteForm>(
        kCommand, IpStaticRouteForm,
        [&](TIpStaticRouteForm* d) {
            EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
            EXPECT_EQ(d->ListView1->Columns().Count(), 8);
            EXPECT_EQ(Listed(d), (std::set<std::string>{kDefaultRoute, kOtherRoute}));
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_FALSE(d->DeleteButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, Row(d, "20.1.0.0"));
            EXPECT_TRUE(d->DeleteButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            EXPECT_EQ(IpStaticRouteEditForm->NextHopEdit->Text(), "10.90.90.1"); // filled by the selection
            ClickControl(d->AddButton);
            EXPECT_EQ(d->ListView1->Selected(), nullptr);
            EXPECT_FALSE(d->DeleteButton->Enabled());
        },
        {Edit([&](TIpStaticRouteEditForm* e) {
            EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Add)");
            EXPECT_TRUE(CaptionsReadWhole(e));
            EXPECT_EQ(e->DesEdit->Text(), "");
            EXPECT_EQ(e->NextHopEdit->Text(), "");
            EXPECT_EQ(e->BakeupComboBox->ItemIndex(), -1);
            EXPECT_TRUE(e->DesEdit->Enabled());
            EXPECT_FALSE(e->cbxStatus->Visible());
        })});
    EXPECT_EQ(IpStaticRouteEditForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(IpStaticRouteSim, AddSendsTheStatusValidWithTheGivenColumnsOnlyAndListsTheRoute) {
    const std::string route = Ipv4Instance("10.0.0.0", "255.0.0.0", "192.168.1.254");
    RunDialog<TIpStaticRouteForm>(kCommand, IpStaticRouteForm,
                                  [&](TIpStaticRouteForm* d) {
                                      ClickControl(d->AddButton);
                                      ASSERT_TRUE(WaitReads(1));
                                      EXPECT_EQ(Listed(d), AgentRoutes());
                                      EXPECT_TRUE(Listed(d).contains(route));
                                  },
                                  {Edit([&](TIpStaticRouteEditForm* e) {
                                      Fill(e, "10.0.0.0", "255.0.0.0", "192.168.1.254", "5");
                                      ClickControl(e->SetButton);
                                      EXPECT_EQ(e->ModalResult(), mrCancel); // closed
                                  })});
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                             {kEntry + ".5." + route, SimValue::Int(5)},
                             {kEntry + ".6." + route, SimValue::Int(3)},
                         }}));
    // The columns left out got the switch's own values.
    EXPECT_EQ(Agent().Value(kEntry + ".3." + route), SimValue::Int(3));
    EXPECT_EQ(Agent().Value(kEntry + ".7." + route), SimValue::Int(0));
}

TEST_F(IpStaticRouteSim, AddDefaultRouteWritesAtTheZeroDestinationAndMaskAndTheListHoldsTheAgentsRows) {
    const std::string route = Ipv4Instance("0.0.0.0", "0.0.0.0", "192.168.1.1");
    RunDialog<TIpStaticRouteForm>(kCommand, IpStaticRouteForm,
                                  [&](TIpStaticRouteForm* d) {
                                      ClickControl(d->btnDefaultRoute);
                                      ASSERT_TRUE(WaitIdle(d->Table));
                                      EXPECT_EQ(Listed(d), AgentRoutes());
                                      EXPECT_EQ(d->ListView1->Items().Count(), 3);
                                      EXPECT_EQ(d->StaticText1->Caption(), "3");
                                  },
                                  {Edit([&](TIpStaticRouteEditForm* e) {
                                      EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() +
                                                                  " (Add Default Route)");
                                      EXPECT_EQ(e->DesEdit->Text(), "0.0.0.0");
                                      EXPECT_EQ(e->MaskEdit->Text(), "0.0.0.0");
                                      EXPECT_FALSE(e->DesEdit->Enabled());
                                      EXPECT_FALSE(e->MaskEdit->Enabled());
                                      EXPECT_TRUE(CaptionsReadWhole(e));
                                      e->NextHopEdit->SetText("192.168.1.1");
                                      ChooseComboItem(e->BakeupComboBox, 1); // backup
                                      e->edtWeight->SetText("2");
                                      ClickControl(e->SetButton);
                                  })});
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                             {kEntry + ".3." + route, SimValue::Int(2)},
                             {kEntry + ".6." + route, SimValue::Int(3)},
                             {kEntry + ".7." + route, SimValue::Int(2)},
                         }}));
}

TEST_F(IpStaticRouteSim, DeleteWritesTheStatusInvalidAloneWithoutAQuestion) {
    RunDialog<TIpStaticRouteForm>(kCommand, IpStaticRouteForm, [&](TIpStaticRouteForm* d) {
        Dialogs.Expect("Choose the item first.");
        d->DeleteButtonClick(d->DeleteButton);
        EXPECT_EQ(Dialogs.Pending(), 0);

        ClickListRow(d->ListView1, Row(d, "20.1.0.0"));
        ClickControl(d->DeleteButton); // no box: the script has none
        EXPECT_FALSE(d->DeleteButton->Enabled());
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(Listed(d), (std::set<std::string>{kDefaultRoute}));
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(),
              (std::vector<std::vector<SimVarBind>>{{{kEntry + ".6." + kOtherRoute, SimValue::Int(2)}}}));
    EXPECT_EQ(AgentRoutes(), (std::set<std::string>{kDefaultRoute}));
}

// Every refusal of the add and default-route checks, each with its exact message (or none) and
// nothing sent; the dialog stays open with what was typed.
TEST_F(IpStaticRouteSim, TheChecksRefuseWithTheirExactMessagesAndSendNothing) {
    const std::string self = Agent().Address();
    std::string selfWithZero = self;
    selfWithZero.insert(selfWithZero.rfind('.') + 1, "0"); // the same address, a leading zero
    const struct {
        int Mode;
        const char* Destination;
        const char* Mask;
        std::string NextHop;
        const char* Metric;
        const char* Message; // null: refused without one
    } cases[] = {
        {2, "", "255.0.0.0", "10.1.1.1", "", "Destination IP should be Set."},
        {2, "10.0.0.0000000000", "255.0.0.0", "10.1.1.1", "", "IP should be 16 bit"},
        {2, "255.255.255.255", "255.0.0.0", "10.1.1.1", "", "Destination IP can not be 255.255.255.255"},
        {2, "1.2.3.00", "255.0.0.0", "10.1.1.1", "", kInvalidIp},
        {2, "1.2.0000.4", "255.0.0.0", "10.1.1.1", "", kInvalidIp},
        {2, "192.168.100.2551", "255.0.0.0", "10.1.1.1", "", kInvalidIp},
        {2, "1.2.3.0001", "", "10.1.1.1", "", "Mask should be Set"}, // the address passed
        {2, "10.0.0.0", "255.255.255.00000", "10.1.1.1", "", "IP should be 16 bit."},
        {2, "10.0.0.0", "255.0.255.0", "10.1.1.1", "", nullptr},
        {2, "10.0.0.0", "255.0.0.0", "", "", "Next Hop should be Set"},
        {2, "10.0.0.0", "255.0.0.0", "10.1.1.10000000000", "", "Next Hop should be 16 bit"},
        {2, "10.0.0.0", "255.0.0.0", "0.0.0.0", "", "Next Hop can not be 0.0.0.0"},
        {2, "10.0.0.0", "255.0.0.0", self, "", "Next Hop can not be itself"},
        {2, "10.0.0.0", "255.0.0.0", selfWithZero, "", "Next Hop can not be itself"}, // the same octets
        {2, "10.0.0.0", "255.0.0.0", "10.1.1.00", "", kInvalidIp},
        {2, "10.0.0.0", "255.0.0.0", "10.1.1.1", "0", kMetricRangeDot},
        {2, "10.0.0.0", "255.0.0.0", "10.1.1.1", "65536", kMetricRangeDot},
        {3, "0.0.0.0", "0.0.0.0", "", "", "Next Hop should be Set."},
        {3, "0.0.0.0", "0.0.0.0", "10.1.1.10000000000", "", "Next Hop should be 16 bit"},
        {3, "0.0.0.0", "0.0.0.0", "0.0.0.0", "", "Next Hop can not be 0.0.0.0"},
        {3, "0.0.0.0", "0.0.0.0", self, "", "Next Hop can not be itself"},
        {3, "0.0.0.0", "0.0.0.0", selfWithZero, "", "Next Hop can not be itself"},
        {3, "0.0.0.0", "0.0.0.0", "10.1.1.256", "", kInvalidIp},
        {3, "0.0.0.0", "0.0.0.0", "10.1.1.1", "0", kMetricRange},
    };
    RunDialog<TIpStaticRouteForm>(
        kCommand, IpStaticRouteForm, [&](TIpStaticRouteForm* d) { ClickControl(d->AddButton); },
        {Edit([&](TIpStaticRouteEditForm* e) {
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message() << c.Mode << " " << c.Destination << " / " << c.Mask
                                                << " via " << c.NextHop << " metric " << c.Metric);
                e->Mode = c.Mode;
                Fill(e, c.Destination, c.Mask, c.NextHop, c.Metric);
                if (c.Message) {
                    Dialogs.Expect(c.Message);
                }
                ClickControl(e->SetButton);
                EXPECT_EQ(Dialogs.Pending(), 0);
                EXPECT_EQ(e->ModalResult(), mrNone);
                EXPECT_EQ(e->NextHopEdit->Text(), c.NextHop);
            }
            Fill(e, "", "", "", "1"); // what the edit constraints check when Close is clicked
        })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A destination or a mask of 0.0.0.0 asks whether a default route was meant: Cancel returns to
// the field, OK closes the dialog; neither sends anything.
TEST_F(IpStaticRouteSim, AZeroDestinationOrMaskAsksAndSendsNothing) {
    RunDialog<TIpStaticRouteForm>(
        kCommand, IpStaticRouteForm,
        [&](TIpStaticRouteForm* d) {
            ClickControl(d->AddButton);
            ClickControl(d->AddButton);
        },
        {Edit([&](TIpStaticRouteEditForm* e) {
             Fill(e, "10.0.0.0", "0.0.0.0", "10.1.1.1", "");
             Dialogs.Expect(DialogKind::Dialog, "Confirmation", kUseDefaultRoute, mrCancel);
             ClickControl(e->SetButton);
             EXPECT_EQ(Dialogs.Pending(), 0);
             EXPECT_EQ(e->ModalResult(), mrNone);
             EXPECT_TRUE(e->MaskEdit->Focused());
             Fill(e, "0.0.0.0", "255.0.0.0", "10.1.1.1", "");
             Dialogs.Expect(DialogKind::Dialog, "Confirmation", kUseDefaultRoute, mrOk);
             ClickControl(e->SetButton);
             EXPECT_NE(e->ModalResult(), mrNone); // closed
         }),
         Edit([&](TIpStaticRouteEditForm* e) {
             Fill(e, "0.0.0.0", "0.0.0.0", "10.1.1.1", "");
             Dialogs.Expect(DialogKind::Dialog, "Confirmation", kUseDefaultRoute, mrOk);
             ClickControl(e->SetButton);
             EXPECT_NE(e->ModalResult(), mrNone);
         })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A SET the switch refuses: the edit dialog closes all the same and the list is read again.
TEST_F(IpStaticRouteSim, ARefusedAddClosesTheEditDialogAndTheListIsReadAgain) {
    Agent().InjectError(kEntry, "noCreation", SimOp::Set);
    RunDialog<TIpStaticRouteForm>(
        kCommand, IpStaticRouteForm,
        [&](TIpStaticRouteForm* d) {
            Dialogs.Expect(DialogKind::Box, "ZQS-4410-Series",
                           "(SNMP) Cannot create variable, Creation Not Allowed!");
            ClickControl(d->AddButton);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(Listed(d), (std::set<std::string>{kDefaultRoute, kOtherRoute}));
        },
        {Edit([&](TIpStaticRouteEditForm* e) {
            Fill(e, "10.0.0.0", "255.0.0.0", "192.168.1.254", "");
            ClickControl(e->SetButton);
            EXPECT_NE(e->ModalResult(), mrNone);
        })});
}

TEST_F(IpStaticRouteSim, KaHasNoAddAndDeleteAndCloseMoveUpIntoItsPlace) {
    const struct {
        const char* Edition;
        bool Add;
        int DeleteTop;
        int CloseTop;
    } cases[] = {{"KB", true, 155, 186}, {"KA", false, 125, 155}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Edition);
        WritableFacts().FirmwareMode = c.Edition;
        RunDialog<TIpStaticRouteForm>(kCommand, IpStaticRouteForm, [&](TIpStaticRouteForm* d) {
            EXPECT_EQ(d->AddButton->Visible(), c.Add);
            EXPECT_EQ(d->AddButton->Top(), 125);
            EXPECT_EQ(d->DeleteButton->Top(), c.DeleteTop);
            EXPECT_EQ(d->CloseButton->Top(), c.CloseTop);
            EXPECT_EQ(d->GetButton->Top(), 66);
            EXPECT_EQ(d->btnDefaultRoute->Top(), 94);
            EXPECT_TRUE(d->btnDefaultRoute->Visible());
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
}

// While the first walk runs (the agent is slow), Close, Add and Add Default Route are refused with
// "Get data not complete" and Refresh without a word.
TEST_F(IpStaticRouteSim, CloseDuringTheFirstWalkIsRefusedAndTheDialogStaysOpen) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<TIpStaticRouteForm>(kCommand, IpStaticRouteForm,
                                  [&](TIpStaticRouteForm* d) {
                                      EXPECT_FALSE(d->Table.DataComplete);
                                      Dialogs.Expect("Get data not complete");
                                      ClickControl(d->CloseButton);
                                      Application->ProcessMessages();
                                      EXPECT_EQ(d->ModalResult(), mrNone);
                                      EXPECT_EQ(Dialogs.Pending(), 0);
                                      ClickControl(d->GetButton); // refused without a word
                                      Dialogs.Expect("Get data not complete");
                                      ClickControl(d->AddButton); // no edit dialog
                                      Dialogs.Expect("Get data not complete");
                                      ClickControl(d->btnDefaultRoute);
                                      EXPECT_EQ(Dialogs.Pending(), 0);
                                      ASSERT_TRUE(WaitIdle(d->Table));
                                      EXPECT_EQ(Reads, 1);
                                      ClickControl(d->CloseButton);
                                  },
                                  {}, {.WaitFirstRead = false});
    EXPECT_EQ(IpStaticRouteForm, nullptr);
}

TEST_F(IpStaticRouteSim, AnUnknownModelTakesTheUnsupportedPathAndSendsNothing) {
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.9.1";
    RunDialog<TIpStaticRouteForm>(kCommand, IpStaticRouteForm, [&](TIpStaticRouteForm* d) {
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "Unsupported model");
        EXPECT_EQ(d->Table.Request, nullptr);
        for (TButton* button : {d->btnDefaultRoute, d->AddButton, d->DeleteButton}) {
            EXPECT_FALSE(button->Enabled()) << button->Caption();
        }
        ClickControl(d->GetButton);
        EXPECT_EQ(d->ListView1->Items().Count(), 0);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace ip_static_route_unit_test
