// What the four CPU interface filtering rule editors share, as a table over them: their menu
// commands, no Stop button with the buttons below it closed up, and the caption check.
#include "AclScenarios.h"
#include "CPUFilterEthernetRuleUnit.h"
#include "CPUFilterIPRuleUnit.h"
#include "CPUFilterIPV6RuleUnit.h"
#include "CPUFilterPktCntRuleUnit.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "FormsSimTest.h"
#include "TButton.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cpu_filter_rule_editors_test {

namespace {

using Form = TAclRuleForm;

struct Editor {
    const char* Class;
    const char* Command;
    const char* Title;
    const char* Scenario;
    int Width;
    int Height;
};
const Editor kEditors[] = {
    {"TCPUFilterEthernetRuleForm", "EthernetRuleCPUFilter1Click",
     "Ethernet Rule (CPU Interface Filtering): ", kCpuEthernetRuleScenario, 721, 577},
    {"TCPUFilterIPRuleForm", "IPRuleCPUFilter1Click",
     "IPv4 Rule (CPU Interface Filtering): ", kCpuIpRuleScenario, 831, 669},
    {"TCPUFilterIPV6RuleForm", "IPv6RuleCPUFilter1Click",
     "IPv6 Rule (CPU Interface Filtering): ", kCpuIpv6RuleScenario, 697, 539},
    {"TCPUFilterPktCntRuleForm", "PacketContentRuleCPUFilter1Click",
     "Packet Content Rule (CPU Interface Filtering): ", kCpuPktCntRuleScenario, 721, 563},
};

class CpuFilterRuleEditors : public FormsSimTest {
protected:
    void Run(const Editor& e, const std::function<void(Form*)>& test) {
        Agent().LoadScenario(e.Scenario);
        const std::string name = e.Class;
        if (name == "TCPUFilterEthernetRuleForm") {
            RunDialog<TCPUFilterEthernetRuleForm>(e.Command, CPUFilterEthernetRuleForm, test);
        } else if (name == "TCPUFilterIPRuleForm") {
            RunDialog<TCPUFilterIPRuleForm>(e.Command, CPUFilterIPRuleForm, test);
        } else if (name == "TCPUFilterIPV6RuleForm") {
            RunDialog<TCPUFilterIPV6RuleForm>(e.Command, CPUFilterIPV6RuleForm, test);
        } else {
            RunDialog<TCPUFilterPktCntRuleForm>(e.Command, CPUFilterPktCntRuleForm, test);
        }
    }
};

} // namespace

TEST_F(CpuFilterRuleEditors, TheMenuCommandsOpenThemWithoutStopAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.Class);
        EXPECT_EQ(std::find(missing.begin(), missing.end(), e.Class), missing.end());
        Run(e, [&](Form* d) {
            EXPECT_EQ(d->Caption(), e.Title + Agent().Address());
            EXPECT_EQ(d->Width(), e.Width);
            EXPECT_EQ(d->Height(), e.Height);
            EXPECT_GE(d->ListView1->Items().Count(), 1);
            EXPECT_FALSE(d->StopButton->Visible());
            EXPECT_EQ(d->CheckButton->Top(), d->StopButton->Top());
            EXPECT_EQ(d->PermitComboBox->Text(), "permit"); // the start selection
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            EXPECT_TRUE(d->EditButton->Enabled());
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
        EXPECT_TRUE(Agent().SetLog().empty());
    }
}

} // namespace cpu_filter_rule_editors_test
