// Writes pictures of the ACL editors filled from the simulated switch, to look at how they lay
// out at their designed sizes: the IPv4 rule editor with a rule selected on a switch of 48 ports
// (four rows of port boxes in the picker), and the profile editors with a profile selected.
//   bash scripts/with-display.sh build/test/tests/forms/acl/acl_screenshots DIR
// writes DIR/acl-ipv4-rule.png, acl-ipv4-profile.png, acl-ethernet-profile.png,
// acl-egress-ethernet-profile.png, acl-ipv6-profile.png, acl-egress-ipv6-profile.png,
// acl-egress-ipv4-profile.png, and acl-ethernet-rule.png and acl-ipv6-rule.png with a permitting
// rule selected, acl-counter.png and acl-egress-counter.png (a rule chosen), the four IP-MAC
// binding views acl-ibp-*.png (a row chosen), acl-egress-port-group.png (a group chosen), and
// acl-packet-content-profile.png, acl-packet-content-rule.png and the egress rule editors
// acl-egress-ethernet-rule.png, acl-egress-ipv4-rule.png and acl-egress-ipv6-rule.png, and the CPU
// filtering rule editors acl-cpu-*-rule.png (a row chosen).
// Not a test: nothing here is checked automatically.
#include "ACLCounterUnit.h"
#include "AclScenarios.h"
#include "CPUFilterEthernetRuleUnit.h"
#include "CPUFilterIPRuleUnit.h"
#include "CPUFilterIPV6RuleUnit.h"
#include "CPUFilterPktCntRuleUnit.h"
#include "DedicatedScreenshotStage.h"
#include "EgressACLCounterUnit.h"
#include "EgressACLEthernetRuleFormUnit.h"
#include "EgressACLIPV4RuleFormUnit.h"
#include "EgressACLPortGroupFormUnit.h"
#include "EgressEthernetProfileFormUnit.h"
#include "EgressIPv4ProfileFormUnit.h"
#include "EgressIPv6ProfileFormUnit.h"
#include "EgressIPv6RuleFormUnit.h"
#include "EthernetProfileFormUnit.h"
#include "EthernetProfileRuleUnit.h"
#include "IBPEtherMaskFormUnit.h"
#include "IBPEtherRuleFormUnit.h"
#include "IBPIPMaskFormUnit.h"
#include "IBPIPRuleFormUnit.h"
#include "IPProfileFormUnit.h"
#include "IPProfileRuleUnit.h"
#include "IPv6ProfileFormUnit.h"
#include "IPv6ProfileRuleFormUnit.h"
#include "PktContentProfileFormUnit.h"
#include "PktContentRuleFormUnit.h"
#include "TListView.h"

namespace {

// An editor over its scenario, shown with its caption and the listed row `row` selected (as a
// click selects it) once its read has ended, written to `file`.
template <class Form>
void ShootEditor(DedicatedScreenshotStage& stage, Form*& instance, const char* scenario,
                 const std::string& title, int row, const char* file) {
    stage.Agent->LoadScenario(scenario);
    ShootDialog<Form>(instance, title, stage.Dir + "/" + file, [row](Form* d) {
        d->ListView1->SetSelected(d->ListView1->Items()[row]);
        d->ListView1Click(nullptr);
    });
}

} // namespace

