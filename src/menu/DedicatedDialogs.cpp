#include "DedicatedDialogs.h"

#include "DDMDialogs.h"
#include "DedicatedDialogRegistry.h"
#include "IPProfileFormUnit.h"
#include "IPProfileRuleUnit.h"
#include "IpCtrlFormUnit.h"
#include "MenuEntry.h"
#include "VlanStaticFormUnit.h"

void RegisterDedicatedDialogs(DedicatedDialogRegistry& registry) {
    registry.Register("TVlanStaticForm", VlanStaticForm);
    registry.Register("TIpCtrlForm", IpCtrlForm);
    registry.Register("TIPProfileRuleForm", IPProfileRuleForm);
    registry.Register("TIPProfileForm", IPProfileForm);
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
