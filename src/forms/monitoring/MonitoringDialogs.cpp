#include "MonitoringDialogs.h"

#include "DialogClassRegistrar.h"
#include "EquipmentBasicInfoFormUnit.h"
#include "Mirrorgroupformunit.h"
#include "PortMirror.h"
#include "ProbeBasicInformationFormUnit.h"
#include "RSPANFFormUnit.h"

void RegisterMonitoringDialogs(DialogClassRegistrar& registry) {
    registry.Register("TProbeBasicInformationForm", ProbeBasicInformationForm);
    // The port mirror command keeps the dialog in no instance pointer.
    registry.Register("TPortMirrorForm",
                      [](TComponent* owner, int) -> TForm* { return CreateForm<TPortMirrorForm>(owner); });
    registry.Register("TMirrorGroupForm", MirrorGroupForm);
    registry.Register("TRSPANForm", RSPANForm);
    registry.Register("TEquipmentBasicInfoForm", EquipmentBasicInfoForm);
}
