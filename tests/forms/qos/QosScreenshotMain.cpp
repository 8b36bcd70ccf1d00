// Writes pictures of the QoS menu's dialogs, filled from the simulated switch, to look at how they
// lay out: the queue bandwidth table (a queue without a minimum chosen) and the GARP timers (port
// 3 chosen).
//   bash scripts/with-display.sh build/test/tests/forms/qos/qos_screenshots DIR
// writes DIR/queue-bandwidth.png and garp-timers.png.
// Not a test: nothing here is checked automatically.
#include "COSBrandctrltable.h"
#include "DedicatedScreenshotStage.h"
#include "GARPFormUnit.h"
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
    return PicturesExitStatus();
}
