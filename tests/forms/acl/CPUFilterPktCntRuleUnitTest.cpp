#include "CPUFilterPktCntRuleUnit.h"

#include "AclScenarios.h"
#include "FormsSimTest.h"
#include "StackingPortUitFormUnit.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

namespace cpu_filter_pkt_cnt_rule_unit_test {

namespace {

using Form = TCPUFilterPktCntRuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;
constexpr const char* kCommand = "PacketContentRuleCPUFilter1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.5.3.1";

class CpuPktCntRuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kCpuPktCntRuleScenario);
    }
};

} // namespace

// Only the third window ticked: that window's 16 octets, Permit, Row Status 4 and the port list.
TEST_F(CpuPktCntRuleSim, AddSendsTheTickedWindowAlone) {
    RunDialog<Form>(kCommand, CPUFilterPktCntRuleForm, [&](Form* d) {
        d->ProfileIDEdit->SetText("2");
        d->AccessEdit->SetText("5");
        for (TEdit* window :
             {d->PayloadOff1Edit, d->PayloadOff2Edit, d->PayloadOff4Edit, d->PayloadOff5Edit}) {
            window->SetText("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
        }
        d->cbxPayloadOff3->SetChecked(true);
        d->PayloadOff3Edit->SetText("00112233445566778899AABBCCDDEEFF");
        d->cbxPermit->SetChecked(true);
        d->PortPicker->PortBoxes.at(2)->SetChecked(true);
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitForSets(1));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{kEntry + ".5.2.5", {"4x", "00112233445566778899AABBCCDDEEFF"}},
                                    {kEntry + ".8.2.5", SimValue::Int(2)},
                                    {kEntry + ".9.2.5", SimValue::Int(4)},
                                    {kEntry + ".10.2.5", {"4x", "2000000000000000"}}}}));
    });
}

TEST_F(CpuPktCntRuleSim, AnEmptyTickedWindowIsRefused) {
    RunDialog<Form>(kCommand, CPUFilterPktCntRuleForm, [&](Form* d) {
        d->ProfileIDEdit->SetText("2");
        d->AccessEdit->SetText("5");
        d->cbxPayloadOff2->SetChecked(true);
        Dialogs.Expect("Some check field is empty");
        ClickControl(d->AddButton);
        EXPECT_EQ(Dialogs.Pending(), 0);
        EXPECT_TRUE(d->PayloadOff2Edit->Focused());
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace cpu_filter_pkt_cnt_rule_unit_test
