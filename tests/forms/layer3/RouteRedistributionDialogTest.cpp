#include "RouteRedistributionDialog.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "ColumnNames.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "IPv6RouteResUnit.h"
#include "RedistributionScenario.h"
#include "RouteRedistributUnit.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TRadioButton.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace route_redistribution_dialog_test {

namespace {

using namespace redistribution_scenario;

constexpr const char* kIpv4Command = "RouteRedistributionTable1Click";
constexpr const char* kIpv6Command = "IPv6RouteRedistributeTable1Click";
constexpr const char* kSameProtocols = "Source protocol can't be same with destination protocol.";
using D = TRouteRedistributionDialog;

class RedistributionSim : public FormsSimTest {
protected:
    // The switch, and the main window over it whose sysObjectID request the dialogs run again.
    void Start(const std::string& scenario = Scenario()) {
        Agent().LoadScenario(scenario);
        OpenMainWindow();
    }
    // Runs the IPv4 (or IPv6) dialog through its command.
    void Run(bool ipv6, const std::function<void(D*)>& test, DialogRun how = {}) {
        if (ipv6) {
            RunDialog<TIPv6RouteResForm>(
                kIpv6Command, IPv6RouteResForm, [&](TIPv6RouteResForm* d) { test(d); }, {}, how);
        } else {
            RunDialog<TRouteRedistributForm>(
                kIpv4Command, RouteRedistributForm, [&](TRouteRedistributForm* d) { test(d); }, {}, how);
        }
    }
    static int Row(const D* d, const std::string& source, const std::string& destination) {
        for (int i = 0; i < d->ListView1->Items().Count(); ++i) {
            TListItem* item = d->ListView1->Items()[i];
            if (d->Table.Request->CellText(item, 0) == source &&
                d->Table.Request->CellText(item, 1) == destination) {
                return i;
            }
        }
        return -1;
    }
    // The enabled type buttons by caption.
    static std::set<std::string> EnabledTypes(const D* d) {
        std::set<std::string> enabled;
        for (TRadioButton* button : d->RadioButtons) {
            if (button && button->Visible() && button->Enabled()) {
                enabled.insert(button->Caption());
            }
        }
        return enabled;
    }
    static TRadioButton* Captioned(const D* d, const std::string& caption) {
        for (TRadioButton* button : d->RadioButtons) {
            if (button && button->Caption() == caption) {
                return button;
            }
        }
        ADD_FAILURE() << "no type button " << caption;
        return nullptr;
    }
    // A new pair typed and sent with Add: the protocols and type chosen (no type: none), the metric.
    void Add(D* d, const char* source, const char* destination, const char* type, const char* metric) {
        ChooseOption(d->Src_ComboBox, source);
        ChooseOption(d->DST_ComboBox, destination);
        if (type) {
            ClickControl(Captioned(d, type));
        }
        d->MetricEdit->SetText(metric);
        ClickControl(d->AddBtn);
    }
};

} // namespace

