#include "CaptionCheck.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "IGMPMulticastVlanFormUnit.h"
#include "MulticastScenario.h"
#include "StackingPortUitFormUnit.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TPageControl.h"
#include "TStaticText.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"
#include "mldMulticastVlanFormUnit.h"

#include <gtest/gtest.h>

namespace multicast_vlan_form_unit_test {

namespace {

constexpr const char* kIgmpCommand = "IGMPMulticastVLANTable1Click";
constexpr const char* kMldCommand = "MulticastVLANTable1Click";
const std::string kIgmp = kIgmpMulticastVlanEntry;
const std::string kMld = kMldMulticastVlanEntry;
constexpr const char* kQuad = "Please input a valid IP";
constexpr const char* kNotValid = "IP Address in not valid.";
constexpr const char* kConflict = "The Source Ports and Untag Source Ports can't be Choose at the same time";

// The port pages in their order.
enum Page { kSource, kMember, kTagged, kUntaggedSource };

SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class MulticastVlanSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(MulticastScenario());
    }
    static TCheckBox* Port(TMulticastVlanForm* d, Page page, int port) {
        return d->Pickers.Pickers.at(page)->PortBoxes.at(static_cast<size_t>(port - 1));
    }
    static std::vector<std::string> Vlans(TMulticastVlanForm* d) {
        std::vector<std::string> ids;
        for (int i = 0; i < d->LV_IGMPMulticastVlanEntry->Items().Count(); ++i) {
            ids.push_back(d->LV_IGMPMulticastVlanEntry->Items()[i]->Caption());
        }
        return ids;
    }
    // Every port page reads whole.
    static void ExpectPagesReadWhole(TMulticastVlanForm* d, const char* state) {
        for (int page = 0; page < d->PageControl1->PageCount(); ++page) {
            ClickTab(d->PageControl1, page);
            EXPECT_TRUE(CaptionsReadWhole(d)) << state << ", page " << page;
        }
        ClickTab(d->PageControl1, 0);
    }
};

} // namespace

