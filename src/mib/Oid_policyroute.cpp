// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_policyroute.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow PolicyRouteTable[] = {
    {"1.3.6.1.4.1.746.12.32.3.1.1.1", "Name", itDisplayString, acNotAccess},
    {"1.3.6.1.4.1.746.12.32.3.1.1.2", "Profile ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.32.3.1.1.3", "Access ID", itInteger, acReadWrite},
    {"1.3.6.1.4.1.746.12.32.3.1.1.4", "Next Hop", itIpAddress, acReadWrite},
    {"1.3.6.1.4.1.746.12.32.3.1.1.5", "Status", itInteger, acReadWrite, &EnabledDisabledNotReadyList},
    {},
};
