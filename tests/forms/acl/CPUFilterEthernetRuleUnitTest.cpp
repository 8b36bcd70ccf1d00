#include "CPUFilterEthernetRuleUnit.h"

#include "AclScenarios.h"
#include "DialogLayout.h"
#include "FormsSimTest.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TStatusBar.h"
#include "VqMessageTable.h"

#include <gtest/gtest.h>

namespace cpu_filter_ethernet_rule_unit_test {

namespace {

using Form = TCPUFilterEthernetRuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;
constexpr const char* kCommand = "EthernetRuleCPUFilter1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.5.1.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}
SimValue Hex(const std::string& hex) {
    return {"4x", hex};
}

class CpuEthernetRuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kCpuEthernetRuleScenario);
    }
    static TCheckBox* Port(Form* d, int port) {
        return d->PortPicker->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

} // namespace

TEST_F(CpuEthernetRuleSim, AddSendsTheTickedFieldsRowStatusAndThePortsInOnePdu) {
    RunDialog<Form>(kCommand, CPUFilterEthernetRuleForm, [&](Form* d) {
        d->ProfileIDEdit->SetText("2");
        d->AccessEdit->SetText("5");
        d->cbxSource->SetChecked(true);
        d->SourceMACEdit->SetText("001122334455");
        d->cbxPermit->SetChecked(true);
        ChooseOption(d->PermitComboBox, "permit");
        Port(d, 2)->SetChecked(true);
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(4, "2.5"), Hex("001122334455")},
                                    {Oid(8, "2.5"), SimValue::Int(2)},
                                    {Oid(9, "2.5"), SimValue::Int(4)},
                                    {Oid(10, "2.5"), Hex("4000000000000000")}}}));
        // List mode, reset: Permit "deny", the boxes clear.
        EXPECT_EQ(d->PermitComboBox->Text(), "deny");
        EXPECT_FALSE(d->cbxSource->Checked());
    });
    EXPECT_EQ(Agent().Value(Oid(9, "2.5")), SimValue::Int(1));
}

// An active rule with the Ethernet type and the source MAC ticked: the first SET is left without
// variables and not sent; then the Ethernet type, the port list and the source MAC, each alone.
TEST_F(CpuEthernetRuleSim, EditSendsTheEthernetTypeThePortsAndTheSourceMacEachAlone) {
    RunDialog<Form>(kCommand, CPUFilterEthernetRuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 0);
        d->cbxEtherType->SetChecked(true);
        d->EthTypeEdit->SetText("86DD");
        d->cbxSource->SetChecked(true);
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitForSets(3));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(7, "1.1"), Hex("86DD")}},
                                   {{Oid(10, "1.1"), Hex("C000000000000000")}},
                                   {{Oid(4, "1.1"), Hex("00AABBCCDDEE")}}}));
    });
    EXPECT_EQ(Agent().Value(Oid(7, "1.1")), Hex("86DD"));
}

// No guard: Refresh, Add and Edit during a slow walk run at once (Add and Edit to their checks); two
// Refreshes list each rule once.
TEST_F(CpuEthernetRuleSim, NothingIsRefusedDuringAWalkAndARefreshRestartsIt) {
    Agent().SetDelay(kEntry, 150, SimOp::Next);
    RunDialog<Form>(kCommand, CPUFilterEthernetRuleForm,
                    [&](Form* d) {
                        ASSERT_TRUE(WaitFor([d] { return d->ListView1->Items().Count() >= 1; }, 10000));
                        ClickControl(d->GetButton);
                        ClickControl(d->GetButton);
                        Dialogs.Expect("Profile ID must be set.");
                        ClickControl(d->AddButton);
                        Dialogs.Expect("Profile ID must be set.");
                        d->EditButtonClick(nullptr);
                        EXPECT_EQ(Dialogs.Pending(), 0);
                        ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
                        EXPECT_EQ(d->ListView1->Items().Count(), 3);
                    },
                    {}, {.WaitFirstRead = false});
    EXPECT_TRUE(Agent().SetLog().empty());
}

// A switch that does not answer: the read's failure in status panel 0.
TEST_F(CpuEthernetRuleSim, AFailedReadIsShownInTheStatusLine) {
    RunDialog<Form>(kCommand, CPUFilterEthernetRuleForm, [&](Form* d) {
        d->Table.Request->Request.Timeout = 20;
        Agent().DropReplies(kEntry, SimOp::Next);
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitFor([d] { return !d->Table.Request->Busy; }, 10000));
        EXPECT_NE(StatusPanelOf(d->StatusBar1)->Text().find(MessageOfCode(-405)), std::string::npos)
            << StatusPanelOf(d->StatusBar1)->Text();
        Agent().ClearInjections();
    });
}

TEST_F(CpuEthernetRuleSim, AddRefusalsShowTheirTextsAndSendNothing) {
    const struct {
        const char* Name;
        std::function<void(Form*)> Spoil;
        const char* Message;
    } cases[] = {
        {"an empty ticked 802.1p", [](Form* d) { d->IEEE8021pEdit->SetText(""); },
         "Some check field is empty"},
        {"802.1p above 7", [](Form* d) { d->IEEE8021pEdit->SetText("8"); },
         "Pleased enter a nubmer between 0 and 7."},
        {"permit unticked", [](Form* d) { d->cbxPermit->SetChecked(false); },
         "Permit option must be checked."},
        {"no port", [](Form* d) { Port(d, 2)->SetChecked(false); }, "You must choose at least 1 port!"},
    };
    RunDialog<Form>(kCommand, CPUFilterEthernetRuleForm, [&](Form* d) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Name);
            d->ResetFields();
            FocusControl(d->ListView1); // the last refusal's field, emptied, is left before the next

            d->ProfileIDEdit->SetText("2");
            d->AccessEdit->SetText("5");
            d->cbxIEEE802dot1P->SetChecked(true);
            d->IEEE8021pEdit->SetText("3");
            d->cbxPermit->SetChecked(true);
            Port(d, 2)->SetChecked(true);
            c.Spoil(d);
            Dialogs.Expect(c.Message);
            ClickControl(d->AddButton);
            EXPECT_EQ(Dialogs.Pending(), 0);
        }
        d->ResetFields();
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace cpu_filter_ethernet_rule_unit_test