int main(int argc, char** argv) {
    DedicatedScreenshotStage stage(argc, argv, kIpRuleScenario);
    // A first unit of 48 ports (four rows of port boxes), not stacked: the rules' port lists are a
    // stand-alone switch's 8 octets.
    UseStackOf48And24Ports();
    WritableFacts().StackMode = "disabled";

    ShootEditor(stage, IPProfileRuleForm, kIpRuleScenario, "ACL IPv4 Rule: ", 0, "acl-ipv4-rule.png");
    ShootEditor(stage, IPProfileForm, kIpProfileScenario, "ACL IPv4 Profile: ", 1, "acl-ipv4-profile.png");
    ShootEditor(stage, EthernetProfileForm, kEthernetProfileScenario, "ACL Ethernet Profile: ", 1,
                "acl-ethernet-profile.png");
    ShootEditor(stage, EgressEthetnetProfileForm, kEgressEthernetProfileScenario,
                "Egress ACL Ethernet Profile: ", 1, "acl-egress-ethernet-profile.png");
    ShootEditor(stage, IPv6ProfileForm, kIPv6ProfileScenario, "ACL IPv6 Profile: ", 0,
                "acl-ipv6-profile.png");
    ShootEditor(stage, EgressIPv6ProfileForm, kEgressIPv6ProfileScenario, "Egress ACL IPv6 Profile: ", 0,
                "acl-egress-ipv6-profile.png");
    ShootEditor(stage, EgressIPv4ProfileForm, kEgressIPv4ProfileScenario, "Egress ACL IPv4 Profile: ", 0,
                "acl-egress-ipv4-profile.png");

    ShootEditor(stage, EthernetProfileRuleForm, kEthernetRuleScenario, "ACL Ethernet Rule: ", 0,
                "acl-ethernet-rule.png");
    ShootEditor(stage, Ipv6RuleForm, kIpv6RuleScenario, "ACL IPv6 Rule: ", 0, "acl-ipv6-rule.png");

    ShootEditor(stage, ACLCounterForm, kAclCounterScenario, "ACL Counter Table: ", 0, "acl-counter.png");
    ShootEditor(stage, EgressACLCounterForm, kAclCounterScenario, "Egress ACL Counter Table: ", 1,
                "acl-egress-counter.png");
    ShootEditor(stage, IBPACLEtherMaskForm, kIbpAclScenario, "ACL IP-MAC Binding Ethernet Mask: ", 0,
                "acl-ibp-ethernet-mask.png");
    ShootEditor(stage, IBPEtherRuleForm, kIbpAclScenario, "ACL IP-MAC Binding Ethernet Rule: ", 0,
                "acl-ibp-ethernet-rule.png");
    ShootEditor(stage, IBPIPMaskForm, kIbpAclScenario, "ACL IP-MAC Binding IP Mask: ", 0,
                "acl-ibp-ip-mask.png");
    ShootEditor(stage, IBPIPRuleForm, kIbpAclScenario, "ACL IP-MAC Binding IP Rule: ", 0,
                "acl-ibp-ip-rule.png");
    ShootEditor(stage, EgressACLPortGroupForm, kEgressPortGroupScenario, "Egress ACL Port Group: ", 0,
                "acl-egress-port-group.png");
    ShootEditor(stage, PktContentProfileForm, kPktContentProfileScenario, "ACL Packet Content Profile: ", 1,
                "acl-packet-content-profile.png");
    ShootEditor(stage, PktContentRuleForm, kPktContentRuleScenario, "ACL Packet Content Rule: ", 0,
                "acl-packet-content-rule.png");
    ShootEditor(stage, EgrssEthernetProfileRuleForm, kEgressEthernetRuleScenario,
                "Egress ACL Ethernet Rule: ", 0, "acl-egress-ethernet-rule.png");
    ShootEditor(stage, EgressIPv4RuleForm, kEgressIPv4RuleScenario, "Egress ACL IPv4 Rule: ", 0,
                "acl-egress-ipv4-rule.png");
    ShootEditor(stage, EgressIPv6RuleForm, kEgressIPv6RuleScenario, "Egress ACL IPv6 Rule: ", 0,
                "acl-egress-ipv6-rule.png");
    ShootEditor(stage, CPUFilterEthernetRuleForm, kCpuEthernetRuleScenario,
                "Ethernet Rule (CPU Interface Filtering): ", 0, "acl-cpu-ethernet-rule.png");
    ShootEditor(stage, CPUFilterIPRuleForm, kCpuIpRuleScenario, "IPv4 Rule (CPU Interface Filtering): ", 0,
                "acl-cpu-ipv4-rule.png");
    ShootEditor(stage, CPUFilterIPV6RuleForm, kCpuIpv6RuleScenario,
                "IPv6 Rule (CPU Interface Filtering): ", 0, "acl-cpu-ipv6-rule.png");
    ShootEditor(stage, CPUFilterPktCntRuleForm, kCpuPktCntRuleScenario,
                "Packet Content Rule (CPU Interface Filtering): ", 0, "acl-cpu-packet-content-rule.png");

    return PicturesExitStatus();
}
