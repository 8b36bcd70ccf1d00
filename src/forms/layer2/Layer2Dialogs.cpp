#include "Layer2Dialogs.h"

#include "DialogClassRegistrar.h"
#include "MulticastForwardingInformationFormUnit.h"
#include "TpGroupDestinationForwardedFormUnit.h"
#include "Tpbridgeportcounter.h"
#include "VLanCurrentTableFormUnit.h"
#include "VLanPortInfomationFormUnit.h"
#include "VlanStaticFormUnit.h"

void RegisterLayer2Dialogs(DialogClassRegistrar& registry) {
    registry.Register("TVlanStaticForm", VlanStaticForm);
    registry.Register("TVLanCurrentTableForm", VLanCurrentTableForm);
    registry.Register("TVLanPortInfomationForm", VLanPortInfomationForm);
    registry.Register("TTpBridgePortInfo_Table", TpBridgePortInfo_Table);
    registry.Register("TMulticastForwardingInformationForm", MulticastForwardingInformationForm);
    registry.Register("TTpGroupDestinationForwardedForm", TpGroupDestinationForwardedForm);
}
