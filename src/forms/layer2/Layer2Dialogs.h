// The dedicated dialogs of the Layer 2 menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterLayer2Dialogs(DialogClassRegistrar& registry);
