// The dedicated dialogs of the Management menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterManagementDialogs(DialogClassRegistrar& registry);
