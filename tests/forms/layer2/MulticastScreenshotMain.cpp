// Writes pictures of the IGMP and MLD snooping dialogs, filled from the simulated switch, to look
// at how they lay out: each with a row chosen (and, where it has several, a port page turned to).
//   bash scripts/with-display.sh build/test/tests/forms/layer2/multicast_screenshots DIR
// writes DIR/igmp-multicast-vlan.png, mld-multicast-vlan.png, igmp-static-group.png,
// igmp-router-ports.png, igmp-learning-group.png, igmp-forwarding.png, igmp-group.png,
// mld-static-group.png, mld-router-ports.png, mld-group.png, mld-forwarding.png and
// mld-learning-group.png, igmp-proxy-upstream.png, mld-proxy-upstream.png, igmp-proxy-group.png,
// mld-proxy-group.png, erps-sub-ring.png, erps-sub-ring-edit.png, filter-profile.png and
// filter-profile-edit.png. Not a test: nothing here is checked automatically.
#include "DedicatedScreenshotStage.h"
#include "DeviceFacts.h"
#include "ERPSSubRingFormUnit.h"
#include "EditSubDialog.h"
#include "IGMPMulticastVlanFormUnit.h"
#include "IGMPRouterPortsFormUnit.h"
#include "IGMPSnoopingDataDrivenLearingGroupFormUnit.h"
#include "IGMPSnoopingForwardingFormUnit.h"
#include "IGMPSnoopingGroupFormUnit.h"
#include "IGMPSnoopingProxyUpstreamInterfaceFormUnit.h"
#include "IGMPSnoopingStaticGroupFormUnit.h"
#include "MLDRouterProtsFormUnit.h"
#include "MLDSnoopingDataDrivenLearingGroupFormUnit.h"
#include "MLDSnoopingForwardingTableFormUnit.h"
#include "MLDSnoopingGroupFormUnit.h"
#include "MLDSnoopingProxyUpstreamInterfaceFormUnit.h"
#include "MLDSnoopingStaticGroupFormUnit.h"
#include "McastProxyGroupFormUnit.h"
#include "MulticastFilterProfileFormUnit.h"
#include "MulticastScenario.h"
#include "TPageControl.h"

#include "mldMulticastVlanFormUnit.h"
#include <tuple>

