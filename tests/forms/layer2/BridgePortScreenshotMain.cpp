// Writes pictures of the bridge port counter monitor, filled from the simulated switch's step
// counters after a baseline and a dozen samples taken a second apart: its counter table and its
// traffic chart.
//   bash scripts/with-display.sh build/test/tests/forms/layer2/bridge_port_screenshots DIR
// writes DIR/bridge-port-counters.png and DIR/bridge-port-traffic.png. Not a test: nothing here is
// checked automatically.
#include "BridgePortScenario.h"
#include "DedicatedScreenshotStage.h"
#include "TPageControl.h"
#include "TTimer.h"
#include "Tpbridgeportcounter.h"
#include "UiTesting.h"

#include <chrono>

namespace {

constexpr int kSamples = 13; // the baseline, then enough to label every point of the ten

} // namespace

int main(int argc, char** argv) {
    DedicatedScreenshotStage stage(argc, argv, kBridgePortScenario);
    const QString& dir = stage.Dir;
    TTimer::SetManualTimers(true);
    FakeClock clock;
    clock.SetWallClock(std::chrono::system_clock::now());

    TpBridgePortInfo_Table = CreateForm<TTpBridgePortInfo_Table>(Application);
    TTpBridgePortInfo_Table* const d = TpBridgePortInfo_Table;
    d->SetCaption("Transparent Bridge Port Counters: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        const auto idle = [d] { return d->PortListRequest && !d->PortListRequest->Busy; };
        if (Application->WaitUntil(idle, 10000) && d->CounterRequest) {
            for (int i = 0; i < kSamples; ++i) {
                clock.Advance(1000);
                TTimer::FireTimers();
                Application->WaitUntil([d] { return !d->CounterRequest->Busy; }, 10000);
            }
        }
        GrabForm(form, dir + "/bridge-port-counters.png");
        d->PageControl1->SetActivePageIndex(1);
        GrabForm(form, dir + "/bridge-port-traffic.png");
        form->Close();
    });
    d->ShowModal();
    delete d;
    TpBridgePortInfo_Table = nullptr;
    return PicturesExitStatus();
}
