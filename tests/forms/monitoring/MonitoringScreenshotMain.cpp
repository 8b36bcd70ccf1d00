// Writes pictures of the Monitoring menu's dialogs, filled from the simulated switch, to look at
// how they lay out: the RMON probe's basic information.
//   bash scripts/with-display.sh build/test/tests/forms/monitoring/monitoring_screenshots DIR
// writes DIR/probe-basic-information.png.
// Not a test: nothing here is checked automatically.
#include "DedicatedScreenshotStage.h"
#include "ProbeBasicInformationFormUnit.h"
#include "ProbeScenario.h"

#include <string>

int main(int argc, char** argv) {
    const std::string scenario = probe_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    ShootDialog<TProbeBasicInformationForm>(
        ProbeBasicInformationForm, "Probe Basic Information: ", stage.Dir + "/probe-basic-information.png",
        [](TProbeBasicInformationForm*) {});
    return PicturesExitStatus();
}