namespace {

void Select(TListView* list, int row) {
    list->SetSelected(list->Items()[row]);
}

// The list with a row chosen, then its edit dialog opened on it by the list's Edit.
template <class T>
void ShootListAndEdit(T*& instance, const std::string& title, const QString& list, const QString& editFile) {
    instance = CreateForm<T>(Application);
    instance->SetCaption(title + Facts().DeviceAddress);
    SetModalHook([&](TForm* form) {
        if (form == instance->EditDialog) {
            GrabForm(form, editFile);
            form->Close();
            return;
        }
        WaitRead(instance->Table);
        Select(instance->ListView1, 0);
        GrabForm(form, list);
        instance->btnEditClick(nullptr);
        form->Close();
    });
    instance->ShowModal();
    delete instance;
    instance = nullptr;
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
    ShootDialog<TIGMPRouterPortsForm>(IGMPRouterPortsForm,
                                      "IGMP Snooping Router Ports: ", dir + "/igmp-router-ports.png",
                                      [](TIGMPRouterPortsForm* d) {
                                          Select(d->ListView1, 1);
                                          d->PageControl1->SetActivePageIndex(1);
                                      });
    ShootDialog<TIGMPSnoopingDataDrivenLearingGroupForm>(
        IGMPSnoopingDataDrivenLearingGroupForm,
        "IGMP Snooping Data Driven Learning Group Table: ", dir + "/igmp-learning-group.png",
        [](TIGMPSnoopingDataDrivenLearingGroupForm* d) { Select(d->ListView1, 0); });
    ShootDialog<TIGMPSnoopingForwardingForm>(IGMPSnoopingForwardingForm,
                                             "IGMP Snooping Forwarding Table: ", dir + "/igmp-forwarding.png",
                                             [](TIGMPSnoopingForwardingForm* d) { Select(d->ListView1, 0); });
    ShootDialog<TIGMPSnoopingGroupForm>(IGMPSnoopingGroupForm,
                                        "IGMP Snooping Group Table: ", dir + "/igmp-group.png",
                                        [](TIGMPSnoopingGroupForm* d) {
                                            Select(d->ListView1, 0);
                                            d->PageControl1->SetActivePageIndex(1);
                                        });
    ShootDialog<TMLDSnoopingStaticGroupForm>(
        MLDSnoopingStaticGroupForm, "MLD Snooping Static Group Table: ", dir + "/mld-static-group.png",
        [](TMLDSnoopingStaticGroupForm* d) { Select(d->LV_MLDStaticGroupEntry, 0); });
    ShootDialog<TMLDRouterProtsForm>(MLDRouterProtsForm,
                                     "MLD Snooping Router Ports: ", dir + "/mld-router-ports.png",
                                     [](TMLDRouterProtsForm* d) {
                                         Select(d->ListView1, 1);
                                         d->PageControl1->SetActivePageIndex(1);
                                     });
    ShootDialog<TMLDSnoopingGroupForm>(MLDSnoopingGroupForm,
                                       "MLD Snooping Group Table: ", dir + "/mld-group.png",
                                       [](TMLDSnoopingGroupForm* d) { Select(d->ListView1, 0); });
    ShootDialog<TMLDSnoopingForwardingTableForm>(
        MLDSnoopingForwardingTableForm, "MLD Snooping Forwarding Table: ", dir + "/mld-forwarding.png",
        [](TMLDSnoopingForwardingTableForm* d) { Select(d->ListView1, 0); });
    ShootDialog<TMLDSnoopingDataDrivenLearingGroupForm>(
        MLDSnoopingDataDrivenLearingGroupForm,
        "MLD Snooping Data Driven Learning Group Table: ", dir + "/mld-learning-group.png",
        [](TMLDSnoopingDataDrivenLearingGroupForm* d) { Select(d->ListView1, 0); });
    ShootDialog<TIGMPSnoopingProxyUpstreamInterfaceForm>(
        IGMPSnoopingProxyUpstreamInterfaceForm,
        "IGMP Proxy Upstream Interface Table: ", dir + "/igmp-proxy-upstream.png",
        [](TIGMPSnoopingProxyUpstreamInterfaceForm* d) {
            Select(d->ListView1, 0);
            d->PageControl1->SetActivePageIndex(1);
        });
    ShootDialog<TMLDSnoopingProxyUpstreamInterfaceForm>(
        MLDSnoopingProxyUpstreamInterfaceForm,
        "MLD Proxy Upstream Interface Table: ", dir + "/mld-proxy-upstream.png",
        [](TMLDSnoopingProxyUpstreamInterfaceForm* d) { Select(d->ListView1, 0); });
    for (const auto& [version, title, file] :
         {std::tuple{1, "IGMP Proxy Group Table: ", "/igmp-proxy-group.png"},
          std::tuple{2, "MLD Proxy Group Table: ", "/mld-proxy-group.png"}}) {
        WritableFacts().MulticastIpVersion = version;
        ShootDialog<TMcastProxyGroupForm>(McastProxyGroupForm, title, dir + file,
                                          [](TMcastProxyGroupForm* d) { Select(d->ListView1, 0); });
    }
    WritableFacts().MulticastIpVersion = 1;
    ShootListAndEdit<TERPSSubRingForm>(ERPSSubRingForm, "ERPS Sub-Ring Table: ", dir + "/erps-sub-ring.png",
                                       dir + "/erps-sub-ring-edit.png");
    ShootListAndEdit<TMulticastFilterProfileForm>(
        MulticastFilterProfileForm, "Multicast Filter Profile Table: ", dir + "/filter-profile.png",
        dir + "/filter-profile-edit.png");
    return PicturesExitStatus();
}
