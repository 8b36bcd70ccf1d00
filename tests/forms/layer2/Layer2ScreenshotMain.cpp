// Writes pictures of the static filtering and NLB forwarding dialogs, filled from the simulated
// switch, to look at how they lay out: each with its first entry chosen.
//   bash scripts/with-display.sh build/test/tests/forms/layer2/layer2_screenshots DIR
// writes DIR/unicast-filter.png, multicast-filter.png, nlb-multicast-fdb.png and
// nlb-unicast-fdb.png. Not a test: nothing here is checked automatically.
#include "DedicatedScreenshotStage.h"
#include "MacEntryScenario.h"
#include "MulticastFilterInformationFormUnit.h"
#include "NLBMulticastFDBFormUnit.h"
#include "NLBUnicastFDBFormUnit.h"
#include "UnicastFilterInformationFormUnit.h"

namespace {

void ChooseFirst(TMacPortEntryForm* d) {
    d->Table.List->SetSelected(d->Table.List->Items()[0]);
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = MacEntryScenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;
    ShootDialog<TUnicastFilterInformationForm>(
        UnicastFilterInformationForm,
        "802.1Q Unicast Filter Information Table: ", dir + "/unicast-filter.png", ChooseFirst);
    ShootDialog<TMulticastFilterInformationForm>(
        MulticastFilterInformationForm,
        "802.1Q Multicast Filter Information Table: ", dir + "/multicast-filter.png", ChooseFirst);
    ShootDialog<TNLBMulticastFDBForm>(
        NLBMulticastFDBForm, "NLB Multicast FDB Table: ", dir + "/nlb-multicast-fdb.png", ChooseFirst);
    ShootDialog<TNLBUnicastFDBForm>(NLBUnicastFDBForm,
                                    "NLB Unicast FDB Table: ", dir + "/nlb-unicast-fdb.png", ChooseFirst);
    return PicturesExitStatus();
}
