#include "OamDialogs.h"

#include "DialogClassRegistrar.h"

void RegisterOamDialogs(DialogClassRegistrar& /*registry*/) {}
