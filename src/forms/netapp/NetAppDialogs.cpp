#include "NetAppDialogs.h"

#include "DialogClassRegistrar.h"

void RegisterNetAppDialogs(DialogClassRegistrar& /*registry*/) {}
