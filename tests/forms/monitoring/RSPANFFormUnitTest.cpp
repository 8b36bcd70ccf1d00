#include "RSPANFFormUnit.h"

#include "CaptionCheck.h"
#include "CatalogueColumns.h"
#include "FormsSimTest.h"
#include "MirrorScenario.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"

#include <gtest/gtest.h>

namespace rspanf_form_unit_test {

namespace {

using namespace mirror_scenario;

constexpr const char* kCommand = "RSPANTable1Click";
constexpr int kVlanColumn = ColumnOf(Columns::RSPANTable, "VLAN ID");
constexpr int kIngressPicker = 0;
constexpr int kEgressPicker = 1;
constexpr int kRedirectPicker = 2;

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

// VLANs 300 and 400, neither with a mirror group, source or redirect port.
const std::vector<RspanRow> kNoGroupRows = {{"300", "", "", "", 0}, {"400", "", "", "", 0}};

class RspanSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(Scenario());
    }
    // The switch stand-alone or stacked (its lists 8 or 48 octets) with the given VLANs.
    void Load(bool stacked, const std::vector<RspanRow>& rows) {
        WritableFacts().StackMode = stacked ? "enabled" : "disabled";
        Agent().LoadScenario(Scenario(stacked, rows));
    }
    void Run(const std::function<void(TRSPANForm*)>& test, DialogRun how = {}) {
        RunDialog<TRSPANForm>(kCommand, RSPANForm, test, {}, how);
    }
    static TCheckBox* Port(TRSPANForm* d, int picker, int port) {
        return d->Pickers.Pickers.at(static_cast<size_t>(picker))
            ->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static void Choose(TRSPANForm* d, const char* vlan) {
        const int row = RowWhere(d->Table, {{kVlanColumn, vlan}});
        ASSERT_GE(row, 0) << vlan;
        ClickListRow(d->ListView1, row);
    }
    static std::vector<std::string> Vlans(TRSPANForm* d) { return ColumnCells(d->Table, kVlanColumn); }
};

} // namespace

TEST_F(RspanSim, TheSourcePickersAreEditableOnlyForAVlanWithAMirrorGroup) {
    Run([&](TRSPANForm* d) {
        EXPECT_EQ(d->Caption(), "RSPAN Table: " + Agent().Address());
        EXPECT_EQ(Vlans(d), (std::vector<std::string>{"200", "300"}));
        EXPECT_TRUE(d->MirrorIDEdit->Visible());
        EXPECT_FALSE(d->MirrorIDEdit->Enabled());
        for (int picker : {kIngressPicker, kEgressPicker, kRedirectPicker}) {
            EXPECT_FALSE(Port(d, picker, 1)->Enabled()) << picker;
        }
        EXPECT_FALSE(d->btnSet->Enabled());
        ASSERT_EQ(d->PageControl1->PageCount(), 3);
        for (int page = 0; page < 3; ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }

        Choose(d, "300"); // no group, while VLAN 200 has one
        EXPECT_FALSE(d->ED_VLANID->Enabled());
        EXPECT_EQ(d->MirrorIDEdit->Text(), "0");
        EXPECT_FALSE(d->MirrorIDEdit->Enabled());
        EXPECT_FALSE(Port(d, kIngressPicker, 1)->Enabled());
        EXPECT_FALSE(Port(d, kEgressPicker, 1)->Enabled());
        EXPECT_TRUE(Port(d, kRedirectPicker, 1)->Enabled());
        EXPECT_TRUE(d->btnSet->Enabled());

        Choose(d, "200");
        EXPECT_EQ(d->MirrorIDEdit->Text(), "1");
        EXPECT_TRUE(d->MirrorIDEdit->Enabled());
        EXPECT_TRUE(Port(d, kIngressPicker, 1)->Enabled());
        EXPECT_TRUE(Port(d, kIngressPicker, 1)->Checked());
        EXPECT_TRUE(Port(d, kEgressPicker, 2)->Checked());
        EXPECT_TRUE(Port(d, kRedirectPicker, 16)->Checked());
        for (int page = 0; page < 3; ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(RspanSim, WithoutAnyMirrorGroupTheSourcePickersStayDisabled) {
    Load(false, kNoGroupRows);
    Run([&](TRSPANForm* d) {
        Choose(d, "300");
        EXPECT_TRUE(d->MirrorIDEdit->Enabled());
        EXPECT_FALSE(Port(d, kIngressPicker, 1)->Enabled());
        EXPECT_FALSE(Port(d, kEgressPicker, 1)->Enabled());
        EXPECT_TRUE(Port(d, kRedirectPicker, 1)->Enabled());
    });
}

TEST_F(RspanSim, SetWritesTheSourceAndRedirectListsAsTheRedirectPortsDecide) {
    constexpr int kSources = 1, kRedirect = 2, kGroup = 4;
    const struct {
        const char* Name;
        std::vector<RspanRow> Rows;
        const char* Vlan;
        int RedirectTick;  // a redirect port ticked first (0: none)
        const char* Group; // typed when given
        int Written;       // the columns expected, by the bits above
        int GroupValue;
    } cases[] = {
        {"no redirect port anywhere",
         {{"200", "80", "40", "", 1}, {"300", "", "", "", 0}},
         "200",
         0,
         nullptr,
         kSources | kGroup,
         1},
        {"a redirect ticked, the VLAN without sources", kNoGroupRows, "300", 3, "2", kRedirect | kGroup, 2},
        {"a redirect listed elsewhere, the VLAN without sources",
         {kRspanRows[0], kRspanRows[1]},
         "300",
         0,
         nullptr,
         kRedirect,
         0},
        {"a redirect listed, the VLAN with sources",
         {kRspanRows[0], kRspanRows[1]},
         "200",
         0,
         nullptr,
         kSources | kRedirect | kGroup,
         1},
    };
    for (const bool stacked : {false, true}) {
        const Lists lists{stacked ? 48u : 8u};
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Name) + (stacked ? ", stacked" : ", stand-alone"));
            Load(stacked, c.Rows);
            const std::string vlan = c.Vlan;
            const std::string entry = kRspanEntry;
            Run([&](TRSPANForm* d) {
                Choose(d, c.Vlan);
                if (c.RedirectTick) {
                    Port(d, kRedirectPicker, c.RedirectTick)->SetChecked(true);
                }
                if (c.Group) {
                    d->MirrorIDEdit->SetText(c.Group);
                }
                const RspanRow* row = nullptr;
                for (const RspanRow& r : c.Rows) {
                    row = vlan == r.Vlan ? &r : row;
                }
                ASSERT_NE(row, nullptr);
                std::vector<SimVarBind> expected;
                if (c.Written & kSources) {
                    expected.push_back({entry + ".2." + vlan, Hex(lists.Of(row->Ingress))});
                    expected.push_back({entry + ".3." + vlan, Hex(lists.Of(row->Egress))});
                }
                if (c.Written & kRedirect) {
                    expected.push_back(
                        {entry + ".4." + vlan, Hex(lists.Of(c.RedirectTick ? "20" : row->Redirect))});
                }
                if (c.Written & kGroup) {
                    expected.push_back({entry + ".6." + vlan, SimValue::Int(c.GroupValue)});
                }
                ClickControl(d->btnSet);
                ASSERT_TRUE(WaitForSets(1));
                ASSERT_TRUE(WaitReads(1));
                EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{expected}));
                EXPECT_EQ(d->ListView1->Selected(), nullptr);
                EXPECT_TRUE(d->btnAdd->Enabled());
            });
        }
    }
}

