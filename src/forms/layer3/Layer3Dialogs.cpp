#include "Layer3Dialogs.h"

#include "DNSCtrlUnit.h"
#include "DialogClassRegistrar.h"
#include "IPStaticRouteUnit.h"
#include "IPv6RouteResUnit.h"
#include "IpCtrlFormUnit.h"
#include "Ipv6StaticRouteUnit.h"
#include "MD5InformationUnit.h"
#include "PIMSSMSettingsUnit.h"
#include "PIMmgmtInformUnit.h"
#include "PolicyRouteUnit.h"
#include "RouteRedistributUnit.h"

void RegisterLayer3Dialogs(DialogClassRegistrar& registry) {
    registry.Register("TIpCtrlForm", IpCtrlForm);
    registry.Register("TIpStaticRouteForm", IpStaticRouteForm);
    registry.Register("TIpv6StaticRouteForm", Ipv6StaticRouteForm);
    registry.Register("TDNSCtrlForm", DNSCtrlForm);
    registry.Register("TMD5InformationForm", MD5InformationForm);
    registry.Register("TRouteRedistributForm", RouteRedistributForm);
    registry.Register("TIPv6RouteResForm", IPv6RouteResForm);
    registry.Register("TPolicyRouteForm", PolicyRouteForm);
    registry.Register("TPIMmgmtInform", PIMmgmtInform);
    registry.Register("TPIMSSMSettingsForm", PIMSSMSettingsForm);
}
