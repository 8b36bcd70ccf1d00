// Writes pictures of the ACL editors filled from the simulated switch, to look at how they lay
// out at their designed sizes: the IPv4 rule editor with a rule selected on a stack whose first
// unit has 48 ports (its four rows of port boxes in the picker), and the IPv4 profile editor with
// a profile selected.
//   xvfb-run -a ./acl_screenshots DIR
// writes DIR/acl-ipv4-rule.png, acl-ipv4-profile.png, acl-ethernet-profile.png,
// acl-egress-ethernet-profile.png, acl-ipv6-profile.png, and acl-ethernet-rule.png and
// acl-ipv6-rule.png with a permitting rule selected. Not a test: nothing here is checked
// automatically.
#include "AclScenarios.h"
#include "DedicatedScreenshotStage.h"
#include "EgressEthernetProfileFormUnit.h"
#include "EgressIPv4ProfileFormUnit.h"
#include "EgressIPv6ProfileFormUnit.h"
#include "EthernetProfileFormUnit.h"
#include "EthernetProfileRuleUnit.h"
#include "IPProfileFormUnit.h"
#include "IPProfileRuleUnit.h"
#include "IPv6ProfileFormUnit.h"
#include "IPv6ProfileRuleFormUnit.h"
#include "TListView.h"

namespace {

// A profile editor over its scenario, shown with its caption and the listed row `row` selected,
// written to `file`.
template <class Form>
void ShootProfileEditor(DedicatedScreenshotStage& stage, Form*& instance, const char* scenario,
                        const std::string& title, int row, const char* file) {
    stage.Agent->LoadScenario(scenario);
    instance = CreateForm<Form>(Application);
    instance->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        instance->ListView1->SetSelected(instance->ListView1->Items()[row]);
        instance->ListView1Click(nullptr);
        GrabForm(form, stage.Dir + "/" + file);
        form->Close();
    });
    instance->ShowModal();
    delete instance;
    instance = nullptr;
}

// A rule editor over its scenario, shown with its caption and the first listed rule selected once
// its read has ended, written to `file`.
template <class Form>
void ShootRuleEditor(DedicatedScreenshotStage& stage, Form*& instance, const char* scenario,
                     const std::string& title, const char* file) {
    stage.Agent->LoadScenario(scenario);
    instance = CreateForm<Form>(Application);
    instance->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        Form* d = instance;
        Application->WaitUntil([d] { return d->DataComplete && !d->Table.Request->Busy; }, 10000);
        d->ListView1->SetSelected(d->ListView1->Items()[0]);
        d->ListView1Click(nullptr);
        GrabForm(form, stage.Dir + "/" + file);
        form->Close();
    });
    instance->ShowModal();
    delete instance;
    instance = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    DedicatedScreenshotStage stage(argc, argv, kIpRuleScenario);
    const QString& dir = stage.Dir;
    UseStackOf48And24Ports();

    ShootRuleEditor(stage, IPProfileRuleForm, kIpRuleScenario, "ACL IPv4 Rule: ", "acl-ipv4-rule.png");

    stage.Agent->LoadScenario(kIpProfileScenario);
    IPProfileForm = CreateForm<TIPProfileForm>(Application);
    IPProfileForm->SetCaption("ACL IPv4 Profile: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        TIPProfileForm* d = IPProfileForm;
        d->ListView1->SetSelected(d->ListView1->Items()[1]);
        d->ListView1Click(nullptr);
        GrabForm(form, dir + "/acl-ipv4-profile.png");
        form->Close();
    });
    IPProfileForm->ShowModal();
    delete IPProfileForm;
    IPProfileForm = nullptr;

    stage.Agent->LoadScenario(kEthernetProfileScenario);
    EthernetProfileForm = CreateForm<TEthernetProfileForm>(Application);
    EthernetProfileForm->SetCaption("ACL Ethernet Profile: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        TEthernetProfileForm* d = EthernetProfileForm;
        d->ListView1->SetSelected(d->ListView1->Items()[1]);
        d->ListView1Click(nullptr);
        GrabForm(form, dir + "/acl-ethernet-profile.png");
        form->Close();
    });
    EthernetProfileForm->ShowModal();
    delete EthernetProfileForm;
    EthernetProfileForm = nullptr;

    ShootProfileEditor(stage, EgressEthetnetProfileForm, kEgressEthernetProfileScenario,
                       "Egress ACL Ethernet Profile: ", 1, "acl-egress-ethernet-profile.png");
    ShootProfileEditor(stage, IPv6ProfileForm, kIPv6ProfileScenario, "ACL IPv6 Profile: ", 0,
                       "acl-ipv6-profile.png");
    ShootProfileEditor(stage, EgressIPv6ProfileForm, kEgressIPv6ProfileScenario,
                       "Egress ACL IPv6 Profile: ", 0, "acl-egress-ipv6-profile.png");
    ShootProfileEditor(stage, EgressIPv4ProfileForm, kEgressIPv4ProfileScenario,
                       "Egress ACL IPv4 Profile: ", 0, "acl-egress-ipv4-profile.png");

    // The rules' port lists are a stand-alone switch's 8 octets.
    WritableFacts().StackMode = "disabled";
    ShootRuleEditor(stage, EthernetProfileRuleForm, kEthernetRuleScenario,
                    "ACL Ethernet Rule: ", "acl-ethernet-rule.png");
    ShootRuleEditor(stage, Ipv6RuleForm, kIpv6RuleScenario, "ACL IPv6 Rule: ", "acl-ipv6-rule.png");

    return 0;
}
