#include "SecurityDialogs.h"

#include "AAASrvCtrlFormUnit.h"
#include "ACCTMethodListFormUnit.h"
#include "ARPSpoofingPreventMgmtFormUnit.h"
#include "DialogClassRegistrar.h"
#include "FilterAllNodePermitFormUnit.h"
#include "FilterDHCPv6PermitFormUnit.h"
#include "GuestVlanFormUnit.h"
#include "IMPBUploadDownloadUnit.h"
#include "IPMACBindingIPv6FormUnit.h"
#include "IpMacBindBlockedFormUnitUnit.h"
#include "LoginMethodListFormUnit.h"
#include "MBAControlFormUnit.h"
#include "MacStatisticTableFormUnit.h"
#include "MultpAuthGuestVlanFormUnit.h"
#include "PortSecurityGlobalSettingsFormUnit.h"
#include "PortSecurityVLANOnPortFormUnit.h"
#include "PortSecurityVLANTableFormUnit.h"
#include "RPCPortMapperFormUnit.h"
#include "SSLManagementFormUnit.h"
#include "SafeguardCtrlFormUnit.h"
#include "ServerGroupFormUnit.h"
#include "ServerInformationFormUnit.h"
#include "TrafficForwardUnit1.h"

void RegisterSecurityDialogs(DialogClassRegistrar& registry) {
    // The login and enable commands keep the dialog in no instance pointer.
    registry.Register("TLoginMethodListForm", [](TComponent* owner, int kind) -> TForm* {
        return CreateForm<TLoginMethodListForm>(owner, kind);
    });
    registry.Register("TACCTMethodListForm", ACCTMethodListForm);
    registry.Register("TServerInformationForm", ServerInformationForm);
    registry.Register("TServerGroupForm", ServerGroupForm);
    registry.Register("TAAASrvCtrlForm", AAASrvCtrlForm);
    registry.Register("TGuestVlanForm", GuestVlanForm);
    registry.Register("TMacStatisticTableForm", MacStatisticTableForm);
    registry.Register("TMBAControlForm", MBAControlForm);
    registry.Register("TMultpAuthGuestVlanForm", MultpAuthGuestVlanForm);
    registry.Register("TSSLManagementForm", SSLManagementForm);
    registry.Register("TRPCPortMapperForm", RPCPortMapperForm);
    registry.Register("TARPSpoofingPreventMgmtForm", ARPSpoofingPreventMgmtForm);
    registry.Register("TIPMACBindingForm", IPMACBindingForm);
    registry.Register("TIPMACBindingIPv6Form", IPMACBindingIPv6Form);
    registry.Register("TIpMacBindBlockedForm", IpMacBindBlockedForm);
    registry.Register("TSafeguardCtrlForm", SafeguardCtrlForm);
    registry.Register("TPortSecurityGlobalSettingsForm", PortSecurityGlobalSettingsForm);
    registry.Register("TPortSecurityVLANOnPortForm", PortSecurityVLANOnPortForm);
    registry.Register("TPortSecurityVLANTableForm", PortSecurityVLANTableForm);
    // The traffic segmentation command keeps the dialog in no instance pointer.
    registry.Register("TTrafficSegmentationForm", [](TComponent* owner, int) -> TForm* {
        return CreateForm<TTrafficSegmentationForm>(owner);
    });
    registry.Register("TIMPBUplaodDownloadForm", IMPBUplaodDownloadForm);
    // The DHCP offer permit command keeps the dialog in no instance pointer.
    registry.Register("TFilterDHCPPermitForm", [](TComponent* owner, int) -> TForm* {
        return CreateForm<TFilterDHCPPermitForm>(owner);
    });
    registry.Register("TFilterDHCPv6PermitForm", FilterDHCPv6PermitForm);
    registry.Register("TFilterAllNodePermitForm", FilterAllNodePermitForm);
}
