#include "ManagementDialogs.h"

#include "ARPIPV6ControlUnit.h"
#include "DialogClassRegistrar.h"
#include "TCPWEBFormUnit.h"

void RegisterManagementDialogs(DialogClassRegistrar& registry) {
    registry.Register("TARPIPV6ControlForm", ARPIPV6ControlForm);
    registry.Register("TTCPWEBForm", TCPWEBForm);
}
