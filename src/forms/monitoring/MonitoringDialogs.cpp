#include "MonitoringDialogs.h"

#include "DialogClassRegistrar.h"

void RegisterMonitoringDialogs(DialogClassRegistrar& /*registry*/) {}
