#include "MonitoringDialogs.h"

#include "DialogClassRegistrar.h"
#include "ProbeBasicInformationFormUnit.h"

void RegisterMonitoringDialogs(DialogClassRegistrar& registry) {
    registry.Register("TProbeBasicInformationForm", ProbeBasicInformationForm);
}