TEST_F(MulticastVlanSim, OpensListedWithTheAddStateAndAChosenRowFixesItsVlanId) {
    RunDialog<TIGMPMulticastVlanForm>(kIgmpCommand, IGMPMulticastVlanForm, [&](TIGMPMulticastVlanForm* d) {
        EXPECT_EQ(d->Caption(), "IGMP Snooping Multicast VLAN Table: " + Agent().Address());
        EXPECT_EQ(Vlans(d), (std::vector<std::string>{"10", "20"}));
        EXPECT_EQ(d->StaticText1->Caption(), "2");
        ASSERT_EQ(d->PageControl1->PageCount(), 4);
        EXPECT_EQ(d->PageControl1->Pages(kUntaggedSource)->Caption(), "Untagged Source Ports");
        // The add state: the type ipv4 and the address open to it; state, type and profile list shut.
        EXPECT_TRUE(d->btnAdd->Enabled());
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnDelete->Enabled());
        EXPECT_EQ(d->CBoxType->Text(), "ipv4");
        EXPECT_TRUE(d->RepalceIPEdit->Enabled());
        EXPECT_FALSE(d->CBoxState->Enabled());
        EXPECT_FALSE(d->ProfileIDListEdit->Enabled());
        ExpectPagesReadWhole(d, "no row");

        ClickListRow(d->LV_IGMPMulticastVlanEntry, 0);
        EXPECT_EQ(d->VlanIDEdit->Text(), "10");
        EXPECT_FALSE(d->VlanIDEdit->Enabled());
        EXPECT_EQ(d->RepalceIPEdit->Text(), "192.168.1.1");
        EXPECT_TRUE(d->RepalceIPEdit->Enabled());
        EXPECT_TRUE(d->CBoxState->Enabled());
        EXPECT_EQ(d->ProfileIDListEdit->Text(), "1,2");
        EXPECT_TRUE(Port(d, kMember, 3)->Checked());
        EXPECT_TRUE(d->btnSet->Enabled());
        EXPECT_FALSE(d->btnAdd->Enabled());
        ExpectPagesReadWhole(d, "row chosen");

        // A row of unknown type shuts the address; choosing a type opens it.
        ClickListRow(d->LV_IGMPMulticastVlanEntry, 1);
        EXPECT_EQ(d->CBoxType->Text(), "unknown");
        EXPECT_FALSE(d->RepalceIPEdit->Enabled());
        ChooseOption(d->CBoxType, "ipv4");
        EXPECT_TRUE(d->RepalceIPEdit->Enabled());
        ClickControl(d->btnGet);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_TRUE(d->VlanIDEdit->Enabled());
        EXPECT_EQ(d->VlanIDEdit->Text(), "");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MulticastVlanSim, AddCreatesTheRowWithoutPortListsStateOrType) {
    const struct {
        const char* Name;
        std::vector<std::pair<Page, int>> Ticked;
        bool Warns;
    } cases[] = {
        {"no port", {}, false},
        {"member ports", {{kMember, 1}, {kTagged, 2}}, false},
        {"both source pages", {{kSource, 1}, {kUntaggedSource, 2}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Agent().LoadScenario(MulticastScenario());
        RunDialog<TIGMPMulticastVlanForm>(
            kIgmpCommand, IGMPMulticastVlanForm, [&](TIGMPMulticastVlanForm* d) {
                TypeText(d->VlanIDEdit, "100");
                for (const auto& [page, port] : c.Ticked) {
                    Port(d, page, port)->SetChecked(true);
                }
                if (c.Warns) {
                    Dialogs.Expect(kConflict);
                }
                ClickControl(d->btnAdd);
                EXPECT_EQ(Dialogs.Pending(), 0);
                ASSERT_TRUE(WaitForSets(1));
                ASSERT_TRUE(WaitIdle(d->Table));
                EXPECT_EQ(SetPdus(),
                          (std::vector<std::vector<SimVarBind>>{{{kIgmp + ".11.100", SimValue::Int(2)},
                                                                 {kIgmp + ".13.100", SimValue::Int(4)}}}));
                EXPECT_EQ(Vlans(d), (std::vector<std::string>{"10", "20", "100"}));
                EXPECT_TRUE(d->btnAdd->Enabled());
                EXPECT_EQ(d->VlanIDEdit->Text(), "");
            });
        EXPECT_EQ(Agent().Value(kIgmp + ".13.100"), SimValue::Int(1));
    }
}

TEST_F(MulticastVlanSim, SetWritesTheRowAsActiveAsIpv4WithTheAddressInDecimalAndNoEmptyName) {
    RunDialog<TIGMPMulticastVlanForm>(kIgmpCommand, IGMPMulticastVlanForm, [&](TIGMPMulticastVlanForm* d) {
        ClickListRow(d->LV_IGMPMulticastVlanEntry, 0);
        d->VlanNameEdit->SetText("");
        Port(d, kMember, 1)->SetChecked(true);
        Port(d, kMember, 2)->SetChecked(true);
        d->RepalceIPEdit->SetText("1.2.3.010"); // 10, not octal 8
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{
                                 {kIgmp + ".3.10", Hex("8000000000000000")},
                                 {kIgmp + ".4.10", Hex("E000000000000000")},
                                 {kIgmp + ".5.10", Hex("0000000000000000")},
                                 {kIgmp + ".6.10", Hex("0000000000000000")},
                                 {kIgmp + ".7.10", SimValue::Int(1)},
                                 {kIgmp + ".8.10", SimValue::Int(1)},
                                 {kIgmp + ".9.10", Hex("0102030A")},
                                 {kIgmp + ".10.10", SimValue::Int(3)},
                                 {kIgmp + ".11.10", SimValue::Int(1)},
                                 {kIgmp + ".12.10", SimValue::Octets("1,2")},
                                 {kIgmp + ".13.10", SimValue::Int(1)},
                                 {kIgmp + ".16.10", SimValue::Int(0)},
                             }}));
        EXPECT_FALSE(d->btnSet->Enabled());
        EXPECT_TRUE(d->VlanIDEdit->Enabled());
    });
    EXPECT_EQ(Agent().Value(kIgmp + ".2.10"), SimValue::Octets("mv10"));
}

