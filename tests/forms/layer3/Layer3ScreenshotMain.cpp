// Writes pictures of the Layer 3 dialogs, filled from the simulated switch, to look at how they lay
// out: the IPv4 and IPv6 route tables with a route selected and each add dialog with a route typed
// in; the DNS relay static table with an entry selected and its add dialog with one typed in; the
// MD5 key table with a key selected and its add and edit dialogs; the IPv4 and IPv6 route
// redistribution tables and the policy route table, each with a row selected; the PIM register
// timers and SSM settings.
//   bash scripts/with-display.sh build/test/tests/forms/layer3/layer3_screenshots DIR
// writes DIR/ip-static-route.png, ip-static-route-add.png, ipv6-static-route.png,
// ipv6-static-route-add.png, dns-relay-static.png, dns-relay-static-add.png, md5-keys.png,
// md5-keys-add.png, md5-keys-edit.png, route-redistribution.png, ipv6-route-redistribution.png and
// policy-route.png, pim-timers.png and pim-ssm.png. Not a test: nothing here is checked
// automatically.
#include "DNSCtrlAddUnit.h"
#include "DNSCtrlUnit.h"
#include "DedicatedScreenshotStage.h"
#include "IPStaticRouteUnit.h"
#include "IPv6RouteResUnit.h"
#include "IpStaticRouteEditUnit.h"
#include "Ipv6StaticRouteEditUnit.h"
#include "Ipv6StaticRouteUnit.h"
#include "MD5InformationEditUnit.h"
#include "MD5InformationUnit.h"
#include "MainFormFixture.h"
#include "PIMSSMSettingsUnit.h"
#include "PIMmgmtInformUnit.h"
#include "PimScenario.h"
#include "PolicyRouteUnit.h"
#include "RedistributionScenario.h"
#include "RelayKeyScenario.h"
#include "RouteRedistributUnit.h"
#include "RouteScenario.h"
#include "TComboBox.h"
#include "TEdit.h"

#include <string>

