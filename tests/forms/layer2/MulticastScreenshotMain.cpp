// Writes pictures of the IGMP and MLD snooping dialogs, filled from the simulated switch, to look
// at how they lay out: each with a row chosen (and, where it has several, a port page turned to).
//   bash scripts/with-display.sh build/test/tests/forms/layer2/multicast_screenshots DIR
// writes DIR/igmp-multicast-vlan.png, mld-multicast-vlan.png and igmp-static-group.png. Not a test:
// nothing here is checked automatically.
#include "DedicatedScreenshotStage.h"
#include "IGMPMulticastVlanFormUnit.h"
#include "IGMPSnoopingStaticGroupFormUnit.h"
#include "MulticastScenario.h"
#include "TPageControl.h"
#include "mldMulticastVlanFormUnit.h"

namespace {

void Select(TListView* list, int row) {
    list->SetSelected(list->Items()[row]);
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = MulticastScenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;
    ShootDialog<TIGMPMulticastVlanForm>(IGMPMulticastVlanForm, "IGMP Snooping Multicast VLAN Table: ",
                                        dir + "/igmp-multicast-vlan.png", [](TIGMPMulticastVlanForm* d) {
                                            Select(d->LV_IGMPMulticastVlanEntry, 0);
                                            d->PageControl1->SetActivePageIndex(1);
                                        });
    ShootDialog<TmldMulticastVlanForm>(
        mldMulticastVlanForm, "MLD Snooping Multicast VLAN Table: ", dir + "/mld-multicast-vlan.png",
        [](TmldMulticastVlanForm* d) { Select(d->LV_IGMPMulticastVlanEntry, 0); });
    ShootDialog<TIGMPSnoopingStaticGroupForm>(
        IGMPSnoopingStaticGroupForm, "IGMP Snooping Static Group Table: ", dir + "/igmp-static-group.png",
        [](TIGMPSnoopingStaticGroupForm* d) { Select(d->LV_IGMPStaticGroupEntry, 0); });
    return PicturesExitStatus();
}
