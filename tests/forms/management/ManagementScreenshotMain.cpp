// Writes pictures of the Management menu's dialogs, filled from the simulated switch, to look at
// how they lay out: the IPv6 neighbour cache with a neighbour selected, and its add dialog with a
// neighbour typed in; the Telnet/web settings with the web port ticked.
//   bash scripts/with-display.sh build/test/tests/forms/management/management_screenshots DIR
// writes DIR/ipv6-neighbor-cache.png, ipv6-neighbor-cache-add.png and telnet-web.png. Not a test:
// nothing here is checked automatically.
#include "ARPIPV6ControlUnit.h"
#include "ARPIPv6ControlEditUnit.h"
#include "DedicatedScreenshotStage.h"
#include "NeighborScenario.h"
#include "TCPWEBFormUnit.h"
#include "TCheckBox.h"
#include "TEdit.h"
#include "TelnetWebScenario.h"

#include <string>

int main(int argc, char** argv) {
    const std::string scenario = neighbor_scenario::Scenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;

    ARPIPV6ControlForm = CreateForm<TARPIPV6ControlForm>(Application);
    ARPIPV6ControlForm->SetCaption("IPv6 Neighbor Cache Table: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == ARPIPv6ControlEditForm) {
            ARPIPv6ControlEditForm->edtAddress->SetText("20010DB80000000000000000000000AA");
            ARPIPv6ControlEditForm->edtMac->SetText("000A0B0C0D0E");
            ARPIPv6ControlEditForm->edtInterface->SetText("vlan7");
            GrabForm(form, dir + "/ipv6-neighbor-cache-add.png");
            form->Close();
            return;
        }
        WaitRead(ARPIPV6ControlForm->Table);
        ARPIPV6ControlForm->ListView1->SetSelected(ARPIPV6ControlForm->ListView1->Items()[1]);
        GrabForm(form, dir + "/ipv6-neighbor-cache.png");
        ARPIPV6ControlForm->btnAddClick(nullptr);
        form->Close();
    });
    ARPIPV6ControlForm->ShowModal();
    delete ARPIPV6ControlForm;
    ARPIPV6ControlForm = nullptr;

    stage.Agent->LoadScenario(telnet_web_scenario::Scenario());
    ShootDialog<TTCPWEBForm>(TCPWEBForm, "Telnet/Web Settings: ", dir + "/telnet-web.png",
                             [](TTCPWEBForm* d) { d->CheckBox4->SetChecked(true); });

    return PicturesExitStatus();
}
