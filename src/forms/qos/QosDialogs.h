// The dedicated dialogs of the QoS menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterQosDialogs(DialogClassRegistrar& registry);