TEST_F(MulticastVlanSim, SetWritesTheTypeAsIpv4AndAnEmptyProfileList) {
    RunDialog<TIGMPMulticastVlanForm>(kIgmpCommand, IGMPMulticastVlanForm, [&](TIGMPMulticastVlanForm* d) {
        ClickListRow(d->LV_IGMPMulticastVlanEntry, 1); // type unknown, no address, empty profile list
        ClickControl(d->btnSet);
        ASSERT_TRUE(WaitForSets(1));
        const std::vector<SimVarBind> pdu = SetPdus().at(0);
        const auto valueOf = [&](const std::string& oid) -> std::optional<SimValue> {
            for (const SimVarBind& b : pdu) {
                if (b.Oid == oid) {
                    return b.Value;
                }
            }
            return std::nullopt;
        };
        EXPECT_EQ(valueOf(kIgmp + ".8.20"), SimValue::Int(1));
        EXPECT_EQ(valueOf(kIgmp + ".12.20"), SimValue::Octets(""));
        EXPECT_EQ(valueOf(kIgmp + ".9.20"), std::nullopt);
        EXPECT_EQ(valueOf(kIgmp + ".2.20"), SimValue::Octets("mv20"));
    });
}

TEST_F(MulticastVlanSim, AnAddressThatIsNoDottedQuadIsRefusedWithBothTextsAndNothingIsSent) {
    const char* const refused[] = {"192.168.1", ".1.2.3",   "1..2.3",     "1.2.3.4.",
                                   "1.2.3.256", "1.2.3.00", "1.2.3.0004", "1.2.3.4x"};
    RunDialog<TIGMPMulticastVlanForm>(kIgmpCommand, IGMPMulticastVlanForm, [&](TIGMPMulticastVlanForm* d) {
        // Set checks as Add does.
        ClickListRow(d->LV_IGMPMulticastVlanEntry, 0);
        d->RepalceIPEdit->SetText("1.2.3.0004");
        Dialogs.Expect(kQuad);
        Dialogs.Expect(kNotValid);
        ClickControl(d->btnSet);
        EXPECT_EQ(Dialogs.Pending(), 0);
        ClickControl(d->btnGet);
        ASSERT_TRUE(WaitIdle(d->Table));

        Dialogs.Expect("Multicast VLAN ID need to input.");
        ClickControl(d->btnAdd);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(d->VlanIDEdit->Focused());
        TypeText(d->VlanIDEdit, "100");
        for (const char* text : refused) {
            SCOPED_TRACE(text);
            d->RepalceIPEdit->SetText(text);
            Dialogs.Expect(kQuad);
            Dialogs.Expect(kNotValid);
            ClickControl(d->btnAdd);
            EXPECT_EQ(Dialogs.Pending(), 0);
            EXPECT_TRUE(d->RepalceIPEdit->Focused());
        }
        EXPECT_TRUE(d->Table.DataComplete);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

TEST_F(MulticastVlanSim, DeleteSendsRowStatusDestroyAloneAndTheRowIsGone) {
    RunDialog<TIGMPMulticastVlanForm>(kIgmpCommand, IGMPMulticastVlanForm, [&](TIGMPMulticastVlanForm* d) {
        ClickListRow(d->LV_IGMPMulticastVlanEntry, 1);
        ClickControl(d->btnDelete);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kIgmp + ".13.20", SimValue::Int(6)}}}));
        EXPECT_EQ(Vlans(d), (std::vector<std::string>{"10"}));
        EXPECT_EQ(d->StaticText1->Caption(), "1");
    });
    EXPECT_FALSE(Agent().Value(kIgmp + ".2.20").has_value());
}