int main(int argc, char** argv) {
    const std::string scenario = route_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;

    IpStaticRouteForm = CreateForm<TIpStaticRouteForm>(Application);
    IpStaticRouteForm->SetCaption("IP Static Route Table: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == IpStaticRouteEditForm) {
            IpStaticRouteEditForm->DesEdit->SetText("10.0.0.0");
            IpStaticRouteEditForm->MaskEdit->SetText("255.0.0.0");
            IpStaticRouteEditForm->NextHopEdit->SetText("192.168.1.254");
            IpStaticRouteEditForm->BakeupComboBox->SetItemIndex(0);
            IpStaticRouteEditForm->MetricEdit->SetText("5");
            GrabForm(form, dir + "/ip-static-route-add.png");
            form->Close();
            return;
        }
        WaitRead(IpStaticRouteForm->Table);
        IpStaticRouteForm->ListView1->SetSelected(IpStaticRouteForm->ListView1->Items()[1]);
        GrabForm(form, dir + "/ip-static-route.png");
        IpStaticRouteForm->AddButtonClick(nullptr);
        form->Close();
    });
    IpStaticRouteForm->ShowModal();
    delete IpStaticRouteForm;
    IpStaticRouteForm = nullptr;

    Ipv6StaticRouteForm = CreateForm<TIpv6StaticRouteForm>(Application);
    Ipv6StaticRouteForm->SetCaption("IPv6 Static Route Table: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == Ipv6StaticRouteEditForm) {
            Ipv6StaticRouteEditForm->edtDst->SetText("20010DB8000100000000000000000000");
            Ipv6StaticRouteEditForm->edtPrefix->SetText("48");
            Ipv6StaticRouteEditForm->edtInterface->SetText("System");
            Ipv6StaticRouteEditForm->edtNextHop->SetText("FE800000000000000000000000000003");
            Ipv6StaticRouteEditForm->edtMetric->SetText("20");
            GrabForm(form, dir + "/ipv6-static-route-add.png");
            form->Close();
            return;
        }
        WaitRead(Ipv6StaticRouteForm->Table);
        Ipv6StaticRouteForm->ListView1->SetSelected(Ipv6StaticRouteForm->ListView1->Items()[1]);
        GrabForm(form, dir + "/ipv6-static-route.png");
        Ipv6StaticRouteForm->btnAddClick(nullptr);
        form->Close();
    });
    Ipv6StaticRouteForm->ShowModal();
    delete Ipv6StaticRouteForm;
    Ipv6StaticRouteForm = nullptr;

    stage.Agent->LoadScenario(relay_key_scenario::Scenario());
    DNSCtrlForm = CreateForm<TDNSCtrlForm>(Application);
    DNSCtrlForm->SetCaption("DNS Relay Static Settings: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == DNSCtrlAddForm) {
            DNSCtrlAddForm->edtName->SetText("mail.example.com");
            DNSCtrlAddForm->edtIP->SetText("10.9.8.7");
            GrabForm(form, dir + "/dns-relay-static-add.png");
            form->Close();
            return;
        }
        WaitRead(DNSCtrlForm->Table);
        DNSCtrlForm->ListView1->SetSelected(DNSCtrlForm->ListView1->Items()[0]);
        GrabForm(form, dir + "/dns-relay-static.png");
        DNSCtrlForm->btnAddClick(nullptr);
        form->Close();
    });
    DNSCtrlForm->ShowModal();
    delete DNSCtrlForm;
    DNSCtrlForm = nullptr;

    MD5InformationForm = CreateForm<TMD5InformationForm>(Application);
    MD5InformationForm->SetCaption("MD5 Information Table: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == MD5InformationEditForm) {
            const bool add = MD5InformationEditForm->Mode == TMD5InformationEditForm::kAddMode;
            if (add) {
                MD5InformationEditForm->EditKeyID->SetText("7");
                MD5InformationEditForm->KeyEdit->SetText("newkey");
            }
            GrabForm(form, dir + (add ? "/md5-keys-add.png" : "/md5-keys-edit.png"));
            form->Close();
            return;
        }
        WaitRead(MD5InformationForm->Table);
        MD5InformationForm->btnAddClick(nullptr);
        MD5InformationForm->ListView1->SetSelected(MD5InformationForm->ListView1->Items()[1]);
        GrabForm(form, dir + "/md5-keys.png");
        MD5InformationForm->btnEditClick(nullptr);
        form->Close();
    });
    MD5InformationForm->ShowModal();
    delete MD5InformationForm;
    MD5InformationForm = nullptr;

    // The redistribution dialogs read the sysObjectID through the main window.
    stage.Agent->LoadScenario(redistribution_scenario::Scenario());
    ProgramArguments() = MainWindowArguments(*stage.Agent);
    CreateForm<TMainForm>(Application);
    ShootDialog<TRouteRedistributForm>(
        RouteRedistributForm, "Route Redistribution Table: ", dir + "/route-redistribution.png",
        [](TRouteRedistributForm* d) { d->ListView1->SetSelected(d->ListView1->Items()[0]); });
    ShootDialog<TIPv6RouteResForm>(
        IPv6RouteResForm, "IPv6 Route Redistribution Table: ", dir + "/ipv6-route-redistribution.png",
        [](TIPv6RouteResForm* d) { d->ListView1->SetSelected(d->ListView1->Items()[0]); });
    ShootDialog<TPolicyRouteForm>(
        PolicyRouteForm, "Policy Route Table: ", dir + "/policy-route.png",
        [](TPolicyRouteForm* d) { d->ListView1->SetSelected(d->ListView1->Items()[1]); });

    stage.Agent->LoadScenario(pim_scenario::Scenario());
    ShootDialog<TPIMmgmtInform>(PIMmgmtInform, "PIM Information Settings: ", dir + "/pim-timers.png",
                                [](TPIMmgmtInform*) {});
    ShootDialog<TPIMSSMSettingsForm>(PIMSSMSettingsForm,
                                     "PIM SSM Management Information Settings: ", dir + "/pim-ssm.png",
                                     [](TPIMSSMSettingsForm*) {});

    return PicturesExitStatus();
}
