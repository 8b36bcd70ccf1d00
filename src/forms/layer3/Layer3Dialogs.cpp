#include "Layer3Dialogs.h"

#include "DialogClassRegistrar.h"
#include "IPStaticRouteUnit.h"
#include "IpCtrlFormUnit.h"
#include "Ipv6StaticRouteUnit.h"

void RegisterLayer3Dialogs(DialogClassRegistrar& registry) {
    registry.Register("TIpCtrlForm", IpCtrlForm);
    registry.Register("TIpStaticRouteForm", IpStaticRouteForm);
    registry.Register("TIpv6StaticRouteForm", Ipv6StaticRouteForm);
}
