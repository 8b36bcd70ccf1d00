#include "Ipv6StaticRouteUnit.h"

#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "Ipv6StaticRouteEditUnit.h"
#include "RouteScenario.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace ipv6_static_route_unit_test {

namespace {

using namespace route_scenario;

constexpr const char* kCommand = "IPv6StaticRoute1Click";
constexpr const char* kTitle = "IPv6 Static Route Table";
const std::string kEntry = kIpv6Entry;
constexpr const char* kInvalidIpv6 = "Please input a valid IPv6 address";

class Ipv6StaticRouteSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // An edit dialog's handler, run inside its modal loop; the dialog closed if it stays open.
    static std::function<void(TForm*)> Edit(const std::function<void(TIpv6StaticRouteEditForm*)>& handler) {
        return SubForm<TIpv6StaticRouteEditForm>(handler);
    }
    // Texts set from code, the Set button focused first, so that no edit constraint checks a field
    // on leaving it before Set does. In default-route mode the destination and prefix stay.
    static void Fill(TIpv6StaticRouteEditForm* e, const std::string& destination, const std::string& prefix,
                     const std::string& nextHop, const std::string& metric) {
        const bool add = e->Mode == TIpv6StaticRouteEditForm::kAddMode;
        for (TEdit* edit : {e->edtNextHop, e->edtMetric}) {
            edit->SetText("");
        }
        if (add) {
            e->edtDst->SetText("");
            e->edtPrefix->SetText("");
        }
        e->btnSet->SetFocus();
        if (add) {
            e->edtDst->SetText(destination);
            e->edtPrefix->SetText(prefix);
        }
        e->edtNextHop->SetText(nextHop);
        e->edtMetric->SetText(metric);
    }
    // The agent's routes as row instances.
    std::set<std::string> AgentRoutes() const {
        std::set<std::string> routes;
        const std::string status = kEntry + ".8.";
        for (const auto& [oid, value] : Agent().Store()) {
            if (oid.starts_with(status)) {
                routes.insert(oid.substr(status.size()));
            }
        }
        return routes;
    }
    static int Row(TIpv6StaticRouteForm* d, const std::string& destination) {
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            if (d->ListView1->Items()[i]->Caption() == destination) {
                return i;
            }
        }
        return -1;
    }
};

} // namespace

