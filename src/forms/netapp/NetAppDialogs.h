// The dedicated dialogs of the Network Application menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterNetAppDialogs(DialogClassRegistrar& registry);