TEST_F(MulticastVlanSim, CloseWaitsForTheFirstReadAndAFailedOneSaysWhyAndLetsItClose) {
    Agent().SetDelay(kIgmp, 100, SimOp::Next);
    RunDialog<TIGMPMulticastVlanForm>(kIgmpCommand, IGMPMulticastVlanForm,
                                      [&](TIGMPMulticastVlanForm* d) {
                                          EXPECT_FALSE(d->Table.DataComplete);
                                          Dialogs.Expect("Get data not complete");
                                          ClickControl(d->btnClose);
                                          Application->ProcessMessages();
                                          EXPECT_EQ(d->ModalResult(), mrNone);
                                          ASSERT_TRUE(WaitIdle(d->Table));
                                      },
                                      {}, {.WaitFirstRead = false});
    Agent().SetDelay(kIgmp, 0, SimOp::Next);
    Agent().InjectError(kIgmp, "genErr", SimOp::Next);
    RunDialog<TIGMPMulticastVlanForm>(kIgmpCommand, IGMPMulticastVlanForm,
                                      [&](TIGMPMulticastVlanForm* d) {
                                          ASSERT_TRUE(WaitIdle(d->Table));
                                          const std::string status = StatusPanelOf(d->StatusBar1)->Text();
                                          EXPECT_NE(status.find(MessageOfCode(-105)), std::string::npos)
                                              << status;
                                          ClickControl(d->btnClose);
                                          EXPECT_NE(d->ModalResult(), mrNone);
                                      },
                                      {}, {.WaitFirstRead = false});
}

TEST_F(MulticastVlanSim, MldWritesTypeIpv6AnyAddressTextAndItsOwnProfileRules) {
    const struct {
        const char* Address;
        const char* Octets;
    } cases[] = {{"FE800000000000000000000000000002", "FE800000000000000000000000000002"},
                 {"10.0.0.1", "0A000001"}};
    RunDialog<TmldMulticastVlanForm>(kMldCommand, mldMulticastVlanForm, [&](TmldMulticastVlanForm* d) {
        EXPECT_EQ(d->Caption(), "MLD Snooping Multicast VLAN Table: " + Agent().Address());
        EXPECT_EQ(d->CBoxType->Text(), "ipv6");
        ExpectPagesReadWhole(d, "no row");
        ClickListRow(d->LV_IGMPMulticastVlanEntry, 0);
        EXPECT_EQ(d->RepalceIPEdit->Text(), "FE800000000000000000000000000001"); // 16 octets as 32 digits
        ExpectPagesReadWhole(d, "row chosen");
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Address);
            Agent().ClearSetLog();
            ClickListRow(d->LV_IGMPMulticastVlanEntry, 0);
            d->RepalceIPEdit->SetText(c.Address);
            d->ProfileIDListEdit->SetText(""); // left out by Set
            ClickControl(d->btnSet);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitIdle(d->Table));
            const std::vector<SimVarBind> pdu = SetPdus().at(0);
            EXPECT_EQ(pdu.size(), 12u); // the row without its profile list
            EXPECT_NE(std::find(pdu.begin(), pdu.end(), SimVarBind{kMld + ".8.30", SimValue::Int(2)}),
                      pdu.end());
            EXPECT_NE(std::find(pdu.begin(), pdu.end(), SimVarBind{kMld + ".9.30", Hex(c.Octets)}),
                      pdu.end());
            for (const SimVarBind& b : pdu) {
                EXPECT_NE(b.Oid, kMld + ".12.30");
            }
        }
        // Add writes the empty profile list and warns of nothing; a reset leaves the replace priority
        // as the last row showed it.
        Agent().ClearSetLog();
        TypeText(d->VlanIDEdit, "50");
        Port(d, kSource, 1)->SetChecked(true);
        Port(d, kUntaggedSource, 2)->SetChecked(true);
        ClickControl(d->btnAdd);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (std::vector<std::vector<SimVarBind>>{{{kMld + ".11.50", SimValue::Int(1)},
                                                                    {kMld + ".12.50", SimValue::Octets("")},
                                                                    {kMld + ".13.50", SimValue::Int(4)}}}));
    });
}

} // namespace multicast_vlan_form_unit_test
