// The dedicated dialogs of the Monitoring menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterMonitoringDialogs(DialogClassRegistrar& registry);
