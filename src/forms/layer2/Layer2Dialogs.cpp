#include "Layer2Dialogs.h"

#include "Aggregatorporttableformunit.h"
#include "DialogClassRegistrar.h"
#include "ERPSSubRingFormUnit.h"
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
#include "MulticastFilterInformationFormUnit.h"
#include "MulticastFilterProfileFormUnit.h"
#include "MulticastForwardingInformationFormUnit.h"
#include "NLBMulticastFDBFormUnit.h"
#include "NLBUnicastFDBFormUnit.h"
#include "PorttrunkUnit.h"
#include "PrivateVLANFormUnit.h"
#include "ProtocolVLANGroupFormUnit.h"
#include "SecondaryVlanFormUnit.h"
#include "SurveillanceVLANGlobalFormUnit.h"
#include "TpGroupDestinationForwardedFormUnit.h"
#include "Tpbridgeportcounter.h"
#include "UnicastFilterInformationFormUnit.h"
#include "VLanCurrentTableFormUnit.h"
#include "VLanPortInfomationFormUnit.h"
#include "VlanStaticFormUnit.h"
#include "VoiceVLANGlobalFormUnit.h"
#include "mldMulticastVlanFormUnit.h"

void RegisterLayer2Dialogs(DialogClassRegistrar& registry) {
    registry.Register("TVlanStaticForm", VlanStaticForm);
    registry.Register("TVLanCurrentTableForm", VLanCurrentTableForm);
    registry.Register("TVLanPortInfomationForm", VLanPortInfomationForm);
    registry.Register("TTpBridgePortInfo_Table", TpBridgePortInfo_Table);
    registry.Register("TMulticastForwardingInformationForm", MulticastForwardingInformationForm);
    registry.Register("TTpGroupDestinationForwardedForm", TpGroupDestinationForwardedForm);
    registry.Register("TIGMPMulticastVlanForm", IGMPMulticastVlanForm);
    registry.Register("TmldMulticastVlanForm", mldMulticastVlanForm);
    registry.Register("TIGMPSnoopingStaticGroupForm", IGMPSnoopingStaticGroupForm);
    registry.Register("TUnicastFilterInformationForm", UnicastFilterInformationForm);
    registry.Register("TMulticastFilterInformationForm", MulticastFilterInformationForm);
    registry.Register("TNLBMulticastFDBForm", NLBMulticastFDBForm);
    registry.Register("TNLBUnicastFDBForm", NLBUnicastFDBForm);
    registry.Register("TIGMPRouterPortsForm", IGMPRouterPortsForm);
    registry.Register("TIGMPSnoopingDataDrivenLearingGroupForm", IGMPSnoopingDataDrivenLearingGroupForm);
    registry.Register("TIGMPSnoopingForwardingForm", IGMPSnoopingForwardingForm);
    registry.Register("TIGMPSnoopingGroupForm", IGMPSnoopingGroupForm);
    registry.Register("TProtocolVLANGroupForm", ProtocolVLANGroupForm);
    registry.Register("TPrivateVLANForm", PrivateVLANForm);
    registry.Register("TSecondaryVlanForm", SecondaryVlanForm);
    registry.Register("TVoiceVLANGlobalForm", VoiceVLANGlobalForm);
    registry.Register("TSurveillanceVLANGlobalForm", SurveillanceVLANGlobalForm);
    registry.Register("TMLDSnoopingStaticGroupForm", MLDSnoopingStaticGroupForm);
    registry.Register("TMLDRouterProtsForm", MLDRouterProtsForm);
    registry.Register("TMLDSnoopingGroupForm", MLDSnoopingGroupForm);
    registry.Register("TMLDSnoopingForwardingTableForm", MLDSnoopingForwardingTableForm);
    registry.Register("TMLDSnoopingDataDrivenLearingGroupForm", MLDSnoopingDataDrivenLearingGroupForm);
    // The port trunk command keeps the dialog in no instance pointer.
    registry.Register("TPortTrunkForm",
                      [](TComponent* owner, int) -> TForm* { return CreateForm<TPortTrunkForm>(owner); });
    registry.Register("TAggregatorPortTableForm", AggregatorPortTableForm);
    registry.Register("TIGMPSnoopingProxyUpstreamInterfaceForm", IGMPSnoopingProxyUpstreamInterfaceForm);
    registry.Register("TMLDSnoopingProxyUpstreamInterfaceForm", MLDSnoopingProxyUpstreamInterfaceForm);
    registry.Register("TMcastProxyGroupForm", McastProxyGroupForm);
    registry.Register("TERPSSubRingForm", ERPSSubRingForm);
    registry.Register("TMulticastFilterProfileForm", MulticastFilterProfileForm);
}
