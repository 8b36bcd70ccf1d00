// Writes pictures of the static filtering and NLB forwarding dialogs, the protocol VLAN group,
// Private and secondary VLAN dialogs (each with its first row chosen), the voice and surveillance
// VLAN global settings (once their reads have ended), the port trunk table (trunk 1 chosen) and
// the 802.3ad aggregation ports (port 1 chosen, on each administrative state tab), and the STP
// global and information settings, the port state table (port 2 chosen) and its edit dialog,
// filled from the simulated switch, to look at how they lay out.
//   bash scripts/with-display.sh build/test/tests/forms/layer2/layer2_screenshots DIR
// writes DIR/unicast-filter.png, multicast-filter.png, nlb-multicast-fdb.png, nlb-unicast-fdb.png,
// protocol-vlan-group.png, private-vlan.png, secondary-vlan.png, voice-vlan-global.png,
// surveillance-vlan-global.png, port-trunk.png, aggregator-ports-actor.png,
// aggregator-ports-partner.png, stp-global.png, stp-information.png, stp-port-state.png,
// stp-port-state-edit.png and lldp-management-address.png (the first address chosen).
// Not a test: nothing here is checked automatically.
#include "Aggregatorporttableformunit.h"
#include "DedicatedScreenshotStage.h"
#include "LldpScenario.h"
#include "Lldp_management.h"
#include "MacEntryScenario.h"
#include "Mstpportstateeditformunit.h"
#include "Mstpportstateformunit.h"
#include "MulticastFilterInformationFormUnit.h"
#include "NLBMulticastFDBFormUnit.h"
#include "NLBUnicastFDBFormUnit.h"
#include "PorttrunkUnit.h"
#include "PrivateVLANFormUnit.h"
#include "ProtocolVLANGroupFormUnit.h"
#include "SecondaryVlanFormUnit.h"
#include "Spanningtreealgorithmunit.h"
#include "StpScenario.h"
#include "Stpinfo.h"
#include "SurveillanceVLANGlobalFormUnit.h"
#include "TPageControl.h"
#include "TrunkScenario.h"
#include "UnicastFilterInformationFormUnit.h"
#include "VlanFeatureScenario.h"
#include "VoiceVLANGlobalFormUnit.h"

