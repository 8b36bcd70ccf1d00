// What the three egress ACL rule editors share, as a table over them: their menu commands, the
// typed targets a write carries, Edit and Delete, the targets ticked from a chosen rule's cells, and
// the caption check.
#include "AclScenarios.h"
#include "CaptionCheck.h"
#include "DedicatedDialogRegistry.h"
#include "DedicatedDialogs.h"
#include "EgressACLEthernetRuleFormUnit.h"
#include "EgressACLIPV4RuleFormUnit.h"
#include "EgressIPv6RuleFormUnit.h"
#include "FormsSimTest.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace egress_rule_editors_test {

namespace {

using Form = TAclRuleForm;
using Pdus = std::vector<std::vector<SimVarBind>>;

// An editor as the table sees it: its class's registered name, command, title, scenario, entry,
// designed size and the last arcs of its target columns and Row Status and Permit.
struct Editor {
    const char* Class;
    const char* Command;
    const char* Title;
    const char* Scenario;
    std::string Entry;
    int Width;
    int Height;
    int RowStatusArc;
    int VlanArc;
    int PortArc;
    int GroupArc;
    int PermitArc;
};
const Editor kEditors[] = {
    {"TEgrssEthernetProfileRuleForm", "EthernetRule1Click", "Egress ACL Ethernet Rule: ",
     kEgressEthernetRuleScenario, "1.3.6.1.4.1.746.12.89.3.1.1", 869, 603, 3, 12, 13, 14, 15},
    {"TEgressIPv4RuleForm", "IPv4Rule1Click", "Egress ACL IPv4 Rule: ", kEgressIPv4RuleScenario,
     "1.3.6.1.4.1.746.12.89.3.2.1", 915, 658, 3, 22, 23, 24, 25},
    {"TEgressIPv6RuleForm", "IPv6Rule2Click", "Egress ACL IPv6 Rule: ", kEgressIPv6RuleScenario,
     "1.3.6.1.4.1.746.12.89.3.3.1", 786, 651, 3, 16, 17, 18, 19},
};

class EgressRuleEditors : public FormsSimTest {
protected:
    // Opens the editor through its command with its scenario loaded.
    void Run(const Editor& e, const std::function<void(Form*)>& test) {
        Agent().LoadScenario(e.Scenario);
        const std::string name = e.Class;
        if (name == "TEgrssEthernetProfileRuleForm") {
            RunDialog<TEgrssEthernetProfileRuleForm>(e.Command, EgrssEthernetProfileRuleForm, test);
        } else if (name == "TEgressIPv4RuleForm") {
            RunDialog<TEgressIPv4RuleForm>(e.Command, EgressIPv4RuleForm, test);
        } else {
            RunDialog<TEgressIPv6RuleForm>(e.Command, EgressIPv6RuleForm, test);
        }
    }
    static std::string Oid(const Editor& e, int arc, const std::string& instance) {
        return e.Entry + "." + std::to_string(arc) + "." + instance;
    }
    static void ClickAway(Form* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }
};

} // namespace

TEST_F(EgressRuleEditors, TheMenuCommandsOpenThemAndEveryCaptionReadsWhole) {
    const std::vector<std::string> missing = ProgramDialogs().Missing();
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.Class);
        EXPECT_EQ(std::find(missing.begin(), missing.end(), e.Class), missing.end());
        Run(e, [&](Form* d) {
            EXPECT_EQ(d->Caption(), e.Title + Agent().Address());
            EXPECT_EQ(d->Width(), e.Width);
            EXPECT_EQ(d->Height(), e.Height);
            EXPECT_EQ(d->ListView1->Items().Count(), 3);
            EXPECT_EQ(d->PortPicker, nullptr);
            EXPECT_TRUE(CaptionsReadWhole(d));
            ClickListRow(d->ListView1, 0);
            ChooseOption(d->EnablePriorityComboBox, "enabled");
            EXPECT_TRUE(CaptionsReadWhole(d));
        });
        EXPECT_TRUE(Agent().SetLog().empty());
    }
}

