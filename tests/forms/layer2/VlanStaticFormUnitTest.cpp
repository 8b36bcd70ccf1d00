#include "VlanStaticFormUnit.h"

#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"

#include <gtest/gtest.h>

namespace vlan_static_form_unit_test {

namespace {

constexpr const char* kTitle = "802.1Q Static VLAN Table";
constexpr const char* kCommand = "StaticForm1Click";
const std::string kEntry = "1.3.6.1.2.1.17.7.1.4.3.1";

// VLANs 1 and 10 (8-octet port lists: a stand-alone switch) and the next free index 11.
const char* const kScenario = R"({
  "objects": [["1.3.6.1.2.1.17.7.1.4.4.0", "int", 11]],
  "tables": [{"entry": "1.3.6.1.2.1.17.7.1.4.3.1",
    "columns": [[1, "string", "rw", ""], [2, "hex", "rw"], [3, "hex", "rw"], [4, "hex", "rw"], [5, "rowstatus"]],
    "rows": [["1", "default", "FFFFFF0000000000", "0000000000000000", "FFFFFF0000000000", 1],
             ["10", "v10", "C000000000000000", "0000010000000000", "4000000000000000", 1]]}]})";

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class VlanStaticSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kScenario);
    }
    static std::vector<std::string> VlanIds(TVlanStaticForm* d) {
        std::vector<std::string> ids;
        for (int i = 0; i < d->LV_dot1qVlanStaticEntry->Items().Count(); ++i) {
            ids.push_back(d->LV_dot1qVlanStaticEntry->Items()[i]->Caption());
        }
        return ids;
    }
    static TCheckBox* Port(TVlanStaticForm* d, int picker, int port) {
        return d->Pickers.Pickers.at(static_cast<size_t>(picker))
            ->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

TEST_F(VlanStaticSim, OpensWithTheTableTheNextFreeIndexAndTheButtonsOfNoSelection) {
    RunDialog<TVlanStaticForm>(kCommand, VlanStaticForm, [&](TVlanStaticForm* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        EXPECT_EQ(VlanIds(d), (std::vector<std::string>{"1", "10"}));
        EXPECT_EQ(d->ST_Count2->Caption(), "2");
        EXPECT_EQ(d->NextFreeLocalVlanIndex->Caption(), "11");
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->DeleteBtn->Enabled());
        EXPECT_TRUE(d->AddBtn->Enabled());
        ASSERT_EQ(d->PageControl1->PageCount(), 3);
        EXPECT_EQ(d->PageControl1->Pages(1)->Caption(), "Forbidden Egress Ports");
        for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << "page " << page;
        }
        ClickTab(d->PageControl1, 0);

        ClickListRow(d->LV_dot1qVlanStaticEntry, 1);
        EXPECT_EQ(d->ED_VLANID->Text(), "10");
        EXPECT_FALSE(d->ED_VLANID->Enabled());
        EXPECT_EQ(d->ED_VLANName->Text(), "v10");
        EXPECT_TRUE(Port(d, 0, 2)->Checked());
        EXPECT_FALSE(Port(d, 0, 3)->Checked());
        EXPECT_TRUE(Port(d, 1, 24)->Checked());
        EXPECT_TRUE(d->SetBtn->Enabled());
        EXPECT_FALSE(d->AddBtn->Enabled());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VlanStaticSim, SetSendsFiveOneColumnPdusInOrderThenReadsAgain) {
    RunDialog<TVlanStaticForm>(kCommand, VlanStaticForm, [&](TVlanStaticForm* d) {
        ClickListRow(d->LV_dot1qVlanStaticEntry, 1);
        Port(d, 0, 3)->SetChecked(true);
        d->ED_VLANName->SetText("sales");
        ClickControl(d->SetBtn);
        ASSERT_TRUE(WaitForSets(5));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                 {{kEntry + ".2.10", Hex("E000000000000000")}},
                                 {{kEntry + ".3.10", Hex("0000010000000000")}},
                                 {{kEntry + ".4.10", Hex("4000000000000000")}},
                                 {{kEntry + ".5.10", SimValue::Int(1)}},
                                 {{kEntry + ".1.10", SimValue::Octets("sales")}},
                             }));
        EXPECT_EQ(d->LV_dot1qVlanStaticEntry->Items()[1]->SubItems()[0], "sales");
        EXPECT_FALSE(d->SetBtn->Enabled());
        EXPECT_TRUE(d->AddBtn->Enabled());
        EXPECT_TRUE(d->ED_VLANID->Enabled());
        EXPECT_EQ(d->ED_VLANID->Text(), "");
    });
}

