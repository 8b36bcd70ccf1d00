#include "QosDialogs.h"

#include "DialogClassRegistrar.h"

void RegisterQosDialogs(DialogClassRegistrar& /*registry*/) {}