TEST_F(Ipv6StaticRouteSim, ItsMenuCommandOpensItWithTheRoutesAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    EXPECT_EQ(std::find(missing.begin(), missing.end(), "TIpv6StaticRouteForm"), missing.end());
    RunDialog<TIpv6StaticRouteForm>(
        kCommand, Ipv6StaticRouteForm,
        [&](TIpv6StaticRouteForm* d) {
            EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
            EXPECT_EQ(d->ListView1->Columns().Count(), 8);
            EXPECT_EQ(d->ListView1->Items().Count(), 2);
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_FALSE(d->btnDelete->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            const int row = Row(d, kIpv6Prefix);
            ASSERT_GE(row, 0);
            EXPECT_EQ(d->Table.Request->CellText(d->ListView1->Items()[row], 2), "System");
            EXPECT_EQ(d->Table.Request->CellText(d->ListView1->Items()[row], 3), kIpv6PrefixGateway);
            ClickListRow(d->ListView1, row);
            EXPECT_TRUE(d->btnDelete->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            EXPECT_EQ(Ipv6StaticRouteEditForm->edtNextHop->Text(),
                      kIpv6PrefixGateway); // filled by the selection
            ClickControl(d->btnAdd);
            ClickControl(d->btnAddDefault);
        },
        {Edit([&](TIpv6StaticRouteEditForm* e) {
             EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Add)");
             EXPECT_TRUE(CaptionsReadWhole(e));
             EXPECT_EQ(e->edtDst->Text(), "");
             EXPECT_EQ(e->edtNextHop->Text(), "");
             EXPECT_TRUE(e->edtDst->Enabled());
             EXPECT_EQ(e->cbxStatus->Text(), "createAndGo");
             EXPECT_FALSE(e->cbxStatus->Enabled());
             EXPECT_EQ(e->cbxBackup->Text(), "none");
             EXPECT_FALSE(e->edtProtocol->Visible());
         }),
         Edit([&](TIpv6StaticRouteEditForm* e) {
             EXPECT_EQ(e->Caption(), std::string(kTitle) + ": " + Agent().Address() + " (Add default)");
             EXPECT_TRUE(CaptionsReadWhole(e));
             EXPECT_EQ(e->edtDst->Text(), kZeroIpv6);
             EXPECT_EQ(e->edtPrefix->Text(), "0");
             EXPECT_FALSE(e->edtDst->Enabled());
             EXPECT_FALSE(e->edtPrefix->Enabled());
         })});
    EXPECT_EQ(Ipv6StaticRouteEditForm, nullptr); // it ended with its list dialog
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add and Add Default: one PDU at destination.prefix.interface.next hop with the row status
// createAndGo, the backup state and the metric when one is given; the route is listed after.
TEST_F(Ipv6StaticRouteSim, AddSendsOnePduWithCreateAndGoAndTheBackupStateAtTheFourPartInstance) {
    const std::string gateway = "FE800000000000000000000000000009";
    const std::string first = "20010DB8000100000000000000000000";
    const std::string second = "20010DB8000200000000000000000000";
    const struct {
        bool Default;
        std::string Destination;
        const char* Metric;
        std::string Instance;
        std::vector<SimVarBind> Pdu;
    } cases[] = {
        {false,
         first,
         "7",
         Ipv6Instance(first, 48, "vlan2", gateway),
         {{".5", SimValue::Int(7)}, {".8", SimValue::Int(4)}, {".9", SimValue::Int(3)}}},
        {false,
         second,
         "",
         Ipv6Instance(second, 48, "vlan2", gateway),
         {{".8", SimValue::Int(4)}, {".9", SimValue::Int(3)}}},
        {true,
         "",
         "",
         Ipv6Instance(kZeroIpv6, 0, "vlan2", gateway),
         {{".8", SimValue::Int(4)}, {".9", SimValue::Int(3)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Instance);
        Agent().LoadScenario(Scenario());
        RunDialog<TIpv6StaticRouteForm>(kCommand, Ipv6StaticRouteForm,
                                        [&](TIpv6StaticRouteForm* d) {
                                            ClickControl(c.Default ? d->btnAddDefault : d->btnAdd);
                                            ASSERT_TRUE(WaitForSets(1));
                                            ASSERT_TRUE(WaitReads(1));
                                            EXPECT_EQ(d->ListView1->Items().Count(), 3);
                                        },
                                        {Edit([&](TIpv6StaticRouteEditForm* e) {
                                            if (!c.Default) {
                                                e->edtDst->SetText(c.Destination);
                                                e->edtPrefix->SetText("48");
                                            }
                                            e->edtInterface->SetText("vlan2");
                                            e->edtNextHop->SetText(gateway);
                                            e->edtMetric->SetText(c.Metric);
                                            ClickControl(e->btnSet);
                                            EXPECT_NE(e->ModalResult(), mrNone); // closed
                                        })});
        std::vector<SimVarBind> expected;
        for (const SimVarBind& b : c.Pdu) {
            expected.push_back({kEntry + b.Oid + "." + c.Instance, b.Value});
        }
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{expected}));
        EXPECT_TRUE(AgentRoutes().contains(c.Instance));
    }
}

TEST_F(Ipv6StaticRouteSim, DeleteSendsTheRowStatusDestroyWithTheBackupStateWithoutAQuestion) {
    RunDialog<TIpv6StaticRouteForm>(kCommand, Ipv6StaticRouteForm, [&](TIpv6StaticRouteForm* d) {
        Dialogs.Expect("Choose the item first.");
        d->btnDeleteClick(d->btnDelete);
        EXPECT_EQ(Dialogs.Pending(), 0);

        ClickListRow(d->ListView1, Row(d, kIpv6Prefix));
        ClickControl(d->btnDelete); // no box: the script has none
        EXPECT_FALSE(d->btnDelete->Enabled());
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(d->ListView1->Items().Count(), 1);
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                             {kEntry + ".8." + kIpv6OtherRoute, SimValue::Int(6)},
                             {kEntry + ".9." + kIpv6OtherRoute, SimValue::Int(1)},
                         }}));
    EXPECT_EQ(AgentRoutes(), (std::set<std::string>{kIpv6DefaultRoute}));
}

