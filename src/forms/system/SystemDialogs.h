// The dedicated dialogs of the System menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterSystemDialogs(DialogClassRegistrar& registry);
