#include "SecurityDialogs.h"

#include "DialogClassRegistrar.h"
#include "ServerInformationFormUnit.h"

void RegisterSecurityDialogs(DialogClassRegistrar& registry) {
    registry.Register("TServerInformationForm", ServerInformationForm);
}
