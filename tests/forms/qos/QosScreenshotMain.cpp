// Writes pictures of the QoS menu's dialogs, filled from the simulated switch, to look at how they
// lay out: the queue bandwidth table (a queue without a minimum chosen), the GARP timers (port 3
// chosen), the 802.1p basic configuration and the port capabilities.
//   bash scripts/with-display.sh build/test/tests/forms/qos/qos_screenshots DIR
// writes DIR/queue-bandwidth.png, garp-timers.png, pbridge-config.png and port-capabilities.png.
// Not a test: nothing here is checked automatically.
#include "COSBrandctrltable.h"
#include "DedicatedScreenshotStage.h"
#include "GARPFormUnit.h"
#include "PBridgeConfigFormUnit.h"
#include "PortCapabilities8021dFormUnit.h"
#include "QosScenario.h"
#include "TListView.h"

#include <string>

int main(int argc, char** argv) {
    const std::string scenario = qos_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;
    ShootDialog<TCoSBrandwidthctrlForm>(
        CoSBrandwidthctrlForm, "Queue Bandwidth Control Settings: ", dir + "/queue-bandwidth.png",
        [](TCoSBrandwidthctrlForm* d) { d->ListView1->SetSelected(d->ListView1->Items()[2]); });
    ShootDialog<TGARPForm>(GARPForm, "802.1p GARP Timer: ", dir + "/garp-timers.png", [](TGARPForm* d) {
        d->LV_dot1dPortGarpEntry->SetSelected(d->LV_dot1dPortGarpEntry->Items()[2]);
    });
    ShootDialog<TPBridgeConfigForm>(PBridgeConfigForm,
                                    "802.1p Basic Configuration: ", dir + "/pbridge-config.png",
                                    [](TPBridgeConfigForm*) {});
    ShootDialog<TPortCapabilities8021dForm>(PortCapabilities8021dForm,
                                            "802.1p Port Capability Table: ", dir + "/port-capabilities.png",
                                            [](TPortCapabilities8021dForm*) {});
    return PicturesExitStatus();
}
