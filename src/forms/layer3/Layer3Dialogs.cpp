#include "Layer3Dialogs.h"

#include "DialogClassRegistrar.h"
#include "IPStaticRouteUnit.h"
#include "IpCtrlFormUnit.h"

void RegisterLayer3Dialogs(DialogClassRegistrar& registry) {
    registry.Register("TIpCtrlForm", IpCtrlForm);
    registry.Register("TIpStaticRouteForm", IpStaticRouteForm);
}
