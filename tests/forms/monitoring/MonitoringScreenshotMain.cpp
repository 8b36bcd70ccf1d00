// Writes pictures of the Monitoring menu's dialogs, filled from the simulated switch, to look at
// how they lay out: the RMON probe's basic information, the port mirror dialog, the mirror group
// table (group 1 chosen), the RSPAN table (VLAN 200 chosen, its redirect ports shown) and the
// stacking settings.
//   bash scripts/with-display.sh build/test/tests/forms/monitoring/monitoring_screenshots DIR
// writes DIR/probe-basic-information.png, port-mirror.png, mirror-group.png, rspan.png and
// equipment-basic-information.png.
// Not a test: nothing here is checked automatically.
#include "DedicatedScreenshotStage.h"
#include "EquipmentBasicInfoFormUnit.h"
#include "MirrorScenario.h"
#include "Mirrorgroupformunit.h"
#include "PortMirror.h"
#include "ProbeBasicInformationFormUnit.h"
#include "ProbeScenario.h"
#include "RSPANFFormUnit.h"
#include "StackingScenario.h"
#include "TListView.h"
#include "TPageControl.h"

#include <string>

int main(int argc, char** argv) {
    const std::string scenario = probe_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;
    ShootDialog<TProbeBasicInformationForm>(ProbeBasicInformationForm,
                                            "Probe Basic Information: ", dir + "/probe-basic-information.png",
                                            [](TProbeBasicInformationForm*) {});

    stage.Agent->LoadScenario(mirror_scenario::Scenario());
    ShootDialog<TPortMirrorForm>(PortMirrorForm, "Port Mirror Table: ", dir + "/port-mirror.png",
                                 [](TPortMirrorForm*) {});
    ShootDialog<TMirrorGroupForm>(
        MirrorGroupForm, "Port Mirror Group Table: ", dir + "/mirror-group.png",
        [](TMirrorGroupForm* d) { d->ListView1->SetSelected(d->ListView1->Items()[0]); });
    ShootDialog<TRSPANForm>(RSPANForm, "RSPAN Table: ", dir + "/rspan.png", [](TRSPANForm* d) {
        d->ListView1->SetSelected(d->ListView1->Items()[0]);
        d->PageControl1->SetActivePageIndex(2);
    });
    stage.Agent->LoadScenario(stacking_scenario::Scenario());
    ShootDialog<TEquipmentBasicInfoForm>(
        EquipmentBasicInfoForm, "Equipment Basic Information: ", dir + "/equipment-basic-information.png",
        [](TEquipmentBasicInfoForm*) {});
    return PicturesExitStatus();
}
