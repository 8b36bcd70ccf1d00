// The IPv6 route redistribution table (destinations RIPng and OSPFv3, no route map; the table's
// Type is read-only, written only by the Add that creates the row): the route redistribution
// dialog (RouteRedistributionDialog.h) over this design.
#pragma once

#include "RouteRedistributionDialog.h"

class TIPv6RouteResForm : public TRouteRedistributionDialog {
public:
    explicit TIPv6RouteResForm(TComponent* owner);
};

// The dialog while its menu command shows it.
extern TIPv6RouteResForm* IPv6RouteResForm;