namespace {

template <class T> void ChooseFirst(T* d) {
    d->Table.List->SetSelected(d->Table.List->Items()[0]);
}

// A dialog without a list, whose reads end before it is shown: opened as its command opens it and
// pictured as it shows.
template <class T> void ShootSettings(T*& instance, const std::string& title, const QString& file) {
    instance = CreateForm<T>(Application);
    instance->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        GrabForm(form, file);
        form->Close();
    });
    instance->ShowModal();
    delete instance;
    instance = nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const std::string scenario = MacEntryScenario();
    DedicatedScreenshotStage stage(argc, argv, scenario.c_str());
    const QString& dir = stage.Dir;
    ShootDialog<TUnicastFilterInformationForm>(
        UnicastFilterInformationForm,
        "802.1Q Unicast Filter Information Table: ", dir + "/unicast-filter.png",
        ChooseFirst<TUnicastFilterInformationForm>);
    ShootDialog<TMulticastFilterInformationForm>(
        MulticastFilterInformationForm,
        "802.1Q Multicast Filter Information Table: ", dir + "/multicast-filter.png",
        ChooseFirst<TMulticastFilterInformationForm>);
    ShootDialog<TNLBMulticastFDBForm>(NLBMulticastFDBForm,
                                      "NLB Multicast FDB Table: ", dir + "/nlb-multicast-fdb.png",
                                      ChooseFirst<TNLBMulticastFDBForm>);
    ShootDialog<TNLBUnicastFDBForm>(NLBUnicastFDBForm,
                                    "NLB Unicast FDB Table: ", dir + "/nlb-unicast-fdb.png",
                                    ChooseFirst<TNLBUnicastFDBForm>);

    // The voice VLAN enabled (its ports shown), the surveillance VLAN disabled.
    stage.Agent->LoadScenario(VlanFeatureScenario(true, false));
    WritableFacts().ModelName = "ZQS-4410-24RA";
    ShootDialog<TProtocolVLANGroupForm>(ProtocolVLANGroupForm,
                                        "Protocol VLAN Group Table: ", dir + "/protocol-vlan-group.png",
                                        ChooseFirst<TProtocolVLANGroupForm>);
    ShootDialog<TPrivateVLANForm>(PrivateVLANForm, "Private VLAN Settings: ", dir + "/private-vlan.png",
                                  ChooseFirst<TPrivateVLANForm>);
    ShootDialog<TSecondaryVlanForm>(SecondaryVlanForm,
                                    "Secondary VLAN Settings: ", dir + "/secondary-vlan.png",
                                    ChooseFirst<TSecondaryVlanForm>);
    ShootSettings<TVoiceVLANGlobalForm>(VoiceVLANGlobalForm,
                                        "Voice VLAN Global Settings: ", dir + "/voice-vlan-global.png");
    ShootSettings<TSurveillanceVLANGlobalForm>(
        SurveillanceVLANGlobalForm,
        "Surveillance VLAN Global Settings: ", dir + "/surveillance-vlan-global.png");

    // A stand-alone 24DA.
    stage.Agent->LoadScenario(TrunkScenario());
    WritableFacts().SysObjectId = k24DaSysObjectId;
    WritableFacts().ModelName = "ZQS-4410-24DA";
    TPortTrunkForm* trunks = nullptr; // its command keeps it in no instance pointer
    ShootDialog<TPortTrunkForm>(trunks, "Port Trunk Table: ", dir + "/port-trunk.png", [](TPortTrunkForm* d) {
        ChooseFirst(d);
        d->LV_PortTrunkClick(nullptr);
    });
    for (const auto& [page, file] :
         {std::pair{0, "/aggregator-ports-actor.png"}, {2, "/aggregator-ports-partner.png"}}) {
        ShootDialog<TAggregatorPortTableForm>(AggregatorPortTableForm,
                                              "802.3ad Aggregator Ports Table: ", dir + file,
                                              [page](TAggregatorPortTableForm* d) {
                                                  ChooseFirst(d);
                                                  d->PageControl1->SetActivePageIndex(page);
                                              });
    }

    // A 24RA with STP running, RSTP.
    stage.Agent->LoadScenario(StpScenario());
    WritableFacts().SysObjectId = "1.3.6.1.4.1.746.10.117.2.1";
    WritableFacts().ModelName = "ZQS-4410-24RA";
    ShootDialog<TSpanningTreeAlgorithmForm>(SpanningTreeAlgorithmForm,
                                            "STP Global Settings: ", dir + "/stp-global.png",
                                            [](TSpanningTreeAlgorithmForm*) {});
    ShootSettings<TSTP_Info>(STP_Info, "STP Information Settings: ", dir + "/stp-information.png");
    ShootDialog<TMSTPPortStateForm>(MSTPPortStateForm, "STP Port State Table: ", dir + "/stp-port-state.png",
                                    [&dir](TMSTPPortStateForm* d) {
                                        d->Table.List->SetSelected(d->Table.List->Items()[1]);
                                        // The edit dialog, pictured over the list and closed.
                                        SetModalHook([&dir](TForm* edit) {
                                            GrabForm(edit, dir + "/stp-port-state-edit.png");
                                            edit->Close();
                                        });
                                        d->btnEditClick(nullptr);
                                        d->Table.List->SetSelected(d->Table.List->Items()[0]);
                                        d->Table.List->SetSelected(d->Table.List->Items()[1]);
                                    });

    stage.Agent->LoadScenario(lldp_scenario::Scenario());
    ShootDialog<TLLDP_Management_Address>(
        LLDP_Management_Address, "LLDP Address Configuration: ", dir + "/lldp-management-address.png",
        ChooseFirst<TLLDP_Management_Address>);
    return PicturesExitStatus();
}
