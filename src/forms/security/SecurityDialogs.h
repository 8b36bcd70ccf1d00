// The dedicated dialogs of the Security menu this library builds.
#pragma once

class DialogClassRegistrar;

void RegisterSecurityDialogs(DialogClassRegistrar& registry);
