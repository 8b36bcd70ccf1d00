// Writes pictures of the static route dialogs, filled from the simulated switch, to look at how
// they lay out: the IPv4 and IPv6 route tables with a route selected, and each add dialog with a
// route typed in.
//   bash scripts/with-display.sh build/test/tests/forms/layer3/route_screenshots DIR
// writes DIR/ip-static-route.png, ip-static-route-add.png, ipv6-static-route.png and
// ipv6-static-route-add.png. Not a test: nothing here is checked automatically.
#include "DedicatedScreenshotStage.h"
#include "IPStaticRouteUnit.h"
#include "IpStaticRouteEditUnit.h"
#include "Ipv6StaticRouteEditUnit.h"
#include "Ipv6StaticRouteUnit.h"
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

    return PicturesExitStatus();
}
