// The IPv4 route redistribution table (destinations RIP and OSPF, with a route map): the route
// redistribution dialog (RouteRedistributionDialog.h) over this design.
#pragma once

#include "RouteRedistributionDialog.h"

class TRouteRedistributForm : public TRouteRedistributionDialog {
public:
    explicit TRouteRedistributForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TRouteRedistributForm* RouteRedistributForm;
