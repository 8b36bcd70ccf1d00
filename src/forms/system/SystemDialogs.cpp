#include "SystemDialogs.h"

#include "DialogClassRegistrar.h"

void RegisterSystemDialogs(DialogClassRegistrar& /*registry*/) {}
