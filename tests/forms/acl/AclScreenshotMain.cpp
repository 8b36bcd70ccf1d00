// Writes pictures of the ACL editors filled from the simulated switch, to look at how they lay
// out: the IPv4 rule editor with a rule selected, and the IPv4 profile editor with a profile
// selected.
//   xvfb-run -a ./acl_screenshots DIR
// writes DIR/acl-ipv4-rule.png and acl-ipv4-profile.png. Not a test: nothing here is checked
// automatically.
#include "AclScenarios.h"
#include "IPProfileFormUnit.h"
#include "IPProfileRuleUnit.h"
#include "MainUnit.h"
#include "SimScreenshots.h"
#include "TApplication.h"
#include "TListView.h"
#include "UnitTableRows.h"

#include <QApplication>
#include <QDir>
#include <memory>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    Application->Initialize(argc, argv);
    Application->SetTitle("ZQS-4410-Series");
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    SimAgent agent;
    agent.LoadScenario(kIpRuleScenario);
    ScreenshotSession session(agent);
    DeviceAddress = agent.Address();
    SysObjectId = "1.3.6.1.4.1.746.10.117.2.1";
    StackMode = "disabled";
    FirmwareMode = "KC";
    // The unit table the port picker reads: one stand-alone 24RA.
    std::unique_ptr<TForm> holder(CreateForm<TForm>(nullptr));
    auto* units = new TListView(holder.get());
    FillUnitTable(units, {{"1", "ZQS-4410-24RA", "master"}});
    UnitList = units;
    UnitCount = 1;

    IPProfileRuleForm = CreateForm<TIPProfileRuleForm>(Application);
    IPProfileRuleForm->SetCaption("ACL IPv4 Rule: " + DeviceAddress);
    SetModalHook([&](TForm* form) {
        TIPProfileRuleForm* d = IPProfileRuleForm;
        Application->WaitUntil([d] { return d->DataComplete && !d->Table.Request->Busy; }, 10000);
        d->ListView1->SetSelected(d->ListView1->Items()[0]);
        d->ListView1Click(nullptr);
        GrabForm(form, dir + "/acl-ipv4-rule.png");
        form->Close();
    });
    IPProfileRuleForm->ShowModal();
    delete IPProfileRuleForm;
    IPProfileRuleForm = nullptr;

    agent.LoadScenario(kIpProfileScenario);
    IPProfileForm = CreateForm<TIPProfileForm>(Application);
    IPProfileForm->SetCaption("ACL IPv4 Profile: " + DeviceAddress);
    SetModalHook([&](TForm* form) {
        TIPProfileForm* d = IPProfileForm;
        d->ListView1->SetSelected(d->ListView1->Items()[1]);
        d->ListView1Click(nullptr);
        GrabForm(form, dir + "/acl-ipv4-profile.png");
        form->Close();
    });
    IPProfileForm->ShowModal();
    SetModalHook(nullptr);
    delete IPProfileForm;
    IPProfileForm = nullptr;

    UnitList = nullptr;
    Application->DestroyForms();
    return 0;
}