// Add and Add Default empty the edit dialog's fields while the route stays chosen; Delete then
// takes the chosen route's instance all the same, not what was typed nor an empty one.
TEST_F(Ipv6StaticRouteSim, AddOrAddDefaultClosedThenDeleteDestroysTheChosenRoute) {
    for (bool addDefault : {false, true}) {
        SCOPED_TRACE(addDefault ? "Add Default" : "Add");
        Agent().LoadScenario(Scenario());
        RunDialog<TIpv6StaticRouteForm>(kCommand, Ipv6StaticRouteForm,
                                        [&](TIpv6StaticRouteForm* d) {
                                            ClickListRow(d->ListView1, Row(d, kIpv6Prefix));
                                            ClickControl(addDefault ? d->btnAddDefault : d->btnAdd);
                                            ASSERT_TRUE(d->btnDelete->Enabled());
                                            ClickControl(d->btnDelete);
                                            ASSERT_TRUE(WaitForSets(1));
                                            ASSERT_TRUE(WaitReads(1));
                                        },
                                        {Edit([&](TIpv6StaticRouteEditForm* e) {
                                            if (!addDefault) {
                                                e->edtDst->SetText("20010DB8000300000000000000000000");
                                                e->edtPrefix->SetText("64");
                                            }
                                            e->edtNextHop->SetText("FE80000000000000000000000000000A");
                                            ClickControl(e->btnClose);
                                        })});
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kEntry + ".8." + kIpv6OtherRoute, SimValue::Int(6)},
                                 {kEntry + ".9." + kIpv6OtherRoute, SimValue::Int(1)},
                             }}));
        EXPECT_EQ(AgentRoutes(), (std::set<std::string>{kIpv6DefaultRoute}));
    }
}

