// Writes pictures of the dedicated dialogs built on the kit, filled from the simulated switch, to
// look at how they lay out: the static VLAN table with a VLAN selected, the current VLAN table with
// a VLAN selected, the VLAN port information with a port selected, the forward-unregistered table
// with VLAN 1 selected (its static ports shown), the learned multicast groups with the first
// selected, the IP interface table and its edit dialog for one interface.
//   bash scripts/with-display.sh build/test/tests/forms/kit/dedicated_screenshots DIR
// writes DIR/vlan-static.png, vlan-current.png, vlan-port-information.png, multicast-forwarding.png,
// tp-group-forwarded.png, ip-control.png and ip-control-edit.png. Not a test: nothing here is
// checked automatically.
#include "BridgeScenario.h"
#include "DedicatedScreenshotStage.h"
#include "IPCtrlEdtFormUnit.h"
#include "IpCtrlFormUnit.h"
#include "MulticastForwardingInformationFormUnit.h"
#include "TPageControl.h"
#include "TpGroupDestinationForwardedFormUnit.h"
#include "VLanCurrentTableFormUnit.h"
#include "VLanPortInfomationFormUnit.h"
#include "VlanStaticFormUnit.h"

#include <functional>
#include <string>

namespace {

const char* const kScenarioHead = R"({
  "firmware": "KC",
  "objects": [["1.3.6.1.2.1.17.7.1.4.4.0", "int", 4], ["1.3.6.1.2.1.17.7.1.4.1.0", "counter", 2]],
  "tables": [
    {"entry": "1.3.6.1.2.1.17.7.1.4.2.1",
     "columns": [[3, "gauge"], [4, "hex"], [5, "hex"], [6, "int"], [7, "timeticks"]],
     "rows": [["0.1", 1, "FFFFF0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
               "FFFFF0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000", 2, 0],
              ["0.2", 2, "00000FC00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
               "00000F000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000", 2, 0],
              ["0.3", 3, "0000003F0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
               "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000", 3, 1200]]},
    {"entry": "1.3.6.1.2.1.17.7.1.4.3.1",
     "columns": [[1, "string", "rw", ""], [2, "hex", "rw"], [3, "hex", "rw"], [4, "hex", "rw"], [5, "rowstatus"]],
     "rows": [["1", "default", "FFFFF00000000000", "0000000000000000", "FFFFF00000000000", 1],
              ["2", "sales", "00000FC000000000", "0000000000000000", "00000F0000000000", 1],
              ["3", "voice", "0000003F00000000", "00000000C0000000", "0000000000000000", 1]]},
    {"entry": "1.3.6.1.4.1.746.11.117.2.1.3.2.1.3.1",
     "columns": [[2, "int"], [3, "ip", "rw"], [4, "ip", "rw"], [5, "string", "rw"], [6, "int", "rw"],
       [7, "int", "rw"], [8, "int", "rw"], [9, "int", "rw"], [10, "int", "rw"], [12, "int", "rw"], [14, "hex"],
       [15, "int"], [16, "rowstatus"], [17, "int", "rw"], [18, "int", "rw"], [20, "int", "rw"], [21, "int", "rw"],
       [22, "int", "rw"], [23, "string", "rw"], [28, "int", "rw"], [29, "int", "rw"], [30, "int", "rw"]],
     "rows": [["6.83.121.115.116.101.109", 1, "10.90.90.90", "255.0.0.0", "default", 2, 2, 1, 1, 1, 1,
               "FE800000000000000201020304050607", 64, 1, 2, 2, 2, 2, 2, "", 2, 2, 2],
              ["5.115.97.108.101.115", 2, "192.168.20.1", "255.255.255.0", "sales", 1, 2, 1, 1, 1, 2,
               "00000000000000000000000000000000", 0, 1, 3, 2, 2, 1, 1, "sales-gw", 2, 2, 2]]},
    )";

// The tables above and the bridge tables.
std::string Scenario() {
    return std::string(kScenarioHead) + BridgeTables() + "]}";
}

void Select(TListView* list, int row) {
    list->SetSelected(list->Items()[row]);
}

} // namespace

int main(int argc, char** argv) {
    DedicatedScreenshotStage stage(argc, argv, Scenario().c_str());
    const QString& dir = stage.Dir;

    ShootDialog<TVlanStaticForm>(VlanStaticForm, "802.1Q Static VLAN Table: ", dir + "/vlan-static.png",
                                 [](TVlanStaticForm* d) {
                                     Select(d->LV_dot1qVlanStaticEntry, 1);
                                     d->LV_dot1qVlanStaticEntryClick(nullptr);
                                 });
    ShootDialog<TVLanCurrentTableForm>(VLanCurrentTableForm,
                                       "802.1Q Current VLAN Table: ", dir + "/vlan-current.png",
                                       [](TVLanCurrentTableForm* d) {
                                           WaitRead(d->Deletes);
                                           Select(d->LV_dot1qVlanCurrentEntry, 1);
                                       });
    ShootDialog<TVLanPortInfomationForm>(
        VLanPortInfomationForm, "802.1Q VLAN Port Information Table: ", dir + "/vlan-port-information.png",
        [](TVLanPortInfomationForm* d) { Select(d->LV_dot1qPortVlanEntry, 4); });
    ShootDialog<TMulticastForwardingInformationForm>(
        MulticastForwardingInformationForm,
        "Multicast Forwarding Information: ", dir + "/multicast-forwarding.png",
        [](TMulticastForwardingInformationForm* d) {
            Select(d->LV_dot1qForwardUnregisteredEntry, 0);
            d->PageControl1->SetActivePageIndex(1);
        });
    ShootDialog<TTpGroupDestinationForwardedForm>(
        TpGroupDestinationForwardedForm, "Tp Group Destination Forwarded: ", dir + "/tp-group-forwarded.png",
        [](TTpGroupDestinationForwardedForm* d) { Select(d->LV_dot1qTpGroupEntry, 0); });

    IpCtrlForm = CreateForm<TIpCtrlForm>(Application);
    IpCtrlForm->SetCaption("IP Control Table: " + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == IPCtrlEdtForm) {
            GrabForm(form, dir + "/ip-control-edit.png");
            form->Close();
            return;
        }
        WaitRead(IpCtrlForm->Table);
        GrabForm(form, dir + "/ip-control.png");
        IpCtrlForm->ListView1->SetSelected(IpCtrlForm->ListView1->Items()[1]);
        IpCtrlForm->OpenEditDialog();
        form->Close();
    });
    IpCtrlForm->ShowModal();
    delete IpCtrlForm;
    IpCtrlForm = nullptr;

    return PicturesExitStatus();
}