TEST_F(VlanStaticSim, AddIsOneSetOfTheRowThenOneOfItsForbiddenPorts) {
    const struct {
        const char* Id;
        const char* Name;
    } cases[] = {{"20", "sales"}, {"30", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Id);
        const std::string id = c.Id;
        RunDialog<TVlanStaticForm>(kCommand, VlanStaticForm, [&](TVlanStaticForm* d) {
            TypeText(d->ED_VLANID, c.Id);
            d->ED_VLANName->SetText(c.Name);
            Port(d, 0, 1)->SetChecked(true);
            Port(d, 2, 1)->SetChecked(true);
            ClickControl(d->AddBtn);
            ASSERT_TRUE(WaitForSets(2));
            ASSERT_TRUE(WaitIdle(d->Table));
            std::vector<SimVarBind> row;
            if (*c.Name) {
                row.push_back({kEntry + ".1." + id, SimValue::Octets(c.Name)});
            }
            row.push_back({kEntry + ".2." + id, Hex("8000000000000000")});
            row.push_back({kEntry + ".4." + id, Hex("8000000000000000")});
            row.push_back({kEntry + ".5." + id, SimValue::Int(4)});
            EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{
                                     row, {{kEntry + ".3." + id, Hex("0000000000000000")}}}));
            for (const SimSetPdu& pdu : Agent().SetLog()) {
                EXPECT_EQ(pdu.Status, "noError");
            }
            EXPECT_EQ(VlanIds(d).back(), id);
        });
        EXPECT_EQ(Agent().Value(kEntry + ".5." + id), SimValue::Int(1));
    }
}

TEST_F(VlanStaticSim, AddRefusesAMissingOrMalformedVlanId) {
    const struct {
        const char* Id;
        const char* Message;
    } cases[] = {{"", "Please input VLAN ID."},
                 {"1", " Please enter a number between 2 and 4094!"},
                 {"4095", " Please enter a number between 2 and 4094!"}};
    RunDialog<TVlanStaticForm>(kCommand, VlanStaticForm, [&](TVlanStaticForm* d) {
        for (const auto& c : cases) {
            // Put there by code, with the focus elsewhere: the edit's constraint has not seen it.
            d->ED_VLANID->SetText("");
            FocusControl(d->ED_VLANName);
            d->ED_VLANID->SetText(c.Id);
            Dialogs.Expect(c.Message);
            ClickControl(d->AddBtn);
            EXPECT_EQ(Dialogs.Pending(), 0) << c.Id;
            EXPECT_TRUE(d->ED_VLANID->Focused()) << c.Id;
        }
        d->ED_VLANID->SetText(""); // so that leaving it passes its constraint
        EXPECT_TRUE(d->Table.DataComplete);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(VlanStaticSim, DeleteIsOneSetOfDestroyWithoutAQuestionAndTheVlanIsGone) {
    RunDialog<TVlanStaticForm>(kCommand, VlanStaticForm, [&](TVlanStaticForm* d) {
        ClickListRow(d->LV_dot1qVlanStaticEntry, 1);
        ClickControl(d->DeleteBtn);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kEntry + ".5.10", SimValue::Int(6)}}}));
        EXPECT_EQ(VlanIds(d), (std::vector<std::string>{"1"}));
        EXPECT_EQ(d->ST_Count2->Caption(), "1");
        EXPECT_FALSE(d->DeleteBtn->Enabled());
    });
    EXPECT_FALSE(Agent().Value(kEntry + ".1.10").has_value());
}

TEST_F(VlanStaticSim, CloseIsRefusedDuringTheFirstWalkAndWorksOnceStopped) {
    Agent().SetDelay(kEntry, 400, SimOp::Next);
    RunDialog<TVlanStaticForm>(
        kCommand, VlanStaticForm,
        [&](TVlanStaticForm* d) {
            EXPECT_FALSE(d->Table.DataComplete);
            Dialogs.Expect("Get data not complete");
            ClickControl(d->btnClose);
            Application->ProcessMessages();
            EXPECT_EQ(d->ModalResult(), mrNone);
            ClickControl(d->RefreshBtn); // refused without a word
            ClickControl(d->btnStop);
            ASSERT_TRUE(WaitFor([d] { return d->Table.DataComplete; }, 10000));
            EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find("Stop, SNMP Request is not active."),
                      std::string::npos);
            ClickControl(d->btnClose);
        },
        {}, {.WaitFirstRead = false});
    EXPECT_EQ(VlanStaticForm, nullptr);
}

TEST_F(VlanStaticSim, StackingSwitchWritesFortyEightOctetLists) {
    WritableFacts().StackMode = "enabled";
    RunDialog<TVlanStaticForm>(kCommand, VlanStaticForm, [&](TVlanStaticForm* d) {
        TypeText(d->ED_VLANID, "40");
        Port(d, 0, 65)->SetChecked(true); // unit 2, port 1
        ClickControl(d->AddBtn);
        ASSERT_TRUE(WaitForSets(2));
        const auto pdus = SetPdus();
        EXPECT_EQ(pdus[0][0].Value, Hex("0000000000000000"
                                        "80" +
                                        std::string(78, '0')));
        EXPECT_EQ(pdus[1][0].Value.Text.size(), 96u);
    });
}

TEST_F(VlanStaticSim, ItsMenuCommandOpensItInItsInstancePointer) {
    RunDialog<TVlanStaticForm>(kCommand, VlanStaticForm, [&](TVlanStaticForm* d) {
        EXPECT_EQ(d->Caption(), std::string(kTitle) + ": " + Agent().Address());
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(VlanIds(d), (std::vector<std::string>{"1", "10"}));
        ClickControl(d->btnClose);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace vlan_static_form_unit_test