// Every refusal of the checks with its exact message, texts set from code (typed, a 31-digit
// address or a prefix of 129 meet the edit constraints' own messages first); nothing is sent and
// the dialog stays open.
TEST_F(Ipv6StaticRouteSim, TheChecksRefuseWithTheirExactMessagesAndSendNothing) {
    const std::string dst = "20010DB8000100000000000000000000";
    const std::string hop = "FE800000000000000000000000000009";
    const struct {
        int Mode;
        std::string Destination;
        const char* Prefix;
        std::string NextHop;
        const char* Metric;
        const char* Message;
    } cases[] = {
        {1, "", "48", hop, "", "Please Set Destination Address"},
        {1, dst.substr(1), "48", hop, "", kInvalidIpv6},
        {1, dst + "0", "48", hop, "", kInvalidIpv6},
        {1, "2001:0DB8:0001:0000:0000:0000:00", "48", hop, "", kInvalidIpv6},
        {1, dst, "", hop, "", "Please Set Prefix length"},
        {1, dst, "129", hop, "", "Prefix should between 0-128"},
        {1, dst, "0", "", "", "Please Set Next Hop Address"},   // prefix 0 passed
        {1, dst, "128", "", "", "Please Set Next Hop Address"}, // prefix 128 passed
        {1, dst, "48", hop.substr(1), "", kInvalidIpv6},
        {1, dst, "48", hop + "F", "", kInvalidIpv6},
        {1, dst, "48", dst, "", "Duplicate IP address, Please input a valid Next Hop"},
        {1, "20010db8000100000000000000000000", "48", dst, "",
         "Duplicate IP address, Please input a valid Next Hop"},
        {1, dst, "48", hop, "0", "Metric should between 1-65535"},
        {2, "", "", "", "", "Please Set Next Hop Address"},
        {2, "", "", kZeroIpv6, "", "Duplicate IP address, Please input a valid Next Hop"},
        {2, "", "", hop, "65536", "Metric should between 1-65535"},
    };
    RunDialog<TIpv6StaticRouteForm>(
        kCommand, Ipv6StaticRouteForm,
        [&](TIpv6StaticRouteForm* d) {
            ClickControl(d->btnAdd);
            ClickControl(d->btnAddDefault);
        },
        {Edit([&](TIpv6StaticRouteEditForm* e) {
             for (const auto& c : cases) {
                 if (c.Mode != 1) {
                     continue;
                 }
                 SCOPED_TRACE(testing::Message() << c.Destination << "/" << c.Prefix << " via " << c.NextHop
                                                 << " metric " << c.Metric);
                 Fill(e, c.Destination, c.Prefix, c.NextHop, c.Metric);
                 Dialogs.Expect(c.Message);
                 ClickControl(e->btnSet);
                 EXPECT_EQ(Dialogs.Pending(), 0);
                 EXPECT_EQ(e->ModalResult(), mrNone);
             }
             Fill(e, "", "", "", "1"); // what the edit constraints check when Close is clicked
         }),
         Edit([&](TIpv6StaticRouteEditForm* e) {
             for (const auto& c : cases) {
                 if (c.Mode != 2) {
                     continue;
                 }
                 SCOPED_TRACE(testing::Message() << "default via " << c.NextHop << " metric " << c.Metric);
                 Fill(e, "", "", c.NextHop, c.Metric);
                 Dialogs.Expect(c.Message);
                 ClickControl(e->btnSet);
                 EXPECT_EQ(Dialogs.Pending(), 0);
                 EXPECT_EQ(e->ModalResult(), mrNone);
             }
             Fill(e, "", "", "", "1");
         })});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// While a walk runs (the agent is slow), Refresh does nothing and says nothing, Delete refuses
// with "Get data not complete", and neither sends anything.
TEST_F(Ipv6StaticRouteSim, RefreshDuringADelayedWalkShowsNothingAndSendsNothing) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<TIpv6StaticRouteForm>(
        kCommand, Ipv6StaticRouteForm,
        [&](TIpv6StaticRouteForm* d) {
            ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() >= 1; }, 10000));
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickControl(d->btnGet); // no box: the script has none
            ClickListRow(d->ListView1, 0);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->btnDelete);
            EXPECT_EQ(Dialogs.Pending(), 0);
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(Reads, 1); // the first walk only
            EXPECT_EQ(d->ListView1->Items().Count(), 2);
        },
        {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add has no guard: its dialog opens while a walk runs, and the dialog may close meanwhile.
TEST_F(Ipv6StaticRouteSim, AddOpensAndTheDialogClosesWhileAWalkRuns) {
    Agent().SetDelay(kEntry, 300, SimOp::Next);
    RunDialog<TIpv6StaticRouteForm>(
        kCommand, Ipv6StaticRouteForm,
        [&](TIpv6StaticRouteForm* d) {
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickControl(d->btnAdd);
            ASSERT_TRUE(d->Table.Request->Busy);
            ClickControl(d->btnClose);
            Application->ProcessMessages();
            EXPECT_NE(d->ModalResult(), mrNone);
        },
        {Edit([&](TIpv6StaticRouteEditForm* e) { EXPECT_EQ(e->btnSet->Caption(), "Set"); })},
        {.WaitFirstRead = false});
    EXPECT_EQ(Ipv6StaticRouteForm, nullptr);
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(Ipv6StaticRouteSim, KaHasNoAddAndDeleteAndCloseMoveUpIntoItsPlace) {
    const struct {
        const char* Edition;
        bool Add;
        int DeleteTop;
        int CloseTop;
    } cases[] = {{"KB", true, 142, 175}, {"KA", false, 108, 142}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Edition);
        WritableFacts().FirmwareMode = c.Edition;
        RunDialog<TIpv6StaticRouteForm>(kCommand, Ipv6StaticRouteForm, [&](TIpv6StaticRouteForm* d) {
            EXPECT_EQ(d->btnAdd->Visible(), c.Add);
            EXPECT_EQ(d->btnAdd->Top(), 108);
            EXPECT_EQ(d->btnDelete->Top(), c.DeleteTop);
            EXPECT_EQ(d->btnClose->Top(), c.CloseTop);
            EXPECT_EQ(d->btnGet->Top(), 40);
            EXPECT_EQ(d->btnAddDefault->Top(), 74);
            EXPECT_TRUE(d->btnAddDefault->Visible());
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
}

} // namespace ipv6_static_route_unit_test
