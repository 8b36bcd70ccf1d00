#include "DedicatedDialogs.h"

#include "AclDialogs.h"
#include "DDMDialogs.h"
#include "DedicatedDialogRegistry.h"
#include "Layer2Dialogs.h"
#include "Layer3Dialogs.h"
#include "MenuEntry.h"
#include "SecurityDialogs.h"

void RegisterDedicatedDialogs(DedicatedDialogRegistry& registry) {
    RegisterLayer2Dialogs(registry);
    RegisterLayer3Dialogs(registry);
    RegisterAclDialogs(registry);
    RegisterSecurityDialogs(registry);
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