TEST_F(RedistributionSim, EachMenuCommandOpensItsTableAndEveryCaptionReadsWhole) {
    Start();
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const char* name : {"TRouteRedistributForm", "TIPv6RouteResForm"}) {
        EXPECT_EQ(std::find(missing.begin(), missing.end(), name), missing.end()) << name;
    }
    const struct {
        bool Ipv6;
        const char* Title;
        const char* Source;
        const char* Destination;
        const char* CheckedType;
        const char* MetricLabel;
        std::set<std::string> Enabled;
    } cases[] = {
        {false,
         "Route Redistribution Table",
         "ospf",
         "rip",
         "inter+E1",
         "Metric (0-16)",
         {"all", "internal", "external", "inter+E1", "inter+E2", "extType1", "extType2"}},
        {false,
         "Route Redistribution Table",
         "static",
         "ospf",
         "type-1",
         "Metric (0-16777214)",
         {"type-1", "type-2"}},
        {true, "IPv6 Route Redistribution Table", "ospfv3", "ripng", "all", "Metric (0-16)", {"all"}},
        {true,
         "IPv6 Route Redistribution Table",
         "static",
         "ospfv3",
         "type-1",
         "Metric (1-16777214)",
         {"type-1", "type-2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Source << " into " << c.Destination);
        Run(c.Ipv6, [&](D* d) {
            EXPECT_EQ(d->Caption(), std::string(c.Title) + ": " + Agent().Address());
            EXPECT_EQ(d->StaticText1->Caption(), "2");
            EXPECT_TRUE(d->AddBtn->Enabled());
            EXPECT_FALSE(d->EditBtn->Enabled());
            EXPECT_FALSE(d->DeleteBtn->Enabled());
            EXPECT_TRUE(d->Src_ComboBox->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, Row(d, c.Source, c.Destination));
            EXPECT_TRUE(Captioned(d, c.CheckedType)->Checked());
            EXPECT_EQ(d->Label5->Caption(), c.MetricLabel);
            EXPECT_EQ(EnabledTypes(d), c.Enabled);
            EXPECT_FALSE(d->Src_ComboBox->Enabled());
            EXPECT_FALSE(d->DST_ComboBox->Enabled());
            EXPECT_FALSE(d->AddBtn->Enabled());
            EXPECT_TRUE(d->EditBtn->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

// Add: the row status createAndGo with the type of the checked button (none when none is), the
// metric unless empty and the route map unless empty, at source.destination; the row is listed.
TEST_F(RedistributionSim, AddCreatesThePairWithWhatWasChosen) {
    Start();
    const std::string v4 = Ipv4Entry();
    const struct {
        const char* Source;
        const char* Destination;
        const char* Type;
        const char* Metric;
        const char* MapName;
        std::vector<SimVarBind> Pdu;
    } cases[] = {
        {"static",
         "rip",
         "all",
         "5",
         "",
         {{v4 + ".3.4.2", SimValue::Int(2)},
          {v4 + ".4.4.2", SimValue{"66", "5"}},
          {v4 + ".5.4.2", SimValue::Int(4)}}},
        {"local",
         "ospf",
         nullptr,
         "",
         "map9",
         {{v4 + ".5.5.3", SimValue::Int(4)}, {v4 + ".6.5.3", SimValue::Octets("map9")}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Source << " into " << c.Destination);
        Agent().LoadScenario(Scenario());
        Run(false, [&](D* d) {
            d->MapNameEdit->SetText(c.MapName);
            Add(d, c.Source, c.Destination, c.Type, c.Metric);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() == 3; }, 10000));
            EXPECT_GE(Row(d, c.Source, c.Destination), 0);
            EXPECT_FALSE(d->EditBtn->Enabled());
        });
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{c.Pdu}));
    }
}

// Set writes the chosen pair's type, its metric unless empty, its own row status and the route
// map, empty or not; afterwards no pair is chosen.
TEST_F(RedistributionSim, SetWritesTypeMetricStatusAndMapName) {
    Start();
    const std::string v4 = Ipv4Entry();
    Run(false, [&](D* d) {
        ClickListRow(d->ListView1, Row(d, "ospf", "rip"));
        ClickControl(Captioned(d, "external"));
        d->MetricEdit->SetText("7");
        d->MapNameEdit->SetText("");
        ClickControl(d->EditBtn);
        ASSERT_TRUE(WaitForSets(1));
        EXPECT_EQ(d->ListView1->Selected(), nullptr);
        ASSERT_TRUE(WaitIdle(d->Table));
        ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() == 2; }, 10000));
        ClickListRow(d->ListView1, Row(d, "ospf", "rip"));
        d->MetricEdit->SetText("");
        ClickControl(d->EditBtn);
        ASSERT_TRUE(WaitForSets(2));
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                             {{v4 + ".3.3.2", SimValue::Int(6)},
                              {v4 + ".4.3.2", SimValue{"66", "7"}},
                              {v4 + ".5.3.2", SimValue::Int(1)},
                              {v4 + ".6.3.2", SimValue::Octets("")}},
                             {{v4 + ".3.3.2", SimValue::Int(6)},
                              {v4 + ".5.3.2", SimValue::Int(1)},
                              {v4 + ".6.3.2", SimValue::Octets("")}},
                         }));
}

TEST_F(RedistributionSim, DeleteAsksAndOkDestroysThePairAndTheListHoldsTheAgentsRows) {
    Start();
    const std::string status = Ipv4Entry() + ".5";
    Run(false, [&](D* d) {
        ClickListRow(d->ListView1, Row(d, "static", "ospf"));
        Dialogs.Expect("Are you sure to delete it?", mrCancel);
        ClickControl(d->DeleteBtn);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());
        ASSERT_TRUE(WaitIdle(d->Table));
        ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() == 2; }, 10000));

        ClickListRow(d->ListView1, Row(d, "static", "ospf"));
        Dialogs.Expect("Are you sure to delete it?", mrOk);
        ClickControl(d->DeleteBtn);
        EXPECT_EQ(Dialogs.Pending(), 0);
        ASSERT_TRUE(WaitIdle(d->Table));
        ASSERT_TRUE(WaitFor([&] { return d->ListView1->Items().Count() == 1; }, 10000));
        EXPECT_GE(Row(d, "ospf", "rip"), 0);
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{status + ".4.3", SimValue::Int(6)}}}));
    EXPECT_EQ(AgentRows(status), (std::set<std::string>{"3.2"}));
}

