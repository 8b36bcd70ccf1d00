#include "CPUFilterIPRuleUnit.h"

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

#include <stdexcept>

namespace cpu_filter_ip_rule_unit_test {

namespace {

using Form = TCPUFilterIPRuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;
constexpr const char* kCommand = "IPRuleCPUFilter1Click";
const std::string kEntry = "1.3.6.1.4.1.746.12.9.5.2.1";

std::string Oid(int arc, const std::string& instance) {
    return kEntry + "." + std::to_string(arc) + "." + instance;
}

class CpuIpRuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kCpuIpRuleScenario);
    }
    static TCheckBox* Port(Form* d, int port) {
        return d->PortPicker->PortBoxes.at(static_cast<size_t>(port - 1));
    }
};

struct ProtocolFields {
    const char* Protocol;
    bool Type, Code, Ports, Flags, ProtocolId;
};
const ProtocolFields kProtocols[] = {
    {"none", false, false, false, false, false}, {"icmp", true, true, false, false, false},
    {"igmp", true, false, false, false, false},  {"tcp", false, false, true, true, false},
    {"udp", false, false, true, false, false},   {"protocolId", false, false, false, false, true},
};

void ExpectProtocolFields(Form* d, const ProtocolFields& c) {
    EXPECT_EQ(d->TypeEdit->Enabled(), c.Type);
    EXPECT_EQ(d->CodeEdit->Enabled(), c.Code);
    EXPECT_EQ(d->SourcePortEdit->Enabled(), c.Ports);
    EXPECT_EQ(d->DestPortEdit->Enabled(), c.Ports);
    EXPECT_EQ(d->FlagEdit->Enabled(), c.Flags);
    EXPECT_EQ(d->ProtocolIDEdit->Enabled(), c.ProtocolId);
    EXPECT_EQ(d->UserMaskEdit->Enabled(), c.ProtocolId);
}

} // namespace

// The protocol rule from the combo box, and from a chosen row's protocol.
TEST_F(CpuIpRuleSim, TheProtocolRuleFollowsTheComboAndTheChosenRow) {
    RunDialog<Form>(kCommand, CPUFilterIPRuleForm, [&](Form* d) {
        for (const ProtocolFields& c : kProtocols) {
            SCOPED_TRACE(c.Protocol);
            ChooseOption(d->ProtocolComboBox, c.Protocol);
            ExpectProtocolFields(d, c);
        }
        ClickListRow(d->ListView1, 0); // udp
        ExpectProtocolFields(d, kProtocols[4]);
        EXPECT_EQ(d->DestPortEdit->Text(), "53");
        ClickListRow(d->ListView1, 1); // tcp
        ExpectProtocolFields(d, kProtocols[3]);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

// The protocol is in no PDU; a successful Add's report comes in a message box.
TEST_F(CpuIpRuleSim, AddSendsNoProtocolAndItsSuccessComesInABox) {
    RunDialog<Form>(kCommand, CPUFilterIPRuleForm, [&](Form* d) {
        d->ProfileIDEdit->SetText("2");
        d->AccessEdit->SetText("5");
        ChooseOption(d->ProtocolComboBox, "tcp");
        d->cbxProtocol->SetChecked(true);
        d->cbxDestPort->SetChecked(true);
        d->DestPortEdit->SetText("443");
        d->cbxPermit->SetChecked(true);
        Port(d, 1)->SetChecked(true);
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(0));
        ClickControl(d->AddButton);
        ASSERT_TRUE(WaitFor([&] { return Dialogs.Pending() == 0; }, 10000));
        ASSERT_TRUE(WaitReads(1));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(11, "2.5"), SimValue::Int(443)},
                                    {Oid(15, "2.5"), SimValue::Int(2)}, // the start selection "permit"
                                    {Oid(16, "2.5"), SimValue::Int(4)},
                                    {Oid(17, "2.5"), {"4x", "8000000000000000"}}}}));
    });
}

TEST_F(CpuIpRuleSim, AFailedReadComesInABox) {
    RunDialog<Form>(kCommand, CPUFilterIPRuleForm, [&](Form* d) {
        Agent().InjectError(kEntry, "genErr", SimOp::Next);
        Dialogs.Expect(DialogKind::Box, kAppTitle, MessageOfCode(-105));
        ClickControl(d->GetButton);
        ASSERT_TRUE(WaitFor([&] { return Dialogs.Pending() == 0 && !d->Table.Request->Busy; }, 10000));
        Agent().ClearInjections();
    });
}

// Rule 3.1 is read back as destroy: with the hidden Row Status box ticked, Edit deletes it (Row
// Status 6 alone) and reads the table again.
TEST_F(CpuIpRuleSim, EditOfADestroyRowWithItsBoxTickedDeletesItAndReadsAgain) {
    RunDialog<Form>(kCommand, CPUFilterIPRuleForm, [&](Form* d) {
        ClickListRow(d->ListView1, 2);
        ASSERT_EQ(d->RowComboBox->Text(), "destroy");
        d->cbxRow->SetChecked(true);
        ClickControl(d->EditButton);
        ASSERT_TRUE(WaitReads(1));
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(SetPdus(), (Pdus{{{Oid(16, "3.1"), SimValue::Int(6)}}}));
        EXPECT_EQ(d->ListView1->Items().Count(), 2);
    });
}

// A Delete whose SET raises, which the request cannot report without a status target: the message
// in status panel 0.
TEST_F(CpuIpRuleSim, ADeleteThatRaisesIsShownInTheStatusLine) {
    RunDialog<Form>(kCommand, CPUFilterIPRuleForm, [&](Form* d) {
        d->Table.Request->AfterCollect.push_back(
            [](VqSNMPVarList&) { throw std::runtime_error("the rule could not be deleted"); });
        ClickListRow(d->ListView1, 0);
        ClickControl(d->DeleteButton);
        ASSERT_TRUE(WaitIdle(d->Table));
        EXPECT_EQ(StatusPanelOf(d->StatusBar1)->Text(), "the rule could not be deleted");
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace cpu_filter_ip_rule_unit_test
