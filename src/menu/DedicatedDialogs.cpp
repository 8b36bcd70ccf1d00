#include "DedicatedDialogs.h"

#include "AclDialogs.h"
#include "DDMDialogs.h"
#include "DedicatedDialogRegistry.h"
#include "Layer2Dialogs.h"
#include "Layer3Dialogs.h"
#include "ManagementDialogs.h"
#include "MenuEntry.h"
#include "MonitoringDialogs.h"
#include "NetAppDialogs.h"
#include "OamDialogs.h"
#include "QosDialogs.h"
#include "SecurityDialogs.h"
#include "SystemDialogs.h"

void RegisterDedicatedDialogs(DedicatedDialogRegistry& registry) {
    RegisterLayer2Dialogs(registry);
    RegisterLayer3Dialogs(registry);
    RegisterAclDialogs(registry);
    RegisterSecurityDialogs(registry);
    RegisterSystemDialogs(registry);
    RegisterQosDialogs(registry);
    RegisterMonitoringDialogs(registry);
    RegisterManagementDialogs(registry);
    RegisterNetAppDialogs(registry);
    RegisterOamDialogs(registry);
    registry.RegisterDdmBuilder(DdmBuilderName(DdmBuilder::ShowDDMInformationSettings),
                                ShowDDMInformationSettings);
    registry.RegisterDdmBuilder(DdmBuilderName(DdmBuilder::ShowDDMStatusTable), ShowDDMStatusTable);
    registry.RegisterDdmBuilder(DdmBuilderName(DdmBuilder::ShowDDMThresholdManagementTable),
                                ShowDDMThresholdManagementTable);
    registry.RegisterDdmBuilder(DdmBuilderName(DdmBuilder::ShowDDMPortManagementTable),
                                ShowDDMPortManagementTable);
}

DedicatedDialogRegistry& ProgramDialogs() {
    static DedicatedDialogRegistry registry = [] {
        DedicatedDialogRegistry filled;
        RegisterDedicatedDialogs(filled);
        return filled;
    }();
    return registry;
}
