#include "EgressACLEthernetRuleFormUnit.h"

#include "AclScenarios.h"
#include "FormsSimTest.h"
#include "RuleEditorTesting.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <gtest/gtest.h>

namespace egress_acl_ethernet_rule_form_unit_test {

namespace {

using Form = TEgrssEthernetProfileRuleForm;
constexpr const char* kCommand = "EthernetRule1Click";

class EgressEthernetRuleSim : public FormsSimTest {
protected:
    void SetUp() override {
        FormsSimTest::SetUp();
        Agent().LoadScenario(kEgressEthernetRuleScenario);
    }
    static void ClickAway(Form* d) {
        d->ListView1->SetSelected(nullptr);
        d->ListView1Click(nullptr);
    }
    // A rule that passes: profile 2, access 5, the source MAC, Permit "permit", port 7.
    static void FillNewRule(Form* d) {
        d->MaskIDEdit->SetText("2");
        d->AccessEdit->SetText("5");
        d->cbxSource->SetChecked(true);
        d->SourceMACEdit->SetText("001122334455");
        d->cbxPermit->SetChecked(true);
        ChooseOption(d->PermitComboBox, "permit");
        d->PortChkBox->SetChecked(true);
        d->PortEdit->SetText("7");
    }
};

} // namespace

// The refusals of Add with their exact texts; none sends anything. No target is required.
TEST_F(EgressEthernetRuleSim, AddRefusesEmptyFieldsBadAddressesAndNumbersOutOfRange) {
    const auto permitting = [](Form* d) {
        ChooseOption(d->EnablePriorityComboBox, "enabled");
        ChooseOption(d->EnableReplaceDSCPComboBox, "enabled");
    };
    const RuleRefusal<Form> cases[] = {
        {"no profile", [](Form* d) { d->MaskIDEdit->SetText(""); }, "Profile ID must be set."},
        {"no access ID", [](Form* d) { d->AccessEdit->SetText(""); }, "Access ID must be set."},
        {"duplicate keys",
         [](Form* d) {
             d->MaskIDEdit->SetText("2");
             d->AccessEdit->SetText("3");
         },
         "Has already a record with the same Profile ID and Access ID. Please change eithor of them."},
        {"permit unticked", [](Form* d) { d->cbxPermit->SetChecked(false); },
         "'Permit' option must be checked."},
        {"empty VLAN ID under VLAN",
         [](Form* d) {
             d->RuleVLANcbx->SetChecked(true);
             d->cbxVID->SetChecked(true);
         },
         "Some check field is empty."},
        {"empty source MAC", [](Form* d) { d->SourceMACEdit->SetText(""); }, "Some check field is empty."},
        {"an empty port", [](Form* d) { d->PortEdit->SetText(""); }, "Some check field is empty."},
        {"malformed source MAC", [](Form* d) { d->SourceMACEdit->SetText("0011223344"); },
         "Please enter a valid MAC address!"},
        {"empty source MAC mask", [](Form* d) { d->cbxMaskSource->SetChecked(true); },
         "Please enter a valid MAC Address"},
        {"priority above 7",
         [&](Form* d) {
             permitting(d);
             d->cbxPriority->SetChecked(true);
             d->PriorityEdit->SetText("8");
         },
         "Priority value should between 0-7"},
        {"DSCP value above 63",
         [&](Form* d) {
             permitting(d);
             d->cbxEnableDSCPValue->SetChecked(true);
             d->DSCPEdit->SetText("64");
         },
         "Replace DSCP Value should between 0-63"},
        {"port above 384", [](Form* d) { d->PortEdit->SetText("385"); }, "Port should between 1-384"},
        {"port group above 64",
         [](Form* d) {
             d->PortChkBox->SetChecked(false);
             d->cbxPortGroup->SetChecked(true);
             d->PortGroupEdit->SetText("65");
         },
         "Port Group should between 1-64"},
        {"VLAN-based VID 0",
         [](Form* d) {
             d->PortChkBox->SetChecked(false);
             d->VLANBaseChkBox->SetChecked(true);
             d->VLANBasedVIDEdit->SetText("0");
         },
         "VLAN-based VID should between 1-4094"},
    };
    RunDialog<Form>(kCommand, EgrssEthernetProfileRuleForm, [&](Form* d) {
        ExpectRuleRefusals<Form>(
            Dialogs, d, ClickAway, [](Form* f) { FillNewRule(f); }, cases);
    });
    EXPECT_TRUE(Agent().SetLog().empty());
}

} // namespace egress_acl_ethernet_rule_form_unit_test
