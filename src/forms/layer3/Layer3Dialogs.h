// The dedicated dialogs of the Layer 3 menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterLayer3Dialogs(DialogClassRegistrar& registry);