TEST_F(RspanSim, AMirrorGroupOutsideOneToFourIsRefusedAndNoneIsLeftOut) {
    Load(false, kNoGroupRows);
    const std::string entry = kRspanEntry;
    const struct {
        const char* Group;
        bool Refused;
        bool Written;
    } cases[] = {
        {"5", true, false}, {"-1", true, false}, {"0", false, false}, {"", false, false}, {"4", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Group);
        Run([&](TRSPANForm* d) {
            Choose(d, "300");
            d->MirrorIDEdit->SetText(c.Group);
            if (c.Refused) {
                Dialogs.Expect("Please input a number between 1-4.");
                ClickControl(d->btnSet);
                EXPECT_EQ(Dialogs.Pending(), 0);
                EXPECT_TRUE(Agent().SetLog().empty());
                EXPECT_NE(d->ListView1->Selected(), nullptr); // the edit panel as it was
                EXPECT_EQ(d->MirrorIDEdit->Text(), c.Group);
                return;
            }
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            std::vector<SimVarBind> expected = {{entry + ".2.300", Hex(std::string(16, '0'))},
                                                {entry + ".3.300", Hex(std::string(16, '0'))}};
            if (c.Written) {
                expected.push_back({entry + ".6.300", SimValue::Int(4)});
            }
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{expected}));
        });
    }
}

TEST_F(RspanSim, AddAndDeleteGoThroughTheRowStatusAlone) {
    const std::string entry = kRspanEntry;
    Run([&](TRSPANForm* d) {
        Dialogs.Expect("VLAN ID need to input.");
        ClickControl(d->btnAdd);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(Agent().SetLog().empty());

        TypeText(d->ED_VLANID, "100");
        ClickControl(d->btnAdd);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{entry + ".5.100", SimValue::Int(4)}}}));
        EXPECT_EQ(Vlans(d), (std::vector<std::string>{"100", "200", "300"}));

        Agent().ClearSetLog();
        Choose(d, "200");
        ClickControl(d->btnDelete);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(2));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{entry + ".5.200", SimValue::Int(6)}}}));
        EXPECT_EQ(Vlans(d), (std::vector<std::string>{"100", "300"}));
    });
}

TEST_F(RspanSim, CloseAndActingDuringTheWalkSayGetDataNotComplete) {
    Agent().SetDelay(kRspanEntry, 300, SimOp::Next);
    Run(
        [&](TRSPANForm* d) {
            ASSERT_FALSE(d->Table.DataComplete);
            Dialogs.Expect("Get data not complete").Expect("Get data not complete");
            ClickControl(d->btnClose);
            Application->ProcessMessages(); // the modal loop asks the dialog
            d->btnAddClick(nullptr);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_EQ(d->ModalResult(), mrNone);
        },
        {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace rspanf_form_unit_test
