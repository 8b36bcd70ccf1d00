// The dedicated dialogs of the OAM menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterOamDialogs(DialogClassRegistrar& registry);