// Add with the port, the port group, the VLAN-based VID or none of them ticked sends that target
// alone (or none) beside Row Status 4 and Permit.
TEST_F(EgressRuleEditors, AddSendsTheOneTickedTarget) {
    const struct {
        const char* Name;
        TCheckBox* Form::*Box;
        TEdit* Form::*Edit;
        int Value;
        int Editor::*Arc;
    } targets[] = {
        {"port 5", &Form::PortChkBox, &Form::PortEdit, 5, &Editor::PortArc},
        {"port group 3", &Form::cbxPortGroup, &Form::PortGroupEdit, 3, &Editor::GroupArc},
        {"VLAN-based VID 10", &Form::VLANBaseChkBox, &Form::VLANBasedVIDEdit, 10, &Editor::VlanArc},
        {"none", nullptr, nullptr, 0, nullptr}};
    for (const Editor& e : kEditors) {
        for (const auto& t : targets) {
            SCOPED_TRACE(std::string(e.Class) + ", " + t.Name);
            Run(e, [&](Form* d) {
                d->KeyEdits.at(0)->SetText("4");
                d->KeyEdits.at(1)->SetText("9");
                d->cbxPermit->SetChecked(true);
                if (t.Box) {
                    (d->*t.Box)->SetChecked(true);
                    (d->*t.Edit)->SetText(std::to_string(t.Value));
                }
                ClickControl(d->AddButton);
                ASSERT_TRUE(WaitForSets(1));
                ASSERT_TRUE(WaitReads(1));
                std::vector<SimVarBind> pdu = {{Oid(e, e.RowStatusArc, "4.9"), SimValue::Int(4)}};
                if (t.Box) {
                    pdu.push_back({Oid(e, e.*t.Arc, "4.9"), SimValue::Int(t.Value)});
                }
                pdu.push_back({Oid(e, e.PermitArc, "4.9"), SimValue::Int(1)});
                EXPECT_EQ(SetPdus(), Pdus{pdu});
            });
            EXPECT_EQ(Agent().Value(Oid(e, e.RowStatusArc, "4.9")), SimValue::Int(1));
        }
    }
}

// Rule 1.1 has port 5 and port group 0: "Port" ticked with 5, "Port Group (1-64)" not. Edit of the
// active rule sends Row Status 1 with the port; Delete of rule 3.1, which lacks the three target
// columns and selects without a box, sends Row Status 6 alone.
TEST_F(EgressRuleEditors, EditSendsTheActiveRowStatusAndDeleteDestroysTheRule) {
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.Class);
        Run(e, [&](Form* d) {
            ClickListRow(d->ListView1, 0);
            EXPECT_TRUE(d->PortChkBox->Checked());
            EXPECT_EQ(d->PortEdit->Text(), "5");
            EXPECT_TRUE(d->PortEdit->Enabled());
            EXPECT_FALSE(d->cbxPortGroup->Checked());
            EXPECT_FALSE(d->cbxPortGroup->Enabled());
            EXPECT_FALSE(d->VLANBaseChkBox->Checked());
            ClickControl(d->EditButton);
            ASSERT_TRUE(WaitForSets(1));
            ASSERT_TRUE(WaitReads(1));
            EXPECT_EQ(SetPdus(), (Pdus{{{Oid(e, e.RowStatusArc, "1.1"), SimValue::Int(1)},
                                        {Oid(e, e.PortArc, "1.1"), SimValue::Int(5)}}}));

            ClickAway(d);
            ClickListRow(d->ListView1, 2);
            EXPECT_FALSE(d->PortChkBox->Checked());
            EXPECT_FALSE(d->VLANBaseChkBox->Checked());
            Agent().ClearSetLog();
            ClickControl(d->DeleteButton);
            ASSERT_TRUE(WaitIdle(d->Table));
            EXPECT_EQ(SetPdus(), (Pdus{{{Oid(e, e.RowStatusArc, "3.1"), SimValue::Int(6)}}}));
            EXPECT_EQ(d->ListView1->Items().Count(), 2);
        });
        EXPECT_FALSE(Agent().Value(Oid(e, e.RowStatusArc, "3.1")).has_value());
    }
}

} // namespace egress_rule_editors_test
