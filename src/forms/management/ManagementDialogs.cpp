#include "ManagementDialogs.h"

#include "DialogClassRegistrar.h"

void RegisterManagementDialogs(DialogClassRegistrar& /*registry*/) {}
