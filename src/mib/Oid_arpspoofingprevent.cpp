// Columns stay in this order even where their arcs do not ascend: dialogs address them by position.
#include "Oid_arpspoofingprevent.h"

#include "CatalogueOptionLists.h"

constexpr MibTableRow ARPSpoofingPreventMgmtTable[] = {
    {"1.3.6.1.4.1.746.12.62.3.1.1.1", "Gateway IP", itIpAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.62.3.1.1.2", "MAC", itMacAddress, acNotAccess},
    {"1.3.6.1.4.1.746.12.62.3.1.1.3", "Ports", itBitList, acReadWrite},
    {"1.3.6.1.4.1.746.12.62.3.1.1.4", "Row Status", itInteger, acReadWrite, &ActiveCreateAndGoDestroyList},
    {},
};