// The metric check warns (the focus on the metric) and the SET goes out all the same; equal
// protocols are said when they are chosen.
TEST_F(RedistributionSim, TheMetricCheckOnlyWarnsByTheDestinationsBound) {
    Start();
    const struct {
        bool Ipv6;
        const char* Source;
        const char* Destination;
        const char* Metric;
        const char* Warning; // null: none
    } cases[] = {
        {false, "static", "rip", "17", "Metric out of Bound (0-16)"},
        {false, "static", "rip", "16", nullptr},
        {false, "rip", "ospf", "16777215", "Metric out of Bound (0-16777214)"},
        {false, "rip", "ospf", "16777214", nullptr},
        {true, "local", "ospfv3", "16777215", "Metric out of Bound (1-16777214)"},
        {true, "local", "ospfv3", "0", nullptr},
        {true, "local", "ripng", "17", "Metric out of Bound (0-16)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Source << " into " << c.Destination << " metric " << c.Metric);
        Agent().LoadScenario(Scenario());
        Run(c.Ipv6, [&](D* d) {
            if (c.Warning) {
                Dialogs.Expect(c.Warning);
            }
            Add(d, c.Source, c.Destination, nullptr, c.Metric);
            EXPECT_EQ(Dialogs.Pending(), 0);
            if (c.Warning) {
                EXPECT_TRUE(d->MetricEdit->Focused());
            }
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
        });
        ASSERT_EQ(SetPdus().size(), 1u);
        EXPECT_EQ(SetPdus()[0].front().Value, (SimValue{"66", c.Metric}));
    }
    for (bool ipv6 : {false, true}) {
        Run(ipv6, [&](D* d) {
            const char* protocol = ipv6 ? "ripng" : "rip";
            ChooseOption(d->Src_ComboBox, protocol);
            Dialogs.Expect(kSameProtocols);
            ChooseOption(d->DST_ComboBox, protocol);
            EXPECT_EQ(Dialogs.Pending(), 0);
        });
    }
}

// The IPv6 Type is read-only in the table: Add with "all" writes it in the creating SET, which the
// agent accepts; a Set afterwards carries no Type (the agent would refuse the whole PDU).
TEST_F(RedistributionSim, Ipv6AddWritesTheTypeOnceAndASetAfterwardsNever) {
    Start();
    const std::string v6 = Ipv6Entry();
    Run(true, [&](D* d) {
        Add(d, "local", "ripng", "all", "3");
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        ASSERT_TRUE(WaitFor([&] { return Row(d, "local", "ripng") >= 0; }, 10000));
        ClickListRow(d->ListView1, Row(d, "local", "ripng"));
        EXPECT_TRUE(Captioned(d, "all")->Checked());
        d->MetricEdit->SetText("4");
        ClickControl(d->EditBtn);
        ASSERT_TRUE(WaitForSets(2));
    });
    EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                             {{v6 + ".3.1.1", SimValue::Int(3)},
                              {v6 + ".4.1.1", SimValue{"66", "3"}},
                              {v6 + ".5.1.1", SimValue::Int(4)}},
                             {{v6 + ".4.1.1", SimValue{"66", "4"}}, {v6 + ".5.1.1", SimValue::Int(1)}},
                         }));
    EXPECT_EQ(Agent().SetLog()[1].Status, "noError");
    EXPECT_EQ(Agent().Value(v6 + ".3.1.1"), SimValue::Int(3));
}

TEST_F(RedistributionSim, AnUnknownModelTakesTheUnsupportedPathAndSendsNothing) {
    Start(Scenario("24RA", 2, "1.3.6.1.4.1.746.10.117.9.1"));
    for (bool ipv6 : {false, true}) {
        Run(ipv6, [&](D* d) {
            EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "Unsupported model");
            EXPECT_EQ(d->ListView1->Items().Count(), 0);
            for (TButton* button : {d->AddBtn, d->EditBtn, d->DeleteBtn}) {
                EXPECT_FALSE(button->Enabled());
            }
            ClickControl(d->RefreshBtn);
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
    }
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace route_redistribution_dialog_test
